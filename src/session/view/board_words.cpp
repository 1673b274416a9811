#include "view/board_words.h"

#include <algorithm>

#include "notation/notation.h"
#include "rules/moves.h"
#include "rules/turn_order.h"
#include "view/phrases.h"

namespace velmora {

std::string move_notation(const Game& g, int n) {
  int x = 0, y = 0, code = EMPTY;
  if (!調査_移動結果(g.pos, n, x, y, code)) return SHOWN("――");
  return 文字列変換(110 - x) + 文字列変換(110 + y) + " " + 文字列変換(code);
}

int current_move_row(const Game& g) { return std::clamp(g.pos.move_number, 0, g.pos.history.record_length); }

std::string board_description(const Game& g) {
  std::string text = g.pos.turn == MAIN_ARMY    ? SHOWN("先手の番です")
                     : g.pos.turn == CHESS_ARMY ? SHOWN("後手の番です")
                                                : "";
  const int shown_move = current_move_row(g);
  if (shown_move > 0) {
    if (!text.empty()) text += "\n";
    text += fill(PHRASE_LAST_MOVE, move_notation(g, shown_move));
  }
  return text;
}

}  // namespace velmora
