#include "model/Sample.h"

#include "model/Calc.h"
#include "model/Data.h"
#include "model/Names.h"
#include "model/PartitionSort.h"
#include "platform/Numbers.h"
#include "platform/Random.h"
#include "texts/Commonlan.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr int kMaxStems = kMaxTreeCount;  // a sample becomes the tree list of a stand
constexpr int kSmallSeedlingStand = 2;
constexpr float kPi = 3.14159f;
// One adjustment step: 0.2 (1/100 cm) for diameters, 0.2 cm for heights.
constexpr float kAdjustStep = 0.2f;
// Far more passes than any measured stand needs (4000 passes move every
// diameter by 8 cm); only guards against a loop that cannot end.
constexpr int kMaxAdjustPasses = 4000;
// Far more tries than a tree ever needs at the spacings of MinTreeSpacing;
// the last candidate is kept when they run out.
constexpr int kMaxPlacementTries = 100000;

std::vector<SampleTree>& Sample() {
    static std::vector<SampleTree> trees;
    return trees;
}
bool& SampleExists() {
    static bool exists = false;
    return exists;
}

// Basal area (m2) of a tree of diameter d (1/100 cm).
float TreeBasalArea(float d) {
    const float r = 0.00005f * d;
    return kPi * r * r;
}

// Species of sample index i by the index ranges of the stem counts.
int SpeciesOfIndex(int i, const SampleMeasurement& m) {
    int end = 0;
    for (int s = 0; s < 4; ++s) {
        end += m.stems[static_cast<std::size_t>(s)];
        if (i < end) return s;
    }
    return 4;
}

// A plot coordinate: whole units of the frame plus a random thousandth part.
float RandomCoordinate(int low, int high) {
    const int whole = platform::Random(high - low + 1);
    const int part = platform::Random(1000);
    return static_cast<float>(whole + low) + static_cast<float>(part) * 0.001f;
}

bool TooClose(const SampleTree& a, float x, float y, float spacing) {
    const float dx = x - a.x;
    const float dy = y - a.y;
    // Plot distances are small and finite: truncating in float is the
    // integer truncation, without the guarded conversion (the hot loop of
    // the placement).
    if (!(std::abs(std::trunc(dx)) < spacing)) return false;
    if (!(std::abs(std::trunc(dy)) < spacing)) return false;
    return std::hypot(dx, dy) < spacing;
}

// The correction loop shared by diameters and heights: the first pass only
// measures, later passes move every value one step towards the target; the
// loop ends when the measure has crossed the target or no longer approaches
// it. shift(delta) moves the values and returns target - measure.
template <typename Shift>
void AdjustTowards(float current, float target, Shift shift) {
    const float dir = target - current > 0.0f ? 1.0f : -1.0f;
    float step = 0.0f;
    float prev = 0.0f;
    for (int pass = 0; pass < kMaxAdjustPasses; ++pass) {
        const float diff = shift(dir * step);
        step = kAdjustStep;
        const bool go_on = prev == 0.0f || (diff > 0.0f && diff < prev) ||
                           (diff < 0.0f && diff > prev);
        if (!go_on) return;
        prev = diff;
    }
}

}  // namespace

int SampleMeasurement::TotalStems() const {
    int n = 0;
    for (int v : stems) n += v;
    return n;
}

int MaxStemCount() { return kMaxStems; }

void AllocSampleTrees(int n) {
    Sample().assign(static_cast<std::size_t>(std::max(n, 0)), SampleTree{});
    SampleExists() = true;
}

void FreeSampleTrees() {
    if (!SampleExists()) return;
    std::vector<SampleTree>().swap(Sample());
    SampleExists() = false;
}

int SampleTreeCount() { return static_cast<int>(Sample().size()); }
bool HasSampleTrees() { return SampleExists(); }

void SetSampleTree(int i, float x, float y, float diameter, float height, int species) {
    SetSampleTreeX(i, x);
    SetSampleTreeY(i, y);
    SetSampleTreeDiameter(i, diameter);
    SetSampleTreeHeight(i, height);
    SetSampleTreeSpecies(i, species);
}
void SetSampleTreeX(int i, float v) { Sample()[static_cast<std::size_t>(i)].x = v; }
void SetSampleTreeY(int i, float v) { Sample()[static_cast<std::size_t>(i)].y = v; }
void SetSampleTreeDiameter(int i, float v) { Sample()[static_cast<std::size_t>(i)].diameter = v; }
void SetSampleTreeHeight(int i, float v) { Sample()[static_cast<std::size_t>(i)].height = v; }
void SetSampleTreeSpecies(int i, int v) { Sample()[static_cast<std::size_t>(i)].species = v; }
float SampleTreeX(int i) { return Sample()[static_cast<std::size_t>(i)].x; }
float SampleTreeY(int i) { return Sample()[static_cast<std::size_t>(i)].y; }
float SampleTreeDiameter(int i) { return Sample()[static_cast<std::size_t>(i)].diameter; }
float SampleTreeHeight(int i) { return Sample()[static_cast<std::size_t>(i)].height; }
int SampleTreeSpecies(int i) { return Sample()[static_cast<std::size_t>(i)].species; }

float SampleTreeSortKey(int i, bool byY) {
    return byY ? SampleTreeY(i) : SampleTreeHeight(i);
}

void SortSampleTrees(int lo, int hi, bool byY) {
    auto& trees = Sample();
    if (lo < 0) lo = 0;
    if (hi >= static_cast<int>(trees.size())) hi = static_cast<int>(trees.size()) - 1;
    if (lo >= hi) return;
    SortKeys order(hi - lo + 1, [&](int k) {
        const SampleTree& t = trees[static_cast<std::size_t>(lo + k)];
        return byY ? t.y : t.height;
    });
    order.SortSmallerFirst();
    std::vector<SampleTree> sorted;
    sorted.reserve(order.positions.size());
    for (int k : order.positions) sorted.push_back(trees[static_cast<std::size_t>(lo + k)]);
    std::copy(sorted.begin(), sorted.end(), trees.begin() + lo);
}

float MinTreeSpacing(int n, int grouping) {
    const float t = static_cast<float>(kMaxStems - n) / static_cast<float>(kMaxStems);
    float a = 2.0f;
    float c = 0.5f;
    if (grouping == 0) {
        a = 7.0f;
        c = 2.0f;
    } else if (grouping == 1) {
        a = 6.0f;
        c = 1.5f;
    }
    const float t2 = t * t;
    const float t4 = t2 * t2;
    return a * (t4 * t4) + c;
}

void PlaceSampleTrees(int n, int grouping) {
    auto& trees = Sample();
    n = std::min(n, static_cast<int>(trees.size()));
    if (n <= 0) return;
    const float spacing = MinTreeSpacing(n, grouping);
    PlotFrame frame;
    DefaultPlotFrame(frame);

    for (int i = 0; i < n; ++i)
        trees[static_cast<std::size_t>(i)].y = RandomCoordinate(frame.top, frame.bottom);
    SortSampleTrees(0, n - 1, true);

    // A candidate is compared with the trees placed among its `neighbours`
    // predecessors. Those are found by columns of x: a tree is too close only
    // within the distance `spacing`, so only when |dx| < spacing, and such a
    // tree lies in the candidate's column or a neighbouring one as the
    // columns are wider than that. Each column lists its trees in index
    // order, so its predecessors are read from its end.
    const int neighbours = platform::RoundHalfAway(300.0 / static_cast<double>(spacing));
    const float width = spacing + 1.0f;
    const int columns = static_cast<int>(static_cast<float>(frame.right + 1 - frame.left) / width) + 1;
    auto columnOf = [&](float x) {
        return std::min(columns - 1, static_cast<int>((x - static_cast<float>(frame.left)) / width));
    };
    std::vector<std::vector<int>> placed(static_cast<std::size_t>(columns));
    for (int i = 0; i < n; ++i) {
        SampleTree& tree = trees[static_cast<std::size_t>(i)];
        const int first = std::max(i - neighbours, 0);
        float x = 0.0f;
        int column = 0;
        for (int tries = 0; tries < kMaxPlacementTries; ++tries) {
            x = RandomCoordinate(frame.left, frame.right);
            column = columnOf(x);
            bool clear = true;
            for (int c = std::max(column - 1, 0); clear && c <= std::min(column + 1, columns - 1); ++c) {
                const std::vector<int>& list = placed[static_cast<std::size_t>(c)];
                for (auto j = list.rbegin(); j != list.rend() && *j >= first; ++j) {
                    if (TooClose(trees[static_cast<std::size_t>(*j)], x, tree.y, spacing)) {
                        clear = false;
                        break;
                    }
                }
            }
            if (clear) break;
        }
        tree.x = x;
        placed[static_cast<std::size_t>(column)].push_back(i);
    }
}

void RepositionSampleTrees(int n, int grouping) {
    platform::SeedRandomFromClock();
    PlaceSampleTrees(n, grouping);
}

void ShuffleSampleTrees(int n) {
    auto& trees = Sample();
    n = std::min(n, static_cast<int>(trees.size()));
    for (int i = 0; i < n; ++i) {
        const int j = platform::Random(n);
        std::swap(trees[static_cast<std::size_t>(i)], trees[static_cast<std::size_t>(j)]);
    }
}

void AssignSampleSpecies(int n, const SampleMeasurement& m) {
    n = std::min(n, SampleTreeCount());
    for (int i = 0; i < n; ++i) {
        SampleTree& t = Sample()[static_cast<std::size_t>(i)];
        t.species = SpeciesOfIndex(i, m);
        t.diameter = 0.0f;
        t.height = 0.0f;
    }
}

float ClassDiameter(const DiameterClassRow& row, int i) {
    // The first class whose end lies beyond index i; a table that does not
    // cover i falls to the class at its edge.
    int k = 0;
    while (k < 9 && row.cum[k + 1] < i + 1) ++k;
    const float w = static_cast<float>(row.c[2] - row.c[1]);
    const int inClass = row.cum[k + 1] - row.cum[k];
    const float middle = static_cast<float>(row.c[k + 1]);
    if (inClass <= 0) return middle;
    int position = i + 1 - row.cum[k];
    position = std::clamp(position, 1, inClass);
    return middle - 0.5f * w +
           static_cast<float>(position) * w / static_cast<float>(inClass);
}

void HeightCurveParameters(int species, float D, int Hdm, float& a, float& b) {
    const float H = 0.1f * static_cast<float>(Hdm);
    float c0 = 0.2754f;
    float c1 = 0.0f;
    float c2 = -0.004176f;
    if (species <= 0) {
        c0 = 0.2908f;
        c1 = 0.001341f;
        c2 = -0.006337f;
    } else if (species == 1) {
        c0 = 0.3834f;
        c1 = 0.002992f;
        c2 = -0.00807f;
    }
    b = c0 + c1 * D + c2 * H;
    // A mean height at or below breast height has no curve through it; the
    // curve then passes a tenth of a metre above breast height and the
    // height correction takes the trees to the measured mean.
    float above = H - 1.3f;
    if (!(above >= 0.1f)) above = 0.1f;
    const float root = species == 1 ? std::pow(above, 0.33333f) : std::sqrt(above);
    a = D / root - b * D;
}

float HeightFromDiameter(int species, float d, float D, int Hdm) {
    float a = 0.0f;
    float b = 0.0f;
    HeightCurveParameters(species, D, Hdm, a, b);
    const float x = 0.01f * d;
    const float den = a + b * x;
    float h = 130.0f;
    if (den > 0.0f) {
        if (species == 1) {
            h = 100.0f * (x * x * x / (den * den * den) + 1.3f);
        } else {
            const float r = x / den;
            h = 100.0f * (r * r + 1.3f);
        }
    }
    const bool dEven = platform::TruncToInt(d) % 2 == 0;
    const bool hEven = platform::TruncToInt(h) % 2 == 0;
    float factor;
    if (dEven && hEven) {
        factor = 1.01f;
    } else if (!dEven && hEven) {
        factor = 0.97f;
    } else if (!dEven && !hEven) {
        factor = 0.94f;
    } else {
        factor = 1.09f;
    }
    return factor * h;
}

void AdjustSampleDiameters(int first, int count, float current, float target) {
    auto& trees = Sample();
    const int end = std::min(first + count, static_cast<int>(trees.size()));
    if (first < 0 || first >= end) return;
    AdjustTowards(current, target, [&](float delta) {
        float sum = 0.0f;
        for (int i = first; i < end; ++i) {
            SampleTree& t = trees[static_cast<std::size_t>(i)];
            t.diameter += delta;
            sum += TreeBasalArea(t.diameter);
        }
        return target - sum;
    });
}

void AdjustSampleHeights(int first, int count, float current, float target) {
    auto& trees = Sample();
    const int end = std::min(first + count, static_cast<int>(trees.size()));
    if (first < 0 || first >= end) return;
    AdjustTowards(current, target, [&](float delta) {
        for (int i = first; i < end; ++i) trees[static_cast<std::size_t>(i)].height += delta;
        return target - SampleMeanHeight(first, end - first);
    });
}

float SampleBasalArea(int first, int count) {
    const auto& trees = Sample();
    const int end = std::min(first + count, static_cast<int>(trees.size()));
    float sum = 0.0f;
    for (int i = std::max(first, 0); i < end; ++i)
        sum += TreeBasalArea(trees[static_cast<std::size_t>(i)].diameter);
    return sum;
}

float SampleMeanHeight(int first, int count) {
    const auto& trees = Sample();
    const int end = std::min(first + count, static_cast<int>(trees.size()));
    float sumG = 0.0f;
    float sumGH = 0.0f;
    for (int i = std::max(first, 0); i < end; ++i) {
        const SampleTree& t = trees[static_cast<std::size_t>(i)];
        const float g = TreeBasalArea(t.diameter);
        sumG += g;
        sumGH += 0.01f * t.height * g;
    }
    return sumG > 0.0f ? sumGH / sumG : 0.0f;
}

void MatchSampleSpecies(int first, int count, float basalArea, float meanHeight) {
    AdjustSampleDiameters(first, count, SampleBasalArea(first, count), basalArea);
    // The heights start from the mean that the corrected diameters give: the
    // new weights can carry the mean across the measured height, and a
    // correction that started from the mean before would then move the
    // heights away from it.
    AdjustSampleHeights(first, count, SampleMeanHeight(first, count), meanHeight);
}

void AssignSampleSizes(int n, const SampleMeasurement& m) {
    auto& trees = Sample();
    n = std::min(n, static_cast<int>(trees.size()));
    for (int i = 0; i < n; ++i) {
        const int s = SpeciesOfIndex(i, m);
        const auto si = static_cast<std::size_t>(s);
        const float D = static_cast<float>(m.meanDiameter[si]);
        const int Hdm = m.meanHeightTenths[si];
        const float d = ClassDiameter(m.classes[si], i);
        const float h = HeightFromDiameter(s, d, D, Hdm);
        SampleTree& t = trees[static_cast<std::size_t>(i)];
        t.diameter = d;
        t.height = h;
        t.species = s;
    }
    int first = 0;
    for (int s = 0; s < 5; ++s) {
        const auto si = static_cast<std::size_t>(s);
        const int count = std::min(m.stems[si], n - first);
        if (count > 0) {
            const float basalArea = static_cast<float>(m.basalAreaTenths[si]) / 10.0f;
            const float meanHeight = static_cast<float>(m.meanHeightTenths[si]) / 10.0f;
            MatchSampleSpecies(first, count, basalArea, meanHeight);
        }
        first += std::max(m.stems[si], 0);
    }
}

int RebuildStandSample(const SampleMeasurement& m) {
    const int n = m.TotalStems();
    FreeSampleTrees();
    if (n < 1 || n > kMaxStems) return 0;
    platform::SeedRandomFromClock();
    AllocSampleTrees(n);
    PlaceSampleTrees(n, m.grouping);
    ShuffleSampleTrees(n);
    if (m.developmentClass == kSmallSeedlingStand) {
        AssignSampleSpecies(n, m);
    } else {
        AssignSampleSizes(n, m);
    }
    return n;
}

bool SampleTreeIsLogTree(int i) {
    const int d = platform::RoundHalfAway(0.01 * static_cast<double>(SampleTreeDiameter(i)));
    const int h = platform::RoundHalfAway(0.01 * static_cast<double>(SampleTreeHeight(i)));
    return TreeHasVolume(SampleTreeSpecies(i), d, h);
}

SampleSummary SummariseSample(int n, float enteredBasalArea, bool smallSeedlingStand) {
    SampleSummary out;
    if (n <= 0 || n > kMaxStems || enteredBasalArea > 80.0f) return out;
    n = std::min(n, SampleTreeCount());
    if (smallSeedlingStand) {
        ShuffleSampleTrees(n);
    } else {
        out.drawn = true;
        SortSampleTrees(0, n - 1, true);
    }
    float bins[kAssortmentCount] = {};
    float G = 0.0f;
    float GH = 0.0f;
    float GD = 0.0f;
    for (int i = 0; i < n; ++i) {
        const SampleTree& t = Sample()[static_cast<std::size_t>(i)];
        if (t.species > 1) out.anyBroadleaf = true;
        if (smallSeedlingStand) continue;
        if (data::AddTreeVolume(bins, t.diameter, t.height, t.species)) out.anyLog = true;
        const float g = TreeBasalArea(t.diameter);
        G += g;
        GH += g * 0.01f * t.height;
        GD += g * 0.01f * t.diameter;
    }
    for (int j = 0; j < kAssortmentCount; ++j) {
        out.volumes[static_cast<std::size_t>(j)] = platform::RoundHalfAway(bins[j]);
        out.totalVolume += out.volumes[static_cast<std::size_t>(j)];
    }
    out.basalArea = G;
    if (G > 0.0f) {
        out.meanHeight = GH / G;
        out.meanDiameter = GD / G;
    }
    return out;
}

float StandMeansCode(int stems, float enteredBasalArea, float basalArea, bool smallSeedlingStand) {
    if (enteredBasalArea > 80.0f) return -4.0f;
    if (stems > kMaxStems) return smallSeedlingStand ? -2.0f : -3.0f;
    if (smallSeedlingStand) return -1.0f;
    return basalArea;
}

QString StandMeansText(float meanHeight, float meanDiameter, float basalAreaOrCode) {
    const QString over = QStringLiteral("yli ") + platform::IntText(kMaxStems) +
                         QStringLiteral(" runkoa/ha");
    if (basalAreaOrCode == -4.0f)
        return QStringLiteral("pohjapinta-ala ylittää ") + QStringLiteral("80") +
               QStringLiteral(" m2/ha  !");
    if (basalAreaOrCode == -3.0f)
        return over + QStringLiteral(", lisää läpimittaa tai vähennä pohjapinta-alaa  !");
    if (basalAreaOrCode == -2.0f) return over;
    const bool withStock = basalAreaOrCode >= 0.0f;
    const int d = platform::RoundHalfAway(meanDiameter);
    QString text;
    if (withStock) text = QStringLiteral("keskiläpimitta ") + platform::IntText(d) + QStringLiteral(" cm,  ");
    if (meanHeight > 0.0f) {
        text += platform::FormatC("keskipituus %1.1f m", static_cast<double>(meanHeight));
        if (withStock)
            text += platform::FormatC(",  pohjapinta-ala %1.1f m2/ha",
                                      static_cast<double>(basalAreaOrCode));
    } else {
        text += QStringLiteral("keskipituus 0 m");
        if (withStock) text += QStringLiteral(",  pohjapinta-ala 0 m2/ha");
    }
    return text;
}

void data::FillFromMeasurement(const MeasurementParams& params) {
    Header = params.header;
    SpeciesBlocks = params.blocks;
    for (PhaseSlot& slot : Slots) slot = PhaseSlot{};
    const int count = std::min({params.sampleCount, TreeCount(), SampleTreeCount()});
    for (int i = 0; i < TreeCount(); ++i) {
        TreeRecord& tree = Trees[static_cast<std::size_t>(i)];
        tree = TreeRecord{};
        if (i >= count) continue;
        tree.x = SampleTreeX(i);
        tree.y = SampleTreeY(i);
        tree.diameter = SampleTreeDiameter(i);
        tree.height = SampleTreeHeight(i);
        tree.species = SampleTreeSpecies(i);
    }
}

int GrowingStockState(int stems, float enteredBasalArea) {
    if (enteredBasalArea > 80.0f) return 2;
    if (stems > kMaxStems) return 1;
    return 0;
}

GrowingStockChart GrowingStockChartContent(const std::array<std::int32_t, 13>& volumes, int state,
                                           bool asValue) {
    // Bars in their order: assortment and species colour code.
    static const int kBars[10][2] = {{9, 13}, {8, 2},  {7, 11}, {6, 0}, {4, 14},
                                     {3, 13}, {2, 2},  {1, 11}, {0, 0}, {12, 100}};
    PriceFactors factors;
    GetAssortmentPriceFactors(asValue, factors);
    std::array<int, kAssortmentCount> v{};
    GrowingStockChart chart;
    int logs = 0;
    for (int j = 0; j < kAssortmentCount; ++j) {
        const auto ju = static_cast<std::size_t>(j);
        v[ju] = PricedVolume(volumes[ju], factors[ju]);
        chart.total += v[ju];
        if (j >= 6 && j <= 11) logs += v[ju];
    }
    if (state >= 1) {
        chart.title1 = QStringLiteral("ei puustoarviota, max.");
        chart.title2 = state == 2 ? QStringLiteral("pohjapinta-ala 80 m2/ha  !")
                                  : QStringLiteral("runkoluku 12000 kpl/ha  !");
    } else {
        chart.title1 = asValue ? QStringLiteral("puuston arvo ") : QStringLiteral("puuston tilavuus ");
        const QString unit = asValue ? CommonlanText(56) : QStringLiteral("m3/ha");
        if (chart.total != 0) {
            const int share = platform::RoundHalfAway(100.0 * logs / chart.total);
            chart.title2 = platform::IntText(chart.total) + u' ' + unit + QStringLiteral(", tukki % ") +
                           platform::IntText(share);
        } else {
            chart.title1 += QStringLiteral("0 ") + unit;
        }
    }
    chart.axisVisible = chart.total > 0 && state < 2;
    if (chart.axisVisible) {
        for (const auto& bar : kBars) {
            chart.bars.push_back(GrowingStockBar{bar[0], v[static_cast<std::size_t>(bar[0])], bar[1],
                                                 AssortmentName(bar[0], false)});
        }
    }
    return chart;
}

std::vector<StemCountBar> StemCountChartBars(const int counts[6], bool show) {
    // species, common text of its name, colour code
    static const int kBars[5][3] = {{4, 9, 14}, {3, 10, 13}, {2, 11, 2}, {1, 12, 11}, {0, 13, 0}};
    std::vector<StemCountBar> bars;
    int total = 0;
    for (int s = 0; s < 6; ++s) total += counts[s];
    if (!show || total <= 0) return bars;
    for (const auto& bar : kBars) {
        const int count = counts[bar[0]];
        bars.push_back(StemCountBar{bar[0], count, bar[2],
                                    count < 1 ? QStringLiteral(" ") : CommonlanText(bar[1]).toLower()});
    }
    return bars;
}

QString StemCountCaption(bool show, int total, bool groupingShown, const QString& groupingCode,
                         int alternative) {
    QString text = show ? platform::IntText(total) + QStringLiteral(" runkoa/ha") : QString();
    if (groupingShown) {
        text += QStringLiteral("     (") + groupingCode.left(2);
        text += alternative >= 0 ? QStringLiteral(", ") + StemCountAlternativeName(alternative) + u')'
                                 : QStringLiteral(")");
    }
    return text;
}
