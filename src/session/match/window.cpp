// The events of the main window: opening, closing, keys, menu commands, the
// timer and the record-file panel. The mouse is handled in mouse_input.cpp.
#include "match/window.h"

#include "com/levels.h"
#include "match/match_start.h"
#include "match/turns.h"
#include "record/record_files.h"
#include "record/replay.h"
#include "setup/game_over.h"
#include "setup/new_game.h"
#include "setup/time_out.h"
#include "shell/about.h"
#include "shell/settings.h"
#include "text/text_files.h"
#include "view/board_view.h"
#include "view/clocks.h"
#include "view/sound_effects.h"
#include "view/texts.h"

namespace velmora {
namespace {

// Where the window is put when it opens (twips), unless its top edge is
// already at KEEP_PLACE_TOP.
constexpr TwipRect WINDOW_PLACE{-20, -20, 11600, 8500};
constexpr int KEEP_PLACE_TOP = -60;

void set_constants(Game& g) {
  g.view.back_colour = PaletteColour::Green;
  g.view.frame_colour = PaletteColour::Green;
  g.view.guidance_colour = g.view.frame_colour;
  g.pos.chess_sign = +1;
  for (int x = 1; x <= BOARD_SIZE; ++x)
    for (int y = 1; y <= BOARD_SIZE; ++y) g.view.square_shade(x, y) = (x + y) % 2 == 0 ? 1 : 0;
}

void place_window(Game& g) {
  if (g.ports.screen.window_rect().top != KEEP_PLACE_TOP) g.ports.screen.set_window_rect(WINDOW_PLACE);
}

// The commands that would change the match, its position or its rules on one
// machine only: over the network both boards must stay one match.
bool changes_the_match(MenuItem item) {
  using M = MenuItem;
  switch (item) {
    case M::MATCH_MAN:
    case M::START2:
    case M::CANCEL:
    case M::REVERSE:
    case M::REPLAY:
    case M::AFTER:
    case M::LBEL_UP:
    case M::LEBEL_DOWN:
    case M::KIFU_READ:
    case M::CHESS_MOCHIKOMA:
    case M::NIPPON:
    case M::KANKOKU: return true;
    default: return false;
  }
}

void refuse_during_network_match(Game& g) {
  play_refusal(g);
  show_message(g, SHOWN("ネット対局中はできません"), SHOWN("ネット対局"));
}

}  // namespace

void on_window_load(Game& g, int window_handle) {
  if (g.program_ended) return;
  // Files a run that was killed while writing left behind.
  remove_stale_temporaries(g.working_directory);
  load_all_sounds(g, window_handle);
  g.record_mode = false;
  g.view.guidance_on = false;
  g.pos.history.set_length(0);
  レベル_設定(g, 3);
  set_constants(g);
  読込_環境設定ファイル(g);
  初期設定(g);
  画面_再描画(g);
  place_window(g);
}

void open_without_window(Game& g) {
  set_constants(g);
  read_settings_only(g);
  初期設定(g);
}

void on_key_press(Game& g, int key) {
  if (g.program_ended) return;
  if (key == KEY_ESCAPE) 終了処理(g);  // ends the program at once, without a question
}

void on_window_unload(Game& g) {
  if (g.program_ended) return;
  終了処理(g);
}

bool turn_due(const Game& g) { return !g.program_ended && (player_to_ask(g) || g.timing.time_out_due); }

void on_turn_due(Game& g) {
  if (g.program_ended) return;
  end_on_time_if_due(g);
  ask_player(g);
}

void on_timer(Game& g) {
  if (g.program_ended) return;
  timer1_tick(g);
}

void on_record_file_clicked(Game& g, const std::string& folder, const std::string& file_name) {
  if (g.program_ended) return;
  if (g.network) return refuse_during_network_match(g);
  record_file_click(g, folder, file_name);
}

void on_record_save_clicked(Game& g) {
  if (g.program_ended) return;
  record_save_click(g);
}

void on_menu(Game& g, MenuItem item) {
  if (g.program_ended) return;
  if (g.network && changes_the_match(item)) return refuse_during_network_match(g);
  using M = MenuItem;
  switch (item) {
    // Opening the menus 対局 and 局面 closes the record-file panel.
    case M::TAIKYOKU:
    case M::STOP: close_record_panel(g); break;
    case M::MATCH_MAN: match_man_click(g); break;
    case M::START2: start2_click(g); break;
    case M::LEVEL1: level_click(g, 1); break;
    case M::LEVEL2: level_click(g, 2); break;
    case M::LEVEL3: level_click(g, 3); break;
    case M::LEVEL4: level_click(g, 4); break;
    case M::OWARI: 終了処理(g); break;
    case M::CANCEL: cancel_click(g); break;
    case M::REVERSE: reverse_in_match(g); break;
    case M::REPLAY: replay_click(g); break;
    case M::AFTER: after_click(g); break;
    case M::LBEL_UP: handicap_click(g, true); break;
    case M::LEBEL_DOWN: handicap_click(g, false); break;
    case M::KIFU_READ: kifu_read_click(g); break;
    case M::KIFU_WRITE: kifu_write_click(g); break;
    case M::OPTION:
    case M::MIDORI:
    case M::TATAMI:
    case M::TAKE:
    case M::UCHU:
    case M::RENGA:
    case M::SIDOU:
    case M::KEIKA:
    case M::CHESS_MOCHIKOMA:
    case M::BGM:
    case M::NIPPON:
    case M::KANKOKU: option_click(g, item); break;
    case M::VER: ver_click(g); break;
    // Submenus that only open: nothing to do.
    case M::LEVEL:
    case M::KIFU:
    case M::HAIKEI_GA:
    case M::SYUSEN:
    case M::NONE: break;
  }
}

}  // namespace velmora
