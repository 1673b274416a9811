#include "wave_files.h"

#include <fstream>
#include <iterator>

namespace velmora::sound_test {
namespace {

void append_le(Bytes& bytes, std::uint32_t value, int count) {
  for (int i = 0; i < count; ++i) bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

void append_text(Bytes& bytes, const char* text) {
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<unsigned char>(text[i]));
}

}  // namespace

Bytes asset(const std::string& name) {
  std::ifstream file(std::string(VELMORA_ASSETS) + "/" + name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

Bytes wave_image(std::uint16_t format_tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
                 const Bytes& data) {
  const std::uint16_t block = channels * bits / 8;
  Bytes bytes;
  append_text(bytes, "RIFF");
  append_le(bytes, static_cast<std::uint32_t>(36 + data.size()), 4);
  append_text(bytes, "WAVE");
  append_text(bytes, "fmt ");
  append_le(bytes, 16, 4);
  append_le(bytes, format_tag, 2);
  append_le(bytes, channels, 2);
  append_le(bytes, rate, 4);
  append_le(bytes, rate * block, 4);
  append_le(bytes, block, 2);
  append_le(bytes, bits, 2);
  append_text(bytes, "data");
  append_le(bytes, static_cast<std::uint32_t>(data.size()), 4);
  bytes.insert(bytes.end(), data.begin(), data.end());
  return bytes;
}

Bytes pcm_image(std::size_t count) {
  Bytes data(count * 2);
  for (std::size_t i = 0; i < data.size(); i += 2) data[i] = static_cast<unsigned char>(i % 64);
  return wave_image(1, 1, 22050, 16, data);
}

void put_le32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

}  // namespace velmora::sound_test
