#include "platform/library_sound.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

#include "sound/wave_image.h"

namespace velmora {
namespace {

template <typename Function>
bool resolve(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

}  // namespace

std::string executable_directory() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string(".") : executable.parent_path().string();
}

LibrarySound::LibrarySound() {
  const std::filesystem::path executable_folder = executable_directory();
  load((executable_folder / SOUND_LIBRARY_FILE).string());
  // The installed game keeps the library in its private library folder.
  if (library_ == nullptr) load((executable_folder / VELMORA_LIBRARY_FROM_BIN / SOUND_LIBRARY_FILE).string());
}

LibrarySound::LibrarySound(const std::string& directory) {
  load((std::filesystem::path(directory) / SOUND_LIBRARY_FILE).string());
}

LibrarySound::~LibrarySound() {
  if (library_ != nullptr) dlclose(library_);
}

void LibrarySound::load(const std::string& path) {
  // Never unloaded: its audio thread may outlive this object.
  void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
  if (library == nullptr) return;
  const bool complete = resolve(library, "dsInitialize", initialize_) && resolve(library, "dsTerminate", terminate_) &&
                        resolve(library, "dsCreateDSB", create_buffer_) && resolve(library, "dsFree", free_) &&
                        resolve(library, "dsPlay", play_) && resolve(library, "dsPlayLooping", play_looping_) &&
                        resolve(library, "dsStop", stop_);
  if (complete) {
    library_ = library;
    (void)resolve(library, "dsSetVolume", set_volume_);
  } else {
    dlclose(library);
  }
}

int LibrarySound::dsInitialize(int window) { return library_ ? initialize_(window) : 0; }

void LibrarySound::dsTerminate(int device) {
  if (library_) terminate_(device);
}

int LibrarySound::dsCreateDSB(int device, const std::vector<unsigned char>& image, int flags) {
  if (!library_ || !wave::header_fits(image.data(), image.size())) return 0;
  return create_buffer_(device, image.data(), flags);
}

void LibrarySound::dsFree(int buffer) {
  if (library_) free_(buffer);
}

void LibrarySound::dsPlay(int buffer) {
  if (library_) play_(buffer);
}

void LibrarySound::dsPlayLooping(int buffer) {
  if (library_) play_looping_(buffer);
}

void LibrarySound::dsStop(int buffer) {
  if (library_) stop_(buffer);
}

void LibrarySound::dsSetVolume(int buffer, int percent) {
  if (library_ && set_volume_) set_volume_(buffer, percent);
}

}  // namespace velmora
