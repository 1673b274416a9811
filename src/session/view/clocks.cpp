#include "view/clocks.h"

#include <cmath>
#include <optional>

#include "rules/turn_order.h"
#include "timing/time_left.h"
#include "view/board_view.h"
#include "view/sound_effects.h"
#include "view/texts.h"

namespace velmora {
namespace {

constexpr double SECONDS_PER_DAY = 86400;

// Where a side's clock stands below the board, and the three cells cleared
// before it is drawn.
struct ClockPlace {
  double text_x, text_y;
  int first_cleared;
};
constexpr ClockPlace OWN_CLOCK{13, 10.2, 13};
constexpr ClockPlace ENEMY_CLOCK{-1.6, 10.2, -2};

const ClockPlace& clock_place(Side side) { return side == Side::Own ? OWN_CLOCK : ENEMY_CLOCK; }

// The colour of a clock that warns that little time is left.
constexpr PaletteColour SHORT_OF_TIME = PaletteColour::LightRed;

// The whole second a clock shows: of the time it measured, or under a
// control of the time left, counted down (the flag falls as it reaches 0).
int shown_second_of(const Game& g, Side side, double seconds) {
  if (!side_timed(g, side)) return static_cast<int>(std::floor(seconds));
  return static_cast<int>(std::ceil(clock_face_now(g, side).seconds));
}

// What a clock shows: the time, and under a byoyomi of several periods once
// the main time is spent, how many periods are left with the running one
// ("00:00:27×3").
bool counts_periods(const Game& g, Side side) { return side_timed(g, side) && side_control(g, side).periods > 1; }

std::string clock_text(const Game& g, Side side, double seconds) {
  const std::string time = 調査_時間秒追加結果(shown_second_of(g, side, seconds));
  if (!counts_periods(g, side)) return time;
  const ClockFace face = clock_face_now(g, side);
  return face.byoyomi ? time + "×" + std::to_string(face.periods + 1) : time;
}

// Under a control, the running turn sounds once when little time is left
// and notes a fallen flag: the match ends on time once the event is over.
void watch_time_left(Game& g, Side mover) {
  if (!side_timed(g, mover)) return;
  if (short_of_time(g, mover) && !g.timing.warned) {
    g.timing.warned = true;
    play_other(g);
  }
  // The flag of a side played on another machine is judged there, which
  // tells when it falls.
  if (flag_fallen_now(g) && !(g.network && g.network->remote_side() == mover)) g.timing.time_out_due = true;
}

}  // namespace

double 調査_経過秒(double start, double now) { return start <= now ? now - start : now + SECONDS_PER_DAY - start; }

std::string 変換_数字から文字(long long n) {
  const std::string text = std::to_string(n);
  if (text.size() == 1) return "0" + text;
  if (text.size() == 2) return text;
  return "";
}

std::string 調査_時間秒追加結果(double seconds) {
  const long long h = static_cast<long long>(std::floor(seconds / 3600));
  const long long m = static_cast<long long>(std::floor((seconds - 3600.0 * h) / 60));
  const long long s = static_cast<long long>(std::floor(seconds - 3600.0 * h - 60.0 * m));
  return 変換_数字から文字(h) + ":" + 変換_数字から文字(m) + ":" + 変換_数字から文字(s);
}

void 消去_所有時間(Game& g, Side side) {
  const ClockPlace& place = clock_place(side);
  for (int x = place.first_cleared; x < place.first_cleared + 3; ++x) 描画_絵(g, g.view.current_background, x, 10);
}

void 描画_所有時間(Game& g, Side side, double seconds) {
  if (clocks_kept(g)) draw_clock(g, side, seconds);
}

void draw_clock(Game& g, Side side, double seconds) {
  const ClockPlace& place = clock_place(side);
  消去_所有時間(g, side);
  // The periods stand one cell further: that cell is cleared too.
  if (counts_periods(g, side)) 描画_絵(g, g.view.current_background, place.first_cleared + 3, 10);
  const bool counted_down = side_timed(g, side);
  const PaletteColour colour = counted_down && short_of_time(g, side) ? SHORT_OF_TIME : PaletteColour::White;
  描画_数値(g, place.text_x, place.text_y, clock_text(g, side, seconds), colour, 0, 12);
}

double clock_time(const Game& g, Side side) {
  const double total = side == Side::Own ? g.clock.clock_own_total : g.clock.clock_enemy_total;
  const bool running = side_to_move(g.pos) == side && g.clock.timer1_enabled;
  return running ? total + g.clock.turn_elapsed : total;
}

void show_clocks(Game& g) {
  描画_所有時間(g, Side::Enemy, clock_time(g, Side::Enemy));
  描画_所有時間(g, Side::Own, clock_time(g, Side::Own));
  if (const auto mover = side_to_move(g.pos)) g.clock.shown_second = shown_second_of(g, *mover, clock_time(g, *mover));
}

void start_turn_time(Game& g) {
  g.clock.turn_start_time = g.ports.clock.time_of_day();
  g.clock.turn_elapsed = 0;
  g.clock.left_turn_elapsed = -1;
  g.clock.shown_second = NO_SECOND_SHOWN;
  g.timing.turn_clock_stopped = false;
  g.timing.warned = false;
}

void resume_turn_time(Game& g) {
  const double left = g.clock.left_turn_elapsed;
  start_turn_time(g);
  if (left < 0 || g.pos.move_number != g.pos.history.record_length) return;
  g.clock.turn_elapsed = left;
  g.clock.turn_start_time -= left;
  if (g.clock.turn_start_time < 0) g.clock.turn_start_time += SECONDS_PER_DAY;
}

void book_turn(Game& g, Side side) {
  double& total = side == Side::Own ? g.clock.clock_own_total : g.clock.clock_enemy_total;
  total += g.clock.turn_elapsed;
  描画_所有時間(g, side, total);
}

void update_turn_elapsed(Game& g) {
  if (g.timing.turn_clock_stopped) return;
  g.clock.turn_elapsed = 調査_経過秒(g.clock.turn_start_time, g.ports.clock.time_of_day());
}

void timer1_tick(Game& g) {
  if (!g.clock.timer1_enabled) return;
  update_turn_elapsed(g);
  const auto mover = side_to_move(g.pos);
  if (!mover) return;
  watch_time_left(g, *mover);
  const double time = clock_time(g, *mover);
  const int second = shown_second_of(g, *mover, time);
  if (second == g.clock.shown_second) return;
  g.clock.shown_second = second;
  描画_所有時間(g, *mover, time);
  g.ports.screen.refresh();
}

}  // namespace velmora
