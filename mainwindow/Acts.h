#pragma once
// The main window `TActForm` (one object, `ActForm`): the open stand's card,
// the estate stand list and summary, the three stand pages and the menu.
//
// Where the code lives:
//   Acts.cpp          creation: controls, captions, colours, menu captions
//   ActsView.cpp      the view dispatcher UpdateView, the full reset, window
//                     modes, title, info labels, estate panel reset
//   ActsLayout.cpp    size by screen, layout for the three sizes, panel
//                     placement, wide view, currency captions
//   ActsActivate.cpp  first activation and the screen test
//   ActsState.cpp     the live values the texts and the settings read
//   ActsStandList.cpp the activation of a stand and the estate stand list
//   ActsSession.cpp   the session kept current, its requests carried out
//   ActsButtons.cpp   the operation-button rules and the undo button
//   ActsCard.cpp      the stand card picture and its increment boxes
//   ActsTexts.cpp     the stand-view texts and the carbon dioxide lines
//   StandPicture.cpp  the stand pictures of the stand-view and close-up pages
//   ActsSave.cpp      save, grow and undo, and the unsaved mark
//   ActsStandCommands.cpp  deleting a stand and changing its data
//   ActsEstate.cpp    the estate panel, its time points, grid and chart
//   ActsReports.cpp   the timber-sale panel and the report button
//   ActsRecommend.cpp the operation recommendation panel
//   ActsOverview.cpp  the overview page: dot maps, charts, captions, modes
//   ActsCommands.cpp  the stand list's and the menu's commands, the help
//                     buttons, the map button and the stand info panel

#include <QMainWindow>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

#include "estate/TimePointRules.h"
#include "mainwindow/ActsLayout.h"
#include "mainwindow/ButtonRules.h"
#include "estate/StandTextsRules.h"
#include "stands/EstateListRules.h"
#include "ui/Canvas.h"
#include "ui/FileLists.h"
#include "ui/Palette.h"
#include "ui/StandHost.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QTabWidget;
class QTableWidget;
class TCuttingForm;
class TEstateChart;
class TOverviewChart;
class TRadioGroup;

// The main window is the session's StandHost: the windows below it reach it
// through the session (ui/Session.h), never through this class.
class TActForm : public QMainWindow, public StandHost {
  Q_OBJECT
 public:
  explicit TActForm(QWidget* parent = nullptr);  // FormCreate
  ~TActForm() override;

  // ---- Controls (layout names) ----
  QWidget* Client = nullptr;   // the client area below the menu
  TCanvas* Image12 = nullptr;  // window background
  QLabel* Label7 = nullptr;    // hidden, measures texts
  // Stand card.
  QFrame* Panel1 = nullptr;
  QLabel* Image4 = nullptr;    // stand card picture
  QLabel* Image8 = nullptr;    // small card frame
  QLabel* Label10 = nullptr;   // stand title
  QLabel* Label4 = nullptr;    // area
  QLabel* Label16 = nullptr;   // development class
  QLabel* Label11 = nullptr;   // measurement year
  QLabel* Label15 = nullptr;   // cutting removal
  QListWidget* ListBox3 = nullptr;  // cutting stage
  QPushButton* Button7 = nullptr;   // thinning
  QPushButton* Button10 = nullptr;  // species removal
  QPushButton* Button5 = nullptr;   // strip roads
  QPushButton* Button15 = nullptr;  // selection cutting
  QPushButton* Button14 = nullptr;  // regeneration cutting
  QPushButton* Button1 = nullptr;   // corridor
  QPushButton* Button4 = nullptr;   // species removal with selection
  QPushButton* Panel4 = nullptr;    // grow
  QPushButton* Panel10 = nullptr;   // save
  QPushButton* Button12 = nullptr;  // undo
  QPushButton* Button3 = nullptr;   // report
  QPushButton* Panel11 = nullptr;   // timber sale
  QPushButton* Button11 = nullptr;  // new forest
  QPushButton* BitBtn2 = nullptr;   // help
  QFrame* Panel14 = nullptr;
  QLabel* Label40 = nullptr;
  QLabel* Image14 = nullptr;
  QLabel* Image15 = nullptr;
  QLabel* Image16 = nullptr;
  QLabel* Image17 = nullptr;
  QCheckBox* CheckBox10 = nullptr;  // value increment ("arvokasvu")
  QCheckBox* CheckBox4 = nullptr;   // increment in percent ("kasvu %")
  // Estate stand list.
  QFrame* Panel2 = nullptr;
  QLabel* Label14 = nullptr;
  QListWidget* ListBox1 = nullptr;
  TFileListBox* FileListBox1 = nullptr;  // the session's stand files (hidden)
  // Estate summary.
  QFrame* Panel9 = nullptr;
  QFrame* Panel5 = nullptr;
  QFrame* Panel8 = nullptr;
  TDirectoryListBox* DirectoryListBox1 = nullptr;
  // Stand pages.
  QTabWidget* PageControl2 = nullptr;
  QWidget* TabSheet8 = nullptr;  // stand view
  QWidget* TabSheet9 = nullptr;  // close-up
  QWidget* TabSheet6 = nullptr;  // dot maps and overview charts
  QFrame* Panel6 = nullptr;      // stand-view panel of TabSheet8
  QComboBox* ComboBox28 = nullptr;  // tree group of the stand view
  QFrame* Panel7 = nullptr;      // stand-view panel of TabSheet9
  // The stand pictures (mainwindow/StandPicture.h).
  TCanvas* Image3 = nullptr;     // stand view as measured
  TCanvas* Image1 = nullptr;     // stand view after the steps
  TCanvas* Image10 = nullptr;    // close-up as measured
  TCanvas* Image9 = nullptr;     // close-up after the steps
  QFrame* Panel3 = nullptr;      // overview panel of TabSheet6
  QCheckBox* CheckBox15 = nullptr;  // wide view
  // Recommendation panel of the overview page (ActsRecommend.cpp).
  QPushButton* Panel12 = nullptr;  // "Toimenpidesuositus  v. ..."
  QLabel* Label30 = nullptr;       // recommendations switched off
  // Stand-view texts (ActsTexts.cpp): heading rows over the measured and the
  // after-picture, description lines under them, the change line; the
  // close-up page repeats each.
  QLabel* Label1 = nullptr;     // measured heading: group and year
  QLabel* Label111 = nullptr;   // measured heading: values
  QLabel* Label2 = nullptr;     // after heading: group and year
  QLabel* Label222 = nullptr;   // after heading: values
  QLabel* Label18 = nullptr;    // description under the measured picture
  QLabel* Label8 = nullptr;     // description under the after-picture
  QLabel* Label27 = nullptr;    // change line
  QLabel* Label9 = nullptr;     // close-up twins
  QLabel* Label999 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label555 = nullptr;
  QLabel* Label19 = nullptr;
  QLabel* Label21 = nullptr;
  QLabel* Label28 = nullptr;
  QLabel* Image6 = nullptr;     // marker of the heading rows
  QLabel* Image7 = nullptr;     // its close-up twin
  QCheckBox* CheckBox33 = nullptr;  // removal sample ("Hakkuukertymä")
  QCheckBox* CheckBox16 = nullptr;  // carbon dioxide ("hiilidioksidi,  co2")
  QCheckBox* CheckBox21 = nullptr;  // winter pictures
  QLabel* Label22 = nullptr;        // its caption ("vuodenaika talvi")
  // Menu.
  QMenu* M1 = nullptr;
  QAction* M11 = nullptr;
  QAction* M12 = nullptr;
  QAction* M13 = nullptr;
  QAction* M15 = nullptr;
  QMenu* M2 = nullptr;
  QAction* M22 = nullptr;
  QAction* M23 = nullptr;
  QAction* M24 = nullptr;
  QMenu* M3 = nullptr;
  QAction* M31 = nullptr;
  QAction* M32 = nullptr;

  // ---- State ----
  int MainWindowWidth = 0;
  int MainWindowHeight = 0;
  int PictureWidth = 0;
  int PageControlOffset = -2;
  int PanelOffset = -1;
  bool LayoutPending = true;
  bool StandCardDirty = false;
  // Where the stand card's volumes were last drawn on its picture.
  std::vector<QRect> StandCardFigureRects;
  bool Resetting = false;
  bool BeforePictureDirty = false;
  bool AfterPictureDirty = false;
  bool CloseBeforePictureDirty = false;
  bool CloseAfterPictureDirty = false;
  int TreeGroupIndex = 0;
  int CuttingStageIndex = -1;  // item chosen in ListBox3, -1 none
  QString StandFileName;
  bool Unsaved = false;  // the save panel shows the unsaved look
  // The recommendation in lower case, or empty (Panel12 hidden).
  QString RecommendationText;

  // ---- View (ActsView.cpp) ----
  void UpdateView(int level);
  void UpdateMainWindow(int phase);
  void SetMainWindowMode(int mode);
  bool IsNarrowView() const;
  void ShowStandInfoLabels(int n);
  void SetMenuCaptions(int mode);
  void MainWindowTitleText();
  void ResetEstatePanel(const QString& fileName, const QString& folder);
  void PageControl2Change();
  // The frame around the cutting-stage list, drawn on the card's colour.
  void DrawCardFrame(const QColor& pen);
  // The two stand-view pages shown while the cutting-stage list is enabled,
  // hidden (the overview page active) while it is not; with them shown the
  // page of activeIndex is made active.
  void SetStandViewTabsVisible(bool visible, int overviewIndex, int activeIndex);
  // The card labels and the operation controls shown or hidden together.
  void SetStandCardLabelsVisible(bool visible);
  void SetOperationControlsVisible(bool visible);

  // ---- Operation buttons (ActsButtons.cpp) ----
  // The rules after a recorded step (mode 0, phase = its phase) or while a
  // step is undone (mode 1, before its slot is cleared); busy marks the card
  // and the after-pictures for redrawing and shows the busy display on the
  // overview page. Every operation commit, growth and undo calls it, then
  // UpdateView (0).
  void setButtonState(int phase, int mode, bool busy);
  // Shows the button group of the chosen cutting stage; with a stage chosen
  // the buttons are rebuilt from the baseline by replaying the recorded
  // steps (always, so that choosing a stage never keeps stale states).
  void UpdateOperationButtonsVisibility(bool replay);
  void UpdateUndoButton(bool undoing);
  void RestoreThinningButtons(int phase);
  bool IsThinningStageChosen() const;
  bool IsNewForestButtonVisible() const;
  // The new-forest button opens the regeneration cost estimate; its label
  // tells the estimate's total or invites to make one.
  void Button11Click();
  void UpdateNewForestCaption();
  // The grow panel's look: enabled, or disabled and grey.
  void SetGrowButtonState(bool enabled);
  // The button for a rule index, and the rule states read from the buttons.
  QPushButton* OperationButtonOf(OperationButton b) const;
  ButtonStates OperationButtonStates() const;
  void SetOperationButtonStates(const ButtonStates& states);
  // The cutting-stage list: a change of stage is refused once a cutting is
  // recorded (the list returns to its item), else the button group follows.
  void ListBox3Click();

  // ---- Save, grow and undo (ActsSave.cpp) ----
  // The unsaved mark: the save panel's colours and the notice over the
  // estate chart. Every committed operation, growing step and undo calls
  // MarkUnsaved after UpdateView (0); a save and the reset after a load
  // clear it.
  void ShowSaveState(bool unsaved);
  void MarkUnsaved() { ShowSaveState(true); }
  bool HasUnsavedChanges() const { return Unsaved; }
  // Save: refused when nothing changed or for a stand of the model estate;
  // otherwise SaveStandOperations.
  void Panel10Click();
  // Writes the stand file (from the species blocks on), then the stand's
  // estate record and the estate views; false (reported, the unsaved mark
  // and the record kept) when the file could not be written.
  bool SaveStandOperations();
  // Grow: 1 when a growing step was recorded, 2 otherwise.
  void Panel4Click();
  int GrowStandStock();
  // Undo of the last recorded step (nothing at the measured state).
  void Button12Click();
  void UndoLastOperation();

  // ---- Recommendation panel (ActsRecommend.cpp) ----
  // The stand card, the recommendation and the overview tab, as the view
  // refresh redraws them.
  void RefreshCardAndRecommendation(bool fullRefresh, int phase);
  // state 0 nothing, 1 the regeneration cost hint, any other the operation
  // recommendation.
  void ShowOperationRecommendation(int state, bool fullRefresh);
  int RecommendationState() const;
  void Panel12Click();

  // ---- Stand card (ActsCard.cpp) ----
  void DrawStandCard();
  void SetIncrementBoxesVisible(bool hasGrowth, int phase);
  void CheckBox10Click();

  // ---- Stand-view texts (ActsTexts.cpp) ----
  // What the text rules read of the window (phase, tree group, boxes).
  StandViewState CurrentStandViewState() const;
  void RefreshStandViewTexts(bool full);
  void RefreshAfterStateTexts(bool withDescriptions);
  void ShowInitialStateTexts();
  void ShowAfterStateTexts(bool removal);
  void ArrangeHeadingLabels();
  void ColourHeadingLabels(bool removal);
  void ColourAfterStateLabels();
  void ClearStandViewLabels();
  void RefreshOverviewHeaderTexts(int phase);
  void ShowTimberSalePanel(int phase);
  void RedrawStandViewForOption(int option);
  void ShowNoRemovalNotice(QCheckBox* box);
  bool IsWholeStockChosen() const;
  int ChosenTreeGroup(bool raw) const;
  // Places the stand-view labels and boxes on the two picture pages.
  void PlaceStandViewTexts();
  // Carbon dioxide and the change line.
  void StockChangeText(bool layoutOnly);
  bool IsCarbonShown() const;
  void UpdateCarbonBoxEnabled();
  void ComboBox28Change();
  void CheckBox16Click();
  void CheckBox21Click();
  void CheckBox33Click();
  void Label22Click();

  // ---- Layout (ActsLayout.cpp) ----
  void ComputeMainWindowSize(int width, int height, bool atStart);
  int GetMainWindowSize(char axis) const;
  void PositionMainWindow(bool pause);
  void CenterIntroOverMain();
  void ArrangeMainWindow(bool estateFeatures);
  void LayoutMainWindow();
  void HorizontalLayout(bool showEstate, bool initial);
  void PlaceMainPanels();
  void ApplyWideView(bool initial);
  void PlaceWideViewCheckBox();
  void ApplyCurrencyCaptions();
  void CheckBox15Click();
  // The height of the band that holds the stand card and the stand list.
  int CardBandHeight() const;

  // ---- Activation (ActsActivate.cpp) ----
  void FormActivate();
  bool CheckScreenSuitability();
  void SetStartupPanelsVisibility(bool visible);
  // True once the first activation has run (and the screen was accepted).
  bool Started() const { return started_; }
  bool Refused() const { return refused_; }

  // ---- Cutting commands (ActsCuttings.cpp) ----
  void Button5Click();   // strip roads
  void Button7Click();   // thinning
  void Button4Click();   // species removal (Button10 and Button4)
  void Button1Click();   // corridor thinning
  void Button14Click();  // regeneration cutting
  void Button15Click();  // selection cutting
  // True when a cutting may start now; otherwise shows why.
  bool AskCuttingTiming();
  // 1 when the dialog ended with OK, 2 otherwise (refused or cancelled).
  int RunStripRoadDialog();
  int RunCorridorThinning();
  int RunRegenerationCutting();
  int RunSelectionCutting();
  // The selection cutting's requirements at a phase; with show set, a
  // failure disables the selection dialog's removal list and writes why.
  bool CheckSelectionCuttingPreconditions(bool show, int phase);

  // The stand card's timber-sale panel and report button (ActsReports.cpp).
  void Panel11Click();
  void Button3Click();

  // ---- Stand commands (ActsStandCommands.cpp) ----
  // Asks, refuses a stand of the model estate, deletes the stand file and
  // reports a refusal of the file system; true only when the file was
  // deleted. fromOpenWindow: the open-stand window asks.
  bool DeleteStand(const QString& path, const QString& identifier, bool modelEstate, bool fromOpenWindow) override;
  // The measurement window for the open stand's data; 1 when the changed
  // stand was saved.
  int ChangeStandData() override;

  // ---- The open stand and the estate stand list (ActsStandList.cpp) ----
  // Records what a new or re-measured stand needs (phase 0, slot 0, the
  // species ages) and writes its file to the session's stand path (modes 2
  // and 3), then hides the start window and shows the main window for the
  // stand; modes 1 to 4 have the estate stand list rebuilt. False (with the
  // message shown, the start and main windows as they were) when the new
  // file could not be written, or when no stand is open.
  bool ActivateStand(int mode) override;
  // Rebuilds the estate stand list from the session's stand files and
  // refreshes the estate views (time points, grid, chart, overview).
  void OpenEstateFolder();
  // Fills the stand list from the estate stand list: the growing stock
  // (withTimePoint clear) or, with the estate's removal at its time point
  // given by removalAt for stand i, the cutting removal; as value or volume.
  void FillMainStandList(bool withTimePoint, bool asValue,
                         const std::function<StandRemovalAtTimePoint(int)>& removalAt = {});
  // Row i of the stand list with the given separator, as FillMainStandList
  // makes it.
  QString MainStandListRow(int i, const QString& separator, bool withTimePoint, bool asValue,
                           const std::function<StandRemovalAtTimePoint(int)>& removalAt) const;
  // The row as the list now shows it (its options ticked or not), with
  // another separator.
  QString ShownStandListRow(int row, const QString& separator) const override;

  // ---- The session (ActsSession.cpp) ----
  QSize WindowSize() const override;
  void ResizeMainWindow(QSize target) override;
  void CentreStartWindow() override;
  // The new-forest button and the estate chart's info panel, shown or
  // hidden with the session told.
  void ShowNewForestButton(bool shown);
  void ShowForecastInfoPanel(bool shown);

  // Menu commands.
  void M15Click();
  void M31Click();
  void M32Click();
  // The settings menu: 1 prices, 2 recommendations, 3 display options.
  void ShowSettingsForm(int page);

  // ---- Estate panel (estate/ActsEstate.cpp) ----
  TEstateChart* Chart2 = nullptr;      // estate chart
  QLabel* Label13 = nullptr;           // on Chart2: the unsaved notice
  TRadioGroup* RadioGroup1 = nullptr;  // estate time points
  QTableWidget* StringGrid6 = nullptr; // estate grid
  QLabel* Panel5Caption = nullptr;     // "info"
  QLabel* Panel8Caption = nullptr;     // "Lisätietoja"
  QCheckBox* CheckBox8 = nullptr;      // chart per hectare
  QCheckBox* CheckBox9 = nullptr;      // chart in currency
  QCheckBox* CheckBox17 = nullptr;     // grid in currency
  QCheckBox* CheckBox18 = nullptr;     // stand list shows the removal
  QCheckBox* CheckBox19 = nullptr;     // stand list in currency
  // The session's estate stand list with its time points (RadioGroup1 shows
  // the items), as the estate rules read it.
  Estate CurrentEstate() const;
  void BuildEstateTimePoints();
  void CopyTimePointsToEstateWindows();
  void RefreshEstateGridAndChart();
  void FillEstateGrid();
  void ShowEstateChart(int count, bool inCurrency, bool perHa);
  void ClearEstateChart();
  void ShowStandListSummary(int listMode, bool valueMode);
  void RefreshStandListSummary(bool warn);
  void WarnMeasurementYears(const QString& yearText);
  void PlaceEstateTimePointGroup();
  void LayoutEstateGrid();
  void SetEstatePanelVisibility(int mode);
  void SetEstateTimePointCaption(bool shown);
  void PlaceEstateCurrencyCheckBox();
  void ShowForecastInfo(int item);
  void ShowStandDatabase(bool charts);
  // The stand list's rows: the growing stock, or the removal of each stand
  // (removal), as volume or value.
  void FillStandList(bool removal, bool value);
  // The estate views after the stand list was rebuilt: the time-point group,
  // the time points with the grid and chart, the overview's captions and
  // tables (the rebuild of the stand list ends with this).
  void RefreshEstateViews();
  // Empties the estate panel for a stand of a new folder.
  void ClearEstatePanel();
  void RadioGroup1Click();
  void CheckBox8Click();
  void CheckBox17Click();
  void CheckBox18Click();
  void Panel8Click();
  void Panel5Click();
  void DirectoryListBox1Click();

  // ---- Overview page (ActsOverview.cpp) ----
  TCanvas* Image13 = nullptr;     // dot map as measured
  TCanvas* Image11 = nullptr;     // dot map after the steps
  QFrame* Image131 = nullptr;     // frame of the measured map
  QFrame* Image111 = nullptr;     // frame of the after map
  QLabel* Label6 = nullptr;       // caption over the maps
  QLabel* Label17 = nullptr;      // caption of the measured map
  QLabel* Label43 = nullptr;      // caption of the second map
  QLabel* Label3 = nullptr;       // the steps up to the current phase
  // Legend: name and dot of pine, spruce, birch, aspen and alder.
  QLabel* Label33 = nullptr;
  QLabel* Label34 = nullptr;
  QLabel* Label32 = nullptr;
  QLabel* Label35 = nullptr;
  QLabel* Label31 = nullptr;
  QLabel* Label36 = nullptr;
  QLabel* Label25 = nullptr;
  QLabel* Label351 = nullptr;
  QLabel* Label26 = nullptr;
  QLabel* Label361 = nullptr;
  TRadioGroup* RadioGroup5 = nullptr;  // dot size
  TRadioGroup* RadioGroup4 = nullptr;  // log-tree enlargement
  QCheckBox* CheckBox2 = nullptr;      // removal view ("Hakkuukertymä")
  QCheckBox* CheckBox5 = nullptr;      // mortality view ("Luonnonpoistuma")
  QListWidget* ListBox2 = nullptr;     // chart content
  QCheckBox* CheckBox7 = nullptr;      // characteristics in value
  QCheckBox* CheckBox11 = nullptr;     // assortments in value
  QCheckBox* CheckBox12 = nullptr;     // assortments for the whole stand
  QCheckBox* CheckBox6 = nullptr;      // species by stems
  QCheckBox* CheckBox13 = nullptr;     // removal chart in value
  QCheckBox* CheckBox14 = nullptr;     // removal chart for the whole stand
  TOverviewChart* Chart3 = nullptr;    // the stand as measured
  TOverviewChart* Chart4 = nullptr;    // the current phase, or the removal
  QPushButton* BitBtn3 = nullptr;      // help of the page
  // The page was refreshed for the present removal / mortality choice.
  bool OverviewModeShown = false;

  // Draws the after map, the measured one first with withBefore; with
  // refreshCharts the charts of the maps and the legend texts follow.
  void DrawTreeMaps(bool withBefore, bool refreshCharts);
  void DrawTreeDotMap(TCanvas* image, bool before, bool refreshCharts);
  // The dot-size choices: both maps again (both), else the measured one.
  void RedrawDotMaps(bool both);
  void RadioGroup4Click();
  // The cutting-stage list, the grow panel and the info panel by the
  // development class; the legend rows.
  void ApplyDevelopmentClassState(int developmentClass);
  void PlaceSpeciesLegend();
  // The legend's dots and names in their columns, each name as wide as its
  // text.
  void PlaceSpeciesLegendColumns();
  // The measured picture of the stand view with its labels and option
  // controls, hidden while the picture is drawn again.
  void SetBeforeViewControlsVisible(bool visible);
  // The overview mode of the two view boxes (0 standing, 1 removal,
  // 2 mortality).
  int OverviewModeOf() const;
  // Captions, the upper chart for the mode and the after map.
  void UpdateOverviewTab();
  void ShowOverviewMode();
  void SetSecondMapCaption(const QString& text);
  // The overview part of the full reset for a loaded stand.
  void ResetOverviewTab();
  // One chart for slot k by the list's choice; the removal chart.
  void RefreshOverviewCharts(int k, TOverviewChart* chart);
  void ShowAssortmentChart(bool keepLayout, TOverviewChart* chart);
  void LayoutOverviewPage();
  // The recommendation panel and the note that replaces it, under the after
  // map at its right.
  void PlaceRecommendationPanel();
  // Handlers of the page.
  void ApplyOverviewChartChoice();  // ListBox2
  void CheckBox2Click();
  void CheckBox5Click();
  void CheckBox6Click();
  void CheckBox7Click();
  void CheckBox11Click();
  void CheckBox13Click();

  // ---- Stand list, menu and help (ActsCommands.cpp) ----
  QPushButton* Button6 = nullptr;  // new stand ("Uusi")
  QPushButton* Button8 = nullptr;  // change the stand list ("Vaihda")
  QPushButton* Button9 = nullptr;  // map ("Kartta")
  QPushButton* BitBtn4 = nullptr;  // help of the stand list
  QPushButton* BitBtn6 = nullptr;  // help of the stand view
  QLabel* Panel14Caption = nullptr;
  void PlaceCommandButtons();
  // The open stand's data in the open-stand window.
  void ShowStandInformation();
  void ListBox1Click();
  void Button6Click();
  void Button8Click();
  void M11Click();
  void M12Click();
  void M13Click();
  void Button9Click();
  void Panel14Click();
  void BitBtn2Click();
  void BitBtn3Click();
  void BitBtn4Click();
  void BitBtn6Click();

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void CreateStandCard();
  void CreateEstatePanels();
  void CreateEstateControls();
  void CreatePages();
  void CreateMenu();
  void CreateStandViewTexts();
  void ConnectCuttingCommands();
  // After a committed cutting dialog: the enabling rules, the views, the
  // unsaved mark.
  void CuttingCommitted();
  // Runs a cutting dialog (absent: nothing) and commits its OK: 1 when it
  // ended with OK, otherwise 2.
  int RunCuttingDialog(TCuttingForm* dialog);
  void CreateOverviewPage();
  void CreateStandCommands();
  void SetMainWindowCaptions();
  void PaintBackground();
  void SetWindowColor(const QColor& c) override;

  bool activationQueued_ = false;
  bool started_ = false;
  bool refused_ = false;
  // The live values for the texts and the settings refreshes (ActsState.cpp).
  struct Hooks;
  Hooks* hooks_ = nullptr;
  void InstallHooks();
  // Connects the session's requests and keeps its view of the window
  // current (ActsSession.cpp).
  void ConnectSession();
  // The stand list's rows and current row into the session.
  void PublishStandList();
};

extern TActForm* ActForm;
