// The opening of the cutting dialogs: the first trial is made in the shown
// dialog, from a blank preview. Nothing of a dialog runs while it is hidden:
// controls set by code then start no trial and no handler, and what the
// main window sets before it shows a dialog runs no trial: a regeneration
// dialog left on its strip page and then opened for a stand below 18 cm,
// answered "Ei" or "Kyllä" and cancelled, and a selection dialog opened for
// a stand that fails its requirements, leave the stand, its growth and its
// saved file as they would be without the clicks.

#include <QTabWidget>
#include <QWindow>

#include "operations/Clear.h"
#include "operations/Gate.h"
#include "operations/PlocCutt.h"
#include "operations/Roads.h"
#include "operations/Th1.h"
#include "operations/Th4.h"
#include "platform/Clock.h"
#include "tests/mainwindow/GrowFixture.h"
#include "tests/operations/DialogFixture.h"
#include "ui/Palette.h"

namespace opening {

using namespace dialogtest;

class DialogOpening : public Dialogs {};

// Whether a preview picture is all one colour (blank).
bool Blank(const QLabel* picture, const QColor& colour) {
  const QImage image = picture->pixmap().toImage();
  if (image.isNull()) return false;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) != colour) return false;
  return true;
}

// Whether the removal chart (where the dialog has one) is drawn empty: its
// background within the panel's colour, no bars, titles or axes.
bool ChartBlank(const QWidget* d) {
  auto* chart = d->findChild<TRemovalChart*>("Chart1");
  if (!chart) return true;
  const QImage image = chart->grab().toImage();
  const QRgb panel = image.pixel(0, 0);
  const QRgb background = image.pixel(image.width() / 2, image.height() / 2);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != panel && image.pixel(x, y) != background) return false;
  return true;
}

// The removal and remaining-trees pictures and the chart blank, the
// operation label and the volume label (where the dialog has one) empty.
bool PreviewBlank(const QWidget* d, const char* operationLabel) {
  for (const char* label : {operationLabel, "Label12"})
    if (const auto* l = d->findChild<QLabel*>(label); l && !l->text().isEmpty()) return false;
  if (!ChartBlank(d)) return false;
  return Blank(Child<QLabel>(d, "Image1"), PaletteColor(12)) && Blank(Child<QLabel>(d, "Image2"), PaletteColor(22));
}

// Records what the dialog looks like as it is shown and at the first pause of
// its preview.
struct OpeningWatch : QObject {
  QWidget* dialog = nullptr;
  const char* operationLabel = nullptr;
  bool blankWhenShown = false;
  int pauses = 0;
  // At the first pause: the dialog visible, on the screen and the modal
  // window; its preview blank.
  bool shownAtFirstPause = false;
  bool blankAtFirstPause = false;
  QPixmap atFirstPause;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (o == dialog && e->type() == QEvent::Show) blankWhenShown = PreviewBlank(dialog, operationLabel);
    return false;
  }
  void Paused() {
    if (pauses++ > 0) return;
    shownAtFirstPause = dialog->isVisible() && dialog->windowHandle() && dialog->windowHandle()->isExposed() &&
                        QApplication::activeModalWidget() == dialog;
    blankAtFirstPause = PreviewBlank(dialog, operationLabel);
    atFirstPause = dialog->grab();
  }
};

TEST_F(DialogOpening, FirstTrialMadeInTheShownDialogFromABlankPreview) {
  struct Case {
    std::unique_ptr<data> (*stand)();
    int stage;
    int stripRoads;  // -1 none committed first, 0 "ei uria", 1 the default roads
    QPushButton* TActForm::*button;
    QWidget* (*dialog)();
    const char* operationLabel;
  };
  const Case cases[] = {
      {YoungThinningStand, 0, -1, &TActForm::Button5, [] { return static_cast<QWidget*>(RoadForm); }, "Label7"},
      {YoungThinningStand, 0, 1, &TActForm::Button1, [] { return static_cast<QWidget*>(GateForm); }, "Label7"},
      {AdvancedThinningStand, 0, 0, &TActForm::Button7, [] { return static_cast<QWidget*>(Th1Form); }, "Label7"},
      {MatureMixedStand, 1, -1, &TActForm::Button4, [] { return static_cast<QWidget*>(Th4Form); }, "Label16"},
      {MatureMixedStand, 1, -1, &TActForm::Button15, [] { return static_cast<QWidget*>(PlocCuttForm); }, "Label15"},
      {MatureMixedStand, 1, -1, &TActForm::Button14, [] { return static_cast<QWidget*>(ClearForm); }, "Label7"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dialog()->objectName().toStdString());
    Open(c.stand(), c.stage);
    if (c.stripRoads >= 0) CommitStripRoads(c.stripRoads == 1);
    // A first opening leaves its pictures drawn.
    EXPECT_TRUE(Run(ActForm->*c.button, [&](QWidget* d) {
      EXPECT_FALSE(PreviewBlank(d, c.operationLabel));
      ClickButton(d, "BitBtn2");
    }));
    OpeningWatch watch;
    watch.dialog = c.dialog();
    watch.operationLabel = c.operationLabel;
    watch.dialog->installEventFilter(&watch);
    platform::SetPauseFunction([&watch](int) { watch.Paused(); });
    EXPECT_TRUE(Run(ActForm->*c.button, [&](QWidget* d) {
      EXPECT_EQ(d, watch.dialog);
      // One trial, one pause, and then the pictures drawn.
      EXPECT_EQ(watch.pauses, 1);
      EXPECT_FALSE(PreviewBlank(d, c.operationLabel));
      ClickButton(d, "BitBtn2");
    }));
    platform::SetPauseFunction([](int) {});
    watch.dialog->removeEventFilter(&watch);
    EXPECT_TRUE(watch.blankWhenShown);
    EXPECT_TRUE(watch.shownAtFirstPause);
    EXPECT_TRUE(watch.blankAtFirstPause);
    watch.atFirstPause.save(ShotPath(watch.dialog->objectName() + "-opening.png"));
  }
}

TEST_F(DialogOpening, HiddenDialogsRunNothingWhenTheirControlsAreSetByCode) {
  Open(MatureMixedStand(), 1);
  // The regeneration dialog left on its strip page, the species removal
  // dialog with its rows filled.
  EXPECT_TRUE(Run(ActForm->Button14, [](QWidget* d) {
    ChoosePage(d, StripPage);
    ClickButton(d, "BitBtn2");
  }));
  EXPECT_TRUE(Run(ActForm->Button4, [](QWidget* d) { ClickButton(d, "BitBtn2"); }));
  const data before = Stand();
  TCuttingForm* const dialogs[] = {ClearForm, Th1Form, Th4Form, GateForm, RoadForm, PlocCuttForm};
  std::vector<int> trials;
  for (TCuttingForm* d : dialogs) trials.push_back(d->RecalculationCount);
  const int perGroup = ClearForm->RadioGroup2->Count();
  const QString stemsCaption = Th1Form->RadioGroup1->title();
  // Pages, lists, groups and boxes changed while the dialogs are hidden.
  ClearForm->PageControl1->setTabVisible(StripPage, false);
  ClearForm->RadioGroup1->SetItemIndex(3);
  ClearForm->CheckBox3->setChecked(true);
  Th1Form->ListBox3->setCurrentRow(1);
  Th1Form->PageControl1->setCurrentIndex(ThinningDistancePage);
  Th4Form->CheckBoxes[0]->setChecked(true);
  GateForm->RadioGroup1->SetItemIndex(0);
  RoadForm->RadioGroup2->SetItemIndex(1);
  PlocCuttForm->CheckBox2->setChecked(true);
  std::vector<int> after;
  for (TCuttingForm* d : dialogs) after.push_back(d->RecalculationCount);
  EXPECT_EQ(after, trials);
  ExpectSameStand(Stand(), before);
  // Nor do the handlers that change other controls.
  EXPECT_EQ(ClearForm->RadioGroup2->Count(), perGroup);
  EXPECT_EQ(Th1Form->RadioGroup1->title(), stemsCaption);
  EXPECT_FALSE(Th4Form->ComboBoxes[0]->isEnabled());
}

}  // namespace opening

namespace twins {

using namespace growfixture;
using testsupport::Child;
using testsupport::ClickItem;
using testsupport::ClickRow;

// A young mixed stand: about 9 cm, far below the regeneration diameter.
constexpr picturestands::Measured kYoungMixed{4, {10, 8, 9, 0, 7}, {90, 70, 110, 0, 80}, {90, 60, 50, 0, 10}};

class MainWindowSetsAHiddenDialog : public GrowWindows {
 protected:
  // The same measured stand written under two names: one is worked through
  // the clicks, the other only grown and saved.
  void WriteTwins(const picturestands::Measured& m, unsigned seed, const QString& id) {
    auto stand = picturestands::MakeStand(m, seed);
    stand->Header.estateName = QString::fromUtf8("Koivulan tila");
    stand->Header.standId = id;
    stand->Header.measurementDay = 43631;
    EstimateSpeciesAges(*stand);
    for (const QString& name : {id, id + "k"}) ASSERT_EQ(stand->WriteNewFile(PathOf(name)), StandFileStatus::Ok);
  }
  // The stand opened as the user opens it, on the final-cutting stage.
  void OpenOnFinalStage(const QString& name) {
    OpenStandFile(name);
    ClickRow(ActForm->ListBox3, 1);
    ASSERT_EQ(CurrentPhase(), 0);
  }
  // Grown 10 years through the dialogs and saved; the saved file's bytes.
  QByteArray GrowAndSave(const QString& name) {
    GrowThroughDialogs(10);
    EXPECT_EQ(CurrentPhase(), 1);
    Click(ActForm->Panel10);
    EXPECT_FALSE(ActForm->HasUnsavedChanges());
    return FileBytes(PathOf(name));
  }
  // The twin opened, grown and saved the same way: what the clicks must
  // leave.
  void ExpectAsTheTwin(const QString& id, const QByteArray& saved) {
    const data worked = Stand();
    OpenOnFinalStage(id + "k");
    EXPECT_EQ(GrowAndSave(id + "k"), saved);
    standcompare::ExpectSameStand(worked, Stand());
  }
  // Runs `inside` in the cutting dialog that the click on the main-window
  // button opens.
  static bool InDialog(QPushButton* button, const std::function<void(QWidget*)>& inside) {
    return InModal([] { return QApplication::activeModalWidget() != nullptr; },
                   [&] { inside(QApplication::activeModalWidget()); }, [&] { Click(button); });
  }
  static void Cancel(QWidget* dialog) { Click(Child<QPushButton>(dialog, "BitBtn2")); }
};

TEST_F(MainWindowSetsAHiddenDialog, RegenerationDialogLeftOnItsStripPageTriesNothingForAStandBelow18Cm) {
  WriteStand("1", 5, true);
  WriteTwins(kYoungMixed, 21, "2");
  // A stand of 18 cm or more: the dialog left on its strip page.
  OpenOnFinalStage("1");
  ASSERT_GE(Stand().SlotMeanDiameter(0), 17.5f);
  EXPECT_TRUE(InDialog(ActForm->Button14, [](QWidget* d) {
    QTabBar* tabs = Child<QTabWidget>(d, "PageControl1")->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(StripPage).center());
    ASSERT_EQ(Child<QTabWidget>(d, "PageControl1")->currentIndex(), StripPage);
    Cancel(d);
  }));
  // A stand below 18 cm: the main window hides the strip page; "Ei" ends
  // the command, "Kyllä" opens the dialog, which is cancelled.
  OpenOnFinalStage("2");
  ASSERT_LT(Stand().SlotMeanDiameter(0), 17.5f);
  const data opened = Stand();
  const int trials = ClearForm->RecalculationCount;
  script_.Answer(2);
  EXPECT_FALSE(InDialog(ActForm->Button14, Cancel));
  EXPECT_EQ(script_.Last(MessageKind::Question).yesCaption, "Kyllä");
  EXPECT_EQ(std::pair(ClearForm->RecalculationCount, CurrentPhase()), std::pair(trials, 0));
  standcompare::ExpectSameStand(Stand(), opened);
  script_.Answer(1);
  EXPECT_TRUE(InDialog(ActForm->Button14, [](QWidget* d) {
    EXPECT_EQ(Child<QTabWidget>(d, "PageControl1")->currentIndex(), ClearCutPage);
    Cancel(d);
  }));
  // One trial: the dialog's own first one.
  EXPECT_EQ(std::pair(ClearForm->RecalculationCount, CurrentPhase()), std::pair(trials + 1, 0));
  standcompare::ExpectSameStand(Stand(), opened);
  ExpectAsTheTwin("2", GrowAndSave("2"));
}

TEST_F(MainWindowSetsAHiddenDialog, SelectionDialogOfAStandFailingItsRequirementsTriesNothing) {
  WriteStand("1", 5, true);
  WriteTwins(kYoungMixed, 21, "2");
  // A stand that meets them: 50 m3/ha tried, then cancelled.
  OpenOnFinalStage("1");
  EXPECT_TRUE(InDialog(ActForm->Button15, [](QWidget* d) {
    ClickItem(Child<TRadioGroup>(d, "RadioGroup1"), 4);
    Cancel(d);
  }));
  // One that fails them: the explanation only.
  OpenOnFinalStage("2");
  const data opened = Stand();
  const int trials = PlocCuttForm->RecalculationCount;
  EXPECT_TRUE(InDialog(ActForm->Button15, [](QWidget* d) {
    EXPECT_FALSE(Child<TRadioGroup>(d, "RadioGroup1")->isEnabled());
    Cancel(d);
  }));
  EXPECT_EQ(std::pair(PlocCuttForm->RecalculationCount, CurrentPhase()), std::pair(trials, 0));
  standcompare::ExpectSameStand(Stand(), opened);
  ExpectAsTheTwin("2", GrowAndSave("2"));
}

}  // namespace twins
