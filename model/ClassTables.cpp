#include "model/ClassTables.h"

#include "platform/Numbers.h"

#include <cmath>

namespace {

// Spread of the widest alternative, which grows for small diameters.
void WidestSpread(int diameter, float& c1, float& c2) {
    if (diameter >= 3) {
        const float r = static_cast<float>(diameter) / 45.0f;
        c1 = 0.05f - 0.01f * r * r;
        c2 = 0.096f - 0.006f * r * r;
    } else {
        c1 = 0.02f;
        c2 = 0.045f;
    }
}

float WidestExtra(int diameter) {
    float c1 = 0.0f;
    float c2 = 0.0f;
    WidestSpread(diameter, c1, c2);
    const float t = (45.0f - static_cast<float>(diameter)) / 41.0f;
    return c1 + c2 * t * t * t * t;
}

int BoundFrom(float factor, float b, int diameter, float sign) {
    const float r = static_cast<float>(diameter) / 45.0f;
    const float f = factor + sign * b * r * r;
    return platform::RoundHalfAway(static_cast<double>(f * static_cast<float>(diameter)));
}

}  // namespace

void LowerDiameterFactors(float& a, float& b, int diameter, int k) {
    switch (k) {
    case 0: a = 0.38f - WidestExtra(diameter); break;
    case 1: a = 0.38f; break;
    case 2: a = 0.50f; break;
    case 3: a = 0.62f; break;
    default: a = 0.74f; break;
    }
    b = 0.12f;
}

void UpperDiameterFactors(float& a, float& b, int diameter, int k) {
    switch (k) {
    case 0: a = 1.62f + WidestExtra(diameter); break;
    case 1: a = 1.62f; break;
    case 2: a = 1.50f; break;
    case 3: a = 1.38f; break;
    default: a = 1.26f; break;
    }
    b = 0.06f;
}

int DiameterLowerBound(int k, int diameter) {
    float a = 0.0f;
    float b = 0.0f;
    LowerDiameterFactors(a, b, diameter, k);
    return BoundFrom(a, b, diameter, -1.0f);
}

int DiameterUpperBound(int k, int diameter) {
    float a = 0.0f;
    float b = 0.0f;
    UpperDiameterFactors(a, b, diameter, k);
    return BoundFrom(a, b, diameter, 1.0f);
}

void FitBetaDistribution(float min, float mid, float max, float& a1, float& b1) {
    a1 = 0.0f;
    b1 = 0.0f;
    const float range = max - min;
    if (!(range > 0.0f)) return;
    const float m = (min + max + 10.0f * mid) / 12.0f;
    const float s = std::sqrt(((min - m) * (min - m) + (max - m) * (max - m) +
                               10.0f * (mid - m) * (mid - m)) / 11.0f);
    const float p = (m - min) / range;
    const float v = s / range;
    if (!(p > 0.0f && p < 1.0f && v > 0.0f)) return;
    const float r = p / (1.0f - p);
    const float q = (r / ((r + 1.0f) * (r + 1.0f) * v * v) - 1.0f) / (r + 1.0f) - 1.0f;
    if (!std::isfinite(q)) return;
    a1 = (q + 1.0f) * r - 1.0f;
    b1 = q;
}

int SpeciesStemCountFromBasalArea(int basalAreaTenths, int diameter, int k, int startIndex,
                                  DiameterClassRow* row) {
    if (row) *row = DiameterClassRow{};
    if (diameter <= 0) {
        if (row) {
            for (auto& v : row->cum) v = startIndex;
        }
        return 0;
    }
    const float g = static_cast<float>(basalAreaTenths) * 0.1f;
    const int dmin = DiameterLowerBound(k, diameter);
    int dmax = DiameterUpperBound(k, diameter);
    // Bounds that meet would give classes of no width; one centimetre keeps
    // the classes apart (the fit then falls back to even weights).
    if (dmax <= dmin) dmax = dmin + 1;
    const float fmin = static_cast<float>(dmin);
    const float fmax = static_cast<float>(dmax);
    const float w = (fmax - fmin) * 0.1f;

    float p = 0.0f;
    float q = 0.0f;
    FitBetaDistribution(fmin, static_cast<float>(diameter), fmax, p, q);

    float x[10];
    float f[10];
    float sum = 0.0f;
    for (int i = 0; i < 10; ++i) {
        x[i] = fmin - 0.5f * w + static_cast<float>(i + 1) * w;
        f[i] = std::exp(p * std::log(x[i] - fmin) + q * std::log(fmax - x[i]));
        sum += f[i];
    }
    if (!(sum > 0.0f) || !std::isfinite(sum)) {
        for (float& v : f) v = 1.0f;
        sum = 10.0f;
    }

    float t = 0.0f;
    if (row) row->cum[0] = startIndex;
    for (int i = 0; i < 10; ++i) {
        const float half = 0.005f * x[i];
        const float gi = 3.14159f * half * half;
        const float n = f[i] * (g / sum) / gi;
        t = t + n;
        if (row) {
            row->cum[i + 1] = platform::TruncToInt(t) + startIndex;
            row->c[i + 1] = platform::TruncToInt(100.0f * x[i]);
        }
    }
    return platform::TruncToInt(t);
}

void ApplyStemCountAlternative(const int basalAreaTenths[5], const int diameters[5], int k,
                               int stems[5], DiameterClassTable& rows) {
    int start = 0;
    for (int s = 0; s < 5; ++s) {
        stems[s] = SpeciesStemCountFromBasalArea(basalAreaTenths[s], diameters[s], k, start,
                                                 &rows[static_cast<std::size_t>(s)]);
        start += stems[s];
    }
    rows[5] = DiameterClassRow{};
}

int StemCountAlternativeTotal(const int basalAreaTenths[5], const int diameters[5], int k) {
    int total = 0;
    for (int s = 0; s < 5; ++s)
        total += SpeciesStemCountFromBasalArea(basalAreaTenths[s], diameters[s], k, 0, nullptr);
    return total;
}

QString StemCountAlternativeName(int k) {
    switch (k) {
    case 0: return QStringLiteral("B5");
    case 1: return QStringLiteral("B4");
    case 2: return QStringLiteral("B3");
    case 3: return QStringLiteral("B2");
    default: return QStringLiteral("B1");
    }
}

QString StemCountAlternativeText(int stems, int k) {
    QString text = StemCountAlternativeName(k) + QStringLiteral(" :  ") + platform::IntText(stems) +
                   QStringLiteral("  runkoa/ha");
    if (k == kDefaultStemCountAlternative) text += QStringLiteral("    ( oletus )");
    return text;
}

void MeanHeightRange(int diameter, int& lowest, int& highest, int species) {
    // Lowest and highest mean height (m) for the diameters 2 .. 35 cm.
    static const int kLow[] = {2, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 10,
                               11, 11, 11, 12, 12, 12, 13, 13, 13, 14, 14, 14, 15, 15, 15, 16, 16};
    static const int kHigh[] = {5, 7, 8, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23,
                                24, 25, 26, 26, 27, 27, 28, 28, 29, 29, 30, 30, 31, 31, 32, 32, 33};
    static_assert(sizeof(kLow) == sizeof(kHigh));
    constexpr int kCount = static_cast<int>(sizeof(kLow) / sizeof(kLow[0]));
    const int index = diameter - 2;
    if (index >= 0 && index < kCount) {
        lowest = kLow[index];
        highest = kHigh[index];
    } else {
        lowest = 16;
        highest = 33;
    }
    if ((species == 2 || species == 3) && diameter < 31) highest += 1;
}

int TenthsFromText(const QString& text) {
    if (text.size() < 2) return text.trimmed().toInt();
    QString digits = text;
    digits.remove(digits.size() - 2, 1);
    bool ok = false;
    const int value = digits.trimmed().toInt(&ok);
    return ok ? value : 0;
}
