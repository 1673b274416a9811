// The loudness of the five sound effects, set from the menu 表示 through the
// sound library's dsSetVolume. The music (BGM) keeps its own menu item and
// plays as recorded.
#pragma once

#include "game/game.h"

namespace velmora {

// The percent the effects play at now: 0 while muted.
int effective_effect_volume(const AssistState& assist);

// Gives every loaded effect buffer the current loudness.
void apply_effect_volume(Game& g);

// The slider (0..100, clamped) and the mute switch: apply, then remember.
void set_effect_volume(Game& g, int percent);
void set_effects_muted(Game& g, bool muted);

}  // namespace velmora
