#include "view/board_words.h"

#include "assist/move_list_panel.h"
#include "view/phrases.h"

namespace velmora {

std::string board_description(const Game& g) {
  // The main army (+1) is 先手 and the chess army (-1) 後手, as the turn messages say.
  std::string text = g.pos.turn == +1 ? SHOWN("先手の番です") : g.pos.turn == -1 ? SHOWN("後手の番です") : "";
  const int shown_move = current_move_row(g);
  if (shown_move > 0) {
    if (!text.empty()) text += "\n";
    text += fill(PHRASE_LAST_MOVE, move_notation(g, shown_move));
  }
  return text;
}

}  // namespace velmora
