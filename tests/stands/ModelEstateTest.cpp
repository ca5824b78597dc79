// The model estate "Mallitila" as the build wrote it: sound stand files of
// the model estate across the development classes, the same files at every
// build, its map, and its stands in the open-stand window.
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include <map>
#include <set>

#include "model/Estate.h"
#include "platform/Files.h"
#include "platform/Jpeg.h"
#include "stands/OpenFile.h"
#include "stands/Meas.h"
#include "stands/Open.h"
#include "tests/support/ProgramWindows.h"
#include "tools/modelestate/ModelEstate.h"
#include "ui/Session.h"

using namespace testsupport;

namespace {

const QString kFolder = QString::fromUtf8(NORVALEN_MODEL_ESTATE_DIR);

TEST(ModelEstate, SoundStandsOfTheModelEstateAcrossTheClasses) {
  const EstateRecordList records = ListEstateFolder(kFolder);
  ASSERT_TRUE(records.size() >= 8 && records.size() <= 12);
  std::set<int> classes, sites;
  int grown = 0, cut = 0;
  std::set<int> pure;
  bool mixed = false;
  // A growing stock as a forest owner knows it for the class.
  const std::map<int, std::pair<int, int>> volumeRange = {{1, {0, 0}}, {5, {40, 200}}, {6, {120, 320}}, {7, {200, 500}}};
  TempDir saved;
  for (const EstateRecord& r : records) {
    SCOPED_TRACE(r.fileName.toStdString());
    ASSERT_TRUE(r.IsReadable());
    // Each file is as the program's own save writes it (trees by the save's
    // key): opened, its trees in y order as the main window's full refresh
    // leaves them (the dot maps of the reset, then the map after the steps;
    // a save straight from the file's order would swap two trees of equal
    // height), and saved again, it keeps every byte.
    const QString built = platform::JoinPath(kFolder, r.fileName), copy = saved.file(r.fileName);
    ASSERT_TRUE(QFile::copy(built, copy));
    std::unique_ptr<data> s;
    ASSERT_EQ(data::PreviewStandFile(copy, s), StandFileStatus::Ok);
    s->SortTreesForDotMaps(true, true);
    s->SortTreesForDotMaps(false, true);
    ASSERT_EQ(s->Save(copy), StandFileStatus::Ok);
    EXPECT_TRUE(FileBytes(copy) == FileBytes(built)) << "saved again";
    EXPECT_EQ(std::tuple(s->Header.modelEstate, s->IsModelEstateStand(-1), s->Header.estateName, r.fileName,
                         r.measurementDate, r.phaseSlots[0].name),
              std::tuple(1, true, QString("Mallitila"), s->Header.standId + ".Norvalen", QString("15.06.2024"),
                         QString("dummyStr")));
    EXPECT_TRUE(r.area >= 0.10f && r.area <= 9.99f && s->TreeCount() <= kMaxTreeCount) << r.area;
    classes.insert(r.developmentClass);
    sites.insert(r.siteType);
    for (int k = 1; k < kPhaseCount && !r.phaseSlots[k].name.isEmpty(); ++k) ++(r.phaseSlots[k].years > 0 ? grown : cut);
    int species = 0;
    for (int sp = 0; sp < 5; ++sp) species += s->SpeciesBlocks[sp].words[WordStems] > 0;
    mixed |= species > 1;
    if (species == 1 && r.developmentClass >= 5)
      for (int sp = 0; sp < 3; ++sp)
        if (s->SpeciesBlocks[sp].words[WordStems] > 0) pure.insert(sp);
    int v = 0;
    for (int32_t x : r.phaseSlots[0].volumes) v += x;
    if (const auto it = volumeRange.find(r.developmentClass); it != volumeRange.end()) {
      EXPECT_TRUE(v >= it->second.first && v <= it->second.second) << v;
    }
  }
  for (int c : {1, 2, 3, 5, 6, 7}) EXPECT_TRUE(classes.count(c)) << c;
  EXPECT_TRUE(sites.size() >= 3 && grown >= 2 && cut >= 2 && mixed);
  EXPECT_EQ(pure, (std::set<int>{0, 1, 2}));  // pure pine, spruce and birch stands
}

TEST(ModelEstate, StripRoadsAreCutAsTheStripRoadDialogCutsThem) {
  // "Ajourat 4.0 m, uraväli 20 m": roads centred at 10, 30 ... 190 m, at
  // x = 20 + 3 x metres = 50, 110 ... 590 plot units, each clearing 2.0 m (6
  // units) on either side. The roads are the stand's first cut: a tree is
  // removed by them exactly when it stands strictly inside a band.
  int stands = 0;
  for (const EstateRecord& r : ListEstateFolder(kFolder)) {
    std::unique_ptr<data> s;
    ASSERT_EQ(data::PreviewStandFile(platform::JoinPath(kFolder, r.fileName), s), StandFileStatus::Ok);
    for (int k = 1; k < kPhaseCount; ++k) {
      if (!s->Slots[k].name.startsWith("Ajourat")) continue;
      SCOPED_TRACE(r.fileName.toStdString());
      EXPECT_EQ(s->Slots[k].name, QString::fromUtf8("Ajourat 4.0 m, uraväli 20 m"));
      for (const TreeRecord& t : s->Trees) {
        const bool inBand = std::abs(std::fmod(t.x - 20, 60.0f) - 30) < 6.0f;  // nearer a centre than 6
        EXPECT_EQ(t.removedBy == k, inBand) << t.x;
        EXPECT_TRUE(t.removedBy == 0 || t.removedBy >= k) << t.x;
      }
      ++stands;
    }
  }
  EXPECT_GE(stands, 1);
}

TEST(ModelEstate, EveryBuildWritesTheSameFilesAndItsMap) {
  TempDir dir;
  QString error;
  ASSERT_TRUE(WriteModelEstate(dir.path(), &error)) << error.toStdString();
  const QStringList names = QDir(kFolder).entryList(QDir::Files, QDir::Name);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name), names);
  for (const QString& name : names)
    EXPECT_EQ(FileBytes(dir.file(name)), FileBytes(platform::JoinPath(kFolder, name))) << name.toStdString();
  platform::DecodedPicture map;
  ASSERT_TRUE(platform::DecodeJpeg(FileBytes(platform::JoinPath(kFolder, "Mallitila.jpg")), map));
  EXPECT_EQ(std::pair(map.width, map.height), std::pair(1200, 800));
  const QImage shot(reinterpret_cast<const uchar*>(map.rgb.constData()), map.width, map.height, map.width * 3,
                    QImage::Format_RGB888);
  EXPECT_TRUE(shot.save(ShotPath("model-estate-map.png")));
}

class ModelEstateWindows : public ProgramWindowsTest {
 protected:
  void SetUp() override {
    ProgramWindowsTest::SetUp();
    model_ = LayOutProgramFolder("Mallitila");
    for (const QString& name : QDir(kFolder).entryList(QDir::Files))
      ASSERT_TRUE(QFile::copy(platform::JoinPath(kFolder, name), platform::JoinPath(model_, name)));
    Start();
  }
  QString model_;
};

TEST_F(ModelEstateWindows, EveryStandPreviewsNoneCanBeDeletedAndTheDataOfNoneChanged) {
  QStringList lines;
  std::vector<bool> pictures;
  int rows = 0;
  OpenThroughTheList(platform::JoinPath(model_, "5.Norvalen"), [&] {
    SaveShot(OpenForm, "open-window-model-estate.png");
    rows = OpenForm->ListBox1->count();
    for (int i = 0; i < rows; ++i) {
      ClickRow(OpenForm->ListBox1, i);
      lines << OpenForm->Label2->text();
      pictures.push_back(!OpenForm->Image3->pixmap().isNull());
      script_.Answer(1);
      Click(OpenForm->Panel7);
    }
    Click(OpenForm->Button3);
  });
  const EstateRecordList records = ListEstateFolder(model_);
  ASSERT_EQ(rows, static_cast<int>(records.size()));
  for (int i = 0; i < rows; ++i) {
    EXPECT_EQ(lines.value(i), "Kuvio " + records[i].standId + "  :  mittaus 15.06.2024");
    EXPECT_TRUE(pictures[i]);
  }
  // Every deletion was refused, every file is still there.
  EXPECT_EQ(script_.Count(MessageKind::Message), rows);
  EXPECT_EQ(script_.Last(MessageKind::Message).lines.value(0), "Mallitilan kuvioita ei suositella poistettavaksi   !");
  EXPECT_EQ(QDir(model_).entryList({"*.Norvalen"}, QDir::Files).size(), rows);
  // The stand shown last is the one opened.
  ASSERT_NE(TheSession->CurrentStand, nullptr);
  EXPECT_EQ(TheSession->CurrentStand->Header.standId, records.back().standId);
  EXPECT_TRUE(ActForm->isVisible());
  // Its data in the measurement window (after the busy display): a change
  // of the notes enables Save, which is refused; the open-stand window
  // stays and the file is as it was.
  const QByteArray before = FileBytes(TheSession->StandPath);
  bool measShown = false, stillOpen = false;
  InModal(
      OpenWindowUp,
      [&] {
        measShown = InModal([] { return MeasForm->isVisible() && MeasForm->Initialised; },
                            [] {
                              QTest::keyClicks(Child<QTextEdit>(MeasForm, "RichEdit1"), " Tarkistettu.");
                              Click(Child(MeasForm, "Button2"));
                              if (MeasForm->isVisible()) MeasForm->reject();
                            },
                            [] { Click(OpenForm->Button2); });
        stillOpen = OpenForm->isVisible();
        Click(OpenForm->Button1);
      },
      [] {
        const data& s = *TheSession->CurrentStand;
        EXPECT_EQ(DrawStandPicture(s.TreeCount(), s.SpeciesBlocks, s.Header), 2);
      });
  EXPECT_TRUE(measShown && stillOpen);
  EXPECT_TRUE(script_.Contains(QString::fromUtf8("Mallitilan demokuvioiden kuviotietoja ei voi muuttaa")));
  EXPECT_EQ(FileBytes(TheSession->StandPath), before);
  EXPECT_EQ(TheSession->CurrentStand->Header.standId, records.back().standId);
}

}  // namespace
