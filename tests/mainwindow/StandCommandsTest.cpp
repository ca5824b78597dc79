// The stand commands of the main window through its controls: the estate
// stand list (the open stand's own row, another stand, a file that cannot be
// read), the new-stand and change-list buttons, and the stand menu's
// information, change and delete items with the deletion's refusals.
#include <QAction>

#include "ui/FileLists.h"
#include "stands/Meas.h"
#include "stands/Open.h"
#include "tests/support/EstateFixture.h"
#include "tests/support/MainWindowFixture.h"
#include "texts/Actlan.h"
#include "texts/Meoplan.h"
#include "ui/Session.h"

using namespace testsupport;

namespace {

class StandCommands : public EstateWindowsTest {
 protected:
  // A stand of 80 trees written into the estate folder; its path.
  QString Write(const QString& id, int modelEstate = 0) {
    auto s = estatefixture::MakeStand(id, 80, 2020, 1.5f, 6, 3, 7);
    s->Header.modelEstate = modelEstate;
    s->Slots[0].name = "dummyStr";
    s->Slots[0].volumes[PineLogs] = 90;
    EXPECT_TRUE(estatefixture::WriteStand(*s, PathOf(id)));
    return PathOf(id);
  }
  // The stand at path opened from the open dialog.
  void StartWith(const QString& path) {
    OpenStandPath(path);
    ASSERT_TRUE(ActForm->isEnabled());
  }
  // A click on a row of the stand list that opens the open-stand window
  // (its header line shown kept), closed there with the given button.
  bool PreviewRow(int row, const char* button) {
    return InModal(Shown(OpenForm), [this, button] {
      previewLine_ = OpenForm->Label47->text();
      Click(Child(OpenForm, button));
    }, [row] { ClickRow(ActForm->ListBox1, row); });
  }
  QString previewLine_;
  static QString OpenId() { return TheSession->CurrentStand ? TheSession->CurrentStand->TitleText(0) : QString(); }
  // The open stand, the stand list's row and the estate file list's row.
  static std::tuple<QString, int, int> Selection() {
    return {OpenId(), ActForm->ListBox1->currentRow(), ActForm->FileListBox1->currentRow()};
  }
  static bool MeasureWindowClosed(const std::function<void()>& open) {
    return InModal(Shown(MeasForm), [] { Click(MeasForm->Button1); }, open);
  }
};

}  // namespace

TEST_F(StandCommands, StandListOpensAnotherStandShowsTheOpenOneAndSkipsAnUnreadableOne) {
  Write("7b");
  const QString first = Write("12a");
  StartWith(first);
  ASSERT_EQ(ActForm->ListBox1->count(), 2);
  const int own = ActForm->FileListBox1->currentRow();
  const int other = 1 - own;
  // The open stand's own row: its data in the open-stand window, nothing
  // loaded; the window's top line is the row with commas between its parts.
  const data* before = TheSession->CurrentStand.get();
  EXPECT_TRUE(PreviewRow(own, "Button1"));
  EXPECT_EQ(std::tuple(TheSession->CurrentStand.get(), script_.Last(MessageKind::Busy).caption, previewLine_),
            std::tuple(before, CommonlanText(101),
                       QString::fromUtf8("Kuvio 12a   :   1.50 ha,  varttunut kasvatusmetsä,  90 m3/ha,  tukki % 100")));

  // Another stand: previewed with its row, opened with the open-stand
  // window's Open, over the overview page after the busy display.
  ClickTab(ActForm->PageControl2, ActForm->TabSheet6);
  EXPECT_TRUE(PreviewRow(other, "Button3"));
  EXPECT_EQ(std::pair(previewLine_, script_.Last(MessageKind::Busy).caption),
            std::pair(QString::fromUtf8("Kuvio 7b   :   1.50 ha,  varttunut kasvatusmetsä,  90 m3/ha,  tukki % 100"),
                      ActlanText(69)));
  EXPECT_TRUE(script_.Contains("kuvio 7b"));
  EXPECT_EQ(Selection(), std::tuple(QString("7b"), other, other));
  EXPECT_EQ(ActForm->StandFileName, "7b." + CommonlanText(0));

  // The preview closed without opening: the selection returns to the open
  // stand.
  EXPECT_TRUE(PreviewRow(own, "Button1"));
  EXPECT_EQ(Selection(), std::tuple(QString("7b"), other, other));

  // A stand file cut in its tree records: told, the selection stays.
  script_.Clear();
  ASSERT_TRUE(QFile(first).resize(700));
  ClickRow(ActForm->ListBox1, own);
  EXPECT_EQ(script_.Count(MessageKind::Notice), 1);
  EXPECT_TRUE(script_.Last(MessageKind::Notice).Text().contains(QString::fromUtf8("ei ole eheä kuviotiedosto")));
  EXPECT_EQ(Selection(), std::tuple(QString("7b"), other, other));
}

TEST_F(StandCommands, NewStandChangeListAndChangeDataOpenTheirWindows) {
  StartWith(Write("12a"));
  // New stand: the measurement window, closed without saving.
  EXPECT_TRUE(MeasureWindowClosed([] { Click(ActForm->Button6); }));
  EXPECT_TRUE(script_.Contains(ActlanText(68)));
  EXPECT_EQ(OpenId(), "12a");
  // Change of the stand data through the menu.
  EXPECT_TRUE(MeasureWindowClosed([] { ActForm->findChild<QAction*>("M12")->trigger(); }));
  EXPECT_TRUE(script_.Contains(MeoplanMeasText(1)));
  // Change of the stand list: the open dialog, cancelled; the main window
  // shows its stand again.
  Click(ActForm->Button8);
  EXPECT_TRUE(script_.Contains(MeoplanOpenText(7)));
  EXPECT_EQ(script_.Count(MessageKind::OpenFile), 1);
  EXPECT_TRUE(ActForm->Panel1->isVisible() && OpenId() == "12a");
}

TEST_F(StandCommands, DeleteAsksRefusesTheModelEstateAndEndsInTheStartWindow) {
  const QString model = Write("1", 1);
  StartWith(model);
  QAction* remove = ActForm->findChild<QAction*>("M13");
  ASSERT_TRUE(remove->isEnabled());
  // No: nothing happens.
  script_.Answer(2);
  remove->trigger();
  const MessageRecord q = script_.Last(MessageKind::Question);
  EXPECT_EQ(std::pair(q.caption, q.lines.value(1)), std::pair(QString("Kuvion poistaminen"), QString("Poistetaanko kuvio 1  ?")));
  EXPECT_TRUE(QFile::exists(model) && ActForm->Panel1->isVisible());
  // A stand of the model estate is not deleted.
  script_.Answer(1);
  remove->trigger();
  EXPECT_EQ(script_.Last(MessageKind::Message).lines.value(0), "Mallitilan kuvioita ei suositella poistettavaksi   !");
  EXPECT_TRUE(QFile::exists(model) && ActForm->Panel1->isVisible() && OpenId() == "1");

  const QString own = Write("12a");
  StartWith(own);
  script_.Answer(1);
  ActForm->findChild<QAction*>("M13")->trigger();
  EXPECT_FALSE(QFile::exists(own));
  EXPECT_TRUE(script_.Contains("Poistetaan kuvio 12a"));
  // The start window again; the main window without a stand.
  EXPECT_TRUE(IntroForm->isVisible() && !ActForm->isEnabled() && !TheSession->CurrentStand);
  EXPECT_TRUE(ActForm->StandFileName.isEmpty() && !ActForm->findChild<QAction*>("M11")->isEnabled());
  EXPECT_EQ(ActForm->windowTitle(), MainWindowTitle(false));
}
