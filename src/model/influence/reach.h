// The two record operations that book one reach of a piece into the
// influence maps, and the walk of a sliding piece along one direction.
// Internal to the influence survey; everything here is inline because the
// survey books every reached square through it.
#pragma once

#include "influence/maps.h"
#include "rules/position.h"

namespace velmora {

// The weakest kind a record takes in: every piece, or every piece but the
// main army's foot soldiers 歩, と and 卒, the kinds below the chess pawn.
inline constexpr int EVERY_PIECE = HU;
inline constexpr int ABOVE_FOOT_SOLDIERS = PORN;

// A set of king kinds, one bit per kind.
using KingSet = unsigned;
inline constexpr KingSet king_bit(int kind) { return 1u << kind; }
inline constexpr KingSet NO_KINGS = 0;
inline constexpr KingSet ALL_KINGS = king_bit(OU) | king_bit(SYOU) | king_bit(KING);
inline constexpr KingSet OU_AND_KING = king_bit(OU) | king_bit(KING);
inline constexpr KingSet KING_ONLY = king_bit(KING);
inline constexpr KingSet OU_ONLY = king_bit(OU);

inline constexpr bool in_king_set(KingSet set, int kind) {
  return kind > 0 && kind <= KIND_COUNT && ((set >> kind) & 1u) != 0;
}

// How an own piece books a square it reaches. `check_kings` are the enemy
// kings whose square makes the reaching piece a checker.
struct OwnBooking {
  int attack_threshold = EVERY_PIECE;  // weaker enemy pieces are not recorded as attacked
  KingSet check_kings = ALL_KINGS;
  bool mark_target = false;  // a check also marks the king's square
};

enum class EnemyAttack { None, Code, CodeAndPosition };

// How an enemy piece books a square it reaches. `check_kings` are the own
// kings (by kind) whose square makes the reaching piece a checker.
struct EnemyBooking {
  bool records_codes = true;            // false: only the count and the check are booked
  int defence_threshold = EVERY_PIECE;  // weaker enemy pieces are not recorded as protected
  bool defender_position = false;
  EnemyAttack attack = EnemyAttack::None;
  int attack_threshold = EVERY_PIECE;  // weaker own pieces are not recorded as attacked
  KingSet check_kings = ALL_KINGS;
  bool mark_target = false;
};

// The own piece `code` on (x, y) reaches (tx, ty).
inline void record_own_reach(const Position& pos, InfluenceMaps& maps, int code, int x, int y, int tx, int ty,
                             const OwnBooking& o) {
  InfluenceMaps& m = maps;
  m.own_influence(tx, ty) += 1;
  const int target = pos.board(tx, ty);
  if (target < 0) {
    if (code < m.own_defender_code(tx, ty)) m.own_defender_code(tx, ty) = code;
  } else if (is_enemy_at_least(target, o.attack_threshold)) {
    if (code > m.own_attacker_code(tx, ty)) {
      m.own_attacker_code(tx, ty) = code;
      m.own_attacker_x(tx, ty) = x;
      m.own_attacker_y(tx, ty) = y;
    }
  }
  if (in_king_set(o.check_kings, target)) {
    m.own_check_map(x, y) = CHECKER_MARK;
    if (o.mark_target) m.own_check_map(tx, ty) = CHECKER_MARK;
  }
}

// The enemy piece `code` on (x, y) reaches (tx, ty).
inline void record_enemy_reach(const Position& pos, InfluenceMaps& maps, int code, int x, int y, int tx, int ty,
                               const EnemyBooking& o) {
  InfluenceMaps& m = maps;
  m.enemy_influence(tx, ty) += 1;
  const int target = pos.board(tx, ty);
  if (o.records_codes) {
    if (is_enemy_at_least(target, o.defence_threshold)) {
      if (code < m.enemy_defender_code(tx, ty)) {
        m.enemy_defender_code(tx, ty) = code;
        if (o.defender_position) {
          m.enemy_defender_x(tx, ty) = x;
          m.enemy_defender_y(tx, ty) = y;
        }
      }
    } else if (o.attack != EnemyAttack::None && is_own_at_least(target, o.attack_threshold)) {
      if (code < m.enemy_attacker_code(tx, ty)) {
        m.enemy_attacker_code(tx, ty) = code;
        if (o.attack == EnemyAttack::CodeAndPosition) {
          m.enemy_attacker_x(tx, ty) = x;
          m.enemy_attacker_y(tx, ty) = y;
        }
      }
    }
  }
  if (in_king_set(o.check_kings, -target)) {
    m.enemy_check_map(x, y) = CHECKER_MARK;
    if (o.mark_target) m.enemy_check_map(tx, ty) = CHECKER_MARK;
  }
}

// Books a step or leap of an own piece when the square is on the board.
inline void own_step(const Position& pos, InfluenceMaps& maps, int code, int x, int y, int tx, int ty,
                     const OwnBooking& o = {}) {
  if (on_board(tx, ty)) record_own_reach(pos, maps, code, x, y, tx, ty, o);
}

inline void enemy_step(const Position& pos, InfluenceMaps& maps, int code, int x, int y, int tx, int ty,
                       const EnemyBooking& o = {}) {
  if (on_board(tx, ty)) record_enemy_reach(pos, maps, code, x, y, tx, ty, o);
}

// How a sliding piece books the squares of its lines: the code it books, the
// thresholds of its records and the kings of the other side its lines pass
// over (and give check to).
struct Slider {
  int code;
  int threshold;  // attack threshold of an own slider; defence and attack threshold of an enemy one
  KingSet passes_over;
};

// Walks from (x, y) in steps of (dx, dy) to the board's edge, booking every
// square, and stops after the first piece that is not one of the kings the
// line passes over. Passing over such a king is a check: the squares between
// the slider and the king are marked as the check line and the slider's own
// square as the checker.
inline void walk_line(const Position& pos, InfluenceMaps& maps, const Slider& s, int x, int y, int dx, int dy) {
  const bool own_side = s.code < 0;
  Grid<int>& check_map = own_side ? maps.own_check_map : maps.enemy_check_map;
  for (int tx = x + dx, ty = y + dy; on_board(tx, ty); tx += dx, ty += dy) {
    if (own_side) {
      record_own_reach(pos, maps, s.code, x, y, tx, ty, {.attack_threshold = s.threshold, .check_kings = NO_KINGS});
    } else {
      record_enemy_reach(pos, maps, s.code, x, y, tx, ty,
                         {.defence_threshold = s.threshold,
                          .defender_position = true,
                          .attack = EnemyAttack::CodeAndPosition,
                          .attack_threshold = s.threshold,
                          .check_kings = NO_KINGS});
    }
    const int target = pos.board(tx, ty);
    if (target == EMPTY) continue;
    const int other_side_kind = own_side ? target : -target;
    if (!in_king_set(s.passes_over, other_side_kind)) return;
    for (int lx = x + dx, ly = y + dy; lx != tx || ly != ty; lx += dx, ly += dy) check_map(lx, ly) = LINE_MARK;
    check_map(x, y) = CHECKER_MARK;
  }
}

// The four diagonals in their booking order: up-left, up-right, down-left, down-right.
inline void walk_diagonals(const Position& pos, InfluenceMaps& maps, const Slider& s, int x, int y) {
  walk_line(pos, maps, s, x, y, -1, -1);
  walk_line(pos, maps, s, x, y, +1, -1);
  walk_line(pos, maps, s, x, y, -1, +1);
  walk_line(pos, maps, s, x, y, +1, +1);
}

}  // namespace velmora
