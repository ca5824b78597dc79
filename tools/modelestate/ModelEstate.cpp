#include "tools/modelestate/ModelEstate.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

#include "model/ClassTables.h"
#include "model/Names.h"
#include "model/Phase.h"
#include "model/Sample.h"
#include "operations/RoadsRules.h"
#include "operations/Th1Rules.h"
#include "platform/Files.h"
#include "platform/Jpeg.h"
#include "platform/Numbers.h"
#include "platform/Random.h"
#include "texts/Actlan.h"
#include "texts/Commonlan.h"

namespace {

constexpr std::uint64_t kSeed = 20240615;
constexpr int kAlternative = kDefaultStemCountAlternative;  // "B3"
constexpr int kGrouping = 1;                                // "A2", normal

ModelSpecies Measured(int species, int d, int hDm, int gTenths) { return {species, d, hDm, gTenths, 0}; }
ModelSpecies Seedlings(int species, int stems, int hDm) { return {species, 0, hDm, 0, stems}; }

// The species blocks and the sample engine's input of a measurement.
void Measurement(const ModelStandPlan& plan, std::array<SpeciesBlock, kSpeciesSlots>& blocks, SampleMeasurement& m) {
  blocks = {};
  m = SampleMeasurement{};
  m.grouping = kGrouping;
  m.developmentClass = plan.developmentClass;
  if (plan.developmentClass == 2) {
    for (const ModelSpecies& s : plan.species) {
      m.stems[s.species] = s.stems;
      m.meanHeightTenths[s.species] = s.heightDm;
      blocks[s.species].words[WordMeanHeight] = s.heightDm;
      blocks[s.species].words[WordStems] = s.stems;
    }
    return;
  }
  int basal[5] = {};
  int diameters[5] = {};
  for (const ModelSpecies& s : plan.species) {
    basal[s.species] = s.basalAreaTenths;
    diameters[s.species] = s.diameterCm;
    m.meanDiameter[s.species] = s.diameterCm;
    m.meanHeightTenths[s.species] = s.heightDm;
    m.basalAreaTenths[s.species] = s.basalAreaTenths;
  }
  int stems[5] = {};
  ApplyStemCountAlternative(basal, diameters, kAlternative, stems, m.classes);
  for (int k = 0; k < 5; ++k) {
    m.stems[k] = stems[k];
    if (stems[k] <= 0) continue;
    auto& w = blocks[k].words;
    w[WordMinDiameter] = DiameterLowerBound(kAlternative, diameters[k]);
    w[WordMeanDiameter] = diameters[k];
    w[WordMeanHeight] = m.meanHeightTenths[k];
    w[WordMaxDiameter] = DiameterUpperBound(kAlternative, diameters[k]);
    w[WordBasalArea] = basal[k];
    w[WordStems] = stems[k];
  }
}

int StructureCode(int developmentClass) {
  if (developmentClass == 1) return -4;             // no grouping
  if (developmentClass == 2) return -(kGrouping + 1);  // grouping only
  return 10 * kGrouping + kAlternative;
}

// The first growing step as the grow command takes it: the ages the owner
// accepted in the stand-age dialog (its first candidates), then growth with
// mortality from the measured sizes.
void Grow(data& stand, int years) {
  int ages[kSpeciesSlots] = {};
  for (int s = 0; s < kSpeciesSlots; ++s) ages[s] = stand.SpeciesValue(s, 8);
  stand.SetSpeciesAges(ages);
  stand.GrownSizes1 = stand.AllocGrownSizes();
  SetCurrentPhase(100);
  stand.GrowTrees(stand.GrownSizes1, CurrentPhase(), years, ages, true, true);
  stand.RecordPhase(CurrentPhase(), CommonlanText(25), 1, years);
}

void Cut(data& stand, const ModelStandPlan::Step& step) {
  const int k = CurrentPhase() + 1;
  QString name;
  if (step.kind == ModelStep::StripRoads) {
    // The strip-road dialog's first choice, width item 6 (4.0 m) and
    // spacing item 5 (20 m), cut with the values the dialog cuts with.
    constexpr int widthItem = 6, spacingItem = 5;
    stand.SelectStripRoads(StripRoadWidth(widthItem), static_cast<float>(StripRoadSpacing(spacingItem)), k);
    name = StripRoadName(CommonlanText(23), StripRoadWidthItems().at(widthItem), StripRoadSpacingItems().at(spacingItem),
                         true);
  } else {
    stand.ThinToTargetBasalArea(k - 1, static_cast<float>(step.value), 1, true);
    name = ThinningBasalAreaText(true, step.value);
  }
  stand.RecordPhase(k, name, 0, 0);
  SetCurrentPhase(100);
}

}  // namespace

QString ModelEstateName() { return ActlanText(71); }

int ModelEstateMeasurementDay() { return static_cast<int>(QDate(1899, 12, 30).daysTo(QDate(2024, 6, 15))); }

std::vector<ModelStandPlan> ModelEstatePlans() {
  using S = ModelStandPlan;
  const auto growth = [](int years) { return S::Step{ModelStep::Growth, years}; };
  const auto thinning = [](int basalArea) { return S::Step{ModelStep::LowThinning, basalArea}; };
  const S::Step roads{ModelStep::StripRoads, 0};
  return {
      {"1", 1, 3, 1.15f, QString::fromUtf8("Avohakkuu 2023. Maanmuokkaus ja kuusen istutus keväällä."), {}, {}},
      {"2", 2, 3, 2.05f, QString::fromUtf8("Kuusen istutustaimikko 2019, seassa koivun luontaisia taimia."),
       {Seedlings(SpeciesSpruce, 1800, 12), Seedlings(SpeciesBirch, 700, 16)}, {}},
      {"3", 3, 4, 1.60f, QString::fromUtf8("Männyn kylvötaimikko. Taimikonhoito tehty 2021."),
       {Measured(SpeciesPine, 6, 50, 40), Measured(SpeciesBirch, 5, 55, 8)}, {}},
      {"4", 5, 4, 2.40f, QString::fromUtf8("Puhdas männikkö kuivahkolla kankaalla, ensiharvennus ajourineen."),
       {Measured(SpeciesPine, 14, 120, 170)}, {roads, thinning(11)}},
      {"5", 6, 3, 3.10f, QString::fromUtf8("Kuusivaltainen sekametsä, lehtipuut säästetään reunoille."),
       {Measured(SpeciesSpruce, 21, 180, 180), Measured(SpeciesPine, 23, 190, 50), Measured(SpeciesBirch, 19, 195, 30)},
       {growth(10)}},
      {"6", 7, 2, 2.75f, QString::fromUtf8("Järeä kuusikko lehtomaisella kankaalla, uudistuskypsä."),
       {Measured(SpeciesSpruce, 31, 260, 280), Measured(SpeciesBirch, 29, 250, 40)}, {}},
      {"7", 5, 2, 1.35f, QString::fromUtf8("Rauduskoivikko pellonreunassa, hyvälaatuisia runkoja."),
       {Measured(SpeciesBirch, 15, 170, 130)}, {}},
      {"8", 7, 4, 1.90f, QString::fromUtf8("Varttunut männikkö harjun rinteessä."),
       {Measured(SpeciesPine, 28, 220, 220)}, {growth(5)}},
      {"9", 6, 3, 2.20f, QString::fromUtf8("Sekametsä: mänty, kuusi ja koivu. Harvennus, sitten kasvatus."),
       {Measured(SpeciesPine, 19, 170, 100), Measured(SpeciesSpruce, 17, 150, 80), Measured(SpeciesBirch, 16, 170, 40)},
       {thinning(15), growth(10)}},
      {"10", 5, 2, 1.25f, QString::fromUtf8("Nuori kuusikko, tiheä. Harvennus lähivuosina."),
       {Measured(SpeciesSpruce, 13, 110, 160)}, {}},
  };
}

std::unique_ptr<data> BuildModelStand(const ModelStandPlan& plan) {
  std::array<SpeciesBlock, kSpeciesSlots> blocks{};
  SampleMeasurement m;
  Measurement(plan, blocks, m);
  int n = 0;
  for (const SpeciesBlock& b : blocks) n += b.words[WordStems];
  platform::ForceSeed(kSeed + static_cast<std::uint64_t>(plan.id.toInt()));
  const int drawn = RebuildStandSample(m);
  MeasurementParams params;
  params.header.estateName = ModelEstateName();
  params.header.standId = plan.id;
  params.header.info = plan.info;
  params.header.developmentClass = plan.developmentClass;
  params.header.siteType = plan.siteType;
  params.header.measurementDay = ModelEstateMeasurementDay();
  params.header.structureCode = StructureCode(plan.developmentClass);
  params.header.area = plan.areaHa;
  params.header.modelEstate = 1;
  params.blocks = blocks;
  params.sampleCount = drawn;
  auto stand = std::make_unique<data>(n);
  stand->FillFromMeasurement(params);
  FreeSampleTrees();
  // Phase 0 and the species ages, as a new stand is activated.
  SetCurrentPhase(0);
  if (plan.developmentClass == 2) stand->RecordInitialPhase(CommonlanText(83));
  else stand->RecordPhase(0, CommonlanText(83), 0, 0);
  if (plan.developmentClass != 1 && plan.developmentClass != 2) EstimateSpeciesAges(*stand);
  for (const ModelStandPlan::Step& step : plan.steps) {
    if (step.kind == ModelStep::Growth) Grow(*stand, step.value);
    else Cut(*stand, step);
  }
  platform::ClearForcedSeed();
  SetCurrentPhase(0);
  return stand;
}

// ---- The map ---------------------------------------------------------------------

namespace {

constexpr int kMapWidth = 1200;
constexpr int kMapHeight = 800;

// Parcels of the map by stand identifier, in map pixels, drawn roughly to
// the stands' areas.
struct Parcel {
  const char* id;
  std::vector<QPointF> corners;
};

std::vector<Parcel> Parcels() {
  return {
      {"1", {{90, 110}, {330, 95}, {345, 250}, {110, 265}}},
      {"2", {{330, 95}, {610, 80}, {600, 300}, {345, 250}}},
      {"3", {{110, 265}, {345, 250}, {360, 430}, {100, 450}}},
      {"4", {{345, 250}, {600, 300}, {640, 470}, {360, 430}}},
      {"5", {{610, 80}, {960, 95}, {980, 330}, {600, 300}}},
      {"6", {{600, 300}, {980, 330}, {990, 520}, {640, 470}}},
      {"7", {{100, 450}, {360, 430}, {370, 560}, {95, 580}}},
      {"8", {{360, 430}, {640, 470}, {650, 660}, {370, 650}}},
      {"9", {{640, 470}, {990, 520}, {1000, 700}, {650, 660}}},
      {"10", {{95, 580}, {370, 560}, {370, 650}, {380, 720}, {100, 730}}},
  };
}

// Map colours of the development classes, light (open) to dark (mature).
QColor ClassColour(int developmentClass) {
  switch (developmentClass) {
    case 1: return QColor(244, 236, 206);
    case 2: return QColor(214, 236, 170);
    case 3: return QColor(186, 224, 140);
    case 4: return QColor(170, 210, 130);
    case 5: return QColor(138, 196, 110);
    case 6: return QColor(92, 160, 86);
    case 7: return QColor(52, 118, 62);
    default: return QColor(120, 170, 110);
  }
}

QPointF Centre(const std::vector<QPointF>& corners) {
  QPointF c;
  for (const QPointF& p : corners) c += p;
  return c / static_cast<double>(corners.size());
}

}  // namespace

QImage DrawModelEstateMap(const std::vector<ModelStandPlan>& plans) {
  QImage image(kMapWidth, kMapHeight, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // Surroundings: neighbouring forest.
  p.fillRect(image.rect(), QColor(222, 230, 208));
  p.setPen(QPen(QColor(200, 210, 188), 1));
  for (int x = -kMapHeight; x < kMapWidth; x += 18) p.drawLine(x, kMapHeight, x + kMapHeight, 0);
  // A lake in the north-east corner and a brook from it.
  QPainterPath lake;
  lake.moveTo(1010, 40);
  lake.cubicTo(1150, 10, 1190, 120, 1170, 220);
  lake.cubicTo(1150, 300, 1060, 290, 1030, 220);
  lake.cubicTo(1000, 160, 960, 70, 1010, 40);
  p.setPen(QPen(QColor(70, 120, 170), 2));
  p.setBrush(QColor(150, 196, 232));
  p.drawPath(lake);
  p.setPen(QPen(QColor(90, 140, 200), 3));
  p.setBrush(Qt::NoBrush);
  QPainterPath brook;
  brook.moveTo(1100, 285);
  brook.cubicTo(1080, 420, 1040, 560, 1120, 780);
  p.drawPath(brook);
  // The parcels.
  const std::vector<Parcel> parcels = Parcels();
  QFont idFont(QStringLiteral("Liberation Sans"));
  idFont.setPixelSize(34);
  idFont.setBold(true);
  QFont textFont(QStringLiteral("Liberation Sans"));
  textFont.setPixelSize(14);
  for (const Parcel& parcel : parcels) {
    const auto plan = std::find_if(plans.begin(), plans.end(), [&](const ModelStandPlan& s) { return s.id == parcel.id; });
    if (plan == plans.end()) continue;
    QPolygonF polygon;
    for (const QPointF& c : parcel.corners) polygon << c;
    p.setPen(QPen(QColor(60, 50, 40), 2));
    p.setBrush(ClassColour(plan->developmentClass));
    p.drawPolygon(polygon);
    const QPointF c = Centre(parcel.corners);
    const QColor ink = plan->developmentClass >= 6 ? QColor(250, 250, 240) : QColor(30, 30, 30);
    p.setPen(ink);
    p.setFont(idFont);
    p.drawText(QRectF(c.x() - 80, c.y() - 44, 160, 40), Qt::AlignCenter, plan->id);
    p.setFont(textFont);
    p.drawText(QRectF(c.x() - 110, c.y() - 2, 220, 20), Qt::AlignCenter,
               DevelopmentClassName(5, plan->developmentClass));
    p.drawText(QRectF(c.x() - 110, c.y() + 16, 220, 20), Qt::AlignCenter,
               platform::FormatC("%1.2f ha", static_cast<double>(plan->areaHa)));
  }
  // The estate's boundary and the forest road along the south side.
  QPolygonF boundary;
  for (QPointF q : {QPointF(90, 110), QPointF(610, 80), QPointF(960, 95), QPointF(980, 330), QPointF(990, 520),
                    QPointF(1000, 700), QPointF(650, 660), QPointF(380, 720), QPointF(100, 730), QPointF(95, 580),
                    QPointF(100, 450), QPointF(110, 265)})
    boundary << q;
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(170, 30, 30), 4, Qt::DashLine));
  p.drawPolygon(boundary);
  p.setPen(QPen(QColor(150, 110, 60), 7, Qt::SolidLine, Qt::RoundCap));
  QPainterPath road;
  road.moveTo(20, 770);
  road.cubicTo(300, 745, 700, 700, 1190, 760);
  p.drawPath(road);
  p.setPen(QPen(QColor(235, 215, 170), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(road);
  // Title, north arrow and scale.
  QFont titleFont(QStringLiteral("Liberation Sans"));
  titleFont.setPixelSize(28);
  titleFont.setBold(true);
  p.setFont(titleFont);
  p.setPen(QColor(40, 40, 40));
  p.drawText(QPointF(24, 50), ModelEstateName() + QString::fromUtf8("  –  kuviokartta"));
  p.setPen(QPen(QColor(40, 40, 40), 2));
  p.setBrush(QColor(40, 40, 40));
  QPolygonF arrow;
  arrow << QPointF(1150, 330) << QPointF(1165, 380) << QPointF(1150, 370) << QPointF(1135, 380);
  p.drawPolygon(arrow);
  p.setFont(textFont);
  p.drawText(QPointF(1144, 322), QStringLiteral("P"));
  p.drawLine(40, 785, 240, 785);
  for (int x : {40, 140, 240}) p.drawLine(x, 778, x, 792);
  p.drawText(QPointF(250, 790), QStringLiteral("100 m"));
  p.end();
  return image;
}

bool WriteModelEstate(const QString& folder, QString* error) {
  if (!QDir().mkpath(folder)) {
    if (error) *error = QStringLiteral("cannot create ") + folder;
    return false;
  }
  const std::vector<ModelStandPlan> plans = ModelEstatePlans();
  for (const ModelStandPlan& plan : plans) {
    auto stand = BuildModelStand(plan);
    const QString path = platform::JoinPath(folder, plan.id + QLatin1Char('.') + CommonlanText(0));
    // Stored as the program stores a stand: the new file; the trees in the
    // order the main window's full refresh leaves them (the dot maps of its
    // reset, then the map after the steps); then its own save, which sorts
    // them by the save's key (measured height once the stand has a growing
    // step). Opened and saved again, the file keeps every byte.
    const bool written = stand->WriteNewFile(path) == StandFileStatus::Ok;
    stand->SortTreesForDotMaps(true, true);
    stand->SortTreesForDotMaps(false, true);
    if (!written || stand->Save(path) != StandFileStatus::Ok) {
      if (error) *error = QStringLiteral("cannot write ") + path;
      return false;
    }
  }
  const QImage map = DrawModelEstateMap(plans).convertToFormat(QImage::Format_RGB888);
  platform::DecodedPicture picture;
  picture.width = map.width();
  picture.height = map.height();
  picture.rgb.reserve(map.width() * map.height() * 3);
  for (int y = 0; y < map.height(); ++y)
    picture.rgb.append(reinterpret_cast<const char*>(map.constScanLine(y)), map.width() * 3);
  const QByteArray jpeg = platform::EncodeJpeg(picture, 90);
  const QString mapPath = platform::JoinPath(folder, ModelEstateName() + QStringLiteral(".jpg"));
  if (jpeg.isEmpty() || !platform::WriteFileAtomically(mapPath, jpeg, error)) {
    if (error && error->isEmpty()) *error = QStringLiteral("cannot write ") + mapPath;
    return false;
  }
  return true;
}
