#pragma once
// The program's application object: delivers every event and shows an
// exception that escapes an event handler instead of ending the program.

#include <QApplication>
#include <QString>
#include <QTranslator>

// Qt's own texts (file and print dialogs, the edits' context menus) are
// shown in Finnish, like everything else of the program.
class TApplication : public QApplication {
 public:
  TApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
  // True when Qt's Finnish texts were found and installed.
  bool FinnishQtTexts() const { return finnish_; }

 private:
  QTranslator qtTexts_;
  bool finnish_ = false;
};

// Shows an exception that an event handler let through (the message window
// with the program title and the exception's text); the event loop then
// goes on.
void ShowUnexpectedException(const QString& what);
