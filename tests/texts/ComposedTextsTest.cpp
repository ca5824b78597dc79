// Entries composed at call time: units, the currency, the stand title, the
// main window's view options and the carbon dioxide factor.

#include "texts/Actlan.h"
#include "texts/Clearlan.h"
#include "texts/Commonlan.h"
#include "texts/Inclan.h"
#include "texts/TextState.h"

#include <gtest/gtest.h>

#include <clocale>
#include <utility>

namespace {

// Live values that the test changes between calls.
class FakeState : public TextState {
public:
    QString currency = QStringLiteral("€");
    QString title = QStringLiteral("KUVIO 12a");
    bool narrow = true;
    bool far = false;
    int carbon = 1300;
    mutable int titleStyle = -1;

    QString CurrencyUnitShort() const override { return currency; }
    QString StandTitle(int style) const override {
        titleStyle = style;
        return title;
    }
    bool IsNarrowView() const override { return narrow; }
    bool IsFarViewPageActive() const override { return far; }
    int CarbonFactor() const override { return carbon; }
};

class ComposedTexts : public ::testing::Test {
protected:
    void SetUp() override { SetTextState(&state); }
    void TearDown() override { SetTextState(nullptr); }
    FakeState state;
};

TEST_F(ComposedTexts, UnitsAreJoinedFromTheirParts) {
    // 72: "Kuvio" + lower case of "Raportti".
    const std::pair<QString, const char*> texts[] = {
        {CommonlanText(15), "m2/ha"}, {CommonlanText(35), "kpl/ha"}, {CommonlanText(64), "m3/ha"},
        {CommonlanText(72), "Kuvioraportti"}, {InclanText(8), "kasvatusaika 1 - 20 vuotta"},
        {ClearlanShelterTreeText(1), "Puulajit"}, {ClearlanSeedTreeText(1), "Puulajit"},
        {ActlanText(90), "Metsätilat - hakemistoon"}, {ActlanText(91), "tukkipuut isolla pisteellä  !"}};
    for (const auto& [text, want] : texts) EXPECT_EQ(text, QString::fromUtf8(want));
}

TEST_F(ComposedTexts, CurrencyFollowsTheSettingWithoutRefresh) {
    for (const char* currency : {"€", "Kr"}) {
        state.currency = QString::fromUtf8(currency);
        const std::pair<int, const char*> units[] = {{54, ""}, {56, "/ha"}, {57, "/m3"}, {58, "/kuvio"}};
        for (auto [n, unit] : units) EXPECT_EQ(CommonlanText(n), state.currency + unit) << n;
    }
}

TEST_F(ComposedTexts, StandListHelpNamesTheOpenStandInUpperCaseStyle) {
    const QString tail = QStringLiteral(
        "Valitsemalla vasemman yläkulman päävalikosta KUVIO 12a voidaan tarkastella kuviotietoja, "
        "muuttaa kuviotietoja ja poistaa kuvio.");
    QString text = ActlanText(29);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Kuviolista koostuu (esim. metsätilan) kuviotiedostoista, ")));
    EXPECT_TRUE(text.endsWith(tail)) << text.toStdString();
    EXPECT_EQ(state.titleStyle, 3);
    state.title = QStringLiteral("KUVIO 7");
    text = ActlanText(29);
    EXPECT_TRUE(text.endsWith(QStringLiteral("päävalikosta KUVIO 7 voidaan tarkastella kuviotietoja, "
                                             "muuttaa kuviotietoja ja poistaa kuvio.")));
}

TEST_F(ComposedTexts, StandDatabaseHelpFollowsTheWideViewOption) {
    const QString start = QStringLiteral("Kuviotietokanta muodostetaan kuviolistan metsikkökuvioista. ");
    QString text = ActlanText(45);
    EXPECT_TRUE(text.startsWith(start + QStringLiteral("Pylväsgrafiikassa havainnollistetaan ")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("Lisätietoja - painikkeella saadaan tarkempaa tietoa kuviotietokannasta. ")));
    state.narrow = false;
    // Two blanks after "poistamalla", then Actlan 89.
    EXPECT_EQ(ActlanText(45), start + QStringLiteral("Tietokantaliittymä avautuu poistamalla  "
                                                     "Laaja näkymä, ei tietokantaliittymää - valinta."));
}

TEST_F(ComposedTexts, StandViewHelpPointsToTheOtherPage) {
    QString text = ActlanText(70);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Yläkuvassa 0.5 ha metsikkönäkymä toimenpiteiden jälkeen. ")));
    EXPECT_TRUE(text.contains(QStringLiteral("yläkuvaan voidaan valita 0.5 ha otos hakkuukertymästä. ")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("Edellisellä välilehdellä metsikkönäkymät (1.0 ha) kauempaa tarkasteluna.")));
    state.far = true;
    text = ActlanText(70);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Yläkuvassa 1 ha metsikkönäkymä toimenpiteiden jälkeen. ")));
    EXPECT_TRUE(text.contains(QStringLiteral("yläkuvaan voidaan valita 1 ha otos hakkuukertymästä. ")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("Seuraavalla välilehdellä metsikkönäkymät (0.5 ha) lähempää tarkasteluna.")));
}

TEST_F(ComposedTexts, CarbonFactorIsWrittenInTonnesWithAPointUnderAFinnishLocale) {
    const char* set = std::setlocale(LC_ALL, "fi_FI.UTF-8");
    if (!set) set = std::setlocale(LC_ALL, "fi_FI.utf8");
    // 1300 kg/m3 x 0.001 = 1.3 t; 2600 -> 2.6; 1000 -> 1.0.
    for (auto [carbon, tonnes] : {std::pair{1300, "1.3"}, {2600, "2.6"}, {1000, "1.0"}}) {
        state.carbon = carbon;
        EXPECT_TRUE(ActlanText(86).contains(
            QStringLiteral("oksiin ja juuriin %1 tonnia hiilidioksidia (co2). Puuston arvo").arg(tonnes)));
    }
    std::setlocale(LC_ALL, "C");
}

TEST_F(ComposedTexts, DefaultsAnswerWhileNoStateIsSet) {
    SetTextState(nullptr);
    ASSERT_NE(CurrentTextState(), nullptr);
    EXPECT_EQ(CommonlanText(56), QStringLiteral("€/ha"));
    EXPECT_TRUE(ActlanText(29).contains(QStringLiteral("päävalikosta  voidaan tarkastella")));
    EXPECT_TRUE(ActlanText(45).contains(QStringLiteral("Pylväsgrafiikassa")));
    EXPECT_TRUE(ActlanText(70).endsWith(QStringLiteral("(1.0 ha) kauempaa tarkasteluna.")));
    EXPECT_TRUE(ActlanText(86).contains(QStringLiteral(" 1.3 tonnia ")));
}

TEST(PlotAreaTexts, StyleAndHalf) {
    // Style by style: the half plot, then the whole.
    const char* texts[][2] = {{"50", "100"}, {"0.5 ha", "1.0 ha"}, {"(0.5 ha)", "(1.0 ha)"}, {"0.5 ha", "1 ha"}};
    for (int style = 0; style < 4; ++style) {
        EXPECT_EQ(PlotAreaTextFor(style, true), texts[style][0]) << style;
        EXPECT_EQ(PlotAreaTextFor(style, false), texts[style][1]) << style;
    }
    EXPECT_EQ(PlotAreaTextFor(7, false), "1 ha");
}

}  // namespace
