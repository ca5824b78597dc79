#pragma once
// The settings record and its file "Settings.dat": prices and currency, the
// thresholds of the treatment recommendations and the display choices.
//
// There is one record for the whole run (CurrentSettings()); the price
// settings window keeps a reference to it and every reader reads it in place.
// The file is the raw 188-byte record, little-endian, with no header; it is
// read and written field by field.
//
// Saving a settings page writes the file at once and then refreshes the
// windows that show what changed. The refreshes are calls through
// SettingsRefresh, which the main window implements; while none is installed
// they are skipped.

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace model {

constexpr int kSettingsRecordSize = 188;
constexpr int kCurrencyCount = 23;     // currency list items 0..22
constexpr int kPriceFormatCount = 3;   // 99.99, 999.99, 9999.99
constexpr int kPriceEditCount = 10;    // priced assortments shown in the price window

// Settings pages: 0 all pages (or the defaults), 1 prices, 2 recommendations,
// 3 display.
enum SettingsPage { kAllPages = 0, kPricePage = 1, kRecommendationPage = 2, kDisplayPage = 3 };

struct SettingsRecord {
  std::int32_t reserved0 = 0;          // offset 0
  std::int32_t standListOnRight = 0;   // 4: 1 stand list and database panel on the right
  std::int32_t priceFormatIndex = 0;   // 8: 0..2
  std::int32_t currencyIndex = 0;      // 12: 0..22
  std::int32_t titleBarFlags = 0;      // 16: digits: ones currency, tens list name, hundreds stand id
  std::int32_t standViewFlags = 0;     // 20: digits: value, mean height, mean diameter, CO2 of removal
  std::array<std::uint8_t, 16> reserved24{};  // 24..39
  float energyWoodPrice = 0.0f;        // 40: Assortment 12
  std::array<float, 5> pulpwoodPrices{};  // 44..63: pine, spruce, birch, aspen, alder
  std::array<float, 4> logPrices{};       // 64..79: pine, spruce, birch, aspen
  float unusedPrice = 0.0f;            // 80: written 0, never read
  std::array<std::uint8_t, 36> reserved84{};  // 84..119
  // Recommendation thresholds, offsets 120..183 (keys in RecommendationParameter).
  std::int32_t birchFinalCutDiameter = 0;     // 120 "ko_cc_d13"
  std::int32_t birchFinalCutBasalArea = 0;    // 124 "ko_cc_ppa"
  std::int32_t spruceFinalCutDiameter = 0;    // 128 "ku_cc_d13"
  std::int32_t spruceFinalCutBasalArea = 0;   // 132 "ku_cc_ppa"
  std::int32_t pineFinalCutDiameter = 0;      // 136 "ma_cc_d13"
  std::int32_t pineFinalCutBasalArea = 0;     // 140 "ma_cc_ppa"
  std::int32_t birchThinningHeight = 0;       // 144 "ko_th1_h"
  std::int32_t birchThinningBasalArea = 0;    // 148 "ko_th1_ppa"
  std::int32_t spruceThinningHeight = 0;      // 152 "ku_th1_h"
  std::int32_t spruceThinningBasalArea = 0;   // 156 "ku_th1_ppa"
  std::int32_t pineThinningHeight = 0;        // 160 "ma_th1_h"
  std::int32_t pineThinningBasalArea = 0;     // 164 "ma_th1_ppa"
  std::int32_t birchTallThinningBasalArea = 0;   // 168 "ko_th2_ppa"
  std::int32_t spruceTallThinningBasalArea = 0;  // 172 "ku_th2_ppa"
  std::int32_t pineTallThinningBasalArea = 0;    // 176 "ma_th2_ppa"
  std::int32_t stemCountLowerLimit = 0;       // 180 "min_rlk"
  std::uint8_t recommendationsOff = 0;        // 184
  std::array<std::uint8_t, 3> padding{};      // 185..187: kept as read
};

// The one record of the run.
SettingsRecord& CurrentSettings();

// The defaults: reserved fields and the unused price zero, padding untouched.
void SetDefaultSettings(SettingsRecord& r);

// Byte image of the record (188 bytes) and back. RecordFromBytes takes every
// field that lies wholly inside the bytes given and leaves the rest as it was.
QByteArray SettingsToBytes(const SettingsRecord& r);
void SettingsFromBytes(SettingsRecord& r, const QByteArray& bytes);

// Brings values that the windows and readers index with into range: currency
// 0..22, price format 0..2, prices finite and within 0..9999.99 (a price that
// is not a number becomes its default). Returns true when anything changed.
bool ClampSettings(SettingsRecord& r);

// ---- The file ----------------------------------------------------------

// The folder that holds "Settings.dat" (the program folder); the current
// directory until set.
void SetSettingsFolder(const QString& folder);
QString SettingsFolder();
QString SettingsFilePath();

enum class SettingsFileState {
  Read,         // the file opened and was read: its first 188 bytes, or all
                // of a shorter file, which fills only its length
  Missing,      // no file of that name: defaults used, and written in its place
  Unreadable,   // something of that name exists but is not a regular file
                // that can be read (no read permission, a folder, a pipe, a
                // device, a read error): it may hold the user's settings, so
                // it is left as it is and never replaced
};

struct SettingsLoadResult {
  SettingsFileState state = SettingsFileState::Read;
  bool rewritten = false;     // the missing file was written with the record
  bool writeFailed = false;   // writing was attempted and failed
  QString writeError;
  QString readError;          // Unreadable: the system's reason
};

// Reads the file into r: the defaults with the file's bytes over them (a
// file of another length than 188 bytes is read as far as it goes and never
// rewritten for it). A missing file gives the defaults, which are written
// at once. A file that exists but cannot be read gives the defaults for this
// session and is not written. Out-of-range values are clamped
// (ClampSettings). Nothing is thrown. announce, when given, runs after a
// missing file has been found and before the defaults are written in its
// place (the program's notice); an unreadable file is reported through the
// result (UnreadableSettingsText).
SettingsLoadResult LoadSettingsFile(SettingsRecord& r, const QString& path,
                                    const std::function<void()>& announce = {});
// CurrentSettings() and SettingsFilePath()
SettingsLoadResult LoadSettingsFile(const std::function<void()>& announce = {});

// The notice line for a settings file that exists but could not be read:
// its path, the system's reason, and that it is left as it is (and, at
// start, that the defaults are in use).
QString UnreadableSettingsText(const QString& path, const QString& reason, bool defaultsInUse);

// Writes the 188 bytes through a temporary file renamed over the old one.
// Returns false and an error text when the file could not be written. A file
// of that name that exists but cannot be read is not replaced (it may hold
// settings that were never loaded).
bool WriteSettingsFile(const SettingsRecord& r, const QString& path, QString* error = nullptr);

// Reads the file again for a settings page whose changes were discarded.
// The file's bytes replace those of CurrentSettings() as far as it goes; a
// missing file leaves the record as it is (it holds what was last accepted)
// and writes it back; an unreadable one leaves both the record and the file
// as they are.
// While the file is behind (SettingsFileBehind) the record is kept and the
// file is not read.
SettingsLoadResult ReloadSettingsFile(const std::function<void()>& announce = {});

// True while the last write of CurrentSettings() failed: the record then
// holds accepted settings that the file lacks, and a page whose changes the
// user discards is restored from the record, not from the file.
bool SettingsFileBehind();

// ---- Readers -------------------------------------------------------------

// A recommendation threshold by key ("ma_cc_d13", "ko_th1_ppa_hurry", ...);
// 0 for an unknown key. Keys are compared exactly.
int RecommendationParameter(const SettingsRecord& r, QStringView key);
int RecommendationParameter(QStringView key);

// 13 prices indexed by assortment: 0..4 pulpwood, 5 = 0, 6..9 logs, 10 and
// 11 = 0, 12 energy wood.
std::array<float, 13> SettingsPriceVector(const SettingsRecord& r);
std::array<float, 13> SettingsPriceVector();

// The ten prices in the order of the price edits: pulpwood of pine, spruce,
// birch, aspen, alder; logs of pine, spruce, birch, aspen; energy wood.
std::array<float, kPriceEditCount> PriceEditOrder(const SettingsRecord& r);

// The number of a decimal text such as "12.50", "0125.05", "12.5", "12":
// digits, an optional point (or comma) and digits. Blanks around the text are
// ignored. Empty, blank or malformed text gives no value.
std::optional<float> ParseDecimalText(QStringView text);

// The largest price of a price format: 99.99, 999.99 or 9999.99.
float MaxPriceOfFormat(int formatIndex);

// Digits of the packed display flags, each 0 or 1 (item 1 = ones digit).
// Title-bar flags have three items, stand-view flags four.
int TitleBarFlagItem(int packed, int item);
int StandViewFlagItem(int packed, int item);

// ---- Currency -----------------------------------------------------------

// Currency list text of index 0..22: "euro, €", "dollari, $", "kruunu, Kr",
// "markka, M", then the single letters A..X.
QString CurrencyListText(int index);
// The unit of a currency list text: the part after ", " (at most ten
// characters) when shortForm is set and the text has one, else the text.
QString CurrencyUnitOf(const QString& listText, bool shortForm);

// ---- Recommendation choices ---------------------------------------------

// The chosen indices of the recommendation window's five groups.
struct RecommendationChoices {
  bool recommendationsOff = false;
  int finalCutBasalAreaIndex = 2;    // 16, 18, ..., 26
  int finalCutDiameterIndex = 1;     // 24..28
  int thinningHeightIndex = 2;       // 12..16
  int thinningBasalAreaIndex = 2;    // 20..24
  int stemCountIndex = 10;           // 2000, 2100, ..., 3500
};
constexpr int kFinalCutBasalAreaItems = 6;
constexpr int kFinalCutDiameterItems = 5;
constexpr int kThinningHeightItems = 5;
constexpr int kThinningBasalAreaItems = 5;
constexpr int kStemCountItems = 16;

// Derived thresholds; birch has its own, pine and spruce share "other".
int FinalCutBasalArea(const RecommendationChoices& c, bool birch);
int FinalCutMeanDiameter(const RecommendationChoices& c, bool birch);
int ThinningHeightLimit(const RecommendationChoices& c, bool birch);
int ThinningBasalArea(const RecommendationChoices& c, bool birch);
int TallStandThinningBasalArea(const RecommendationChoices& c, bool birch);
int StemCountLowerLimit(const RecommendationChoices& c);

// The choices that show the stored pine values (indices clamped to their
// groups).
RecommendationChoices RecommendationChoicesOf(const SettingsRecord& r);

// ---- Display values -----------------------------------------------------

struct DisplayValues {
  int standListOnRight = 1;  // 0 or 1
  int titleBarFlags = 111;   // packed
  int standViewFlags = 11;   // packed
};
DisplayValues DisplayValuesOf(const SettingsRecord& r);

// ---- Price values -------------------------------------------------------

struct PriceValues {
  int priceFormatIndex = 0;
  int currencyIndex = 0;
  std::array<float, kPriceEditCount> prices{};  // order of PriceEditOrder
};

// ---- Saving and refreshing ----------------------------------------------

// The refreshes that follow a saved page, implemented by the main window.
// Every call has a default that does nothing (or answers false).
class SettingsRefresh {
 public:
  virtual ~SettingsRefresh();
  // Price page.
  virtual void ApplyCurrencyCaptions() {}
  virtual void MarkGrowthForecastForRecompute() {}
  // Recommendation page: the recommendation line (mode 3, flag 0).
  virtual void ShowOperationRecommendation(int /*mode*/, int /*flag*/) {}
  // Display page.
  virtual void PlaceMainPanels() {}
  virtual void MainWindowTitleText() {}
  // Stand-view labels and the change label; only when ask is set and the
  // main window shows the log-tree group without carbon dioxide.
  virtual void RefreshStandViewAnnotations(bool /*ask*/) {}
  // ApplySettings, in its order.
  virtual bool IsNewForestButtonVisible() { return false; }
  virtual void RefreshRegenerationPrices() {}  // price unit labels, estimate, new-forest caption
  virtual void RefreshOverviewCharts() {}      // phase 0 on the first chart, current on the second
  virtual bool IsRemovalViewChecked() { return false; }
  virtual bool IsEstateValueChecked() { return false; }
  virtual void RefillMainStandList() {}        // stand list and its totals
  virtual bool IsAssortmentRemovalCurrencyShown() { return false; }
  virtual void ShowAssortmentChart() {}
  virtual void SetDefaultTradePrices() {}
  virtual bool HasGrowthStepWithValueIncrement() { return false; }
  virtual void DrawStandCard() {}
  virtual void RefreshEstateOverview() {}      // overview (1, 0), estate grid and chart
};

// Installs the refresh target (null: refreshes skipped). Not owned.
void SetSettingsRefresh(SettingsRefresh* refresh);
SettingsRefresh* GetSettingsRefresh();

struct SettingsSaveResult {
  bool written = false;
  QString error;  // why the file could not be written
};

// Page 0: defaults, then the file.
SettingsSaveResult SaveDefaultSettings();
// Page 1: the values, then the currency captions (reading the new currency),
// the growth forecast mark and the file.
SettingsSaveResult SavePriceSettings(const PriceValues& v);
// Page 2: derived thresholds for all three species, the file, the
// recommendation line and the growth forecast mark.
SettingsSaveResult SaveRecommendationSettings(const RecommendationChoices& c);
// Page 3: each value that differs is stored and followed by its refresh; the
// file is written in any case.
SettingsSaveResult SaveDisplaySettings(const DisplayValues& v);

// After the price window was accepted: the regeneration prices when the
// currency changed since the window was activated, the price page saved, then
// the title, charts, stand-view texts, stand list, assortment chart, timber
// sale prices, stand card and estate overview.
SettingsSaveResult ApplySettings(const PriceValues& v, int currencyAtActivation);

}  // namespace model
