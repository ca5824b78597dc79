#include "mainwindow/ActsCommandRules.h"

#include "platform/Files.h"
#include "stands/EstateListRules.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "texts/Settlan.h"
#include "ui/PaletteRules.h"

HelpText MainWindowHelp(HelpArea area, const QString& standTitle) {
  const QString comma = QStringLiteral(",  ");
  switch (area) {
    case HelpArea::StandList:
      return {ActlanText(72) + QLatin1Char(' ') + SettlanText(12) + QLatin1Char(' ') + ActlanText(31).toLower(),
              {ActlanText(29), QString(), ActlanText(45)}};
    case HelpArea::StandCard:
      return {standTitle + comma + ActlanText(22).toLower(), {ActlanText(41)}};
    case HelpArea::StandView:
      return {standTitle + comma + ActlanText(12).toLower(), {ActlanText(70), QString(), ActlanText(86)}};
    case HelpArea::Overview:
      return {standTitle + comma + CommonlanText(68).toLower(), {ActlanText(40)}};
  }
  return {};
}

NoticeText StandInfoNotice(int developmentClass) {
  if (IsSmallSeedlingStand(developmentClass))
    return {QStringLiteral("Pieni taimikko, keskipituus < 1.3 m"),
            QString::fromUtf8("sovelluksella ei voi kohdistaa toimenpiteitä pieniin taimikoihin, joita ei voi pitää "
                              "vakiintuneena  !")};
  return {QStringLiteral("Puuton alue"), QString::fromUtf8("ei puustoa, ei puustoon kohdistuvia toimenpiteitä  !")};
}

QString StandInfoPanelCaption(int developmentClass) {
  return (IsSmallSeedlingStand(developmentClass) ? QStringLiteral("Pieni taimikko") : QStringLiteral("Puuton alue")) +
         QString::fromUtf8("\nei toimenpiteitä  -  info");
}

QString StandListBusyText(const QString& path) {
  return CommonlanText(50).toLower() + QLatin1Char(' ') + StripTitleSuffix(platform::FileNameOfPath(path));
}
