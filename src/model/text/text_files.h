// Reading text files line by line with bounded memory, opening the game's
// files for reading without ever waiting on something that is no file, and
// replacing a file's contents so that a failed write never destroys what was
// there before.
#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

#include "base/result.h"

namespace velmora {

// Reads lines ended by CR LF, LF or a lone CR (the last line may have no
// ending). A line keeps at most `keep` bytes; the rest of a longer line is
// skipped, so a file without line ends of any size reads in bounded memory.
class LineReader {
 public:
  explicit LineReader(std::istream& in) : in_(in) {}

  // The next line into `line`; false at the end of the input or on a read
  // error (then failed() tells which).
  bool next(std::string& line, std::size_t keep);
  bool failed() const { return in_.bad(); }
  // Lines read so far (the line just read has this number, counted from 1).
  int line_number() const { return line_number_; }

 private:
  std::istream& in_;
  int line_number_ = 0;
};

// What the game refuses about a file beyond what the system reports.
enum class FileError {
  // A FIFO, a device, a socket or a folder stands where the game keeps a file.
  NotRegularFile = 1,
};
const std::error_category& file_error_category();
std::error_code make_error_code(FileError error);

}  // namespace velmora

template <>
struct std::is_error_code_enum<velmora::FileError> : std::true_type {};

namespace velmora {

// A file of the game opened for reading. Only a regular file (or a link to
// one) is opened: a FIFO, a device or a folder is refused at once, without
// waiting for a writer and without reading endless bytes. A read error makes
// the stream bad.
class InputFile {
 public:
  explicit InputFile(const std::string& path);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  // Why the file could not be opened; empty when it is open.
  const std::error_code& error() const { return error_; }
  std::istream& stream() { return stream_; }

 private:
  class Buffer;
  std::unique_ptr<Buffer> buffer_;
  std::istream stream_;
  std::error_code error_;
};

// The bytes of a whole regular file, at most `max_bytes` of them (a longer
// file is an error: std::errc::file_too_large).
Result<std::string, std::error_code> read_whole_file(const std::string& path, std::size_t max_bytes);

// Writes `bytes` to a new file in the folder of `path` and renames it onto
// `path`, then syncs the folder. A symbolic link at `path` stays and its
// target is replaced; a replaced file keeps its permissions. Only a regular
// file is replaced: a FIFO, a device or a folder at `path` (or at the end of
// its links) is left alone with FileError::NotRegularFile. On any failure the
// temporary file is removed, the file keeps its old contents, and the error
// is returned. A file that may not be written is left alone as well.
Result<void, std::error_code> replace_file(const std::string& path, std::string_view bytes);

// Removes from `folder` the temporary files (".velmora-PID-N.tmp") that
// replace_file left behind in processes that were killed while writing and
// no longer run. Those of running processes stay. Answers how many went.
int remove_stale_temporaries(const std::string& folder);

}  // namespace velmora
