// The settings reader on arbitrary bytes: whatever a "Settings.dat" holds,
// reading, clamping and every reader of the record stay defined.
#include <QByteArray>
#include <QString>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "model/Settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace model;
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<int>(size > 4096 ? 4096 : size));
  SettingsRecord r;
  SetDefaultSettings(r);
  SettingsFromBytes(r, bytes.left(kSettingsRecordSize));
  ClampSettings(r);
  if (r.currencyIndex < 0 || r.currencyIndex >= kCurrencyCount) std::abort();
  if (r.priceFormatIndex < 0 || r.priceFormatIndex >= kPriceFormatCount) std::abort();
  for (float p : SettingsPriceVector(r))
    if (!std::isfinite(p) || p < 0.0f || p > 9999.99f) std::abort();

  const RecommendationChoices c = RecommendationChoicesOf(r);
  if (c.finalCutBasalAreaIndex < 0 || c.finalCutBasalAreaIndex >= kFinalCutBasalAreaItems) std::abort();
  if (c.stemCountIndex < 0 || c.stemCountIndex >= kStemCountItems) std::abort();
  const DisplayValues d = DisplayValuesOf(r);
  if (d.titleBarFlags < 0 || d.titleBarFlags > 111 || d.standViewFlags < 0 || d.standViewFlags > 1111) std::abort();

  for (const char16_t* key : {u"ma_cc_d13_hurry", u"ko_th1_ppa_target", u"ku_th2_ppa_hurry", u"min_rlk"})
    (void)RecommendationParameter(r, key);
  (void)CurrencyUnitOf(CurrencyListText(r.currencyIndex), true);

  // A full record survives a round trip byte for byte.
  if (bytes.size() >= kSettingsRecordSize) {
    SettingsRecord raw;
    SettingsFromBytes(raw, bytes.left(kSettingsRecordSize));
    if (SettingsToBytes(raw) != bytes.left(kSettingsRecordSize)) std::abort();
  }
  // The same bytes as a price text.
  (void)ParseDecimalText(QString::fromLatin1(bytes.left(64)));
  (void)RecommendationParameter(r, QString::fromLatin1(bytes.left(32)));
  return 0;
}
