// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture.h"

#include <QPixmap>

Picture::Picture(QWidget *parent, const QString &file)
    : QLabel(parent)
    , file(file)
{
    setScaledContents(true);
    showCopyFor(devicePixelRatioF());
}

// The density can change while the window is open (a move to another screen, a new scale), and
// a repaint always follows; so the copy is chosen again here.
void Picture::paintEvent(QPaintEvent *event)
{
    showCopyFor(devicePixelRatioF());
    QLabel::paintEvent(event);
}

void Picture::showCopyFor(qreal devicePixelRatio)
{
    const char *suffix = devicePixelRatio > 2 ? "@3x" : devicePixelRatio > 1 ? "@2x" : "";
    const QString copy = file + QLatin1String(suffix) + QStringLiteral(".jpg");
    if (copy != shown) {
        shown = copy;
        setPixmap(QPixmap(copy));
    }
}
