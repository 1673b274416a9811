// The game's six sounds.
#pragma once

#include "synth.h"

namespace make_sounds {

Signal soft_chime();         // その他: two bell notes, rising
Signal low_buzz();           // 禁止: a short low buzzer
Signal wooden_click();       // 駒打音: a wooden piece set down on a wooden board
Signal felt_tap();           // チェス打音: a felt-based chess piece, brighter and shorter
Signal descending_whoosh();  // 消滅: air falling away
Signal music_loop();         // BGM: a gentle pentatonic tune that loops without a seam

}  // namespace make_sounds
