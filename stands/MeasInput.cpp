// The measurement window's input: loading at each showing, the header
// fields, the development class, the per-species lists, the stem-count
// alternatives and the grouping, closing, help and placement.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextEdit>

#include "model/ClassTables.h"
#include "model/Sample.h"
#include "platform/Clock.h"
#include "platform/Numbers.h"
#include "platform/Screen.h"
#include "ui/ApplicationWindows.h"
#include "stands/Meas.h"
#include "stands/MeasWidgets.h"
#include "stands/Open.h"
#include "texts/Commonlan.h"
#include "texts/Meoplan.h"
#include "ui/MessageService.h"
#include "ui/Palette.h"
#include "ui/RadioGroup.h"
#include "ui/Session.h"
#include "ui/StandHost.h"
#include "ui/WindowHelpers.h"

namespace {

constexpr int kMaxNotes = 400;

// Fills a list with items and selects one (the program's changes of a list
// run no handler: only the user's choice does).
void FillList(QComboBox* list, const QStringList& items, int index) {
  list->clear();
  list->addItems(items);
  list->setCurrentIndex(index);
}

void SelectItem(QComboBox* list, int index) { list->setCurrentIndex(index); }

// A list emptied to the single item " 0.0", selected and disabled.
void ResetComboToZero(QComboBox* list) {
  FillList(list, {NumberItemText(false, 0.0)}, 0);
  list->setEnabled(false);
}

// The entered basal areas (0.1 m2/ha; empty or zero gives no stems) and
// mean diameters of species 0..4, as the stem-count tables take them.
struct StemCountInput {
  int basalAreaTenths[5] = {};
  int diameters[5] = {};
};
StemCountInput StemCountInputOf(const std::array<SpeciesEntry, 5>& entries) {
  StemCountInput in;
  for (int s = 0; s < 5; ++s) {
    in.basalAreaTenths[s] = entries[static_cast<std::size_t>(s)].basalAreaTenths;
    in.diameters[s] = entries[static_cast<std::size_t>(s)].diameter;
  }
  return in;
}

// The first item whose value in tenths is the stored value; -1 when none.
int IndexOfTenths(const QComboBox* list, int tenths) {
  for (int i = 0; i < list->count(); ++i)
    if (TenthsFromText(list->itemText(i)) == tenths) return i;
  return -1;
}

}  // namespace

// ---- Loading ----------------------------------------------------------------

void TMeasForm::FormActivate() {
  if (Initialised) return;
  loading_ = true;
  // 1.
  PlaceMeasurementWindow();
  if (TheSession) emit TheSession->mainWindowModeRequested(0);
  Image3->hide();
  RichEdit1->clear();
  CheckBox1->setText(CommonlanText(54));
  CheckBox1->adjustSize();
  // Under the chart's left edge, clear of the bars and their labels.
  CheckBox1->move(Chart1->x() + 2, Chart1->y() + Chart1->height() + 1);
  CheckBox1->raise();
  QString caption;
  const ::data* stand = OpenedStand();
  if (IsNewStand || !stand) {
    // 2. A new stand.
    DateTimePicker1->setDate(platform::Today());
    AlternativeIndex = 2;
    SelectItem(ComboBox14, 2);
    ResetMeasurementInputs(true, true);
    MaskEdit10->setText(QStringLiteral("1.00"));
    RichEdit1->clear();
    SaveDialogTitle = QStringLiteral("  ") + MeoplanMeasText(16);
    Edit2->clear();
    Edit3->clear();
    caption = NewStandCaption();
    ApplyDevelopmentClassLayout(0);
  } else {
    // 3. The open stand: its stored trees, never a new draw.
    DateTimePicker1->setDate(DateOfDayNumber(stand->MeasurementDay()));
    MaskEdit10->setText(platform::FormatC("%4.2f", static_cast<double>(stand->Area())).trimmed());
    Edit2->setText(stand->EstateName());
    Edit3->setText(stand->TitleText(0));
    RichEdit1->setPlainText(stand->InfoText());
    caption = ChangeStandCaption(stand->TitleText(0));
    SaveDialogTitle = QStringLiteral("  ") + MeoplanMeasText(17);
    ResetMeasurementInputs(true, false);
    const int dc = stand->DevelopmentClass();
    SelectItem(ComboBox10, dc);
    SelectItem(ComboBox15, stand->SiteType());
    ApplyDevelopmentClassLayout(dc);
    HeaderChanged = false;
    MeasurementChanged = false;
    if (!IsTreelessArea(dc)) {
      for (int s = 0; s < 5; ++s) {
        if (IsSmallSeedlingStand(dc))
          LoadSeedlingMeasurement(s, stand->SpeciesValue(s, 10), stand->SpeciesValue(s, 3));
        else
          LoadSpeciesMeasurement(s);
      }
      const int n = stand->TreeCount();
      std::array<int, 6> counts{};
      AllocSampleTrees(n);
      for (int i = 0; i < n; ++i) {
        SetSampleTree(i, stand->TreeX(i), stand->TreeY(i), stand->BaseDiameter(i), stand->BaseHeight(i),
                      stand->TreeSpecies(i));
        const int s = stand->TreeSpecies(i);
        if (s >= 0 && s < 6) ++counts[static_cast<std::size_t>(s)];
      }
      ShowStructureCode(stand->StructureCode());
      SetSpeciesStems({counts[0], counts[1], counts[2], counts[3], counts[4]});
      UpdateStemCountChart(counts);
      RefreshStandViews();
    }
  }
  // 4.
  // Hidden first: their handler then does nothing.
  for (QCheckBox* b : {CheckBox2, CheckBox3}) {
    b->hide();
    b->setChecked(false);
  }
  UpdateHeightHint();
  UpdateStandSummaryLabel();
  Button2->setEnabled(IsNewStand || !stand);
  setWindowTitle(PadCaption(caption));
  Initialised = true;
  loading_ = false;
  ResetStandView(true, true);
  ClearActiveControl();
}

void TMeasForm::LoadSpeciesMeasurement(int species) {
  const ::data& stand = *OpenedStand();
  const auto s = static_cast<std::size_t>(species);
  const int diameter = stand.SpeciesValue(species, 2);
  if (diameter <= 0) return;
  // Item i of a diameter list is i + 1 cm (1 cm is not offered).
  SelectItem(DiameterLists()[s], diameter - 1);
  FillHeightAndBasalAreaLists(species);
  SelectItem(HeightLists()[s], IndexOfTenths(HeightLists()[s], stand.SpeciesValue(species, 3)));
  SelectItem(BasalAreaLists()[s], IndexOfTenths(BasalAreaLists()[s], stand.SpeciesValue(species, 6)));
}

void TMeasForm::LoadSeedlingMeasurement(int species, int stems, int heightDm) {
  if (stems < 1) return;
  const auto s = static_cast<std::size_t>(species);
  SelectItem(StemLists()[s], platform::RoundHalfAway(stems * 0.02));
  HeightLists()[s]->setEnabled(true);
  SelectItem(HeightLists()[s], heightDm);
}

void TMeasForm::ShowStructureCode(int code) {
  ListBox2->setCurrentRow(StructureCodeGroupingIndex(code));
  ComboBox14->setVisible(code >= 0);
  ListBox2->setVisible(code >= -3);
  Image2->setVisible(code >= -3);
  GroupingIndex = ListBox2->currentRow();
  if (code >= 0) ApplyStemCountAlternative(StructureCodeStemCountClass(code));
}

void TMeasForm::SetSpeciesStems(const std::array<int, 5>& counts) { SpeciesStems = counts; }

void TMeasForm::MarkChanged(int kind) {
  Button2->setEnabled(true);
  if (kind == 2)
    HeaderChanged = true;
  else
    MeasurementChanged = kind == 1;
}

// ---- Development class ----------------------------------------------------------

void TMeasForm::ResetMeasurementInputs(bool resetClassAndSite, bool rebuild) {
  const auto diameters = DiameterLists();
  const auto basal = BasalAreaLists();
  for (std::size_t s = 0; s < 5; ++s) {
    FillList(basal[s], {NumberItemText(false, 0.0)}, 0);
    SelectItem(diameters[s], 0);
    basal[s]->show();
    diameters[s]->show();
  }
  if (resetClassAndSite) {
    SelectItem(ComboBox15, 0);
    SelectItem(ComboBox10, 0);
    for (std::size_t s = 0; s < 5; ++s) {
      diameters[s]->setEnabled(true);
      StemLists()[s]->hide();
    }
  }
  for (QComboBox* h : HeightLists()) ResetComboToZero(h);
  for (QComboBox* b : basal) b->setEnabled(false);
  SetSpeciesStems({});
  if (rebuild) RebuildStandSample();
}

void TMeasForm::ApplyDevelopmentClassLayout(int developmentClass) {
  const auto diameters = DiameterLists();
  const auto stems = StemLists();
  // 1.
  for (QComboBox* d : diameters) d->setEnabled(!IsTreelessArea(DevelopmentClassShown()));
  ComboBox11->hide();
  // 2.
  if (IsSmallSeedlingStand(developmentClass)) {
    ComboBox11->show();
    for (QComboBox* h : HeightLists()) {
      FillList(h, SeedlingHeightItems(), 0);
      h->setEnabled(false);
    }
    for (QComboBox* b : BasalAreaLists()) {
      SelectItem(b, 0);
      b->setEnabled(false);
    }
    for (std::size_t s = 0; s < 5; ++s) {
      SelectItem(diameters[s], 0);
      SelectItem(stems[s], 0);
    }
    SetSpeciesStems({});
    RebuildStandSample();
  } else if (IsTreelessArea(developmentClass)) {
    ResetMeasurementInputs(false, true);
  } else if (ComboBox9->isHidden()) {
    // Back from the seedling layout: every species starts again at 0.
    for (QComboBox* h : HeightLists()) ResetComboToZero(h);
    SetSpeciesStems({});
    RebuildStandSample();
  }
  // 3.
  const GridRowLabels rows = GridRowLabelsFor(developmentClass);
  Label8->setText(rows.first);
  Label22->setText(rows.firstUnit);
  Label7->setText(rows.third);
  Label13->setText(rows.thirdUnit);
  const int unitX = ComboBox28->x() + ComboBox28->width() + 4;
  const std::pair<QLabel*, QComboBox*> rowLabels[] = {{Label8, ComboBox7}, {Label5, ComboBox4}, {Label7, ComboBox1}};
  for (const auto& [label, list] : rowLabels) {
    label->adjustSize();
    label->move(6, list->y() + (list->height() - label->height()) / 2);
  }
  const std::pair<QLabel*, QComboBox*> units[] = {{Label22, ComboBox7}, {Label16, ComboBox4}, {Label13, ComboBox1}};
  for (const auto& [label, list] : units) {
    label->adjustSize();
    label->move(unitX, list->y() + (list->height() - label->height()) / 2);
  }
  // 4.
  UpdateHeightHint();
  UpdateStandSummaryLabel();
  // 5.
  const bool seedlingRows = !ComboBox11->isHidden();
  for (std::size_t s = 1; s < 5; ++s) stems[s]->setVisible(seedlingRows);
  for (std::size_t s = 0; s < 5; ++s) {
    diameters[s]->setVisible(!seedlingRows);
    BasalAreaLists()[s]->setVisible(!seedlingRows);
  }
  // 6.
  if (Button2->isEnabled() && isVisible()) Button2->setFocus();
}

void TMeasForm::ComboBox10Change() {
  const int c = DevelopmentClassShown();
  const ::data* stand = OpenedStand();
  const int o = IsNewStand || !stand ? -1 : stand->DevelopmentClass();
  ApplyDevelopmentClassLayout(c);
  if (o >= 0 && c != o) MarkChanged(ClassChangeKind(c, o));
  ClearActiveControl();
}

void TMeasForm::UpdateHeightHint() {
  const int dc = DevelopmentClassShown();
  Label38->setText(HeightHintText(dc));
  Label38->adjustSize();
  const QComboBox* under = IsSmallSeedlingStand(dc) ? ComboBox4 : ComboBox1;
  Label38->move(ComboBox3->x() + ComboBox3->width() / 2 - Label38->width() / 2, under->y() + under->height() + 4);
}

// ---- Per-species lists ------------------------------------------------------------

void TMeasForm::FillHeightAndBasalAreaLists(int species) {
  const auto s = static_cast<std::size_t>(species);
  QComboBox* diameterList = DiameterLists()[s];
  QComboBox* heightList = HeightLists()[s];
  QComboBox* basalList = BasalAreaLists()[s];
  // 1.
  ClearActiveControl();
  MarkChanged(Initialised ? 1 : 0);
  // 2.
  if (diameterList->currentIndex() < 1) {
    FillList(heightList, {NumberItemText(true, 0)}, 0);
    FillList(basalList, {NumberItemText(true, 0)}, 0);
    heightList->setEnabled(false);
    basalList->setEnabled(false);
    return;
  }
  // 3.
  const int d = ItemInteger(diameterList->currentText());
  const int oldIndex = basalList->currentIndex();
  const int oldCount = basalList->count();
  if (MeasurementChanged) platform::Pause(600);
  heightList->setEnabled(true);
  basalList->setEnabled(true);
  // 4. - 7.
  const QStringList basalItems = BasalAreaItems(species, d);
  FillList(basalList, basalItems, KeptBasalAreaIndex(oldIndex, oldCount, static_cast<int>(basalItems.size())));
  const QStringList heightItems = HeightItems(species, d);
  FillList(heightList, heightItems, PreselectedHeightIndex(static_cast<int>(heightItems.size())));
}

void TMeasForm::DiameterChanged(int species) {
  const auto s = static_cast<std::size_t>(species);
  FillHeightAndBasalAreaLists(species);
  if (SpeciesStems[s] > 0 || BasalAreaLists()[s]->currentIndex() > 0) {
    ApplyStemCountAlternative(100);
    RebuildStandSample();
  }
  ClearActiveControl();
}

void TMeasForm::HeightChanged(int species) {
  MarkChanged(1);
  const int total = EnteredTotalStemCount();
  const bool seedling = IsSmallSeedlingStand(DevelopmentClassShown());
  if (total <= kMaxTreeCount && SpeciesStems[static_cast<std::size_t>(species)] > 0 && !seedling)
    RebuildStandSample();
  else if (seedling)
    ShowSampleSummary(total, 0.0f, 0.0f, 0.0f, false);
  ClearActiveControl();
}

void TMeasForm::StemCountChanged(int species) {
  const auto s = static_cast<std::size_t>(species);
  MarkChanged(1);
  QComboBox* heightList = HeightLists()[s];
  const bool any = StemLists()[s]->currentIndex() > 0;
  heightList->setEnabled(any);
  if (!any) SelectItem(heightList, 0);
  SpeciesStems[s] = EnteredSpeciesStemCount(species);
  RebuildStandSample();
  ClearActiveControl();
}

void TMeasForm::ComboBox1Change() {
  MarkChanged(1);
  platform::Pause(400);
  ApplyStemCountAlternative(100);
  RebuildStandSample();
  ClearActiveControl();
}

// ---- Stem-count alternatives and grouping ---------------------------------------

void TMeasForm::FillStemCountAlternatives(int selected) {
  const StemCountInput in = StemCountInputOf(SpeciesEntries());
  QStringList items;
  for (int k = 0; k < kStemCountAlternatives; ++k)
    items << StemCountAlternativeText(StemCountAlternativeTotal(in.basalAreaTenths, in.diameters, k), k);
  FillList(ComboBox14, items, selected);
  AlternativeIndex = selected;
}

void TMeasForm::ApplyStemCountAlternative(int request) {
  // 1.
  if (request > -1) FillStemCountAlternatives(request == 100 ? kDefaultStemCountAlternative : request);
  // 2.
  if (request == 100 && ListBox2->currentRow() != 1) {
    Initialised = false;
    GroupingIndex = 1;
    ListBox2->setCurrentRow(1);
    Initialised = true;
  }
  // 3.
  const StemCountInput in = StemCountInputOf(SpeciesEntries());
  int stems[5] = {};
  ::ApplyStemCountAlternative(in.basalAreaTenths, in.diameters, ComboBox14->currentIndex(), stems, DiameterClasses);
  for (int s = 0; s < 5; ++s) SpeciesStems[static_cast<std::size_t>(s)] = stems[s];
}

void TMeasForm::ComboBox14Change() {
  const int chosen = ComboBox14->currentIndex();
  if (Initialised && !ComboBox14->isHidden() && chosen != AlternativeIndex) {
    ApplyStemCountAlternative(-1);
    RebuildStandSample();
    AlternativeIndex = chosen;
    if (ComboBox14->isHidden()) {
      ComboBox14->show();
      SelectItem(ComboBox14, chosen);
      AlternativeIndex = chosen;
    }
    MarkChanged(1);
  }
  ClearActiveControl();
}

void TMeasForm::ListBox2Click() {
  const int chosen = ListBox2->currentRow();
  if (Initialised && !ListBox2->isHidden() && chosen != GroupingIndex && chosen >= 0) {
    const int total = EnteredTotalStemCount();
    if (HasSampleTrees()) {
      RepositionSampleTrees(std::min(total, SampleTreeCount()), chosen);
      DrawSampleTreeMap(std::min(total, SampleTreeCount()));
    }
    Label18->setText(StemCountCaption(true, total, true, ListBox2->currentItem()->text(),
                                      ComboBox14->isHidden() ? -1 : ComboBox14->currentIndex()));
    Label18->adjustSize();
    MarkChanged(1);
    GroupingIndex = chosen;
  }
  ClearActiveControl();
}

void TMeasForm::ShowStemCountChoices(int developmentClass, int totalStems, float totalBasalArea) {
  if (ShowsStemCountChoices(developmentClass, totalStems, totalBasalArea)) {
    ComboBox14->setVisible(!IsSmallSeedlingStand(developmentClass));
    SetGroupingVisible(true);
    return;
  }
  ComboBox14->hide();
  SelectItem(ComboBox14, 2);
  AlternativeIndex = -1;
  SetGroupingVisible(false);
  GroupingIndex = 1;
  ListBox2->setCurrentRow(1);
}

void TMeasForm::SetGroupingVisible(bool visible) {
  ListBox2->setVisible(visible);
  Image2->setVisible(visible);
}

// ---- Header fields --------------------------------------------------------------------

void TMeasForm::HeaderFieldChanged(QWidget* field) {
  if (field == Edit2) {
    const QString clean = CleanEstateName(Edit2->text());
    if (clean != Edit2->text()) Edit2->setText(clean);
  } else if (field == Edit3) {
    const QString clean = CleanStandIdentifier(Edit3->text());
    if (clean != Edit3->text()) {
      const int cursor = Edit3->cursorPosition() - (Edit3->text().size() - clean.size());
      Edit3->setText(clean);
      Edit3->setCursorPosition(std::max(0, cursor));
    }
    UpdateStandSummaryLabel();
  } else if (field == MaskEdit10) {
    QString text = MaskEdit10->displayText();
    text.replace(QLatin1Char('_'), QLatin1Char('0')).replace(QLatin1Char(' '), QLatin1Char('0'));
    if (text != MaskEdit10->displayText()) {
      const int cursor = MaskEdit10->cursorPosition();
      MaskEdit10->setText(text);
      MaskEdit10->setCursorPosition(cursor);
    }
    UpdateStandSummaryLabel();
  } else if (field == ComboBox15) {
    ClearActiveControl();
  } else if (field == DateTimePicker1) {
    UpdateStandSummaryLabel();
    QStringList title = Chart1->TitleLines();
    if (!title.isEmpty() && title.first().contains(QLatin1Char(' ') + CommonlanText(62) + QLatin1Char(' '))) {
      title.first().chop(4);
      title.first() += DateTimePicker1->date().toString(QStringLiteral("yyyy"));
      Chart1->SetTitleLines(title);
    }
    if (!CheckBox2->isHidden()) DrawStandView(0);
  } else if (field == RichEdit1) {
    // At most 400 characters fit the stand file's notes.
    const QString text = RichEdit1->toPlainText();
    if (text.size() > kMaxNotes) {
      const QSignalBlocker block(RichEdit1);
      RichEdit1->setPlainText(text.left(kMaxNotes));
      RichEdit1->moveCursor(QTextCursor::End);
    }
  }
  MarkChanged(2);
}

void TMeasForm::UpdateStandSummaryLabel() {
  Label36->setText(StandSummaryText(Edit3->text(), MaskEdit10->displayText(), DateTimePicker1->date()));
  Label36->adjustSize();
  const int left = RadioGroup1->x() + RadioGroup1->width();
  const int right = Button2->x();
  Label36->move(left + (right - left - Label36->width()) / 2, (Panel5->height() - Label36->height()) / 2);
}

// ---- Closing, help and placement -------------------------------------------------------

void TMeasForm::done(int r) {
  if (r == 1) {
    // The stand just saved is the open one: the open-stand window's view of
    // its data shows these two lines of it.
    if (OpenForm) {
      OpenForm->SavedBasalAreaCaption = Label24->text();
      OpenForm->SavedSampleCaption = Label2->text();
    }
  } else {
    FreeSampleTrees();
    // The open-stand window that asked for the change goes back where it
    // stands by itself; otherwise the main window is in use again.
    if (OpenForm && OpenForm->isVisible())
      OpenForm->PositionOpenWindow();
    else if (TheSession)
      emit TheSession->mainWindowModeRequested(1);
  }
  QDialog::done(r);
}

void TMeasForm::BitBtn2Click() {
  ShowHelpText(windowTitle(), MeasHelpLines());
  ClearActiveControl();
}

void TMeasForm::PlaceMeasurementWindow() {
  const platform::ScreenMetrics m = platform::GetScreenMetrics();
  QWidget* open = ApplicationWindow(QStringLiteral("OpenForm"));
  if (open && open->isVisible()) {
    open->move(platform::TruncToInt((m.width - OuterWidth(open)) * 0.5),
               platform::TruncToInt((m.height - OuterHeight(open)) * 0.4));
    move(open->pos() + QPoint(15, 35));
  } else if (QWidget* intro = ApplicationWindow(QStringLiteral("IntroForm")); intro && intro->isVisible()) {
    if (StandHost* host = SessionHost()) host->CentreStartWindow();
    move(intro->pos() + QPoint(8, 8));
  } else {
    PlaceOnScreen(this, 0.5, 0.5);
  }
  // Over the open-stand or the start window, the window with its stand view
  // may reach past the screen's bottom, its buttons with it: it is raised so
  // that it ends at the bottom (never above the top), and its Save, help and
  // close buttons stay within reach.
  const int overflow = y() + OuterHeight(this) - m.height;
  if (overflow > 0) move(x(), qMax(0, y() - overflow));
}

// ---- Entries read back -------------------------------------------------------------

int TMeasForm::EnteredSpeciesStemCount(int k) const {
  if (k < 0 || k > 4) return 0;
  return ItemInteger(StemLists()[static_cast<std::size_t>(k)]->currentText());
}

int TMeasForm::EnteredSpeciesDiameter(int k) const {
  if (k < 0 || k > 4) return 0;
  return ItemInteger(DiameterLists()[static_cast<std::size_t>(k)]->currentText());
}

float TMeasForm::EnteredSpeciesHeight(int k) const {
  if (k < 0 || k > 4) return 0.0f;
  return static_cast<float>(TenthsFromText(HeightLists()[static_cast<std::size_t>(k)]->currentText())) * 0.1f;
}

float TMeasForm::EnteredSpeciesBasalArea(int k) const {
  if (k < 0 || k > 4) return 0.0f;
  return static_cast<float>(TenthsFromText(BasalAreaLists()[static_cast<std::size_t>(k)]->currentText())) * 0.1f;
}

float TMeasForm::EnteredTotalBasalArea() const {
  float total = 0.0f;
  for (int k = 0; k < 6; ++k) total += EnteredSpeciesBasalArea(k);
  return total;
}

int TMeasForm::EnteredTotalStemCount() const {
  int total = 0;
  for (int s : SpeciesStems) total += s;
  return total;
}

std::array<SpeciesEntry, 5> TMeasForm::SpeciesEntries() const {
  std::array<SpeciesEntry, 5> out{};
  for (int k = 0; k < 5; ++k) {
    SpeciesEntry& e = out[static_cast<std::size_t>(k)];
    e.seedlingStems = EnteredSpeciesStemCount(k);
    e.diameter = EnteredSpeciesDiameter(k);
    e.heightTenths = TenthsFromText(HeightLists()[static_cast<std::size_t>(k)]->currentText());
    e.basalAreaTenths = TenthsFromText(BasalAreaLists()[static_cast<std::size_t>(k)]->currentText());
  }
  return out;
}

HeaderEntries TMeasForm::EnteredHeader() const {
  HeaderEntries e;
  e.estateName = Edit2->text();
  e.identifier = Edit3->text();
  e.notes = RichEdit1->toPlainText();
  e.developmentClass = DevelopmentClassShown();
  e.siteType = ComboBox15->currentIndex();
  e.measurementDate = DateTimePicker1->date();
  e.structureCode = StandStructureCode(!ComboBox14->isHidden(), !ListBox2->isHidden(), ListBox2->currentRow(),
                                       ComboBox14->currentIndex());
  e.areaText = MaskEdit10->displayText();
  return e;
}
