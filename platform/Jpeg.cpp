#include "platform/Jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

extern "C" {
#include <jpeglib.h>
#include <jerror.h>
}

namespace platform {

namespace {

// libjpeg's own error handler ends the process; ours jumps back to the call
// that started the decoding, with the library's message kept.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
  bool truncated;
};

void ErrorExit(j_common_ptr info) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, manager->message);
  std::longjmp(manager->jump, 1);
}

// Nothing is printed. Of the warnings, the end of the data in the middle of
// the picture is remembered: libjpeg would fill the missing rows with grey,
// but a map cut short is refused as unreadable.
void EmitMessage(j_common_ptr info, int level) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) manager->truncated = true;
}

void InstallErrorManager(ErrorManager& manager, j_common_ptr info) {
  info->err = jpeg_std_error(&manager.base);
  manager.base.error_exit = ErrorExit;
  manager.base.emit_message = EmitMessage;
  manager.message[0] = '\0';
  manager.truncated = false;
}

// Adobe CMYK and YCCK pictures are stored inverted.
void CmykRowToRgb(const unsigned char* cmyk, unsigned char* rgb, int width) {
  for (int x = 0; x < width; ++x) {
    const int k = cmyk[4 * x + 3];
    for (int c = 0; c < 3; ++c) rgb[3 * x + c] = static_cast<unsigned char>(cmyk[4 * x + c] * k / 255);
  }
}

bool Fail(QString* error, const QString& reason, JpegFailure* failure, JpegFailure kind) {
  if (error) *error = reason;
  if (failure) *failure = kind;
  return false;
}

}  // namespace

bool LooksLikeJpeg(const QByteArray& bytes) {
  return bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
         static_cast<unsigned char>(bytes[1]) == 0xD8 && static_cast<unsigned char>(bytes[2]) == 0xFF;
}

bool DecodeJpeg(const QByteArray& bytes, DecodedPicture& picture, QString* error, JpegFailure* failure) {
  picture = DecodedPicture{};
  if (failure) *failure = JpegFailure::None;
  if (!LooksLikeJpeg(bytes)) return Fail(error, QStringLiteral("not a JPEG file"), failure, JpegFailure::NotJpeg);

  jpeg_decompress_struct info{};
  ErrorManager manager;
  InstallErrorManager(manager, reinterpret_cast<j_common_ptr>(&info));
  // The jump back skips no destructor: every object with one is made before
  // it, and the result is built in picture itself.
  QByteArray cmykRow;
  if (setjmp(manager.jump)) {
    jpeg_destroy_decompress(&info);
    picture = DecodedPicture{};
    return Fail(error, QString::fromLocal8Bit(manager.message), failure,
                manager.truncated ? JpegFailure::Truncated : JpegFailure::Corrupt);
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
               static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);

  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  const long long pixels = static_cast<long long>(info.image_width) * info.image_height;
  if (info.image_width == 0 || info.image_height == 0) {
    jpeg_destroy_decompress(&info);
    return Fail(error, QStringLiteral("picture without pixels"), failure, JpegFailure::Corrupt);
  }
  if (pixels > kMaxJpegPixels) {
    jpeg_destroy_decompress(&info);
    return Fail(error, QStringLiteral("picture too large"), failure, JpegFailure::TooLarge);
  }
  jpeg_start_decompress(&info);

  const int width = static_cast<int>(info.output_width);
  const int height = static_cast<int>(info.output_height);
  picture.width = width;
  picture.height = height;
  picture.rgb = QByteArray(static_cast<qsizetype>(pixels) * 3, Qt::Uninitialized);
  if (cmyk) cmykRow.resize(static_cast<qsizetype>(width) * 4);
  while (info.output_scanline < info.output_height) {
    auto* target = reinterpret_cast<unsigned char*>(picture.rgb.data()) +
                   static_cast<qsizetype>(info.output_scanline) * width * 3;
    unsigned char* row = cmyk ? reinterpret_cast<unsigned char*>(cmykRow.data()) : target;
    if (jpeg_read_scanlines(&info, &row, 1) != 1) break;
    if (cmyk) CmykRowToRgb(row, target, width);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  if (manager.truncated) {
    picture = DecodedPicture{};
    return Fail(error, QStringLiteral("the file ends in the middle of the picture"), failure, JpegFailure::Truncated);
  }
  return true;
}

QByteArray EncodeJpeg(const DecodedPicture& picture, int quality) {
  if (picture.width <= 0 || picture.height <= 0 ||
      picture.rgb.size() != static_cast<qsizetype>(picture.width) * picture.height * 3)
    return {};
  jpeg_compress_struct info{};
  ErrorManager manager;
  InstallErrorManager(manager, reinterpret_cast<j_common_ptr>(&info));
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  if (setjmp(manager.jump)) {
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return {};
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(picture.width);
  info.image_height = static_cast<JDIMENSION>(picture.height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality < 1 ? 1 : (quality > 100 ? 100 : quality), TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    auto* row = reinterpret_cast<unsigned char*>(const_cast<char*>(picture.rgb.constData())) +
                static_cast<qsizetype>(info.next_scanline) * picture.width * 3;
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  QByteArray out(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return out;
}

}  // namespace platform
