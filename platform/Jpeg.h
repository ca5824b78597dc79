#pragma once
// JPEG pictures decoded with libjpeg, for the map window. Every failure
// (not a JPEG, truncated, corrupt, too large) returns to the caller with a
// reason; nothing ends the program.

#include <QByteArray>
#include <QString>

namespace platform {

// A decoded picture: width x height pixels, 3 bytes (red, green, blue) a
// pixel, rows from the top, no padding.
struct DecodedPicture {
  int width = 0;
  int height = 0;
  QByteArray rgb;
};

// The largest picture decoded, in pixels (about 200 MB of pixels): a map
// bigger than this is refused rather than exhausting the memory.
constexpr long long kMaxJpegPixels = 64LL * 1024 * 1024;

// True when the bytes start with the JPEG start-of-image marker.
bool LooksLikeJpeg(const QByteArray& bytes);

// Why a JPEG file was not decoded.
enum class JpegFailure {
  None,
  NotJpeg,    // no start-of-image marker
  TooLarge,   // a sound header, but more than kMaxJpegPixels pixels
  Truncated,  // the file ends in the middle of the picture
  Corrupt,    // anything else libjpeg refuses
};

// Decodes the bytes of a JPEG file. On failure returns false, leaves picture
// empty, puts libjpeg's reason (or our own) into error and the kind of the
// failure into failure when given.
bool DecodeJpeg(const QByteArray& bytes, DecodedPicture& picture, QString* error = nullptr,
                JpegFailure* failure = nullptr);

// Encodes a picture as a baseline JPEG of the given quality (1..100); empty
// on failure. Used by the tools that draw the model estate's map and by
// tests.
QByteArray EncodeJpeg(const DecodedPicture& picture, int quality);

}  // namespace platform
