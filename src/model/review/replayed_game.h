// A game's move list replayed as the strong computer player (level 4) sees
// it: the position before every move with its side to move and the move that
// was played, found among the moves the rules allow. The review searches
// each position on its own: the game has no repetition rule, so what came
// before a position does not change what it is worth.
#pragma once

#include <string>
#include <vector>

#include "base/result.h"
#include "engine/search_position.h"
#include "rules/position.h"

namespace velmora {

// The move list of a game: slot 0 the start, slot n the position after move
// n. The main army moves first and the armies take turns.
struct ReviewGame {
  std::vector<HistorySlot> slots;
  int chess_sign = +1;       // the sign of the chess army's pieces
  bool chess_drops = false;  // "ﾁｪｽ側持駒OK" was on (a drop of the chess army in the list turns it on too)
};

// Slots 0..record_length of a move list.
ReviewGame review_game_of(const MoveList& list, int chess_sign, bool chess_drops);

// One position of the game as the engine searches it.
struct ReplayedPosition {
  PositionSetup setup;
  bool king_gone = false;  // the side to move lost its king: the game is over
};

// One move of the game.
struct ReplayedMove {
  SearchMove played;
  int mover = 0;              // the sign of the side that played it
  bool took_king = false;     // it took the other king: the game ended with it
  bool exposed_king = false;  // it lets the other side take the mover's king at once,
                              // while another move would not have
};

struct ReplayedGame {
  std::vector<ReplayedPosition> positions;  // 0..n: before move 1, ..., after the last move
  std::vector<ReplayedMove> moves;          // moves[i] is move i + 1
};

// A move of the list that no move the rules allow leads to.
struct ReplayError {
  int move = 0;  // from 1
  std::string what;
};

using ReplayResult = Result<ReplayedGame, ReplayError>;

// Replays the list move by move; stops at the first move that cannot be
// told, or that follows a move that took a king.
ReplayResult replay_game(const ReviewGame& game);

}  // namespace velmora
