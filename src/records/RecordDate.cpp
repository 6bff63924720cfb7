// SPDX-License-Identifier: MIT
#include "RecordDate.h"

namespace vardex {

const char *DateQualifierName(DateQualifier) { return "exact"; }
const char *RecordCalendarName(RecordCalendar) { return "gregorian"; }
RecordDateReading ReadRecordDate(std::string_view, const Place *) { return {}; }

}  // namespace vardex
