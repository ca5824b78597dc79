#pragma once
// The open-stand window `TOpenForm` (one object, `OpenForm`): one stand file,
// or the open stand, shown before the user commits to it. Three modes, set
// by whoever shows it:
//   list mode          the folder's stand list and the Open button
//                      (OpenStandFile from the open dialog);
//   single-stand mode  the Open button without the list (a click in the main
//                      window's stand list);
//   stand-data mode    the open stand's data, with the change-data button
//                      instead of Open (DrawStandPicture).
//
// Where the code lives:
//   Open.cpp          creation: controls, captions, colours, layout, position
//   OpenPreview.cpp   the stand list, header and caption, the preview
//                     (table, ages, charts, dot map, stand view)
//   OpenCommands.cpp  activation and closing, list click, Open, Delete,
//                     change data, help, the view options
//   OpenFile.cpp      the ways in: a stand file probed and previewed, the
//                     stand confirmed loaded (OpenFile.h)
// What the window shows is computed by OpenRules.h.

#include <QDialog>
#include <QImage>
#include <QString>

#include <array>

#include "model/Data.h"
#include "stands/OpenRules.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTextEdit;
class TBarChart;
class TCanvas;
class TDirectoryListBox;
class TFileListBox;

class TOpenForm : public QDialog {
  Q_OBJECT
 public:
  explicit TOpenForm(QWidget* parent = nullptr);  // FormCreate
  ~TOpenForm() override;

  // ---- Controls (layout names) ----
  QFrame* Panel2 = nullptr;     // stand list and per-species table
  QLabel* Label47 = nullptr;    // the main window's stand-list row outside list mode
  QLabel* Label4 = nullptr;     // list header or estate line
  QListWidget* ListBox1 = nullptr;  // stand list, one row per stand file
  TFileListBox* FileListBox1 = nullptr;          // hidden: the folder's stand files
  TDirectoryListBox* DirectoryListBox1 = nullptr;  // hidden: the folder
  QLabel* Label2 = nullptr;     // measurement line
  QLabel *Label9 = nullptr, *Label10 = nullptr, *Label11 = nullptr, *Label43 = nullptr, *Label44 = nullptr;
  QLabel *Label8 = nullptr, *Label22 = nullptr;   // row 1 heading and unit
  QLabel *Label5 = nullptr, *Label23 = nullptr;   // row 2
  QLabel *Label7 = nullptr, *Label21 = nullptr;   // row 3
  QLabel *Label31 = nullptr, *Label34 = nullptr;  // row 4
  QLabel* Label32 = nullptr;    // age note
  std::array<QLabel*, 5> DiameterLabels{};   // Label12, Label16, Label19, Label28, Label39
  std::array<QLabel*, 5> HeightLabels{};     // Label14, Label17, Label20, Label26, Label41
  std::array<QLabel*, 5> BasalAreaLabels{};  // Label3, Label15, Label18, Label38, Label42
  std::array<QLabel*, 5> AgeLabels{};        // Label37, Label35, Label33, Label45, Label46
  QLabel* Label48 = nullptr;
  QTextEdit* RichEdit1 = nullptr;  // additional information, read-only
  QFrame* Panel6 = nullptr;
  TBarChart* Chart1 = nullptr;     // growing stock by assortment
  QCheckBox* CheckBox1 = nullptr;  // value instead of volume
  QFrame* Panel3 = nullptr;        // sample panel
  QLabel* Label25 = nullptr;       // sample-map caption
  TCanvas* Image1 = nullptr;       // sample dot map, 400 x 100
  QLabel* Label29 = nullptr;       // stand-means line
  QLabel* Label30 = nullptr;       // stem-count caption
  TBarChart* Chart3 = nullptr;     // stem counts
  QListWidget* ListBox2 = nullptr;  // grouping
  QLabel* Image2 = nullptr;         // frame of the grouping list
  QComboBox* ComboBox14 = nullptr;  // stem-count alternative
  TCanvas* Image3 = nullptr;        // stand view
  QLabel* Label6 = nullptr;         // its caption
  QCheckBox *CheckBox2 = nullptr, *CheckBox3 = nullptr, *CheckBox4 = nullptr, *CheckBox5 = nullptr,
            *CheckBox7 = nullptr;   // 0.5 ha, winter, log trees, broadleaves, conifers
  QLabel *Label13 = nullptr, *Label27 = nullptr, *Label24 = nullptr, *Label36 = nullptr,
         *Label40 = nullptr;        // their labels (a click toggles the box)
  QFrame* Panel5 = nullptr;         // button bar
  QLabel* Panel7 = nullptr;         // Delete
  QLabel* Label1 = nullptr;         // summary line
  QPushButton* Button2 = nullptr;   // change stand data
  QPushButton* BitBtn2 = nullptr;   // help
  QPushButton* Button3 = nullptr;   // Open (result 1)
  QPushButton* Button1 = nullptr;   // Close (result 2)

  // ---- The previewed stand ----
  QString PreviewPath;
  float PreviewBasalArea = 0.0f;
  bool Activated = false;
  QString SavedBasalAreaCaption;
  QString SavedSampleCaption;
  StandHeader PreviewHeader;
  AssortmentVolumes PreviewVolumes{};
  std::array<int, kSpeciesSlots> PreviewSpeciesTrees{};
  int PreviewTreeCount = 0;
  int PreviewRemoval = 0;
  std::array<SpeciesBlock, kSpeciesSlots> PreviewSpecies{};
  // The trees of the dot map (x, y, species, log tree), drawn again when the
  // picture is cleared by a layout pass.
  struct MapTree {
    float x, y;
    int species;
    bool logs;
  };
  std::vector<MapTree> PreviewMapTrees;

  // ---- Modes ----
  bool IsOpenMode() const;
  bool IsListMode() const;
  OpenMode Mode() const;
  // Sets the mode before a showing: list visible, Open button visible.
  void SetShowMode(bool openButton, bool standList);

  // ---- Operations used by the opening code (OpenPreview.cpp) ----
  void ShowPreviewTotals(const StandProbe& probe, const QString& path);
  void SetPreviewRemoval(int m3PerHa) { PreviewRemoval = m3PerHa; }
  int GetPreviewRemoval() const { return PreviewRemoval; }
  void ClearStandViewImage(TCanvas* image, bool freeSample, bool background12);
  // Draws the previewed trees into the dot map.
  void DrawPreviewMap();
  void LayoutOpenWindow(bool showView);
  void PositionOpenWindow();
  void FillOpenWindowStandList(bool countOnly);
  void SetOpenWindowHeader(int mode, int count, int total, float area, const QString& tail);
  void RefreshOpenPreview(bool pause);
  void ArrangePreviewRows();
  void ShowPreviewMeasurementLine(bool first);
  void ShowPreviewPanels(bool show);
  void ShowPreviewSpeciesTable();
  void ShowPreviewAges();
  void ShowPreviewStructure();
  void DrawOpenStandView(bool pause);
  void DrawGrowingStockChart();
  void DrawStemCountChart();

  // ---- Handlers (OpenCommands.cpp) ----
  void FormActivate();
  void FormClose();
  void ListBox1Click();
  void PreviewSelectedFile();
  void Button3Click();
  void Panel7Click();
  void Button2Click();
  void BitBtn2Click();
  void CheckBox1Click();
  void CheckBox2Click();
  void CheckBox4Click();
  void CheckBox5Click();
  void CheckBox7Click();

 protected:
  void showEvent(QShowEvent* e) override;
  void done(int r) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void CreateUpperPanel();
  void CreateSamplePanel();
  void CreateStandView();
  void CreateButtonBar();
  void SetOpenWindowCaptions();
  void ClearActiveControl();
  void PaintWindow(const QColor& colour);
  // Every value label of the table (20).
  std::vector<QLabel*> ValueLabels() const;
  // A species filter box checked: the other filter is unchecked without a
  // redraw of its own, then the picture is redrawn.
  void ExclusiveFilterClick(QCheckBox* box, QCheckBox* other);
  bool openButton_ = true;
  bool standList_ = false;
  // Chart1's bottom margin (its top margin is 0).
  int chartBottomMargin_ = 1;
};

extern TOpenForm* OpenForm;
