#pragma once
// Stand-age estimate: the age from which the stand-age dialog offers its
// candidate ages, per species, and how many candidates it offers.
//
// EstimateSpeciesAges, CalibrateSpeciesAges and ComputeAgeChoiceCounts are
// declared with the stand object (Data.h); the helpers below are the pieces
// they are built from.

#include "model/Data.h"

// Start age of a species of mean diameter m (whole cm) before calibration.
// A species that has trees never starts below one year.
int StartAge(int species, int meanDiameter);

// Target 20-year volume increment (m3/ha) of the calibration for a stand of
// weighted mean diameter d (cm), basal area G (m2/ha) and N stems per
// hectare; onlyBroadleaves when pine and spruce have no start age and a
// broadleaf has one.
float AgeCalibrationTarget(float d, float G, int N, bool onlyBroadleaves);

// Most rounds the calibration raises the ages (each raise adds one or two
// years to every age); a stand whose growth never falls to the target stops
// here instead of looping.
constexpr int kMaxAgeCalibrationRounds = 150;

// The largest mean diameter (whole cm) the measurement window offers.
constexpr int kLargestMeanDiameterCm = 45;

// What the program ever writes into the age words of a species block, so
// that a reader can tell a damaged file:
// - the first candidate age (word 9): 0 for a species without trees, else
//   the start age of a mean diameter of at most kLargestMeanDiameterCm
//   raised by every calibration round: 70 + 2 x 150 - 1 = 369 years at most;
int LargestFirstCandidateAge();
// - the number of candidate ages (word 10) from a first candidate age: the
//   species' ceiling (51 pine and spruce, 31 birch and aspen, 21 alder), or
//   trunc(1.5 x age) for a species of small mean diameter, whichever is
//   larger (0 for an age of 0 or below);
int LargestAgeChoiceCount(int species, int firstAge);
// - the stand age (word 8): an age chosen in the stand-age dialog, the last
//   candidate of the longest list at most (921 years).
int LargestStandAge();
