// Piece codes, sides and the hand tables of the three armies.
//
// A piece is a signed code: the sign is its side (negative = own side, drawn
// at the bottom; positive = enemy side, at the top) and the absolute value its
// kind. Kinds are ordered roughly by strength, so comparing codes compares
// values. +K / -K in comments mean the enemy / own code of kind K.
#pragma once

#include "rules/grid.h"

namespace velmora {

inline constexpr int EMPTY = 0;

// The 27 kinds. Write -HU for the own side's pawn, HU (or +HU) for the enemy's.
inline constexpr int HU = 1;       // shogi pawn "歩"
inline constexpr int HU_N = 2;     // promoted pawn "と"
inline constexpr int HEISI = 3;    // janggi soldier "卒"
inline constexpr int PORN = 4;     // chess pawn "ポーン"
inline constexpr int KYOU = 5;     // shogi lance "香"
inline constexpr int KYOU_N = 6;   // promoted lance
inline constexpr int KURUMA = 7;   // janggi chariot "車"
inline constexpr int KEI = 8;      // shogi knight "桂"
inline constexpr int KEI_N = 9;    // promoted knight
inline constexpr int GIN = 10;     // shogi silver "銀"
inline constexpr int GIN_N = 11;   // promoted silver
inline constexpr int KIN = 12;     // shogi gold "金"
inline constexpr int ROOK = 13;    // chess rook
inline constexpr int KNIG = 14;    // chess knight
inline constexpr int BISH = 15;    // chess bishop
inline constexpr int UMA = 16;     // janggi horse "馬"
inline constexpr int ZOU = 17;     // janggi elephant "象"
inline constexpr int TUKAE = 18;   // janggi guard "士"
inline constexpr int HOU = 19;     // janggi cannon "砲"
inline constexpr int KAKU = 20;    // shogi bishop "角"
inline constexpr int KAKU_N = 21;  // promoted bishop
inline constexpr int SYA = 22;     // shogi rook "飛"
inline constexpr int SYA_N = 23;   // promoted rook
inline constexpr int QEEN = 24;    // chess queen
inline constexpr int KING = 25;    // chess king
inline constexpr int SYOU = 26;    // janggi general "将"
inline constexpr int OU = 27;      // shogi king "王"

inline constexpr int KIND_COUNT = 27;

inline constexpr int kind_of(int code) { return code < 0 ? -code : code; }
inline constexpr int sign_of(int code) { return (code > 0) - (code < 0); }

// A code outside -27..27 is no piece; readers treat it as EMPTY.
inline constexpr bool is_piece(int code) { return code != EMPTY && code >= -KIND_COUNT && code <= KIND_COUNT; }
inline constexpr int piece_or_empty(int code) { return is_piece(code) ? code : EMPTY; }

// The piece on (x, y) as the rules see it: EMPTY off the board and for a
// code that is no piece.
inline int piece_at(const Board& board, int x, int y) { return piece_or_empty(board.at(x, y)); }

inline constexpr bool is_king_kind(int kind) { return kind == KING || kind == SYOU || kind == OU; }
inline constexpr bool is_chess_kind(int kind) {
  return kind == PORN || kind == ROOK || kind == KNIG || kind == BISH || kind == QEEN || kind == KING;
}

// Hands: 19 counts, index 0 unused. HAND_INDEX of a kind (promoted shogi kinds
// count as their unpromoted kind); 0 for the kings, which never go to a hand.
inline constexpr int HAND_SIZE = 19;
inline constexpr int HAND_KINDS[HAND_SIZE] = {EMPTY, PORN, ROOK, KNIG,  BISH,   QEEN, HU,  KYOU,  KEI, GIN,
                                              KIN,   KAKU, SYA,  HEISI, KURUMA, UMA,  ZOU, TUKAE, HOU};
int hand_index_of(int code);

// Hand slots beside the board. Own side: column 11 chess, 13 janggi, 15 shogi;
// enemy side: -1, -3, -5, the 180-degree image (x, y) <-> (10 - x, 10 - y).
inline constexpr bool is_hand_column(int x) { return x == 11 || x == 13 || x == 15 || x == -1 || x == -3 || x == -5; }
struct Slot {
  int x = 0;
  int y = 0;
};
Slot own_hand_slot(int hand_index);
Slot enemy_hand_slot(int hand_index);
// Hand index of a slot, or 0 when (x, y) is no slot of a hand.
int hand_index_of_slot(int x, int y);

// Board geometry in twips: square (x, y) has its top-left corner at
// (BOARD_LEFT + SQUARE_WIDTH * x, BOARD_TOP + SQUARE_HEIGHT * y).
inline constexpr int BOARD_LEFT = 2700;
inline constexpr int BOARD_TOP = 700;
inline constexpr int SQUARE_WIDTH = 495;
inline constexpr int SQUARE_HEIGHT = 615;
inline constexpr int BOARD_SIZE = 9;
// The top-left corner of cell (x, y) in twips; fractions of a cell for texts.
inline constexpr double cell_left(double x) { return BOARD_LEFT + SQUARE_WIDTH * x; }
inline constexpr double cell_top(double y) { return BOARD_TOP + SQUARE_HEIGHT * y; }

inline constexpr bool on_board(int x, int y) { return x >= 1 && x <= 9 && y >= 1 && y <= 9; }

// The board turned by 180 degrees: every piece goes to the opposite square,
// (x, y) -> (10 - x, 10 - y), and changes side.
Board turned_board(const Board& board);

}  // namespace velmora
