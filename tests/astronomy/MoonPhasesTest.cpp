// SPDX-License-Identifier: MIT
// The Moon's phases against PyEphem's (its own lunar theory) and against instants everyone can
// look up.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "OracleTable.h"
#include "astronomy/MoonPhases.h"
#include "astronomy/SkyEvents.h"

namespace vardex {
namespace {

TEST(MoonPhases, AgreeWithPyEphemWithin30sFrom1900To2100And2minFrom1000To3000)
{
    const auto rows = test::ReadOracleTable("moon-phases-pyephem.tsv");
    ASSERT_GE(rows.size(), 480U);
    double worstModern = 0;
    for (const auto &row : rows) {
        const PhaseOfLunation phase{std::stoll(row[0]), kMoonPhases.at(std::stoul(row[1]))};
        const double seconds = (MoonPhaseJDE(phase) - std::stod(row[2])) * 86400;
        const double year = 2000 + phase.lunation / 12.3685;
        const bool modern = year >= 1900 && year <= 2100;
        EXPECT_NEAR(seconds, 0, modern ? 30 : 120) << "lunation " << row[0] << " phase " << row[1];
        if (modern)
            worstModern = std::max(worstModern, std::fabs(seconds));
    }
    EXPECT_GT(worstModern, 1);  // a different theory, not our own numbers
}

TEST(MoonPhases, PublishedInstantsAndBrownsLunations)
{
    // UT to the minute as almanacs give them, Delta-T by Espenak and Meeus, and the lunation:
    // Brown's lunation 1 began with the new moon of 17 January 1923 (the 16th in America).
    struct Known {
        int year;
        int month;
        SkyEventKind kind;
        const char *date;
        const char *minute;
        int64_t lunation;
    };
    const Known known[] = {
        {1923, 1, SkyEventKind::NewMoon, "1923-01-17", "02:41", 1},
        {2000, 1, SkyEventKind::NewMoon, "2000-01-06", "18:14", 953},
        {2024, 1, SkyEventKind::NewMoon, "2024-01-11", "11:57", 1250},
        {2024, 1, SkyEventKind::FullMoon, "2024-01-25", "17:54", 1250},
        {2024, 1, SkyEventKind::LastQuarter, "2024-01-04", "03:30", 1249},
    };
    for (const Known &k : known) {
        bool found = false;
        for (const SkyEvent &event : MoonPhasesOfYear(k.year, k.month, DeltaTModel::EspenakMeeus2006, 0)) {
            const ClockReading reading = ReadClock(event.jdUT + 30.0 / 86400, 0);  // to the minute
            if (event.kind != k.kind || GregorianIsoText(reading.jdn) != k.date)
                continue;
            found = true;
            EXPECT_EQ(ClockText(reading).substr(0, 5), k.minute) << k.date;
            EXPECT_EQ(event.lunation, k.lunation) << k.date;
        }
        EXPECT_TRUE(found) << k.date;
    }
}

TEST(MoonPhases, PhasesFollowEachOtherAQuarterMonthApartOverTheWholeRange)
{
    for (int year = kFirstSkyYear; year <= kLastSkyYear; year += 250) {
        const auto lunation = LunationNear(2451545.0 + (year - 2000) * 365.25);
        double previous = MoonPhaseJDE({lunation - 1, MoonPhase::LastQuarter});
        for (MoonPhase phase : kMoonPhases) {
            const double jde = MoonPhaseJDE({lunation, phase});
            EXPECT_GT(jde - previous, 5.5) << year;  // a quarter lunation is 6.5 to 8.3 days
            EXPECT_LT(jde - previous, 8.6) << year;
            previous = jde;
        }
    }
}

}  // namespace
}  // namespace vardex
