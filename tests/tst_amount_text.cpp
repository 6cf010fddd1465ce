#include "ui/amount_text.h"
#include "ui/form4.h"

#include <QTest>

#include <cfloat>
#include <limits>

class TestAmountText : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void taxTextPerLocale_data();
    void taxTextPerLocale();
    void hugeAmountsPrintInFixedNotation_data();
    void hugeAmountsPrintInFixedNotation();
    void nonFiniteAmountHasNoTax();
    void amountParsing_data();
    void amountParsing();
};

void TestAmountText::taxTextPerLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("text");

    QTest::newRow("C 35000") << "C" << 35000.0 << "4000.00";
    QTest::newRow("C zero") << "C" << 0.0 << "0.00";
    QTest::newRow("C 1.2 rate") << "C" << 22510.0 << "1501.20";
    QTest::newRow("C no grouping") << "C" << 1200001.0 << "407500.00";
    QTest::newRow("C negative amount") << "C" << -25000.0 << "0.00";
    QTest::newRow("C negative zero") << "C" << -0.0 << "0.00";
    QTest::newRow("en_US no grouping") << "en_US" << 1200001.0 << "407500.00";
    QTest::newRow("fr_FR comma") << "fr_FR" << 35000.0 << "4000,00";
    QTest::newRow("fr_FR no grouping") << "fr_FR" << 1200001.0 << "407500,00";
    QTest::newRow("fr_FR keeps fraction") << "fr_FR" << 120000.5 << "29500,00";
    QTest::newRow("fr_FR 1501,20") << "fr_FR" << 22510.0 << "1501,20";
    QTest::newRow("de_DE no dot grouping") << "de_DE" << 1200001.0 << "407500,00";
    QTest::newRow("ar_DZ") << "ar_DZ" << 35000.0 << "4000,00";
    QTest::newRow("ar_SA Latin digits") << "ar_SA" << 35000.0
                                       << QStringLiteral("4000") + QLocale("ar_SA").decimalPoint()
            + QStringLiteral("00");
}

void TestAmountText::taxTextPerLocale()
{
    QFETCH(QString, locale);
    QFETCH(double, amount);
    QFETCH(QString, text);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(Form4::irg(amount), text);
}

void TestAmountText::hugeAmountsPrintInFixedNotation_data()
{
    QTest::addColumn<double>("amount");
    QTest::newRow("DBL_MAX") << DBL_MAX;
    QTest::newRow("-DBL_MAX") << -DBL_MAX;
    QTest::newRow("1e20") << 1e20;
    QTest::newRow("denorm_min") << std::numeric_limits<double>::denorm_min();
}

void TestAmountText::hugeAmountsPrintInFixedNotation()
{
    QFETCH(double, amount);
    const QString text = Form4::irg(amount);
    static const QRegularExpression fixed(QStringLiteral("^[0-9]+\\.[0-9]{2}$"));
    QVERIFY2(fixed.match(text).hasMatch(), qPrintable(text));
}

void TestAmountText::nonFiniteAmountHasNoTax()
{
    QCOMPARE(Form4::irg(std::numeric_limits<double>::quiet_NaN()), QString());
    QCOMPARE(Form4::irg(std::numeric_limits<double>::infinity()), QString());
    QCOMPARE(Form4::irg(-std::numeric_limits<double>::infinity()), QString());
}

void TestAmountText::amountParsing_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("amount");

    QTest::newRow("digits") << "C" << "35000" << true << 35000.0;
    QTest::newRow("point") << "C" << "120000.5" << true << 120000.5;
    QTest::newRow("leading point") << "C" << ".5" << true << 0.5;
    QTest::newRow("trailing point") << "C" << "5." << true << 5.0;
    QTest::newRow("minus") << "C" << "-5" << true << -5.0;
    QTest::newRow("plus") << "C" << "+5" << true << 5.0;
    QTest::newRow("leading zeros") << "C" << "0035000" << true << 35000.0;
    QTest::newRow("tiny fraction") << "C" << "0." + QString(400, '0') + "1" << true << 0.0;
    QTest::newRow("fr comma") << "fr_FR" << "120000,5" << true << 120000.5;
    QTest::newRow("fr point too") << "fr_FR" << "120000.5" << true << 120000.5;
    QTest::newRow("ar_DZ comma") << "ar_DZ" << "1,5" << true << 1.5;
    QTest::newRow("ar_SA own mark") << "ar_SA" << "1" + QLocale("ar_SA").decimalPoint() + "5"
                                    << true << 1.5;
    QTest::newRow("empty") << "C" << "" << false << 0.0;
    QTest::newRow("sign only") << "C" << "-" << false << 0.0;
    QTest::newRow("point only") << "C" << "." << false << 0.0;
    QTest::newRow("two points") << "C" << "1.2.3" << false << 0.0;
    QTest::newRow("fr two marks") << "fr_FR" << "1,2.3" << false << 0.0;
    QTest::newRow("comma in C") << "C" << "1,5" << false << 0.0;
    QTest::newRow("grouping") << "en_US" << "35,000" << false << 0.0;
    QTest::newRow("blank inside") << "C" << "35 000" << false << 0.0;
    QTest::newRow("leading blank") << "C" << " 35000" << false << 0.0;
    QTest::newRow("exponent") << "C" << "1e5" << false << 0.0;
    QTest::newRow("inf") << "C" << "inf" << false << 0.0;
    QTest::newRow("nan") << "C" << "nan" << false << 0.0;
    QTest::newRow("hex") << "C" << "0x10" << false << 0.0;
    QTest::newRow("word") << "C" << "salaire" << false << 0.0;
    QTest::newRow("sign twice") << "C" << "--5" << false << 0.0;
    QTest::newRow("sign inside") << "C" << "5-" << false << 0.0;
    QTest::newRow("beyond double") << "C" << "1" + QString(400, '0') << false << 0.0;
    QTest::newRow("Arabic-Indic digits") << "ar_SA" << QStringLiteral(u"٣٥") << false << 0.0;
}

void TestAmountText::amountParsing()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, amount);
    const std::optional<double> parsed = amountFromText(text, QLocale(locale));
    QCOMPARE(parsed.has_value(), ok);
    if (ok)
        QCOMPARE(*parsed, amount);
}

QTEST_GUILESS_MAIN(TestAmountText)
#include "tst_amount_text.moc"
