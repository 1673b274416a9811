#include "notation/record_format.h"

#include <string_view>

#include "text/shift_jis.h"
#include "text/text_files.h"

namespace velmora {
namespace {

constexpr std::string_view CR_LF = "\r\n";

std::string header_line(const std::string& text) {
  std::string one_line = text;
  for (char& c : one_line)
    if (c == '\r' || c == '\n') c = ' ';
  return utf8_to_shift_jis(one_line);
}

}  // namespace

std::string format_record(const std::string& title, const std::string& top_name, const std::string& bottom_name,
                          const MoveList& list, int length, SaveNotes& notes) {
  std::string out;
  out.reserve((MOVE_LINE_LENGTH + 2) * (length + 3));
  for (const std::string* header : {&title, &top_name, &bottom_name}) {
    out += header_line(*header);
    out += CR_LF;
  }
  for (int n = 1; n <= length; ++n) {
    out += format_move_line(list.slot(n), notes);
    out += CR_LF;
  }
  return out;
}

RecordResult read_record(std::istream& in) {
  Record record;
  LineReader reader(in);
  std::string line;
  for (std::string* header : {&record.title, &record.top_name, &record.bottom_name}) {
    if (!reader.next(line, MAX_HEADER_BYTES + 1)) break;  // missing header lines read as nothing
    *header = shift_jis_to_utf8(cut_shift_jis(line, MAX_HEADER_BYTES));
  }
  // One character more than a move line, so that a longer line is noticed.
  while (reader.next(line, MOVE_LINE_LENGTH + 1)) {
    if (static_cast<int>(record.moves.size()) == MAX_RECORD_MOVES)
      return Failure{RecordError{RecordError::TooManyMoves, reader.line_number(), {}}};
    const ReadMoveLine move = read_move_line(line);
    if (!move.well_formed && record.first_damaged_line == 0) record.first_damaged_line = reader.line_number();
    record.moves.push_back(move.position);
  }
  if (reader.failed())
    return Failure{
        RecordError{RecordError::CannotRead, reader.line_number() + 1, std::make_error_code(std::errc::io_error)}};
  return record;
}

RecordResult read_record_file(const std::string& path) {
  InputFile file(path);
  if (file.error()) return Failure{RecordError{RecordError::CannotOpen, 0, file.error()}};
  return read_record(file.stream());
}

}  // namespace velmora
