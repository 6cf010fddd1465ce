// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

// One window with one line edit: what any Qt Widgets program pays to show itself. It has the
// calculator's size, so both pay alike for the window's pixels.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare_window"));
    auto *field = new QLineEdit(&window);
    field->setGeometry(10, 10, 200, 28);
    window.setFixedSize(595, 264);
    window.show();
    return app.exec();
}
