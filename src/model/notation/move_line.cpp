#include "notation/move_line.h"

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

constexpr int HAND_FIELDS_START = 81 * CODE_WIDTH;              // 243
constexpr int CLOCK_FIELDS_START = HAND_FIELDS_START + 18 * 2;  // 279
static_assert(CLOCK_FIELDS_START + 4 * CLOCK_WIDTH == MOVE_LINE_LENGTH);

// ---- writing ----

void append_right_aligned(std::string& out, long long value, int width) {
  const std::string digits = std::to_string(value);
  out.append(width - digits.size(), ' ');
  out += digits;
}

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

// ---- reading ----

// The number in a field: spaces are ignored, an optional sign and the digits
// up to the first other character count; no digit at all reads 0.
int lenient_number(std::string_view field) {
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

// Spaces, an optional sign, at least one digit, spaces: nothing else.
bool well_formed_number(std::string_view field) {
  const std::size_t first = field.find_first_not_of(' ');
  if (first == field.npos) return false;
  std::string_view number = field.substr(first, field.find_last_not_of(' ') + 1 - first);
  if (number.front() == '-' || number.front() == '+') number.remove_prefix(1);
  return !number.empty() && std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Walks the fields of one line in order and keeps the first fault.
class FieldReader {
 public:
  explicit FieldReader(std::string_view line) : line_(line) {}

  // The next field of `width` characters; one cut short by the end of the
  // line is a fault of the length, and beyond the end a field is empty.
  std::string_view next(int width) {
    field_start_ = at_;
    at_ += width;
    if (field_start_ >= static_cast<int>(line_.size())) return {};
    const std::string_view field = line_.substr(field_start_, width);
    if (static_cast<int>(field.size()) < width) note_length();
    return field;
  }
  // Notes a fault at the field just read unless it is good.
  void check(bool good, const char* kind, const std::string& name, const char* reason) {
    if (!good && !fault_) fault_ = MoveLineFault{field_start_ + 1, std::string(kind) + " field " + name + " " + reason};
  }
  Result<void, MoveLineFault> finish() {
    note_length();
    if (fault_) return Failure{*fault_};
    return {};
  }

 private:
  std::string_view line_;
  int at_ = 0;
  int field_start_ = 0;
  std::optional<MoveLineFault> fault_;

  void note_length() {
    const int length = static_cast<int>(line_.size());
    if (fault_ || length == MOVE_LINE_LENGTH) return;
    fault_ = length < MOVE_LINE_LENGTH
                 ? MoveLineFault{length + 1, "the line has " + std::to_string(length) + " characters, not 299"}
                 : MoveLineFault{MOVE_LINE_LENGTH + 1, "the line is longer than 299 characters"};
  }
};

}  // namespace

std::string format_position_move_line(const Board& board, const Hand& hand_own, const Hand& hand_enemy) {
  HistorySlot slot;
  slot.board = board;
  slot.hand_own = hand_own;
  slot.hand_enemy = hand_enemy;
  SaveNotes notes;
  return format_move_line(slot, notes);
}

std::string format_move_line(const HistorySlot& slot, SaveNotes& notes) {
  std::string line;
  line.reserve(MOVE_LINE_LENGTH);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) append_right_aligned(line, piece_or_empty(slot.board(x, y)), CODE_WIDTH);
  for (int k = 1; k < HAND_SIZE; ++k) {
    line += static_cast<char>('0' + hand_to_write(slot.hand_own[k], notes));
    line += static_cast<char>('0' + hand_to_write(slot.hand_enemy[k], notes));
  }
  for (const double clock :
       {slot.clock_own_before, slot.clock_own_after, slot.clock_enemy_before, slot.clock_enemy_after})
    append_right_aligned(line, clock_to_write(clock, notes), CLOCK_WIDTH);
  return line;
}

ReadMoveLine read_move_line(std::string_view line) {
  ReadMoveLine read;
  RecordPosition& p = read.position;
  FieldReader fields(line);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const std::string_view field = fields.next(CODE_WIDTH);
      const int code = lenient_number(field);
      p.board(x, y) = piece_or_empty(code);
      fields.check(field.empty() || (well_formed_number(field) && code == p.board(x, y)), "board",
                   std::to_string(x) + "," + std::to_string(y), "is not a piece code");
    }
  for (int k = 1; k < HAND_SIZE; ++k)
    for (Hand* hand : {&p.hand_own, &p.hand_enemy}) {
      const std::string_view field = fields.next(1);
      const bool digit = !field.empty() && field[0] >= '0' && field[0] <= '9';
      (*hand)[k] = digit ? field[0] - '0' : 0;
      fields.check(field.empty() || digit, hand == &p.hand_own ? "own hand" : "enemy hand", std::to_string(k),
                   "is not a digit");
    }
  int* clocks[] = {&p.clock_own_before, &p.clock_own_after, &p.clock_enemy_before, &p.clock_enemy_after};
  for (int i = 0; i < 4; ++i) {
    const std::string_view field = fields.next(CLOCK_WIDTH);
    const int seconds = lenient_number(field);
    *clocks[i] = std::max(0, seconds);
    fields.check(field.empty() || (well_formed_number(field) && seconds >= 0), "clock", std::to_string(i + 1),
                 "is not a number of seconds");
  }
  read.well_formed = fields.finish();
  return read;
}

}  // namespace velmora
