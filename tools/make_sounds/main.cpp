// Writes the game's six wave files into the folder given on the command line.
#include <filesystem>
#include <iostream>

#include "sounds.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_sounds OUTPUT_FOLDER\n";
    return 2;
  }
  struct WaveFile {
    const char* name;
    make_sounds::Signal (*make)();
  };
  const WaveFile files[] = {
      {"その他.wav", make_sounds::soft_chime},      {"禁止.wav", make_sounds::low_buzz},
      {"駒打音.wav", make_sounds::wooden_click},    {"チェス打音.wav", make_sounds::felt_tap},
      {"消滅.wav", make_sounds::descending_whoosh}, {"BGM.wav", make_sounds::music_loop},
  };
  const std::filesystem::path folder = argv[1];
  for (const WaveFile& file : files) {
    const std::string path = (folder / file.name).string();
    if (!make_sounds::write_wave(path, file.make())) {
      std::cerr << "make_sounds: cannot write " << path << "\n";
      return 1;
    }
  }
  return 0;
}
