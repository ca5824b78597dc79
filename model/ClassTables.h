#pragma once
// Stem counts and diameter classes of a measured stand.
//
// A species' measured basal area and mean diameter become stems per hectare
// under an assumed beta diameter distribution between a lower and an upper
// diameter bound, cut into ten classes of equal width. Five widths are offered
// as the stem-count alternatives "B5" (widest) .. "B1" (narrowest), "B3" by
// default. The chosen alternative fixes the per-species stem counts and the
// class tables from which the sample engine (Sample.h) draws the trees.
//
// The measurement window only shows what these functions compute.

#include <QString>
#include <array>
#include <cstdint>

// Number of stem-count alternatives and the default one ("B3").
constexpr int kStemCountAlternatives = 5;
constexpr int kDefaultStemCountAlternative = 2;

// One species' diameter-class table, ten classes i = 0..9 in increasing
// diameter:
//   cum[0]      index of the species' first tree in the sample array;
//   cum[i + 1]  one past the index of the last tree of class i, so class i
//               covers the sample indices cum[i] .. cum[i + 1] - 1;
//   c[i + 1]    diameter at the middle of class i, 1/100 cm, truncated.
// c[0] is not a class value and stays 0.
struct DiameterClassRow {
    std::int32_t cum[11] = {};
    std::int32_t c[11] = {};
};

// One row per species slot (0 pine .. 4 alder; the sixth stays empty).
using DiameterClassTable = std::array<DiameterClassRow, 6>;

// Factor pairs of the diameter bounds for alternative k (0 "B5" .. 4 "B1";
// any other value is "B1"): the lower pair (factor, 0.12) and the upper pair
// (factor, 0.06); diameter is the mean diameter in whole cm.
void LowerDiameterFactors(float& a, float& b, int diameter, int k);
void UpperDiameterFactors(float& a, float& b, int diameter, int k);

// Lower and upper diameter bound in whole cm (rounded half away from zero).
// A mean diameter of 20 cm gives (6, 34), (7, 33), (10, 30), (12, 28), (14, 25)
// for k = 0 .. 4.
int DiameterLowerBound(int k, int diameter);
int DiameterUpperBound(int k, int diameter);

// Method-of-moments fit of a beta distribution to (min, mid, max): a1 and b1
// are alpha - 1 and beta - 1. A degenerate input (max not above min, mid on
// or outside the bounds) gives 0 and 0, the uniform distribution.
void FitBetaDistribution(float min, float mid, float max, float& a1, float& b1);

// Stems per hectare of one species under alternative k from its basal area
// (tenths of m2/ha) and mean diameter (whole cm). A diameter of 0 or less
// gives 0. When row is given it receives the species' class table, counted
// from startIndex in the sample array.
int SpeciesStemCountFromBasalArea(int basalAreaTenths, int diameter, int k, int startIndex,
                                  DiameterClassRow* row);

// Applies alternative k to the five species (pine .. alder) in order: each
// species' stems and class row, its start index being the stems of the
// species before it. Row 5 is cleared.
void ApplyStemCountAlternative(const int basalAreaTenths[5], const int diameters[5], int k,
                               int stems[5], DiameterClassTable& rows);

// Total stems per hectare of the five species under alternative k (the
// number shown in the alternative list).
int StemCountAlternativeTotal(const int basalAreaTenths[5], const int diameters[5], int k);

// "B5", "B4", "B3", "B2", "B1" for k = 0, 1, 2, 3 and any other value.
QString StemCountAlternativeName(int k);

// One item of the alternative list: "B3 :  1456  runkoa/ha    ( oletus )".
QString StemCountAlternativeText(int stems, int k);

// Allowed mean heights (whole metres) for a mean diameter (whole cm); birch
// and aspen below 31 cm may be one metre taller.
void MeanHeightRange(int diameter, int& lowest, int& highest, int species);

// A number written with one decimal as whole tenths: the character before the
// last is dropped and the rest read as an integer ("25.5" gives 255). Text
// that does not read as a number gives 0.
int TenthsFromText(const QString& text);
