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
  // The caption of the last busy display ("" none).
  QString BusyCaption() const { return script_.Last(MessageKind::Busy).caption.section(" ...", 0, 0); }

  QString estate_;
};

TEST_F(Activate, NewAndRemeasuredStandsRecordPhaseZeroAndWriteTheirFileOpenedOnesWriteNothing) {
  // busy: the busy display's caption ("" none); records: the estate list
  // then, rebuilt from the folder in every mode but the stand-list pick
  // (which keeps it, here emptied).
  struct Case {
    int mode, devClass;
    const char* busy;
    size_t records;
  } cases[] = {{ActivateNewStand, 6, "Uusi metsikkökuvio", 1},
               {ActivateRemeasuredStand, 5, "Muutetaan puustotietoja", 2},
               {ActivateNewStand, 2, "Uusi metsikkökuvio", 3},
               {ActivateNewStand, 1, "Uusi metsikkökuvio", 4},
               {ActivateFromStandList, 6, "", 0},
               {ActivateFromOpenDialog, 6, "", 4},
               {ActivateChangedHeader, 6, "Muutetaan kuviotietoja", 4}};
  int k = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode * 10 + c.devClass);
    const QString id = QStringLiteral("k%1").arg(k++);
    const bool written = c.mode == ActivateNewStand || c.mode == ActivateRemeasuredStand;
    NewStand(id, c.devClass);
    if (!written) TheSession->CurrentStand->Slots[0].name = "dummyStr";
    SetCurrentPhase(written ? 3 : 0);
    script_.Clear();
    TheSession->EstateRecords.clear();
    ASSERT_TRUE(ActForm->ActivateStand(c.mode));
    EXPECT_EQ(std::tuple(QFile::exists(TheSession->StandPath), CurrentPhase(), BusyCaption(),
                         TheSession->EstateRecords.size()),
              std::tuple(written, 0, QString::fromUtf8(c.busy), c.records));
    EXPECT_EQ(std::tuple(IntroForm->isVisible(), ActForm->isVisible(), ActForm->isEnabled()),
              std::tuple(false, true, true));
    if (!written) continue;
    const data& open = *TheSession->CurrentStand;
    EXPECT_EQ(open.Slots[0].name, "dummyStr");
    // The candidate ages of the stand-age dialog are estimated for a stand
    // with trees to draw; the age itself is given when the stand is grown.
    EXPECT_EQ(std::pair(open.SpeciesBlocks[0].words[WordFirstAge] > 0, open.SpeciesBlocks[0].words[WordAge]),
              std::pair(c.devClass != 1 && c.devClass != 2, 0));
    // The file holds what the object holds.
    std::unique_ptr<data> back;
    ASSERT_EQ(data::PreviewStandFile(TheSession->StandPath, back), StandFileStatus::Ok);
    EXPECT_EQ(std::tuple(back->Slots[0].name, back->Slots[0].volumes, back->SpeciesBlocks[0].words),
              std::tuple(QString("dummyStr"), open.Slots[0].volumes, open.SpeciesBlocks[0].words));
    // The main window points at the stand's folder with its file chosen, and
    // its stand list is the folder's, this stand's file included.
    EXPECT_EQ(std::pair(ActForm->FileListBox1->Directory(), ActForm->FileListBox1->currentItem()->text()),
              std::pair(estate_, id + ".Norvalen"));
    EXPECT_EQ(ActForm->ListBox1->count(), k);
  }
  EXPECT_FALSE(IntroForm->FirstStandActivation);
  EXPECT_FALSE(IntroForm->ListBox1->isVisibleTo(IntroForm));
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
