// SPDX-License-Identifier: MIT
// Every int32_t JDN to a date and back in the Gregorian, Julian, Dee and Dee-Cecil calendars;
// consecutive JDNs give consecutive dates by month lengths counted from each leap rule, not from
// the converter; the library's weekday is (JDN + 1) mod 7. The famous days of the engine's and the
// library's tests pin where the count stands.
//
//     exhaustive_check [--sample] [--threads N]
//
// --sample checks the ends of the range, the eras in use and every 256th block of 2^20 days
// instead of all 4096. Exit status 0 when every check held, 1 otherwise, 2 for bad arguments.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <string>
#include <thread>
#include <vector>

#include "daybridge.h"
#include "engine/Calendars.h"

namespace {

using vardex::Calendar;
using vardex::CalendarDate;
using vardex::DeeVariant;

constexpr int64_t kFirst = INT32_MIN;
constexpr int64_t kLast = INT32_MAX;
constexpr int64_t kBlockDays = int64_t{1} << 20;
constexpr int64_t kBlocks = (kLast - kFirst + 1) / kBlockDays;  // 4096

// The calendars' rules, written out independently of the converters.
int32_t MonthLength(Calendar calendar, int32_t year, int32_t month)
{
    static const int32_t kLengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int32_t r = (year % 33 + 33) % 33;  // Dee: years 4, 8, .., 32 of each 33
    const bool leap = calendar == Calendar::Gregorian ? year % 4 == 0 && (year % 100 != 0 || year % 400 == 0)
                      : calendar == Calendar::Julian  ? year % 4 == 0
                                                      : r != 0 && r % 4 == 0;
    return kLengths[month] + (month == 2 && leap);
}

std::atomic<int64_t> gFaults{0};

// The first 20 faults are printed; one fprintf per line keeps the threads' lines whole.
void Fault(const char *calendar, int64_t jdn, const std::string &what)
{
    if (gFaults.fetch_add(1) < 20)
        std::fprintf(stderr, "FAULT %s JDN %lld: %s\n", calendar, static_cast<long long>(jdn), what.c_str());
}

std::string Text(const CalendarDate &d)
{
    return std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
}

struct CalendarUnderTest {
    const char *name;
    Calendar calendar;
    DeeVariant variant;
};

// The JDNs [first, last] of one calendar: the first gives a possible date, each later one the day
// after the one before, and each converts back.
void CheckDays(const CalendarUnderTest &c, int64_t first, int64_t last)
{
    CalendarDate expected = vardex::JDNToDate(c.calendar, static_cast<int32_t>(first), c.variant);
    if (expected.month < 1 || expected.month > 12 || expected.day < 1 ||
        expected.day > MonthLength(c.calendar, expected.year, expected.month))
        return Fault(c.name, first, "gives the impossible date " + Text(expected));
    for (int64_t jdn = first; jdn <= last; ++jdn) {
        const CalendarDate date = vardex::JDNToDate(c.calendar, static_cast<int32_t>(jdn), c.variant);
        if (date != expected)
            return Fault(c.name, jdn, "gives " + Text(date) + " where " + Text(expected) + " is due");
        const std::optional<int32_t> back = vardex::DateToJDN(c.calendar, date, c.variant);
        if (back != jdn)
            Fault(c.name, jdn,
                  Text(date) + " converts back to " + (back ? std::to_string(*back) : "nothing"));
        if (++expected.day > MonthLength(c.calendar, expected.year, expected.month)) {
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
    for (int64_t jdn = first; jdn <= last; ++jdn)
        if (const int32_t weekday = euro_day_of_week(static_cast<int32_t>(jdn));
            weekday != ((jdn + 1) % 7 + 7) % 7)
            Fault("weekday", jdn, "is " + std::to_string(weekday));
}

// Both ends of the range, the blocks around JDN 0 and the common era, and every 256th block
// (none of them twice).
std::vector<int64_t> SampledBlocks()
{
    std::vector<int64_t> blocks = {0, 1, kBlocks - 2, kBlocks - 1};
    for (const int64_t jdn : {int64_t{0}, int64_t{1721426}, int64_t{2460000}})
        blocks.push_back((jdn - kFirst) / kBlockDays);
    for (int64_t b = 128; b < kBlocks; b += 256)
        blocks.push_back(b);
    return blocks;
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
    std::vector<int64_t> blocks(sample ? 0 : kBlocks);
    std::iota(blocks.begin(), blocks.end(), 0);
    if (sample)
        blocks = SampledBlocks();
    const CalendarUnderTest calendars[] = {{"Gregorian", Calendar::Gregorian, DeeVariant::DeeCecil},
                                           {"Julian", Calendar::Julian, DeeVariant::DeeCecil},
                                           {"Dee", Calendar::Dee, DeeVariant::Dee},
                                           {"Dee-Cecil", Calendar::Dee, DeeVariant::DeeCecil}};
    const auto start = std::chrono::steady_clock::now();
    std::atomic<size_t> next{0};
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t) {
        pool.emplace_back([&] {
            for (size_t i = next++; i < blocks.size(); i = next++) {
                const int64_t first = kFirst + blocks[i] * kBlockDays;
                const int64_t last = std::min(first + kBlockDays, kLast);  // and the step into the next block
                for (const CalendarUnderTest &c : calendars)
                    CheckDays(c, first, last);
                CheckWeekdays(first, last);
            }
        });
    }
    for (std::thread &t : pool)
        t.join();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%s: %lld JDNs in 4 calendars and the weekday, %u threads, %.1f s, %lld faults\n",
                sample ? "sampled" : "every int32_t JDN", static_cast<long long>(blocks.size()) * kBlockDays,
                threads, seconds, static_cast<long long>(gFaults.load()));
    return gFaults.load() == 0 ? 0 : 1;
}
