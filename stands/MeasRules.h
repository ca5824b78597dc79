#pragma once
// What the measurement window decides without a widget: the items of its
// lists and how the lists depend on each other, the stand-structure code, the
// cleaning of typed names, the checks made on Save with their messages, the
// choice of the stand file, the stand header and species blocks built from
// the entries, and the texts of its labels.
//
// The stem counts, diameter classes and the sample itself are the model's
// (model/ClassTables.h, model/Sample.h); this file only turns the window's
// entries into their arguments and their results into texts.

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "model/Data.h"
#include "ui/StandPictureRules.h"

// ---- List items ------------------------------------------------------------

// One list item: "%4d" of the value rounded half away from zero, or "%4.1f".
QString NumberItemText(bool asInteger, double value);
// The integer of an item text ("  20" gives 20); 0 for anything else.
int ItemInteger(const QString& text);

// Mean-diameter items of a species (whole cm): 0, 2, 3 ... 45, alder only up
// to 20; 1 is never offered.
QStringList DiameterItems(int species);
// Stem-count items of a small seedling stand: 0, 50 ... 8000 (161 items).
QStringList StemCountItems();
// Height items of a small seedling stand: 0.0, 0.1 ... 1.2 m (13 items).
QStringList SeedlingHeightItems();

// First value and maximum of a species' basal-area list, in 0.1 m2/ha.
void BasalAreaListLimits(int species, int diameter, int& first, int& maximum);
// The basal-area items for a chosen mean diameter: " 0.0", then from the
// first value in steps of 0.1 m2/ha up to 3.0 and of 0.5 m2/ha after that
// (or 0.5 throughout when the first value is not 0.1).
QStringList BasalAreaItems(int species, int diameter);
// The mean-height items for a chosen mean diameter, in half metres over the
// allowed range (MeanHeightRange).
QStringList HeightItems(int species, int diameter);
// The height preselected in a freshly filled height list: the whole metre at
// or just below the middle of the range.
int PreselectedHeightIndex(int itemCount);
// The basal area kept after the list is refilled: the old index when the
// item count stayed the same, else 0.
int KeptBasalAreaIndex(int oldIndex, int oldCount, int newCount);

// ---- Stand-structure code --------------------------------------------------

// 10 x grouping + alternative while the alternative list is shown;
// -(grouping + 1) while only the grouping list is; -4 while neither is.
int StandStructureCode(bool alternativeShown, bool groupingShown, int grouping, int alternative);
// -4 gives -1; -3 .. -1 give -(code + 1); a code of 0 or more gives code / 10.
int StructureCodeGroupingIndex(int code);
int StructureCodeStemCountClass(int code);

// Whether the alternative and grouping lists are offered: 1 to 12000 stems
// and either a small seedling stand or a basal area above 0 and at most 80.
bool ShowsStemCountChoices(int developmentClass, int totalStems, float totalBasalArea);

// ---- Typed names -------------------------------------------------------------

// Estate name: one leading blank removed.
QString CleanEstateName(const QString& text);
// Stand identifier: every blank removed, every "\" or "/" removed with the
// character after it; the rest in lower case.
QString CleanStandIdentifier(const QString& text);

// ---- Checks on Save ----------------------------------------------------------

// A notice (caption and one line) or a question (caption, two lines and the
// two button captions; an empty yes caption shows only the close button).
struct MeasMessage {
  bool question = false;
  QString caption;
  QString line1;
  QString line2;
  QString yesCaption;
  QString closeCaption;
};

// The header checks in order (area 0.10 .. 9.99 ha, identifier given and
// free of the stand-file extension and not starting with ".", estate name).
// The first failing check's message; a missing estate name is a question
// that lets the save go on when answered yes. Nothing when all pass.
std::optional<MeasMessage> HeaderRefusal(const QString& areaText, const QString& identifier,
                                         const QString& estateName);

// A small seedling stand's entries: stems per hectare of each species and
// whether a height above 0 is chosen for it.
std::optional<MeasMessage> SeedlingRefusal(const std::array<int, 5>& stems,
                                           const std::array<bool, 5>& heightChosen);

// A measured stand's entries: the result is 0 refused (with its message),
// 1 valid so far (the header checks follow when saving), 2 nothing entered
// (only when not saving, without a message).
struct MeasurementCheck {
  int result = 1;
  std::optional<MeasMessage> message;
};
MeasurementCheck CheckMeasurement(const std::array<int, 5>& diameters,
                                  const std::array<bool, 5>& basalAreaChosen, int totalStems,
                                  float totalBasalArea, bool saving);

// The refusal of a change to a model-estate stand.
MeasMessage ModelEstateRefusal();

// ---- Choosing the stand file ----------------------------------------------------

// The question asked before the save dialog of a new stand.
MeasMessage NewStandSaveQuestion(const QString& identifier);
// The stand-file name of an identifier: identifier + "." + extension.
QString StandFileNameOf(const QString& identifier);

// What the save loop does with one path chosen in the save dialog.
enum class SaveVerdict {
  Accept,     // the file is taken as it stands
  Refuse,     // a notice; the dialog opens again
  Folder,     // a question with only its close button; the dialog opens
              // again with nextPreset
  AskRename,  // the stand takes the file's name when answered yes; else the
              // dialog opens again with nextPreset
};
struct SaveDecision {
  SaveVerdict verdict = SaveVerdict::Accept;
  MeasMessage message;
  QString name;          // the file's name: lower case, without extension
  QString acceptedPath;  // folder as chosen + "/" + name + "." + extension
  QString nextPreset;    // the dialog's file name for the next showing
};
// Judges a chosen path for the stand `identifier` (lower case). estatesRoot
// is the estates folder, modelFolder the model estate's folder in it;
// startFolder the folder the dialog was first opened in. Folders are
// compared as canonical paths, so no spelling of a path reaches the estates
// folder itself or anything inside the model estate.
SaveDecision JudgeSaveFile(const QString& chosenPath, const QString& identifier,
                           const QString& estatesRoot, const QString& modelFolder,
                           const QString& startFolder);
// A folder as it is on disk (links and "." / ".." resolved) when it exists,
// else its cleaned absolute spelling.
QString CanonicalFolder(const QString& folder);
// Whether folder is root itself or lies inside it (canonical paths).
bool IsFolderOrInside(const QString& folder, const QString& root);

// ---- The stand built from the window ---------------------------------------------

// The header fields as the window shows them.
struct HeaderEntries {
  QString estateName;
  QString identifier;
  QString notes;
  int developmentClass = 0;
  int siteType = 0;
  QDate measurementDate;
  int structureCode = -4;
  QString areaText;
};
// Whole day number of a date (day 0 = 30 December 1899).
int DayNumberOf(const QDate& date);
QDate DateOfDayNumber(int day);
// The 580-byte header of a stand saved from the window (never a model-estate
// stand); texts are cut to their fields.
StandHeader BuildStandHeader(const HeaderEntries& e);

// One species' entries of the grid.
struct SpeciesEntry {
  int seedlingStems = 0;    // stem-count list (small seedling stand)
  int diameter = 0;         // cm
  int heightTenths = 0;     // 0.1 m
  int basalAreaTenths = 0;  // 0.1 m2/ha
};
// Six species blocks from the entries: a small seedling stand gets height and
// stems of each species with stems; any other class diameter, height, basal
// area, the diameter bounds of alternative `alternative` and the stems of
// speciesStems for each species with a basal area. Row 5 stays zero.
std::array<SpeciesBlock, kSpeciesSlots> ExportSpeciesBlocks(int developmentClass,
                                                          const std::array<SpeciesEntry, 5>& entries,
                                                          int alternative,
                                                          const std::array<int, 5>& speciesStems);

// ---- Label texts ------------------------------------------------------------------

// "kuvio 101,  1.00 ha,  mittauspäivä 05.12.2026" ("?" for an empty
// identifier).
QString StandSummaryText(const QString& identifier, const QString& areaText, const QDate& date);
// The hint under the grid for a development class.
QString HeightHintText(int developmentClass);
// Window captions: a new stand, and the data of stand `identifier`.
QString NewStandCaption();
QString ChangeStandCaption(const QString& identifier);
// The grid's row labels: stem count, unit, basal area, unit for a small
// seedling stand; diameter, "cm", basal area, "m2/ha" otherwise.
struct GridRowLabels {
  QString first;
  QString firstUnit;
  QString third;
  QString thirdUnit;
};
GridRowLabels GridRowLabelsFor(int developmentClass);
// The caption over the sample map.
QString SampleCaptionText(bool hasLogTrees);
// The stem-weighted mean height (m) of the species with an entered height.
float SeedlingMeanHeight(const std::array<int, 5>& stems, const std::array<int, 5>& heightTenths);
// The stand view's caption: area, filters or the stand's volume, and the
// measurement year; in lower case.
QString StandViewCaptionText(const std::array<std::int32_t, 13>& volumes, const QString& yearText, bool half,
                             bool logs, bool broadleaves, bool conifers);
// The line of a stand-view message: mode 3 "puusto OK ..." with the
// no-view-here ending, mode 2 the line with the no-view ending, any other
// mode the line as it is.
QString ViewMessageLine(int mode, const QString& line);
// The help window's lines.
QStringList MeasHelpLines();
// The notice of the stand-view choice for a class without a tree picture
// (empty for a class with one).
QString NoStandViewText(int developmentClass);
// Earliest and latest selectable measurement date.
QDate EarliestMeasurementDate(const QDate& today);
QDate LatestMeasurementDate(const QDate& today);
// Change kind of a new development class for an open stand: 2 (header only)
// when both classes have the same tree-picture and treeless answers, else 1.
int ClassChangeKind(int newClass, int oldClass);

// ---- The stand view of the sample ------------------------------------------

// The view filters of the sample pictures: SampleViewFilter, SampleTreeVisible
// (ui/StandPictureRules.h).
