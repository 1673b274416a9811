#include "setup/time_out.h"

#include "rules/turn_order.h"
#include "setup/game_over.h"
#include "text/shown.h"
#include "timing/time_left.h"
#include "view/clocks.h"
#include "view/phrases.h"
#include "view/texts.h"

namespace velmora {
namespace {

// Who a side is in the match's messages: against the computer the person or
// the computer, between two people the army, 先手 or 後手.
std::string player_on(const Game& g, Side side) {
  if (g.game_mode == MODE_COM) return side == Side::Own ? SHOWN("あなた") : SHOWN("ｺﾝﾋﾟｭｰﾀ");
  return army_of(g.pos, side) == MAIN_ARMY ? SHOWN("先手") : SHOWN("後手");
}

}  // namespace

void lose_on_time(Game& g, Side loser) {
  if (g.network) g.network->lost_on_time(g, loser);
  g.timing.turn_clock_stopped = true;  // the clock stands at the fallen flag
  g.clock.timer1_enabled = false;
  show_clocks(g);
  const std::string name = player_on(g, loser);
  show_message(g, fill(PHRASE_TIME_UP, name), SHOWN("時間切れ"));
  終了(g, player_on(g, other_side(loser)));
  g.timing.turn_clock_stopped = false;
  g.timing.lost_on_time = name;  // the list the match ended on names it
}

bool answered_after_flag(Game& g) {
  if (!match_timed(g)) return false;
  update_turn_elapsed(g);
  g.timing.turn_clock_stopped = true;
  if (!flag_fallen_now(g)) return false;
  g.timing.time_out_due = false;
  lose_on_time(g, *side_to_move(g.pos));
  return true;
}

void end_on_time_if_due(Game& g) {
  if (!g.timing.time_out_due) return;
  g.timing.time_out_due = false;
  update_turn_elapsed(g);
  if (flag_fallen_now(g)) lose_on_time(g, *side_to_move(g.pos));
}

}  // namespace velmora
