// Every day the program can name, checked: each int32_t JDN converts to a date and back to the
// same JDN in the Gregorian, Julian, Dee and Dee-Cecil calendars; consecutive JDNs give
// consecutive dates by the calendar's own month lengths (counted here from its leap rule, not
// from the converter); and the library's weekday is (JDN + 1) mod 7. A few famous days pin the
// count itself. The work is split into blocks that every thread takes in turn.
//
//     exhaustive_check [--sample] [--threads N]
//
// --sample checks a spread of blocks (the ends of the range, the eras people use and every
// 256th block) instead of all 4096; the whole check is the default. Exit status 0 when every
// check held, 1 otherwise (the first faults are printed), 2 for bad arguments.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "daybridge.h"
#include "engine/Calendars.h"

namespace {

using vardex::CalendarDate;

constexpr int64_t kFirst = INT32_MIN;
constexpr int64_t kLast = INT32_MAX;
constexpr int64_t kBlockDays = int64_t{1} << 20;
constexpr int64_t kBlocks = (kLast - kFirst + 1) / kBlockDays;  // 4096
static_assert(kBlocks * kBlockDays == kLast - kFirst + 1);

// ---- The calendars' rules, written out independently of the converters -------------------

bool IsLeap(vardex::Calendar calendar, int32_t year)
{
    switch (calendar) {
    case vardex::Calendar::Gregorian: return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    case vardex::Calendar::Julian: return year % 4 == 0;
    case vardex::Calendar::Dee: break;
    }
    const int32_t r = (year % 33 + 33) % 33;  // Dee: years 4, 8, .., 32 of each 33
    return r != 0 && r % 4 == 0;
}

int32_t MonthLength(vardex::Calendar calendar, int32_t year, int32_t month)
{
    static const int32_t kLengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return kLengths[month] + (month == 2 && IsLeap(calendar, year));
}

// ---- Faults -------------------------------------------------------------------------------

std::mutex gReportMutex;
std::atomic<int64_t> gFaults{0};

void Fault(const char *calendar, int64_t jdn, const std::string &what)
{
    if (gFaults.fetch_add(1) < 20) {
        std::lock_guard<std::mutex> lock(gReportMutex);
        std::fprintf(stderr, "FAULT %s JDN %lld: %s\n", calendar, static_cast<long long>(jdn), what.c_str());
    }
}

std::string Text(const CalendarDate &d)
{
    return std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
}

// ---- One calendar over one block ---------------------------------------------------------

struct Calendar {
    const char *name;
    vardex::Calendar calendar;
    vardex::DeeVariant variant;
};

CalendarDate DateOf(const Calendar &calendar, int64_t jdn)
{
    return vardex::JDNToDate(calendar.calendar, static_cast<int32_t>(jdn), calendar.variant);
}

bool IsPossible(const Calendar &calendar, const CalendarDate &d)
{
    return d.month >= 1 && d.month <= 12 && d.day >= 1 &&
           d.day <= MonthLength(calendar.calendar, d.year, d.month);
}

// Checks the JDNs [first, last] of one calendar: the first gives a possible date, each later one
// the day after the one before (so a possible date too), and each converts back.
void CheckDays(const Calendar &calendar, int64_t first, int64_t last)
{
    CalendarDate expected = DateOf(calendar, first);
    if (!IsPossible(calendar, expected)) {
        Fault(calendar.name, first, "gives the impossible date " + Text(expected));
        return;
    }
    for (int64_t jdn = first; jdn <= last; ++jdn) {
        const CalendarDate date = jdn == first ? expected : DateOf(calendar, jdn);
        if (date != expected) {
            Fault(calendar.name, jdn, "gives " + Text(date) + " where " + Text(expected) + " is due");
            return;
        }
        const std::optional<int32_t> back = vardex::DateToJDN(calendar.calendar, date, calendar.variant);
        if (back != jdn)
            Fault(calendar.name, jdn,
                  Text(date) + " converts back to " + (back ? std::to_string(*back) : "nothing"));
        // The day after, by the month lengths of the calendar's leap rule.
        if (++expected.day > MonthLength(calendar.calendar, expected.year, expected.month)) {
            expected.day = 1;
            if (++expected.month > 12) {
                expected.month = 1;
                ++expected.year;
            }
        }
    }
}

void CheckWeekdays(int64_t first, int64_t last)
{
    for (int64_t jdn = first; jdn <= last; ++jdn) {
        const int32_t expected = static_cast<int32_t>(((jdn + 1) % 7 + 7) % 7);
        const int32_t weekday = euro_day_of_week(static_cast<int32_t>(jdn));
        if (weekday != expected)
            Fault("weekday", jdn, "is " + std::to_string(weekday) + ", not " + std::to_string(expected));
    }
}

// ---- The run ------------------------------------------------------------------------------

struct Phase {
    std::vector<Calendar> calendars;
    bool weekdays;
};

// The blocks a sampled run checks: both ends of the range, the blocks around JDN 0 and the
// common era, and every 256th block.
std::vector<int64_t> SampledBlocks()
{
    std::vector<int64_t> blocks = {0, 1, kBlocks - 2, kBlocks - 1};
    for (const int64_t jdn : {int64_t{0}, int64_t{1721426}, int64_t{2460000}})
        blocks.push_back((jdn - kFirst) / kBlockDays);
    for (int64_t b = 128; b < kBlocks; b += 256)
        blocks.push_back(b);
    std::sort(blocks.begin(), blocks.end());
    blocks.erase(std::unique(blocks.begin(), blocks.end()), blocks.end());
    return blocks;
}

void RunPhase(const Phase &phase, const std::vector<int64_t> &blocks, unsigned threads)
{
    std::atomic<size_t> next{0};
    auto worker = [&] {
        for (size_t i = next++; i < blocks.size(); i = next++) {
            const int64_t first = kFirst + blocks[i] * kBlockDays;
            // Each block also checks the step into the next block's first day.
            const int64_t last = std::min(first + kBlockDays, kLast);
            for (const Calendar &calendar : phase.calendars)
                CheckDays(calendar, first, last);
            if (phase.weekdays)
                CheckWeekdays(first, last);
        }
    };
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t)
        pool.emplace_back(worker);
    for (std::thread &t : pool)
        t.join();
}

// Famous days that fix where the count stands, not only that it is consistent.
void CheckAnchors()
{
    using vardex::DeeVariant;
    using vardex::Calendar::Dee, vardex::Calendar::Gregorian, vardex::Calendar::Julian;
    struct Anchor {
        const char *name;
        vardex::Calendar calendar;
        DeeVariant variant;
        CalendarDate date;
        int32_t jdn;
    } const anchors[] = {
        {"Gregorian", Gregorian, DeeVariant::DeeCecil, {2000, 1, 1}, 2451545},
        {"Gregorian", Gregorian, DeeVariant::DeeCecil, {1582, 10, 15}, 2299161},
        {"Julian", Julian, DeeVariant::DeeCecil, {-4712, 1, 1}, 0},
        {"Julian", Julian, DeeVariant::DeeCecil, {1582, 10, 4}, 2299160},
        {"Dee-Cecil", Dee, DeeVariant::DeeCecil, {1, 1, 1}, 1721426},
        {"Dee-Cecil", Dee, DeeVariant::DeeCecil, {2021, 3, 15}, 2459289},
        {"Dee", Dee, DeeVariant::Dee, {1, 1, 1}, 1721425},
    };
    for (const Anchor &a : anchors) {
        const std::optional<int32_t> jdn = vardex::DateToJDN(a.calendar, a.date, a.variant);
        if (jdn != a.jdn)
            Fault(a.name, a.jdn, Text(a.date) + " gives JDN " + (jdn ? std::to_string(*jdn) : "none"));
    }
}

}  // namespace

int main(int argc, char **argv)
{
    bool sample = false;
    unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--sample") == 0) {
            sample = true;
        } else if (std::strcmp(argv[i], "--threads") == 0 && i + 1 < argc && std::atoi(argv[i + 1]) > 0) {
            threads = static_cast<unsigned>(std::atoi(argv[++i]));
        } else {
            std::fprintf(stderr, "usage: exhaustive_check [--sample] [--threads N]\n");
            return 2;
        }
    }

    std::vector<int64_t> blocks;
    if (sample) {
        blocks = SampledBlocks();
    } else {
        for (int64_t b = 0; b < kBlocks; ++b)
            blocks.push_back(b);
    }

    const auto start = std::chrono::steady_clock::now();
    CheckAnchors();
    using vardex::DeeVariant;
    RunPhase({{{"Gregorian", vardex::Calendar::Gregorian, DeeVariant::DeeCecil},
               {"Julian", vardex::Calendar::Julian, DeeVariant::DeeCecil},
               {"Dee", vardex::Calendar::Dee, DeeVariant::Dee},
               {"Dee-Cecil", vardex::Calendar::Dee, DeeVariant::DeeCecil}},
              true},
             blocks, threads);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    const long long days = static_cast<long long>(blocks.size()) * kBlockDays;
    std::printf("%s: %lld JDNs in 4 calendars and the weekday, %u threads, %.1f s, %lld faults\n",
                sample ? "sampled" : "every int32_t JDN", days, threads, seconds,
                static_cast<long long>(gFaults.load()));
    return gFaults.load() == 0 ? 0 : 1;
}
