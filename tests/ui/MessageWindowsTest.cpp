// The shared message windows: their geometry rules, the scripted service and
// the caption padding.
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <functional>
#include <gtest/gtest.h>

#include "tests/support/Shots.h"
#include "platform/Screen.h"
#include "ui/AboutDlg.h"
#include "ui/Ask.h"
#include "ui/Error.h"
#include "ui/Info.h"
#include "ui/WindowHelpers.h"
#include "ui/ApplicationWindows.h"
#include "ui/MessageService.h"
#include "ui/Msg.h"
#include "ui/ProgBar.h"

namespace {

class MessageWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallFontSubstitutions();
    saved_ = platform::GetScreenMetrics();
    platform::SetScreenMetrics({.width = 1366, .height = 768, .captionHeight = 23});
  }
  void TearDown() override { platform::SetScreenMetrics(saved_); }
  platform::ScreenMetrics saved_;
};

// The outer place of a message window while it is shown (the show function
// runs it modally; it is closed from its own loop). A window that has been
// shown once reports, while hidden, its position less the frame of its last
// showing, so the place is read while the window is up.
QRect FrameWhileShown(QDialog* window, const std::function<void()>& show) {
  QRect frame;
  QMetaObject::invokeMethod(window, [&] { frame = window->frameGeometry(); window->reject(); }, Qt::QueuedConnection);
  show();
  return frame;
}

using Fields = std::vector<int>;
Fields Of(const QuestionLayout& l) { return {l.windowWidth, l.panelWidth, l.lineLeft, l.closeLeft, l.yesLeft, l.left, l.top}; }
Fields Of(const NoticeLayout& l) { return {l.windowWidth, l.panelWidth, l.lineLeft, l.buttonLeft, l.left, l.top}; }
Fields Of(const MessageLayout& l) { return {l.windowWidth, l.panelWidth, l.lineLeft, l.lineWidth, l.buttonLeft, l.left, l.top}; }

// What a shown window shows, in the order of its layout's fields: its outer
// width, its panels' width, its lines' and buttons' places, its frame's place.
Fields Shown(QDialog* w, const QRect& frame) {
  if (w == ErrorForm) {
    return {OuterWidth(w), ErrorForm->Panel5->width(), ErrorForm->errorMsg->x(), ErrorForm->Button1->x(),
            frame.x(), frame.y()};
  }
  if (w == MsgForm) {
    return {OuterWidth(w), MsgForm->Panel5->width(), MsgForm->msg2->x(), MsgForm->msg1->width(),
            MsgForm->Button1->x(), frame.x(), frame.y()};
  }
  return {OuterWidth(w), AskForm->Panel5->width(), AskForm->askMsg2->x(), AskForm->Button1->x(),
          AskForm->BitBtn1->x(), frame.x(), frame.y()};
}
// The layout its rule gives for the lines and buttons it shows, on the
// 1366 x 768 screen.
Fields Layout(QDialog* w) {
  const int h = OuterHeight(w);
  if (w == ErrorForm)
    return Of(ComputeNoticeLayout(ErrorForm->errorMsg->width(), ErrorForm->Button1->width(), h, 1366, 768));
  if (w == MsgForm)
    return Of(ComputeMessageLayout(MsgForm->msg1->width(), MsgForm->msg2->width(), MsgForm->Button1->width(), h,
                                   1366, 768));
  return Of(ComputeQuestionLayout(AskForm->askMsg1->width(), AskForm->askMsg2->width(), AskForm->BitBtn1->width(),
                                  AskForm->Button1->width(), h, 1366, 768, -1));
}

}  // namespace

TEST(MessageGeometry, QuestionNoticeAndMessageLayouts) {
  // Question, lines 200 and 320: 320 + 60 = 380, panels 374, lines at 20;
  // close 374 - 80 - 6 = 288, yes 288 - 80 - 2 = 206; left (1920 - 380) / 2
  // = 770, top (1080 - 160) x 0.4 = 368.
  EXPECT_EQ(Of(ComputeQuestionLayout(200, 320, 80, 80, 160, 1920, 1080, -1)), Fields({380, 374, 20, 288, 206, 770, 368}));
  // While the timber-sale window is up, 45 below its top on any screen.
  EXPECT_EQ(ComputeQuestionLayout(200, 320, 80, 80, 160, 1920, 1080, 100).top, 145);
  EXPECT_EQ(ComputeQuestionLayout(200, 320, 80, 80, 160, 1280, 720, 0).top, 45);
  // Lines 10 and 12 wide would give 72: the buttons need 8 + 80 + 2 + 80 + 6
  // and the frame 6: 182, panel 176, close 176 - 80 - 6 = 90, yes at 8; left
  // (1920 - 182) / 2 = 869.
  EXPECT_EQ(Of(ComputeQuestionLayout(10, 12, 80, 80, 160, 1920, 1080, -1)), Fields({182, 176, 20, 90, 8, 869, 368}));
  // Notice, line 150: 230 wide, panel 224, line at (224 - 150) / 2 = 37,
  // button 224 - 96 - 8 = 120; left (1366 - 230) / 2 = 568, top (768 - 137)
  // x 0.4 = 252.4 -> 252.
  EXPECT_EQ(Of(ComputeNoticeLayout(150, 96, 137, 1366, 768)), Fields({230, 224, 37, 120, 568, 252}));
  // Message, lines 100 and 240: 300 wide, panel 294, button 294 - 96 - 8 =
  // 190; left (1280 - 300) / 2 = 490, top (720 - 161) x 0.5 - 100 = 179.5 ->
  // 179.
  EXPECT_EQ(Of(ComputeMessageLayout(100, 240, 96, 161, 1280, 720)), Fields({300, 294, 10, 240, 190, 490, 179}));
  // Lines of 20 pixels would give 100 and 80: the button needs 8 + 96 + 8 and
  // the frame 6: 118, panel 112, button at 8, left (1366 - 118) / 2 = 624;
  // notice line at (112 - 20) / 2 = 46, message top 303.5 - 100 -> 203.
  EXPECT_EQ(Of(ComputeNoticeLayout(20, 96, 137, 1366, 768)), Fields({118, 112, 46, 8, 624, 252}));
  EXPECT_EQ(Of(ComputeMessageLayout(20, 12, 96, 161, 1366, 768)), Fields({118, 112, 10, 20, 8, 624, 203}));
}

TEST(MessageGeometry, ProgressPlaceAndCaptions) {
  // Over a measurement window at (100, 50), 800 x 600: left 100 + (800 -
  // 426) / 2 = 287, top 50 + (600 - 99) x 0.42 = 50 + 210.42 -> 260.
  const QRect anchor(100, 50, 800, 600);
  EXPECT_EQ(ComputeProgressPosition(426, 99, 1920, 1080, &anchor), QPoint(287, 260));
  // No anchor: (1920 - 426) / 2 = 747, (1080 - 99) x 0.4 = 392.4 -> 392.
  EXPECT_EQ(ComputeProgressPosition(426, 99, 1920, 1080, nullptr), QPoint(747, 392));
  // One blank before a caption, never two.
  for (auto [caption, padded] : {std::pair{"", " "}, {" Tiedote", " Tiedote"}, {"Tiedote", " Tiedote"}})
    EXPECT_EQ(PadCaption(caption), padded) << caption;
  EXPECT_EQ(FittedFormHeight(100, 40, 19), 165);  // + 19 + 6
  EXPECT_EQ(FittedFormHeight(100, 40, 20), 167);  // + 20 + 7
  EXPECT_EQ(ScreenOffset(1000, 1200, 0.5), -100);
}

TEST_F(MessageWindows, ScriptedQuestionsAreRecordedAndTheirButtonsReset) {
  MessageScript script;
  script.Answer(1);
  EXPECT_EQ(ShowQuestion("Norvalen", "Haluatko", "sulkea sovelluksen  ?", "Kyllä", "Ei"), 1);
  const MessageRecord r = script.Records().at(0);
  EXPECT_EQ((QStringList{r.caption, r.yesCaption, r.closeCaption} + r.lines),
            (QStringList{"Norvalen", "Kyllä", "Ei", "Haluatko", "sulkea sovelluksen  ?"}));
  EXPECT_EQ(AskForm->windowTitle(), " Norvalen");
  // No answer queued: closed; the captions of the last question are gone.
  EXPECT_EQ(ShowQuestion("Norvalen", "Haluatko", "sulkea sovelluksen  ?"), 2);
  EXPECT_EQ(script.Records().at(1).closeCaption, "Sulje");
  // An empty yes caption hides the yes button: the window only closes; the
  // next question has it back.
  script.Answer(1);
  EXPECT_EQ(ShowQuestion("Tiedote", "Kuviota ei voi", "avata  !", ""), 2);
  EXPECT_TRUE(AskForm->BitBtn1->isHidden());
  script.Answer(1);
  EXPECT_EQ(ShowQuestion("Tiedote", "a", "b"), 1);
  EXPECT_FALSE(AskForm->BitBtn1->isHidden());
  EXPECT_EQ(script.Count(MessageKind::Question), 4);
}

// Each window shown for real lays itself out by its layout rule (the rule's
// arithmetic is MessageGeometry's) on the 1366 x 768 screen, also when it is
// shown again; captions longer than their buttons are not cut. The title bar
// closes (2), the yes button answers 1.
TEST_F(MessageWindows, ShownWhereAndAsTheirLayoutsSay) {
  EnsureMessageWindows();
  QList<int> answers;
  const auto question = [] {
    return ShowQuestion("Norvalen", "Haluatko varmasti", "sulkea sovelluksen ja sen ikkunat  ?", "Kyllä", "Ei");
  };
  struct Case { QDialog* window; std::function<void()> show; const char* shot; } cases[] = {
      {AskForm, [&] { answers << question(); }, "question.png"},
      {AskForm, [&] { answers << ShowQuestion("Tiedote", "a", "b", "Talleta muutokset ja jatka", "Ei"); },
       "question-short.png"},
      {ErrorForm, [] { ShowNotice("Tiedote", "Asetustiedosto puuttui; oletusasetukset on talletettu   !"); },
       "notice.png"},
      {MsgForm, [] { ShowMessage("Tiedote", "Kuvio on talletettu", "tiedostoon koivu1.Norvalen"); },
       "message.png"}};
  for (int round = 0; round < 2; ++round) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << c.shot << " round " << round);
      const QRect frame = FrameWhileShown(c.window, c.show);
      EXPECT_EQ(Shown(c.window, frame), Layout(c.window));
      EXPECT_TRUE(c.window->grab().save(testsupport::ShotPath(c.shot)));
    }
  }
  EXPECT_EQ(answers, QList<int>(4, 2));
  EXPECT_GE(AskForm->BitBtn1->width(), AskForm->BitBtn1->sizeHint().width());  // "Talleta muutokset ja jatka"
  EXPECT_EQ(MsgForm->msg1->width(), MsgForm->msg2->width());                   // both lines centred in one width
  EXPECT_EQ(std::pair(AskForm->askMsg1->x(), ErrorForm->Button1->text()), std::pair(20, QString("Sulje")));
  QMetaObject::invokeMethod(AskForm, [] { AskForm->BitBtn1->click(); }, Qt::QueuedConnection);
  EXPECT_EQ(question(), 1);
}

TEST_F(MessageWindows, PlacedOverTheMeasurementAndTimberSaleWindows) {
  TPendingWindow meas("MeasForm", 1000, 700);
  meas.move(100, 20);
  meas.show();
  TProgBarForm progress;
  progress.setWindowTitle("Talletetaan ...");
  progress.ProgressBar1->setValue(57);
  progress.FormActivate();
  EXPECT_EQ(progress.windowTitle(), " Talletetaan ...");
  EXPECT_EQ(progress.pos(), QPoint(100 + (1000 - OuterWidth(&progress)) / 2,
                                   20 + static_cast<int>((700 - OuterHeight(&progress)) * 0.42)));
  EXPECT_TRUE(progress.grab().save(testsupport::ShotPath("progress.png")));
  meas.hide();
  progress.FormActivate();
  EXPECT_EQ(progress.pos(), QPoint((1366 - OuterWidth(&progress)) / 2,
                                   static_cast<int>((768 - OuterHeight(&progress)) * 0.4)));
  // A question 45 below the top of the timber-sale window.
  TPendingWindow trade("TradeForm", 900, 640);
  trade.move(200, 77);
  trade.show();
  EnsureMessageWindows();
  const QRect frame = FrameWhileShown(AskForm, [] { ShowQuestion("Puukauppa", "a", "b"); });
  EXPECT_EQ(frame.topLeft(), QPoint((1366 - OuterWidth(AskForm)) / 2, trade.y() + 45));
}

TEST_F(MessageWindows, HelpTextBlockAndAboutBox) {
  MessageScript script;
  QStringList lines;
  for (int i = 0; i < 12; ++i) lines << QStringLiteral("Rivi %1").arg(i);
  ShowHelpText("Ohje", lines);
  const int block = 12 * InfoForm->Label1->height() + 6;
  EXPECT_EQ(RichEditLineCount(InfoForm->RichEdit1), 12);
  EXPECT_EQ(TextBlockHeight(InfoForm->Label1, InfoForm->RichEdit1), block);
  EXPECT_GE(InfoForm->RichEdit1->height(), block);
  EXPECT_LE(InfoForm->RichEdit1->height(), block + 30);
  EXPECT_EQ(InfoForm->Panel5->y(), InfoForm->RichEdit1->height());
  EXPECT_EQ(OuterHeight(InfoForm), FittedFormHeight(InfoForm->Panel5->y(), InfoForm->Panel5->height(), 23));
  EXPECT_EQ(script.Last(MessageKind::HelpText).lines.size(), 12);
  // A long help text stays on the screen (the rest scrolls).
  for (int i = 12; i < 200; ++i) lines << QStringLiteral("Rivi %1").arg(i);
  ShowHelpText("Ohje", lines);
  EXPECT_LE(OuterHeight(InfoForm), 768);
  EXPECT_GE(InfoForm->y(), 0);
  ShowHelpText("Ohje", {"Ensimmäinen kappale, joka on niin pitkä että se rivittyy ikkunan leveydessä kahdelle "
                        "tai useammalle riville, kun ikkuna on tavallisen levyinen.",
                        "", "Toinen kappale."});
  EXPECT_TRUE(InfoForm->grab().save(testsupport::ShotPath("helptext.png")));
  ShowAboutBox();
  EXPECT_TRUE(AboutBox->grab().save(testsupport::ShotPath("about.png")));
}
