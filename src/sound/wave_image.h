// Checks of RIFF/WAVE file images held in memory, shared by the sound
// library and the game's loader of it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace velmora::wave {

// "RIFF", the size of the rest, "WAVE".
inline constexpr std::size_t HEADER_SIZE = 12;
inline constexpr std::size_t CHUNK_HEADER_SIZE = 8;

inline std::uint32_t read_le32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// The whole length of the image as its RIFF header states it, or 0 when the
// first HEADER_SIZE bytes are no RIFF/WAVE header. Reads those bytes only.
inline std::size_t stated_size(const unsigned char* head) {
  if (std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "WAVE", 4) != 0) return 0;
  const std::uint32_t rest = read_le32(head + 4);
  if (rest < HEADER_SIZE - 8) return 0;
  return static_cast<std::size_t>(rest) + 8;
}

// True when `available` bytes hold the whole image their header promises.
inline bool header_fits(const unsigned char* bytes, std::size_t available) {
  if (available < HEADER_SIZE) return false;
  const std::size_t size = stated_size(bytes);
  return size != 0 && size <= available;
}

// True when every chunk of the image lies wholly inside its `size` bytes and
// both a "fmt " and a "data" chunk are there. Reads nothing past `size`.
inline bool chunks_fit(const unsigned char* image, std::size_t size) {
  bool has_format = false, has_data = false;
  std::size_t at = HEADER_SIZE;
  while (at + CHUNK_HEADER_SIZE <= size) {
    const unsigned char* id = image + at;
    const std::size_t length = read_le32(image + at + 4);
    at += CHUNK_HEADER_SIZE;
    if (length > size - at) return false;
    has_format = has_format || std::memcmp(id, "fmt ", 4) == 0;
    has_data = has_data || std::memcmp(id, "data", 4) == 0;
    at += length + (length & 1);  // chunks are padded to an even length
  }
  return has_format && has_data;
}

}  // namespace velmora::wave
