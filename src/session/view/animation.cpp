#include "view/animation.h"

#include "rules/move_check.h"
#include "rules/promotion.h"
#include "view/board_view.h"

namespace velmora {

void 描画_移動可能桝色(Game& g, Cell from, PaletteColour colour, int code) {
  描画_将棋盤桝(g);
  if (!g.view.guidance_on) return;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (移動チェック(g.pos, from, {x, y}, code)) 描画_桝輪郭(g, colour, {x, y});
}

void 描画_駒点滅(Game& g, int code, Cell cell, int n) {
  for (int i = 0; i < n; ++i) {
    for (int picture : {EMPTY, code}) {
      描画_絵(g, picture, cell.x, cell.y);
      描画_桝輪郭(g, g.view.back_colour, cell);
      g.ports.screen.refresh();
      wait_seconds(g, 0.1);
    }
  }
}

void 描画_桝駒成アニメ(Game& g, int final_code) {
  const TwipRect window = g.ports.screen.window_rect();
  g.ports.dialogs.show_promotion_display(window.left + 50, window.top + 1400);
  wait_seconds(g, 1.5);
  // As a click on the enemy side's picture of that button: pressed, chosen, closed.
  g.ports.dialogs.press_promotion_display(final_code);
  g.promotion_choice = final_code;
  wait_seconds(g, 0.3);
  g.ports.dialogs.close_promotion_display();
}

void wait_seconds(Game& g, double seconds) {
  // The clock port measures the span itself, so the wait ends after `seconds`
  // also when the time of day passes midnight.
  if (!(seconds > 0)) return;
  // Clicks made during an animation would act on a board the person has not seen.
  g.ports.screen.drop_clicks_meanwhile();
  g.ports.clock.wait(seconds);
}

}  // namespace velmora
