// A position of the match and the record that led to it, as one value.
//
// Position is what the rules, the survey, the evaluation, the search and the
// record format work on: the board, both hands, which army sits where, whose
// move it is and the move list (the last move there tells a pawn whether it
// may take en passant). It holds no window, no port and no pointer, so a copy
// is a whole independent position: copy it to think about a move without
// touching the game (make-on-copy), or play a trial move in place and undo it
// (see rules/moves.h).
//
// What follows from the board and the hands is never written from outside:
// the hand totals are counted from the hands whenever they are asked for, and
// the two-pawn columns are a snapshot of the board that only
// refresh_two_pawn_flags() writes. The rules take that snapshot after every
// move, and before they test pawn drops on a position set up by hand; a trial
// move that only touches the board leaves it as it was. check() tells whether
// the snapshot agrees with the board.
//
// For hashing: board, hand_own, hand_enemy, turn and chess_sign describe the
// position; the rest follows from them or from the move list.
#pragma once

#include <algorithm>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/result.h"
#include "rules/pieces.h"

namespace velmora {

// One slot of the move list: the position after move n (slot 0: the start).
struct HistorySlot {
  Board board;
  Hand hand_own{};
  Hand hand_enemy{};
  Cell move_to;  // where the move ended; (0, 0) before the first move
  int move_code = 0;
  double clock_own_before = 0, clock_own_after = 0;
  double clock_enemy_before = 0, clock_enemy_after = 0;
  bool operator==(const HistorySlot&) const = default;
};

// Slots n with first <= n <= last; none when first > last.
struct SlotSpan {
  int first = 1, last = 0;
  bool empty() const { return first > last; }
};

// The smallest span holding both.
inline SlotSpan joined(SlotSpan a, SlotSpan b) {
  if (a.empty()) return b;
  if (b.empty()) return a;
  return SlotSpan{std::min(a.first, b.first), std::max(a.last, b.last)};
}

// The slots of a move list written since a view of the list last took the
// note. A list assigned as a whole (a match set up again) counts as written
// everywhere; a copy made to think about a move keeps the note as it was.
// The note is no part of the list's value: two lists compare alike whatever
// their notes.
class WrittenSlots {
 public:
  WrittenSlots() = default;
  WrittenSlots(const WrittenSlots&) = default;
  WrittenSlots& operator=(const WrittenSlots&) {
    span_ = SlotSpan{0, std::numeric_limits<int>::max()};
    return *this;
  }
  bool operator==(const WrittenSlots&) const { return true; }

  SlotSpan span() const { return span_; }
  void note(SlotSpan span) { span_ = joined(span_, span); }
  SlotSpan take() { return std::exchange(span_, SlotSpan{}); }

 private:
  SlotSpan span_;
};

// The move list. It grows as a match goes on: there is no fixed limit of
// slots, and a slot beyond the end reads as an all-zero slot.
//
// Every slot handed out for writing (slot(n), turn_move_list) is noted as
// written until a view of the list (the list of moves beside the board) takes
// the note, so that the view changes only the rows that changed; the length
// it compares itself.
struct MoveList {
  std::vector<HistorySlot> slots = std::vector<HistorySlot>(1);
  int record_length = 0;
  // The slots show the board turned round (the chess army at the bottom), as
  // the board flip left them; a new game turns them back.
  bool turned = false;
  // The match ended on the last move of the list: set when it ends; any new
  // length of the list (set_length) clears it.
  bool match_ended = false;

  bool operator==(const MoveList&) const = default;

  void set_length(int n) {
    record_length = n;
    match_ended = false;
  }

  HistorySlot& slot(int n) {
    if (n >= static_cast<int>(slots.size())) slots.resize(n + 1);
    note_written({n, n});
    return slots[n];
  }
  const HistorySlot& slot(int n) const {
    static const HistorySlot blank{};
    return (n >= 0 && n < static_cast<int>(slots.size())) ? slots[n] : blank;
  }

  // The slots written since the note was last taken.
  SlotSpan written() const { return written_.span(); }
  void note_written(SlotSpan span) { written_.note(span); }
  SlotSpan take_written() { return written_.take(); }

 private:
  WrittenSlots written_;
};

// What is wrong with a position, in a line a person can read.
struct PositionFault {
  std::string what;
};
// A position that keeps its bookkeeping, or the first fault found.
using PositionCheck = Result<void, PositionFault>;

// The number of pieces a hand holds: the sum of its positive counts.
int hand_total(const Hand& hand);

struct Position {
  Board board;
  Hand hand_own{};      // pieces the own side captured (entries by hand index)
  Hand hand_enemy{};    // pieces the enemy side captured
  int chess_sign = +1;  // sign of the chess army's pieces; = army id of the own side
  int turn = 0;         // army to move: +1 main army, -1 chess army, 0 no match
  int move_number = 0;
  int king_taken = 0;  // the army whose king was taken, 0 while both stand
  MoveList history;

  // The sign of the main army's pieces: always the chess army's opposite.
  int main_sign() const { return -chess_sign; }

  int hand_own_total() const { return hand_total(hand_own); }
  int hand_enemy_total() const { return hand_total(hand_enemy); }

  // The two-pawn columns: 1 where an unpromoted pawn of that side (-HU own,
  // +HU enemy) stood when the flags were last refreshed.
  const ColumnFlags& hu_column_own() const { return hu_column_own_; }
  const ColumnFlags& hu_column_enemy() const { return hu_column_enemy_; }
  // Takes the two-pawn columns afresh from the board.
  void refresh_two_pawn_flags();

  // Checks the bookkeeping: every board code a piece or EMPTY (row and column
  // 0 EMPTY), no negative hand count and nothing under index 0, the two-pawn
  // flags matching the board, chess_sign +1 or -1, turn and king_taken values
  // they may hold. Fails with the first fault found.
  PositionCheck check() const;

  bool operator==(const Position&) const = default;

 private:
  ColumnFlags hu_column_own_{};
  ColumnFlags hu_column_enemy_{};
};

}  // namespace velmora
