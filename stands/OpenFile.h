#pragma once
// Opening a stand: a stand file is probed and previewed in the open-stand
// window first (OpenStandFile); once the user confirms, LoadStandFile reads
// it into a new stand object, makes it the session's open stand and has the
// main window activate it (StandHost::ActivateStand). These are the
// open-stand window's ways in: the start window's stand-list button, the
// main window's stand list and its change of the list.

#include <QString>

#include <array>

#include "model/Data.h"

// Probes the stand file at path and shows it in the open-stand window, with
// the folder's stand list when showList is set. Returns the tree count of the
// stand the user opened (0 or more), -1 when the file cannot be read (the
// unreadable-file message is shown) or the user did not open it, -2 when the
// window closed after its last stand was deleted. The file the user opened is
// the window's PreviewPath (it may be another file of the list).
int OpenStandFile(const QString& path, bool showList, bool fromDialog);

// Reads the stand file into a new stand object that replaces the open one and
// activates it (mode 1 from the dialog, else 0). The file is checked whole
// first: when it cannot be read the message is shown, the open stand stays
// and false is returned.
bool LoadStandFile(int treeCount, const QString& path, bool fromDialog);

// A click in the main window's stand list: the stand previewed without the
// list, opened when the user confirms. Returns as OpenStandFile.
int OpenStand(const QString& path);

// The folder the open dialog (but for a change of the stand list) and the
// measurement window's save dialog start in: the estate folder of the stand
// opened last, which stays the estate's after that stand was deleted; the
// estates folder before any stand was opened.
QString StandDialogFolder();

// The open dialog: the start window's stand-list button (changeList false)
// and the main window's change of the stand list (true).
void OpenStandByDialog(bool changeList);

// Shows the open-stand window modally over a hidden main window; returns its
// result (1 Open, 2 Close, 3 the shown stand deleted).
int ShowOpenWindowModal();

// The open stand's data in the open-stand window (its stand-data mode).
int DrawStandPicture(int treeCount, const std::array<SpeciesBlock, kSpeciesSlots>& blocks, const StandHeader& header);
