#include "platform/Cp1252.h"

namespace platform {

namespace {
// Unicode code points of bytes 0x80..0x9F; the rest equal their byte value.
const char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};
}  // namespace

QChar Cp1252ToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return QChar(kHigh[byte - 0x80]);
  return QChar(static_cast<char16_t>(byte));
}

unsigned char UnicodeToCp1252(QChar ch) {
  const char16_t u = ch.unicode();
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<unsigned char>(u);
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] == u) return static_cast<unsigned char>(0x80 + i);
  return '?';
}

QString DecodeCp1252(const char* bytes, int length) {
  QString out;
  out.reserve(length);
  for (int i = 0; i < length; ++i) out.append(Cp1252ToUnicode(static_cast<unsigned char>(bytes[i])));
  return out;
}

QString DecodeCp1252(const QByteArray& bytes) { return DecodeCp1252(bytes.constData(), bytes.size()); }

QByteArray EncodeCp1252(const QString& text) {
  QByteArray out;
  out.reserve(text.size());
  for (QChar ch : text) out.append(static_cast<char>(UnicodeToCp1252(ch)));
  return out;
}

}  // namespace platform
