// One move line of a ".棋譜" record: the position after a move in 299
// fixed-width characters. 81 board codes of 3 characters (column 1 top to
// bottom first), 36 one-digit hand counts (index 1..18, own hand then enemy
// hand for each index) and the four clock totals in whole seconds, 5
// characters each; numbers right-aligned with leading spaces.
//
// This is the only reader and writer of the line: record files read it
// leniently, and the velmora-com tool refuses a line that has a fault.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/result.h"
#include "rules/position.h"

namespace velmora {

inline constexpr int MOVE_LINE_LENGTH = 299;
inline constexpr int CODE_WIDTH = 3;
inline constexpr int CLOCK_WIDTH = 5;
inline constexpr int LARGEST_HAND_COUNT = 9;       // one digit
inline constexpr int LARGEST_CLOCK_TOTAL = 99999;  // five digits

// One position as a move line holds it.
struct RecordPosition {
  Board board;
  Hand hand_own{};
  Hand hand_enemy{};
  int clock_own_before = 0, clock_own_after = 0;
  int clock_enemy_before = 0, clock_enemy_after = 0;
};

// What had to be changed to make a position fit its fields.
struct SaveNotes {
  bool hand_clamped = false;   // a hand count of 10 or more was written as 9
  bool clock_clamped = false;  // a clock total beyond 99999 was written as 99999
};

// The 299 characters of a move line for `slot`.
std::string format_move_line(const HistorySlot& slot, SaveNotes& notes);
// The move line of a position alone: its board and hands, no move, no clock.
std::string format_position_move_line(const Board& board, const Hand& hand_own, const Hand& hand_enemy);

// The first place where a line differs from what the writer writes.
struct MoveLineFault {
  int column = 0;    // from 1: the first column of the field, or just past the end
  std::string what;  // e.g. "board field 1,2 is not a piece code"
};

// A line read leniently always yields a position; whether the line was well
// formed is told beside it.
struct ReadMoveLine {
  RecordPosition position;
  Result<void, MoveLineFault> well_formed;
};

// Reads a line leniently: a field is read as a decimal number with spaces
// ignored, up to the first other character; an empty field (beyond the end of
// a short line) or one without a number reads 0; a board code outside
// -27..27 reads EMPTY, a hand field that is not a digit 0, a negative clock 0;
// characters beyond 299 are ignored. `well_formed` fails with the first
// field that is not well formed (spaces, an optional sign, digits, spaces; a code in
// -27..27, a hand digit, a clock of 0 or more), or a length other than 299.
ReadMoveLine read_move_line(std::string_view line);

}  // namespace velmora
