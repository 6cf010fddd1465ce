#include "form4_fixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLocale>

class TestAmountEntry : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void filtersAdmit_data();
    void filtersAdmit();
    void typing_data();
    void typing();
    void resultFollowsEveryKey_data();
    void resultFollowsEveryKey();
    void clipboardShortcutsAreDropped_data();
    void clipboardShortcutsAreDropped();
    void pasteIsNotFiltered_data();
    void pasteIsNotFiltered();
    void tabLeavesTheField();
    void inputMethodTextIsFiltered_data();
    void inputMethodTextIsFiltered();
};

void TestAmountEntry::filtersAdmit_data()
{
    QTest::addColumn<short>("code");
    QTest::addColumn<short>("withPoint");
    QTest::addColumn<short>("digitsOnly");

    QTest::newRow("before 0") << short(47) << short(0) << short(0);
    QTest::newRow("0") << short(48) << short(48) << short(48);
    QTest::newRow("5") << short(53) << short(53) << short(53);
    QTest::newRow("9") << short(57) << short(57) << short(57);
    QTest::newRow("after 9") << short(58) << short(0) << short(0);
    QTest::newRow("backspace") << short(8) << short(8) << short(8);
    QTest::newRow("point") << short(46) << short(46) << short(0);
    QTest::newRow("comma") << short(44) << short(0) << short(0);
    QTest::newRow("minus") << short(45) << short(0) << short(0);
    QTest::newRow("plus") << short(43) << short(0) << short(0);
    QTest::newRow("blank") << short(32) << short(0) << short(0);
    QTest::newRow("Enter") << short(13) << short(0) << short(0);
    QTest::newRow("Ctrl+C") << short(3) << short(0) << short(0);
    QTest::newRow("Ctrl+V") << short(22) << short(0) << short(0);
    QTest::newRow("Ctrl+X") << short(24) << short(0) << short(0);
    QTest::newRow("NUL") << short(0) << short(0) << short(0);
    QTest::newRow("DEL") << short(127) << short(0) << short(0);
    QTest::newRow("letter") << short('a') << short(0) << short(0);
    QTest::newRow("Arabic-Indic 5") << short(0x0665) << short(0) << short(0);
    QTest::newRow("negative") << short(-8) << short(0) << short(0);
    QTest::newRow("lowest") << short(-32768) << short(0) << short(0);
}

void TestAmountEntry::filtersAdmit()
{
    QFETCH(short, code);
    QFETCH(short, withPoint);
    QFETCH(short, digitsOnly);
    QCOMPARE(Form4::gWriteOnleNumber(code), withPoint);
    QCOMPARE(Form4::gWriteOnleNumber1(code), digitsOnly);
}

void TestAmountEntry::typing_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("tax");

    QTest::newRow("35000") << "C" << "35000" << "35000" << "4000.00";
    QTest::newRow("letters between digits") << "C" << "2a0b000" << "20000" << "1000.00";
    QTest::newRow("signs, comma, blank, Enter")
        << "C" << "-3+5,0 0\n0" << "35000" << "4000.00";
    QTest::newRow("Arabic letters") << "C" << QStringLiteral(u"3٥ض5000") << "35000" << "4000.00";
    QTest::newRow("ceiling") << "C" << "120000" << "120000" << "29500.00";
    QTest::newRow("one more digit past the ceiling")
        << "C" << "1200001" << "1200001" << "407500.00";
    QTest::newRow("fraction") << "C" << "22510.75" << "22510.75" << "1501.20";
    QTest::newRow("three points keep the last result") << "C" << "1.2.3" << "1.2.3" << "0.00";
    QTest::newRow("nothing convertible yet") << "C" << "abc" << "" << "";
    QTest::newRow("lone point") << "C" << "." << "." << "";
    QTest::newRow("arrows and Home edit in place")
        << "C" << "5000<<<<3$" << "35000" << "4000.00";
    QTest::newRow("Delete removes forwards") << "C" << "435000^~" << "35000" << "4000.00";
    QTest::newRow("fr_FR comma result") << "fr_FR" << "22510" << "22510" << "1501,20";
    QTest::newRow("fr_FR point keeps the fraction")
        << "fr_FR" << "120000.5" << "120000.5" << "29500,00";
    QTest::newRow("ar_DZ") << "ar_DZ" << "35000" << "35000" << "4000,00";
}

void TestAmountEntry::typing()
{
    QFETCH(QString, locale);
    QFETCH(QString, keys);
    QFETCH(QString, amount);
    QFETCH(QString, tax);
    QLocale::setDefault(QLocale(locale));
    ShownForm4 form;
    typeInto(form.amount(), keys);
    QCOMPARE(form.amount()->text(), amount);
    QCOMPARE(form.result()->text(), tax);
}

void TestAmountEntry::resultFollowsEveryKey_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("results");

    QTest::newRow("35000 then five backspaces")
        << "35000\b\b\b\b\b"
        << QStringList{"0.00", "0.00", "0.00", "0.00", "4000.00",
                       "0.00", "0.00", "0.00", "0.00", "0.00"};
    QTest::newRow("120000 then 1")
        << "1200001"
        << QStringList{"0.00", "0.00", "0.00", "0.00", "0.00", "29500.00", "407500.00"};
    QTest::newRow("a second point fails, backspace recovers")
        << "15019.9.\b"
        << QStringList{"0.00", "0.00", "0.00", "0.00", "2.00", "2.00", "2.00", "2.00", "2.00"};
}

void TestAmountEntry::resultFollowsEveryKey()
{
    QFETCH(QString, keys);
    QFETCH(QStringList, results);
    ShownForm4 form;
    QCOMPARE(keys.size(), results.size());
    for (qsizetype i = 0; i < keys.size(); ++i) {
        typeInto(form.amount(), keys.mid(i, 1));
        QCOMPARE(form.result()->text(), results.at(i));
    }
}

void TestAmountEntry::clipboardShortcutsAreDropped_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Ctrl+V") << Qt::Key_V;
    QTest::newRow("Ctrl+C") << Qt::Key_C;
    QTest::newRow("Ctrl+X") << Qt::Key_X;
    QTest::newRow("Ctrl+A") << Qt::Key_A;
    QTest::newRow("Ctrl+Z") << Qt::Key_Z;
}

// Ctrl+letter types a control character, and the field admits none.
void TestAmountEntry::clipboardShortcutsAreDropped()
{
    QFETCH(Qt::Key, key);
    QGuiApplication::clipboard()->setText(QStringLiteral("-5"));
    ShownForm4 form;
    typeInto(form.amount(), QStringLiteral("35000"));
    QTest::keyClick(form.amount(), key, Qt::ControlModifier);
    QCOMPARE(form.amount()->text(), QStringLiteral("35000"));
    QCOMPARE(form.result()->text(), QStringLiteral("4000.00"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("-5"));
}

void TestAmountEntry::pasteIsNotFiltered_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("tax");

    QTest::newRow("negative amount") << "-5" << "0.00";
    QTest::newRow("a word keeps the last result") << "salaire" << "4000.00";
    QTest::newRow("an amount") << "130000" << "33000.00";
    QTest::newRow("grouped amount is not a number") << "35 000" << "4000.00";
}

// The context menu's Paste bypasses the key filter; the result still follows the text.
void TestAmountEntry::pasteIsNotFiltered()
{
    QFETCH(QString, pasted);
    QFETCH(QString, tax);
    ShownForm4 form;
    typeInto(form.amount(), QStringLiteral("35000"));
    form.amount()->selectAll();
    QGuiApplication::clipboard()->setText(pasted);
    form.amount()->paste();
    QCOMPARE(form.amount()->text(), pasted);
    QCOMPARE(form.result()->text(), tax);
}

void TestAmountEntry::tabLeavesTheField()
{
    ShownForm4 form;
    typeInto(form.amount(), QStringLiteral("35\t"));
    QCOMPARE(form.amount()->text(), QStringLiteral("35"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
}

void TestAmountEntry::inputMethodTextIsFiltered_data()
{
    QTest::addColumn<QString>("committed");
    QTest::addColumn<QString>("amount");

    QTest::newRow("digits") << "35000" << "35000";
    QTest::newRow("letters dropped") << "3a5b000" << "35000";
    QTest::newRow("Arabic text dropped") << QStringLiteral(u"ضريبة35000") << "35000";
    QTest::newRow("point kept, comma dropped") << "35,000.5" << "35000.5";
}

void TestAmountEntry::inputMethodTextIsFiltered()
{
    QFETCH(QString, committed);
    QFETCH(QString, amount);
    ShownForm4 form;
    QInputMethodEvent event;
    event.setCommitString(committed);
    QCoreApplication::sendEvent(form.amount(), &event);
    QCOMPARE(form.amount()->text(), amount);
}

QTEST_MAIN(TestAmountEntry)
#include "tst_amount_entry.moc"
