#include "ui/StandPictureRules.h"

#include <cmath>
#include <cstdlib>

#include "ui/WindowRules.h"
#include "platform/Numbers.h"
#include "model/Sample.h"
#include "texts/TextState.h"

using platform::RoundHalfAway;
using platform::TruncToInt;

int InterpolatePicturePosition(int a0, int a1, int v, int p0, int p1) {
  const int mP = (p0 + p1) / 2;
  const int mA = (a0 + a1) / 2;
  // A plot range of no width maps every point to the middle.
  if (p1 == mP || mP == p0) return mA - a0;
  const float c = static_cast<float>(mA - a0) - static_cast<float>(mP - p0) - static_cast<float>(a1) * 0.001f;
  const float r = static_cast<float>(mA - a0) - static_cast<float>(mP - v) +
                  static_cast<float>(v - mP) / static_cast<float>(p1 - mP) * c +
                  static_cast<float>(mP - v) / static_cast<float>(mP - p0);
  return RoundHalfAway(r);
}

int GroundBandHeight(bool closeUp) { return closeUp ? 25 : 20; }

double PictureBaseScale(bool closeUp, bool sampleTrees, int windowHeight) {
  double b;
  if (sampleTrees) b = 0.085;
  else if (IsWindowHeightClass(0, windowHeight)) b = 0.114;
  else if (IsWindowHeightClass(1, windowHeight)) b = 0.11;
  else if (IsWindowHeightClass(2, windowHeight)) b = 0.106;
  else b = 0.102;
  return b + (closeUp ? 0.008 : 0.02);
}

StandPictureScales PictureScales(bool closeUp, bool sampleTrees, int windowWidth, int windowHeight,
                                 float basalAreaM2PerHa) {
  StandPictureScales sc;
  sc.size = closeUp ? 0.8 : 0.55;
  // The close-up shows half a hectare: p = 50 of PlotAreaText (0, half).
  sc.widening = closeUp ? (1.0 - PlotAreaTextFor(0, true).toInt() * 0.01) * 0.5 : 0.0;
  sc.depth = closeUp ? 0.2 : 0.12;
  sc.aspect = windowHeight > 0 && !IsSixteenTen(windowWidth, windowHeight)
                  ? std::sqrt(0.625 * windowWidth / windowHeight)
                  : 1.0;
  sc.width = PictureBaseScale(closeUp, sampleTrees, windowHeight) *
             (0.8 + (80.0 - static_cast<double>(basalAreaM2PerHa)) * 0.0025);
  return sc;
}

int PictureThinningLimit(int n) {
  if (n <= 4500) return -1;
  return n - RoundHalfAway((4500.0 - 0.2 * n) * 1.25);
}

bool IsThinnedOutOfPicture(int limit, int shownCount, int index) {
  return limit >= 0 && shownCount <= limit && index % 5 != 0;
}

float CompressedTreeHeightCm(float h) {
  if (h > 2400.0f) return 2000.0f + (h - 2400.0f) * 0.25f;
  if (h > 1600.0f) return 1600.0f + (h - 1600.0f) * 0.5f;
  return h;
}

int TreePictureX(bool closeUp, int imageWidth, int x, const PlotFrame& frame, int y, double widening) {
  const int fl = frame.left, fr = frame.right, ft = frame.top, fb = frame.bottom;
  const int mF = (fl + fr) / 2;
  const int mI = imageWidth / 2;
  if (fr == mF || mF == fl || fb == ft) return mI;
  const double c = mI - (mF - fl) + imageWidth * widening;
  const double half = (fl + fr) * 0.5;
  const double d = std::abs(std::trunc(x - half));
  const double f = (half - d) / half;
  const double g = (closeUp ? 0.1 : 0.05) * f * imageWidth;
  const double X = mI - (mF - x) + static_cast<double>(x - mF) / (fr - mF) * c +
                   static_cast<double>(fb - y) * g / (fb - ft) * (static_cast<double>(mF - x) / (mF - fl));
  return TruncToInt(X);
}

int TreeGroundY(int imageHeight, bool closeUp, int y, int frameTop, int frameBottom) {
  const int a = imageHeight - GroundBandHeight(closeUp) + 5;
  const int b = imageHeight - 4;
  if (frameBottom == frameTop) return a;
  return TruncToInt(static_cast<double>(b - a) * (y - frameTop) / (frameBottom - frameTop) + a);
}

int TreePictureHeight(int y, float heightCm, const StandPictureScales& sc, int imageHeight) {
  int t = TruncToInt((1.0 - (200 - y) * sc.depth / 150.0) * sc.size * heightCm * imageHeight / 1900.0);
  const double cap = 0.75 * imageHeight;
  if (t > cap) t = TruncToInt(t - (t - cap) * 0.2);
  return t;
}

double TreeHalfWidthRatio(const StandPictureScales& sc, int treeHeight, int imageHeight, int species,
                          bool winter) {
  const double w = sc.width * (0.8 + 0.2 * (imageHeight - treeHeight) / (imageHeight > 0 ? imageHeight : 1));
  if (species == SpeciesPine || species == SpeciesSpruce) return w * 2.3;
  return w * (winter ? 1.3 - 0.35 : 1.3);
}

PictureRect TreeRect(int x, int y, int treeHeight, double halfWidthRatio) {
  return {TruncToInt(x - treeHeight * halfWidthRatio), y - treeHeight, TruncToInt(x + treeHeight * halfWidthRatio),
          y};
}

PictureBitmap TreeBitmapOf(int species, bool winter, int plotX) {
  switch (species) {
    case SpeciesPine:
      if (winter) return PictureBitmap::PineWinter;
      return plotX % 2 == 0 ? PictureBitmap::PineAlt : PictureBitmap::Pine;
    case SpeciesSpruce:
      if (winter) return PictureBitmap::SpruceWinter;
      return plotX % 2 == 0 ? PictureBitmap::SpruceAlt : PictureBitmap::Spruce;
    case SpeciesBirch:
      if (winter) return PictureBitmap::BirchWinter;
      return plotX % 3 == 0 ? PictureBitmap::BirchAlt : PictureBitmap::Birch;
    case SpeciesAspen: return winter ? PictureBitmap::AspenWinter : PictureBitmap::Aspen;
    default: return winter ? PictureBitmap::AlderWinter : PictureBitmap::Alder;
  }
}

const char* PictureBitmapName(PictureBitmap b) {
  static const char* const names[] = {"MANTY1", "MANTY11", "MANTY2", "KUUSI1",      "KUUSI11",     "KUUSI2",
                                      "KOIVU1", "KOIVU11", "KOIVU2", "HAAPA1",      "HAAPA2",      "LEPPA1",
                                      "LEPPA2", "BG1",     "BG2",    "HIRVI2BITMAP", "HIRVI1BITMAP"};
  static_assert(sizeof(names) / sizeof(names[0]) == static_cast<int>(PictureBitmap::Count));
  return names[static_cast<int>(b)];
}

bool IsSpeciesBitmapNeeded(const int counts[kSpeciesSlots], int species) { return counts[species] > 0; }

PictureRect MooseRect(bool closeUp, int imageWidth, int imageHeight, const StandPictureScales& sc, int x, int y) {
  PlotFrame frame;
  DefaultPlotFrame(frame);
  const int X = TreePictureX(closeUp, imageWidth, x, frame, y, sc.widening);
  const int Y = TreeGroundY(imageHeight, closeUp, y, frame.top, frame.bottom);
  int m = TruncToInt(sc.size * 0.14 * imageHeight * (1.0 - (200 - y) * sc.depth / 150.0));
  if (closeUp) m = TruncToInt(m * 0.9);
  return {TruncToInt(X - m * 0.5), Y - m, TruncToInt(X + m * 0.5), Y};
}

PhaseHistory PhaseHistoryOf(const data& stand, int currentPhase) {
  return {stand.GrowthStepCount(), stand.FirstPhaseIsGrowth(), stand.PhaseYears(2) != 0, currentPhase};
}

bool IsRemovalShownInView(int r, int mode, const PhaseHistory& h) {
  const int p = h.currentPhase;
  if (mode == 0) return r == 0;
  const bool cutting = mode == 1;
  switch (h.growthSteps) {
    case 0: return cutting && r > 0;
    case 1:
      if (h.phase1Growth) return cutting ? r > 1 : r == 1;
      return cutting ? (r > 0 && r < p) : r == p;
    default:
      if (h.phase1Growth && h.phase2Growth) return cutting ? r > 2 : (r == 1 || r == 2);
      if (h.phase1Growth) return cutting ? (r > 1 && r < p) : (r == 1 || r == p);
      return cutting && r > 1 && r < p;
  }
}

bool SampleTreeVisible(int species, int index, const SampleViewFilter& filter) {
  const bool conifer = species == 0 || species == 1;
  if (filter.broadleaves && conifer) return false;
  if (filter.conifers && !conifer) return false;
  if (filter.logTrees && !SampleTreeIsLogTree(index)) return false;
  return true;
}
