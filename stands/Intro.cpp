#include "stands/Intro.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLinearGradient>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include "model/Settings.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Numbers.h"
#include "platform/Screen.h"
#include "ui/WindowHelpers.h"
#include "ui/ListClicks.h"
#include "ui/MessageService.h"
#include "ui/Palette.h"
#include "ui/Session.h"
#include "ui/StandHost.h"
#include "stands/OpenFile.h"
#include "stands/Meas.h"
#include "stands/Settings.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "texts/Introlan.h"

TIntroForm* IntroForm = nullptr;

namespace {

constexpr int kWidth = 888;
constexpr int kHeight = 332;

QFont IntroFont(bool title, int pixelSize) {
  QFont f = PixelFont(title ? QStringLiteral("Calibri") : QStringLiteral("Calibri Light"), pixelSize);
  if (title) f.setItalic(true);
  return f;
}

// The start picture: an evening forest on the left fading into a light field
// on the right where the texts stand.
QPixmap DrawStartPicture(int width, int height) {
  QPixmap pm(width, height);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, height);
  sky.setColorAt(0.0, QColor(196, 222, 236));
  sky.setColorAt(0.7, QColor(238, 242, 226));
  sky.setColorAt(1.0, QColor(214, 226, 196));
  p.fillRect(pm.rect(), sky);
  // Hills.
  QPainterPath hill;
  hill.moveTo(0, height * 0.72);
  hill.cubicTo(width * 0.15, height * 0.6, width * 0.3, height * 0.78, width * 0.45, height * 0.7);
  hill.lineTo(width * 0.45, height);
  hill.lineTo(0, height);
  hill.closeSubpath();
  p.fillPath(hill, QColor(120, 158, 104));
  // Conifers of three depths.
  const struct { double base, scale; QColor colour; } rows[] = {
      {0.70, 0.55, QColor(92, 128, 96)}, {0.84, 0.8, QColor(52, 96, 62)}, {1.0, 1.1, QColor(28, 66, 40)}};
  quint32 seed = 7;  // a fixed little generator: the picture is the same every time
  for (const auto& row : rows) {
    for (double x = 6; x < width * 0.44; x += 22 * row.scale) {
      seed = (seed * 1103515245u + 12345u) & 0x7fffffffu;
      const double h = height * (0.22 + (seed % 100) / 600.0) * row.scale;
      const double w = h * 0.34;
      const double baseY = height * row.base;
      QPainterPath tree;
      tree.moveTo(x, baseY - h);
      tree.lineTo(x + w / 2, baseY);
      tree.lineTo(x - w / 2, baseY);
      tree.closeSubpath();
      p.fillPath(tree, row.colour);
    }
  }
  // Light field for the texts.
  QLinearGradient fade(width * 0.40, 0, width * 0.48, 0);
  fade.setColorAt(0.0, QColor(250, 250, 244, 0));
  fade.setColorAt(1.0, QColor(250, 250, 244, 255));
  p.fillRect(QRectF(width * 0.40, 0, width * 0.60, height), fade);
  return pm;
}

QPixmap DrawProgramIcon(int size) {
  QPixmap pm(size, size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(PaletteColor(5));
  p.drawRoundedRect(QRectF(0, 0, size, size), 6, 6);
  p.setBrush(QColor(28, 80, 44));
  QPainterPath tree;
  tree.moveTo(size * 0.5, size * 0.1);
  tree.lineTo(size * 0.82, size * 0.78);
  tree.lineTo(size * 0.18, size * 0.78);
  tree.closeSubpath();
  p.drawPath(tree);
  p.setBrush(QColor(96, 64, 40));
  p.drawRect(QRectF(size * 0.45, size * 0.78, size * 0.1, size * 0.14));
  return pm;
}

QLabel* TransparentLabel(QWidget* parent, const char* name, const QFont& font) {
  auto* l = new QLabel(parent);
  l->setObjectName(QLatin1String(name));
  l->setFont(font);
  l->setAttribute(Qt::WA_TranslucentBackground);
  SetRoleColor(l, QPalette::WindowText, QColor(32, 40, 36));
  return l;
}

QPushButton* IntroButton(QWidget* parent, const char* name) {
  auto* b = new QPushButton(parent);
  b->setObjectName(QLatin1String(name));
  b->setFont(IntroFont(false, 13));
  b->setAutoDefault(false);
  return b;
}

}  // namespace

TIntroForm::TIntroForm(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("IntroForm"));
  IntroForm = this;
  setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
  // 1. The start-up flow still to run (the session starts without a stand).
  FirstActivation = true;
  FirstStandActivation = true;
  // 2. Size.
  SetOuterSize(this, kWidth, kHeight);
  const platform::ScreenMetrics m = platform::GetScreenMetrics();
  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setScaledContents(true);
  // 4. The start picture fills the window but for the bottom strip.
  Image1->setGeometry(0, 0, kWidth, kHeight - (m.captionButtonHeight == 18 ? 29 : 34));
  Image1->setPixmap(DrawStartPicture(kWidth, Image1->height()));
  Image1->hide();
  Image2 = new QLabel(this);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->setPixmap(DrawProgramIcon(32));
  Image2->resize(32, 32);
  Label4 = TransparentLabel(this, "Label4", IntroFont(true, 25));
  const QFont lineFont = IntroFont(false, 12);
  Label6 = TransparentLabel(this, "Label6", lineFont);
  // 3. The description column.
  Label6->move(platform::RoundHalfAway(kWidth * 0.482), 0);
  Label8 = TransparentLabel(this, "Label8", lineFont);
  Label9 = TransparentLabel(this, "Label9", lineFont);
  Label10 = TransparentLabel(this, "Label10", lineFont);
  Label11 = TransparentLabel(this, "Label11", lineFont);
  Label12 = TransparentLabel(this, "Label12", lineFont);
  Label13 = TransparentLabel(this, "Label13", lineFont);
  Label14 = TransparentLabel(this, "Label14", lineFont);
  Label15 = TransparentLabel(this, "Label15", lineFont);
  Label17 = TransparentLabel(this, "Label17", IntroFont(false, 13));
  Label5 = TransparentLabel(this, "Label5", IntroFont(false, 12));
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setFont(IntroFont(false, 12));
  ListBox1->addItems({QStringLiteral("suuri"), QStringLiteral("keski"), QStringLiteral("pieni")});
  ListBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ListBox1->resize(64, 3 * ListBox1->sizeHintForRow(0) + 2 * ListBox1->frameWidth());
  WatchListClicks(ListBox1, [this] { ListBox1Click(ListBox1->currentRow()); });
  Button3 = IntroButton(this, "Button3");
  Button2 = IntroButton(this, "Button2");
  Button1 = IntroButton(this, "Button1");
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
  // 5. Captions.
  setWindowTitle(QString());
  Label4->setText(CommonlanText(0));
  Button2->setText(CommonlanText(5) + QLatin1Char(' ') + CommonlanText(50).toLower());
  Button1->setText(CommonlanText(8));
  Label5->setText(IntrolanText(36).toLower());
  const QList<QLabel*> lines = DescriptionLines();
  for (int i = 0; i < lines.size(); ++i) lines[i]->setText(IntrolanText(2 + i));
  OpenDialog1Filter = StandFileOpenFilter();
}

TIntroForm::~TIntroForm() {
  if (IntroForm == this) IntroForm = nullptr;
}

QList<QLabel*> TIntroForm::DescriptionLines() const {
  return {Label6, Label8, Label9, Label10, Label11, Label12, Label13, Label14, Label15};
}

void TIntroForm::ShowStartPicture() {
  Image1->show();
  Image1->lower();
}

void TIntroForm::LayOutStartDisplay() {
  const int left = Label6->x();
  Image2->move(left, 14);
  Label4->adjustSize();
  Label4->move(Image2->x() + Image2->width() + 22, Image2->y() - 2);
  Label6->adjustSize();
  Label6->move(left, Label4->y() + Label4->height() + 22);
  // Size list in the top right corner with its caption before it.
  ListBox1->move(kWidth - ListBox1->width() - 13, 1);
  Label5->adjustSize();
  Label5->move(ListBox1->x() - Label5->width() - 6,
               platform::RoundHalfAway((ListBox1->height() - Label5->height()) * 0.5 + 1));
  Label6->show();
  const QList<QLabel*> lines = DescriptionLines();
  for (int k = 1; k < lines.size(); ++k) {
    const int group = k <= 3 ? 0 : (k <= 6 ? 1 : 2);
    QLabel* l = lines[k];
    l->setFont(Label6->font());
    l->adjustSize();
    l->move(left, Label6->y() + 7 * group + (Label6->height() - 2) * k);
    l->show();
  }
  Label17->setText(IntrolanText(27));
  Label17->adjustSize();
  Label17->move(left, Label15->y() + Label15->height() + 12);
  Button3->setText(ActlanText(72));
  const int top = Label17->y() + Label17->height() + 5;
  for (QPushButton* b : {Button3, Button2, Button1}) {
    b->adjustSize();
    b->resize(qMax(b->width(), 96), b->height());
  }
  Button3->move(left, top);
  Button2->move(Button3->x() + Button3->width() + 3, top);
  Button1->move(Button2->x() + Button2->width() + 3, top);
}

void TIntroForm::FormActivate() {
  if (FirstActivation) {
    // Cleared first: the settings notice runs an event loop of its own, in
    // which this window is activated again.
    FirstActivation = false;
    // 1. The program folder is the working directory at start.
    QString programFolder = QDir::currentPath();
    if (programFolder.size() > 1 && programFolder.endsWith(QLatin1Char('/'))) programFolder.chop(1);
    if (TheSession) TheSession->ProgramFolder = programFolder;
    // 3. Start display.
    LayOutStartDisplay();
    // 4. Settings: read, or announced, defaulted and written.
    model::SetSettingsFolder(programFolder);
    if (!SettForm) SettForm = new TSettForm;
    LoadSettings(model::kAllPages);
    // 5. Currency captions; 6. the wide view starts off.
    if (TheSession) emit TheSession->settingsRead();
    // 7, 8. Window sizes the screen allows.
    const QSize main = HostWindowSize();
    const SizeChoice c = SizeChoiceFor(main.width(), main.height(), platform::GetScreenMetrics().width);
    ListBox1->setVisible(c.listVisible);
    Label5->setVisible(c.listVisible);
    ListBox1->setCurrentRow(c.itemIndex);
    SmallestSizeIndex = c.smallestSizeIndex;
    SizeIndex = c.itemIndex;
    // 9.
    setWindowTitle(PadCaption(windowTitle()));
  }
  ClearActiveControl();
}

void TIntroForm::ListBox1Click(int s) {
  if (s != SizeIndex) {
    if (s < SmallestSizeIndex) {
      ShowNotice(IntrolanText(32), IntrolanText(33) + (s < 1 ? IntrolanText(34) : IntrolanText(35)) +
                                       QStringLiteral("  !"));
      ListBox1->setCurrentRow(SizeIndex);
    } else if (StandHost* host = SessionHost()) {
      const platform::ScreenMetrics m = platform::GetScreenMetrics();
      host->ResizeMainWindow(TargetSizeOfChoice(s, m.width, m.height));
      SizeIndex = s;
    }
  }
  ClearActiveControl();
}

void TIntroForm::Button1Click() {
  if (ShowQuestion(CommonlanText(0), QStringLiteral("Haluatko"), QStringLiteral("sulkea sovelluksen  ?"),
                   CommonlanText(38), CommonlanText(39)) == 1)
    close();
  else
    ClearActiveControl();
}

void TIntroForm::Button2Click() {
  NewStandFromMeasurementWindow(false);
  ClearActiveControl();
}
void TIntroForm::Button3Click() {
  OpenStandByDialog(false);
  if (isVisible()) ClearActiveControl();
}

void TIntroForm::ClearActiveControl() { ClearFocus(this); }

void TIntroForm::closeEvent(QCloseEvent* e) {
  // Closing the start window in any way ends the program; nothing is saved.
  e->accept();
  if (TheSession) emit TheSession->programEndRequested();
}

void TIntroForm::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (FirstActivation)
    QMetaObject::invokeMethod(this, [this] { FormActivate(); }, Qt::QueuedConnection);
}

bool TIntroForm::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) FormActivate();
  return QWidget::event(e);
}
