#include "ui/form4.h"

#include "ui/amount_text.h"
#include "ui/key_code.h"
#include "ui/site_links.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

bool Form4::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text18 && event->type() == QEvent::KeyPress)
        return Text18_KeyPress(*static_cast<QKeyEvent *>(event));
    if (watched == Text18 && event->type() == QEvent::InputMethod)
        return Text18_InputMethod(*static_cast<QInputMethodEvent *>(event));
    return QWidget::eventFilter(watched, event);
}

// True when the key is dropped before it reaches the field.
bool Form4::Text18_KeyPress(const QKeyEvent &event)
{
    const bool focusKey = (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab)
        && !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (focusKey)
        return false;
    const std::optional<short> code = keyCodeOf(event);
    return code && gWriteOnleNumber(*code) == 0;
}

// An input method commits whole strings instead of keys; hold each character to the same rule.
bool Form4::Text18_InputMethod(const QInputMethodEvent &event)
{
    const QString committed = event.commitString();
    QString admitted;
    for (const QChar c : committed) {
        if (gWriteOnleNumber(static_cast<short>(c.unicode())) != 0)
            admitted.append(c);
    }
    if (admitted == committed)
        return false;
    QInputMethodEvent filtered(event.preeditString(), event.attributes());
    filtered.setCommitString(admitted, event.replacementStart(), event.replacementLength());
    QCoreApplication::sendEvent(Text18, &filtered);
    return true;
}

void Form4::Text18_Change(const QString &text)
{
    // Text that is not an amount leaves the last result in place.
    if (const std::optional<double> amount = amountFromText(text, QLocale()))
        Text1->setText(irg(*amount));
}

void Form4::Command1_Click()
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setText(Text1->text());
}

void Form4::Command2_Click()
{
    QDesktopServices::openUrl(site_links::contactPage());
}

void Form4::Command5_Click()
{
    QDesktopServices::openUrl(site_links::homePage());
}
