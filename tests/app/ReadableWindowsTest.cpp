// Every window and dialog, opened on the model estate as a user opens them
// at 1100 x 700, 1366 x 768 and 1920 x 1080: every visible label, button,
// check box, radio button, group caption and list item shows its whole text
// (within the control and what its panels show of it), no visible control
// covers another's text, and every window lies on the screen, but for the
// cases the windows' own geometry forces. Pictures of every window are left
// for a person to look at.
#include <QAbstractAxis>
#include <QAction>
#include <QCheckBox>
#include <QChartView>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QGroupBox>
#include <QRadioButton>
#include <QSet>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTableWidget>
#include <QTextDocument>

#include <utility>

#include "estate/Folder.h"
#include "estate/Graph.h"
#include "estate/Map.h"
#include "estate/Raport.h"
#include "estate/Trade.h"
#include "estate/dbRaport.h"
#include "mainwindow/Help.h"
#include "operations/Ages.h"
#include "operations/Clear.h"
#include "operations/Inc.h"
#include "operations/Inc1.h"
#include "operations/NewFrst.h"
#include "operations/Roads.h"
#include "operations/Th1.h"
#include "stands/Settings.h"
#include "stands/Settings1.h"
#include "stands/Settings2.h"
#include "tests/app/JourneyFixture.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/ProgramWindows.h"
#include "stands/MeasWidgets.h"
#include "ui/EstateChart.h"
#include "ui/ProgBar.h"

namespace {

using namespace journeytest;

struct ScreenSize {
  int width;
  int height;
  int windowSize = -1;  // the start window's size chosen (-1: as it offers)
};

std::string NameOf(const ScreenSize& s) {
  return std::to_string(s.width) + "x" + std::to_string(s.height) + (s.windowSize == 2 ? "Small" : "");
}

// A text not whole, or a window off the screen ("" control), that the
// window's own geometry forces, on screens that high (0: all).
struct Forced {
  const char* window;
  const char* control;
  int screenHeight;
  const char* reason;
};

const Forced kForced[] = {
    {"ActForm", "", 700,
     "on a 700-pixel screen the main window is 700 high with its menu bar and stands 1.6 menu bars above the "
     "screen's middle, its top above the screen"},
    {"ActForm", "Label40", 0,
     "the hint of the regeneration cost is centred between the new-forest button and the stand card picture's right "
     "edge, 17 pixels above the picture's bottom, so its start lies left of the picture (both on the card's colour)"},
};

bool IsForced(const QString& window, const QString& control, int screenHeight) {
  for (const Forced& f : kForced)
    if (window == QLatin1String(f.window) && control == QLatin1String(f.control) &&
        (f.screenHeight == 0 || f.screenHeight == screenHeight))
      return true;
  return false;
}

// ---- Where texts are drawn -------------------------------------------------------

QRect InWindow(const QWidget* w, const QWidget* window, const QRect& r) {
  return r.translated(w->mapTo(window, QPoint(0, 0)));
}

// The part of a control that shows in the window: its rectangle cut by every
// panel it lies in.
QRect ShownRect(const QWidget* w, const QWidget* window) {
  QRect r = InWindow(w, window, w->rect());
  for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
    r &= InWindow(p, window, p->rect());
  return r & window->rect();
}

bool Shown(const QWidget* w, const QWidget* window) {
  return w->isVisibleTo(window) && w->width() > 0 && w->height() > 0 && !ShownRect(w, window).isEmpty();
}

QString PlainText(const QLabel* l) {
  if (l->textFormat() == Qt::PlainText || (l->textFormat() == Qt::AutoText && !Qt::mightBeRichText(l->text())))
    return l->text();
  QTextDocument doc;
  doc.setHtml(l->text());
  return doc.toPlainText();
}

// The ink of a text laid out in `box` (lines of the font's line spacing):
// across the box's width, from the highest glyph of the first line to the
// lowest of the last, so that lines set closer than the font's line spacing
// (the start window's description) are not taken to touch.
QRect Ink(const QFontMetrics& fm, const QRect& box, const QString& text) {
  const QStringList lines = text.split(QLatin1Char('\n'));
  int top = 0, bottom = 0;
  for (const QString& line : lines) {
    const QRect t = fm.tightBoundingRect(line);
    top = qMin(top, t.top());
    bottom = qMax(bottom, t.bottom());
  }
  const int lineCount = qMax<int>(1, static_cast<int>(box.height() / qMax(1, fm.lineSpacing())));
  const int firstBaseline = box.top() + fm.ascent();
  const int lastBaseline = firstBaseline + (lineCount - 1) * fm.lineSpacing();
  return QRect(QPoint(box.left(), firstBaseline + top), QPoint(box.right(), lastBaseline + bottom));
}

// One line of text drawn from the left of `room`, centred in its height.
QRect LineInk(const QFontMetrics& fm, const QRect& room, const QString& text) {
  const QRect box(room.left(), room.top() + (room.height() - fm.height()) / 2, fm.horizontalAdvance(text), fm.height());
  return Ink(fm, box, text);
}

// A control's texts: where each is drawn and the room the control gives it,
// in the window.
struct DrawnText {
  const QWidget* control = nullptr;
  QString text;
  QRect ink;
  QRect room;
};

std::vector<DrawnText> TextsOf(const QWidget* w, const QWidget* window) {
  std::vector<DrawnText> out;
  if (auto* l = qobject_cast<const QLabel*>(w)) {
    const QString text = PlainText(l);
    if (text.trimmed().isEmpty() || !l->pixmap().isNull()) return out;
    const QFontMetrics fm(l->font());
    QRect room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
    int indent = l->indent();
    if (indent < 0 && l->frameWidth() > 0) indent = fm.horizontalAdvance(QLatin1Char('x')) / 2;
    if (indent > 0) {
      if (l->alignment() & Qt::AlignLeft) room.setLeft(room.left() + indent);
      if (l->alignment() & Qt::AlignRight) room.setRight(room.right() - indent);
    }
    const int flags = static_cast<int>(l->alignment()) | (l->wordWrap() ? Qt::TextWordWrap : 0);
    out.push_back({l, text, Ink(fm, fm.boundingRect(room, flags, text), text), room});
  } else if (auto* b = qobject_cast<const QAbstractButton*>(w);
             b && (qobject_cast<const QPushButton*>(w) || qobject_cast<const QCheckBox*>(w) ||
                   qobject_cast<const QRadioButton*>(w))) {
    if (b->text().trimmed().isEmpty()) return out;
    QStyleOptionButton o;
    o.initFrom(b);
    o.text = b->text();
    const bool push = qobject_cast<const QPushButton*>(w);
    const QStyle::SubElement contents = push                                ? QStyle::SE_PushButtonContents
                                        : qobject_cast<const QCheckBox*>(w) ? QStyle::SE_CheckBoxContents
                                                                            : QStyle::SE_RadioButtonContents;
    const QRect room = b->style()->subElementRect(contents, &o, b);
    const QFontMetrics fm(b->font());
    const int align = (push ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter) | Qt::TextShowMnemonic;
    out.push_back({b, b->text(), Ink(fm, fm.boundingRect(room, align, b->text()), b->text()), room});
  } else if (auto* g = qobject_cast<const QGroupBox*>(w)) {
    if (g->title().trimmed().isEmpty()) return out;
    QStyleOptionGroupBox o;
    o.initFrom(g);
    o.text = g->title();
    o.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    o.textAlignment = g->alignment();
    o.lineWidth = 1;
    const QRect label = g->style()->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, g);
    out.push_back({g, g->title(), LineInk(QFontMetrics(g->font()), label, g->title()), g->rect()});
  } else if (auto* c = qobject_cast<const QComboBox*>(w)) {
    if (c->currentText().trimmed().isEmpty()) return out;
    QStyleOptionComboBox o;
    o.initFrom(c);
    o.editable = c->isEditable();
    const QRect room = c->style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, c);
    out.push_back({c, c->currentText(), LineInk(QFontMetrics(c->font()), room, c->currentText()), room});
  } else if (auto* list = qobject_cast<const QListWidget*>(w)) {
    const QFontMetrics fm(list->font());
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    for (int i = 0; i < list->count(); ++i) {
      const QListWidgetItem* item = list->item(i);
      if (item->isHidden() || item->text().trimmed().isEmpty()) continue;
      // A row of a scrolled list shows as far as the list shows it; it is
      // whole when its text fits across.
      const QRect view = list->viewport()->rect();
      const QRect row = list->visualItemRect(item) & view;
      if (row.isEmpty()) continue;
      const QRect box(row.left() + margin, row.top(), fm.horizontalAdvance(item->text()), row.height());
      const QRect room = row.adjusted(margin, 0, -margin, 0);
      out.push_back({list, item->text(), box.translated(list->viewport()->pos()), room.translated(list->viewport()->pos())});
    }
  }
  for (DrawnText& t : out) {
    t.ink = InWindow(w, window, t.ink);
    t.room = InWindow(w, window, t.room);
  }
  return out;
}

// Controls that paint over what lies under them.
bool Opaque(const QWidget* w) {
  if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w) || qobject_cast<const QGroupBox*>(w))
    return false;
  if (auto* l = qobject_cast<const QLabel*>(w)) return !l->pixmap().isNull() || l->autoFillBackground();
  return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w) ||
         qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractScrollArea*>(w) || w->inherits("TCanvas") ||
         w->autoFillBackground();
}

// b is drawn over a (neither holds the other).
bool Above(const QWidget* b, const QWidget* a) {
  QList<const QWidget*> pa, pb;
  for (const QWidget* w = a; w; w = w->parentWidget()) pa.prepend(w);
  for (const QWidget* w = b; w; w = w->parentWidget()) pb.prepend(w);
  qsizetype i = 0;
  while (i < pa.size() && i < pb.size() && pa[i] == pb[i]) ++i;
  if (i == 0 || i == pa.size() || i == pb.size()) return false;
  const QObjectList& kids = pa[i - 1]->children();
  return kids.indexOf(const_cast<QWidget*>(pb[i])) > kids.indexOf(const_cast<QWidget*>(pa[i]));
}

// A picture: a map, a stand view, a filled frame that holds nothing.
bool Picture(const QWidget* w) {
  if (auto* l = qobject_cast<const QLabel*>(w); l && !l->pixmap().isNull()) return true;
  return w->inherits("TCanvas") ||
         (qobject_cast<const QFrame*>(w) && w->autoFillBackground() && w->findChildren<QWidget*>().isEmpty());
}

// An opaque panel that holds the text control lies over `b` where they
// overlap, so the text is drawn on that panel, not on `b`.
bool HiddenBehindPanel(const QWidget* a, const QWidget* b, const QRect& over, const QWidget* window) {
  for (const QWidget* p = a->parentWidget(); p && p != window && !p->isAncestorOf(b); p = p->parentWidget())
    if (Opaque(p) && InWindow(p, window, p->rect()).contains(over) && Above(p, b)) return true;
  return false;
}

QString Describe(const QRect& r) {
  return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// What does not show whole in the window: (control, what) pairs.
std::vector<std::pair<QString, QString>> Unreadable(const QWidget* window) {
  std::vector<std::pair<QString, QString>> found;
  QList<const QWidget*> shown;
  for (const QWidget* w : window->findChildren<QWidget*>())
    if (Shown(w, window)) shown << w;
  std::vector<DrawnText> texts;
  for (const QWidget* w : shown)
    for (const DrawnText& t : TextsOf(w, window)) texts.push_back(t);
  for (const DrawnText& t : texts) {
    const QWidget* a = t.control;
    const QString name = a->objectName();
    const QRect shownRect = ShownRect(a, window);
    if (!t.room.contains(t.ink) || !shownRect.contains(t.ink))
      found.emplace_back(name, QStringLiteral("\"%1\" drawn at %2, room %3, shown %4")
                                   .arg(t.text, Describe(t.ink), Describe(t.room), Describe(shownRect)));
    for (const QWidget* b : shown) {
      if (b == a || b->isAncestorOf(a) || a->isAncestorOf(b)) continue;
      const QRect over = ShownRect(b, window) & t.ink;
      if (over.isEmpty()) continue;
      if (Opaque(b) && Above(b, a)) {
        found.emplace_back(name, QStringLiteral("\"%1\" covered by %2 at %3").arg(t.text, b->objectName(), Describe(over)));
      } else if (Picture(b) && !ShownRect(b, window).contains(t.ink) && !HiddenBehindPanel(a, b, over, window)) {
        // A text on a picture lies on it whole; one that crosses a
        // picture's edge (a map's frame) is half on it.
        found.emplace_back(name, QStringLiteral("\"%1\" across the edge of %2 at %3")
                                     .arg(t.text, b->objectName(), Describe(over)));
      } else if (!Opaque(b) && b < a) {
        for (const DrawnText& u : TextsOf(b, window))
          if (const QRect both = u.ink & t.ink; !both.isEmpty())
            found.emplace_back(name, QStringLiteral("\"%1\" and \"%2\" of %3 overlap at %4")
                                         .arg(t.text, u.text, b->objectName(), Describe(both)));
      }
    }
  }
  return found;
}

// The open-stand window has run its activation to its end: the busy
// display gone, the stand-means line written.
bool PreviewDrawn() {
  return OpenForm->Activated && !(ProgBarForm && ProgBarForm->isVisible()) && !OpenForm->Label29->text().isEmpty();
}

class ReadableWindows : public Journey, public ::testing::WithParamInterface<ScreenSize> {
 protected:
  void SetUp() override {
    Journey::SetUp();
    screen_ = GetParam();
    platform::SetScreenMetrics({.width = screen_.width, .height = screen_.height, .menuBarHeight = 20});
    shotPrefix_ = QString::fromStdString("readable-" + NameOf(screen_));
  }
  void TearDown() override {
    platform::SetPauseFunction([](int) {});
    Journey::TearDown();
  }

  // A fault seen, once on whichever page it shows, unless forced.
  void Report(const QString& seen, const QString& window, const QString& control) {
    if (IsForced(window, control, screen_.height) || reported_.contains(seen)) return;
    reported_.insert(seen);
    ADD_FAILURE() << seen.toStdString();
  }
  // The window, and every window shown under it, on the screen; its charts'
  // value marks inside them, clear of the right edge; every text whole. A
  // picture of it under `name`.
  void Check(QWidget* window, const QString& name) {
    SCOPED_TRACE(name.toStdString());
    QApplication::processEvents();
    SaveShot(window, shotPrefix_ + "-" + name + ".png");
    const QString form = window->objectName();
    for (QWidget* w : QApplication::topLevelWidgets()) {
      const QRect outer(w->pos(), QSize(OuterWidth(w), OuterHeight(w)));
      if ((w == window || w->isVisible()) && !QRect(0, 0, screen_.width, screen_.height).contains(outer))
        Report(w->objectName() + " at " + Describe(outer) + " off the screen", w->objectName(), QString());
    }
    for (const TEstateChart* chart : window->findChildren<TEstateChart*>()) {
      if (!Shown(chart, window)) continue;
      for (const QRectF& mark : chart->MarkRects())
        if (mark.right() > chart->width() - 2 || mark.left() < 0)
          Report(form + "/" + chart->objectName() + ": a value mark at " + Describe(mark.toAlignedRect()) +
                     " past the chart's edge",
                 form, chart->objectName());
    }
    // Every text a chart draws of its own (titles, names, marks) across
    // it, none shortened by the chart.
    for (const QChartView* view : window->findChildren<QChartView*>()) {
      for (const QGraphicsItem* item : view->chart()->childItems()) {
        const auto* rich = qgraphicsitem_cast<const QGraphicsTextItem*>(item);
        const auto* simple = qgraphicsitem_cast<const QGraphicsSimpleTextItem*>(item);
        const QString text = rich ? rich->toPlainText() : simple ? simple->text() : QString();
        const QRectF drawn = item->mapRectToParent(item->boundingRect());
        if (Shown(view, window) && item->isVisible() && !text.trimmed().isEmpty() &&
            (drawn.left() < 0 || drawn.right() > view->chart()->size().width() || text.contains("...")))
          Report(form + "/" + view->objectName() + ": \"" + text + "\" at " + Describe(drawn.toAlignedRect()),
                 form, view->objectName());
      }
    }
    for (const auto& [control, what] : Unreadable(window)) Report(form + "/" + control + ": " + what, form, control);
  }

  // The main window's three pages.
  void CheckPages(const QString& state) {
    for (QWidget* page : {ActForm->TabSheet8, ActForm->TabSheet9, ActForm->TabSheet6}) {
      ClickTab(ActForm->PageControl2, page);
      Check(ActForm, QStringLiteral("main-%1-%2").arg(state, page->objectName()));
    }
    // The after map's caption clear of the map's frame.
    EXPECT_LT(ActForm->Label43->geometry().bottom(), ActForm->Image111->y());
    // The overview charts' other contents: assortments, species shares.
    for (int row : {1, 2, 0}) {
      ClickRow(ActForm->ListBox2, row);
      if (row) Check(ActForm, QStringLiteral("main-%1-charts-%2").arg(state).arg(row));
    }
    // The recommendation panel: the steps under the after map left of it,
    // its message laid out.
    if (ActForm->Panel12->isVisible()) {
      EXPECT_LT(ActForm->Label3->geometry().right(), ActForm->Panel12->x());
      const int messages = script_.Count(MessageKind::Message);
      Click(ActForm->Panel12);
      EXPECT_EQ(script_.Count(MessageKind::Message), messages + 1);
    }
    ClickTab(ActForm->PageControl2, ActForm->TabSheet8);
    CheckEstateGrid();
    // The stand card's volumes whole on its picture.
    EXPECT_FALSE(ActForm->StandCardFigureRects.empty());
    for (const QRect& r : ActForm->StandCardFigureRects)
      EXPECT_TRUE(ActForm->Image4->rect().contains(r)) << state.toStdString() << " " << Describe(r).toStdString();
  }
  // The estate grid: rows of 17 pixels (16 in a window below 752 high) and
  // the line under each, six whole rows filling the grid, the grid whole in
  // the window; the stand list's summary names the estate folder whole.
  void CheckEstateGrid() {
    QTableWidget* grid = ActForm->StringGrid6;
    const int row = (ActForm->GetMainWindowSize('y') < 752 ? 16 : 17) + 1;
    for (int r = 0; r < 6; ++r) EXPECT_EQ(grid->rowHeight(r), row) << r;
    EXPECT_EQ(std::pair(grid->height(), grid->viewport()->height()), std::pair(6 * row, 6 * row));
    EXPECT_EQ(ShownRect(grid, ActForm), InWindow(grid, ActForm, grid->rect()));
    EXPECT_TRUE(ActForm->Label14->text().startsWith(QStringLiteral("kuviolista Mallitila,")))
        << ActForm->Label14->text().toStdString();
  }
  // The measurement window's panels fill its 590 x 435 client area (with
  // the stand view its height more; the window's fitting adds a pixel under
  // them), its buttons on the screen.
  void CheckMeasurementWindow(const QString& name) {
    Check(MeasForm, name);
    const int view = MeasForm->Image3->isVisible() ? MeasForm->Image3->height() : 0;
    EXPECT_EQ(QSize(MeasForm->width(), MeasForm->Panel5->geometry().bottom() + 1), QSize(590, 435 + view))
        << name.toStdString();
    for (QWidget* b : {MeasForm->Button2, MeasForm->BitBtn2, MeasForm->Button1}) {
      const QRect global(b->mapTo(MeasForm, QPoint(0, 0)) + MeasForm->pos() +
                             QPoint(3, 3 + platform::GetScreenMetrics().captionHeight),
                         b->size());
      EXPECT_TRUE(QRect(0, 0, screen_.width, screen_.height).contains(global))
          << name.toStdString() << " " << b->objectName().toStdString() << " at " << Describe(global).toStdString();
    }
  }
  // A growing-stock chart names each of its bars, the names apart.
  static void CheckBarNames(TBarChart* chart) {
    QStringList labels;
    for (const ChartBar& b : chart->Bars()) labels << b.label;
    EXPECT_EQ(chart->ShownNames(), labels) << chart->objectName().toStdString();
    const std::vector<QRectF> rects = chart->ShownNameRects();
    for (std::size_t i = 1; i < rects.size(); ++i) EXPECT_FALSE(rects[i].intersects(rects[i - 1])) << i;
    for (const QRectF& r : rects) EXPECT_TRUE(QRectF(chart->rect()).contains(r));
    // Drawn once: the category axis shows no names of its own.
    for (const QAbstractAxis* a : chart->chart()->axes(Qt::Vertical)) EXPECT_FALSE(a->labelsVisible());
  }
  // The cutting dialog that the button opens, cancelled.
  void CheckDialog(QPushButton* button) {
    ASSERT_TRUE(button->isVisible() && button->isEnabled()) << button->objectName().toStdString();
    const bool ran = InModal([] { return QApplication::activeModalWidget() != nullptr; }, [this, button] {
      QWidget* d = QApplication::activeModalWidget();
      Check(d, "dialog-" + button->objectName());
      Click(Child(d, "BitBtn2"));
    }, [button] { Click(button); });
    EXPECT_TRUE(ran) << button->objectName().toStdString();
  }
  static void Escape(QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); }
  static void Menu(const char* name) { ActForm->findChild<QAction*>(QLatin1String(name))->trigger(); }
  // The window that `open` brings up (once `ready`), checked under `name`,
  // then closed by the button `close` (by Escape where none).
  void Look(QWidget* window, const QString& name, const std::function<void()>& open, QWidget* close = nullptr,
            const std::function<bool()>& ready = {}) {
    WhenShown(window, [=, this] {
      Check(window, name);
      close ? Click(close) : Escape(window);
    }, open, ready);
  }

  ScreenSize screen_{};
  bool busyChecked_ = false;
  QSet<QString> reported_;
};

TEST_P(ReadableWindows, EveryWindowWholeAndOnTheScreen) {
  // The message windows as they are laid out for showing, and the busy
  // display at its pauses.
  script_.OnShow([this](const MessageRecord& r, QWidget* window) {
    if (window) Check(window, QStringLiteral("message-%1").arg(static_cast<int>(r.kind)));
  });
  platform::SetPauseFunction([this](int) {
    if (ProgBarForm && ProgBarForm->isVisible() && !std::exchange(busyChecked_, true)) Check(ProgBarForm, "busy");
  });
  StartProgram();
  script_.Clear();
  if (screen_.windowSize >= 0) ClickRow(IntroForm->ListBox1, screen_.windowSize);
  Check(IntroForm, "intro");
  // The start window's close button asks, answered no; a new stand over the
  // start window, left unsaved.
  script_.Answer(2);
  Click(IntroForm->Button1);
  ASSERT_TRUE(IntroForm->isVisible());
  ASSERT_EQ(script_.Count(MessageKind::Question), 1);
  WhenShown(MeasForm, [this] {
    CheckMeasurementWindow("meas-new");
    Escape(MeasForm);
  }, [] { Click(IntroForm->Button2); }, [] { return MeasForm->Initialised; });

  // The model estate's list, and its young spruce stand opened.
  script_.AnswerFile(estates_ + "/Mallitila/10.Norvalen");
  Look(OpenForm, "open-list", [] { Click(IntroForm->Button3); }, OpenForm->Button3, PreviewDrawn);
  ASSERT_NE(TheSession->CurrentStand, nullptr);

  // The thinning stage's dialogs, each cancelled; strip roads, a thinning,
  // ten years of growth through the stand ages, the growth window and its
  // regeneration timing.
  ClickRow(ActForm->ListBox3, 0);
  WhenShown(RoadForm, [] { Click(Child(RoadForm, "BitBtn1")); }, [] { Click(ActForm->Button5); });
  for (QPushButton* b : {ActForm->Button7, ActForm->Button10}) CheckDialog(b);
  WhenShown(Th1Form, [] { Click(Child(Th1Form, "BitBtn1")); }, [] { Click(ActForm->Button7); });
  ASSERT_EQ(CurrentPhase(), 2);
  WhenShown(AgesForm, [this] {
    Check(AgesForm, "ages");
    WhenShown(IncForm, [this] {
      Check(IncForm, "growth");
      Look(IncForm1, "timing", [] { Click(IncForm->Button2); });
      ClickItem(IncForm->RadioGroup1, QStringLiteral("10"));
      Click(IncForm->BitBtn2);
    }, [] { Click(AgesForm->BitBtn2); });
  }, [] { Click(ActForm->Panel4); });
  ASSERT_EQ(CurrentPhase(), 3);
  CheckPages("grown");
  Look(TradeForm, "sale", [] { Click(ActForm->Panel11); }, TradeForm->Button2);
  Look(RapForm, "report", [] { Click(ActForm->Button3); }, RapForm->Button1);

  // The mature spruce stand: the final cuttings' dialogs; a clear-cut and
  // its regeneration cost.
  OpenFromStandList("6");
  CheckPages("measured");
  ClickRow(ActForm->ListBox3, 0);
  CheckDialog(ActForm->Button5);
  ClickRow(ActForm->ListBox3, 1);
  for (QPushButton* b : {ActForm->Button15, ActForm->Button4, ActForm->Button14}) CheckDialog(b);
  WhenShown(ClearForm, [] {
    auto* pages = Child<QTabWidget>(ClearForm, "PageControl1");
    ClickTab(pages, pages->widget(1));
    Click(Child(ClearForm, "BitBtn1"));
  }, [] { Click(ActForm->Button14); });
  ASSERT_EQ(CurrentPhase(), 1);
  CheckPages("regenerated");
  if (ActForm->IsNewForestButtonVisible()) Look(NewFrstForm, "regeneration-cost", [] { Click(ActForm->Button11); });
  else ADD_FAILURE() << "no regeneration cost after a regeneration cutting";

  // The dense seedling stand: corridors after strip roads.
  OpenFromStandList("3");
  ClickRow(ActForm->ListBox3, 0);
  WhenShown(RoadForm, [] { Click(Child(RoadForm, "BitBtn1")); }, [] { Click(ActForm->Button5); });
  CheckDialog(ActForm->Button1);

  // The estate: its charts, the overview, the report over both
  // distributions (the assortment box at the distribution box's right edge,
  // 25 further right for the site types), the map.
  WhenShown(GraphForm, [this] {
    Check(GraphForm, "estate-charts");
    WhenShown(FolderForm, [this] {
      Check(FolderForm, "estate-overview");
      int assortmentBox[2] = {};
      for (int row : {0, 1}) {
        ClickRow(FolderForm->ListBox1, row);
        WhenShown(dbRapForm, [&, row] {
          Check(dbRapForm, QStringLiteral("estate-report-%1").arg(row));
          assortmentBox[row] = dbRapForm->CheckBox4->x();
          EXPECT_EQ(assortmentBox[row], dbRapForm->CheckBox3->x() + dbRapForm->CheckBox3->width());
          Click(dbRapForm->Button1);
        }, [] { Click(FolderForm->Button23); });
      }
      EXPECT_EQ(assortmentBox[1] - assortmentBox[0], 25);
      Look(MapForm, "map", [] { Click(FolderForm->Button6); });
      Click(FolderForm->Button1);
    }, [] { Click(GraphForm->Button2); });
    Click(GraphForm->Button1);
  }, [] { Click(ActForm->Panel8); });

  // A stand of larger volumes: longer headings and figures. Its data
  // changed over the main window, with the stand view, and over the
  // open-stand window; a stand of the list previewed between.
  OpenFromStandList("5");
  CheckPages("volumes");
  const auto measurementWindow = [this](const QString& name) {
    CheckMeasurementWindow(name);
    CheckBarNames(MeasForm->Chart1);
    ClickItem(MeasForm->RadioGroup1, 1);
    CheckMeasurementWindow(name + "-view");
    Escape(MeasForm);
  };
  WhenShown(MeasForm, [&] { measurementWindow("meas-change"); }, [] { Menu("M12"); },
            [] { return MeasForm->Initialised; });
  const int row = RowOf("9");
  ASSERT_GE(row, 0);
  WhenShown(OpenForm, [this] {
    Check(OpenForm, "open-stand");
    CheckBarNames(OpenForm->Chart1);
    Click(OpenForm->Button1);
  }, [row] { ClickRow(ActForm->ListBox1, row); }, PreviewDrawn);
  WhenShown(OpenForm, [&] {
    Check(OpenForm, "open-data");
    ASSERT_TRUE(OpenForm->Button2->isVisible());
    WhenShown(MeasForm, [&] { measurementWindow("meas-over-open"); }, [] { Click(OpenForm->Button2); },
              [] { return MeasForm->Initialised; });
    Click(OpenForm->Button1);
  }, [] { Menu("M11"); }, PreviewDrawn);

  // Settings, help, about; the main window's help texts.
  for (const auto& [item, window] : {std::pair<const char*, QWidget*>{"M22", SettForm},
                                     {"M23", SettForm1}, {"M24", SettForm2}, {"M31", HelpDlg}})
    Look(window, QStringLiteral("menu-") + item, [item] { Menu(item); });
  Menu("M32");
  for (QPushButton* b : {ActForm->BitBtn2, ActForm->BitBtn4}) Click(b);
}

INSTANTIATE_TEST_SUITE_P(Screens, ReadableWindows,
                         ::testing::Values(ScreenSize{1100, 700}, ScreenSize{1366, 768}, ScreenSize{1366, 768, 2},
                                           ScreenSize{1920, 1080}),
                         [](const ::testing::TestParamInfo<ScreenSize>& i) { return NameOf(i.param); });

}  // namespace
