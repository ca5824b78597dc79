// Save in the measurement window: the checks by development class, the
// refusal of a model-estate stand, the save loop with its folder and naming
// rules, and the stand built from the window: a header rewrite (with a
// rename when the identifier changed) or a new stand object written as a new
// stand file. Every way ends in the activation of the stand.
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>

#include "model/Sample.h"
#include "platform/Files.h"
#include "ui/Session.h"
#include "stands/Meas.h"
#include "stands/OpenFile.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"
#include "texts/Meoplan.h"
#include "ui/MessageService.h"
#include "ui/Palette.h"
#include "ui/StandHost.h"

namespace {

// Whether two paths name one file (the one existing spelling of it).
bool SameFile(const QString& a, const QString& b) {
  const QString ca = QFileInfo(a).canonicalFilePath();
  const QString cb = QFileInfo(b).canonicalFilePath();
  if (!ca.isEmpty() && !cb.isEmpty()) return ca == cb;
  return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

void NoticeWriteFailed(const QString& path) {
  ShowNotice(MeoplanMeasText(5), QStringLiteral("kuviotiedostoa ei voitu tallettaa  :  ") +
                                     platform::FileNameOfPath(path) + QStringLiteral("  !"));
}

}  // namespace

bool TMeasForm::ShowMeasMessage(const MeasMessage& m) {
  if (!m.question) {
    ShowNotice(m.caption, m.line1);
    return false;
  }
  return ShowQuestion(m.caption, m.line1, m.line2, m.yesCaption, m.closeCaption) == 1;
}

bool TMeasForm::ValidateHeader() {
  const std::optional<MeasMessage> m = HeaderRefusal(MaskEdit10->displayText(), Edit3->text(), Edit2->text());
  return !m || ShowMeasMessage(*m);
}

bool TMeasForm::ValidateSeedlingMeasurement() {
  std::array<int, 5> stems{};
  std::array<bool, 5> heights{};
  for (int k = 0; k < 5; ++k) {
    stems[static_cast<std::size_t>(k)] = EnteredSpeciesStemCount(k);
    heights[static_cast<std::size_t>(k)] = HeightLists()[static_cast<std::size_t>(k)]->currentIndex() > 0;
  }
  if (const std::optional<MeasMessage> m = SeedlingRefusal(stems, heights)) return ShowMeasMessage(*m);
  return ValidateHeader();
}

int TMeasForm::ValidateMeasurement(bool saving) {
  std::array<int, 5> diameters{};
  std::array<bool, 5> basal{};
  for (int k = 0; k < 5; ++k) {
    diameters[static_cast<std::size_t>(k)] = EnteredSpeciesDiameter(k);
    basal[static_cast<std::size_t>(k)] = BasalAreaLists()[static_cast<std::size_t>(k)]->currentIndex() > 0;
  }
  const MeasurementCheck check =
      CheckMeasurement(diameters, basal, EnteredTotalStemCount(), EnteredTotalBasalArea(), saving);
  if (check.message) ShowMeasMessage(*check.message);
  if (check.result != 1) return check.result;
  if (!saving) return 1;
  return ValidateHeader() ? 1 : 0;
}

bool TMeasForm::ChooseSaveFile() {
  const QString id = Edit3->text().toLower();
  // 1.
  if (IsNewStand && !ShowMeasMessage(NewStandSaveQuestion(id))) return false;
  // 2., 3.
  const QString root = EstatesFolder();
  const QString model = platform::JoinPath(root, ActlanText(71));
  const QString start = StandDialogFolder();
  const QString filter = CommonlanText(20) + QStringLiteral(" (*.") + CommonlanText(0) + u')';
  QString preset = platform::JoinPath(start, StandFileNameOf(id));
  SavePath = preset;
  // 4.
  bool accepted = false;
  for (;;) {
    // The window is placed again whenever the dialog shows.
    PlaceMeasurementWindow();
    const QString chosen = SaveFileDialog(this, SaveDialogTitle, preset, filter);
    if (chosen.isEmpty()) break;
    const SaveDecision d = JudgeSaveFile(chosen, id, root, model, start);
    if (d.verdict == SaveVerdict::Accept) {
      SavePath = d.acceptedPath;
      accepted = true;
      break;
    }
    const bool yes = ShowMeasMessage(d.message);
    if (d.verdict == SaveVerdict::AskRename && yes) {
      // The stand takes the file's name as its identifier.
      Edit3->setText(d.name);
      UpdateStandSummaryLabel();
      SavePath = d.acceptedPath;
      accepted = true;
      break;
    }
    preset = d.nextPreset;
  }
  // 5.
  repaint();
  return accepted;
}

void TMeasForm::Button2Click() {
  // 2.
  const int dc = DevelopmentClassShown();
  bool valid = false;
  if (IsTreelessArea(dc))
    valid = ValidateHeader();
  else if (IsSmallSeedlingStand(dc))
    valid = ValidateSeedlingMeasurement();
  else
    valid = ValidateMeasurement(true) == 1;
  int result = valid ? 1 : 0;
  // 3.
  const ::data* stand = OpenedStand();
  if (valid && !IsNewStand && stand && stand->IsModelEstateStand(-1)) {
    ShowMeasMessage(ModelEstateRefusal());
    result = 0;
  } else if (valid && !ChooseSaveFile()) {
    // 4.
    result = 0;
  }
  if (result == 1) {
    // The stand is built while the window is still open, so that a file
    // that cannot be written leaves the user's entries as they are.
    if (TheSession) emit TheSession->mainWindowModeRequested(2);
    if (CreateStandFromMeasurement(!IsNewStand)) {
      done(1);
      return;
    }
    if (TheSession) emit TheSession->mainWindowModeRequested(0);
  }
  // 6.
  ClearActiveControl();
}

bool CreateStandFromMeasurement(bool changeData) {
  TMeasForm* w = MeasForm;
  Session* session = TheSession;
  if (!session || !session->Host || !w) return false;
  // 1.
  const StandHeader header = BuildStandHeader(w->EnteredHeader());
  // 2. Only the header changed: rewrite it, and rename the file when the
  // identifier changed.
  if (changeData && session->CurrentStand && w->HeaderChanged && !w->MeasurementChanged) {
    const QString newPath = w->SavePath;
    if (session->CurrentStand->RewriteHeader(session->StandPath, header) != StandFileStatus::Ok) {
      NoticeWriteFailed(session->StandPath);
      return false;
    }
    FreeSampleTrees();
    if (newPath.toLower() != session->StandPath.toLower()) {
      if (platform::CopyFile(session->StandPath, newPath, false)) {
        platform::DeleteFile(session->StandPath);
        session->StandPath = newPath;
      } else {
        // The stand keeps the file that still exists.
        NoticeWriteFailed(newPath);
      }
    }
    return session->Host->ActivateStand(ActivateChangedHeader);
  }
  // 3. A new stand, or changed measurements: a new stand object from the
  // window's sample.
  const auto blocks =
      ExportSpeciesBlocks(w->DevelopmentClassShown(), w->SpeciesEntries(), w->ComboBox14->currentIndex(), w->SpeciesStems);
  int n = 0;
  for (const SpeciesBlock& b : blocks) n += b.words[WordStems];
  auto fresh = std::make_unique<::data>(n);
  fresh->FillFromMeasurement(MeasurementParams{header, blocks, n});
  // The activation records phase 0 and writes the new file. When the file
  // cannot be written, the open stand, its path and the window's sample stay
  // as they were.
  std::unique_ptr<::data> old = std::move(session->CurrentStand);
  const QString oldPath = session->StandPath;
  session->CurrentStand = std::move(fresh);
  session->StandPath = w->SavePath;
  if (!session->Host->ActivateStand(changeData ? ActivateRemeasuredStand : ActivateNewStand)) {
    session->CurrentStand = std::move(old);
    session->StandPath = oldPath;
    return false;
  }
  FreeSampleTrees();
  // The old file goes only once the new one is written, and only when the
  // stand now lives in another file.
  if (changeData && !oldPath.isEmpty() && !SameFile(oldPath, w->SavePath)) platform::DeleteFile(oldPath);
  return true;
}

int NewStandFromMeasurementWindow(bool changeData) {
  TMeasForm* w = MeasForm;
  if (!w || !TheSession) return 0;
  // 1.
  w->IsNewStand = !changeData;
  // (The window is hidden: the box's handler does nothing.)
  w->CheckBox1->setChecked(false);
  w->Initialised = false;
  // 2.
  const int r = w->exec();
  // 3.
  if (r == 1) emit TheSession->measurementYearsCheckRequested(LatestMeasurementYear(TheSession->EstateRecords, 0));
  // 4.
  w->SetViewChoice(0);
  return r;
}
