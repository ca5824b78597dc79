// The opening of the cutting dialogs: the first trial is made in the shown
// dialog, from a blank preview. Nothing of a hidden dialog runs, whether
// its controls are set by code or by the main window before it shows it.

#include <QSet>
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

namespace {

using namespace dialogtest;

// The cutting dialogs' fixture, its steps open to a fixture of files too.
struct DialogOpening : Dialogs {
  using Dialogs::ChoosePage, Dialogs::Run;
  // Runs `inside` in the dialog that the button opens, then cancels it;
  // whether it opened.
  static bool Cancelled(QPushButton* button, const std::function<void(QWidget*)>& inside = {}) {
    return Run(button, [&](QWidget* d) {
      if (inside) inside(d);
      ClickButton(d, "BitBtn2");
    });
  }
};

QSet<QRgb> Colours(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
  return colours;
}

// The removal and remaining-trees pictures each all of its colour, the
// removal chart (where the dialog has one) drawn empty, with the colours of
// its corner (the panel) and its middle (the background) only, the
// operation label and the volume label empty.
bool PreviewBlank(const QWidget* d, const char* operationLabel) {
  for (const char* label : {operationLabel, "Label12"})
    if (const auto* l = d->findChild<QLabel*>(label); l && !l->text().isEmpty()) return false;
  if (auto* chart = d->findChild<TRemovalChart*>("Chart1")) {
    const QImage c = chart->grab().toImage();
    if (!QSet<QRgb>{c.pixel(0, 0), c.pixel(c.width() / 2, c.height() / 2)}.contains(Colours(c))) return false;
  }
  return Colours(Child<QLabel>(d, "Image1")->pixmap().toImage()) == QSet<QRgb>{PaletteColor(12).rgb()} &&
         Colours(Child<QLabel>(d, "Image2")->pixmap().toImage()) == QSet<QRgb>{PaletteColor(22).rgb()};
}

TEST_F(DialogOpening, FirstTrialMadeInTheShownDialogFromABlankPreview) {
  // The stand, the cutting stage, the strip roads committed first (-1 none,
  // 0 "ei uria", 1 the default roads), the button, the dialog, its
  // operation label.
  const std::tuple<std::unique_ptr<data> (*)(), int, int, QPushButton* TActForm::*, QString, const char*> cases[] = {
      {YoungThinningStand, 0, -1, &TActForm::Button5, "RoadForm", "Label7"},
      {YoungThinningStand, 0, 1, &TActForm::Button1, "GateForm", "Label7"},
      {AdvancedThinningStand, 0, 0, &TActForm::Button7, "Th1Form", "Label7"},
      {MatureMixedStand, 1, -1, &TActForm::Button4, "Th4Form", "Label16"},
      {MatureMixedStand, 1, -1, &TActForm::Button15, "PlocCuttForm", "Label15"},
      {MatureMixedStand, 1, -1, &TActForm::Button14, "ClearForm", "Label7"},
  };
  for (const auto& [stand, stage, stripRoads, button, dialog, operationLabel] : cases) {
    Open(stand(), stage);
    if (stripRoads >= 0) CommitStripRoads(stripRoads == 1);
    // Each opening makes one trial, one pause, at which the dialog is the
    // shown modal window on the screen with its preview blank (the first
    // opening too, whose lists Qt fills as the window takes the focus). The
    // second opening comes up blank after the first drew its pictures.
    QWidget* shown = nullptr;
    int pauses = 0, firstPauses = 0;
    bool blankWhenShown = false, blankAtFirstPause = false;
    platform::SetPauseFunction([&](int) {
      if (pauses++ == 0)
        blankAtFirstPause = shown && QApplication::activeModalWidget() == shown && shown->windowHandle()->isExposed() &&
                            PreviewBlank(shown, operationLabel);
    });
    for (int opening = 1; opening <= 2; ++opening) {
      pauses = 0;
      QMetaObject::Connection c;
      if (shown) c = QObject::connect(shown->windowHandle(), &QWindow::visibleChanged, [&](bool visible) {
        if (visible) blankWhenShown = PreviewBlank(shown, operationLabel);
      });
      EXPECT_TRUE(Cancelled(ActForm->*button, [&](QWidget* d) {
        shown = d;
        EXPECT_EQ(std::pair(d->objectName(), PreviewBlank(d, operationLabel)), std::pair(dialog, false));
      }));
      QObject::disconnect(c);
      if (opening == 1) firstPauses = pauses;
    }
    platform::SetPauseFunction([](int) {});
    EXPECT_EQ(std::tuple(firstPauses, blankWhenShown, pauses, blankAtFirstPause), std::tuple(1, true, 1, true))
        << dialog.toStdString();
  }
}

TEST_F(DialogOpening, HiddenDialogsRunNothingWhenTheirControlsAreSetByCode) {
  Open(MatureMixedStand(), 1);
  // The regeneration dialog left on its strip page, the species removal
  // dialog with its rows filled.
  EXPECT_TRUE(Cancelled(ActForm->Button14, [](QWidget* d) { ChoosePage(d, StripPage); }));
  EXPECT_TRUE(Cancelled(ActForm->Button4));
  const data before = Stand();
  // The trials made, and controls that the handlers change.
  const auto state = [] {
    std::vector<int> v{ClearForm->RadioGroup2->Count(), Th4Form->ComboBoxes[0]->isEnabled()};
    for (auto* d : std::initializer_list<TCuttingForm*>{ClearForm, Th1Form, Th4Form, GateForm, RoadForm, PlocCuttForm})
      v.push_back(d->RecalculationCount);
    return std::pair(v, Th1Form->RadioGroup1->title());
  };
  const auto was = state();
  ClearForm->PageControl1->setTabVisible(StripPage, false);
  ClearForm->RadioGroup1->SetItemIndex(3);
  ClearForm->CheckBox3->setChecked(true);
  Th1Form->ListBox3->setCurrentRow(1);
  Th1Form->PageControl1->setCurrentIndex(ThinningDistancePage);
  Th4Form->CheckBoxes[0]->setChecked(true);
  GateForm->RadioGroup1->SetItemIndex(0);
  RoadForm->RadioGroup2->SetItemIndex(1);
  PlocCuttForm->CheckBox2->setChecked(true);
  EXPECT_EQ(state(), was);
  ExpectSameStand(Stand(), before);
}

class MainWindowSetsAHiddenDialog : public growfixture::GrowWindows {
 protected:
  // The stand opened as the user opens it, on the final-cutting stage.
  void OpenOnFinalStage(const QString& name) {
    OpenStandFile(name);
    ClickRow(ActForm->ListBox3, 1);
    ASSERT_EQ(CurrentPhase(), 0);
  }
  // Grown 10 years through the dialogs and saved; the saved file's bytes.
  QByteArray GrowAndSave(const QString& name) {
    GrowThroughDialogs(10);
    Click(ActForm->Panel10);
    EXPECT_EQ(std::pair(CurrentPhase(), ActForm->HasUnsavedChanges()), std::pair(1, false));
    return FileBytes(PathOf(name));
  }
  static bool Cancelled(QPushButton* button, const std::function<void(QWidget*)>& inside = {}) {
    return DialogOpening::Cancelled(button, inside);
  }
};

TEST_F(MainWindowSetsAHiddenDialog, RegenerationAndSelectionDialogsTryNothingForAStandFailingTheirRequirements) {
  WriteStand("1", 5, true);
  // A young stand (about 11 cm) under two names: "2" worked through the
  // clicks, "2k" only grown and saved.
  auto young = StandOf(kYoungThinning, 21, "2");
  young->Header.estateName = QString::fromUtf8("Koivulan tila");
  young->Header.measurementDay = 43631;
  EstimateSpeciesAges(*young);
  for (const char* name : {"2", "2k"}) ASSERT_EQ(young->WriteNewFile(PathOf(name)), StandFileStatus::Ok);
  // A stand of 18 cm or more: the regeneration dialog left on its strip
  // page, a selection of 50 m3/ha tried; both cancelled.
  OpenOnFinalStage("1");
  EXPECT_TRUE(Cancelled(ActForm->Button14, [](QWidget* d) { DialogOpening::ChoosePage(d, StripPage); }));
  EXPECT_TRUE(Cancelled(ActForm->Button15, [](QWidget* d) { ClickItem(Child<TRadioGroup>(d, "RadioGroup1"), 4); }));
  // The young stand: the main window hides the strip page; "Ei" ends the
  // command, "Kyllä" opens the dialog, which is cancelled; the selection
  // dialog gives the explanation only.
  OpenOnFinalStage("2");
  const data opened = Stand();
  const auto trials = [] { return std::pair(ClearForm->RecalculationCount, PlocCuttForm->RecalculationCount); };
  const auto before = trials();
  script_.Answer(2);
  EXPECT_FALSE(Cancelled(ActForm->Button14));
  EXPECT_EQ(script_.Last(MessageKind::Question).yesCaption, "Kyllä");
  script_.Answer(1);
  EXPECT_TRUE(Cancelled(ActForm->Button14, [](QWidget* d) {
    EXPECT_EQ(Child<QTabWidget>(d, "PageControl1")->currentIndex(), ClearCutPage);
  }));
  EXPECT_TRUE(Cancelled(ActForm->Button15, [](QWidget* d) {
    EXPECT_FALSE(Child<TRadioGroup>(d, "RadioGroup1")->isEnabled());
  }));
  // One trial, the regeneration dialog's own first; the stand, grown and
  // saved, as its twin.
  EXPECT_EQ(std::tuple(trials(), CurrentPhase()), std::tuple(std::pair(before.first + 1, before.second), 0));
  standcompare::ExpectSameStand(Stand(), opened);
  const QByteArray saved = GrowAndSave("2");
  const data worked = Stand();
  OpenOnFinalStage("2k");
  EXPECT_EQ(GrowAndSave("2k"), saved);
  standcompare::ExpectSameStand(worked, Stand());
}

}  // namespace
