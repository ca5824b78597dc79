#include "operations/Ages.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "model/Data.h"
#include "operations/AgesRules.h"
#include "operations/Inc.h"
#include "platform/Numbers.h"
#include "ui/Session.h"
#include "stands/Settings.h"
#include "texts/Ageslan.h"
#include "texts/Commonlan.h"
#include "ui/Palette.h"
#include "ui/WindowHelpers.h"

TAgesForm* AgesForm = nullptr;

namespace {

constexpr int kWidth = 600;
constexpr int kTitleColumn = 150;  // width of the row titles
constexpr int kColumn = 88;        // width of one species column
constexpr int kPanelHeight = 150;
constexpr int kButtonPanelHeight = 48;

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text = QString()) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->setFont(PixelFont(QStringLiteral("Calibri"), 14));
  SetRoleColor(l, QPalette::WindowText, QColor(255, 255, 255));
  return l;
}

}  // namespace

TAgesForm::TAgesForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AgesForm"));
  AgesForm = this;
  setWindowTitle(PadCaption(AgeslanText(0)));
  setModal(true);
  Panel1 = MakeSettingsPanel(this, QStringLiteral("Panel1"), 20);
  Panel5 = MakeSettingsPanel(this, QStringLiteral("Panel5"), 7);
  Panel1->setGeometry(0, 0, kWidth, kPanelHeight);
  Panel5->setGeometry(0, kPanelHeight, kWidth, kButtonPanelHeight);

  // Layout names by species: header, list, diameter, height, "hakattu".
  const char* names[5][5] = {{"Label7", "ComboBox1", "Label12", "Label14", "Label36"},
                             {"Label6", "ComboBox2", "Label16", "Label17", "Label35"},
                             {"Label5", "ComboBox3", "Label19", "Label20", "Label34"},
                             {"Label13", "ComboBox4", "Label30", "Label25", "Label33"},
                             {"Label21", "ComboBox5", "Label31", "Label27", "Label3"}};
  Label28 = MakeLabel(Panel1, QStringLiteral("Label28"));
  Label8 = MakeLabel(Panel1, QStringLiteral("Label8"));
  Label9 = MakeLabel(Panel1, QStringLiteral("Label9"));
  Label28->setGeometry(12, 48, kTitleColumn - 16, 24);
  Label8->setGeometry(12, 86, kTitleColumn - 16, 22);
  Label9->setGeometry(12, 112, kTitleColumn - 16, 22);
  for (int k = 0; k < 5; ++k) {
    const int left = kTitleColumn + k * kColumn;
    Header[k] = MakeLabel(Panel1, QLatin1String(names[k][0]));
    Header[k]->setGeometry(left, 16, kColumn - 8, 22);
    AgeList[k] = new QComboBox(Panel1);
    AgeList[k]->setObjectName(QLatin1String(names[k][1]));
    AgeList[k]->setMaxVisibleItems(21);
    AgeList[k]->setGeometry(left, 46, kColumn - 12, 26);
    DiameterLabel[k] = MakeLabel(Panel1, QLatin1String(names[k][2]));
    DiameterLabel[k]->setGeometry(left + 4, 86, kColumn - 8, 22);
    HeightLabel[k] = MakeLabel(Panel1, QLatin1String(names[k][3]));
    HeightLabel[k]->setGeometry(left + 4, 112, kColumn - 8, 22);
    // Where the list would stand, level with the row title.
    CutLabel[k] = MakeLabel(Panel1, QLatin1String(names[k][4]), QStringLiteral("hakattu"));
    CutLabel[k]->setGeometry(left + 4, Label28->y(), kColumn - 8, 24);
    CutLabel[k]->hide();
    connect(AgeList[k], &QComboBox::activated, this, [this] { ComboBox1Change(); });
  }
  Label2 = new QLabel(Panel5);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setFont(PixelFont(QStringLiteral("Calibri"), 13));
  SetRoleColor(Label2, QPalette::WindowText, QColor(240, 240, 240));
  BitBtn2 = MakeSettingsButton(Panel5, QStringLiteral("BitBtn2"), QString(), 84);
  BitBtn2->setDefault(true);
  BitBtn1 = MakeSettingsButton(Panel5, QStringLiteral("BitBtn1"), QString(), 84);
  BitBtn1->move(kWidth - 96, 10);
  BitBtn2->move(BitBtn1->x() - 92, 10);
  connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
  connect(BitBtn1, &QPushButton::clicked, this, [this] { done(2); });
  SetAgesFormTexts();
  SetOuterSize(this, kWidth + 6, 0);
  FitFormHeight(this, Panel5->y(), Panel5->height());
}

TAgesForm::~TAgesForm() {
  if (AgesForm == this) AgesForm = nullptr;
}

void TAgesForm::SetAgesFormTexts() {
  const int names[5] = {13, 12, 11};
  for (int k = 0; k < 3; ++k) Header[k]->setText(CommonlanText(names[k]).toLower());
  Header[3]->setText(QStringLiteral("haapa"));
  Header[4]->setText(QString::fromUtf8("leppä"));
  Label8->setText(CommonlanText(16).toLower());
  Label9->setText(CommonlanText(18).toLower());
  Label2->setText(AgeslanText(1));
  Label2->adjustSize();
  Label2->move(platform::TruncToInt((BitBtn2->x() - Label2->width()) * 0.25), 15);
  BitBtn2->setText(CommonlanText(7));
  BitBtn1->setText(CommonlanText(21));
}

void TAgesForm::PrepareAgeChoices() {
  for (QComboBox* list : AgeList) list->clear();
  const ::data* stand = OpenedStand();
  if (!stand) return;
  // The sixth species has no list.
  for (int k = 0; k < 5; ++k) {
    const int first = stand->SpeciesValue(k, 8);
    if (first > 0) FillAgeChoices(first, stand->SpeciesValue(k, 9), AgeList[k]);
  }
}

void TAgesForm::FillAgeChoices(int first, int count, QComboBox* list) {
  list->addItems(AgeChoiceItems(first, count));
  list->setCurrentIndex(DefaultAgeChoiceIndex(first, count));
}

void TAgesForm::ReadChosenAges(int ages[5]) const {
  for (int k = 0; k < 5; ++k)
    if (AgeList[k]->isVisibleTo(Panel1)) ages[k] = AgeOfChoiceText(AgeList[k]->currentText());
}

void TAgesForm::PlaceAgesWindow(int raised) {
  const PlaceFactors f = AgesWindowPlaceFactors(raised != 0);
  PlaceOnScreen(this, f.left, f.top);
}

void TAgesForm::ShowSpeciesMeans(int k, QLabel* diameter, QLabel* height) {
  const ::data* stand = OpenedStand();
  const int d = stand ? stand->SpeciesValue(k, 2) : 0;
  const int h = stand ? stand->SpeciesValue(k, 3) : 0;
  diameter->setText(SpeciesMeanDiameterText(d));
  height->setText(SpeciesMeanHeightText(d, h));
}

void TAgesForm::FormActivate() {
  const ::data* stand = OpenedStand();
  if (stand) Label28->setText(AgeRowTitle(stand->MeasurementYearText()));
  int standing[kSpeciesSlots] = {};
  if (stand) stand->CountStandingBySpecies(1, standing);
  for (int k = 0; k < 5; ++k) {
    AgeList[k]->setVisible(standing[k] > 0);
    ShowSpeciesMeans(k, DiameterLabel[k], HeightLabel[k]);
    // Measured, but every tree cut.
    CutLabel[k]->setVisible(standing[k] == 0 && stand && stand->SpeciesValue(k, 2) > 0);
  }
  if (stand) setWindowTitle(StandWindowCaption(*stand, AgeslanText(0).toLower()));
  PlaceAgesWindow(0);
  ClearFocus(this);
}

void TAgesForm::ComboBox1Change() {
  if (IncForm) IncForm->NeedsRecompute = true;
  ClearFocus(this);
}

void TAgesForm::BitBtn2Click() {
  const int result = IncForm ? IncForm->ShowModal() : 2;
  if (result == 1) {
    done(1);
    return;
  }
  PlaceAgesWindow(0);
  ClearFocus(this);
}

int TAgesForm::ShowModal() { return exec() == 1 ? 1 : 2; }

void TAgesForm::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  FormActivate();
}
