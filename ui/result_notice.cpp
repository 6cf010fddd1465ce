// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/result_notice.h"

#include "ui/captions.h"

#include <QAccessible>

ResultNotice::ResultNotice(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("resultNotice"));
    setFixedSize(0, 0);
    // Hidden until the first result, so nothing is spoken at start.
    hide();
}

void ResultNotice::announce(const QString &result)
{
    const QString words = captions::resultFieldName() + u' ' + result;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Made for this: AT-SPI's Announcement signal for Orca, a UI Automation notification for
    // NVDA and Narrator. Showing the notice as well would make Orca say each result twice.
    QAccessibleAnnouncementEvent announcement(this, words);
    QAccessible::updateAccessibility(&announcement);
#else
    hide();
    setAccessibleName(words);
    show();
#endif
}
