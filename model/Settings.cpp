#include "model/Settings.h"

#include <QDir>
#include <QFile>
#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>

#include "platform/Files.h"
#include "platform/LittleEndian.h"
#include "texts/Settlan.h"

namespace model {

namespace {

SettingsRecord g_settings;
QString g_folder;
bool g_folderSet = false;
bool g_fileBehind = false;
SettingsRefresh* g_refresh = nullptr;

// The recommendation thresholds: their keys and fields, in file order from
// offset 120.
struct ThresholdKey {
  const char* name;
  std::int32_t SettingsRecord::*field;
};
constexpr ThresholdKey kThresholdKeys[] = {
    {"ko_cc_d13", &SettingsRecord::birchFinalCutDiameter},
    {"ko_cc_ppa", &SettingsRecord::birchFinalCutBasalArea},
    {"ku_cc_d13", &SettingsRecord::spruceFinalCutDiameter},
    {"ku_cc_ppa", &SettingsRecord::spruceFinalCutBasalArea},
    {"ma_cc_d13", &SettingsRecord::pineFinalCutDiameter},
    {"ma_cc_ppa", &SettingsRecord::pineFinalCutBasalArea},
    {"ko_th1_h", &SettingsRecord::birchThinningHeight},
    {"ko_th1_ppa", &SettingsRecord::birchThinningBasalArea},
    {"ku_th1_h", &SettingsRecord::spruceThinningHeight},
    {"ku_th1_ppa", &SettingsRecord::spruceThinningBasalArea},
    {"ma_th1_h", &SettingsRecord::pineThinningHeight},
    {"ma_th1_ppa", &SettingsRecord::pineThinningBasalArea},
    {"ko_th2_ppa", &SettingsRecord::birchTallThinningBasalArea},
    {"ku_th2_ppa", &SettingsRecord::spruceTallThinningBasalArea},
    {"ma_th2_ppa", &SettingsRecord::pineTallThinningBasalArea},
    {"min_rlk", &SettingsRecord::stemCountLowerLimit},
};
static_assert(std::size(kThresholdKeys) == 16);

void ZeroReserved(SettingsRecord& r) {
  r.reserved0 = 0;
  r.reserved24.fill(0);
  r.reserved84.fill(0);
}

int ClampInt(long long v, int lo, int hi) {
  return static_cast<int>(v < lo ? lo : (v > hi ? hi : v));
}

// a + d without overflow.
int AddSaturated(std::int32_t a, int d) {
  return ClampInt(static_cast<long long>(a) + d, std::numeric_limits<int>::min(),
                  std::numeric_limits<int>::max());
}

SettingsSaveResult WriteCurrent() {
  SettingsSaveResult res;
  res.written = WriteSettingsFile(g_settings, SettingsFilePath(), &res.error);
  g_fileBehind = !res.written;
  return res;
}

}  // namespace

SettingsRefresh::~SettingsRefresh() = default;

SettingsRecord& CurrentSettings() { return g_settings; }

void SetDefaultSettings(SettingsRecord& r) {
  ZeroReserved(r);
  r.standListOnRight = 1;
  r.priceFormatIndex = 0;
  r.currencyIndex = 0;
  r.titleBarFlags = 111;
  r.standViewFlags = 11;
  r.energyWoodPrice = 1.0f;
  r.pulpwoodPrices.fill(10.0f);
  r.logPrices.fill(10.0f);
  r.unusedPrice = 0.0f;
  r.birchFinalCutDiameter = r.spruceFinalCutDiameter = r.pineFinalCutDiameter = 25;
  r.birchFinalCutBasalArea = r.spruceFinalCutBasalArea = r.pineFinalCutBasalArea = 20;
  r.birchThinningHeight = r.spruceThinningHeight = r.pineThinningHeight = 14;
  r.birchThinningBasalArea = r.spruceThinningBasalArea = r.pineThinningBasalArea = 22;
  r.birchTallThinningBasalArea = r.spruceTallThinningBasalArea = r.pineTallThinningBasalArea = 22;
  r.stemCountLowerLimit = 3000;
  r.recommendationsOff = 0;
}

namespace {

// One list of the fields with their offsets, walked by the writer and the
// reader alike.
template <class Record, class Io>
void VisitFields(Record& r, Io& io) {
  io.I32(0, r.reserved0);
  io.I32(4, r.standListOnRight);
  io.I32(8, r.priceFormatIndex);
  io.I32(12, r.currencyIndex);
  io.I32(16, r.titleBarFlags);
  io.I32(20, r.standViewFlags);
  io.Bytes(24, r.reserved24);
  io.F32(40, r.energyWoodPrice);
  for (int i = 0; i < 5; ++i) io.F32(44 + 4 * i, r.pulpwoodPrices[i]);
  for (int i = 0; i < 4; ++i) io.F32(64 + 4 * i, r.logPrices[i]);
  io.F32(80, r.unusedPrice);
  io.Bytes(84, r.reserved84);
  for (int i = 0; i < 16; ++i) io.I32(120 + 4 * i, r.*kThresholdKeys[i].field);
  io.Bytes(184, r.recommendationsOff);
  io.Bytes(185, r.padding);
}

struct Writer {
  QByteArray b = QByteArray(kSettingsRecordSize, '\0');
  void I32(int at, std::int32_t v) { platform::StoreI32LE(b.data() + at, v); }
  void F32(int at, float v) { platform::StoreF32LE(b.data() + at, v); }
  void Bytes(int at, std::uint8_t v) { b[at] = static_cast<char>(v); }
  template <std::size_t N>
  void Bytes(int at, const std::array<std::uint8_t, N>& v) {
    for (std::size_t i = 0; i < N; ++i) Bytes(at + static_cast<int>(i), v[i]);
  }
};

// Reads a field only when it lies wholly inside the bytes.
struct Reader {
  const QByteArray& b;
  bool Holds(int at, int n) const { return at + n <= b.size(); }
  void I32(int at, std::int32_t& v) {
    if (Holds(at, 4)) v = platform::LoadI32LE(b.constData() + at);
  }
  void F32(int at, float& v) {
    if (Holds(at, 4)) v = platform::LoadF32LE(b.constData() + at);
  }
  void Bytes(int at, std::uint8_t& v) {
    if (Holds(at, 1)) v = static_cast<std::uint8_t>(b[at]);
  }
  template <std::size_t N>
  void Bytes(int at, std::array<std::uint8_t, N>& v) {
    if (!Holds(at, static_cast<int>(N))) return;
    for (std::size_t i = 0; i < N; ++i) v[i] = static_cast<std::uint8_t>(b[at + static_cast<int>(i)]);
  }
};

}  // namespace

QByteArray SettingsToBytes(const SettingsRecord& r) {
  Writer w;
  VisitFields(r, w);
  return w.b;
}

void SettingsFromBytes(SettingsRecord& r, const QByteArray& bytes) {
  Reader rd{bytes};
  VisitFields(r, rd);
}

float MaxPriceOfFormat(int formatIndex) {
  switch (formatIndex) {
    case 1: return 999.99f;
    case 2: return 9999.99f;
    default: return 99.99f;
  }
}

bool ClampSettings(SettingsRecord& r) {
  bool changed = false;
  auto clampIndex = [&](std::int32_t& v, int count) {
    const int c = ClampInt(v, 0, count - 1);
    if (c != v) {
      v = c;
      changed = true;
    }
  };
  clampIndex(r.currencyIndex, kCurrencyCount);
  clampIndex(r.priceFormatIndex, kPriceFormatCount);
  auto clampPrice = [&](float& p, float fallback) {
    float c = p;
    if (!std::isfinite(c)) c = fallback;
    if (c < 0.0f) c = 0.0f;
    if (c > MaxPriceOfFormat(2)) c = MaxPriceOfFormat(2);
    if (std::memcmp(&c, &p, sizeof c) != 0) {
      p = c;
      changed = true;
    }
  };
  clampPrice(r.energyWoodPrice, 1.0f);
  for (float& p : r.pulpwoodPrices) clampPrice(p, 10.0f);
  for (float& p : r.logPrices) clampPrice(p, 10.0f);
  return changed;
}

// ---- The file ----------------------------------------------------------

void SetSettingsFolder(const QString& folder) {
  g_folder = folder;
  g_folderSet = true;
}

QString SettingsFolder() { return g_folderSet ? g_folder : QDir::currentPath(); }

QString SettingsFilePath() { return platform::JoinPath(SettingsFolder(), SettlanText(19)); }

bool WriteSettingsFile(const SettingsRecord& r, const QString& path, QString* error) {
  {
    QFile f(path);
    QString reason;
    if (platform::OpenForReading(f, &reason) == platform::ReadOpen::Unreadable) {
      if (error) *error = reason;
      return false;
    }
  }
  return platform::WriteFileAtomically(path, SettingsToBytes(r), error);
}

namespace {

// Reads the file's first 188 bytes (all of a shorter file).
SettingsFileState ReadSettingsBytes(const QString& path, QByteArray& bytes, QString& reason) {
  platform::FileStart read = platform::ReadFileStart(path, kSettingsRecordSize);
  switch (read.state) {
    case platform::ReadOpen::Missing: return SettingsFileState::Missing;
    case platform::ReadOpen::Unreadable: reason = read.reason; return SettingsFileState::Unreadable;
    case platform::ReadOpen::Opened: break;
  }
  bytes = std::move(read.bytes);
  return SettingsFileState::Read;
}

// The record with the bytes of a file over it, byte by byte: a shorter file
// fills only its length and the rest of the record stays as it was.
void OverlayFileBytes(SettingsRecord& r, const QByteArray& bytes) {
  QByteArray image = SettingsToBytes(r);
  image.replace(0, bytes.size(), bytes);
  SettingsFromBytes(r, image);
  ClampSettings(r);
}

}  // namespace

SettingsLoadResult LoadSettingsFile(SettingsRecord& r, const QString& path,
                                    const std::function<void()>& announce) {
  SettingsLoadResult res;
  QByteArray bytes;
  res.state = ReadSettingsBytes(path, bytes, res.readError);
  // What the file holds lies over the defaults; a record that the system
  // creates has zero padding.
  SetDefaultSettings(r);
  r.padding.fill(0);
  OverlayFileBytes(r, bytes);
  if (res.state == SettingsFileState::Missing) {
    if (announce) announce();
    res.rewritten = WriteSettingsFile(r, path, &res.writeError);
    res.writeFailed = !res.rewritten;
  }
  return res;
}

SettingsLoadResult LoadSettingsFile(const std::function<void()>& announce) {
  SettingsLoadResult res = LoadSettingsFile(g_settings, SettingsFilePath(), announce);
  g_fileBehind = res.writeFailed;
  return res;
}

SettingsLoadResult ReloadSettingsFile(const std::function<void()>& announce) {
  SettingsLoadResult res;
  if (g_fileBehind) return res;
  QByteArray bytes;
  res.state = ReadSettingsBytes(SettingsFilePath(), bytes, res.readError);
  if (res.state == SettingsFileState::Read) OverlayFileBytes(g_settings, bytes);
  if (res.state != SettingsFileState::Missing) return res;
  if (announce) announce();
  res.rewritten = WriteSettingsFile(g_settings, SettingsFilePath(), &res.writeError);
  res.writeFailed = !res.rewritten;
  g_fileBehind = res.writeFailed;
  return res;
}

bool SettingsFileBehind() { return g_fileBehind; }

QString UnreadableSettingsText(const QString& path, const QString& reason, bool defaultsInUse) {
  return QString::fromUtf8("Asetustiedostoa ") + path + QString::fromUtf8(" ei voitu lukea (") + reason +
         QString::fromUtf8(defaultsInUse ? "); se jätetään ennalleen ja käytetään oletusasetuksia   !"
                                         : "); se jätetään ennalleen   !");
}

// ---- Readers -------------------------------------------------------------

int RecommendationParameter(const SettingsRecord& r, QStringView key) {
  // Derived keys: a base key, a suffix and the difference.
  struct Derived {
    const char* suffix;
    const char* kind;  // "_cc_d13", "_th1_ppa", "_th2_ppa"
    int delta;
  };
  static const Derived kDerived[] = {
      {"_hurry", "_cc_d13", 2},  {"_hurry", "_th1_ppa", 7},  {"_target", "_th1_ppa", -6},
      {"_hurry", "_th2_ppa", 8}, {"_target", "_th2_ppa", -7},
  };
  for (const ThresholdKey& k : kThresholdKeys)
    if (key == QLatin1String(k.name)) return r.*k.field;
  for (const Derived& d : kDerived) {
    const QLatin1String suffix(d.suffix);
    if (!key.endsWith(suffix)) continue;
    const QStringView base = key.left(key.size() - suffix.size());
    if (!base.endsWith(QLatin1String(d.kind))) continue;
    const QStringView prefix = base.left(base.size() - static_cast<qsizetype>(std::strlen(d.kind)));
    if (prefix != QLatin1String("ko") && prefix != QLatin1String("ku") && prefix != QLatin1String("ma")) continue;
    for (const ThresholdKey& k : kThresholdKeys)
      if (base == QLatin1String(k.name)) return AddSaturated(r.*k.field, d.delta);
  }
  return 0;
}

int RecommendationParameter(QStringView key) { return RecommendationParameter(g_settings, key); }

std::array<float, 13> SettingsPriceVector(const SettingsRecord& r) {
  std::array<float, 13> v{};
  for (int i = 0; i < 5; ++i) v[i] = r.pulpwoodPrices[i];
  for (int i = 0; i < 4; ++i) v[6 + i] = r.logPrices[i];
  v[12] = r.energyWoodPrice;
  return v;
}

std::array<float, 13> SettingsPriceVector() { return SettingsPriceVector(g_settings); }

std::array<float, kPriceEditCount> PriceEditOrder(const SettingsRecord& r) {
  std::array<float, kPriceEditCount> v{};
  for (int i = 0; i < 5; ++i) v[i] = r.pulpwoodPrices[i];
  for (int i = 0; i < 4; ++i) v[5 + i] = r.logPrices[i];
  v[9] = r.energyWoodPrice;
  return v;
}

std::optional<float> ParseDecimalText(QStringView text) {
  const QStringView t = text.trimmed();
  double whole = 0.0;
  double fraction = 0.0;
  double scale = 1.0;
  int digits = 0;
  int fractionDigits = 0;
  bool point = false;
  for (QChar c : t) {
    if (c == u'.' || c == u',') {
      if (point) return std::nullopt;
      point = true;
    } else if (c >= u'0' && c <= u'9') {
      const int d = c.unicode() - u'0';
      ++digits;
      if (point) {
        ++fractionDigits;
        if (fractionDigits <= 9) {
          fraction = fraction * 10.0 + d;
          scale *= 10.0;
        }
      } else {
        whole = whole * 10.0 + d;
      }
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0) return std::nullopt;
  // Two decimals are the usual case: n + f x 0.01.
  const double value = whole + (fractionDigits == 2 ? fraction * 0.01 : fraction / scale);
  if (!(value <= std::numeric_limits<float>::max())) return std::nullopt;
  return static_cast<float>(value);
}

int TitleBarFlagItem(int packed, int item) {
  // h = v / 100 nonzero, r = v - 100 h, t = r / 10 nonzero, o = r differs from 10 t.
  const long long v = packed;
  const long long h = (v / 100) != 0;
  const long long rest = v - 100 * h;
  const long long t = (rest / 10) != 0;
  const long long o = rest != 10 * t;
  switch (item) {
    case 1: return static_cast<int>(o);
    case 2: return static_cast<int>(t);
    case 3: return static_cast<int>(h);
    default: return 0;
  }
}

int StandViewFlagItem(int packed, int item) {
  const long long v = packed;
  const long long k = (v / 1000) != 0;
  const long long rest = v - 1000 * k;
  if (item == 4) return static_cast<int>(k);
  return TitleBarFlagItem(static_cast<int>(rest), item);
}

// ---- Currency -----------------------------------------------------------

QString CurrencyListText(int index) {
  static const char* const kSymbols[] = {"€", "$", "Kr", "M"};
  static const char kLetters[] = "ABCDEFGHKLNOPQRTUVX";
  if (index >= 0 && index < 4) return SettlanText(20 + index) + ", " + QString::fromUtf8(kSymbols[index]);
  if (index >= 4 && index < kCurrencyCount) return QString(QLatin1Char(kLetters[index - 4]));
  return QString();
}

QString CurrencyUnitOf(const QString& listText, bool shortForm) {
  const qsizetype at = listText.indexOf(QLatin1String(", "));
  if (!shortForm || at < 0) return listText;
  return listText.mid(at + 2, 10);
}

// ---- Recommendation choices ---------------------------------------------

int FinalCutBasalArea(const RecommendationChoices& c, bool birch) {
  return (birch ? 12 : 16) + 2 * c.finalCutBasalAreaIndex;
}
int FinalCutMeanDiameter(const RecommendationChoices& c, bool birch) {
  return (birch ? 22 : 24) + c.finalCutDiameterIndex;
}
int ThinningHeightLimit(const RecommendationChoices& c, bool birch) {
  return (birch ? 13 : 12) + c.thinningHeightIndex;
}
int ThinningBasalArea(const RecommendationChoices& c, bool birch) {
  return (birch ? 16 : 20) + c.thinningBasalAreaIndex;
}
int TallStandThinningBasalArea(const RecommendationChoices& c, bool birch) {
  return ThinningBasalArea(c, birch) + 3;
}
int StemCountLowerLimit(const RecommendationChoices& c) { return 2000 + 100 * c.stemCountIndex; }

RecommendationChoices RecommendationChoicesOf(const SettingsRecord& r) {
  // Integer division toward zero, as the stored pine values map to the groups.
  RecommendationChoices c;
  c.recommendationsOff = r.recommendationsOff != 0;
  c.finalCutBasalAreaIndex = ClampInt((static_cast<long long>(r.pineFinalCutBasalArea) - 16) / 2, 0, kFinalCutBasalAreaItems - 1);
  c.finalCutDiameterIndex = ClampInt(static_cast<long long>(r.pineFinalCutDiameter) - 24, 0, kFinalCutDiameterItems - 1);
  c.thinningHeightIndex = ClampInt(static_cast<long long>(r.pineThinningHeight) - 12, 0, kThinningHeightItems - 1);
  c.thinningBasalAreaIndex = ClampInt(static_cast<long long>(r.pineThinningBasalArea) - 20, 0, kThinningBasalAreaItems - 1);
  c.stemCountIndex = ClampInt((static_cast<long long>(r.stemCountLowerLimit) - 2000) / 100, 0, kStemCountItems - 1);
  return c;
}

DisplayValues DisplayValuesOf(const SettingsRecord& r) {
  DisplayValues v;
  v.standListOnRight = r.standListOnRight != 0 ? 1 : 0;
  v.titleBarFlags = TitleBarFlagItem(r.titleBarFlags, 1) + 10 * TitleBarFlagItem(r.titleBarFlags, 2) +
                    100 * TitleBarFlagItem(r.titleBarFlags, 3);
  v.standViewFlags = StandViewFlagItem(r.standViewFlags, 1) + 10 * StandViewFlagItem(r.standViewFlags, 2) +
                     100 * StandViewFlagItem(r.standViewFlags, 3) + 1000 * StandViewFlagItem(r.standViewFlags, 4);
  return v;
}

// ---- Saving and refreshing ----------------------------------------------

void SetSettingsRefresh(SettingsRefresh* refresh) { g_refresh = refresh; }
SettingsRefresh* GetSettingsRefresh() { return g_refresh; }

SettingsSaveResult SaveDefaultSettings() {
  SetDefaultSettings(g_settings);
  return WriteCurrent();
}

namespace {

// The chosen list items, stored sign-extended from a byte (the lists hold at
// most 23 items) and brought into range.
void StoreListChoices(SettingsRecord& r, const PriceValues& v) {
  r.priceFormatIndex = static_cast<std::int8_t>(v.priceFormatIndex);
  r.currencyIndex = static_cast<std::int8_t>(v.currencyIndex);
  ClampSettings(r);
}

}  // namespace

SettingsSaveResult SavePriceSettings(const PriceValues& v) {
  SettingsRecord& r = g_settings;
  ZeroReserved(r);
  StoreListChoices(r, v);
  for (int i = 0; i < 5; ++i) r.pulpwoodPrices[i] = v.prices[i];
  for (int i = 0; i < 4; ++i) r.logPrices[i] = v.prices[5 + i];
  r.energyWoodPrice = v.prices[9];
  r.unusedPrice = 0.0f;
  ClampSettings(r);
  // The captions come first of the refreshes; the record already holds the
  // new currency, so captions read from the record or from the price
  // window's list agree.
  if (g_refresh) g_refresh->ApplyCurrencyCaptions();
  if (g_refresh) g_refresh->MarkGrowthForecastForRecompute();
  return WriteCurrent();
}

SettingsSaveResult SaveRecommendationSettings(const RecommendationChoices& c) {
  SettingsRecord& r = g_settings;
  ZeroReserved(r);
  r.recommendationsOff = c.recommendationsOff ? 1 : 0;
  r.birchFinalCutDiameter = FinalCutMeanDiameter(c, true);
  r.birchFinalCutBasalArea = FinalCutBasalArea(c, true);
  r.spruceFinalCutDiameter = r.pineFinalCutDiameter = FinalCutMeanDiameter(c, false);
  r.spruceFinalCutBasalArea = r.pineFinalCutBasalArea = FinalCutBasalArea(c, false);
  r.birchThinningHeight = ThinningHeightLimit(c, true);
  r.birchThinningBasalArea = ThinningBasalArea(c, true);
  r.spruceThinningHeight = r.pineThinningHeight = ThinningHeightLimit(c, false);
  r.spruceThinningBasalArea = r.pineThinningBasalArea = ThinningBasalArea(c, false);
  r.birchTallThinningBasalArea = TallStandThinningBasalArea(c, true);
  r.spruceTallThinningBasalArea = r.pineTallThinningBasalArea = TallStandThinningBasalArea(c, false);
  r.stemCountLowerLimit = StemCountLowerLimit(c);
  if (g_refresh) {
    g_refresh->ShowOperationRecommendation(3, 0);
    g_refresh->MarkGrowthForecastForRecompute();
  }
  return WriteCurrent();
}

SettingsSaveResult SaveDisplaySettings(const DisplayValues& v) {
  SettingsRecord& r = g_settings;
  ZeroReserved(r);
  if (r.standListOnRight != v.standListOnRight) {
    r.standListOnRight = v.standListOnRight;
    if (g_refresh) g_refresh->PlaceMainPanels();
  }
  if (r.titleBarFlags != v.titleBarFlags) {
    r.titleBarFlags = v.titleBarFlags;
    if (g_refresh) g_refresh->MainWindowTitleText();
  }
  if (r.standViewFlags != v.standViewFlags) {
    r.standViewFlags = v.standViewFlags;
    if (g_refresh) g_refresh->RefreshStandViewAnnotations(true);
  }
  return WriteCurrent();
}

SettingsSaveResult ApplySettings(const PriceValues& v, int currencyAtActivation) {
  SettingsRefresh* f = g_refresh;
  // The windows take the currency unit from the record, so the new currency
  // is stored before the regeneration window's unit labels are refreshed.
  if (f && f->IsNewForestButtonVisible() && v.currencyIndex != currencyAtActivation) {
    StoreListChoices(g_settings, v);
    f->RefreshRegenerationPrices();
  }
  SettingsSaveResult res = SavePriceSettings(v);
  if (!f) return res;
  f->MainWindowTitleText();
  f->RefreshOverviewCharts();
  f->RefreshStandViewAnnotations(f->IsRemovalViewChecked() || StandViewFlagItem(g_settings.standViewFlags, 1) != 0);
  if (f->IsEstateValueChecked()) f->RefillMainStandList();
  if (f->IsAssortmentRemovalCurrencyShown()) f->ShowAssortmentChart();
  f->SetDefaultTradePrices();
  if (f->HasGrowthStepWithValueIncrement()) f->DrawStandCard();
  f->RefreshEstateOverview();
  return res;
}

}  // namespace model
