#include "match/turns.h"

#include <optional>

#include "com/com_turn.h"
#include "influence/mate.h"
#include "influence/survey.h"
#include "rules/turn_order.h"
#include "setup/game_over.h"
#include "setup/time_out.h"
#include "text/shown.h"
#include "view/animation.h"
#include "view/board_view.h"
#include "view/clocks.h"
#include "view/piece_move.h"
#include "view/sound_effects.h"
#include "view/texts.h"

namespace velmora {
namespace {

// The person at the board: the mouse or the move field brings the move,
// never a question. The frames of the selection go before the move, its
// text and the handing over of the turn after it.
class PersonAtBoard final : public Player {
 public:
  PlayerAnswer choose_move(Game&) const override { return Failure{NoMove::Later}; }

  void before_move(Game& g, const Candidate&) const override {
    Selection& s = g.sel;
    const PaletteColour frame = g.view.frame_colour;
    s.selection_state = false;
    描画_桝輪郭(g, frame, s.from);
    描画_桝輪郭(g, frame, s.to);
    描画_移動可能桝色(g, s.from, frame, s.sel_code);
  }

  void after_move(Game& g, const Candidate& move) const override {
    const Side mover = side_of_code(move.final_code);
    描画_移動結果(g, mover, move.target_cell(), move.final_code, PaletteColour::White);
    g.ports.screen.move_list_changed();  // listed before the computer replies or the result is told
    if (g.game_mode == MODE_COM)
      end_turn_against_computer(g);
    else
      end_turn_between_people(g, mover);
  }

  void refused(Game& g) const override { play_refusal(g); }

 private:
  // Against the computer: book the person's time; the person may have won.
  static void end_turn_against_computer(Game& g) {
    g.clock.timer1_enabled = false;
    book_turn(g, Side::Own);
    勢力調査(g.pos, g.maps);
    if (詰めかCOM(g.pos, g.maps) || g.pos.king_taken != 0) 終了(g, SHOWN("あなた"));
  }

  // Between two people: a taken king ends the match; otherwise the mover's
  // time is booked and the other army's turn begins.
  static void end_turn_between_people(Game& g, Side mover) {
    if (g.pos.king_taken != 0) {
      // king_taken holds the army of the side that took the king: the main
      // army is 先手, the chess army 後手, as in the turn messages.
      終了(g, g.pos.king_taken == MAIN_ARMY ? SHOWN("先手") : SHOWN("後手"));
      if (g.program_ended) return;
    }
    if (side_to_move(g.pos)) book_turn(g, mover);
    start_turn_time(g);
  }
};

}  // namespace

const Player& player_of(const Game& g, Side side) {
  static const PersonAtBoard person;
  if (g.network) {
    if (side == g.network->remote_side()) return g.network->remote_player();
    if (const Player* local = g.network->local_player()) return *local;
    return person;
  }
  if (side == Side::Enemy && g.game_mode == MODE_COM) return computer_player(g);
  return person;
}

void play_persons_move(Game& g, const Candidate& move) {
  if (g.assist.answer_taker) return g.assist.answer_taker(g, move);
  if (g.network && !g.network->moves_here_now(g)) return play_refusal(g);
  if (answered_after_flag(g)) return;
  MatchWatcher* watcher = g.game_mode == MODE_COM ? g.assist.watcher : nullptr;
  const std::optional<Position> before = watcher ? std::optional<Position>(g.pos) : std::nullopt;
  if (!play_players_move(g, player_of(g, side_of_code(move.final_code)), move)) {
    g.timing.turn_clock_stopped = false;  // a refused move: the person thinks on, on the clock
    return;
  }
  if (watcher) watcher->persons_move_played(g, *before, move);
  ask_player_soon(g);
}

void ask_player_soon(Game& g) { g.player_to_ask = true; }

bool player_to_ask(const Game& g) { return g.player_to_ask; }

void ask_player(Game& g) {
  if (!g.player_to_ask) return;
  g.player_to_ask = false;
  const std::optional<Side> mover = side_to_move(g.pos);
  if (!mover || g.program_ended || g.record_mode) return;
  const bool played = take_turn(g, player_of(g, *mover));
  if (g.assist.watcher && g.game_mode == MODE_COM && *mover == Side::Enemy) g.assist.watcher->reply_ended(g, played);
  if (played) ask_player_soon(g);
}

}  // namespace velmora
