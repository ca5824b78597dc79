#pragma once
// The estate overview window `TFolderForm` (one object, `FolderForm`): all
// stands of the open estate in tables: one row per stand with its growing
// stock or cutting removal at a chosen time point, per hectare or per stand;
// a totals row; the distribution of area and measured stock over development
// classes or site types; the timber assortments with their volumes and
// values. It reads the estate stand list and never writes data. The rules
// behind the tables are in FolderRules.

#include <QDialog>
#include <QString>
#include <QStringList>
#include <array>

#include "estate/FolderRules.h"

class QCheckBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class TRadioGroup;

class TFolderForm : public QDialog {
  Q_OBJECT
 public:
  explicit TFolderForm(QWidget* parent = nullptr);  // FormCreate

  // ---- Controls (layout names) ----
  QLabel* Label2 = nullptr;    // estate title, stand count and area
  QLabel* Label39 = nullptr;   // "Metsikkökuviot": the stand table's title
  QLabel* Label10 = nullptr;   // "khl - jakauma": the distribution's title
  QLabel* Label23 = nullptr;   // "puutavaralajijakauma": the assortments' title
  QLabel* Label47 = nullptr;   // hidden, measures texts
  QTableWidget* StringGrid3 = nullptr;    // stand table heading
  QTableWidget* StringGrid1 = nullptr;    // stand table
  QTableWidget* StringGrid2 = nullptr;    // stand table totals
  QTableWidget* StringGrid33 = nullptr;   // distribution heading
  QTableWidget* StringGrid11 = nullptr;   // distribution rows
  QTableWidget* StringGrid22 = nullptr;   // distribution totals
  QTableWidget* StringGrid111 = nullptr;  // assortment rows
  QTableWidget* StringGrid222 = nullptr;  // assortment totals
  QTableWidget* StringGrid333 = nullptr;  // assortment heading
  QListWidget* ListBox1 = nullptr;        // "kehitysluokat", "kasvupaikkatyypit"
  QCheckBox* CheckBox1 = nullptr;         // per hectare
  QCheckBox* CheckBox2 = nullptr;         // removal view
  TRadioGroup* RadioGroup1 = nullptr;     // estate time point
  QFrame* Panel5 = nullptr;               // "info"
  QPushButton* Button23 = nullptr;        // "Raportti"
  QPushButton* Button6 = nullptr;         // "Kartta"
  QPushButton* BitBtn2 = nullptr;         // " Ohje"
  QPushButton* Button1 = nullptr;         // "Sulje"

  // Set by the opener; the next activation sets the window up and clears it.
  int SetupRequested = 0;
  // The distributions of the last fill (the estate charts and the estate
  // report read them).
  Distribution Classes;
  Distribution Sites;

  // Fills the stand table and its totals, the assortment table and the
  // distributions for the chosen time point and views. The arguments are
  // the callers' marks; the tables always follow the window's own choices.
  void FillEstateOverview(int timePoint = 0, int view = 0);
  // The assortment table and the stand-table headings (with tables), then
  // FillEstateOverview.
  void RefillEstateOverview(bool withTables);
  // Captions with the estate's name; the stand count and area.
  void SetEstateCaptions();
  // Grids, fonts and column widths; once at start.
  void LayoutEstateOverview();
  void ShowEstateDistribution(bool siteTypes, bool withHeadings);
  // The main window's item that the chosen item stands for.
  int OverviewTimePointIndex() const;
  // The time-point items copied from the main window, and the group's height.
  void SetTimePointItems(const QStringList& items);
  void SetTimePointGroupHeight(int height);
  // The overview's own choices.
  bool WholeStand() const;
  bool RemovalView() const;

  // ---- Handlers ----
  void FormActivate();
  void CheckBox1Click();
  void CheckBox2Click();
  void RadioGroup1Click();
  void ListBox1Click();
  void Panel5Click();
  void Button23Click();
  void Button6Click();
  void BitBtn2Click();

  // Shows the window modally.
  int ShowModal();

 protected:
  void showEvent(QShowEvent* e) override;
  void done(int r) override;

 private:
  void StackControls();
  void FillGrid(QTableWidget* grid, int row, const QStringList& cells);
  void FillStandTable();
  bool filling_ = false;
};

extern TFolderForm* FolderForm;
