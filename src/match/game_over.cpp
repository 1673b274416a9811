#include "match/game_over.h"

#include "assist/record_text.h"
#include "rules/setup.h"
#include "shell/sound_effects.h"
#include "view/texts.h"

namespace velmora {

void 終了(Game& g, const std::string& winner) {
  note_match_result(g, winner);
  show_message(g, winner + "の勝ちです", "終了");
  if (g.ports.dialogs.message_box("続けますか？", "再ゲーム", Buttons::YesNo, Icon::None) == Answer::Yes) {
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
