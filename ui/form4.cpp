// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form4.h"

#include "ui/captions.h"
#include "ui/picture.h"
#include "ui/result_notice.h"
#include "ui/window_place.h"
#include "ui/window_style.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

using window_style::arial;
using window_style::twips;

namespace {

// Gives a widget a fixed background and, in every colour group, the text colours that read on
// it: Window and WindowText for the window and labels, Base and Text for the fields.
void setFixedColours(QWidget *widget, QPalette::ColorRole backgroundRole, const QColor &background)
{
    const QPalette::ColorRole textRole =
        backgroundRole == QPalette::Base ? QPalette::Text : QPalette::WindowText;
    QPalette palette = widget->palette();
    palette.setColor(backgroundRole, background);
    palette.setColor(textRole, window_style::text());
    palette.setColor(QPalette::Disabled, textRole, window_style::dimText());
    if (backgroundRole == QPalette::Base) {
        palette.setColor(QPalette::PlaceholderText, window_style::dimText());
        palette.setColor(QPalette::Highlight, window_style::selection());
        palette.setColor(QPalette::HighlightedText, window_style::selectedText());
    }
    widget->setPalette(palette);
}

QGroupBox *makeFrame(QWidget *window, const QString &name, const QRect &geometry)
{
    auto *frame = new QGroupBox(window);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    frame->setFont(arial(12, QFont::Bold));
    frame->setLayoutDirection(Qt::RightToLeft);
    return frame;
}

QPushButton *makeButton(QWidget *frame, const QString &name, const QRect &geometry,
                        const QString &caption, const QFont &font)
{
    auto *button = new QPushButton(caption, frame);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFont(font);
    button->setLayoutDirection(Qt::RightToLeft);
    button->setAccessibleName(caption);
    // Enter on a focused button clicks it, as Space does.
    button->setAutoDefault(true);
    return button;
}

QLabel *makeLabel(QWidget *frame, const QString &name, const QRect &geometry, const QString &text,
                  Qt::Alignment alignment)
{
    auto *label = new QLabel(text, frame);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setLayoutDirection(Qt::LeftToRight);
    label->setAccessibleName(text);
    return label;
}

QLabel *makeFieldLabel(QWidget *frame, const QString &name, const QRect &geometry,
                       const QString &text, Qt::Alignment alignment)
{
    QLabel *label = makeLabel(frame, name, geometry, text, alignment);
    // Field labels take the window's font, not their frame's.
    label->setFont(frame->window()->font());
    label->setAutoFillBackground(true);
    setFixedColours(label, QPalette::Window, window_style::background());
    return label;
}

QLineEdit *makeField(QWidget *frame, const QString &name, const QRect &geometry, const QColor &base)
{
    auto *field = new QLineEdit(frame);
    // Fields take the window's font, not their frame's.
    field->setFont(frame->window()->font());
    field->setObjectName(name);
    field->setGeometry(geometry);
    field->setAlignment(Qt::AlignCenter);
    setFixedColours(field, QPalette::Base, base);
    return field;
}

Picture *makePicture(QWidget *window, const QString &name, const QRect &geometry,
                     const QString &file)
{
    auto *picture = new Picture(window, file);
    picture->setObjectName(name);
    picture->setGeometry(geometry);
    return picture;
}

} // namespace

Form4::Form4(QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(captions::windowTitle());
    setFont(window_style::windowFont());
    setLayoutDirection(Qt::RightToLeft);
    setAutoFillBackground(true);
    setFixedColours(this, QPalette::Window, window_style::background());
    setFixedSize(twips(0, 0, 8925, 3960).size());

    buildLinksFrame();
    buildAmountRow();
    buildResultRow();
    buildPictures();

    // The result comes last, where the keyboard reaches it to hear, select and copy it.
    setTabOrder(Text18, Command1);
    setTabOrder(Command1, Command5);
    setTabOrder(Command5, Command2);
    setTabOrder(Command2, Text1);
    Text18->setFocus();

    // Centred on the primary screen, frame and all. The platform window is made now, so that
    // where the frame is known before the window shows (Windows) it is counted; elsewhere the
    // frame comes later, and the inside is centred.
    create();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        setGeometry(
            centredInside(geometry(), windowHandle()->frameMargins(), screen->availableGeometry()));
    }
}

void Form4::buildLinksFrame()
{
    Frame3 = makeFrame(this, QStringLiteral("Frame3"), twips(120, 1920, 4455, 1935));
    Command5 = makeButton(Frame3, QStringLiteral("Command5"), twips(2880, 1200, 1335, 495),
                          captions::website(), arial(14.25, QFont::Normal));
    Command5->setAccessibleDescription(captions::websiteDescription());
    connect(Command5, &QPushButton::clicked, this, &Form4::Command5_Click);
    Command2 = makeButton(Frame3, QStringLiteral("Command2"), twips(240, 1200, 2415, 495),
                          captions::questions(), arial(12.75, QFont::Bold));
    Command2->setAccessibleDescription(captions::questionsDescription());
    connect(Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
    Label4 = makeLabel(Frame3, QStringLiteral("Label4"), twips(480, 600, 3375, 375),
                       captions::contactEmail(), Qt::AlignHCenter);
    Label3 = makeLabel(Frame3, QStringLiteral("Label3"), twips(600, 240, 3375, 375),
                       captions::authorCredit(), Qt::AlignHCenter);
}

void Form4::buildAmountRow()
{
    Frame8 = makeFrame(this, QStringLiteral("Frame8"), twips(120, 0, 4455, 855));
    Text18 = makeField(Frame8, QStringLiteral("Text18"), twips(1680, 240, 2535, 405), Qt::white);
    Text18->setAccessibleName(captions::amountFieldName());
    Text18->setAccessibleDescription(captions::amountFieldDescription());
    Text18->installEventFilter(this);
    connect(Text18, &QLineEdit::textChanged, this, &Form4::Text18_Change);
    Label26 = makeFieldLabel(Frame8, QStringLiteral("Label26"), twips(240, 240, 1335, 375),
                             captions::mensuel(), Qt::AlignRight);
}

void Form4::buildResultRow()
{
    Frame1 = makeFrame(this, QStringLiteral("Frame1"), twips(120, 960, 4455, 855));
    Command1 = makeButton(Frame1, QStringLiteral("Command1"), twips(3720, 240, 615, 375),
                          captions::copy(), arial(12, QFont::Bold));
    Command1->setAccessibleDescription(captions::copyDescription());
    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    Text1 = makeField(Frame1, QStringLiteral("Text1"), twips(1440, 240, 2295, 405),
                      window_style::background());
    Text1->setReadOnly(true);
    Text1->setFrame(false);
    Text1->setAccessibleName(captions::resultFieldName());
    Text1->setAccessibleDescription(captions::resultFieldDescription());
    auto *notice = new ResultNotice(Frame1);
    connect(Text1, &QLineEdit::textChanged, notice, &ResultNotice::announce);
    Label1 = makeFieldLabel(Frame1, QStringLiteral("Label1"), twips(240, 240, 1335, 375),
                            captions::irg(), Qt::AlignHCenter);
    // The copy button overlaps the field's edge; keep it on top so it stays clickable.
    Command1->raise();
}

void Form4::buildPictures()
{
    Image1 = makePicture(this, QStringLiteral("Image1"), twips(4680, 2040, 4125, 1815),
                         QStringLiteral(":/image1"));
    Image2 = makePicture(this, QStringLiteral("Image2"), twips(4680, 120, 4125, 1935),
                         QStringLiteral(":/image2"));
    Image1->setAccessibleName(captions::illustrationName());
    Image1->setAccessibleDescription(captions::illustrationDescription());
    Image2->setAccessibleName(captions::taxTableName());
    Image2->setAccessibleDescription(captions::taxTableDescription());
}
