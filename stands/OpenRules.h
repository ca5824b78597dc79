#pragma once
// What the open-stand window shows, without a widget: the probe of a stand
// file (tree count, sums, removal), the lines and totals of its stand list,
// its header and caption texts, the per-species table, the ages, the stand
// means and the help lines.

#include <QString>
#include <QStringList>

#include <array>

#include "model/Data.h"
#include "model/Estate.h"

// ---- The probe of a stand ----------------------------------------------------

// Whether a tree (diameter 1/100 cm, height cm) gives logs: its diameter in
// whole cm and height in whole m, each rounded half away from zero, have a
// log share in the outturn table.
bool TreeGivesLogs(int species, float diameter, float height);
// Basal area of a tree of that diameter (1/100 cm), m2: pi (3.14159) x the
// radius in metres squared, in single precision.
float TreeBasalArea(float diameter);

// The cutting removal the preview shows, m3/ha: the volume before (slot 0,
// or slot 1 when it is a growing step) less the volume after the last
// operation of the recorded slots (those up to the first unnamed slot after
// slot 0); 0 without an operation.
int PreviewRemovalOfSlots(const std::array<PhaseSlot, kPhaseCount>& phases);

struct StandProbe {
  int treeCount = 0;                  // N, the sum of the species' stems words
  AssortmentVolumes slot0Volumes{};   // m3/ha
  int slot0Volume = 0;                // V0, their sum
  int removal = 0;                    // PreviewRemovalOfSlots
  std::array<int, kSpeciesSlots> speciesTrees{};  // 0 for a small seedling stand
  float sumG = 0.0f;   // basal area of the trees, m2/ha
  float sumGH = 0.0f;  // basal-area-weighted height sum, m x m2
  float sumGD = 0.0f;  // basal-area-weighted diameter sum, cm x m2
  bool hasLogs = false;
  bool hasBroadleaves = false;
};
// The probe of a stand read from its file, its trees in file order. A small
// seedling stand's trees count for the broadleaf flag only.
StandProbe ProbeStand(const data& stand);

// The stand means the preview shows: basal-area weighted, or for a small
// seedling stand without basal area the stem-weighted mean height of the
// species blocks (basal area -1: the seedling line); a stand without trees
// gives zeros (never a division by zero).
struct StandMeans {
  float meanHeight = 0.0f;    // m
  float meanDiameter = 0.0f;  // cm
  float basalArea = 0.0f;     // m2/ha, or -1 for a small seedling stand
};
StandMeans PreviewStandMeans(const StandProbe& probe, int developmentClass,
                             const std::array<SpeciesBlock, kSpeciesSlots>& blocks);

// The cutting stage chosen for a stand opened with recorded steps: 0
// (thinnings) when the current phase is a leading growing step or when its
// first or second step is strip roads, else 1 (final or selection cuttings).
int CuttingStageOfOpenedStand(const data& stand);

// ---- The stand list ------------------------------------------------------------

// One line of the window's stand list:
// "Kuvio id  :  1.50 ha,   <class>,   puusto 80 m3/ha"; a file that could not
// be read shows its file name and that.
QString OpenListLine(const EstateRecord& record);

struct OpenListTotals {
  int count = 0;
  int volumeM3 = 0;    // the estate's growing stock: sum of volume x area, each rounded
  float areaHa = 0.0f;
  QString yearText;    // "2012", or "2012-14" from the smallest and largest year
};
OpenListTotals OpenListTotalsOf(const EstateRecordList& records);
// The year text of the smallest and largest year: one year alone, else the
// smallest + "-" + the last two digits of the largest.
QString OpenListYearText(const QString& smallest, const QString& largest);

// The tail of the list header: ",  <count text>,  1.50 ha,  80 m3,  <tail>".
QString OpenListHeaderTail(const QString& countText, float areaHa, int volumeM3, const QString& tail);

// The window's caption text before padding: list mode "Kuviolistan avaus"
// (start window shown) or "Kuviolistan vaihto"; single-stand mode
// "Kuvio id, avaa tai poista"; stand-data mode "Kuvio id, kuviotiedot".
enum class OpenMode { StandData = 0, SingleStand = 1, List = 2 };
QString OpenWindowCaptionText(OpenMode mode, const QString& standId, bool startWindowShown);
// The estate line outside list mode: "Metsätilan nimi  :  <estate>".
QString OpenEstateLine(const QString& estateName);

// "Kuvio id  :  mittaus dd.mm.yyyy".
QString PreviewMeasurementLine(const StandHeader& header);
// "kuvio id,  <class>,  hakkuukertymä 12 m3/ha".
QString PreviewSummaryLine(const StandHeader& header, int removal);

// ---- The per-species table -------------------------------------------------------

struct PreviewColumn {
  bool shown = false;
  bool basalAreaShown = false;
  QString diameter;   // row 1: mean diameter, or the stems of a small seedling stand
  QString height;     // row 2
  QString basalArea;  // row 3
};
// Columns pine, spruce, birch, aspen, alder.
std::array<PreviewColumn, 5> PreviewSpeciesColumns(int developmentClass,
                                                   const std::array<SpeciesBlock, kSpeciesSlots>& blocks);

struct PreviewAges {
  std::array<QString, 5> ages;  // empty: the label is hidden
  bool noteShown = false;       // "puuston ikä annetaan kasvatuksen yhteydessä"
  bool unitShown = false;       // "vuotta" and the row heading
  bool basalAreaRowShown = true;
  bool stemCountRow = false;    // row 1 reads as the stem-count row
};
PreviewAges PreviewAgesOf(int developmentClass, const std::array<SpeciesBlock, kSpeciesSlots>& blocks);

// ---- Help ------------------------------------------------------------------------

// The three lines of the help window for a mode (the second empty).
QStringList OpenWindowHelpLines(OpenMode mode);
