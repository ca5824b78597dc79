#include "estate/dbRaportRules.h"

#include <algorithm>

#include "estate/RaportRules.h"
#include "platform/Numbers.h"
#include "texts/Commonlan.h"

namespace dbraport {

namespace {

// Leading blanks the overview puts in front of a column's texts, which the
// report leaves out.
int FrontCut(int kind, int column) {
  static constexpr int kStandCuts[9] = {0, 0, 2, 3, 2, 1, 4, 3, 2};
  if (kind == kStands) return column >= 0 && column < 9 ? kStandCuts[column] : 0;
  return column == 1 || column == 2 ? 1 : 0;
}

QString TrimmedRight(QString text) {
  while (text.endsWith(QLatin1Char(' '))) text.chop(1);
  return text;
}

}  // namespace

QString ReportCellText(int kind, const QString& cell, int column, bool heading) {
  QString text = cell;
  if (kind == kStands && heading) {
    if (column == 6 && text.contains(QStringLiteral("tukin osuus"))) text = QStringLiteral("    tukki %");
    else if (column == 7 && text.contains(CommonlanText(52).toLower())) text = QStringLiteral("    kertymä");
    else if (column == 8 && text.contains(QStringLiteral("arvo"))) text = QStringLiteral("      arvo");
  }
  // Only blanks are cut: a text that starts earlier keeps its characters.
  int cut = 0;
  while (cut < FrontCut(kind, column) && cut < text.size() && text.at(cut) == QLatin1Char(' ')) ++cut;
  return TrimmedRight(text.mid(cut));
}

void WriteOverviewTable(QStringList& memo, int kind, const OverviewTable& table, int rowCount, const QString& note) {
  raport::AppendReportLine(memo, 1, table.title);
  if (kind == kAssortments && !note.isEmpty()) raport::AppendReportLine(memo, 1, note);
  // The rows that are written.
  std::vector<QStringList> rows;
  const int n = std::min<int>(rowCount, static_cast<int>(table.rows.size()));
  for (int r = 0; r < n; ++r) {
    const QStringList& row = table.rows[r];
    if (kind == kDistribution && (row.size() < 2 || row.at(1).trimmed().isEmpty())) continue;
    rows.push_back(row);
  }
  // Every column as wide as its widest text in this table.
  const auto cells = [&](const QStringList& row, bool heading) {
    QStringList out;
    for (int c = 0; c < row.size(); ++c) out << ReportCellText(kind, row.at(c), c, heading);
    return out;
  };
  std::vector<QStringList> lines;
  lines.push_back(cells(table.headings, true));
  for (const QStringList& row : rows) lines.push_back(cells(row, false));
  lines.push_back(cells(table.totals, false));
  std::vector<int> widths;
  for (const QStringList& line : lines)
    for (int c = 0; c < line.size(); ++c) {
      if (c >= static_cast<int>(widths.size())) widths.push_back(0);
      widths[c] = std::max<int>(widths[c], line.at(c).size());
    }
  const auto join = [&](const QStringList& line) {
    QString text;
    for (int c = 0; c < line.size(); ++c) text += line.at(c).leftJustified(widths[c]) + QLatin1Char(' ');
    return TrimmedRight(text);
  };
  raport::AppendBlankLine(memo);
  raport::AppendReportLine(memo, 1, join(lines.front()));
  raport::AppendBlankLine(memo);
  for (size_t i = 1; i + 1 < lines.size(); ++i) {
    const QString text = join(lines[i]);
    if (!text.isEmpty()) raport::AppendReportLine(memo, 1, text);
  }
  raport::AppendBlankLine(memo);
  raport::AppendReportLine(memo, 1, join(lines.back()));
}

QStringList BuildEstateReport(const EstateReportInput& in) {
  QStringList memo;
  if (!in.distribution && !in.assortments && !in.stands) return memo;
  raport::AppendReportLine(memo, 1,
                           in.today + QStringLiteral("  ") + CommonlanText(0) + QStringLiteral(" - ") +
                               CommonlanText(69).toLower());
  raport::AppendReportLine(memo, 1, QStringLiteral("    - ") + in.countLabel);
  raport::AppendBlankLine(memo);
  bool written = false;
  const auto section = [&](bool chosen, int kind, const OverviewTable& table, int rowCount, const QString& note) {
    if (!chosen) return;
    if (written) raport::AppendReportLine(memo, 1, QString(76, QLatin1Char('-')));
    WriteOverviewTable(memo, kind, table, rowCount, note);
    written = true;
  };
  section(in.distribution, kDistribution, in.distributionTable, static_cast<int>(in.distributionTable.rows.size()),
          QString());
  section(in.assortments, kAssortments, in.assortmentTable, static_cast<int>(in.assortmentTable.rows.size()),
          in.assortmentNote);
  section(in.stands, kStands, in.standTable, in.standCount, QString());
  return memo;
}

QString SmallSeedlingNote(const QString& countText, float areaHa) {
  return QStringLiteral("    - puutavaralajien tilavuus ei sisällä pienien taimikoiden ") +
         platform::FormatTexts("(%s, ", {countText}) + platform::FormatC("%1.2f ha) kasvua", static_cast<double>(areaHa));
}

}  // namespace dbraport
