// The main window's whole calculation (Calculate, outputs built) and one tick of its refresher,
// on a started model with recording seams, as the window and vardex-cli drive them.
// Target: a whole calculation in under 20 us.
#include <benchmark/benchmark.h>

#include <QLocale>
#include <memory>

#include "RecordingSeams.h"
#include "mainwindow/MainController.h"

namespace {

using namespace vardex;

// A started main window model; the user's input is entered through the controller, as in the
// window.
struct StartedWindow {
    StartedWindow()
        : controller(form,
                     MainSeams{dialogs, clipboard, clock, popUps, screen, [](int16_t) { return QString(); }})
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        started = controller.StartUp({});
    }

    void EnterMDY(int month, int day, const QString &year, int era, int calendar)
    {
        controller.SelectOption(form.optInputDateWithoutAYN);
        controller.SelectListEntry(form.cboMonthNames, month);
        controller.SelectListEntry(form.cboDayNumbers, day);
        form.txbYearADBCetc.text = year;
        controller.SelectListEntry(form.cboYearDesADBCetc, era);
        controller.SelectListEntry(form.cboCalendar[0], calendar);
        controller.Timer1_Timer();
    }

    void EnterYMD(const QString &text, int calendar)
    {
        controller.SelectOption(form.optInputDateWithAYN);
        controller.SelectListEntry(form.cboCalendar[1], calendar);
        form.txbYearCEJC.text = text;
        controller.Timer1_Timer();
    }

    void Plus(const QString &years, const QString &months, const QString &weeks, const QString &days)
    {
        controller.SelectOption(form.optPlus);
        form.txbArith[0].text = years;
        form.txbArith[1].text = months;
        form.txbArith[2].text = weeks;
        form.txbArith[3].text = days;
        controller.Timer1_Timer();
    }

    test::RecordingDialogs dialogs;
    test::RecordingClipboard clipboard;
    test::ScriptedClock clock{"2024-03-05"};
    test::RecordingPopUps popUps;
    test::FixedScreen screen;
    MainForm form;
    MainController controller;
    bool started = false;
};

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
    w.Plus(QStringLiteral("1"), QStringLiteral("13"), QStringLiteral("2"), QStringLiteral("3"));
    Calculate(state, w);
}
BENCHMARK(Calculate_Arithmetic)->Unit(benchmark::kMicrosecond);

// The weekday search converts the input twice in each calendar: the slowest calculation.
void Calculate_WeekdaySearch(benchmark::State &state)
{
    StartedWindow w;
    w.EnterMDY(3, 4, QStringLiteral("2024"), kAD, kSunday + 1); // a Monday in the Gregorian calendar only
    Calculate(state, w);
}
BENCHMARK(Calculate_WeekdaySearch)->Unit(benchmark::kMicrosecond);

void Timer1Tick(benchmark::State &state)
{
    StartedWindow w;
    w.EnterYMD(QStringLiteral("2024-3-5 CE"), 0);
    w.Plus(QStringLiteral("1"), QString(), QString(), QStringLiteral("10"));
    for (auto _ : state) {
        w.controller.Timer1_Timer();
        benchmark::DoNotOptimize(w.form.cmdCalculate.enabled);
    }
    if (!w.form.cmdCalculate.enabled)
        state.SkipWithError("the tick did not enable Calculate");
}
BENCHMARK(Timer1Tick)->Unit(benchmark::kMicrosecond);

} // namespace
