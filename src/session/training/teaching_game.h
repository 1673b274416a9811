// 指導対局, the teaching game (an option of the match against the computer,
// off by default): when the person's move gives away at least
// TEACHING_LOSS of the winning chances by level 4's judgement, the game
// offers to take it back and shows the better move. The judgement runs on a
// thread of its own while the computer thinks of its reply; once the reply is
// played the window waits for it aside (Esc or closing stops it), and a
// reply that did not come (待った, Esc) drops it.
#pragma once

#include <atomic>
#include <memory>
#include <thread>

#include "game/game.h"
#include "training/move_judgement.h"

namespace velmora {

inline constexpr const char* TEACHING_TITLE = SHOWN("指導対局");
inline constexpr double TEACHING_LOSS = 0.20;
// Each of the judgement's two searches thinks this long.
inline constexpr double TEACHING_SECONDS = 0.5;

class TeachingGame final : public MatchWatcher {
 public:
  explicit TeachingGame(SearchLimits limits = default_limits());
  ~TeachingGame() override;
  TeachingGame(const TeachingGame&) = delete;
  TeachingGame& operator=(const TeachingGame&) = delete;

  static SearchLimits default_limits();

  void persons_move_played(Game& g, const Position& before, const Candidate& move) override;
  void reply_ended(Game& g, bool played) override;
  // Stops a judgement under way and forgets it.
  void drop();

 private:
  void offer(Game& g);

  SearchLimits limits_;
  // Made for the first judgement: its table is large, and a window whose
  // player never takes the option never needs it.
  std::unique_ptr<Engine> engine_;
  std::thread judge_;
  std::atomic<bool> stop_{false};
  MoveJudgement judgement_;
  Candidate played_;
  bool pending_ = false;
};

// The option is set: the teaching game follows the match from now on, or no
// longer.
void set_teaching_game(Game& g, TeachingGame& teaching, bool on);

}  // namespace velmora
