#include "stands/MeasRules.h"

#include <QDir>
#include <QFileInfo>

#include "model/Ages.h"
#include "model/ClassTables.h"
#include "model/Names.h"
#include "model/Sample.h"
#include "model/Settings.h"
#include "platform/Files.h"
#include "platform/Numbers.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "texts/Meoplan.h"
#include "texts/TextState.h"
#include "ui/PaletteRules.h"

namespace {

constexpr int kMaxStems = kMaxTreeCount;  // stems per hectare of a sample
constexpr int kIdentifierLength = 6;      // also the longest stand-file name

// The name of species k (pine .. alder) in lower case.
QString SpeciesNameLower(int k) {
  static const int kNames[5] = {13, 12, 11, 10, 9};
  return CommonlanText(kNames[k]).toLower();
}

MeasMessage Notice(const QString& caption, const QString& line) {
  MeasMessage m;
  m.caption = caption;
  m.line1 = line;
  return m;
}

MeasMessage Question(const QString& caption, const QString& line1, const QString& line2, const QString& yes,
                     const QString& close) {
  MeasMessage m;
  m.question = true;
  m.caption = caption;
  m.line1 = line1;
  m.line2 = line2;
  m.yesCaption = yes;
  m.closeCaption = close;
  return m;
}

QString ExtensionLower() { return QLatin1Char('.') + CommonlanText(0).toLower(); }

}  // namespace

// ---- List items ------------------------------------------------------------

QString NumberItemText(bool asInteger, double value) {
  if (asInteger) return platform::FormatC("%4d", platform::RoundHalfAway(value));
  return platform::FormatC("%4.1f", value);
}

int ItemInteger(const QString& text) {
  bool ok = false;
  const int v = text.trimmed().toInt(&ok);
  return ok ? v : 0;
}

QStringList DiameterItems(int species) {
  QStringList items;
  for (int i = 0; i <= kLargestMeanDiameterCm; ++i) {
    if (i == 1) continue;
    if (species == SpeciesAlder && i >= 21) break;
    items << NumberItemText(true, i);
  }
  return items;
}

QStringList StemCountItems() {
  QStringList items;
  for (int i = 0; i <= 160; ++i) items << NumberItemText(true, 50.0 * i);
  return items;
}

QStringList SeedlingHeightItems() {
  QStringList items;
  for (int i = 0; i <= 12; ++i) items << NumberItemText(false, 0.1 * i);
  return items;
}

void BasalAreaListLimits(int species, int diameter, int& first, int& maximum) {
  if (diameter < 6) {
    first = 1;
    maximum = 250;
    return;
  }
  first = diameter < 28 ? 5 : 10;
  maximum = species == SpeciesAspen ? 500 : (species == SpeciesAlder ? 300 : 800);
}

QStringList BasalAreaItems(int species, int diameter) {
  int first = 0;
  int maximum = 0;
  BasalAreaListLimits(species, diameter, first, maximum);
  int step = first == 1 ? 1 : 5;
  QStringList items{NumberItemText(false, 0.0)};
  for (int v = first; v <= maximum; v += step) {
    items << NumberItemText(false, v * 0.1);
    if (step == 1 && v == 30) {
      step = 5;
      v = 30;  // the next item is 3.5
    }
  }
  return items;
}

QStringList HeightItems(int species, int diameter) {
  int lowest = 0;
  int highest = 0;
  MeanHeightRange(diameter, lowest, highest, species);
  QStringList items;
  for (int v = 10 * lowest; v <= 10 * highest; v += 5) items << NumberItemText(false, v * 0.1);
  return items;
}

int PreselectedHeightIndex(int itemCount) {
  int half = itemCount / 2;
  if (half % 2 != 0) --half;
  return half;
}

int KeptBasalAreaIndex(int oldIndex, int oldCount, int newCount) {
  return oldCount == newCount ? oldIndex : 0;
}

// ---- Stand-structure code --------------------------------------------------

int StandStructureCode(bool alternativeShown, bool groupingShown, int grouping, int alternative) {
  if (alternativeShown) return 10 * grouping + alternative;
  if (groupingShown) return -(grouping + 1);
  return -4;
}

int StructureCodeGroupingIndex(int code) {
  if (code <= -4) return -1;
  if (code < 0) return -(code + 1);
  return code / 10;
}

int StructureCodeStemCountClass(int code) { return code % 10; }

bool ShowsStemCountChoices(int developmentClass, int totalStems, float totalBasalArea) {
  if (totalStems <= 0 || totalStems > kMaxStems) return false;
  return IsSmallSeedlingStand(developmentClass) || (totalBasalArea > 0.0f && totalBasalArea <= 80.0f);
}

// ---- Typed names -------------------------------------------------------------

QString CleanEstateName(const QString& text) {
  return text.startsWith(QLatin1Char(' ')) ? text.mid(1) : text;
}

QString CleanStandIdentifier(const QString& text) {
  QString out;
  for (int i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c == u' ') continue;
    if (c == u'\\' || c == u'/') {
      ++i;  // the character after a slash goes with it
      continue;
    }
    out += c;
  }
  return out.toLower();
}

// ---- Checks on Save ----------------------------------------------------------

std::optional<MeasMessage> HeaderRefusal(const QString& areaText, const QString& identifier,
                                         const QString& estateName) {
  const std::optional<float> area = model::ParseDecimalText(areaText);
  const int hundredths = area ? platform::RoundHalfAway(static_cast<double>(*area) * 100.0) : -1;
  if (hundredths < 10 || hundredths > 999)
    return Notice(MeoplanMeasText(7), (MeoplanMeasText(7) + platform::FormatC(" %1.2f - %1.2f ", 0.1, 9.99) +
                                       CommonlanText(55))
                                          .toLower());
  if (identifier.isEmpty()) return Notice(MeoplanMeasText(5), QStringLiteral("kirjoita kuvion tunnus  !"));
  if (identifier.toLower().contains(ExtensionLower()))
    return Notice(QStringLiteral("Kuvion tunnus"),
                  QStringLiteral("kuvion tunnus ei saa sisältää merkkijonoa : ") + ExtensionLower());
  // A name starting with a point would make a hidden file that no stand list
  // shows.
  if (identifier.startsWith(QLatin1Char('.')))
    return Notice(QStringLiteral("Kuvion tunnus"), QStringLiteral("kuvion tunnus ei saa alkaa pisteellä  !"));
  if (estateName.isEmpty())
    return Question(MeoplanMeasText(5), QStringLiteral("metsätilan nimi puuttuu  !"),
                    QStringLiteral("talletetaanko kuvio ilman metsätilan nimeä  ?"), CommonlanText(38),
                    CommonlanText(39));
  return std::nullopt;
}

std::optional<MeasMessage> SeedlingRefusal(const std::array<int, 5>& stems,
                                           const std::array<bool, 5>& heightChosen) {
  int total = 0;
  for (int s : stems) total += s;
  if (total == 0)
    return Notice(MeoplanMeasText(5),
                  QStringLiteral("aseta runkoluku ja keskipituus tai sulje lomake Sulje - painikkeella  !"));
  for (int k = 0; k < 5; ++k)
    if (stems[static_cast<std::size_t>(k)] > 0 && !heightChosen[static_cast<std::size_t>(k)])
      return Notice(MeoplanMeasText(5), SpeciesNameLower(k) + MeoplanMeasText(2));
  if (total > kMaxStems)
    return Notice(CommonlanText(79), QStringLiteral("runkoluku korkeintaan ") + platform::IntText(kMaxStems) +
                                         QStringLiteral("  kpl/ha  !"));
  return std::nullopt;
}

MeasurementCheck CheckMeasurement(const std::array<int, 5>& diameters,
                                  const std::array<bool, 5>& basalAreaChosen, int totalStems,
                                  float totalBasalArea, bool saving) {
  const QString caption = saving ? MeoplanMeasText(5) : ActlanText(1);
  MeasurementCheck out;
  bool any = false;
  for (int d : diameters) any = any || d > 0;
  if (!any) {
    if (!saving) {
      out.result = 2;
      return out;
    }
    out.result = 0;
    out.message = Notice(
        caption, QStringLiteral("aseta puuston mittaustiedot tai sulje lomake Sulje - painikkeella  !"));
    return out;
  }
  out.result = 0;
  for (int k = 0; k < 5; ++k) {
    if (diameters[static_cast<std::size_t>(k)] > 0 && !basalAreaChosen[static_cast<std::size_t>(k)]) {
      out.message = Notice(caption, SpeciesNameLower(k) + MeoplanMeasText(19));
      return out;
    }
  }
  if (totalBasalArea > 80.0f) {
    out.message = Notice(caption, CommonlanText(14).toLower() + QStringLiteral("  korkeintaan 80 ") +
                                      CommonlanText(15));
    return out;
  }
  if (totalStems < 10) {
    out.message = Notice(caption, QStringLiteral("Runkoluku vähintään 10 kpl/ha,  suurenna pohjapinta-alaa "
                                                 "tai pienennä läpimittoja   !")
                                      .toLower());
    return out;
  }
  if (totalStems > kMaxStems) {
    out.message = Notice(caption, (QStringLiteral("Runkoluku korkeintaan ") + platform::IntText(kMaxStems) +
                                   u' ' + CommonlanText(35) + QStringLiteral(",  ") + MeoplanMeasText(8) +
                                   QStringLiteral("  !"))
                                      .toLower());
    return out;
  }
  out.result = 1;
  return out;
}

MeasMessage ModelEstateRefusal() {
  return Notice(QStringLiteral("Mallitilan kuvio"),
                QStringLiteral("Mallitilan demokuvioiden kuviotietoja ei voi muuttaa   !"));
}

// ---- Choosing the stand file ----------------------------------------------------

MeasMessage NewStandSaveQuestion(const QString& identifier) {
  return Question(QStringLiteral("Kuvion talletus"),
                  QStringLiteral("Kuvio talletetaan esim. metsätilan mukaan nimettyyn hakemistoon."),
                  QStringLiteral("Talletustiedosto, joka nimetään kuvion tunnuksen mukaan  :  ") +
                      identifier.toLower() + QStringLiteral(". ") + CommonlanText(0),
                  CommonlanText(7), CommonlanText(21));
}

QString StandFileNameOf(const QString& identifier) {
  return identifier + QLatin1Char('.') + CommonlanText(0);
}

QString CanonicalFolder(const QString& folder) {
  const QFileInfo info(folder);
  const QString canonical = info.canonicalFilePath();
  if (!canonical.isEmpty()) return canonical;
  // A folder that does not exist (yet): resolve the part that does.
  const QString parent = platform::FolderOfPath(QDir::cleanPath(info.absoluteFilePath()));
  if (!parent.isEmpty() && parent != folder && QFileInfo(parent).exists())
    return platform::JoinPath(CanonicalFolder(parent), info.fileName());
  return QDir::cleanPath(info.absoluteFilePath());
}

bool IsFolderOrInside(const QString& folder, const QString& root) {
  const QString f = CanonicalFolder(folder);
  const QString r = CanonicalFolder(root);
  return f == r || f.startsWith(r + QLatin1Char('/'));
}

SaveDecision JudgeSaveFile(const QString& chosenPath, const QString& identifier,
                           const QString& estatesRoot, const QString& modelFolder,
                           const QString& startFolder) {
  SaveDecision d;
  QString name = platform::FileNameOfPath(chosenPath).toLower();
  const int cut = name.indexOf(ExtensionLower());
  if (cut >= 0) name.truncate(cut);
  d.name = name;
  const QString folder = platform::FolderOfPath(chosenPath);
  // A refused file is offered again as chosen.
  d.nextPreset = chosenPath;
  const QString caption = QStringLiteral("Talletustiedosto");
  if (name.size() > kIdentifierLength) {
    d.verdict = SaveVerdict::Refuse;
    d.message = Notice(caption, QStringLiteral("talletustiedoston nimen pituus korkeintaan ") +
                                    platform::IntText(kIdentifierLength) + QStringLiteral(" merkkiä  !"));
    return d;
  }
  if (name.contains(QLatin1Char(' '))) {
    d.verdict = SaveVerdict::Refuse;
    d.message = Notice(caption, QStringLiteral("poista tyhjeet talletustiedoston nimestä  !"));
    return d;
  }
  if (name.isEmpty() || name.startsWith(QLatin1Char('.'))) {
    d.verdict = SaveVerdict::Refuse;
    d.message = Notice(caption, QStringLiteral("anna talletustiedostolle nimi, joka ei ala pisteellä  !"));
    return d;
  }
  const QString folderCaption = QStringLiteral("Talletushakemisto");
  if (IsFolderOrInside(folder, modelFolder)) {
    d.verdict = SaveVerdict::Folder;
    d.message = Question(folderCaption, QStringLiteral("Mallitila - hakemistoon ei voi tallettaa uusia kuvioita."),
                         QStringLiteral("Palaa ") + ActlanText(90) +
                             QStringLiteral(" ja valitse tai luo uusi talletushakemisto  !"),
                         QString(""), CommonlanText(8));
    d.nextPreset = platform::JoinPath(estatesRoot, StandFileNameOf(identifier));
    return d;
  }
  if (CanonicalFolder(folder) == CanonicalFolder(estatesRoot)) {
    d.verdict = SaveVerdict::Folder;
    d.message = Question(folderCaption,
                         QStringLiteral("Kuviotiedostoja ei voi tallettaa suoraan ") + ActlanText(90) + u'.',
                         QStringLiteral("Valitse tai luo uusi, esim. metsätilan mukaan nimetty, talletushakemisto  !"),
                         QString(""), CommonlanText(8));
    return d;
  }
  // Only the file's own name is put in lower case, never its folders.
  d.acceptedPath = platform::JoinPath(folder, StandFileNameOf(name));
  if (name != identifier) {
    d.verdict = SaveVerdict::AskRename;
    d.nextPreset = platform::JoinPath(startFolder, StandFileNameOf(identifier));
    d.message = Question(QStringLiteral("Kuvion tunnus"),
                         QStringLiteral("Talletustiedosto nimetään kuvion tunnuksen mukaan  !"),
                         QStringLiteral("Vaihdetaanko kuvion tunnus ") + identifier + QStringLiteral(" ---> ") +
                             name + QStringLiteral("   ?"),
                         CommonlanText(38), CommonlanText(39));
    return d;
  }
  d.verdict = SaveVerdict::Accept;
  return d;
}

// ---- The stand built from the window ---------------------------------------------

int DayNumberOf(const QDate& date) {
  return static_cast<int>(QDate(1899, 12, 30).daysTo(date));
}

QDate DateOfDayNumber(int day) { return QDate(1899, 12, 30).addDays(day); }

StandHeader BuildStandHeader(const HeaderEntries& e) {
  StandHeader h;
  h.estateName = e.estateName.left(StandHeader::kEstateNameWidth - 1);
  h.standId = e.identifier.toLower().left(StandHeader::kStandIdWidth - 1);
  h.info = e.notes.left(StandHeader::kInfoWidth - 1);
  h.developmentClass = e.developmentClass;
  h.siteType = e.siteType;
  h.measurementDay = DayNumberOf(e.measurementDate);
  h.structureCode = e.structureCode;
  h.area = model::ParseDecimalText(e.areaText).value_or(0.0f);
  h.modelEstate = 0;
  return h;
}

std::array<SpeciesBlock, kSpeciesSlots> ExportSpeciesBlocks(int developmentClass,
                                                          const std::array<SpeciesEntry, 5>& entries,
                                                          int alternative,
                                                          const std::array<int, 5>& speciesStems) {
  std::array<SpeciesBlock, kSpeciesSlots> blocks{};
  const bool seedling = IsSmallSeedlingStand(developmentClass);
  for (std::size_t k = 0; k < 5; ++k) {
    const SpeciesEntry& e = entries[k];
    auto& w = blocks[k].words;
    if (seedling) {
      if (e.seedlingStems <= 0) continue;
      w[WordMeanHeight] = e.heightTenths;
      w[WordStems] = e.seedlingStems;
    } else {
      if (e.basalAreaTenths <= 0) continue;
      w[WordMeanDiameter] = e.diameter;
      w[WordMeanHeight] = e.heightTenths;
      w[WordBasalArea] = e.basalAreaTenths;
      w[WordMinDiameter] = DiameterLowerBound(alternative, e.diameter);
      w[WordMaxDiameter] = DiameterUpperBound(alternative, e.diameter);
      w[WordStems] = speciesStems[k];
    }
  }
  return blocks;
}

// ---- Label texts ------------------------------------------------------------------

QString StandSummaryText(const QString& identifier, const QString& areaText, const QDate& date) {
  return CommonlanText(50).toLower() + u' ' + (identifier.isEmpty() ? QStringLiteral("?") : identifier) +
         QStringLiteral(",  ") + areaText + QStringLiteral(" ha,  ") + CommonlanText(111).toLower() + u' ' +
         date.toString(QStringLiteral("dd.MM.yyyy"));
}

QString HeightHintText(int developmentClass) {
  QString text;
  if (IsSmallSeedlingStand(developmentClass))
    text = DevelopmentClassName(1, 2) + QStringLiteral(", aseta runkoluku ja keskipituus");
  else if (IsTreelessArea(developmentClass))
    text = DevelopmentClassName(1, 1) + QStringLiteral(", ei puustotunnuksia");
  else
    text = QStringLiteral("keskipituudesta ehdotus keskiläpimitan perusteella");
  return text + QStringLiteral("  !");
}

QString NewStandCaption() { return CommonlanText(5) + u' ' + CommonlanText(102).toLower(); }

QString ChangeStandCaption(const QString& identifier) {
  return CommonlanText(50) + u' ' + identifier + QStringLiteral(", ") + MeoplanMeasText(1).toLower();
}

GridRowLabels GridRowLabelsFor(int developmentClass) {
  if (IsSmallSeedlingStand(developmentClass))
    return {QStringLiteral("runkoluku"), QStringLiteral("kpl/ha"), QString(), QString()};
  return {QStringLiteral("keskiläpimitta"), QStringLiteral("cm"), QStringLiteral("pohjapinta-ala"),
          QStringLiteral("m2/ha")};
}

QString SampleCaptionText(bool hasLogTrees) {
  QString text = ActlanText(34);
  if (hasLogTrees) text += QStringLiteral(",  ") + ActlanText(91);
  return text;
}

float SeedlingMeanHeight(const std::array<int, 5>& stems, const std::array<int, 5>& heightTenths) {
  float weighted = 0.0f;
  int count = 0;
  for (std::size_t k = 0; k < 5; ++k) {
    if (heightTenths[k] <= 0) continue;
    weighted += static_cast<float>(stems[k]) * static_cast<float>(heightTenths[k]) * 0.1f;
    count += stems[k];
  }
  return count > 0 ? weighted / static_cast<float>(count) : 0.0f;
}

QString StandViewCaptionText(const std::array<std::int32_t, 13>& volumes, const QString& yearText, bool half,
                             bool logs, bool broadleaves, bool conifers) {
  QString text = PlotAreaTextFor(1, half) + u' ' + ActlanText(1);
  if (broadleaves)
    text += MeoplanMeasText(logs ? 25 : 24);
  else if (conifers)
    text += MeoplanMeasText(logs ? 27 : 26);
  else if (logs)
    text += MeoplanMeasText(28);
  else {
    long long total = 0;
    for (std::int32_t v : volumes) total += v;
    text += QStringLiteral(",  ") + CommonlanText(93) + u' ' + platform::IntText(total) + QStringLiteral(" m3/ha");
  }
  text += QStringLiteral(",  ") + CommonlanText(66) + yearText;
  return text.toLower();
}

QString ViewMessageLine(int mode, const QString& line) {
  QString text = line;
  if (mode == 3)
    text = QStringLiteral("puusto OK,  runkoluku ") + platform::IntText(kMaxStems) + QStringLiteral(" kpl/ha");
  if (mode >= 2) text += QStringLiteral(",  ") + MeoplanMeasText(mode == 3 ? 31 : 30);
  return text;
}

QStringList MeasHelpLines() {
  return {MeoplanMeasText(9),
          QLatin1Char(' ') + MeoplanMeasText(10),
          QLatin1Char(' ') + MeoplanMeasText(11),
          QLatin1Char(' ') + MeoplanMeasText(12),
          QLatin1Char(' ') + MeoplanMeasText(0),
          MeoplanMeasText(13),
          MeoplanMeasText(14)};
}

QString NoStandViewText(int developmentClass) {
  if (IsTreelessArea(developmentClass))
    return QStringLiteral("puuston kehitysluokka aukea,  ei metsikkönäkymää  !");
  if (IsSmallSeedlingStand(developmentClass))
    return QStringLiteral("puuston kehitysluokka pieni taimikko,  ei metsikkönäkymää  !");
  return QString();
}

QDate EarliestMeasurementDate(const QDate& today) { return today.addDays(-7305); }
QDate LatestMeasurementDate(const QDate& today) { return today.addDays(366); }

int ClassChangeKind(int newClass, int oldClass) {
  const bool same =
      HasTreePicture(newClass) == HasTreePicture(oldClass) && IsTreelessArea(newClass) == IsTreelessArea(oldClass);
  return same ? 2 : 1;
}

