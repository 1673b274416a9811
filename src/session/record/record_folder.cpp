#include "record/record_folder.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "text/shift_jis.h"

namespace velmora {
namespace {

constexpr std::string_view RECORD_EXTENSION = ".棋譜";

bool has_record_extension(std::string_view name) {
  static const std::string extension_in_shift_jis = utf8_to_shift_jis(RECORD_EXTENSION);
  return name.ends_with(RECORD_EXTENSION) || name.ends_with(extension_in_shift_jis);
}

}  // namespace

std::string readable_file_name(std::string_view bytes) {
  if (is_utf8(bytes)) return std::string(bytes);
  const std::string decoded = shift_jis_to_utf8(bytes);
  if (utf8_to_shift_jis(decoded) == bytes) return decoded;
  return lossy_utf8(bytes);
}

std::vector<RecordFileName> record_files_in(const std::string& folder) {
  namespace fs = std::filesystem;
  std::vector<RecordFileName> files;
  std::error_code error;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
    const std::string name = entry->path().filename().native();
    std::error_code ignored;
    if (has_record_extension(name) && entry->is_regular_file(ignored))
      files.push_back({name, readable_file_name(name)});
  }
  std::sort(files.begin(), files.end(),
            [](const RecordFileName& a, const RecordFileName& b) { return a.shown < b.shown; });
  return files;
}

}  // namespace velmora
