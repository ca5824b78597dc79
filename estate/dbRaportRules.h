#pragma once
// The estate report's text, without a widget: the estate overview's tables
// (the distribution by development class or site type, the timber
// assortments and the stand table) as fixed-width lines.
//
// The overview shows its cells in a proportional font in columns of pixel
// widths; the report gives every column of a table one character width (its
// widest cell), after cutting the blanks the overview keeps in front of some
// columns, so that the columns line up in the report's fixed-pitch font.

#include <QString>
#include <QStringList>
#include <vector>

namespace dbraport {

// The three tables: 1 the distribution, 2 the assortments, 3 the stands.
enum TableKind { kDistribution = 1, kAssortments = 2, kStands = 3 };

// One table of the overview: its title, the heading row, the rows and the
// totals row, cell by cell.
struct OverviewTable {
  QString title;
  QStringList headings;
  std::vector<QStringList> rows;
  QStringList totals;
};

// A cell's text for the report: the stand table's long headings shortened,
// then at most as many leading blanks removed as the column's cut says, and
// the trailing blanks.
QString ReportCellText(int kind, const QString& cell, int column, bool heading);

// One section: the title (and for the assortments the note about small
// seedling stands, when there is one), the heading, the rows and the totals,
// each line with one blank of indent. rowCount limits the rows read (the
// stand table: the number of stands). Distribution rows without stands
// (empty second cell) and empty lines are left out.
void WriteOverviewTable(QStringList& memo, int kind, const OverviewTable& table, int rowCount,
                        const QString& note = QString());

struct EstateReportInput {
  QString today;       // "dd.mm.yyyy"
  QString countLabel;  // the overview's estate, stand count and area line
  bool distribution = true;
  bool assortments = true;
  bool stands = true;
  OverviewTable distributionTable;
  OverviewTable assortmentTable;
  OverviewTable standTable;
  int standCount = 0;
  QString assortmentNote;  // empty: no note
};
// The whole report: empty when no section is chosen; otherwise the title
// line, the count line, a blank line and the chosen sections with a line of
// 76 "-" between two of them.
QStringList BuildEstateReport(const EstateReportInput& in);

// The note under the assortments' title when small seedling stands are left
// out of the growth: "    - puutavaralajien tilavuus ei sisällä pienien
// taimikoiden (<count text>, <area> ha) kasvua".
QString SmallSeedlingNote(const QString& countText, float areaHa);

}  // namespace dbraport
