#pragma once
// Opening and activating a stand: every way into the main window ends in
// ActivateStand. A stand file is probed and previewed in the open-stand
// window first (OpenStandFile); once the user confirms, LoadStandFile reads
// it into a new stand object and activates it. The estate stand list of the
// open stand's folder is rebuilt by OpenEstateFolder.

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

// Probes the stand file at path and shows it in the open-stand window, with
// the folder's stand list when showList is set. Returns the tree count of the
// stand the user opened (0 or more), -1 when the file cannot be read (the
// unreadable-file message is shown) or the user did not open it, -2 when the
// window closed after its last stand was deleted. The file the user opened is
// the window's PreviewPath (it may be another file of the list).
int OpenStandFile(TIntroForm* intro, const QString& path, bool showList, bool fromDialog);

// Reads the stand file into a new stand object that replaces the open one and
// activates it (mode 1 from the dialog, else 0). The file is checked whole
// first: when it cannot be read the message is shown, the open stand stays
// and false is returned.
bool LoadStandFile(TIntroForm* intro, int treeCount, const QString& path, bool fromDialog);

// A click in the main window's stand list: the stand previewed without the
// list, opened when the user confirms. Returns as OpenStandFile.
int OpenStand(TIntroForm* intro, const QString& path);

// The open dialog: the start window's stand-list button (changeList false)
// and the main window's change of the stand list (true).
void OpenStandByDialog(TIntroForm* intro, bool changeList);

// Shows the open-stand window modally over a hidden main window; returns its
// result (1 Open, 2 Close, 3 the shown stand deleted).
int ShowOpenWindowModal();

// The open stand's data in the open-stand window (its stand-data mode).
int DrawStandPicture(TIntroForm* intro, int treeCount, const std::array<SpeciesBlock, kSpeciesSlots>& blocks,
                     const StandHeader& header);

// Rebuilds the estate stand list from the main window's stand-file list
// and refreshes the estate views (time points, grid, chart, overview).
void OpenEstateFolder();

// Fills the main window's stand list from the estate stand list: the growing
// stock (withTimePoint clear) or, with the estate's removal at its time point
// given by removalAt for stand i, the cutting removal; as value or volume.
void FillMainStandList(bool withTimePoint, bool asValue,
                       const std::function<StandRemovalAtTimePoint(int)>& removalAt = {});

// The message of a stand file that cannot be read, in the notice window;
// nothing for Ok.
void ShowStandFileProblem(StandFileStatus status, const QString& path);
