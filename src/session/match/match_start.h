// Starting a match from the menu 対局, and what every turn of a person
// begins with.
#pragma once

#include <string>

#include "game/game.h"

namespace velmora {

// 対局(人間): two people take turns at the mouse from the position shown.
void match_man_click(Game& g);
// 対局(COM): the person (bottom side) against the computer (top side).
void start2_click(Game& g);
// 反転 during a match: the board turns and the same army keeps the move.
// Against the computer the person takes over the army at the bottom; when the
// army on top is to move, the computer, now playing it, moves at once.
void reverse_in_match(Game& g);

// A turn begins now; Timer1 runs for it while 経過時間 is checked.
void start_turn_clock(Game& g);
// The same when the match resumes after stepping (resume_turn_time).
void resume_turn_clock(Game& g);
// "先手の番です" or "後手の番です" by the army to move; nothing while no match runs.
void announce_army_to_move(Game& g, const std::string& title);

}  // namespace velmora
