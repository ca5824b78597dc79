// The measurement window's creation: controls, fixed lists, colours,
// captions and layout.
#include "stands/Meas.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include "ui/StandPicture.h"
#include "model/Names.h"
#include "platform/Clock.h"
#include "stands/IntroRules.h"
#include "stands/MeasWidgets.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "texts/Meoplan.h"
#include "texts/TextState.h"
#include "ui/Palette.h"
#include "ui/RadioGroup.h"
#include "ui/ListClicks.h"
#include "ui/WindowHelpers.h"

TMeasForm* MeasForm = nullptr;

namespace {

// The client area is 590 x 435 without the stand view: the four panels add
// up to its height.
constexpr int kWidth = 590;     // client width
constexpr int kHeaderHeight = 46;
constexpr int kGridHeight = 204;
constexpr int kSampleHeight = 145;
constexpr int kBarHeight = 40;
constexpr int kRowHead = 6;     // x of the row labels
constexpr int kColumn0 = 104;   // x of the pine column
constexpr int kColumnStep = 56;
constexpr int kColumnWidth = 52;
constexpr int kNotesWidth = 429;  // the notes editor, left of the estimate chart
constexpr int kListHeight = 22;
constexpr int kValueBoxStrip = 16;  // under the growing-stock chart
constexpr int kRowDiameter = 66;
constexpr int kRowHeight = 90;
constexpr int kRowBasalArea = 114;
constexpr int kHeadsTop = 48;   // the species names over the columns
constexpr int kNotesTop = 156;  // the notes editor, its caption beside the height hint
// Colour codes of the species columns (SpeciesColor).
constexpr int kColumnColours[5] = {10, 11, 22, 13, 14};

QFont WindowFont(int pixels, bool bold = false) { return PixelFont(QStringLiteral("Calibri"), pixels, bold); }

QFrame* MakePanel(QWidget* parent, const char* name, int paletteIndex) {
  auto* f = new QFrame(parent);
  f->setObjectName(QLatin1String(name));
  f->setFrameShape(QFrame::NoFrame);
  SetWidgetColor(f, PaletteColor(paletteIndex));
  return f;
}

template <class Label = QLabel>
Label* MakeLabel(QWidget* parent, const char* name, const QString& text, const QColor& colour, int pixels = 12) {
  auto* l = new Label(parent);
  l->setObjectName(QLatin1String(name));
  l->setFont(WindowFont(pixels));
  l->setText(text);
  SetRoleColor(l, QPalette::WindowText, colour);
  l->adjustSize();
  return l;
}

QComboBox* MakeList(QWidget* parent, const QString& name, const QColor& colour) {
  auto* c = new QComboBox(parent);
  c->setObjectName(name);
  c->setFont(WindowFont(12));
  c->setMaxVisibleItems(16);
  if (colour.isValid()) {
    SetRoleColor(c, QPalette::Base, colour);
    SetRoleColor(c, QPalette::Button, colour);
    SetRoleColor(c, QPalette::Window, colour);
  }
  return c;
}

// Centres a widget horizontally on a point.
void CentreOn(QWidget* w, int centreX, int top) { w->move(centreX - w->width() / 2, top); }

}  // namespace

TMeasForm::TMeasForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("MeasForm"));
  MeasForm = this;
  setModal(true);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
  setFont(WindowFont(12));
  setWindowTitle(QStringLiteral("Uusi metsikkökuvio"));
  // The window's own settings of its controls run no handler.
  loading_ = true;
  CreateHeaderPanel();
  CreateMeasurementPanel();
  CreateSamplePanel();
  CreateBottomBar();
  CreateStandView();
  ConnectHandlers();

  // 1. Fixed lists.
  for (int code = 0; code <= 6; ++code) ComboBox15->addItem(SiteTypeName(0, code));
  for (int code = 0; code <= 9; ++code) ComboBox10->addItem(DevelopmentClassName(0, code));
  ListBox2->addItems({ActlanText(37), ActlanText(38), ActlanText(39)});
  // 2. Diameter and stem-count lists; each stem-count list stands where
  // the species' diameter list stands.
  const auto diameters = DiameterLists();
  const auto stems = StemLists();
  for (int s = 0; s < 5; ++s) {
    diameters[static_cast<std::size_t>(s)]->addItems(DiameterItems(s));
    diameters[static_cast<std::size_t>(s)]->setCurrentIndex(0);
    stems[static_cast<std::size_t>(s)]->addItems(StemCountItems());
    stems[static_cast<std::size_t>(s)]->setCurrentIndex(0);
    stems[static_cast<std::size_t>(s)]->setGeometry(diameters[static_cast<std::size_t>(s)]->geometry());
  }
  // 3. Dates from 20 years back to a year ahead.
  const QDate today = platform::Today();
  DateTimePicker1->setDateRange(EarliestMeasurementDate(today), LatestMeasurementDate(today));
  DateTimePicker1->setDate(today);
  // 5. Captions; 6. the grouping list; 7. the view options.
  ApplyMeasurementCaptions();
  LayoutGroupingList();
  LayoutViewOptions();
  // The window as laid out, without the stand view.
  for (QWidget* w : std::initializer_list<QWidget*>{Image3, Label6, CheckBox2, CheckBox3, CheckBox4, CheckBox5,
                                                    CheckBox7, Label12, Label27, Label15, Label19, Label21})
    w->hide();
  PlaceBottomBar(false);
  loading_ = false;
}

TMeasForm::~TMeasForm() {
  if (MeasForm == this) MeasForm = nullptr;
}

std::array<QComboBox*, 5> TMeasForm::DiameterLists() const {
  return {ComboBox7, ComboBox8, ComboBox9, ComboBox27, ComboBox28};
}
std::array<QComboBox*, 5> TMeasForm::StemLists() const {
  return {ComboBox11, ComboBox12, ComboBox13, ComboBox31, ComboBox32};
}
std::array<QComboBox*, 5> TMeasForm::HeightLists() const {
  return {ComboBox4, ComboBox5, ComboBox6, ComboBox24, ComboBox25};
}
std::array<QComboBox*, 5> TMeasForm::BasalAreaLists() const {
  return {ComboBox1, ComboBox2, ComboBox3, ComboBox21, ComboBox22};
}

int TMeasForm::DevelopmentClassShown() const { return ComboBox10->currentIndex(); }

void TMeasForm::CreateHeaderPanel() {
  Panel1 = MakePanel(this, "Panel1", 200);
  Panel1->setGeometry(0, 0, kWidth, kHeaderHeight);
  const QColor light(255, 251, 240);
  // A text field of the header row, under its caption.
  auto textField = [this](const char* name, int maxLength, int x, int width) {
    auto* e = new QLineEdit(Panel1);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(maxLength);
    e->setGeometry(x, 21, width, 22);
    return e;
  };
  Label4 = MakeLabel(Panel1, "Label4", QString(), light);
  Label4->move(8, 3);
  Edit2 = textField("Edit2", 25, 8, 176);
  Label3 = MakeLabel(Panel1, "Label3", QStringLiteral("Kuvion tunnus"), light);
  Label3->move(192, 3);
  Edit3 = textField("Edit3", 6, 192, 84);
  Label14 = MakeLabel(Panel1, "Label14", QStringLiteral("Pinta-ala"), light);
  Label14->move(284, 3);
  MaskEdit10 = new QLineEdit(Panel1);
  MaskEdit10->setObjectName(QStringLiteral("MaskEdit10"));
  // One whole digit and two decimals, each optional; the field's handler
  // turns blanks into zeros.
  MaskEdit10->setInputMask(QStringLiteral("0.00;_"));
  MaskEdit10->setGeometry(284, 21, 44, 22);
  Label23 = MakeLabel(Panel1, "Label23", CommonlanText(55), light);
  Label23->move(332, 24);
  Label17 = MakeLabel(Panel1, "Label17", QStringLiteral("Kasvupaikkatyyppi"), light);
  Label17->move(360, 3);
  ComboBox15 = MakeList(Panel1, QStringLiteral("ComboBox15"), QColor());
  ComboBox15->setGeometry(360, 21, 222, 22);
}

void TMeasForm::CreateMeasurementPanel() {
  Panel2 = MakePanel(this, "Panel2", 7);
  Panel2->setGeometry(0, kHeaderHeight, kWidth, kGridHeight);
  const QColor light(255, 251, 240);
  Label1 = MakeLabel(Panel2, "Label1", QString(), light, 13);
  DateTimePicker1 = new QDateEdit(Panel2);
  DateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
  DateTimePicker1->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
  DateTimePicker1->setCalendarPopup(true);
  DateTimePicker1->resize(110, kListHeight);
  Label28 = MakeLabel(Panel2, "Label28", QStringLiteral("Kehitysluokka"), light);
  ComboBox10 = MakeList(Panel2, QStringLiteral("ComboBox10"), QColor());
  ComboBox10->resize(210, kListHeight);

  struct Column {
    QLabel** head;
    const char* headName;
    QComboBox** lists[4];  // diameter, stems, height, basal area
    const char* names[4];
  };
  Column columns[5] = {
      {&Label9, "Label9", {&ComboBox7, &ComboBox11, &ComboBox4, &ComboBox1},
       {"ComboBox7", "ComboBox11", "ComboBox4", "ComboBox1"}},
      {&Label10, "Label10", {&ComboBox8, &ComboBox12, &ComboBox5, &ComboBox2},
       {"ComboBox8", "ComboBox12", "ComboBox5", "ComboBox2"}},
      {&Label11, "Label11", {&ComboBox9, &ComboBox13, &ComboBox6, &ComboBox3},
       {"ComboBox9", "ComboBox13", "ComboBox6", "ComboBox3"}},
      {&Label29, "Label29", {&ComboBox27, &ComboBox31, &ComboBox24, &ComboBox21},
       {"ComboBox27", "ComboBox31", "ComboBox24", "ComboBox21"}},
      {&Label30, "Label30", {&ComboBox28, &ComboBox32, &ComboBox25, &ComboBox22},
       {"ComboBox28", "ComboBox32", "ComboBox25", "ComboBox22"}},
  };
  const int rows[4] = {kRowDiameter, kRowDiameter, kRowHeight, kRowBasalArea};
  for (int s = 0; s < 5; ++s) {
    Column& c = columns[s];
    const int x = kColumn0 + s * kColumnStep;
    *c.head = MakeLabel(Panel2, c.headName, QString(), light, 13);
    for (int r = 0; r < 4; ++r) {
      QComboBox* list = MakeList(Panel2, QLatin1String(c.names[r]), SpeciesColor(kColumnColours[s]));
      list->setGeometry(x, rows[r], kColumnWidth, kListHeight);
      *c.lists[r] = list;
    }
  }
  Label8 = MakeLabel(Panel2, "Label8", QString(), light);
  Label5 = MakeLabel(Panel2, "Label5", QString(), light);
  Label7 = MakeLabel(Panel2, "Label7", QString(), light);
  Label22 = MakeLabel(Panel2, "Label22", QString(), light);
  Label16 = MakeLabel(Panel2, "Label16", QString(), light);
  Label13 = MakeLabel(Panel2, "Label13", QString(), light);
  Label38 = MakeLabel(Panel2, "Label38", QString(), ColorFromBgr(PaletteColorValue(150)));
  Label20 = MakeLabel(Panel2, "Label20", QString(), light);
  RichEdit1 = new QTextEdit(Panel2);
  RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
  RichEdit1->setAcceptRichText(false);
  // The stand report wraps the notes in this width and font, as here; the
  // scroll bar always takes its room, so the lines do not change with the
  // length of the text.
  RichEdit1->setFont(PixelFont(QStringLiteral("Courier New"), 11));
  RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RichEdit1->setGeometry(kRowHead, kNotesTop, kNotesWidth, kGridHeight - kNotesTop - 6);

  // The growing-stock estimate beside the grid.
  Panel6 = MakePanel(Panel2, "Panel6", 13);
  Panel6->setGeometry(440, 4, kWidth - 444, kGridHeight - 8);
  Chart1 = new TBarChart(Panel6, QStringLiteral("Chart1"), true);
  // A strip under the chart holds the value box, clear of the bars.
  Chart1->setGeometry(2, 2, Panel6->width() - 4, Panel6->height() - 6 - kValueBoxStrip);
  Chart1->SetGradientStart(PaletteColor(13));
  Chart1->SetTextSize(9, 11);
  CheckBox1 = new QCheckBox(Panel6);
  CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
  CheckBox1->setFont(WindowFont(11));
  SetWidgetColor(CheckBox1, PaletteColor(13));
}

void TMeasForm::CreateSamplePanel() {
  Panel3 = MakePanel(this, "Panel3", 13);
  Panel3->setGeometry(0, kHeaderHeight + kGridHeight, kWidth, kSampleHeight);
  const QColor text(32, 32, 32);
  Label2 = MakeLabel(Panel3, "Label2", QString(), text);
  Label2->move(8, 4);
  Image1 = new QLabel(Panel3);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(8, 24, 400, 100);
  Label24 = MakeLabel(Panel3, "Label24", QString(), text);
  Label24->move(8, 126);
  Label18 = MakeLabel(Panel3, "Label18", QString(), text);
  Chart3 = MakeSpeciesMiniChart(Panel3, QStringLiteral("Chart3"));
  Image2 = new QLabel(Panel3);
  Image2->setObjectName(QStringLiteral("Image2"));
  ListBox2 = new QListWidget(Panel3);
  ListBox2->setObjectName(QStringLiteral("ListBox2"));
  ListBox2->setFont(WindowFont(11));
  ListBox2->setFrameShape(QFrame::NoFrame);
  ListBox2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ListBox2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  SetRoleColor(ListBox2, QPalette::Base, PaletteColor(15));
  ComboBox14 = MakeList(Panel3, QStringLiteral("ComboBox14"), PaletteColor(15));
  // Beside the sample map, as wide as the panel leaves: the default
  // alternative's text ("B3 :  ... runkoa/ha    ( oletus )") whole.
  ComboBox14->setFont(WindowFont(11));
  const int listLeft = Image1->x() + Image1->width() + 4;
  ComboBox14->setGeometry(listLeft, kSampleHeight - 5 - kListHeight, kWidth - listLeft - 4, kListHeight);
}

void TMeasForm::CreateBottomBar() {
  Panel5 = MakePanel(this, "Panel5", 12);
  Panel5->resize(kWidth, kBarHeight);
  const QColor light(255, 251, 240);
  RadioGroup1 = new TRadioGroup(Panel5, QStringLiteral("RadioGroup1"), 2);
  RadioGroup1->setFont(WindowFont(11));
  SetRoleColor(RadioGroup1, QPalette::WindowText, light);
  RadioGroup1->setGeometry(6, 0, 138, kBarHeight - 3);
  // The two choices on one row under the caption, within the bar.
  RadioGroup1->layout()->setContentsMargins(8, 0, 8, 1);
  Label36 = MakeLabel(Panel5, "Label36", QString(), light);
  auto button = [this](const char* name) {
    auto* b = new QPushButton(Panel5);
    b->setObjectName(QLatin1String(name));
    b->setFont(WindowFont(12));
    b->setAutoDefault(false);
    b->resize(70, 26);
    return b;
  };
  Button2 = button("Button2");
  BitBtn2 = button("BitBtn2");
  Button1 = button("Button1");
  const int top = (kBarHeight - 26) / 2;
  Button1->move(kWidth - 6 - 70, top);
  BitBtn2->move(Button1->x() - 4 - 70, top);
  Button2->move(BitBtn2->x() - 4 - 70, top);
}

void TMeasForm::CreateStandView() {
  Image3 = new QLabel(this);
  Image3->setObjectName(QStringLiteral("Image3"));
  Image3->setGeometry(1, Panel3->y() + Panel3->height(), Panel3->width() - 2, (Panel3->width() - 2) / 4);
  const QColor light(255, 251, 240);
  Label6 = MakeLabel(this, "Label6", QString(), light, 11);
  auto box = [this](const char* name) {
    auto* b = new QCheckBox(this);
    b->setObjectName(QLatin1String(name));
    b->resize(16, 16);
    return b;
  };
  CheckBox2 = box("CheckBox2");
  CheckBox3 = box("CheckBox3");
  CheckBox4 = box("CheckBox4");
  CheckBox5 = box("CheckBox5");
  CheckBox7 = box("CheckBox7");
  Label12 = MakeLabel<TClickLabel>(this, "Label12", QString(), light, 11);
  Label27 = MakeLabel<TClickLabel>(this, "Label27", QString(), light, 11);
  Label15 = MakeLabel<TClickLabel>(this, "Label15", QString(), light, 11);
  Label19 = MakeLabel<TClickLabel>(this, "Label19", QString(), light, 11);
  Label21 = MakeLabel<TClickLabel>(this, "Label21", QString(), light, 11);
}

void TMeasForm::ApplyMeasurementCaptions() {
  Label20->setText(ActlanText(30).toLower());
  Label4->setText(MeoplanMeasText(18));
  Label11->setText(CommonlanText(11).toLower());
  Label10->setText(CommonlanText(12).toLower());
  Label9->setText(CommonlanText(13).toLower());
  Label29->setText(CommonlanText(10).toLower());
  Label30->setText(CommonlanText(9).toLower());
  Label5->setText(CommonlanText(18).toLower());
  Label16->setText(CommonlanText(19).toLower());
  Label1->setText(MeoplanMeasText(4));
  for (QLabel* l : {Label20, Label4, Label11, Label10, Label9, Label29, Label30, Label5, Label16, Label1})
    l->adjustSize();
  // The column heads over their lists; the date under the title.
  const auto diameters = DiameterLists();
  const QLabel* heads[5] = {Label9, Label10, Label11, Label29, Label30};
  for (int s = 0; s < 5; ++s) {
    QLabel* head = const_cast<QLabel*>(heads[s]);
    const QComboBox* list = diameters[static_cast<std::size_t>(s)];
    CentreOn(head, list->x() + list->width() / 2, kHeadsTop);
  }
  Label1->move(kRowHead, 4);
  CentreOn(DateTimePicker1, Label1->x() + Label1->width() / 2, 22);
  const int birchCentre = ComboBox9->x() + ComboBox9->width() / 2;
  CentreOn(ComboBox10, birchCentre + 20, 22);
  CentreOn(Label28, ComboBox10->x() + ComboBox10->width() / 2, 5);
  Label20->move(kRowHead, RichEdit1->y() - Label20->height() - 1);
  Button1->setText(CommonlanText(8));
  BitBtn2->setText(CommonlanText(22).toUpper());
  Button2->setText(CommonlanText(116));
  RadioGroup1->setTitle(QStringLiteral("  ") + ActlanText(1) + QStringLiteral("  "));
  RadioGroup1->SetItems({CommonlanText(39).toLower(), CommonlanText(38).toLower()});
  for (int i = 0; i < 2; ++i) {
    RadioGroup1->Item(i)->setFont(WindowFont(12));
    SetRoleColor(RadioGroup1->Item(i), QPalette::WindowText, QColor(255, 251, 240));
  }
  SetViewChoice(0);
  SaveDialogFilter = StandFileOpenFilter();
}

void TMeasForm::LayoutGroupingList() {
  const int rowHeight = ListBox2->sizeHintForRow(0) > 0 ? ListBox2->sizeHintForRow(0) : 15;
  ListBox2->resize(ComboBox14->width() - 5, 3 * rowHeight + 2);
  ListBox2->move(ComboBox14->x() + 2, ComboBox14->y() - 2 - ListBox2->height());
  Image2->setGeometry(ListBox2->x() - 1, ListBox2->y() - 1, ListBox2->width() + 2, ListBox2->height() + 2);
  QImage frame(Image2->size(), QImage::Format_RGB32);
  DrawCanvasFrame(frame, Qt::white, Qt::black, 0);
  Image2->setPixmap(QPixmap::fromImage(frame));
  Image2->lower();
  Chart3->setGeometry(ComboBox14->x(), ListBox2->y() - kStemChartHeight - 2, ComboBox14->width(), kStemChartHeight);
}

void TMeasForm::LayoutViewOptions() {
  Label21->setText(MeoplanMeasText(20));
  Label19->setText(MeoplanMeasText(21));
  Label15->setText(CommonlanText(73).toLower());
  Label27->setText(MeoplanMeasText(22));
  Label12->setText(PlotAreaTextFor(1, true));
  const int top = Image3->y();
  Label6->move(Image3->x() + 4, top + 1);
  int right = Image3->x() + Image3->width();
  QWidget* order[10] = {Label21, CheckBox7, Label19, CheckBox5, Label15,
                        CheckBox4, Label27, CheckBox3, Label12, CheckBox2};
  for (int i = 0; i < 10; i += 2) {
    auto* label = static_cast<QLabel*>(order[i]);
    label->adjustSize();
    label->move(right - (i == 0 ? 3 : 6) - label->width(), top + 3 - 1);
    QWidget* box = order[i + 1];
    box->move(label->x() - 4 - box->width(), top + 3);
    right = box->x();
  }
}

void TMeasForm::ConnectHandlers() {
  const auto diameters = DiameterLists();
  const auto heights = HeightLists();
  const auto stems = StemLists();
  const auto basal = BasalAreaLists();
  for (int s = 0; s < 5; ++s) {
    const auto i = static_cast<std::size_t>(s);
    connect(diameters[i], &QComboBox::activated, this, [this, s] { DiameterChanged(s); });
    connect(heights[i], &QComboBox::activated, this, [this, s] { HeightChanged(s); });
    connect(stems[i], &QComboBox::activated, this, [this, s] { StemCountChanged(s); });
    connect(basal[i], &QComboBox::activated, this, [this] { ComboBox1Change(); });
  }
  connect(ComboBox10, &QComboBox::activated, this, [this] { ComboBox10Change(); });
  connect(ComboBox14, &QComboBox::activated, this, [this] { ComboBox14Change(); });
  WatchListClicks(ListBox2, [this] { ListBox2Click(); });
  connect(ComboBox15, &QComboBox::activated, this, [this] { HeaderFieldChanged(ComboBox15); });
  connect(Edit2, &QLineEdit::textEdited, this, [this] { HeaderFieldChanged(Edit2); });
  connect(Edit3, &QLineEdit::textEdited, this, [this] { HeaderFieldChanged(Edit3); });
  connect(MaskEdit10, &QLineEdit::textEdited, this, [this] { HeaderFieldChanged(MaskEdit10); });
  connect(DateTimePicker1, &QDateEdit::dateChanged, this, [this] {
    if (!loading_) HeaderFieldChanged(DateTimePicker1);
  });
  connect(RichEdit1, &QTextEdit::textChanged, this, [this] {
    if (!loading_) HeaderFieldChanged(RichEdit1);
  });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
  connect(Button1, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
  connect(CheckBox1, &QCheckBox::toggled, this, [this] { CheckBox1Click(); });
  connect(RadioGroup1, &TRadioGroup::Clicked, this, [this] { RadioGroup1Click(); });
  connect(CheckBox2, &QCheckBox::toggled, this, [this] { CheckBox2Click(); });
  connect(CheckBox3, &QCheckBox::toggled, this, [this] { CheckBox2Click(); });
  connect(CheckBox4, &QCheckBox::toggled, this, [this] { CheckBox4Click(); });
  connect(CheckBox5, &QCheckBox::toggled, this, [this] { CheckBox5Click(); });
  connect(CheckBox7, &QCheckBox::toggled, this, [this] { CheckBox7Click(); });
  const std::pair<TClickLabel*, QCheckBox*> toggles[] = {
      {Label12, CheckBox2}, {Label27, CheckBox3}, {Label15, CheckBox4}, {Label19, CheckBox5}, {Label21, CheckBox7}};
  for (const auto& [label, box] : toggles)
    connect(label, &TClickLabel::clicked, box, [box] {
      if (box->isEnabled()) box->toggle();
    });
}

void TMeasForm::ClearActiveControl() { ClearFocus(this); }

void TMeasForm::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  // Loading runs from the event loop once the window is up (also where the
  // platform activates no windows).
  if (!Initialised) QMetaObject::invokeMethod(this, [this] { FormActivate(); }, Qt::QueuedConnection);
}

bool TMeasForm::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate && isVisible()) FormActivate();
  return QDialog::event(e);
}
