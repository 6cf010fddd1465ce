#pragma once

#include "ui/form4.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
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

// The text a control draws and the room its style gives that text. A field is first given
// fieldText, since it shows what is typed rather than a caption.
struct ShownText
{
    QString text;
    QRect room;
};

inline ShownText shownTextOf(QWidget *control, const QString &fieldText)
{
    if (auto *button = qobject_cast<QPushButton *>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return {button->text(),
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button)};
    }
    if (auto *label = qobject_cast<QLabel *>(control))
        return {label->text(), label->contentsRect()};
    if (auto *field = qobject_cast<QLineEdit *>(control)) {
        field->setText(fieldText);
        QStyleOptionFrame option;
        option.initFrom(field);
        option.lineWidth = field->hasFrame()
            ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field)
            : 0;
        QRect room = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
        room.adjust(2, 1, -2, -1); // the margins QLineEdit keeps round its text
        return {fieldText, room};
    }
    return {QString(), control->contentsRect()};
}
