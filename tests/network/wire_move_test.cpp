#include "network/wire_move.h"

#include <gtest/gtest.h>

#include "rules/turn_order.h"

namespace velmora {
namespace {

// The main army at the bottom: its OU, a HU and a captured rook and gold in
// hand; the chess army's king, a pawn before its promotion rows and a
// captured HU in its hand.
Position small_match(int turn) {
  Position pos;
  pos.board(5, 9) = -OU;
  pos.board(7, 7) = -HU;
  pos.board(5, 1) = +KING;
  pos.board(2, 7) = +PORN;
  pos.hand_own[hand_index_of(ROOK)] = 1;
  pos.hand_own[hand_index_of(KIN)] = 1;
  pos.hand_enemy[hand_index_of(HU)] = 1;
  pos.turn = turn;
  return pos;
}

TEST(WireMove, TheChessArmysWindowTurnsEveryMove) {
  Position pos = small_match(MAIN_ARMY);
  const Candidate step{{3, 7}, {3, 6}, -PORN, -PORN};
  const Candidate drop{Cell{}, {5, 5}, -KIN, -KIN, hand_index_of(KIN)};
  EXPECT_EQ(wire_move(pos, step), step);
  pos.chess_sign = -1;
  EXPECT_EQ(wire_move(pos, step), (Candidate{{7, 3}, {7, 4}, +PORN, +PORN}));
  EXPECT_EQ(wire_move(pos, drop), (Candidate{Cell{}, {5, 5}, +KIN, +KIN, hand_index_of(KIN)}));
  for (const Candidate& move : {step, drop}) EXPECT_EQ(local_move(pos, wire_move(pos, move)), move);
}

TEST(WireMove, ASlotTurnedTwiceIsItself) {
  HistorySlot slot;
  slot.board = small_match(MAIN_ARMY).board;
  slot.hand_own[2] = 1;
  slot.move_to = {7, 6};
  slot.move_code = -HU;
  slot.clock_own_after = 12;
  const HistorySlot turned = turned_slot(slot);
  EXPECT_EQ(turned.board(3, 3), +HU);
  EXPECT_EQ(turned.hand_enemy[2], 1);
  EXPECT_EQ(turned.move_to, (Cell{3, 4}));
  EXPECT_EQ(turned.move_code, +HU);
  EXPECT_EQ(turned.clock_enemy_after, 12);
  EXPECT_EQ(turned_slot(turned), slot);
  EXPECT_EQ(turned_slot(HistorySlot{}).move_to, Cell{});
}

TEST(WireMove, AMoveFromTheOtherMachineIsCheckedByTheRules) {
  const int rook = hand_index_of(ROOK), kin = hand_index_of(KIN), hu = hand_index_of(HU);
  const struct {
    int turn;
    Candidate move;
    bool chess_drops, allowed;
    const char* what;
  } rows[] = {
      {MAIN_ARMY, {{7, 7}, {7, 6}, -HU, -HU}, false, true, "a step of the side to move"},
      {CHESS_ARMY, {{7, 7}, {7, 6}, -HU, -HU}, false, false, "a step of the side not to move"},
      {MAIN_ARMY, {{7, 7}, {7, 6}, -KYOU, -KYOU}, false, false, "another piece than the one on the square"},
      {MAIN_ARMY, {{7, 7}, {7, 5}, -HU, -HU}, false, false, "a destination the piece cannot reach"},
      {MAIN_ARMY, {Cell{}, {5, 5}, -ROOK, -ROOK, rook}, false, true, "the main army drops a chess piece"},
      {MAIN_ARMY, {Cell{}, {5, 5}, -KIN, -KIN, kin}, false, false, "a gold only with the option"},
      {MAIN_ARMY, {Cell{}, {5, 5}, -KIN, -KIN, kin}, true, true, "a gold with the option"},
      {MAIN_ARMY, {Cell{}, {5, 5}, -KNIG, -KNIG, hand_index_of(KNIG)}, true, false, "a piece not in hand"},
      {MAIN_ARMY, {Cell{}, {5, 5}, -KIN, -KIN, rook}, true, false, "another piece than the hand's"},
      {CHESS_ARMY, {Cell{}, {5, 5}, +HU, +HU, hu}, false, false, "the chess army drops without the option"},
      {CHESS_ARMY, {Cell{}, {5, 5}, +HU, +HU, hu}, true, true, "the chess army drops with the option"},
      {CHESS_ARMY, {{2, 7}, {2, 8}, +PORN, +KNIG}, false, true, "a pawn chooses a knight"},
      {CHESS_ARMY, {{2, 7}, {2, 8}, +PORN, +KING}, false, false, "a pawn never becomes a king"},
      {0, {{7, 7}, {7, 6}, -HU, -HU}, false, false, "no match"},
  };
  for (const auto& row : rows) {
    const Position pos = small_match(row.turn);
    EXPECT_EQ(remote_move_allowed(pos, row.move, row.chess_drops), row.allowed) << row.what;
    EXPECT_EQ(pos, small_match(row.turn)) << row.what;
  }
}

}  // namespace
}  // namespace velmora
