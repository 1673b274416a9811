// The ".棋譜" game-record file: three header lines (Shift-JIS) and one line
// of 299 fixed-width characters per move, every line ended by CR LF.
//
// A move line holds the position after the move: 81 board codes of 3
// characters (column 1 top to bottom first), 36 one-digit hand counts
// (index 1..18, own hand then enemy hand for each index) and the four clock
// totals in whole seconds, 5 characters each, all right-aligned.
#pragma once

#include <array>
#include <istream>
#include <string>
#include <variant>
#include <vector>

#include "game/game.h"

namespace velmora {

inline constexpr int MOVE_LINE_LENGTH = 299;
inline constexpr int CODE_WIDTH = 3;
inline constexpr int CLOCK_WIDTH = 5;
inline constexpr int LARGEST_HAND_COUNT = 9;       // one digit
inline constexpr int LARGEST_CLOCK_TOTAL = 99999;  // five digits
// The longest record the game writes or reads; far beyond any real match,
// it keeps a huge or broken file from filling the memory.
inline constexpr int MAX_RECORD_MOVES = 20000;
// Header lines longer than this are cut; they are only printed on the window.
inline constexpr std::size_t MAX_HEADER_BYTES = 1000;

// One position of a record as the file holds it.
struct RecordPosition {
  Board board;
  Hand hand_own{};
  Hand hand_enemy{};
  int clock_own_before = 0, clock_own_after = 0;
  int clock_enemy_before = 0, clock_enemy_after = 0;
};

// A record as read from a file; the header texts are UTF-8.
struct Record {
  std::string title;
  std::string top_name;     // the player whose army was at the top when saved
  std::string bottom_name;  // the player whose army was at the bottom
  std::vector<RecordPosition> moves;
};

struct RecordError {
  enum Kind { CannotOpen, CannotRead, TooManyMoves } kind = CannotOpen;
  int line = 0;        // the line at which reading stopped (0: none was read)
  std::string detail;  // the system's description of the failure, if any
};

using RecordResult = std::variant<Record, RecordError>;

// Reads a record. Never fails on content: short lines read as zeros, long
// lines are cut at 299 characters, a field without a number reads 0, a board
// code outside -27..27 reads EMPTY, a hand field that is not a digit reads 0
// and a negative clock 0. Only a read error or more than MAX_RECORD_MOVES
// moves give an error.
RecordResult read_record(std::istream& in);
RecordResult read_record_file(const std::string& path);

// What had to be changed to make a position fit its fields.
struct SaveNotes {
  bool hand_clamped = false;   // a hand count of 10 or more was written as 9
  bool clock_clamped = false;  // a clock total beyond 99999 was written as 99999
};

// The 299 characters of a move line for `slot`.
std::string format_move_line(const HistorySlot& slot, SaveNotes& notes);

// The whole file: the three header lines in Shift-JIS (line breaks inside a
// text become spaces) and move lines for slots 1..length, each line ended by
// CR LF.
std::string format_record(const std::string& title, const std::string& top_name, const std::string& bottom_name,
                          const MoveList& list, int length, SaveNotes& notes);

}  // namespace velmora
