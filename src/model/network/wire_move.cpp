#include "network/wire_move.h"

#include "computer/strong_player.h"
#include "rules/move_list.h"
#include "rules/promotion.h"
#include "rules/turn_order.h"

namespace velmora {
namespace {

// The window's board and the wire's are the same or turned round: the same
// change takes a move either way.
Candidate seen_the_other_way(const Position& pos, const Candidate& move) {
  return own_side_is_main(pos) ? move : turned_move(move);
}

// Whether the drop's piece is in its side's hand, and that side may drop it:
// without "ﾁｪｽ側持駒OK" the chess army drops nothing and the main army only
// the chess pieces it has captured (hand indices 1..5, the queen last), as
// the mouse input and the computer allow.
bool drop_from_hand(const Position& pos, const Candidate& move, bool chess_drops) {
  if (move.from != Cell{} || move.hand < 1 || move.hand >= HAND_SIZE) return false;
  const int sign = sign_of(move.starting);
  const Hand& hand = sign < 0 ? pos.hand_own : pos.hand_enemy;
  if (hand[move.hand] <= 0 || move.starting != sign * HAND_KINDS[move.hand]) return false;
  return chess_drops || (sign != pos.chess_sign && move.hand <= hand_index_of(QEEN));
}

// A chess pawn reaching its promotion rows may become a rook, a bishop or a
// knight as well as the queen the rules name: the rules are asked about the
// queen.
Candidate with_named_promotion(Candidate move) {
  const int sign = sign_of(move.starting);
  const int kind = kind_of(move.final_code);
  if (kind_of(move.starting) == PORN && 調査_駒成人選(move.to.y, move.starting) &&
      (kind == ROOK || kind == BISH || kind == KNIG))
    move.final_code = sign * QEEN;
  return move;
}

}  // namespace

Candidate wire_move(const Position& pos, const Candidate& move) { return seen_the_other_way(pos, move); }
Candidate local_move(const Position& pos, const Candidate& wire) { return seen_the_other_way(pos, wire); }

HistorySlot turned_slot(const HistorySlot& slot) {
  HistorySlot turned = slot;
  turn_slot(turned);
  return turned;
}

bool remote_move_allowed(const Position& pos, const Candidate& move, bool chess_drops) {
  const std::optional<Side> side = side_to_move(pos);
  if (!side || !is_piece(move.starting) || sign_of(move.starting) != code_sign(*side) ||
      sign_of(move.final_code) != sign_of(move.starting) || !on_board(move.to))
    return false;
  if (move.is_drop() ? !drop_from_hand(pos, move, chess_drops)
                     : !on_board(move.from) || pos.board(move.from.x, move.from.y) != move.starting)
    return false;
  Position trial = pos;
  return rules_allow(trial, with_named_promotion(move), sign_of(move.starting));
}

}  // namespace velmora
