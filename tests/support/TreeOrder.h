#pragma once
// The order in which the main window leaves a stand's tree list, worked out
// for the tests one sort at a time with the stand's sort for saving
// (SortTreesForSave), each starting from the order the one before left, so
// that the windows' list can be compared with it record by record.
#include <QString>

#include <memory>

#include "model/Data.h"
#include "model/StandFile.h"

namespace treeorder {

// The full refresh of a new, opened or edited stand: the reset draws the
// measured map (by measured height once a growing step is recorded, else by
// the latest height), the map after the steps (latest height) and sorts the
// list back by y; the overview tab then draws the map after the steps again
// and sorts back.
inline void SortAsTheFullRefresh(data& s) {
  s.SortTreesForSave(true, true);
  s.SortTreesForSave(false, true);
  s.SortTreesForSave(false, false);
  s.SortTreesForSave(false, true);
  s.SortTreesForSave(false, false);
}

// The open stand's preview in the open-stand window: drawn by measured
// height, sorted back by y.
inline void SortAsTheOpenStandPreview(data& s) {
  s.SortTreesForSave(true, true);
  s.SortTreesForSave(false, false);
}

// The stand of the file (its trees in the file's order), or null; the
// current phase is left alone.
inline std::unique_ptr<data> ReadAsStored(const QString& path) {
  std::unique_ptr<data> s;
  return data::PreviewStandFile(path, s) == StandFileStatus::Ok ? std::move(s) : nullptr;
}

// Whether two stands hold their trees in the same order.
inline bool SameTreeOrder(const data& a, const data& b) {
  if (a.TreeCount() != b.TreeCount()) return false;
  for (int i = 0; i < a.TreeCount(); ++i) {
    const TreeRecord& x = a.Trees[i];
    const TreeRecord& y = b.Trees[i];
    if (x.x != y.x || x.y != y.y || x.diameter != y.diameter || x.height != y.height || x.species != y.species)
      return false;
  }
  return true;
}

}  // namespace treeorder
