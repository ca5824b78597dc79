// The stand file's writers when the file system fails them: a read-only
// folder or disk, a full disk (refusing the whole write or part of it), and a
// stand file deleted, replaced or made unreadable while its stand is open.
// Each failure is reported with a reason, every file of the folder stays
// byte for byte as it was, no temporary file is left behind, and the open
// stand keeps its steps. (A write cut short by a file-size limit is tested
// with the writers themselves, in StandFileTest.)

#include "model/Phase.h"
#include "model/StandFile.h"
#include "platform/Files.h"
#include "tests/model/CuttingStands.h"
#include "tests/support/EstateFixture.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScratchMount.h"
#include "tests/support/TempDir.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <span>
#include <string>

namespace {

using S = StandFileStatus;
using estatefixture::WriteBytes;
using testsupport::ReadAll;

// Every entry of a folder (hidden ones too), a line each: its name and the
// hash of its bytes, or "folder".
std::string FolderContents(const QString& folder) {
  std::string out;
  for (const QFileInfo& e :
       QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
    const QByteArray hash = QCryptographicHash::hash(ReadAll(e.filePath()), QCryptographicHash::Sha256).toHex();
    out += e.fileName().toStdString() + " " + (e.isDir() ? "folder" : hash.toStdString()) + "\n";
  }
  return out;
}

// The open stand of these tests: 400 trees measured, written as a new file,
// then strip roads recorded as phase 1 and not yet saved.
struct OpenStand {
  std::unique_ptr<data> stand;
  QString path;
};

OpenStand MakeOpenStand(const QString& folder, const QString& id = QStringLiteral("12a")) {
  OpenStand o;
  o.stand = standfixture::MakeStand(400, 17);
  o.stand->Header.standId = id;
  SetCurrentPhase(0);
  o.stand->RecordPhase(0, QStringLiteral("Mitattu"), 0, 0);
  o.path = folder + QLatin1Char('/') + id + QStringLiteral(".Norvalen");
  EXPECT_EQ(o.stand->WriteNewFile(o.path), S::Ok);
  o.stand->SortTreesForSave(false, false);
  o.stand->SelectStripRoads(5.0f, 20.0f, 1);
  o.stand->RecordPhase(1, QStringLiteral("Ajourat 4.0 m, uraväli 20 m"), 0, 0);
  SetCurrentPhase(100);
  return o;
}

// The writers a user reaches with the open stand: saving its steps,
// changing its header, and a new stand written over it or beside it.
struct Writer {
  const char* what;
  std::function<S(OpenStand&, QString*)> write;
};

const Writer kWriters[] = {
    {"Save", [](OpenStand& o, QString* e) { return o.stand->Save(o.path, e); }},
    {"RewriteHeader",
     [](OpenStand& o, QString* e) {
       StandHeader h = o.stand->Header;
       h.info = QString::fromUtf8("Uusi lisätieto");
       return o.stand->RewriteHeader(o.path, h, e);
     }},
    {"WriteNewFile over it",
     [](OpenStand& o, QString* e) { return standfixture::MakeStand(300, 5)->WriteNewFile(o.path, e); }},
    {"WriteNewFile beside it",
     [](OpenStand& o, QString* e) {
       return standfixture::MakeStand(300, 5)->WriteNewFile(QFileInfo(o.path).path() + "/13b.Norvalen", e);
     }},
};

// Each of the first `writers` writers fails with `expected`, gives a reason
// (this one when given), and leaves the folder as it was and the open stand
// with its steps.
void ExpectEveryWriterRefused(OpenStand& o, S expected, const QString& reason, int writers = 4) {
  const QString folder = QFileInfo(o.path).path();
  for (const Writer& w : std::span(kWriters, writers)) {
    SCOPED_TRACE(w.what);
    const std::string before = FolderContents(folder);
    const std::string stand = cuttingstands::SlotText(o.stand->Slots[1]) + " " + o.stand->InfoText().toStdString();
    QString error;
    EXPECT_EQ(w.write(o, &error), expected);
    EXPECT_TRUE(reason.isEmpty() ? !error.isEmpty() : error == reason) << error.toStdString();
    EXPECT_EQ(FolderContents(folder), before);
    EXPECT_EQ(cuttingstands::SlotText(o.stand->Slots[1]) + " " + o.stand->InfoText().toStdString(), stand);
    EXPECT_EQ(CurrentPhase(), 1);
  }
}

// The open stand saves and reads back as itself.
void ExpectSavedAndRead(OpenStand& o) {
  QString error;
  ASSERT_EQ(o.stand->Save(o.path, &error), S::Ok) << error.toStdString();
  std::unique_ptr<data> back;
  ASSERT_EQ(data::ReadStandFile(o.path, false, back), S::Ok);
  EXPECT_EQ(CurrentPhase(), 1);
  EXPECT_EQ(cuttingstands::SlotText(back->Slots[1]), cuttingstands::SlotText(o.stand->Slots[1]));
}

class SaveFaultTest : public ::testing::Test {
 protected:
  void SetUp() override { SetCurrentPhase(0); }
  void TearDown() override { SetCurrentPhase(0); }
  testsupport::TempDir dir;
};

TEST_F(SaveFaultTest, ReadOnlyFolderOrDisk) {
  // A folder without write permission; where that does not stop this user
  // (root), a file system mounted read-only.
  const QString folder = dir.file("Koetila");
  ASSERT_TRUE(QDir().mkpath(folder));
  OpenStand o = MakeOpenStand(folder);
  const auto writable = QFile::permissions(folder);
  ASSERT_TRUE(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
  const bool folderStops = !QFile(folder + "/probe").open(QIODevice::WriteOnly);
  if (folderStops) {
    ExpectEveryWriterRefused(o, S::WriteFailed, QString());
    QFile::setPermissions(folder, writable);
    ExpectSavedAndRead(o);
    return;
  }
  QFile::remove(folder + "/probe");
  QFile::setPermissions(folder, writable);

  testsupport::ScratchMount disk(dir.file("levy"), 1 << 20);
  if (!disk.Mounted()) GTEST_SKIP() << "no read-only folder for this user: " << disk.Reason().toStdString();
  OpenStand m = MakeOpenStand(disk.Folder());
  ASSERT_TRUE(disk.MakeReadOnly());
  ExpectEveryWriterRefused(m, S::WriteFailed, QString());
}

TEST_F(SaveFaultTest, FullDiskRefusesTheWholeWriteOrPartOfIt) {
  // A 64 KiB disk holds the 17.8 KB stand file. Filled up, a save finds no
  // room at all; with 8 KiB left the write fails part way. Either way the
  // old file stays and no temporary file is left; once room is made, the
  // same stand saves.
  testsupport::ScratchMount disk(dir.file("levy"), 64 * 1024);
  if (!disk.Mounted()) GTEST_SKIP() << "no small file system for this user: " << disk.Reason().toStdString();
  OpenStand o = MakeOpenStand(disk.Folder());
  ASSERT_EQ(ReadAll(o.path).size(), standfile::FileLength(400, 0));
  const QString noSpace = QString::fromUtf8("levyllä ei ole tilaa");
  for (long leave : {0L, 8L * 1024}) {
    SCOPED_TRACE(leave);
    disk.Fill(leave);
    ExpectEveryWriterRefused(o, S::WriteFailed, noSpace);
    ASSERT_TRUE(QFile::remove(disk.File("filler.bin")));
  }
  ExpectSavedAndRead(o);
}

// What happens to the stand file on disk while its stand is open.
struct FileChange {
  const char* what;
  std::function<bool(const QString& path, const QByteArray& earlier, const QByteArray& other)> change;
  S save;                 // what the save reports
  bool saves = false;     // the save writes (the file holds this stand)
  bool rootSkips = false; // permissions that do not stop root
};

const FileChange kChanges[] = {
    {"replaced by another stand of the estate",
     [](const QString& p, const QByteArray&, const QByteArray& other) { return WriteBytes(p, other); }, S::OtherStand},
    {"replaced by an earlier copy of itself",
     [](const QString& p, const QByteArray& earlier, const QByteArray&) { return WriteBytes(p, earlier); }, S::Ok, true},
    {"cut to 100 bytes",
     [](const QString& p, const QByteArray& earlier, const QByteArray&) { return WriteBytes(p, earlier.left(100)); },
     S::TooShort},
    {"overwritten by other data",
     [](const QString& p, const QByteArray&, const QByteArray&) { return WriteBytes(p, QByteArray(4000, '\x5a')); },
     S::OtherStand},
    {"deleted", [](const QString& p, const QByteArray&, const QByteArray&) { return QFile::remove(p); },
     S::CannotOpen},
    {"replaced by a folder",
     [](const QString& p, const QByteArray&, const QByteArray&) { return QFile::remove(p) && QDir().mkdir(p); },
     S::CannotOpen},
    {"made unreadable",
     [](const QString& p, const QByteArray&, const QByteArray&) { return QFile::setPermissions(p, {}); },
     S::CannotOpen, false, true},
};

TEST_F(SaveFaultTest, StandFileChangedWhileOpen) {
  const QString folder = dir.file("Koetila");
  ASSERT_TRUE(QDir().mkpath(folder));
  for (const FileChange& c : kChanges) {
    SCOPED_TRACE(c.what);
    OpenStand other = MakeOpenStand(folder, QStringLiteral("12b"));
    const QByteArray otherBytes = ReadAll(other.path);
    ASSERT_TRUE(QFile::remove(other.path));
    OpenStand o = MakeOpenStand(folder);
    const QByteArray earlier = ReadAll(o.path);
    ASSERT_TRUE(c.change(o.path, earlier, otherBytes));
    if (c.rootSkips && QFile(o.path).open(QIODevice::ReadOnly)) {
      QFile::setPermissions(o.path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
      QFile::remove(o.path);
      continue;  // root reads it all the same
    }
    // Neither a save nor a header change writes over what the file holds
    // now (a new stand may still be written beside it).
    if (c.saves) ExpectSavedAndRead(o);
    else ExpectEveryWriterRefused(o, c.save, QString(), 2);
    // The stand put there reads as that stand.
    StandHeader h;
    int n = 0;
    if (c.save == S::OtherStand && data::PeekStandFile(o.path, n, &h) == S::Ok) {
      EXPECT_EQ(h.standId, "12b");
    }
    QFile::setPermissions(o.path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::remove(o.path);
    QDir().rmdir(o.path);
  }
}

TEST_F(SaveFaultTest, NameTurnedIntoALinkToAnotherStandDuringTheWrite) {
  // At each point of the write the stand's file is moved aside and its name
  // becomes a link to the file of stand 12b: neither the save nor the header
  // change writes through it, and both files keep their bytes.
  const QString folder = dir.file("Koetila");
  ASSERT_TRUE(QDir().mkpath(folder));
  const QString other = MakeOpenStand(folder, QStringLiteral("12b")).path;
  const QByteArray otherBytes = ReadAll(other);
  const QString aside = folder + "/12a.vanha";
  for (const Writer& w : std::span(kWriters, 2)) {
    for (platform::WriteStage stage : testsupport::kWriteStages) {
      SCOPED_TRACE(testing::Message() << w.what << " at stage " << int(stage));
      OpenStand o = MakeOpenStand(folder);
      const QByteArray own = ReadAll(o.path);
      const QString info = o.stand->InfoText();
      testsupport::NameSwap swap(stage, o.path, aside, [&] { return QFile::link(other, o.path); });
      QString error;
      EXPECT_EQ(w.write(o, &error), S::WriteFailed);
      EXPECT_EQ(std::tuple(swap.made, error.toStdString(), ReadAll(aside) == own, ReadAll(other) == otherBytes),
                std::tuple(true, std::string("tiedoston nimi vaihtui tallennuksen aikana"), true, true));
      EXPECT_EQ(o.stand->InfoText(), info);
      ASSERT_TRUE(QFile::remove(o.path) && QFile::remove(aside));
    }
  }
}

TEST_F(SaveFaultTest, SameStandHeaderComparesTheStandAsWritten) {
  StandHeader own;
  own.estateName = QString::fromUtf8("Mäkelä");
  own.standId = QStringLiteral("12a");
  own.measurementDay = 43631;
  own.info = QString(500, QChar('x'));
  own.area = 2.5f;
  const StandHeader onDisk = standfile::DecodeHeader(standfile::EncodeHeader(own).constData());
  struct Row {
    const char* what;
    void (*change)(StandHeader&);
    bool same;
  };
  const Row rows[] = {
      {"as written", [](StandHeader&) {}, true},
      {"other notes and area", [](StandHeader& h) { h.info = "muu"; h.area = 3.0f; h.siteType = 4; }, true},
      {"another identifier", [](StandHeader& h) { h.standId = "12b"; }, false},
      {"another estate", [](StandHeader& h) { h.estateName = "Mikkola"; }, false},
      {"another measurement day", [](StandHeader& h) { h.measurementDay += 1; }, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    StandHeader disk = onDisk;
    r.change(disk);
    EXPECT_EQ(standfile::SameStandHeader(disk, own), r.same);
  }
  // Texts longer than their fields compare as written (cut).
  StandHeader longId = own;
  longId.standId = QStringLiteral("kuvio-0123456789abcdef");
  const StandHeader cut = standfile::DecodeHeader(standfile::EncodeHeader(longId).constData());
  EXPECT_EQ(cut.standId.size(), StandHeader::kStandIdWidth - 1);
  EXPECT_TRUE(standfile::SameStandHeader(cut, longId));
}

}  // namespace
