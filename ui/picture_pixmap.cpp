#include "ui/picture_pixmap.h"

#include "resources/pictures.h"

#include <QImage>

QPixmap pixmapOf(const Pixels &pixels)
{
    // The image reads the words where they lie; a pixmap of the screen's own format shares them.
    const QImage image(reinterpret_cast<const uchar *>(pixels.words), pixels.width,
                       pixels.height, pixels.width * int(sizeof *pixels.words),
                       pixels.opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    return QPixmap::fromImage(image);
}
