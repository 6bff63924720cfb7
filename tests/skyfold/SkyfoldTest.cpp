// libskyfold.so as another program sees it: loaded at run time, called through its C symbol.
// Reference values: Espenak and Meeus, "Five Millennium Canon of Solar Eclipses" (NASA/TP-2006-
// 214141), evaluated independently in extended precision; published figures are in seconds.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <initializer_list>
#include <limits>

#include "skyfold.h"

namespace {

struct Library {
    void *handle = dlopen(SKYFOLD_PATH, RTLD_NOW | RTLD_LOCAL);
    decltype(&deltat) deltaT =
        handle ? reinterpret_cast<decltype(&deltat)>(dlsym(handle, "deltat")) : nullptr;
};

Library &Lib()
{
    static Library library;
    return library;
}

// Delta-T in seconds as the Vardex program asks for it.
double Seconds(double year) { return Lib().deltaT(year, 1915) * 60; }

constexpr double kMinute = 1e-6;  // tolerance in minutes

class Skyfold : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(Lib().handle, nullptr) << dlerror();
        ASSERT_NE(Lib().deltaT, nullptr);
    }
};

struct Sample {
    const char *name;
    double year;
    double seconds;
};

class PublishedSamples : public Skyfold, public testing::WithParamInterface<Sample> {};

TEST_P(PublishedSamples, MatchToAMillionthOfAMinute)
{
    EXPECT_NEAR(Lib().deltaT(GetParam().year, 1915), GetParam().seconds / 60, kMinute);
}

INSTANTIATE_TEST_SUITE_P(Table, PublishedSamples,
                         testing::Values(Sample{"y0", 0, 10583.6}, Sample{"y500", 500, 5710.0447},
                                         Sample{"y1000", 1000, 1574.2}, Sample{"y1600", 1600, 120.0},
                                         Sample{"y1900", 1900, -2.79}, Sample{"y2000", 2000, 63.86},
                                         Sample{"y2024", 2024, 73.8713}, Sample{"y3000", 3000, 4435.68}),
                         [](const auto &info) { return std::string(info.param.name); });

// A boundary year belongs to the range that starts there; the value there, and the step from
// just below it, which must not exceed the step the authors publish (given to 0.001 s).
struct Boundary {
    const char *name;
    double year;
    double secondsAt;
    double publishedJump;
};

class Boundaries : public Skyfold, public testing::WithParamInterface<Boundary> {};

TEST_P(Boundaries, BelongToTheRangeThatStartsThere)
{
    const Boundary &b = GetParam();
    EXPECT_NEAR(Lib().deltaT(b.year, 1915), b.secondsAt / 60, kMinute);
}

TEST_P(Boundaries, JumpNoMoreThanPublished)
{
    const Boundary &b = GetParam();
    const double below = std::nextafter(b.year, -std::numeric_limits<double>::infinity());
    const double jump = Seconds(b.year) - Seconds(below);
    EXPECT_LE(std::fabs(jump), std::fabs(b.publishedJump) + 0.0005) << "jump " << jump << " s";
    if (b.publishedJump != 0) {
        EXPECT_EQ(std::signbit(jump), std::signbit(b.publishedJump)) << "jump " << jump << " s";
    }
}

INSTANTIATE_TEST_SUITE_P(
    EspenakMeeus, Boundaries,
    testing::Values(Boundary{"minus500", -500, 17203.6563390625, -0.024},
                    Boundary{"y500", 500, 5710.0446703125, -0.087}, Boundary{"y1600", 1600, 120.0, -0.251},
                    Boundary{"y1700", 1700, 8.83, -0.162}, Boundary{"y1800", 1800, 13.72, -0.036},
                    Boundary{"y1860", 1860, 7.62, 0.050}, Boundary{"y1900", 1900, -2.79, -0.088},
                    Boundary{"y1920", 1920, 21.2, 0.012}, Boundary{"y1941", 1941, 24.7731414337494, 0.001},
                    Boundary{"y1961", 1961, 33.5798808656525, 0.030},
                    Boundary{"y1986", 1986, 54.87773753824, 0.010},
                    Boundary{"y2005", 2005, 64.670575, -0.050}, Boundary{"y2050", 2050, 93.0, -0.001},
                    Boundary{"y2150", 2150, 328.48, 0.0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Skyfold, LongTermParabolaOutsideThePolynomials)
{
    EXPECT_NEAR(Seconds(-1000), -20 + 32 * 28.2 * 28.2, 1e-6);             // u = (y - 1820) / 100
    EXPECT_NEAR(Seconds(2100), -20 + 32 * 2.8 * 2.8 - 0.5628 * 50, 1e-6);  // blended, 2050 .. 2150
}

TEST_F(Skyfold, FiniteForEveryFiniteYear)
{
    for (const double year : {-DBL_MAX, -1e300, -1e155, -2147483648.0, -1e6, -1999.0, 3000.0, 2147483647.0,
                              1e100, 1e155, 1e160, 1e300, DBL_MAX, DBL_MIN, -0.0}) {
        const double minutes = Lib().deltaT(year, 1915);
        EXPECT_TRUE(std::isfinite(minutes)) << year;
        if (std::fabs(year) > 1e4) {
            EXPECT_GT(minutes, 0) << year;
        }
    }
    EXPECT_EQ(Lib().deltaT(DBL_MAX, 1915), DBL_MAX / 60);
}

TEST_F(Skyfold, NotANumberAndInfinities)
{
    EXPECT_TRUE(std::isnan(Lib().deltaT(std::numeric_limits<double>::quiet_NaN(), 1915)));
    EXPECT_EQ(Lib().deltaT(std::numeric_limits<double>::infinity(), 1915),
              std::numeric_limits<double>::infinity());
    EXPECT_EQ(Lib().deltaT(-std::numeric_limits<double>::infinity(), 1915),
              std::numeric_limits<double>::infinity());
}

TEST_F(Skyfold, EveryFlagSelectsTheSameModel)
{
    for (const double year : {-2000.0, 1.0, 1750.5, 2024.0, 4000.0})
        for (const int32_t flag :
             std::initializer_list<int32_t>{1915, SKYFOLD_MODEL_ESPENAK_MEEUS_2006, -1, INT32_MAX, INT32_MIN})
            EXPECT_EQ(Lib().deltaT(year, flag), Lib().deltaT(year, 1915)) << year << " flag " << flag;
}

}  // namespace
