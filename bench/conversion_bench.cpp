// SPDX-License-Identifier: MIT
// Date <-> JDN conversions three ways: through the engine (what the windows call), through
// libdaybridge.so loaded with dlopen (what another program calls: an indirect call into the
// library), and the same work done by std::chrono as the baseline.
//
// Each benchmark converts one fixed pseudo-random set of kCount days per iteration; the set is
// prepared before the timed loop. The engine's and the library's days are spread across years
// -99,999 .. 99,999; std::chrono stops at year +-32,767, so its set holds as many days spread
// across -32,767 .. 32,767 instead. "per_date" is the time of one conversion.
//
// Targets: the Gregorian conversions within 1.2 x std::chrono both ways (validity check included:
// ymd.ok() on the chrono side, the valid flag on ours); Dee no slower than Gregorian.
#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "daybridge.h"
#include "daybridge_algorithms.hpp"
#include "engine/Calendars.h"

namespace {

using vardex::Calendar;
using vardex::CalendarDate;

constexpr int kCount = 4096;
constexpr uint32_t kSeed = 20240305;
constexpr vardex::DeeVariant kVariant = vardex::DeeVariant::DeeCecil;

// The day numbers of the set: uniform over [first, last].
std::vector<int32_t> RandomDays(int32_t first, int32_t last)
{
    std::mt19937 random(kSeed);
    std::uniform_int_distribution<int32_t> pick(first, last);
    std::vector<int32_t> days(kCount);
    for (int32_t &day : days)
        day = pick(random);
    return days;
}

// A date as the benchmarks read it; the same compact form for every side, so that each reads as
// many bytes per conversion.
struct Date {
    int32_t year;
    uint8_t month;
    uint8_t day;
};

// One calendar's set: the days as JDNs and as dates of that calendar, between 1 January of year
// -99,999 and 31 December of year 99,999.
struct DaySet {
    std::vector<int32_t> jdns;
    std::vector<Date> dates;
};

DaySet MakeDaySet(Calendar calendar)
{
    const int32_t first = *vardex::DateToJDN(calendar, {-99'999, 1, 1}, kVariant);
    const int32_t last = *vardex::DateToJDN(calendar, {99'999, 12, 31}, kVariant);
    DaySet set;
    set.jdns = RandomDays(first, last);
    for (const int32_t jdn : set.jdns) {
        const CalendarDate date = vardex::JDNToDate(calendar, jdn, kVariant);
        set.dates.push_back({date.year, static_cast<uint8_t>(date.month), static_cast<uint8_t>(date.day)});
    }
    return set;
}

const DaySet &Set(Calendar calendar)
{
    static const DaySet gregorian = MakeDaySet(Calendar::Gregorian);
    static const DaySet julian = MakeDaySet(Calendar::Julian);
    static const DaySet dee = MakeDaySet(Calendar::Dee);
    return calendar == Calendar::Gregorian ? gregorian : calendar == Calendar::Julian ? julian : dee;
}

int32_t LibraryCode(Calendar calendar)
{
    return calendar == Calendar::Julian ? DAYBRIDGE_JULIAN : DAYBRIDGE_GREGORIAN;
}

void PerDate(benchmark::State &state)
{
    state.SetItemsProcessed(state.iterations() * kCount);
    state.counters["per_date"] = benchmark::Counter(kCount, benchmark::Counter::kIsIterationInvariantRate |
                                                                benchmark::Counter::kInvert);
}

// ---- Through the engine ----------------------------------------------------------------------

void DateToJdnLoop(benchmark::State &state, Calendar calendar)
{
    const std::vector<Date> &dates = Set(calendar).dates;
    for (auto _ : state) {
        for (const Date &input : dates) {
            const std::optional<int32_t> jdn =
                vardex::DateToJDN(calendar, {input.year, input.month, input.day}, kVariant);
            // The two parts apart, as the library's loop reads jdn and valid: one store of the
            // whole optional and a wider load would stall store forwarding, a cost of the
            // benchmark and not of the conversion.
            const bool valid = jdn.has_value();
            const int32_t value = jdn.value_or(0);
            benchmark::DoNotOptimize(value);
            benchmark::DoNotOptimize(valid);
        }
    }
    PerDate(state);
}

void JdnToDateLoop(benchmark::State &state, Calendar calendar)
{
    const std::vector<int32_t> &jdns = Set(calendar).jdns;
    for (auto _ : state) {
        for (const int32_t jdn : jdns) {
            const CalendarDate date = vardex::JDNToDate(calendar, jdn, kVariant);
            benchmark::DoNotOptimize(date.year);
            benchmark::DoNotOptimize(date.month);
            benchmark::DoNotOptimize(date.day);
        }
    }
    PerDate(state);
}

void Engine_Gregorian_DateToJDN(benchmark::State &s) { DateToJdnLoop(s, Calendar::Gregorian); }
void Engine_Gregorian_JDNToDate(benchmark::State &s) { JdnToDateLoop(s, Calendar::Gregorian); }
void Engine_Julian_DateToJDN(benchmark::State &s) { DateToJdnLoop(s, Calendar::Julian); }
void Engine_Julian_JDNToDate(benchmark::State &s) { JdnToDateLoop(s, Calendar::Julian); }
void Engine_Dee_DateToJDN(benchmark::State &s) { DateToJdnLoop(s, Calendar::Dee); }
void Engine_Dee_JDNToDate(benchmark::State &s) { JdnToDateLoop(s, Calendar::Dee); }

BENCHMARK(Engine_Gregorian_DateToJDN);
BENCHMARK(Engine_Gregorian_JDNToDate);
BENCHMARK(Engine_Julian_DateToJDN);
BENCHMARK(Engine_Julian_JDNToDate);
BENCHMARK(Engine_Dee_DateToJDN);
BENCHMARK(Engine_Dee_JDNToDate);

// ---- Through libdaybridge.so, loaded as another program loads it ------------------------------

struct Library {
    Library()
    {
        handle = dlopen(DAYBRIDGE_PATH, RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            std::fprintf(stderr, "cannot load %s: %s\n", DAYBRIDGE_PATH, dlerror());
            std::exit(1);
        }
        toJdn = reinterpret_cast<int32_t (*)(EuroDate *)>(dlsym(handle, "euro_date_to_jdn"));
        toDate = reinterpret_cast<int32_t (*)(EuroDate *)>(dlsym(handle, "jdn_to_euro_date"));
        if (toJdn == nullptr || toDate == nullptr) {
            std::fprintf(stderr, "%s lacks its conversions\n", DAYBRIDGE_PATH);
            std::exit(1);
        }
    }
    void *handle = nullptr;
    int32_t (*toJdn)(EuroDate *) = nullptr;
    int32_t (*toDate)(EuroDate *) = nullptr;
};

const Library &Lib()
{
    static const Library library;
    return library;
}

void LibraryDateToJdn(benchmark::State &state, Calendar calendar)
{
    const auto toJdn = Lib().toJdn;
    const int32_t code = LibraryCode(calendar);
    const std::vector<Date> &dates = Set(calendar).dates;
    for (auto _ : state) {
        for (const Date &input : dates) {
            EuroDate date{input.year, input.month, input.day, code, 0, 0};
            toJdn(&date);
            benchmark::DoNotOptimize(date.jdn);
            benchmark::DoNotOptimize(date.valid);
        }
    }
    PerDate(state);
}

void LibraryJdnToDate(benchmark::State &state, Calendar calendar)
{
    const auto toDate = Lib().toDate;
    const int32_t code = LibraryCode(calendar);
    const std::vector<int32_t> &jdns = Set(calendar).jdns;
    for (auto _ : state) {
        for (const int32_t jdn : jdns) {
            EuroDate date{0, 0, 0, code, jdn, 0};
            toDate(&date);
            benchmark::DoNotOptimize(date.year);
            benchmark::DoNotOptimize(date.month);
            benchmark::DoNotOptimize(date.day);
        }
    }
    PerDate(state);
}

void Library_Gregorian_DateToJDN(benchmark::State &s) { LibraryDateToJdn(s, Calendar::Gregorian); }
void Library_Gregorian_JDNToDate(benchmark::State &s) { LibraryJdnToDate(s, Calendar::Gregorian); }
void Library_Julian_DateToJDN(benchmark::State &s) { LibraryDateToJdn(s, Calendar::Julian); }
void Library_Julian_JDNToDate(benchmark::State &s) { LibraryJdnToDate(s, Calendar::Julian); }

BENCHMARK(Library_Gregorian_DateToJDN);
BENCHMARK(Library_Gregorian_JDNToDate);
BENCHMARK(Library_Julian_DateToJDN);
BENCHMARK(Library_Julian_JDNToDate);

// ---- daybridge's arithmetic inlined, without the call ------------------------------------------
// What the conversions cost once the call into the library is taken away: the same header-only
// algorithms the library and the engine's Dee side are built from.

void Algorithms_Gregorian_DateToJDN(benchmark::State &state)
{
    const std::vector<Date> &dates = Set(Calendar::Gregorian).dates;
    for (auto _ : state) {
        for (const Date &input : dates) {
            int32_t jdn = 0;
            const bool valid = daybridge::algo::GregorianDateToJdn(input.year, input.month, input.day, jdn);
            benchmark::DoNotOptimize(jdn);
            benchmark::DoNotOptimize(valid);
        }
    }
    PerDate(state);
}
BENCHMARK(Algorithms_Gregorian_DateToJDN);

void Algorithms_Gregorian_JDNToDate(benchmark::State &state)
{
    const std::vector<int32_t> &jdns = Set(Calendar::Gregorian).jdns;
    for (auto _ : state) {
        for (const int32_t jdn : jdns) {
            daybridge::algo::Ymd date = daybridge::algo::GregorianFromDays(jdn);
            benchmark::DoNotOptimize(date.year);
            benchmark::DoNotOptimize(date.month);
            benchmark::DoNotOptimize(date.day);
        }
    }
    PerDate(state);
}
BENCHMARK(Algorithms_Gregorian_JDNToDate);

// ---- The cost of the call alone ----------------------------------------------------------------
// A function called as the library's are (through a pointer, the date in the record) that does
// no calendar work: the floor under every conversion that another program makes.

[[gnu::noinline]] int32_t CopyFields(EuroDate *date)
{
    date->jdn = date->year + date->month + date->day;
    date->valid = 1;
    return 1;
}

int32_t (*volatile gCopyFields)(EuroDate *) = CopyFields;  // volatile: a call the compiler cannot see through

void Floor_EmptyCall(benchmark::State &state)
{
    const auto call = gCopyFields;
    const std::vector<Date> &dates = Set(Calendar::Gregorian).dates;
    for (auto _ : state) {
        for (const Date &input : dates) {
            EuroDate date{input.year, input.month, input.day, DAYBRIDGE_GREGORIAN, 0, 0};
            call(&date);
            benchmark::DoNotOptimize(date.jdn);
            benchmark::DoNotOptimize(date.valid);
        }
    }
    PerDate(state);
}
BENCHMARK(Floor_EmptyCall);

// ---- std::chrono, the baseline ----------------------------------------------------------------

namespace chr = std::chrono;

constexpr int32_t kUnixEpochJdn = 2440588;  // 1970-01-01, day 0 of sys_days

struct ChronoSet {
    std::vector<int32_t> jdns;
    std::vector<Date> dates;
};

const ChronoSet &Chrono()
{
    static const ChronoSet set = [] {
        const auto first = chr::sys_days{chr::year{-32767} / 1 / 1}.time_since_epoch().count();
        const auto last = chr::sys_days{chr::year{32767} / 12 / 31}.time_since_epoch().count();
        ChronoSet s;
        for (const int32_t day : RandomDays(static_cast<int32_t>(first), static_cast<int32_t>(last))) {
            s.jdns.push_back(day + kUnixEpochJdn);
            const chr::year_month_day date{chr::sys_days{chr::days{day}}};
            s.dates.push_back({static_cast<int>(date.year()),
                               static_cast<uint8_t>(static_cast<unsigned>(date.month())),
                               static_cast<uint8_t>(static_cast<unsigned>(date.day()))});
        }
        return s;
    }();
    return set;
}

void Chrono_Gregorian_DateToJDN(benchmark::State &state)
{
    const std::vector<Date> &dates = Chrono().dates;
    for (auto _ : state) {
        for (const Date &input : dates) {
            const chr::year_month_day date{chr::year{input.year}, chr::month{input.month},
                                           chr::day{input.day}};
            const bool ok = date.ok();
            int32_t jdn = 0;
            if (ok)
                jdn = static_cast<int32_t>(chr::sys_days{date}.time_since_epoch().count()) + kUnixEpochJdn;
            benchmark::DoNotOptimize(jdn);
            benchmark::DoNotOptimize(ok);
        }
    }
    PerDate(state);
}
BENCHMARK(Chrono_Gregorian_DateToJDN);

void Chrono_Gregorian_JDNToDate(benchmark::State &state)
{
    const std::vector<int32_t> &jdns = Chrono().jdns;
    for (auto _ : state) {
        for (const int32_t jdn : jdns) {
            const chr::year_month_day date{chr::sys_days{chr::days{jdn - kUnixEpochJdn}}};
            int32_t year = static_cast<int>(date.year());
            uint32_t month = static_cast<unsigned>(date.month());
            uint32_t dayOfMonth = static_cast<unsigned>(date.day());
            benchmark::DoNotOptimize(year);
            benchmark::DoNotOptimize(month);
            benchmark::DoNotOptimize(dayOfMonth);
        }
    }
    PerDate(state);
}
BENCHMARK(Chrono_Gregorian_JDNToDate);

}  // namespace
