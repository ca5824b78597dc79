#include "ui/Info.h"

#include <QAbstractTextDocumentLayout>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextLayout>
#include <QtMath>

#include "ui/Palette.h"
#include "platform/Screen.h"
#include "ui/WindowHelpers.h"

TInfoForm* InfoForm = nullptr;

namespace {
constexpr int kClientWidth = 640;
}  // namespace

int TextBlockHeight(int lineCount, int labelHeight) { return lineCount * labelHeight + 6; }

int RichEditLineCount(QTextEdit* richEdit) {
  QTextDocument* doc = richEdit->document();
  // The edit's own viewport is resized only when it is shown: count at the
  // width it is given.
  doc->setTextWidth(qMax(1, richEdit->width() - 2 * richEdit->frameWidth()));
  doc->documentLayout()->documentSize();  // lays the text out
  int lines = 0;
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
    lines += b.layout() ? qMax(1, b.layout()->lineCount()) : 1;
  // An empty edit still shows one (empty) line.
  return qMax(1, lines);
}

int TextBlockHeight(QLabel* label, QTextEdit* richEdit) {
  label->setFont(richEdit->font());
  label->setText(QStringLiteral("Åg"));
  label->adjustSize();
  // A line of the edit takes the font's line spacing (leading included).
  label->resize(label->width(), qMax(label->height(), label->fontMetrics().lineSpacing()));
  return TextBlockHeight(RichEditLineCount(richEdit), label->height());
}

TInfoForm::TInfoForm(QWidget* parent) : TMessageWindow(QStringLiteral("InfoForm"), parent) {
  setWindowFlag(Qt::WindowStaysOnTopHint, true);
  Panel1->hide();
  RichEdit1 = new QTextEdit(this);
  RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
  RichEdit1->setReadOnly(true);
  RichEdit1->setFrameShape(QFrame::NoFrame);
  RichEdit1->setFont(MessageLineFont());
  RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  SetRoleColor(RichEdit1, QPalette::Base, PaletteColor(1));
  SetRoleColor(RichEdit1, QPalette::Text, Qt::black);
  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->hide();
  resize(kClientWidth, 200);
}

void TInfoForm::FormActivate() {
  const platform::ScreenMetrics s = platform::GetScreenMetrics();
  // Three pixels above and below the text make the block's 6 extra pixels.
  QTextDocument* doc = RichEdit1->document();
  doc->setDocumentMargin(0);
  QTextFrameFormat margins = doc->rootFrame()->frameFormat();
  margins.setTopMargin(3);
  margins.setBottomMargin(3);
  margins.setLeftMargin(12);
  margins.setRightMargin(12);
  doc->rootFrame()->setFrameFormat(margins);
  RichEdit1->setGeometry(0, 0, kClientWidth, RichEdit1->height());
  int textHeight = TextBlockHeight(Label1, RichEdit1);
  // Never less than the laid-out text needs (no scroll bar for a short text).
  textHeight = qMax(textHeight, qCeil(doc->size().height()) + 2);
  // A text taller than the screen scrolls instead of leaving it.
  const int room = s.height - kButtonPanelHeight - s.captionHeight - 60;
  if (textHeight > room) textHeight = qMax(60, room);
  RichEdit1->setGeometry(0, 0, kClientWidth, textHeight);
  const int panelTop = RichEdit1->y() + textHeight;
  Panel5->setGeometry(0, panelTop, kClientWidth, kButtonPanelHeight);
  PlaceButton(Button1, kClientWidth - Button1->width() - 8);
  SetOuterWidth(this, kClientWidth + 6);
  FitFormHeight(this, panelTop, kButtonPanelHeight);
  setWindowTitle(PadCaption(windowTitle()));
  PlaceOnScreen(this, 0.5, 0.4);
}
