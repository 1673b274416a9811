// The pictures the window's first paint shows (the empty squares, the pieces
// of the opening line-up, the tatami tile and the title), kept in the program
// as raw pixels in every rendering (1 to FINEST_RENDERING), so that they are pasted without decoding
// their PNG files. The build makes the table from those files with
// tools/raw_pictures; the other pictures are decoded when first drawn.
#pragma once

#include <cstdint>
#include <span>

namespace velmora::platform {

struct RawPicture {
  const char* name;  // as in ":/pictures/<name>.png"
  int rendering;
  int width;
  int height;
  const std::uint32_t* pixels;  // 32-bit RGB (0xffRRGGBB), row after row
};

std::span<const RawPicture> raw_pictures();

}  // namespace velmora::platform
