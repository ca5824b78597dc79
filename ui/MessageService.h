#pragma once
// The one way by which every window shows the shared message windows (notice,
// question, message, help text, about) and the file dialogs.
//
// A test installs a MessageScript: the windows are then filled and laid out
// as usual but not shown; every showing is recorded (kind, caption, lines)
// and questions and file dialogs take their answers from the script.
//
//   MessageScript script;
//   script.Answer(1);                       // the next question says yes
//   ... run the handler ...
//   EXPECT_EQ(script.Records().at(0).lines.at(0), "...");

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

class QWidget;

enum class MessageKind { Notice, Question, Message, HelpText, About, OpenFile, SaveFile, Folder, Busy, SystemBox };

struct MessageRecord {
  MessageKind kind = MessageKind::Notice;
  QString caption;
  QStringList lines;      // the lines shown (help text: every line)
  QString yesCaption;     // questions only
  QString closeCaption;   // questions only
  QString folder;         // file dialogs: the start folder
  QString filter;         // file dialogs
  int result = 0;         // questions: 1 yes, 2 close; file dialogs: 1 chosen, 0 cancelled
  QString path;           // file dialogs: the path chosen
  // Caption and lines joined with blanks, for searching.
  QString Text() const;
};

class MessageScript {
 public:
  MessageScript();
  ~MessageScript();
  MessageScript(const MessageScript&) = delete;
  MessageScript& operator=(const MessageScript&) = delete;

  // Queues the modal result of the next question (1 yes, 2 close); without a
  // queued answer a question is closed (2).
  void Answer(int modalResult);
  // Queues the path the next file dialog returns (empty: cancelled); without
  // a queued path a file dialog is cancelled.
  void AnswerFile(const QString& path);
  // Called at each showing, after the window is laid out (the window is the
  // message window, or nullptr for file dialogs and the busy display).
  void OnShow(std::function<void(const MessageRecord&, QWidget* window)> fn);

  const std::vector<MessageRecord>& Records() const { return records_; }
  int Count(MessageKind kind) const;
  // The last record of a kind (a default record when there is none).
  MessageRecord Last(MessageKind kind) const;
  // True when some record's Text() contains the fragment.
  bool Contains(const QString& fragment) const;
  void Clear() { records_.clear(); }

 private:
  friend struct MessageServiceAccess;
  std::deque<int> answers_;
  std::deque<QString> files_;
  std::vector<MessageRecord> records_;
  std::function<void(const MessageRecord&, QWidget*)> onShow_;
};

// Creates the message windows that do not exist yet (start-up creates them in
// its own order; this serves tests and early calls).
void EnsureMessageWindows();

// The notice window: caption and one line.
void ShowNotice(const QString& caption, const QString& line);
// The question window: returns 1 for yes, 2 for close (also every other way
// of closing). A null yes or close caption keeps the window's layout caption
// ("Kyllä" / "Sulje"); an empty yes caption hides the yes button.
int ShowQuestion(const QString& caption, const QString& line1, const QString& line2,
                 const QString& yesCaption = QString(), const QString& closeCaption = QString());
inline bool AskYes(const QString& caption, const QString& line1, const QString& line2,
                   const QString& yesCaption = QString(), const QString& closeCaption = QString()) {
  return ShowQuestion(caption, line1, line2, yesCaption, closeCaption) == 1;
}
// The message window: caption and two centred lines.
void ShowMessage(const QString& caption, const QString& line1, const QString& line2);
// The help-text window: caption and the lines of a text.
void ShowHelpText(const QString& caption, const QStringList& lines);
// The about box.
void ShowAboutBox();

// File dialogs; an empty result means cancelled. An open dialog with a
// default suffix gives a name typed without an extension that suffix.
QString OpenFileDialog(QWidget* parent, const QString& caption, const QString& folder,
                       const QString& filter, const QString& defaultSuffix = QString());
QString SaveFileDialog(QWidget* parent, const QString& caption, const QString& folder,
                       const QString& filter);
QString FolderDialog(QWidget* parent, const QString& caption, const QString& folder);

// The platform's own message box, used only by the screen test at start
// before any window of the program is shown: an OK box, or a Yes / No box
// (yesNo). Returns 1 for OK or Yes, 2 for No. Scripted answers as questions
// (without one: OK, or No).
int SystemMessageBox(const QString& caption, const QString& text, bool yesNo);

// Recorded by the busy display so that tests see its text.
void RecordBusyDisplay(const QString& text);

// True while a script is installed.
bool MessagesScripted();
