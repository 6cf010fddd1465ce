#pragma once

#include "ui/form4.h"

#include <QLineEdit>
#include <QTest>

#include <memory>

// A shown, active calculator window whose controls are found the way a user names them.
struct ShownForm4
{
    std::unique_ptr<Form4> window = std::make_unique<Form4>();

    ShownForm4()
    {
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("calculator window did not become active");
    }

    template <typename T = QWidget> T *find(const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }

    QLineEdit *amount() const { return find<QLineEdit>("Text18"); }
    QLineEdit *result() const { return find<QLineEdit>("Text1"); }
};
