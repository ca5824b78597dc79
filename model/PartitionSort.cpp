#include "model/PartitionSort.h"

#include <utility>

// One partition of lo..hi around the key of the middle item: i runs up while
// its key is below the pivot, j down while its key is above, and the two are
// exchanged while they have not crossed. lo..j and i..hi remain to be sorted.
//
// Until the two ends come close, the scans only ever stop at the keys that
// were there from the start: i at the next key not below the pivot, j at the
// next key not above it, and the k-th stop of i is exchanged with the k-th
// stop of j. Those stops are found a block of keys at a time without a branch
// per key, and exchanged pairwise, as the scans would; the scans themselves
// then go on from the last exchange.
void SortKeys::Partition(int lo, int hi, int& iOut, int& jOut) {
  float* key = keys.data();
  int* position = positions.data();
  const float pivot = key[(lo + hi) / 2];
  int i = lo;
  int j = hi;
  constexpr int kBlock = 16;
  int upStops[kBlock];
  int downStops[kBlock];
  int ups = 0;
  int up = 0;
  int downs = 0;
  int down = 0;
  // Keys below upEnd and above downEnd have been looked at. Keeping
  // upEnd < downEnd leaves at least three places between an exchanged pair,
  // so the plain loop would go on after each exchange.
  int upEnd = lo;
  int downEnd = hi;
  for (;;) {
    if (up == ups) {
      if (upEnd + kBlock >= downEnd) break;
      ups = up = 0;
      for (int t = 0; t < kBlock; ++t) {
        upStops[ups] = upEnd + t;
        ups += !(key[upEnd + t] < pivot);
      }
      upEnd += kBlock;
    } else if (down == downs) {
      if (downEnd - kBlock <= upEnd) break;
      downs = down = 0;
      for (int t = 0; t < kBlock; ++t) {
        downStops[downs] = downEnd - t;
        downs += !(key[downEnd - t] > pivot);
      }
      downEnd -= kBlock;
    } else {
      const int a = upStops[up++];
      const int b = downStops[down++];
      std::swap(key[a], key[b]);
      std::swap(position[a], position[b]);
      i = a + 1;
      j = b - 1;
    }
  }
  do {
    while (key[i] < pivot) ++i;
    while (key[j] > pivot) --j;
    if (i <= j) {
      std::swap(key[i], key[j]);
      std::swap(position[i], position[j]);
      ++i;
      --j;
    }
  } while (j > i);
  iOut = i;
  jOut = j;
}

void SortKeys::LeftFirst(int lo, int hi) {
  if (lo >= hi) return;
  int i = 0;
  int j = 0;
  Partition(lo, hi, i, j);
  if (lo < j) LeftFirst(lo, j);
  if (i < hi) LeftFirst(i, hi);
}

void SortKeys::SmallerFirst(int lo, int hi) {
  while (lo < hi) {
    int i = 0;
    int j = 0;
    Partition(lo, hi, i, j);
    if (j - lo < hi - i) {
      if (lo < j) SmallerFirst(lo, j);
      lo = i;
    } else {
      if (i < hi) SmallerFirst(i, hi);
      hi = j;
    }
  }
}
