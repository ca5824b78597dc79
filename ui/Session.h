#pragma once
// The session: what the windows share for the whole run, below all of them.
// It holds the open stand, its file, the program and estates folders, the
// estate of the open stand (its folder, stand files, records and time points)
// and the few states of the main window that the dialogs read. The main
// window keeps it current; every other window reads it here, never from the
// main window's controls.
//
// A window below the main window asks it for something in one of two ways:
//   - a request that needs no answer is a signal of the session, which the
//     main window connects with a direct connection (the request is carried
//     out at once, in the order the emits come);
//   - what must answer or act before the caller goes on goes through the
//     session's StandHost (ui/StandHost.h), which the main window implements.
//
// One session exists while the windows exist (TheSession, made and deleted
// with them).

#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>

#include "model/Data.h"
#include "model/Estate.h"

class StandHost;
class TFileListBox;

class Session : public QObject {
  Q_OBJECT
 public:
  Session();
  ~Session() override;

  // ---- The open stand ----
  // The open stand, or none before the first stand is opened.
  std::unique_ptr<::data> CurrentStand;
  // The path of its stand file.
  QString StandPath;
  // The program folder (the working directory at start).
  QString ProgramFolder;

  // ---- The estate of the open stand ----
  // The folder the estate views show.
  QString EstateFolder;
  // The stand files of the estate folder (hidden list), the open stand's
  // file the current row. Owned by the session.
  TFileListBox* StandFiles = nullptr;
  // One record per stand file, in the order of StandFiles (record i is row
  // i).
  EstateRecordList EstateRecords;
  // The estate's time points, rebuilt with the records.
  EstateTimePoints TimePoints;
  // The rows of the main window's stand list and its current row (-1 none).
  QStringList StandListRows;
  int StandListRow = -1;
  // The estate stand list with its time points, as the estate rules read it.
  Estate CurrentEstate() const { return Estate{EstateRecords, TimePoints}; }

  // ---- What the main window shows, as the dialogs read it ----
  bool NewForestButtonShown = false;  // the regeneration cost estimate's button
  bool ThinningStageChosen = false;   // the cutting-stage list shows thinnings
  bool OverviewPageShown = false;     // the dot maps and overview charts page
  bool ForecastInfoShown = false;     // the estate chart's "info" panel

  // What must answer at once (the main window; none before it exists).
  StandHost* Host = nullptr;

 signals:
  // The main window's mode: 0 behind a dialog, 1 back in use, 2 while a
  // stand is built for it.
  void mainWindowModeRequested(int mode);
  // The estate panel emptied and pointed at a stand file's folder.
  void estatePanelResetRequested(const QString& fileName, const QString& folder);
  // The question about differing measurement years (an empty year text: the
  // stands were measured in different years).
  void measurementYearsCheckRequested(const QString& yearText);
  // The settings were read at start: captions in the currency, the wide view
  // off.
  void settingsRead();
  // The start window was closed: the program ends.
  void programEndRequested();
  // The estate overview window over the main window.
  void estateOverviewRequested();
  // The regeneration cost estimate was stored for the stand: the stand is
  // changed, the new-forest caption and the recommendation follow.
  void regenerationEstimateStored();
  // The new-forest caption tells the estimate anew.
  void newForestCaptionOutdated();
};

extern Session* TheSession;

// The session's StandHost (the main window), or nullptr.
StandHost* SessionHost();
// The main window's size (0 x 0 before there is one), by which the stand
// pictures are scaled.
QSize HostWindowSize();

// The open stand, or nullptr while none is open (or before the session is
// made). Every window reaches the stand through this.
::data* OpenedStand();

// The folder that holds the program folder.
QString ProgramParentFolder();
// The estates folder beside the program folder ("Metsätilat").
QString EstatesFolder();
