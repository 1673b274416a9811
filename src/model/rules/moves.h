// Making a move on a Position, and what it changed.
#pragma once

#include "rules/candidate.h"
#include "rules/position.h"

namespace velmora {

// What a move changed, for whoever shows the position: the squares in the
// order they must be redrawn, and the hands.
struct MoveReport {
  bool played = false;  // false: the move was refused as unplayable, nothing changed
  Candidate move;       // the move played (a drop by its hand index)
  int captured = 0;     // the code taken on the destination (or en passant), EMPTY if none
  bool en_passant = false;
  Cell passed;            // the square of the pawn taken en passant
  bool promoted = false;  // the code placed differs from the code that left
  bool castled = false;
  Cell rook_from, rook_to;
  // The hand that received the captured piece, and the hand the dropped
  // piece left: -1 the own hand, +1 the enemy hand, 0 none.
  int hand_gained = 0;
  int hand_spent = 0;
};

// Plays the move from `from` (a square, or a hand slot for a drop) to `to`;
// `code` is the final code on the destination. Does not test legality.
// Refreshes the two-pawn flags afterwards. Nothing is played without a
// destination, a piece, and a square or a hand slot holding a piece to take
// it from.
MoveReport make_move(Position& pos, Cell from, Cell to, int code);

// Puts a captured piece (its code as it stood) into the capturer's hand, or
// notes a taken king in king_taken.
void 駒取得(Position& pos, int captured);

// Takes the two-pawn flags afresh from the board.
void 調査_2歩フラグ設定(Position& pos);

// Pieces in the own hand (side = chess_sign) or the enemy hand (side =
// main_sign()); 0 for any other side value.
int 調査_持駒数(const Position& pos, int side);

// For move n >= 1: the first square (columns outer, rows inner) whose code in
// history slot n differs from slot n - 1 and is not EMPTY. Returns false and
// leaves x, y, code untouched when there is none.
bool 調査_移動結果(const Position& pos, int n, int& x, int& y, int& code);

}  // namespace velmora
