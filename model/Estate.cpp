#include "model/Estate.h"

#include <QDir>

#include <algorithm>

#include "model/StandFile.h"
#include "platform/Files.h"
#include "texts/Commonlan.h"

QString StandFileMask() { return QStringLiteral("*.") + CommonlanText(0); }

QStringList EstateStandFiles(const QString& folder) { return FilesOfFolder(folder, StandFileMask()); }

QStringList FilesOfFolder(const QString& folder, const QString& mask) {
  if (folder.isEmpty()) return {};
  const QDir dir(folder);
  if (!dir.exists()) return {};
  QStringList names = dir.entryList(QStringList{mask}, QDir::Files | QDir::Hidden, QDir::NoSort);
  std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
  });
  return names;
}

EstateRecord ReadEstateRecord(const QString& folder, const QString& fileName) {
  EstateRecord r;
  r.fileName = fileName;
  standfile::StandSummary s;
  r.status = standfile::ReadStandSummary(platform::JoinPath(folder, fileName), s);
  if (!r.IsReadable()) return r;
  r.measurementDate = MeasurementDateTextOfDay(s.header.measurementDay);
  r.estateName = s.header.estateName;
  r.standId = s.header.standId;
  r.developmentClass = s.header.developmentClass;
  r.siteType = s.header.siteType;
  r.area = s.header.area;
  SetEstateRegenerationChoices(r, s.regeneration);
  for (int k = 0; k < kPhaseCount; ++k) CopySlotBlocksToEstateRecord(r, k, s.phaseSlots[k]);
  return r;
}

EstateRecordList BuildEstateList(const QString& folder, const QStringList& fileNames) {
  EstateRecordList records;
  records.reserve(static_cast<size_t>(fileNames.size()));
  for (const QString& name : fileNames) records.push_back(ReadEstateRecord(folder, name));
  return records;
}

EstateRecordList ListEstateFolder(const QString& folder) { return BuildEstateList(folder, EstateStandFiles(folder)); }

void CopySlotBlocksToEstateRecord(EstateRecord& record, int k, const PhaseSlot& slot) {
  if (k < 0 || k >= kPhaseCount) return;
  record.phaseSlots[k] = slot;
}

void SetEstateRegenerationChoices(EstateRecord& record, const RegenerationChoices& choices) {
  record.regeneration.choice = choices.choice;
}

float EstateTotalArea(const EstateRecordList& records, int n) {
  const int count = std::min(n, static_cast<int>(records.size()));
  float area = 0.0f;
  for (int i = 0; i < count; ++i) area += records[i].area;
  return area;
}

int EstateSlotAssortmentVolume(const EstateRecord& record, int k, int j, bool wholeArea) {
  if (k < 0 || k >= kPhaseCount || j < 0 || j >= kAssortmentCount) return 0;
  const int c = record.phaseSlots[k].volumes[j];
  if (!wholeArea) return c;
  const int m = std::max(record.phaseSlots[0].volumes[j], record.phaseSlots[1].volumes[j]);
  return AreaScaledDifference(record.area, m, c);
}

QString LatestMeasurementYear(const EstateRecordList& records, int mode) {
  bool any = false;
  bool allSame = true;
  int low = 0;
  int high = 0;
  QString first, lowText, highText;
  for (const EstateRecord& r : records) {
    if (!r.IsReadable()) continue;
    const QString text = r.Year();
    const int year = text.toInt();
    if (!any) {
      any = true;
      first = lowText = highText = text;
      low = high = year;
      continue;
    }
    if (text != first) allSame = false;
    if (year < low) {
      low = year;
      lowText = text;
    } else if (year > high) {
      high = year;
      highText = text;
    }
  }
  if (!any) return QString();
  if (mode == 0) return allSame ? first : QString();
  if (mode != 1 && mode != 2) return highText;
  if (low == high) return lowText;
  return lowText + (mode == 1 ? QStringLiteral("-") : QStringLiteral(" - ")) + highText.right(2);
}
