#include "assist/hint.h"

#include "com/com_turn.h"
#include "computer/analysis_position.h"
#include "computer/computer_choice.h"
#include "rules/turn_order.h"
#include "view/board_view.h"
#include "view/sound_effects.h"

namespace velmora {
namespace {

int turned_coordinate(int v) { return 10 - v; }

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
  const bool last_on_board = on_board(last.move_to_x, last.move_to_y);
  p.last_x = turned && last_on_board ? turned_coordinate(last.move_to_x) : last.move_to_x;
  p.last_y = turned && last_on_board ? turned_coordinate(last.move_to_y) : last.move_to_y;
  p.last_code = turned ? -last.move_code : last.move_code;
  return p;
}

// The candidate in the cells of the window as the person sees it.
HintMove on_window(const Candidate& c, bool turned) {
  HintMove m{c.sx, c.sy, c.tx, c.ty};
  if (c.is_drop()) {  // sy is the hand index
    const Cell slot = turned ? own_hand_slot(c.sy) : enemy_hand_slot(c.sy);
    m.from_x = slot.x;
    m.from_y = slot.y;
  } else if (turned) {
    m.from_x = turned_coordinate(c.sx);
    m.from_y = turned_coordinate(c.sy);
  }
  if (turned) {
    m.to_x = turned_coordinate(c.tx);
    m.to_y = turned_coordinate(c.ty);
  }
  return m;
}

struct Choice {
  std::optional<Candidate> move;
  bool stopped = false;  // Esc, closing the window or a take-back stopped the search
};

// The computer's choice on a position of its own. Level 4 searches within
// the game's limits, with an engine of its own, off the window's thread as
// in the computer's turn; should it fail or choose a move the rules refuse,
// the search of the other levels answers, which answer at once.
Choice search_copy(Clock& clock, const AnalysisPosition& asked, const SearchLimits& strong_limits) {
  Position pos;
  InfluenceMaps maps;
  set_up_position(pos, maps, asked);
  Candidate best;
  if (asked.level == STRONG_LEVEL) {
    StrongRoot root = strong_root(pos, asked.drops);
    Engine engine;
    const ComAnswer answer = strong_search_aside(clock, root, engine, within_move_time(strong_limits), best);
    if (answer == ComAnswer::Stopped) return Choice{std::nullopt, true};
    if (answer == ComAnswer::NoMove) return Choice{};
    if (answer == ComAnswer::Move && rules_allow(pos, best, +1)) return Choice{best};
  }
  ComAnalysis com;
  com.com_level = asked.level;
  SearchOptions options;
  options.chess_drops = asked.drops;
  if (!search_candidates(pos, maps, com, options, best)) return Choice{};
  return Choice{best};
}

struct Hint {
  std::optional<HintMove> move;
  bool stopped = false;
};

Hint search_hint(const Game& g) {
  const std::optional<Side> mover = side_to_move(g.pos);
  if (!mover) return Hint{};
  const bool turned = mover == Side::Own;  // the side at the bottom is to move
  const Choice choice = search_copy(g.ports.clock, position_for_search(g, turned), g.com.strong_limits);
  if (!choice.move) return Hint{std::nullopt, choice.stopped};
  return Hint{on_window(*choice.move, turned)};
}

}  // namespace

std::optional<HintMove> find_hint(const Game& g) { return search_hint(g).move; }

void hint_click(Game& g) {
  // Clicks made while level 4 thinks would count only after the hint is shown.
  g.ports.screen.drop_clicks_meanwhile();
  const Hint hint = search_hint(g);
  if (hint.stopped) return;
  if (!hint.move) return play_refusal(g);
  描画_桝輪郭(g, HINT_FRAME_COLOUR, {hint.move->from_x, hint.move->from_y});
  描画_桝輪郭(g, HINT_FRAME_COLOUR, {hint.move->to_x, hint.move->to_y});
}

}  // namespace velmora
