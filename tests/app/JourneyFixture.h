#pragma once
// The program as a forest owner meets it, for the tests of the whole program:
// a program folder beside an estates folder with the model estate the build
// wrote, the windows started as the start command starts them, and the steps
// of a user's road through them, each through the real windows' controls.
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

namespace journeytest {

using namespace testsupport;

inline QString U(const char* s) { return QString::fromUtf8(s); }

// Runs fn in the window that `open` opens, once it is up and `ready` holds.
inline void WhenShown(QWidget* window, const std::function<void()>& fn, const std::function<void()>& open,
               const std::function<bool()>& ready = {}) {
  const bool ran = InModal([window, ready] { return window->isVisible() && (!ready || ready()); }, fn, open);
  EXPECT_TRUE(ran) << window->objectName().toStdString() << " never opened";
}

inline void Choose(const char* name, const QString& text) { ChooseItem(Child<QComboBox>(MeasForm, name), text); }
inline void Type(const char* name, const QString& text) { TypeInto(Child<QLineEdit>(MeasForm, name), text); }

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

}  // namespace journeytest
