// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

// One of the window's pictures, stretched to its place and drawn from the copy made for the
// density it is shown at (resources/make-pictures.sh), so that small figures stay sharp.
class Picture : public QWidget
{
    Q_OBJECT

public:
    // FILE names the picture as designed; FILE@2x and FILE@3x are its copies.
    Picture(QWidget *parent, const QString &file);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QString file;
    QImage copies[3]; // 1x, @2x, @3x, each read the first time it is wanted
    QPixmap drawn; // the copy for the density last painted at, scaled to the place
};
