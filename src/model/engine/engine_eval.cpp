#include "engine/engine_eval.h"

#include <algorithm>

namespace velmora {
namespace {

constexpr int TEMPO = 10;
constexpr int MOBILITY_WEIGHT = 2;
// Danger of a king by the weight of the attacks on the squares around it.
constexpr int DANGER_PER_UNIT_SQUARED = 3;
constexpr int MAX_DANGER = 700;
constexpr int NO_ESCAPE_PENALTY = 25;

struct AttackMaps {
  std::array<std::array<std::uint8_t, PADDED_CELLS>, 2> count{};
  std::array<int, 2> mobility{};
};

// The moves of the pawns and the kings do not count for mobility.
bool counts_for_mobility(int kind) { return !PIECE_KINDS[kind].pawn && !PIECE_KINDS[kind].king; }

AttackMaps survey_attacks(const SearchPosition& p) {
  AttackMaps maps;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int from = square_of(x, y);
      const int code = p.at(from);
      if (code == EMPTY) continue;
      const int s = side_index(sign_of(code));
      const bool mobile = counts_for_mobility(kind_of(code));
      p.for_each_attack(from, [&](int to) {
        ++maps.count[s][to];
        if (mobile && owner_of(p.at(to)) != sign_of(code)) ++maps.mobility[s];
      });
    }
  return maps;
}

// How many of the attacker's hand pieces it may drop: each is a threat near
// a king with empty squares around it.
int droppable_pieces(const SearchPosition& p, int side) {
  int n = 0;
  for (int i = 1; i < HAND_SIZE; ++i)
    if (p.may_drop(side, i)) n += p.hand_count(side, i);
  return n;
}

// The danger to `side`'s king from the other side's attacks and drops.
int king_danger(const SearchPosition& p, const AttackMaps& maps, int side) {
  const int king = p.king_square(side);
  if (king == 0) return 0;
  const int enemy = side_index(-side), own = side_index(side);
  int units = 0, escapes = 0, empty_near = 0;
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      const int sq = king + dy * PADDED_WIDTH + dx;
      const int code = p.at(sq);
      if (code == OFF_BOARD) continue;
      const int attacks = maps.count[enemy][sq];
      units += attacks * (maps.count[own][sq] <= (sq == king ? 0 : 1) ? 3 : 2);
      if (sq == king) continue;
      if (code == EMPTY) ++empty_near;
      if (owner_of(code) != side && attacks == 0) ++escapes;
    }
  units += std::min(droppable_pieces(p, -side), 4) * std::min(empty_near, 3);
  const int danger = std::min(units * units * DANGER_PER_UNIT_SQUARED, MAX_DANGER);
  return danger + (escapes == 0 ? NO_ESCAPE_PENALTY : 0);
}

}  // namespace

int evaluate_position(const SearchPosition& p) {
  const AttackMaps maps = survey_attacks(p);
  int score = p.material();  // the enemy side's view
  score += MOBILITY_WEIGHT * (maps.mobility[1] - maps.mobility[0]);
  score += king_danger(p, maps, -1) - king_danger(p, maps, +1);
  return p.side_to_move() * score + TEMPO;
}

}  // namespace velmora
