#include "ui/app_identity.h"

#include "resources/pictures.h"
#include "ui/picture_pixmap.h"

#include <QGuiApplication>
#include <QIcon>

void setUpApplicationIdentity()
{
    QGuiApplication::setApplicationName(QStringLiteral("irgcalc"));
    QGuiApplication::setApplicationVersion(QStringLiteral(IRGCALC_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(IRGCALC_APP_ID));
    QGuiApplication::setWindowIcon(QIcon(pixmapOf(pictures::icon)));
}
