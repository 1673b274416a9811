// The record reader against any bytes. Its promises: it never fails on
// content; every line after the third is a move, up to 20,000 moves; a
// header keeps at most 1,000 bytes and reads as valid UTF-8; every field
// reads in range; and a move line laid out as the writer lays it out reads
// back exactly the numbers it shows.
#include <algorithm>
#include <sstream>
#include <vector>

#include "fakes/file_shapes.h"
#include "fuzz_check.h"
#include "notation/record_format.h"
#include "text/shift_jis.h"

namespace velmora::fuzz {
namespace {

// The file's lines as the game defines them: ended by CR LF, LF or a lone
// CR; the last one may have no ending.
std::vector<std::string_view> split_lines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

// The fields of a position in the order of the line.
std::vector<int> fields_of(const RecordPosition& p) {
  std::vector<int> numbers;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) numbers.push_back(p.board(x, y));
  for (int k = 1; k < HAND_SIZE; ++k) {
    numbers.push_back(p.hand_own[k]);
    numbers.push_back(p.hand_enemy[k]);
  }
  for (const int clock : {p.clock_own_before, p.clock_own_after, p.clock_enemy_before, p.clock_enemy_after})
    numbers.push_back(clock);
  return numbers;
}

void check_in_range(const RecordPosition& p, int move) {
  const std::string where = "move " + std::to_string(move) + ": ";
  for (int x = 0; x <= 9; ++x)
    for (int y = 0; y <= 9; ++y)
      require(p.board(x, y) == EMPTY || (on_board(x, y) && is_piece(p.board(x, y))), where + "board code out of range");
  for (int k = 0; k < HAND_SIZE; ++k)
    require(p.hand_own[k] >= 0 && p.hand_own[k] <= 9 && p.hand_enemy[k] >= 0 && p.hand_enemy[k] <= 9 &&
                (k > 0 || p.hand_own[0] + p.hand_enemy[0] == 0),
            where + "hand count out of range");
  for (const int clock : {p.clock_own_before, p.clock_own_after, p.clock_enemy_before, p.clock_enemy_after})
    require(clock >= 0 && clock <= LARGEST_CLOCK_TOTAL, where + "clock out of range");
}

// A line laid out as the writer lays it out reads back as the numbers it
// shows, a code that is no piece as EMPTY and a negative clock as 0.
void check_written_line_reads_back(std::string_view line, const RecordPosition& p, int move) {
  std::optional<std::vector<int>> written = testing::written_move_fields(line.substr(0, MOVE_LINE_LENGTH));
  if (!written) return;
  std::vector<int>& expected = *written;
  for (std::size_t i = 0; i < 81; ++i) expected[i] = piece_or_empty(expected[i]);
  for (std::size_t i = 81 + 36; i < expected.size(); ++i) expected[i] = std::max(0, expected[i]);
  require(fields_of(p) == expected, "move " + std::to_string(move) + " does not read back as written");
}

void check_headers(const Record& r, const std::vector<std::string_view>& lines) {
  const std::string* headers[] = {&r.title, &r.top_name, &r.bottom_name};
  for (std::size_t i = 0; i < 3; ++i) {
    const std::string& h = *headers[i];
    require(is_valid_utf8(h), "a header is not valid UTF-8");
    require(h.find_first_of("\r\n") == std::string::npos, "a header holds a line break");
    require(utf8_to_shift_jis(h).size() <= MAX_HEADER_BYTES, "a header keeps more than 1000 bytes");
    if (i >= lines.size()) require(h.empty(), "a missing header line is not empty");
    // A long header is cut between two characters: what is kept reads as the
    // start of what the whole line reads as, never as a split character.
    if (i < lines.size()) require(shift_jis_to_utf8(lines[i]).starts_with(h), "a header's cut splits a character");
  }
}

// The load names the first damaged move line: never a line after the first
// one that is not 299 characters of digits, signs and spaces, and never a
// line laid out as the writer lays it out.
void check_first_damaged_line(const Record& r, const std::vector<std::string_view>& lines) {
  const auto plainly_damaged = [](std::string_view line) {
    return line.size() != MOVE_LINE_LENGTH || line.find_first_not_of("0123456789+- ") != std::string_view::npos;
  };
  const auto first_plain =
      std::find_if(lines.begin() + std::min<std::size_t>(3, lines.size()), lines.end(), plainly_damaged);
  if (first_plain != lines.end()) {
    const int number = static_cast<int>(first_plain - lines.begin()) + 1;
    require(r.first_damaged_line != 0 && r.first_damaged_line <= number, "a damaged move line went unnoticed");
  }
  if (r.first_damaged_line == 0) return;
  require(r.first_damaged_line > 3 && r.first_damaged_line <= static_cast<int>(lines.size()),
          "the damaged line named is no move line");
  const std::string_view named = lines[r.first_damaged_line - 1];
  const std::optional<std::vector<int>> fields = testing::written_move_fields(named);
  const auto out_of_range = [&fields] {
    for (std::size_t i = 0; i < fields->size(); ++i)
      if (i < 81 ? (*fields)[i] != EMPTY && !is_piece((*fields)[i]) : (*fields)[i] < 0) return true;
    return false;
  };
  require(plainly_damaged(named) || !fields || out_of_range(), "a well-formed move line was named damaged");
}

}  // namespace
}  // namespace velmora::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace velmora;
  using namespace velmora::fuzz;
  const std::string_view text = bytes(data, size);
  const std::vector<std::string_view> lines = split_lines(text);
  const std::size_t moves = lines.size() > 3 ? lines.size() - 3 : 0;

  std::istringstream in{std::string(text)};
  const RecordResult result = read_record(in);
  if (moves > static_cast<std::size_t>(MAX_RECORD_MOVES)) {
    require(!result && result.error().kind == RecordError::TooManyMoves, "a record beyond the cap was read");
    return 0;
  }
  require(result.has_value(), "the reader failed on content");
  const Record* record = &*result;
  require(record->moves.size() == moves, "not every line after the third became a move");
  check_headers(*record, lines);
  for (std::size_t n = 0; n < moves; ++n) {
    check_in_range(record->moves[n], static_cast<int>(n + 1));
    check_written_line_reads_back(lines[n + 3], record->moves[n], static_cast<int>(n + 1));
  }
  check_first_damaged_line(*record, lines);
  return 0;
}
