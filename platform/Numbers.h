#pragma once
// Number helpers shared by the whole program: the one rounding rule, guarded
// truncation and number formatting that never follows the user's locale.

#include <QString>
#include <cstdint>

namespace platform {

// Rounds half away from zero: 2.5 -> 3, -2.5 -> -3. NaN gives 0; values out of
// the int range are clamped.
int RoundHalfAway(double v);

// Truncates toward zero after the same guard (NaN -> 0, clamped to int range).
int TruncToInt(double v);

// printf-style formatting in the C locale whatever the process locale is:
// FormatC("%1.1f", 1.3) is "1.3" under fi_FI too.
QString FormatC(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Fixed-point text with the given number of decimals, C locale.
QString FormatFixed(double v, int decimals);

// Decimal text of an integer (no grouping).
QString IntText(long long v);

}  // namespace platform
