// The two dispatchers every conversion goes through: Dee dates are computed here, Gregorian
// and Julian dates by the daybridge library.
#pragma once

#include <cstdint>

#include "EuroDate.h"

namespace vardex {

// Sets valid and, for a valid date, jdn. Returns -1 for a valid Dee date and 0 for an invalid
// one; for the other calendars whatever the library returns. Callers read valid, not the status.
int32_t DateToJDN(EuroDate &date);

// Sets year, month and day from jdn in the record's calendar.
void JDNToDate(EuroDate &date);

}  // namespace vardex
