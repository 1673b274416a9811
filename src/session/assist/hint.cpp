#include "assist/hint.h"

#include "com/com_turn.h"
#include "computer/analysis_position.h"
#include "computer/computer_choice.h"
#include "rules/turn_order.h"
#include "view/board_view.h"
#include "view/sound_effects.h"

namespace velmora {
namespace {

// The position the computer is asked about. It always plays the side at the
// top; for the side at the bottom it is shown the board turned round, with
// the hands, and the last move for en passant, turned along.
AnalysisPosition position_for_search(const Game& g, bool turned) {
  AnalysisPosition p;
  const HistorySlot& last = g.pos.history.slot(g.pos.move_number);
  p.board = turned ? turned_board(g.pos.board) : g.pos.board;
  p.hand_own = turned ? g.pos.hand_enemy : g.pos.hand_own;
  p.hand_enemy = turned ? g.pos.hand_own : g.pos.hand_enemy;
  p.level = g.com.com_level;
  p.drops = g.menu.CHESS_MOCHIKOMA;
  p.last = turned && on_board(last.move_to) ? turned_cell(last.move_to) : last.move_to;
  p.last_code = turned ? -last.move_code : last.move_code;
  return p;
}

// The computer's choice on a position of its own. Level 4 searches within
// the game's limits, with an engine of its own, off the window's thread as
// in the computer's turn; should it fail or choose a move the rules refuse,
// the search of the other levels answers, which answer at once.
ComAnswer search_copy(Clock& clock, const AnalysisPosition& asked, const SearchLimits& strong_limits) {
  Position pos;
  InfluenceMaps maps;
  set_up_position(pos, maps, asked);
  if (asked.level == STRONG_LEVEL) {
    StrongRoot root = strong_root(pos, asked.drops);
    Engine engine;
    const ComAnswer answer = strong_search_aside(clock, root, engine, within_move_time(strong_limits));
    if (!answer && answer.error() != NoComMove::Failed) return answer;  // no move, or stopped
    if (answer && rules_allow(pos, *answer, +1)) return answer;
  }
  ComAnalysis com;
  com.com_level = asked.level;
  SearchOptions options;
  options.chess_drops = asked.drops;
  return searched(search_candidates(pos, maps, com, options));
}

struct Hint {
  std::optional<Candidate> move;
  bool stopped = false;
};

Hint search_hint(const Game& g) {
  const std::optional<Side> mover = side_to_move(g.pos);
  if (!mover) return Hint{};
  const bool turned = mover == Side::Own;  // the side at the bottom is to move
  const ComAnswer choice = search_copy(g.ports.clock, position_for_search(g, turned), g.com.strong_limits);
  if (!choice) return Hint{std::nullopt, choice.error() == NoComMove::Stopped};
  // The candidate as the person sees the board.
  return Hint{turned ? turned_move(*choice) : *choice};
}

}  // namespace

std::optional<Candidate> find_hint(const Game& g) { return search_hint(g).move; }

void hint_click(Game& g) {
  // Clicks made while level 4 thinks would count only after the hint is shown.
  g.ports.screen.drop_clicks_meanwhile();
  const Hint hint = search_hint(g);
  if (hint.stopped) return;
  if (!hint.move) return play_refusal(g);
  描画_桝輪郭(g, HINT_FRAME_COLOUR, hint.move->source_cell());
  描画_桝輪郭(g, HINT_FRAME_COLOUR, hint.move->to);
}

}  // namespace velmora
