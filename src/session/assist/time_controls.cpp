#include "assist/time_controls.h"

#include "assist/preferences.h"
#include "text/shown.h"
#include "view/board_view.h"
#include "view/phrases.h"
#include "view/texts.h"

namespace velmora {
namespace {

constexpr const char* KEY_MAIN_ARMY = "time_main";
constexpr const char* KEY_CHESS_ARMY = "time_chess";

bool no_move_played(const Game& g) { return g.pos.move_number == 0 && g.pos.history.record_length == 0; }

// The match on show plays under the chosen controls while none of its moves
// has been played; false when it has begun under others.
bool use_on_match_on_show(Game& g) {
  if (!no_move_played(g) || g.record_mode) return false;
  if (g.timing.match == g.assist.time_controls) return true;
  g.timing.match = g.assist.time_controls;
  画面_再描画(g);
  return true;
}

}  // namespace

std::string time_control_lines(const TimeControls& controls) {
  if (!timed(controls)) return "";
  return std::string(KEY_MAIN_ARMY) + "=" + format_time_control(controls.main_army) + "\n" + KEY_CHESS_ARMY + "=" +
         format_time_control(controls.chess_army) + "\n";
}

void take_time_control(const std::string& key, const std::string& value, TimeControls& controls) {
  if (key != KEY_MAIN_ARMY && key != KEY_CHESS_ARMY) return;
  const auto parsed = parse_time_control(value);
  if (parsed) (key == KEY_MAIN_ARMY ? controls.main_army : controls.chess_army) = *parsed;
}

void choose_time_controls(Game& g, const TimeControls& controls) {
  if (controls == g.assist.time_controls && controls == g.timing.match) return;
  g.assist.time_controls = controls;
  write_preferences(g);
  if (!use_on_match_on_show(g) && controls != g.timing.match)
    show_message(g, SHOWN("持ち時間は次の対局から使われます"), SHOWN("持ち時間"));
}

void use_time_controls_read(Game& g) { use_on_match_on_show(g); }

std::string time_control_text(const Game& g) {
  const TimeControls& c = g.timing.match;
  if (!timed(c)) return "";
  return fill(PHRASE_FIRST_TIME_CONTROL, format_time_control(c.main_army)) + "\n" +
         fill(PHRASE_SECOND_TIME_CONTROL, format_time_control(c.chess_army)) + "\n";
}

std::string time_out_text(const Game& g) {
  return g.timing.lost_on_time.empty() ? "" : fill(PHRASE_TIME_UP, g.timing.lost_on_time) + "\n";
}

}  // namespace velmora
