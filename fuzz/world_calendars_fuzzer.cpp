// SPDX-License-Identifier: MIT
// Any int32 JDN in every world calendar: nothing crashes or hangs, every row says something, a row
// is null in the JSON exactly when it is out of range, and the French republican date goes back
// to the same day.
//
// Input: bytes 0-3 the JDN (little-endian), byte 4 the Dee variant.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "world/HandCalendars.h"
#include "world/WorldCalendars.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 5)
        return 0;
    uint32_t bits = 0;
    std::memcpy(&bits, data, sizeof bits);
    const auto jdn = static_cast<int32_t>(bits);
    const auto variant = data[4] % 2 ? vardex::DeeVariant::Dee : vardex::DeeVariant::DeeCecil;
    for (const vardex::WorldDay &day : vardex::DayInWorldCalendars(jdn, variant)) {
        if (day.text.empty() || (day.json == "null") == day.inRange)
            std::abort();
    }
    if (const auto french = vardex::FrenchRepublicanOf(jdn);
        french && vardex::FrenchRepublicanToJdn(*french) != jdn)
        std::abort();
    return 0;
}
