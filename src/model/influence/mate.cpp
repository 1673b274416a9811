// Check and mate tests, one move deep, read from the maps of the last survey.
// Every trial move is taken back before the routine returns.
#include "influence/mate.h"

#include "influence/survey.h"
#include "rules/hand_index.h"
#include "rules/move_check.h"
#include "rules/trial_move.h"

namespace velmora {
namespace {

// The side being tested for mate, seen through the maps that describe the
// other side's grip on it.
struct Defender {
  int sign;                             // -1 own side, +1 enemy side
  int king_x, king_y;                   // its king's square
  const Grid<int>& attacker_influence;  // how many opposing pieces reach each square
  const Grid<int>& check_map;           // the opposing checkers and their lines
  int hand_total;
  int hand_chess_pawns;
};

bool next_to_king(const Defender& d, int x, int y) {
  return x - d.king_x >= -1 && x - d.king_x <= 1 && y - d.king_y >= -1 && y - d.king_y <= 1;
}

// 1 when some checker on the check map can still move onto the king.
bool a_checker_gets_through(const Position& pos, const Defender& d) {
  for (int cx = 1; cx <= 9; ++cx)
    for (int cy = 1; cy <= 9; ++cy)
      if (d.check_map(cx, cy) == CHECKER_MARK && 移動チェック(pos, {cx, cy}, {d.king_x, d.king_y}, pos.board(cx, cy)))
        return true;
  return false;
}

// Whether a piece dropped on the check lines stops every checker. An adjacent
// checker, or a line square where a blocker leaves some checker free, means
// no drop helps. A hand of nothing but chess pawns never blocks: the pawn
// blocker is taken off again before the checkers are tried.
bool drop_blocks_check(Position& pos, const Defender& d) {
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      const int mark = d.check_map(x, y);
      if (mark == CHECKER_MARK && next_to_king(d, x, y)) return false;
      if (mark != LINE_MARK) continue;
      TrialSquares trial(pos.board);
      if (d.hand_total != d.hand_chess_pawns) trial.place(x, y, d.sign * HU);
      if (a_checker_gets_through(pos, d)) return false;
    }
  }
  return true;
}

// Whether the king can step to a neighbour that no opposing piece reaches.
// The king is moved as an OU whatever its kind.
bool king_can_escape(const Position& pos, const Defender& d) {
  for (int x = d.king_x - 1; x <= d.king_x + 1; ++x)
    for (int y = d.king_y - 1; y <= d.king_y + 1; ++y)
      if (on_board(x, y) && 移動チェック(pos, {d.king_x, d.king_y}, {x, y}, d.sign * OU) &&
          d.attacker_influence(x, y) == 0)
        return true;
  return false;
}

// Plays (x, y) -> (tx, ty) on the board, asks `still_checked`, and takes the
// move back.
template <class StillChecked>
bool move_ends_check(Position& pos, int x, int y, int tx, int ty, StillChecked still_checked) {
  TrialSquares trial(pos.board);
  trial.move(x, y, tx, ty);
  return !still_checked();
}

// Whether some piece of the defender other than its king can move onto a
// checker or a check line square and so end the check. `targets` is the check
// map of the position being tested.
template <class StillChecked>
bool board_move_ends_check(Position& pos, const Defender& d, const Grid<int>& targets, StillChecked still_checked) {
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      const int piece = pos.board(x, y) * d.sign;  // the piece's kind when it is the defender's
      if (!is_non_king_kind(piece)) continue;
      for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty)
          if (targets(tx, ty) > 0 && 移動チェック(pos, {x, y}, {tx, ty}, pos.board(x, y)) &&
              move_ends_check(pos, x, y, tx, ty, still_checked))
            return true;
    }
  }
  return false;
}

// Steps 2 and 3 of both mate tests: interposition by a drop, then escape.
bool drop_or_escape_helps(Position& pos, const Defender& d) {
  if (d.hand_total > 0 && drop_blocks_check(pos, d)) return true;
  return king_can_escape(pos, d);
}

}  // namespace

bool 詰めかMAN(Position& pos, const InfluenceMaps& maps) {
  const InfluenceMaps& m = maps;
  const Defender own{-1,
                     m.own_king_x,
                     m.own_king_y,
                     m.enemy_influence,
                     m.enemy_check_map,
                     pos.hand_own_total(),
                     pos.hand_own[HAND_PORN]};
  if (m.enemy_influence.at(own.king_x, own.king_y) == 0) return false;
  if (drop_or_escape_helps(pos, own)) return false;
  const bool defended =
      board_move_ends_check(pos, own, m.enemy_check_map, [&] { return 詰めかMAN_COM移動(pos, maps); });
  return !defended;
}

bool 詰めかCOM(Position& pos, InfluenceMaps& maps) {
  const InfluenceMaps& m = maps;
  const Defender enemy{+1,
                       m.enemy_king_x,
                       m.enemy_king_y,
                       m.own_influence,
                       m.own_check_map,
                       pos.hand_enemy_total(),
                       pos.hand_enemy[HAND_PORN]};
  if (m.own_influence.at(enemy.king_x, enemy.king_y) == 0) return false;
  if (drop_or_escape_helps(pos, enemy)) return false;
  // Every trial below resurveys the board, so the squares to try are taken
  // from the check map of the position being tested before the first trial.
  const Grid<int> targets = m.own_check_map;
  const bool defended = board_move_ends_check(pos, enemy, targets, [&] {
    勢力調査(pos, maps);
    return maps.own_influence(enemy.king_x, enemy.king_y) != 0;
  });
  return !defended;
}

bool 詰めかMAN_COM移動(const Position& pos, const InfluenceMaps& maps) {
  const int kx = maps.own_king_x, ky = maps.own_king_y;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (pos.board(x, y) >= 1 && 移動チェック(pos, {x, y}, {kx, ky}, pos.board(x, y))) return true;
  return false;
}

int 調査_自王逃道(const Position& pos, const InfluenceMaps& maps) {
  const int kx = maps.own_king_x, ky = maps.own_king_y;
  if (!on_board(kx, ky)) return 0;
  int escapes = 0;
  for (int x = kx - 1; x <= kx + 1; ++x)
    for (int y = ky - 1; y <= ky + 1; ++y)
      if ((x != kx || y != ky) && on_board(x, y) && pos.board(x, y) == EMPTY && maps.enemy_influence(x, y) == 0)
        ++escapes;
  return escapes;
}

}  // namespace velmora
