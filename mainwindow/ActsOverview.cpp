// The overview page of the main window: the stand from above as two dot maps
// (as measured, and after the steps or their removal or mortality) with the
// species legend, the two charts beside them and the captions, and the
// page's switches.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>

#include <map>

#include "estate/EstateWindows.h"
#include "mainwindow/Acts.h"
#include "mainwindow/ActsCommandRules.h"
#include "mainwindow/ActsLayoutRules.h"
#include "mainwindow/DotMapRules.h"
#include "mainwindow/OverviewChart.h"
#include "mainwindow/OverviewChartRules.h"
#include "mainwindow/StandPicture.h"
#include "ui/StandPicture.h"
#include "model/Data.h"
#include "model/Phase.h"
#include "platform/Clock.h"
#include "platform/Numbers.h"
#include "ui/Session.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "ui/ListClicks.h"
#include "ui/MessageService.h"
#include "ui/RadioGroup.h"
#include "ui/WindowHelpers.h"

namespace {

const QColor kPageText(30, 30, 30);

QLabel* PageLabel(QWidget* parent, const char* name, const QFont& font) {
  auto* l = new QLabel(parent);
  l->setObjectName(QLatin1String(name));
  l->setFont(font);
  SetRoleColor(l, QPalette::WindowText, kPageText);
  return l;
}

QCheckBox* PageBox(QWidget* parent, const char* name, const QString& text, const QFont& font) {
  auto* b = new QCheckBox(text, parent);
  b->setObjectName(QLatin1String(name));
  b->setFont(font);
  b->setFocusPolicy(Qt::TabFocus);
  SetRoleColor(b, QPalette::WindowText, kPageText);
  SetWidgetColor(b, PaletteColor(13));
  return b;
}

QFrame* MapFrame(QWidget* parent, const char* name) {
  auto* f = new QFrame(parent);
  f->setObjectName(QLatin1String(name));
  f->setFrameShape(QFrame::Box);
  f->setLineWidth(1);
  SetRoleColor(f, QPalette::WindowText, PaletteColor(20));
  SetWidgetColor(f, PaletteColor(20));
  return f;
}

// The legend's dot: a bullet in the species colour.
QLabel* LegendDot(QWidget* parent, const char* name, int species) {
  auto* l = new QLabel(QString::fromUtf8("●"), parent);
  l->setObjectName(QLatin1String(name));
  l->setFont(PixelFont(QStringLiteral("Arial"), 9));
  SetRoleColor(l, QPalette::WindowText, SpeciesColor(species));
  return l;
}

// A filled circle outlined in black that fills its image: the dot of the
// corners (X - r, Y - r)-(X + r, Y + r), 2 r pixels each way.
QImage DotImage(const QColor& fill, int radius) {
  const int side = 2 * radius;
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 0.8));
  p.setBrush(fill);
  DrawCornerEllipse(p, 0, 0, side, side);
  return image;
}

}  // namespace

// ---- Creation ----------------------------------------------------------------

void TActForm::CreateOverviewPage() {
  const QFont text = PixelFont(QStringLiteral("Calibri"), 13);
  const QFont small = PixelFont(QStringLiteral("Calibri"), 12);
  Image111 = MapFrame(Panel3, "Image111");
  Image131 = MapFrame(Panel3, "Image131");
  Image11 = new TCanvas(Panel3);
  Image11->setObjectName(QStringLiteral("Image11"));
  Image13 = new TCanvas(Panel3);
  Image13->setObjectName(QStringLiteral("Image13"));
  Label6 = PageLabel(Panel3, "Label6", PixelFont(QStringLiteral("Calibri"), 13, true));
  Label43 = PageLabel(Panel3, "Label43", text);
  Label17 = PageLabel(Panel3, "Label17", text);
  Label3 = PageLabel(Panel3, "Label3", small);
  // A long chain of steps goes on to a second line (PlaceRecommendationPanel).
  Label3->setWordWrap(true);
  const std::pair<QLabel**, const char*> names[] = {
      {&Label33, "Label33"}, {&Label32, "Label32"}, {&Label31, "Label31"}, {&Label25, "Label25"}, {&Label26, "Label26"}};
  // The legend's rows lie their label's height - 4 apart under the measured
  // map: a small letter lets five rows fit under it in every window.
  for (const auto& [label, name] : names) *label = PageLabel(Panel3, name, PixelFont(QStringLiteral("Calibri"), 9));
  Label34 = LegendDot(Panel3, "Label34", SpeciesPine);
  Label35 = LegendDot(Panel3, "Label35", SpeciesSpruce);
  Label36 = LegendDot(Panel3, "Label36", SpeciesBirch);
  Label351 = LegendDot(Panel3, "Label351", SpeciesAspen);
  Label361 = LegendDot(Panel3, "Label361", SpeciesAlder);

  Chart4 = new TOverviewChart(Panel3, QStringLiteral("Chart4"), QStringLiteral("HorizBarSeries2"),
                              QStringLiteral("BarSeries3"));
  Chart3 = new TOverviewChart(Panel3, QStringLiteral("Chart3"), QStringLiteral("HorizBarSeries1"),
                              QStringLiteral("BarSeries2"));
  const QColor chartBack = PaletteColor(19);
  Chart3->SetBackColor(chartBack);
  Chart4->SetBackColor(chartBack);

  CheckBox2 = PageBox(Panel3, "CheckBox2", CommonlanText(52), text);
  CheckBox5 = PageBox(Panel3, "CheckBox5", ActlanText(35), text);
  CheckBox13 = PageBox(Panel3, "CheckBox13", CommonlanText(54), small);
  CheckBox14 = PageBox(Panel3, "CheckBox14", QStringLiteral("m3/kuvio"), small);
  ListBox2 = new QListWidget(Panel3);
  ListBox2->setObjectName(QStringLiteral("ListBox2"));
  ListBox2->addItems({QStringLiteral("puustotunnukset"), QStringLiteral("puutavaralajit"), QStringLiteral("puulajisuhteet")});
  ListBox2->setFont(text);
  ListBox2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ListBox2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ListBox2->setFocusPolicy(Qt::TabFocus);
  SetRoleColor(ListBox2, QPalette::Base, PaletteColor(151));
  CheckBox7 = PageBox(Panel3, "CheckBox7", CommonlanText(54), small);
  CheckBox11 = PageBox(Panel3, "CheckBox11", CommonlanText(54), small);
  CheckBox12 = PageBox(Panel3, "CheckBox12", QStringLiteral("m3/kuvio"), small);
  CheckBox6 = PageBox(Panel3, "CheckBox6", QStringLiteral("runkoluku"), small);
  RadioGroup5 = new TRadioGroup(Panel3, QStringLiteral("RadioGroup5"), 4);
  RadioGroup5->setTitle(QStringLiteral(" puiden pistekoko "));
  RadioGroup5->SetItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")});
  RadioGroup4 = new TRadioGroup(Panel3, QStringLiteral("RadioGroup4"), 4);
  RadioGroup4->setTitle(QStringLiteral(" tukkipuut, lisäys "));
  RadioGroup4->SetItems({QStringLiteral("0"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")});
  for (TRadioGroup* g : {RadioGroup5, RadioGroup4}) {
    g->setFont(small);
    SetRoleColor(g, QPalette::WindowText, kPageText);
    g->SetItemIndex(1);
    g->layout()->setContentsMargins(6, 2, 2, 2);
    static_cast<QGridLayout*>(g->layout())->setHorizontalSpacing(2);
    connect(g, &TRadioGroup::Clicked, this, [this] { RadioGroup4Click(); });
  }
  BitBtn3 = MakeEstateButton(Panel3, "BitBtn3", CommonlanText(22));
  for (QCheckBox* b : {CheckBox11, CheckBox12, CheckBox13, CheckBox14, CheckBox6}) b->hide();
  // The note that recommendations are off, readable on the page.
  SetRoleColor(Label30, QPalette::WindowText, kPageText);
  Label30->setFont(small);

  // The page's switches answer every change of their tick or choice, the
  // user's and the program's; their guards (Resetting, their visibility)
  // decide. The chart-content list answers the user's clicks and keys, a
  // click on the content already chosen too.
  WatchListClicks(ListBox2, [this] { ApplyOverviewChartChoice(); });
  connect(CheckBox2, &QCheckBox::toggled, this, [this] { CheckBox2Click(); });
  connect(CheckBox5, &QCheckBox::toggled, this, [this] { CheckBox5Click(); });
  connect(CheckBox6, &QCheckBox::toggled, this, [this] { CheckBox6Click(); });
  connect(CheckBox7, &QCheckBox::toggled, this, [this] { CheckBox7Click(); });
  connect(CheckBox11, &QCheckBox::toggled, this, [this] { CheckBox11Click(); });
  connect(CheckBox12, &QCheckBox::toggled, this, [this] { CheckBox11Click(); });
  connect(CheckBox13, &QCheckBox::toggled, this, [this] { CheckBox13Click(); });
  connect(CheckBox14, &QCheckBox::toggled, this, [this] { CheckBox13Click(); });
  connect(BitBtn3, &QPushButton::clicked, this, [this] { BitBtn3Click(); });
}

// ---- Layout ------------------------------------------------------------------

void TActForm::LayoutOverviewPage() {
  if (!Chart3) return;
  const int w = Panel3->width();
  const int h = Panel3->height();
  const DotMapSize size = DotMapSizeFor(MainWindowWidth, MainWindowHeight);
  const int mapWidth = size.width > 0 ? size.width : 510;
  const int mapHeight = mapWidth / 4;
  const int afterTop = platform::TruncToInt((h * 0.5 - mapHeight) * size.f + size.d1);
  const int beforeTop = h - (afterTop + mapHeight) + size.d2;
  // The maps centred with the charts beside them, the options right-aligned
  // to the charts.
  const OverviewPagePlaces places = OverviewPagePlacesFor(w, MainWindowWidth, MainWindowHeight, mapWidth);
  const int left = places.afterMapLeft;
  Image11->setGeometry(left, afterTop, mapWidth, mapHeight);
  Image13->setGeometry(places.measuredMapLeft, beforeTop, mapWidth, mapHeight);
  Image111->setGeometry(left - 4, afterTop - 4, mapWidth + 8, mapHeight + 8);
  Image131->setGeometry(places.measuredMapLeft - 4, beforeTop - 4, mapWidth + 8, mapHeight + 8);

  // The captions over the maps. The after map's caption stands on its
  // frame, under the page's caption: in the small windows the map lies so
  // high that the two captions take every pixel above the frame, and the
  // caption's box reaches up into the page caption's (the letters stay
  // apart) to end above the frame.
  const int line = Label43->fontMetrics().height() + 2;
  Label6->setGeometry(left - 4, 2, mapWidth + 8, Label6->fontMetrics().height());
  const int captionTop =
      qMin(qMax(Label6->geometry().bottom() + 1, afterTop - 6 - line), Image111->y() - line);
  Label43->setGeometry(left - 4, captionTop, mapWidth + 8, line);
  Label17->setGeometry(places.measuredMapLeft - 4, beforeTop - 6 - line, mapWidth + 8, line);

  const int column = places.columnWidth;
  const int columnLeft = places.columnLeft;
  const int half = h / 2;
  Chart4->setGeometry(places.chart4Left, 4, places.chart4Width, half - 6);
  Chart3->setGeometry(places.chart3Left, half + 2, places.chart3Width, h - half - 6);
  for (TOverviewChart* c : {Chart4, Chart3}) c->SetOptionsRoom(places.optionsRoomWidth);
  // The charts' texts in the small windows.
  const OverviewChartFonts fonts = OverviewChartFontsFor(MainWindowWidth, MainWindowHeight);
  Chart3->SetSmallWindowFonts(fonts);
  Chart4->SetSmallWindowFonts(fonts);

  BitBtn3->setGeometry(places.chart4Left + places.chart4Width - 6 - 64, 4, 64, 24);
  int y = afterTop - 4;
  for (QCheckBox* b : {CheckBox2, CheckBox5}) {
    b->adjustSize();
    b->move(columnLeft, y);
    y += b->height() + 2;
  }
  y += 6;
  for (QCheckBox* b : {CheckBox13, CheckBox14}) b->adjustSize();
  CheckBox13->move(columnLeft, y);
  CheckBox14->move(columnLeft + CheckBox13->width() + 8, y);

  const int lowerLeft = places.lowerColumnLeft;
  const int rowHeight = ListBox2->fontMetrics().height() + 4;
  ListBox2->setGeometry(lowerLeft, half + 8, column, 3 * rowHeight + 6);
  y = ListBox2->geometry().bottom() + 4;
  for (QCheckBox* b : {CheckBox7, CheckBox11, CheckBox12, CheckBox6}) b->adjustSize();
  CheckBox7->move(lowerLeft, y);
  CheckBox6->move(lowerLeft, y);
  CheckBox11->move(lowerLeft, y);
  CheckBox12->move(lowerLeft + CheckBox11->width() + 8, y);
  const int groupHeight = RadioGroup5->sizeHint().height();
  RadioGroup4->setGeometry(lowerLeft, h - 12 - groupHeight, column, groupHeight);
  RadioGroup5->setGeometry(lowerLeft, RadioGroup4->y() - 4 - groupHeight, column, groupHeight);
  PlaceSpeciesLegendColumns();
  PlaceRecommendationPanel();
}

void TActForm::PlaceRecommendationPanel() {
  const int top = Image111->y() + Image111->height() + 3;
  Panel12->move(Image111->x() + platform::TruncToInt((Image111->width() - Panel12->width()) * 0.9), top);
  Label30->adjustSize();
  Label30->move(Image111->x() + Image111->width() - Label30->width(), top + (Panel12->height() - Label30->height()) / 2);
  // The steps under the after map keep left of the recommendation panel (or
  // of the note that takes its place), on a second line when they need it.
  int right = Image111->x() + Image111->width();
  if (Panel12->isVisibleTo(Panel3)) right = Panel12->x() - 6;
  else if (Label30->isVisibleTo(Panel3)) right = Label30->x() - 6;
  const int width = qMax(1, right - Image111->x());
  Label3->setGeometry(Image111->x(), Image111->y() + Image111->height() + 2, width,
                      qMax(Label3->fontMetrics().height() + 2, Label3->heightForWidth(width)));
}

void TActForm::PlaceSpeciesLegend() {
  if (!Label33) return;
  const ::data* stand = OpenedStand();
  std::array<int, 5> stems{};
  for (int k = 0; k < 5; ++k) stems[static_cast<std::size_t>(k)] = stand ? stand->SpeciesValue(k, 10) : 0;
  QLabel* namesOf[5] = {Label33, Label32, Label31, Label25, Label26};
  QLabel* dotsOf[5] = {Label34, Label35, Label36, Label351, Label361};
  // The names are written with the legend texts of the after map.
  for (QLabel* name : namesOf) name->clear();
  const std::array<LegendRow, 5> rows = SpeciesLegendRows(stems, Image131->y() + Image131->height(),
                                                          Label33->fontMetrics().height(), Label34->fontMetrics().height());
  for (int k = 0; k < 5; ++k) {
    const LegendRow& r = rows[static_cast<std::size_t>(k)];
    namesOf[k]->move(namesOf[k]->x(), r.nameTop);
    dotsOf[k]->move(dotsOf[k]->x(), r.dotTop);
    namesOf[k]->setVisible(r.visible);
    dotsOf[k]->setVisible(r.visible);
  }
  PlaceSpeciesLegendColumns();
}

void TActForm::PlaceSpeciesLegendColumns() {
  if (!Label33) return;
  for (QLabel* dot : {Label34, Label35, Label36, Label351, Label361}) dot->adjustSize();
  const LegendColumns c = SpeciesLegendColumns(Image131->x(), Label34->width());
  for (QLabel* dot : {Label34, Label35, Label36, Label351, Label361}) dot->move(c.dotLeft, dot->y());
  for (QLabel* name : {Label33, Label32, Label31, Label25, Label26}) {
    name->adjustSize();
    name->move(c.nameLeft, name->y());
  }
}

// ---- The dot maps --------------------------------------------------------------

// Each map is drawn with the tree list sorted for it, and the list is left
// sorted back by y (data::SortTreesForDotMaps).
void TActForm::DrawTreeMaps(bool withBefore, bool refreshCharts) {
  ::data* stand = OpenedStand();
  if (!stand) return;
  stand->SortTreesForDotMaps(withBefore, true, [this, refreshCharts](bool before) {
    DrawTreeDotMap(before ? Image13 : Image11, before, refreshCharts);
  });
}

void TActForm::DrawTreeDotMap(TCanvas* image, bool before, bool refreshCharts) {
  ::data* stand = OpenedStand();
  if (!stand) return;
  DotMapOptions o;
  o.mode = OverviewModeOf();
  o.mortalityTicked = CheckBox5->isChecked();
  o.dotSizeIndex = qMax(0, RadioGroup5->ItemIndex());
  o.enlargeIndex = qMax(0, RadioGroup4->ItemIndex());
  o.width = qMax(1, image->width());
  o.height = qMax(1, image->height());
  o.currentPhase = CurrentPhase();
  const DotMap map = TreeDotMap(*stand, before, o);
  QImage picture(o.width, o.height, QImage::Format_RGB32);
  DrawCanvasFrame(picture, ColorFromBgr(map.background), Qt::black, 0);
  {
    // Each dot of a colour and a radius is drawn once and then copied.
    std::map<std::pair<int, int>, QImage> dots;
    QPainter p(&picture);
    for (const DotMapDot& d : map.dots) {
      QImage& dot = dots[{d.colour, d.radius}];
      if (dot.isNull()) dot = DotImage(ColorFromBgr(d.colour), d.radius);
      p.drawImage(d.x - d.radius, d.y - d.radius, dot);
    }
  }
  image->setPixmap(QPixmap::fromImage(picture));
  const int phase = CurrentPhase();
  if (refreshCharts) {
    RefreshOverviewCharts(before ? 0 : phase, before ? Chart3 : Chart4);
    if (!before) {
      RefreshOverviewHeaderTexts(phase);
      PlaceSpeciesLegendColumns();
    }
  }
  Label6->setText(DotMapCaption(stand->TitleText(2), map.enlarged));
}

void TActForm::RedrawDotMaps(bool both) {
  ::data* stand = OpenedStand();
  if (!Resetting && stand) {
    stand->SortTreesForDotMaps(true, false, [this](bool) { DrawTreeDotMap(Image13, true, false); });
    if (both) DrawTreeMaps(false, false);
  }
  ClearFocus(this);
}

void TActForm::RadioGroup4Click() { RedrawDotMaps(true); }

void TActForm::ApplyDevelopmentClassState(int developmentClass) {
  PlaceSpeciesLegend();
  const bool enabled = HasTreePicture(developmentClass);
  ListBox3->setEnabled(enabled);
  Panel14Caption->setText(StandInfoPanelCaption(developmentClass));
  Panel14->setGeometry(ListBox3->geometry());
  Panel14->setVisible(!enabled);
  if (!enabled) Panel14->raise();
  SetGrowButtonState(enabled);
  if (!enabled) {
    ListBox3->setCurrentRow(-1);
    UpdateOperationButtonsVisibility(false);
  }
}

void TActForm::SetBeforeViewControlsVisible(bool visible) {
  for (QWidget* w : std::initializer_list<QWidget*>{Image3, Label1, Label18, Label19, Label21, Label111, ComboBox28,
                                                    Label999, CheckBox21, CheckBox16, Label22})
    w->setVisible(visible);
}

// ---- Modes and captions ----------------------------------------------------------

int TActForm::OverviewModeOf() const { return ::OverviewModeOf(CheckBox2->isChecked(), CheckBox5->isChecked()); }

void TActForm::SetSecondMapCaption(const QString& text) { Label43->setText(text); }

void TActForm::UpdateOverviewTab() {
  ::data* stand = OpenedStand();
  if (!stand) return;
  const int mode = OverviewModeOf();
  const OverviewCaptions captions = OverviewCaptionsFor(*stand, CurrentPhase(), mode);
  Label17->setText(captions.measured);
  SetSecondMapCaption(captions.second);
  const bool switches = RemovalSwitchesVisible(*stand, mode);
  CheckBox13->setVisible(switches);
  CheckBox14->setVisible(switches);
  Chart4->SetBackColor(Chart3->BackColor());
  if (mode == 1) {
    Chart4->Prepare(PrepareOverviewChart(ChartRemoval, MainWindowHeight));
    if (switches) {
      ShowAssortmentChart(true, Chart4);
    } else {
      CheckBox13->setChecked(false);
      CheckBox14->setChecked(false);
    }
  } else if (mode == 2) {
    // An empty chart beside the mortality map.
    Chart4->Clear();
  }
  DrawTreeMaps(false, true);
}

void TActForm::ShowOverviewMode() {
  if (Resetting || OverviewModeShown) return;
  if (CheckBox2->isChecked()) ShowBusy(this, 10, 100, CommonlanText(52), PaletteColor(20));
  else if (CheckBox5->isChecked()) ShowBusy(this, 10, 100, ActlanText(35), PaletteColor(20));
  UpdateOverviewTab();
  OverviewModeShown = true;
}

void TActForm::ResetOverviewTab() {
  for (QCheckBox* b : {CheckBox11, CheckBox12, CheckBox13, CheckBox14}) {
    b->hide();
    b->setChecked(false);
  }
  CheckBox12->setText(QStringLiteral("m3/kuvio"));
  CheckBox14->setText(QStringLiteral("m3/kuvio"));
  CheckBox6->hide();
  CheckBox6->setChecked(false);
  CheckBox7->show();
  CheckBox7->setChecked(false);
  OverviewModeShown = false;
  DrawTreeMaps(true, true);
  CheckBox11->setVisible(ListBox2->currentRow() == 1);
  CheckBox12->setVisible(CheckBox11->isVisibleTo(Panel3));
}

// ---- Charts --------------------------------------------------------------------

void TActForm::RefreshOverviewCharts(int k, TOverviewChart* chart) {
  ::data* stand = OpenedStand();
  if (!stand || !IsOverviewChartRedrawn(chart == Chart4, OverviewModeOf())) return;
  const int item = ListBox2->currentRow();
  chart->Prepare(PrepareOverviewChart(OverviewChartContentOf(item), MainWindowHeight));
  OverviewChartSwitches s;
  s.stockPriced = CheckBox11->isChecked();
  s.stockPerStand = CheckBox12->isChecked();
  s.characteristicsPriced = CheckBox7->isChecked();
  s.stems = CheckBox6->isChecked();
  chart->Show(OverviewChartFor(*stand, item, k, s));
}

void TActForm::ShowAssortmentChart(bool keepLayout, TOverviewChart* chart) {
  ::data* stand = OpenedStand();
  if (!stand) return;
  if (!keepLayout) chart->Prepare(PrepareOverviewChart(ChartRemoval, MainWindowHeight));
  chart->Show(RemovalAssortmentChart(*stand, CurrentPhase(), CheckBox14->isChecked(), CheckBox13->isChecked()));
}

// ---- Handlers ------------------------------------------------------------------

void TActForm::ApplyOverviewChartChoice() {
  if (Resetting) return;
  const int item = ListBox2->currentRow();
  // A new choice of content returns the page to the standing trees: the
  // boxes' own handlers bring the after map and its captions back.
  CheckBox2->setChecked(false);
  CheckBox5->setChecked(false);
  const ::data* stand = OpenedStand();
  CheckBox11->setVisible(item == 1);
  CheckBox12->setVisible(item == 1);
  CheckBox6->setVisible(item == 2 && stand && HasTreePicture(stand->DevelopmentClass()));
  CheckBox7->setVisible(item == 0);
  RefreshOverviewCharts(0, Chart3);
  RefreshOverviewCharts(CurrentPhase(), Chart4);
  ClearFocus(this);
}

void TActForm::CheckBox2Click() {
  ::data* stand = OpenedStand();
  OverviewModeShown = false;
  if (CheckBox2->isChecked()) {
    if (stand && RemovedStemCount(*stand) > 0) {
      CheckBox5->setChecked(false);
      ShowOverviewMode();
    } else {
      ShowNoRemovalNotice(CheckBox2);
    }
  } else if (!CheckBox5->isChecked()) {
    ShowOverviewMode();
  }
  ListBox1->setFocus();
}

void TActForm::CheckBox5Click() {
  ::data* stand = OpenedStand();
  OverviewModeShown = false;
  if (CheckBox5->isChecked()) {
    if (stand && stand->GrowthStepCount() > 0) {
      CheckBox2->setChecked(false);
      ShowOverviewMode();
    } else {
      ShowNotice(ActlanText(35), QStringLiteral("ei puuston kasvatusta,  ei luonnonpoistumaa  !"));
      CheckBox5->setChecked(false);
    }
  } else if (!CheckBox2->isChecked()) {
    ShowOverviewMode();
  }
  ListBox1->setFocus();
}

namespace {

// A switch of one chart content: the lower chart, and the upper one while it
// shows the standing trees, drawn again with the switch.
void RedrawChartsForSwitch(TActForm* f, QCheckBox* box, int content,
                           OverviewChart (*chartOf)(const data&, int, bool)) {
  ::data* stand = OpenedStand();
  if (box->isVisible() && stand) {
    f->Chart3->Prepare(PrepareOverviewChart(content, f->MainWindowHeight));
    f->Chart3->Show(chartOf(*stand, 0, box->isChecked()));
    if (f->OverviewModeOf() == 0) {
      f->Chart4->Prepare(PrepareOverviewChart(content, f->MainWindowHeight));
      f->Chart4->Show(chartOf(*stand, CurrentPhase(), box->isChecked()));
    }
  }
  ClearFocus(f);
}

}  // namespace

void TActForm::CheckBox6Click() { RedrawChartsForSwitch(this, CheckBox6, ChartSpecies, SpeciesChart); }

void TActForm::CheckBox7Click() {
  RedrawChartsForSwitch(this, CheckBox7, ChartCharacteristics, CharacteristicsChart);
}

void TActForm::CheckBox11Click() {
  CheckBox12->setText(CheckBox11->isChecked() ? CommonlanText(58) : QStringLiteral("m3/kuvio"));
  CheckBox12->adjustSize();
  if (CheckBox11->isVisible()) ApplyOverviewChartChoice();
  else ClearFocus(this);
}

void TActForm::CheckBox13Click() {
  CheckBox14->setText(CheckBox13->isChecked() ? CommonlanText(58) : QStringLiteral("m3/kuvio"));
  CheckBox14->adjustSize();
  if (CheckBox13->isVisible() && CheckBox14->isVisible()) ShowAssortmentChart(false, Chart4);
  ClearFocus(this);
}
