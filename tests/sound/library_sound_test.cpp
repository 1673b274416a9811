#include "platform/library_sound.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "wave_files.h"

namespace velmora::sound_test {
namespace {

constexpr int EFFECT = 3;

// A fresh folder, removed again at the end of the test.
class Folder {
 public:
  Folder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velmora_library_XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path = pattern;
  }
  ~Folder() { std::filesystem::remove_all(path); }
  std::filesystem::path path;
};

// Calls every function of the port; none may fail or crash.
void use_every_call(Sound& sound) {
  const int device = sound.dsInitialize(0);
  const int buffer = sound.dsCreateDSB(device, asset("禁止.wav"), EFFECT);
  EXPECT_EQ(device, 0);
  EXPECT_EQ(buffer, 0);
  sound.dsPlay(buffer);
  sound.dsPlayLooping(buffer);
  sound.dsStop(buffer);
  sound.dsSetVolume(buffer, 50);
  sound.dsFree(buffer);
  sound.dsTerminate(device);
}

TEST(LibrarySound, PlaysThroughTheLibraryBuiltBesideTheGame) {
  LibrarySound sound(VELMORA_SOUND_LIBRARY_DIR);
  ASSERT_TRUE(sound.library_present());
  const int device = sound.dsInitialize(0);
  ASSERT_NE(device, 0);
  int previous = 0;
  for (const char* name : GAME_SOUNDS) {
    const int buffer = sound.dsCreateDSB(device, asset(name), EFFECT);
    EXPECT_NE(buffer, 0) << name;
    EXPECT_NE(buffer, previous) << name;
    previous = buffer;
  }
  sound.dsSetVolume(previous, 40);
  sound.dsPlay(previous);
  sound.dsPlayLooping(previous);
  sound.dsStop(previous);
  sound.dsFree(previous);
  sound.dsTerminate(device);
}

TEST(LibrarySound, RefusesAnImageShorterThanItsHeaderPromises) {
  LibrarySound sound(VELMORA_SOUND_LIBRARY_DIR);
  const int device = sound.dsInitialize(0);
  ASSERT_NE(device, 0);
  // The library would read as far as the header says: past the end of these.
  Bytes half = asset("BGM.wav");
  half.resize(half.size() / 2);
  EXPECT_EQ(sound.dsCreateDSB(device, half, EFFECT), 0);
  Bytes one_short = asset("禁止.wav");
  one_short.pop_back();
  EXPECT_EQ(sound.dsCreateDSB(device, one_short, EFFECT), 0);
  EXPECT_EQ(sound.dsCreateDSB(device, Bytes(), EFFECT), 0);
  EXPECT_EQ(sound.dsCreateDSB(device, Bytes{'R', 'I', 'F', 'F'}, EFFECT), 0);

  // Extra bytes after a whole image do no harm.
  Bytes longer = asset("禁止.wav");
  longer.resize(longer.size() + 100);
  EXPECT_NE(sound.dsCreateDSB(device, longer, EFFECT), 0);
  sound.dsTerminate(device);
}

TEST(LibrarySound, AMissingLibraryGivesASilentSound) {
  Folder empty;
  LibrarySound sound(empty.path.string());
  EXPECT_FALSE(sound.library_present());
  use_every_call(sound);
}

TEST(LibrarySound, AFileThatIsNoLibraryGivesASilentSound) {
  Folder folder;
  std::ofstream(folder.path / SOUND_LIBRARY_FILE) << "not a shared object";
  LibrarySound sound(folder.path.string());
  EXPECT_FALSE(sound.library_present());
  use_every_call(sound);
}

TEST(LibrarySound, ALibraryWithoutTheSoundFunctionsGivesASilentSound) {
  // The C library under the library's name: it loads, but offers no dsPlay.
  Dl_info info{};
  ASSERT_NE(dladdr(reinterpret_cast<void*>(&dlopen), &info), 0);
  Folder folder;
  std::filesystem::create_symlink(info.dli_fname, folder.path / SOUND_LIBRARY_FILE);
  LibrarySound sound(folder.path.string());
  EXPECT_FALSE(sound.library_present());
  use_every_call(sound);
}

TEST(LibrarySound, LooksBesideTheRunningProgram) {
  const std::filesystem::path here = executable_directory();
  EXPECT_TRUE(std::filesystem::exists(here / "test_library_sound"));
  // The test program's folder holds no sound library.
  EXPECT_FALSE(LibrarySound().library_present());
}

}  // namespace
}  // namespace velmora::sound_test
