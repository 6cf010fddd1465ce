// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// Brings each new result to a screen reader while the focus stays in the amount field. Screen
// readers speak a notification as it is shown, whatever holds the focus; the notice has no
// size, so nothing of it is drawn. Its role is given by the window's accessible factory.
class ResultNotice : public QWidget
{
    Q_OBJECT

public:
    explicit ResultNotice(QWidget *parent);

    void announce(const QString &result);
};
