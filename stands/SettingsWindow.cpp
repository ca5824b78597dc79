#include "stands/SettingsWindow.h"

#include <QAbstractTextDocumentLayout>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QtMath>

#include <array>

#include "texts/Commonlan.h"
#include "texts/Settlan.h"
#include "ui/MessageService.h"
#include "ui/Palette.h"
#include "ui/WindowHelpers.h"

namespace {
// The settings windows by page (index 1..3).
std::array<TSettingsWindow*, 4> g_pages{};
}  // namespace

TSettingsWindow* SettingsWindowOfPage(int page) {
  return page > 0 && page < static_cast<int>(g_pages.size()) ? g_pages[static_cast<std::size_t>(page)] : nullptr;
}

// ---- Settings record and file -------------------------------------------------

void ReportSettingsWriteFailure(const QString& error) {
  const QString reason = error.isEmpty() ? QString() : QStringLiteral(" (") + error + QLatin1Char(')');
  ShowNotice(CommonlanText(115), QString::fromUtf8("Asetuksia ei voitu tallettaa tiedostoon ") +
                                     model::SettingsFilePath() + reason + QStringLiteral("   !"));
}

void LoadSettings(int page) {
  // A page whose changes were discarded returns to the stored values; a
  // file that has gone meanwhile does not undo the settings accepted before
  // (the record is written back instead).
  // A missing file is announced before the defaults replace it.
  const auto announce = [] {
    ShowNotice(CommonlanText(87), SettlanText(4).toLower() + QLatin1Char(' ') + SettlanText(19));
  };
  const model::SettingsLoadResult res =
      page == model::kAllPages ? model::LoadSettingsFile(announce) : model::ReloadSettingsFile(announce);
  if (res.writeFailed) ReportSettingsWriteFailure(res.writeError);
  if (res.state == model::SettingsFileState::Unreadable)
    ShowNotice(CommonlanText(115), model::UnreadableSettingsText(model::SettingsFilePath(), res.readError, page == model::kAllPages));
  for (int p : {model::kPricePage, model::kRecommendationPage, model::kDisplayPage}) {
    TSettingsWindow* w = SettingsWindowOfPage(p);
    if (w && (page == model::kAllPages || page == p)) w->ShowSettings(model::CurrentSettings());
  }
}

bool SaveSettings(int page) {
  model::SettingsSaveResult res;
  if (page == model::kPricePage || page == model::kRecommendationPage || page == model::kDisplayPage) {
    TSettingsWindow* w = SettingsWindowOfPage(page);
    if (!w) return false;
    res = w->SaveShownSettings();
  } else {
    res = model::SaveDefaultSettings();
  }
  if (!res.written) ReportSettingsWriteFailure(res.error);
  return res.written;
}

int AskSaveSettingsOnClose(bool changed, int result, int page) {
  if (!changed || result == 1) return result;
  const int answer = ShowQuestion(CommonlanText(115), CommonlanText(119 + page), CommonlanText(119),
                                  CommonlanText(38), CommonlanText(39));
  if (answer == 1) return 1;
  LoadSettings(page);
  return result;
}

// ---- The window base, fonts and controls ------------------------------------

QFont SettingsTextFont() { return PixelFont(QStringLiteral("Calibri"), 14); }
QFont SettingsHeadingFont() { return PixelFont(QStringLiteral("Calibri"), 15, true); }
QFont SettingsButtonFont() { return PixelFont(QStringLiteral("Calibri Light"), 14); }

QFrame* MakeSettingsPanel(QWidget* parent, const QString& name, int colourIndex) {
  auto* p = new QFrame(parent);
  p->setObjectName(name);
  SetWidgetColor(p, PaletteColor(colourIndex));
  return p;
}

QLabel* MakeSettingsLabel(QWidget* parent, const QString& name, const QString& text) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->setAttribute(Qt::WA_TranslucentBackground);
  l->adjustSize();
  return l;
}

QPushButton* MakeSettingsButton(QWidget* parent, const QString& name, const QString& text, int width) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  b->setFont(SettingsButtonFont());
  b->setAutoDefault(false);
  b->resize(width, 28);
  return b;
}

QTextEdit* MakeSettingsInfoText(QWidget* parent, const QString& name, int colourIndex) {
  auto* e = new QTextEdit(parent);
  e->setObjectName(name);
  e->setReadOnly(true);
  e->setFocusPolicy(Qt::NoFocus);
  e->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  e->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  e->setLineWrapMode(QTextEdit::WidgetWidth);
  e->setFrameShape(QFrame::NoFrame);
  SetRoleColor(e, QPalette::Base, PaletteColor(colourIndex));
  return e;
}

QTextEdit* MakeDisabledInfoText(QWidget* parent, const QString& name, int colourIndex) {
  QTextEdit* e = MakeSettingsInfoText(parent, name, colourIndex);
  e->setEnabled(false);
  QPalette info = e->palette();
  info.setColor(QPalette::Disabled, QPalette::Text, info.color(QPalette::Active, QPalette::Text));
  e->setPalette(info);
  return e;
}

namespace {
// The edit's text laid out as its viewport will show it.
struct LaidOutText {
  int lines = 0;
  int height = 0;
};
LaidOutText LayOut(const QTextEdit* edit) {
  QTextDocument doc;
  doc.setDefaultFont(edit->font());
  doc.setDocumentMargin(edit->document()->documentMargin());
  doc.setPlainText(edit->toPlainText());
  doc.setTextWidth(edit->width() - 2 * edit->frameWidth());
  LaidOutText t;
  t.height = qCeil(doc.size().height());
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) t.lines += qMax(1, b.layout()->lineCount());
  return t;
}
}  // namespace

int DisplayedLineCount(const QTextEdit* edit) { return LayOut(edit).lines; }

int InfoTextHeight(const QTextEdit* edit, int lineHeight) {
  // Lines x line height + 10, and never less than the laid-out text needs
  // (fonts with leading space their lines wider than a label is high).
  const LaidOutText t = LayOut(edit);
  return qMax(t.lines * lineHeight + 10, t.height + 2 * edit->frameWidth() + 2);
}

void ClearActiveControl(QWidget* window) {
  // The window itself takes the focus, so that no control shows it and the
  // window does not hand it to its first control when activated.
  if (QWidget* w = window->focusWidget(); w && w != window) w->clearFocus();
  window->setFocus(Qt::OtherFocusReason);
}

TSettingsWindow::TSettingsWindow(QWidget* parent, const QString& name, int page) : QDialog(parent), page_(page) {
  if (page_ >= 0 && page_ < static_cast<int>(g_pages.size())) g_pages[static_cast<std::size_t>(page_)] = this;
  setObjectName(name);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
  setFont(SettingsTextFont());
}

void TSettingsWindow::MakeButtons(QWidget* panel) {
  BitBtn1 = MakeSettingsButton(panel, QStringLiteral("BitBtn1"),
                               CommonlanText(116) + QLatin1Char(' ') + SettlanText(12) + QLatin1Char(' ') +
                                   CommonlanText(8).toLower(),
                               150);
  Button1 = MakeSettingsButton(panel, QStringLiteral("Button1"), CommonlanText(8), 96);
  connect(BitBtn1, &QPushButton::clicked, this, [this] { done(1); });
  connect(Button1, &QPushButton::clicked, this, [this] { done(2); });
}

void TSettingsWindow::PlaceButtonPanel(QWidget* panel, int top, int width) {
  constexpr int kHeight = 44;
  panel->setGeometry(0, top, width, kHeight);
  Button1->move(width - Button1->width() - 10, 8);
  BitBtn1->move(Button1->x() - BitBtn1->width() - 6, 8);
  resize(width, top + kHeight);
  FitFormHeight(this, top, kHeight);
}

void TSettingsWindow::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormActivate();
}

TSettingsWindow::~TSettingsWindow() {
  if (page_ >= 0 && page_ < static_cast<int>(g_pages.size()) && g_pages[static_cast<std::size_t>(page_)] == this)
    g_pages[static_cast<std::size_t>(page_)] = nullptr;
}

int TSettingsWindow::ShowModal() { return exec() == 1 ? 1 : 2; }

void TSettingsWindow::done(int r) {
  // Any way of closing but the save button counts as "close" (2).
  if (r != 1) r = 2;
  r = AskSaveSettingsOnClose(BitBtn1->isEnabled(), r, page_);
  QDialog::done(r);
}

void TSettingsWindow::reject() { done(2); }
