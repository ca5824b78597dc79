#pragma once
// Little-endian 32-bit fields of the program's binary files (stand files and
// "Settings.dat"), whatever the byte order of the machine.

#include <bit>
#include <cstdint>

namespace platform {

inline void StoreU32LE(char* p, std::uint32_t u) {
  p[0] = static_cast<char>(u & 0xFF);
  p[1] = static_cast<char>((u >> 8) & 0xFF);
  p[2] = static_cast<char>((u >> 16) & 0xFF);
  p[3] = static_cast<char>((u >> 24) & 0xFF);
}

inline std::uint32_t LoadU32LE(const char* p) {
  const auto* u = reinterpret_cast<const unsigned char*>(p);
  return static_cast<std::uint32_t>(u[0]) | (static_cast<std::uint32_t>(u[1]) << 8) |
         (static_cast<std::uint32_t>(u[2]) << 16) | (static_cast<std::uint32_t>(u[3]) << 24);
}

inline void StoreI32LE(char* p, std::int32_t v) { StoreU32LE(p, static_cast<std::uint32_t>(v)); }
inline std::int32_t LoadI32LE(const char* p) { return static_cast<std::int32_t>(LoadU32LE(p)); }

inline void StoreF32LE(char* p, float v) { StoreU32LE(p, std::bit_cast<std::uint32_t>(v)); }
inline float LoadF32LE(const char* p) { return std::bit_cast<float>(LoadU32LE(p)); }

}  // namespace platform
