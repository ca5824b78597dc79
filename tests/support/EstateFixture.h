#pragma once
// Estate folders built by code for the tests and the benchmarks: stand files
// with chosen header fields and slot volumes, and files that are not stand
// files (truncated, oversized, foreign).

#include <QByteArray>
#include <QDate>
#include <QFile>
#include <QString>

#include <memory>
#include <random>

#include "model/Data.h"
#include "model/StandFile.h"
#include "platform/Files.h"

namespace estatefixture {

// Days since 30 December 1899 of a date.
inline int DayNumber(int year, int month, int day) {
  return static_cast<int>(QDate(1899, 12, 30).daysTo(QDate(year, month, day)));
}

// A stand of n trees spread over the plot (species by index, sizes by seed)
// with the given header fields; slot 0 is left for the caller to fill.
inline std::unique_ptr<data> MakeStand(const QString& id, int n, int year, float area, int devClass,
                                       int siteType, unsigned seed = 1) {
  auto s = std::make_unique<data>(n);
  s->Header.estateName = QString::fromUtf8("Koivulan tila");
  s->Header.standId = id;
  s->Header.info = QString::fromUtf8("Tuore kangas, tasainen maasto.");
  s->Header.developmentClass = devClass;
  s->Header.siteType = siteType;
  s->Header.measurementDay = DayNumber(year, 6, 15);
  s->Header.structureCode = 12;
  s->Header.area = area;
  std::mt19937 gen(seed);
  std::uniform_real_distribution<float> ux(20.0f, 620.0f), uy(50.0f, 200.0f), ud(600.0f, 3600.0f);
  for (int i = 0; i < n; ++i) {
    TreeRecord& t = s->Trees[i];
    t.x = ux(gen);
    t.y = uy(gen);
    t.diameter = ud(gen);
    t.height = 200.0f + t.diameter * 0.6f;
    t.species = i % 3;
    s->SpeciesBlocks[t.species].words[WordStems] += 1;
  }
  return s;
}

// Writes the stand's file image as it is (no sort, choices kept).
inline bool WriteStand(const data& s, const QString& path) {
  return platform::WriteFileAtomically(path, standfile::EncodeStand(s));
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

inline QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A file of the stand-file extension that is something else altogether.
inline QByteArray ForeignBytes() {
  QByteArray b;
  while (b.size() < 4000) b += "Tämä on muistiinpano, ei kuviotiedosto. ";
  return b;
}

}  // namespace estatefixture
