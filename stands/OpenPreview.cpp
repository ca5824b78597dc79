// The open-stand window's stand list, header, caption and preview.

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTextEdit>

#include "model/ClassTables.h"
#include "model/Estate.h"
#include "model/Names.h"
#include "model/Sample.h"
#include "platform/Clock.h"
#include "platform/Numbers.h"
#include "stands/EstateListRules.h"
#include "stands/MeasRules.h"
#include "stands/MeasWidgets.h"
#include "stands/Open.h"
#include "texts/Commonlan.h"
#include "texts/Meoplan.h"
#include "ui/ApplicationWindows.h"
#include "ui/Canvas.h"
#include "ui/DotStamps.h"
#include "ui/FileLists.h"
#include "ui/Palette.h"
#include "ui/Session.h"
#include "ui/StandHost.h"
#include "ui/StandPicture.h"
#include "ui/WindowHelpers.h"

namespace {

void SetTextColour(QWidget* w, const QColor& c) { SetRoleColor(w, QPalette::WindowText, c); }

void SetLabel(QLabel* l, const QString& text) {
  l->setText(text);
  l->adjustSize();
}

}  // namespace

// ---- The stand list ------------------------------------------------------------

void TOpenForm::FillOpenWindowStandList(bool countOnly) {
  QStringList names;
  for (int i = 0; i < FileListBox1->count(); ++i) names << FileListBox1->item(i)->text();
  const EstateRecordList records = BuildEstateList(FileListBox1->Directory(), names);
  if (!countOnly) {
    ListBox1->clear();
    for (const EstateRecord& r : records) {
      ListBox1->addItem(OpenListLine(r));
      ListBox1->item(ListBox1->count() - 1)->setSizeHint(QSize(0, 16));
    }
  }
  const OpenListTotals t = OpenListTotalsOf(records);
  SetOpenWindowHeader(2, t.count, t.volumeM3, t.areaHa, CommonlanText(66) + QLatin1Char(' ') + t.yearText);
}

void TOpenForm::SetOpenWindowHeader(int mode, int count, int total, float area, const QString& tail) {
  QString caption;
  if (mode == 2) {
    const QString head = WindowTextByMode(DirectoryListBox1->Directory(), 3);
    const QString tailText = OpenListHeaderTail(StandCountText(count, 0), area, total, tail);
    SetLabel(Label4, FitTextToLabel(head, tailText, Panel2->width(), 12, Label4->font()));
    Label47->clear();
    const QWidget* intro = ApplicationWindow(QStringLiteral("IntroForm"));
    caption = OpenWindowCaptionText(OpenMode::List, QString(), intro && intro->isVisible());
    Label4->move((Panel2->width() - Label4->width()) / 2, Label4->y());
  } else {
    SetLabel(Label4, OpenEstateLine(PreviewHeader.estateName));
    // The stand's row of the main window's stand list, its parts separated
    // by commas.
    const StandHost* host = SessionHost();
    SetLabel(Label47, host && TheSession ? host->ShownStandListRow(TheSession->StandListRow, QStringLiteral(",  "))
                                         : QString());
    caption = OpenWindowCaptionText(mode == 1 ? OpenMode::SingleStand : OpenMode::StandData, PreviewHeader.standId,
                                    false);
    Label4->move(Label47->x(), Label4->y());
  }
  Label47->move(Label47->x(), (Label4->y() + Label2->y()) / 2);
  setWindowTitle(PadCaption(caption));
}

// ---- The preview --------------------------------------------------------------

void TOpenForm::RefreshOpenPreview(bool pause) {
  ShowPreviewMeasurementLine(true);
  ShowPreviewPanels(false);
  if (IsOpenMode()) DrawOpenStandView(pause);
  ShowPreviewMeasurementLine(false);
  ShowPreviewPanels(true);
  ShowPreviewSpeciesTable();
  ShowPreviewAges();
  ShowPreviewStructure();
  DrawGrowingStockChart();
  DrawStemCountChart();
}

void TOpenForm::ShowPreviewMeasurementLine(bool first) {
  const QString text = PreviewMeasurementLine(PreviewHeader);
  if (first) SetLabel(Label2, IsOpenMode() ? QString() : text);
  else if (Label2->text().isEmpty()) SetLabel(Label2, text);
  const QColor colour = IsListMode() ? PaletteColor(150) : Label47->palette().color(QPalette::WindowText);
  SetTextColour(Label2, colour);
  for (QLabel* l : ValueLabels()) SetTextColour(l, colour);
}

void TOpenForm::ShowPreviewPanels(bool show) {
  for (QLabel* l : ValueLabels()) l->setVisible(show);
  for (QWidget* w : std::initializer_list<QWidget*>{Image1, Label25, Label29, Label30, Chart1}) w->setVisible(show);
  if (show) {
    RichEdit1->setPlainText(PreviewHeader.info);
    RichEdit1->setEnabled(true);
    if (IsOpenMode()) {
      SetLabel(Label1, PreviewSummaryLine(PreviewHeader, GetPreviewRemoval()));
      const int gapLeft = Panel7->x() + Panel7->width();
      Label1->move(platform::TruncToInt((Button3->x() - gapLeft - Label1->width()) * 0.5 + gapLeft),
                   (Panel5->height() - Label1->height()) / 2);
    }
    return;
  }
  Label1->clear();
  SetLabel(Label8, QStringLiteral(" - ") + CommonlanText(16).toLower());
  SetLabel(Label22, CommonlanText(17));
  for (QWidget* w : std::initializer_list<QWidget*>{Label7, Label21, Label31, Label34}) w->show();
  for (QWidget* w : std::initializer_list<QWidget*>{Label32, ListBox2, ComboBox14, Image2, Chart3, CheckBox1})
    w->hide();
  RichEdit1->setEnabled(false);
  RichEdit1->clear();
}

void TOpenForm::ShowPreviewSpeciesTable() {
  const auto columns = PreviewSpeciesColumns(PreviewHeader.developmentClass, PreviewSpecies);
  for (int s = 0; s < 5; ++s) {
    const PreviewColumn& c = columns[s];
    DiameterLabels[s]->setText(c.diameter);
    HeightLabels[s]->setText(c.height);
    BasalAreaLabels[s]->setText(c.basalArea);
    DiameterLabels[s]->setVisible(c.shown);
    HeightLabels[s]->setVisible(c.shown);
    BasalAreaLabels[s]->setVisible(c.basalAreaShown);
  }
}

void TOpenForm::ShowPreviewAges() {
  const PreviewAges a = PreviewAgesOf(PreviewHeader.developmentClass, PreviewSpecies);
  for (int s = 0; s < 5; ++s) {
    AgeLabels[s]->setText(a.ages[s]);
    AgeLabels[s]->setVisible(!a.ages[s].isEmpty());
  }
  Label7->setVisible(a.basalAreaRowShown);
  Label21->setVisible(a.basalAreaRowShown);
  if (a.stemCountRow) {
    SetLabel(Label8, QStringLiteral(" - ") + CommonlanText(71).toLower());
    SetLabel(Label22, QStringLiteral("kpl/ha"));
  }
  Label32->setVisible(a.noteShown);
  Label34->setVisible(a.unitShown);
  Label31->setVisible(a.unitShown);
}

void TOpenForm::ShowPreviewStructure() {
  const int code = PreviewHeader.structureCode;
  ListBox2->setCurrentRow(StructureCodeGroupingIndex(code));
  ComboBox14->setVisible(code >= 0);
  const bool grouping = code >= -3;
  ListBox2->setVisible(grouping);
  Image2->setVisible(grouping);
  if (ComboBox14->isVisibleTo(this)) {
    int stems = 0;
    for (int s = 0; s < 5; ++s) stems += PreviewSpecies[s].words[WordStems];
    ComboBox14->clear();
    ComboBox14->addItem(StemCountAlternativeText(stems, code % 10));
    ComboBox14->setToolTip(ComboBox14->itemText(0));
    ComboBox14->setCurrentIndex(0);
  }
}

void TOpenForm::DrawGrowingStockChart() {
  const GrowingStockChart c = GrowingStockChartContent(PreviewVolumes, 0, CheckBox1->isChecked());
  std::vector<ChartBar> bars;
  for (const GrowingStockBar& b : c.bars) bars.push_back({double(b.value), b.label, SpeciesColor(b.colourCode)});
  Chart1->SetTitleLines({c.title1, c.title2});
  Chart1->SetBars(bars);
  Chart1->SetLeftAxisVisible(c.axisVisible);
  // With bars the footer holds one empty line, where the currency box sits.
  Chart1->SetFooterLines(c.axisVisible ? QStringList{QString()} : QStringList{});
  Chart1->SetBottomMargin(chartBottomMargin_ + (c.axisVisible ? CheckBox1->height() : 0));
  CheckBox1->setVisible(c.axisVisible);
}

void TOpenForm::DrawStemCountChart() {
  int counts[6] = {};
  int total = 0;
  for (int s = 0; s < 6; ++s) total += counts[s] = PreviewSpecies[s].words[WordStems];
  const bool show = ListBox2->isVisibleTo(this);
  std::vector<ChartBar> bars;
  for (const StemCountBar& b : StemCountChartBars(counts, true))
    bars.push_back({double(b.value), b.label, SpeciesColor(b.colourCode)});
  Chart3->SetBars(bars);
  Chart3->setVisible(show);
  const int row = ListBox2->currentRow();
  const QString code = row >= 0 && row < 3 ? ListBox2->item(row)->text().left(2) : QString();
  SetLabel(Label30, StemCountCaption(true, total, show, code,
                                     PreviewHeader.structureCode >= 0 ? PreviewHeader.structureCode % 10 : -1));
}

void TOpenForm::ShowPreviewTotals(const StandProbe& probe, const QString& path) {
  ShowSampleCaption(Chart3, Label25, probe.hasLogs, true);
  PreviewTreeCount = probe.treeCount;
  PreviewBasalArea = probe.sumG;
  PreviewPath = path;
  const StandMeans m = PreviewStandMeans(probe, PreviewHeader.developmentClass, PreviewSpecies);
  SetLabel(Label29, StandMeansText(m.meanHeight, m.meanDiameter, m.basalArea));
  SetTextColour(Label29, m.basalArea < -1.0f ? QColor(255, 0, 0) : palette().color(QPalette::WindowText));
  if (HasTreePicture(PreviewHeader.developmentClass) && IsOpenMode()) {
    // Each box unticked while disabled, so that its handler redraws nothing.
    for (auto [box, label, on] : {std::tuple{CheckBox4, Label24, probe.hasLogs},
                                  {CheckBox5, Label36, probe.hasBroadleaves},
                                  {CheckBox7, Label40, probe.hasBroadleaves}}) {
      box->setEnabled(false);
      box->setChecked(false);
      box->setEnabled(on);
      label->setEnabled(on);
    }
  }
}

// ---- Pictures --------------------------------------------------------------------

void TOpenForm::ClearStandViewImage(TCanvas* image, bool freeSample, bool background12) {
  if (freeSample && IsOpenMode() && HasTreePicture(PreviewHeader.developmentClass)) FreeSampleTrees();
  QPixmap pm(image->size());
  pm.fill(background12 ? PaletteColor(12) : PaletteColor22());
  QPainter p(&pm);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(0, 0, pm.width() - 1, pm.height() - 1);
  image->setPixmap(pm);
}

void TOpenForm::DrawPreviewMap() {
  if (Image1->pixmap().size() != Image1->size()) ClearStandViewImage(Image1, false, false);
  // Crisp dots with a black edge, as on the measurement window's map: a
  // pixel is the edge's colour or the species colour, never a blend.
  QImage image = Image1->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
  static DotStamps stamps;
  const QColor edge(0, 0, 0);
  const int w = image.width();
  const int h = image.height();
  for (const MapTree& t : PreviewMapTrees) {
    const int x = InterpolatePicturePosition(0, w, platform::TruncToInt(t.x), 20, 620);
    const int y = InterpolatePicturePosition(0, h, platform::TruncToInt(t.y), 50, 200);
    stamps.Draw(image, x, y, t.logs ? 4 : 2, edge, SpeciesColor(t.species));
  }
  Image1->setPixmap(QPixmap::fromImage(image));
}

void TOpenForm::DrawOpenStandView(bool pause) {
  PositionOpenWindow();
  for (QWidget* w : std::initializer_list<QWidget*>{Label13, Label27, Label24, Label36, Label40, CheckBox2, CheckBox3,
                                                    CheckBox4, CheckBox5, CheckBox7})
    w->hide();
  Label6->clear();
  const int dc = PreviewHeader.developmentClass;
  const bool half = CheckBox2->isChecked();
  const bool winter = CheckBox3->isChecked();
  const SampleViewFilter filter{CheckBox4->isChecked(), CheckBox5->isChecked(), CheckBox7->isChecked()};
  const int n = PreviewTreeCount;
  if (HasTreePicture(dc) && n <= MaxStemCount()) {
    PaintWindow(PaletteColor(12));
    if (pause) platform::Pause(standList_ ? 600 : 300);
    if (n > 0 && SampleTreeCount() >= n) SortSampleTrees(0, n - 1, true);
    QImage image(Image3->size(), QImage::Format_RGB32);
    const bool drawn = RenderStandPicture(HostWindowSize(), MainApplicationWindow(), image, PreviewSpeciesTrees.data(),
                                          n, PreviewBasalArea, winter, true, false, half, 2, filter);
    Image3->setPixmap(QPixmap::fromImage(image));
    const QColor caption = drawn ? QColor(255, 251, 240) : palette().color(QPalette::WindowText);
    SetTextColour(Label6, caption);
    for (QWidget* w : std::initializer_list<QWidget*>{Label13, Label27, Label24, Label36, Label40, CheckBox2,
                                                      CheckBox3, CheckBox4, CheckBox5, CheckBox7}) {
      SetTextColour(w, caption);
      w->show();
      w->raise();
    }
    PaintWindow(ColorFromBgr(kButtonFaceColor));
    SetLabel(Label6, StandViewCaptionText(PreviewVolumes,
                                          QLatin1Char(' ') + YearOfDateText(MeasurementDateTextOfDay(
                                                                 PreviewHeader.measurementDay)),
                                          half, filter.logTrees, filter.broadleaves, filter.conifers));
    Label6->raise();
    return;
  }
  ClearStandViewImage(Image3, false, true);
  Image3->setPixmap(ViewMessagePicture(Image3->size(), HasTreePicture(dc) ? 3 : 2,
                                       HasTreePicture(dc) ? QString() : DevelopmentClassName(1, dc), QString(),
                                       palette().color(QPalette::WindowText)));
}
