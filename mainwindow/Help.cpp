#include "mainwindow/Help.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QTextEdit>
#include <QTreeWidget>
#include <vector>

#include "stands/Intro.h"
#include "texts/Actlan.h"
#include "texts/Helplan.h"
#include "ui/ListClicks.h"
#include "ui/Palette.h"
#include "ui/WindowHelpers.h"

THelpDlg* HelpDlg = nullptr;

namespace {

// The pages' own texts are plain; only the tabs are bold.
QFont PlainFont() {
  QFont f = PixelFont(QStringLiteral("Arial"), 13);
  f.setBold(false);
  return f;
}

QLabel* ChooseLabel(QWidget* page) {
  auto* l = new QLabel(QStringLiteral("Valitse aihe"), page);
  l->setFont(PlainFont());
  l->setGeometry(2, 0, 230, 16);
  return l;
}

void ColourList(QWidget* w) {
  SetRoleColor(w, QPalette::Base, PaletteColor(1));
  SetRoleColor(w, QPalette::Window, PaletteColor(1));
}

}  // namespace

THelpDlg::THelpDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("HelpDlg"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(774, 359);

  Memo1 = new QTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setGeometry(246, 23, 526, 298);
  Memo1->setReadOnly(true);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo1->setFont(PixelFont(QStringLiteral("Arial"), 13));
  ColourList(Memo1);

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  PageControl1->setGeometry(1, 0, 242, 321);
  PageControl1->setFont(PixelFont(QStringLiteral("Arial"), 13, true));
  TabSheet1 = new QWidget;
  TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
  TabSheet2 = new QWidget;
  TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
  PageControl1->addTab(TabSheet1, QStringLiteral("Sovellus"));
  // The concepts page is offered beside the topics: a forest owner meets
  // these words in every forest plan and timber offer.
  PageControl1->addTab(TabSheet2, QStringLiteral("Käsitteitä"));

  ChooseLabel(TabSheet1);
  TreeView1 = new QTreeWidget(TabSheet1);
  TreeView1->setObjectName(QStringLiteral("TreeView1"));
  TreeView1->setGeometry(0, 16, 234, 276);
  TreeView1->setHeaderHidden(true);
  TreeView1->setIndentation(19);
  TreeView1->setSelectionBehavior(QAbstractItemView::SelectRows);
  TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  TreeView1->setFont(PlainFont());
  ColourList(TreeView1);
  std::vector<QTreeWidgetItem*> parents;
  for (const HelpTopicNode& node : HelpTopicTree()) {
    parents.resize(static_cast<size_t>(node.depth));
    auto* item = node.depth == 0 ? new QTreeWidgetItem(TreeView1) : new QTreeWidgetItem(parents.back());
    item->setText(0, node.title);
    parents.push_back(item);
  }

  ChooseLabel(TabSheet2);
  ListBox1 = new QListWidget(TabSheet2);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setGeometry(0, 16, 233, 273);
  ListBox1->setFont(PlainFont());
  ColourList(ListBox1);
  ListBox1->addItems(HelpConceptNames());
  for (int i = 0; i < ListBox1->count(); ++i) ListBox1->item(i)->setSizeHint(QSize(0, 16));

  Panel5 = new QFrame(this);
  Panel5->setObjectName(QStringLiteral("Panel5"));
  Panel5->setGeometry(0, 322, 774, 38);
  SetWidgetColor(Panel5, PaletteColor(7));
  Button1 = new QPushButton(QStringLiteral("Sulje"), Panel5);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(706, 6, 60, 24);
  Button1->setFont(PixelFont(QStringLiteral("Calibri Light"), 14));

  connect(Button1, &QPushButton::clicked, this, [this] { done(2); });
  // The tree's handler follows every change of its topic, the program's
  // too (clearing it chooses none, which shows nothing); the page control's
  // and the concept list's follow the user's clicks and keys. Taking the
  // focus chooses no topic and no concept.
  connect(TreeView1, &QTreeWidget::currentItemChanged, this, [this] { TreeView1Change(); });
  WatchFocusChoice(TreeView1);
  WatchPageChanges(PageControl1, [this] { PageControl1Change(); });
  WatchListClicks(ListBox1, [this] { ListBox1Click(); });
  setWindowTitle(PadCaption(ActlanText(57)));
}

QStringList IntroductionParagraphs() {
  if (!IntroForm) return {};
  // A line counts when it is not hidden (the start window may itself be
  // hidden by now).
  const auto shown = [](QLabel* l) { return l && !l->isHidden(); };
  const auto text = [](QLabel* l) { return l ? l->text() : QString(); };
  const QChar blank = QLatin1Char(' ');
  QString first = text(IntroForm->Label6) + blank;
  for (QLabel* l : {IntroForm->Label8, IntroForm->Label9, IntroForm->Label10})
    if (shown(l)) first += l->text() + blank;
  QString second;
  for (QLabel* l : {IntroForm->Label11, IntroForm->Label12})
    if (shown(l)) second += l->text() + blank;
  if (shown(IntroForm->Label13)) second += IntroForm->Label13->text();
  QString third;
  for (QLabel* l : {IntroForm->Label14, IntroForm->Label15})
    if (shown(l)) third += l->text() + blank;
  return {first, second, third};
}

void THelpDlg::SetMemoLines(const QStringList& lines) {
  memoLines_ = lines;
  Memo1->clear();
  for (const QString& line : lines) Memo1->append(line);
  // The text is read from its first line.
  Memo1->moveCursor(QTextCursor::Start);
  Memo1->ensureCursorVisible();
}

void ShowHelpTopic(THelpDlg* window, const QString& title) {
  window->SetMemoLines(HelpTopicLines(title, IntroductionParagraphs()));
}

void ShowHelpConcept(THelpDlg* window, const QString& name) { window->SetMemoLines({HelpConceptText(name)}); }

void THelpDlg::FormActivate() {
  PageControl1->setCurrentIndex(0);
  TreeView1->setCurrentItem(nullptr);
  TreeView1->clearSelection();
  ListBox1->setCurrentRow(-1);
  ListBox1->clearSelection();
  SetMemoLines({});
}

void THelpDlg::TreeView1Change() {
  if (QTreeWidgetItem* item = TreeView1->currentItem()) ShowHelpTopic(this, item->text(0));
}

void THelpDlg::PageControl1Change() {
  SetMemoLines({});
  if (PageControl1->currentIndex() != 0) {
    if (QListWidgetItem* item = ListBox1->currentItem()) ShowHelpConcept(this, item->text());
  } else if (QTreeWidgetItem* item = TreeView1->currentItem()) {
    ShowHelpTopic(this, item->text(0));
  }
}

void THelpDlg::ListBox1Click() {
  if (QListWidgetItem* item = ListBox1->currentItem()) ShowHelpConcept(this, item->text());
}

int THelpDlg::ShowModal() { return exec() == 1 ? 1 : 2; }

void THelpDlg::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  PlaceOnScreen(this, 0.5, 0.5);
  FormActivate();
}
