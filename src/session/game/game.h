// The whole state of one game window: its Position and the session around
// it. Every subsystem keeps its state here, in the section that names it, and
// its routines (free functions taking a Game&) live in the subsystem's own
// folder. There are no globals: a test or a tool can make as many independent
// games as it likes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "computer/com_analysis.h"
#include "engine/search.h"
#include "game/assist_state.h"
#include "game/network_side.h"
#include "game/resume_state.h"
#include "game/timing_state.h"
#include "influence/maps.h"
#include "ports/ports.h"
#include "rules/pieces.h"
#include "rules/position.h"

namespace velmora {

inline constexpr int MODE_MAN = 0;  // two people at the mouse
inline constexpr int MODE_COM = 1;  // the person (own side) against the computer (enemy side)

inline constexpr int MOUSE_LEFT = 1;
inline constexpr int MOUSE_RIGHT = 2;
inline constexpr int KEY_ESCAPE = 27;

// The computer's per-turn analysis (see computer/com_analysis.h), its move
// count and the handicap ladder.
struct ComState : ComAnalysis {
  int move_counter = 0;
  int handicap_grade = 0;
  int handicap_set = 0;
  // Level 4's search with what it learned in earlier turns; made at its first
  // turn (copies of the game share it). It thinks within these limits (at
  // most 3 seconds a move).
  std::shared_ptr<Engine> strong_engine;
  SearchLimits strong_limits;
  // The rung of the ladder between level 3 and level 4 (computer/ladder.h)
  // that plays while the level is 4; 0: full level 4.
  int ladder_rung = 0;
};

// The person's mouse selection.
struct Selection {
  bool selection_state = false;  // a piece is selected
  Cell from;                     // the selected piece's square, or its hand slot
  int sel_code = 0;
  Cell to;  // the square it is to go to
};

// shown_second while the running clock is to be drawn afresh at the next tick.
inline constexpr int NO_SECOND_SHOWN = -1;

// Thinking-time clocks and the window timer Timer1.
struct Clocks {
  double turn_start_time = 0;
  double turn_elapsed = 0;
  int shown_second = 0;  // the whole second of the running clock last drawn
  double clock_enemy_total = 0;
  double clock_own_total = 0;
  bool timer1_enabled = false;
  // The running turn's time when the move list was stepped back from its
  // last position (-1: none), so that the turn goes on from there when the
  // match resumes on that position.
  double left_turn_elapsed = -1;
};

// A side's last move as the window shows it (see 描画_移動結果).
struct ShownMove {
  bool shown = false;
  Cell at;  // the square the move went to
  int code = 0;
  PaletteColour colour = PaletteColour::Black;
  bool operator==(const ShownMove&) const = default;
};

// The header of a loaded record as the window shows it.
struct ShownHeader {
  bool shown = false;
  std::string title, top_name, bottom_name;
  bool operator==(const ShownHeader&) const = default;
};

// The texts on show beside the board, kept so that a full redraw shows them
// again: the move count, each side's last move and a loaded record's header.
struct ShownTexts {
  int move_count = -1;   // -1 while none is shown
  ShownMove enemy_move;  // below the enemy side's hand
  ShownMove own_move;    // above the own side's hand
  ShownHeader header;
  bool operator==(const ShownTexts&) const = default;
};

// Drawing state of the window.
struct ViewState {
  int current_background = 0;  // 32..36, 0 before one is chosen
  PaletteColour back_colour = PaletteColour::Green;
  PaletteColour frame_colour = PaletteColour::Green;
  bool guidance_on = false;
  PaletteColour guidance_colour = PaletteColour::Green;
  Grid<int> square_shade;  // 1 where x + y is even
  bool font_bold = false;  // the coordinate labels make the window font bold for good
  ShownTexts shown;
};

// The check marks of the menu items: the live option state. The platform
// mirrors them in its menus after every event.
struct MenuChecks {
  bool MIDORI = false, TATAMI = true, TAKE = false, UCHU = false, RENGA = false;
  bool SIDOU = true;
  bool KEIKA = false;
  bool CHESS_MOCHIKOMA = false;
  bool BGM = false;
  bool NIPPON = true, KANKOKU = true;
  bool LEVEL1 = false, LEVEL2 = false, LEVEL3 = false, LEVEL4 = false;
};

// Sound output and the six buffer handles (0 when not made).
struct SoundHandles {
  int sound_device = 0;
  int snd_other = 0, snd_refuse = 0, snd_piece = 0, snd_chess = 0, snd_vanish = 0, snd_bgm = 0;
};

// The session of one game window: the match's position and everything
// around it. A Game has a Position rather than being one, so the rules never
// take a Game by accident: a model routine handed `g.pos` changes the board
// and nothing else, while the session's routines taking a Game also redraw
// and book what changed. A Game holds its ports, so it cannot be copied; copy
// its Position to think about a move.
struct Game {
  explicit Game(Ports p) : ports(p) {}
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  Position pos;
  Ports ports;

  int game_mode = MODE_MAN;
  bool record_mode = false;     // a loaded record is shown; the board takes no moves
  bool resume_pending = false;  // the match resumes at the next click after the move list was stepped through
  bool board_flipped = false;   // the board is shown turned round
  int promotion_choice = 0;     // the code the person chose in the promotion dialog
  bool player_to_ask = false;   // the player of the side to move is asked once the running event has ended

  // --- Subsystems ---
  InfluenceMaps maps;
  ComState com;
  Selection sel;
  Clocks clock;
  ViewState view;
  MenuChecks menu;
  SoundHandles sound;
  AssistState assist;  // take-back, move list panel, hint, export, volume
  ResumeState resume;  // the running match kept for 前回の対局を再開
  TimingState timing;  // the time controls
  // The match played over the network, while one is on; not owned.
  NetworkSide* network = nullptr;
  // The move list was played over the network: a record of it is written
  // with the main army at the bottom, the same file on both machines.
  bool list_from_network = false;

  // The program's working directory: Velmora.ini and the wave files are
  // looked up there by their bare names.
  std::string working_directory = ".";
  // A failed write of Velmora.ini has been reported; it is told once a run.
  bool settings_write_reported = false;
  // The folder of the six wave files when it is not the working directory
  // (the installed game reads them from its data folder); empty: the working
  // directory.
  std::string sound_directory;

  // Set when the program must end (Esc, 終わり, "No" to a new game); the
  // platform closes the window once the running event has returned, and the
  // core does nothing more in that event.
  bool program_ended = false;
};

}  // namespace velmora
