#include "estate/MapRules.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "platform/Files.h"
#include "texts/Actlan.h"

namespace {
constexpr int kMaxVisibleWidth = 1000;
constexpr int kMaxVisibleHeight = 700;
constexpr int kScrollBarRoom = 35;
}  // namespace

MapView MapViewFor(int w, int h) {
  const bool wide = w > kMaxVisibleWidth, high = h > kMaxVisibleHeight;
  MapView v;
  v.visibleWidth = std::min(w, kMaxVisibleWidth);
  v.visibleHeight = std::min(h, kMaxVisibleHeight);
  v.scrolled = wide || high;
  if (!v.scrolled) {
    v.extraWidth = v.extraHeight = 10;
  } else {
    // A scroll bar runs along the side that is cut, so the room is across it.
    v.extraWidth = high ? kScrollBarRoom : 0;
    v.extraHeight = wide ? kScrollBarRoom : 0;
  }
  return v;
}

int WholeMapWindowWidth(int imageWidth) { return std::max(370, imageWidth + 6); }

int ScrolledMapWindowWidth(int imageLeft, const MapView& v) {
  return std::max(370, imageLeft + v.visibleWidth + v.extraWidth);
}

int ScrolledMapWindowHeight(int captionHeight, int imageTop, const MapView& v) {
  return std::max(260, captionHeight + imageTop + v.visibleHeight + v.extraHeight);
}

MapView FitMapViewToScreen(MapView v, int pictureWidth, int pictureHeight, int imageLeft, int captionHeight,
                           int screenWidth, int screenHeight) {
  v.scrolled = true;
  // Each bar's room can make the other side too long once more: at most
  // three rounds settle it.
  for (int round = 0; round < 3; ++round) {
    v.visibleWidth -= std::max(0, ScrolledMapWindowWidth(imageLeft, v) - screenWidth);
    v.visibleHeight -= std::max(0, ScrolledMapWindowHeight(captionHeight, 0, v) - screenHeight);
    v.visibleWidth = std::max(1, v.visibleWidth);
    v.visibleHeight = std::max(1, v.visibleHeight);
    if (v.visibleWidth < pictureWidth) v.extraHeight = kScrollBarRoom;
    if (v.visibleHeight < pictureHeight) v.extraWidth = kScrollBarRoom;
  }
  return v;
}

QString MapFileLabel(const QString& path) {
  return QStringLiteral("karttatiedosto  :  ") + platform::FileNameOfPath(path);
}

QString ModelEstateMapPath(const QString& standFolder) {
  return platform::JoinPath(standFolder, ActlanText(71) + QStringLiteral(".jpg"));
}

bool SameFolder(const QString& a, const QString& b) {
  if (a.isEmpty() || b.isEmpty()) return false;
  const auto canonical = [](const QString& p) {
    const QString c = QFileInfo(p).canonicalFilePath();
    return c.isEmpty() ? QDir::cleanPath(p) : c;
  };
  return canonical(a) == canonical(b);
}
