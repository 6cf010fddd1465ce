// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app_identity.h"

#include "ui/form4.h"
#include "ui/picture.h"
#include "ui/qt_translation.h"
#include "ui/result_notice.h"

#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QIcon>

namespace {

// Plain QWidgets reach a screen reader as fillers, which it never announces. The window is a
// frame, announced by its title; the result notice a notification, spoken as it is shown; each
// picture an image, told by its name and description.
QAccessibleInterface *accessibleWidget(const QString &, QObject *object)
{
    if (auto *window = qobject_cast<Form4 *>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    if (auto *notice = qobject_cast<ResultNotice *>(object))
        return new QAccessibleWidget(notice, QAccessible::Notification);
    if (auto *picture = qobject_cast<Picture *>(object))
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    return nullptr;
}

} // namespace

void setUpApplicationIdentity()
{
    QGuiApplication::setApplicationName(QStringLiteral("irgcalc"));
    QGuiApplication::setApplicationVersion(QStringLiteral(IRGCALC_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(IRGCALC_APP_ID));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/irgcalc-48.png")));
    QAccessible::installFactory(accessibleWidget);
    translateQtTexts(QLocale());
}
