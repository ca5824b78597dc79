#include "operations/NewFrstRules.h"

#include "stands/StandCardRules.h"
#include "model/Data.h"
#include "platform/Numbers.h"
#include "texts/Commonlan.h"

namespace {

QStringList Numbers(int first, int last) {
  QStringList items;
  items.reserve(last - first + 1);
  for (int v = first; v <= last; ++v) items << platform::IntText(v);
  return items;
}

QString PlantingSpecies(int i) {
  static const char* const kNames[] = {"mänty", "kuusi", "koivu", "haapa", "lehtikuusi"};
  return QString::fromUtf8(kNames[i]);
}

QString WithUnit(int value, const QString& unit) { return platform::IntText(value) + QLatin1Char(' ') + unit; }

// Seed per hectare of an amount item: (index + 1) x 0.05 kg.
double SeedKgPerHa(int amountIndex) { return (amountIndex + 1) * 0.05; }

}  // namespace

QStringList ClearingMethodItems() {
  return {QStringLiteral("ei raivausta tai kulotusta"), QStringLiteral("raivaus"), QStringLiteral("kulotus"),
          QStringLiteral("raivaus ja kulotus")};
}

QStringList SoilMethodItems() {
  return {QStringLiteral("ei muokkausta"), QStringLiteral("äestys"),           QStringLiteral("laikutus"),
          QStringLiteral("mätästys"),      QStringLiteral("mätästys / ojitus"), QStringLiteral("auraus")};
}

QStringList CultivationMethodItems() {
  return {QStringLiteral("ei metsänviljelyä"), QStringLiteral("istutus"), QStringLiteral("kylvö")};
}

QStringList CostPerHaItems() { return Numbers(0, kCostPerHaItems - 1); }

CultivationLists CultivationListsFor(int method) {
  CultivationLists c;
  if (method == Planting) {
    for (int n = 1000; n <= 5000; n += 100) c.amount << platform::IntText(n);
    c.material = Numbers(0, 100);
    c.work = Numbers(0, 100);
    for (int i = 0; i < 5; ++i) c.species << PlantingSpecies(i);
    c.enabled = true;
    c.materialLabel = QStringLiteral("- taimet, kulut");
    c.workLabel = QStringLiteral("- istutustyö, kulut");
    c.amountUnit = QStringLiteral("kpl/ha");
  } else if (method == Seeding) {
    for (int i = 0; i < 16; ++i) c.amount << platform::FormatC("%1.2f", SeedKgPerHa(i));
    c.material = Numbers(0, 800);
    c.work = Numbers(0, 200);
    c.species << PlantingSpecies(0) << PlantingSpecies(2);
    c.enabled = true;
    c.materialLabel = QStringLiteral("- siemenet, kulut");
    c.workLabel = QStringLiteral("- kylvötyö, kulut");
    c.amountUnit = QStringLiteral("kg/ha");
  } else {
    for (int i = 0; i < 5; ++i) c.species << PlantingSpecies(i);
    c.materialLabel = QStringLiteral("- ei materiaalia");
    c.workLabel = QStringLiteral("- ei työkuluja");
  }
  return c;
}

PriceUnitTexts PriceUnitTextsFor(int method) {
  const QString c = CommonlanText(54);
  if (method == Planting) return {c + QStringLiteral("/100 kpl"), c + QStringLiteral("/100 kpl")};
  if (method == Seeding) return {c + QStringLiteral("/kg"), c + QStringLiteral("/ha")};
  return {};
}

int DefaultAmountIndex(int species) { return species >= 2 ? 6 : 8; }

QString MethodCostCaption(const QString& methodItem, bool methodChosen) {
  return methodItem.toLower() + (methodChosen ? QStringLiteral(",  kustannukset") : QString());
}

QString CultivationCaption(int method, int species) {
  const QStringList methods = CultivationMethodItems();
  QString text = method >= 0 && method < methods.size() ? methods[method] : QString();
  const QStringList names = CultivationListsFor(method).species;
  if (species >= 0 && species < names.size()) text += QStringLiteral(", ") + names[species].toLower();
  return text;
}

int ParseLeadingInt(const QString& text) {
  const int blank = text.indexOf(QLatin1Char(' '));
  bool ok = false;
  const int v = (blank < 0 ? text : text.left(blank)).toInt(&ok);
  return ok ? v : 0;
}

QString EstimateTotalLabel() { return QStringLiteral("Metsänuudistaminen, kustannusarvio"); }

RegenerationEstimate EstimateRegenerationCosts(const RegenerationEstimateInput& in) {
  RegenerationEstimate e;
  const double area = in.areaHa;
  const QString perHa = CommonlanText(56);
  const QString perStand = CommonlanText(58);
  auto forStand = [area](int costPerHa) { return platform::RoundHalfAway(costPerHa * area); };

  // Clearing and soil preparation.
  e.clearingPerHa = in.clearingCostEnabled ? ParseLeadingInt(in.clearingCostText) : 0;
  e.clearingPerStand = forStand(e.clearingPerHa);
  e.clearingPerHaText = WithUnit(e.clearingPerHa, perHa);
  e.clearingPerStandText = WithUnit(e.clearingPerStand, perStand);
  e.clearingPageText = in.clearingCostEnabled ? e.clearingPerStandText : QString();
  e.soilPerHa = in.soilCostEnabled ? ParseLeadingInt(in.soilCostText) : 0;
  e.soilPerStand = forStand(e.soilPerHa);
  e.soilPerHaText = WithUnit(e.soilPerHa, perHa);
  e.soilPerStandText = WithUnit(e.soilPerStand, perStand);
  e.soilPageText = in.soilCostEnabled ? e.soilPerStandText : QString();

  // Cultivation.
  const bool cultivating = in.cultivationShown && in.cultivationMethod != NoCultivation;
  const double materialPrice = ParseLeadingInt(in.materialText);
  const int workPrice = ParseLeadingInt(in.workText);
  if (cultivating && in.cultivationMethod == Planting) {
    const int stems = ParseLeadingInt(in.amountText);
    e.materialPerHa = platform::RoundHalfAway(materialPrice * 0.01 * stems);
    e.workPerHa = platform::RoundHalfAway(workPrice * 0.01 * stems);
  } else if (cultivating && in.cultivationMethod == Seeding) {
    const double kg = in.amountIndex >= 0 ? SeedKgPerHa(in.amountIndex) : 0.0;
    e.materialPerHa = platform::RoundHalfAway(materialPrice * kg);
    e.workPerHa = workPrice;
  }
  e.materialPerStand = forStand(e.materialPerHa);
  e.workPerStand = forStand(e.workPerHa);
  const CultivationLists lists = CultivationListsFor(in.cultivationMethod);
  const PriceUnitTexts units = PriceUnitTextsFor(in.cultivationMethod);
  e.materialPerHaText = WithUnit(e.materialPerHa, perHa);
  e.materialPerStandText = WithUnit(e.materialPerStand, perStand);
  e.materialLine = lists.materialLabel + QLatin1Char(' ') + in.materialText + QLatin1Char(' ') + units.material;
  e.workPerHaText = WithUnit(e.workPerHa, perHa);
  e.workPerStandText = WithUnit(e.workPerStand, perStand);
  e.workLine = lists.workLabel + QLatin1Char(' ') + in.workText + QLatin1Char(' ') + units.work;
  if (in.materialEnabled) {
    e.materialPagePerHa = e.materialPerHaText;
    e.materialPagePerStand = e.materialPerStandText;
  }
  if (in.workEnabled) {
    e.workPagePerHa = e.workPerHaText;
    e.workPagePerStand = e.workPerStandText;
  }

  // Totals: the per-stand total adds the rounded parts.
  e.totalPerHa = e.clearingPerHa + e.soilPerHa + e.materialPerHa + e.workPerHa;
  e.totalPerStand = e.clearingPerStand + e.soilPerStand + e.materialPerStand + e.workPerStand;
  e.totalPerHaText = WithUnit(e.totalPerHa, perHa);
  e.totalPerStandText = WithUnit(e.totalPerStand, perStand);

  // Summary lines.
  const QStringList clearing = ClearingMethodItems();
  const QStringList soil = SoilMethodItems();
  e.clearingLine = in.clearingMethod > 0 && in.clearingMethod < clearing.size()
                       ? QStringLiteral(" - hakkuualan ") + clearing[in.clearingMethod].toLower()
                       : QStringLiteral(" - ei hakkuualan raivausta tai kulotusta");
  e.soilLine = in.soilMethod > 0 && in.soilMethod < soil.size()
                   ? QStringLiteral(" - hakkuualan ") + soil[in.soilMethod].toLower()
                   : QStringLiteral(" - ei hakkuualan muokkausta");
  if (in.cultivationMethod == Planting) {
    e.amountPerStand = platform::IntText(platform::RoundHalfAway(ParseLeadingInt(in.amountText) * area)) +
                       QStringLiteral(" kpl/kuvio");
  } else if (in.cultivationMethod == Seeding) {
    e.amountPerStand = platform::FormatC("%4.2f %s", (in.amountIndex + 1) * (area * 0.05), "kg/kuvio");
  }
  if (in.cultivationShown) {
    e.cultivationLine = QStringLiteral(" - ") + CultivationCaption(in.cultivationMethod, in.species) + QLatin1Char(' ');
    if (in.cultivationMethod != NoCultivation)
      e.cultivationLine += in.amountText + QLatin1Char(' ') + lists.amountUnit + QStringLiteral(", ") + e.amountPerStand;
  }
  return e;
}

bool HasRegenerationEstimate(int clearingMethod, int soilMethod, bool cultivationShown, int cultivationMethod) {
  return clearingMethod > 0 || soilMethod > 0 || (cultivationShown && cultivationMethod > 0);
}

int RegenerationCuttingPhase(const data& stand) { return stand.FirstPhaseIsGrowth() ? 2 : 1; }

bool NextOperationIsClearCut(const data& stand) {
  const QString text = PhaseText(stand, RegenerationCuttingPhase(stand), false).toLower();
  const int comma = text.indexOf(QLatin1Char(','));
  return comma >= 0 && text.left(comma) == CommonlanText(29).toLower();
}

QString RegenerationTitle(const data& stand, bool shortForm) {
  const QString kind = OperationKindWord(PhaseText(stand, RegenerationCuttingPhase(stand), false));
  return (shortForm ? QStringLiteral("Uusi metsä ") : QStringLiteral("Metsänuudistaminen ")) + kind +
         QStringLiteral("n jälkeen");
}

QString RegenerationHintText(const data& stand, bool hasEstimate, const QString& totalPerHaText) {
  if (!hasEstimate) return QStringLiteral("Uusi metsä - painikkeella metsänuudistamisen kustannusarvio  !");
  const int blank = totalPerHaText.indexOf(QLatin1Char(' '));
  return RegenerationTitle(stand, true) + QStringLiteral(", kustannusarvio ") +
         (blank < 0 ? totalPerHaText : totalPerHaText.left(blank)) + QLatin1Char(' ') + CommonlanText(56);
}
