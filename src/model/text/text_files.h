// Reading text files line by line with bounded memory, and replacing a file's
// contents so that a failed write never destroys what was there before.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <system_error>

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

// Writes `bytes` to a new file in the folder of `path` and renames it onto
// `path`, then syncs the folder. A symbolic link at `path` stays and its
// target is replaced; a replaced file keeps its permissions. On any failure
// the temporary file is removed, the file keeps its old contents, and the
// error is returned (an empty error code on success). A file that may not be
// written is left alone as well.
[[nodiscard]] std::error_code replace_file(const std::string& path, std::string_view bytes);

}  // namespace velmora
