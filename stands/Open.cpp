// The open-stand window: creation, captions, colours, layout and position.

#include "stands/Open.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

#include "ui/Canvas.h"
#include "ui/FileLists.h"
#include "ui/ListClicks.h"
#include "stands/Meas.h"
#include "stands/MeasWidgets.h"
#include "model/Estate.h"
#include "platform/Numbers.h"
#include "platform/Screen.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "texts/Meoplan.h"
#include "ui/ApplicationWindows.h"
#include "ui/Palette.h"
#include "ui/Session.h"
#include "ui/StandHost.h"
#include "ui/WindowHelpers.h"

TOpenForm* OpenForm = nullptr;

namespace {

constexpr int kClientWidth = 590;
constexpr int kClientHeight = 400;
// The upper panel's height without the stand list: the measurement
// window's upper panel less 26; the list adds 44.
constexpr int kMeasurementPanelLess = 26;
constexpr int kUpperPanelHeight = 180;  // without a measurement window
constexpr int kListExtraHeight = 44;
constexpr int kTableWidth = 400;         // the upper panel beside the chart
constexpr int kValueLeft = 180;          // first value column
constexpr int kValueStep = 36;           // column pitch
constexpr int kUnitLeft = kValueLeft + 5 * kValueStep + 2;
constexpr int kSamplePanelHeight = 152;
constexpr int kMapWidth = 400;
constexpr int kMapHeight = 100;
constexpr int kButtonBarHeight = 36;
constexpr int kListRowHeight = 16;
constexpr int kListRows = 4;

QFont WindowFont(bool bold = false) { return PixelFont(QStringLiteral("MS Sans Serif"), 11, bold); }

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text = QString()) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->setFont(WindowFont());
  return l;
}

QFrame* MakePanel(QWidget* parent, const QString& name) {
  auto* p = new QFrame(parent);
  p->setObjectName(name);
  p->setFrameShape(QFrame::NoFrame);
  return p;
}

QCheckBox* MakeBox(QWidget* parent, const QString& name) {
  auto* b = new QCheckBox(parent);
  b->setObjectName(name);
  b->setFont(WindowFont());
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

QPushButton* MakeButton(QWidget* parent, const QString& name) {
  auto* b = new QPushButton(parent);
  b->setObjectName(name);
  b->setFont(WindowFont());
  b->setAutoDefault(false);
  return b;
}

}  // namespace

TOpenForm::TOpenForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("OpenForm"));
  OpenForm = this;
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
  setFont(WindowFont());
  SetOuterSize(this, kClientWidth + 6, kClientHeight + 6 + platform::GetScreenMetrics().captionHeight);
  CreateUpperPanel();
  CreateSamplePanel();
  CreateStandView();
  CreateButtonBar();
  // 1. The grouping list.
  ListBox2->addItems({ActlanText(37), ActlanText(38), ActlanText(39)});
  for (int i = 0; i < ListBox2->count(); ++i) ListBox2->item(i)->setSizeHint(QSize(0, 13));
  // 2. Captions.
  SetOpenWindowCaptions();
  // 3. Colours.
  SetWidgetColor(Panel2, PaletteColor(7));
  SetWidgetColor(Panel3, PaletteColor(13));
  SetWidgetColor(Panel5, PaletteColor(7));
  SetWidgetColor(Panel7, PaletteColor(222));
  SetRoleColor(ListBox1, QPalette::Base, PaletteColor(15));
  SetWidgetColor(Panel6, PaletteColor(13));
  SetWidgetColor(CheckBox1, PaletteColor(13));
  // The panels' texts are light on their dark colour.
  SetRoleColor(Panel2, QPalette::WindowText, QColor(255, 251, 240));
  SetRoleColor(Panel5, QPalette::WindowText, QColor(255, 251, 240));
  // 4. The stand view spans the sample panel, a quarter as high as wide.
  Image3->setGeometry(Panel3->x(), 0, Panel3->width() - 2, (Panel3->width() - 2) / 4);
  LayoutOpenWindow(false);
}

TOpenForm::~TOpenForm() {
  if (OpenForm == this) OpenForm = nullptr;
}

void TOpenForm::CreateUpperPanel() {
  Panel2 = MakePanel(this, QStringLiteral("Panel2"));
  Panel2->setGeometry(0, 0, kTableWidth, kUpperPanelHeight);
  Label4 = MakeLabel(Panel2, QStringLiteral("Label4"));
  Label4->move(6, 3);
  Label47 = MakeLabel(Panel2, QStringLiteral("Label47"));
  Label47->move(6, 23);
  ListBox1 = new QListWidget(Panel2);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setFont(WindowFont());
  ListBox1->setFrameShape(QFrame::NoFrame);
  ListBox1->setUniformItemSizes(true);
  ListBox1->setGeometry(6, 20, kTableWidth - 12, kListRows * kListRowHeight);
  ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // A click on another row (or a move by the keys) previews its stand; a
  // click on the row already chosen only clears the focus.
  WatchListClicks(ListBox1, [this] { ListBox1Click(); });
  FileListBox1 = new TFileListBox(Panel2);
  FileListBox1->SetMask(StandFileMask());
  FileListBox1->hide();
  DirectoryListBox1 = new TDirectoryListBox(Panel2);
  DirectoryListBox1->hide();
  Label2 = MakeLabel(Panel2, QStringLiteral("Label2"));
  Label2->move(6, 44);
  const char* headings[5] = {"Label9", "Label10", "Label11", "Label43", "Label44"};
  QLabel** headingLabels[5] = {&Label9, &Label10, &Label11, &Label43, &Label44};
  for (int s = 0; s < 5; ++s) *headingLabels[s] = MakeLabel(Panel2, QLatin1String(headings[s]));
  Label8 = MakeLabel(Panel2, QStringLiteral("Label8"));
  Label22 = MakeLabel(Panel2, QStringLiteral("Label22"));
  Label5 = MakeLabel(Panel2, QStringLiteral("Label5"));
  Label23 = MakeLabel(Panel2, QStringLiteral("Label23"));
  Label7 = MakeLabel(Panel2, QStringLiteral("Label7"));
  Label21 = MakeLabel(Panel2, QStringLiteral("Label21"));
  Label31 = MakeLabel(Panel2, QStringLiteral("Label31"));
  Label34 = MakeLabel(Panel2, QStringLiteral("Label34"));
  Label32 = MakeLabel(Panel2, QStringLiteral("Label32"));
  const char* names[4][5] = {{"Label12", "Label16", "Label19", "Label28", "Label39"},
                             {"Label14", "Label17", "Label20", "Label26", "Label41"},
                             {"Label3", "Label15", "Label18", "Label38", "Label42"},
                             {"Label37", "Label35", "Label33", "Label45", "Label46"}};
  std::array<QLabel*, 5>* rows[4] = {&DiameterLabels, &HeightLabels, &BasalAreaLabels, &AgeLabels};
  for (int r = 0; r < 4; ++r)
    for (int s = 0; s < 5; ++s) {
      QLabel* l = MakeLabel(Panel2, QLatin1String(names[r][s]));
      l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      l->resize(kValueStep - 6, 13);
      (*rows[r])[s] = l;
    }
  Label48 = MakeLabel(Panel2, QStringLiteral("Label48"));
  RichEdit1 = new QTextEdit(Panel2);
  RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
  RichEdit1->setFont(PixelFont(QStringLiteral("Courier New"), 11));
  RichEdit1->setReadOnly(true);
  RichEdit1->setFocusPolicy(Qt::NoFocus);
  RichEdit1->setGeometry(6, 0, kTableWidth - 12, 44);

  Panel6 = MakePanel(this, QStringLiteral("Panel6"));
  Panel6->setGeometry(kTableWidth, 0, kClientWidth - kTableWidth, kUpperPanelHeight);
  Chart1 = new TBarChart(Panel6, QStringLiteral("Chart1"), true);
  Chart1->move(2, 2);
  Chart1->SetGradientStart(PaletteColor(13));
  Chart1->SetTextSize(9, 11);
  CheckBox1 = MakeBox(Panel6, QStringLiteral("CheckBox1"));
  connect(CheckBox1, &QCheckBox::toggled, this, [this] { CheckBox1Click(); });
}

void TOpenForm::CreateSamplePanel() {
  Panel3 = MakePanel(this, QStringLiteral("Panel3"));
  Panel3->setGeometry(0, kUpperPanelHeight, kClientWidth, kSamplePanelHeight);
  Label25 = MakeLabel(Panel3, QStringLiteral("Label25"));
  Label25->move(6, 2);
  Image1 = new TCanvas(Panel3);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(6, 18, kMapWidth, kMapHeight);
  Label29 = MakeLabel(Panel3, QStringLiteral("Label29"));
  Label29->move(6, 120);
  Label30 = MakeLabel(Panel3, QStringLiteral("Label30"));
  Label30->move(kMapWidth + 14, 2);
  Chart3 = MakeSpeciesMiniChart(Panel3, QStringLiteral("Chart3"));
  Chart3->setGeometry(kMapWidth + 12, 16, kClientWidth - kMapWidth - 16, 66);
  Image2 = MakeLabel(Panel3, QStringLiteral("Image2"));
  Image2->setFrameShape(QFrame::Panel);
  Image2->setFrameShadow(QFrame::Sunken);
  // The grouping and the stem-count alternative in the measurement window's
  // letters: their texts ("A1 :  puuston ryhmitys epätasainen", "B3 :
  // ... runkoa/ha    ( oletus )") whole beside the sample map.
  const QFont listFont = PixelFont(QStringLiteral("Calibri"), 11);
  ListBox2 = new QListWidget(Panel3);
  ListBox2->setObjectName(QStringLiteral("ListBox2"));
  ListBox2->setFont(listFont);
  ListBox2->setFrameShape(QFrame::NoFrame);
  // Shows the stand's grouping; not a choice here.
  ListBox2->setFocusPolicy(Qt::NoFocus);
  ListBox2->setAttribute(Qt::WA_TransparentForMouseEvents);
  ListBox2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ListBox2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ListBox2->setUniformItemSizes(true);
  ComboBox14 = new QComboBox(Panel3);
  ComboBox14->setObjectName(QStringLiteral("ComboBox14"));
  ComboBox14->setFont(listFont);
  ComboBox14->setFocusPolicy(Qt::NoFocus);
  ComboBox14->setAttribute(Qt::WA_TransparentForMouseEvents);
  const int left = kMapWidth + 12;
  const int width = kClientWidth - left - 4;
  Image2->setGeometry(left, 84, width, 46);
  ListBox2->setGeometry(left + 2, 86, width - 4, 42);
  ComboBox14->setGeometry(left, 130, width, 20);
}

void TOpenForm::CreateStandView() {
  Image3 = new TCanvas(this);
  Image3->setObjectName(QStringLiteral("Image3"));
  Label6 = MakeLabel(this, QStringLiteral("Label6"));
  SetRoleColor(Label6, QPalette::WindowText, QColor(255, 251, 240));
  const char* boxes[5] = {"CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox7"};
  const char* labels[5] = {"Label13", "Label27", "Label24", "Label36", "Label40"};
  QCheckBox** boxPtrs[5] = {&CheckBox2, &CheckBox3, &CheckBox4, &CheckBox5, &CheckBox7};
  QLabel** labelPtrs[5] = {&Label13, &Label27, &Label24, &Label36, &Label40};
  for (int i = 0; i < 5; ++i) {
    *boxPtrs[i] = MakeBox(this, QLatin1String(boxes[i]));
    (*boxPtrs[i])->setAttribute(Qt::WA_TranslucentBackground);
    *labelPtrs[i] = MakeLabel(this, QLatin1String(labels[i]));
    SetRoleColor(*labelPtrs[i], QPalette::WindowText, QColor(255, 251, 240));
    (*labelPtrs[i])->installEventFilter(this);
  }
  Label13->setText(QStringLiteral("0.5 ha"));
  Label27->setText(QStringLiteral("talvi"));
  Label24->setText(QStringLiteral("tukkipuut"));
  Label36->setText(QStringLiteral("lehtipuut"));
  Label40->setText(QStringLiteral("havupuut"));
  connect(CheckBox2, &QCheckBox::toggled, this, [this] { CheckBox2Click(); });
  connect(CheckBox3, &QCheckBox::toggled, this, [this] { CheckBox2Click(); });
  connect(CheckBox4, &QCheckBox::toggled, this, [this] { CheckBox4Click(); });
  connect(CheckBox5, &QCheckBox::toggled, this, [this] { CheckBox5Click(); });
  connect(CheckBox7, &QCheckBox::toggled, this, [this] { CheckBox7Click(); });
}

void TOpenForm::CreateButtonBar() {
  Panel5 = MakePanel(this, QStringLiteral("Panel5"));
  Panel5->resize(kClientWidth, kButtonBarHeight);
  Panel7 = MakeLabel(Panel5, QStringLiteral("Panel7"));
  Panel7->setAlignment(Qt::AlignCenter);
  Panel7->setFrameShape(QFrame::Panel);
  Panel7->setFrameShadow(QFrame::Raised);
  Panel7->setLineWidth(2);
  Panel7->setAutoFillBackground(true);
  Panel7->setCursor(Qt::PointingHandCursor);
  Panel7->setGeometry(4, 5, 64, 26);
  Panel7->installEventFilter(this);
  Label1 = MakeLabel(Panel5, QStringLiteral("Label1"));
  Button2 = MakeButton(Panel5, QStringLiteral("Button2"));
  BitBtn2 = MakeButton(Panel5, QStringLiteral("BitBtn2"));
  Button3 = MakeButton(Panel5, QStringLiteral("Button3"));
  Button1 = MakeButton(Panel5, QStringLiteral("Button1"));
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
  connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
  // Close has no handler of its own: result 2.
  connect(Button1, &QPushButton::clicked, this, [this] { done(2); });
}

void TOpenForm::SetOpenWindowCaptions() {
  Button1->setText(CommonlanText(8));
  Button3->setText(CommonlanText(6));
  BitBtn2->setText(CommonlanText(22).toUpper());
  Button2->setText(MeoplanOpenText(6));
  Panel7->setText(MeoplanOpenText(0));
  for (QPushButton* b : {Button1, Button3, BitBtn2}) b->resize(66, 26);
  Button2->resize(Button2->sizeHint().width() + 8, 26);
  // Buttons right-aligned with gaps of 3; the change-data button where
  // Delete is.
  const int top = 5;
  Button1->move(Panel5->width() - Button1->width() - 3, top);
  BitBtn2->move(Button1->x() - BitBtn2->width() - 3, top);
  Button3->move(BitBtn2->x() - Button3->width() - 3, top);
  Button2->move(Panel7->x(), top);
  Label48->setText(ActlanText(30).toLower());
  Label9->setText(CommonlanText(13).toLower());
  Label10->setText(CommonlanText(12).toLower());
  Label11->setText(CommonlanText(11).toLower());
  Label43->setText(QStringLiteral("haapa"));
  Label44->setText(QString::fromUtf8("leppä"));
  Label7->setText(QStringLiteral(" - ") + CommonlanText(14).toLower());
  Label21->setText(QStringLiteral("m2/ha"));
  Label22->setText(CommonlanText(17));
  Label5->setText(QStringLiteral(" - ") + CommonlanText(18).toLower());
  Label23->setText(CommonlanText(19));
  Label31->setText(QStringLiteral(" - ") + CommonlanText(117).toLower());
  Label32->setText(QStringLiteral(" - ") + CommonlanText(59));
  Label34->setText(CommonlanText(61));
  CheckBox1->setText(CommonlanText(54));
  for (QLabel* l : {Label48, Label9, Label10, Label11, Label43, Label44, Label7, Label21, Label22, Label5, Label23,
                    Label31, Label32, Label34})
    l->adjustSize();
  SavedBasalAreaCaption.clear();
  SavedSampleCaption.clear();
}

bool TOpenForm::IsOpenMode() const { return openButton_; }
bool TOpenForm::IsListMode() const { return openButton_ && standList_; }

OpenMode TOpenForm::Mode() const {
  if (!openButton_) return OpenMode::StandData;
  return standList_ ? OpenMode::List : OpenMode::SingleStand;
}

void TOpenForm::SetShowMode(bool openButton, bool standList) {
  openButton_ = openButton;
  standList_ = standList;
  Button3->setVisible(openButton);
  ListBox1->setVisible(standList);
}

void TOpenForm::LayoutOpenWindow(bool showView) {
  // 1. The upper panel as high as the measurement window's less 26 (and
  // the list's rows), the chart beside it filling its panel.
  const int upper = (MeasForm ? MeasForm->Panel2->height() - kMeasurementPanelLess : kUpperPanelHeight) +
                    (standList_ ? kListExtraHeight : 0);
  Panel2->resize(Panel2->width(), upper);
  Panel6->resize(Panel6->width(), upper);
  Chart1->resize(Panel6->width() - 4, Panel6->height() - 6);
  chartBottomMargin_ = standList_ ? 2 : 1;
  // The currency box sits on the chart's footer line, at its left.
  CheckBox1->adjustSize();
  CheckBox1->move(Chart1->x() + 2, Chart1->y() + Chart1->height() - chartBottomMargin_ - CheckBox1->height());
  CheckBox1->raise();
  // 2. The additional information at the bottom of the upper panel.
  RichEdit1->move(RichEdit1->x(), Panel2->height() - RichEdit1->height() - 8);
  Label48->move(6, RichEdit1->y() - Label48->height() - 3);
  // 3. The sample panel under it, the stand view under that.
  Panel3->move(0, Panel2->y() + Panel2->height());
  Image3->setVisible(showView);
  Label6->setVisible(showView);
  Image3->move(Panel3->x(), Panel3->y() + Panel3->height());
  // 4. The caption over the top of the picture, the option row under it at
  // the right.
  Label6->clear();
  Label6->move(Image3->x() + 6, Image3->y() + 4);
  const int optionTop = Image3->y() + 22;
  int x = Image3->x() + Image3->width() - 6;
  for (auto [box, label] : {std::pair{CheckBox7, Label40}, {CheckBox5, Label36}, {CheckBox4, Label24},
                            {CheckBox3, Label27}, {CheckBox2, Label13}}) {
    label->adjustSize();
    x -= label->width();
    label->move(x, optionTop + 1);
    box->resize(16, 16);
    x -= box->width() + 1;
    box->move(x, optionTop);
    x -= 10;
    // Hidden first: the box's handler then does nothing.
    box->hide();
    label->hide();
    box->setChecked(false);
  }
  // 5. The button bar under the lowest panel.
  Panel5->move(0, Image3->isVisibleTo(this) ? Image3->y() + Image3->height() : Panel3->y() + Panel3->height());
  // 6.
  ClearStandViewImage(Image3, false, true);
  FitFormHeight(this, Panel5->y(), Panel5->height());
}

void TOpenForm::ArrangePreviewRows() {
  const int base = standList_ ? ListBox1->y() + ListBox1->height() + 4 : 44;
  auto rowTop = [base](int r) { return r > 0 ? base + 12 * r + 3 : base; };
  const std::array<QLabel*, 5> headings{Label9, Label10, Label11, Label43, Label44};
  Label2->move(6, rowTop(0));
  for (int s = 0; s < 5; ++s) {
    const int x = kValueLeft + s * kValueStep;
    headings[s]->move(x + kValueStep - 6 - headings[s]->width(), rowTop(0));
    DiameterLabels[s]->move(x, rowTop(1));
    HeightLabels[s]->move(x, rowTop(2));
    BasalAreaLabels[s]->move(x, rowTop(3));
    AgeLabels[s]->move(x, rowTop(4));
  }
  const std::pair<QLabel*, QLabel*> rows[4] = {{Label8, Label22}, {Label5, Label23}, {Label7, Label21},
                                               {Label31, Label34}};
  for (int r = 0; r < 4; ++r) {
    rows[r].first->move(6, rowTop(r + 1));
    rows[r].second->move(kUnitLeft, rowTop(r + 1));
  }
  Label32->move(6, Label31->y());
}

void TOpenForm::PositionOpenWindow() {
  if (QWidget* intro = ApplicationWindow(QStringLiteral("IntroForm")); intro && intro->isVisible()) {
    if (StandHost* host = SessionHost()) host->CentreStartWindow();
    move(intro->x() + 8, intro->y() + 8);
    return;
  }
  PlaceOnScreen(this, 0.5, 0.5);
}

void TOpenForm::ClearActiveControl() { ClearFocus(this); }

void TOpenForm::PaintWindow(const QColor& colour) {
  SetWidgetColor(this, colour);
  repaint();
}

std::vector<QLabel*> TOpenForm::ValueLabels() const {
  std::vector<QLabel*> all;
  for (const auto* row : {&DiameterLabels, &HeightLabels, &BasalAreaLabels, &AgeLabels})
    all.insert(all.end(), row->begin(), row->end());
  return all;
}

bool TOpenForm::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::MouseButtonPress) {
    if (watched == Panel7) {
      if (IsOpenMode()) Panel7Click();
      return true;
    }
    const std::pair<QLabel*, QCheckBox*> pairs[5] = {
        {Label13, CheckBox2}, {Label27, CheckBox3}, {Label24, CheckBox4}, {Label36, CheckBox5}, {Label40, CheckBox7}};
    for (auto [label, box] : pairs)
      if (watched == label) {
        if (box->isEnabled()) box->toggle();
        ClearActiveControl();
        return true;
      }
  }
  return QDialog::eventFilter(watched, e);
}
