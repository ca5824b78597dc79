#pragma once
// A JPEG picture written by the tests (a green-brown gradient of the given
// size), encoded by the program's own encoder.
#include <QByteArray>
#include <QFile>
#include <QString>

#include "platform/Jpeg.h"

namespace testsupport {

inline QString WriteTestJpeg(const QString& path, int w, int h) {
  platform::DecodedPicture p{w, h, QByteArray(w * h * 3, '\0')};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      char* px = p.rgb.data() + (y * w + x) * 3;
      px[0] = static_cast<char>(60 + (x * 120) / w);
      px[1] = static_cast<char>(140 + (y * 80) / h);
      px[2] = static_cast<char>(70);
    }
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write(platform::EncodeJpeg(p, 85));
  return path;
}

}  // namespace testsupport
