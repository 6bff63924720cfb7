// The two variants of the Dee calendar, which differ only in their epoch, and the words the
// windows use for each.
#pragma once

#include <QString>
#include <cstdint>

namespace vardex {

enum class DeeVariant {
    Dee,       // 1-1-1 D = JDN 1,721,425
    DeeCecil,  // 1-1-1 DC = JDN 1,721,426
};

// "Dee" or "Dee-Cecil".
QString DeeCalendarName(DeeVariant variant);

// "D" or "DC".
QString DeeCalendarDesignation(DeeVariant variant);

// The JDN of 1-1-1 in the variant, the value DeeEpochJDN takes when it is chosen.
int32_t DeeEpochOf(DeeVariant variant);

}  // namespace vardex
