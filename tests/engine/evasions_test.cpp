// The moves offered to a side in check: every move of the whole list that
// keeps the king must be among them, drops that shield the king included.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "com_protocol.h"

namespace velmora {
namespace {

// The moves of `list` after which the mover's king cannot be taken, sorted.
std::vector<std::uint32_t> keeping_the_king(SearchPosition& p, const SearchMoveList& list) {
  std::vector<std::uint32_t> kept;
  for (int i = 0; i < list.size; ++i) {
    p.make(list.moves[i]);
    if (!p.can_take_king()) kept.push_back(list.moves[i].bits());
    p.unmake();
  }
  std::sort(kept.begin(), kept.end());
  return kept;
}

// Compares the evasions with the whole list in `p` when its side is in
// check; true when it was.
bool evasions_agree(SearchPosition& p) {
  if (!p.in_check()) return false;
  SearchMoveList all, evasions;
  p.generate(all);
  p.generate_evasions(evasions);
  EXPECT_EQ(keeping_the_king(p, evasions), keeping_the_king(p, all)) << "after ply " << p.plies();
  return true;
}

// A position line with one piece of every kind in both hands, drops allowed.
SearchPosition with_full_hands(const char* line) {
  const Result<AnalysisPosition, LineError> read = parse_position_line(line);
  EXPECT_TRUE(read);
  AnalysisPosition a = *read;
  for (int k = 1; k < HAND_SIZE; ++k) a.hand_own[k] = a.hand_enemy[k] = 1;
  Position pos;
  InfluenceMaps maps;
  set_up_position(pos, maps, a);
  return SearchPosition(computer_to_move(pos, true));
}

// A middle game (the chess army on top) and a position whose side to move is
// in check.
constexpr const char* CHECKED_POSITIONS[] = {
    " 13  0  0  0  0  0 -3  0 -7  0 14  1  0-22  0  0  0 -8  0  4  0  0  0  0 -3  0-17 15  0  4  0  0  0 -1-19-12  0  "
    "4  0 24  0  0 -3-12-26  0 15  4  0  0  0 -1  0  0 25  4  0  0  0  0 -3  0-17 14  4  0  0 -7  0 -1  0 -8  0  0  0 "
    "13  0  0  0  0  0200000000000000000000000010000000000    0    0    0    0 drops=1",
    "  0 14  0  0  0  0 -3  0 -5  0  0  4  0  0  0 -1-10-16  0  4  0  0 24  0 -3-27  0-13  0  4  0  0  0 -1  0  0  0  "
    "4  0  0  0  0 -3-18  0 25  0  4  0  0  0 -1  0-18 15  0  0  4  0  0 -3-10-20  0  0  0  4 14  0 -1  0-16 13  4  0 "
    "-3  0 -5  0  0  0000000100000000000000000000000000001    0    0    0    0",
};

// Compares the evasions in every position in check up to `plies` moves on
// from `p`, until `wanted` of them have been compared; counts them in `checks`.
void walk(SearchPosition& p, int plies, int wanted, int& checks) {
  if (checks >= wanted) return;
  checks += evasions_agree(p);
  if (plies == 0) return;
  SearchMoveList moves;
  p.generate(moves);
  for (int i = 0; i < moves.size && checks < wanted; ++i) {
    p.make(moves.moves[i]);
    if (!p.can_take_king()) walk(p, plies - 1, wanted, checks);
    p.unmake();
  }
}

TEST(Evasions, HoldEveryMoveThatKeepsTheKingInCheck) {
  constexpr int WANTED = 100;  // positions in check compared from each position
  for (const char* line : CHECKED_POSITIONS) {
    SearchPosition p = with_full_hands(line);
    int checks = 0;
    walk(p, 2, WANTED, checks);
    EXPECT_EQ(checks, WANTED);
  }
}

}  // namespace
}  // namespace velmora
