// SPDX-License-Identifier: MIT
// The Calendar page: a month computed as the window and vardex-cli compute it (its days, then its
// marks: feasts, seasons, Moon, Jewish and Islamic), in the Gregorian calendar and as England
// wrote it; a year computed; and a year's page drawn to PDF, from the request to the file's bytes
// (a QGuiApplication on the offscreen platform, for the fonts). A different month or year each
// time. Targets: a month under 1 ms, a year under 10 ms, a year's PDF under 1 s.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <algorithm>

#include "history/WrittenDayReading.h"
#include "pages/CalendarPageFiles.h"

namespace {

using namespace vardex;

const MarkChoice kEveryMark{true, true, true, true, true, IslamicReckoning::Tabular};

// 1700 to 2100, a month at a time.
void NextMonth(int32_t &year, int32_t &month)
{
    if (++month > 12) {
        month = 1;
        year = year >= 2100 ? 1700 : year + 1;
    }
}

void MonthOf(benchmark::State &state, const PageCalendar &calendar)
{
    int32_t year = 1700, month = 1;
    for (auto _ : state) {
        const std::optional<MonthPage> page = BuildMonthPage(calendar, year, month);
        benchmark::DoNotOptimize(MarksOfMonth(*page, calendar, kEveryMark));
        NextMonth(year, month);
    }
}

void MonthPageComputed(benchmark::State &state) { MonthOf(state, PageCalendar{}); }
BENCHMARK(MonthPageComputed)->Unit(benchmark::kMicrosecond);

void MonthPageComputedForEngland(benchmark::State &state)
{
    const PlaceTable table = LoadPlaceTable(VARDEX_DATA_FOLDER);
    const auto england = std::find_if(table.places.begin(), table.places.end(),
                                      [](const Place &place) { return place.id == "england"; });
    if (england == table.places.end())
        return state.SkipWithError("no England in the calendar history");
    MonthOf(state, PageCalendar{PageCalendarKind::Place, &*england, DeeVariant::DeeCecil});
}
BENCHMARK(MonthPageComputedForEngland)->Unit(benchmark::kMicrosecond);

void YearPageComputed(benchmark::State &state)
{
    const PageCalendar calendar;
    int32_t year = 1700;
    for (auto _ : state) {
        const std::optional<YearPage> page = BuildYearPage(calendar, year);
        for (const MonthPage &month : page->months)
            benchmark::DoNotOptimize(MarksOfMonth(month, calendar, kEveryMark));
        year = year >= 2100 ? 1700 : year + 1;
    }
}
BENCHMARK(YearPageComputed)->Unit(benchmark::kMillisecond);

QGuiApplication &Application()
{
    static int argc = 1;
    static char name[] = "pages_bench";
    static char *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);
    return application;
}

void YearPageToPdf(benchmark::State &state)
{
    Application();
    PageRequest request;
    request.scope = PageScope::Year;
    request.marks = kEveryMark;
    request.year = 1700;
    for (auto _ : state) {
        const std::optional<PageSheet> sheet = BuildPageSheet(request);
        const QByteArray pdf = CalendarPageFile(*sheet, PaperSize::A4, PageFileFormat::Pdf);
        if (!pdf.startsWith("%PDF"))
            return state.SkipWithError("no PDF");
        request.year = request.year >= 2100 ? 1700 : request.year + 1;
    }
}
BENCHMARK(YearPageToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
