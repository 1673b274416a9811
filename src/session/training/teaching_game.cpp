#include "training/teaching_game.h"

#include <cstdio>

#include "assist/hint.h"
#include "assist/match_review.h"
#include "assist/take_back.h"
#include "computer/strong_player.h"
#include "review/review_text.h"
#include "view/board_view.h"
#include "view/texts.h"

namespace velmora {
namespace {

// The person's side to move in the position before their move.
PositionSetup person_to_move(const Position& before, bool chess_drops) {
  PositionSetup setup = computer_to_move(before, chess_drops);
  setup.side_to_move = -1;
  return setup;
}

}  // namespace

SearchLimits TeachingGame::default_limits() {
  SearchLimits limits;
  limits.seconds = TEACHING_SECONDS;
  return limits;
}

TeachingGame::TeachingGame(SearchLimits limits) : limits_(limits) {}

TeachingGame::~TeachingGame() { drop(); }

void TeachingGame::drop() {
  stop_ = true;
  if (judge_.joinable()) judge_.join();
  pending_ = false;
}

void TeachingGame::persons_move_played(Game& g, const Position& before, const Candidate& move) {
  drop();
  const PositionSetup setup_before = person_to_move(before, g.menu.CHESS_MOCHIKOMA);
  const PositionSetup setup_after = computer_to_move(g.pos, g.menu.CHESS_MOCHIKOMA);
  stop_ = false;
  played_ = move;
  pending_ = true;
  if (!engine_) engine_ = std::make_unique<Engine>();
  judge_ = std::thread([this, setup_before, setup_after] {
    judgement_ = judge_played_move(*engine_, setup_before, setup_after, limits_, stop_);
  });
}

void TeachingGame::reply_ended(Game& g, bool played) {
  if (!pending_) return;
  if (!played || g.program_ended || g.pos.turn == 0) return drop();
  // The judgement may still think: the window waits for it aside.
  const bool waited = run_stoppable_aside(g.ports.clock, stop_, [&] { judge_.join(); });
  pending_ = false;
  if (!waited || judgement_.stopped) return;
  offer(g);
}

void TeachingGame::offer(Game& g) {
  if (judgement_.best.is_none() || judgement_.loss < TEACHING_LOSS) return;
  const Candidate best = candidate_of(judgement_.best);
  if (same_move(best, played_)) return;
  char loss[32];
  std::snprintf(loss, sizeof loss, "%.0f%%", 100 * judgement_.loss);
  const std::string text = fill(SHOWN("この手で勝率が %1 下がります。待ったしますか？"), loss) +
                           "\n" SHOWN("最善") " " + move_text(judgement_.best);
  if (g.ports.dialogs.message_box(text, TEACHING_TITLE, Buttons::YesNo, Icon::None) != Answer::Yes) return;
  take_back(g);
  描画_桝輪郭(g, HINT_FRAME_COLOUR, best.source_cell());
  描画_桝輪郭(g, HINT_FRAME_COLOUR, best.to);
}

void set_teaching_game(Game& g, TeachingGame& teaching, bool on) {
  g.assist.teaching_game = on;
  if (!on) teaching.drop();
  g.assist.watcher = on ? &teaching : nullptr;
}

}  // namespace velmora
