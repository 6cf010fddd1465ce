// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/result_notice.h"

#include "ui/captions.h"

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
    hide();
    setAccessibleName(captions::resultFieldName() + u' ' + result);
    show();
}
