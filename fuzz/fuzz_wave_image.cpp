// Wave-file images of any bytes handed to the sound library the way the game
// hands them: through its Sound port, which checks the RIFF header against
// the image's length, to dsCreateDSB on SDL's dummy audio driver. Nothing
// may be read outside the image, and a buffer may only be made from an image
// that is a RIFF/WAVE whose chunks, "fmt " and "data" among them, fit.
#include "sound/wave_image.h"

#include <cstdlib>
#include <vector>

#include "fuzz_check.h"
#include "platform/library_sound.h"

namespace velmora::fuzz {
namespace {

struct Output {
  LibrarySound sound{VELMORA_SOUND_LIBRARY_DIR};
  int device = 0;
};

Output& output() {
  static Output* const out = [] {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    auto* made = new Output;
    made->device = made->sound.dsInitialize(0);
    require(made->device != 0, "no sound output opens on the dummy driver");
    return made;
  }();
  return *out;
}

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  velmora::fuzz::output();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora;
  fuzz::Output& out = fuzz::output();
  const std::vector<unsigned char> image(data, data + size);
  // Music and effects are made alike; the image's length picks one.
  const int flags = size % 2 == 0 ? 1 : 3;
  const int buffer = out.sound.dsCreateDSB(out.device, image, flags);
  if (buffer == 0) return 0;
  fuzz::require(wave::header_fits(image.data(), image.size()),
                "a buffer was made from an image shorter than its header says");
  fuzz::require(wave::chunks_fit(image.data(), wave::stated_size(image.data())),
                "a buffer was made from an image whose chunks do not fit");
  out.sound.dsFree(buffer);
  return 0;
}
