#include "assist/effect_volume.h"

#include <algorithm>

#include "assist/preferences.h"

namespace velmora {

int effective_effect_volume(const AssistState& assist) { return assist.effects_muted ? 0 : assist.effect_volume; }

void apply_effect_volume(Game& g) {
  const SoundHandles& s = g.sound;
  const int percent = effective_effect_volume(g.assist);
  for (const int buffer : {s.snd_other, s.snd_refuse, s.snd_piece, s.snd_chess, s.snd_vanish})
    if (buffer != 0) g.ports.sound.dsSetVolume(buffer, percent);
}

void set_effect_volume(Game& g, int percent) {
  g.assist.effect_volume = std::clamp(percent, 0, FULL_EFFECT_VOLUME);
  apply_effect_volume(g);
  write_preferences(g);
}

void set_effects_muted(Game& g, bool muted) {
  g.assist.effects_muted = muted;
  apply_effect_volume(g);
  write_preferences(g);
}

}  // namespace velmora
