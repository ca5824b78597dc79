// Growth of the tree list in five-year periods with natural mortality.

#include "model/Calc.h"
#include "model/Data.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPi = 3.14159f;
constexpr int kPeriodYears = 5;
constexpr int kMaxGrowingYears = 20;

// The standing stock at the start of a period.
struct StockMeans {
    float G = 0.0f;   // basal area, m2/ha
    float Dg = 0.0f;  // basal-area-weighted mean diameter, cm
    float Hg = 0.0f;  // basal-area-weighted mean height, m
};

// The dominant height over entries 0..n-1 of a work array: the mean of the
// min(n, 100) largest. With refill the entries are first taken from the
// latest heights (m) of the standing trees, from the last tree to the first.
// The largest entries end sorted at the top of 0..n-1; below them the entries
// are in no particular order. When trees died, the next period writes fewer
// heights than the array holds and the entries above them keep what this
// call left there; the dominant height of that period is still the one a
// full sort would give, since every entry below the sorted top is at most
// each of the top entries, which stay in place, so the largest min(n, 100)
// of the array are the same values either way.
float MeanOfTallestIn(const data& stand, std::vector<float>& work, int n, bool refill) {
    n = std::clamp(n, 0, static_cast<int>(work.size()));
    const int m = std::min(n, 100);
    if (refill) {
        std::size_t next = 0;
        for (int i = stand.TreeCount() - 1; i >= 0 && next < work.size(); --i) {
            if (stand.TreeRemovedBy(i) == 0) work[next++] = stand.TreeHeight(i) * 0.01f;
        }
    }
    if (m <= 0) return 0.0f;
    const auto top = work.begin() + (n - m);
    std::nth_element(work.begin(), top, work.begin() + n);
    std::sort(top, work.begin() + n);
    float sum = 0.0f;
    for (int i = n - m; i < n; ++i) sum += work[static_cast<std::size_t>(i)];
    return sum / static_cast<float>(m);
}

// The growth of the standing trees from slot q - 1 over the given years.
// beforePeriod(length, elapsed) runs after the dominant height of each period
// and before its growth (the mortality of the period).
template <typename BeforePeriod>
void GrowPeriods(const data& stand, GrownSizeArray& out, std::vector<float>& work, int q,
                 int years, const int ages[kSpeciesSlots], bool fromMeasured,
                 BeforePeriod beforePeriod) {
    const int n = stand.TreeCount();
    if (static_cast<int>(out.size()) != n) out.assign(static_cast<std::size_t>(n), GrownSize{});
    const bool fromFirstGrowth = !fromMeasured && static_cast<int>(stand.GrownSizes1.size()) == n;

    auto startSize = [&](int j) {
        if (fromFirstGrowth) return stand.GrownSizes1[static_cast<std::size_t>(j)];
        return GrownSize{stand.BaseDiameter(j), stand.BaseHeight(j)};
    };

    const int periods = (years - 1) / kPeriodYears + 1;
    int length = kPeriodYears;
    int elapsed = 0;

    const PhaseSlot& from = stand.Slots[static_cast<std::size_t>(q - 1)];
    StockMeans now{from.basalArea, from.meanDiameter, from.meanHeight};
    int standing = 0;
    StockMeans start;
    for (int j = 0; j < n; ++j) {
        if (stand.TreeRemovedBy(j) != 0) continue;
        ++standing;
        const GrownSize size = startSize(j);
        const float d = size.diameter * 0.01f;
        const float g = kPi * (0.005f * d) * (0.005f * d);
        start.G += g;
        start.Dg += g * d;
        start.Hg += g * size.height * 0.01f;
    }
    // A slot that was not recorded from these trees gives no basal area; the
    // trees themselves then give the stock.
    if (!(now.G > 0.0f) && start.G > 0.0f) {
        now = StockMeans{start.G, start.Dg / start.G, start.Hg / start.G};
    }
    // The work array holds one height per tree that actually stands.
    work.assign(static_cast<std::size_t>(standing), 0.0f);
    StockMeans next;

    for (int i = 0; i < periods; ++i) {
        const float Hdom = MeanOfTallestIn(stand, work, standing, i == 0);
        if (i > 0) {
            now = next;
            next = StockMeans{};
        }
        if (i == periods - 1) length = years - kPeriodYears * (periods - 1);
        elapsed += length;
        beforePeriod(length, elapsed);
        // The terms that do not depend on the tree, once per period: the
        // stock at its start and the age of each species.
        const bool canGrow = now.G > 0.0f && now.Dg > 0.0f && Hdom > 0.0f;
        const GrowthStockTerms stock = canGrow ? MakeGrowthStockTerms(now.G, now.Dg, Hdom)
                                               : GrowthStockTerms{};
        GrowthAgeTerms ageTerms[kSpeciesSlots];
        for (int s = 0; s < kSpeciesSlots; ++s)
            ageTerms[s] = MakeGrowthAgeTerms(static_cast<float>(ages[s] + kPeriodYears * i), s);
        std::size_t written = 0;
        for (int j = 0; j < n; ++j) {
            GrownSize& target = out[static_cast<std::size_t>(j)];
            if (stand.TreeRemovedBy(j) != 0) {
                target = GrownSize{1.0f, 1.0f};
                continue;
            }
            const GrownSize size = i > 0 ? target : startSize(j);
            const float d = size.diameter * 0.01f;
            const float h = size.height * 0.01f;
            const int species = std::clamp(stand.TreeSpecies(j), 0, kSpeciesSlots - 1);
            float newD = d;
            float newH = h;
            if (canGrow && d > 0.0f && h > 0.0f) {
                TreeGrowthStep(newD, newH, d, h, length, ageTerms[species], stock);
                // A tree never shrinks: beyond about 82 cm the model's size
                // factor turns negative, and growth then stops instead.
                if (!(newD >= d)) newD = d;
                if (!(newH >= h)) newH = h;
            }
            target = GrownSize{newD * 100.0f, newH * 100.0f};
            if (written < work.size()) work[written++] = newH;
            const float g = kPi * (0.005f * newD) * (0.005f * newD);
            next.G += g;
            next.Dg += g * newD;
            next.Hg += g * newH;
        }
        if (next.G != 0.0f) {
            next.Dg = next.Dg / next.G;
            next.Hg = next.Hg / next.G;
        }
    }
}

}  // namespace

GrownSizeArray data::AllocGrownSizes() const {
    return GrownSizeArray(static_cast<std::size_t>(TreeCount()));
}

void data::FreeGrownSizes(GrownSizeArray& sizes) { GrownSizeArray().swap(sizes); }

void data::AllocHeightWork(int n) {
    HeightWork.assign(static_cast<std::size_t>(std::max(n, 0)), 0.0f);
}

void data::FreeHeightWork() { std::vector<float>().swap(HeightWork); }

float data::MeanOfTallest(int n, bool refill) { return MeanOfTallestIn(*this, HeightWork, n, refill); }

float data::MeanAgeWeighted(int s, const int ages[kSpeciesSlots], int elapsed) const {
    const PhaseSlot& slot = Slots[static_cast<std::size_t>(s)];
    float age[kSpeciesSlots] = {};
    float volume[kSpeciesSlots] = {};
    float V = 0.0f;
    for (int t = 0; t < kSpeciesSlots; ++t) {
        if (ages[t] == 0) continue;
        age[t] = static_cast<float>(ages[t] + elapsed);
        volume[t] = static_cast<float>(slot.volumes[static_cast<std::size_t>(t)] +
                                       slot.volumes[static_cast<std::size_t>(t + 6)]);
        V += volume[t];
    }
    if (V >= 1.0f) {
        float sum = 0.0f;
        for (int t = 0; t < kSpeciesSlots; ++t) sum += volume[t] * age[t];
        return static_cast<float>(platform::TruncToInt(sum / V));
    }
    // Too little volume to weight by: weight by the standing stems.
    int counts[kSpeciesSlots] = {};
    CountStandingBySpecies(1, counts);
    float sum = 0.0f;
    int stems = 0;
    for (int t = 0; t < kSpeciesSlots; ++t) {
        sum += age[t] * static_cast<float>(counts[t]);
        stems += counts[t];
    }
    if (stems <= 0) return 0.0f;
    return static_cast<float>(platform::TruncToInt(sum / static_cast<float>(stems)));
}

int data::MortalityInterval(int s, int length, float meanAge) const {
    const PhaseSlot& slot = Slots[static_cast<std::size_t>(s)];
    const float N = static_cast<float>(slot.stems);
    const float G = slot.basalArea;
    const float na = N * 0.0000833333f;
    const float a = na * na;
    const float gb = G * 0.0125f;
    const float b = gb * gb;
    const float D = (1.5f * N / 12000.0f + 1.0f) * 500.0f * std::max(a, b) + 20.0f;
    float E = 0.0f;
    if (meanAge > 0.0f) {
        const float e11 = std::exp(1.1f * std::log(meanAge));
        E = std::exp(1.2f * std::log(e11));
    }
    const float R = (0.004f * E + 0.1f + 0.0023f * D) * 0.2f;
    const float T = (20.0f - 5.0f) * 0.1f + 1.0f;
    const float Q = (0.05f * T + 1.0f) * T * 10.0f * R;
    const float k = 2000.0f / (static_cast<float>(length) * Q);
    return platform::RoundHalfAway(static_cast<double>(k));
}

void data::ApplyMortality(int q0, int length, const int ages[kSpeciesSlots], int elapsed,
                          bool useSlot0) {
    const int s = useSlot0 ? 0 : q0;
    const float A = MeanAgeWeighted(s, ages, elapsed);
    const int k = MortalityInterval(s, length, A);
    // Every k-th standing tree from the end of the list dies, the first of
    // them the (k - 1)-th.
    int c = 1;
    for (int i = TreeCount() - 1; i >= 0; --i) {
        if (TreeRemovedBy(i) != 0) continue;
        c += 1;
        if (c == k) {
            SetTreeRemovedBy(i, q0 + 1);
            c = 0;
        }
    }
}

void data::GrowTrees(GrownSizeArray& out, int q, int years, const int ages[kSpeciesSlots],
                     bool mortality, bool fromMeasured) {
    if (years < 1 || years > kMaxGrowingYears || q < 1 || q >= kPhaseCount) return;
    const bool useSlot0 = (q == 2 && !fromMeasured) || (q == 3 && Slots[1].stems == Slots[2].stems);
    GrowPeriods(*this, out, HeightWork, q, years, ages, fromMeasured,
                [&](int length, int elapsed) {
                    if (mortality) ApplyMortality(q - 1, length, ages, elapsed, useSlot0);
                });
    FreeHeightWork();
}

void data::GrowTreesInto(GrownSizeArray& out, std::vector<float>& heightWork, int q, int years,
                         const int ages[kSpeciesSlots], bool fromMeasured) const {
    if (years < 1 || years > kMaxGrowingYears || q < 1 || q >= kPhaseCount) return;
    GrowPeriods(*this, out, heightWork, q, years, ages, fromMeasured,
                [](int, int) {});
}
