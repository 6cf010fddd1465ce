// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app_identity.h"
#include "ui/form4.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplicationIdentity();
    Form4 window;
    window.show();
    return app.exec();
}
