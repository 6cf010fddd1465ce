// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// One of the window's pictures, stretched to its place and drawn from the copy made for the
// density it is shown at (resources/make-pictures.sh), so that small figures stay sharp.
class Picture : public QLabel
{
public:
    // FILE names the picture as designed; FILE@2x and FILE@3x are its copies.
    Picture(QWidget *parent, const QString &file);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void showCopyFor(qreal devicePixelRatio);

    const QString file;
    QString shown;
};
