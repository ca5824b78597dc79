#pragma once
// Two stands compared for the tests: the trees in their order (or in any
// order) with their grown sizes, and every recorded slot.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <tuple>
#include <vector>

#include "model/Data.h"
#include "model/Phase.h"

namespace standcompare {

using TreeKey = std::tuple<float, float, float, float, int, int>;

inline TreeKey KeyOf(const TreeRecord& t) { return {t.x, t.y, t.diameter, t.height, t.removedBy, t.species}; }

// FNV-1a over the bits of the values added: the same values in the same
// order give the same digest, and almost surely any other change another.
struct Digest {
  std::uint64_t value = 14695981039346656037ULL;
  template <typename... T>
  void Add(const T&... values) {
    (Bytes(&values, sizeof values), ...);
  }
  void Bytes(const void* p, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
      unsigned char c;
      std::memcpy(&c, static_cast<const unsigned char*>(p) + i, 1);
      value = (value ^ c) * 1099511628211ULL;
    }
  }
  void AddTrees(const data& s) {
    for (const TreeRecord& t : s.Trees) Add(t.x, t.y, t.diameter, t.height, t.removedBy, t.species);
  }
};

// The trees sorted: the same for two stands whose trees differ only in
// their order.
inline std::vector<TreeKey> SortedTreeKeys(const data& s) {
  std::vector<TreeKey> keys;
  for (const TreeRecord& t : s.Trees) keys.push_back(KeyOf(t));
  std::sort(keys.begin(), keys.end());
  return keys;
}

inline void ExpectSameGrownSizes(const GrownSizeArray& a, const GrownSizeArray& b, const char* which) {
  ASSERT_EQ(a.size(), b.size()) << which;
  int differing = 0;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].diameter != b[i].diameter || a[i].height != b[i].height) ++differing;
  EXPECT_EQ(differing, 0) << which;
}

// Every slot the same, the means within `tolerance` (0: to the last bit).
inline void ExpectSameSlots(const data& a, const data& b, double tolerance) {
  for (int k = 0; k < kPhaseCount; ++k) {
    const PhaseSlot& x = a.Slots[k];
    const PhaseSlot& y = b.Slots[k];
    EXPECT_EQ(std::tie(x.name, x.years, x.stems, x.volumes), std::tie(y.name, y.years, y.stems, y.volumes))
        << "slot " << k;
    EXPECT_NEAR(x.basalArea, y.basalArea, tolerance) << "slot " << k;
    EXPECT_NEAR(x.meanDiameter, y.meanDiameter, tolerance) << "slot " << k;
    EXPECT_NEAR(x.meanHeight, y.meanHeight, tolerance) << "slot " << k;
  }
}

// Field for field: the trees in their order, both growing steps' sizes and
// every slot to the last bit.
inline void ExpectSameStand(const data& a, const data& b) {
  ASSERT_EQ(a.TreeCount(), b.TreeCount());
  int differing = 0;
  for (int i = 0; i < a.TreeCount(); ++i)
    if (KeyOf(a.Trees[i]) != KeyOf(b.Trees[i])) ++differing;
  EXPECT_EQ(differing, 0) << "trees";
  ExpectSameGrownSizes(a.GrownSizes1, b.GrownSizes1, "first growth");
  ExpectSameGrownSizes(a.GrownSizes2, b.GrownSizes2, "second growth");
  ExpectSameSlots(a, b, 0);
}

// The same trees in any order (equal y leaves the order open) and the same
// slots, their means to the last bits that another summing order changes.
inline void ExpectSameTrial(const data& a, const data& b) {
  EXPECT_TRUE(SortedTreeKeys(a) == SortedTreeKeys(b));
  ExpectSameSlots(a, b, 1e-3);
}

}  // namespace standcompare
