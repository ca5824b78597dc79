#pragma once
// Rules of the measurement window that need no widget.

// The view filters of a stand view of the measurement sample: the check
// boxes "tukkipuut" (log trees), "lehtipuut" (broadleaves) and "havupuut"
// (conifers) of the measurement window or of the open-stand window.
struct SampleViewFilter {
  bool logTrees = false;
  bool broadleaves = false;
  bool conifers = false;
};

// Whether sample tree `index` of the species is shown under the filter: the
// broadleaf filter hides pine and spruce, the conifer filter hides the
// broadleaved species, the log-tree filter keeps only trees that give logs
// (SampleTreeIsLogTree); with no filter every tree is shown.
bool SampleTreeVisible(int species, int index, const SampleViewFilter& filter);
