#include "review/played_move.h"

namespace velmora {
namespace {

// The pieces a chess pawn may become besides the queen the engine offers.
constexpr int UNDER_PROMOTIONS[] = {ROOK, BISH, KNIG};

}  // namespace

bool same_position(const PositionSetup& a, const HistorySlot& b) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (piece_or_empty(a.board(x, y)) != piece_or_empty(b.board(x, y))) return false;
  for (int i = 1; i < HAND_SIZE; ++i)
    if (a.hand_own[i] != b.hand_own[i] || a.hand_enemy[i] != b.hand_enemy[i]) return false;
  return true;
}

std::optional<SearchMove> find_played(SearchPosition& p, const HistorySlot& after) {
  SearchMoveList moves;
  p.generate(moves);
  auto leads_there = [&](SearchMove m) {
    p.make(m);
    const bool there = same_position(p.setup(), after);
    p.unmake();
    return there;
  };
  for (int i = 0; i < moves.size; ++i)
    if (leads_there(moves.moves[i])) return moves.moves[i];
  // The engine does not offer every promotion a person may choose: a board
  // move that lands with the code it started with, or a pawn that became
  // another piece than the queen.
  for (int i = 0; i < moves.size; ++i) {
    const SearchMove m = moves.moves[i];
    if (!m.promotes()) continue;
    const SearchMove declined(m.from(), m.to(), m.code(), m.code());
    if (!stuck_on_row(m.code(), row_of(m.to())) && leads_there(declined)) return declined;
    if (kind_of(m.code()) != PORN) continue;
    for (const int kind : UNDER_PROMOTIONS) {
      const SearchMove under(m.from(), m.to(), m.code(), sign_of(m.code()) * kind);
      if (leads_there(under)) return under;
    }
  }
  return std::nullopt;
}

}  // namespace velmora
