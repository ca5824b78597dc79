#pragma once
// The stand picture: the trees of the open stand (or of the measurement
// sample) drawn as a landscape: a sky, a ground band and one tree bitmap per
// tree, placed by the tree's plot position with a simple depth effect and
// sized by its height. The main window draws it before and after the
// recorded steps on its stand-view page (Image3, Image1) and close-up page
// (Image10, Image9); the measurement, open-stand and timber-sale windows
// draw their pictures through it too.
//
// The geometry is in StandPictureRules.h; this file paints.

#include <QColor>

#include "model/Data.h"
#include "stands/MeasRules.h"

class QImage;
class TActForm;
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
// caller's). counts: trees by species (which bitmaps are needed); G: basal
// area m2/ha; before: the stand as measured (every tree), else the state
// after the steps (standing trees, or with `removal` the trees removed by
// the cuttings); removal also leaves out the sky and the moose; closeUp: the
// half-hectare close-up. For a sample (filter 1 or 2) the window passes its
// view filter boxes as sampleFilter. Shows the progress window while it
// draws. Returns `removal` (a picture without a sky).
bool RenderStandPicture(TActForm* form, QImage& image, const int counts[kSpeciesSlots], int n, float G, bool winter,
                        bool before, bool removal, bool closeUp, int filter,
                        const SampleViewFilter& sampleFilter = {});

// The pictures are decoded once and kept ready-scaled for the sizes drawn
// (bounded in memory); this frees them all (the next drawing decodes them
// again).
void FreeStandPictureBitmaps();

// Draws the open stand into a picture control: winter and the tree group
// from the stand view's boxes (the timber-sale window: summer, and its
// log-tree box), the basal area of the measured or the grown state. In the
// main window the picture is drawn at the full picture width and then shown
// at the narrowed width of the view.
void DrawStandPictureInto(TActForm* form, TCanvas* image, bool before, bool removal, bool closeUp,
                          bool saleWindow);

// The after-pictures of the stand-view page and of the close-up page
// (hidden while the stand has neither removed stems nor growing steps);
// markCloseUp marks the close-up's after-picture for its next showing.
void DrawAfterPicture(TActForm* form, bool removal, bool markCloseUp);
void DrawCloseUpAfterPicture(TActForm* form, bool removal);
// Redraws the pictures of the page shown whose redraw flags are set.
void RefreshStandViewPictures(TActForm* form, int phase);

// The stand has removed stems or growing steps (its after-pictures show).
bool HasStandChanged(const TActForm* form);
// Whether tree i of the open stand is shown in view mode 0 (standing),
// 1 (removed by a cutting) or 2 (died in a growing step).
bool IsTreeShownInView(const TActForm* form, int i, int mode);

// Clears a picture to fillColour inside a frame of penColour (pen 1; pen 3
// and a rule under a header band of that height when header > 0).
void DrawCanvasFrame(QImage& image, const QColor& fillColour, const QColor& penColour, int header);

// The width a stand picture is shown at: the picture width less one, and
// less the estate summary beside the pages in the narrow view.
int NarrowedPictureWidth(const TActForm* form);
// Places the four pictures of the stand-view and close-up pages in their
// panels (called by the layout).
void PlaceStandPictures(TActForm* form);
