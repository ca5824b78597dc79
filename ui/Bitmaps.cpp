#include "ui/Bitmaps.h"

#include <QDir>
#include <QStringList>

// The pictures live in a library of their own; asking for its resources
// once keeps the linker from leaving them out of the program. (Outside any
// namespace: the resource's initializer is a global function.)
static bool InitPictureResources() {
  Q_INIT_RESOURCE(pictures);
  return true;
}

namespace {

void EnsurePictureResources() {
  static const bool once = InitPictureResources();
  (void)once;
}

const QString kFolder = QStringLiteral(":/pictures/");

}  // namespace

QImage LoadBitmapResource(const QString& name) {
  EnsurePictureResources();
  QImage image(kFolder + name + QStringLiteral(".png"));
  if (image.isNull()) return image;
  return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QStringList BitmapResourceNames() {
  EnsurePictureResources();
  QStringList names;
  for (const QString& file : QDir(kFolder).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name))
    names << file.chopped(4);
  return names;
}
