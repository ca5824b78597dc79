#pragma once
// The stand object `data`: the one open stand of the program with its 1-ha
// tree list, species blocks, header, plot frame, grown sizes after up to two
// growing steps, regeneration choices and six phase slots.
//
// Where the code lives:
//   Data.cpp        life of the object, header and tree accessors, texts
//   Phase.cpp       slots, recording, undo, phase predicates and year texts
//   Outturn.cpp     the outturn table (Calc.h, Outturn.h)
//   Assortment.cpp  tree volume into assortments, stand sums and values
//   StandFile.cpp   the stand file and the tree sort
//   Sample.cpp, Growth.cpp, Ages.cpp       filling from a measurement, growth
//   Cutting.cpp, Thinning.cpp              cutting patterns and thinnings

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// Tree species. A sixth per-species slot exists in every per-species table
// and stays empty.
enum Species : int {
  SpeciesPine = 0,
  SpeciesSpruce = 1,
  SpeciesBirch = 2,
  SpeciesAspen = 3,
  SpeciesAlder = 4,
};
constexpr int kSpeciesSlots = 6;

// Timber assortments: 0..5 pulpwood of species 0..5, 6..11 logs of species
// 0..5, 12 energy wood (the rest of the stem). Alder logs are always zero.
enum Assortment : int {
  PinePulpwood = 0,
  SprucePulpwood = 1,
  BirchPulpwood = 2,
  AspenPulpwood = 3,
  AlderPulpwood = 4,
  SixthPulpwood = 5,
  PineLogs = 6,
  SpruceLogs = 7,
  BirchLogs = 8,
  AspenLogs = 9,
  AlderLogs = 10,
  SixthLogs = 11,
  EnergyWood = 12,
};
constexpr int kAssortmentCount = 13;

// Phases 0..5: 0 the stand as measured, k the state after the k-th step.
constexpr int kPhaseCount = 6;
constexpr int kMaxTreeCount = 12000;
// Removing phase of a tree reserved during one retention selection only.
constexpr int kReservedPhase = 100;

// m3/ha by assortment, each rounded half away from zero.
using AssortmentVolumes = std::array<int32_t, kAssortmentCount>;
// Unit prices by assortment (a value), or 1.0 each (a volume).
using PriceFactors = std::array<float, kAssortmentCount>;

// One tree of the 1-ha tree list (40 bytes in the stand file).
struct TreeRecord {
  float x = 0.0f;         // plot units along the 200 m side (20..620)
  float y = 0.0f;         // plot units along the 50 m side (50..200)
  float diameter = 0.0f;  // measured breast-height diameter, 1/100 cm
  float height = 0.0f;    // measured height, cm
  int32_t removedBy = 0;  // 0 standing; k removed by the step of phase k
  int32_t species = 0;    // Species 0..4
  std::array<int32_t, 4> reserved{};
};

// Whether the tree stands now (no step has removed it).
inline bool IsStanding(const TreeRecord& t) { return t.removedBy == 0; }

// The size of one tree after a growing step (1/100 cm, cm).
struct GrownSize {
  float diameter = 0.0f;
  float height = 0.0f;
};
// N sizes parallel to the tree list; empty = no such growing step.
using GrownSizeArray = std::vector<GrownSize>;

// Thirteen words per species (see SpeciesValue for how they are read).
struct SpeciesBlock {
  std::array<int32_t, 13> words{};
};
enum SpeciesWord : int {
  WordMinDiameter = 0,   // cm
  WordMeanDiameter = 2,  // cm
  WordMeanHeight = 3,    // dm
  WordMaxDiameter = 4,   // cm
  WordBasalArea = 6,     // 0.1 m2/ha
  WordStems = 7,         // stems per hectare = tree records of the species
  WordAge = 8,           // stand age of the species, years
  WordFirstAge = 9,      // first candidate age of the stand-age dialog
  WordAgeCount = 10,     // number of candidate ages
};

// The 580-byte stand header. Texts are QString in memory and NUL-terminated
// cp1252 in the file; a text longer than its field is cut to width - 1.
struct StandHeader {
  static constexpr int kBytes = 580;
  static constexpr int kText0Width = 16;
  static constexpr int kText1Width = 64;
  static constexpr int kEstateNameWidth = 36;
  static constexpr int kStandIdWidth = 14;
  static constexpr int kInfoWidth = 402;

  QString text0;       // offset 0, always empty
  QString text1;       // offset 16, always empty
  QString estateName;  // offset 80
  QString standId;     // offset 116, lower case, also the file name
  QString info;        // offset 130, additional information
  int32_t developmentClass = 0;  // 532, DevelopmentClass 0..9
  int32_t siteType = 0;          // 536, SiteType 0..6
  int32_t measurementDay = 0;    // 540, days since 30 December 1899
  int32_t structureCode = 0;     // 544, StandStructureCode
  float area = 0.0f;             // 548, hectares
  int32_t modelEstate = 0;       // 552, 1 = stand of the model estate
  std::array<uint8_t, 24> reserved{};  // 556
};

// One recorded phase (144 bytes in the stand file).
struct PhaseSlot {
  static constexpr int kNameWidth = 64;  // at most 63 characters
  QString name;              // empty = not recorded
  int32_t years = 0;         // growing years, 0 for an operation
  int32_t stems = 0;         // standing stems per hectare
  AssortmentVolumes volumes{};
  float basalArea = 0.0f;    // m2/ha
  float meanDiameter = 0.0f; // basal-area-weighted, cm
  float meanHeight = 0.0f;   // basal-area-weighted, m
  std::array<int32_t, 2> reserved{};
};

// The nine choices of the regeneration cost estimate (40 bytes in the file).
// Choices 0, 2, 4 and 5 are bytes on disk (sign-extended when read).
struct RegenerationChoices {
  static constexpr int kCount = 9;
  std::array<int32_t, kCount> choice{0, 0, 0, 0, 0, -1, 0, 0, 0};
  std::array<int32_t, 2> reserved{};
};

// The rectangle in which the trees lie: 600 x 150 units = 200 m x 50 m.
struct PlotFrame {
  int32_t left = 20;
  int32_t top = 50;
  int32_t right = 620;
  int32_t bottom = 200;
};
void DefaultPlotFrame(PlotFrame& frame);

// What the measurement window hands over to build a new tree list.
struct MeasurementParams {
  StandHeader header;
  std::array<SpeciesBlock, kSpeciesSlots> blocks;
  int sampleCount = 0;
};

// Outcome of reading or writing a stand file. A writer refuses a stand that
// the reader would refuse, with the same status.
enum class StandFileStatus {
  Ok,
  CannotOpen,       // missing, unreadable, or could not be created
  TooShort,         // shorter than the fixed records
  BadTreeCount,     // species blocks give a tree count outside 0..12000, or
                    // one other than the stand's tree records (writing)
  BadGrowthSteps,   // growing years outside 0..20, or more than two growing steps
  LengthMismatch,   // file length differs from what count and steps need
  BadHeader,        // area not a number or outside 0..1000 ha
  BadSlot,          // a phase slot with impossible stems, volumes or sums
  BadTreeRecord,    // species outside 0..4, removing phase outside 0..5,
                    // or a size or position that is not a number
  BadAges,          // a species' stand age or first candidate age that the
                    // program never writes (negative, or beyond any age the
                    // stand-age estimate gives)
  WriteFailed,      // the file could not be written or committed
  OtherStand,       // the file on disk now holds another stand (a save or a
                    // header change of the open stand would overwrite it)
};

// What went wrong, in Finnish, for a message ("" for Ok).
QString StandFileStatusText(StandFileStatus status);

class data {
 public:
  // Allocates N tree records (zeroed), no grown sizes, the default frame.
  // Header, blocks, choices and slots are filled by FillFromMeasurement or
  // ReadFile. N never changes afterwards.
  explicit data(int n);

  // ---- Storage (public: the engine files work on it directly) ----
  std::vector<TreeRecord> Trees;
  std::array<SpeciesBlock, kSpeciesSlots> SpeciesBlocks{};
  StandHeader Header;
  PlotFrame Plot;
  std::vector<float> HeightWork;  // work array of a growing step
  GrownSizeArray GrownSizes1;     // after the first growing step
  GrownSizeArray GrownSizes2;     // after the second growing step
  GrownSizeArray TimingWork;      // work array of the stand-age estimate
  RegenerationChoices Regeneration;
  std::array<PhaseSlot, kPhaseCount> Slots{};

  // ---- Trees (Data.cpp). i < N, no index checks. ----
  int TreeCount() const { return static_cast<int>(Trees.size()); }
  float TreeX(int i) const { return Trees[i].x; }
  float TreeY(int i) const { return Trees[i].y; }
  int TreeSpecies(int i) const { return Trees[i].species; }
  int TreeRemovedBy(int i) const { return Trees[i].removedBy; }
  void SetTreeRemovedBy(int i, int k) { Trees[i].removedBy = k; }
  float BaseDiameter(int i) const { return Trees[i].diameter; }
  float BaseHeight(int i) const { return Trees[i].height; }
  // Latest sizes: measured, after the first or after the second growing step
  // by GrowthStepCount().
  float TreeDiameter(int i) const;
  float TreeHeight(int i) const;
  // After the first growing step when phase 1 is one, else measured.
  float TreeDiameterAfterFirstGrowth(int i) const;
  float TreeHeightAfterFirstGrowth(int i) const;
  // The size a view shows (see Data.cpp); height selects height (cm) instead
  // of diameter (1/100 cm).
  float TreeValueForView(int i, bool measured, bool before, bool height) const;
  // Fractional part of the measured height x 10000, truncated.
  int HeightFractionKey(int i) const;
  // Adds to counts[s] each standing tree whose pulpwood share is exactly 0.
  void CountZeroVolumeTrees(int counts[kSpeciesSlots]) const;
  // Whether a record of species s exists; s = 2 asks for any broadleaf.
  bool FindSpecies(int s) const;
  // Adds to counts[s] every tree whose removing phase is below k.
  void CountStandingBySpecies(int k, int counts[kSpeciesSlots]) const;
  // Exchanges trees i and j with their grown sizes.
  void SwapTrees(int i, int j);

  // ---- Species blocks, choices and header (Data.cpp) ----
  void CopySpeciesBlock(int32_t out[13], int s) const;
  // Value index 0..10: 0..6 words 0..6, 7 the age (word 8), 8 the first
  // candidate age (word 9), 9 the candidate count (word 10), 10 the stems
  // (word 7); any other index 0.
  int32_t SpeciesValue(int s, int index) const;
  void SetSpeciesAges(const int ages[kSpeciesSlots]);
  void SetAgeChoices(const int first[kSpeciesSlots], const int counts[kSpeciesSlots]);
  int RegenerationChoice(int index) const;
  void SetRegenerationChoice(int index, int value);
  void ResetRegenerationChoices();
  void CopyHeader(StandHeader& out) const { out = Header; }
  QString EstateName() const { return Header.estateName; }
  QString InfoText() const { return Header.info; }
  int DevelopmentClass() const { return Header.developmentClass; }
  int SiteType() const { return Header.siteType; }
  int MeasurementDay() const { return Header.measurementDay; }
  int StructureCode() const { return Header.structureCode; }
  float Area() const { return Header.area; }
  // v < 0: the header's flag is 1; otherwise whether v is 1.
  bool IsModelEstateStand(int v) const;

  // ---- Texts (Data.cpp) ----
  // Style 0 the identifier alone; 1 "kuvio id"; 2 "Kuvio id"; 3 "KUVIO id";
  // others "Kuvioid".
  QString TitleText(int style) const;
  QString MeasurementDateText() const;  // "dd.mm.yyyy"
  QString MeasurementYearText() const;  // "yyyy"
  // The name of slot k; for k = 0 the description of the measured stand.
  QString DescriptionText(int k, bool omitTitle) const;

  // ---- Phase slots, recording and undo (Phase.cpp) ----
  // Records slot k from the standing trees; source 1 / 2 takes the sizes
  // after the first / second growing step, anything else the latest sizes.
  void RecordPhase(int k, const QString& name, int source, int years);
  // Slot 0 of a stand without a usable tree list, from the species blocks.
  void RecordInitialPhase(const QString& name);
  // Every tree removed by phase k stands again.
  void UndoOperation(int k);
  void ClearSlot(int k);
  int SlotTreeCount(int k) const { return Slots[k].stems; }
  float SlotBasalArea(int k) const { return Slots[k].basalArea; }
  float SlotMeanDiameter(int k) const { return Slots[k].meanDiameter; }
  float SlotMeanHeight(int k) const { return Slots[k].meanHeight; }
  int SlotTotalVolume(int k) const;
  // m3/ha, or for the stand's whole area (as a difference from the same
  // rounded base, so that whole-stand removals add up).
  int SlotAssortmentVolume(int k, int j, bool wholeStand) const;
  // Growing stock value of slot k at the unit prices of the settings.
  int SlotStockValue(int k, bool wholeStand) const;
  int PhaseYears(int k) const { return Slots[k].years; }
  int GetPhaseYears(int k) const { return PhaseYears(k); }
  int FirstPhaseYears() const { return PhaseYears(1); }
  int GrowthStepCount() const;
  bool FirstPhaseIsGrowth() const;
  bool FirstTwoPhasesAreGrowth() const;
  bool IsCurrentPhaseGrowth() const;
  bool IsGrowthAfterCutting() const;
  bool IsCurrentLeadingGrowth(bool first) const;
  bool IsPhaseSelectable(int q) const;
  QString PhaseCalendarYearText(int k) const;
  QString FirstPhaseYearText() const;
  QString PhaseYearText(int k) const;

  // ---- Volumes and stand sums (Assortment.cpp) ----
  // Adds one tree (1/100 cm, cm) to 13 bins (m3); true when it gives logs.
  static bool AddTreeVolume(float bins[kAssortmentCount], float d, float h, int species);
  // Standing trees with the given sizes (an array shorter than N means the
  // latest sizes): sum over j of round(round(bin j) x factor j).
  float AssortmentTotals(const PriceFactors& factors, const GrownSizeArray& sizes) const;
  void AssortmentTotalsOf(const GrownSizeArray& sizes, int& volume, float& basalArea,
                          float& meanDiameter, float& meanHeight) const;
  // Standing trees with latest sizes, or every record with measured sizes
  // when allTrees is set; counts (countOnly) or stem volume m3 per species.
  float SpeciesVolumes(bool allTrees, bool countOnly, float perSpecies[kSpeciesSlots]) const;
  // Sum of the 13 rounded assortment volumes of the standing trees, m3/ha.
  int StandingStockVolume() const;
  // Stem volume m3 of every record at its measured size.
  float MeasuredVolumeAllTrees() const;

  // ---- Stand file (StandFile.cpp) ----
  // Reads the whole file into this object (its tree count becomes the
  // file's). The file is opened read-only and checked whole first: on any
  // failure neither the object nor the current phase changes. On success the
  // current phase becomes the number of named slots 1..5 (0 with
  // keepPhaseZero), so an opened stand shows its last recorded step.
  StandFileStatus ReadFile(const QString& path, bool keepPhaseZero);
  // The same into a new object; on failure `out` is left untouched. Opening
  // a stand this way and replacing the open one only on Ok keeps the open
  // stand when a file turns out unreadable.
  static StandFileStatus ReadStandFile(const QString& path, bool keepPhaseZero,
                                       std::unique_ptr<data>& out);
  // The same checks and the same whole object without touching the current
  // phase (the preview of a file before the user opens it).
  static StandFileStatus PreviewStandFile(const QString& path, std::unique_ptr<data>& out);
  // Tree count and header of a stand file after the same checks as reading;
  // the current phase is not touched (previews and stand lists).
  static StandFileStatus PeekStandFile(const QString& path, int& treeCount,
                                       StandHeader* header);
  // Every write goes through a temporary file renamed over the old one and
  // reports failure, with its reason in error when given (the system's, or
  // StandFileStatusText); a failed write leaves the old file as it was. A
  // stand that the reader would refuse (standfile::CheckStand) is not
  // written.
  // Writes a new file (header included), trees sorted by height.
  StandFileStatus WriteNewFile(const QString& path, QString* error = nullptr);
  // Rewrites everything after the header; the header bytes on disk stay.
  // Refused (OtherStand) when the header on disk names another stand than
  // the object's (SameStandHeader): the file was replaced while the stand
  // was open, and the stand it holds now is kept. Only the file whose
  // header was checked is replaced: where the name leads to another file
  // by the time it is written (a link put in its place), the write fails
  // (WriteFailed) and both files stay as they were. A file this user may
  // not write is not replaced (WriteFailed).
  StandFileStatus Save(const QString& path, QString* error = nullptr);
  // Replaces the header in the object and at offset 0 of the file; refused
  // when the file with the new header would not read back, and, as Save,
  // when the file on disk holds another stand, when the name leads to
  // another file by the time it is written, or when the file is
  // write-protected.
  StandFileStatus RewriteHeader(const QString& path, const StandHeader& header, QString* error = nullptr);
  void SortTreesForSave(bool growthKey, bool bySize);
  // The tree dot maps of the main window's overview page walk the list
  // sorted in place: with withBefore it is sorted for the measured map
  // (SortTreesForSave(true, true)) and drawMap(true) draws that map; with
  // withAfter it is sorted for the map after the recorded steps (false,
  // true) and drawMap(false) draws that one; then it is sorted back by y
  // (false, false), the stored order. Each sort starts from the order the
  // one before left, so trees of equal keys end where the partition sort
  // puts them, and what walks the list next (mortality from its last tree,
  // the cuttings, a save) meets it in that order.
  void SortTreesForDotMaps(bool withBefore, bool withAfter, const std::function<void(bool before)>& drawMap = {});
  // Keys of the tree sort: x; y; latest diameter; latest height;
  // HeightFractionKey; any other key the measured height.
  enum SortKey : int {
    SortX = 0,
    SortY = 1,
    SortDiameter = 2,
    SortHeight = 3,
    SortHeightFraction = 4,
    SortMeasuredHeight = 5,
  };
  // Middle-pivot partition sort, ascending; trees of equal keys keep the
  // order this scheme gives (the cutting patterns rely on it).
  void SortTrees(int lo, int hi, int key);
  void SortAllTrees(int key) { SortTrees(0, TreeCount() - 1, key); }
  float TreeSortKey(int i, int key) const;

  // ---- Stand sample and growth — Sample.cpp, Growth.cpp ----
  // Copies header and blocks, clears the slots and fills tree i from sample
  // tree i of the measurement window.
  void FillFromMeasurement(const MeasurementParams& params);
  GrownSizeArray AllocGrownSizes() const;
  void FreeGrownSizes(GrownSizeArray& sizes);
  void GrowTrees(GrownSizeArray& out, int q, int years, const int ages[kSpeciesSlots],
                 bool mortality, bool fromMeasured);
  float MeanOfTallest(int n, bool refill);
  void ApplyMortality(int q0, int length, const int ages[kSpeciesSlots], int elapsed,
                      bool useSlot0);
  float MeanAgeWeighted(int s, const int ages[kSpeciesSlots], int elapsed) const;
  int MortalityInterval(int s, int length, float meanAge) const;
  void AllocHeightWork(int n);
  void FreeHeightWork();
  // GrowTrees without mortality into the caller's arrays (heightWork is the
  // work array of the dominant height). Touches nothing of the stand, so
  // several such growths may run at once on one stand.
  void GrowTreesInto(GrownSizeArray& out, std::vector<float>& heightWork, int q, int years,
                     const int ages[kSpeciesSlots], bool fromMeasured) const;

  // ---- Cutting patterns and thinnings — Cutting.cpp, Thinning.cpp ----
  void SelectStripRoads(float width, float spacing, int k);
  void SelectCorridors(float width, float spacing, int k);
  bool SelectSpeciesRemoval(int c0, int c1, int c2, int c3, int c4, int k);
  void SelectLargestTrees(int p, float target);
  void SelectSmallGapCut(int area, int p);
  bool SelectSpacedRetention(int groups, int perGroup, int p);
  void GroupRetainedTrees(int groups, int perGroup, const int anchors[], int k);
  int SelectRetentionCutBySpecies(int s1, int s2, int large, int n, int nMin, int nMax, int k);
  int SelectRetentionCut(int s1, int s2, int large, int n, int nMin, int nMax, int k);
  int ReserveRetentionTrees(int s1, int s2);
  void MoveLargestTreesToMiddle(int n, int nMin, int nMax);
  void SelectStripCut(int width, int p);
  int ThinToTargetVolume(int p, float target, int mode, bool lowThinning);
  bool ThinToTargetBasalArea(int p, float target, int mode, bool lowThinning);
  int ThinByMinimumSpacing(float spacing, int p, bool lowThinning, int option);
  float SpacingThinningPass(int p, float target, int mode, bool lowThinning);
  bool ChooseTreeOfPair(int i, int j, int xj, int yj, bool lowThinning, int option);
  void ThinToVolumeByHeight(int p, float target, bool lowThinning);
};

// The header's day number (days since 30 December 1899) as "dd.mm.yyyy";
// "00.00.0000" for a day no calendar has.
QString MeasurementDateTextOfDay(int day);
// "dd.mm.yyyy" -> "yyyy" (the text without its first six characters).
QString YearOfDateText(const QString& date);

// ---- Stand-age estimate — Ages.cpp ----
void EstimateSpeciesAges(data& stand);
void CalibrateSpeciesAges(data& stand, int ages[kSpeciesSlots]);
void ComputeAgeChoiceCounts(const data& stand, int counts[kSpeciesSlots],
                            const int ages[kSpeciesSlots],
                            const int meanDiameters[kSpeciesSlots]);

// ---- Values of the open stand (Assortment.cpp) ----
// The settings' unit prices (priced) or 1.0 each.
void GetAssortmentPriceFactors(bool priced, PriceFactors& out);
// A volume (m3) times its price factor, the product in single precision and
// rounded half away from zero.
int PricedVolume(int volume, float factor);
// 2 when phases 1 and 2 are growing steps, 1 when only phase 1 is, else 0.
int LeadingGrowthCount(const data& stand);
// The current phase, one less when the stand has growing steps that do not
// lead its history.
int DisplayedPhase(const data& stand);
// The log volume that a log-to-pulp shift of shiftPercent moves from the
// logs of a species to its pulpwood: shiftPercent % of logVolume, exact
// halves rounded away from zero (10 % of 5 m3 is 1 m3, of 15 m3 2 m3).
int LogShiftVolume(int shiftPercent, int logVolume);
// Assortment j's volume after the shift, from its own volume and the log
// volume of its species: pulpwood (j < 6) gains the shifted logs, logs
// (j >= 6) lose them; alder pulpwood and energy wood never change.
int ShiftedAssortmentVolume(int j, int own, int logs, int shiftPercent);
// Removal of assortment j between slot LeadingGrowthCount and slot
// DisplayedPhase; shiftPercent moves that share of the logs to pulpwood.
int AssortmentRemoval(const data& stand, int j, bool wholeStand, int shiftPercent);
// The whole-area volume of a stand of `area` hectares whose per-hectare volume
// is c, taken as a difference from the base m: round(m x area) -
// round((m - c) x area), half away from zero, with the area in whole
// hundredths of a hectare. The stand's slots and the estate's records use it
// alike, so that whole-area removals add up.
int AreaScaledDifference(float area, int m, int c);
int RemovalValueSum(const data& stand, bool withEnergyWood, bool wholeStand, bool priced);
// The 13 values of slot k: each assortment volume (m3/ha, or for the whole
// area) times its factor, rounded half away from zero; returns their sum.
int SlotAssortmentValues(const data& stand, int k, bool wholeStand, const PriceFactors& factors,
                         AssortmentVolumes& out);
// The same with the settings' unit prices (priced) or 1.0 each (volumes):
// the values of the assortment charts and of the stand report's stock
// estimate.
int AssortmentChartValues(const data& stand, int k, AssortmentVolumes& out, bool priced, bool wholeStand);
int RemovedStemCount(const data& stand);
// Group 0: the sawlog percentage of slot k's whole-area stock (each volume
// times its factor and rounded, shares adding up to 100); a negative group the
// pulpwood percentage. Groups 1..8, m3/ha: 1 all logs, 2 and 3 pine pulpwood,
// 4 pine logs, 5 spruce pulpwood, 6 spruce logs, 7 broadleaved pulpwood,
// 8 broadleaved logs; any other group 0.
int SlotVolumeByAssortmentGroup(const data& stand, int group, int k, bool priced);
// perAssortment: the sawlog percentage of the whole-area difference slot a
// minus slot b; else the per-hectare log volume of a minus that of b.
int RemovalDifference(const data& stand, bool perAssortment, int a, int b);

// ---- Percentage shares (Assortment.cpp) ----
// Rounds n shares (half away from zero) so that they add up to 100, moving
// the share that gained most (lost most) by 0.5 at a time; the shares are
// left adjusted. Shares that add up to 0 or less stop at once.
void RoundPercentsTo100(float* shares, int* out, int n);
// Percentages of 13 assortment values adding up to 100 into out; returns the
// sawlog share (6..11) or the pulpwood share (0..5). A total of 0 or less
// returns 0 and leaves out as it was.
int AssortmentShareOf(const int volumes[kAssortmentCount], int out[kAssortmentCount], bool sawlogs);
