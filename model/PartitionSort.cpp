#include "model/PartitionSort.h"

#include <utility>

// One partition of lo..hi around the key of the middle item: i runs up while
// its key is below the pivot, j down while its key is above, and the two are
// exchanged while they have not crossed. lo..j and i..hi remain to be sorted.
void SortKeys::Partition(int lo, int hi, int& iOut, int& jOut) {
  float* key = keys.data();
  int* position = positions.data();
  const float pivot = key[(lo + hi) / 2];
  int i = lo;
  int j = hi;
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
