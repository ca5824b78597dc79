// The measurement window's sample: its rebuild from the entries, the dot map,
// the stand-means line, the stem-count and growing-stock charts, and the
// stand view with its options.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QRadioButton>

#include "model/ClassTables.h"
#include "model/Sample.h"
#include "platform/Clock.h"
#include "platform/Numbers.h"
#include "stands/Meas.h"
#include "stands/MeasWidgets.h"
#include "texts/Actlan.h"
#include "texts/Meoplan.h"
#include "ui/ApplicationWindows.h"
#include "ui/MessageService.h"
#include "ui/DotStamps.h"
#include "ui/Palette.h"
#include "ui/RadioGroup.h"
#include "ui/Session.h"
#include "ui/StandPicture.h"
#include "ui/WindowHelpers.h"

namespace {

constexpr int kPlotLeft = 20;
constexpr int kPlotTop = 50;
constexpr int kPlotRight = 620;
constexpr int kPlotBottom = 200;

QImage ClearedImage(const QLabel* image, const QColor& colour) {
  QImage out(image->size(), QImage::Format_RGB32);
  out.fill(colour);
  return out;
}

// The trees of the sample as dots: a log tree a large one.
void DrawSampleDots(QImage& image, int count, bool seedling) {
  static DotStamps stamps;
  // The colours of the five species, worked out once.
  std::array<QColor, 5> fill;
  std::array<QColor, 5> edge;
  for (int s = 0; s < 5; ++s) {
    fill[static_cast<std::size_t>(s)] = SpeciesColor(s);
    edge[static_cast<std::size_t>(s)] = SpeciesColor(s).darker(170);
  }
  for (int i = 0; i < count; ++i) {
    const int px = InterpolatePicturePosition(0, image.width(), platform::TruncToInt(SampleTreeX(i)), kPlotLeft,
                                              kPlotRight);
    const int py = InterpolatePicturePosition(0, image.height(), platform::TruncToInt(SampleTreeY(i)), kPlotTop,
                                              kPlotBottom);
    const int species = SampleTreeSpecies(i);
    const int r = !seedling && SampleTreeIsLogTree(i) ? 4 : 2;
    if (species >= 0 && species < 5) {
      stamps.Draw(image, px, py, r, edge[static_cast<std::size_t>(species)], fill[static_cast<std::size_t>(species)]);
    } else {
      stamps.Draw(image, px, py, r, SpeciesColor(species).darker(170), SpeciesColor(species));
    }
  }
}

}  // namespace

void TMeasForm::RebuildStandSample() {
  // 1. The stem-count chart shows the new counts.
  std::array<int, 6> counts{};
  for (int s = 0; s < 5; ++s) counts[static_cast<std::size_t>(s)] = SpeciesStems[static_cast<std::size_t>(s)];
  UpdateStemCountChart(counts);
  // 2., 3.
  SampleMeasurement m;
  m.stems = SpeciesStems;
  for (int s = 0; s < 5; ++s) {
    const auto i = static_cast<std::size_t>(s);
    m.meanDiameter[i] = EnteredSpeciesDiameter(s);
    m.meanHeightTenths[i] = TenthsFromText(HeightLists()[i]->currentText());
    m.basalAreaTenths[i] = TenthsFromText(BasalAreaLists()[i]->currentText());
  }
  m.grouping = ListBox2->currentRow() >= 0 ? ListBox2->currentRow() : 1;
  m.developmentClass = DevelopmentClassShown();
  m.classes = DiameterClasses;
  ::RebuildStandSample(m);
  // 4.
  RefreshStandViews();
}

void TMeasForm::DrawSampleTreeMap(int count) {
  const bool seedling = IsSmallSeedlingStand(DevelopmentClassShown());
  count = std::min(count, SampleTreeCount());
  if (!seedling && count > 0) SortSampleTrees(0, count - 1, true);
  QImage image = ClearedImage(Image1, PaletteColor22(this));
  DrawSampleDots(image, count, seedling);
  Image1->setPixmap(QPixmap::fromImage(image));
  if (!Image3->isHidden()) DrawStandView(0);
}

bool TMeasForm::DrawSampleMapWithVolumes(std::array<std::int32_t, 13>& volumes, int& code) {
  const int n = EnteredTotalStemCount();
  const float entered = EnteredTotalBasalArea();
  const bool seedling = IsSmallSeedlingStand(DevelopmentClassShown());
  const SampleSummary summary = SummariseSample(std::min(n, SampleTreeCount()), entered, seedling);
  QImage image = ClearedImage(Image1, PaletteColor22(this));
  const bool within = n > 0 && n <= kMaxTreeCount && entered <= 80.0f;
  if (within) DrawSampleDots(image, std::min(n, SampleTreeCount()), seedling);
  Image1->setPixmap(QPixmap::fromImage(image));
  volumes = summary.volumes;
  ShowSampleSummary(n, summary.meanHeight, summary.meanDiameter, summary.basalArea, summary.anyLog);
  code = summary.Code();
  return summary.drawn;
}

void TMeasForm::ShowSampleSummary(int stems, float meanHeight, float meanDiameter, float basalArea,
                                  bool hasLogTrees) {
  ShowSampleCaption(Chart3, Label2, hasLogTrees, stems <= kMaxTreeCount && basalArea <= 80.0f);
  const int dc = DevelopmentClassShown();
  const bool seedling = IsSmallSeedlingStand(dc);
  if (seedling && stems > 0) {
    std::array<int, 5> heights{};
    for (int s = 0; s < 5; ++s)
      heights[static_cast<std::size_t>(s)] = TenthsFromText(HeightLists()[static_cast<std::size_t>(s)]->currentText());
    meanHeight = SeedlingMeanHeight(SpeciesStems, heights);
  }
  const float code = StandMeansCode(stems, EnteredTotalBasalArea(), basalArea, seedling);
  Label24->setText(StandMeansText(meanHeight, meanDiameter, code));
  Label24->adjustSize();
  SetRoleColor(Label24, QPalette::WindowText, code < -1.0f ? QColor(255, 0, 0) : QColor(32, 32, 32));
}

void TMeasForm::UpdateStemCountChart(const std::array<int, 6>& counts) {
  const int dc = DevelopmentClassShown();
  const int alternative = IsSmallSeedlingStand(dc) ? -1 : ComboBox14->currentIndex();
  const float g = EnteredTotalBasalArea();
  int total = 0;
  for (int c : counts) total += c;
  ShowStemCountChoices(dc, total, g);
  const bool show = total <= kMaxTreeCount && g <= 80.0f;
  std::vector<ChartBar> bars;
  for (const StemCountBar& b : StemCountChartBars(counts.data(), show))
    bars.push_back({static_cast<double>(b.value), b.label, SpeciesColor(b.colourCode)});
  Chart3->SetBars(bars);
  // The caption and the chart stand over the grouping list.
  const bool grouping = !ListBox2->isHidden();
  Chart3->setVisible(grouping);
  Chart3->resize(Chart3->width(), total < 1 ? kEmptyStemChartHeight : kStemChartHeight);
  Chart3->move(Chart3->x(), ListBox2->y() - Chart3->height() - 2);
  const QString code = ListBox2->currentItem() ? ListBox2->currentItem()->text() : QString();
  Label18->setText(StemCountCaption(show, total, grouping, code, alternative));
  Label18->adjustSize();
  Label18->move(Chart3->x(), Chart3->y() - Label18->height() - 4);
}

void TMeasForm::RefreshEstimateChart() {
  const int state = GrowingStockState(EnteredTotalStemCount(), EnteredTotalBasalArea());
  const GrowingStockChart content = GrowingStockChartContent(SampleVolumes, state, CheckBox1->isChecked());
  Chart1->SetTitleLines({content.title1, content.title2});
  std::vector<ChartBar> bars;
  for (const GrowingStockBar& b : content.bars)
    bars.push_back({static_cast<double>(b.value), b.label, SpeciesColor(b.colourCode)});
  Chart1->SetBars(bars);
  Chart1->SetLeftAxisVisible(content.axisVisible);
  Chart1->SetFooterLines(content.axisVisible ? QStringList{QString()} : QStringList{});
  CheckBox1->setVisible(content.axisVisible);
}

void TMeasForm::CheckBox1Click() {
  if (isVisible()) RefreshEstimateChart();
  ClearActiveControl();
}

void TMeasForm::RefreshStandViews() {
  int code = 0;
  const bool drawn = DrawSampleMapWithVolumes(SampleVolumes, code);
  const bool hasLogTrees = code >= 10;
  const bool hasBroadleaves = code % 10 != 0;
  // Unticking the value box redraws the estimate chart through its handler.
  if (CheckBox1->isChecked())
    CheckBox1->setChecked(false);
  else
    RefreshEstimateChart();
  EnableViewFilters(hasLogTrees, hasBroadleaves);
  if (!Image3->isHidden()) {
    ResetStandView(!drawn, false);
    if (drawn) DrawStandView(0);
  }
}

void TMeasForm::EnableViewFilters(bool hasLogTrees, bool hasBroadleaves) {
  const std::tuple<QCheckBox*, QLabel*, bool> filters[] = {
      {CheckBox4, Label15, hasLogTrees}, {CheckBox5, Label19, hasBroadleaves}, {CheckBox7, Label21, hasBroadleaves}};
  for (const auto& [box, label, on] : filters) {
    // A disabled box's handler does nothing, so the unchecking redraws
    // nothing.
    box->setEnabled(false);
    box->setChecked(false);
    box->setEnabled(on);
    label->setEnabled(on);
  }
}

// ---- Stand view ------------------------------------------------------------------------

void TMeasForm::ShowStandViewPanel(bool show, bool repaint) {
  Label6->clear();
  for (QWidget* w : std::initializer_list<QWidget*>{CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox7, Label12,
                                                    Label27, Label15, Label19, Label21})
    w->hide();
  bool repainted = false;
  if (!Image3->isHidden() && (repaint || !show)) {
    Image3->repaint();
    repainted = true;
  }
  Image3->setVisible(show);
  if (!show) {
    SetViewChoice(0);
  }
  PlaceBottomBar(show);
  Panel5->repaint();
  Panel3->repaint();
  PlaceMeasurementWindow();
  if (!repainted) {
    Image3->repaint();
    platform::Pause(50);
  }
}

void TMeasForm::PlaceBottomBar(bool viewShown) {
  Panel5->move(0, viewShown ? Image3->y() + Image3->height() : Panel3->y() + Panel3->height());
  SetOuterWidth(this, Panel3->width() + 6);
  FitFormHeight(this, Panel5->y(), Panel5->height());
}

void TMeasForm::ResetStandView(bool hide, bool resetChoice) {
  Image3->setPixmap(QPixmap::fromImage(ClearedImage(Image3, PaletteColor(12))));
  if (resetChoice) {
    {
      SetViewChoice(0);
    }
    ShowStandViewPanel(false, false);
  } else if (hide) {
    ShowStandViewPanel(false, false);
  }
}

void TMeasForm::DrawStandView(int mode) {
  const bool half = CheckBox2->isChecked();
  const bool winter = CheckBox3->isChecked();
  const bool logs = CheckBox4->isChecked();
  const bool broadleaves = CheckBox5->isChecked();
  const bool conifers = CheckBox7->isChecked();
  if (mode >= 0) {
    int counts[6] = {};
    for (int s = 0; s < 5; ++s) counts[s] = SpeciesStems[static_cast<std::size_t>(s)];
    const int n = EnteredTotalStemCount();
    const float g = EnteredTotalBasalArea();
    ShowStandViewPanel(true, mode != 0);
    if (n > kMaxTreeCount) {
      DrawViewMessage(3, QString(), QString());
      ShowStandViewPanel(true, false);
      return;
    }
    SetWidgetColor(this, PaletteColor(12));
    repaint();
    const int count = std::min(n, SampleTreeCount());
    if (count > 0) SortSampleTrees(0, count - 1, false);
    QImage image(Image3->size(), QImage::Format_RGB32);
    image.fill(PaletteColor(12));
    const SampleViewFilter filter{logs, broadleaves, conifers};
    const bool drawn = RenderStandPicture(HostWindowSize(), MainApplicationWindow(), image, counts, count, g, winter,
                                          true, false, half, TreeFilterMeasurementSample, filter);
    Image3->setPixmap(QPixmap::fromImage(image));
    ShowViewFilterControls(drawn);
    setAutoFillBackground(false);
    setPalette(QPalette());
  }
  Label6->setText(StandViewCaptionText(SampleVolumes, DateTimePicker1->date().toString(QStringLiteral(" yyyy")), half,
                                       logs, broadleaves, conifers));
  Label6->adjustSize();
}

void TMeasForm::ShowViewFilterControls(bool drawn) {
  const QColor colour = drawn ? QColor(255, 251, 240) : QColor(32, 32, 32);
  SetRoleColor(Label6, QPalette::WindowText, colour);
  for (QWidget* w : std::initializer_list<QWidget*>{Label12, Label27, Label15, Label19, Label21, CheckBox2, CheckBox3,
                                                    CheckBox4, CheckBox5, CheckBox7}) {
    SetRoleColor(w, QPalette::WindowText, colour);
    w->show();
    w->raise();
  }
  Label6->show();
  Label6->raise();
}

void TMeasForm::DrawViewMessage(int mode, const QString& line, const QString& upperLine) {
  Image3->setPixmap(ViewMessagePicture(Image3->size(), mode, line, upperLine, palette().color(QPalette::WindowText)));
}

void TMeasForm::SetViewChoice(int index) { RadioGroup1->SetItemIndex(index); }

void TMeasForm::RadioGroup1Click() {
  if (!Initialised) return;
  if (RadioGroup1->ItemIndex() != 1) {
    if (!Image3->isHidden()) ResetStandView(true, false);
  } else {
    const int dc = DevelopmentClassShown();
    const QString refusal = NoStandViewText(dc);
    if (!refusal.isEmpty()) {
      ShowNotice(ActlanText(1), refusal);
      SetViewChoice(0);
    } else {
      const int r = ValidateMeasurement(false);
      if (r == 0) {
        SetViewChoice(0);
      } else if (r == 1) {
        DrawStandView(1);
      } else {
        platform::Pause(250);
        ShowStandViewPanel(true, false);
        DrawViewMessage(0, MeoplanMeasText(29), MeoplanMeasText(23));
      }
    }
  }
  if (isVisible()) ClearActiveControl();
}

void TMeasForm::CheckBox2Click() {
  if (!CheckBox2->isHidden()) DrawStandView(0);
  ClearActiveControl();
}

void TMeasForm::CheckBox4Click() {
  if (!CheckBox4->isHidden() && CheckBox4->isEnabled()) DrawStandView(0);
  ClearActiveControl();
}

void TMeasForm::CheckBox5Click() { ExclusiveFilterClick(CheckBox5, CheckBox7); }
void TMeasForm::CheckBox7Click() { ExclusiveFilterClick(CheckBox7, CheckBox5); }

void TMeasForm::ExclusiveFilterClick(QCheckBox* box, QCheckBox* other) {
  if (!box->isHidden() && box->isEnabled()) {
    // The broadleaf and conifer filters exclude each other; the other box's
    // handler does nothing while it is disabled.
    other->setEnabled(false);
    other->setChecked(false);
    other->setEnabled(true);
    DrawStandView(0);
  }
  ClearActiveControl();
}
