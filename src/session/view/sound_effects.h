// The five sound effects and the looping music, through the Sound port.
#pragma once

#include <string>

#include "game/game.h"

namespace velmora {

void init_sound(Game& g, int window);
int load_sound(Game& g, const std::string& file_name, int flags);
void sound_error(Game& g, const std::string& text);
void close_sound(Game& g);
// Opens the output and loads the six wave files from the working directory.
void load_all_sounds(Game& g, int window);
// Frees the six buffers in order, then closes the output.
void release_all_sounds(Game& g);

// The move sound of a piece: 消滅 for EMPTY, チェス打音 for a chess kind, 駒打音 otherwise.
void 駒移動音(Game& g, int code);
void play_refusal(Game& g);  // 禁止.wav
void play_piece(Game& g);    // 駒打音.wav
void play_other(Game& g);    // その他.wav
void start_music(Game& g);
void stop_music(Game& g);

}  // namespace velmora
