#include "engine/engine_eval.h"

#include <algorithm>

namespace velmora {
namespace {

constexpr int TEMPO = 10;
constexpr int MOBILITY_WEIGHT = 2;
// The danger of a king, in units: each attack on the king's square or a
// square around it counts the first number when no piece but the king holds
// that square, else the second; each piece the attacker may drop counts one
// unit for each empty square around the king, up to the two limits.
constexpr int UNITS_PER_ATTACK_UNHELD = 3;
constexpr int UNITS_PER_ATTACK_HELD = 2;
constexpr int MAX_DROP_THREATS = 4;
constexpr int MAX_OPEN_SQUARES_FOR_DROPS = 3;
// The danger grows with the square of the units, up to a limit.
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

// What threatens `side`'s king from the other side's attacks and drops, as
// amounts taken off `side`'s score.
struct KingSafety {
  int danger = 0;
  int no_escape = 0;
};

KingSafety king_safety(const SearchPosition& p, const AttackMaps& maps, int side) {
  const int king = p.king_square(side);
  if (king == 0) return {};
  const int enemy = side_index(-side), own = side_index(side);
  int units = 0, escapes = 0, empty_near = 0;
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      const int sq = king + dy * PADDED_WIDTH + dx;
      const int code = p.at(sq);
      if (code == OFF_BOARD) continue;
      const int attacks = maps.count[enemy][sq];
      // The king holds the squares around it, not its own.
      const bool held = maps.count[own][sq] > (sq == king ? 0 : 1);
      units += attacks * (held ? UNITS_PER_ATTACK_HELD : UNITS_PER_ATTACK_UNHELD);
      if (sq == king) continue;
      if (code == EMPTY) ++empty_near;
      if (owner_of(code) != side && attacks == 0) ++escapes;
    }
  units += std::min(droppable_pieces(p, -side), MAX_DROP_THREATS) * std::min(empty_near, MAX_OPEN_SQUARES_FOR_DROPS);
  return {std::min(units * units * DANGER_PER_UNIT_SQUARED, MAX_DANGER), escapes == 0 ? NO_ESCAPE_PENALTY : 0};
}

int king_danger(const SearchPosition& p, const AttackMaps& maps, int side) {
  const KingSafety safety = king_safety(p, maps, side);
  return safety.danger + safety.no_escape;
}

// The terms of one evaluation, each summed per side from that side's view.
class TermSums {
 public:
  void add(EngineTerm term, int side, int amount, int square = 0) {
    Sum& sum = sums_[static_cast<int>(term)][side_index(side)];
    sum.amount += amount;
    if (square != 0) sum.square = square;
  }

  // The entries from the view of `side_to_move`, enemy side first.
  EngineTrace entries(int side_to_move) const {
    EngineTrace trace;
    for (int t = 0; t < ENGINE_TERM_COUNT; ++t)
      for (int side : {+1, -1}) {
        const Sum& sum = sums_[t][side_index(side)];
        if (sum.amount != 0)
          trace.push_back({static_cast<EngineTerm>(t), side, sum.square, sum.amount * side * side_to_move});
      }
    return trace;
  }

 private:
  struct Sum {
    int amount = 0;
    int square = 0;
  };
  std::array<std::array<Sum, 2>, ENGINE_TERM_COUNT> sums_{};
};

}  // namespace

int evaluate_position(const SearchPosition& p) {
  const AttackMaps maps = survey_attacks(p);
  int score = p.material();  // the enemy side's view
  score += MOBILITY_WEIGHT * (maps.mobility[1] - maps.mobility[0]);
  score += king_danger(p, maps, -1) - king_danger(p, maps, +1);
  return p.side_to_move() * score + TEMPO;
}

EngineTrace trace_evaluation(const SearchPosition& p) {
  TermSums sums;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int square = square_of(x, y), code = p.at(square);
      if (code == EMPTY) continue;
      const int side = sign_of(code);
      sums.add(EngineTerm::PieceValue, side, piece_value(kind_of(code)));
      placement_terms(code, square, [&](EngineTerm term, int amount) { sums.add(term, side, amount); });
    }
  const AttackMaps maps = survey_attacks(p);
  for (int side : {+1, -1}) {
    for (int i = 1; i < HAND_SIZE; ++i)
      sums.add(EngineTerm::HandPiece, side, p.hand_count(side, i) * hand_value(HAND_KINDS[i], p.may_drop(side, i)));
    sums.add(EngineTerm::Mobility, side, MOBILITY_WEIGHT * maps.mobility[side_index(side)]);
    const KingSafety safety = king_safety(p, maps, side);
    sums.add(EngineTerm::KingDanger, side, -safety.danger, p.king_square(side));
    sums.add(EngineTerm::KingWithoutEscape, side, -safety.no_escape, p.king_square(side));
  }
  sums.add(EngineTerm::Tempo, p.side_to_move(), TEMPO);
  return sums.entries(p.side_to_move());
}

}  // namespace velmora
