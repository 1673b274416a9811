#include "text/text_files.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstring>
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

class FileErrorCategory final : public std::error_category {
 public:
  const char* name() const noexcept override { return "velmora file"; }
  std::string message(int error) const override {
    switch (static_cast<FileError>(error)) {
      case FileError::NotRegularFile: return "Not a regular file";
    }
    return "Unknown file error";
  }
};

constexpr std::string_view TEMPORARY_PREFIX = ".velmora-";
constexpr std::string_view TEMPORARY_SUFFIX = ".tmp";

std::string temporary_name(const std::string& folder, pid_t pid, unsigned serial) {
  return folder + "/" + std::string(TEMPORARY_PREFIX) + std::to_string(pid) + "-" + std::to_string(serial) +
         std::string(TEMPORARY_SUFFIX);
}

// The process id in a temporary file's name ".velmora-PID-N.tmp"; 0 when the
// name is not one of them.
pid_t temporary_owner(std::string_view name) {
  if (!name.starts_with(TEMPORARY_PREFIX) || !name.ends_with(TEMPORARY_SUFFIX)) return 0;
  name.remove_prefix(TEMPORARY_PREFIX.size());
  name.remove_suffix(TEMPORARY_SUFFIX.size());
  const std::size_t dash = name.find('-');
  if (dash == std::string_view::npos) return 0;
  const std::string_view pid_text = name.substr(0, dash), serial_text = name.substr(dash + 1);
  long long pid = 0;
  unsigned serial = 0;
  const auto pid_read = std::from_chars(pid_text.data(), pid_text.data() + pid_text.size(), pid);
  const auto serial_read = std::from_chars(serial_text.data(), serial_text.data() + serial_text.size(), serial);
  const bool whole = pid_read.ec == std::errc{} && pid_read.ptr == pid_text.data() + pid_text.size() &&
                     serial_read.ec == std::errc{} && serial_read.ptr == serial_text.data() + serial_text.size();
  return whole && pid > 0 && pid <= INT32_MAX ? static_cast<pid_t>(pid) : 0;
}

// Why a thing that is no regular file is no file of the game's.
std::error_code not_a_file(mode_t mode) {
  return S_ISDIR(mode) ? std::make_error_code(std::errc::is_a_directory) : make_error_code(FileError::NotRegularFile);
}

// A process that no longer runs. One of another user, which the system will
// not signal, still runs.
bool process_gone(pid_t pid) { return kill(pid, 0) != 0 && errno == ESRCH; }

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
    name = temporary_name(folder, getpid(), counter++);
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

const std::error_category& file_error_category() {
  static const FileErrorCategory category;
  return category;
}

std::error_code make_error_code(FileError error) { return {static_cast<int>(error), file_error_category()}; }

// The file's bytes come in blocks; a failed read throws, which the stream
// (or LineReader) turns into its bad state.
class InputFile::Buffer final : public std::streambuf {
 public:
  explicit Buffer(int fd) : fd_(fd) {}
  ~Buffer() override { close(fd_); }
  Buffer(const Buffer&) = delete;
  Buffer& operator=(const Buffer&) = delete;

 protected:
  int_type underflow() override {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    ssize_t n = 0;
    do n = read(fd_, block_, sizeof block_);
    while (n < 0 && errno == EINTR);
    if (n < 0) throw std::ios_base::failure(std::strerror(errno), last_error());
    if (n == 0) return traits_type::eof();
    setg(block_, block_, block_ + n);
    return traits_type::to_int_type(*gptr());
  }

 private:
  int fd_;
  char block_[1 << 16];
};

// Opening without blocking: a FIFO without a writer would otherwise wait for
// one. The file's type is then taken from what was opened, so nothing can be
// swapped in between.
InputFile::InputFile(const std::string& path) : stream_(nullptr) {
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    error_ = last_error();
    return;
  }
  struct stat status {};
  if (fstat(fd, &status) != 0)
    error_ = last_error();
  else if (!S_ISREG(status.st_mode))
    error_ = not_a_file(status.st_mode);
  if (error_) {
    close(fd);
    return;
  }
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  buffer_ = std::make_unique<Buffer>(fd);
  stream_.rdbuf(buffer_.get());
}

InputFile::~InputFile() = default;

Result<std::string, std::error_code> read_whole_file(const std::string& path, std::size_t max_bytes) {
  InputFile file(path);
  if (file.error()) return Failure{file.error()};
  std::string bytes;
  char block[1 << 16];
  while (file.stream().read(block, sizeof block) || file.stream().gcount() > 0) {
    if (bytes.size() + static_cast<std::size_t>(file.stream().gcount()) > max_bytes)
      return Failure{std::make_error_code(std::errc::file_too_large)};
    bytes.append(block, static_cast<std::size_t>(file.stream().gcount()));
  }
  if (file.stream().bad()) return Failure{std::make_error_code(std::errc::io_error)};
  return bytes;
}

Result<void, std::error_code> replace_file(const std::string& path, std::string_view bytes) {
  const std::string file = link_target(path);
  if (file.empty()) return Failure{last_error()};
  struct stat old {};
  const bool replacing = stat(file.c_str(), &old) == 0;
  // A FIFO or a device is no file of the game's: renaming onto it would
  // remove it, and writing into it could block or reach hardware.
  if (replacing && !S_ISREG(old.st_mode)) return Failure{not_a_file(old.st_mode)};
  // A read-only file keeps its protection: replacing it by renaming would
  // otherwise succeed wherever the folder is writable.
  if (replacing && access(file.c_str(), W_OK) != 0) return Failure{last_error()};

  const std::string folder = folder_of(file);
  std::string temporary;
  const int fd = create_temporary(folder, temporary);
  if (fd < 0) return Failure{last_error()};
  // A replaced file keeps its permissions; a new one gets the usual ones.
  const bool written = (!replacing || fchmod(fd, old.st_mode & 07777) == 0) && write_all(fd, bytes) && fsync(fd) == 0;
  std::error_code error = written ? std::error_code{} : last_error();
  if (close(fd) != 0 && !error) error = last_error();
  if (!error && rename(temporary.c_str(), file.c_str()) != 0) error = last_error();
  if (error) {
    unlink(temporary.c_str());
    return Failure{error};
  }
  sync_folder(folder);
  return {};
}

int remove_stale_temporaries(const std::string& folder) {
  std::error_code error;
  std::filesystem::directory_iterator entries(folder, error);
  if (error) return 0;
  int removed = 0;
  for (const std::filesystem::directory_entry& entry : entries) {
    const pid_t owner = temporary_owner(entry.path().filename().string());
    if (owner == 0 || owner == getpid() || !process_gone(owner)) continue;
    if (entry.symlink_status(error).type() != std::filesystem::file_type::regular) continue;
    if (unlink(entry.path().c_str()) == 0) ++removed;
  }
  return removed;
}

}  // namespace velmora
