// The 27 piece kinds and one table of what each kind is: its pictures, its
// record name, its army, where it goes in a hand, how it promotes, the rows it
// may not stand or be dropped on, its counterpart in the other nation's
// line-up and its value for level 4.
//
// A piece is a signed code: the sign is its side (negative = own side, drawn
// at the bottom; positive = enemy side, at the top) and the absolute value its
// kind. Kinds are ordered roughly by strength, so comparing codes compares
// values. +K / -K in comments mean the enemy / own code of kind K.
#pragma once

#include <cstdint>

#include "text/shown.h"

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

enum class Army : std::uint8_t { None, Shogi, Janggi, Chess };

// When a move may promote. Rows are counted from the far edge of the mover's
// side, 1 being the far row; the promotion zone is the far three rows.
enum class PromotionRule : std::uint8_t {
  Never,
  ArrivingInZone,         // the move ends in the zone
  ArrivingOrLeavingZone,  // the move starts or ends in the zone
  ChessPawn,              // the move ends on the far two rows; the mover may choose the new piece
};

struct PieceKind {
  const char* picture;      // stem of the picture names, e.g. "UE_" + stem
  const char* record_name;  // as records and the move display print it
  Army army;
  bool king;
  bool pawn;                // 歩, 卒 and the chess pawn: they only step forward (or aside)
  bool shogi_ranger;        // ranges along shogi lines: lance, bishop, rook and their promotions
  std::uint8_t hand_index;  // where a captured piece goes; 0 for the kings
  PromotionRule promotion;
  std::uint8_t promoted_kind;     // the kind it becomes (the queen for the chess pawn)
  std::uint8_t stuck_far_rows;    // far rows where it would have no move left: it must promote
  std::uint8_t barred_drop_rows;  // far rows a dropped piece of this kind may not land on
  // The kind it becomes when the main army changes nation, towards 日本
  // and towards 韓国; a kind outside the exchange stays as it is.
  std::uint8_t under_nippon;
  std::uint8_t under_korea;
  std::int16_t value;  // level 4's material value, a shogi pawn being about 90
};

namespace kind_rows {
using enum Army;
using enum PromotionRule;
// clang-format off
inline constexpr PieceKind PIECE_KINDS[KIND_COUNT + 1] = {
  // picture   record            army    king   pawn   ranger  hand promotion          promoted stuck barred nippon  korea   value
  {"",        "",               None,   false, false, false,   0, Never,                 EMPTY,  0, 0, EMPTY,  EMPTY,    0},
  {"HU",      SHOWN("歩"),      Shogi,  false, true,  false,   6, ArrivingInZone,        HU_N,   1, 1, HEISI,  HEISI,   90},
  {"HU_N",    SHOWN("と"),      Shogi,  false, false, false,   6, Never,                 EMPTY,  0, 0, HU_N,   HU_N,   520},
  {"HEISI",   SHOWN("卒"),      Janggi, false, true,  false,  13, Never,                 EMPTY,  0, 0, HU,     HU,     130},
  {"PORN",    SHOWN("ポーン"),  Chess,  false, true,  false,   1, ChessPawn,             QEEN,   1, 2, PORN,   PORN,   110},
  {"KYOU",    SHOWN("香"),      Shogi,  false, false, true,    7, ArrivingInZone,        KYOU_N, 1, 1, KURUMA, KURUMA, 250},
  {"KYOU_N",  SHOWN("香成"),    Shogi,  false, false, false,   7, Never,                 EMPTY,  0, 0, KYOU_N, KYOU_N, 480},
  {"KURUMA",  SHOWN("車"),      Janggi, false, false, false,  14, Never,                 EMPTY,  0, 0, KYOU,   KYOU,   640},
  {"KEI",     SHOWN("桂"),      Shogi,  false, false, false,   8, ArrivingInZone,        KEI_N,  2, 2, UMA,    UMA,    270},
  {"KEI_N",   SHOWN("桂成"),    Shogi,  false, false, false,   8, Never,                 EMPTY,  0, 0, KEI_N,  KEI_N,  480},
  {"GIN",     SHOWN("銀"),      Shogi,  false, false, false,   9, ArrivingOrLeavingZone, GIN_N,  0, 0, ZOU,    ZOU,    380},
  {"GIN_N",   SHOWN("銀成"),    Shogi,  false, false, false,   9, Never,                 EMPTY,  0, 0, GIN_N,  GIN_N,  480},
  {"KIN",     SHOWN("金"),      Shogi,  false, false, false,  10, Never,                 EMPTY,  0, 0, TUKAE,  TUKAE,  450},
  {"ROOK",    SHOWN("ルーク"),  Chess,  false, false, false,   2, Never,                 EMPTY,  0, 0, ROOK,   ROOK,   640},
  {"KNIG",    SHOWN("ナイト"),  Chess,  false, false, false,   3, Never,                 EMPTY,  0, 0, KNIG,   KNIG,   380},
  {"BISH",    SHOWN("ﾋﾞｼｮｯﾌﾟ"), Chess,  false, false, false,   4, Never,                 EMPTY,  0, 0, BISH,   BISH,   520},
  {"UMA",     SHOWN("馬"),      Janggi, false, false, false,  15, Never,                 EMPTY,  0, 0, KEI,    KEI,    340},
  {"ZOU",     SHOWN("象"),      Janggi, false, false, false,  16, Never,                 EMPTY,  0, 0, GIN,    GIN,    230},
  {"TUKAE",   SHOWN("士"),      Janggi, false, false, false,  17, Never,                 EMPTY,  0, 0, KIN,    KIN,    280},
  {"HOU",     SHOWN("砲"),      Janggi, false, false, false,  18, Never,                 EMPTY,  0, 0, KAKU,   SYA,    420},
  {"KAKU",    SHOWN("角"),      Shogi,  false, false, true,   11, ArrivingOrLeavingZone, KAKU_N, 0, 0, HOU,    HOU,    570},
  {"KAKU_N",  SHOWN("角成"),    Shogi,  false, false, true,   11, Never,                 EMPTY,  0, 0, KAKU_N, KAKU_N, 850},
  {"SYA",     SHOWN("飛"),      Shogi,  false, false, true,   12, ArrivingOrLeavingZone, SYA_N,  0, 0, HOU,    HOU,    680},
  {"SYA_N",   SHOWN("飛成"),    Shogi,  false, false, true,   12, Never,                 EMPTY,  0, 0, SYA_N,  SYA_N,  980},
  {"QEEN",    SHOWN("ｸｲｰﾝ"),    Chess,  false, false, false,   5, Never,                 EMPTY,  0, 0, QEEN,   QEEN,  1150},
  {"KING",    SHOWN("キング"),  Chess,  true,  false, false,   0, Never,                 EMPTY,  0, 0, KING,   KING,     0},
  {"SYOU",    SHOWN("将"),      Janggi, true,  false, false,   0, Never,                 EMPTY,  0, 0, OU,     OU,       0},
  {"OU",      SHOWN("王"),      Shogi,  true,  false, false,   0, Never,                 EMPTY,  0, 0, SYOU,   SYOU,     0},
};
// clang-format on
}  // namespace kind_rows

// PIECE_KINDS[kind] is the row of a kind known to be one, 1..27; piece_kind()
// takes any number.
using kind_rows::PIECE_KINDS;

// The row of `kind`, or the empty row when `kind` is no kind.
inline constexpr const PieceKind& piece_kind(int kind) {
  return (kind >= 0 && kind <= KIND_COUNT) ? PIECE_KINDS[kind] : PIECE_KINDS[EMPTY];
}

inline constexpr bool is_king_kind(int kind) { return piece_kind(kind).king; }
inline constexpr bool is_chess_kind(int kind) { return piece_kind(kind).army == Army::Chess; }
// The own side's king, of whichever army.
inline constexpr bool is_own_king(int code) { return code < 0 && is_king_kind(-code); }

// Rows counted from the far edge of the side of `sign`: 1 on its far row.
inline constexpr int far_row(int sign, int y) { return sign < 0 ? y : 10 - y; }

// Whether the piece `code` would have no move left on row y, so that it may
// not stay unpromoted there.
inline constexpr bool stuck_on_row(int code, int y) {
  return far_row(sign_of(code), y) <= piece_kind(kind_of(code)).stuck_far_rows;
}

// Whether a move of `sign` from row fy to row ty may promote under `rule`.
inline constexpr bool may_promote(PromotionRule rule, int sign, int fy, int ty) {
  switch (rule) {
    case PromotionRule::ArrivingInZone: return far_row(sign, ty) <= 3;
    case PromotionRule::ArrivingOrLeavingZone: return far_row(sign, ty) <= 3 || far_row(sign, fy) <= 3;
    case PromotionRule::ChessPawn: return far_row(sign, ty) <= 2;
    default: return false;
  }
}

// --- Classes of pieces by the order of the kinds -----------------------------
//
// The computer reads many classes as a comparison of codes, relying on the
// order of the kinds. The names below say what each comparison means.

inline constexpr bool is_enemy_piece(int code) { return code >= +HU; }
inline constexpr bool is_own_piece(int code) { return code <= -HU; }

// An enemy / own piece of `kind` or of a kind after it in the order, that is
// roughly a stronger one.
inline constexpr bool is_enemy_at_least(int code, int kind) { return code >= +kind; }
inline constexpr bool is_own_at_least(int code, int kind) { return code <= -kind; }
// An enemy / own piece of a kind after `kind` in the order.
inline constexpr bool is_enemy_above(int code, int kind) { return code > +kind; }
inline constexpr bool is_own_above(int code, int kind) { return code < -kind; }

// The major pieces and above: bishop, rook, their promotions, the queen and
// the kings.
inline constexpr int FIRST_MAJOR_KIND = KAKU;
// The shogi major pieces: bishop, horse, rook and dragon.
inline constexpr bool is_shogi_major_kind(int kind) { return kind >= KAKU && kind <= SYA_N; }
// The kings are the strongest kinds; every kind up to the queen is none.
inline constexpr int STRONGEST_NON_KING = QEEN;
inline constexpr bool is_non_king_kind(int kind) { return kind >= HU && kind <= STRONGEST_NON_KING; }

}  // namespace velmora
