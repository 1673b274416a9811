// The review of a game: every move judged by level 4's search. The position
// before the move and the one after it are searched; their scores, from the
// mover's side, become the mover's winning chances, and a move is marked by
// the chances it gave away.
#pragma once

#include <array>
#include <variant>
#include <vector>

#include "review/replayed_game.h"
#include "review/review_pool.h"

namespace velmora {

// The mover's winning chances for a score of level 4's search (a shogi pawn
// about 90): 1 / (1 + e^(-score / CHANCES_SCALE)). The scale is fitted to
// level 4's games against itself (velmora-com --fit-chances): the scale that
// makes the scores of its moves best foretell the games' results: 20 games at
// 40 ms a move, 1121 scores, fitted 557 (README, "Game review").
inline constexpr double CHANCES_SCALE = 557;
double winning_chances(int score);

enum class Mark { None, Inaccuracy, Mistake, Blunder };  // -, ?!, ?, ??
inline constexpr int MARK_COUNT = 4;
// The chances a move must give away for each mark.
inline constexpr double INACCURACY_LOSS = 0.10, MISTAKE_LOSS = 0.20, BLUNDER_LOSS = 0.30;
// "??", "?", "?!", or "-" for none.
const char* mark_text(Mark mark);

// An army's accuracy is the average over its moves of
// 100 * e^(-ACCURACY_DECAY * loss), the loss being the chances the move gave
// away (0 to 1): 100 for a game of best moves, about 67 for a move that gives
// away 0.10, 30 for one that gives away 0.30.
inline constexpr double ACCURACY_DECAY = 4;

// A move is marked by the chances it gave away, and a move that lets the
// other side take the mover's king at once (while another would not) is a
// blunder; taking the king, level 4's own choice and a move that keeps the
// chances of the best (its score after it as high) are never marked.
struct ReviewedMove {
  int number = 0;  // from 1
  int mover = 0;   // the sign of the side that played it
  bool main_army = false;
  SearchMove played, best;  // best: level 4's choice in the position before the move
  int score_before = 0;     // from the mover's side
  int score_after = 0;      // the position after the played move, from the mover's side
  double chances_before = 0, chances_after = 0;
  double loss = 0;  // the chances given away; 0 for the best move
  Mark mark = Mark::None;
  bool best_was_drop = false;  // the better move was a piece from the hand
};

struct ArmySummary {
  int moves = 0;
  std::array<int, MARK_COUNT> marks{};  // by Mark
  int missed_drops = 0;                 // marked moves where the better move was a drop
  double average_loss = 0;              // the chances given away a move, 0 to 1
  double accuracy = 100;                // percent
};

struct GameReview {
  std::vector<ReviewedMove> moves;
  ArmySummary main_army, chess_army;
  long long nodes = 0;
};

// Judges the moves of a replayed game from the reports of its positions
// (search_positions).
GameReview judge_moves(const ReplayedGame& game, const std::vector<SearchReport>& reports);

// Why a review judged nothing: a move of the list cannot be told, or the
// review was stopped before every position was searched.
struct ReviewError {
  enum Kind { Unreplayable, Stopped } kind = Stopped;
  ReplayError replay;  // the move that cannot be told (Unreplayable)
};
using ReviewResult = Result<GameReview, ReviewError>;

// The whole review: replays the list, searches its positions on `threads`
// engines and judges every move.
ReviewResult review_game(const ReviewGame& game, const ReviewLimits& limits, int threads, ReviewProgress& progress);

}  // namespace velmora
