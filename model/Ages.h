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
