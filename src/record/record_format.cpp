#include "record/record_format.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "record/shift_jis.h"
#include "record/text_files.h"

namespace velmora {
namespace {

constexpr std::string_view CR_LF = "\r\n";
constexpr int HAND_FIELDS_START = 81 * CODE_WIDTH;              // 243
constexpr int CLOCK_FIELDS_START = HAND_FIELDS_START + 18 * 2;  // 279
static_assert(CLOCK_FIELDS_START + 4 * CLOCK_WIDTH == MOVE_LINE_LENGTH);

// ---- writing ----

void append_right_aligned(std::string& out, long long value, int width) {
  const std::string digits = std::to_string(value);
  out.append(width - digits.size(), ' ');
  out += digits;
}

int code_to_write(int code) { return is_piece(code) ? code : EMPTY; }

int hand_to_write(int count, SaveNotes& notes) {
  if (count > LARGEST_HAND_COUNT) {
    notes.hand_clamped = true;
    return LARGEST_HAND_COUNT;
  }
  return count < 0 ? 0 : count;
}

long long clock_to_write(double seconds, SaveNotes& notes) {
  if (!(seconds >= 0)) return 0;  // also a NaN
  if (seconds >= LARGEST_CLOCK_TOTAL + 1.0) {
    notes.clock_clamped = true;
    return LARGEST_CLOCK_TOTAL;
  }
  return static_cast<long long>(std::floor(seconds));
}

std::string header_line(const std::string& text) {
  std::string one_line = text;
  for (char& c : one_line)
    if (c == '\r' || c == '\n') c = ' ';
  return utf8_to_shift_jis(one_line);
}

// ---- reading ----

// The number in a field: spaces are ignored, an optional sign and the digits
// up to the first other character count; no digit at all reads 0.
int field_value(std::string_view line, int start, int width) {
  if (start >= static_cast<int>(line.size())) return 0;
  const std::string_view field = line.substr(start, width);
  int sign = 1;
  int value = 0;
  bool sign_allowed = true;
  for (const char c : field) {
    if (c == ' ' || c == '\t') continue;
    if (sign_allowed && (c == '-' || c == '+')) {
      sign = c == '-' ? -1 : 1;
      sign_allowed = false;
      continue;
    }
    if (c < '0' || c > '9') break;
    sign_allowed = false;
    value = value * 10 + (c - '0');
  }
  return sign * value;
}

int hand_digit(std::string_view line, int at) {
  if (at >= static_cast<int>(line.size())) return 0;
  const char c = line[at];
  return c >= '0' && c <= '9' ? c - '0' : 0;
}

RecordPosition parse_move_line(std::string_view line) {
  RecordPosition p;
  int at = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y, at += CODE_WIDTH) {
      const int code = field_value(line, at, CODE_WIDTH);
      p.board(x, y) = is_piece(code) ? code : EMPTY;
    }
  for (int k = 1; k < HAND_SIZE; ++k) {
    p.hand_own[k] = hand_digit(line, at++);
    p.hand_enemy[k] = hand_digit(line, at++);
  }
  int* clocks[] = {&p.clock_own_before, &p.clock_own_after, &p.clock_enemy_before, &p.clock_enemy_after};
  for (int* clock : clocks) {
    *clock = std::max(0, field_value(line, at, CLOCK_WIDTH));
    at += CLOCK_WIDTH;
  }
  return p;
}

}  // namespace

std::string format_move_line(const HistorySlot& slot, SaveNotes& notes) {
  std::string line;
  line.reserve(MOVE_LINE_LENGTH);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) append_right_aligned(line, code_to_write(slot.board(x, y)), CODE_WIDTH);
  for (int k = 1; k < HAND_SIZE; ++k) {
    line += static_cast<char>('0' + hand_to_write(slot.hand_own[k], notes));
    line += static_cast<char>('0' + hand_to_write(slot.hand_enemy[k], notes));
  }
  for (const double clock :
       {slot.clock_own_before, slot.clock_own_after, slot.clock_enemy_before, slot.clock_enemy_after})
    append_right_aligned(line, clock_to_write(clock, notes), CLOCK_WIDTH);
  return line;
}

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
    if (!reader.next(line, MAX_HEADER_BYTES)) break;  // missing header lines read as nothing
    *header = shift_jis_to_utf8(line);
  }
  while (reader.next(line, MOVE_LINE_LENGTH)) {
    if (static_cast<int>(record.moves.size()) == MAX_RECORD_MOVES)
      return RecordError{RecordError::TooManyMoves, reader.line_number(), ""};
    record.moves.push_back(parse_move_line(line));
  }
  if (reader.failed()) return RecordError{RecordError::CannotRead, reader.line_number() + 1, std::strerror(EIO)};
  return record;
}

RecordResult read_record_file(const std::string& path) {
  std::error_code status_error;
  const auto status = std::filesystem::status(path, status_error);
  if (status_error) return RecordError{RecordError::CannotOpen, 0, status_error.message()};
  if (!std::filesystem::is_regular_file(status)) return RecordError{RecordError::CannotOpen, 0, "not a regular file"};
  std::ifstream in(path, std::ios::binary);
  if (!in) return RecordError{RecordError::CannotOpen, 0, std::strerror(errno)};
  return read_record(in);
}

}  // namespace velmora
