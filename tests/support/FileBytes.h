#pragma once
// Whole files as bytes, and little-endian numbers inside them, for the tests
// of the file layouts.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace testsupport {

// The file's bytes; empty when it cannot be read.
inline QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  ASSERT_EQ(f.write(bytes), bytes.size());
}

inline std::int32_t I32At(const QByteArray& b, int at) {
  std::uint32_t u = 0;
  for (int k = 3; k >= 0; --k) u = (u << 8) | static_cast<unsigned char>(b[at + k]);
  return static_cast<std::int32_t>(u);
}

inline float F32At(const QByteArray& b, int at) {
  const auto u = static_cast<std::uint32_t>(I32At(b, at));
  float f;
  std::memcpy(&f, &u, 4);
  return f;
}

inline void PutI32(QByteArray& b, int at, std::int32_t v) {
  for (int k = 0; k < 4; ++k) b[at + k] = static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * k)) & 0xFF);
}

inline void PutF32(QByteArray& b, int at, float v) {
  std::uint32_t u;
  std::memcpy(&u, &v, 4);
  PutI32(b, at, static_cast<std::int32_t>(u));
}

}  // namespace testsupport
