// SPDX-License-Identifier: MIT
// Delta-T (TT - UT) by three published models, each with its uncertainty as its authors give it.
// The model is a value the caller passes; nothing here remembers a choice. Standard C++ only.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace vardex {

enum class DeltaTModel {
    EspenakMeeus2006,       // the polynomials of the Five Millennium Canon (NASA/TP-2006-214141)
    Smh2016,                // Stephenson, Morrison and Hohenkerk 2016, with their 2020 table
    MorrisonStephenson2004  // their table of 2004 at 100-year steps and their parabola
};

inline constexpr std::array<DeltaTModel, 3> kDeltaTModels = {
    DeltaTModel::EspenakMeeus2006, DeltaTModel::Smh2016, DeltaTModel::MorrisonStephenson2004};

struct DeltaTEstimate {
    double seconds = 0;
    double sigmaSeconds = 0;  // one standard error
};

// Delta-T at a decimal year (2000.0 = the start of 2000). Finite for every finite year.
DeltaTEstimate EstimateDeltaT(DeltaTModel model, double decimalYear);

// The decimal year of a Julian Date: 2000 + (JD - 2451545) / 365.25.
double DecimalYearOfJD(double jd);

// The model's name on the command line and in files: "em2006", "smh2016", "ms2004".
const char *DeltaTModelId(DeltaTModel model);

// Its authors and year, as the windows name it: "Espenak and Meeus 2006", ...
const char *DeltaTModelTitle(DeltaTModel model);

// The model of an id, or nothing.
std::optional<DeltaTModel> DeltaTModelOfId(std::string_view id);

}  // namespace vardex
