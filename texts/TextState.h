#pragma once
// The live values that a few texts embed: the currency unit, the open stand's
// title, the main window's view options and the carbon dioxide factor. The
// texts ask for them at every call, so a refreshed window shows the current
// values; nothing is cached here.
//
// The application derives from TextState, overrides what it can answer and
// installs the object with SetTextState. Until then (and in the engine tests)
// the defaults below answer.

#include <QString>

class TextState {
public:
    virtual ~TextState() = default;

    // Short currency unit of the price settings ("€", "$", "Kr", "M").
    virtual QString CurrencyUnitShort() const;
    // Title of the open stand in the given style (data::TitleText): style 3
    // is "KUVIO " and the identifier. Empty while no stand is open.
    virtual QString StandTitle(int style) const;
    // True while the main window's wide-view option is off.
    virtual bool IsNarrowView() const;
    // True while the main window's far stand-view page is the active page.
    virtual bool IsFarViewPageActive() const;
    // Plot-area text of a stand view (see PlotAreaTextFor).
    virtual QString PlotAreaText(int style, bool half) const;
    // Kilograms of carbon dioxide bound per cubic metre of stem wood (first
    // wood group).
    virtual int CarbonFactor() const;
};

// Installs the state the texts read; nullptr returns to the defaults. The
// caller keeps ownership and clears it before destroying the object.
void SetTextState(TextState* state);
// The state in use: the installed one, else the defaults (never null).
TextState* CurrentTextState();

// The plot-area texts of the stand views: style 0 "50" / "100", 1 "0.5 ha" /
// "1.0 ha", 2 "(0.5 ha)" / "(1.0 ha)", any other "0.5 ha" / "1 ha"; the first
// of each pair for the half-hectare close-up.
QString PlotAreaTextFor(int style, bool half);
