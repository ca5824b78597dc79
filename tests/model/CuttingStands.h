#pragma once
// Stands for the tests of the cutting patterns and thinnings: small ones laid
// tree by tree, and random ones from the shared fixture, slot 0 recorded.

#include "model/Data.h"
#include "tests/model/StandFixture.h"

#include <vector>

namespace cuttingstands {

struct Tree {
  float x;
  float y;
  float d = 2000.0f;  // 1/100 cm
  float h = 1800.0f;  // cm
  int species = SpeciesPine;
};

// The trees in the given list order, standing, with slot 0 recorded.
inline data MakeStand(const std::vector<Tree>& trees) {
  data s(static_cast<int>(trees.size()));
  for (size_t i = 0; i < trees.size(); ++i) {
    TreeRecord& t = s.Trees[i];
    t.x = trees[i].x;
    t.y = trees[i].y;
    t.diameter = trees[i].d;
    t.height = trees[i].h;
    t.species = trees[i].species;
  }
  s.RecordPhase(0, "mitattu", 0, 0);
  return s;
}

inline data RandomStand(int n, unsigned seed) {
  data s = *standfixture::MakeStand(n, seed);
  s.RecordPhase(0, "mitattu", 0, 0);
  return s;
}

inline int CountMarked(const data& s, int k) {
  int n = 0;
  for (const TreeRecord& t : s.Trees) n += t.removedBy == k ? 1 : 0;
  return n;
}

inline bool SortedByY(const data& s) {
  for (int i = 1; i < s.TreeCount(); ++i) {
    if (s.Trees[i].y < s.Trees[i - 1].y) return false;
  }
  return true;
}

}  // namespace cuttingstands
