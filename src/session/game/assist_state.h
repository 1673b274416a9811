// What the player aids of the menu 表示 keep for one game window: whether the
// move list panel is shown, the loudness of the sound effects, and how the
// last match ended.
#pragma once

#include <string>

#include "rules/grid.h"

namespace velmora {

inline constexpr int FULL_EFFECT_VOLUME = 100;  // percent: as recorded

// How the last match ended, and the move list it ended on: the result
// belongs to the list only while the list still ends there.
struct MatchResult {
  std::string winner;  // "あなた", "ｺﾝﾋﾟｭｰﾀ", "先手" or "後手"; empty: none
  int moves = 0;       // record_length when it ended
  Board final_board;   // the position after the last move
};

struct AssistState {
  bool move_list_shown = false;
  int effect_volume = FULL_EFFECT_VOLUME;
  bool effects_muted = false;
  // A failed write of the preferences file has been reported; it is told once a run.
  bool preferences_write_reported = false;
  MatchResult result;
};

}  // namespace velmora
