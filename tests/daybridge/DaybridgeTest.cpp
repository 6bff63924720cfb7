// SPDX-License-Identifier: MIT
// libdaybridge.so as another program sees it: loaded at run time, called through its C symbols.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <string>

#include "daybridge.h"

namespace {

void *const kLibrary = dlopen(DAYBRIDGE_PATH, RTLD_NOW | RTLD_LOCAL);
template <typename F> F Symbol(const char *name)
{
    return kLibrary ? reinterpret_cast<F>(dlsym(kLibrary, name)) : nullptr;
}
const struct {
    decltype(&euro_date_to_jdn) toJdn = Symbol<decltype(&euro_date_to_jdn)>("euro_date_to_jdn");
    decltype(&jdn_to_euro_date) fromJdn = Symbol<decltype(&jdn_to_euro_date)>("jdn_to_euro_date");
    decltype(&separate_thousands) group = Symbol<decltype(&separate_thousands)>("separate_thousands");
} kLib;

constexpr int32_t G = DAYBRIDGE_GREGORIAN;
constexpr int32_t J = DAYBRIDGE_JULIAN;

EuroDate Date(int32_t calendar, int32_t y, int32_t m, int32_t d) { return {y, m, d, calendar, -777, 0}; }

EuroDate FromJdn(int32_t calendar, int32_t jdn)
{
    EuroDate date = {0, 0, 0, calendar, jdn, 0};
    kLib.fromJdn(&date);
    return date;
}

TEST(Daybridge, ExportsItsFunctionsAndConvertsFamousDatesBothWays)
{
    ASSERT_NE(kLibrary, nullptr) << dlerror();
    ASSERT_TRUE(kLib.toJdn && kLib.fromJdn && kLib.group && dlsym(kLibrary, "euro_day_of_week") &&
                dlsym(kLibrary, "daybridge_version"));
    // clang-format off
    const std::tuple<int32_t, int32_t, int32_t, int32_t, int32_t> cases[] = {
        {G, 2000, 1, 1, 2451545}, {J, -4712, 1, 1, 0}, {G, -4713, 11, 24, 0}, {G, 1582, 10, 15, 2299161},
        {J, 1582, 10, 4, 2299160}, {J, -43, 3, 15, 1705426}, {G, -43, 3, 13, 1705426},
        {G, 2024, 3, 5, 2460375}, {J, 2024, 2, 21, 2460375}, {G, 0, 2, 29, 1721119},
        {G, 5874898, 6, 3, INT32_MAX}, {G, -5884323, 5, 15, INT32_MIN}, {J, 5874777, 10, 17, INT32_MAX},
        {J, -5884202, 3, 16, INT32_MIN}};
    // clang-format on
    for (const auto &[calendar, y, m, d, jdn] : cases) {
        EuroDate date = Date(calendar, y, m, d);
        EXPECT_EQ(kLib.toJdn(&date), 1);
        EXPECT_EQ(std::pair(date.valid, date.jdn), std::pair(1, jdn)) << y << "-" << m << "-" << d;
        const EuroDate back = FromJdn(calendar, jdn);
        EXPECT_EQ(std::tuple(back.year, back.month, back.day, back.valid), std::tuple(y, m, d, 1)) << jdn;
    }
}

TEST(Daybridge, RejectsImpossibleFieldsWithoutTouchingJdn)
{
    // clang-format off
    const EuroDate bad[] = {
        Date(G, 2024, 0, 1), Date(G, 2024, 13, 1), Date(G, 2024, 1, 0), Date(G, 2024, 4, 31),
        Date(J, 2023, 2, 29), Date(G, INT32_MIN, 1, 1), Date(G, INT32_MAX, 12, 31), Date(J, INT32_MAX, 1, 1),
        Date(G, 2024, INT32_MIN, 1), Date(G, 2024, INT32_MAX, 1), Date(J, 2024, 1, INT32_MAX),
        Date(G, 2024, 1, INT32_MIN), Date('D', 2024, 1, 1), Date(0, 2024, 1, 1), Date(G, 5874898, 6, 4),
        Date(G, -5884323, 5, 14), Date(J, 5874777, 10, 18), Date(J, -5884202, 3, 15)};
    // clang-format on
    for (EuroDate date : bad) {
        date.valid = 1;
        const int32_t result = kLib.toJdn(&date);
        EXPECT_EQ(std::tuple(result, date.valid, date.jdn), std::tuple(0, 0, -777))
            << date.calendar << " " << date.year << "-" << date.month << "-" << date.day;
    }
    EXPECT_EQ(std::pair(kLib.toJdn(nullptr), kLib.fromJdn(nullptr)), std::pair(-1, -1));
    EuroDate unknown = Date('D', 5, 1, 1);
    unknown.jdn = 2460375;
    EXPECT_EQ(std::tuple(kLib.fromJdn(&unknown), unknown.valid, unknown.year), std::tuple(0, 0, 5));
}

// std::chrono's civil calendar is an independent proleptic Gregorian reference.
TEST(Daybridge, GregorianAgreesWithChronoOverItsWholeRange)
{
    using namespace std::chrono;
    constexpr int32_t kUnixEpochJdn = 2440588;
    const sys_days first = year_month_day{year::min(), January, day{1}};
    const sys_days last = year_month_day{year::max(), December, day{31}};
    for (sys_days d = first; d <= last; d += days{1}) {
        const year_month_day ymd{d};
        const int32_t jdn = static_cast<int32_t>(d.time_since_epoch().count()) + kUnixEpochJdn;
        EuroDate date = Date(G, int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day())));
        kLib.toJdn(&date);
        const EuroDate back = FromJdn(G, jdn);
        ASSERT_TRUE(date.valid == 1 && date.jdn == jdn && back.year == date.year &&
                    back.month == date.month && back.day == date.day)
            << date.year << "-" << date.month << "-" << date.day << " gives " << date.jdn << ", JDN " << jdn
            << " gives " << back.year << "-" << back.month << "-" << back.day;
    }
}

// Consecutive days, leap years and weekdays over the whole int32_t range: tests/exhaustive.
TEST(Daybridge, SeparateThousandsGroupsByThreesWritesAtMost20BytesAndRefusesBadArguments)
{
    // clang-format off
    const std::tuple<const char *, int32_t, const char *> cases[] = {
        {"", ',', ""}, {"999", ',', "999"}, {"1000", ',', "1,000"}, {"-12345", ',', "-12,345"},
        {"-123", ',', "-123"}, {"4999999", '.', "4.999.999"}, {" 12345", ',', " 12,345"},
        {"12345", 0, "12345"}, {"1234567.8901", ',', "1,234,567.8901"},
        {"-2147483648", ',', "-2,147,483,648"}, {"12345678901234567890", ',', "12,345,678,901,234,"},
        {"------------------------5", ',', "-------------------"}};
    // clang-format on
    for (const auto &[input, separator, expected] : cases) {
        char buffer[32];
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(kLib.group(input, separator, buffer), static_cast<int32_t>(std::strlen(expected)));
        EXPECT_STREQ(buffer, expected);
        EXPECT_EQ(std::string(buffer + 20, 12), std::string(12, '#')) << "wrote past 20 bytes for " << input;
    }
    char buffer[20] = "untouched";
    EXPECT_EQ(kLib.group(nullptr, ',', buffer), -1);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(std::tuple(kLib.group("123", 256, buffer), kLib.group("123", -1, buffer),
                         kLib.group("123", ',', nullptr)),
              std::tuple(-1, -1, -1));
}

}  // namespace
