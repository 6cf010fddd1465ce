// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form4.h"

#include "ui/amount_text.h"
#include "ui/site_links.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

namespace {

// The characters of typed text that the amount field's key rule lets through. A key can bring
// several at once (a compose sequence, compressed keys) and an input method commits whole
// strings: each character is held to the rule.
QString admitted(const QString &typed)
{
    QString kept;
    for (const QChar c : typed) {
        if (Form4::gWriteOnleNumber(static_cast<short>(c.unicode())) != 0)
            kept.append(c);
    }
    return kept;
}

} // namespace

bool Form4::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text18 && event->type() == QEvent::KeyPress)
        return Text18_KeyPress(*static_cast<QKeyEvent *>(event));
    if (watched == Text18 && event->type() == QEvent::InputMethod)
        return Text18_InputMethod(*static_cast<QInputMethodEvent *>(event));
    return QWidget::eventFilter(watched, event);
}

// True when the key is dropped before it reaches the field. Keys that type nothing (arrows,
// Home, End, Delete) and Tab, which moves the focus, are not typing and pass. A clipboard
// shortcut types a control character (Ctrl+V is 22), or its letter when the event is made by
// a program: either way the rule drops it.
bool Form4::Text18_KeyPress(const QKeyEvent &event)
{
    const bool focusKey = (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab)
        && !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    const QString typed = event.text();
    if (focusKey || typed.isEmpty() || event.key() == Qt::Key_Delete)
        return false;
    const QString kept = admitted(typed);
    if (kept == typed)
        return false;
    if (!kept.isEmpty()) {
        QKeyEvent only(event.type(), Qt::Key_unknown, event.modifiers(), kept);
        QCoreApplication::sendEvent(Text18, &only);
    }
    return true;
}

bool Form4::Text18_InputMethod(const QInputMethodEvent &event)
{
    const QString committed = event.commitString();
    const QString kept = admitted(committed);
    if (kept == committed)
        return false;
    QInputMethodEvent only(event.preeditString(), event.attributes());
    only.setCommitString(kept, event.replacementStart(), event.replacementLength());
    QCoreApplication::sendEvent(Text18, &only);
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

void Form4::Command2_Click() { QDesktopServices::openUrl(site_links::contactPage()); }

void Form4::Command5_Click() { QDesktopServices::openUrl(site_links::homePage()); }
