// SPDX-License-Identifier: MIT
#include "DeltaTModels.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "skyfold.h"

namespace vardex {

namespace {

// --- Stephenson, Morrison and Hohenkerk 2016 ---------------------------------------------------
// "Measurement of the Earth's rotation: 720 BC to AD 2015", Proc. R. Soc. A 472: 20160404, with
// the table as updated in 2020 (Table-S15.2020.txt of HM Nautical Almanac Office; the same numbers
// as python3-skyfield's delta_t.npz). Each row is a cubic in t = (y - from) / (to - from).
struct SplineRow {
    double from;
    double to;
    std::array<double, 4> a;  // a0 + a1 t + a2 t^2 + a3 t^3 seconds
};

// clang-format off
constexpr SplineRow kSmhSpline[] = {
    {-720, -100, {20371.848, -9999.586, 776.247, 409.16}},
    {-100, 400, {11557.668, -5822.27, 1303.151, -503.433}},
    {400, 1000, {6535.116, -5671.519, -298.291, 1085.087}},
    {1000, 1150, {1650.393, -753.21, 184.811, -25.346}},
    {1150, 1300, {1056.647, -459.628, 108.771, -24.641}},
    {1300, 1500, {681.149, -421.345, 61.953, -29.414}},
    {1500, 1600, {292.343, -192.841, -6.572, 16.197}},
    {1600, 1650, {109.127, -78.697, 10.505, 3.018}},
    {1650, 1720, {43.952, -68.089, 38.333, -2.127}},
    {1720, 1800, {12.068, 2.507, 41.731, -37.939}},
    {1800, 1810, {18.367, -3.481, -1.126, 1.918}},
    {1810, 1820, {15.678, 0.021, 4.629, -3.812}},
    {1820, 1830, {16.516, -2.157, -6.806, 3.25}},
    {1830, 1840, {10.804, -6.018, 2.944, -0.096}},
    {1840, 1850, {7.634, -0.416, 2.658, -0.539}},
    {1850, 1855, {9.338, 1.642, 0.261, -0.883}},
    {1855, 1860, {10.357, -0.486, -2.389, 1.558}},
    {1860, 1865, {9.04, -0.591, 2.284, -2.477}},
    {1865, 1870, {8.255, -3.456, -5.148, 2.72}},
    {1870, 1875, {2.371, -5.593, 3.011, -0.914}},
    {1875, 1880, {-1.126, -2.314, 0.269, -0.039}},
    {1880, 1885, {-3.21, -1.893, 0.152, 0.563}},
    {1885, 1890, {-4.388, 0.101, 1.842, -1.438}},
    {1890, 1895, {-3.884, -0.531, -2.474, 1.871}},
    {1895, 1900, {-5.017, 0.134, 3.138, -0.232}},
    {1900, 1905, {-1.977, 5.715, 2.443, -1.257}},
    {1905, 1910, {4.923, 6.828, -1.329, 0.72}},
    {1910, 1915, {11.142, 6.33, 0.831, -0.825}},
    {1915, 1920, {17.479, 5.518, -1.643, 0.262}},
    {1920, 1925, {21.617, 3.02, -0.856, 0.008}},
    {1925, 1930, {23.789, 1.333, -0.831, 0.127}},
    {1930, 1935, {24.418, 0.052, -0.449, 0.142}},
    {1935, 1940, {24.164, -0.419, -0.022, 0.702}},
    {1940, 1945, {24.426, 1.645, 2.086, -1.106}},
    {1945, 1950, {27.05, 2.499, -1.232, 0.614}},
    {1950, 1953, {28.932, 1.127, 0.22, -0.277}},
    {1953, 1956, {30.002, 0.737, -0.61, 0.631}},
    {1956, 1959, {30.76, 1.409, 1.282, -0.799}},
    {1959, 1962, {32.652, 1.577, -1.115, 0.507}},
    {1962, 1965, {33.621, 0.868, 0.406, 0.199}},
    {1965, 1968, {35.093, 2.275, 1.002, -0.414}},
    {1968, 1971, {37.956, 3.035, -0.242, 0.202}},
    {1971, 1974, {40.951, 3.157, 0.364, -0.229}},
    {1974, 1977, {44.244, 3.199, -0.323, 0.172}},
    {1977, 1980, {47.291, 3.069, 0.193, -0.192}},
    {1980, 1983, {50.361, 2.878, -0.384, 0.081}},
    {1983, 1986, {52.936, 2.354, -0.14, -0.165}},
    {1986, 1989, {54.984, 1.577, -0.637, 0.448}},
    {1989, 1992, {56.373, 1.648, 0.708, -0.276}},
    {1992, 1995, {58.453, 2.235, -0.121, 0.11}},
    {1995, 1998, {60.678, 2.324, 0.21, -0.313}},
    {1998, 2001, {62.898, 1.804, -0.729, 0.109}},
    {2001, 2004, {64.083, 0.674, -0.402, 0.199}},
    {2004, 2007, {64.553, 0.466, 0.194, -0.017}},
    {2007, 2010, {65.197, 0.804, 0.144, -0.084}},
    {2010, 2013, {66.061, 0.839, -0.109, 0.128}},
    {2013, 2016, {66.92, 1.007, 0.277, -0.095}},
    {2016, 2019, {68.109, 1.277, -0.007, -0.139}}
};
// clang-format on

double SplineValue(const SplineRow &row, double y)
{
    const double t = (y - row.from) / (row.to - row.from);
    return row.a[0] + t * (row.a[1] + t * (row.a[2] + t * row.a[3]));
}

// Their long-term parabola.
double SmhParabola(double y)
{
    const double u = (y - 1825) / 100;
    return -320 + 32.5 * u * u;
}

// Outside the table the parabola is shifted by a constant so that Delta-T runs on without a
// jump at either end (the bare parabola lies 358 s above the table in 720 BC and 267 s below it
// in 2019).
double Smh2016Seconds(double y)
{
    const SplineRow &first = kSmhSpline[0];
    const SplineRow &last = kSmhSpline[std::size(kSmhSpline) - 1];
    if (y < first.from)
        return SmhParabola(y) + (SplineValue(first, first.from) - SmhParabola(first.from));
    if (y >= last.to)
        return SmhParabola(y) + (SplineValue(last, last.to) - SmhParabola(last.to));
    const SplineRow *row = std::upper_bound(std::begin(kSmhSpline), std::end(kSmhSpline), y,
                                            [](double year, const SplineRow &r) { return year < r.to; });
    return SplineValue(*row, y);
}

// Their standard error by epoch (HM Nautical Almanac Office, "Delta T: uncertainty", which gives
// it from 2000 BC to AD 2500), linear between the epochs; outside, it grows as the square of the
// centuries from 1825, from the table's end value.
struct Epoch {
    double year;
    double sigma;
};
// clang-format off
constexpr Epoch kSmhSigma[] = {
    {-2000, 1080}, {-1600, 720}, {-900, 360}, {-720, 180}, {-700, 170}, {-600, 160}, {-500, 150},
    {-400, 130}, {-300, 120}, {-200, 110}, {-100, 100}, {0, 90}, {100, 80}, {200, 70}, {300, 60},
    {400, 50}, {500, 40}, {700, 30}, {800, 25}, {900, 20}, {1000, 15}, {1620, 20}, {1660, 15},
    {1670, 10}, {1680, 5}, {1730, 2}, {1770, 1}, {1800, 0.5}, {1802, 0.4}, {1805, 0.3},
    {1809, 0.2}, {1831, 0.1}, {1870, 0.05}, {2022, 0.1}, {2023, 1}, {2030, 2}, {2040, 4},
    {2050, 6}, {2100, 10}, {2200, 20}, {2300, 30}, {2400, 50}, {2500, 100},
};
// clang-format on

double CenturiesSquared(double y, double origin)
{
    const double t = (y - origin) / 100;
    return t * t;
}

double Interpolated(const Epoch *begin, const Epoch *end, double y)
{
    const Epoch *next =
        std::upper_bound(begin, end, y, [](double year, const Epoch &e) { return year < e.year; });
    const Epoch &a = next[-1];
    const Epoch &b = *next;
    return a.sigma + (b.sigma - a.sigma) * (y - a.year) / (b.year - a.year);
}

double Smh2016Sigma(double y)
{
    const Epoch &first = kSmhSigma[0];
    const Epoch &last = kSmhSigma[std::size(kSmhSigma) - 1];
    if (y <= first.year)
        return first.sigma * CenturiesSquared(y, 1825) / CenturiesSquared(first.year, 1825);
    if (y >= last.year)
        return last.sigma * CenturiesSquared(y, 1825) / CenturiesSquared(last.year, 1825);
    return Interpolated(std::begin(kSmhSigma), std::end(kSmhSigma), y);
}

// --- Morrison and Stephenson 2004 and Espenak and Meeus 2006 -----------------------------------
// "Historical values of the Earth's clock error Delta T and the calculation of eclipses", J. Hist.
// Astron. 35 (2004) 327-336: Delta-T at 100-year steps from 1000 BC to AD 1600, linear between
// them, and -20 + 32 u^2 (u = (y - 1820) / 100) outside. Their 1000 BC value, 25,400 s, is the
// parabola's own 25,428 s here, so that the two meet. From 1600 on they rest on the telescopic
// record, as Espenak and Meeus's polynomials do; both models use those from 1600.
constexpr double kMsTableFrom = -1000;
constexpr double kMsTableStep = 100;
constexpr double kMsTable[] = {25428, 23700, 22000, 21000, 19040, 17190, 15530, 14080, 12790,
                               11640, 10580, 9600,  8640,  7680,  6700,  5710,  4740,  3810,
                               2960,  2200,  1570,  1090,  740,   490,   320,   200,   120};
constexpr double kMsTableTo = kMsTableFrom + kMsTableStep * (std::size(kMsTable) - 1);  // 1600

double MsParabola(double y) { return -20 + 32 * CenturiesSquared(y, 1820); }

double EspenakMeeusSeconds(double y) { return deltat(y, 0) * 60; }

double MorrisonStephensonSeconds(double y)
{
    if (y < kMsTableFrom)
        return MsParabola(y);
    if (y >= kMsTableTo)
        return EspenakMeeusSeconds(y);
    const double position = (y - kMsTableFrom) / kMsTableStep;
    const auto i = static_cast<size_t>(position);
    return kMsTable[i] + (kMsTable[i + 1] - kMsTable[i]) * (position - static_cast<double>(i));
}

// Morrison and Stephenson's standard error, 0.8 u^2 s, which Espenak and Meeus adopt for their
// canon; about 20 s from 1300 to 1600 from the decade fluctuations; in the telescopic era
// Stephenson and Houlden's 20 s (1600), 5 s (1700), 1 s (1800), 0.1 s (1900), linear between;
// 0.1 s while Delta-T is measured; after 2005, a prediction, the same 0.8 u^2 again.
constexpr Epoch kTelescopicSigma[] = {{1600, 20}, {1700, 5}, {1800, 1}, {1900, 0.1}};

double MorrisonStephensonSigma(double y)
{
    if (y < 1300)
        return std::max(20.0, 0.8 * CenturiesSquared(y, 1820));
    if (y < 1600)
        return 20;
    if (y < 1900)
        return Interpolated(std::begin(kTelescopicSigma), std::end(kTelescopicSigma), y);
    if (y < 2005)
        return 0.1;
    return std::max(0.1, 0.8 * CenturiesSquared(y, 1820));
}

}  // namespace

DeltaTEstimate EstimateDeltaT(DeltaTModel model, double decimalYear)
{
    const double y = decimalYear;
    if (std::isnan(y))  // every table lookup below needs an ordered year
        return {y, y};
    switch (model) {
    case DeltaTModel::Smh2016: return {Smh2016Seconds(y), Smh2016Sigma(y)};
    case DeltaTModel::MorrisonStephenson2004:
        return {MorrisonStephensonSeconds(y), MorrisonStephensonSigma(y)};
    case DeltaTModel::EspenakMeeus2006: break;
    }
    return {EspenakMeeusSeconds(y), MorrisonStephensonSigma(y)};
}

double DecimalYearOfJD(double jd) { return 2000 + (jd - 2451545.0) / 365.25; }

const char *DeltaTModelId(DeltaTModel model)
{
    switch (model) {
    case DeltaTModel::Smh2016: return "smh2016";
    case DeltaTModel::MorrisonStephenson2004: return "ms2004";
    case DeltaTModel::EspenakMeeus2006: break;
    }
    return "em2006";
}

const char *DeltaTModelTitle(DeltaTModel model)
{
    switch (model) {
    case DeltaTModel::Smh2016: return "Stephenson, Morrison and Hohenkerk 2016";
    case DeltaTModel::MorrisonStephenson2004: return "Morrison and Stephenson 2004";
    case DeltaTModel::EspenakMeeus2006: break;
    }
    return "Espenak and Meeus 2006";
}

std::optional<DeltaTModel> DeltaTModelOfId(std::string_view id)
{
    for (DeltaTModel model : kDeltaTModels) {
        if (id == DeltaTModelId(model))
            return model;
    }
    return std::nullopt;
}

}  // namespace vardex
