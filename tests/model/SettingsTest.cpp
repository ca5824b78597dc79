// The settings record, its file and its readers.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>
#include <unistd.h>

#include "model/Settings.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempDir.h"

using namespace model;
using testsupport::F32At;
using testsupport::I32At;
using testsupport::PutF32;
using testsupport::PutI32;
using testsupport::ReadAll;
using testsupport::WriteAll;

namespace {

// The default record written out by hand from the table of defaults.
QByteArray DefaultBytes() {
  QByteArray b(188, '\0');
  // Stand list on the right, title bar 111, stand view 11, stem count 3000.
  for (auto [at, v] : {std::pair{4, 1}, {16, 111}, {20, 11}, {180, 3000}}) PutI32(b, at, v);
  PutF32(b, 40, 1.0f);  // energy wood
  for (int at = 44; at < 80; at += 4) PutF32(b, at, 10.0f);
  // Thresholds: birch, spruce, pine final cut 25 cm / 20 m2; thinning 14 m / 22 m2; case 2 22 m2.
  for (int at : {120, 128, 136}) PutI32(b, at, 25);
  for (int at : {124, 132, 140}) PutI32(b, at, 20);
  for (int at : {144, 152, 160}) PutI32(b, at, 14);
  for (int at : {148, 156, 164, 168, 172, 176}) PutI32(b, at, 22);
  return b;
}

}  // namespace

TEST(SettingsRecord, DefaultsByteForByteAndEveryFieldAtItsOffset) {
  // The defaults leave the padding as it was.
  SettingsRecord r;
  r.padding = {1, 2, 3};
  r.reserved24[5] = 9;
  r.unusedPrice = 4.0f;
  SetDefaultSettings(r);
  QByteArray expected = DefaultBytes();
  expected.replace(185, 3, QByteArray("\x01\x02\x03", 3));
  EXPECT_EQ(SettingsToBytes(r), expected);

  // Distinct bytes everywhere: reading and writing back gives the same image.
  QByteArray b(188, '\0');
  for (int i = 0; i < 188; ++i) b[i] = static_cast<char>(i * 7 + 3);
  SettingsFromBytes(r, b);
  EXPECT_EQ(SettingsToBytes(r), b);
  // Offsets of a few fields: 0x03 + 7i at byte i.
  EXPECT_EQ(r.currencyIndex, static_cast<std::int32_t>(0x6C655E57u));  // bytes 12..15: 87, 94, 101, 108
  EXPECT_EQ(r.recommendationsOff, static_cast<std::uint8_t>(184 * 7 + 3));
  EXPECT_EQ(r.padding[2], static_cast<std::uint8_t>(187 * 7 + 3));
}

TEST(SettingsRecord, EachReaderTakesItsOwnOffset) {
  QByteArray b = DefaultBytes();
  // Thresholds: offset 120 + 4k holds 100 + k.
  for (int k = 0; k < 16; ++k) PutI32(b, 120 + 4 * k, 100 + k);
  // Prices: offset 40 + 4i holds the float i + 1 (40 energy wood 1, 44..60
  // pulpwood 2..6, 64..76 logs 7..10); 80 holds 99, which nothing reads.
  for (int i = 0; i <= 10; ++i) PutF32(b, 40 + 4 * i, i == 10 ? 99.0f : static_cast<float>(i + 1));
  for (auto [at, v] : {std::pair{4, 7}, {8, 2}, {16, 10}, {20, 1100}}) PutI32(b, at, v);
  b[184] = 1;
  SettingsRecord r;
  SettingsFromBytes(r, b);

  // The keys in the order of their offsets 120, 124, ..., 180.
  const char16_t* keys[] = {u"ko_cc_d13",  u"ko_cc_ppa",  u"ku_cc_d13",  u"ku_cc_ppa", u"ma_cc_d13", u"ma_cc_ppa",
                            u"ko_th1_h",   u"ko_th1_ppa", u"ku_th1_h",   u"ku_th1_ppa", u"ma_th1_h", u"ma_th1_ppa",
                            u"ko_th2_ppa", u"ku_th2_ppa", u"ma_th2_ppa", u"min_rlk"};
  for (int k = 0; k < 16; ++k) EXPECT_EQ(RecommendationParameter(r, keys[k]), 100 + k) << 120 + 4 * k;
  // Derived keys from their own base: 136 + 2, 148 + 7, 156 - 6, 168 + 8, 176 - 7.
  for (auto [key, value] : {std::pair{u"ma_cc_d13_hurry", 104 + 2}, {u"ko_th1_ppa_hurry", 107 + 7},
                            {u"ku_th1_ppa_target", 109 - 6}, {u"ko_th2_ppa_hurry", 112 + 8},
                            {u"ma_th2_ppa_target", 114 - 7}}) {
    EXPECT_EQ(RecommendationParameter(r, key), value) << value;
  }
  // Derived keys saturate at both ends.
  const std::int32_t hi = std::numeric_limits<std::int32_t>::max();
  const std::int32_t lo = std::numeric_limits<std::int32_t>::min();
  const std::tuple<std::int32_t SettingsRecord::*, std::int32_t, const char16_t*, int> ends[] = {
      {&SettingsRecord::pineFinalCutDiameter, hi - 2, u"ma_cc_d13_hurry", hi},
      {&SettingsRecord::pineFinalCutDiameter, hi - 3, u"ma_cc_d13_hurry", hi - 1},
      {&SettingsRecord::pineThinningBasalArea, lo + 6, u"ma_th1_ppa_target", lo},
      {&SettingsRecord::pineThinningBasalArea, lo + 7, u"ma_th1_ppa_target", lo + 1}};
  for (auto [field, stored, key, value] : ends) {
    SettingsRecord e = r;
    e.*field = stored;
    EXPECT_EQ(RecommendationParameter(e, key), value) << stored;
  }
  // Keys are exact: another case, a blank, a derived key that does not exist.
  for (const char16_t* bad : {u"MA_cc_d13", u"ma_cc_d13 ", u"ma_cc_ppa_hurry", u"xx_th1_ppa_hurry", u""})
    EXPECT_EQ(RecommendationParameter(r, bad), 0) << QString::fromUtf16(bad).toStdString();

  const std::array<float, kPriceEditCount> byEdit = {2, 3, 4, 5, 6, 7, 8, 9, 10, 1};
  EXPECT_EQ(PriceEditOrder(r), byEdit);

  // Any other value of the list side than 0 is the right side.
  const DisplayValues d = DisplayValuesOf(r);
  EXPECT_EQ(std::tuple(r.priceFormatIndex, d.standListOnRight, d.titleBarFlags, d.standViewFlags,
                       RecommendationChoicesOf(r).recommendationsOff),
            std::tuple(2, 1, 10, 1100, true));
}

TEST(SettingsFile, FailedWritesAreRememberedUntilAWriteSucceedsAndLeaveTheOldFile) {
  SetSettingsFolder("/nonexistent-folder-norvalen");
  SettingsSaveResult res = SaveDefaultSettings();
  EXPECT_EQ(std::tuple(res.written, res.error, SettingsFileBehind(), LoadSettingsFile().writeFailed),
            std::tuple(false, QString::fromUtf8("tiedostoa tai kansiota ei ole"), true, true));

  testsupport::TempDir dir;
  SetSettingsFolder(dir.path());
  EXPECT_TRUE(SaveDefaultSettings().written);
  EXPECT_FALSE(SettingsFileBehind());
  EXPECT_EQ(SettingsFilePath(), dir.file("Settings.dat"));
  const QByteArray before = ReadAll(SettingsFilePath());
  {
    testsupport::FileSizeLimit limit(100);  // the record is 188 bytes
    res = SaveDisplaySettings(DisplayValues{0, 1, 1});
  }
  EXPECT_EQ(std::tuple(res.written, res.error, SettingsFileBehind()),
            std::tuple(false, QString::fromUtf8("tiedosto on liian suuri tiedostojärjestelmälle"), true));
  EXPECT_EQ(ReadAll(SettingsFilePath()), before);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Settings.dat"});
  SetSettingsFolder(QDir::currentPath());
}

namespace {

// Permissions do not stop root from reading: false there.
bool MakeLockedFile(const QString& path) {
  if (geteuid() == 0) return false;
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly) || f.write(QByteArray(188, '\x2A')) != 188) return false;
  f.close();
  return QFile::setPermissions(path, QFileDevice::WriteOwner);
}

}  // namespace

TEST(SettingsFile, UnreadableFileIsReportedLeftAloneAndTheDefaultsServe) {
  // Something named "Settings.dat" that exists but cannot be read: a link to
  // nothing, a file without read permission, and what is not a file.
  std::vector<testsupport::NotAFile> unreadable(std::begin(testsupport::kNotAFiles),
                                                std::end(testsupport::kNotAFiles));
  unreadable.push_back(
      {"a link to nothing", [](const QString& path) { return QFile::link(path + ".gone", path); }, ""});
  unreadable.push_back({"a file without read permission", MakeLockedFile, ""});
  int made = 0;
  for (const testsupport::NotAFile& u : unreadable) {
    SCOPED_TRACE(u.what);
    testsupport::TempDir dir;
    const QString path = dir.file("Settings.dat");
    if (!u.make(path)) continue;
    ++made;
    const std::string before = testsupport::FolderState(dir.path());
    testsupport::Deadline deadline(u.what);
    SettingsRecord r;
    r.currencyIndex = 7;
    int announced = 0;
    const SettingsLoadResult res = LoadSettingsFile(r, path, [&] { ++announced; });
    // Reported, not announced as a missing file nor rewritten; the defaults serve.
    EXPECT_EQ(std::tuple(res.state, res.readError.isEmpty(), res.rewritten, res.writeFailed, announced),
              std::tuple(SettingsFileState::Unreadable, false, false, false, 0));
    EXPECT_EQ(SettingsToBytes(r), DefaultBytes());
    // Nor is it replaced when the record is written.
    QString error;
    EXPECT_FALSE(WriteSettingsFile(r, path, &error));
    EXPECT_FALSE(error.isEmpty());

    // The session: loading gives the defaults, a saved page stays in the
    // record and is reported unsaved, and a discarded page keeps the record.
    SetSettingsFolder(dir.path());
    CurrentSettings().currencyIndex = 9;
    const SettingsFileState loaded = LoadSettingsFile().state;
    EXPECT_EQ(std::tuple(loaded, CurrentSettings().currencyIndex, SettingsFileBehind()),
              std::tuple(SettingsFileState::Unreadable, 0, false));
    const SettingsLoadResult again = ReloadSettingsFile([&] { ++announced; });
    EXPECT_EQ(std::pair(again.state, again.rewritten), std::pair(SettingsFileState::Unreadable, false));
    const SettingsSaveResult saved = SaveDisplaySettings(DisplayValues{1, 101, 11});
    EXPECT_EQ(std::tuple(saved.written, saved.error.isEmpty(), CurrentSettings().titleBarFlags,
                         SettingsFileBehind()),
              std::tuple(false, false, 101, true));
    EXPECT_EQ(announced, 0);
    EXPECT_EQ(testsupport::FolderState(dir.path()), before);
  }
  EXPECT_GE(made, 5);
  SetSettingsFolder(QDir::currentPath());
  EXPECT_EQ(UnreadableSettingsText("/koti/Settings.dat", "Permission denied", true),
            QString::fromUtf8("Asetustiedostoa /koti/Settings.dat ei voitu lukea (Permission denied); se "
                              "jätetään ennalleen ja käytetään oletusasetuksia   !"));
  EXPECT_EQ(UnreadableSettingsText("Settings.dat", "x", false),
            QString::fromUtf8("Asetustiedostoa Settings.dat ei voitu lukea (x); se jätetään ennalleen   !"));
}

TEST(SettingsReaders, ParseDecimalText) {
  // "12.5" is not 12.05 and "12" not 12.12; a comma is a decimal point.
  const std::pair<const char16_t*, float> good[] = {
      {u"12.50", 12.5f}, {u"0125.05", 125.05f}, {u"12.5", 12.5f}, {u"12", 12.0f},  {u"01.00", 1.0f},
      {u" 1.00", 1.0f},  {u"9999.99", 9999.99f}, {u"0.10", 0.1f}, {u"2,75", 2.75f}, {u"3.", 3.0f},
      {u".5", 0.5f},     {u"1.234", 1.234f}};
  for (auto [text, value] : good) EXPECT_EQ(ParseDecimalText(text), value) << QString::fromUtf16(text).toStdString();
  for (const char16_t* bad : {u"", u"   ", u".", u"1.2.3", u"-1.00", u"1e5", u"abc", u"1 2", u"12.5x"})
    EXPECT_FALSE(ParseDecimalText(bad).has_value()) << QString::fromUtf16(bad).toStdString();
  // The largest float is a price text's limit: just below it reads, just
  // above it does not.
  EXPECT_TRUE(ParseDecimalText(u"340282340000000000000000000000000000000").has_value());
  EXPECT_FALSE(ParseDecimalText(u"340282350000000000000000000000000000000").has_value());
}

TEST(SettingsReaders, CurrencyTexts) {
  // (The packed display digits are the display window's boxes.) Currencies: no I or J among the letters;
  // nothing outside the list.
  const std::pair<int, const char*> currencies[] = {{-1, ""}, {0, "euro, €"}, {2, "kruunu, Kr"}, {3, "markka, M"},
                                                    {4, "A"},   {5, "B"},       {12, "K"},          {22, "X"}, {23, ""}};
  for (auto [index, text] : currencies) EXPECT_EQ(CurrencyListText(index), QString::fromUtf8(text)) << index;
}

// ---- Every range check, from both sides -----------------------------------

TEST(SettingsBounds, LargestPriceOfEachFormatIsItsListText) {
  // The list shows 99.99, 999.99 and 9999.99: each is the largest price of
  // its format, a cent less lies below it and a cent more above. Indices
  // outside the list fall back to the first format.
  // Format, its largest price, a cent less, a cent more.
  const std::tuple<int, const char16_t*, const char16_t*, const char16_t*> cases[] = {
      {0, u"99.99", u"99.98", u"100.00"},
      {1, u"999.99", u"999.98", u"1000.00"},
      {2, u"9999.99", u"9999.98", u"10000.00"},
      {-1, u"99.99", u"99.98", u"100.00"},
      {3, u"99.99", u"99.98", u"100.00"}};
  for (auto [format, largest, centLess, centMore] : cases) {
    SCOPED_TRACE(format);
    const float cap = MaxPriceOfFormat(format);
    EXPECT_EQ(cap, *ParseDecimalText(largest));
    EXPECT_LT(*ParseDecimalText(centLess), cap);
    EXPECT_GT(*ParseDecimalText(centMore), cap);
  }
}

TEST(SettingsBounds, ClampKeepsEveryValueInRangeAndMovesOnlyThoseOutside) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const float top = 9999.99f;
  const float overTop = std::nextafter(top, inf);
  const float belowZero = std::nextafter(0.0f, -inf);
  // The field at its offset (12 currency, 8 price format, whole numbers; 40
  // energy wood, 60 alder pulpwood, 64 pine logs), value stored, value after
  // the clamp (prices: energy wood falls back to 1, the others to 10 when
  // not a number).
  struct Case {
    const char* what;
    int at;
    double in;
    double out;
  };
  const Case cases[] = {
      {"currency 0", 12, 0, 0},             {"currency -1", 12, -1, 0},           {"currency 22", 12, 22, 22},
      {"currency 23", 12, 23, 22},          {"format 0", 8, 0, 0},                {"format -1", 8, -1, 0},
      {"format 2", 8, 2, 2},                {"format 3", 8, 3, 2},                {"energy 0", 40, 0, 0},
      {"energy below 0", 40, belowZero, 0}, {"energy top", 40, top, top},         {"energy over top", 40, overTop, top},
      {"energy NaN", 40, nan, 1},           {"energy infinite", 40, inf, 1},      {"pulpwood 0", 60, 0, 0},
      {"pulpwood below 0", 60, belowZero, 0}, {"pulpwood top", 60, top, top},   {"pulpwood over top", 60, overTop, top},
      {"pulpwood NaN", 60, nan, 10},        {"pulpwood -infinite", 60, -inf, 10}, {"logs top", 64, top, top},
      {"logs over top", 64, overTop, top},  {"logs below 0", 64, belowZero, 0},   {"logs NaN", 64, nan, 10}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SettingsRecord r;
    SetDefaultSettings(r);
    QByteArray b = SettingsToBytes(r);
    if (c.at < 40) {
      PutI32(b, c.at, static_cast<std::int32_t>(c.in));
    } else {
      PutF32(b, c.at, static_cast<float>(c.in));
    }
    SettingsFromBytes(r, b);
    EXPECT_EQ(ClampSettings(r), c.in != c.out);
    b = SettingsToBytes(r);
    EXPECT_EQ(c.at < 40 ? I32At(b, c.at) : F32At(b, c.at), c.out);
    EXPECT_FALSE(ClampSettings(r)) << "a clamped record stays";
  }

  // A file's values pass through the clamp: currency 40, pine's second
  // pulpwood not a number, spruce logs 1e9.
  testsupport::TempDir dir;
  QByteArray file = DefaultBytes();
  PutI32(file, 12, 40);
  PutF32(file, 48, nan);
  PutF32(file, 76, 1e9f);
  WriteAll(dir.file("Settings.dat"), file);
  SettingsRecord r;
  LoadSettingsFile(r, dir.file("Settings.dat"));
  EXPECT_EQ(std::tuple(r.currencyIndex, r.pulpwoodPrices[1], r.logPrices[3]),
            std::tuple(22, 10.0f, 9999.99f));
}

TEST(SettingsBounds, RecommendationChoicesAtTheEndsOfEachGroup) {
  // Stored pine value -> chosen item; values beyond a group's first or last
  // item choose that item. (v - 16) / 2 and (v - 2000) / 100 divide toward
  // zero.
  using R = SettingsRecord;
  using C = RecommendationChoices;
  const std::int32_t lo = std::numeric_limits<std::int32_t>::min();
  const std::int32_t hi = std::numeric_limits<std::int32_t>::max();
  using Items = std::vector<std::pair<std::int32_t, int>>;
  const std::tuple<const char*, std::int32_t R::*, int C::*, Items> groups[] = {
      {"final-cut basal area", &R::pineFinalCutBasalArea, &C::finalCutBasalAreaIndex,
       {{14, 0}, {15, 0}, {16, 0}, {18, 1}, {26, 5}, {28, 5}, {hi, 5}}},
      {"final-cut diameter", &R::pineFinalCutDiameter, &C::finalCutDiameterIndex,
       {{23, 0}, {24, 0}, {25, 1}, {28, 4}, {29, 4}, {lo, 0}}},
      {"thinning height", &R::pineThinningHeight, &C::thinningHeightIndex, {{11, 0}, {12, 0}, {16, 4}, {17, 4}}},
      {"thinning basal area", &R::pineThinningBasalArea, &C::thinningBasalAreaIndex,
       {{19, 0}, {20, 0}, {24, 4}, {25, 4}}},
      {"stem count", &R::stemCountLowerLimit, &C::stemCountIndex,
       {{1900, 0}, {2000, 0}, {2099, 0}, {2100, 1}, {3500, 15}, {3600, 15}, {lo, 0}, {hi, 15}}}};
  for (const auto& [what, field, choice, storedToItem] : groups) {
    for (auto [stored, item] : storedToItem) {
      SettingsRecord r;
      SetDefaultSettings(r);
      r.*field = stored;
      EXPECT_EQ(RecommendationChoicesOf(r).*choice, item) << what << " " << stored;
    }
  }
}

TEST(SettingsFile, AFileOfAnyLengthIsReadAsFarAsItGoesAndLeftAsItIsAndAMissingOneWritten) {
  // A file that opens is the record: 188 bytes read as they are (padding
  // too), a shorter file fills only its length over the defaults, a longer
  // one gives its first 188 bytes. Never announced, never rewritten; a link
  // to a file is read through and stays a link when the record is saved. A
  // missing file is announced before the defaults are written, with the
  // zero padding of a new record.
  const struct {
    int size;
    float pinePulpwood;  // offset 44..47, 9 in the file
    bool link = false;
    bool missing = false;
  } cases[] = {{0, 10.0f},    {2, 10.0f},      {187, 9.0f},       {188, 9.0f},
               {189, 9.0f},   {100000, 9.0f},  {2, 10.0f, true},  {0, 10.0f, false, true}};
  QByteArray full = DefaultBytes();
  PutF32(full, 44, 9.0f);
  full.replace(185, 3, "\x55\x55\x55");
  PutI32(full, 0, 0x01020304);  // reserved, kept as read
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.size << (c.missing ? " missing" : ""));
    testsupport::TempDir dir;
    const QString path = dir.file("Settings.dat");
    const QByteArray file = (full + QByteArray(100000, '\x66')).left(c.size);
    if (!c.missing) {
      WriteAll(dir.file("oma.dat"), file);
      ASSERT_TRUE(c.link ? QFile::link("oma.dat", path) : QFile::rename(dir.file("oma.dat"), path));
    }
    SettingsRecord r;
    r.padding = {7, 7, 7};
    int announced = 0;
    const SettingsLoadResult res = LoadSettingsFile(r, path, [&] {
      ++announced;
      EXPECT_FALSE(QFileInfo::exists(path));
    });
    EXPECT_EQ(std::tuple(res.state, res.rewritten, res.writeFailed, announced),
              c.missing ? std::tuple(SettingsFileState::Missing, true, false, 1)
                        : std::tuple(SettingsFileState::Read, false, false, 0));
    EXPECT_EQ(r.pulpwoodPrices[0], c.pinePulpwood);
    EXPECT_EQ(SettingsToBytes(r), file.left(188) + DefaultBytes().mid(c.size));
    EXPECT_EQ(ReadAll(path), c.missing ? DefaultBytes() : file);
    if (!c.link) continue;
    ASSERT_TRUE(WriteSettingsFile(r, path));
    EXPECT_EQ(std::pair(QFileInfo(path).isSymLink(), ReadAll(dir.file("oma.dat"))), std::pair(true, SettingsToBytes(r)));
  }
}

namespace {

// The refreshes a save asks for, in their order, with the currency that the
// record holds when the unit labels are refreshed.
struct RecordingRefresh : SettingsRefresh {
  QStringList calls;
  bool removalView = false;
  void ApplyCurrencyCaptions() override {
    calls << QString("captions %1").arg(CurrentSettings().currencyIndex);
  }
  void MarkGrowthForecastForRecompute() override { calls << "forecast"; }
  void ShowOperationRecommendation(int mode, int flag) override {
    calls << QString("recommendation %1 %2").arg(mode).arg(flag);
  }
  void PlaceMainPanels() override { calls << "panels"; }
  void MainWindowTitleText() override { calls << "title"; }
  void RefreshStandViewAnnotations(bool ask) override { calls << QString("annotations %1").arg(ask); }
  bool IsNewForestButtonVisible() override { return true; }
  void RefreshRegenerationPrices() override {
    calls << QString("regeneration %1").arg(CurrentSettings().currencyIndex);
  }
  void RefreshOverviewCharts() override { calls << "charts"; }
  bool IsRemovalViewChecked() override { return removalView; }
  void SetDefaultTradePrices() override { calls << "trade"; }
  void RefreshEstateOverview() override { calls << "estate"; }
};

}  // namespace

TEST(SettingsSave, EachPageRefreshesWhatItChangedInOrderAndWritesTheRecord) {
  testsupport::TempDir dir;
  SetSettingsFolder(dir.path());
  ASSERT_TRUE(SaveDefaultSettings().written);
  RecordingRefresh refresh;
  SetSettingsRefresh(&refresh);
  QFile::remove(SettingsFilePath());
  EXPECT_TRUE(SaveDisplaySettings(DisplayValues{}).written);  // unchanged, still written
  EXPECT_TRUE(refresh.calls.isEmpty());
  EXPECT_TRUE(QFileInfo::exists(SettingsFilePath()));
  EXPECT_TRUE(SaveDisplaySettings(DisplayValues{1, 101, 11}).written);
  EXPECT_EQ(refresh.calls, QStringList{"title"});
  EXPECT_EQ(CurrentSettings().titleBarFlags, 101);
  refresh.calls.clear();
  SaveDisplaySettings(DisplayValues{0, 101, 1000});
  EXPECT_EQ(refresh.calls, (QStringList{"panels", "annotations 1"}));

  // The recommendation page: the thresholds derived from the window's
  // defaults. Birch: 12 + 2x2 = 16 m2, 22 + 1 = 23 cm, 13 + 2 = 15 m, 16 + 2
  // = 18 m2, 18 + 3 = 21 m2.
  refresh.calls.clear();
  ASSERT_TRUE(SaveRecommendationSettings(RecommendationChoices{}).written);
  EXPECT_EQ(refresh.calls, (QStringList{"recommendation 3 0", "forecast"}));
  const SettingsRecord& r = CurrentSettings();
  EXPECT_EQ(std::tuple(r.birchFinalCutBasalArea, r.birchFinalCutDiameter, r.birchThinningHeight,
                       r.birchThinningBasalArea, r.birchTallThinningBasalArea),
            std::tuple(16, 23, 15, 18, 21));
  EXPECT_EQ(std::tuple(r.spruceFinalCutBasalArea, r.spruceFinalCutDiameter, r.spruceThinningHeight,
                       r.spruceTallThinningBasalArea, r.pineTallThinningBasalArea, r.stemCountLowerLimit),
            std::tuple(20, 25, 14, 25, 25, 3000));
  EXPECT_EQ(ReadAll(SettingsFilePath()), SettingsToBytes(r));

  // The price page: every refresh in its order. The unit labels read the
  // currency from the record: both see the new one.
  refresh.calls.clear();
  CurrentSettings().standViewFlags = 10;  // value annotation off
  PriceValues v;
  v.currencyIndex = 5;
  v.priceFormatIndex = 1;
  v.prices = {11, 12, 13, 14, 15, 21, 22, 23, 24, 2};
  ASSERT_TRUE(ApplySettings(v, 0).written);
  EXPECT_EQ(refresh.calls, (QStringList{"regeneration 5", "captions 5", "forecast", "title", "charts",
                                        "annotations 0", "trade", "estate"}));
  EXPECT_EQ(std::tuple(r.currencyIndex, r.priceFormatIndex, r.pulpwoodPrices[4], r.logPrices[0], r.energyWoodPrice),
            std::tuple(5, 1, 15.0f, 21.0f, 2.0f));
  EXPECT_EQ(ReadAll(SettingsFilePath()), SettingsToBytes(r));
  // Same currency as at activation: no regeneration refresh.
  refresh.calls.clear();
  refresh.removalView = true;
  ApplySettings(v, 5);
  EXPECT_EQ(refresh.calls.first(), QString("captions 5"));
  EXPECT_TRUE(refresh.calls.contains("annotations 1"));
  SetSettingsRefresh(nullptr);
}
