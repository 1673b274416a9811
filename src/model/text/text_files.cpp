#include "text/text_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>

namespace velmora {

bool LineReader::next(std::string& line, std::size_t keep) {
  using traits = std::istream::traits_type;
  std::streambuf* buf = in_.rdbuf();
  line.clear();
  if (buf == nullptr || !in_.good()) return false;
  try {
    int c = buf->sbumpc();
    if (traits::eq_int_type(c, traits::eof())) {
      in_.setstate(std::ios::eofbit);
      return false;
    }
    while (!traits::eq_int_type(c, traits::eof()) && c != '\n') {
      if (c == '\r') {
        if (buf->sgetc() == '\n') buf->sbumpc();
        break;
      }
      if (line.size() < keep) line.push_back(traits::to_char_type(c));
      c = buf->sbumpc();
    }
  } catch (...) {
    // The file buffer reports a failed read (an I/O error) by throwing.
    in_.setstate(std::ios::badbit);
    return false;
  }
  ++line_number_;
  return true;
}

namespace {

std::error_code last_error() { return {errno, std::generic_category()}; }

std::string folder_of(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a path names: a symbolic link is followed (through a chain of
// them) to its target, which need not exist yet. Empty after too many links.
std::string link_target(std::string path) {
  constexpr int MAX_LINKS = 40;
  for (int n = 0; n < MAX_LINKS; ++n) {
    std::error_code error;
    const std::filesystem::path target = std::filesystem::read_symlink(path, error);
    if (error) return path;  // not a link (or nothing there)
    path = target.is_absolute() ? target.string() : folder_of(path) + "/" + target.string();
  }
  errno = ELOOP;
  return {};
}

// Creates a fresh temporary file in `folder`; -1 when none can be made.
int create_temporary(const std::string& folder, std::string& name) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = folder + "/.velmora-" + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".tmp";
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Makes the rename that put a file into `folder` durable. Best effort: the
// file is already in place, and some file systems cannot sync a folder.
void sync_folder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

std::error_code replace_file(const std::string& path, std::string_view bytes) {
  const std::string file = link_target(path);
  if (file.empty()) return last_error();
  struct stat old {};
  const bool replacing = stat(file.c_str(), &old) == 0;
  // A read-only file keeps its protection: replacing it by renaming would
  // otherwise succeed wherever the folder is writable.
  if (replacing && access(file.c_str(), W_OK) != 0) return last_error();

  const std::string folder = folder_of(file);
  std::string temporary;
  const int fd = create_temporary(folder, temporary);
  if (fd < 0) return last_error();
  // A replaced file keeps its permissions; a new one gets the usual ones.
  const bool written = (!replacing || fchmod(fd, old.st_mode & 07777) == 0) && write_all(fd, bytes) && fsync(fd) == 0;
  std::error_code error = written ? std::error_code{} : last_error();
  if (close(fd) != 0 && !error) error = last_error();
  if (!error && rename(temporary.c_str(), file.c_str()) != 0) error = last_error();
  if (error) {
    unlink(temporary.c_str());
    return error;
  }
  sync_folder(folder);
  return {};
}

}  // namespace velmora
