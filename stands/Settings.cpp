#include "stands/Settings.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextEdit>

#include "ui/ListClicks.h"
#include "ui/Palette.h"
#include "platform/Numbers.h"
#include "ui/WindowHelpers.h"
#include "ui/MessageService.h"
#include "texts/Commonlan.h"
#include "texts/Settlan.h"

TSettForm* SettForm = nullptr;

namespace {

// Layout of the window, client pixels.
constexpr int kWidth = 580;
constexpr int kPricePanelHeight = 232;
constexpr int kRowTop = 46;
constexpr int kRowStep = 30;
constexpr int kEditHeight = 22;
constexpr int kColumnLabelLeft[2] = {16, 232};
constexpr int kColumnEditLeft[2] = {112, 328};
constexpr int kListLeft = 448;
constexpr int kListWidth = 116;

// Per price format: mask, text format, largest price.
struct PriceFormat {
  const char* mask;
  const char* format;
};
constexpr PriceFormat kFormats[model::kPriceFormatCount] = {
    {"00.00;_", "%5.2f"}, {"000.00;_", "%6.2f"}, {"0000.00;_", "%7.2f"}};

QString LowerText(int commonNumber) { return CommonlanText(commonNumber).toLower(); }

}  // namespace

QString CurrencyUnitText(bool shortForm) {
  if (SettForm) return SettForm->CurrencyUnitText(shortForm);
  return model::CurrencyUnitOf(model::CurrencyListText(model::CurrentSettings().currencyIndex), shortForm);
}

// ---- The price settings window ----------------------------------------------

TSettForm::TSettForm(QWidget* parent)
    : TSettingsWindow(parent, QStringLiteral("SettForm"), model::kPricePage), Settings(model::CurrentSettings()) {
  SettForm = this;

  Panel1 = MakeSettingsPanel(this, QStringLiteral("Panel1"), 3);
  Panel1->setGeometry(0, 0, kWidth, kPricePanelHeight);
  Label20 = MakeSettingsLabel(Panel1, QStringLiteral("Label20"));
  Label20->setFont(SettingsHeadingFont());

  // Price rows: (label, edit, unit label) in two columns of five.
  struct Row {
    QLabel** label;
    const char* labelName;
    QLineEdit** edit;
    const char* editName;
    QLabel** unit;
    const char* unitName;
    int column, row;
  };
  const Row rows[] = {
      {&Label1, "Label1", &MaskEdit1, "MaskEdit1", &Label11, "Label11", 0, 0},
      {&Label2, "Label2", &MaskEdit2, "MaskEdit2", &Label9, "Label9", 0, 1},
      {&Label3, "Label3", &MaskEdit3, "MaskEdit3", &Label16, "Label16", 0, 2},
      {&Label36, "Label36", &MaskEdit4, "MaskEdit4", &Label33, "Label33", 0, 3},
      {&Label38, "Label38", &MaskEdit5, "MaskEdit5", &Label34, "Label34", 0, 4},
      {&Label4, "Label4", &MaskEdit6, "MaskEdit6", &Label17, "Label17", 1, 0},
      {&Label5, "Label5", &MaskEdit7, "MaskEdit7", &Label18, "Label18", 1, 1},
      {&Label6, "Label6", &MaskEdit8, "MaskEdit8", &Label19, "Label19", 1, 2},
      {&Label37, "Label37", &MaskEdit9, "MaskEdit9", &Label35, "Label35", 1, 3},
      {&Label39, "Label39", &MaskEdit10, "MaskEdit10", &Label40, "Label40", 1, 4},
  };
  for (const Row& r : rows) {
    const int top = kRowTop + kRowStep * r.row;
    *r.label = MakeSettingsLabel(Panel1, QString::fromLatin1(r.labelName));
    (*r.label)->setGeometry(kColumnLabelLeft[r.column], top, 92, kEditHeight);
    auto* e = new QLineEdit(Panel1);
    e->setObjectName(QString::fromLatin1(r.editName));
    // Narrow digits and a thin frame: the edits are 33 pixels wide in the
    // smallest price format.
    e->setFont(PixelFont(QStringLiteral("Arial Narrow"), 13));
    e->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid #7a7a7a; padding: 0px; background: white; }"));
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    e->setGeometry(kColumnEditLeft[r.column], top, 33, kEditHeight);
    *r.edit = e;
    *r.unit = MakeSettingsLabel(Panel1, QString::fromLatin1(r.unitName));
    (*r.unit)->setGeometry(kColumnEditLeft[r.column] + 40, top, 60, kEditHeight);
    connect(e, &QLineEdit::textChanged, this, [this, e] { PriceEditChanged(e); });
  }

  Label8 = MakeSettingsLabel(Panel1, QStringLiteral("Label8"), QStringLiteral("rahayksikkö"));
  Label8->move(kListLeft, 12);
  ListBox2 = new QListWidget(Panel1);
  ListBox2->setObjectName(QStringLiteral("ListBox2"));
  ListBox2->setGeometry(kListLeft, 34, kListWidth, 108);
  Label7 = MakeSettingsLabel(Panel1, QStringLiteral("Label7"), QStringLiteral("maksimihinta"));
  Label7->move(kListLeft, 148);
  ListBox1 = new QListWidget(Panel1);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (int i = 0; i < model::kPriceFormatCount; ++i) ListBox1->addItem(QStringLiteral("9999.99"));
  // All three formats in sight.
  ListBox1->setGeometry(kListLeft, 168, kListWidth,
                        model::kPriceFormatCount * ListBox1->sizeHintForRow(0) + 2 * ListBox1->frameWidth());
  // The lists react to the user's clicks and keys only.
  WatchListClicks(ListBox2, [this] { ListBox2Click(); });
  WatchListClicks(ListBox1, [this] { ListBox1Click(); });

  RichEdit4 = MakeSettingsInfoText(this, QStringLiteral("RichEdit4"), 1);

  Panel2 = MakeSettingsPanel(this, QStringLiteral("Panel2"), 7);
  MakeButtons(Panel2);

  FormCreate();
}

TSettForm::~TSettForm() {
  if (SettForm == this) SettForm = nullptr;
}

std::array<QLineEdit*, model::kPriceEditCount> TSettForm::PriceEdits() const {
  return {MaskEdit1, MaskEdit2, MaskEdit3, MaskEdit4, MaskEdit5,
          MaskEdit6, MaskEdit7, MaskEdit8, MaskEdit9, MaskEdit10};
}

std::array<QLabel*, model::kPriceEditCount> TSettForm::UnitLabels() const {
  return {Label11, Label9, Label16, Label33, Label34, Label17, Label18, Label19, Label35, Label40};
}

void TSettForm::FormCreate() {
  // Texts.
  const std::pair<QLabel*, int> assortmentLabels[] = {{Label1, 47}, {Label2, 46}, {Label3, 45}, {Label4, 44},
                                                      {Label5, 43}, {Label6, 42}, {Label39, 48}};
  for (const auto& [label, number] : assortmentLabels) label->setText(LowerText(number));
  Label36->setText(QStringLiteral("haapakuitu"));
  Label37->setText(QStringLiteral("haapatukki"));
  Label38->setText(QString::fromUtf8("leppäkuitu"));
  Label20->setText(SettlanText(2) + QStringLiteral("       :"));
  Label20->adjustSize();
  Label20->move(16, 12);
  const QStringList info = {
      SettlanText(18),
      QString(),
      QString::fromUtf8("Puutavaralajien minimilatvaläpimitat (cm) ja pituudet (dm) :"),
      QString(),
      QString::fromUtf8("mäntykuitu 7 cm, 30-55 dm    mäntytukki 15 cm, 43-61 dm ja 18 cm, 31-40 dm"),
      QStringLiteral("kuusikuitu 7 cm, 30-55 dm    kuusitukki 16 cm, 43-61 dm"),
      QStringLiteral("koivukuitu 7 cm, 30-55 dm    koivutukki 18 cm, 31-70 dm"),
      QStringLiteral("haapakuitu 7 cm, 30-55 dm    haapatukki 18 cm, 31-70 dm"),
      QString::fromUtf8("leppäkuitu 7 cm, 30-55 dm"),
      QString(),
      QStringLiteral("Ranka on kuitupuuta pienempää runkopuuta ja latvarankaa."),
  };
  RichEdit4->setPlainText(info.join(QLatin1Char('\n')));
  ListBox2->clear();
  for (int i = 0; i < model::kCurrencyCount; ++i) ListBox2->addItem(model::CurrencyListText(i));

  // Heights: the information text by its lines, the button panel under it.
  RichEdit4->setGeometry(0, kPricePanelHeight, kWidth, 100);
  const int infoHeight = InfoTextHeight(RichEdit4, Label20->height());
  RichEdit4->setGeometry(0, kPricePanelHeight, kWidth, infoHeight);
  PlaceButtonPanel(Panel2, kPricePanelHeight + infoHeight, kWidth);
  setWindowTitle(PadCaption(CommonlanText(98)));

  // Until the settings are loaded the window shows the (zeroed) record.
  FillPriceListText();
  FillPriceEdits(PriceEdits(), UnitLabels(), -1);
}

void TSettForm::FormActivate() {
  PlaceOnScreen(this, 0.5, 0.5);
  CurrencyAtActivation = CurrencyIndex();
  BitBtn1->setEnabled(false);
  ClearActiveControl(this);
}

// ---- Prices ----------------------------------------------------------------

int TSettForm::CurrencyIndex() const { return ListBox2->currentRow(); }

int TSettForm::PriceFormatIndex() const { return ListBox1->currentRow(); }

QString TSettForm::CurrencyUnitText(bool shorten) const {
  const QListWidgetItem* item = ListBox2->currentItem();
  return model::CurrencyUnitOf(item ? item->text() : QString(), shorten);
}

float TSettForm::MaxPriceValue() const { return model::MaxPriceOfFormat(PriceFormatIndex()); }

void TSettForm::FillPriceListText() {
  // Common texts 54 (the unit) and 57 (unit per m3), taken from this
  // window's list as it is now, also before the choice is saved.
  const QString unit = CurrencyUnitText(true);
  for (QLabel* l : UnitLabels()) {
    l->setText(unit + QLatin1Char('/') + CommonlanText(53));
    l->resize(l->sizeHint().width(), l->height());
  }
  static const char* const kLargest[] = {"99.99 ", "999.99 ", "9999.99 "};
  for (int i = 0; i < model::kPriceFormatCount; ++i)
    ListBox1->item(i)->setText(QString::fromLatin1(kLargest[i]) + unit);
}

void TSettForm::FillPriceEdits(const std::array<QLineEdit*, model::kPriceEditCount>& edits,
                               const std::array<QLabel*, model::kPriceEditCount>& labels, int mode) {
  const int percent = mode < 0 ? 0 : (mode == 1 ? 10 : -10);
  const auto prices = model::PriceEditOrder(Settings);
  for (int i = 0; i < model::kPriceEditCount; ++i)
    FillPriceEdit(prices[i], i == model::kPriceEditCount - 1 ? 0 : percent, edits[i], labels[i]);
}

void TSettForm::FillPriceEdit(float price, int percent, QLineEdit* edit, QLabel* label) {
  const int format = qBound(0, PriceFormatIndex(), model::kPriceFormatCount - 1);
  const double change = platform::RoundHalfAway(static_cast<double>(price) * percent * 0.01);
  double v = price + change;
  if (!(v >= 0.0)) v = 0.0;  // NaN too
  const double largest = model::MaxPriceOfFormat(format);
  if (v > largest) v = largest;
  const int width = 33 + 7 * format;
  edit->resize(width, edit->height());
  label->move(edit->x() + width + 7, label->y());
  {
    const QSignalBlocker block(edit);
    edit->setInputMask(QString::fromLatin1(kFormats[format].mask));
  }
  // The formatted text has blanks in front of small numbers; a masked edit
  // holds digits in every position.
  edit->setText(FillMaskBlanks(platform::FormatC(kFormats[format].format, v)));
}

QString TSettForm::FillMaskBlanks(const QString& text, QChar blank) {
  QString out = text;
  for (QChar& c : out)
    if (c == u' ' || c == blank) c = u'0';
  return out;
}

void TSettForm::PriceEditChanged(QLineEdit* edit) {
  const QString filled = FillMaskBlanks(edit->displayText());
  if (filled != edit->displayText()) {
    const int cursor = edit->cursorPosition();
    edit->setText(filled);  // runs this handler once more, with nothing to fill
    edit->setCursorPosition(cursor);
  }
  BitBtn1->setEnabled(true);
}

void TSettForm::ListBox2Click() {
  FillPriceListText();
  BitBtn1->setEnabled(true);
  ClearActiveControl(this);
}

void TSettForm::ListBox1Click() {
  FillPriceEdits(PriceEdits(), UnitLabels(), -1);
  ClearActiveControl(this);
}

model::PriceValues TSettForm::PriceValuesOfWindow() const {
  model::PriceValues v;
  v.priceFormatIndex = qMax(0, PriceFormatIndex());
  v.currencyIndex = qMax(0, CurrencyIndex());
  const auto stored = model::PriceEditOrder(Settings);
  const auto edits = PriceEdits();
  for (int i = 0; i < model::kPriceEditCount; ++i) {
    // The masks admit digits only, so a text always reads; should it not,
    // the stored price stays.
    const std::optional<float> p = model::ParseDecimalText(FillMaskBlanks(edits[i]->displayText()));
    v.prices[i] = p.value_or(stored[i]);
  }
  return v;
}

// ---- Loading and saving ----------------------------------------------------

void TSettForm::SetDefaultSettings() { model::SetDefaultSettings(Settings); }

bool TSettForm::WriteSettingsFile() {
  QString error;
  const bool ok = model::WriteSettingsFile(Settings, model::SettingsFilePath(), &error);
  if (!ok) ReportSettingsWriteFailure(error);
  return ok;
}

bool TSettForm::ApplySettings() {
  const model::SettingsSaveResult res = model::ApplySettings(PriceValuesOfWindow(), CurrencyAtActivation);
  if (!res.written) ReportSettingsWriteFailure(res.error);
  return res.written;
}

void TSettForm::ShowSettings(const model::SettingsRecord& s) {
  ListBox2->setCurrentRow(s.currencyIndex);
  FillPriceListText();
  ListBox1->setCurrentRow(s.priceFormatIndex);
  FillPriceEdits(PriceEdits(), UnitLabels(), -1);
}

model::SettingsSaveResult TSettForm::SaveShownSettings() { return model::SavePriceSettings(PriceValuesOfWindow()); }
