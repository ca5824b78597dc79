#pragma once
// The stand picture: the trees of the open stand (or of the measurement
// sample) drawn as a landscape: a sky, a ground band and one tree bitmap per
// tree, placed by the tree's plot position with a simple depth effect and
// sized by its height. The main window draws it before and after the
// recorded steps on its stand-view and close-up pages
// (mainwindow/StandPicture.h); the measurement, open-stand and timber-sale
// windows draw their pictures through it too.
//
// The geometry is in StandPictureRules.h; this file paints.

#include <QColor>
#include <QSize>

#include "model/Data.h"
#include "ui/StandPictureRules.h"

class QImage;
class QWidget;
class TCanvas;

// Where the trees of a picture come from and which of them are drawn:
//   1 the measurement sample under the measurement window's view filters,
//   2 the measurement sample under the open-stand window's view filters,
//   0 every tree of the open stand, -1 its log trees, -2 its pines,
//   -3 its spruces, -4 its broadleaved trees.
enum TreeFilter : int {
  TreeFilterMeasurementSample = 1,
  TreeFilterOpenWindowSample = 2,
  TreeFilterAll = 0,
  TreeFilterLogTrees = -1,
  TreeFilterPines = -2,
  TreeFilterSpruces = -3,
  TreeFilterBroadleaves = -4,
};

// Draws trees 0..n-1 of the source over the whole image (its size is the
// caller's). mainWindowSize: the main window's size, by which the trees are
// scaled; owner: the window the progress window shows over while it draws.
// counts: trees by species (which bitmaps are needed); G: basal area m2/ha;
// before: the stand as measured (every tree), else the state after the steps
// (standing trees, or with `removal` the trees removed by the cuttings);
// removal also leaves out the sky and the moose; closeUp: the half-hectare
// close-up. For a sample (filter 1 or 2) the window passes its view filter
// boxes as sampleFilter. Returns `removal` (a picture without a sky).
bool RenderStandPicture(QSize mainWindowSize, QWidget* owner, QImage& image, const int counts[kSpeciesSlots], int n,
                        float G, bool winter, bool before, bool removal, bool closeUp, int filter,
                        const SampleViewFilter& sampleFilter = {});

// The pictures are decoded once and kept ready-scaled for the sizes drawn
// (bounded in memory); this frees them all (the next drawing decodes them
// again).
void FreeStandPictureBitmaps();

// Draws the open stand into a picture control at the control's size: the
// basal area of the measured or the grown state, the trees of the filter.
void DrawOpenStandPicture(QSize mainWindowSize, QWidget* owner, TCanvas* image, bool before, bool removal,
                          bool closeUp, bool winter, int filter);

// Clears a picture to fillColour inside a frame of penColour (pen 1; pen 3
// and a rule under a header band of that height when header > 0).
void DrawCanvasFrame(QImage& image, const QColor& fillColour, const QColor& penColour, int header);
