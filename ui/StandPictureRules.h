#pragma once
// The geometry and the choices of the stand picture, as plain functions (no
// widget): where a tree of the plot stands in the picture and how tall and
// wide it is drawn, which trees a dense stand leaves out, which bitmap each
// tree takes, where the two moose stand, and which trees an after-picture
// shows.
//
// The plot is the frame (20, 50)-(620, 200) of 600 x 150 plot units; a larger
// y is nearer the viewer. The picture is Iw x Ih pixels: a sky over a ground
// band at the bottom, the tree feet in that band.

#include <QString>

#include "model/Data.h"

// ---- Shared small helpers of the pictures ----------------------------------

// Maps plot coordinate v of the range p0..p1 into the picture range a0..a1
// with a small inner margin (single-precision arithmetic, rounded half away
// from zero). With a0 = 0 and a symmetric range this is
// mA + (v - mP) / (mP - p0) x (0.499 x a1 - 1).
int InterpolatePicturePosition(int a0, int a1, int v, int p0, int p1);

// ---- The scales of one picture ---------------------------------------------

// Height of the ground band in pixels: 25 for a close-up, else 20.
int GroundBandHeight(bool closeUp);

// The constants of one drawing, fixed by the picture kind and the main
// window's size (width W, height H) and the stand's basal area.
struct StandPictureScales {
  double size = 0.55;   // S: tree height per picture height (0.8 close-up)
  double widening = 0;  // s: the close-up spreads the plot by 2 s of the width
  double depth = 0.12;  // k: trees at the back are this much smaller (0.2)
  double aspect = 1.0;  // A: tree heights shrink on windows narrower than 16:10
  double width = 0;     // c: the tree width scale
};
// closeUp: the half-hectare close-up; sampleTrees: the measurement sample
// (filter 1 or 2) instead of the stand's trees; basalAreaM2PerHa: G.
StandPictureScales PictureScales(bool closeUp, bool sampleTrees, int windowWidth, int windowHeight,
                                 float basalAreaM2PerHa);
// Base scale b of the tree width: 0.085 for sample trees; else by the window
// height class (700: 0.114, < 728: 0.11, < 752: 0.106, else 0.102); plus
// 0.008 for a close-up, else 0.02.
double PictureBaseScale(bool closeUp, bool sampleTrees, int windowHeight);

// ---- Dense stands ------------------------------------------------------------

// The thinning limit L for n trees passing the filter: -1 up to 4500 trees,
// else n - round(1.25 x (4500 - 0.2 n)), so that about 4500 are drawn.
int PictureThinningLimit(int n);
// Whether the j-th shown tree (1-based) with list index i is left out: among
// the first L shown trees only those whose index is a multiple of 5 are drawn.
bool IsThinnedOutOfPicture(int limit, int shownCount, int index);

// ---- One tree ----------------------------------------------------------------

// Heights above 16 m are drawn compressed: 1600 + (h - 1600) / 2 up to
// 2400 cm, 2000 + (h - 2400) / 4 above.
float CompressedTreeHeightCm(float heightCm);

// Picture x of plot point (x, y): the plot spans the width at the front edge
// (1.5 times the width about the middle for a close-up, widening 0.25), trees
// further back are pulled toward the middle.
int TreePictureX(bool closeUp, int imageWidth, int x, const PlotFrame& frame, int y, double widening);
// Picture y of the foot of a tree at plot y: the back of the plot stands
// higher in the ground band.
int TreeGroundY(int imageHeight, bool closeUp, int y, int frameTop, int frameBottom);
// Drawn height T in pixels of a tree of heightCm (already compressed and
// scaled by the aspect) at plot y; above 0.75 of the picture height the
// excess is cut to a fifth.
int TreePictureHeight(int y, float heightCm, const StandPictureScales& sc, int imageHeight);
// Half-width ratio w: the tree is drawn 2 w T wide. Conifers 2.3 times the
// scale, broadleaves 1.3 (0.95 leafless in winter).
double TreeHalfWidthRatio(const StandPictureScales& sc, int treeHeight, int imageHeight, int species,
                          bool winter);

struct PictureRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const PictureRect&) const = default;
};
// The rectangle a tree's bitmap is stretched into: foot at (X, Y), T high,
// 2 w T wide.
PictureRect TreeRect(int x, int y, int treeHeight, double halfWidthRatio);

// The bitmap of a tree: pine and spruce take their alternate summer bitmap
// when the plot x is even, birch when x is a multiple of 3; winter has one
// bitmap per species; species 3 is aspen and any other species alder.
enum class PictureBitmap : int {
  Pine,
  PineAlt,
  PineWinter,
  Spruce,
  SpruceAlt,
  SpruceWinter,
  Birch,
  BirchAlt,
  BirchWinter,
  Aspen,
  AspenWinter,
  Alder,
  AlderWinter,
  SummerSky,
  WinterSky,
  MooseBack,   // "HIRVI2BITMAP", further back
  MooseFront,  // "HIRVI1BITMAP", nearer
  Count
};
PictureBitmap TreeBitmapOf(int species, bool winter, int plotX);
// The resource name of a bitmap ("MANTY1", "BG2", "HIRVI1BITMAP", ...).
const char* PictureBitmapName(PictureBitmap b);
// Whether a species' bitmaps are needed: the species has trees.
bool IsSpeciesBitmapNeeded(const int counts[kSpeciesSlots], int species);

// ---- The moose -----------------------------------------------------------------

// The two moose: "HIRVI2BITMAP" at plot point (414, 120), drawn once a
// drawn tree lies behind y 119, then "HIRVI1BITMAP" at (214, 130) once one
// lies behind y 129.
struct MoosePoint {
  PictureBitmap bitmap;
  int x;
  int y;
  int afterY;  // drawn after the first drawn tree with plot y above this
};
constexpr MoosePoint kMoosePoints[2] = {{PictureBitmap::MooseBack, 414, 120, 119},
                                        {PictureBitmap::MooseFront, 214, 130, 129}};
// The square a moose at plot point (x, y) is stretched into.
PictureRect MooseRect(bool closeUp, int imageWidth, int imageHeight, const StandPictureScales& sc, int x, int y);

// ---- Which trees an after-picture shows ---------------------------------------------

// The recorded steps of a stand as the view modes read them.
struct PhaseHistory {
  int growthSteps = 0;        // g: slots with growing years
  bool phase1Growth = false;  // slot 1 is a growing step
  bool phase2Growth = false;  // slot 2 is a growing step
  int currentPhase = 0;       // p
};
PhaseHistory PhaseHistoryOf(const data& stand, int currentPhase);
// View mode 0 the standing trees, 1 the trees removed by a cutting, 2 the
// trees that died of natural mortality in the growing steps; removedBy is
// the phase that removed the tree (0 = standing).
bool IsRemovalShownInView(int removedBy, int mode, const PhaseHistory& h);

// ---- The measurement sample's pictures --------------------------------------

// The view filters of a stand view of the measurement sample: the check
// boxes "tukkipuut" (log trees), "lehtipuut" (broadleaves) and "havupuut"
// (conifers) of the measurement window or of the open-stand window.
struct SampleViewFilter {
  bool logTrees = false;
  bool broadleaves = false;
  bool conifers = false;
};

// Whether sample tree `index` of the species is shown under the filter: the
// broadleaf filter hides pine and spruce, the conifer filter hides the
// broadleaved species, the log-tree filter keeps only trees that give logs
// (SampleTreeIsLogTree); with no filter every tree is shown.
bool SampleTreeVisible(int species, int index, const SampleViewFilter& filter);
