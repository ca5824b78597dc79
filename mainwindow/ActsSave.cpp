// Save, grow and undo of the stand card, and the unsaved mark that every
// change of the chain sets and that a save or a load clears.
#include <QLabel>
#include <QPushButton>

#include "mainwindow/Acts.h"
#include "model/Data.h"
#include "stands/Intro.h"
#include "texts/Actlan.h"
#include "ui/Palette.h"

namespace {

::data* OpenStand() { return IntroForm ? IntroForm->CurrentStand.get() : nullptr; }

}  // namespace

void TActForm::ShowSaveState(bool unsaved) {
  Unsaved = unsaved;
  const QColor panel = PaletteColor(unsaved ? 223 : 7);
  const QColor text = ColorFromBgr(unsaved ? 0xF0FBFF : 0x808080);
  SetWidgetColor(Panel10, panel);
  SetRoleColor(Panel10, QPalette::Button, panel);
  SetRoleColor(Panel10, QPalette::ButtonText, text);
  // The notice over the estate chart names the stand; it is centred over
  // the chart that holds it.
  QLabel* notice = Panel9->findChild<QLabel*>(QStringLiteral("Label13"));
  if (!notice) return;
  const ::data* stand = OpenStand();
  if (unsaved && stand)
    notice->setText(ActlanText(23).toLower() + QStringLiteral(",  ") + stand->TitleText(1) + QStringLiteral("  !"));
  else
    notice->clear();
  if (QWidget* chart = notice->parentWidget()) {
    notice->adjustSize();
    notice->move(static_cast<int>((chart->width() - notice->width()) * 0.5), notice->y());
  }
}
