// The map picture decoder on arbitrary bytes: every input returns, either
// with a picture whose size matches its pixels or with nothing.
#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/Jpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  if (size > 1 << 20) return 0;
  const QByteArray input(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
  platform::DecodedPicture picture;
  QString error;
  if (platform::DecodeJpeg(input, picture, &error)) {
    if (picture.width <= 0 || picture.height <= 0) std::abort();
    if (picture.rgb.size() != static_cast<qsizetype>(picture.width) * picture.height * 3) std::abort();
  } else if (picture.width != 0 || !picture.rgb.isEmpty() || error.isEmpty()) {
    std::abort();
  }
  return 0;
}
