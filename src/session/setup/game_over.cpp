#include "setup/game_over.h"

#include "setup/new_game.h"
#include "view/phrases.h"
#include "view/sound_effects.h"
#include "view/texts.h"

namespace velmora {

void note_match_result(Game& g, const std::string& winner) {
  g.assist.match_winner = winner;
  g.timing.lost_on_time.clear();
  g.pos.history.match_ended = true;
}

void 終了(Game& g, const std::string& winner) {
  if (g.network) g.network->match_ending(g);
  note_match_result(g, winner);
  show_message(g, fill(PHRASE_WINS, winner), SHOWN("終了"));
  if (g.ports.dialogs.message_box(SHOWN("続けますか？"), SHOWN("再ゲーム"), Buttons::YesNo, Icon::None) ==
      Answer::Yes) {
    初期設定(g);
  } else {
    終了処理(g);
  }
}

void 終了処理(Game& g) {
  release_all_sounds(g);
  g.program_ended = true;
}

}  // namespace velmora
