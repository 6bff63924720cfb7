#include "DeeVariant.h"

#include "engine/CalendarState.h"

namespace vardex {

QString DeeCalendarName(DeeVariant variant)
{
    return variant == DeeVariant::Dee ? QStringLiteral("Dee") : QStringLiteral("Dee-Cecil");
}

QString DeeCalendarDesignation(DeeVariant variant)
{
    return variant == DeeVariant::Dee ? QStringLiteral("D") : QStringLiteral("DC");
}

int32_t DeeEpochOf(DeeVariant variant) { return variant == DeeVariant::Dee ? kDeeEpochJDN : kDeeCecilEpochJDN; }

}  // namespace vardex
