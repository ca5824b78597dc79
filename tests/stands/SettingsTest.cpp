// The three settings windows over a settings file in a temporary program
// folder: the prices with their formats and currency, the recommendation
// choices with their derived lines, the display boxes, saving, and every way
// out of a changed window. The currency of the text tables is read from the
// record, as the main window reads it.
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <memory>

#include "model/Settings.h"
#include "platform/Screen.h"
#include "stands/Settings.h"
#include "stands/Settings1.h"
#include "stands/Settings2.h"
#include "tests/support/ProgramWindows.h"
#include "texts/Commonlan.h"
#include "texts/TextState.h"
#include "ui/WindowHelpers.h"

namespace {

class SettingsCurrencyState : public TextState {
 public:
  QString CurrencyUnitShort() const override {
    return model::CurrencyUnitOf(model::CurrencyListText(model::CurrentSettings().currencyIndex), true);
  }
};

class SettingsWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallFontSubstitutions();
    savedMetrics = platform::GetScreenMetrics();
    model::SetSettingsFolder(dir.path());
    model::SetSettingsRefresh(nullptr);
    SetTextState(&state);
    price = std::make_unique<TSettForm>();
    recommendation = std::make_unique<TSettForm1>();
    display = std::make_unique<TSettForm2>();
  }
  void TearDown() override {
    for (QDialog* w : Windows()) w->hide();
    display.reset();
    recommendation.reset();
    price.reset();
    SetTextState(nullptr);
    model::SetSettingsRefresh(nullptr);
    platform::SetScreenMetrics(savedMetrics);
  }
  std::array<TSettingsWindow*, 3> Windows() const { return {price.get(), recommendation.get(), display.get()}; }
  // Loads every page (a missing file is announced and written).
  void LoadAll() {
    LoadSettings(0);
    script.Clear();
  }
  QByteArray FileBytes() const { return testsupport::FileBytes(model::SettingsFilePath()); }
  static void Shoot(QWidget* w, const QString& name) { w->grab().save(testsupport::ShotPath(name + ".png")); }
  // Shows the window modally and runs `inside` from its own loop.
  static int RunModal(TSettingsWindow* w, const std::function<void()>& inside) {
    QMetaObject::invokeMethod(w, inside, Qt::QueuedConnection);
    return w->ShowModal();
  }
  QStringList PriceTexts() const {
    QStringList out;
    for (QLineEdit* e : price->PriceEdits()) out << e->displayText();
    return out;
  }

  testsupport::TempDir dir;
  platform::ScreenMetrics savedMetrics;
  MessageScript script;
  SettingsCurrencyState state;
  std::unique_ptr<TSettForm> price;
  std::unique_ptr<TSettForm1> recommendation;
  std::unique_ptr<TSettForm2> display;
};

}  // namespace

// ---- Prices ----

TEST_F(SettingsWindows, AFileLostOrAFolderThatCannotBeWrittenIsReportedAndTheRecordKept) {
  LoadAll();
  // Prices accepted earlier, then the file disappears: a page discarded is
  // announced as a missing file, but the accepted prices stay and are
  // written.
  price->MaskEdit1->setText("20.00");
  ASSERT_TRUE(SaveSettings(1));
  QFile::remove(model::SettingsFilePath());
  display->show();
  display->CheckBox5->click();
  script.Answer(2);
  display->close();
  EXPECT_EQ(script.Count(MessageKind::Notice), 1);
  EXPECT_EQ(model::CurrentSettings().pulpwoodPrices[0], 20.0f);
  EXPECT_FALSE(display->CheckBox5->isChecked());
  EXPECT_EQ(FileBytes(), model::SettingsToBytes(model::CurrentSettings()));
  // A folder that cannot be written: the missing file and the failed write
  // are told, the window holds the defaults.
  model::SetSettingsFolder(dir.file("no-such-folder"));
  script.Clear();
  LoadSettings(0);
  EXPECT_EQ(script.Count(MessageKind::Notice), 2);
  EXPECT_TRUE(script.Contains("Asetuksia ei voitu tallettaa tiedostoon"));
  EXPECT_EQ(price->MaskEdit1->displayText(), "10.00");
  script.Clear();
  price->MaskEdit1->setText("30.00");
  EXPECT_FALSE(SaveSettings(1));
  EXPECT_EQ(script.Count(MessageKind::Notice), 1);
  // The reason the system gave is in the message.
  EXPECT_TRUE(script.Last(MessageKind::Notice).Text().contains(" (")) << script.Last(MessageKind::Notice).Text().toStdString();
  // A page discarded while the file is behind goes back to the record,
  // without another notice.
  script.Clear();
  price->show();
  price->MaskEdit1->setText("40.00");
  script.Answer(2);
  price->close();
  EXPECT_EQ(script.Count(MessageKind::Notice), 0);
  EXPECT_EQ(price->MaskEdit1->displayText(), "30.00");
}

TEST_F(SettingsWindows, PricesTypedCurrencyAcceptedAndFormatChosenEachMarkingTheWindow) {
  LoadAll();
  const auto edits = price->PriceEdits();
  const auto labels = price->UnitLabels();
  // The defaults, energy wood " 1.00" with its blank filled; the edits 33
  // wide in the smallest format, their unit labels 7 behind them.
  EXPECT_EQ(PriceTexts(), QStringList(9, "10.00") << "01.00");
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(std::tuple(edits[i]->width(), labels[i]->x() - edits[i]->x(), labels[i]->text()),
              std::tuple(33, 40, QString::fromUtf8("€/m3")))
        << i;
  }
  EXPECT_EQ(price->ListBox2->count(), 23);
  // One price filled 10 % up or down: 95 + 9.5 -> 95 + 10 = 105, clamped;
  // -0.4 rounds to 0; -0.5 rounds away from zero to -1. (The sale window
  // shows the mean prices 10 % up and down, the energy wood as it is.)
  QLineEdit edit;
  QLabel label;
  const std::tuple<float, int, const char*> cases[] = {
      {95.0f, 10, "99.99"}, {4.0f, -10, "04.00"}, {5.0f, -10, "04.00"}, {0.0f, -10, "00.00"}};
  for (auto [value, percent, text] : cases) {
    price->FillPriceEdit(value, percent, &edit, &label);
    EXPECT_EQ(edit.displayText(), text) << value << " " << percent;
  }
  EXPECT_EQ(label.x(), edit.x() + 40);
  EXPECT_EQ((QStringList{price->ListBox1->item(2)->text(), price->ListBox2->item(3)->text(), price->Label1->text(),
                         price->Label6->text(), price->Label39->text(), price->Label20->text(),
                         price->BitBtn1->text(), price->windowTitle()}),
            (QStringList{QString::fromUtf8("9999.99 €"), "markka, M", QString::fromUtf8("mäntykuitu"),
                         "koivutukki", "ranka", "Puutavaralajien keskihinnat       :", "Talleta ja sulje",
                         " Puutavaralajien hinnat"}));
  // Shown: unmarked, no control keeps the focus. A deleted digit is filled
  // with a zero ("_0.00" becomes "00.00"); typing "2", "5" at the start
  // gives 25.00.
  price->show();
  QApplication::processEvents();
  EXPECT_TRUE(price->focusWidget() == nullptr || price->focusWidget() == price.get());
  EXPECT_FALSE(price->BitBtn1->isEnabled());
  price->MaskEdit2->setCursorPosition(0);
  price->MaskEdit2->del();
  EXPECT_EQ(std::tuple(price->MaskEdit2->displayText(), price->PriceValuesOfWindow().prices[1],
                       price->BitBtn1->isEnabled()),
            std::tuple(QString("00.00"), 0.0f, true));
  price->MaskEdit2->setFocus();
  price->MaskEdit2->setCursorPosition(0);
  for (const char* key : {"2", "5"}) {
    QKeyEvent press(QEvent::KeyPress, key[0] == '2' ? Qt::Key_2 : Qt::Key_5, Qt::NoModifier, key);
    QApplication::sendEvent(price->MaskEdit2, &press);
  }
  EXPECT_EQ(std::pair(price->MaskEdit2->displayText(), price->PriceValuesOfWindow().prices[1]),
            std::pair(QString("25.00"), 25.0f));
  // The currency: the captions follow the choice; the other windows keep
  // the stored currency until the window is accepted.
  price->hide();
  price->show();
  EXPECT_FALSE(price->BitBtn1->isEnabled());
  testsupport::ClickRow(price->ListBox2, 5);
  EXPECT_EQ((QStringList{CurrencyUnitText(true), price->Label11->text(), price->ListBox1->item(0)->text()}),
            (QStringList{"B", "B/m3", "99.99 B"}));
  EXPECT_TRUE(price->BitBtn1->isEnabled());
  testsupport::ClickRow(price->ListBox2, 1);
  EXPECT_EQ(std::pair(CurrencyUnitText(true), CurrencyUnitText(false)),
            std::pair(QString("$"), QString("dollari, $")));
  EXPECT_EQ(CommonlanText(57), QString::fromUtf8("€/m3"));
  Shoot(price.get(), "settings_price");
  // Accepted: edit i (1..10) 10 + i, energy wood 2.75, applied by
  // assortment: pulpwood of pine..alder from edits 1..5, logs of
  // pine..aspen from edits 6..9, energy wood from edit 10.
  for (int i = 0; i < 9; ++i) edits[i]->setText(QString("%1.00").arg(11 + i));
  price->MaskEdit1->setText("12.50");
  price->MaskEdit10->setText("02.75");
  testsupport::ClickRow(price->ListBox2, 2);
  price->BitBtn1->click();
  EXPECT_EQ(std::pair(price->result(), script.Count(MessageKind::Question)), std::pair(1, 0));
  EXPECT_TRUE(price->ApplySettings());
  const std::array<float, 13> byAssortment = {12.5f, 12, 13, 14, 15, 0, 16, 17, 18, 19, 0, 0, 2.75f};
  EXPECT_EQ(model::SettingsPriceVector(), byAssortment);
  EXPECT_EQ(std::pair(model::CurrentSettings().currencyIndex, CommonlanText(57)), std::pair(2, QString("Kr/m3")));
  EXPECT_EQ(FileBytes(), model::SettingsToBytes(model::CurrentSettings()));
  // The format: a stored price above 99.99 shows the largest; with 9999.99
  // chosen the edits are 33 + 14 = 47 wide, the labels still 7 behind.
  model::CurrentSettings().logPrices[0] = 150.0f;
  price->FillPriceEdits(edits, labels, -1);
  EXPECT_EQ(price->MaskEdit6->displayText(), "99.99");
  price->show();
  testsupport::ClickRow(price->ListBox1, 2);
  Shoot(price.get(), "settings_price_format2");
  EXPECT_EQ(std::pair(price->MaskEdit6->displayText(), price->MaskEdit10->displayText()),
            std::pair(QString("0150.00"), QString("0002.75")));
  for (QLineEdit* e : edits) EXPECT_EQ(e->width(), 47);
  EXPECT_EQ(price->Label40->x(), price->MaskEdit10->x() + 54);
  EXPECT_TRUE(price->BitBtn1->isEnabled());
}

// ---- Recommendations ----

TEST_F(SettingsWindows, RecommendationLinesDefaultsRestoredAndSavedOnOk) {
  TSettForm1& w = *recommendation;
  // Created but never loaded: the groups have no choice yet, and saving
  // stores the defaults.
  EXPECT_EQ(std::pair(w.RadioGroup1->ItemIndex(), w.StemCountLowerLimit()), std::pair(-1, 3000));
  ASSERT_TRUE(SaveSettings(2));
  EXPECT_EQ(
      std::pair(model::CurrentSettings().pineFinalCutBasalArea, model::CurrentSettings().birchFinalCutBasalArea),
      std::pair(20, 16));
  LoadAll();
  EXPECT_EQ((std::array{w.RadioGroup1->ItemIndex(), w.RadioGroup2->ItemIndex(), w.RadioGroup3->ItemIndex(),
                        w.RadioGroup4->ItemIndex(), w.RadioGroup5->ItemIndex(), w.StemCountLowerLimit()}),
            (std::array{2, 1, 2, 2, 10, 3000}));
  // Birch final cut: 12 + 2 x 2 = 16 m2/ha, 22 + 1 = 23 cm. Thinning, case
  // 1 below the height, case 2 at it: pine target 22 - 6 = 16 -> 14 - 18;
  // pine 14 m, 22 + 3 = 25 m2/ha, target 25 - 7 = 18 -> 16 - 20; birch
  // 13 + 2 = 15 m, 16 + 2 = 18 m2/ha, target 12 -> 10 - 14; birch 15 m,
  // 18 + 3 = 21 m2/ha, target 14 -> 12 - 16.
  const auto lines = [&] {
    QStringList l;
    for (QLabel* label : {w.Label29, w.Label23, w.Label13, w.Label30, w.Label14, w.Label31, w.Label15, w.Label32})
      l << label->text();
    return l;
  };
  const QString after = QString::fromUtf8("- kasvatushakkuun jälkeen pohjapinta-alaksi suositellaan ");
  EXPECT_EQ(lines(),
            (QStringList{QString::fromUtf8("pohjapinta-ala => 16 m2/ha  ja  keskiläpimitta => 23 cm"),
                         after + "14 - 18 m2/ha", "tai keskipituus => 14 m  ja  pohjapinta-ala => 25 m2/ha",
                         after + "16 - 20 m2/ha", "keskipituus < 15 m  ja pohjapinta-ala => 18 m2/ha",
                         after + "10 - 14 m2/ha", "tai keskipituus => 15 m  ja  pohjapinta-ala => 21 m2/ha",
                         after + "12 - 16 m2/ha"}));
  // Lines 13, 14 and 15 share their left edge.
  EXPECT_EQ(std::pair(w.Label13->x(), w.Label15->x()), std::pair(w.Label14->x(), w.Label14->x()));
  EXPECT_EQ(
      (QStringList{w.RadioGroup1->title(), w.RadioGroup5->title(), w.windowTitle()}),
      (QStringList{"pohjapinta-ala on vähintään, m2/ha", "runkoluvun alaraja, kpl/ha", " Toimenpidesuositukset"}));
  w.show();
  // Already the defaults: nothing changes.
  w.Button2->click();
  EXPECT_FALSE(w.BitBtn1->isEnabled());
  // Other choices and the box ticked while hidden do not mark; restored,
  // all are back and the window is marked, nothing stored yet.
  w.hide();
  w.RadioGroup3->SetItemIndex(4);
  w.RadioGroup5->SetItemIndex(0);
  w.CheckBox1->setChecked(true);
  w.show();
  EXPECT_FALSE(w.BitBtn1->isEnabled());
  w.Button2->click();
  EXPECT_EQ(std::tuple(w.BitBtn1->isEnabled(), w.CheckBox1->isChecked(), w.RadioGroup3->ItemIndex(),
                       w.RadioGroup5->ItemIndex(), model::CurrentSettings().pineThinningHeight),
            std::tuple(true, false, 2, 10, 14));
  // Shown again: the basal-area choice redraws the birch line and marks.
  w.hide();
  w.show();
  EXPECT_FALSE(w.BitBtn1->isEnabled());
  w.RadioGroup1->SetItemIndex(0);  // 16: birch 12
  EXPECT_TRUE(w.Label29->text().startsWith("pohjapinta-ala => 12 m2/ha"));
  EXPECT_TRUE(w.BitBtn1->isEnabled());
  for (int page = 0; page < 3; ++page) {
    w.PageControl2->setCurrentIndex(page);
    Shoot(&w, QString("settings_recommendation_%1").arg(page + 1));
  }
  // 27 cm (birch 25), thinning below 16 m, 2700 stems and the
  // recommendations off, saved on OK; a load shows the stored choices (the
  // stored values are clamped into the groups by the record's rules).
  w.RadioGroup2->SetItemIndex(3);
  w.RadioGroup3->SetItemIndex(4);
  w.RadioGroup5->SetItemIndex(7);
  w.CheckBox1->click();
  EXPECT_TRUE(RecommendationsOff());
  w.BitBtn1->click();
  EXPECT_EQ(w.result(), 1);
  ASSERT_TRUE(SaveSettings(2));
  const model::SettingsRecord& r = model::CurrentSettings();
  EXPECT_EQ((std::array<int, 7>{r.pineFinalCutBasalArea, r.pineFinalCutDiameter, r.spruceFinalCutDiameter,
                                r.birchFinalCutDiameter, r.pineThinningHeight, r.stemCountLowerLimit,
                                r.recommendationsOff}),
            (std::array<int, 7>{16, 27, 27, 25, 16, 2700, 1}));
  EXPECT_EQ(model::RecommendationParameter(u"ma_cc_d13_hurry"), 29);
  EXPECT_EQ(FileBytes(), model::SettingsToBytes(r));
  w.Button2->click();
  LoadSettings(2);
  EXPECT_EQ((std::array{w.RadioGroup1->ItemIndex(), w.RadioGroup2->ItemIndex(), w.RadioGroup3->ItemIndex(),
                        w.RadioGroup4->ItemIndex(), w.RadioGroup5->ItemIndex(), int(w.CheckBox1->isChecked())}),
            (std::array{0, 3, 4, 2, 7, 1}));
}

// ---- Display ----

TEST_F(SettingsWindows, DisplayBoxesLanguageRefusedAndASaveRefreshingOnlyTheTitle) {
  struct Calls : model::SettingsRefresh {
    QStringList calls;
    void PlaceMainPanels() override { calls << "panels"; }
    void MainWindowTitleText() override { calls << "title"; }
    void RefreshStandViewAnnotations(bool) override { calls << "annotations"; }
  } calls;
  LoadAll();
  TSettForm2& w = *display;
  const auto boxes = [&] {
    std::vector<bool> v;
    for (QCheckBox* b : {w.CheckBox2, w.CheckBox8, w.CheckBox9, w.CheckBox10, w.CheckBox3, w.CheckBox4, w.CheckBox5,
                         w.CheckBox7})
      v.push_back(b->isChecked());
    return v;
  };
  EXPECT_EQ(boxes(), (std::vector<bool>{true, true, true, true, true, true, false, false}));
  EXPECT_EQ((std::array{TitleBarFlags(4), StandViewFlags(5), StandViewFlags(2), StandListOnRight(),
                        InitialWideViewState()}),
            (std::array{111, 11, 1, 1, 0}));
  EXPECT_EQ(w.windowTitle(), " Perusasetukset");
  model::SetSettingsRefresh(&calls);
  w.show();
  Shoot(&w, "settings_display");
  // The language box is refused and leaves the window unchanged.
  w.CheckBox6->click();
  ASSERT_EQ(script.Count(MessageKind::Notice), 1);
  EXPECT_EQ(QStringList{script.Last(MessageKind::Notice).caption} + script.Last(MessageKind::Notice).lines,
            QStringList({"Perusasetukset", "toistaiseksi käytettävissä vain suomenkielinen versio   !"}));
  EXPECT_FALSE(w.CheckBox6->isChecked() || w.BitBtn1->isEnabled());
  w.CheckBox9->click();
  EXPECT_TRUE(w.BitBtn1->isEnabled());
  w.BitBtn1->click();
  EXPECT_EQ(w.result(), 1);
  ASSERT_TRUE(SaveSettings(3));
  EXPECT_EQ(std::pair(model::CurrentSettings().titleBarFlags, calls.calls), std::pair(101, QStringList{"title"}));
  EXPECT_EQ(FileBytes().mid(16, 4), QByteArray("\x65\0\0\0", 4));
  // The boxes from packed digits in the file.
  model::SetSettingsRefresh(nullptr);
  model::CurrentSettings().standViewFlags = 1000;
  ASSERT_TRUE(model::WriteSettingsFile(model::CurrentSettings(), model::SettingsFilePath()));
  LoadSettings(3);
  EXPECT_EQ(boxes(), (std::vector<bool>{true, true, false, true, false, false, false, true}));
  EXPECT_EQ(StandViewFlags(5), 1000);
}

// ---- Every window ----

TEST_F(SettingsWindows, ShownCentredAndEveryWayOutOfAChangedWindowAsks) {
  LoadAll();
  platform::SetScreenMetrics({.width = 1366, .height = 768, .captionHeight = 23});
  // Each window's change, its line in the question, and what the changed
  // control shows after "Ei" (the stored value) and after "Kyllä".
  struct Case {
    TSettingsWindow* w;
    std::function<void()> change;
    const char* line;
    std::function<QString()> shown;
    QString stored, accepted;
  } cases[] = {
      {price.get(), [&] { price->MaskEdit3->setText("55.00"); }, "Puutavaralajien hintoja muutettu  !",
       [&] { return price->MaskEdit3->displayText(); }, "10.00", "55.00"},
      {recommendation.get(), [&] { recommendation->RadioGroup4->SetItemIndex(4); },
       "Toimenpidesuositusten asetuksia muutettu  !", [&] { return recommendation->Label23->text().right(13); },
       "14 - 18 m2/ha", "16 - 20 m2/ha"},
      {display.get(), [&] { display->CheckBox7->click(); }, "Perusasetuksia muutettu  !",
       [&] { return QString::number(display->StandViewFlags(5)); }, "11", "1011"},
  };
  for (const Case& c : cases) {
    TSettingsWindow* w = c.w;
    SCOPED_TRACE(w->objectName().toStdString());
    script.Clear();
    // Centred on the screen (half the free width and height), also when
    // shown again; read while the window is up.
    for (int round = 0; round < 2; ++round) {
      QRect frame;
      EXPECT_EQ(RunModal(w,
                         [&] {
                           frame = w->frameGeometry();
                           w->reject();
                         }),
                2);
      EXPECT_EQ(frame.topLeft(), QPoint((1366 - OuterWidth(w)) / 2, (768 - OuterHeight(w)) / 2));
      EXPECT_LE(OuterHeight(w), 768);
    }
    // Unchanged: the close button asks nothing.
    w->show();
    w->Button1->click();
    EXPECT_EQ(std::pair(script.Count(MessageKind::Question), w->result()), std::pair(0, 2));
    // Changed, the close button, "Ei": the stored values come back.
    w->show();
    c.change();
    script.Answer(2);
    w->Button1->click();
    ASSERT_EQ(script.Count(MessageKind::Question), 1);
    const MessageRecord q = script.Last(MessageKind::Question);
    EXPECT_EQ((QStringList{q.caption, q.yesCaption, q.closeCaption} + q.lines),
              (QStringList{"Asetukset", QString::fromUtf8("Kyllä"), "Ei", QString::fromUtf8(c.line),
                           "Talletetaanko muutokset  ?"}));
    EXPECT_EQ(std::tuple(w->result(), w->isVisible(), c.shown()), std::tuple(2, false, c.stored));
    // The title bar, "Kyllä": accepted.
    w->show();
    c.change();
    script.Answer(1);
    w->close();
    EXPECT_EQ(std::tuple(script.Count(MessageKind::Question), w->result(), c.shown()),
              std::tuple(2, 1, c.accepted));
    // The Esc key on a changed window asks too.
    script.Answer(2);
    EXPECT_EQ(RunModal(w,
                       [&] {
                         w->BitBtn1->setEnabled(true);
                         QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                         QApplication::sendEvent(w, &esc);
                       }),
              2);
    EXPECT_EQ(script.Count(MessageKind::Question), 3);
  }
}
