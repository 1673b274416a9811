#include "record/text_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

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

}  // namespace

std::error_code replace_file(const std::string& path, std::string_view bytes) {
  // A read-only file keeps its protection: replacing it by renaming would
  // otherwise succeed wherever the folder is writable.
  if (access(path.c_str(), F_OK) == 0 && access(path.c_str(), W_OK) != 0) return last_error();

  std::string temporary;
  const int fd = create_temporary(folder_of(path), temporary);
  if (fd < 0) return last_error();
  const bool written = write_all(fd, bytes) && fsync(fd) == 0;
  std::error_code error = written ? std::error_code{} : last_error();
  if (close(fd) != 0 && !error) error = last_error();
  if (!error && rename(temporary.c_str(), path.c_str()) != 0) error = last_error();
  if (error) unlink(temporary.c_str());
  return error;
}

}  // namespace velmora
