// Paints the program's pictures into a folder and writes the resource list
// that compiles them in:
//   norvalen_paint_pictures <folder> <resource list (.qrc)>
// Every picture is painted by code from a fixed seed, so a build makes the
// same pictures every time.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>
#include <QTextStream>

#include <cstdio>
#include <functional>
#include <vector>

#include "Pictures.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <picture folder> <resource list>\n", argv[0]);
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const QString list = QString::fromLocal8Bit(argv[2]);
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "cannot make the folder %s\n", argv[1]);
    return 1;
  }
  // The names the windows look the pictures up by.
  const std::vector<std::pair<const char*, std::function<QImage()>>> pictures = {
      {"MANTY1", [] { return PaintPine(false, false); }},
      {"MANTY11", [] { return PaintPine(true, false); }},
      {"MANTY2", [] { return PaintPine(false, true); }},
      {"KUUSI1", [] { return PaintSpruce(false, false); }},
      {"KUUSI11", [] { return PaintSpruce(true, false); }},
      {"KUUSI2", [] { return PaintSpruce(false, true); }},
      {"KOIVU1", [] { return PaintBirch(false, false); }},
      {"KOIVU11", [] { return PaintBirch(true, false); }},
      {"KOIVU2", [] { return PaintBirch(false, true); }},
      {"HAAPA1", [] { return PaintAspen(false); }},
      {"HAAPA2", [] { return PaintAspen(true); }},
      {"LEPPA1", [] { return PaintAlder(false); }},
      {"LEPPA2", [] { return PaintAlder(true); }},
      {"BG1", [] { return PaintSky(false); }},
      {"BG2", [] { return PaintSky(true); }},
      {"HIRVI1BITMAP", [] { return PaintMoose(true); }},
      {"HIRVI2BITMAP", [] { return PaintMoose(false); }},
  };
  QString qrc;
  QTextStream out(&qrc);
  out << "<RCC>\n  <qresource prefix=\"/pictures\">\n";
  const QString relative = QFileInfo(list).absoluteDir().relativeFilePath(folder);
  for (const auto& [name, paint] : pictures) {
    const QString file = QString::fromLatin1(name) + QStringLiteral(".png");
    if (!paint().save(folder + QLatin1Char('/') + file, "PNG")) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
      return 1;
    }
    out << "    <file alias=\"" << file << "\">" << relative << '/' << file << "</file>\n";
  }
  out << "  </qresource>\n</RCC>\n";
  out.flush();
  QFile f(list);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(qrc.toUtf8()) != qrc.toUtf8().size()) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
