#pragma once
// The stand sample: a synthetic one-hectare sample of individual trees built
// from the per-species measurement of a stand.
//
// The stems are placed at random on the plot with a minimum spacing that
// depends on the stem count and the stand's evenness, the species are mixed
// over the positions, and each tree gets a diameter from its species'
// diameter classes and a height from a height curve; diameters and heights
// are then corrected until each species matches its measured basal area and
// mean height.
//
// There is one sample for the program (the measurement window's); the
// open-stand preview fills the same array from a stand file, and a new stand
// object takes its tree list from it (data::FillFromMeasurement).
//
// Randomness: a build seeds the program's generator once from the clock
// (platform::SeedRandomFromClock; tests force a seed) and every later draw of
// that build comes from the same stream.

#include "model/ClassTables.h"

#include <array>
#include <cstdint>
#include <vector>

// One tree of the sample.
struct SampleTree {
    float x = 0.0f;         // plot units (3 per metre), 20..621
    float y = 0.0f;         // plot units, 50..201
    float diameter = 0.0f;  // breast-height diameter, 1/100 cm
    float height = 0.0f;    // cm
    std::int32_t species = 0;  // 0 pine .. 4 alder
};

// What the measurement window has entered, as the sample engine reads it.
struct SampleMeasurement {
    std::array<int, 5> stems{};            // stems per hectare, pine .. alder
    std::array<int, 5> meanDiameter{};     // entered mean diameter, whole cm
    std::array<int, 5> meanHeightTenths{}; // entered mean height, 0.1 m
    std::array<int, 5> basalAreaTenths{};  // entered basal area, 0.1 m2/ha
    int grouping = 1;          // 0 even ("A3"), 1 normal ("A2"), 2 uneven ("A1")
    int developmentClass = 0;  // DevelopmentClass code of the stand
    DiameterClassTable classes{};  // from ApplyStemCountAlternative
    int TotalStems() const;
};

// The largest sample (stems per hectare).
int MaxStemCount();

// ---- The sample array ----------------------------------------------------

// A new array of n records (zeroed); a previous array is released.
void AllocSampleTrees(int n);
// Releases the array; nothing happens when there is none.
void FreeSampleTrees();
// Number of records of the array (0 when there is none).
int SampleTreeCount();
bool HasSampleTrees();

// Record i, 0 <= i < SampleTreeCount(); no index checks.
void SetSampleTree(int i, float x, float y, float diameter, float height, int species);
void SetSampleTreeX(int i, float v);
void SetSampleTreeY(int i, float v);
void SetSampleTreeDiameter(int i, float v);
void SetSampleTreeHeight(int i, float v);
void SetSampleTreeSpecies(int i, int v);
float SampleTreeX(int i);
float SampleTreeY(int i);
float SampleTreeDiameter(int i);
float SampleTreeHeight(int i);
int SampleTreeSpecies(int i);
// y when byY is set, else the height.
float SampleTreeSortKey(int i, bool byY);

// Sorts records lo..hi ascending by the sort key (middle-pivot partition
// scheme; equal keys keep no particular order).
void SortSampleTrees(int lo, int hi, bool byY);

// ---- Building ------------------------------------------------------------

// Minimum distance of two trees in plot units: a t^8 + c with
// t = (12000 - n) / 12000 and (a, c) = (7, 2) even, (6, 1.5) normal, (2, 0.5)
// uneven or any other grouping.
float MinTreeSpacing(int n, int grouping);

// Random positions for records 0..n-1 with the minimum spacing against the
// round(300 / spacing) predecessors in y order; the records end sorted by y.
// Draws from the current random stream (no reseeding).
void PlaceSampleTrees(int n, int grouping);
// New positions for the existing trees after a change of the grouping: seeds
// the generator from the clock and places the records again; species and
// sizes stay.
void RepositionSampleTrees(int n, int grouping);
// Exchanges record i with a random record, i = 0..n-1.
void ShuffleSampleTrees(int n);
// Species by index range, sizes 0 (a small seedling stand).
void AssignSampleSpecies(int n, const SampleMeasurement& m);
// Species, class diameters and curve heights, then the basal-area and
// mean-height corrections per species.
void AssignSampleSizes(int n, const SampleMeasurement& m);

// Diameter (1/100 cm) of sample index i in a species' class table: the trees
// of a class are spread evenly over its width around the class middle.
float ClassDiameter(const DiameterClassRow& row, int i);
// Height curve through the species' mean diameter D (cm) and mean height
// Hdm (dm).
void HeightCurveParameters(int species, float D, int Hdm, float& a, float& b);
// Height (cm) of a tree of diameter d (1/100 cm) from the curve, with the
// fixed variation by the parity of trunc(d) and trunc(h).
float HeightFromDiameter(int species, float d, float D, int Hdm);
// Shifts the diameters of records first..first+count-1 in steps of 0.2
// (1/100 cm) until their basal area (m2) reaches target; current is the sum
// before the first pass.
void AdjustSampleDiameters(int first, int count, float current, float target);
// The same on the heights (steps of 0.2 cm) towards the basal-area-weighted
// mean height target (m).
void AdjustSampleHeights(int first, int count, float current, float target);

// Basal area (m2) of records first..first+count-1, and their
// basal-area-weighted mean height (m; 0 when they have no basal area).
float SampleBasalArea(int first, int count);
float SampleMeanHeight(int first, int count);
// Matches the trees of one species, records first..first+count-1, to its
// measured basal area (m2/ha) and mean height (m): the diameters first, then
// the heights, starting from the mean height the corrected diameters give.
void MatchSampleSpecies(int first, int count, float basalArea, float meanHeight);

// The whole build: with 1..12000 stems a new array is placed, shuffled and
// given species (small seedling stand) or sizes; otherwise no array exists.
// Seeds the generator from the clock once. Returns the number of records.
int RebuildStandSample(const SampleMeasurement& m);

// ---- What the measurement window shows of the sample ----------------------

struct SampleSummary {
    bool drawn = false;         // a sample with sizes lies within the limits
    bool anyLog = false;        // a log tree is among the sample
    bool anyBroadleaf = false;  // a species above spruce is among the sample
    std::array<std::int32_t, 13> volumes{};  // m3/ha by assortment, rounded
    std::int32_t totalVolume = 0;
    float basalArea = 0.0f;     // m2/ha
    float meanHeight = 0.0f;    // basal-area-weighted, m
    float meanDiameter = 0.0f;  // basal-area-weighted, cm
    // 10 x anyLog + anyBroadleaf
    int Code() const { return (anyLog ? 10 : 0) + (anyBroadleaf ? 1 : 0); }
};

// Orders the first n sample trees for the sample map and sums their growing
// stock. Nothing happens unless 0 < n <= 12000 and the entered basal area is
// at most 80 m2/ha. A small seedling stand's trees are shuffled and count for
// species only (not drawn as a stand); any other sample is sorted by y, so
// that trees further back are drawn first, and summed.
SampleSummary SummariseSample(int n, float enteredBasalArea, bool smallSeedlingStand);

// Whether sample tree i gives logs (diameter and height rounded to whole cm
// and m).
bool SampleTreeIsLogTree(int i);

// Code of the stand-means line: -4 entered basal area over 80 m2/ha; -3 over
// 12000 stems (-2 for a small seedling stand); -1 a small seedling stand;
// otherwise the basal area.
float StandMeansCode(int stems, float enteredBasalArea, float basalArea, bool smallSeedlingStand);
// The stand-means line for a code of StandMeansCode.
QString StandMeansText(float meanHeight, float meanDiameter, float basalAreaOrCode);

// ---- The growing-stock estimate chart ------------------------------------

// 2 when the entered basal area is over 80 m2/ha, else 1 with more than
// 12000 stems, else 0.
int GrowingStockState(int stems, float enteredBasalArea);

struct GrowingStockBar {
    int assortment = 0;  // Assortment index
    int value = 0;       // m3/ha, or its value at the unit prices
    int colourCode = 0;  // species colour code of the bar
    QString label;       // the assortment's name
};

struct GrowingStockChart {
    QString title1;
    QString title2;
    int total = 0;             // sum of the 13 (priced) volumes
    bool axisVisible = false;  // the left axis, and with it the currency box
    std::vector<GrowingStockBar> bars;  // ten bars when the axis is visible
};

// The growing-stock estimate of the measurement window: the volumes of the
// drawn sample (or their value at the settings' prices when asValue) as ten
// bars, aspen logs first and energy wood last, under a two-line title.
GrowingStockChart GrowingStockChartContent(const std::array<std::int32_t, 13>& volumes, int state,
                                           bool asValue);

// ---- The stem-count chart ------------------------------------------------

struct StemCountBar {
    int species = 0;     // 4 alder, 3 aspen, 2 birch, 1 spruce, 0 pine
    int value = 0;       // stems per hectare
    int colourCode = 0;  // species colour code
    QString label;       // the species name in lower case, a blank for no stems
};

// The five bars (alder first, pine last); none unless show and the counts
// add up to more than 0.
std::vector<StemCountBar> StemCountChartBars(const int counts[6], bool show);

// The caption over the stem-count chart: the total and " runkoa/ha" when
// show, then, while the grouping list is shown, "     (" + its code ("A2")
// and ", " + the alternative's name + ")" for an alternative of 0 or more,
// else ")".
QString StemCountCaption(bool show, int total, bool groupingShown, const QString& groupingCode,
                         int alternative);
