// The program entry: creates every window once, the main window first, and
// runs the event loop until the main window closes.
#include "ui/Application.h"
#include <QGuiApplication>
#include <QMessageBox>
#include <exception>

#include "mainwindow/Acts.h"
#include "ui/WindowHelpers.h"
#include "app/Startup.h"
#include "texts/Commonlan.h"

int main(int argc, char** argv) {
  TApplication app(argc, argv);
  int rc = 0;
  try {
    InstallFontSubstitutions();
    ReadScreenMetrics(QGuiApplication::primaryScreen());
    CreateApplicationWindows();
    ActForm->show();
    rc = app.exec();
  } catch (const std::exception& e) {
    QMessageBox::critical(nullptr, CommonlanText(0), QString::fromLocal8Bit(e.what()));
  } catch (...) {
    QMessageBox::critical(nullptr, CommonlanText(0), QString());
  }
  DestroyApplicationWindows();
  return rc;
}
