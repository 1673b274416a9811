// Making a legal move: board, hands, castling rook, own king square, redraws.
#pragma once

#include "game/game.h"

namespace velmora {

// Plays the move from (fx, fy) (a square, or a hand slot for a drop) to
// (tx, ty); `code` is the final code on the destination. Does not test
// legality. Redraws the squares and hands it changes and brings the two-pawn
// flags up to date.
void 駒移動(Game& g, int fx, int fy, int tx, int ty, int code);

// Puts a captured piece (its code as it stood) into the capturer's hand, or
// notes a taken king in king_taken.
void 駒取得(Game& g, int captured);

// Recomputes hu_column_own / hu_column_enemy from the board.
void 調査_2歩フラグ設定(Game& g);

// Pieces in the own hand (side = chess_sign) or the enemy hand (side =
// main_sign); 0 for any other side value.
int 調査_持駒数(const Game& g, int side);

// For move n >= 1: the first square (columns outer, rows inner) whose code in
// history slot n differs from slot n - 1 and is not EMPTY. Returns false and
// leaves x, y, code untouched when there is none.
bool 調査_移動結果(const Game& g, int n, int& x, int& y, int& code);

}  // namespace velmora
