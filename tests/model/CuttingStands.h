#pragma once
// Stands and checks shared by the model tests: small stands laid tree by tree,
// random ones from the shared fixture (slot 0 recorded), and the comparison of
// a stand with what was read back from its file.

#include "model/Data.h"
#include "tests/model/StandFixture.h"
#include "tests/support/StandCompare.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
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
    s.Trees[i] = TreeRecord{trees[i].x, trees[i].y, trees[i].d, trees[i].h, 0, trees[i].species, {}};
  }
  s.RecordPhase(0, "mitattu", 0, 0);
  return s;
}

inline data RandomStand(int n, unsigned seed) {
  data s = *standfixture::MakeStand(n, seed);
  s.RecordPhase(0, "mitattu", 0, 0);
  return s;
}

// n trees of one size at x = 20 + i mod 600, y = 50 + i mod 150.
inline data UniformStand(int n, float d, float h, int species = SpeciesPine) {
  std::vector<Tree> trees;
  for (int i = 0; i < n; ++i) trees.push_back({20.0f + i % 600, 50.0f + i % 150, d, h, species});
  return MakeStand(trees);
}

inline int CountMarked(const data& s, int k) {
  int n = 0;
  for (const TreeRecord& t : s.Trees) n += t.removedBy == k ? 1 : 0;
  return n;
}

inline bool SortedByY(const data& s) {
  for (int i = 1; i < s.TreeCount(); ++i) if (s.Trees[i].y < s.Trees[i - 1].y) return false;
  return true;
}

// A slot in one line: name, growing years, stems, the volumes of the
// assortments, then the basal area and the means to the given decimals.
inline std::string SlotText(const PhaseSlot& s, int decimals = 3) {
  QString t = QStringLiteral("%1 %2 y %3 stems:").arg(s.name).arg(s.years).arg(s.stems);
  for (int v : s.volumes) t += QStringLiteral(" %1").arg(v);
  for (float v : {s.basalArea, s.meanDiameter, s.meanHeight}) t += QStringLiteral(" %1").arg(v, 0, 'f', decimals);
  return t.toStdString();
}

// The whole stand alike as its file holds it: the trees in list order,
// their grown sizes and every slot (the shared comparison), and the header,
// the regeneration choices, the species blocks and the trees' reserved bytes.
inline void ExpectSameStand(const data& a, const data& b) {
  ASSERT_EQ(a.TreeCount(), b.TreeCount());
  standcompare::ExpectSameStand(a, b);
  auto header = [](const StandHeader& h) {
    return std::tie(h.estateName, h.standId, h.info, h.developmentClass, h.siteType, h.measurementDay,
                    h.structureCode, h.area, h.modelEstate, h.reserved);
  };
  EXPECT_TRUE(header(a.Header) == header(b.Header));
  EXPECT_EQ(a.Regeneration.choice, b.Regeneration.choice);
  for (int s = 0; s < kSpeciesSlots; ++s) EXPECT_EQ(a.SpeciesBlocks[s].words, b.SpeciesBlocks[s].words) << s;
  int reserved = 0;
  for (int i = 0; i < a.TreeCount(); ++i) reserved += a.Trees[i].reserved != b.Trees[i].reserved ? 1 : 0;
  EXPECT_EQ(reserved, 0);
}

}  // namespace cuttingstands
