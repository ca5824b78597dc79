#pragma once
// The regeneration cutting dialog without a widget: which of its five pages
// (small gap, clear-cut with retention groups, seed trees, shelter trees,
// strips) a stand allows and their defaults, the item lists of its option
// groups, the operation texts of the five cuttings, the sample captions and
// the checks of its OK button.

#include <QString>
#include <QStringList>

#include <array>

class data;

// Pages of the dialog's page control, by index.
enum RegenerationPage : int {
  SmallGapPage = 0,
  ClearCutPage = 1,
  SeedTreePage = 2,
  ShelterwoodPage = 3,
  StripPage = 4,
  kRegenerationPageCount
};

// ---- Item lists --------------------------------------------------------

// Gap sizes "0.05" .. "0.30" ha (6 items).
QStringList SmallGapItems();
// Retention groups per hectare "0" .. "3".
QStringList RetentionGroupItems();
// Retention trees per group for g groups per hectare (1..3): "1".."15", then
// 20 in steps of 5 up to 60, 40 or 25. Any other g gives the list of 1.
QStringList RetentionPerGroupItems(int groups);
// Columns of that list: 8, 7 or 6.
int RetentionPerGroupColumns(int groups);
// The index kept when the list is rebuilt: the same index, or the last item
// when the new list is shorter; -1 stays -1.
int RetainedIndex(int index, int count);
// Seed trees per hectare 20..150 in steps of 10 (14 items).
QStringList SeedTreeCountItems();
// Shelter trees per hectare 100..300 in steps of 20 (11 items).
QStringList ShelterTreeCountItems();
// Strip widths in metres: 20..50 in steps of 5, then 60..100 in steps of 10.
QStringList StripWidthItems();
// The two size choices of the seed and shelter trees.
QStringList RetentionSizeItems();

// Group captions: the text lower-cased with one blank before and after it.
QString RadioGroupCaption(const QString& text);

// ---- Defaults on opening -----------------------------------------------

constexpr int kSmallGapDefault = 3;        // 0.20 ha
constexpr int kRetentionGroupsDefault = 2;  // two groups per hectare
constexpr int kPerGroupDefault = 14;        // 15 trees per group
constexpr int kSeedTreeCountDefault = 3;    // 50 per hectare
constexpr int kShelterCountDefault = 0;     // 100 per hectare
constexpr int kSizeDefault = 1;             // trees of every size
constexpr int kStripWidthDefault = 6;       // 50 m

// What the dialog reads of the open stand when it opens.
struct RegenerationStandFacts {
  int stemsPerHa = 0;           // n: stems recorded in the current slot
  bool pineStands = false;      // standing pine trees
  bool birchStands = false;     // standing birch trees
  int totalVolume = 0;          // V: m3/ha of the current slot
  int spruceVolume = 0;         // S: spruce pulpwood + spruce logs of the slot
  bool stripAllowed = false;    // the main window left the strip page visible
};
RegenerationStandFacts RegenerationFactsOf(const data& stand, int phase, bool stripAllowed);

// The pages and the defaults that the stand allows. When the strip page is
// not allowed only the clear-cut page is shown, without retention groups;
// the seed and shelter options then keep what they were (`optionsReset`
// false).
struct AllowedCuttingTypes {
  std::array<bool, kRegenerationPageCount> visible{};
  bool retentionEnabled = false;
  int retentionGroups = 0;      // index of the groups list
  bool optionsReset = false;    // the options below were set
  bool seedPineEnabled = false, seedBirchEnabled = false;
  // A disabled species box is never ticked: a species the stand lacks is
  // never named in the operation.
  bool seedPineTicked = false, seedBirchTicked = false;
  bool shelterPineEnabled = false, shelterBirchEnabled = false;
  int firstPage = ClearCutPage;  // the page the dialog opens on
};
AllowedCuttingTypes AllowedCuttingTypesFor(const RegenerationStandFacts& facts);

// ---- Operation texts ---------------------------------------------------

// "Pienaukkohakkuu, aukon koko 0.20 ha" for the gap item index.
QString SmallGapOperationText(int gapIndex);
// The gap of the item in hundredths of a hectare: (index + 1) x 5.
int SmallGapArea(int gapIndex);
// "Avohakkuu, säästöpuita 30 kpl/ha" for g groups of t trees.
QString ClearCutOperationText(int groups, int perGroup);
// Seed trees: empty when neither species is chosen; otherwise
// "Siemenpuuhakkuu, mänty+/koivu+ 50 kpl/ha" with the kept count.
QString SeedTreeOperationText(bool pine, bool birch, bool large, int kept);
// Shelter trees (spruce always stays): "Suojuspuuhakkuu, Kuusi/Mänty 100
// kpl/ha", or with both pine and birch "ku+/mä+/ko+".
QString ShelterwoodOperationText(bool pine, bool birch, bool large, int kept);
// "Kaistalehakkuu, kaistaleen leveys 50 m".
QString StripOperationText(int widthM);

// The genitive word of a page in the sample captions ("avohakkuun").
QString PageGenitive(int page);
// "1 ha otos puustosta <genitive> jälkeen" and
// "1 ha otos hakkuukertymästä <genitive> jälkeen".
QString RemainingSampleCaption(int page);
QString RemovalSampleCaption(int page);

// The dialog's caption: " Kuvio <id>,  uudistushakkuu".
QString ClearFormCaption(const data& stand);

// ---- OK ----------------------------------------------------------------

// What OK does: close with OK, refuse with a notice (no seed-tree species),
// or ask whether to make a cutting that keeps fewer trees than chosen.
struct ClearOkCheck {
  enum Kind { Close, Notice, Question } kind = Close;
  QString caption;
  QString line1;
  QString line2;
};
// page: the active page; chosenCount: the chosen seed or shelter trees per
// hectare; keptStems: the stems per hectare left standing by the trial.
ClearOkCheck ClearOkCheckFor(int page, bool seedPine, bool seedBirch, int chosenCount, int keptStems);
