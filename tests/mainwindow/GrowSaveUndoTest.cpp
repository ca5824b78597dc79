// The road of a planning session through the real windows: a stand opened,
// grown 10 years through the stand-age and growth dialogs, saved into its
// file and the estate list, opened again and undone; the grow command's
// refusals; saves that are refused or fail, the old file kept byte for byte.
#include <QFileInfo>
#include <QProcess>

#include <unistd.h>

#include "platform/Files.h"
#include "tests/mainwindow/GrowFixture.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/ScratchMount.h"
#include "tests/support/StandCompare.h"
#include "tests/support/Unprivileged.h"
#include "ui/Session.h"

using namespace growfixture;
using platform::WriteStage;
using standcompare::SortedTreeKeys;

namespace {

const EstateRecord& RecordOf(const QString& fileName) {
  for (const EstateRecord& r : TheSession->EstateRecords)
    if (r.fileName == fileName) return r;
  static const EstateRecord none;
  return none;
}

TEST_F(GrowWindows, OpenGrowSaveReopenUndo) {
  WriteStand("11", 5);
  WriteStand("12a", 7);
  const QByteArray measured = FileBytes(PathOf("12a"));
  OpenStandFile("12a");
  ASSERT_EQ(TheSession->EstateRecords.size(), 2u);
  EXPECT_FALSE(ActForm->HasUnsavedChanges() || ActForm->Button12->isEnabled());
  const auto start = SortedTreeKeys(Stand());
  const PhaseSlot slot0 = Stand().Slots[0];

  // ---- Grow 10 years: the stand-age dialog, then the growth dialog ----
  int chosenPineAge = 0;
  GrowThroughDialogs(10, [&] {
    // The lists hold the candidate ages of the stand, a default chosen.
    EXPECT_TRUE(AgesForm->AgeList[0]->isVisible() && !AgesForm->AgeList[4]->isVisible());
    chosenPineAge = AgesForm->AgeList[0]->currentText().section(' ', 0, 0).toInt();
  });
  ASSERT_GT(chosenPineAge, 0);
  EXPECT_EQ(std::tuple(CurrentPhase(), Stand().Slots[1].years, Stand().SpeciesValue(0, 7)),
            std::tuple(1, 10, chosenPineAge));
  EXPECT_EQ(ActForm->Label13->text(), QString::fromUtf8("toimenpiteiden talletus,  kuvio 12a  !"));
  // The estate record keeps the file's state until the save.
  EXPECT_TRUE(RecordOf("12a.Norvalen").phaseSlots[1].name.isEmpty());

  // ---- Save; saving again with nothing changed is refused, writes nothing ----
  script_.Clear();
  Click(ActForm->Panel10);
  EXPECT_EQ(std::pair(script_.Count(MessageKind::Notice), ActForm->HasUnsavedChanges()), std::pair(0, false));
  EXPECT_EQ(RecordOf("12a.Norvalen").phaseSlots[1].volumes, Stand().Slots[1].volumes);
  const QByteArray file = FileBytes(PathOf("12a"));
  EXPECT_NE(file, measured);
  Click(ActForm->Panel10);
  EXPECT_TRUE(script_.Contains("toimenpiteet on talletettu, suorita tai peru toimenpide   !"));
  EXPECT_EQ(FileBytes(PathOf("12a")), file);

  // ---- Reopen: the same slots, trees and grown sizes ----
  const data before = Stand();
  OpenStandFile("12a");
  EXPECT_EQ(CurrentPhase(), 1);
  standcompare::ExpectSameTrial(Stand(), before);
  ASSERT_EQ(Stand().GrownSizes1.size(), Stand().Trees.size());

  // ---- Undo: back to the measured stand ----
  ClickUndo();
  EXPECT_EQ(std::tuple(CurrentPhase(), Stand().Slots[1].name, Stand().GrownSizes1.empty(), Stand().SpeciesValue(0, 7)),
            std::tuple(0, QString(), true, 0));
  EXPECT_TRUE(SortedTreeKeys(Stand()) == start);
  EXPECT_EQ(Stand().Slots[0].volumes, slot0.volumes);
  EXPECT_TRUE(ActForm->HasUnsavedChanges() && !ActForm->Button12->isEnabled());
  // Undo at the measured state does nothing and marks nothing.
  ActForm->ShowSaveState(false);
  ActForm->UndoLastOperation();
  EXPECT_FALSE(ActForm->HasUnsavedChanges());
}

TEST_F(GrowWindows, CancelledDialogsThenASecondGrowthThenRefusals) {
  WriteStand("12a", 7);
  OpenStandFile("12a");
  // "Peru" in the growth dialog keeps the stand-age dialog open at its
  // place; "Peru" there ends the command, recording nothing.
  EXPECT_TRUE(InModal(Shown(AgesForm), [] {
    EXPECT_TRUE(InModal(Shown(IncForm), [] { Click(IncForm->BitBtn3); }, [] { Click(AgesForm->BitBtn2); }));
    EXPECT_TRUE(AgesForm->isVisible());
    Click(AgesForm->BitBtn1);
  }, [] { Click(ActForm->Panel4); }));
  EXPECT_EQ(std::tuple(CurrentPhase(), ActForm->HasUnsavedChanges(), Stand().SpeciesValue(0, 7)),
            std::tuple(0, false, 0));

  GrowThroughDialogs(5);
  ASSERT_EQ(CurrentPhase(), 1);
  const int pineAge = Stand().SpeciesValue(0, 7);
  // The second growth opens the growth dialog alone; its forecast starts
  // from the ages after the first step.
  GrowThroughDialogs(20, {}, [pineAge] {
    EXPECT_TRUE(IncForm->Label3->text().contains(QString::fromUtf8("mänty %1 v").arg(pineAge + 5)))
        << IncForm->Label3->text().toStdString();
    EXPECT_TRUE(IncForm->Label1->text().startsWith("puuston 2. kasvatus 2024"));
  });
  ASSERT_EQ(CurrentPhase(), 2);
  EXPECT_EQ(std::pair(Stand().Slots[2].years, Stand().PhaseCalendarYearText(2)), std::pair(20, QString("2044")));
  // A third growth is refused, and nothing changes.
  script_.Clear();
  Click(ActForm->Panel4);
  const MessageRecord refused = script_.Last(MessageKind::Notice);
  EXPECT_EQ(std::tuple(refused.caption, refused.lines, CurrentPhase()),
            std::tuple(QString("Puuston kasvatus"), QStringList{"puustoa voidaan kasvattaa korkeintaan kahdesti   !"}, 2));
  // Undo twice frees both steps' sizes.
  ClickUndo();
  EXPECT_EQ(std::pair(Stand().GrownSizes1.empty(), Stand().GrownSizes2.empty()), std::pair(false, true));
  ClickUndo();
  EXPECT_EQ(std::pair(Stand().GrownSizes1.empty(), CurrentPhase()), std::pair(true, 0));
}

// ---- Saves that cannot be made ----

class FailedSave : public GrowWindows {
 protected:
  void GrowAndKeep() {
    WriteStand("12a", 7);
    OpenStandFile("12a");
    record_ = RecordOf("12a.Norvalen");
    GrowThroughDialogs(10);
    ASSERT_EQ(CurrentPhase(), 1);
    before_ = FileBytes(PathOf("12a"));
  }
  // A click on the save button: the notice tells the reason; the unsaved
  // mark and the estate record stay.
  void ExpectSaveRefused(const QString& reason) {
    script_.Clear();
    Click(ActForm->Panel10);
    ASSERT_EQ(script_.Count(MessageKind::Notice), 1);
    const MessageRecord notice = script_.Last(MessageKind::Notice);
    EXPECT_EQ(notice.caption, "Toimenpiteiden talletus");
    EXPECT_EQ(notice.lines.value(0).toStdString(),
              ("toimenpiteiden talletus ei onnistunut  :  " + reason + "   !").toStdString());
    EXPECT_TRUE(ActForm->HasUnsavedChanges() && !ActForm->Label13->text().isEmpty());
    const EstateRecord& now = RecordOf("12a.Norvalen");
    for (int k = 0; k < kPhaseCount; ++k) {
      EXPECT_EQ(now.phaseSlots[k].name, record_.phaseSlots[k].name);
      EXPECT_EQ(now.phaseSlots[k].volumes, record_.phaseSlots[k].volumes);
    }
  }
  // The same, and the stand file holds what it held before (`before_`) and
  // the folder nothing else.
  void ExpectSaveFails(const QString& reason) {
    ExpectSaveRefused(reason);
    EXPECT_TRUE(FileBytes(PathOf("12a")) == before_);
    EXPECT_EQ(QDir(estate_).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QFileInfo::exists(PathOf("12a")) ? QStringList{"12a.Norvalen"} : QStringList{});
  }
  // Once the file system takes it, the same save goes through.
  void ExpectSaveGoesThrough() {
    Click(ActForm->Panel10);
    EXPECT_EQ(std::pair(ActForm->HasUnsavedChanges(), RecordOf("12a.Norvalen").phaseSlots[1].name),
              std::pair(false, QString("Kasvatus")));
  }
  QByteArray before_;
  EstateRecord record_;
};

TEST_F(FailedSave, WriteCutShortKeepsTheOldFile) {
  GrowAndKeep();
  {
    // The stand file is larger than this: the write fails part way.
    testsupport::FileSizeLimit limit(4000);
    ExpectSaveFails(QString::fromUtf8("tiedosto on liian suuri tiedostojärjestelmälle"));
  }
  ExpectSaveGoesThrough();
}

TEST_F(FailedSave, ReadOnlyFolderKeepsTheOldFile) {
  GrowAndKeep();
  // A folder that refuses new files (for root too: immutable).
  ASSERT_TRUE(QFile::setPermissions(estate_, QFile::ReadOwner | QFile::ExeOwner));
  const bool immutable = geteuid() == 0 && QProcess::execute("chattr", {"+i", estate_}) == 0;
  QFile probe(estate_ + "/probe");
  if (probe.open(QIODevice::WriteOnly)) {
    probe.remove();
    QFile::setPermissions(estate_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    GTEST_SKIP() << "the folder cannot be made read-only here";
  }
  ExpectSaveFails(QString::fromUtf8("ei käyttöoikeutta"));
  if (immutable) QProcess::execute("chattr", {"-i", estate_});
  QFile::setPermissions(estate_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  ExpectSaveGoesThrough();
}

TEST_F(FailedSave, FullDiskKeepsTheOldFile) {
  // The estates folder on a small disk of its own; filled up, the save finds
  // no room (with a little room left it fails part way) and is told.
  testsupport::ScratchMount disk(QFileInfo(estate_).path(), 512 * 1024);
  if (!disk.Mounted()) GTEST_SKIP() << "no small file system here: " << disk.Reason().toStdString();
  ASSERT_TRUE(QDir().mkpath(estate_));
  GrowAndKeep();
  for (long leave : {0L, 8L * 1024}) {
    SCOPED_TRACE(leave);
    disk.Fill(leave);
    ExpectSaveFails(QString::fromUtf8("levyllä ei ole tilaa"));
    ASSERT_TRUE(QFile::remove(disk.File("filler.bin")));
  }
  ExpectSaveGoesThrough();
}

TEST_F(FailedSave, StandFileReplacedOrDeletedWhileOpen) {
  // What happens to the file, the reason the notice tells and the stand
  // then at the file's path (kept whole).
  const std::tuple<std::function<void()>, QString, QString> changes[] = {
      {[this] {  // replaced by another stand of the estate
         WriteStand("12b", 9);
         ASSERT_TRUE(QFile::remove(PathOf("12a")) && QFile::rename(PathOf("12b"), PathOf("12a")));
       },
       StandFileStatusText(StandFileStatus::OtherStand), "12b"},
      {[this] { ASSERT_TRUE(QFile::remove(PathOf("12a"))); }, QString::fromUtf8("tiedostoa tai kansiota ei ole"), ""},
      {[this] { ASSERT_TRUE(QFile::remove(PathOf("12a")) && QDir().mkdir(PathOf("12a"))); },
       QString::fromUtf8("tiedoston nimellä on kansio"), ""},
  };
  for (const auto& [change, reason, standThere] : changes) {
    SCOPED_TRACE(reason.toStdString());
    GrowAndKeep();
    change();
    before_ = FileBytes(PathOf("12a"));
    ExpectSaveFails(reason);
    std::unique_ptr<data> there;
    data::PreviewStandFile(PathOf("12a"), there);
    EXPECT_EQ(there ? there->Header.standId : QString(), standThere);
    QDir().rmdir(PathOf("12a"));
    QFile::remove(PathOf("12a"));
  }
}

// ---- As an ordinary user (permissions that do not stop root) ----

TEST_F(FailedSave, WriteProtectedStandFileKeepsItsBytes) {
  NORVALEN_AS_ORDINARY_USER();
  GrowAndKeep();
  const auto readOnly = QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther;
  ASSERT_TRUE(QFile::setPermissions(PathOf("12a"), readOnly));
  ExpectSaveFails(QString::fromUtf8("ei käyttöoikeutta"));
  EXPECT_EQ(QFile::permissions(PathOf("12a")), readOnly);
  ASSERT_TRUE(QFile::setPermissions(PathOf("12a"), readOnly | QFile::WriteOwner | QFile::WriteUser));
  ExpectSaveGoesThrough();
}

TEST_F(FailedSave, NameTurnedIntoALinkToAnotherStandAtAnyMomentOfTheSave) {
  NORVALEN_AS_ORDINARY_USER();
  // At each moment of the save the stand's file is moved aside and its name
  // becomes a link to the file of stand 12b: nothing is written through it.
  WriteStand("12b", 9);
  const QByteArray other = FileBytes(PathOf("12b"));
  const QString aside = estate_ + "/12a.vanha";
  for (WriteStage stage : testsupport::kWriteStages) {
    SCOPED_TRACE(static_cast<int>(stage));
    GrowAndKeep();
    testsupport::NameSwap swap(stage, PathOf("12a"), aside, [&] { return QFile::link(PathOf("12b"), PathOf("12a")); });
    ExpectSaveRefused(QString::fromUtf8("tiedoston nimi vaihtui tallennuksen aikana"));
    EXPECT_TRUE(swap.made && FileBytes(aside) == before_ && FileBytes(PathOf("12b")) == other);
    EXPECT_EQ(std::pair(QFileInfo(PathOf("12a")).symLinkTarget(), QDir(estate_).entryList(QDir::Files | QDir::Hidden)),
              std::pair(PathOf("12b"), QStringList{"12a.Norvalen", "12a.vanha", "12b.Norvalen"}));
    ASSERT_TRUE(QFile::remove(PathOf("12a")) && QFile::remove(aside));
  }
}

TEST_F(GrowWindows, StandFileWithTheLongestNameSaves) {
  NORVALEN_AS_ORDINARY_USER();
  // 255 bytes, the most a name may have: 123 times "ä" and ".Norvalen".
  const QString path = estate_ + "/" + QString(123, QChar(0xE4)) + ".Norvalen";
  ASSERT_EQ(QFile::encodeName(QFileInfo(path).fileName()).size(), 255);
  ASSERT_EQ(MeasuredStand("12a", 7)->WriteNewFile(path), StandFileStatus::Ok);
  OpenStandPath(path);
  GrowThroughDialogs(10);
  script_.Clear();
  Click(ActForm->Panel10);
  EXPECT_EQ(std::pair(script_.Count(MessageKind::Notice), ActForm->HasUnsavedChanges()), std::pair(0, false));
  std::unique_ptr<data> back;
  ASSERT_EQ(data::ReadStandFile(path, false, back), StandFileStatus::Ok);
  EXPECT_EQ(back->Slots[1].years, 10);
  EXPECT_EQ(QDir(estate_).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(path).fileName()});
}

}  // namespace
