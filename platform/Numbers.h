#pragma once
// Number helpers shared by the whole program: the one rounding rule, guarded
// truncation and number formatting that never follows the user's locale.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace platform {

// Rounds half away from zero: 2.5 -> 3, -2.5 -> -3. NaN gives 0; values out of
// the int range are clamped.
int RoundHalfAway(double v);

// The quotient num / den rounded half away from zero, computed exactly on
// whole numbers (no binary fraction in between, so 10 % of 5 is 1 and 10 % of
// -15 is -2). A zero denominator gives 0; results beyond int are clamped.
int RoundedQuotient(long long num, long long den);

// percent % of amount, rounded half away from zero: RoundedQuotient of
// percent x amount and 100.
int RoundedPercentOf(long long percent, long long amount);

// Truncates toward zero after the same guard (NaN -> 0, clamped to int range).
int TruncToInt(double v);

// printf-style formatting in the C locale whatever the process locale is:
// FormatC("%1.1f", 1.3) is "1.3" under fi_FI too.
QString FormatC(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// printf-style placing of texts: "%s", "%Ns" (right-aligned in N
// characters) and "%-Ns" (left-aligned) take the next text of args, "%%" is a
// percent sign, every other character stands as it is. Widths count
// characters, not bytes, so "ä" and "€" take one column each; a longer text
// is not cut. Missing texts count as empty.
QString FormatTexts(const char* format, const QStringList& args);

// Fixed-point text with the given number of decimals, C locale.
QString FormatFixed(double v, int decimals);

// Decimal text of an integer (no grouping).
QString IntText(long long v);

}  // namespace platform
