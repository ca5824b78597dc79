// The partition sorts of the tree list and of the sample put equal keys in
// the order of the plain scans, which the results of the cutting patterns,
// thinnings and samples rest on: the same positions as the scans on the
// keys themselves, at sizes around the block length and far beyond, over
// keys with many ties and with none.

#include "model/PartitionSort.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

namespace {

using Keyed = std::vector<std::pair<float, int>>;

void PlainPartition(Keyed& a, int lo, int hi, int& i, int& j) {
  const float pivot = a[(lo + hi) / 2].first;
  i = lo;
  j = hi;
  do {
    while (a[i].first < pivot) ++i;
    while (a[j].first > pivot) --j;
    if (i <= j) std::swap(a[i++], a[j--]);
  } while (j > i);
}

void PlainLeftFirst(Keyed& a, int lo, int hi) {
  int i, j;
  PlainPartition(a, lo, hi, i, j);
  if (lo < j) PlainLeftFirst(a, lo, j);
  if (i < hi) PlainLeftFirst(a, i, hi);
}

void PlainSmallerFirst(Keyed& a, int lo, int hi) {
  while (lo < hi) {
    int i, j;
    PlainPartition(a, lo, hi, i, j);
    if (j - lo < hi - i) {
      if (lo < j) PlainSmallerFirst(a, lo, j);
      lo = i;
    } else {
      if (i < hi) PlainSmallerFirst(a, i, hi);
      hi = j;
    }
  }
}

}  // namespace

TEST(PartitionSort, EqualKeysEndWhereThePlainScansPutThem) {
  std::mt19937 rng(12);
  std::vector<int> sizes = {1000, 12000};
  for (int n = 1; n <= 200; ++n) sizes.push_back(n);
  for (int n : sizes) {
    for (int distinct : {2, 7, 150, 1 << 30}) {
      std::uniform_int_distribution<int> draw(0, distinct - 1);
      Keyed plain;
      for (int k = 0; k < n; ++k) plain.push_back({static_cast<float>(draw(rng)), k});
      for (bool leftFirst : {true, false}) {
        Keyed expected = plain;
        SortKeys sorted(n, [&](int k) { return plain[static_cast<std::size_t>(k)].first; });
        if (leftFirst) {
          PlainLeftFirst(expected, 0, n - 1);
          sorted.SortLeftFirst();
        } else {
          PlainSmallerFirst(expected, 0, n - 1);
          sorted.SortSmallerFirst();
        }
        std::vector<int> positions;
        for (const auto& e : expected) positions.push_back(e.second);
        EXPECT_EQ(sorted.positions, positions) << n << " " << distinct << " " << leftFirst;
      }
    }
  }
}
