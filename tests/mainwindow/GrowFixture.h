#pragma once
// The program started on a 1366 x 768 screen with an estate folder beside
// its program folder, and a stand of that estate measured as the
// measurement window builds it (a fixed seed): opened the user's way and
// grown, saved and undone through the main window's controls and the
// growth dialogs.
#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "mainwindow/Acts.h"
#include "model/Ages.h"
#include "model/ClassTables.h"
#include "model/Phase.h"
#include "model/Sample.h"
#include "model/Settings.h"
#include "operations/Ages.h"
#include "operations/Inc.h"
#include "platform/Random.h"
#include "platform/Screen.h"
#include "stands/Intro.h"
#include "stands/IntroOpen.h"
#include "stands/IntroStartup.h"
#include "tests/support/TempDir.h"
#include "ui/MessageService.h"
#include "ui/RadioGroup.h"
#include "ui/WindowHelpers.h"

namespace growfixture {

// Pine 22 cm / 19 m / 18 m2/ha (or older: 27 cm / 22 m), spruce 18 cm /
// 16 m / 6 m2/ha and birch 14 cm / 15 m / 2 m2/ha under "B3", measured in
// 2019 on 2.4 ha.
inline std::unique_ptr<data> MeasuredStand(const QString& id, unsigned seed, bool older = false) {
  platform::ForceSeed(seed);
  SampleMeasurement m;
  m.meanDiameter = {older ? 27 : 22, 18, 14, 0, 0};
  m.meanHeightTenths = {older ? 220 : 190, 160, 150, 0, 0};
  m.basalAreaTenths = {180, 60, 20, 0, 0};
  m.grouping = 1;
  m.developmentClass = 6;
  int stems[5] = {};
  ApplyStemCountAlternative(m.basalAreaTenths.data(), m.meanDiameter.data(), kDefaultStemCountAlternative, stems,
                            m.classes);
  for (int s = 0; s < 5; ++s) m.stems[static_cast<std::size_t>(s)] = stems[s];
  const int n = RebuildStandSample(m);
  MeasurementParams params;
  params.header.estateName = QString::fromUtf8("Koivulan tila");
  params.header.standId = id;
  params.header.developmentClass = 6;
  params.header.siteType = 3;
  params.header.measurementDay = 43631;  // 15.06.2019
  params.header.area = 2.4f;
  for (int s = 0; s < 5; ++s) {
    const auto si = static_cast<std::size_t>(s);
    auto& w = params.blocks[si].words;
    w[WordMeanDiameter] = m.meanDiameter[si];
    w[WordMeanHeight] = m.meanHeightTenths[si];
    w[WordBasalArea] = m.basalAreaTenths[si];
    w[WordStems] = m.stems[si];
  }
  params.sampleCount = n;
  auto stand = std::make_unique<data>(n);
  stand->FillFromMeasurement(params);
  stand->RecordPhase(0, QStringLiteral("dummyStr"), 0, 0);
  EstimateSpeciesAges(*stand);
  FreeSampleTrees();
  platform::ClearForcedSeed();
  return stand;
}

inline QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class GrowWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallFontSubstitutions();
    savedMetrics_ = platform::GetScreenMetrics();
    savedFolder_ = QDir::currentPath();
    ASSERT_TRUE(QDir(root_.path()).mkpath("Ohjelma"));
    ASSERT_TRUE(QDir(root_.path()).mkpath(QString::fromUtf8("Metsätilat/Koivula")));
    estate_ = root_.path() + QString::fromUtf8("/Metsätilat/Koivula");
    ASSERT_TRUE(QDir::setCurrent(root_.path() + "/Ohjelma"));
    model::SetSettingsFolder(QDir::currentPath());
    ASSERT_TRUE(model::SaveDefaultSettings().written);
    SetCurrentPhase(0);
    platform::SetScreenMetrics({.width = 1366, .height = 768});
    CreateApplicationWindows();
    ActForm->show();
    ActForm->FormActivate();
  }
  void TearDown() override {
    if (IntroForm) IntroForm->CurrentStand.reset();
    DestroyApplicationWindows();
    SetCurrentPhase(0);
    QDir::setCurrent(savedFolder_);
    model::SetSettingsFolder(savedFolder_);
    platform::SetScreenMetrics(savedMetrics_);
  }
  QString PathOf(const QString& id) const { return estate_ + "/" + id + ".Norvalen"; }
  // Writes a measured stand into the estate folder, as the measurement
  // window leaves it.
  void WriteStand(const QString& id, unsigned seed, bool older = false) {
    auto s = MeasuredStand(id, seed, older);
    ASSERT_EQ(s->WriteNewFile(PathOf(id)), StandFileStatus::Ok);
  }
  // Opens a stand file as the open dialog does once the user confirms it:
  // the file read whole, the main window pointed at its folder, the stand
  // activated.
  void OpenStandFile(const QString& id) { ASSERT_TRUE(LoadStandFile(IntroForm, 0, PathOf(id), true)); }
  data& Stand() { return *IntroForm->CurrentStand; }

  // Runs fn once the next modal dialog has opened (the click that opens it
  // follows the call).
  static void WhenShown(QWidget* dialog, std::function<void()> fn) {
    QTimer::singleShot(0, dialog, [dialog, fn] {
      if (!dialog->isVisible()) {
        WhenShown(dialog, fn);
        return;
      }
      fn();
    });
  }
  // In the open growth dialog: choose the years, then OK.
  static void ChooseYearsAndAccept(int years) {
    for (int i = 0; i < IncForm->RadioGroup1->Count(); ++i)
      if (IncForm->RadioGroup1->ItemText(i) == QString::number(years))
        QTest::mouseClick(IncForm->RadioGroup1->Item(i), Qt::LeftButton);
    QTest::mouseClick(IncForm->BitBtn2, Qt::LeftButton);
  }
  // The grow command through the dialogs: the stand-age dialog first when
  // no growth is recorded ("Jatka"), then the growth dialog.
  void GrowThroughDialogs(int years, std::function<void()> inAges = {}, std::function<void()> inGrowth = {}) {
    if (Stand().GrowthStepCount() == 0) {
      WhenShown(AgesForm, [years, inAges, inGrowth] {
        if (inAges) inAges();
        WhenShown(IncForm, [years, inGrowth] {
          if (inGrowth) inGrowth();
          ChooseYearsAndAccept(years);
        });
        QTest::mouseClick(AgesForm->BitBtn2, Qt::LeftButton);
      });
    } else {
      WhenShown(IncForm, [years, inGrowth] {
        if (inGrowth) inGrowth();
        ChooseYearsAndAccept(years);
      });
    }
    QTest::mouseClick(ActForm->Panel4, Qt::LeftButton);
  }

  testsupport::TempDir root_;
  QString estate_;
  MessageScript script_;
  platform::ScreenMetrics savedMetrics_;
  QString savedFolder_;
};

}  // namespace growfixture
