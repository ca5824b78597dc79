// Writes the model estate "Mallitila" (its stand files and map) into the
// folder given as the only argument. Run by the build.

#include <QGuiApplication>

#include <cstdio>

#include "tools/modelestate/ModelEstate.h"
#include "ui/WindowHelpers.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  // The map's texts need the font machinery of a GUI application, never a
  // display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString folder = QString::fromLocal8Bit(argv[1]);
  QString error;
  if (!WriteModelEstate(folder, &error)) {
    std::fprintf(stderr, "model estate: %s\n", error.toLocal8Bit().constData());
    return 1;
  }
  return 0;
}
