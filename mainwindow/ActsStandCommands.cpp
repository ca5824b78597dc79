// Deleting a stand and changing its data, commands of the main window that
// the open-stand window uses too.

#include "mainwindow/Acts.h"
#include "platform/Files.h"
#include "stands/Open.h"
#include "ui/Session.h"
#include "stands/Meas.h"
#include "texts/Commonlan.h"
#include "texts/Meoplan.h"
#include "ui/MessageService.h"
#include "ui/WindowHelpers.h"

namespace {
const char* const kDeleteCaption = "Kuvion poistaminen";
}

bool TActForm::DeleteStand(const QString& path, const QString& identifier, bool modelEstate, bool fromOpenWindow) {
  const QString caption = QString::fromUtf8(kDeleteCaption);
  const QString kuvio = CommonlanText(50).toLower();
  if (ShowQuestion(caption, CommonlanText(50) + QLatin1Char(' ') + identifier +
                                QStringLiteral(" poistetaan tuhoamalla kuvion tiedot   !"),
                   QStringLiteral("Poistetaanko ") + kuvio + QLatin1Char(' ') + identifier + QStringLiteral("  ?"),
                   CommonlanText(38), CommonlanText(39)) != 1)
    return false;
  if (modelEstate) {
    ShowMessage(caption, QStringLiteral("Mallitilan kuvioita ei suositella poistettavaksi   !"),
                QString::fromUtf8("Jos haluat välttämättä poistaa Mallitilan kuvion, sulje sovellus ja poista "
                                  "kuviotiedosto hakemistosta   !"));
    return false;
  }
  if (!platform::DeleteFile(path)) {
    ShowMessage(caption, QString::fromUtf8("Käyttöjärjestelmä ei salli kuviotiedoston poistamista   !"),
                QStringLiteral("Voit poistaa kuvion sulkemalla sovelluksen ja poistamalla kuviotiedoston "
                               "hakemistosta   !"));
    return false;
  }
  if (fromOpenWindow && OpenForm) OpenForm->repaint();
  else repaint();
  ShowBusy(this, 10, 100, QStringLiteral("Poistetaan ") + kuvio + QLatin1Char(' ') + identifier, PaletteColor(222));
  return true;
}

int TActForm::ChangeStandData() {
  ShowBusy(this, 5, 30, MeoplanMeasText(1), PaletteColor(20));
  return NewStandFromMeasurementWindow(true);
}
