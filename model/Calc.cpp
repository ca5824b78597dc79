// Single-tree models in single precision (the build keeps -ffp-contract=off so
// that every product is rounded to float as written).

#include "model/Calc.h"

#include "platform/Numbers.h"

#include <cmath>

namespace {

struct VolumeFunction {
  float b0, b1, b2, b3, b4;
};

constexpr VolumeFunction kPine{0.036089f, 2.01395f, 0.99676f, 2.07025f, 1.07209f};
constexpr VolumeFunction kSpruce{0.022972f, 1.91505f, 0.99146f, 2.82541f, 1.53547f};
constexpr VolumeFunction kBirch{0.011197f, 2.10253f, 0.986f, 3.98519f, 2.659f};

// V = b0 d^b1 b2^d h^b3 (h - 1.3)^-b4, evaluated in logarithms.
float VolumeOf(const VolumeFunction& f, float d, float h) {
  const float lnV = std::log(f.b0) + f.b1 * std::log(d) + d * std::log(f.b2) +
                    f.b3 * std::log(h) - f.b4 * std::log(h - 1.3f);
  return std::exp(lnV);
}

// Ceiling of the diameter multiplier of one period, piecewise linear in d.
float DiameterCeiling(float d) {
  float c;
  if (d < 6.0f) {
    c = (6.0f - d) * 0.25f * 1.4f + 1.7f;
  } else if (d < 13.0f) {
    c = (13.0f - d) / 7.0f * 0.35f + 1.35f;
  } else if (d < 20.0f) {
    c = (20.0f - d) / 7.0f * 0.25f + 1.1f;
  } else if (d < 30.0f) {
    c = (30.0f - d) * 0.1f * 0.05f + 1.05f;
  } else {
    c = (70.0f - d) * 0.025f * 0.05f + 1.0f;
  }
  return c < 1.0f ? 1.0f : c;
}

// (1 + 0.01 percent)^years, computed as exp(years ln(1 + 0.01 percent)).
float PeriodMultiplier(float percent, int years) {
  return std::exp(static_cast<float>(years) * std::log(1.0f + 0.01f * percent));
}

}  // namespace

float StemVolume(float d100, float hcm, int species) {
  const float d = 0.01f * d100;
  float h = 0.01f * hcm;
  if (h < 2.5f) h = 2.5f;
  if (species == 1) return VolumeOf(kSpruce, d, h);
  if (species == 0 || h < 3.0f) return VolumeOf(kPine, d, h);
  const float v = VolumeOf(kBirch, d, h);
  if (species == 3) return v * (1.0f - 0.001f * d);
  if (species >= 4) return v * (1.0f - 0.002f * d);
  return v;
}

float ModelAge(float age, int species) {
  if (species == 0) return age;
  if (species == 1) {
    const float a = age < 100.0f ? age : 100.0f;
    if (a < 12.0f) return a - 3.0f;
    if (a <= 32.0f) return a - 3.0f - (a - 12.0f) * 5.0f / 20.0f;
    const float r = (100.0f - a) / 68.0f;
    return a - 8.0f * (r * r);
  }
  float a = ((age - 20.0f) * 0.01f + 1.05f) * age;
  if (species == 3) a *= 1.1f;
  if (species == 4) a *= 1.3f;
  return a;
}

namespace {

// f(n) of the height-growth age factor: the share of the growth part kept at
// the age of n whole years.
float HeightGrowthAgeShare(int n) {
  if (n < 46) return 1.0f;
  if (n <= 69) return 1.0f - 0.02f * static_cast<float>(n - 45);
  if (n <= 85) return 0.51f - 0.01f * static_cast<float>(n - 70);
  return 0.36f;
}

}  // namespace

float HeightGrowthAgeFactor(int /*species*/, int n, float m) {
  return 1.0f + (m - 1.0f) * HeightGrowthAgeShare(n);
}

GrowthAgeTerms MakeGrowthAgeTerms(float age, int species) {
  float A = ModelAge(age, species);
  // The increment equations need a positive model age: a spruce younger than
  // four years (model age a - 3) and a tree of age 0 grow as at model age 1.
  if (!(A > 0.0f)) A = 1.0f;
  // From here on every species grows with the same (pine) equations; spruce
  // differs only through its model age.
  const float lnA = std::log(A);
  GrowthAgeTerms t;
  t.diameter = 0.6675f * lnA;
  t.height = 0.9002f * lnA;
  t.heightShare = HeightGrowthAgeShare(platform::TruncToInt(A));
  return t;
}

GrowthStockTerms MakeGrowthStockTerms(float G, float Dg, float Hdom) {
  GrowthStockTerms t;
  t.basalArea = 0.4758f * std::log(G);
  t.meanDiameter = 0.1773f * std::log(Dg);
  t.dominantHeight = 0.9442f * std::log(Hdom);
  return t;
}

void TreeGrowthStep(float& newD, float& newH, float d, float h, int years,
                    const GrowthAgeTerms& age, const GrowthStockTerms& stock) {
  const float lnD = std::log(d);
  const float lnH = std::log(h);
  const float id = std::exp(5.4625f - age.diameter - stock.basalArea + stock.meanDiameter -
                            stock.dominantHeight - 0.3631f * lnD + 0.7762f * lnH);
  // The height increment takes the height as at least 3 m.
  const float lnH3 = h >= 3.0f ? lnH : std::log(3.0f);
  const float ih = std::exp(5.4636f - age.height + 0.5475f * lnD - 1.1339f * lnH3);

  float Mh = PeriodMultiplier(ih, years);
  Mh = 1.0f + (Mh - 1.0f) * age.heightShare;
  float Md = PeriodMultiplier(id, years);

  // Size factor of both growth parts; from about 82 cm on it would turn
  // negative and shrink the tree, so it stops at 0 (no growth).
  float f = 1.15f - 0.7f * 0.02f * d;
  if (f < 0.0f) f = 0.0f;
  Mh = (Mh - 1.0f) * f + 1.0f;
  Md = (Md - 1.0f) * f + 1.0f;

  // The part of a period's diameter increment above 1.8 cm is damped by g.
  const float g = 0.01f * (50.0f - (2.0f / 3.0f) * d);
  if ((Md - 1.0f) * d > 1.8f) {
    Md = (Md - 1.8f / d - 1.0f) * g + 1.8f / d + 1.0f;
  }
  const float c = DiameterCeiling(d);
  if (Md > c) Md = c;

  newD = Md * d;
  newH = Mh * h;
  // At the youngest model ages the height equation leaves what a tree can
  // grow (a broadleaf of 4 years and 4 m would gain 2.8 m a year, a
  // spruce of model age 1 and 3 m would pass 160 m in five years). Growth is
  // held at the edge of the plausible: at most 1.5 m of height a year, and
  // never past 45 m; every step inside those bounds is as the equation gives.
  const float gainCap = h + kMaxHeightGainPerYear * static_cast<float>(years);
  if (newH > gainCap) newH = gainCap;
  if (newH > kMaxGrownHeight) newH = h > kMaxGrownHeight ? h : kMaxGrownHeight;
}

void TreeGrowthStep(float& newD, float& newH, float d, float h, int species, float age,
                    int years, float G, float Dg, float /*Hg*/, float Hdom) {
  TreeGrowthStep(newD, newH, d, h, years, MakeGrowthAgeTerms(age, species),
                 MakeGrowthStockTerms(G, Dg, Hdom));
}
