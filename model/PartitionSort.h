#pragma once
// The middle-pivot partition sorts of the tree list (data::SortTrees) and of
// the stand sample (SortSampleTrees), run on the keys with the positions of
// their records carried along: the same comparisons and exchanges as on the
// records themselves, on a compact array of keys instead of whole records.
// The records are then moved once, to the positions the keys end at.
// Ascending; equal keys end in the order the scheme gives, which the callers
// rely on.

#include <vector>

struct SortKeys {
  std::vector<float> keys;
  std::vector<int> positions;

  // The keys of positions 0..n-1.
  template <typename KeyOf>
  SortKeys(int n, KeyOf keyOf) : keys(static_cast<std::size_t>(n > 0 ? n : 0)), positions(keys.size()) {
    for (int k = 0; k < n; ++k) {
      keys[static_cast<std::size_t>(k)] = keyOf(k);
      positions[static_cast<std::size_t>(k)] = k;
    }
  }
  // Both parts of each partition sorted by recursion, the left one first
  // (the tree list's sort).
  void SortLeftFirst() { LeftFirst(0, static_cast<int>(keys.size()) - 1); }
  // The smaller part by recursion and the larger one by the loop, so the
  // depth stays logarithmic (the sample's sort). The two parts can share one
  // record, so equal keys may end in another order than SortLeftFirst gives.
  void SortSmallerFirst() { SmallerFirst(0, static_cast<int>(keys.size()) - 1); }

 private:
  void Partition(int lo, int hi, int& i, int& j);
  void LeftFirst(int lo, int hi);
  void SmallerFirst(int lo, int hi);
};
