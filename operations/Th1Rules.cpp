#include "operations/Th1Rules.h"

#include <cmath>

#include "model/Phase.h"
#include "operations/CuttingFrameRules.h"
#include "platform/Numbers.h"
#include "texts/Commonlan.h"
#include "texts/Introlan.h"
#include "texts/Th1lan.h"

namespace {

using platform::IntText;
using platform::RoundHalfAway;

// Items from..to (inclusive) in steps, as whole numbers.
ThinningChoices Range(int from, int to, int step) {
  ThinningChoices c;
  for (int v = from; v <= to; v += step) {
    c.values.push_back(v);
    c.items << IntText(v);
  }
  return c;
}

QString TypeName(bool low) { return CommonlanText(low ? 26 : 27); }

}  // namespace

int ThinningColumnCount(int items) {
  if (items > 35) return 10;
  if (items > 30) return 9;
  if (items > 25) return 8;
  if (items > 20) return 7;
  if (items > 15) return 5;
  return 4;
}

ThinningStand ThinningStandOf(const data& stand) {
  const int p = CurrentPhase();
  ThinningStand s;
  s.stems = stand.SlotTreeCount(p);
  s.basalArea = stand.SlotBasalArea(p);
  s.volume = stand.SlotTotalVolume(p);
  s.meanDiameter = RoundHalfAway(stand.SlotMeanDiameter(p));
  s.startVolume = stand.SlotTotalVolume(CuttingStartSlot(stand));
  s.removalSoFar = RemovalValueSum(stand, true, false, false);
  return s;
}

ThinningChoices StemCountChoices(int stems) {
  const int n = RoundHalfAway(stems * 0.01);  // hundreds of stems
  int from = 1;
  int to = n - 1;
  if (n >= 50) {
    from = 6;
    to = 45;
  } else if (n >= 25) {
    from = 5;
    to = RoundHalfAway(0.9 * n);
  } else if (n >= 10) {
    from = 4;
    to = RoundHalfAway(0.84 * n);
  } else if (n >= 6) {
    from = 2;
    to = n - 2;
  }
  ThinningChoices c;
  if (to <= from) c = Range(10, 100, 10);
  else c = Range(from * 100, to * 100, to >= 20 ? 100 : 50);
  c.columns = ThinningColumnCount(static_cast<int>(c.items.size()));
  c.selected = static_cast<int>(c.items.size()) / 2;
  return c;
}

ThinningChoices BasalAreaChoices(int stems, float basalArea) {
  const float g = basalArea;
  if (!(stems >= 300 && g >= 14.0f)) return {};
  const int base = g < 20.0f ? 4 : g <= 40.0f ? 6 : 10;
  float top = g < 20.0f ? g * 0.9f : g * 0.8f;
  if (top > 60.0f) top = 60.0f;
  const int count = RoundHalfAway(top) - base;
  if (count < 1) return {};
  ThinningChoices c = Range(base, base + count - 1, 1);
  c.columns = ThinningColumnCount(count) + (count >= 31 ? 1 : 0);
  c.selected = count / 2;
  return c;
}

float ThinningDistance(int index) { return static_cast<float>(index * 0.25 + 1.0); }

ThinningChoices DistanceChoices(int stems) {
  if (stems < 300) return {};
  ThinningChoices c;
  for (int i = 0; i < 17; ++i) {
    c.values.push_back(i);
    c.items << platform::FormatC("%1.2f m", static_cast<double>(ThinningDistance(i)));
  }
  c.columns = ThinningColumnCount(17);
  c.selected = 6;
  return c;
}

ThinningChoices RemovalChoices(const ThinningStand& s) {
  const int n = s.stems;
  if (!(s.meanDiameter >= 10 && n >= 450 && n <= 4000 && s.volume >= 80)) return {};
  const double v0 = s.startVolume;
  const double x = n >= 1000 ? 0.7 + 0.05 * std::pow(v0 / 1200.0, 2) : 0.0007 * (1000 - n);
  int lo = 10 * RoundHalfAway(0.1 * s.removalSoFar + 1.5);
  int hi = 10 * RoundHalfAway(0.1 * x * v0);
  if (!(hi > lo)) return {};
  int step = 10;
  const int span = 400 + (s.removalSoFar == 0 ? 140 : 0);
  if (hi > lo + span) {
    step = 20;
    lo = hi - span;
    if ((lo / 10) % 2 != 0) {
      lo += 10;
      hi += 10;
    }
  } else if (hi > lo + 270) {
    lo = hi - 270;
  }
  if (step == 10 && (hi - lo) / step + 1 < 10) step = 5;
  ThinningChoices c = Range(lo, hi, step);
  const int count = static_cast<int>(c.items.size());
  c.columns = count > 23 ? 7 : count >= 21 ? 6 : count >= 17 ? 5 : count >= 13 ? 4 : 3;
  c.selected = 1;
  return c;
}

QStringList ThinningCaptions(int type) {
  const QString tail = IntrolanText(25 + 4 * type);
  auto caption = [](const QString& text) { return QLatin1Char(' ') + text.toLower() + QLatin1Char(' '); };
  return {caption(CommonlanText(52) + QLatin1Char(' ') + tail + QStringLiteral(", ") + CommonlanText(64)),
          caption(CommonlanText(71) + QLatin1Char(' ') + tail + QStringLiteral(", ") + CommonlanText(114)),
          caption(CommonlanText(14) + QLatin1Char(' ') + tail + QStringLiteral(", ") + CommonlanText(15)),
          caption(Th1lanText(7) + QLatin1Char(' ') + tail)};
}

QString ThinningRemainingCaption(bool low) {
  return QStringLiteral("1 ha otos puustosta ") + (low ? "alaharvennuksen" : "yläharvennuksen") +
         QStringLiteral(" jälkeen");
}

QString ThinningRemovalCaption(bool low) {
  return QStringLiteral("1 ha otos hakkuukertymästä ") + (low ? "alaharvennuksen" : "yläharvennuksen") +
         QStringLiteral(" jälkeen");
}

int ThinningCriterionCode(int page) {
  switch (page) {
    case ThinningRemovalPage: return 2;
    case ThinningStemPage: return 0;
    case ThinningBasalPage: return 1;
    default: return 3;
  }
}

QString ThinningRemovalText(bool low, int removal) {
  return TypeName(low) + QStringLiteral(" hakkuukertymään ") + IntText(removal) + QLatin1Char(' ') +
         CommonlanText(64);
}

QString ThinningDistanceText(bool low, float distance) {
  return TypeName(low) + QStringLiteral(", ") + Th1lanText(9) +
         platform::FormatC(" %3.2f ", static_cast<double>(distance)) + CommonlanText(19);
}

QString ThinningStemText(bool low, int stems) {
  return TypeName(low) + QLatin1Char(' ') + IntText(stems) + QLatin1Char(' ') + Th1lanText(6);
}

QString ThinningBasalAreaText(bool low, int basalArea) {
  return TypeName(low) + QStringLiteral(" pohjapinta-alaan ") + IntText(basalArea) + QLatin1Char(' ') +
         CommonlanText(15);
}

QString StemsBeforeText(int stems) {
  return IntText(stems) + QLatin1Char(' ') + CommonlanText(114) + QLatin1Char(' ') + CommonlanText(113);
}

QString BasalAreaBeforeText(float basalArea) {
  return platform::FormatC("%1.1f ", static_cast<double>(basalArea)) + CommonlanText(15) + QLatin1Char(' ') +
         CommonlanText(113);
}

QString ThinningRefusalCaption(bool low) { return TypeName(low); }

QString ThinningRefusalLine(int page) { return Th1lanText(page >= ThinningDistancePage ? 8 : 5); }
