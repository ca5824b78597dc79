#include "stands/MeasRules.h"

#include "model/Sample.h"

bool SampleTreeVisible(int species, int index, const SampleViewFilter& filter) {
  const bool conifer = species == 0 || species == 1;
  if (filter.broadleaves && conifer) return false;
  if (filter.conifers && !conifer) return false;
  if (filter.logTrees && !SampleTreeIsLogTree(index)) return false;
  return true;
}
