// The program as a forest owner meets it, through the real windows and only
// their controls: the first start without a settings file; a new stand from
// its measurement; strip roads and a thinning; ten years of growth; the save;
// the estate's stand list and the stand opened again from its file; its
// picture, card and texts; the estate overview; the removal valued as a
// timber sale; the stand report printed to a PDF file. Then the same road
// over a stand of the model estate, whose operations are never saved.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "estate/Folder.h"
#include "estate/Graph.h"
#include "estate/Raport.h"
#include "estate/ReportPrint.h"
#include "estate/Trade.h"
#include "mainwindow/Acts.h"
#include "model/Phase.h"
#include "model/Sample.h"
#include "model/Settings.h"
#include "model/StandFile.h"
#include "operations/Ages.h"
#include "operations/Inc.h"
#include "operations/Roads.h"
#include "operations/Th1.h"
#include "platform/Clock.h"
#include "platform/Screen.h"
#include "stands/Intro.h"
#include "app/Startup.h"
#include "stands/Meas.h"
#include "stands/Open.h"
#include "tests/support/Controls.h"
#include "tests/support/Shots.h"
#include "tests/support/StandCompare.h"
#include "tests/support/WindowsTest.h"
#include "ui/MessageService.h"
#include "ui/RadioGroup.h"
#include "ui/WindowHelpers.h"
#include "ui/Session.h"

namespace {

using namespace testsupport;

QString U(const char* s) { return QString::fromUtf8(s); }

// Runs fn in the window that `open` opens, once it is up and `ready` holds.
void WhenShown(QWidget* window, const std::function<void()>& fn, const std::function<void()>& open,
               const std::function<bool()>& ready = {}) {
  const bool ran = InModal([window, ready] { return window->isVisible() && (!ready || ready()); }, fn, open);
  EXPECT_TRUE(ran) << window->objectName().toStdString() << " never opened";
}

void Choose(const char* name, const QString& text) { ChooseItem(Child<QComboBox>(MeasForm, name), text); }
void Type(const char* name, const QString& text) { TypeInto(Child<QLineEdit>(MeasForm, name), text); }

class Journey : public WindowsTest {
 protected:
  void SetUp() override {
    WindowsTest::SetUp();
    program_ = folder_.file("Ohjelma");
    estates_ = folder_.file(U("Metsätilat"));
    ASSERT_TRUE(QDir().mkpath(program_));
    ASSERT_TRUE(QDir().mkpath(estates_ + "/Kotitila"));
    const QString model = estates_ + "/Mallitila";
    ASSERT_TRUE(QDir().mkpath(model));
    const QString built = QString::fromUtf8(NORVALEN_MODEL_ESTATE_DIR);
    for (const QString& name : QDir(built).entryList(QDir::Files))
      ASSERT_TRUE(QFile::copy(built + "/" + name, model + "/" + name));
    ASSERT_TRUE(QDir::setCurrent(program_));
    platform::SetToday(QDate(2026, 5, 14));
    platform::SetScreenMetrics({.width = 1366, .height = 768, .menuBarHeight = 20});
  }
  void TearDown() override {
    FreeSampleTrees();
    WindowsTest::TearDown();
    platform::SetToday(QDate());
  }

  // The program started as its start command starts it: the windows, then
  // the event loop runs the main window's and the start window's first
  // activations.
  void StartProgram() {
    CreateApplicationWindows();
    ActForm->show();
    ASSERT_TRUE(QTest::qWaitFor([] { return IntroForm->isVisible(); }, 10000));
  }

  // ---- Steps of the journey -------------------------------------------

  // The measurement window (from the start window or the main window's new
  // stand): estate, identifier, area, site, and pine 20 cm / 18 m / 14
  // m2/ha, spruce 16 / 15 / 8, birch 12 / 13 / 3; saved as a new stand of
  // the estate.
  void CreateStand(const QString& path, const QString& id, QPushButton* opener) {
    bool saved = false;
    WhenShown(
        MeasForm,
        [&] {
          Type("Edit2", "Kotitila");
          Type("Edit3", id);
          Type("MaskEdit10", "2.50");
          Choose("ComboBox15", "tuore kangas");
          Choose("ComboBox10", U("varttunut kasvatusmetsä"));
          // Diameter, height and basal area of pine, of spruce and of birch.
          for (const auto& [list, item] : {std::pair("ComboBox7", "20"), {"ComboBox4", "18.0"}, {"ComboBox1", "14.0"},
                                           {"ComboBox8", "16"}, {"ComboBox5", "15.0"}, {"ComboBox2", "8.0"},
                                           {"ComboBox9", "12"}, {"ComboBox6", "13.0"}, {"ComboBox3", "3.0"}})
            Choose(list, item);
          script_.Answer(1);  // a new stand: yes
          script_.AnswerFile(path);
          Click(Child(MeasForm, "Button2"));
          saved = !MeasForm->isVisible();
          if (MeasForm->isVisible()) MeasForm->reject();
        },
        [opener] { Click(opener); }, [] { return MeasForm->Initialised; });
    ASSERT_TRUE(saved);
  }

  // Strip roads (the dialog's default roads), then a low thinning to the
  // third removal of its list (the page the dialog opens on when the stand
  // offers no removal list); the thinning stage chosen first.
  void Thin() {
    ClickRow(ActForm->ListBox3, 0);
    const int p = CurrentPhase();
    WhenShown(RoadForm, [] { Click(Child(RoadForm, "BitBtn1")); }, [] { Click(ActForm->Button5); });
    ASSERT_EQ(CurrentPhase(), p + 1);
    ASSERT_TRUE(ActForm->Button7->isEnabled());
    WhenShown(Th1Form, [] {
      auto* removals = Child<TRadioGroup>(Th1Form, "RadioGroup3");
      if (removals->isVisible() && removals->Count() > 0) ClickItem(removals, std::min(2, removals->Count() - 1));
      Click(Child(Th1Form, "BitBtn1"));
    }, [] { Click(ActForm->Button7); });
    ASSERT_EQ(CurrentPhase(), p + 2);
  }

  // The grow command: the stand-age dialog ("Jatka"), then the growth
  // dialog with the years chosen.
  void Grow(int years) {
    WhenShown(
        AgesForm,
        [years] {
          WhenShown(
              IncForm,
              [years] {
                for (int i = 0; i < IncForm->RadioGroup1->Count(); ++i)
                  if (IncForm->RadioGroup1->ItemText(i) == QString::number(years)) ClickItem(IncForm->RadioGroup1, i);
                Click(IncForm->BitBtn2);
              },
              [] { Click(AgesForm->BitBtn2); });
        },
        [] { Click(ActForm->Panel4); });
  }

  // The start window's stand list: the open dialog, then the open-stand
  // window over the chosen file's estate, and Open.
  void OpenFromStartWindow(const QString& path) {
    script_.AnswerFile(path);
    WhenShown(
        OpenForm, [] { Click(OpenForm->Button3); }, [] { Click(IntroForm->Button3); },
        [] { return OpenForm->Activated; });
  }

  // The row of the main window's estate stand list that names the stand.
  static int RowOf(const QString& id) {
    for (int i = 0; i < ActForm->ListBox1->count(); ++i)
      if (ActForm->ListBox1->item(i)->text().contains(QStringLiteral(" Kuvio ") + id + QStringLiteral(" ")))
        return i;
    return -1;
  }

  // A stand of the estate opened from the main window's stand list: its
  // preview in the open-stand window, and Open.
  void OpenFromStandList(const QString& id) {
    const int row = RowOf(id);
    ASSERT_GE(row, 0) << id.toStdString();
    WhenShown(
        OpenForm, [] { Click(OpenForm->Button3); }, [row] { ClickRow(ActForm->ListBox1, row); },
        [] { return OpenForm->Activated; });
    ASSERT_EQ(Stand().TitleText(0), id);
  }

  // The estate charts from the estate panel, and the overview from them.
  QStringList EstateOverviewRow() {
    QStringList row;
    WhenShown(GraphForm, [&] {
      WhenShown(FolderForm, [&] {
        for (int c = 0; c < FolderForm->StringGrid1->columnCount(); ++c) row << CellText(FolderForm->StringGrid1, 0, c);
        EXPECT_TRUE(FolderForm->grab().save(testsupport::ShotPath(shotPrefix_ + "-overview.png")));
        Click(FolderForm->Button1);
      }, [] { Click(GraphForm->Button2); });
      Click(GraphForm->Button1);
    }, [] { Click(ActForm->Panel8); });
    return row;
  }

  // The timber sale of the removal: its cutting line, volume (some cubic
  // metres), value and net income.
  QStringList TimberSale() {
    QStringList seen;
    WhenShown(TradeForm, [&] {
      seen << TradeForm->Label87->text() << TradeForm->Label44->text() << TradeForm->Label43->text()
           << TradeForm->Label67->text();
      EXPECT_TRUE(TradeForm->grab().save(testsupport::ShotPath(shotPrefix_ + "-sale.png")));
      Click(TradeForm->Button2);
    }, [] { Click(ActForm->Panel11); });
    EXPECT_GT(seen.value(1).section(' ', 0, 0, QString::SectionSkipEmpty).toInt(), 0) << seen.value(1).toStdString();
    return seen;
  }

  // The stand report, printed to a PDF file; its lines.
  QStringList PrintReport(const QString& pdf) {
    PrintScript print;
    print.pdfPath = pdf;
    QStringList memo;
    WhenShown(RapForm, [&] {
      memo = RapForm->MemoLines();
      Click(RapForm->Button4);
      Click(RapForm->Button1);
    }, [] { Click(ActForm->Button3); });
    EXPECT_EQ(print.dialogs, 1);
    EXPECT_GE(print.pagesPrinted, 1);
    EXPECT_TRUE(FileBytes(pdf).startsWith("%PDF"));
    return memo;
  }

  void Shot(const QString& name) {
    QApplication::processEvents();
    EXPECT_TRUE(ActForm->grab().save(testsupport::ShotPath(shotPrefix_ + "-" + name + ".png")));
  }

  data& Stand() { return *TheSession->CurrentStand; }

  QString program_;
  QString estates_;
  QString shotPrefix_ = "journey";
  MessageScript script_;
};

}  // namespace

TEST_F(Journey, NewStandThinnedGrownSavedReopenedValuedAndReported) {
  // ---- First start: no settings file ----
  StartProgram();
  ASSERT_EQ(script_.Count(MessageKind::Notice), 1);
  EXPECT_EQ(script_.Last(MessageKind::Notice).lines, QStringList{"puuttuva tiedosto korvataan uudella Settings.dat"});
  EXPECT_EQ(FileBytes(program_ + "/Settings.dat").size(), 188);
  script_.Clear();

  // ---- A new stand from its measurement ----
  const QString path = estates_ + "/Kotitila/101.Norvalen";
  CreateStand(path, "101", IntroForm->Button2);
  ASSERT_TRUE(QFile::exists(path));
  ASSERT_NE(TheSession->CurrentStand, nullptr);
  EXPECT_FALSE(IntroForm->isVisible());
  EXPECT_TRUE(ActForm->isVisible() && ActForm->isEnabled());
  EXPECT_EQ(Stand().TitleText(0), "101");
  EXPECT_EQ(CurrentPhase(), 0);
  ASSERT_EQ(ActForm->ListBox1->count(), 1);
  const int measuredStems = Stand().SlotTreeCount(0);
  const int measuredVolume = Stand().SlotTotalVolume(0);
  EXPECT_GT(measuredVolume, 100);
  Shot("created");

  // ---- Strip roads and a thinning ----
  Thin();
  EXPECT_TRUE(Stand().Slots[1].name.startsWith("Ajourat")) << Stand().Slots[1].name.toStdString();
  EXPECT_TRUE(Stand().Slots[2].name.startsWith("Alaharvennus")) << Stand().Slots[2].name.toStdString();
  EXPECT_LT(Stand().SlotTreeCount(2), Stand().SlotTreeCount(1));
  EXPECT_LT(Stand().SlotTreeCount(1), measuredStems);
  const int removal = measuredVolume - Stand().SlotTotalVolume(2);
  EXPECT_GT(removal, 0);
  EXPECT_TRUE(ActForm->HasUnsavedChanges());

  // ---- Ten years of growth ----
  Grow(10);
  ASSERT_EQ(CurrentPhase(), 3);
  EXPECT_EQ(Stand().Slots[3].name, "Kasvatus");
  EXPECT_EQ(Stand().Slots[3].years, 10);
  EXPECT_GT(Stand().SlotTotalVolume(3), Stand().SlotTotalVolume(2));
  EXPECT_TRUE(ActForm->Label13->text().contains("101"));

  // ---- Save ----
  const QByteArray measured = FileBytes(path);
  Click(ActForm->Panel10);
  EXPECT_FALSE(ActForm->HasUnsavedChanges());
  EXPECT_TRUE(ActForm->Label13->text().isEmpty());
  const QByteArray saved = FileBytes(path);
  EXPECT_TRUE(saved.left(580) == measured.left(580)) << "the header stays as it was";
  EXPECT_EQ(saved.size(), standfile::FileLength(Stand().TreeCount(), 1));
  ASSERT_EQ(TheSession->EstateRecords.size(), 1u);
  EXPECT_EQ(TheSession->EstateRecords[0].phaseSlots[3].name, "Kasvatus");
  EXPECT_EQ(TheSession->EstateRecords[0].phaseSlots[2].name, Stand().Slots[2].name);
  const auto trees = standcompare::SortedTreeKeys(Stand());
  const auto phaseSlots = Stand().Slots;

  // ---- A second stand of the estate, measured from the main window ----
  CreateStand(estates_ + "/Kotitila/102.Norvalen", "102", ActForm->Button6);
  EXPECT_EQ(Stand().TitleText(0), "102");
  EXPECT_EQ(CurrentPhase(), 0);
  ASSERT_EQ(ActForm->ListBox1->count(), 2);

  // ---- The estate's stand list: the first stand opened again from its file ----
  OpenFromStandList("101");
  EXPECT_EQ(TheSession->StandPath, path);
  EXPECT_EQ(CurrentPhase(), 3);
  EXPECT_TRUE(standcompare::SortedTreeKeys(Stand()) == trees);
  for (int k = 0; k < kPhaseCount; ++k) {
    EXPECT_EQ(Stand().Slots[k].name, phaseSlots[k].name) << k;
    EXPECT_EQ(Stand().Slots[k].volumes, phaseSlots[k].volumes) << k;
  }
  EXPECT_FALSE(ActForm->HasUnsavedChanges());

  // ---- Its picture, card and texts ----
  EXPECT_FALSE(ActForm->Image4->pixmap().isNull());
  EXPECT_FALSE(ActForm->Image3->pixmap().isNull());
  EXPECT_FALSE(ActForm->Image1->pixmap().isNull());
  EXPECT_TRUE(ActForm->Label10->text().contains("101")) << ActForm->Label10->text().toStdString();
  EXPECT_EQ(ActForm->Label1->text(), "puusto 2026");
  EXPECT_EQ(ActForm->Label2->text(), "puusto 2036");
  EXPECT_TRUE(ActForm->Label15->text().startsWith(U("- hakkuukertymä "))) << ActForm->Label15->text().toStdString();
  EXPECT_TRUE(ActForm->Panel11->text().startsWith("Puukauppa 2026")) << ActForm->Panel11->text().toStdString();
  EXPECT_TRUE(ActForm->Button12->isEnabled());
  EXPECT_TRUE(ActForm->windowTitle().contains("Kotitila")) << ActForm->windowTitle().toStdString();
  Shot("reopened");

  // ---- The estate overview ----
  const QStringList row = EstateOverviewRow();
  ASSERT_FALSE(row.isEmpty());
  EXPECT_EQ(row.value(0).trimmed(), "101");
  EXPECT_EQ(FolderForm->StringGrid1->rowCount(), 2);

  // ---- The removal as a timber sale ----
  const QStringList sale = TimberSale();
  ASSERT_EQ(sale.size(), 4);
  EXPECT_FALSE(sale[0].isEmpty() || sale[2].isEmpty());

  // ---- The stand report to a PDF file ----
  const QString pdf = folder_.file("kuvio101.pdf");
  const QStringList memo = PrintReport(pdf);
  const QString report = memo.join('\n'), text = PdfLayoutText(pdf);
  for (const char* line : {"Kuvio 101, perustiedot", "10 v kasvatus", "alaharvennus hakkuukertymään"}) {
    EXPECT_TRUE(report.contains(U(line))) << report.toStdString();
    // The printed report: the same lines.
    EXPECT_TRUE(text.contains(U(line))) << line << "\n" << text.toStdString();
  }
  EXPECT_EQ(script_.Count(MessageKind::SystemBox), 0);
}

TEST_F(Journey, ModelEstateStandIsWorkedButNeverSaved) {
  shotPrefix_ = "journey-model";
  StartProgram();
  script_.Clear();
  // Stand 10 of the model estate: a young dense spruce stand, nothing done.
  const QString path = estates_ + "/Mallitila/10.Norvalen";
  const QByteArray original = FileBytes(path);
  OpenFromStartWindow(path);
  ASSERT_NE(TheSession->CurrentStand, nullptr);
  ASSERT_TRUE(Stand().IsModelEstateStand(-1));
  ASSERT_EQ(CurrentPhase(), 0);

  Thin();
  Grow(10);
  ASSERT_EQ(CurrentPhase(), 3);
  // Saving is refused and told; nothing is written, the mark stays.
  script_.Clear();
  Click(ActForm->Panel10);
  EXPECT_EQ(script_.Last(MessageKind::Notice).caption, "Rajoite");
  EXPECT_EQ(script_.Last(MessageKind::Notice).lines,
            QStringList{U("Mallitilan demokuvioiden toimenpideketjun muutoksia ei voi tallettaa   !")});
  EXPECT_TRUE(ActForm->HasUnsavedChanges());
  EXPECT_TRUE(FileBytes(path) == original);
  Shot("refused");

  // The removal is valued, reported and totalled all the same.
  EXPECT_EQ(TimberSale().size(), 4);
  PrintReport(folder_.file("malli10.pdf"));
  EXPECT_FALSE(EstateOverviewRow().isEmpty());

  // Another stand of the model estate, then this one again from the stand
  // list: it is as the model estate holds it.
  OpenFromStandList("9");
  OpenFromStandList("10");
  EXPECT_EQ(CurrentPhase(), 0);
  EXPECT_TRUE(Stand().Slots[1].name.isEmpty());
  EXPECT_FALSE(ActForm->HasUnsavedChanges());
  EXPECT_TRUE(FileBytes(path) == original);
  EXPECT_EQ(script_.Count(MessageKind::SystemBox), 0);
}
