// Activating a stand in the main window in each of its five modes: what is
// recorded and written for new and re-measured stands, what the windows do.

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <gtest/gtest.h>

#include "mainwindow/Acts.h"
#include "mainwindow/ActsFileLists.h"
#include "model/Phase.h"
#include "model/Settings.h"
#include "platform/Screen.h"
#include "stands/Intro.h"
#include "stands/IntroOpen.h"
#include "stands/IntroStartup.h"
#include "tests/support/EstateFixture.h"
#include "tests/support/TempDir.h"
#include "ui/MessageService.h"
#include "ui/WindowHelpers.h"

using namespace estatefixture;

namespace {

class Activate : public ::testing::Test {
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
    platform::SetScreenMetrics({.width = 1366, .height = 768});
    CreateApplicationWindows();
    ActForm->show();
    ActForm->FormActivate();
    ASSERT_TRUE(IntroForm->isVisible());
  }
  void TearDown() override {
    DestroyApplicationWindows();
    QDir::setCurrent(savedFolder_);
    model::SetSettingsFolder(savedFolder_);
    platform::SetScreenMetrics(savedMetrics_);
  }
  // A new stand object as the measurement window hands it over: species
  // blocks with their measured values, slots empty.
  void NewStand(const QString& id, int devClass) {
    auto s = MakeStand(id, 90, 2021, 1.4f, devClass, 3, 5);
    for (int sp = 0; sp < 3; ++sp) {
      s->SpeciesBlocks[sp].words[WordMeanDiameter] = 18 + sp;
      s->SpeciesBlocks[sp].words[WordMeanHeight] = 160 + 5 * sp;
      s->SpeciesBlocks[sp].words[WordBasalArea] = 60;
    }
    IntroForm->CurrentStand = std::move(s);
    IntroForm->SetStandPath(estate_ + "/" + id + ".Norvalen");
  }

  testsupport::TempDir root_;
  QString estate_;
  MessageScript script_;
  platform::ScreenMetrics savedMetrics_;
  QString savedFolder_;
};

TEST_F(Activate, NewAndRemeasuredStandsRecordPhaseZeroAndWriteTheirFile) {
  struct Case {
    int mode;
    int devClass;
    const char* busy;
  };
  const Case cases[] = {{ActivateNewStand, 6, "Uusi metsikkökuvio"},
                        {ActivateRemeasuredStand, 5, "Muutetaan puustotietoja"},
                        {ActivateNewStand, 2, "Uusi metsikkökuvio"},
                        {ActivateNewStand, 1, "Uusi metsikkökuvio"}};
  int k = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode * 10 + c.devClass);
    const QString id = QStringLiteral("k%1").arg(k++);
    NewStand(id, c.devClass);
    SetCurrentPhase(3);
    script_.Clear();
    ASSERT_TRUE(ActivateStand(IntroForm, c.mode));
    EXPECT_EQ(CurrentPhase(), 0);
    const data& open = *IntroForm->CurrentStand;
    EXPECT_EQ(open.Slots[0].name, "dummyStr");
    // The candidate ages of the stand-age dialog are estimated for a stand
    // with trees to draw; the age itself is given when the stand is grown.
    EXPECT_EQ(open.SpeciesBlocks[0].words[WordFirstAge] > 0, c.devClass != 1 && c.devClass != 2);
    EXPECT_EQ(open.SpeciesBlocks[0].words[WordAge], 0);
    // The file holds what the object holds.
    std::unique_ptr<data> back;
    ASSERT_EQ(data::PreviewStandFile(IntroForm->StandPath, back), StandFileStatus::Ok);
    EXPECT_EQ(back->Slots[0].name, "dummyStr");
    EXPECT_EQ(back->Slots[0].volumes, open.Slots[0].volumes);
    EXPECT_EQ(back->SpeciesBlocks[0].words, open.SpeciesBlocks[0].words);
    EXPECT_EQ(QString::fromUtf8(c.busy), script_.Last(MessageKind::Busy).caption.section(" ...", 0, 0));
    // The main window points at the stand's folder with its file chosen.
    EXPECT_EQ(ActForm->FileListBox1->Directory(), estate_);
    EXPECT_EQ(ActForm->FileListBox1->currentItem()->text(), id + ".Norvalen");
    EXPECT_FALSE(IntroForm->isVisible());
    EXPECT_TRUE(ActForm->isVisible());
    EXPECT_TRUE(ActForm->isEnabled());
    // The estate stand list is the folder's, this stand's file included.
    EXPECT_EQ(IntroForm->EstateRecords.size(), static_cast<size_t>(k));
    EXPECT_EQ(ActForm->ListBox1->count(), k);
  }
  EXPECT_FALSE(IntroForm->FirstStandActivation);
  EXPECT_FALSE(IntroForm->ListBox1->isVisible());
}

TEST_F(Activate, OpenedAndChangedHeaderStandsWriteNothing) {
  // Two stand files in the folder; the estate list is rebuilt from them in
  // modes 1 to 4, and kept as it is (here emptied) in mode 0.
  for (const char* id : {"a", "b"}) {
    NewStand(id, 6);
    ASSERT_TRUE(WriteStand(*IntroForm->CurrentStand, IntroForm->StandPath));
  }
  ActForm->ResetEstatePanel("a.Norvalen", estate_);
  for (int mode : {ActivateFromStandList, ActivateFromOpenDialog, ActivateChangedHeader}) {
    SCOPED_TRACE(mode);
    NewStand(QStringLiteral("m%1").arg(mode), 6);
    IntroForm->CurrentStand->Slots[0].name = "dummyStr";
    SetCurrentPhase(0);
    script_.Clear();
    IntroForm->EstateRecords.clear();
    ASSERT_TRUE(ActivateStand(IntroForm, mode));
    EXPECT_EQ(IntroForm->EstateRecords.size(), mode == ActivateFromStandList ? 0u : 2u);
    EXPECT_FALSE(QFile::exists(IntroForm->StandPath));
    EXPECT_EQ(script_.Count(MessageKind::Busy), mode == ActivateChangedHeader ? 1 : 0);
    if (mode == ActivateChangedHeader) {
      EXPECT_EQ(script_.Last(MessageKind::Busy).caption.section(" ...", 0, 0), "Muutetaan kuviotietoja");
    }
    EXPECT_TRUE(ActForm->isVisible());
  }
}

TEST_F(Activate, FileThatCannotBeWrittenKeepsTheStartWindow) {
  NewStand("x", 6);
  IntroForm->SetStandPath(estate_ + "/puuttuva/x.Norvalen");
  EXPECT_FALSE(ActivateStand(IntroForm, ActivateNewStand));
  ASSERT_EQ(script_.Count(MessageKind::Notice), 1);
  const QString line = script_.Last(MessageKind::Notice).lines.value(0);
  EXPECT_TRUE(line.startsWith("kuviotiedoston tallennus ei onnistunut (")) << line.toStdString();
  EXPECT_TRUE(line.endsWith(")  !"));
  EXPECT_GT(line.size(), 45);  // the reason is named
  EXPECT_TRUE(IntroForm->isVisible());
  EXPECT_TRUE(IntroForm->FirstStandActivation);
  EXPECT_FALSE(ActForm->isEnabled());
  EXPECT_EQ(script_.Count(MessageKind::Busy), 0);
}

TEST_F(Activate, NothingToActivateWithoutAStand) {
  IntroForm->CurrentStand.reset();
  EXPECT_FALSE(ActivateStand(IntroForm, ActivateFromOpenDialog));
  EXPECT_TRUE(IntroForm->isVisible());
}

}  // namespace
