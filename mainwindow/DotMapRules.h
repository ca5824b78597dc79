#pragma once
// The tree dot maps of the overview page as plain functions (no widget): the
// 1-ha tree list seen from above, every tree a filled circle in its species
// colour, the measured stand in one map and the stand after the recorded
// steps in the other; the after map can show instead the trees removed by
// the cuttings or those that died in the growing steps. Also the species
// legend beside the maps and the caption over them.
//
// Colours are 0xBBGGRR values.

#include <QString>

#include <array>
#include <vector>

class data;

// What the after map (and the upper overview chart) shows: 0 the standing
// trees, 1 the trees removed by the cuttings ("hakkuukertymä" ticked),
// 2 those that died of natural mortality ("luonnonpoistuma" ticked, the
// removal unticked).
int OverviewModeOf(bool removalTicked, bool mortalityTicked);

// Dot radius in pixels: the dot-size item (0..3) + 1; a log tree gets the
// enlargement item (1..3) + 1 more when the enlargement is on (item > 0).
int DotRadius(int dotSizeIndex, int enlargeIndex, bool logTree);

// Background of a map: palette colour 22 for the measured map and for the
// standing trees; otherwise pale cream while the mortality box is ticked,
// else the dark palette colour 12.
int DotMapBackground(bool before, int mode, bool mortalityTicked);

// The choices of the overview page that the maps read.
struct DotMapOptions {
  int mode = 0;               // OverviewModeOf
  bool mortalityTicked = false;
  int dotSizeIndex = 1;       // " puiden pistekoko " item
  int enlargeIndex = 1;       // " tukkipuut, lisäys " item (0 off)
  int width = 0;              // picture size in pixels
  int height = 0;
  int currentPhase = 0;
};

struct DotMapDot {
  int x = 0;  // centre
  int y = 0;
  int radius = 0;
  int colour = 0;  // fill; the outline is black
  bool operator==(const DotMapDot&) const = default;
};

struct DotMap {
  int background = 0;
  std::vector<DotMapDot> dots;  // in drawing order
  bool enlarged = false;        // a log tree was drawn larger
};

// One map. The trees are drawn from the lowest to the tallest (the measured
// height on the measured map, the latest height on the after map), so that a
// tall tree's dot lies over the small ones around it; a small seedling stand
// is drawn in its stored order. The main window hands it the list already
// sorted for the map (data::SortTreesForDotMaps), which is then drawn in list
// order; the stand itself is not touched here.
DotMap TreeDotMap(const data& stand, bool before, const DotMapOptions& o);

// The caption over the maps: the stand title, "  :  " and the sample text;
// with note (a log tree drawn larger) ", " and the big-dot note.
QString DotMapCaption(const QString& standTitle, bool note);

// The species legend: a column of rows under the measured map's frame, one
// row for each of pine .. alder that has stems, each a coloured dot and the
// species name. The rows start at the frame's bottom edge (one pixel higher
// when all five species are present) and lie the name label's height - 4
// apart; a species without stems has no row, those below it close up, and
// when not all five are present every row after pine's lies one pixel lower.
// The dot label stands 0.8 of its extra height above the name label's top
// + 1.
struct LegendRow {
  bool visible = false;
  int nameTop = 0;
  int dotTop = 0;
  bool operator==(const LegendRow&) const = default;
};
std::array<LegendRow, 5> SpeciesLegendRows(const std::array<int, 5>& stems, int top, int nameHeight, int dotHeight);
// The legend's columns: the dots 2 pixels left of the frame's left edge, the
// names 5 pixels right of the dots.
struct LegendColumns {
  int dotLeft = 0;
  int nameLeft = 0;
  bool operator==(const LegendColumns&) const = default;
};
LegendColumns SpeciesLegendColumns(int frameLeft, int dotWidth);
