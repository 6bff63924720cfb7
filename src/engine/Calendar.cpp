#include "Calendar.h"

#include "DeeCalendar.h"

namespace vardex {

int32_t DateToJDN(EuroDate &date)
{
    if (date.calendar == kCalendarDee)
        return DeeDateToJDN(date) ? -1 : 0;
    return euro_date_to_jdn(&date);
}

void JDNToDate(EuroDate &date)
{
    if (date.calendar == kCalendarDee)
        DeeJDNToDate(date);
    else
        jdn_to_euro_date(&date);
}

}  // namespace vardex
