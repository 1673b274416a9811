#include "match/match_start.h"

#include "match/turns.h"
#include "record/replay.h"
#include "rules/turn_order.h"
#include "text/shown.h"
#include "timing/time_left.h"
#include "view/board_view.h"
#include "view/clocks.h"
#include "view/texts.h"

namespace velmora {

void start_turn_clock(Game& g) {
  start_turn_time(g);
  if (clocks_kept(g)) g.clock.timer1_enabled = true;
}

void resume_turn_clock(Game& g) {
  resume_turn_time(g);
  if (clocks_kept(g)) g.clock.timer1_enabled = true;
}

void announce_army_to_move(Game& g, const std::string& title) {
  if (g.pos.turn == MAIN_ARMY) show_message(g, SHOWN("先手の番です"), title);
  if (g.pos.turn == CHESS_ARMY) show_message(g, SHOWN("後手の番です"), title);
}

void match_man_click(Game& g) {
  画面_再描画(g);
  描画_将棋盤桝(g);
  start_turn_clock(g);
  g.sel.selection_state = false;
  g.game_mode = MODE_MAN;
  g.record_mode = false;
  take_turn_from_list(g.pos);
  announce_army_to_move(g, " ");
  if (match_timed(g)) start_turn_time(g);  // reading whose move it is costs no time
  g.resume_pending = false;
}

void start2_click(Game& g) {
  画面_再描画(g);
  描画_レベル(g, g.com.com_level);
  描画_将棋盤桝(g);
  g.sel.selection_state = false;
  g.game_mode = MODE_COM;
  g.record_mode = false;
  g.pos.history.set_length(g.com.move_counter);
  // Against the computer the clock runs whether it is shown or not.
  start_turn_time(g);
  g.clock.timer1_enabled = true;
  take_turn_from_list(g.pos);
  // The match starts afresh: no announcement or clock restart is left over
  // from stepping through the list.
  g.resume_pending = false;
  if (side_to_move(g.pos) == Side::Own) {
    show_message(g, SHOWN("MANの番です"), " ");
    if (match_timed(g)) start_turn_time(g);  // reading the message costs no time
  } else if (side_to_move(g.pos) == Side::Enemy) {
    ask_player_soon(g);
  }
}

void reverse_in_match(Game& g) {
  reverse_click(g);
  if (g.game_mode == MODE_COM && side_to_move(g.pos) == Side::Enemy) {
    g.resume_pending = false;
    ask_player_soon(g);
  }
}

}  // namespace velmora
