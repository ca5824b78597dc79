#include "operations/ClearRules.h"

#include "model/Data.h"
#include "platform/Numbers.h"
#include "texts/Actlan.h"
#include "texts/Clearlan.h"
#include "texts/Commonlan.h"
#include "ui/WindowRules.h"

namespace {

QStringList Steps(int first, int last, int step) {
  QStringList items;
  for (int v = first; v <= last; v += step) items << platform::IntText(v);
  return items;
}

// Stand facts that open the pages.
constexpr int kStripMinStems = 150;
constexpr int kSeedTreeMinStems = 200;
constexpr int kSmallGapMinStems = 300;
constexpr int kShelterwoodMinStems = 420;

// The species part of a seed or shelter tree text: "+/" after each name
// when large trees are kept, else "/"; the last character dropped.
QString JoinSpecies(const QStringList& names, bool large) {
  const QString mark = large ? QStringLiteral("+/") : QStringLiteral("/");
  QString part;
  for (const QString& n : names) part += n + mark;
  part.chop(1);
  return part;
}

QString CountText(int kind, const QString& part, int count) {
  return CommonlanText(kind) + QStringLiteral(", ") + part + QLatin1Char(' ') + platform::IntText(count) +
         QStringLiteral(" kpl/ha");
}

}  // namespace

QStringList SmallGapItems() {
  QStringList items;
  for (int i = 0; i < 6; ++i) items << platform::FormatC("%1.2f", SmallGapArea(i) * 0.01);
  return items;
}

QStringList RetentionGroupItems() { return Steps(0, 3, 1); }

QStringList RetentionPerGroupItems(int groups) {
  const int last = groups == 2 ? 40 : groups == 3 ? 25 : 60;
  return Steps(1, 15, 1) + Steps(20, last, 5);
}

int RetentionPerGroupColumns(int groups) { return groups == 2 ? 7 : groups == 3 ? 6 : 8; }

int RetainedIndex(int index, int count) {
  if (index < 0 || count <= 0) return -1;
  return index < count ? index : count - 1;
}

QStringList SeedTreeCountItems() { return Steps(20, 150, 10); }

QStringList ShelterTreeCountItems() { return Steps(100, 300, 20); }

QStringList StripWidthItems() { return Steps(20, 50, 5) + Steps(60, 100, 10); }

QStringList RetentionSizeItems() { return {QStringLiteral("kookkaita  ( + )"), QStringLiteral("kaiken kokoisia")}; }

QString RadioGroupCaption(const QString& text) { return QLatin1Char(' ') + text.toLower() + QLatin1Char(' '); }

RegenerationStandFacts RegenerationFactsOf(const data& stand, int phase, bool stripAllowed) {
  RegenerationStandFacts f;
  f.stripAllowed = stripAllowed;
  if (phase < 0 || phase >= kPhaseCount) return f;
  f.stemsPerHa = stand.SlotTreeCount(phase);
  // Trees that no recorded phase has removed.
  int counts[kSpeciesSlots] = {};
  stand.CountStandingBySpecies(1, counts);
  f.pineStands = counts[SpeciesPine] > 0;
  f.birchStands = counts[SpeciesBirch] > 0;
  f.totalVolume = stand.SlotTotalVolume(phase);
  f.spruceVolume = stand.SlotAssortmentVolume(phase, SprucePulpwood, false) +
                   stand.SlotAssortmentVolume(phase, SpruceLogs, false);
  return f;
}

AllowedCuttingTypes AllowedCuttingTypesFor(const RegenerationStandFacts& f) {
  AllowedCuttingTypes a;
  const int n = f.stemsPerHa;
  a.retentionEnabled = n >= kStripMinStems && f.stripAllowed;
  a.retentionGroups = a.retentionEnabled ? kRetentionGroupsDefault : 0;
  if (!f.stripAllowed) {
    // Only the clear-cut page, without retention groups.
    a.visible[ClearCutPage] = true;
    return a;
  }
  a.optionsReset = true;
  a.seedPineEnabled = a.seedPineTicked = f.pineStands;
  a.seedBirchEnabled = a.seedBirchTicked = f.birchStands;
  a.shelterPineEnabled = f.pineStands;
  a.shelterBirchEnabled = f.birchStands;
  a.visible[ClearCutPage] = true;
  a.visible[SeedTreePage] = n >= kSeedTreeMinStems && (f.pineStands || f.birchStands);
  // Spruce at least 40 % of the growing stock, in whole numbers.
  a.visible[ShelterwoodPage] = n >= kShelterwoodMinStems && 10LL * f.spruceVolume >= 4LL * f.totalVolume;
  a.visible[StripPage] = n >= kStripMinStems;
  a.visible[SmallGapPage] = n >= kSmallGapMinStems;
  a.firstPage = a.visible[SmallGapPage] ? SmallGapPage : ClearCutPage;
  return a;
}

int SmallGapArea(int gapIndex) { return (gapIndex + 1) * 5; }

QString SmallGapOperationText(int gapIndex) {
  return CommonlanText(33) + QStringLiteral(", ") + ClearlanGapText(1).toLower() +
         platform::FormatC(" %1.2f ", SmallGapArea(gapIndex) * 0.01) + CommonlanText(55);
}

QString ClearCutOperationText(int groups, int perGroup) {
  const QString text = ClearlanRetentionText(2);
  const int cut = text.indexOf(QStringLiteral(" /"));
  return CountText(29, (cut < 0 ? text : text.left(cut)).toLower(), groups * perGroup);
}

QString SeedTreeOperationText(bool pine, bool birch, bool large, int kept) {
  if (!pine && !birch) return QString();
  QStringList names;
  if (pine) names << CommonlanText(13);
  if (birch) names << CommonlanText(11);
  return CountText(30, JoinSpecies(names, large).toLower(), kept);
}

QString ShelterwoodOperationText(bool pine, bool birch, bool large, int kept) {
  QStringList names;
  if (pine && birch) {
    names << QStringLiteral("ku") << QStringLiteral("mä") << QStringLiteral("ko");
  } else {
    names << CommonlanText(12);
    if (pine) names << CommonlanText(13);
    if (birch) names << CommonlanText(11);
  }
  return CountText(31, JoinSpecies(names, large), kept);
}

QString StripOperationText(int widthM) {
  return CommonlanText(32) + QStringLiteral(", ") + ClearlanStripText(2) + QLatin1Char(' ') +
         platform::IntText(widthM) + QLatin1Char(' ') + CommonlanText(19);
}

QString PageGenitive(int page) {
  switch (page) {
    case SmallGapPage: return QStringLiteral("pienaukkohakkuun");
    case ClearCutPage: return QStringLiteral("avohakkuun");
    case SeedTreePage: return QStringLiteral("siemenpuuhakkuun");
    case ShelterwoodPage: return QStringLiteral("suojuspuuhakkuun");
    default: return QStringLiteral("kaistalehakkuun");
  }
}

QString RemainingSampleCaption(int page) {
  return QStringLiteral("1 ha otos puustosta ") + PageGenitive(page) + QStringLiteral(" jälkeen");
}

QString RemovalSampleCaption(int page) {
  return QStringLiteral("1 ha otos hakkuukertymästä ") + PageGenitive(page) + QStringLiteral(" jälkeen");
}

QString ClearFormCaption(const data& stand) {
  return StandWindowCaption(stand, PadCaption(ActlanText(9).toLower()));
}

ClearOkCheck ClearOkCheckFor(int page, bool seedPine, bool seedBirch, int chosenCount, int keptStems) {
  ClearOkCheck c;
  if (page != SeedTreePage && page != ShelterwoodPage) return c;
  const bool seed = page == SeedTreePage;
  if (seed && !seedPine && !seedBirch) {
    c.kind = ClearOkCheck::Notice;
    c.caption = CommonlanText(30);
    c.line1 = ClearlanSeedTreeText(3).toLower() + QStringLiteral(" !");
    return c;
  }
  if (chosenCount <= keptStems) return c;
  c.kind = ClearOkCheck::Question;
  c.caption = seed ? QStringLiteral("Siemenpuuhakkuu") : CommonlanText(31);
  c.line1 = ClearlanSeedTreeText(4) + QLatin1Char(' ') + platform::IntText(keptStems) + QLatin1Char(' ') +
            CommonlanText(37) + QStringLiteral(" !");
  c.line2 = seed ? QStringLiteral("Suoritetaanko siemenpuuhakkuu  ?") : QStringLiteral("Suoritetaanko suojuspuuhakkuu  ?");
  return c;
}
