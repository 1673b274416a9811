// The Sound port on the game's sound library libvelmora.so, which is loaded
// at run time from beside the executable (the build tree) or from the
// installed game's private library folder. When the library is missing (or
// lacks a function) the port is silent: every call does nothing and no sound
// output opens.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ports/ports.h"

namespace velmora {

inline constexpr const char* SOUND_LIBRARY_FILE = "libvelmora.so";

class LibrarySound final : public Sound {
 public:
  // Loads the library from the folder of the running executable, or else
  // from the private library folder of the installed game.
  LibrarySound();
  // Loads the library from `directory`.
  explicit LibrarySound(const std::string& directory);
  ~LibrarySound() override;
  LibrarySound(const LibrarySound&) = delete;
  LibrarySound& operator=(const LibrarySound&) = delete;

  int dsInitialize(int window) override;
  void dsTerminate(int device) override;
  // Refuses (answers 0) an image whose RIFF header promises more bytes than
  // `image` holds: the library reads as far as the header says.
  int dsCreateDSB(int device, const std::vector<unsigned char>& image, int flags) override;
  void dsFree(int buffer) override;
  void dsPlay(int buffer) override;
  void dsPlayLooping(int buffer) override;
  void dsStop(int buffer) override;
  // Does nothing with a library that lacks it.
  void dsSetVolume(int buffer, int percent) override;
  bool library_present() const override { return library_ != nullptr; }

 private:
  using IntFromInt = std::int32_t (*)(std::int32_t);
  using VoidFromInt = void (*)(std::int32_t);
  using CreateBuffer = std::int32_t (*)(std::int32_t, const void*, std::int32_t);
  using VoidFromTwoInts = void (*)(std::int32_t, std::int32_t);

  void load(const std::string& path);

  void* library_ = nullptr;
  IntFromInt initialize_ = nullptr;
  VoidFromInt terminate_ = nullptr;
  CreateBuffer create_buffer_ = nullptr;
  VoidFromInt free_ = nullptr;
  VoidFromInt play_ = nullptr;
  VoidFromInt play_looping_ = nullptr;
  VoidFromInt stop_ = nullptr;
  VoidFromTwoInts set_volume_ = nullptr;  // optional
};

// The folder of the running executable, or "." when it cannot be found.
std::string executable_directory();

}  // namespace velmora
