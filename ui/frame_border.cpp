#include "ui/frame_border.h"

#include "resources/pictures.h"
#include "ui/picture_pixmap.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>

namespace {

// Each byte of the value, low digit first: how QPixmap writes numbers into its cache keys.
template <typename T> QString hexBytes(T value)
{
    static constexpr char digits[] = "0123456789abcdef";
    QString text;
    const auto *byte = reinterpret_cast<const unsigned char *>(&value);
    for (unsigned i = 0; i < sizeof value; ++i, ++byte) {
        text += QLatin1Char(digits[*byte & 0xf]);
        text += QLatin1Char(digits[*byte >> 4]);
    }
    return text;
}

// The border as decoded when the program was built, if this Qt has the same file; read with
// the built-in PNG reader alone otherwise.
QPixmap frameBorder(const QFileInfo &file, qint64 time)
{
    if (file.size() == pictures::fusionFrameBorderSize && time == pictures::fusionFrameBorderTime)
        return pixmapOf(pictures::fusionFrameBorder);
    QImageReader reader(file.filePath(), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

// Fusion reads the border with QPixmap(fileName). Before its built-in PNG reader gets the file,
// that read asks every installed image plugin whether it reads PNG, loading each one and, with
// them, Qt Svg and libjpeg: half a megabyte for a 32-pixel picture. QPixmap first looks in the
// cache under a key made of the file's path, time, size and pixmap type; a picture put there
// under that key is the one Fusion draws. Should Qt ever make its key otherwise, Fusion simply
// reads the file itself, as it always did.
void cacheFusionFrameBorder()
{
    if (QApplication::style()->name() != QLatin1String("fusion"))
        return;
    const QFileInfo file{QLatin1String(pictures::kFusionFrameBorderFile)};
    if (!file.exists())
        return;
    const qint64 time = file.lastModified().toSecsSinceEpoch();
    const QPixmap border = frameBorder(file, time);
    if (border.isNull())
        return;
    constexpr unsigned pixmapType = 0; // QPlatformPixmap::PixmapType
    QPixmapCache::insert(QLatin1String("qt_pixmap") + file.absoluteFilePath()
                             + hexBytes(unsigned(time))
                             + hexBytes(quint64(file.size())) + hexBytes(pixmapType),
                         border);
}
