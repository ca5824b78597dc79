#pragma once
// Texts of the main window's stand commands and help buttons, as plain
// functions (no widget).

#include <QString>
#include <QStringList>

// The areas of the main window with a help button ("Ohje").
enum class HelpArea {
  StandList,  // the estate stand list and stand database
  StandCard,  // the stand card and its operations
  StandView,  // the stand-view page
  Overview,   // the overview page
};
struct HelpText {
  QString caption;
  QStringList lines;  // one line may hold several sentences
};
// The help text of an area; the stand areas name the open stand (its title
// with "Kuvio"), the stand list does not.
HelpText MainWindowHelp(HelpArea area, const QString& standTitle);

// The notice of the stand card's info panel, shown instead of the cutting
// stage for a stand without trees to cut: a small seedling stand, or a
// treeless area.
struct NoticeText {
  QString caption;
  QString line;
};
NoticeText StandInfoNotice(int developmentClass);
// The short caption the info panel shows for the class.
QString StandInfoPanelCaption(int developmentClass);

// The busy text of a click in the stand list: "kuvio" and the stand's name
// (the file name of the path without the program's suffix).
QString StandListBusyText(const QString& path);
