// Activating a stand in the main window in each of its five modes: what is
// recorded and written for new and re-measured stands, what the windows do.
#include "ui/FileLists.h"
#include "stands/OpenFile.h"
#include "tests/support/EstateFixture.h"
#include "tests/support/ProgramWindows.h"
#include "ui/Session.h"

using namespace estatefixture;

namespace {

class Activate : public testsupport::ProgramWindowsTest {
 protected:
  void SetUp() override {
    ProgramWindowsTest::SetUp();
    estate_ = LayOutProgramFolder();
    Start();
    ASSERT_TRUE(IntroForm->isVisible());
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
    TheSession->CurrentStand = std::move(s);
    TheSession->StandPath = estate_ + "/" + id + ".Norvalen";
  }
  QString BusyCaption() const { return script_.Last(MessageKind::Busy).caption.section(" ...", 0, 0); }

  QString estate_;
};

TEST_F(Activate, NewAndRemeasuredStandsRecordPhaseZeroAndWriteTheirFile) {
  struct Case {
    int mode, devClass;
    const char* busy;
  } cases[] = {{ActivateNewStand, 6, "Uusi metsikkökuvio"},
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
    ASSERT_TRUE(ActForm->ActivateStand(c.mode));
    EXPECT_EQ(CurrentPhase(), 0);
    const data& open = *TheSession->CurrentStand;
    EXPECT_EQ(open.Slots[0].name, "dummyStr");
    // The candidate ages of the stand-age dialog are estimated for a stand
    // with trees to draw; the age itself is given when the stand is grown.
    EXPECT_EQ(open.SpeciesBlocks[0].words[WordFirstAge] > 0, c.devClass != 1 && c.devClass != 2);
    EXPECT_EQ(open.SpeciesBlocks[0].words[WordAge], 0);
    // The file holds what the object holds.
    std::unique_ptr<data> back;
    ASSERT_EQ(data::PreviewStandFile(TheSession->StandPath, back), StandFileStatus::Ok);
    EXPECT_EQ(back->Slots[0].name, "dummyStr");
    EXPECT_EQ(back->Slots[0].volumes, open.Slots[0].volumes);
    EXPECT_EQ(back->SpeciesBlocks[0].words, open.SpeciesBlocks[0].words);
    EXPECT_EQ(BusyCaption(), QString::fromUtf8(c.busy));
    // The main window points at the stand's folder with its file chosen, and
    // its estate stand list is the folder's, this stand's file included.
    EXPECT_EQ(ActForm->FileListBox1->Directory(), estate_);
    EXPECT_EQ(ActForm->FileListBox1->currentItem()->text(), id + ".Norvalen");
    EXPECT_EQ(std::tuple(IntroForm->isVisible(), ActForm->isVisible(), ActForm->isEnabled()),
              std::tuple(false, true, true));
    EXPECT_EQ(TheSession->EstateRecords.size(), static_cast<size_t>(k));
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
    ASSERT_TRUE(WriteStand(*TheSession->CurrentStand, TheSession->StandPath));
  }
  ActForm->ResetEstatePanel("a.Norvalen", estate_);
  for (int mode : {ActivateFromStandList, ActivateFromOpenDialog, ActivateChangedHeader}) {
    SCOPED_TRACE(mode);
    NewStand(QStringLiteral("m%1").arg(mode), 6);
    TheSession->CurrentStand->Slots[0].name = "dummyStr";
    SetCurrentPhase(0);
    script_.Clear();
    TheSession->EstateRecords.clear();
    ASSERT_TRUE(ActForm->ActivateStand(mode));
    EXPECT_EQ(TheSession->EstateRecords.size(), mode == ActivateFromStandList ? 0u : 2u);
    EXPECT_FALSE(QFile::exists(TheSession->StandPath));
    EXPECT_EQ(script_.Count(MessageKind::Busy), mode == ActivateChangedHeader ? 1 : 0);
    if (mode == ActivateChangedHeader) {
      EXPECT_EQ(BusyCaption(), "Muutetaan kuviotietoja");
    }
    EXPECT_TRUE(ActForm->isVisible());
  }
}

TEST_F(Activate, FileThatCannotBeWrittenKeepsTheStartWindow) {
  NewStand("x", 6);
  TheSession->StandPath = estate_ + "/puuttuva/x.Norvalen";
  EXPECT_FALSE(ActForm->ActivateStand(ActivateNewStand));
  ASSERT_EQ(script_.Count(MessageKind::Notice), 1);
  const QString line = script_.Last(MessageKind::Notice).lines.value(0);
  EXPECT_TRUE(line.startsWith("kuviotiedoston tallennus ei onnistunut (")) << line.toStdString();
  EXPECT_TRUE(line.endsWith(")  !"));
  EXPECT_GT(line.size(), 45);  // the reason is named
  EXPECT_EQ(std::tuple(IntroForm->isVisible(), IntroForm->FirstStandActivation, ActForm->isEnabled()),
            std::tuple(true, true, false));
  EXPECT_EQ(script_.Count(MessageKind::Busy), 0);
  // Nothing to activate without a stand.
  TheSession->CurrentStand.reset();
  EXPECT_FALSE(ActForm->ActivateStand(ActivateFromOpenDialog));
  EXPECT_TRUE(IntroForm->isVisible());
}

}  // namespace
