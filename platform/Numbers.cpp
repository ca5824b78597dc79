#include "platform/Numbers.h"

#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <limits>
#include <locale.h>
#include <vector>

namespace platform {

namespace {

int ClampToInt(double v) {
  if (std::isnan(v)) return 0;
  if (v >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
  if (v <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
  return static_cast<int>(v);
}

// A C locale object made once; used through uselocale so that formatting is
// independent of setlocale() calls made by Qt or anyone else.
locale_t CLocale() {
  static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return loc;
}

}  // namespace

// std::round rounds halves away from zero; NaN stays NaN for the guard.
int RoundHalfAway(double v) { return ClampToInt(std::round(v)); }

int RoundedQuotient(long long num, long long den) {
  if (den == 0) return 0;
  // Magnitudes in unsigned arithmetic so that the most negative values do
  // not overflow; 2 |num| + |den| fits, as the callers pass int-sized
  // products.
  const bool negative = (num < 0) != (den < 0);
  const unsigned long long n = num < 0 ? 0ULL - static_cast<unsigned long long>(num) : num;
  const unsigned long long d = den < 0 ? 0ULL - static_cast<unsigned long long>(den) : den;
  const unsigned long long q = (2 * n + d) / (2 * d);
  const double signedQ = negative ? -static_cast<double>(q) : static_cast<double>(q);
  return ClampToInt(signedQ);
}

int RoundedPercentOf(long long percent, long long amount) { return RoundedQuotient(percent * amount, 100); }

int TruncToInt(double v) { return ClampToInt(std::trunc(v)); }

QString FormatC(const char* format, ...) {
  locale_t old = uselocale(CLocale());
  va_list ap;
  va_start(ap, format);
  va_list ap2;
  va_copy(ap2, ap);
  char small[256];
  int n = std::vsnprintf(small, sizeof small, format, ap);
  QString result;
  if (n >= 0 && n < static_cast<int>(sizeof small)) {
    result = QString::fromUtf8(small, n);
  } else if (n >= 0) {
    std::vector<char> big(static_cast<size_t>(n) + 1);
    std::vsnprintf(big.data(), big.size(), format, ap2);
    result = QString::fromUtf8(big.data(), n);
  }
  va_end(ap2);
  va_end(ap);
  uselocale(old);
  return result;
}

QString FormatTexts(const char* format, const QStringList& args) {
  QString out;
  int next = 0;
  for (const char* p = format; *p; ++p) {
    if (*p != '%') {
      out += QLatin1Char(*p);
      continue;
    }
    ++p;
    if (*p == '%') {
      out += QLatin1Char('%');
      continue;
    }
    const bool left = *p == '-';
    if (left) ++p;
    int width = 0;
    while (*p >= '0' && *p <= '9') width = width * 10 + (*p++ - '0');
    // Only text conversions are placed here; anything else is kept as written.
    if (*p != 's') {
      out += QLatin1Char('%');
      if (!*p) break;
      out += QLatin1Char(*p);
      continue;
    }
    const QString text = next < args.size() ? args.at(next) : QString();
    ++next;
    out += left ? text.leftJustified(width) : text.rightJustified(width);
  }
  return out;
}

QString FormatFixed(double v, int decimals) { return FormatC("%.*f", decimals, v); }

QString IntText(long long v) { return QString::number(v); }

}  // namespace platform
