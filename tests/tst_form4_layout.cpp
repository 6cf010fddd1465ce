#include "form4_fixture.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

class TestForm4Layout : public QObject
{
    Q_OBJECT

private slots:
    void controlsStandAsDesigned_data();
    void controlsStandAsDesigned();
    void fontsAsDesigned_data();
    void fontsAsDesigned();
    void readingOrder_data();
    void readingOrder();
    void colours_data();
    void colours();
    void windowIsFixedAndCentred();
    void startsEmptyWithAmountFocused();
    void tabFollowsDesignedOrder_data();
    void tabFollowsDesignedOrder();
    void textsAreNotClipped_data();
    void textsAreNotClipped();
};

void TestForm4Layout::controlsStandAsDesigned_data()
{
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QRect>("geometry");

    // Designed in twips, 15 to the pixel, measured from the left of each container.
    QTest::newRow("Frame3") << "Form4" << QRect(8, 128, 297, 129);
    QTest::newRow("Command5") << "Frame3" << QRect(192, 80, 89, 33);
    QTest::newRow("Command2") << "Frame3" << QRect(16, 80, 161, 33);
    QTest::newRow("Label4") << "Frame3" << QRect(32, 40, 225, 25);
    QTest::newRow("Label3") << "Frame3" << QRect(40, 16, 225, 25);
    QTest::newRow("Frame8") << "Form4" << QRect(8, 0, 297, 57);
    QTest::newRow("Text18") << "Frame8" << QRect(112, 16, 169, 27);
    QTest::newRow("Label26") << "Frame8" << QRect(16, 16, 89, 25);
    QTest::newRow("Frame1") << "Form4" << QRect(8, 64, 297, 57);
    QTest::newRow("Command1") << "Frame1" << QRect(248, 16, 41, 25);
    QTest::newRow("Text1") << "Frame1" << QRect(96, 16, 153, 27);
    QTest::newRow("Label1") << "Frame1" << QRect(16, 16, 89, 25);
    QTest::newRow("Image1") << "Form4" << QRect(312, 136, 275, 121);
    QTest::newRow("Image2") << "Form4" << QRect(312, 8, 275, 129);
}

void TestForm4Layout::controlsStandAsDesigned()
{
    QFETCH(QString, parentName);
    QFETCH(QRect, geometry);
    ShownForm4 form;
    const QWidget *control = form.find(QTest::currentDataTag());
    QVERIFY(control);
    QCOMPARE(control->parentWidget()->objectName(), parentName);
    QCOMPARE(control->geometry(), geometry);
    QVERIFY(control->isVisible());
}

void TestForm4Layout::fontsAsDesigned_data()
{
    QTest::addColumn<qreal>("pointSize");
    QTest::addColumn<bool>("bold");

    QTest::newRow("Form4") << 14.25 << true;
    QTest::newRow("Frame3") << 12.0 << true;
    QTest::newRow("Command5") << 14.25 << false;
    QTest::newRow("Command2") << 12.75 << true;
    QTest::newRow("Label4") << 12.0 << true;
    QTest::newRow("Label3") << 12.0 << true;
    QTest::newRow("Frame8") << 12.0 << true;
    QTest::newRow("Text18") << 14.25 << true;
    QTest::newRow("Label26") << 14.25 << true;
    QTest::newRow("Frame1") << 12.0 << true;
    QTest::newRow("Command1") << 12.0 << true;
    QTest::newRow("Text1") << 14.25 << true;
    QTest::newRow("Label1") << 14.25 << true;
}

void TestForm4Layout::fontsAsDesigned()
{
    QFETCH(qreal, pointSize);
    QFETCH(bool, bold);
    ShownForm4 form;
    const QString name = QTest::currentDataTag();
    const QWidget *control = name == "Form4" ? form.window.get() : form.find(qPrintable(name));
    const QFont font = control->font();
    QCOMPARE(font.families().value(0), QStringLiteral("Arial"));
    QCOMPARE(font.pointSizeF(), pointSize);
    QCOMPARE(font.bold(), bold);
    QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
}

void TestForm4Layout::readingOrder_data()
{
    QTest::addColumn<Qt::LayoutDirection>("direction");
    for (const char *name : {"Frame3", "Frame8", "Frame1", "Command1", "Command2", "Command5"})
        QTest::newRow(name) << Qt::RightToLeft;
    for (const char *name : {"Label1", "Label3", "Label4", "Label26"})
        QTest::newRow(name) << Qt::LeftToRight;
}

void TestForm4Layout::readingOrder()
{
    QFETCH(Qt::LayoutDirection, direction);
    ShownForm4 form;
    QCOMPARE(form.window->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(form.find(QTest::currentDataTag())->layoutDirection(), direction);
}

void TestForm4Layout::colours_data()
{
    QTest::addColumn<QPalette::ColorRole>("role");
    QTest::addColumn<QColor>("colour");
    const QColor lavender(192, 192, 255);

    QTest::newRow("Frame8") << QPalette::Window << lavender;
    QTest::newRow("Frame1") << QPalette::Window << lavender;
    QTest::newRow("Frame3") << QPalette::Window << lavender;
    QTest::newRow("Text18") << QPalette::Base << QColor(Qt::white);
    QTest::newRow("Text1") << QPalette::Base << lavender;
    QTest::newRow("Label26") << QPalette::Window << lavender;
    QTest::newRow("Label1") << QPalette::Window << lavender;
}

void TestForm4Layout::colours()
{
    QFETCH(QPalette::ColorRole, role);
    QFETCH(QColor, colour);
    ShownForm4 form;
    QCOMPARE(form.window->palette().color(QPalette::Window), QColor(192, 192, 255));
    QVERIFY(form.window->autoFillBackground());
    QCOMPARE(form.find(QTest::currentDataTag())->palette().color(role), colour);
}

void TestForm4Layout::windowIsFixedAndCentred()
{
    ShownForm4 form;
    Form4 &window = *form.window;
    QCOMPARE(window.windowTitle(), QStringLiteral(u" برنامج حساب IRG- ضريبة الدخل"));
    QCOMPARE(window.size(), QSize(595, 264));
    QCOMPARE(window.minimumSize(), QSize(595, 264));
    QCOMPARE(window.maximumSize(), QSize(595, 264));
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    // The client area is centred; the window manager's frame may shift it by its own margins.
    const QPoint screenCentre = window.screen()->availableGeometry().center();
    const QSize decoration = window.frameGeometry().size() - window.size();
    QVERIFY2((window.geometry().center() - screenCentre).manhattanLength()
                 <= 1 + decoration.width() + decoration.height(),
             qPrintable(QStringLiteral("window centre %1,%2")
                            .arg(window.geometry().center().x()).arg(window.geometry().center().y())));
}

void TestForm4Layout::startsEmptyWithAmountFocused()
{
    ShownForm4 form;
    QCOMPARE(QApplication::focusWidget(), form.amount());
    QCOMPARE(form.amount()->text(), QString());
    // No tax is shown before anything is typed, not even 0.00.
    QCOMPARE(form.result()->text(), QString());
    QVERIFY(form.result()->isReadOnly());
    QVERIFY(!form.result()->hasFrame());
}

void TestForm4Layout::tabFollowsDesignedOrder_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QStringList>("order");

    QTest::newRow("Tab") << Qt::KeyboardModifiers(Qt::NoModifier)
                         << QStringList{"Command1", "Command5", "Command2", "Text18"};
    QTest::newRow("Shift+Tab") << Qt::KeyboardModifiers(Qt::ShiftModifier)
                               << QStringList{"Command2", "Command5", "Command1", "Text18"};
}

void TestForm4Layout::tabFollowsDesignedOrder()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QStringList, order);
    ShownForm4 form;
    const Qt::Key key = modifiers ? Qt::Key_Backtab : Qt::Key_Tab;
    for (const QString &expected : order) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        QCOMPARE(QApplication::focusWidget()->objectName(), expected);
    }
}

void TestForm4Layout::textsAreNotClipped_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("Command5") << QString();
    QTest::newRow("Command2") << QString();
    QTest::newRow("Command1") << QString();
    QTest::newRow("Label1") << QString();
    QTest::newRow("Label3") << QString();
    QTest::newRow("Label4") << QString();
    QTest::newRow("Label26") << QString();
    // The largest amount a field shows in full: a monthly salary of 99 999 999.99.
    QTest::newRow("Text18") << QStringLiteral("99999999.99");
    QTest::newRow("Text1") << Form4::irg(99999999.99);
}

// Captions are measured with the fonts the window really draws them in, Arabic fallback included.
void TestForm4Layout::textsAreNotClipped()
{
    QFETCH(QString, text);
    ShownForm4 form;
    QWidget *control = form.find(QTest::currentDataTag());
    const ShownText shown = shownTextOf(control, text);
    text = shown.text;
    const QRect room = shown.room;
    QVERIFY(!text.isEmpty());
    const QFontMetrics metrics = control->fontMetrics();
    const int width = metrics.horizontalAdvance(text);
    const QRect ink = metrics.tightBoundingRect(text);
    QVERIFY2(width <= room.width(),
             qPrintable(QStringLiteral("%1 px wide in %2 px").arg(width).arg(room.width())));
    QVERIFY2(ink.height() <= room.height(),
             qPrintable(QStringLiteral("%1 px high in %2 px").arg(ink.height()).arg(room.height())));
}

QTEST_MAIN(TestForm4Layout)
#include "tst_form4_layout.moc"
