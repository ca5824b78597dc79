// The map window's arithmetic: the visible part of a picture, the scroll-bar
// room and the window's size around it.
#include <gtest/gtest.h>

#include "estate/MapRules.h"

TEST(MapRules, VisibleAreaScrollRoomAndWindowSize) {
  const struct {
    int w, h;
    MapView view;
    int wholeWidth;
  } cases[] = {
      {800, 600, {800, 600, 10, 10, false}, 806},
      {1000, 700, {1000, 700, 10, 10, false}, 1006},   // the largest picture shown whole
      {200, 100, {200, 100, 10, 10, false}, 370},      // never narrower than 370
      {1001, 700, {1000, 700, 0, 35, true}, 1007},     // wide: a horizontal bar below
      {1000, 701, {1000, 700, 35, 0, true}, 1006},     // high: a vertical bar at the side
      {1200, 600, {1000, 600, 0, 35, true}, 1206},
      {3000, 2000, {1000, 700, 35, 35, true}, 3006},
  };
  for (const auto& c : cases) {
    const MapView v = MapViewFor(c.w, c.h);
    EXPECT_EQ(std::tuple(v.visibleWidth, v.visibleHeight, v.extraWidth, v.extraHeight, v.scrolled),
              std::tuple(c.view.visibleWidth, c.view.visibleHeight, c.view.extraWidth, c.view.extraHeight,
                         c.view.scrolled))
        << c.w << " x " << c.h;
    EXPECT_EQ(WholeMapWindowWidth(c.w), c.wholeWidth) << c.w;
  }
  // 1200 x 600 beside a 92-pixel button column: 92 + 1000 + 0 wide;
  // caption 23 + 600 + 35 high. A small picture keeps the 370 x 260 least.
  EXPECT_EQ(ScrolledMapWindowWidth(92, MapViewFor(1200, 600)), 1092);
  EXPECT_EQ(ScrolledMapWindowHeight(23, 0, MapViewFor(1200, 600)), 658);
  EXPECT_EQ(ScrolledMapWindowWidth(92, MapView{100, 50, 0, 35, true}), 370);
  EXPECT_EQ(ScrolledMapWindowHeight(23, 0, MapView{100, 50, 0, 35, true}), 260);
  // Beside the 92-pixel column on a 1100 x 700 screen the view shrinks by
  // what the window is too large (1127 - 1100, 758 - 700), a side that
  // becomes cut taking its bar's room too; on 1366 x 768 nothing changes.
  const struct {
    int w, h, screenW, screenH;
    MapView view;
  } fits[] = {
      {3000, 2000, 1100, 700, {973, 642, 35, 35, true}},
      {3000, 2000, 1366, 768, {1000, 700, 35, 35, true}},
      {1200, 680, 1100, 700, {973, 642, 35, 35, true}},
  };
  for (const auto& c : fits) {
    const MapView v = FitMapViewToScreen(MapViewFor(c.w, c.h), c.w, c.h, 92, 23, c.screenW, c.screenH);
    EXPECT_EQ(std::tuple(v.visibleWidth, v.visibleHeight, v.extraWidth, v.extraHeight, v.scrolled),
              std::tuple(c.view.visibleWidth, c.view.visibleHeight, c.view.extraWidth, c.view.extraHeight, true))
        << c.w << " x " << c.h << " on " << c.screenW << " x " << c.screenH;
  }
  // A picture shown whole whose window is too high is scrolled instead.
  const MapView whole = FitMapViewToScreen({1000, 700, 0, 0, true}, 1000, 700, 92, 23, 1100, 700);
  EXPECT_EQ(std::tuple(whole.visibleWidth, whole.visibleHeight, whole.extraWidth), std::tuple(973, 642, 35));
}

TEST(MapRules, LabelAndModelEstateMap) {
  EXPECT_EQ(MapFileLabel("/home/a/kartat/tila.jpg"), "karttatiedosto  :  tila.jpg");
  EXPECT_EQ(ModelEstateMapPath("/x/Metsätilat/Mallitila"), "/x/Metsätilat/Mallitila/Mallitila.jpg");
  EXPECT_TRUE(SameFolder("/tmp", "/tmp/"));
  EXPECT_TRUE(SameFolder("/tmp/../tmp", "/tmp"));
  EXPECT_FALSE(SameFolder("/tmp", "/usr"));
  EXPECT_FALSE(SameFolder("", ""));
}
