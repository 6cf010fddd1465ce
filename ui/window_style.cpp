#include "ui/window_style.h"

#include "resources/caption_faces.h"

#include <QApplication>
#include <QByteArray>
#include <QFontDatabase>
#include <QStringList>

namespace window_style {

namespace {

// The family a face registers, or empty if it could not be.
QString registerFace(const FontFile &file)
{
    const int id = QFontDatabase::addApplicationFontFromData(
        QByteArray::fromRawData(reinterpret_cast<const char *>(file.bytes), int(file.size)));
    return QFontDatabase::applicationFontFamilies(id).value(0);
}

// The families of the captions' glyphs, registered on first use. A face whole costs its file,
// its layout tables, copied for every size drawn, and their shaping caches, for the few
// letters the window draws.
const QStringList &captionFamilies()
{
    static const QStringList families = [] {
        // A weight's family is its face's; the bold faces join the regular ones' families.
        const QString latin = registerFace(caption_faces::latinRegular);
        registerFace(caption_faces::latinBold);
        const QString arabic = registerFace(caption_faces::arabicRegular);
        registerFace(caption_faces::arabicBold);
        QStringList registered{latin, arabic};
        registered.removeAll(QString());
        return registered;
    }();
    return families;
}

} // namespace

QFont arial(qreal pointSize, QFont::Weight weight)
{
    // The installed faces after the cuts: a caption drawn whole from a cut is drawn as by the
    // face it was cut from.
    const QStringList families = QStringList{QStringLiteral("Arial")} + captionFamilies()
        + QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Amiri")};
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
    for (const QString &cut : captionFamilies())
        families.removeAll(cut);
    field.setFamilies(families);
    return field;
}

// Each line edit lays out its empty text in the default font before it takes its own, and so
// would load the system's default face (DejaVu Sans, on Debian) that nothing here draws with;
// with the fields' own font as the default, it loads what the fields load anyway. Only the
// line edits' menu shows text in the default font: it keeps the font it had.
void makeFieldFontTheDefault()
{
    const QFont menus = QApplication::font("QMenu");
    // QGuiApplication's, as QApplication's would also drop the theme's fonts for other kinds.
    QGuiApplication::setFont(fieldFont(windowFont()));
    QApplication::setFont(menus, "QMenu");
}

} // namespace window_style
