// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tax/monthly_irg.h"
#include "ui/form4.h"

#include <QLocale>

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <random>

namespace {

// Amounts over every bracket, in an order the branch predictor cannot learn.
const std::array<double, 1024> &amounts()
{
    static const std::array<double, 1024> table = [] {
        std::array<double, 1024> values{};
        std::mt19937 engine(2008);
        std::uniform_real_distribution<double> amount(0.0, 200000.0);
        for (double &value : values)
            value = amount(engine);
        return values;
    }();
    return table;
}

void BM_monthlyIrg(benchmark::State &state)
{
    const auto &values = amounts();
    std::size_t i = 0;
    for (auto _ : state) {
        double tax = tax::monthlyIrg(values[i++ % values.size()]);
        benchmark::DoNotOptimize(tax);
    }
}
BENCHMARK(BM_monthlyIrg);

// The tax and its text, as the result field gets them; the locale decides the decimal mark.
void BM_Form4_irg(benchmark::State &state, const char *localeName)
{
    QLocale::setDefault(QLocale(QString::fromLatin1(localeName)));
    const auto &values = amounts();
    std::size_t i = 0;
    for (auto _ : state) {
        QString text = Form4::irg(values[i++ % values.size()]);
        benchmark::DoNotOptimize(text);
    }
    QLocale::setDefault(QLocale::c());
}
BENCHMARK_CAPTURE(BM_Form4_irg, C, "C");
BENCHMARK_CAPTURE(BM_Form4_irg, ar_DZ, "ar_DZ");

} // namespace

BENCHMARK_MAIN();
