#pragma once
// The main window's stand pictures: the stand as measured and after the
// recorded steps on its stand-view page (Image3, Image1) and close-up page
// (Image10, Image9). The renderer is ui/StandPicture.h.

class TActForm;
class TCanvas;

// Draws the open stand into a picture control of the main window: winter and
// the tree group from the stand view's boxes, the basal area of the measured
// or the grown state. The picture is drawn at the full picture width and then
// shown at the narrowed width of the view.
void DrawStandPictureInto(TActForm* form, TCanvas* image, bool before, bool removal, bool closeUp);

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

// The width a stand picture is shown at: the picture width less one, and
// less the estate summary beside the pages in the narrow view.
int NarrowedPictureWidth(const TActForm* form);
// Places the four pictures of the stand-view and close-up pages in their
// panels (called by the layout).
void PlaceStandPictures(TActForm* form);
