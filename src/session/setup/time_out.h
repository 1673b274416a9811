// The end of a match on time: the side to move whose flag fell loses, with a
// message of its own before the usual end of a match.
#pragma once

#include "game/game.h"

namespace velmora {

// The side to move has answered with a move: under a control its clock
// stops now (what the window shows of the move costs it nothing). True when
// its flag had fallen before: the move is not played, the side has lost
// (told, and the match ended, here).
[[nodiscard]] bool answered_after_flag(Game& g);

// The flag of `loser` has fallen: it loses on time now, told, and the match
// ended.
void lose_on_time(Game& g, Side loser);

// Once the event in which a clock's flag fell is over: the side to move loses
// on time, when its flag is down still (a take-back in between gives it time again).
void end_on_time_if_due(Game& g);

}  // namespace velmora
