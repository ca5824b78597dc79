#include "mainwindow/Acts.h"
#include "mainwindow/Help.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>

#include "model/Settings.h"
#include "stands/Intro.h"
#include "ui/ListClicks.h"
#include "ui/WindowHelpers.h"
#include "ui/MessageService.h"
#include "ui/Session.h"
#include "stands/Settings.h"
#include "stands/Settings1.h"
#include "stands/Settings2.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "texts/Inclan.h"
#include "texts/Tradelan.h"

TActForm* ActForm = nullptr;

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name) {
  auto* l = new QLabel(parent);
  l->setObjectName(QLatin1String(name));
  return l;
}

QPushButton* MakeButton(QWidget* parent, const char* name) {
  auto* b = new QPushButton(parent);
  b->setObjectName(QLatin1String(name));
  b->setAutoDefault(false);
  b->setFocusPolicy(Qt::TabFocus);
  return b;
}

QFrame* MakePanel(QWidget* parent, const char* name, int paletteIndex) {
  auto* p = new QFrame(parent);
  p->setObjectName(QLatin1String(name));
  p->setFrameShape(QFrame::Panel);
  p->setFrameShadow(QFrame::Raised);
  if (paletteIndex > 0) SetWidgetColor(p, PaletteColor(paletteIndex));
  return p;
}

}  // namespace

TActForm::TActForm(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("ActForm"));
  ActForm = this;
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
  Client = new QWidget(this);
  Client->setObjectName(QStringLiteral("Client"));
  setCentralWidget(Client);
  Image12 = new TCanvas(Client);
  Image12->setObjectName(QStringLiteral("Image12"));
  Label7 = MakeLabel(Client, "Label7");
  Label7->hide();
  CreateEstatePanels();
  CreateEstateControls();
  CreatePages();
  CreateStandCard();
  CreateStandViewTexts();
  CreateOverviewPage();
  CheckBox15 = new QCheckBox(Client);
  CheckBox15->setObjectName(QStringLiteral("CheckBox15"));
  SetRoleColor(CheckBox15, QPalette::WindowText, QColor(240, 240, 240));
  connect(CheckBox15, &QCheckBox::toggled, this, [this] { CheckBox15Click(); });
  CreateMenu();
  CreateStandCommands();
  ConnectCuttingCommands();
  connect(Panel11, &QPushButton::clicked, this, [this] { Panel11Click(); });
  connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });

  // 1. Offsets and the pending layout.
  PageControlOffset = -2;
  PanelOffset = -1;
  PictureWidth = 0;
  LayoutPending = true;
  // 2. Captions, colours and menus.
  SetMainWindowCaptions();
  SetMenuCaptions(0);
  // 3. Window place.
  move(50, 50);
  // 4. The background picture.
  Image12->lower();
  PaintBackground();
  resize(1266 - 6, 700 - 20 - 6 - 23);
  // Until a stand is activated the window shows none of its panels.
  SetStartupPanelsVisibility(false);

  InstallHooks();
  ConnectSession();
}

void TActForm::CreateStandCard() {
  Panel1 = MakePanel(Client, "Panel1", 7);
  Image4 = MakeLabel(Panel1, "Image4");
  // The frame around the cutting-stage list, drawn by the view.
  Image8 = MakeLabel(Panel1, "Image8");
  for (QLabel** l : {&Label10, &Label4, &Label16, &Label11, &Label15}) *l = new QLabel(Panel1);
  Label10->setObjectName(QStringLiteral("Label10"));
  Label4->setObjectName(QStringLiteral("Label4"));
  Label16->setObjectName(QStringLiteral("Label16"));
  Label11->setObjectName(QStringLiteral("Label11"));
  Label15->setObjectName(QStringLiteral("Label15"));
  for (QLabel* l : {Label10, Label4, Label16, Label11, Label15})
    SetRoleColor(l, QPalette::WindowText, QColor(240, 240, 240));
  ListBox3 = new QListWidget(Panel1);
  ListBox3->setObjectName(QStringLiteral("ListBox3"));
  ListBox3->addItems({QStringLiteral("harvennushakkuu"), QStringLiteral("pääte- tai poimintahakkuu")});
  ListBox3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ListBox3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The stage follows the user's click or key; a click on the item already
  // chosen finds nothing changed, and the list taking the focus with no
  // item chooses none.
  WatchListClicks(ListBox3, [this] { ListBox3Click(); });
  Button7 = MakeButton(Panel1, "Button7");
  Button10 = MakeButton(Panel1, "Button10");
  Button5 = MakeButton(Panel1, "Button5");
  Button15 = MakeButton(Panel1, "Button15");
  Button14 = MakeButton(Panel1, "Button14");
  Button1 = MakeButton(Panel1, "Button1");
  Button4 = MakeButton(Panel1, "Button4");
  Panel4 = MakeButton(Panel1, "Panel4");
  Panel10 = MakeButton(Panel1, "Panel10");
  Button12 = MakeButton(Panel1, "Button12");
  connect(Panel4, &QPushButton::clicked, this, [this] { Panel4Click(); });
  connect(Panel10, &QPushButton::clicked, this, [this] { Panel10Click(); });
  connect(Button12, &QPushButton::clicked, this, [this] { Button12Click(); });
  Button3 = MakeButton(Panel1, "Button3");
  Panel11 = MakeButton(Panel1, "Panel11");
  Button11 = MakeButton(Panel1, "Button11");
  BitBtn2 = MakeButton(Panel1, "BitBtn2");
  Panel14 = MakePanel(Panel1, "Panel14", 0);
  Panel14->hide();
  Label40 = MakeLabel(Panel1, "Label40");
  SetRoleColor(Label40, QPalette::WindowText, QColor(240, 240, 240));
  Label40->hide();
  Image14 = MakeLabel(Panel1, "Image14");
  Image15 = MakeLabel(Panel1, "Image15");
  Image16 = MakeLabel(Panel1, "Image16");
  Image17 = MakeLabel(Panel1, "Image17");
  ShowNewForestButton(false);
  connect(Button11, &QPushButton::clicked, this, [this] { Button11Click(); });
  CheckBox10 = new QCheckBox(Panel1);
  CheckBox10->setObjectName(QStringLiteral("CheckBox10"));
  CheckBox10->setText(InclanText(4));
  CheckBox4 = new QCheckBox(Panel1);
  CheckBox4->setObjectName(QStringLiteral("CheckBox4"));
  CheckBox4->setText(InclanText(2) + QStringLiteral(" %"));
  for (QCheckBox* box : {CheckBox10, CheckBox4}) {
    SetRoleColor(box, QPalette::WindowText, QColor(240, 240, 240));
    box->setFocusPolicy(Qt::TabFocus);
    box->hide();
    connect(box, &QCheckBox::toggled, this, [this] { CheckBox10Click(); });
  }
}

void TActForm::CreateEstatePanels() {
  Panel2 = MakePanel(Client, "Panel2", 20);
  Label14 = MakeLabel(Panel2, "Label14");
  SetRoleColor(Label14, QPalette::WindowText, QColor(255, 255, 255));
  ListBox1 = new QListWidget(Panel2);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  SetRoleColor(ListBox1, QPalette::Base, PaletteColor(151));
  // The stand files of the estate folder are the session's.
  FileListBox1 = TheSession->StandFiles;
  Panel9 = MakePanel(Client, "Panel9", 20);
  Panel5 = MakePanel(Panel9, "Panel5", 0);
  ShowForecastInfoPanel(false);
  Panel8 = MakePanel(Panel9, "Panel8", 28);
  Panel8->hide();
  DirectoryListBox1 = new TDirectoryListBox(Panel9);
  DirectoryListBox1->hide();
}

void TActForm::CreatePages() {
  PageControl2 = new QTabWidget(Client);
  PageControl2->setObjectName(QStringLiteral("PageControl2"));
  TabSheet8 = AddTabSheet(PageControl2, QStringLiteral("TabSheet8"));
  TabSheet9 = AddTabSheet(PageControl2, QStringLiteral("TabSheet9"));
  TabSheet6 = AddTabSheet(PageControl2, QStringLiteral("TabSheet6"));
  Panel6 = MakePanel(TabSheet8, "Panel6", 20);
  Panel7 = MakePanel(TabSheet9, "Panel7", 20);
  Panel3 = MakePanel(TabSheet6, "Panel3", 13);
  // The recommendation panel, shown while there is a recommendation, and
  // the note that takes its place when recommendations are switched off.
  Panel12 = MakeButton(Panel3, "Panel12");
  Panel12->setFont(PixelFont(QStringLiteral("Calibri"), 13, true));
  SetRoleColor(Panel12, QPalette::Button, PaletteColor(27));
  SetRoleColor(Panel12, QPalette::ButtonText, QColor(255, 255, 255));
  Panel12->hide();
  connect(Panel12, &QPushButton::clicked, this, [this] { Panel12Click(); });
  Label30 = MakeLabel(Panel3, "Label30");
  Label30->setText(ActlanText(19));
  SetRoleColor(Label30, QPalette::WindowText, QColor(255, 255, 255));
  Label30->hide();
  ComboBox28 = new QComboBox(Panel6);
  ComboBox28->setObjectName(QStringLiteral("ComboBox28"));
  ComboBox28->move(8, 8);
  SetRoleColor(ComboBox28, QPalette::Button, PaletteColor(15));
  SetRoleColor(ComboBox28, QPalette::Base, PaletteColor(15));
  ComboBox28->hide();
  const std::pair<TCanvas**, const char*> pictures[] = {
      {&Image3, "Image3"}, {&Image1, "Image1"}, {&Image10, "Image10"}, {&Image9, "Image9"}};
  for (const auto& [picture, name] : pictures) {
    *picture = new TCanvas(picture == &Image3 || picture == &Image1 ? Panel6 : Panel7);
    (*picture)->setObjectName(QLatin1String(name));
    (*picture)->hide();
  }
  ComboBox28->raise();
  // The user's change of page; the window's own settings of its pages
  // (hidden, shown, chosen) run nothing.
  WatchPageChanges(PageControl2, [this] { PageControl2Change(); });
}

void TActForm::CreateMenu() {
  QMenuBar* bar = menuBar();
  M1 = bar->addMenu(QString());
  M1->setObjectName(QStringLiteral("M1"));
  M11 = M1->addAction(QString());
  M12 = M1->addAction(QString());
  M13 = M1->addAction(QString());
  M1->addSeparator();
  M15 = M1->addAction(QString());
  M2 = bar->addMenu(QString());
  M2->setObjectName(QStringLiteral("M2"));
  M22 = M2->addAction(QString());
  M23 = M2->addAction(QString());
  M24 = M2->addAction(QString());
  M3 = bar->addMenu(QString());
  M3->setObjectName(QStringLiteral("M3"));
  M31 = M3->addAction(QString());
  M32 = M3->addAction(QString());
  const std::pair<QAction*, const char*> names[] = {{M11, "M11"}, {M12, "M12"}, {M13, "M13"}, {M15, "M15"},
                                                    {M22, "M22"}, {M23, "M23"}, {M24, "M24"}, {M31, "M31"},
                                                    {M32, "M32"}};
  for (const auto& [action, name] : names) action->setObjectName(QLatin1String(name));
  connect(M15, &QAction::triggered, this, [this] { M15Click(); });
  connect(M31, &QAction::triggered, this, [this] { M31Click(); });
  connect(M32, &QAction::triggered, this, [this] { M32Click(); });
  connect(M22, &QAction::triggered, this, [this] { ShowSettingsForm(1); });
  connect(M23, &QAction::triggered, this, [this] { ShowSettingsForm(2); });
  connect(M24, &QAction::triggered, this, [this] { ShowSettingsForm(3); });
  for (QAction* a : {M11, M12, M13}) a->setEnabled(false);
}

void TActForm::SetMainWindowCaptions() {
  Button7->setText(CommonlanText(63));
  Button10->setText(CommonlanText(70));
  Button4->setText(CommonlanText(70));
  Button5->setText(CommonlanText(23));
  Button1->setText(CommonlanText(106));
  Button14->setText(ActlanText(9));
  Button15->setText(ActlanText(77));
  Panel4->setText(CommonlanText(25));
  Panel10->setText(CommonlanText(116));
  Button3->setText(CommonlanText(69));
  Button11->setText(ActlanText(82));
  BitBtn2->setText(CommonlanText(22));
  Button12->setText(CommonlanText(21));
  QString sale = TradelanText(0).section(QLatin1Char(','), 0, 0);
  if (!sale.isEmpty()) sale[0] = sale[0].toUpper();
  Panel11->setText(sale);
  CheckBox15->setText(ActlanText(89));
  PageControl2->setTabText(PageControl2->indexOf(TabSheet8), ActlanText(4));
  PageControl2->setTabText(PageControl2->indexOf(TabSheet9), ActlanText(2));
  PageControl2->setTabText(PageControl2->indexOf(TabSheet6), CommonlanText(68));
  SetRoleColor(ListBox3, QPalette::Base, PaletteColor(30));
}

void TActForm::SetMenuCaptions(int mode) {
  const ::data* stand = OpenedStand();
  if (mode < 2 || !stand) M1->setTitle(CommonlanText(50).toUpper());
  else M1->setTitle(stand->TitleText(3));
  if (mode != 0) return;
  const QString more = QStringLiteral(" ...");
  M11->setText(CommonlanText(101).toUpper() + more);
  M12->setText(CommonlanText(96).toUpper() + more);
  M13->setText(CommonlanText(97).toUpper() + more);
  M15->setText((CommonlanText(8) + QLatin1Char(' ') + CommonlanText(0)).toUpper());
  M2->setTitle(CommonlanText(115).toUpper());
  M22->setText(CommonlanText(98).toUpper() + more);
  M23->setText(CommonlanText(100).toUpper() + more);
  M24->setText(CommonlanText(99).toUpper() + more);
  M3->setTitle(ActlanText(53).toUpper());
  M31->setText(ActlanText(57).toUpper() + more);
  M32->setText(ActlanText(54).toUpper() + more);
}

void TActForm::PaintBackground() {
  QPixmap pm(1800, 900);
  pm.fill(PaletteColor(12));
  Image12->setPixmap(pm);
  Image12->setGeometry(0, 0, 1800, 900);
}

void TActForm::SetWindowColor(const QColor& c) { SetWidgetColor(Client, c); }

void TActForm::M15Click() {
  // The close item closes the start window, which ends the program.
  if (IntroForm) IntroForm->close();
  else close();
}

void TActForm::M31Click() {
  if (HelpDlg) HelpDlg->ShowModal();
}

void TActForm::M32Click() { ShowAboutBox(); }

void TActForm::ShowSettingsForm(int page) {
  int result = 2;
  if (page == 1 && SettForm) result = SettForm->ShowModal();
  else if (page == 2 && SettForm1) result = SettForm1->ShowModal();
  else if (page == 3 && SettForm2) result = SettForm2->ShowModal();
  if (result == 1) {
    ShowBusy(this, 10, 100, ActlanText(23), PaletteColor(20));
    if (page == 1) SettForm->ApplySettings();
    else SaveSettings(page);
  }
  ClearFocus(this);
}

void TActForm::closeEvent(QCloseEvent* e) {
  // Closing the main window ends the program at once.
  e->accept();
  if (IntroForm && IntroForm->isVisible()) IntroForm->hide();
  EndProgram();
}
