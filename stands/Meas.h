#pragma once
// The measurement window `TMeasForm` (one object, `MeasForm`): the header of
// a new stand or of the open stand and its growing stock per tree species;
// while the user edits, the window keeps a generated one-hectare sample of
// trees up to date and shows it as a dot map, stem-count and growing-stock
// charts and, on request, a stand view. Save checks the entries, chooses the
// stand file and builds the stand from the window.
//
// Where the code lives:
//   Meas.cpp        creation: controls, lists, colours, captions, layout
//   MeasInput.cpp   loading at each showing, the header fields, development
//                   class, per-species lists, stem-count alternatives and
//                   grouping, closing and help
//   MeasSample.cpp  the sample: rebuild, dot map, means line, charts, stand
//                   view and its options
//   MeasSave.cpp    Save: the checks, the save loop, and the stand built from
//                   the window (new, changed measurement, changed header)

#include <QDialog>
#include <QString>
#include <array>

#include "model/ClassTables.h"
#include "stands/MeasRules.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTextEdit;
class TBarChart;
class TClickLabel;
class TRadioGroup;

class TMeasForm : public QDialog {
  Q_OBJECT
 public:
  explicit TMeasForm(QWidget* parent = nullptr);  // FormCreate
  ~TMeasForm() override;

  // ---- Controls (layout names) ----
  QFrame* Panel1 = nullptr;  // header strip
  QLabel* Label4 = nullptr;
  QLineEdit* Edit2 = nullptr;  // estate name
  QLabel* Label3 = nullptr;
  QLineEdit* Edit3 = nullptr;  // stand identifier
  QLabel* Label14 = nullptr;
  QLineEdit* MaskEdit10 = nullptr;  // area, "9.99"
  QLabel* Label23 = nullptr;        // "ha"
  QLabel* Label17 = nullptr;
  QComboBox* ComboBox15 = nullptr;  // site type

  QFrame* Panel2 = nullptr;  // measurement panel
  QLabel* Label1 = nullptr;  // title
  QDateEdit* DateTimePicker1 = nullptr;
  QLabel* Label28 = nullptr;
  QComboBox* ComboBox10 = nullptr;  // development class
  QLabel *Label9 = nullptr, *Label10 = nullptr, *Label11 = nullptr, *Label29 = nullptr, *Label30 = nullptr;
  QLabel* Label8 = nullptr;   // diameter or stem-count row
  QLabel* Label5 = nullptr;   // height row
  QLabel* Label7 = nullptr;   // basal-area row
  QLabel* Label22 = nullptr;  // their units
  QLabel* Label16 = nullptr;
  QLabel* Label13 = nullptr;
  // Species grid, pine .. alder.
  QComboBox *ComboBox7 = nullptr, *ComboBox8 = nullptr, *ComboBox9 = nullptr, *ComboBox27 = nullptr,
            *ComboBox28 = nullptr;  // mean diameter
  QComboBox *ComboBox11 = nullptr, *ComboBox12 = nullptr, *ComboBox13 = nullptr, *ComboBox31 = nullptr,
            *ComboBox32 = nullptr;  // stems (small seedling stand)
  QComboBox *ComboBox4 = nullptr, *ComboBox5 = nullptr, *ComboBox6 = nullptr, *ComboBox24 = nullptr,
            *ComboBox25 = nullptr;  // mean height
  QComboBox *ComboBox1 = nullptr, *ComboBox2 = nullptr, *ComboBox3 = nullptr, *ComboBox21 = nullptr,
            *ComboBox22 = nullptr;  // basal area
  QLabel* Label38 = nullptr;  // hint
  QLabel* Label20 = nullptr;
  QTextEdit* RichEdit1 = nullptr;  // notes, at most 400 characters

  QFrame* Panel6 = nullptr;
  TBarChart* Chart1 = nullptr;   // growing-stock estimate
  QCheckBox* CheckBox1 = nullptr;  // value instead of volume

  QFrame* Panel3 = nullptr;  // sample panel
  QLabel* Label2 = nullptr;  // sample-map caption
  QLabel* Image1 = nullptr;  // sample map, 400 x 100
  QLabel* Label24 = nullptr;  // stand means
  QLabel* Label18 = nullptr;  // stem-count caption
  TBarChart* Chart3 = nullptr;  // stem counts
  QLabel* Image2 = nullptr;     // frame of the grouping list
  QListWidget* ListBox2 = nullptr;  // grouping
  QComboBox* ComboBox14 = nullptr;  // stem-count alternative

  QFrame* Panel5 = nullptr;  // bottom bar
  TRadioGroup* RadioGroup1 = nullptr;  // stand view "ei" / "kyllä"
  QLabel* Label36 = nullptr;  // summary
  QPushButton* Button2 = nullptr;  // Save
  QPushButton* BitBtn2 = nullptr;  // help
  QPushButton* Button1 = nullptr;  // close

  QLabel* Image3 = nullptr;  // stand view
  QLabel* Label6 = nullptr;  // its caption
  QCheckBox *CheckBox2 = nullptr, *CheckBox3 = nullptr, *CheckBox4 = nullptr, *CheckBox5 = nullptr,
            *CheckBox7 = nullptr;
  TClickLabel *Label12 = nullptr, *Label27 = nullptr, *Label15 = nullptr, *Label19 = nullptr, *Label21 = nullptr;

  // ---- State ----
  int AlternativeIndex = 2;
  int GroupingIndex = 1;
  std::array<int, 5> SpeciesStems{};
  bool IsNewStand = true;
  bool HeaderChanged = false;
  bool MeasurementChanged = false;
  bool Initialised = false;
  DiameterClassTable DiameterClasses{};
  std::array<std::int32_t, 13> SampleVolumes{};
  QString SavePath;         // the save dialog's file name
  QString SaveDialogTitle;  // set at loading
  QString SaveDialogFilter;

  // The per-species lists, pine .. alder.
  std::array<QComboBox*, 5> DiameterLists() const;
  std::array<QComboBox*, 5> StemLists() const;
  std::array<QComboBox*, 5> HeightLists() const;
  std::array<QComboBox*, 5> BasalAreaLists() const;
  int DevelopmentClassShown() const;

  // ---- Handlers ----
  void FormActivate();
  void Button2Click();
  void BitBtn2Click();
  void ComboBox10Change();
  void DiameterChanged(int species);
  void HeightChanged(int species);
  void StemCountChanged(int species);
  void ComboBox1Change();
  void ComboBox14Change();
  void ListBox2Click();
  void HeaderFieldChanged(QWidget* field);
  void CheckBox1Click();
  void RadioGroup1Click();
  // Sets the stand-view choice without running its handler.
  void SetViewChoice(int index);
  void CheckBox2Click();
  void CheckBox4Click();
  void CheckBox5Click();
  void CheckBox7Click();

  // ---- Helpers ----
  void MarkChanged(int kind);
  void ResetMeasurementInputs(bool resetClassAndSite, bool rebuild);
  void ApplyDevelopmentClassLayout(int developmentClass);
  void LoadSpeciesMeasurement(int species);
  void LoadSeedlingMeasurement(int species, int stems, int heightDm);
  void ShowStructureCode(int code);
  void SetSpeciesStems(const std::array<int, 5>& counts);
  void FillHeightAndBasalAreaLists(int species);
  void FillStemCountAlternatives(int selected);
  void ApplyStemCountAlternative(int request);
  void ShowStemCountChoices(int developmentClass, int totalStems, float totalBasalArea);
  void SetGroupingVisible(bool visible);
  void UpdateStemCountChart(const std::array<int, 6>& counts);
  void UpdateStandSummaryLabel();
  void UpdateHeightHint();
  void PlaceMeasurementWindow();
  void ShowStandViewPanel(bool show, bool repaint);
  void ResetStandView(bool hide, bool resetChoice);

  // ---- Entries read back ----
  int EnteredSpeciesStemCount(int k) const;
  int EnteredSpeciesDiameter(int k) const;
  float EnteredSpeciesHeight(int k) const;
  float EnteredSpeciesBasalArea(int k) const;
  float EnteredTotalBasalArea() const;
  int EnteredTotalStemCount() const;
  std::array<SpeciesEntry, 5> SpeciesEntries() const;
  HeaderEntries EnteredHeader() const;

  // ---- The sample (MeasSample.cpp) ----
  void RebuildStandSample();
  void DrawSampleTreeMap(int count);
  bool DrawSampleMapWithVolumes(std::array<std::int32_t, 13>& volumes, int& code);
  void ShowSampleSummary(int stems, float meanHeight, float meanDiameter, float basalArea, bool hasLogTrees);
  void RefreshEstimateChart();
  void RefreshStandViews();
  void DrawStandView(int mode);
  void DrawViewMessage(int mode, const QString& line, const QString& upperLine);
  void ShowViewFilterControls(bool drawn);
  void EnableViewFilters(bool hasLogTrees, bool hasBroadleaves);

  // ---- Saving (MeasSave.cpp) ----
  bool ValidateHeader();
  bool ValidateSeedlingMeasurement();
  int ValidateMeasurement(bool saving);
  bool ChooseSaveFile();

 protected:
  void showEvent(QShowEvent* e) override;
  bool event(QEvent* e) override;
  void done(int r) override;

 private:
  // The stem-count chart's height over the grouping list, and without stems.
  static constexpr int kStemChartHeight = 46;
  static constexpr int kEmptyStemChartHeight = 40;
  void CreateHeaderPanel();
  void CreateMeasurementPanel();
  void CreateSamplePanel();
  void CreateBottomBar();
  void CreateStandView();
  void ConnectHandlers();
  void LayoutGroupingList();
  void LayoutViewOptions();
  void ApplyMeasurementCaptions();
  void ClearActiveControl();
  // The bottom bar under the stand view or the sample panel, the window
  // fitted to it.
  void PlaceBottomBar(bool viewShown);
  void ExclusiveFilterClick(QCheckBox* box, QCheckBox* other);
  // Asks a message of the rules: a notice gives false, a question whether
  // it was answered yes.
  bool ShowMeasMessage(const MeasMessage& m);
  // While set, the date and notes that the window itself sets run no
  // handler.
  bool loading_ = false;
};

extern TMeasForm* MeasForm;

// Shows the measurement window for a new stand (changeData false) or for the
// open stand's data (true); returns the window's modal result (1 saved).
int NewStandFromMeasurementWindow(bool changeData);
// Builds the stand from the window once Save accepted a file: rewrites the
// header of the open stand's file (header change only) or builds a new stand
// object from the window's sample and writes it. False when its file could
// not be written; nothing of the open stand has then changed.
bool CreateStandFromMeasurement(bool changeData);
