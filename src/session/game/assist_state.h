// What the player aids of the menu 表示 keep for one game window: whether the
// move list panel is shown, the loudness of the sound effects, and how the
// last match ended.
#pragma once

#include <string>

namespace velmora {

inline constexpr int FULL_EFFECT_VOLUME = 100;  // percent: as recorded

// How the last match ended: the result belongs to the move list only while
// the list still ends there (MoveList::match_ended, and the same length).
struct MatchResult {
  std::string winner;  // "あなた", "ｺﾝﾋﾟｭｰﾀ", "先手" or "後手"; empty: none
  int moves = 0;       // record_length when it ended
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
