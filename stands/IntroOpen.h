#pragma once
// Activating a stand: every way into the main window ends in ActivateStand.
// The estate stand list of the open stand's folder is rebuilt by
// OpenEstateFolder.

#include <QString>

#include <array>
#include <functional>

#include "model/Data.h"
#include "stands/EstateListRules.h"

class TIntroForm;

// How a stand comes into the main window.
enum ActivationMode : int {
  ActivateFromStandList = 0,     // a pick in the main window's stand list
  ActivateFromOpenDialog = 1,    // the open dialog
  ActivateNewStand = 2,          // a new stand from the measurement window
  ActivateRemeasuredStand = 3,   // changed measurements (rebuilt, written anew)
  ActivateChangedHeader = 4,     // changed header data only
};

// Records what a new or re-measured stand needs (phase 0, slot 0, the
// species ages) and writes its file to the start window's stand path
// (modes 2 and 3), then hides the start window and shows the main window for
// the stand; modes 1 to 4 have the estate stand list rebuilt. False (with the
// message shown, the start and main windows as they were) when the new file
// could not be written, or when no stand is open.
bool ActivateStand(TIntroForm* intro, int mode);

// Rebuilds the estate stand list from the main window's stand-file list
// and refreshes the estate views (time points, grid, chart, overview).
void OpenEstateFolder();

// Fills the main window's stand list from the estate stand list: the growing
// stock (withTimePoint clear) or, with the estate's removal at its time point
// given by removalAt for stand i, the cutting removal; as value or volume.
void FillMainStandList(bool withTimePoint, bool asValue,
                       const std::function<StandRemovalAtTimePoint(int)>& removalAt = {});

// The message of a stand file that cannot be used (or written), in the
// notice window; nothing for Ok.
void ShowStandFileProblem(StandFileStatus status, const QString& path);
