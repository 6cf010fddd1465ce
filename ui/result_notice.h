// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QAccessibleInterface;

// Brings each new result to a screen reader while the focus stays in the amount field. Screen
// readers speak a notification as it is shown, whatever holds the focus; the notice has no
// size, so nothing of it is drawn.
class ResultNotice : public QWidget
{
    Q_OBJECT

public:
    explicit ResultNotice(QWidget *parent);

    void announce(const QString &result);

    // What screen readers see of it: a notification whose value is what it last said.
    static QAccessibleInterface *accessible(ResultNotice *notice);
};
