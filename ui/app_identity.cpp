// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app_identity.h"

#include "ui/form4.h"

#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QIcon>

namespace {

// A plain QWidget window reaches a screen reader as a filler, whose name is never announced; as
// a window it is a frame, announced by its title.
QAccessibleInterface *accessibleWindow(const QString &, QObject *object)
{
    auto *window = qobject_cast<Form4 *>(object);
    return window ? new QAccessibleWidget(window, QAccessible::Window) : nullptr;
}

} // namespace

void setUpApplicationIdentity()
{
    QGuiApplication::setApplicationName(QStringLiteral("irgcalc"));
    QGuiApplication::setApplicationVersion(QStringLiteral(IRGCALC_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(IRGCALC_APP_ID));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/irgcalc-48.png")));
    QAccessible::installFactory(accessibleWindow);
}
