// The live values that composed texts read (currency, stand title, view
// options, carbon factor) and the refreshes that follow a saved setting,
// answered by the main window.
#include <QCheckBox>
#include <QTabWidget>

#include "estate/Folder.h"
#include "mainwindow/Acts.h"
#include "mainwindow/OverviewChart.h"
#include "estate/Trade.h"
#include "operations/Inc.h"
#include "model/Data.h"
#include "model/Phase.h"
#include "model/Settings.h"
#include "operations/NewFrst.h"
#include "ui/Session.h"
#include "texts/TextState.h"

struct TActForm::Hooks : public TextState, public model::SettingsRefresh {
  explicit Hooks(TActForm* f) : form(f) {
    SetTextState(this);
    model::SetSettingsRefresh(this);
  }
  ~Hooks() override {
    if (CurrentTextState() == this) SetTextState(nullptr);
    if (model::GetSettingsRefresh() == this) model::SetSettingsRefresh(nullptr);
  }

  // ---- TextState ----
  QString CurrencyUnitShort() const override {
    const model::SettingsRecord& s = model::CurrentSettings();
    return model::CurrencyUnitOf(model::CurrencyListText(s.currencyIndex), true);
  }
  QString StandTitle(int style) const override {
    const ::data* stand = OpenedStand();
    return stand ? stand->TitleText(style) : QString();
  }
  bool IsNarrowView() const override { return form->IsNarrowView(); }
  bool IsFarViewPageActive() const override { return form->PageControl2->currentWidget() == form->TabSheet8; }
  QString PlotAreaText(int style, bool half) const override { return PlotAreaTextFor(style, half); }
  int CarbonFactor() const override { return 1300; }

  // ---- SettingsRefresh ----
  void ApplyCurrencyCaptions() override { form->ApplyCurrencyCaptions(); }
  void PlaceMainPanels() override { form->PlaceMainPanels(); }
  void MainWindowTitleText() override { form->MainWindowTitleText(); }
  void RefreshStandViewAnnotations(bool ask) override {
    // The money and the means of the stock lines show for the whole stock
    // without carbon dioxide.
    if (!ask || !form->IsWholeStockChosen() || form->IsCarbonShown()) return;
    form->RefreshStandViewTexts(false);
    form->StockChangeText(false);
  }
  bool IsNewForestButtonVisible() override { return form->IsNewForestButtonVisible(); }
  void RefreshRegenerationPrices() override {
    if (!NewFrstForm) return;
    NewFrstForm->UpdatePriceUnitLabels();
    NewFrstForm->ComputeRegenerationEstimate();
    form->UpdateNewForestCaption();
  }
  // The overview charts in the new prices or currency: the measured stand,
  // the current phase, and the removal chart while the page shows it.
  void RefreshOverviewCharts() override {
    form->RefreshOverviewCharts(0, form->Chart3);
    form->RefreshOverviewCharts(CurrentPhase(), form->Chart4);
  }
  bool IsAssortmentRemovalCurrencyShown() override {
    return form->CheckBox2->isChecked() && form->CheckBox13->isVisibleTo(form->Panel3);
  }
  void ShowAssortmentChart() override { form->ShowAssortmentChart(false, form->Chart4); }
  bool IsRemovalViewChecked() override { return form->CheckBox33->isChecked(); }
  bool HasGrowthStepWithValueIncrement() override {
    const ::data* stand = OpenedStand();
    return stand && stand->GrowthStepCount() > 0 && form->CheckBox10->isChecked();
  }
  void DrawStandCard() override { form->DrawStandCard(); }
  void MarkGrowthForecastForRecompute() override {
    if (IncForm) IncForm->NeedsRecompute = true;
  }
  void ShowOperationRecommendation(int mode, int flag) override {
    form->ShowOperationRecommendation(mode, flag != 0);
  }
  // The estate panel and the estate overview after the prices changed.
  bool IsEstateValueChecked() override { return form->CheckBox19->isChecked(); }
  void RefillMainStandList() override {
    form->FillStandList(form->CheckBox18->isChecked(), form->CheckBox19->isChecked());
    form->ShowStandListSummary(form->CheckBox18->isChecked() ? 1 : 0, form->CheckBox19->isChecked());
  }
  void RefreshEstateOverview() override {
    if (FolderForm) FolderForm->FillEstateOverview(1, 0);
    form->RefreshEstateGridAndChart();
  }
  // Saved price settings give the timber sale its default prices anew.
  void SetDefaultTradePrices() override {
    if (TradeForm) TradeForm->ResetPrices();
  }

  TActForm* form;
};

void TActForm::InstallHooks() { hooks_ = new Hooks(this); }

TActForm::~TActForm() {
  delete hooks_;
  hooks_ = nullptr;
  if (TheSession && TheSession->Host == this) TheSession->Host = nullptr;
  if (ActForm == this) ActForm = nullptr;
}
