#include "ui/window_style.h"

#include "resources/caption_faces.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QStringList>

namespace window_style {

namespace {

int registerFace(const FontFile &file)
{
    return QFontDatabase::addApplicationFontFromData(
        QByteArray::fromRawData(reinterpret_cast<const char *>(file.bytes), int(file.size)));
}

// The family of the captions' glyphs cut from Amiri, registered on first use; empty if it
// could not be. Amiri whole costs its file, its layout tables and their shaping caches for
// the few letters the window draws.
QString captionFamily()
{
    static const QString family = [] {
        const int regular = registerFace(caption_faces::regular);
        registerFace(caption_faces::bold);
        return QFontDatabase::applicationFontFamilies(regular).value(0);
    }();
    return family;
}

} // namespace

QFont arial(qreal pointSize, QFont::Weight weight)
{
    QStringList families{QStringLiteral("Arial"), QStringLiteral("Liberation Sans")};
    if (const QString captions = captionFamily(); !captions.isEmpty())
        families.append(captions);
    families.append(QStringLiteral("Amiri"));
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    return font;
}

QFont fieldFont(const QFont &font)
{
    QFont field = font;
    QStringList families = font.families();
    families.removeAll(captionFamily());
    field.setFamilies(families);
    return field;
}

} // namespace window_style
