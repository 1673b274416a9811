#include "review/replayed_game.h"

#include <optional>

#include "review/played_move.h"

namespace velmora {
namespace {

bool holds_king_of(const Board& board, int side) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (sign_of(board(x, y)) == side && is_king_kind(kind_of(board(x, y)))) return true;
  return false;
}

// Whether the chess army ever takes a piece from its hand in the list.
bool chess_army_dropped(const ReviewGame& game) {
  for (std::size_t n = 1; n < game.slots.size(); ++n) {
    const Hand& before = game.chess_sign > 0 ? game.slots[n - 1].hand_enemy : game.slots[n - 1].hand_own;
    const Hand& after = game.chess_sign > 0 ? game.slots[n].hand_enemy : game.slots[n].hand_own;
    for (int i = 1; i < HAND_SIZE; ++i)
      if (after[i] < before[i]) return true;
  }
  return false;
}

// Whether the move leaves the mover's king to be taken while some other move
// of the position would not.
bool exposes_king(SearchPosition& p, SearchMove played) {
  p.make(played);
  const bool exposed = p.can_take_king();
  p.unmake();
  if (!exposed) return false;
  SearchMoveList moves;
  p.generate(moves);
  for (int i = 0; i < moves.size; ++i) {
    p.make(moves.moves[i]);
    const bool safe = !p.can_take_king();
    p.unmake();
    if (safe) return true;
  }
  return false;
}

}  // namespace

ReviewGame review_game_of(const MoveList& list, int chess_sign, bool chess_drops) {
  ReviewGame game;
  game.chess_sign = chess_sign;
  game.chess_drops = chess_drops;
  for (int n = 0; n <= list.record_length; ++n) game.slots.push_back(list.slot(n));
  return game;
}

ReplayResult replay_game(const ReviewGame& game) {
  ReplayedGame replayed;
  if (game.slots.empty()) return replayed;
  PositionSetup setup;
  setup.board = game.slots[0].board;
  setup.hand_own = game.slots[0].hand_own;
  setup.hand_enemy = game.slots[0].hand_enemy;
  setup.side_to_move = -game.chess_sign;  // the main army opens
  setup.chess_sign = game.chess_sign;
  setup.chess_drops = game.chess_drops || chess_army_dropped(game);
  setup.last = game.slots[0].move_to;
  setup.last_code = game.slots[0].move_code;
  replayed.positions.reserve(game.slots.size());
  replayed.moves.reserve(game.slots.size());
  for (std::size_t n = 1;; ++n) {
    SearchPosition p(setup);
    const bool king_gone = !holds_king_of(setup.board, setup.side_to_move);
    replayed.positions.push_back({setup, king_gone});
    if (n >= game.slots.size()) break;
    const int number = static_cast<int>(n);
    if (king_gone) return Failure{ReplayError{number, "the game ended with the king taken before this move"}};
    const std::optional<SearchMove> played = find_played(p, game.slots[n]);
    if (!played) return Failure{ReplayError{number, "no move the rules allow leads to this position"}};
    const int mover = setup.side_to_move;
    const bool took_king = is_king_kind(kind_of(p.at(played->to()))) && !played->is_drop();
    replayed.moves.push_back({*played, mover, took_king, exposes_king(p, *played)});
    p.make(*played);
    setup = p.setup();
  }
  return replayed;
}

}  // namespace velmora
