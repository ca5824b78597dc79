// JPEG pictures: what the encoder writes decodes back to the same picture
// (within JPEG's loss), and every broken file returns with a reason.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/Jpeg.h"

namespace {

// A picture of four coloured quarters, so a decoded picture that is turned,
// mirrored or shifted is seen.
platform::DecodedPicture Quarters(int width, int height) {
  platform::DecodedPicture p{width, height, QByteArray(width * height * 3, '\0')};
  for (int i = 0; i < width * height; ++i) {
    const bool right = i % width >= width / 2, low = i / width >= height / 2;
    p.rgb[3 * i] = static_cast<char>(right ? 230 : 20);
    p.rgb[3 * i + 1] = static_cast<char>(low ? 200 : 40);
    p.rgb[3 * i + 2] = static_cast<char>(right != low ? 180 : 60);
  }
  return p;
}

int Channel(const platform::DecodedPicture& p, int x, int y, int c) {
  return static_cast<unsigned char>(p.rgb[(y * p.width + x) * 3 + c]);
}

}  // namespace

TEST(Jpeg, EncodedPictureDecodesToItsSizeAndColours) {
  for (auto [w, h] : {std::pair{64, 48}, {37, 21}, {1, 1}}) {
    const platform::DecodedPicture source = Quarters(w, h);
    const QByteArray file = platform::EncodeJpeg(source, 95);
    ASSERT_TRUE(platform::LooksLikeJpeg(file));
    platform::DecodedPicture decoded;
    QString error;
    ASSERT_TRUE(platform::DecodeJpeg(file, decoded, &error)) << error.toStdString();
    ASSERT_EQ(std::pair(decoded.width, decoded.height), std::pair(w, h));
    ASSERT_EQ(decoded.rgb.size(), w * h * 3);
    // The middle of each quarter, away from the blocks on its edges.
    for (auto [x, y] : {std::pair{w / 4, h / 4}, {3 * w / 4, h / 4}, {w / 4, 3 * h / 4}, {3 * w / 4, 3 * h / 4}})
      for (int c = 0; c < 3; ++c)
        EXPECT_NEAR(Channel(decoded, x, y, c), Channel(source, x, y, c), 12) << w << " " << x << "," << y;
  }
}

TEST(Jpeg, BrokenFilesReturnWithAReasonAndNoPicture) {
  const QByteArray good = platform::EncodeJpeg(Quarters(64, 64), 90);
  QByteArray corrupt = good;
  // Destroy the frame header's marker after the start of image.
  for (int i = 2; i < corrupt.size() && i < 400; ++i) corrupt[i] = static_cast<char>(0xFF);
  const struct {
    const char* what;
    QByteArray bytes;
  } cases[] = {
      {"empty", QByteArray()},
      {"not a JPEG", QByteArray("GIF89a....")},
      {"start marker only", QByteArray("\xFF\xD8\xFF", 3)},
      {"header cut", good.left(good.size() / 10)},
      {"cut in the picture data", good.left(good.size() * 2 / 3)},
      {"markers destroyed", corrupt},
  };
  for (const auto& c : cases) {
    platform::DecodedPicture decoded{5, 5, QByteArray(75, 'x')};
    QString error;
    EXPECT_FALSE(platform::DecodeJpeg(c.bytes, decoded, &error)) << c.what;
    EXPECT_FALSE(error.isEmpty()) << c.what;
    EXPECT_EQ(std::tuple(decoded.width, decoded.height, decoded.rgb.size()), std::tuple(0, 0, 0)) << c.what;
  }
}

TEST(Jpeg, PictureAboveThePixelLimitIsRefusedBeforeDecoding) {
  // A header claiming 65000 x 65000 pixels: refused from the header alone.
  QByteArray file = platform::EncodeJpeg(Quarters(16, 16), 90);
  const int sof = file.indexOf(QByteArray("\xFF\xC0", 2));
  ASSERT_GT(sof, 0);
  for (int i : {5, 7}) {
    file[sof + i] = static_cast<char>(0xFD);
    file[sof + i + 1] = static_cast<char>(0xE8);
  }
  platform::DecodedPicture decoded;
  QString error;
  EXPECT_FALSE(platform::DecodeJpeg(file, decoded, &error));
  EXPECT_EQ(error, "picture too large");
  EXPECT_TRUE(platform::EncodeJpeg(platform::DecodedPicture{2, 2, QByteArray(5, 'x')}, 90).isEmpty());
}
