// SPDX-License-Identifier: MIT
/* skyfold: Delta-T, the difference between Terrestrial (dynamical) Time and Universal Time.
 *
 * A small C library. Every function is reentrant, holds no state and never throws, so any
 * program may load it.
 *
 * Model: the polynomial expressions of F. Espenak and J. Meeus, "Five Millennium Canon of Solar
 * Eclipses: -1999 to +3000" (NASA/TP-2006-214141), section "Polynomial Expressions for Delta T".
 * Their ranges are taken half-open, [from, to), so a boundary year belongs to the range that
 * starts there (1600 uses the 1600-1700 polynomial). Before -500 and from 2150 on the long-term
 * parabola -20 + 32 u^2 seconds, u = (y - 1820) / 100, is used for every year, although the
 * authors claim accuracy only for -1999 .. +3000.
 */
#ifndef SKYFOLD_H
#define SKYFOLD_H

#include <stdint.h>

#if defined(_WIN32)
#define SKYFOLD_API __declspec(dllexport)
#else
#define SKYFOLD_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Values of deltat's second argument, `flag`, which selects the Delta-T model. Every value
 * selects the Espenak-Meeus (2006) polynomials in this version, so no value is an error;
 * SKYFOLD_MODEL_ESPENAK_MEEUS_2006 is the name to use. Vardex passes 1915, and that value is
 * promised to keep this meaning: should a later version add other models, they get new values
 * other than 0 and 1915. */
enum { SKYFOLD_MODEL_ESPENAK_MEEUS_2006 = 0 };

/* Delta-T = TT - UT in MINUTES for the decimal year `year`, which is the polynomials' y itself:
 * 2024.0 is the start of 2024 and 2024.5 its middle (the authors evaluate at the middle of a
 * month, y = year + (month - 0.5) / 12; a caller wanting that passes it so).
 *
 * The result is finite for every finite year (where the parabola would overflow, it is capped
 * at DBL_MAX / 60). NaN gives NaN; +infinity and -infinity give +infinity, the limit of the
 * parabola. `flag` selects the model as described above. */
SKYFOLD_API double deltat(double year, int32_t flag);

/* The library's version, "MAJOR.MINOR.PATCH"; a static string. */
SKYFOLD_API const char *skyfold_version(void);

#ifdef __cplusplus
}
#endif

#endif /* SKYFOLD_H */
