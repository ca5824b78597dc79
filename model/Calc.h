#pragma once
// Single-tree models: stem volume, the growth step of one tree, the model age
// of the increment models and the timber outturn table. Pure functions in
// single precision; no state.

// Stem volume in dm3 of a tree of diameter d100 (1/100 cm) and height hcm (cm).
// Species 0 pine, 1 spruce, 2 birch, 3 aspen, 4 alder, 5 a broadleaf without
// its own factor.
float StemVolume(float d100, float hcm, int species);

// The species' model age used by the increment models.
float ModelAge(float age, int species);

// Damps the growth part of a height multiplier m by the age n (whole years).
float HeightGrowthAgeFactor(int species, int n, float m);

// The plausible edge of height growth: the most a tree gains in a year (m)
// and the height (m) that growth never takes a tree past.
constexpr float kMaxHeightGainPerYear = 1.5f;
constexpr float kMaxGrownHeight = 45.0f;

// One growth period of one tree: d in cm, h in m, age in years, years the
// length of the period; G (m2/ha), Dg (cm), Hg (m) and Hdom (m) describe the
// standing stock at the start of the period (Hg is not used by the model).
// The size factor of the growth stops at 0, so trees above about 82 cm keep
// their size; a model age of 0 or less (a spruce under 4 years) counts as 1.
// The height gain is held at kMaxHeightGainPerYear a year and the grown
// height at kMaxGrownHeight (a taller tree keeps its height).
void TreeGrowthStep(float& newD, float& newH, float d, float h, int species, float age,
                    int years, float G, float Dg, float Hg, float Hdom);

// The same step with the terms that do not depend on the tree worked out
// beforehand: the age terms once per species and age, the stock terms once
// per period. The results are bit for bit those of the call above:
//   const GrowthStockTerms stock = MakeGrowthStockTerms(G, Dg, Hdom);
//   const GrowthAgeTerms a = MakeGrowthAgeTerms(age, species);
//   TreeGrowthStep(newD, newH, d, h, years, a, stock);
struct GrowthAgeTerms {
  float diameter = 0.0f;     // 0.6675 ln A of the diameter increment
  float height = 0.0f;       // 0.9002 ln A of the height increment
  float heightShare = 1.0f;  // share of the height growth kept at age trunc(A)
};
struct GrowthStockTerms {
  float basalArea = 0.0f;       // 0.4758 ln G
  float meanDiameter = 0.0f;    // 0.1773 ln Dg
  float dominantHeight = 0.0f;  // 0.9442 ln Hdom
};
GrowthAgeTerms MakeGrowthAgeTerms(float age, int species);
GrowthStockTerms MakeGrowthStockTerms(float G, float Dg, float Hdom);
void TreeGrowthStep(float& newD, float& newH, float d, float h, int years,
                    const GrowthAgeTerms& age, const GrowthStockTerms& stock);

// The outturn table: returns the log share and writes the pulpwood share, both
// fractions of the stem volume, for a tree of diameter class dClass (whole cm)
// and height class hClass (whole m), each rounded half away from zero by the
// caller. The rest of the stem is energy wood.
float AssortmentShares(float& pulpShare, int dClass, int hClass, int species);

// Whether a tree of the species with diameter d (whole cm) and height h
// (whole m) gives logs (a sawlog tree). NOTE the argument order: species first.
bool TreeHasVolume(int species, int d, int h);
