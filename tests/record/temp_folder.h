// A fresh folder under the system's temporary folder, with a Japanese name,
// removed with everything in it when the test ends.
#pragma once

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <iterator>
#include <memory>
#include <string>
#include <thread>

namespace velmora::testing {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ヴェルモラ棋譜-XXXXXX").string();
    path_ = mkdtemp(pattern.data()) ? pattern : std::string();
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream(file(name), std::ios::binary) << bytes;
  }
  std::string read(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  bool exists(const std::string& name) const { return std::filesystem::exists(file(name)); }
  // Number of entries in the folder (to see that no temporary file is left).
  int entry_count() const { return static_cast<int>(std::distance(std::filesystem::directory_iterator(path_), {})); }

 private:
  std::string path_;
};

// While it lives, no file may grow beyond `bytes`: writes beyond fail, even
// for the super-user, and the signal they raise is ignored.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : old_handler_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &old_limit_);
    rlimit small = old_limit_;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_limit_);
    std::signal(SIGXFSZ, old_handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_limit_{};
  void (*old_handler_)(int);
};

// Things in place of a file that are no file. A device node of our own that
// reads endless zero bytes, as /dev/zero does, so that a write that wrongly
// replaces it harms nothing of the system's; false where nodes cannot be made.
inline bool make_fifo(const std::string& path) { return mkfifo(path.c_str(), 0666) == 0; }
inline bool make_zero_device(const std::string& path) {
  return mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 5)) == 0;
}
inline std::filesystem::file_type type_of(const std::string& path) {
  return std::filesystem::symlink_status(path).type();
}

// Runs `work` and waits for it a few seconds. Work that blocks or never ends
// cannot be stopped: the test run ends there, failed.
inline void expect_finishes_soon(const std::function<void()>& work, const char* what) {
  auto done = std::make_shared<std::promise<void>>();
  std::future<void> finished = done->get_future();
  std::thread([work, done] {
    work();
    done->set_value();
  }).detach();
  if (finished.wait_for(std::chrono::seconds(20)) == std::future_status::ready) return;
  std::fprintf(stderr, "%s: still running after 20 s (blocked or endless)\n", what);
  std::_Exit(EXIT_FAILURE);
}

}  // namespace velmora::testing
