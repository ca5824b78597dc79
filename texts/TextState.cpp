#include "texts/TextState.h"

namespace {
TextState g_defaults;
TextState* g_state = nullptr;
}  // namespace

QString TextState::CurrencyUnitShort() const { return QStringLiteral("€"); }

QString TextState::StandTitle(int) const { return QString(); }

bool TextState::IsNarrowView() const { return true; }

bool TextState::IsFarViewPageActive() const { return false; }

QString TextState::PlotAreaText(int style, bool half) const { return PlotAreaTextFor(style, half); }

int TextState::CarbonFactor() const { return 1300; }

void SetTextState(TextState* state) { g_state = state; }

TextState* CurrentTextState() { return g_state != nullptr ? g_state : &g_defaults; }

QString PlotAreaTextFor(int style, bool half) {
    switch (style) {
        case 0: return half ? QStringLiteral("50") : QStringLiteral("100");
        case 1: return half ? QStringLiteral("0.5 ha") : QStringLiteral("1.0 ha");
        case 2: return half ? QStringLiteral("(0.5 ha)") : QStringLiteral("(1.0 ha)");
        default: return half ? QStringLiteral("0.5 ha") : QStringLiteral("1 ha");
    }
}
