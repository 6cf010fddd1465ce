#include "ui/app_identity.h"

#include <QGuiApplication>

void setUpApplicationIdentity()
{
    QGuiApplication::setApplicationName(QStringLiteral("irgcalc"));
    QGuiApplication::setApplicationVersion(QStringLiteral(IRGCALC_VERSION));
}
