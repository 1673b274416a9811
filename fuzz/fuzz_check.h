// What every fuzz target shares: a failed promise stops the run with a
// message, so that libFuzzer keeps the input that broke it.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace velmora::fuzz {

[[noreturn]] inline void fail(const std::string& what) {
  std::fprintf(stderr, "broken promise: %s\n", what.c_str());
  std::abort();
}

inline void require(bool kept, const std::string& what) {
  if (!kept) fail(what);
}

inline std::string_view bytes(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// True when `s` is well-formed UTF-8: no stray continuation byte, no cut
// sequence, no overlong form, no surrogate and nothing beyond U+10FFFF.
inline bool is_valid_utf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const unsigned char c = s[i];
    const std::size_t n = c < 0x80                 ? 1
                          : c >= 0xC2 && c <= 0xDF ? 2
                          : c >= 0xE0 && c <= 0xEF ? 3
                          : c >= 0xF0 && c <= 0xF4 ? 4
                                                   : 0;
    if (n == 0 || i + n > s.size()) return false;
    unsigned code = n == 1 ? c : c & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
      const unsigned char t = s[i + k];
      if ((t & 0xC0) != 0x80) return false;
      code = code << 6 | (t & 0x3F);
    }
    const unsigned smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[n] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += n;
  }
  return true;
}

// A folder of this process's own for the files a target writes, in memory
// where the system offers that (the game syncs every file it writes); it
// goes when the process ends normally.
inline const std::string& scratch_folder() {
  struct Folder {
    std::string path;
    Folder() {
      const std::filesystem::path shared_memory = "/dev/shm";
      const bool in_memory = access(shared_memory.c_str(), W_OK) == 0;
      std::string pattern =
          ((in_memory ? shared_memory : std::filesystem::temp_directory_path()) / "velmora-fuzz-XXXXXX").string();
      if (mkdtemp(pattern.data()) == nullptr) fail("no scratch folder");
      path = pattern;
    }
    ~Folder() {
      std::error_code ignored;
      std::filesystem::remove_all(path, ignored);
    }
  };
  static const Folder folder;
  return folder.path;
}

// Empties the scratch folder, so that every input starts from the same files.
inline void clear_scratch_folder() {
  for (const auto& entry : std::filesystem::directory_iterator(scratch_folder()))
    std::filesystem::remove_all(entry.path());
}

}  // namespace velmora::fuzz
