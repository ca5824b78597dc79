// The timber-sale and stand report windows through their controls, over a
// thinned stand: the sale's rows, prices, the shift, the tax, the stem prices
// and their question, the reset by another stand or by saved prices; the
// report built at every opening, the sale attached to it and back, the
// regeneration costs, and printing: the notices, PDFs printed here whose
// pages and line positions are read back with pdftotext, and the print
// dialog's queues of a print service of the test's own (their paper, a queue
// that refuses, the service gone).
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

#include "estate/Raport.h"
#include "estate/ReportPrint.h"
#include "estate/Trade.h"
#include "estate/TradeChart.h"
#include "ui/Canvas.h"
#include "stands/Settings.h"
#include "tests/support/EstateFixture.h"
#include "tests/support/PrintServer.h"
#include "tests/support/ProgramWindows.h"
#include "platform/Clock.h"
#include "ui/Session.h"

using namespace testsupport;

namespace {

QString U(const char* s) { return QString::fromUtf8(s); }

// Koivulan tila, stand 7 of 2.00 ha measured 15.06.2019 and thinned once,
// every third of its 1100 trees taken. Removal per hectare: pine pulpwood
// 20, spruce pulpwood 15, birch pulpwood 5, alder pulpwood 5, pine logs 25,
// spruce logs 8, energy wood 6; for the stand twice that: 40, 30, 10, 10,
// 50, 16, 12 m3 (168 m3).
std::unique_ptr<data> ThinnedStand() {
  auto s = estatefixture::MakeStand("7", 1100, 2019, 2.0f, 6, 3, 7);
  s->Header.info = U("Kivinen rinne, ojitettu 1970-luvulla. Hirvituhoja taimikossa, taimikonhoito tehty 2015.");
  for (int i = 0; i < s->TreeCount(); i += 3) s->Trees[i].removedBy = 1;
  s->SortAllTrees(data::SortY);
  const int measured[kAssortmentCount] = {40, 30, 10, 0, 10, 0, 100, 20, 0, 0, 0, 0, 10};
  const int thinned[kAssortmentCount] = {20, 15, 5, 0, 5, 0, 75, 12, 0, 0, 0, 0, 4};
  for (int j = 0; j < kAssortmentCount; ++j) {
    s->Slots[0].volumes[j] = measured[j];
    s->Slots[1].volumes[j] = thinned[j];
  }
  s->Slots[0].name = "mitattu";
  s->Slots[0].stems = 1100;
  s->Slots[1].stems = 700;
  s->Slots[1].name = "Alaharvennus, hakkuukertymä 84 m3/ha";
  return s;
}

class SaleWindows : public ProgramWindowsTest {
 protected:
  void SetUp() override {
    ProgramWindowsTest::SetUp();
    model::SetSettingsFolder(folder_.path());
    platform::SetScreenMetrics({.width = 1366, .height = 768});
    platform::SetToday(QDate(2024, 6, 15));
    CreateApplicationWindows();
    LoadSettings(0);  // a missing file: defaults, 10.00 and 1.00
    script_.Clear();
    IntroForm->hide();
    // A stand activation enables the main window and shows its stand card.
    ActForm->SetStartupPanelsVisibility(true);
    LoadStand(ThinnedStand(), 1);
  }
  // The stand becomes the open one at the given phase, as a stand
  // activation leaves it.
  static void LoadStand(std::unique_ptr<data> stand, int phase) {
    TheSession->CurrentStand = std::move(stand);
    SetCurrentPhase(phase);
    TradeForm->NewStand = true;
  }
  // The main window's timber-sale panel; fn runs in the open sale window
  // and closes it.
  static void OpenSale(const std::function<void()>& fn) {
    EXPECT_TRUE(InModal("TradeForm", fn, [] { Click(ActForm->Panel11); })) << "no sale window";
  }
  // The main window's report button; fn runs in the open report.
  static void OpenReport(const std::function<void()>& fn) {
    EXPECT_TRUE(InModal("RapForm", fn, [] { Click(ActForm->Button3); })) << "no report window";
  }
  static QStringList Memo() { return RapForm->MemoLines(); }
  static const TTradeForm::SaleRow& Row(int assortment) {
    for (const TTradeForm::SaleRow& r : TradeForm->Rows)
      if (r.assortment == assortment) return r;
    return TradeForm->Rows[0];
  }
  static QCheckBox* RowBox(int assortment) { return Row(assortment).box; }
  // The sale's value, volume, tax and net income.
  static QStringList Totals() {
    return {TradeForm->Label43->text(), TradeForm->Label44->text(), TradeForm->Label66->text(),
            TradeForm->Label67->text()};
  }
  // The log shift's volume and its effect on the value, in euros and per cent.
  static QStringList ShiftEffect() {
    return {TradeForm->Label26->text(), TradeForm->Label14->text(), TradeForm->Label20->text()};
  }
  // The choices that stay for the stand: the pine log price, the energy
  // wood row's tick, the shift and the tax.
  static auto Choices() {
    return std::tuple(Row(PineLogs).price->displayText(), RowBox(EnergyWood)->isChecked(),
                      TradeForm->ComboBox1->currentIndex(), TradeForm->ComboBox4->currentIndex());
  }
  // Types a price into an edit as the user does (all of it replaced).
  static void TypePrice(QLineEdit* edit, const QString& digits) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, digits);
  }
  // Steps to an item with the arrow keys, as the user may.
  static void KeyTo(QComboBox* box, int index) {
    box->setCurrentIndex(index > 0 ? index - 1 : 1);
    QTest::keyClick(box, index > 0 ? Qt::Key_Down : Qt::Key_Up);
  }
};

// The page and the top left corner (points) of a word of a PDF, as
// pdftotext reads them (page -1 when the word is not there).
struct PdfWord {
  int page = -1;
  double y = 0, x = 0;
};
PdfWord FindWord(const QString& boxes, const QString& word) {
  const QRegularExpression re(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>)re" + word + "</word>");
  const QStringList pages = boxes.split("<page ").mid(1);
  for (int page = 0; page < pages.size(); ++page)
    if (const auto m = re.match(pages[page]); m.hasMatch()) return {page, m.captured(2).toDouble(), m.captured(1).toDouble()};
  return {};
}

}  // namespace

TEST_F(SaleWindows, RowsPricesShiftAndTaxRecalculateAndStayForTheStand) {
  OpenSale([&] {
    EXPECT_EQ(TradeForm->windowTitle(), " Kuvio 7,  puukauppa 2019");
    // Rows with a removal are enabled, ticked and priced; the others disabled.
    for (int k : trade::kSaleRows) {
      const bool volume = k != AspenPulpwood && k != BirchLogs && k != AspenLogs;
      EXPECT_EQ(std::tuple(RowBox(k)->isEnabled(), RowBox(k)->isChecked(), Row(k).price->isVisible()),
                std::tuple(volume, volume, volume))
          << k;
    }
    // A thinning: the mean prices 10 % lower (9.00), energy wood as it is;
    // 40 + 30 + 10 + 10 + 50 + 16 m3 at 9.00 and 12 m3 at 1.00, 30 % of 1416
    // is 424.8.
    EXPECT_EQ(Choices(), std::tuple(QString("09.00"), true, 0, 30));
    EXPECT_EQ(QStringList({RowBox(PineLogs)->text(), Row(PineLogs).value->text(), Row(EnergyWood).price->displayText()}),
              QStringList({U("mäntytukki   (mät)   50 m3"), U("450 €"), "01.00"}));
    EXPECT_EQ(Totals(), QStringList({U("1416 €"), "168 m3", U("-425 €"), U("991 €")}));
    EXPECT_EQ(ShiftEffect(), QStringList({U("   - tukin siirtymä 0 m3"), U("+- 0 €"), ""}));
    EXPECT_EQ(TradeForm->Chart2->Contents().title, U("Kuvio 7, puukauppa 2019  :  168 m3, 1416 €, 8 €/m3"));
    // Pine logs at 30.00: 1416 - 450 + 1500; 30 % of 2466 is 739.8.
    TypePrice(Row(PineLogs).price, "3000");
    EXPECT_EQ(QStringList({Row(PineLogs).price->displayText(), Row(PineLogs).value->text()}),
              QStringList({"30.00", U("1500 €")}));
    EXPECT_EQ(Totals(), QStringList({U("2466 €"), "168 m3", U("-740 €"), U("1726 €")}));
    // 10 % of the logs move: pine 5 m3 (its value 45 x 30 + 45 x 9), spruce
    // 1.6 -> 2 m3 (same price): 2466 - 150 + 45 = 2361, a change of -105.
    KeyTo(TradeForm->ComboBox1, 10);
    EXPECT_EQ(RowBox(PineLogs)->text(), U("mäntytukki   (mät)   45 m3"));
    EXPECT_EQ(Totals(), QStringList({U("2361 €"), "168 m3", U("-708 €"), U("1653 €")}));
    EXPECT_EQ(ShiftEffect(), QStringList({U("   - tukin siirtymä 7 m3"), U("-105 €,"), "-4.3 %"}));
    EXPECT_EQ(TradeForm->Label14->x(), TradeForm->Label2->x() + TradeForm->Label2->width() + 5);
    // An unticked row is left out of the sale; then the tax at 20 %: 20 % of
    // 2349 is 469.8.
    Click(RowBox(EnergyWood));
    EXPECT_FALSE(RowBox(EnergyWood)->isChecked() || Row(EnergyWood).value->isVisible());
    EXPECT_EQ(Totals(), QStringList({U("2349 €"), "156 m3", U("-705 €"), U("1644 €")}));
    KeyTo(TradeForm->ComboBox4, 20);
    EXPECT_EQ(Totals(), QStringList({U("2349 €"), "156 m3", U("-470 €"), U("1879 €")}));
    Click(TradeForm->Button2);
  });
  EXPECT_FALSE(TradeForm->isVisible());
  EXPECT_EQ(script_.Last(MessageKind::Busy).caption, "Puukauppa");
  // Another opening for the same stand keeps the choices; a newly loaded
  // stand starts from the defaults again.
  OpenSale([&] {
    EXPECT_EQ(Choices(), std::tuple(QString("30.00"), false, 10, 20));
    EXPECT_EQ(Totals().value(0), U("2349 €"));
    Click(TradeForm->Button2);
  });
  LoadStand(ThinnedStand(), 1);
  OpenSale([&] {
    EXPECT_EQ(Choices(), std::tuple(QString("09.00"), true, 0, 30));
    Click(TradeForm->Button2);
  });
}

TEST_F(SaleWindows, StemPriceQuestionSwitchShiftListAndTheirResets) {
  // Questions asked, the pine stem box, the pine log row's price.
  const auto stem = [this] {
    return std::tuple(script_.Count(MessageKind::Question), TradeForm->CheckBox14->isChecked(),
                      Row(PineLogs).price->displayText());
  };
  const auto shiftList = [] { return std::pair(TradeForm->ComboBox1->isEnabled(), TradeForm->ComboBox1->currentIndex()); };
  OpenSale([&] {
    KeyTo(TradeForm->ComboBox1, 5);
    TypePrice(Row(PineLogs).price, "3000");
    // Declining leaves the box unticked and the prices as they were.
    script_.Answer(2);
    Click(TradeForm->CheckBox14);
    EXPECT_EQ(stem(), std::tuple(1, false, QString("30.00")));
    const MessageRecord q = script_.Last(MessageKind::Question);
    EXPECT_EQ(QStringList({q.caption, q.yesCaption, q.closeCaption}), QStringList({"Runkohinta", "Jatka", "Peru"}));
    // Asked again; "Jatka" ticks it: the pine log row carries pulpwood and
    // logs unshifted at the stem price (none yet: 00.00); the shift list is
    // disabled and shows no item.
    script_.Answer(1);
    Click(TradeForm->CheckBox14);
    EXPECT_EQ(stem(), std::tuple(2, true, QString("00.00")));
    EXPECT_EQ(RowBox(PineLogs)->text(), U("mäntyrunko (mäRun)   90 m3"));
    EXPECT_EQ(std::tuple(RowBox(PineLogs)->isChecked(), RowBox(PinePulpwood)->isEnabled(), TradeForm->Label21->isVisible()),
              std::tuple(true, false, true));
    EXPECT_EQ(shiftList(), std::pair(false, -1));
    EXPECT_EQ(TradeForm->Label26->text(), "    runkohinta,");
    TypePrice(Row(PineLogs).price, "2500");
    EXPECT_EQ(Row(PineLogs).value->text(), U("2250 €"));
    // Unticking is not asked about again: the log price and the shift
    // choice come back.
    Click(TradeForm->CheckBox14);
    EXPECT_EQ(stem(), std::tuple(2, false, QString("30.00")));
    EXPECT_EQ(shiftList(), std::pair(true, 5));
    EXPECT_FALSE(TradeForm->Label21->isVisible());
    // Ticked again: the stem price typed before.
    Click(TradeForm->CheckBox14);
    EXPECT_EQ(stem(), std::tuple(2, true, QString("25.00")));
    Click(TradeForm->Button2);
  });
  // Saved price settings reset the prices and the stem-price state.
  model::GetSettingsRefresh()->SetDefaultTradePrices();
  OpenSale([&] {
    EXPECT_EQ(std::pair(TradeForm->CheckBox14->isChecked(), Row(PineLogs).price->displayText()),
              std::pair(false, QString("09.00")));
    script_.Answer(2);
    Click(TradeForm->CheckBox14);
    EXPECT_EQ(script_.Count(MessageKind::Question), 3);
    script_.Answer(1);
    Click(TradeForm->CheckBox15);
    ASSERT_TRUE(TradeForm->CheckBox15->isChecked());
    TypePrice(Row(SpruceLogs).price, "2800");
    Click(TradeForm->Button2);
  });
  // The same stand without spruce logs in its removal: the program unticks
  // the spruce stem box and the log edit shows the log price again.
  TheSession->CurrentStand->Slots[1].volumes[SpruceLogs] = 20;
  OpenSale([&] {
    EXPECT_EQ(std::tuple(TradeForm->CheckBox15->isEnabled(), TradeForm->CheckBox15->isChecked(),
                         Row(SpruceLogs).price->displayText(), RowBox(SpruceLogs)->isEnabled()),
              std::tuple(false, false, QString("09.00"), false));
    EXPECT_EQ(RowBox(SprucePulpwood)->text(), U("kuusikuitu   (kuk)   30 m3"));
    Click(TradeForm->Button2);
  });
  // The logs back (16 m3): sold at the log price, in the edit's normal
  // colour; the box ticked again (no question) gives the stem price typed
  // before, 30 + 16 m3 at 28.00.
  TheSession->CurrentStand->Slots[1].volumes[SpruceLogs] = 12;
  OpenSale([&] {
    EXPECT_EQ(std::tuple(TradeForm->CheckBox15->isChecked(), RowBox(SpruceLogs)->isChecked(),
                         Row(SpruceLogs).price->displayText(), Row(SpruceLogs).value->text(), Totals().value(0)),
              std::tuple(false, true, QString("09.00"), U("144 €"), U("1416 €")));
    EXPECT_EQ(Row(SpruceLogs).price->palette().color(QPalette::Base),
              Row(SprucePulpwood).price->palette().color(QPalette::Base));
    const int asked = script_.Count(MessageKind::Question);
    Click(TradeForm->CheckBox15);
    EXPECT_EQ(std::tuple(script_.Count(MessageKind::Question), Row(SpruceLogs).price->displayText(),
                         Row(SpruceLogs).value->text()),
              std::tuple(asked, QString("28.00"), U("1288 €")));
    Click(TradeForm->Button2);
  });
}

TEST_F(SaleWindows, RowsTickedOrUntickedByTheProgramReactAsToTheUsersClick) {
  // A row's reaction flashes the totals and the chart: counted by those
  // pauses of 500 ms.
  int flashes = 0;
  platform::SetPauseFunction([&](int ms) { flashes += ms == 500; });
  OpenSale([&] {
    // The chart 122 pixels high, the report panel 3 pixels inside its top
    // right corner.
    EXPECT_EQ(std::tuple(TradeForm->Chart2->height(), TradeForm->Panel11->y() - TradeForm->Chart2->y(),
                         TradeForm->Chart2->geometry().right() - TradeForm->Panel11->geometry().right()),
              std::tuple(122, 3, 3));
    // The first opening ticks its rows without a reaction; a click reacts.
    EXPECT_EQ(flashes, 0);
    Click(RowBox(PineLogs));
    EXPECT_EQ(flashes, 1);
    // The pine stem price: the switch, the pulpwood row the program unticks
    // and the log row it ticks again react. 1416 - 360 - 450 with the stem
    // at 00.00; 30 % of 606 is 181.8. Off again: the switch and the
    // pulpwood row ticked again.
    script_.Answer(1);
    Click(TradeForm->CheckBox14);
    EXPECT_EQ(std::tuple(flashes, RowBox(PinePulpwood)->isChecked(), RowBox(PineLogs)->isChecked(), Totals()),
              std::tuple(4, false, true, QStringList({U("606 €"), "168 m3", U("-182 €"), U("424 €")})));
    Click(TradeForm->CheckBox14);
    EXPECT_EQ(std::tuple(flashes, RowBox(PinePulpwood)->isChecked(), Totals().value(0)),
              std::tuple(6, true, U("1416 €")));
    Click(TradeForm->Button2);
  });
  // Aspen logs come into the removal while the window is closed (10 m3/ha,
  // 20 m3 at 9.00) and go again: the opening ticks or unticks their row,
  // which reacts; a newly loaded stand's rows are reset without reactions.
  for (auto [volume, reacted, total] : {std::tuple{10, 7, "1596 €"}, {0, 8, "1416 €"}, {-1, 8, "1416 €"}}) {
    if (volume < 0) LoadStand(ThinnedStand(), 1);
    else TheSession->CurrentStand->Slots[0].volumes[AspenLogs] = volume;
    OpenSale([&] {
      EXPECT_EQ(std::tuple(flashes, RowBox(AspenLogs)->isChecked(), RowBox(AspenLogs)->isEnabled(), Totals().value(0)),
                std::tuple(reacted, volume > 0, volume > 0, U(total)));
      Click(TradeForm->Button2);
    });
  }
  platform::SetPauseFunction([](int) {});
}

TEST_F(SaleWindows, RegenerationCuttingPricesEstimateLineCostsHelpAndSample) {
  // The same removal by a clear-cut, with a clearing of 150 per hectare
  // estimated for regenerating it; the main window's button rules run as at
  // the stand's activation (the new-forest button and the estimate).
  auto stand = ThinnedStand();
  stand->Slots[1].name = U("avohakkuu, 8 säästöpuuta/ha");
  stand->SetRegenerationChoice(0, 1);    // raivaus
  stand->SetRegenerationChoice(1, 150);  // 150 per hectare
  LoadStand(std::move(stand), 1);
  ActForm->setButtonState(1, 0, false);
  ASSERT_TRUE(ActForm->IsNewForestButtonVisible());
  OpenSale([&] {
    // A regeneration cutting: the mean prices 10 % higher.
    EXPECT_EQ(QStringList({Row(PinePulpwood).price->displayText(), Row(EnergyWood).price->displayText(),
                           TradeForm->Label43->text()}),
              QStringList({"11.00", "01.00", U("1728 €")}));
    const QString foot = TradeForm->Chart2->Contents().foot;
    EXPECT_TRUE(foot.startsWith(U("Metsänuudistamisen kustannusarvio 150 ")) && foot.contains(",  300 "))
        << foot.toStdString();
    SaveShot(TradeForm, "trade-window-regeneration.png");
    Click(TradeForm->BitBtn1);
    const MessageRecord help = script_.Last(MessageKind::HelpText);
    ASSERT_EQ(std::pair(help.caption, help.lines.size()), std::pair(QString("Puukauppa"), qsizetype(7)));
    EXPECT_TRUE(help.lines.at(0).startsWith(U("Hakkuukertymästä valitaan puukauppaan")) && help.lines.at(1).isEmpty());
    // The 1-ha sample of the removal, then of its log trees only.
    const int heightBefore = TradeForm->height();
    ClickItem(TradeForm->RadioGroup1, 1);
    EXPECT_TRUE(TradeForm->Image1->isVisible() && TradeForm->height() > heightBefore);
    EXPECT_EQ(TradeForm->Label1->text(), U("Kuvio 7,  1 ha otos hakkuukertymästä  ( 84 m3/ha )"));
    Click(TradeForm->Label24);
    EXPECT_TRUE(TradeForm->CheckBox10->isChecked());
    EXPECT_EQ(TradeForm->Label1->text(), U("Kuvio 7,  1 ha otos tukkipuiden hakkuukertymästä"));
    SaveShot(TradeForm, "trade-window-sample.png");
    ClickItem(TradeForm->RadioGroup1, 0);
    EXPECT_EQ(std::pair(TradeForm->Image1->isVisible(), TradeForm->height()), std::pair(false, heightBefore));
    Click(TradeForm->Button2);
  });
  // The report ends with the costs of regenerating the stand: clearing, soil
  // preparation, the cultivation lines of a clear-cut and the total.
  OpenReport([&] {
    const QStringList memo = Memo();
    const int title = memo.indexOf(U("  Metsänuudistaminen avohakkuun jälkeen"));
    EXPECT_TRUE(title > 0 && memo.size() == title + 7) << memo.join('\n').toStdString();
    EXPECT_TRUE(memo.last().contains("300")) << memo.last().toStdString();
    SaveShot(RapForm, "report-window-regeneration.png");
    Click(RapForm->Button1);
  });
  // Without an estimate the foot line says so.
  TheSession->CurrentStand->SetRegenerationChoice(0, 0);
  ActForm->setButtonState(1, 0, false);
  OpenSale([&] {
    EXPECT_EQ(TradeForm->Chart2->Contents().foot, U("Ei kustannusarviota metsänuudistamisesta"));
    Click(TradeForm->Button2);
  });
}

TEST_F(SaleWindows, ReportOfTheOpenStandBuiltAtEveryOpeningAndWithoutRemovalNoSale) {
  OpenReport([&] {
    EXPECT_EQ(RapForm->windowTitle(), " Kuvio 7,  kuvioraportti");
    const QStringList memo = Memo();
    EXPECT_EQ(QStringList({memo.at(0), memo.at(3), memo.at(5), memo.at(7)}),
              QStringList({" 15.06.2024  Norvalen - kuvioraportti", U("   - Koivulan tila, 0 kuviota, 0.00 ha"),
                           " Kuvio 7, perustiedot", "   - puuston ryhmitys normaali, tuore kangas"}));
    // The notes wrap at the notes editor's width; only the first line
    // carries the caption.
    const QStringList notes = RapForm->WrappedNotesLines(TheSession->CurrentStand->InfoText());
    ASSERT_GE(notes.size(), 2);
    EXPECT_EQ(notes.join(' '), TheSession->CurrentStand->InfoText());
    for (int i = 0; i < notes.size(); ++i)
      EXPECT_EQ(memo.at(13 + i), (i == 0 ? U("     lisätietoja : ") : QString(19, ' ')) + notes.at(i));
    EXPECT_EQ(memo.last(), U("     hakkuukertymä v.2019 : 84 m3/ha, 168 m3/kuvio, tukin osuus 39 %"));
    EXPECT_EQ(std::tuple(RapForm->CheckBox3->isVisible(), RapForm->CheckBox1->isChecked(), RapForm->CheckBox3->isChecked()),
              std::tuple(true, false, false));
    SaveShot(RapForm, "report-window.png");
    Click(RapForm->Button1);
  });
  EXPECT_EQ(script_.Last(MessageKind::Busy).caption, "Kuvioraportti");
  // Another stand at its measured state: no removal, so notices instead of
  // the sale, in the main window and in its own report.
  auto other = ThinnedStand();
  other->Header.standId = "12b";
  LoadStand(std::move(other), 0);
  Click(ActForm->Panel11);
  EXPECT_FALSE(TradeForm->isVisible());
  const MessageRecord r = script_.Last(MessageKind::Notice);
  EXPECT_EQ(QStringList{r.caption} + r.lines,
            QStringList({"Puukauppa", U("kuvion hakkuukertymä 0 m3/ha,  ei arviota puukaupasta kertyvistä tuloista   !")}));
  OpenReport([&] {
    const int lines = Memo().size();
    EXPECT_EQ(QStringList({Memo().at(5), Memo().at(lines - 2)}),
              QStringList({" Kuvio 12b, perustiedot", "     toimenpiteet ja puusto"}));
    Click(RapForm->CheckBox3);
    EXPECT_FALSE(RapForm->CheckBox3->isChecked());
    EXPECT_EQ(script_.Last(MessageKind::Notice).lines,
              QStringList{U("ei hakkuukertymää, ei arvioita puukaupasta kertyvistä tuloista  !")});
    EXPECT_EQ(Memo().size(), lines);
    Click(RapForm->Button1);
  });
}

TEST_F(SaleWindows, SaleAttachedThenStockEstimateAndRebuilds) {
  int lines = 0;
  OpenReport([&] {
    lines = Memo().size();
    // Ticking "Lisää puukauppa" opens the sale; its panel attaches it.
    EXPECT_TRUE(InModal(
        "TradeForm",
        [&] {
          EXPECT_EQ(TradeForm->Panel11->text(), U("Liitä raporttiin"));
          // The sale closes after half a second, attaching itself.
          const long long paused = platform::PausedMilliseconds();
          Click(TradeForm->Panel11);
          EXPECT_EQ(platform::PausedMilliseconds() - paused, 500);
          EXPECT_EQ(TradeForm->result(), 1);
        },
        [] { Click(RapForm->CheckBox3); }));
    QStringList memo = Memo();
    ASSERT_GT(memo.size(), lines);
    EXPECT_EQ(memo.at(lines + 1), "     puukauppa v.2019, alaharvennus 2.00 ha");
    EXPECT_EQ(memo.at(lines + 2), QString(5, ' ') + "  ranka     " + U("     01.00 €/m3") + "   12 m3" + U("    12 €"));
    EXPECT_TRUE(memo.last().endsWith(U("991 €"))) << memo.last().toStdString();
    const int withSale = memo.size();
    // The stock estimate goes below the sale.
    Click(RapForm->CheckBox1);
    memo = Memo();
    ASSERT_GT(memo.size(), withSale);
    EXPECT_EQ(memo.at(withSale + 1), U("     puusto mittauksen jälkeen v.2019"));
    // Unticking rebuilds the report with the sale and without the estimate.
    Click(RapForm->CheckBox1);
    EXPECT_EQ(Memo().size(), withSale);
    // Unticking the sale rebuilds the basic report.
    Click(RapForm->CheckBox3);
    EXPECT_EQ(Memo().size(), lines);
    // The sale closed without attaching it: the box is unticked again and
    // the report stays as it was.
    EXPECT_TRUE(InModal("TradeForm", [] { Click(TradeForm->Button2); }, [] { Click(RapForm->CheckBox3); }));
    EXPECT_FALSE(RapForm->CheckBox3->isChecked());
    EXPECT_EQ(Memo().size(), lines);
    Click(RapForm->Button1);
  });
}

TEST_F(SaleWindows, ReportFromTheSaleEndsWithTheSale) {
  OpenSale([&] {
    EXPECT_TRUE(InModal(
        "RapForm",
        [&] {
          EXPECT_FALSE(RapForm->CheckBox3->isVisibleTo(RapForm));
          EXPECT_TRUE(Memo().contains("     puukauppa v.2019, alaharvennus 2.00 ha"));
          // The sale window's panel now attaches, and sits beside the report.
          EXPECT_EQ(TradeForm->Panel11->text(), "Luo raportti");
          Click(RapForm->Button1);
        },
        [] { Click(TradeForm->Panel11); }));
    // The sale stays open after the report closed.
    EXPECT_TRUE(TradeForm->isVisible());
    Click(TradeForm->Button2);
  });
}

TEST_F(SaleWindows, NothingPrintedWithoutAPrinterThroughAFailedPrinterOrACancelledDialog) {
  PrintScript print;
  print.printerCount = 0;
  OpenReport([&] {
    Click(RapForm->Button4);
    EXPECT_EQ(print.dialogs, 0);
    const MessageRecord r = script_.Last(MessageKind::Notice);
    EXPECT_EQ(QStringList{r.caption} + r.lines, QStringList({"Virhe", "kirjoitinta ei ole asennettu !"}));
    // A printer that cannot be started: nothing is reported as printed.
    print.printerCount = 1;
    print.pdfPath = folder_.file("no-such-folder/raportti.pdf");
    Click(RapForm->Button4);
    EXPECT_EQ(print.pagesPrinted, 0);
    EXPECT_TRUE(script_.Last(MessageKind::Notice).Text().contains(U("raporttia ei tulostettu")));
    // The dialog cancelled: nothing, no message.
    script_.Clear();
    print.accept = false;
    Click(RapForm->Button4);
    EXPECT_EQ(script_.Count(MessageKind::Notice), 0);
    Click(RapForm->Button1);
  });
}

TEST_F(SaleWindows, PrintedThroughThePrintService) {
  PrintServer server;
  ASSERT_TRUE(server.running());
  const auto print = [] { Click(RapForm->Button4); };
  OpenReport([&] {
    // The report with the sale and the stock estimate, on the queues' own
    // paper.
    EXPECT_TRUE(InModal("TradeForm", [] { Click(TradeForm->Panel11); }, [] { Click(RapForm->CheckBox3); }));
    Click(RapForm->CheckBox1);
    const QStringList memo = Memo();
    for (const auto& [queue, paper] : {std::pair("a4", QSizeF(595, 842)), std::pair("letter", QSizeF(612, 792))}) {
      PrintThroughDialog(queue, print);
      ASSERT_TRUE(server.WaitUntilIdle());
      ExpectPrintedWhole(ReadPrintedReport(server.Output(queue), QStringLiteral("report-on-%1").arg(queue)), memo, 2,
                         paper);
    }
    // A test's PDF is the same whatever the default printer: one made with
    // the service's default queue and one with no service at all.
    const auto hookPdf = [&](const QString& name) {
      PrintScript hook;
      hook.pdfPath = folder_.file(name);
      print();
      return PdfBoxes(hook.pdfPath);
    };
    const QString withDefault = hookPdf("oletus.pdf");
    // A queue that refuses the job: the notice; the report stays.
    script_.Clear();
    PrintThroughDialog("suljettu", print);
    const MessageRecord refused = script_.Last(MessageKind::Notice);
    EXPECT_EQ(QStringList{refused.caption} + refused.lines,
              QStringList({"Virhe", "kirjoitin suljettu ei ottanut raporttia vastaan, raporttia ei tulostettu   !"}));
    EXPECT_EQ(Memo(), memo);
    // The service stopped: no printer.
    server.Stop();
    EXPECT_EQ(hookPdf("ei-palvelua.pdf"), withDefault);
    print();
    EXPECT_EQ(script_.Last(MessageKind::Notice).lines, QStringList({"kirjoitinta ei ole asennettu !"}));
    EXPECT_EQ(Memo(), memo);
    Click(RapForm->Button1);
  });
}

TEST_F(SaleWindows, PrintedPagesBreakAfter68LinesWithNoEmptyPage) {
  // Page count and the place of the first and the last line, for 2, 68, 69,
  // 70, 71 and 139 body lines: a heading, a blank line and the body lines
  // "rivi001"...
  struct Case {
    int body, pages, lastPage, lastPosition;
  };
  const Case cases[] = {{2, 1, 0, 5}, {68, 1, 0, 71}, {69, 2, 1, 2}, {70, 2, 1, 3}, {71, 2, 1, 4}, {139, 3, 2, 4}};
  const ReportPrintFonts fonts{RapForm->Label3->font(), RapForm->Memo1->font()};
  for (const Case& c : cases) {
    const QString path = folder_.file(QStringLiteral("sivut%1.pdf").arg(c.body));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 5, 10, 5),
                                      QPageLayout::Millimeter));
    const double toPoints = 72.0 / printer.resolution();
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
    const int pitch = int(QFontMetrics(PrinterFont(fonts.body), &printer).height() * 1.1);
    QStringList lines = {" 15.06.2024  Norvalen - kuvioraportti", " "};
    for (int i = 1; i <= c.body; ++i) lines << QStringLiteral("  rivi%1").arg(i, 3, 10, QLatin1Char('0'));
    EXPECT_EQ(PrintMemoLines(printer, lines, fonts, {}), c.pages) << c.body;
    const QString boxes = PdfBoxes(path);
    EXPECT_EQ(boxes.count("<page "), c.pages) << c.body;
    const PdfWord first = FindWord(boxes, "rivi001"), heading = FindWord(boxes, "Norvalen"),
                  last = FindWord(boxes, lines.last().trimmed());
    EXPECT_EQ(std::tuple(first.page, heading.page, last.page), std::tuple(0, 0, c.lastPage)) << c.body;
    EXPECT_NEAR(first.y, area.top() + (40 + 4 * pitch) * toPoints, 1.5) << c.body;
    EXPECT_NEAR(first.x, area.left() + 30 * toPoints, 8.0);
    EXPECT_NEAR(last.y, area.top() + (40 + c.lastPosition * pitch) * toPoints, 1.5) << c.body;
    EXPECT_LT(heading.y, first.y);
  }
  QProcess::execute("pdftoppm", {"-png", "-r", "50", "-f", "1", "-l", "2", folder_.file("sivut70.pdf"),
                                 ShotPath("report-pages")});
}
