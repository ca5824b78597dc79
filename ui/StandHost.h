#pragma once
// The window that shows the open stand (the main window), as the windows
// below it reach it for what must answer or act before they go on. The main
// window implements it and sets itself as the session's host; without a host
// nothing is shown, deleted or changed (the defaults below).

#include <QColor>
#include <QSize>
#include <QString>

// How a stand comes into the main window (StandHost::ActivateStand).
enum ActivationMode : int {
  ActivateFromStandList = 0,    // a pick in the main window's stand list
  ActivateFromOpenDialog = 1,   // the open dialog
  ActivateNewStand = 2,         // a new stand from the measurement window
  ActivateRemeasuredStand = 3,  // changed measurements (rebuilt, written anew)
  ActivateChangedHeader = 4,    // changed header data only
};

class StandHost {
 public:
  virtual ~StandHost();
  // Shows the session's open stand (written first as a new file in modes 2
  // and 3); false when its file could not be written (the message shown).
  virtual bool ActivateStand(int /*mode*/) { return false; }
  // Asks, and deletes a stand file; true only when the file was deleted.
  virtual bool DeleteStand(const QString& /*path*/, const QString& /*identifier*/, bool /*modelEstate*/,
                           bool /*fromOpenWindow*/) {
    return false;
  }
  // The measurement window for the open stand's data; 1 when the changed
  // stand was saved.
  virtual int ChangeStandData() { return 0; }
  // The main window's size (as computed for the screen).
  virtual QSize WindowSize() const { return QSize(0, 0); }
  // The main window shown at a chosen size (the start window's choice).
  virtual void ResizeMainWindow(QSize /*target*/) {}
  // The start window placed over the main window.
  virtual void CentreStartWindow() {}
  // The main window's background in the given colour.
  virtual void SetWindowColor(const QColor& /*colour*/) {}
  // Row `row` of the main window's stand list as the list shows it (its
  // time point and unit), with `separator` between its parts; empty when
  // there is no such row.
  virtual QString ShownStandListRow(int /*row*/, const QString& /*separator*/) const { return QString(); }
};
