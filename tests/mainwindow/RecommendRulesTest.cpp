// The recommendation panel: its state by the step at the current phase, its
// text, caption and message lines.
#include <gtest/gtest.h>

#include "mainwindow/RecommendRules.h"
#include "model/Data.h"

namespace {

data StandWithStep(int devClass, const char* step) {
  data s(0);
  s.Header.developmentClass = devClass;
  s.Slots[0].name = "dummyStr";
  if (step) s.Slots[1].name = QString::fromUtf8(step);
  return s;
}

TEST(RecommendRules, StateByStepAndClass) {
  struct Case {
    int devClass;
    const char* step;  // slot 1's name; phase 1 when given, else phase 0
    bool newForest, estimate;
    int state;
  };
  const Case cases[] = {
      {6, nullptr, false, false, RecommendsOperation},
      {1, nullptr, false, false, RecommendsNothing},  // treeless area
      {2, nullptr, false, false, RecommendsNothing},  // small seedling stand
      {6, "poimintahakkuu 40 m3/ha", false, false, RecommendsNothing},
      {6, "Pienaukkohakkuu, aukon koko 0.20 ha", false, false, RecommendsNothing},
      {6, "Avohakkuu, säästöpuita 30 kpl/ha", true, false, RecommendsCostEstimate},
      {6, "Avohakkuu, säästöpuita 30 kpl/ha", false, true, RecommendsCostEstimate},
      {6, "Avohakkuu, säästöpuita 30 kpl/ha", true, true, RecommendsNothing},
      {6, "alaharvennus hakkuukertymään 40 m3/ha", false, false, RecommendsOperation},
  };
  for (const Case& c : cases) {
    const data s = StandWithStep(c.devClass, c.step);
    EXPECT_EQ(RecommendationState(s, c.step ? 1 : 0, c.newForest, c.estimate), c.state)
        << c.devClass << " " << (c.step ? c.step : "-");
  }
}

TEST(RecommendRules, TextsCaptionAndMessage) {
  const QString rec = QString::fromUtf8("puuston Pohjapinta-ala 31.0 m2/ha,  Harkitse kasvatushakkuuta    !");
  EXPECT_EQ(RecommendationPanelText(RecommendsOperation, false, rec), rec.toLower());
  EXPECT_EQ(RecommendationPanelText(3, false, rec), rec.toLower());
  EXPECT_EQ(RecommendationPanelText(RecommendsOperation, true, rec), "");
  EXPECT_EQ(RecommendationPanelText(RecommendsNothing, false, rec), "");
  EXPECT_EQ(RecommendationPanelText(RecommendsOperation, false, ""), "");
  EXPECT_EQ(RecommendationPanelText(RecommendsCostEstimate, false, rec),
            QString::fromUtf8("harkitse kustannusarvion laatimista metsänuudistamisen kuluista   !"));
  EXPECT_EQ(RecommendationPanelCaption("2029"), "Toimenpidesuositus  v. 2029");
  EXPECT_EQ(RecommendationMessageLine1(0, false, "2019"), QString::fromUtf8("Toimenpidesuositus mittauksen jälkeen  v. 2019"));
  EXPECT_EQ(RecommendationMessageLine1(1, true, "2029"), QString::fromUtf8("Toimenpidesuositus kasvatuksen jälkeen  v. 2029"));
  EXPECT_EQ(RecommendationMessageLine1(2, false, "2029"), QString::fromUtf8("Toimenpidesuositus hakkuun jälkeen  v. 2029"));
  EXPECT_EQ(RecommendationMessageLine2("abc"), "            -  abc");
}

}  // namespace
