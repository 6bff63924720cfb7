// SPDX-License-Identifier: MIT
/* daybridge: proleptic Gregorian and Julian calendars, weekday and digit grouping.
 *
 * A small C library. Every function is reentrant, holds no state and never throws, so any
 * program may load it. Years use astronomical numbering (0 = 1 BC, -1 = 2 BC), and day numbers
 * are Julian day numbers (JDN 0 = 1 January 4713 BC of the proleptic Julian calendar, a Monday).
 *
 * Range: a date converts when its JDN fits in a signed 32-bit integer (years from about
 * -5,884,000 to +5,874,000); every int32_t JDN converts back to a date.
 */
#ifndef DAYBRIDGE_H
#define DAYBRIDGE_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#define DAYBRIDGE_API __declspec(dllexport)
#else
#define DAYBRIDGE_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Calendar codes: the character codes of the calendar letters. */
enum { DAYBRIDGE_GREGORIAN = 71 /* 'G' */, DAYBRIDGE_JULIAN = 74 /* 'J' */ };

/* The date record exchanged with callers; its layout is part of the interface. */
typedef struct EuroDate {
    int32_t year;     /* astronomical year */
    int32_t month;    /* 1..12 */
    int32_t day;      /* 1..31 */
    int32_t calendar; /* DAYBRIDGE_GREGORIAN or DAYBRIDGE_JULIAN */
    int32_t jdn;      /* Julian day number */
    int32_t valid;    /* 1 = year, month and day form a real date of the calendar, 0 = not */
} EuroDate;

#ifdef __cplusplus
#define DAYBRIDGE_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
#else
#define DAYBRIDGE_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif
DAYBRIDGE_STATIC_ASSERT(sizeof(EuroDate) == 24, "EuroDate is six packed 32-bit integers");
DAYBRIDGE_STATIC_ASSERT(offsetof(EuroDate, year) == 0, "year comes first");
DAYBRIDGE_STATIC_ASSERT(offsetof(EuroDate, month) == 4, "month is the second field");
DAYBRIDGE_STATIC_ASSERT(offsetof(EuroDate, day) == 8, "day is the third field");
DAYBRIDGE_STATIC_ASSERT(offsetof(EuroDate, calendar) == 12, "calendar is the fourth field");
DAYBRIDGE_STATIC_ASSERT(offsetof(EuroDate, jdn) == 16, "jdn is the fifth field");
DAYBRIDGE_STATIC_ASSERT(offsetof(EuroDate, valid) == 20, "valid is the last field");

/* Reads year, month, day and calendar; sets valid, and jdn when the date is valid (jdn is left
 * as it was otherwise). A day beyond the end of its month, a month outside 1..12, an unknown
 * calendar code or a date whose JDN would not fit in 32 bits gives valid = 0.
 * Returns 1 for a valid date, 0 for an invalid one, -1 when d is NULL. */
DAYBRIDGE_API int32_t euro_date_to_jdn(EuroDate *d);

/* Reads jdn and calendar; sets year, month, day and valid = 1. An unknown calendar code sets
 * valid = 0 and leaves the date fields alone. Returns valid, or -1 when d is NULL. */
DAYBRIDGE_API int32_t jdn_to_euro_date(EuroDate *d);

/* Weekday of a JDN, 0 = Sunday .. 6 = Saturday, for every int32_t value. */
DAYBRIDGE_API int32_t euro_day_of_week(int32_t jdn);

/* Groups the first run of digits of the NUL-terminated text `number` in threes from the right
 * with the character `separator` (1..255); what stands before the digits (a sign, blanks) and
 * after them (a decimal part) is copied unchanged. A separator of 0 copies the text ungrouped.
 * Writes at most 20 bytes into out20, always NUL-terminated; a longer result is cut.
 * Returns the number of characters written before the NUL, or -1 (out20 emptied when it is not
 * NULL) when number or out20 is NULL or the separator is outside 0..255. */
DAYBRIDGE_API int32_t separate_thousands(const char *number, int32_t separator, char *out20);

/* The library's version, "MAJOR.MINOR.PATCH"; a static string. */
DAYBRIDGE_API const char *daybridge_version(void);

#ifdef __cplusplus
}
#endif

#endif /* DAYBRIDGE_H */
