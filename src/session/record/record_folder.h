// The record files of a folder, whatever the encoding of their names: the
// names are kept as the bytes the file system holds, so that every file can
// be opened, and shown as readable text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct RecordFileName {
  std::string bytes;  // the name as the file system holds it
  std::string shown;  // UTF-8
  bool operator==(const RecordFileName&) const = default;
};

// A file name as text: as it is when it is UTF-8, decoded when it is
// Shift-JIS (as records written on Windows are named), and otherwise with
// U+FFFD for each byte that is neither.
std::string readable_file_name(std::string_view bytes);

// The regular files of `folder` (links to them included) whose names end in
// ".棋譜", in UTF-8 or in Shift-JIS, ordered by their shown names. A folder
// that cannot be read has none.
std::vector<RecordFileName> record_files_in(const std::string& folder);

}  // namespace velmora
