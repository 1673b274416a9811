#include "text/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace velmora {

FileLock::~FileLock() { ::close(descriptor_); }

Result<std::unique_ptr<FileLock>, std::error_code> FileLock::take(const std::string& path) {
  const int descriptor = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
  if (descriptor < 0) return Failure{std::error_code(errno, std::generic_category())};
  int locked = 0;
  do locked = ::flock(descriptor, LOCK_EX | LOCK_NB);
  while (locked != 0 && errno == EINTR);
  if (locked == 0) return std::unique_ptr<FileLock>(new FileLock(descriptor));
  const std::error_code error = errno == EWOULDBLOCK ? std::make_error_code(std::errc::resource_unavailable_try_again)
                                                     : std::error_code(errno, std::generic_category());
  ::close(descriptor);
  return Failure{error};
}

}  // namespace velmora
