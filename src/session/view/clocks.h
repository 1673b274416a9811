// Thinking-time clocks and the 50 ms window timer Timer1.
#pragma once

#include <string>

#include "game/game.h"
#include "rules/side.h"

namespace velmora {

double 調査_経過秒(double start, double now);
std::string 変換_数字から文字(long long n);
std::string 調査_時間秒追加結果(double seconds);
void 消去_所有時間(Game& g, Side side);
// Draws a side's clock while 経過時間 is checked.
void 描画_所有時間(Game& g, Side side, double seconds);
// Draws it whether 経過時間 is checked or not (a picture of the position
// always shows both clocks).
void draw_clock(Game& g, Side side, double seconds);

// What a side's clock stands at now: its booked total and, while its turn
// is being timed (Timer1 on), the running turn on top. The ticks, a full
// redraw and the steps through the move list all draw it, and a booking
// draws the total it booked, so the clocks on show always agree with the
// totals the move list keeps.
double clock_time(const Game& g, Side side);
// Draws both clocks as they stand (nothing while 経過時間 is off).
void show_clocks(Game& g);

// The side to move starts its turn now: its time counts from here.
void start_turn_time(Game& g);
// The match resumes after the list was stepped through: the turn of the
// last position goes on with the time it had run when the list was stepped
// back from it; on any other position a new turn starts.
void resume_turn_time(Game& g);
// The side that moved books the turn's time on its total, and its clock
// shows the total at once.
void book_turn(Game& g, Side side);

// Measures the running turn now: turn_elapsed := time since turn_start_time.
// Bookings call it first, so hidden clocks (経過時間 off) still count real time.
void update_turn_elapsed(Game& g);

// The Timer1 tick handler (does nothing while Timer1 is disabled): redraws
// the clock of the side to move whenever its whole second changes.
void timer1_tick(Game& g);

}  // namespace velmora
