#include "model/Recommend.h"

#include "model/Phase.h"
#include "model/Settings.h"
#include "platform/Numbers.h"
#include "texts/Commonlan.h"
#include "texts/Introlan.h"

namespace {

const char* const kKeySuffixes[] = {
    "cc_d13",  "cc_d13_hurry",  "cc_ppa",         "th1_h",   "th1_ppa",
    "th1_ppa_hurry", "th1_ppa_target", "th2_ppa", "th2_ppa_hurry", "th2_ppa_target",
};

bool IsGrowth(const data& stand, int k) { return k >= 0 && k < kPhaseCount && stand.PhaseYears(k) > 0; }

// The thresholds of one stand, read once.
struct Thresholds {
    int t[11] = {};
    explicit Thresholds(const data& stand) {
        const bool conifer = IsConiferDominated(stand);
        for (int i = 0; i <= ThresholdDenseStems; ++i)
            t[i] = model::RecommendationParameter(SilvicultureKeyName(i, conifer));
    }
    float operator[](int i) const { return static_cast<float>(t[i]); }
};

}  // namespace

bool IsConiferDominated(const data& stand) {
    int counts[kSpeciesSlots] = {};
    stand.CountStandingBySpecies(1, counts);
    int total = counts[0] + counts[1] + counts[2] + counts[3] + counts[4];
    if (total <= 0) {
        // Nothing stands: the stand as it was recorded decides.
        for (int& c : counts) c = 0;
        stand.CountStandingBySpecies(kReservedPhase + 1, counts);
        total = counts[0] + counts[1] + counts[2] + counts[3] + counts[4];
        if (total <= 0) return true;
    }
    return (counts[0] + counts[1]) * 100 / total >= 40;
}

QString SilvicultureKeyName(int index, bool conifer) {
    if (index == ThresholdDenseStems) return QStringLiteral("min_rlk");
    if (index < 0 || index > ThresholdLaterTarget) return QString();
    return (conifer ? QStringLiteral("ma_") : QStringLiteral("ko_")) +
           QLatin1String(kKeySuffixes[index]);
}

int SilvicultureThreshold(const data& stand, int index) {
    if (index < 0 || index > ThresholdDenseStems) return 0;
    return model::RecommendationParameter(SilvicultureKeyName(index, IsConiferDominated(stand)));
}

OperationRecommendation RecommendOperation(const data& stand, int p, bool thinningStageChosen) {
    OperationRecommendation out;
    if (p < 0 || p >= kPhaseCount) return out;
    const Thresholds T(stand);
    const float G = stand.SlotBasalArea(p);
    const int D = platform::RoundHalfAway(stand.SlotMeanDiameter(p));
    const int N = stand.SlotTreeCount(p);

    // After a cutting, or after a second growing step in a row, the stand is
    // judged by what is to be left standing.
    bool afterCutting = true;
    if (p == 0) afterCutting = false;
    if (p == 1 && IsGrowth(stand, 1)) afterCutting = false;
    if (IsGrowth(stand, p) && !IsGrowth(stand, p - 1)) afterCutting = false;

    const float G0 = IsGrowth(stand, 1) ? stand.SlotBasalArea(1) : stand.SlotBasalArea(0);
    float H = stand.SlotMeanHeight(0);
    if (p >= 1 && IsGrowth(stand, 1)) {
        H = stand.SlotMeanHeight(1);
    } else if (p >= 2 && IsGrowth(stand, p) && !IsGrowth(stand, p - 1)) {
        H = stand.SlotMeanHeight(p);
    }
    const bool young = T[ThresholdFirstHeight] > H;
    float B;
    if (afterCutting) {
        B = young ? T[ThresholdFirstTarget] : T[ThresholdLaterTarget];
    } else {
        B = young ? T[ThresholdFirstBasalArea] : T[ThresholdLaterBasalArea];
    }

    const QString unitArea = CommonlanText(15);
    QString text;
    if (!afterCutting && D >= T.t[ThresholdCutDiameter] && G >= T[ThresholdCutBasalArea]) {
        text = CommonlanText(16) + u' ' + platform::IntText(D) + u' ' + CommonlanText(17) +
               QStringLiteral(",  ");
        const bool outright = D >= T.t[ThresholdCutDiameterHurry] || G < T[ThresholdLaterBasalArea];
        text += IntrolanText(outright ? 24 : 22);
        out.regeneration = true;
    } else if (afterCutting && thinningStageChosen && G0 >= B) {
        text = CommonlanText(14) + u' ' +
               platform::FormatC("%1.1f ", static_cast<double>(G)) + unitArea +
               QStringLiteral(",  ") + CommonlanText(94) +
               platform::FormatC(" %1.1f - %1.1f ", static_cast<double>(B - 2.0f),
                                 static_cast<double>(B + 2.0f)) +
               unitArea;
    } else if (G >= B) {
        text = CommonlanText(14) + platform::FormatC(" %1.1f ", static_cast<double>(G)) +
               unitArea + QStringLiteral(",  ") + IntrolanText(26);
        const float hurry = young ? T[ThresholdFirstHurry] : T[ThresholdLaterHurry];
        if (G >= hurry) text += QStringLiteral(" välittömästi");
    } else if (N >= T.t[ThresholdDenseStems]) {
        text = CommonlanText(71) + u' ' + platform::IntText(N) + u' ' + CommonlanText(35) +
               QStringLiteral(",  ") + IntrolanText(28);
    }
    if (!text.isEmpty()) out.text = QStringLiteral("puuston ") + text + QStringLiteral("    !");
    return out;
}

QString OperationRecommendationText(const data& stand, bool thinningStageChosen) {
    return RecommendOperation(stand, CurrentPhase(), thinningStageChosen).text;
}

RecommendationButtonStates RecommendationButtons(const data& stand, int p, bool selectCuttingStage,
                                                 bool regenerationRecommended) {
    RecommendationButtonStates out;
    if (!(p == 0 || (p == 1 && IsGrowth(stand, 1)))) return out;
    out.apply = true;
    if (p == 0) {
        out.measuredState = true;
        out.updateUndo = true;
        out.enableStripRoads = true;
        out.enableRegeneration = true;
        out.enableSelection = true;
        out.enableSelectionOrGap = true;
        out.enableThinning = false;
        out.enableSpeciesRemoval = false;
        out.enableCorridors = false;
    }
    if (selectCuttingStage) out.cuttingStageItem = regenerationRecommended ? 1 : 0;
    out.updateVisibility = true;
    return out;
}
