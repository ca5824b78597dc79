// Rows of the estate's stand lists, worked out by hand.

#include <gtest/gtest.h>

#include "model/Settings.h"
#include "stands/EstateListRules.h"

namespace {

class EstateListRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = model::CurrentSettings();
    model::SetDefaultSettings(model::CurrentSettings());
    model::CurrentSettings().pulpwoodPrices[0] = 15.5f;
    model::CurrentSettings().logPrices[0] = 55.25f;
    record.status = StandFileStatus::Ok;
    record.fileName = "12a.Norvalen";
    record.standId = "12a";
    record.area = 1.5f;
    record.developmentClass = 6;
    record.siteType = 3;
    record.measurementDate = "15.06.2019";
    record.phaseSlots[0].volumes[PinePulpwood] = 20;
    record.phaseSlots[0].volumes[PineLogs] = 60;
  }
  void TearDown() override { model::CurrentSettings() = saved_; }

  // The main window's row in volume and in value, without a time point or
  // at one.
  QStringList Rows(const StandRemovalAtTimePoint* timePoint = nullptr) const {
    return {StandListRowText(record, false, MainStandListSeparator(), timePoint, false),
            StandListRowText(record, false, MainStandListSeparator(), timePoint, true)};
  }

  EstateRecord record;

 private:
  model::SettingsRecord saved_;
};

TEST_F(EstateListRulesTest, RowsWithoutTimePoint) {
  EXPECT_EQ(MainStandListSeparator(), QString::fromUtf8("  •  "));
  // 20 + 60 = 80 m3/ha, logs 60 of 80 = 75 %; 20 x 15.5 = 310 and 60 x
  // 55.25 = 3315: 3625 €/ha, 3625 / 80 = 45.3 €/m3.
  EXPECT_EQ(Rows(), QString::fromUtf8("Kuvio 12a   :   1.50 ha  •  varttunut kasvatusmetsä  •  80 m3/ha,  tukki % 75|"
                                      "Kuvio 12a   :   1.50 ha  •  varttunut kasvatusmetsä  •  3625 €/ha,  45 €/m3")
                        .split('|'));
  EXPECT_EQ(StandListRowText(record, true, ",  ", nullptr, false),
            QString::fromUtf8("Kuvio 12a  :  1.50 ha,  varttunut kasvatusmetsä,  tuore kangas"));
  // A treeless area: no stock, no log share, no unit value.
  record.phaseSlots[0].volumes = {};
  record.developmentClass = 1;
  EXPECT_EQ(Rows(), QString::fromUtf8("Kuvio 12a   :   1.50 ha  •  puuton alue  •  0 m3/ha,  tukki % 0|"
                                      "Kuvio 12a   :   1.50 ha  •  puuton alue  •  0 €/ha,  0 €/m3")
                        .split('|'));
}

TEST_F(EstateListRulesTest, RowsAtATimePoint) {
  StandRemovalAtTimePoint none;
  EXPECT_EQ(Rows(&none).at(0), QString::fromUtf8("Kuvio 12a   :   1.50 ha  •  ei hakkuuta"));
  StandRemovalAtTimePoint cut;
  cut.volumeM3PerHa = 55;
  cut.value = 2800;
  cut.volumesM3PerHa[PinePulpwood] = 15;
  cut.volumesM3PerHa[PineLogs] = 40;
  cut.cuttingMethod = "kasvatushakkuu";
  cut.slotSummary = "2024";
  // Logs 40 / 55 = 72.7 % -> 73 (with 27 % pulpwood the shares add up to
  // 100); 2800 / 55 = 50.9 -> 51 €/m3.
  EXPECT_EQ(Rows(&cut),
            QString::fromUtf8("Kuvio 12a   :   1.50 ha  •  kasvatushakkuu 2024,  kertymä 55 m3/ha,  tukki % 73|"
                              "Kuvio 12a   :   1.50 ha  •  kasvatushakkuu 2024,  kertymä 2800 €/ha,  51 €/m3")
                .split('|'));
  // An unreadable file's row names the file.
  record.fileName = "vanha.Norvalen";
  record.status = StandFileStatus::TooShort;
  EXPECT_EQ(Rows().at(0), QString::fromUtf8("Kuvio vanha   :   tiedosto ei ole eheä kuviotiedosto"));
  record.status = StandFileStatus::CannotOpen;
  EXPECT_EQ(StandListRowText(record, true, ", ", nullptr, false),
            QString::fromUtf8("Kuvio vanha  :  kuviotiedostoa ei voi lukea"));
}

TEST(EstateListTexts, NumberWithUnitAndTitleSuffix) {
  // Nothing divided by 0; 3.5 rounds away from zero.
  EXPECT_EQ(QStringList({NumberWithUnitText(5, 0), NumberWithUnitText(7, 2), NumberWithUnitText(-7, 2),
                         NumberWithUnitText(3625, 80)}),
            QString::fromUtf8("0 €/m3|4 €/m3|-4 €/m3|45 €/m3").split('|'));
  EXPECT_EQ(QStringList({StripTitleSuffix("12a.Norvalen"), StripTitleSuffix("a Norvalen"), StripTitleSuffix(".Norvalen"),
                         StripTitleSuffix("Norvalen"), StripTitleSuffix("")}),
            QStringList({"12a", "a", "", "", ""}));
}

}  // namespace
