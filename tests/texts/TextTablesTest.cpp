// The text tables: which numbers each table holds, the unknown-number texts,
// the language column, and the out-parameter form of every operation.

#include "texts/Aboutlan.h"
#include "texts/Actlan.h"
#include "texts/Ageslan.h"
#include "texts/Clearlan.h"
#include "texts/Commonlan.h"
#include "texts/Folderlan.h"
#include "texts/Gatelan.h"
#include "texts/Inclan.h"
#include "texts/Introlan.h"
#include "texts/Meoplan.h"
#include "texts/Newfrstlan.h"
#include "texts/Ploclan.h"
#include "texts/Roadslan.h"
#include "texts/Settlan.h"
#include "texts/TextState.h"
#include "texts/TextTable.h"
#include "texts/Th1lan.h"
#include "texts/Tradelan.h"

#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>
#include <utility>
#include <vector>

namespace {

using Text = QString (*)(int);
using TextInto = QString& (*)(QString&, int);

// One table with the numbers it holds, written as ranges from the table index.
struct Table {
    const char* name;
    Text text;
    TextInto into;
    const char* unknown;
    std::vector<std::pair<int, int>> numbers;

    bool Holds(int n) const {
        for (auto [lo, hi] : numbers)
            if (n >= lo && n <= hi) return true;
        return false;
    }
};

#define TABLE(op, unknown, ...)                                                                  \
    Table {                                                                                      \
        #op, static_cast<Text>(&op), static_cast<TextInto>(&op), unknown, { __VA_ARGS__ }        \
    }

const std::vector<Table>& Tables() {
    static const std::vector<Table> tables = {
        TABLE(AboutlanText, "error !", {0, 0}),
        TABLE(ActlanText, "error", {1, 4}, {6, 23}, {25, 46}, {48, 54}, {56, 77}, {79, 84}, {86, 97},
              {99, 109}),
        TABLE(AgeslanText, "error !", {0, 1}),
        TABLE(ClearlanRetentionText, "error !", {1, 3}),
        TABLE(ClearlanSeedTreeText, "error !", {1, 5}),
        TABLE(ClearlanShelterTreeText, "error !", {1, 3}),
        TABLE(ClearlanStripText, "error !", {1, 2}),
        TABLE(ClearlanGapText, "error !", {0, 1}),
        TABLE(CommonlanText, "error !", {0, 0}, {4, 33}, {35, 80}, {83, 91}, {93, 103}, {106, 109},
              {111, 125}),
        TABLE(FolderlanText, "error !", {0, 0}, {2, 2}),
        TABLE(GatelanText, "error !", {0, 5}),
        TABLE(InclanText, "error !", {0, 12}, {18, 22}),
        TABLE(IntrolanText, "error !", {2, 10}, {22, 22}, {24, 30}, {32, 36}),
        TABLE(MeoplanMeasText, "error !", {0, 14}, {16, 31}),
        TABLE(MeoplanOpenText, "error !", {0, 9}),
        TABLE(NewfrstlanText, "error !", {0, 0}),
        TABLE(PloclanText, "error !", {0, 4}),
        TABLE(RoadslanText, "error !", {0, 3}),
        TABLE(SettlanText, "error !", {0, 23}),
        TABLE(Th1lanText, "error !", {0, 0}, {3, 9}, {11, 12}),
        TABLE(TradelanText, "error !", {0, 24}),
    };
    return tables;
}

// Numbers probed: everything near the tables plus the extremes.
std::vector<int> ProbeNumbers() {
    std::vector<int> probe = {INT_MIN, -1000, 1000, 100000, INT_MAX};
    for (int n = -3; n <= 260; ++n) probe.push_back(n);
    return probe;
}

class TextTables : public ::testing::Test {
protected:
    void TearDown() override {
        SetTextLanguage(kLanguageFinnish);
        SetTextState(nullptr);
    }
};

// Each table holds exactly the numbers of the index; its out-parameter form
// stores the text (an unknown number's too) and returns the caller's string.
TEST_F(TextTables, EachTableHoldsExactlyTheNumbersOfTheIndexInBothForms) {
    for (const Table& t : Tables()) {
        for (int n : ProbeNumbers()) {
            const QString text = t.text(n);
            if (t.Holds(n)) {
                EXPECT_NE(text, QString::fromUtf8(t.unknown)) << t.name << " " << n << " is missing";
                EXPECT_FALSE(text.isEmpty()) << t.name << " " << n;
            } else {
                EXPECT_EQ(text, QString::fromUtf8(t.unknown)) << t.name << " " << n << " should be a gap";
            }
            QString out = QStringLiteral("old text");
            EXPECT_EQ(&t.into(out, n), &out) << t.name;
            EXPECT_EQ(out, text) << t.name << " " << n;
        }
    }
}

TEST_F(TextTables, SwedishColumnHasItsRealWordsAndComposedUnits) {
    SetTextLanguage(kLanguageSwedish);
    const std::pair<int, const char*> common[] = {{5, "Ny"},     {6, "Öppna"},    {13, "Tall"},    {15, "m2/ha"},
                                                  {35, "st/ha"}, {64, "m3/ha"},   {56, "€/ha"},    {62, "år"},
                                                  {34, "error !"}};
    for (auto [n, text] : common) EXPECT_EQ(CommonlanText(n), QString::fromUtf8(text)) << n;
    EXPECT_EQ(ActlanText(90), "");
    EXPECT_EQ(ClearlanShelterTreeText(1), ClearlanSeedTreeText(1));
    EXPECT_EQ(ActlanText(47), "error");
}

TEST_F(TextTables, AnyOtherLanguageGivesTheUnknownTextEverywhere) {
    for (int language : {0, 3, -1}) {
        SetTextLanguage(language);
        for (const Table& t : Tables())
            for (auto [lo, hi] : t.numbers)
                for (int n = lo; n <= hi; ++n)
                    EXPECT_EQ(t.text(n), QString::fromUtf8(t.unknown)) << t.name << " " << n << " lang " << language;
    }
}

}  // namespace
