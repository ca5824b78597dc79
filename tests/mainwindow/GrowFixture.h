#pragma once
// A stand of the estate measured as the measurement window builds it (a
// fixed seed), opened the user's way and grown through the main window's
// grow button and the stand-age and growth dialogs.
#include "model/Ages.h"
#include "operations/Ages.h"
#include "operations/Inc.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/PictureStands.h"

namespace growfixture {

using testsupport::Click;
using testsupport::FileBytes;
using testsupport::InModal;
using testsupport::Shown;

// Pine 22 cm / 19 m / 18 m2/ha (or older: 27 cm / 22 m), spruce 18 cm /
// 16 m / 6 m2/ha and birch 14 cm / 15 m / 2 m2/ha under "B3", measured
// 15.06.2019 on 2.4 ha.
inline std::unique_ptr<data> MeasuredStand(const QString& id, unsigned seed, bool older = false) {
  const picturestands::Measured m{
      6, {older ? 27 : 22, 18, 14, 0, 0}, {older ? 220 : 190, 160, 150, 0, 0}, {180, 60, 20, 0, 0}};
  auto stand = picturestands::MakeStand(m, seed);
  stand->Header.estateName = QString::fromUtf8("Koivulan tila");
  stand->Header.standId = id;
  stand->Header.measurementDay = 43631;
  stand->Header.area = 2.4f;
  stand->RecordPhase(0, QStringLiteral("dummyStr"), 0, 0);
  EstimateSpeciesAges(*stand);
  return stand;
}

class GrowWindows : public testsupport::EstateWindowsTest {
 protected:
  // A measured stand written into the estate folder, as the measurement
  // window leaves it.
  void WriteStand(const QString& id, unsigned seed, bool older = false) {
    ASSERT_EQ(MeasuredStand(id, seed, older)->WriteNewFile(PathOf(id)), StandFileStatus::Ok);
  }
  void OpenStandFile(const QString& id) { OpenStandPath(PathOf(id)); }

  // In the open growth dialog: choose the years, then OK.
  static void ChooseYearsAndAccept(int years) {
    for (int i = 0; i < IncForm->RadioGroup1->Count(); ++i)
      if (IncForm->RadioGroup1->ItemText(i) == QString::number(years)) Click(IncForm->RadioGroup1->Item(i));
    Click(IncForm->BitBtn2);
  }
  // The grow command through the dialogs: the stand-age dialog first when
  // no growth is recorded ("Jatka"), then the growth dialog.
  void GrowThroughDialogs(int years, std::function<void()> inAges = {}, std::function<void()> inGrowth = {}) {
    auto inInc = [years, inGrowth] {
      if (inGrowth) inGrowth();
      ChooseYearsAndAccept(years);
    };
    if (Stand().GrowthStepCount() > 0) {
      EXPECT_TRUE(InModal(Shown(IncForm), inInc, [] { Click(ActForm->Panel4); }));
      return;
    }
    EXPECT_TRUE(InModal(Shown(AgesForm), [&] {
      if (inAges) inAges();
      EXPECT_TRUE(InModal(Shown(IncForm), inInc, [] { Click(AgesForm->BitBtn2); }));
    }, [] { Click(ActForm->Panel4); }));
  }
};

}  // namespace growfixture
