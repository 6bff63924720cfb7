// SPDX-License-Identifier: MIT
// The main window's whole calculation (Calculate, outputs built) and one tick of its refresher,
// on a started model with recording seams, as the window and vardex-cli drive them.
// Target: a whole calculation in under 20 us.
#include <benchmark/benchmark.h>

#include "StartedMainWindow.h"

namespace {

using namespace vardex;

using StartedWindow = test::StartedMainWindow;

enum { kAD = 1, kBC = 2, kGregorian = 1, kJulian = 2, kDee = 3, kSunday = 4 };

// Presses Calculate until the time is up; every press must show the result without a message.
void Calculate(benchmark::State &state, StartedWindow &w)
{
    if (!w.started || !w.form.cmdCalculate.enabled) {
        state.SkipWithError("the input is not ready to calculate");
        return;
    }
    for (auto _ : state) {
        w.controller.cmdCalculate_Click();
        benchmark::DoNotOptimize(w.form.txbDayOfWeek.text.constData());
    }
    if (!w.form.txbOutputGC.visible || !w.dialogs.shown.empty())
        state.SkipWithError("the calculation did not show its result");
}

void Calculate_MonthDayYear(benchmark::State &state)
{
    StartedWindow w;
    w.EnterMDY(3, 15, QStringLiteral("44"), kBC, kJulian);
    Calculate(state, w);
}
BENCHMARK(Calculate_MonthDayYear)->Unit(benchmark::kMicrosecond);

void Calculate_YearMonthDay(benchmark::State &state)
{
    StartedWindow w;
    w.EnterYMD(QStringLiteral("-12345-6-7 JC"), kJulian);
    Calculate(state, w);
}
BENCHMARK(Calculate_YearMonthDay)->Unit(benchmark::kMicrosecond);

void Calculate_Arithmetic(benchmark::State &state)
{
    StartedWindow w;
    w.EnterYMD(QStringLiteral("2023-1-31 CE"), kGregorian);
    w.Arithmetic(true, {"1", "13", "2", "3"});
    Calculate(state, w);
}
BENCHMARK(Calculate_Arithmetic)->Unit(benchmark::kMicrosecond);

// The weekday search converts the input twice in each calendar: the slowest calculation.
void Calculate_WeekdaySearch(benchmark::State &state)
{
    StartedWindow w;
    w.EnterMDY(3, 4, QStringLiteral("2024"), kAD, kSunday + 1);  // a Monday in the Gregorian calendar only
    Calculate(state, w);
}
BENCHMARK(Calculate_WeekdaySearch)->Unit(benchmark::kMicrosecond);

void Timer1Tick(benchmark::State &state)
{
    StartedWindow w;
    w.EnterYMD(QStringLiteral("2024-3-5 CE"), 0);
    w.Arithmetic(true, {"1", "", "", "10"});
    for (auto _ : state) {
        w.controller.Timer1_Timer();
        benchmark::DoNotOptimize(w.form.cmdCalculate.enabled);
    }
    if (!w.form.cmdCalculate.enabled)
        state.SkipWithError("the tick did not enable Calculate");
}
BENCHMARK(Timer1Tick)->Unit(benchmark::kMicrosecond);

}  // namespace
