// The partition sort puts equal keys in the order of the plain scans, which
// the results of the cutting patterns, thinnings and samples rest on: the
// same positions as the scans on the keys themselves, at sizes around the
// block length and far beyond, over keys with many ties and with none.

#include "model/PartitionSort.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

namespace {

void PlainSort(std::vector<std::pair<float, int>>& a, int lo, int hi) {
  const float pivot = a[(lo + hi) / 2].first;
  int i = lo;
  int j = hi;
  do {
    while (a[i].first < pivot) ++i;
    while (a[j].first > pivot) --j;
    if (i <= j) std::swap(a[i++], a[j--]);
  } while (j > i);
  if (lo < j) PlainSort(a, lo, j);
  if (i < hi) PlainSort(a, i, hi);
}

}  // namespace

TEST(PartitionSort, EqualKeysEndWhereThePlainScansPutThem) {
  std::mt19937 rng(12);
  std::vector<int> sizes = {1000, 12000};
  for (int n = 1; n <= 200; ++n) sizes.push_back(n);
  for (int n : sizes) {
    for (int distinct : {2, 7, 150, 1 << 30}) {
      std::uniform_int_distribution<int> draw(0, distinct - 1);
      std::vector<std::pair<float, int>> plain;
      for (int k = 0; k < n; ++k) plain.push_back({static_cast<float>(draw(rng)), k});
      SortKeys sorted(n, [&](int k) { return plain[static_cast<std::size_t>(k)].first; });
      sorted.SortLeftFirst();
      PlainSort(plain, 0, n - 1);
      std::vector<int> positions;
      for (const auto& p : plain) positions.push_back(p.second);
      EXPECT_EQ(sorted.positions, positions) << n << " " << distinct;
    }
  }
}
