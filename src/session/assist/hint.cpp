#include "assist/hint.h"

#include "computer/analysis_position.h"
#include "computer/computer_choice.h"
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
  const HistorySlot& last = g.history.slot(g.move_number);
  p.board = turned ? turned_board(g.board) : g.board;
  p.hand_own = turned ? g.hand_enemy : g.hand_own;
  p.hand_enemy = turned ? g.hand_own : g.hand_enemy;
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
  if (c.sx < 0) {  // a drop: sy is the hand index
    const Slot slot = turned ? own_hand_slot(c.sy) : enemy_hand_slot(c.sy);
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

// The computer's choice on a position of its own: level 4 searches within
// the game's limits (the window waits for it, as the hint is asked for); the
// other levels answer at once.
std::optional<Candidate> search_copy(const AnalysisPosition& asked, const SearchLimits& strong_limits) {
  Position pos;
  InfluenceMaps maps;
  set_up_position(pos, maps, asked);
  SearchOptions options;
  options.chess_drops = asked.drops;
  const std::optional<ComputerChoice> choice = computer_choice(pos, maps, asked.level, options, strong_limits);
  if (!choice) return std::nullopt;
  return choice->move;
}

}  // namespace

std::optional<HintMove> find_hint(const Game& g) {
  if (g.turn != +1 && g.turn != -1) return std::nullopt;
  const bool turned = g.turn == g.chess_sign;  // the side at the bottom is to move
  const std::optional<Candidate> best = search_copy(position_for_search(g, turned), g.com.strong_limits);
  if (!best) return std::nullopt;
  return on_window(*best, turned);
}

void hint_click(Game& g) {
  const std::optional<HintMove> hint = find_hint(g);
  if (!hint) return play_refusal(g);
  描画_桝輪郭(g, HINT_FRAME_COLOUR, hint->from_x, hint->from_y);
  描画_桝輪郭(g, HINT_FRAME_COLOUR, hint->to_x, hint->to_y);
}

}  // namespace velmora
