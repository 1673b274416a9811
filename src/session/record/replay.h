// Stepping through the move list, back to the start, and the board flip.
#pragma once

#include "game/game.h"
#include "review/record_start.h"

namespace velmora {

void after_click(Game& g);    // 進
void replay_click(Game& g);   // 戻
void cancel_click(Game& g);   // 最初
void reverse_click(Game& g);  // 反転

// What 反転 does to the match, without drawing: the board, the hands, the
// clocks, the move list and the texts on show turned round.
void turn_board_round(Game& g);

// A record has just filled the move list over a new game. Its start, which
// no file holds, is set up as the record was played (record_start): its
// line-up, its handicap, turned round when its moves show the chess army at
// the bottom. The menu's 主戦 mark stays as it is. Redraws the window.
void set_record_start(Game& g, const RecordStart& start);

// The move list that no match holds any longer (the match ended, or a new
// game was set up) put on show as a loaded record is, at its start: record
// mode, the main army to move.
void show_list_as_record(Game& g);

// The last move's text beside the board, as a move or a step forward shows
// it (after a jump through the list or a take-back).
void show_last_move(Game& g);

}  // namespace velmora
