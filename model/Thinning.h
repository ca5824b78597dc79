#pragma once
// The standing stock volume of a tree list kept while a thinning marks and
// reinstates its trees one by one.

#include "model/Data.h"

#include <array>
#include <cstdint>
#include <vector>

// Always the same number as data::StandingStockVolume for the list in its
// present order. That sum adds each standing tree's contributions to its
// species' pulpwood and log bins and to the energy-wood bin in list order in
// single precision and rounds each of the 13 bins. Here the contributions
// are computed once, and a bin is summed again only when its rounding is in
// doubt:
//  - the single-precision sums of the old and of the new set of standing
//    trees run alike up to the first changed tree. Each of the L additions
//    after it errs by at most u = 2^-24 times the running sum, and a running
//    sum is at most M (1 + g): M the sum of the bin's |contributions|, g =
//    n u / (1 - n u) for a bin of n trees. So the new sum lies within
//    2 u L M (1 + g) of the old sum plus the exact change, which is kept in
//    double precision with its own, far smaller error bound. When both ends
//    of that interval round alike, the bin's rounded volume is certain;
//  - otherwise that bin's trees (those of one species, or all trees for
//    energy wood) are summed again in list order from the checkpoint before
//    the first changed one; the sums up to it have not changed.
// The intervals of the 13 bins bound the rounded volume; a comparison of the
// volume with a level is taken from these bounds when they decide it, which
// spares the summing while a thinning is still far from its target.
// The list must not be reordered while a tracker is in use, and its trees
// must be marked and reinstated through it.
class StockVolumeTracker {
 public:
  explicit StockVolumeTracker(data& stand);

  void Mark(int i, int k) { Set(i, k); }
  void Reinstate(int i) { Set(i, 0); }
  // m3/ha, equal to data::StandingStockVolume().
  int Volume();
  // The sign of Volume() - level, summing again only when the bounds of the
  // volume do not decide it.
  int Compare(double level);

 private:
  static constexpr int kBlock = 64;
  // Groups of bins summed over the same trees: one per species (its pulpwood
  // and log bins), and energy wood over every tree.
  static constexpr int kEnergyGroup = kSpeciesSlots;
  static constexpr int kGroups = kSpeciesSlots + 1;
  struct Group {
    std::vector<int> trees;                    // list positions, in list order
    std::vector<std::array<float, 2>> values;  // contributions to the two bins
    std::vector<std::array<float, 2>> checkpoints;  // sums before element b x kBlock
    std::array<float, 2> sums{};               // at the last full sum
    std::array<double, 2> change{};            // change since then (double sum)
    std::array<double, 2> moved{};             // sum of |change terms| since then
    std::array<double, 2> magnitude{};         // sum of |contribution|
    int changes = 0;                           // change terms since then
    int dirtyFrom = 0;                         // first changed element
  };

  // Bounds of the rounded volume from the last sums and the changes since.
  struct Range {
    long long lo = 0;
    long long hi = 0;
    bool finite = true;
    std::array<bool, kGroups> unsure{};  // groups whose bins are in doubt
  };
  Range Bounds() const;
  void Set(int i, int phase);
  void SumAgain(Group& g);
  // Half width of the interval that holds bin `slot` of the group's
  // single-precision sum around `v` (the last sum plus the change); 0 when
  // nothing changed since the group was summed.
  static double Uncertainty(const Group& g, int slot, double v);
  // Bin b of the stand: its group and its place in the group.
  static int GroupOf(int b) { return b == EnergyWood ? kEnergyGroup : b % 6; }
  static int SlotOf(int b) { return b >= 6 && b != EnergyWood ? 1 : 0; }

  data& stand_;
  std::array<Group, kGroups> groups_;
  std::vector<int> place_;            // element of each tree in its species group
  std::vector<uint8_t> standing_;     // by list position
};
