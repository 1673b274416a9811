// A lock on a file of the game's folder that other programs see: it tells a
// second window in the same folder that the first one keeps its files there.
#pragma once

#include <memory>
#include <string>
#include <system_error>

#include "base/result.h"

namespace velmora {

// Held while the object lives, on an open file of its own (a lock of the
// system, flock): another FileLock on the same path, in this program or in
// another one, is refused while it is held. The system lets go of it however
// the program ends, killed included, so a lock is never left stuck; the
// empty file it is taken on stays and is taken again by the next run.
class FileLock {
 public:
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Takes the lock on `path`, making the file when there is none. Fails with
  // std::errc::resource_unavailable_try_again while another lock holds it,
  // and with the system's error when the file cannot be opened.
  static Result<std::unique_ptr<FileLock>, std::error_code> take(const std::string& path);

 private:
  explicit FileLock(int descriptor) : descriptor_(descriptor) {}
  int descriptor_;
};

}  // namespace velmora
