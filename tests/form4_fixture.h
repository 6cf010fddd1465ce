#pragma once

#include "ui/form4.h"

#include <QLineEdit>
#include <QTest>

#include <memory>

// Types a script into the focused amount field: '\b' is Backspace, '\n' is Enter, '\t' is Tab,
// '<' and '>' the arrow keys, '^' Home, '$' End, '~' Delete; anything else is typed as it is.
inline void typeInto(QLineEdit *field, const QString &script)
{
    for (const QChar c : script) {
        switch (c.unicode()) {
        case '\b': QTest::keyClick(field, Qt::Key_Backspace); break;
        case '\n': QTest::keyClick(field, Qt::Key_Return); break;
        case '<': QTest::keyClick(field, Qt::Key_Left); break;
        case '>': QTest::keyClick(field, Qt::Key_Right); break;
        case '^': QTest::keyClick(field, Qt::Key_Home); break;
        case '$': QTest::keyClick(field, Qt::Key_End); break;
        case '~': QTest::keyClick(field, Qt::Key_Delete); break;
        default:
            if (c.unicode() < 128)
                QTest::keyClicks(field, QString(c));
            else // a key of a non-Latin layout: no Qt key code, only its text
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), {});
            break;
        }
    }
}

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
