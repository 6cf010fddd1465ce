// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form4.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

namespace {

// Counts the paint events of one widget, to know when its new text has been drawn.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

double percentile(std::vector<double> sorted, double p)
{
    std::sort(sorted.begin(), sorted.end());
    const auto rank = static_cast<std::size_t>(std::ceil(p * double(sorted.size())));
    return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

// One keystroke in the amount field, timed until the result field holds the new tax
// (argument 0) or has also painted it (argument 1). Keys alternate between a digit and
// Backspace over 40000, so every stroke moves the amount across a bracket and changes the tax.
void BM_keystroke(benchmark::State &state)
{
    const bool untilPainted = state.range(0) != 0;
    Form4 window;
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("calculator window was never exposed");
        return;
    }
    auto *amount = window.findChild<QLineEdit *>(QStringLiteral("Text18"));
    auto *result = window.findChild<QLineEdit *>(QStringLiteral("Text1"));
    if (!amount || !result) {
        state.SkipWithError("no Text18 or Text1");
        return;
    }
    amount->setFocus();
    QTest::keyClicks(amount, QStringLiteral("40000"));
    QCoreApplication::processEvents();
    PaintCounter resultPaints(result);

    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(state.max_iterations));
    bool typeDigit = true;
    for (auto _ : state) {
        const QString before = result->text();
        const int paintsBefore = resultPaints.paints;
        const auto start = std::chrono::steady_clock::now();
        QTest::keyClick(amount, typeDigit ? Qt::Key_5 : Qt::Key_Backspace);
        if (untilPainted) {
            for (int round = 0; round < 100 && resultPaints.paints == paintsBefore; ++round)
                QCoreApplication::processEvents();
        }
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        if (result->text() == before || (untilPainted && resultPaints.paints == paintsBefore)) {
            state.SkipWithError("the keystroke did not reach the result field");
            return;
        }
        micros.push_back(took.count() * 1e6);
        typeDigit = !typeDigit;
        if (!untilPainted)
            QCoreApplication::processEvents(); // paint outside the timed part, as a user's idle
                                               // loop would
    }
    state.counters["p50_us"] = percentile(micros, 0.50);
    state.counters["p99_us"] = percentile(micros, 0.99);
    state.counters["max_us"] = percentile(micros, 1.0);
}
BENCHMARK(BM_keystroke)
    ->ArgName("painted")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(20000)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    // Keystrokes need no X server; set QT_QPA_PLATFORM=xcb to measure on one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
