// SPDX-License-Identifier: MIT
// libskyfold.so as another program sees it: loaded at run time, called through its C symbol.
// Reference values: Espenak and Meeus, "Five Millennium Canon of Solar Eclipses" (NASA/TP-2006-
// 214141), evaluated independently in extended precision; published figures are in seconds.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "skyfold.h"

namespace {

void *const kLibrary = dlopen(SKYFOLD_PATH, RTLD_NOW | RTLD_LOCAL);
const auto kDeltaT = kLibrary ? reinterpret_cast<decltype(&deltat)>(dlsym(kLibrary, "deltat")) : nullptr;

// Delta-T in seconds as the Vardex program asks for it.
double Seconds(double year) { return kDeltaT(year, 1915) * 60; }

TEST(Skyfold, PublishedValuesStepsAtTheBoundariesAndAValueForEveryYearAndFlag)
{
    ASSERT_NE(kDeltaT, nullptr) << dlerror();
    // A boundary year belongs to the range that starts there; the step from just below it must not
    // exceed the published step (given to 0.001 s) nor change its sign. Zero: no boundary there.
    // clang-format off
    const std::tuple<double, double, double> cases[] = {
        {0, 10583.6, 0},                  {1000, 1574.2, 0},                {2000, 63.86, 0},
        {2024, 73.8713, 0},               {3000, 4435.68, 0},               {-500, 17203.6563390625, -0.024},
        {500, 5710.0446703125, -0.087},   {1600, 120.0, -0.251},            {1700, 8.83, -0.162},
        {1800, 13.72, -0.036},            {1860, 7.62, 0.050},              {1900, -2.79, -0.088},
        {1920, 21.2, 0.012},              {1941, 24.7731414337494, 0.001},  {1961, 33.5798808656525, 0.030},
        {1986, 54.87773753824, 0.010},    {2005, 64.670575, -0.050},        {2050, 93.0, -0.001},
        {2150, 328.48, 0.0}};
    // clang-format on
    for (const auto &[year, seconds, step] : cases) {
        EXPECT_NEAR(Seconds(year), seconds, 6e-5) << year;
        const double jump = Seconds(year) - Seconds(std::nextafter(year, -1e9));
        EXPECT_LE(std::fabs(jump), std::fabs(step) + 0.0005) << year << ": jump " << jump << " s";
        if (step != 0) {
            EXPECT_EQ(std::signbit(jump), std::signbit(step)) << year << ": jump " << jump << " s";
        }
    }
    // Before -500 the long-term parabola (the canon's table: 25,400 s at -1000, rounded); from
    // 2050 to 2150 the blend into it (the canon's 2100: 203 s, rounded).
    EXPECT_NEAR(Seconds(-1000), 25427.68, 1e-6);
    EXPECT_NEAR(Seconds(2100), 202.74, 1e-6);
    // Every year and flag gives a value.
    for (const double year :
         {-DBL_MAX, -1e300, -2147483648.0, -1999.0, 1e155, 1e300, DBL_MAX, DBL_MIN, -0.0}) {
        EXPECT_TRUE(std::isfinite(kDeltaT(year, 1915))) << year;
        EXPECT_TRUE(std::fabs(year) < 1e4 || kDeltaT(year, 1915) > 0) << year;
    }
    EXPECT_EQ(kDeltaT(DBL_MAX, 1915), DBL_MAX / 60);
    EXPECT_TRUE(std::isnan(kDeltaT(NAN, 1915)));
    EXPECT_EQ(kDeltaT(-INFINITY, 1915), INFINITY);
    for (const int32_t flag : {int32_t{SKYFOLD_MODEL_ESPENAK_MEEUS_2006}, -1, INT32_MAX, INT32_MIN})
        EXPECT_EQ(kDeltaT(1750.5, flag), kDeltaT(1750.5, 1915)) << "every flag selects the same model";
}

}  // namespace
