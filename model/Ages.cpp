#include "model/Ages.h"

#include <algorithm>
#include <cmath>

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

}  // namespace

int StartAge(int species, int m) {
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
    const float V0 = stand.MeasuredVolumeAllTrees();

    stand.TimingWork = stand.AllocGrownSizes();
    bool raised = false;
    for (int round = 0; round < kMaxAgeCalibrationRounds; ++round) {
        stand.GrowTrees(stand.TimingWork, 1, 20, ages, false, true);
        int V20 = 0;
        float basalArea = 0.0f;
        float meanDiameter = 0.0f;
        float meanHeight = 0.0f;
        stand.AssortmentTotalsOf(stand.TimingWork, V20, basalArea, meanDiameter, meanHeight);
        if (!(static_cast<float>(V20) - T > V0)) break;
        bool anyAge = false;
        for (int s = 0; s < kSpeciesSlots; ++s) {
            if (ages[s] > 0) {
                ages[s] += step;
                anyAge = true;
            }
        }
        // Without an age to raise the next round would grow the same again.
        if (!anyAge) break;
        raised = true;
    }
    stand.FreeGrownSizes(stand.TimingWork);
    if (raised) {
        for (int s = 0; s < kSpeciesSlots; ++s) {
            if (ages[s] > 0) ages[s] -= 1;
        }
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
        int c = static_cast<int>(2.5f * static_cast<float>(m));
        c = std::min(c, CandidateCeiling(s));
        if (c < 20) c = static_cast<int>(1.5f * static_cast<float>(ages[s]));
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
