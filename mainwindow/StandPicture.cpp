// The main window's stand pictures: the stand as measured and after the
// recorded steps on the stand-view page (Image3, Image1) and the close-up page
// (Image10, Image9), drawn by the renderer of ui/StandPicture.h.
#include "mainwindow/StandPicture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QTabWidget>

#include "mainwindow/Acts.h"
#include "model/Calc.h"
#include "model/Phase.h"
#include "ui/Session.h"
#include "ui/StandPicture.h"

namespace {

void SetControlsVisible(std::initializer_list<QWidget*> controls, bool visible) {
  for (QWidget* w : controls)
    if (w) w->setVisible(visible);
}

}  // namespace

void DrawStandPictureInto(TActForm* form, TCanvas* image, bool before, bool removal, bool closeUp) {
  if (!form || !image || !OpenedStand()) return;
  // Drawn at the full picture width, shown at the narrowed width of the view.
  image->resize(form->PictureWidth, image->height());
  DrawOpenStandPicture(form->WindowSize(), form, image, before, removal, closeUp, form->CheckBox21->isChecked(),
                       -form->ChosenTreeGroup(false));
  image->resize(NarrowedPictureWidth(form), image->height());
}

bool HasStandChanged(const TActForm*) {
  const ::data* stand = OpenedStand();
  return stand && (RemovedStemCount(*stand) > 0 || stand->GrowthStepCount() > 0);
}

bool IsTreeShownInView(const TActForm*, int i, int mode) {
  const ::data* stand = OpenedStand();
  if (!stand || i < 0 || i >= stand->TreeCount()) return false;
  return IsRemovalShownInView(stand->TreeRemovedBy(i), mode, PhaseHistoryOf(*stand, CurrentPhase()));
}

namespace {

// An after-picture with the controls shown with it, hidden while the stand
// has nothing to show after its measurement.
void DrawPageAfterPicture(TActForm* form, TCanvas* picture, TCanvas* before, std::initializer_list<QWidget*> labels,
                          bool removal, bool closeUp) {
  picture->hide();
  SetControlsVisible(labels, false);
  if (!HasStandChanged(form)) return;
  // What the window has still to paint is painted first.
  before->parentWidget()->repaint();
  DrawStandPictureInto(form, picture, false, removal, closeUp);
  picture->show();
  SetControlsVisible(labels, true);
}

}  // namespace

void DrawAfterPicture(TActForm* form, bool removal, bool markCloseUp) {
  DrawPageAfterPicture(form, form->Image1, form->Image3,
                       {form->Label2, form->Label222, form->Label8, form->Label27, form->Image6}, removal, false);
  // At the measured state or its leading growing step the measured rows
  // tell the state, and the carbon dioxide box follows.
  const ::data* stand = OpenedStand();
  if (CurrentPhase() == 0 || (stand && stand->IsCurrentLeadingGrowth(true))) {
    form->RefreshStandViewTexts(false);
    form->UpdateCarbonBoxEnabled();
  }
  if (markCloseUp) form->CloseAfterPictureDirty = true;
}

void DrawCloseUpAfterPicture(TActForm* form, bool removal) {
  DrawPageAfterPicture(form, form->Image9, form->Image10,
                       {form->Label5, form->Label21, form->Label28, form->Label555, form->Image7}, removal, true);
}

void RefreshStandViewPictures(TActForm* form, int phase) {
  const ::data* stand = OpenedStand();
  QCheckBox* removalBox = form->CheckBox33;
  // The removal sample has nothing to show before a cutting.
  if (removalBox->isChecked() && (phase == 0 || (stand && stand->IsCurrentLeadingGrowth(true)))) {
    removalBox->hide();
    removalBox->setChecked(false);
    form->RefreshStandViewTexts(false);
  }
  const bool removal = removalBox->isChecked();
  if (form->PageControl2->currentWidget() != form->TabSheet8) {
    if (form->CloseBeforePictureDirty) {
      DrawStandPictureInto(form, form->Image10, true, false, true);
      form->CloseBeforePictureDirty = false;
    }
    if (form->CloseAfterPictureDirty) {
      DrawCloseUpAfterPicture(form, removal);
      form->CloseAfterPictureDirty = false;
    }
    return;
  }
  if (form->BeforePictureDirty) {
    // The page's option controls wait for the picture.
    QWidget* help = form->findChild<QWidget*>(QStringLiteral("BitBtn6"));
    const std::initializer_list<QWidget*> options = {form->ComboBox28, help, form->CheckBox21, form->CheckBox16,
                                                     form->Label22};
    SetControlsVisible(options, false);
    DrawStandPictureInto(form, form->Image3, true, false, false);
    SetControlsVisible(options, true);
    form->BeforePictureDirty = false;
  }
  if (form->AfterPictureDirty) {
    DrawAfterPicture(form, removal, false);
    form->AfterPictureDirty = false;
  }
  removalBox->setVisible(form->Image1->isVisibleTo(form->Panel6));
}

int NarrowedPictureWidth(const TActForm* form) {
  return form->PictureWidth - 1 - (form->IsNarrowView() ? form->Panel9->width() : 0);
}

void PlaceStandPictures(TActForm* form) {
  // Each page: a heading row, the measured picture, its description line,
  // the heading row of the after-picture, the after-picture and its
  // description and change lines.
  constexpr int kHeading = 34, kDescription = 22, kGap = 28, kBottom = 26;
  const int width = form->PictureWidth > 0 ? NarrowedPictureWidth(form) : 0;
  const std::pair<QFrame*, std::pair<TCanvas*, TCanvas*>> pages[] = {
      {form->Panel6, {form->Image3, form->Image1}}, {form->Panel7, {form->Image10, form->Image9}}};
  for (const auto& [panel, pictures] : pages) {
    const int height = std::max(40, (panel->height() - kHeading - kDescription - kGap - kBottom) / 2);
    pictures.first->setGeometry(2, kHeading, width, height);
    pictures.second->setGeometry(2, kHeading + height + kDescription + kGap, width, height);
  }
}
