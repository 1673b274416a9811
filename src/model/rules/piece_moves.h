// How every kind moves, written once: the move check reads this table, and
// level 4's move generation and attack tests build their fast tables from it.
//
// A kind's moves are a short list of patterns. A pattern is a shape, an
// offset (dx, dy) on the board, and at most one bound. The offsets are
// written as the enemy side (at the top) plays them: dy = +1 is one row
// forward for it, down the board. A kind whose patterns are not the same when
// turned upside down (the pawns, the shogi generals, the lance, the knight) is
// turned for the own side, so that forward is up the board for it; the other
// kinds move alike for both sides and are used as written, in the order
// written. Level 4 generates moves in the order of the patterns, and its
// search keeps that order among equal moves.
#pragma once

#include <array>
#include <cstdint>

#include "rules/piece_kinds.h"

namespace velmora {

enum class Shape : std::uint8_t {
  Step,     // straight to the offset, over whatever stands between (a leap when farther than one square)
  Ride,     // along the offset square by square while the squares are empty, onto the first piece
  Leg,      // to the offset when its leg square (lx, ly) is empty: the janggi horse and elephant
  Cannon,   // along the offset onto empty squares; captures only over exactly one screen of either side
  Push,     // the chess pawn's step onto an empty square, two steps from its start row over an empty one
  Capture,  // the chess pawn's step onto an opposing piece, or en passant onto the square behind one
};

// Where a pattern may be used, beyond its shape; the rows are the mover's.
enum class Bound : std::uint8_t {
  Anywhere,
  Palace,   // the destination lies in the mover's palace
  OwnHalf,  // the destination lies in the mover's half or on the middle row
  Crossed,  // the mover stands in the other side's half
};

struct Pattern {
  Shape shape = Shape::Step;
  std::int8_t dx = 0, dy = 0;
  Bound bound = Bound::Anywhere;
  std::int8_t lx = 0, ly = 0;  // the leg square of a Leg, from the source
};

inline constexpr int MAX_PATTERNS = 8;

struct PieceMoves {
  std::uint8_t count = 0;
  std::array<Pattern, MAX_PATTERNS> patterns{};
  bool castles = false;  // the chess king's castling, on the squares the rules name

  constexpr const Pattern* begin() const { return patterns.data(); }
  constexpr const Pattern* end() const { return patterns.data() + count; }
};

namespace piece_move_rows {
using enum Shape;
using enum Bound;

constexpr Pattern step(int dx, int dy, Bound b = Anywhere) {
  return {Step, static_cast<std::int8_t>(dx), static_cast<std::int8_t>(dy), b};
}
constexpr Pattern ride(int dx, int dy) { return {Ride, static_cast<std::int8_t>(dx), static_cast<std::int8_t>(dy)}; }
constexpr Pattern leg(int dx, int dy, int lx, int ly, Bound b = Anywhere) {
  return {Leg, static_cast<std::int8_t>(dx), static_cast<std::int8_t>(dy),
          b,   static_cast<std::int8_t>(lx), static_cast<std::int8_t>(ly)};
}
constexpr Pattern cannon(int dx, int dy) {
  return {Cannon, static_cast<std::int8_t>(dx), static_cast<std::int8_t>(dy)};
}
constexpr Pattern push() { return {Push, 0, 1}; }
constexpr Pattern capture(int dx) { return {Capture, static_cast<std::int8_t>(dx), 1}; }

template <class... P>
constexpr PieceMoves moves(P... p) {
  return {sizeof...(p), {p...}};
}

// The lines and neighbours, in the order level 4 has always walked them.
constexpr PieceMoves DIAGONAL_RIDES = moves(ride(1, 1), ride(-1, 1), ride(1, -1), ride(-1, -1));
constexpr PieceMoves ORTHOGONAL_RIDES = moves(ride(1, 0), ride(-1, 0), ride(0, 1), ride(0, -1));
constexpr PieceMoves KING_STEPS =
    moves(step(1, 0), step(-1, 0), step(0, 1), step(0, -1), step(1, 1), step(-1, 1), step(1, -1), step(-1, -1));
constexpr PieceMoves GOLD_STEPS = moves(step(-1, 1), step(0, 1), step(1, 1), step(1, 0), step(-1, 0), step(0, -1));

constexpr PieceMoves with_castling(PieceMoves m) {
  m.castles = true;
  return m;
}

// clang-format off
inline constexpr PieceMoves PIECE_MOVES[KIND_COUNT + 1] = {
  /* EMPTY  */ {},
  /* HU     */ moves(step(0, 1)),
  /* HU_N   */ GOLD_STEPS,
  /* HEISI  */ moves(step(0, 1), step(1, 0, Crossed), step(-1, 0, Crossed)),
  /* PORN   */ moves(push(), capture(-1), capture(1)),
  /* KYOU   */ moves(ride(0, 1)),
  /* KYOU_N */ GOLD_STEPS,
  /* KURUMA */ ORTHOGONAL_RIDES,
  /* KEI    */ moves(step(1, 2), step(-1, 2)),
  /* KEI_N  */ GOLD_STEPS,
  /* GIN    */ moves(step(-1, 1), step(0, 1), step(1, 1), step(1, -1), step(-1, -1)),
  /* GIN_N  */ GOLD_STEPS,
  /* KIN    */ GOLD_STEPS,
  /* ROOK   */ ORTHOGONAL_RIDES,
  /* KNIG   */ moves(step(1, 2), step(-1, 2), step(1, -2), step(-1, -2), step(2, 1), step(-2, 1), step(2, -1),
                     step(-2, -1)),
  /* BISH   */ DIAGONAL_RIDES,
  /* UMA    */ moves(leg(2, 1, 1, 0), leg(2, -1, 1, 0), leg(-2, 1, -1, 0), leg(-2, -1, -1, 0),
                     leg(1, 2, 0, 1), leg(-1, 2, 0, 1), leg(1, -2, 0, -1), leg(-1, -2, 0, -1)),
  /* ZOU    */ moves(leg(2, 2, 1, 1, OwnHalf), leg(-2, 2, -1, 1, OwnHalf), leg(2, -2, 1, -1, OwnHalf),
                     leg(-2, -2, -1, -1, OwnHalf)),
  /* TUKAE  */ moves(step(1, 1, Palace), step(-1, 1, Palace), step(1, -1, Palace), step(-1, -1, Palace)),
  /* HOU    */ moves(cannon(1, 0), cannon(-1, 0), cannon(0, 1), cannon(0, -1)),
  /* KAKU   */ DIAGONAL_RIDES,
  /* KAKU_N */ moves(ride(1, 1), ride(-1, 1), ride(1, -1), ride(-1, -1), step(1, 0), step(-1, 0), step(0, 1),
                     step(0, -1)),
  /* SYA    */ ORTHOGONAL_RIDES,
  /* SYA_N  */ moves(ride(1, 0), ride(-1, 0), ride(0, 1), ride(0, -1), step(1, 1), step(-1, 1), step(1, -1),
                     step(-1, -1)),
  /* QEEN   */ moves(ride(1, 1), ride(-1, 1), ride(1, -1), ride(-1, -1), ride(1, 0), ride(-1, 0), ride(0, 1),
                     ride(0, -1)),
  /* KING   */ with_castling(KING_STEPS),
  /* SYOU   */ moves(step(1, 0, Palace), step(-1, 0, Palace), step(0, 1, Palace), step(0, -1, Palace)),
  /* OU     */ KING_STEPS,
};
// clang-format on
}  // namespace piece_move_rows

// PIECE_MOVES[kind], beside PIECE_KINDS[kind]: the patterns of a kind, 1..27.
using piece_move_rows::PIECE_MOVES;

// Whether the kind moves alike for both sides: every pattern turned upside
// down is one of its patterns too.
constexpr bool moves_alike_both_ways(const PieceMoves& m) {
  for (const Pattern& p : m) {
    bool mirrored = false;
    for (const Pattern& q : m)
      mirrored = mirrored || (q.shape == p.shape && q.bound == p.bound && q.dx == p.dx && q.dy == -p.dy &&
                              q.lx == p.lx && q.ly == -p.ly);
    if (!mirrored) return false;
  }
  return true;
}

// Whether each kind moves alike both ways, worked out once from the table.
inline constexpr auto ALIKE_BOTH_WAYS = [] {
  std::array<bool, KIND_COUNT + 1> alike{};
  for (int kind = 0; kind <= KIND_COUNT; ++kind) alike[kind] = moves_alike_both_ways(PIECE_MOVES[kind]);
  return alike;
}();

// How a pattern's rows turn for a piece of side `sign`: +1, as written, for
// the enemy side and for the kinds that move alike both ways; -1 otherwise.
constexpr int row_turn(int kind, int sign) { return sign > 0 || ALIKE_BOTH_WAYS[kind] ? +1 : -1; }

// Whether `bound` holds for a piece of side `sign` going from row fy to the
// square (tx, ty).
constexpr bool bound_holds(Bound bound, int sign, int fy, int tx, int ty) {
  switch (bound) {
    case Bound::Palace: return tx >= 4 && tx <= 6 && far_row(sign, ty) >= 7;
    case Bound::OwnHalf: return far_row(sign, ty) >= 5;
    case Bound::Crossed: return far_row(sign, fy) <= 4;
    default: return true;
  }
}

// The chess pawn's rows, counted from the far edge of its side: its start row
// (a double step from there), and the row where it may take en passant.
inline constexpr int PAWN_START_FAR_ROW = 8;
inline constexpr int EN_PASSANT_FAR_ROW = 4;

}  // namespace velmora
