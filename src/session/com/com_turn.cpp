#include "com/com_turn.h"

#include <cstdlib>
#include <memory>

#include "com/ladder_rungs.h"
#include "computer/evaluation.h"
#include "computer/probes.h"
#include "computer/strong_player.h"
#include "influence/mate.h"
#include "influence/survey.h"
#include "rules/move_check.h"
#include "rules/move_list.h"
#include "rules/moves.h"
#include "rules/promotion.h"
#include "setup/game_over.h"
#include "setup/time_out.h"
#include "text/shown.h"
#include "timing/time_left.h"
#include "view/animation.h"
#include "view/board_view.h"
#include "view/clocks.h"
#include "view/piece_move.h"
#include "view/sound_effects.h"
#include "view/texts.h"

namespace velmora {
namespace {

bool is_chess_code(int code) { return code > 0 && is_chess_kind(code); }

// Removes the thinking message (cells left of and above the board).
void clear_thinking_message(Game& g) {
  for (int x = -5; x <= -3; ++x) 描画_絵(g, g.view.current_background, x, -1);
}

// The computer's turn begins: clicks are held off, its clock starts and the
// thinking message stands beside the board.
void start_thinking(Game& g) {
  // Clicks made while the computer moves would act on a board the person has not seen.
  g.ports.screen.drop_clicks_meanwhile();
  start_turn_time(g);
  if (clocks_kept(g)) g.clock.timer1_enabled = true;
  描画_数値(g, -4.8, -0.6, SHOWN("思考中"), PaletteColour::White, 0, 12);
  描画_桝輪郭(g, g.view.back_colour, {1, 8});
}

// The computer's turn ends without a move of its own.
void stop_thinking(Game& g) {
  g.clock.timer1_enabled = false;
  clear_thinking_message(g);
}

void announce_check_or_mate(Game& g, int final_code) {
  if (詰めかMAN(g.pos, g.maps)) {
    show_message(g, SHOWN("よし！!"), SHOWN("詰め ?"));
  } else if (g.maps.enemy_influence.at(g.maps.own_king_x, g.maps.own_king_y) > 0) {
    const char* text = is_chess_code(final_code) ? SHOWN("   ** チェック **") : SHOWN("   ** 王手 **");
    show_message(g, text, "");
  }
}

// Levels 1-3: every move and drop weighed one move ahead.
class SearchingComputer final : public ComputerPlayer {
  ComAnswer think(Game& g) const override { return searched(com_search(g)); }
};

// Level 4: its engine, off the window's thread.
class StrongComputer final : public ComputerPlayer {
  ComAnswer think(Game& g) const override { return engine_turn(g, strong_turn); }
};

}  // namespace

ComAnswer searched(const std::optional<Candidate>& move) {
  if (!move) return Failure{NoComMove::None};
  return *move;
}

ComAnswer engine_turn(Game& g, const std::function<ComAnswer(Game&)>& turn) {
  g.com.board_before_com = g.pos.board;
  g.ports.screen.refresh();
  const ComAnswer answer = turn(g);
  if (!answer && answer.error() != NoComMove::Failed) return answer;  // no move, or stopped
  if (answer && rules_allow(g.pos, *answer, +1)) return answer;
  return searched(com_search(g));
}

ComAnswer strong_search_aside(Clock& clock, StrongRoot& root, Engine& engine, const SearchLimits& limits) {
  return search_aside(clock, [&](const std::atomic<bool>& stop) { return strong_search(root, engine, limits, &stop); });
}

ComAnswer search_aside(Clock& clock, const std::function<std::optional<Candidate>(const std::atomic<bool>&)>& search) {
  std::optional<Candidate> found;
  try {
    const bool finished = clock.run_aside([&](const std::atomic<bool>& stop) { found = search(stop); });
    if (!finished) return Failure{NoComMove::Stopped};
  } catch (...) {  // whatever went wrong, the game goes on with the other levels' search
    return Failure{NoComMove::Failed};
  }
  return searched(found);
}

ComAnswer strong_turn(Game& g) {
  if (!g.com.strong_engine) g.com.strong_engine = std::make_shared<Engine>();
  StrongRoot root = strong_root(g.pos, g.menu.CHESS_MOCHIKOMA);
  SearchLimits limits = within_move_time(g.com.strong_limits);
  if (const std::optional<double> seconds = thinking_time(g)) limits.seconds = *seconds;  // under a control
  ComAnswer answer = strong_search_aside(g.ports.clock, root, *g.com.strong_engine, limits);
  if (!answer && answer.error() == NoComMove::Failed) g.com.strong_engine.reset();
  return answer;
}

std::optional<Candidate> com_search(Game& g, SearchTrace* trace, ScoreLog* scores) {
  SearchOptions options;
  options.chess_drops = g.menu.CHESS_MOCHIKOMA;
  options.trace = trace;
  options.scores = scores;
  options.analysed = [&g] { g.ports.screen.refresh(); };
  options.next_line = [&g] { timer1_tick(g); };
  return search_candidates(g.pos, g.maps, g.com, options);
}

void set_up_position(Game& g, const AnalysisPosition& position) {
  set_up_position(g.pos, g.maps, position);
  g.game_mode = MODE_COM;
  g.com.com_level = position.level;
  g.menu.CHESS_MOCHIKOMA = position.drops;
}

PlayerAnswer ComputerPlayer::choose_move(Game& g) const {
  start_thinking(g);
  const ComAnswer answer = think(g);
  if (answered_after_flag(g)) return Failure{NoMove::Resigns};  // lost on time: the move comes too late
  if (answer) return *answer;
  stop_thinking(g);
  if (answer.error() == NoComMove::Stopped) return Failure{NoMove::Stopped};  // the program ends, or a take-back
  終了(g, SHOWN("あなた"));  // no move and no drop: the computer resigns
  return Failure{NoMove::Resigns};
}

void ComputerPlayer::before_move(Game& g, const Candidate& move) const {
  描画_駒点滅(g, move.starting, move.source_cell(), 3);
  if (move.starting == +PORN && !move.is_drop() && move.final_code != move.starting)
    描画_桝駒成アニメ(g, move.final_code);
}

void ComputerPlayer::after_move(Game& g, const Candidate& move) const {
  g.clock.timer1_enabled = false;
  勢力調査(g.pos, g.maps);
  clear_thinking_message(g);

  // The move is on show, named and listed, before any box speaks of it.
  描画_移動結果(g, Side::Enemy, move.to, move.final_code, PaletteColour::White);
  描画_桝輪郭(g, PaletteColour::White, move.to);
  g.ports.screen.move_list_changed();
  if (g.pos.king_taken == g.pos.main_sign()) {
    終了(g, SHOWN("ｺﾝﾋﾟｭｰﾀ"));
    return;
  }
  book_turn(g, Side::Enemy);
  announce_check_or_mate(g, move.final_code);
  start_turn_time(g);
  if (clocks_kept(g)) g.clock.timer1_enabled = true;
}

void ComputerPlayer::refused(Game& g) const { stop_thinking(g); }

const ComputerPlayer& computer_player(const Game& g) {
  static const SearchingComputer searching;
  static const StrongComputer strong;
  if (playing_rung(g)) return ladder_player();
  if (g.com.com_level == STRONG_LEVEL) return strong;
  return searching;
}

void com_play(Game& g, const Candidate& best) { play_players_move(g, computer_player(g), best); }

void com_ban(Game& g) { take_turn(g, computer_player(g)); }

}  // namespace velmora
