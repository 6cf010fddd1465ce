#include "tax/monthly_irg.h"

#include <QTest>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

// Independent statement of the 2008 scale: 20 % between 10000 and 30000, 30 % up to 120000,
// 35 % beyond, less an abatement of 40 % of that held between 1000 and 1500.
static double scaleByBrackets(double x)
{
    const double gross = 0.20 * std::clamp(x - 10000, 0.0, 20000.0)
        + 0.30 * std::clamp(x - 30000, 0.0, 90000.0);
    const double abatement = std::clamp(0.4 * gross, 1000.0, 1500.0);
    const double tax = std::max(gross - abatement, 0.0);
    return tax + 0.35 * std::max(x - 120000, 0.0);
}

class TestMonthlyIrg : public QObject
{
    Q_OBJECT

private slots:
    void knownAmounts_data();
    void knownAmounts();
    void bracketsJoin_data();
    void bracketsJoin();
    void matchesBracketStatement();
    void growsSteadilyUpToTenMillion();
    void extremeAmountsStayFinite_data();
    void extremeAmountsStayFinite();
    void nonFiniteAmounts();
};

void TestMonthlyIrg::knownAmounts_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("tax");

    QTest::newRow("zero") << 0.0 << 0.0;
    QTest::newRow("first threshold") << 15000.0 << 0.0;
    QTest::newRow("truncated to threshold") << 15009.0 << 0.0;
    QTest::newRow("first step above") << 15010.0 << 2.0;
    QTest::newRow("fraction truncated") << 15019.99 << 2.0;
    QTest::newRow("20000") << 20000.0 << 1000.0;
    QTest::newRow("second threshold") << 22500.0 << 1500.0;
    QTest::newRow("1.2 rate") << 22510.0 << 1501.2;
    QTest::newRow("third threshold") << 28750.0 << 2250.0;
    QTest::newRow("2 rate again") << 28760.0 << 2252.0;
    QTest::newRow("fourth threshold") << 30000.0 << 2500.0;
    QTest::newRow("3 rate") << 30010.0 << 2503.0;
    QTest::newRow("35000") << 35000.0 << 4000.0;
    QTest::newRow("100000") << 100000.0 << 23500.0;
    QTest::newRow("ceiling") << 120000.0 << 29500.0;
    QTest::newRow("ceiling with fraction") << 120000.5 << 29500.0;
    QTest::newRow("above ceiling truncated") << 120001.0 << 29500.0;
    QTest::newRow("35 % rate") << 120010.0 << 29503.5;
    QTest::newRow("130000") << 130000.0 << 33000.0;
    QTest::newRow("1200001") << 1200001.0 << 407500.0;
    QTest::newRow("negative") << -25000.0 << 0.0;
    QTest::newRow("small negative truncates to zero") << -5.0 << 0.0;
}

void TestMonthlyIrg::knownAmounts()
{
    QFETCH(double, amount);
    QFETCH(double, tax);
    QCOMPARE(tax::monthlyIrg(amount), tax);
}

void TestMonthlyIrg::bracketsJoin_data()
{
    QTest::addColumn<double>("threshold");
    QTest::addColumn<double>("taxAtThreshold");
    QTest::addColumn<double>("stepBelow");
    QTest::addColumn<double>("stepAbove");

    QTest::newRow("15000") << 15000.0 << 0.0 << 0.0 << 2.0;
    QTest::newRow("22500") << 22500.0 << 1500.0 << 2.0 << 1.2;
    QTest::newRow("28750") << 28750.0 << 2250.0 << 1.2 << 2.0;
    QTest::newRow("30000") << 30000.0 << 2500.0 << 2.0 << 3.0;
    QTest::newRow("120000") << 120000.0 << 29500.0 << 3.0 << 3.5;
}

// Each bracket starts where the one below ends: no jump at any threshold.
void TestMonthlyIrg::bracketsJoin()
{
    QFETCH(double, threshold);
    QFETCH(double, taxAtThreshold);
    QFETCH(double, stepBelow);
    QFETCH(double, stepAbove);
    QCOMPARE(tax::monthlyIrg(threshold), taxAtThreshold);
    QVERIFY(std::abs(taxAtThreshold - tax::monthlyIrg(threshold - 10) - stepBelow) < 1e-9);
    QVERIFY(std::abs(tax::monthlyIrg(threshold + 10) - taxAtThreshold - stepAbove) < 1e-9);
}

void TestMonthlyIrg::matchesBracketStatement()
{
    for (int x = 0; x <= 2000000; x += 10) {
        const double expected = scaleByBrackets(x);
        const double actual = tax::monthlyIrg(x);
        if (std::abs(actual - expected) > 1e-9 * std::max(1.0, expected))
            QFAIL(qPrintable(QStringLiteral("amount %1: %2, expected %3")
                                 .arg(x).arg(actual, 0, 'f', 6).arg(expected, 0, 'f', 6)));
    }
}

void TestMonthlyIrg::growsSteadilyUpToTenMillion()
{
    double previous = tax::monthlyIrg(0);
    for (int x = 10; x <= 10000000; x += 10) {
        const double tax = tax::monthlyIrg(x);
        const double step = tax - previous;
        if (step < 0 || step > 3.5 + 1e-6)
            QFAIL(qPrintable(QStringLiteral("amount %1 adds %2").arg(x).arg(step)));
        previous = tax;
    }
}

void TestMonthlyIrg::extremeAmountsStayFinite_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("minimum");

    QTest::newRow("largest double") << DBL_MAX << 0.35 * DBL_MAX * 0.999;
    QTest::newRow("largest double, negative") << -DBL_MAX << 0.0;
    QTest::newRow("just past the overflow of x*35") << DBL_MAX / 30 << 0.35 * DBL_MAX / 30 * 0.999;
    QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min() << 0.0;
    QTest::newRow("1e300") << 1e300 << 0.35e300 * 0.999;
}

void TestMonthlyIrg::extremeAmountsStayFinite()
{
    QFETCH(double, amount);
    QFETCH(double, minimum);
    const double tax = tax::monthlyIrg(amount);
    QVERIFY2(std::isfinite(tax), qPrintable(QString::number(tax)));
    QVERIFY(tax >= minimum);
    QVERIFY(!std::signbit(tax));
}

void TestMonthlyIrg::nonFiniteAmounts()
{
    QVERIFY(std::isnan(tax::monthlyIrg(std::numeric_limits<double>::quiet_NaN())));
    QCOMPARE(tax::monthlyIrg(-std::numeric_limits<double>::infinity()), 0.0);
    QCOMPARE(tax::monthlyIrg(std::numeric_limits<double>::infinity()),
             std::numeric_limits<double>::infinity());
}

QTEST_GUILESS_MAIN(TestMonthlyIrg)
#include "tst_monthly_irg.moc"
