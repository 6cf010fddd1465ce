// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture.h"

#include <QPainter>

Picture::Picture(QWidget *parent, const QString &file)
    : QWidget(parent)
    , file(file)
{ }

// The density can change while the window is open (a move to another screen, a new scale), and a
// repaint always follows; so the copy is chosen as the picture is painted.
void Picture::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (drawn.size() != pixels || drawn.devicePixelRatio() != ratio) {
        const char *const suffixes[] = {".jpg", "@2x.jpg", "@3x.jpg"};
        const int copy = ratio > 2 ? 2 : ratio > 1 ? 1 : 0;
        if (copies[copy].isNull())
            copies[copy].load(file + QLatin1String(suffixes[copy]));
        drawn = QPixmap::fromImage(
            copies[copy].scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        drawn.setDevicePixelRatio(ratio);
    }
    QPainter(this).drawPixmap(0, 0, drawn);
}
