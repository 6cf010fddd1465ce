// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// Brings each new result to a screen reader while the focus stays in the amount field: as an
// announcement with Qt 6.8 and later; before, as a notification, which screen readers speak as
// it is shown, whatever holds the focus. The notice has no size, so nothing of it is drawn.
class ResultNotice : public QWidget
{
    Q_OBJECT

public:
    explicit ResultNotice(QWidget *parent);

    void announce(const QString &result);
};
