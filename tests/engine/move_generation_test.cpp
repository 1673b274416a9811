// The search's move generation against the rules' own move check: from a few
// positions, every move list to depth 3 must equal the list built by asking
// 移動チェック for every source, destination and drop (with the promotion
// choices the engine keeps), every move must leave the same position as the
// game's 駒移動, and unmake must restore the hash and the bookkeeping.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "computer/strong_player.h"
#include "rules/move_check.h"
#include "rules/moves.h"
#include "rules/promotion.h"
#include "rules/setup.h"

namespace velmora {
namespace {

std::string key_of(const Candidate& c) {
  const Cell source = c.named_source();
  return std::to_string(source.x) + "," + std::to_string(source.y) + "," + std::to_string(c.to.x) + "," +
         std::to_string(c.to.y) + "," + std::to_string(c.starting) + "," + std::to_string(c.final_code);
}

// One position of the walk, with `side` to move.
struct RulesNode {
  Position g;
  int side = -1;
  bool chess_drops = false;
};

void add_promotions(Candidate c, std::vector<Candidate>& out) {
  const int promoted = 調査_駒成(c.source_cell(), c.target_cell(), c.starting);
  if (promoted == EMPTY) {
    out.push_back(c);
    return;
  }
  const int kind = kind_of(c.starting);
  c.final_code = promoted;
  out.push_back(c);
  const bool always = kind == HU || kind == KAKU || kind == SYA || kind == PORN;
  if (!always && 移動後チェック(c.to.y, c.starting)) {
    c.final_code = c.starting;
    out.push_back(c);
  }
}

// Every move the rules allow `side`: 移動チェック from every square and every
// hand slot to every square. Without "ﾁｪｽ側持駒OK" only the main army drops,
// and only the chess pieces it has taken.
std::vector<Candidate> rules_moves(const RulesNode& n) {
  const Position& g = n.g;
  std::vector<Candidate> out;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int code = g.board(x, y);
      if (sign_of(code) != n.side) continue;
      for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty)
          if (移動チェック(g, {x, y}, {tx, ty}, code) == 1) add_promotions({{x, y}, {tx, ty}, code, code}, out);
    }
  const Hand& hand = n.side < 0 ? g.hand_own : g.hand_enemy;
  const bool main_army = n.side == g.main_sign();
  for (int k = 1; k < HAND_SIZE; ++k) {
    const Cell slot = n.side < 0 ? own_hand_slot(k) : enemy_hand_slot(k);
    const bool chess_slot = slot.x == 11 || slot.x == -1;
    if (hand[k] == 0 || !(n.chess_drops || (main_army && chess_slot))) continue;
    const int code = n.side * HAND_KINDS[k];
    for (int tx = 1; tx <= 9; ++tx)
      for (int ty = 1; ty <= 9; ++ty)
        if (移動チェック(g, {slot.x, k}, {tx, ty}, code) == 1) out.push_back({Cell{}, {tx, ty}, code, code, k});
  }
  return out;
}

// Whether `side`'s king could be taken by the other side, by the move check.
bool king_attacked(const Position& g, int side) {
  for (int kx = 1; kx <= 9; ++kx)
    for (int ky = 1; ky <= 9; ++ky) {
      if (sign_of(g.board(kx, ky)) != side || !is_king_kind(kind_of(g.board(kx, ky)))) continue;
      for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
          if (sign_of(g.board(x, y)) == -side && 移動チェック(g, {x, y}, {kx, ky}, g.board(x, y)) == 1) return true;
    }
  return false;
}

void play(Position& g, const Candidate& c) {
  make_move(g, c.source_cell(), c.target_cell(), c.final_code);
  g.move_number += 1;
  HistorySlot& slot = g.history.slot(g.move_number);
  slot.move_to = c.to;
  slot.move_code = c.final_code;
}

PositionSetup setup_of(const RulesNode& n) {
  PositionSetup s = computer_to_move(n.g, n.chess_drops);
  s.side_to_move = n.side;
  s.chess_drops = n.chess_drops;
  return s;
}

struct Walk {
  long long leaves = 0;
  int failures = 0;
};

// Walks every move to `depth`, comparing the engine with the rules at every
// node; counts the positions at the last depth.
void walk(const RulesNode& node, SearchPosition& p, int depth, Walk& w) {
  if (depth == 0) {
    ++w.leaves;
    return;
  }
  std::vector<std::string> expected, generated;
  for (const Candidate& c : rules_moves(node)) expected.push_back(key_of(c));
  SearchMoveList list;
  p.generate(list);
  for (int i = 0; i < list.size; ++i) generated.push_back(key_of(candidate_of(list.moves[i])));
  std::sort(expected.begin(), expected.end());
  std::sort(generated.begin(), generated.end());
  if (expected != generated && w.failures++ < 3) {
    ADD_FAILURE() << "move lists differ at\n"
                  << "ply " << p.plies() << ": rules " << expected.size() << ", engine " << generated.size();
    std::vector<std::string> only;
    std::set_symmetric_difference(expected.begin(), expected.end(), generated.begin(), generated.end(),
                                  std::back_inserter(only));
    for (const std::string& m : only) ADD_FAILURE() << "  in one list only: " << m;
  }
  if (p.in_check() != king_attacked(node.g, node.side)) ADD_FAILURE() << "check differs at ply " << p.plies();
  const std::uint64_t hash_before = p.hash();
  for (int i = 0; i < list.size; ++i) {
    const Candidate c = candidate_of(list.moves[i]);
    if (is_king_kind(kind_of(node.g.board(c.to.x, c.to.y)))) continue;  // the game ends there
    RulesNode next = node;
    play(next.g, c);
    next.side = -node.side;
    p.make(list.moves[i]);
    const PositionSetup made = p.setup();
    if (!(made.board == next.g.board) || made.hand_own != next.g.hand_own || made.hand_enemy != next.g.hand_enemy)
      ADD_FAILURE() << "the position after " << key_of(c) << " differs from the game's";
    if (const auto checked = p.check_bookkeeping(); !checked)
      ADD_FAILURE() << checked.error() << " after " << key_of(c);
    walk(next, p, depth - 1, w);
    p.unmake();
    if (p.hash() != hash_before) ADD_FAILURE() << "unmake of " << key_of(c) << " left another hash";
  }
  if (const auto checked = p.check_bookkeeping(); !checked) ADD_FAILURE() << checked.error() << " after unmaking";
}

struct PerftRow {
  const char* name;
  int depth;
  long long leaves;
};

class MoveGeneration : public ::testing::TestWithParam<PerftRow> {};

// The positions: the two starting line-ups, the board turned round (the chess
// army at the bottom), and an open game with hands, castling and en passant.
RulesNode position_named(const std::string& name) {
  RulesNode n;
  n.g.board = starting_board(name != "korean");
  if (name == "turned") {
    n.g.board = turned_board(n.g.board);
    n.g.chess_sign = -1;
    n.side = +1;
  }
  if (name == "open") {
    // The chess army castles either way; an own pawn on its start row may
    // step twice past an enemy pawn that then takes en passant.
    for (int x : {3, 4, 5, 7, 8}) n.g.board(x, 1) = EMPTY;
    n.g.board(3, 6) = +PORN;
    n.g.board(3, 2) = EMPTY;
    n.g.board(4, 8) = -PORN;
    n.g.board(4, 7) = EMPTY;
    n.g.board(6, 7) = EMPTY;
    n.g.board(5, 5) = -HOU;
    n.g.hand_own[3] = 1;     // a knight
    n.g.hand_enemy[6] = 1;   // a HU
    n.g.hand_enemy[17] = 1;  // a TUKAE
    n.chess_drops = true;
  }
  調査_2歩フラグ設定(n.g);
  return n;
}

TEST_P(MoveGeneration, AgreesWithTheMoveCheckToDepth) {
  const PerftRow row = GetParam();
  const RulesNode root = position_named(row.name);
  SearchPosition p(setup_of(root));
  Walk w;
  walk(root, p, row.depth, w);
  EXPECT_EQ(w.leaves, row.leaves);
}

INSTANTIATE_TEST_SUITE_P(Positions, MoveGeneration,
                         ::testing::Values(PerftRow{"japanese", 3, 16162}, PerftRow{"korean", 3, 20258},
                                           PerftRow{"turned", 3, 16162}, PerftRow{"open", 3, 346120}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velmora
