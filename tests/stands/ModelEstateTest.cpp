// The model estate "Mallitila" as the build wrote it: sound stand files of
// the model estate across the development classes, the same files at every
// build, its map, and its stands in the open-stand window.

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <functional>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "mainwindow/Acts.h"
#include "mainwindow/ActsCanvas.h"
#include "model/Estate.h"
#include "model/Settings.h"
#include "platform/Jpeg.h"
#include "platform/Screen.h"
#include "stands/Intro.h"
#include "stands/IntroOpen.h"
#include "stands/IntroStartup.h"
#include "stands/Meas.h"
#include "stands/Open.h"
#include "tests/support/EstateFixture.h"
#include "tests/support/Shots.h"
#include "tests/support/TempDir.h"
#include "tools/modelestate/ModelEstate.h"
#include "ui/MessageService.h"
#include "ui/WindowHelpers.h"

namespace {

const QString kFolder = QString::fromUtf8(NORVALEN_MODEL_ESTATE_DIR);

int Volume(const PhaseSlot& slot) {
  int v = 0;
  for (int32_t x : slot.volumes) v += x;
  return v;
}

TEST(ModelEstate, SoundStandsOfTheModelEstateAcrossTheClasses) {
  const EstateRecordList records = ListEstateFolder(kFolder);
  ASSERT_GE(records.size(), 8u);
  ASSERT_LE(records.size(), 12u);
  std::set<int> classes, sites;
  int grown = 0, cut = 0;
  std::set<QString> pure;
  bool mixed = false;
  for (const EstateRecord& r : records) {
    SCOPED_TRACE(r.fileName.toStdString());
    ASSERT_TRUE(r.IsReadable());
    std::unique_ptr<data> s;
    ASSERT_EQ(data::PreviewStandFile(platform::JoinPath(kFolder, r.fileName), s), StandFileStatus::Ok);
    EXPECT_EQ(s->Header.modelEstate, 1);
    EXPECT_TRUE(s->IsModelEstateStand(-1));
    EXPECT_EQ(s->Header.estateName, "Mallitila");
    EXPECT_EQ(r.fileName, s->Header.standId + ".Norvalen");
    EXPECT_EQ(r.measurementDate, "15.06.2024");
    EXPECT_GE(r.area, 0.10f);
    EXPECT_LE(r.area, 9.99f);
    classes.insert(r.developmentClass);
    sites.insert(r.siteType);
    EXPECT_EQ(r.phaseSlots[0].name, "dummyStr");
    for (int k = 1; k < kPhaseCount && !r.phaseSlots[k].name.isEmpty(); ++k) {
      if (r.phaseSlots[k].years > 0) ++grown;
      else ++cut;
    }
    int species = 0;
    for (int sp = 0; sp < 5; ++sp) species += s->SpeciesBlocks[sp].words[WordStems] > 0;
    if (species > 1) mixed = true;
    if (species == 1 && r.developmentClass >= 5)
      for (int sp = 0; sp < 3; ++sp)
        if (s->SpeciesBlocks[sp].words[WordStems] > 0) pure.insert(QString::number(sp));
    // A growing stock as a forest owner knows it for the class.
    const std::map<int, std::pair<int, int>> volumeRange = {{1, {0, 0}}, {5, {40, 200}}, {6, {120, 320}}, {7, {200, 500}}};
    const int v = Volume(r.phaseSlots[0]);
    if (const auto it = volumeRange.find(r.developmentClass); it != volumeRange.end()) {
      EXPECT_GE(v, it->second.first);
      EXPECT_LE(v, it->second.second);
    }
    EXPECT_LE(s->TreeCount(), kMaxTreeCount);
  }
  for (int c : {1, 2, 3, 5, 6, 7}) EXPECT_TRUE(classes.count(c)) << c;
  EXPECT_GE(sites.size(), 3u);
  EXPECT_GE(grown, 2);
  EXPECT_GE(cut, 2);
  EXPECT_EQ(pure, (std::set<QString>{"0", "1", "2"}));  // pure pine, spruce and birch stands
  EXPECT_TRUE(mixed);
}

TEST(ModelEstate, EveryBuildWritesTheSameFilesAndItsMap) {
  testsupport::TempDir dir;
  QString error;
  ASSERT_TRUE(WriteModelEstate(dir.path(), &error)) << error.toStdString();
  const QStringList names = QDir(kFolder).entryList(QDir::Files, QDir::Name);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name), names);
  for (const QString& name : names)
    EXPECT_EQ(estatefixture::ReadBytes(dir.file(name)), estatefixture::ReadBytes(platform::JoinPath(kFolder, name)))
        << name.toStdString();
  platform::DecodedPicture map;
  ASSERT_TRUE(platform::DecodeJpeg(estatefixture::ReadBytes(platform::JoinPath(kFolder, "Mallitila.jpg")), map));
  EXPECT_EQ(map.width, 1200);
  EXPECT_EQ(map.height, 800);
  const QImage shot(reinterpret_cast<const uchar*>(map.rgb.constData()), map.width, map.height, map.width * 3,
                    QImage::Format_RGB888);
  EXPECT_TRUE(shot.save(testsupport::ShotPath("model-estate-map.png")));
}


// Runs fn once the open-stand window is up and has run its activation.
void WhenOpenWindowShown(std::function<void()> fn) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, fn] {
    if (!OpenForm || !OpenForm->isVisible() || !OpenForm->Activated) return;
    timer->stop();
    timer->deleteLater();
    fn();
  });
  timer->start();
}

class ModelEstateWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallFontSubstitutions();
    savedMetrics_ = platform::GetScreenMetrics();
    savedFolder_ = QDir::currentPath();
    ASSERT_TRUE(QDir(root_.path()).mkpath("Ohjelma"));
    model_ = root_.path() + QString::fromUtf8("/Metsätilat/Mallitila");
    ASSERT_TRUE(QDir().mkpath(model_));
    for (const QString& name : QDir(kFolder).entryList(QDir::Files))
      ASSERT_TRUE(QFile::copy(platform::JoinPath(kFolder, name), platform::JoinPath(model_, name)));
    ASSERT_TRUE(QDir::setCurrent(root_.path() + "/Ohjelma"));
    model::SetSettingsFolder(QDir::currentPath());
    ASSERT_TRUE(model::SaveDefaultSettings().written);
    platform::SetScreenMetrics({.width = 1366, .height = 768});
    CreateApplicationWindows();
    ActForm->show();
    ActForm->FormActivate();
  }
  void TearDown() override {
    DestroyApplicationWindows();
    QDir::setCurrent(savedFolder_);
    model::SetSettingsFolder(savedFolder_);
    platform::SetScreenMetrics(savedMetrics_);
  }
  testsupport::TempDir root_;
  QString model_;
  MessageScript script_;
  platform::ScreenMetrics savedMetrics_;
  QString savedFolder_;
};

TEST_F(ModelEstateWindows, EveryStandPreviewsAndNoneCanBeDeleted) {
  script_.AnswerFile(platform::JoinPath(model_, "5.Norvalen"));
  QStringList lines;
  std::vector<bool> pictures;
  int rows = 0;
  WhenOpenWindowShown([&] {
    QApplication::processEvents();
    EXPECT_TRUE(OpenForm->grab().save(testsupport::ShotPath("open-window-model-estate.png")));
    rows = OpenForm->ListBox1->count();
    for (int i = 0; i < rows; ++i) {
      QListWidget* list = OpenForm->ListBox1;
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(i)).center());
      lines << OpenForm->Label2->text();
      pictures.push_back(!OpenForm->Image3->pixmap().isNull());
      script_.Answer(1);
      QTest::mouseClick(OpenForm->Panel7, Qt::LeftButton);
    }
    QTest::mouseClick(OpenForm->Button3, Qt::LeftButton);
  });
  QTest::mouseClick(IntroForm->Button3, Qt::LeftButton);
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
  ASSERT_NE(IntroForm->CurrentStand, nullptr);
  EXPECT_EQ(IntroForm->CurrentStand->Header.standId, records.back().standId);
  EXPECT_TRUE(ActForm->isVisible());
}


TEST_F(ModelEstateWindows, ModelStandRefusesAChangeOfItsData) {
  const QString path = platform::JoinPath(model_, "6.Norvalen");
  const QByteArray before = estatefixture::ReadBytes(path);
  script_.AnswerFile(path);
  WhenOpenWindowShown([&] { QTest::mouseClick(OpenForm->Button3, Qt::LeftButton); });
  QTest::mouseClick(IntroForm->Button3, Qt::LeftButton);
  ASSERT_NE(IntroForm->CurrentStand, nullptr);
  script_.Clear();
  bool measShown = false, stillOpen = false;
  WhenOpenWindowShown([&] {
    // The measurement window for the stand's data (after the busy display):
    // Save is refused.
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [&, poll] {
      if (!MeasForm->isVisible() || !MeasForm->Initialised) return;
      poll->stop();
      poll->deleteLater();
      measShown = true;
      // A change of the notes enables Save.
      QTest::keyClicks(MeasForm->findChild<QTextEdit*>("RichEdit1"), " Tarkistettu.");
      QTest::mouseClick(MeasForm->findChild<QPushButton*>("Button2"), Qt::LeftButton);
      if (MeasForm->isVisible()) MeasForm->reject();
    });
    poll->start();
    QTest::mouseClick(OpenForm->Button2, Qt::LeftButton);
    stillOpen = OpenForm->isVisible();
    QTest::mouseClick(OpenForm->Button1, Qt::LeftButton);
  });
  const data& s = *IntroForm->CurrentStand;
  EXPECT_EQ(DrawStandPicture(IntroForm, s.TreeCount(), s.SpeciesBlocks, s.Header), 2);
  EXPECT_TRUE(measShown);
  EXPECT_TRUE(stillOpen);
  EXPECT_TRUE(script_.Contains(QString::fromUtf8("Mallitilan demokuvioiden kuviotietoja ei voi muuttaa")));
  EXPECT_EQ(estatefixture::ReadBytes(path), before);
  EXPECT_EQ(IntroForm->CurrentStand->Header.standId, "6");
}


TEST_F(ModelEstateWindows, ModelStandRefusesSavingItsOperations) {
  // Stand 4 carries strip roads and a thinning: undo one, then save.
  const QString path = platform::JoinPath(model_, "4.Norvalen");
  const QByteArray before = estatefixture::ReadBytes(path);
  script_.AnswerFile(path);
  WhenOpenWindowShown([&] { QTest::mouseClick(OpenForm->Button3, Qt::LeftButton); });
  QTest::mouseClick(IntroForm->Button3, Qt::LeftButton);
  ASSERT_NE(IntroForm->CurrentStand, nullptr);
  ASSERT_TRUE(ActForm->Button12->isEnabled());
  QTest::mouseClick(ActForm->Button12, Qt::LeftButton);
  script_.Clear();
  QTest::mouseClick(ActForm->Panel10, Qt::LeftButton);
  EXPECT_TRUE(script_.Contains(QString::fromUtf8("Mallitilan demokuvioiden toimenpideketjun muutoksia ei voi tallettaa")));
  EXPECT_EQ(estatefixture::ReadBytes(path), before);
}

}  // namespace
