#pragma once
// The regeneration cost estimate without a widget: the method and cost
// lists, the cultivation lists of each method, the cost arithmetic per
// hectare and per stand with its result and summary lines, and the texts and
// answers that other windows read (title, hint, whether an estimate exists).
//
// Costs are whole currency units; a per-stand cost is the per-hectare cost
// times the stand's area rounded half away from zero, and the per-stand total
// is the sum of the rounded parts.

#include <QString>
#include <QStringList>

class data;

// The nine stored choices, by index.
enum RegenerationChoiceIndex : int {
  ClearingMethodChoice = 0,  // RadioGroup3
  ClearingCostChoice = 1,    // ComboBox5
  SoilMethodChoice = 2,      // RadioGroup1
  SoilCostChoice = 3,        // ComboBox1
  CultivationMethodChoice = 4,  // RadioGroup4
  CultivationSpeciesChoice = 5,  // RadioGroup2
  AmountChoice = 6,          // ComboBox2
  MaterialChoice = 7,        // ComboBox3
  WorkChoice = 8,            // ComboBox4
};

// Cultivation methods, the items of RadioGroup4.
enum CultivationMethod : int { NoCultivation = 0, Planting = 1, Seeding = 2 };

QStringList ClearingMethodItems();
QStringList SoilMethodItems();
QStringList CultivationMethodItems();
// The clearing and soil-preparation costs per hectare: "0".."5000".
QStringList CostPerHaItems();
constexpr int kCostPerHaItems = 5001;

// What a cultivation method puts into its lists and labels.
struct CultivationLists {
  QStringList amount;     // ComboBox2: stems/ha or kg/ha
  QStringList material;   // ComboBox3: per 100 plants or per kg
  QStringList work;       // ComboBox4: per 100 plants or per ha
  QStringList species;    // RadioGroup2
  bool enabled = false;   // species list and the three lists
  QString materialLabel;  // Label11
  QString workLabel;      // Label12
  QString amountUnit;     // Label21
};
CultivationLists CultivationListsFor(int method);
// The unit labels after the material and work lists (Label13, Label19),
// with the currency unit of the settings.
struct PriceUnitTexts {
  QString material;
  QString work;
};
PriceUnitTexts PriceUnitTextsFor(int method);
// The amount chosen when none is remembered: item 8 for the first two
// species, item 6 for the others.
int DefaultAmountIndex(int species);
// The label of a cost list: the method item lower-cased, and ",  kustannukset"
// when a method other than the first item is chosen.
QString MethodCostCaption(const QString& methodItem, bool methodChosen);
// Label10: the cultivation method and, with a species chosen, ", " and the
// species lower-cased.
QString CultivationCaption(int method, int species);

// The integer before the first blank, the whole text when it has none; 0 for
// an empty text (or one that is no number).
int ParseLeadingInt(const QString& text);

// What the estimate reads of its controls.
struct RegenerationEstimateInput {
  float areaHa = 0.0f;
  int clearingMethod = 0;
  bool clearingCostEnabled = false;
  QString clearingCostText;  // ComboBox5
  int soilMethod = 0;
  bool soilCostEnabled = false;
  QString soilCostText;      // ComboBox1
  bool cultivationShown = false;
  int cultivationMethod = NoCultivation;
  int species = -1;
  int amountIndex = -1;      // ComboBox2
  QString amountText;
  bool materialEnabled = false;
  QString materialText;      // ComboBox3
  bool workEnabled = false;
  QString workText;          // ComboBox4
};

// The costs and every text the window shows of them (label names in
// brackets).
struct RegenerationEstimate {
  int clearingPerHa = 0, clearingPerStand = 0;
  int soilPerHa = 0, soilPerStand = 0;
  int materialPerHa = 0, materialPerStand = 0;
  int workPerHa = 0, workPerStand = 0;
  int totalPerHa = 0, totalPerStand = 0;
  QString clearingPerHaText, clearingPerStandText;  // Label6, Label28
  QString clearingPageText;                         // Label22
  QString soilPerHaText, soilPerStandText;          // Label29, Label30
  QString soilPageText;                             // Label5
  QString materialPerHaText, materialPerStandText;  // Label58, Label59
  QString materialLine;                             // Label60
  QString workPerHaText, workPerStandText;          // Label62, Label63
  QString workLine;                                 // Label61
  QString materialPagePerHa, materialPagePerStand;  // Label15, Label16
  QString workPagePerHa, workPagePerStand;          // Label17, Label18
  QString totalPerHaText, totalPerStandText;        // Label7, Label8
  QString clearingLine;                             // Label14
  QString soilLine;                                 // Label25
  QString cultivationLine;                          // Label26 (cultivation shown)
  QString amountPerStand;                           // Label3
};
RegenerationEstimate EstimateRegenerationCosts(const RegenerationEstimateInput& in);

// The total line's label (Label27).
QString EstimateTotalLabel();

// Whether an estimate has been made: a clearing or soil-preparation method
// other than the first item, or, with the cultivation page shown, a
// cultivation method.
bool HasRegenerationEstimate(int clearingMethod, int soilMethod, bool cultivationShown, int cultivationMethod);

// The phase of the regeneration cutting: 2 when phase 1 is a growing step,
// else 1.
int RegenerationCuttingPhase(const data& stand);
// Whether that cutting is a clear-cut (the text before its first comma is
// "avohakkuu"; a text without a comma is none).
bool NextOperationIsClearCut(const data& stand);
// "Uusi metsä " (shortForm) or "Metsänuudistaminen ", the kind word of the
// cutting and "n jälkeen": "Metsänuudistaminen avohakkuun jälkeen".
QString RegenerationTitle(const data& stand, bool shortForm);
// The main window's hint under the new-forest button: with an estimate the
// short title, ", kustannusarvio ", the total per hectare (the part of its
// text before the first blank) and the currency per hectare; without one the
// invitation to make one.
QString RegenerationHintText(const data& stand, bool hasEstimate, const QString& totalPerHaText);
