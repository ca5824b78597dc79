#pragma once
// The order in which the main window leaves a stand's tree list, worked out
// one sort for saving (SortTreesForSave) at a time.
#include <QString>

#include <initializer_list>
#include <memory>
#include <utility>

#include "model/Data.h"
#include "model/StandFile.h"

namespace treeorder {

// The sorts in turn, each (growthKey, bySize).
inline void Sort(data& s, std::initializer_list<std::pair<bool, bool>> sorts) {
  for (auto [growthKey, bySize] : sorts) s.SortTreesForSave(growthKey, bySize);
}

// The full refresh of a new, opened or edited stand: the reset draws the
// measured map (by measured height once a growing step is recorded, else by
// the latest height), the map after the steps (latest height) and sorts the
// list back by y; the overview tab then draws the map after the steps again
// and sorts back.
inline void SortAsTheFullRefresh(data& s) {
  Sort(s, {{true, true}, {false, true}, {false, false}, {false, true}, {false, false}});
}

// The stand of the file (its trees in the file's order), or null; the
// current phase is left alone.
inline std::unique_ptr<data> ReadAsStored(const QString& path) {
  std::unique_ptr<data> s;
  return data::PreviewStandFile(path, s) == StandFileStatus::Ok ? std::move(s) : nullptr;
}

}  // namespace treeorder
