#pragma once
// The program's application object: delivers every event and shows an
// exception that escapes an event handler instead of ending the program.

#include <QApplication>
#include <QString>

class TApplication : public QApplication {
 public:
  TApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// Shows an exception that an event handler let through (the message window
// with the program title and the exception's text); the event loop then
// goes on.
void ShowUnexpectedException(const QString& what);
