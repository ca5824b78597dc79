#include "mainwindow/DotMapRules.h"

#include <algorithm>
#include <numeric>

#include "ui/StandPictureRules.h"
#include "model/Calc.h"
#include "model/Data.h"
#include "platform/Numbers.h"
#include "texts/Actlan.h"
#include "ui/PaletteRules.h"

int OverviewModeOf(bool removalTicked, bool mortalityTicked) {
  if (removalTicked) return 1;
  return mortalityTicked ? 2 : 0;
}

int DotRadius(int dotSizeIndex, int enlargeIndex, bool logTree) {
  int r = dotSizeIndex + 1;
  if (enlargeIndex > 0 && logTree) r += enlargeIndex + 1;
  return r;
}

int DotMapBackground(bool before, int mode, bool mortalityTicked) {
  if (before || mode == 0) return PaletteColorValue(22);
  return mortalityTicked ? 0xF0FBFF : PaletteColorValue(12);
}

namespace {

// The order in which the trees are drawn: ascending height, equal heights
// in list order (a list sorted for the map is drawn as it stands).
std::vector<int> DrawingOrder(const data& stand, bool before) {
  std::vector<int> order(static_cast<std::size_t>(stand.TreeCount()));
  std::iota(order.begin(), order.end(), 0);
  if (IsSmallSeedlingStand(stand.DevelopmentClass())) return order;
  std::vector<float> key(order.size());
  for (int i = 0; i < stand.TreeCount(); ++i)
    key[static_cast<std::size_t>(i)] = before ? stand.BaseHeight(i) : stand.TreeHeight(i);
  if (std::is_sorted(key.begin(), key.end())) return order;
  std::stable_sort(order.begin(), order.end(), [&key](int a, int b) {
    return key[static_cast<std::size_t>(a)] < key[static_cast<std::size_t>(b)];
  });
  return order;
}

}  // namespace

DotMap TreeDotMap(const data& stand, bool before, const DotMapOptions& o) {
  DotMap map;
  map.background = DotMapBackground(before, o.mode, o.mortalityTicked);
  const PhaseHistory history = PhaseHistoryOf(stand, o.currentPhase);
  const bool enlarge = o.enlargeIndex > 0;
  const std::vector<int> order = DrawingOrder(stand, before);
  map.dots.reserve(order.size());
  for (int i : order) {
    if (!before && !IsRemovalShownInView(stand.TreeRemovedBy(i), o.mode, history)) continue;
    const int species = stand.TreeSpecies(i);
    float diameter = 0.0f, height = 0.0f;
    if (before || o.mode == 2) {
      diameter = stand.BaseDiameter(i);
      height = stand.BaseHeight(i);
    } else if (o.mode == 1) {
      diameter = stand.TreeDiameterAfterFirstGrowth(i);
      height = stand.TreeHeightAfterFirstGrowth(i);
    } else {
      diameter = stand.TreeDiameter(i);
      height = stand.TreeHeight(i);
    }
    const int dCm = platform::RoundHalfAway(diameter * 0.01);
    const int hM = platform::RoundHalfAway(height * 0.01);
    DotMapDot dot;
    dot.x = InterpolatePicturePosition(0, o.width, platform::TruncToInt(stand.TreeX(i)), 20, 620);
    dot.y = InterpolatePicturePosition(0, o.height, platform::TruncToInt(stand.TreeY(i)), 50, 200);
    dot.colour = (!before && o.mode == 2) ? PaletteColorValue(12) : SpeciesColorValue(species);
    const bool logTree = enlarge && TreeHasVolume(species, dCm, hM);
    dot.radius = DotRadius(o.dotSizeIndex, o.enlargeIndex, logTree);
    if (logTree) map.enlarged = true;
    map.dots.push_back(dot);
  }
  return map;
}

QString DotMapCaption(const QString& standTitle, bool note) {
  QString caption = standTitle + QStringLiteral("  :  ") + ActlanText(80);
  if (note) caption += QStringLiteral(", ") + ActlanText(91);
  return caption;
}

std::array<LegendRow, 5> SpeciesLegendRows(const std::array<int, 5>& stems, int top, int nameHeight, int dotHeight) {
  const bool all = std::all_of(stems.begin(), stems.end(), [](int n) { return n > 0; });
  std::array<LegendRow, 5> rows{};
  int y = top - (all ? 1 : 0);
  for (std::size_t k = 0; k < rows.size(); ++k) {
    if (stems[k] <= 0) continue;
    LegendRow& r = rows[k];
    r.visible = true;
    r.nameTop = y + (!all && k > 0 ? 1 : 0);
    r.dotTop = platform::TruncToInt(r.nameTop + 1 - (dotHeight - nameHeight) * 0.8);
    y = r.nameTop + nameHeight - 4;
  }
  return rows;
}

LegendColumns SpeciesLegendColumns(int frameLeft, int dotWidth) {
  const int dots = frameLeft - 2;
  return {dots, dots + dotWidth + 5};
}
