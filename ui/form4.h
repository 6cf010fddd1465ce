// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QGroupBox;
class QInputMethodEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class Picture;

// The calculator's only window: type a monthly amount, read the monthly IRG.
class Form4 : public QWidget
{
    Q_OBJECT

public:
    explicit Form4(QWidget *parent = nullptr);

    // Key filters: the code that reaches the field, or 0 to drop the key.
    static short gWriteOnleNumber(const short &IntKeyAscii);
    static short gWriteOnleNumber1(const short &IntKeyAscii);
    // Tax text, in the default locale, of any finite monthly amount.
    static QString irg(double Mensuel);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildAmountRow();
    void buildResultRow();
    void buildLinksFrame();
    void buildPictures();

    bool Text18_KeyPress(const QKeyEvent &event);
    bool Text18_InputMethod(const QInputMethodEvent &event);
    void Text18_Change(const QString &text);
    void Command1_Click();
    void Command2_Click();
    void Command5_Click();

    QGroupBox *Frame3 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command2 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label3 = nullptr;
    QGroupBox *Frame8 = nullptr;
    QLineEdit *Text18 = nullptr;
    QLabel *Label26 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QPushButton *Command1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLabel *Label1 = nullptr;
    Picture *Image1 = nullptr;
    Picture *Image2 = nullptr;
};
