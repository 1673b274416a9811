// Wave-file images for the sound tests: the game's own files and small
// hand-made ones.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmora::sound_test {

using Bytes = std::vector<unsigned char>;

inline const char* const GAME_SOUNDS[] = {"その他.wav",     "禁止.wav", "駒打音.wav",
                                          "チェス打音.wav", "消滅.wav", "BGM.wav"};

// The bytes of a file in the game's assets folder.
Bytes asset(const std::string& name);

// A RIFF/WAVE image with a format chunk and a data chunk holding `data`.
Bytes wave_image(std::uint16_t format_tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
                 const Bytes& data);

// `count` frames of quiet 16-bit mono PCM at 22050 Hz.
Bytes pcm_image(std::size_t count);

void put_le32(Bytes& bytes, std::size_t at, std::uint32_t value);

}  // namespace velmora::sound_test
