#include "computer/probes.h"

#include <cstdlib>

#include "rules/move_check.h"
#include "rules/trial_move.h"

namespace velmora {
namespace {

// True when the cheapest attacker is a person's bishop, horse, rook or dragon.
bool attacked_by_long_shogi_piece(const InfluenceMaps& maps, int x, int y) {
  const int a = maps.own_attacker_code.at(x, y);
  return is_own_piece(a) && is_shogi_major_kind(kind_of(a));
}

// One side of the knight-drop aim: the knight lands on (x + side, y - 2) and
// forks (x, y) and (x + 2 side, y).
int knight_fork_value(const Position& pos, const InfluenceMaps& maps, int x, int y, int side) {
  const int land_x = x + side, land_y = y - 2;
  if (maps.own_influence.at(land_x, land_y) != 0 || pos.board.at(land_x, land_y) != EMPTY) return 0;
  const int other = pos.board.at(x + 2 * side, y);
  if (is_own_at_least(other, FIRST_MAJOR_KIND) && maps.own_attacker_x.at(x, y) != x + 2 * side) return std::abs(other);
  return 0;
}

}  // namespace

int 調査_移動可場所数(const Position& pos, const InfluenceMaps& maps, int x, int y, int code) {
  const Grid<int>& opponent = is_enemy_piece(code) ? maps.own_influence : maps.enemy_influence;
  int count = 0;
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r)
      if (opponent(c, r) == 0 && 移動チェック(pos, {x, y}, {c, r}, code)) ++count;
  return count;
}

int 調査_桂狙い(const Position& pos, const InfluenceMaps& maps, int x, int y) {
  if (!attacked_by_long_shogi_piece(maps, x, y) || y <= 5) return 0;
  int value = 0;
  if (x > 2) value += knight_fork_value(pos, maps, x, y, -1);
  if (x < 8) value += knight_fork_value(pos, maps, x, y, +1);
  return value;
}

int 調査_香狙い(const Position& pos, const InfluenceMaps& maps, int x, int y) {
  if (y <= 6 || maps.enemy_influence.at(x, y - 1) <= 0 || maps.own_influence.at(x, y - 1) != 0 ||
      !attacked_by_long_shogi_piece(maps, x, y))
    return 0;
  for (int q = y + 1; q <= 9; ++q) {
    if (pos.board(x, q) == EMPTY) continue;
    return 移動チェック(pos, {x, y}, {x, q}, +KYOU) ? std::abs(pos.board(x, q)) : 0;
  }
  return 0;
}

bool 調査_自守駒MAN_直進駒(Position& pos, int x, int y) {
  TrialSquares trial(pos.board);
  trial.place(x, y, EMPTY);
  for (int q = y + 1; q <= 9; ++q) {
    const int p = pos.board(x, q);
    if (is_enemy_piece(p)) return false;
    if (p == -KYOU || p == -SYA || p == -SYA_N) return 移動チェック(pos, {x, q}, {x, y}, p);
  }
  return false;
}

int 調査_周辺状況(const Position& pos, int x, int y) {
  int result = 0;
  for (int c = x - 1; c <= x + 1; ++c)
    for (int r = y - 1; r <= y + 1; ++r)
      if ((c != x || r != y) && on_board(c, r) && is_enemy_at_least(pos.board(c, r), FIRST_MAJOR_KIND)) --result;
  return result;
}

void 調査_持角狙座標(Position& pos, const InfluenceMaps& maps, ComAnalysis& com) {
  const int ekx = maps.enemy_king_x, eky = maps.enemy_king_y;
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r) {
      const int e = maps.enemy_influence(c, r);
      const bool thin = e == 0 || (e == 1 && std::abs(c - ekx) < 2 && std::abs(r - eky) < 2);
      com.bishop_threat_mark(c, r) =
          (pos.board(c, r) == EMPTY && thin && 移動チェック(pos, {c, r}, {ekx, eky}, -KAKU)) ? 1 : 0;
    }
}

void 調査_移動不可駒(Position& pos, const InfluenceMaps& maps, ComAnalysis& com) {
  const int kx = maps.own_king_x, ky = maps.own_king_y;
  const int ekx = maps.enemy_king_x, eky = maps.enemy_king_y;
  // Whether some ranging piece of `side` reaches the king square (tx, ty).
  auto line_open = [&](int side, int tx, int ty) {
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) {
        const int p = pos.board(c, r);
        if (sign_of(p) == side && piece_kind(kind_of(p)).shogi_ranger && 移動チェック(pos, {c, r}, {tx, ty}, p))
          return true;
      }
    return false;
  };
  com.enemy_pinned_any = 0;
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r) {
      com.own_pinned(c, r) = 0;
      const int p = pos.board(c, r);
      if (p == EMPTY) continue;
      TrialSquares trial(pos.board);
      trial.place(c, r, EMPTY);
      if (p < 0 && line_open(+1, kx, ky)) com.own_pinned(c, r) = 1;
      if (p > 0 && line_open(-1, ekx, eky)) com.enemy_pinned_any = 1;
    }
}

}  // namespace velmora
