#pragma once
// The standing stock volume of a tree list kept while a thinning marks and
// reinstates its trees one by one.

#include "model/Data.h"

#include <array>
#include <vector>

// Always the same number as data::StandingStockVolume for the list in its
// present order. That sum adds each standing tree's 13 bin contributions in
// list order in single precision and rounds each bin. Here the contributions
// are computed once, and a full sum is taken only when it can matter:
//  - after changes the exact change of each bin is known, and the rounding
//    of a single-precision sum moves a bin by at most 2^-24 x (sum of the
//    bin's |contributions|) per addition from its first changed tree on, for
//    the old and for the new sum. When both ends of that interval round alike
//    in every bin, the rounded volume is certain without summing;
//  - otherwise the bins are summed again in list order from the checkpoint
//    before the first changed tree (the sums up to it have not changed).
// The list must not be reordered while a tracker is in use, and its trees
// must be marked and reinstated through it.
class StockVolumeTracker {
 public:
  explicit StockVolumeTracker(data& stand);

  void Mark(int i, int k) { Set(i, k); }
  void Reinstate(int i) { Set(i, 0); }
  // m3/ha, equal to data::StandingStockVolume().
  int Volume();

 private:
  static constexpr int kBlock = 64;
  using Bins = std::array<float, kAssortmentCount>;
  struct Contribution {
    int species;
    float pulp;
    float logs;
    float energy;
  };

  void Set(int i, int phase);
  void SumAgain();

  data& stand_;
  const int n_;
  std::vector<Contribution> trees_;
  std::vector<Bins> checkpoints_;  // bins before tree b x kBlock
  // Trees of each species before list position i, i = 0..N.
  std::vector<std::array<int, kSpeciesSlots>> before_;
  std::array<double, kAssortmentCount> magnitude_{};  // sum of |contribution|
  Bins sums_{};                                       // at the last full sum
  std::array<double, kAssortmentCount> change_{};     // exact change since then
  std::array<int, kSpeciesSlots> firstOfSpecies_{};   // first changed tree, N for none
  int dirtyFrom_ = 0;                                 // first changed tree of any species
  int total_ = 0;
};
