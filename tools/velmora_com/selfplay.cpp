#include "selfplay.h"

#include <limits>
#include <optional>
#include <random>
#include <vector>

#include "com/com_turn.h"
#include "com_protocol.h"
#include "played_position.h"
#include "rules/move_check.h"
#include "rules/moves.h"
#include "rules/promotion.h"
#include "setup/new_game.h"
#include "view/piece_move.h"

namespace velmora {
namespace {

inline constexpr int MAX_PLIES_PER_GAME = 160;
inline constexpr unsigned MAX_RANDOM_OPENING_PLIES = 6;
inline constexpr unsigned RANDOM_MOVE_ODDS = 6;

// The board moves of the enemy side, promoting only where it must.
std::vector<Candidate> enemy_board_moves(Game& g) {
  std::vector<Candidate> moves;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int code = g.pos.board(x, y);
      if (code < 1) continue;
      for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty) {
          if (!移動チェック(g.pos, {x, y}, {tx, ty}, code) || is_king_kind(kind_of(g.pos.board(tx, ty)))) continue;
          int final_code = code;
          const int promoted = 調査_駒成({x, y}, {tx, ty}, code);
          if (promoted != EMPTY && !移動後チェック(ty, code)) final_code = promoted;
          moves.push_back({{x, y}, {tx, ty}, code, final_code});
        }
    }
  return moves;
}

// What became of a move; the last three end a game.
enum class Outcome { Played, CheckFailed, KingTaken, NoMove, MoveLimit };

// One run of self-play games from one seed, checking after every move.
class SelfPlay {
 public:
  SelfPlay(unsigned seed, std::ostream* positions, std::ostream& report)
      : seed_(seed), rng_(seed), positions_(positions), report_(report) {}

  // Plays one game, printing at most `positions_left` positions; false when
  // a check failed.
  bool play_game(int& positions_left) {
    ++game_;
    ply_ = 0;
    p_ = starting_position();
    const unsigned random_plies = rng_() % (MAX_RANDOM_OPENING_PLIES + 1);
    for (unsigned i = 0; i < random_plies; ++i) {
      const Outcome outcome = play_random_move();
      if (outcome == Outcome::CheckFailed) return false;
      if (outcome != Outcome::Played) break;
    }
    for (int ply = 0; ply < MAX_PLIES_PER_GAME && positions_left > 0; ++ply) {
      // Now and then a random move, so that the computer's own repetitions
      // do not fill the output.
      if (rng_() % RANDOM_MOVE_ODDS == 0) {
        const Outcome outcome = play_random_move();
        if (outcome != Outcome::Played) return ended(outcome);
      }
      p_.level = 1 + static_cast<int>(rng_() % 3);
      if (positions_) *positions_ << format_position_line(p_) << '\n';
      --positions_left;
      const Outcome outcome = play_com_move();
      if (outcome != Outcome::Played) return ended(outcome);
    }
    return positions_left == 0 || ended(Outcome::MoveLimit);
  }

  void print_summary() const {
    report_ << "selfplay: seed " << seed_ << ", " << game_ << " games, " << moves_ << " moves checked; " << endings_[0]
            << " ended by taking a king, " << endings_[1] << " with no move left, " << endings_[2] << " at "
            << MAX_PLIES_PER_GAME << " moves\n";
  }

 private:
  AnalysisPosition starting_position() {
    NullPorts silent;
    Game g(silent.ports());
    g.menu.NIPPON = rng_() % 2 == 0;
    g.menu.KANKOKU = !g.menu.NIPPON;
    初期設定(g);
    AnalysisPosition p;
    p.board = g.pos.board;
    p.drops = rng_() % 2 == 0;
    // The main army moves first: put it on top, where the computer plays.
    flip(p);
    return p;
  }

  // A random board move of the enemy side, then the board turned.
  Outcome play_random_move() {
    PositionGame game(p_);
    const std::vector<Candidate> moves = enemy_board_moves(game.g);
    if (moves.empty()) return Outcome::NoMove;
    const Candidate& move = moves[rng_() % moves.size()];
    move_piece(game.g, move);
    if (!checked(game.g, move, "random move")) return Outcome::CheckFailed;
    take_position(p_, game.g, move);
    flip(p_);
    return Outcome::Played;
  }

  // The computer's move, played as its turn plays it. A king capture is
  // played by the move routine alone, since the turn would start a new game
  // at once.
  Outcome play_com_move() {
    PositionGame game(p_);
    const std::optional<Candidate> found = com_search(game.g);
    if (!found) return Outcome::NoMove;
    const Candidate& best = *found;
    const bool takes_king = is_king_kind(kind_of(game.g.pos.board(best.to.x, best.to.y)));
    if (takes_king)
      move_piece(game.g, best);
    else
      com_play(game.g, best);
    if (!checked(game.g, best, "computer's move")) return Outcome::CheckFailed;
    if (takes_king) return Outcome::KingTaken;
    take_position(p_, game.g, best);
    flip(p_);
    return Outcome::Played;
  }

  bool checked(const Game& g, const Candidate& move, const char* what) {
    ++moves_;
    ++ply_;
    const PositionCheck checked = check_played_position(g);
    if (checked) return true;
    report_ << "selfplay: check failed with seed " << seed_ << ", game " << game_ << ", move " << ply_ << " (" << what
            << " " << move.named_source().x << ',' << move.named_source().y << " -> " << move.to.x << ',' << move.to.y
            << ", " << move.starting << " -> " << move.final_code << "): " << checked.error().what
            << "\nposition before the move:\n"
            << format_position_line(p_) << '\n';
    return false;
  }

  // Counts how a game ended; false when a check failed.
  bool ended(Outcome outcome) {
    if (outcome == Outcome::CheckFailed) return false;
    ++endings_[static_cast<int>(outcome) - static_cast<int>(Outcome::KingTaken)];
    return true;
  }

  unsigned seed_;
  std::mt19937 rng_;
  std::ostream* positions_;
  std::ostream& report_;
  AnalysisPosition p_;
  int game_ = 0;
  int ply_ = 0;
  long moves_ = 0;
  int endings_[3] = {};  // KingTaken, NoMove, MoveLimit
};

}  // namespace

bool run_selfplay(int positions, unsigned seed, std::ostream& out, std::ostream& report) {
  SelfPlay play(seed, &out, report);
  while (positions > 0)
    if (!play.play_game(positions)) return false;
  return true;
}

bool run_soak(int games, unsigned seed, std::ostream& report) {
  SelfPlay play(seed, nullptr, report);
  int unlimited = std::numeric_limits<int>::max();
  for (int game = 0; game < games; ++game)
    if (!play.play_game(unlimited)) return false;
  play.print_summary();
  return true;
}

}  // namespace velmora
