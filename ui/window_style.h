#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

namespace window_style {

// The window was drawn in twips at 15 twips a pixel.
constexpr QRect twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

inline QColor background() { return QColor(192, 192, 255); }

// Arial, with a metric twin for Latin text and an Arabic face that fits the captions.
QFont arial(qreal pointSize, QFont::Weight weight);
// The window's own font, which controls without a font of their own take.
inline QFont windowFont() { return arial(14.25, QFont::Bold); }
// The same for a field, which shows whatever is typed or pasted: its text comes from the whole
// faces, since glyphs from a cut and from the face it was cut from do not join or kern as one
// face's do.
QFont fieldFont(const QFont &font);

// The fields' font becomes the application's default, menus keeping theirs.
void makeFieldFontTheDefault();

} // namespace window_style
