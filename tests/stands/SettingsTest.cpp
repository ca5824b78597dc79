// The price settings window: loading, price edits, currency and the close
// question.
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

#include "platform/Screen.h"
#include "tests/stands/SettingsFixture.h"
#include "texts/Commonlan.h"

namespace {

QStringList EditTexts(const TSettForm& w) {
  QStringList out;
  for (QLineEdit* e : w.PriceEdits()) out << e->displayText();
  return out;
}

}  // namespace

TEST_F(SettingsWindows, StartWithoutFileAnnouncesAndWritesDefaults) {
  price->LoadSettings(0);
  ASSERT_EQ(script.Count(MessageKind::Notice), 1);
  const MessageRecord notice = script.Last(MessageKind::Notice);
  EXPECT_EQ(notice.caption, "Tiedote");
  EXPECT_EQ(notice.lines, QStringList{"puuttuva tiedosto korvataan uudella Settings.dat"});
  model::SettingsRecord defaults;
  model::SetDefaultSettings(defaults);
  EXPECT_EQ(FileBytes(), model::SettingsToBytes(defaults));

  // Loading again finds the file: no notice.
  script.Clear();
  price->LoadSettings(0);
  EXPECT_EQ(script.Count(MessageKind::Notice), 0);
}

TEST_F(SettingsWindows, DamagedFileIsAnnouncedLikeAMissingOne) {
  QFile f(model::SettingsFilePath());
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(QByteArray(100, '\0'));
  f.close();
  price->LoadSettings(0);
  EXPECT_EQ(script.Count(MessageKind::Notice), 1);
  EXPECT_EQ(FileBytes().size(), 188);
}

TEST_F(SettingsWindows, ReadOnlyFolderReportsTheFailedWrite) {
  model::SetSettingsFolder(dir.file("no-such-folder"));
  price->LoadSettings(0);
  EXPECT_EQ(script.Count(MessageKind::Notice), 2);
  EXPECT_TRUE(script.Contains("Asetuksia ei voitu tallettaa tiedostoon"));
  // The window still holds the defaults.
  EXPECT_EQ(price->MaskEdit1->displayText(), "10.00");
  script.Clear();
  EXPECT_FALSE(price->SaveSettings(1));
  EXPECT_EQ(script.Count(MessageKind::Notice), 1);
  // The reason the system gave is in the message.
  EXPECT_TRUE(script.Last(MessageKind::Notice).Text().contains(" (")) << script.Last(MessageKind::Notice).Text().toStdString();
}

TEST_F(SettingsWindows, DefaultPricesCaptionsAndWidths) {
  LoadAll();
  QStringList expected;
  for (int i = 0; i < 9; ++i) expected << "10.00";
  expected << "01.00";  // " 1.00" with its blank filled
  EXPECT_EQ(EditTexts(*price), expected);
  for (QLineEdit* e : price->PriceEdits()) EXPECT_EQ(e->width(), 33);
  const auto edits = price->PriceEdits();
  const auto labels = price->UnitLabels();
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(labels[i]->x(), edits[i]->x() + 33 + 7) << i;
    EXPECT_EQ(labels[i]->text(), QString::fromUtf8("€/m3"));
  }
  EXPECT_EQ(price->ListBox1->item(2)->text(), QString::fromUtf8("9999.99 €"));
  EXPECT_EQ(price->ListBox2->count(), 23);
  EXPECT_EQ(price->ListBox2->item(3)->text(), "markka, M");
  EXPECT_EQ(price->Label1->text(), QString::fromUtf8("mäntykuitu"));
  EXPECT_EQ(price->Label6->text(), "koivutukki");
  EXPECT_EQ(price->Label39->text(), "ranka");
  EXPECT_EQ(price->Label20->text(), "Puutavaralajien keskihinnat       :");
  EXPECT_EQ(price->BitBtn1->text(), "Talleta ja sulje");
  EXPECT_EQ(price->windowTitle(), " Puutavaralajien hinnat");
}

TEST_F(SettingsWindows, PriceFormatWidensEditsAndClamps) {
  LoadAll();
  model::CurrentSettings().logPrices[0] = 150.0f;  // above 99.99
  price->FillPriceEdits(price->PriceEdits(), price->UnitLabels(), -1);
  EXPECT_EQ(price->MaskEdit6->displayText(), "99.99");

  // The user picks 9999.99: edits 33 + 14 = 47 wide, labels 7 behind.
  price->show();
  QApplication::processEvents();
  // No control keeps the focus.
  EXPECT_TRUE(price->focusWidget() == nullptr || price->focusWidget() == price.get());
  price->ListBox1->setCurrentRow(2);
  Shoot(price.get(), "settings_price_format2");
  EXPECT_EQ(price->MaskEdit6->displayText(), "0150.00");
  EXPECT_EQ(price->MaskEdit10->displayText(), "0001.00");
  for (QLineEdit* e : price->PriceEdits()) EXPECT_EQ(e->width(), 47);
  EXPECT_EQ(price->Label40->x(), price->MaskEdit10->x() + 54);
  EXPECT_TRUE(price->BitBtn1->isEnabled());
}

TEST_F(SettingsWindows, TenPercentFilling) {
  LoadAll();
  QLineEdit edit;
  QLabel label;
  price->FillPriceEdit(95.0f, 10, &edit, &label);   // 95 + 9.5 -> 95 + 10 = 105, clamped
  EXPECT_EQ(edit.displayText(), "99.99");
  price->FillPriceEdit(4.0f, -10, &edit, &label);   // -0.4 rounds to 0
  EXPECT_EQ(edit.displayText(), "04.00");
  price->FillPriceEdit(5.0f, -10, &edit, &label);   // -0.5 rounds away from zero to -1
  EXPECT_EQ(edit.displayText(), "04.00");
  price->FillPriceEdit(0.0f, -10, &edit, &label);
  EXPECT_EQ(edit.displayText(), "00.00");
  EXPECT_EQ(label.x(), edit.x() + 40);

  // Mode 1 raises the nine prices by 1 (10 % of 10), not the energy wood.
  std::array<QLineEdit, 10> edits;
  std::array<QLabel, 10> labels;
  std::array<QLineEdit*, 10> e;
  std::array<QLabel*, 10> l;
  for (int i = 0; i < 10; ++i) {
    e[i] = &edits[i];
    l[i] = &labels[i];
  }
  price->FillPriceEdits(e, l, 1);
  EXPECT_EQ(edits[0].displayText(), "11.00");
  EXPECT_EQ(edits[9].displayText(), "01.00");
  price->FillPriceEdits(e, l, 0);
  EXPECT_EQ(edits[8].displayText(), "09.00");
}

TEST_F(SettingsWindows, CurrencyCaptionsFollowTheChoice) {
  LoadAll();
  price->show();
  EXPECT_FALSE(price->BitBtn1->isEnabled());
  price->ListBox2->setCurrentRow(5);  // "B"
  EXPECT_EQ(CurrencyUnitText(true), "B");
  EXPECT_EQ(price->Label11->text(), "B/m3");
  EXPECT_EQ(price->ListBox1->item(0)->text(), "99.99 B");
  EXPECT_TRUE(price->BitBtn1->isEnabled());
  price->ListBox2->setCurrentRow(1);
  EXPECT_EQ(CurrencyUnitText(true), "$");
  EXPECT_EQ(CurrencyUnitText(false), "dollari, $");
  // The other windows keep the stored currency until the window is accepted.
  EXPECT_EQ(CommonlanText(57), QString::fromUtf8("€/m3"));
  Shoot(price.get(), "settings_price");
}

TEST_F(SettingsWindows, EditChangeFillsBlanksAndMarksTheWindow) {
  LoadAll();
  price->show();
  EXPECT_FALSE(price->BitBtn1->isEnabled());
  price->MaskEdit2->setCursorPosition(0);
  price->MaskEdit2->del();  // "_0.00" becomes "00.00"
  EXPECT_EQ(price->MaskEdit2->displayText(), "00.00");
  EXPECT_TRUE(price->BitBtn1->isEnabled());
  EXPECT_EQ(price->PriceValuesOfWindow().prices[1], 0.0f);

  // Typing over the digits: "2", "5" at the start give 25.00.
  price->MaskEdit2->setFocus();
  price->MaskEdit2->setCursorPosition(0);
  for (const char* key : {"2", "5"}) {
    QKeyEvent press(QEvent::KeyPress, key[0] == '2' ? Qt::Key_2 : Qt::Key_5, Qt::NoModifier, key);
    QApplication::sendEvent(price->MaskEdit2, &press);
  }
  EXPECT_EQ(price->MaskEdit2->displayText(), "25.00");
  EXPECT_EQ(price->PriceValuesOfWindow().prices[1], 25.0f);
}

TEST_F(SettingsWindows, AcceptedPricesAreSavedAndApplied) {
  LoadAll();
  price->show();
  // Edit i (1..10) gets 10 + i; energy wood 2.75.
  const auto edits = price->PriceEdits();
  for (int i = 0; i < 9; ++i) edits[i]->setText(QString("%1.00").arg(11 + i));
  price->MaskEdit1->setText("12.50");
  price->MaskEdit10->setText("02.75");
  price->ListBox2->setCurrentRow(2);
  price->BitBtn1->click();
  EXPECT_EQ(price->result(), 1);
  EXPECT_EQ(script.Count(MessageKind::Question), 0);
  EXPECT_TRUE(price->ApplySettings());
  const model::SettingsRecord& r = model::CurrentSettings();
  // By assortment: pulpwood of pine..alder from edits 1..5, logs of
  // pine..aspen from edits 6..9, energy wood from edit 10.
  const std::array<float, 13> byAssortment = {12.5f, 12, 13, 14, 15, 0, 16, 17, 18, 19, 0, 0, 2.75f};
  EXPECT_EQ(model::SettingsPriceVector(), byAssortment);
  EXPECT_EQ(r.currencyIndex, 2);
  EXPECT_EQ(CommonlanText(57), "Kr/m3");
  EXPECT_EQ(FileBytes(), model::SettingsToBytes(r));
}

TEST_F(SettingsWindows, ClosingWithChangesDeclinedRestoresStoredPrices) {
  LoadAll();
  price->show();
  price->MaskEdit3->setText("55.00");
  script.Answer(2);
  price->Button1->click();
  ASSERT_EQ(script.Count(MessageKind::Question), 1);
  const MessageRecord q = script.Last(MessageKind::Question);
  EXPECT_EQ(q.caption, "Asetukset");
  EXPECT_EQ(q.lines, (QStringList{"Puutavaralajien hintoja muutettu  !", "Talletetaanko muutokset  ?"}));
  EXPECT_EQ(q.yesCaption, QString::fromUtf8("Kyllä"));
  EXPECT_EQ(q.closeCaption, "Ei");
  EXPECT_EQ(price->result(), 2);
  EXPECT_FALSE(price->isVisible());
  EXPECT_EQ(price->MaskEdit3->displayText(), "10.00");
  EXPECT_EQ(model::CurrentSettings().pulpwoodPrices[2], 10.0f);
}

TEST_F(SettingsWindows, ClosingWithChangesAcceptedReturnsOk) {
  LoadAll();
  price->show();
  price->MaskEdit3->setText("55.00");
  script.Answer(1);
  price->close();  // the title bar
  EXPECT_EQ(script.Count(MessageKind::Question), 1);
  EXPECT_EQ(price->result(), 1);
  EXPECT_EQ(price->MaskEdit3->displayText(), "55.00");
}

TEST_F(SettingsWindows, ClosingWithoutChangesAsksNothing) {
  LoadAll();
  price->show();
  price->Button1->click();
  EXPECT_EQ(script.Count(MessageKind::Question), 0);
  EXPECT_EQ(price->result(), 2);
}

TEST_F(SettingsWindows, DiscardedPageAfterTheFileWasLostKeepsAcceptedSettings) {
  LoadAll();
  // Prices accepted earlier, then the file disappears.
  price->MaskEdit1->setText("20.00");
  ASSERT_TRUE(price->SaveSettings(1));
  QFile::remove(model::SettingsFilePath());
  display->show();
  display->CheckBox5->click();
  script.Answer(2);
  display->close();
  // Announced as a missing file, but the accepted prices stay and are written.
  EXPECT_EQ(script.Count(MessageKind::Notice), 1);
  EXPECT_EQ(model::CurrentSettings().pulpwoodPrices[0], 20.0f);
  EXPECT_FALSE(display->CheckBox5->isChecked());
  EXPECT_EQ(FileBytes(), model::SettingsToBytes(model::CurrentSettings()));
}

TEST_F(SettingsWindows, DiscardedPageWhileTheFileIsBehindKeepsTheRecord) {
  LoadAll();
  model::SetSettingsFolder(dir.file("no-such-folder"));
  price->MaskEdit1->setText("30.00");
  EXPECT_FALSE(price->SaveSettings(1));  // reported
  script.Clear();
  price->show();
  price->MaskEdit1->setText("40.00");
  script.Answer(2);
  price->close();
  EXPECT_EQ(script.Count(MessageKind::Notice), 0);
  EXPECT_EQ(price->MaskEdit1->displayText(), "30.00");
}

TEST_F(SettingsWindows, ShownCentredAndEveryWayOutOfAChangedWindowAsks) {
  LoadAll();
  const platform::ScreenMetrics saved = platform::GetScreenMetrics();
  platform::ScreenMetrics m;
  m.width = 1366;
  m.height = 768;
  m.captionHeight = 23;
  platform::SetScreenMetrics(m);
  for (TSettingsWindow* w : std::initializer_list<TSettingsWindow*>{price.get(), recommendation.get(), display.get()}) {
    SCOPED_TRACE(w->objectName().toStdString());
    // Centred on the screen (half the free width and height), also when
    // shown again; read while the window is up.
    for (int round = 0; round < 2; ++round) {
      QRect frame;
      QMetaObject::invokeMethod(
          w,
          [&] {
            frame = w->frameGeometry();
            w->reject();
          },
          Qt::QueuedConnection);
      EXPECT_EQ(w->ShowModal(), 2);
      EXPECT_EQ(frame.topLeft(), QPoint((1366 - OuterWidth(w)) / 2, (768 - OuterHeight(w)) / 2));
      EXPECT_LE(OuterHeight(w), 768);
    }
    // The Esc key on a changed window asks the question too.
    script.Clear();
    QMetaObject::invokeMethod(
        w,
        [&] {
          w->BitBtn1->setEnabled(true);
          QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
          QApplication::sendEvent(w, &esc);
        },
        Qt::QueuedConnection);
    script.Answer(2);
    EXPECT_EQ(w->ShowModal(), 2);
    EXPECT_EQ(script.Count(MessageKind::Question), 1);
    EXPECT_EQ(script.Last(MessageKind::Question).lines.value(1), "Talletetaanko muutokset  ?");
  }
  platform::SetScreenMetrics(saved);
}
