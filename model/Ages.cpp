#include "model/Ages.h"

#include "platform/Numbers.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// numerator / 100 rounded half away from zero, exactly: the factors of the
// start-age table are two-decimal numbers (1.65 x 2 = 3.3 rounds to 3,
// 1.14 x 25 = 28.5 to 29).
int RoundHundredths(int numerator) {
    const int magnitude = (std::abs(numerator) + 50) / 100;
    return numerator < 0 ? -magnitude : magnitude;
}

// Ceiling of the candidate count: 51 for pine and spruce, 31 for birch and
// aspen, 21 for alder.
int CandidateCeiling(int species) {
    if (species <= 1) return 51;
    if (species <= 3) return 31;
    return 21;
}

// The candidate count of a species of small mean diameter: 1.5 x its age.
int ShortListCount(int age) { return platform::TruncToInt(1.5f * static_cast<float>(age)); }

// Whether round r of the calibration (every age above 0 raised r times by
// step) still grows more than the target in 20 years.
bool RoundExceedsTarget(const data& stand, const int ages[kSpeciesSlots], int r, int step, float T,
                        float V0, GrownSizeArray& sizes, std::vector<float>& heights) {
    int raised[kSpeciesSlots];
    for (int s = 0; s < kSpeciesSlots; ++s) raised[s] = ages[s] > 0 ? ages[s] + r * step : ages[s];
    stand.GrowTreesInto(sizes, heights, 1, 20, raised, true);
    int V20 = 0;
    float basalArea = 0.0f;
    float meanDiameter = 0.0f;
    float meanHeight = 0.0f;
    stand.AssortmentTotalsOf(sizes, V20, basalArea, meanDiameter, meanHeight);
    return static_cast<float>(V20) - T > V0;
}

// Rounds tried at once: one for a small stand, else one per processor (at
// most eight).
int CalibrationLanes(int trees) {
    if (trees < 500) return 1;
    const unsigned cores = std::thread::hardware_concurrency();
    return static_cast<int>(std::clamp(cores, 1u, 8u));
}

}  // namespace

int StartAge(int species, int m) {
    m = std::clamp(m, 0, 200);
    int age;
    if (m >= 2 && m <= 10) {
        // 2-3 and 4-5 share a row; from 6 cm the age follows the diameter.
        const int row = m <= 3 ? 4 : (m <= 5 ? 5 : m);
        if (species == 0) {
            age = row + 2;
        } else if (species == 1) {
            age = row + 6;
        } else {
            age = row;
        }
    } else if (species == 0) {
        age = 12 + RoundHundredths(165 * (m - 10));
    } else if (species == 1) {
        age = 16 + RoundHundredths(154 * (m - 10));
    } else if (species == 2) {
        age = 10 + RoundHundredths(114 * (m - 10));
    } else {
        // aspen 10 + (m - 10), alder m: the same
        age = m;
    }
    return std::max(age, 1);
}

int LargestFirstCandidateAge() {
    int start = 0;
    for (int s = 0; s < 5; ++s) start = std::max(start, StartAge(s, kLargestMeanDiameterCm));
    // Every round raises by the larger step; the last raise goes back by one.
    return start + kMaxAgeCalibrationRounds * 2 - 1;
}

int LargestAgeChoiceCount(int species, int firstAge) {
    if (firstAge <= 0) return 0;
    return std::max(CandidateCeiling(species), ShortListCount(std::min(firstAge, LargestFirstCandidateAge())));
}

int LargestStandAge() {
    const int first = LargestFirstCandidateAge();
    return first + LargestAgeChoiceCount(0, first) - 1;
}

float AgeCalibrationTarget(float d, float G, int N, bool onlyBroadleaves) {
    float T = 240.0f;
    if (d < 8.0f) {
        T -= 20.0f * (8.0f - d);
        if (onlyBroadleaves) T += 20.0f;
    }
    const float g = 0.0125f * G;
    T += 60.0f * g * g;
    T += 60.0f * static_cast<float>(N) / 12000.0f;
    if (N < 1800) T = std::sqrt(static_cast<float>(N) / 1800.0f) * (T - 30.0f) + 30.0f;
    return T;
}

void CalibrateSpeciesAges(data& stand, int ages[kSpeciesSlots]) {
    const float d = stand.SlotMeanDiameter(0);
    const float G = stand.SlotBasalArea(0);
    const int N = stand.SlotTreeCount(0);
    const int step = d >= 10.0f ? 2 : 1;
    const bool onlyBroadleaves =
        ages[0] == 0 && ages[1] == 0 && (ages[2] != 0 || ages[3] != 0 || ages[4] != 0);
    const float T = AgeCalibrationTarget(d, G, N, onlyBroadleaves);
    // Without an age to raise every round would grow the same again: the
    // ages stay as they are.
    bool anyAge = false;
    for (int s = 0; s < kSpeciesSlots; ++s) anyAge = anyAge || ages[s] > 0;
    if (!anyAge) return;
    const float V0 = stand.MeasuredVolumeAllTrees();

    // Round r grows the stand at the ages raised r times; the ages are raised
    // until a round no longer exceeds the target. Rounds do not depend on one
    // another, so a large stand tries several at once; the first round that
    // meets the target decides, exactly as one round after another would.
    const int lanes = CalibrationLanes(stand.TreeCount());
    stand.TimingWork = stand.AllocGrownSizes();
    std::vector<GrownSizeArray> sizes(static_cast<std::size_t>(lanes));
    std::vector<std::vector<float>> heights(static_cast<std::size_t>(lanes));
    for (int l = 0; l < lanes; ++l) {
        if (l > 0) sizes[static_cast<std::size_t>(l)] = stand.AllocGrownSizes();
        heights[static_cast<std::size_t>(l)].reserve(static_cast<std::size_t>(stand.TreeCount()));
    }
    auto lane = [&](int l) -> GrownSizeArray& {
        return l == 0 ? stand.TimingWork : sizes[static_cast<std::size_t>(l)];
    };

    // Each lane takes the next untried round until a round at or below it is
    // known to meet the target; every round below the first that meets it is
    // therefore tried.
    std::atomic<int> nextRound{0};
    std::atomic<int> firstMet{kMaxAgeCalibrationRounds};
    auto work = [&](int l) {
        for (;;) {
            const int r = nextRound.fetch_add(1);
            if (r >= kMaxAgeCalibrationRounds || r > firstMet.load()) return;
            if (!RoundExceedsTarget(stand, ages, r, step, T, V0, lane(l),
                                    heights[static_cast<std::size_t>(l)])) {
                int known = firstMet.load();
                while (r < known && !firstMet.compare_exchange_weak(known, r)) {
                }
            }
        }
    };
    std::vector<std::thread> workers;
    for (int l = 1; l < lanes; ++l) {
        // A lane that cannot be started leaves its rounds to the others.
        try {
            workers.emplace_back(work, l);
        } catch (const std::system_error&) {
            break;
        }
    }
    work(0);
    for (std::thread& w : workers) w.join();
    const int raises = firstMet.load();
    stand.FreeGrownSizes(stand.TimingWork);

    // The ages of the last round that still exceeded the target, less one.
    for (int s = 0; s < kSpeciesSlots; ++s) {
        if (ages[s] > 0 && raises > 0) ages[s] += raises * step - 1;
    }
}

void ComputeAgeChoiceCounts(const data& /*stand*/, int counts[kSpeciesSlots],
                            const int ages[kSpeciesSlots],
                            const int meanDiameters[kSpeciesSlots]) {
    for (int s = 0; s < kSpeciesSlots; ++s) {
        const int m = meanDiameters[s];
        if (m <= 0) {
            counts[s] = 0;
            continue;
        }
        int c = platform::TruncToInt(2.5f * static_cast<float>(m));
        c = std::min(c, CandidateCeiling(s));
        if (c < 20) c = ShortListCount(ages[s]);
        counts[s] = c;
    }
}

void EstimateSpeciesAges(data& stand) {
    int present[kSpeciesSlots] = {};
    stand.CountStandingBySpecies(kReservedPhase, present);
    int ages[kSpeciesSlots] = {};
    int meanDiameters[kSpeciesSlots] = {};
    for (int s = 0; s < 5; ++s) {
        if (present[s] <= 0) continue;
        meanDiameters[s] = stand.SpeciesValue(s, WordMeanDiameter);
        ages[s] = StartAge(s, meanDiameters[s]);
    }
    CalibrateSpeciesAges(stand, ages);
    int counts[kSpeciesSlots] = {};
    ComputeAgeChoiceCounts(stand, counts, ages, meanDiameters);
    const int none[kSpeciesSlots] = {};
    stand.SetSpeciesAges(none);
    stand.SetAgeChoices(ages, counts);
}
