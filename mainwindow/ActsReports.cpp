// The stand card's commands that open the timber sale and the stand report.
#include <QCheckBox>
#include <QPushButton>

#include "estate/Raport.h"
#include "estate/Trade.h"
#include "mainwindow/Acts.h"
#include "ui/Session.h"
#include "texts/Commonlan.h"
#include "ui/MessageService.h"
#include "ui/WindowHelpers.h"

void TActForm::Panel11Click() {
  const ::data* stand = OpenedStand();
  if (stand && RemovalValueSum(*stand, true, false, false) > 0) {
    ShowBusy(this, 10, 100, CommonlanText(41), PaletteColor(20));
    // The report opened from the sale always ends with the sale.
    if (RapForm) RapForm->CheckBox3->hide();
    if (TradeForm) {
      TradeForm->NeedsRefresh = true;
      TradeForm->ShowModal();
    }
  } else {
    ShowNotice(CommonlanText(41),
               QStringLiteral("kuvion hakkuukertymä 0 m3/ha,  ei arviota puukaupasta kertyvistä tuloista   !"));
  }
  ClearFocus(this);
}

void TActForm::Button3Click() {
  ShowBusy(this, 10, 100, CommonlanText(72), PaletteColor(20));
  if (RapForm) {
    // Every opening builds the report of the stand open now.
    RapForm->Initialised = false;
    RapForm->CheckBox3->show();
    RapForm->ShowModal();
  }
  ClearFocus(this);
}
