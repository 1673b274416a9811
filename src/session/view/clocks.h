// Thinking-time clocks and the 50 ms window timer Timer1.
#pragma once

#include <string>

#include "game/game.h"

namespace velmora {

double 調査_経過秒(double start, double now);
std::string 変換_数字から文字(long long n);
std::string 調査_時間秒追加結果(double seconds);
void 消去_所有時間(Game& g, int side);
// Draws a side's clock while 経過時間 is checked.
void 描画_所有時間(Game& g, int side, double seconds);
// Draws it whether 経過時間 is checked or not (a picture of the position
// always shows both clocks).
void draw_clock(Game& g, int side, double seconds);
// A side's clock as the window shows it: its booked total, and while Timer1
// times its turn, the turn so far too.
double shown_clock(const Game& g, int side);

// Measures the running turn now: turn_elapsed := time since turn_start_time.
// Bookings call it first, so hidden clocks (経過時間 off) still count real time.
void update_turn_elapsed(Game& g);

// The Timer1 tick handler (does nothing while Timer1 is disabled).
void timer1_tick(Game& g);

}  // namespace velmora
