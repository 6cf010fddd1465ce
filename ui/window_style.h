// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QStringList>

namespace window_style {

// The window was drawn in twips at 15 twips a pixel.
constexpr QRect twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

// The design's fixed colours. Each text drawn on a fixed background takes its colour from here
// too, never from the theme, whose light text on a dark theme would vanish into these.
inline QColor background() { return QColor(192, 192, 255); }
inline QColor text() { return Qt::black; }
// Greyed text (disabled, placeholder) that still reads at 6:1 on the lilac.
inline QColor dimText() { return QColor(64, 64, 64); }
inline QColor selection() { return QColor(0, 0, 128); }
inline QColor selectedText() { return Qt::white; }

// Arial where it is installed, else its metric twin; Amiri draws the Arabic captions, since it
// is the Arabic face narrow enough for the widest of them.
inline QFont arial(qreal pointSize, QFont::Weight weight)
{
    QFont font;
    font.setFamilies(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Amiri")});
    font.setPointSizeF(pointSize);
    font.setWeight(weight);
    return font;
}

// The window's own font, which controls without a font of their own take.
inline QFont windowFont() { return arial(14.25, QFont::Bold); }

} // namespace window_style
