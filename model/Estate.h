#pragma once
// The estate stand list: one EstateRecord per stand file of an estate folder,
// read from the fixed records of each file (header, regeneration choices and
// the six phase slots) so that the estate views can total every stand without
// loading its tree list.
//
// Every list of the estate's stands (the main window's stand list and its
// hidden file list, these records, the open-stand window's list) is indexed
// by the position of the file in EstateStandFiles of the folder, so one order
// serves them all.

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

#include "model/Data.h"

// One stand of the estate (kept in memory only, never written to a file).
struct EstateRecord {
  QString fileName;         // the stand file's name, without its folder
  QString measurementDate;  // the header's measurement day, "dd.mm.yyyy"
  QString estateName;
  QString standId;
  int32_t developmentClass = 0;
  int32_t siteType = 0;
  float area = 0.0f;  // hectares
  std::array<PhaseSlot, kPhaseCount> phaseSlots{};
  // The nine regeneration choices; the two reserved words stay 0.
  RegenerationChoices regeneration;
  // Ok when the file's fixed records were read and passed the reader's
  // checks; otherwise every field but the file name is as a new record has
  // it (no area, no volumes), so that the file is listed but counts for
  // nothing in the estate's totals.
  StandFileStatus status = StandFileStatus::CannotOpen;

  bool IsReadable() const { return status == StandFileStatus::Ok; }
  // "yyyy" of the measurement date (empty for an unreadable file).
  QString Year() const { return YearOfDateText(measurementDate); }
};
using EstateRecordList = std::vector<EstateRecord>;

// The mask of the stand files of a folder: "*." + the stand-file extension.
QString StandFileMask();
// The stand files of a folder (files matching StandFileMask, folders and
// other entries left out), sorted by name without regard to case, names
// equal but for case in code-point order. An empty or missing folder gives
// an empty list.
QStringList EstateStandFiles(const QString& folder);
// The files of a folder matching a mask (case ignored), in the same order.
QStringList FilesOfFolder(const QString& folder, const QString& mask);

// Reads one record from folder + "/" + fileName. The file is opened
// read-only and only its fixed records are read; the checks are those of the
// stand-file reader. On failure the record holds only its file name and the
// status says why.
EstateRecord ReadEstateRecord(const QString& folder, const QString& fileName);
// One record per file name, in the order given.
EstateRecordList BuildEstateList(const QString& folder, const QStringList& fileNames);
// The records of every stand file of a folder, in EstateStandFiles order.
EstateRecordList ListEstateFolder(const QString& folder);

// The save command keeps the open stand's record as the file now is.
void CopySlotBlocksToEstateRecord(EstateRecord& record, int k, const PhaseSlot& slot);
void SetEstateRegenerationChoices(EstateRecord& record, const RegenerationChoices& choices);

// The sum of the areas of records 0..n-1 (n is clamped to the list; 0 when
// n <= 0), in single precision as the records hold them.
float EstateTotalArea(const EstateRecordList& records, int n);
// Assortment volume j (0..12) of slot k (0..5) of a record, m3/ha; with
// wholeArea the volume of the stand's whole area, rounded as the stand object
// rounds its whole-area volumes (a difference from the same base, so that
// removals add up). Indexes outside their ranges give 0.
int EstateSlotAssortmentVolume(const EstateRecord& record, int k, int j, bool wholeArea);

// The measurement year(s) of the estate from the records' dates:
// mode 0: the year of record 0 when every record has the same year, else the
//         empty text;
// mode 1: the smallest year, or the smallest + "-" + the last two digits of
//         the largest when they differ ("2015-18");
// mode 2: as mode 1 with " - " ("2015 - 18");
// any other mode: the largest year.
// Years are compared as numbers; unreadable records have no year and are
// left out. No record with a year gives the empty text.
QString LatestMeasurementYear(const EstateRecordList& records, int mode);

// ---- The estate with its time points ------------------------------------------

// The items and what they were built from. Rebuilt whenever the estate stand
// list changes; read by every estate view.
struct EstateTimePoints {
  // 0 measured only, 1 cutting, 2 leading growth, 3 leading growth and
  // cutting, 4 growth after cutting, 5 leading growth and growth after
  // cutting, 44 scheme 5 without its after-growth item, 6 every stand grown
  // twice and nothing else.
  int scheme = 0;
  // Year or "first - last" range of the cuttings; empty without a cutting.
  QString cuttingYear;
  // Item texts, a year part "v. yyyy  :  " in front when the counted stands
  // share the year.
  QStringList items;
};

// The stand list and its time points, as every estate rule reads them.
struct Estate {
  const EstateRecordList& stands;
  const EstateTimePoints& points;
  int Count() const { return static_cast<int>(stands.size()); }
};
