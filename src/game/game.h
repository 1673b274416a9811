// The whole state of one game window. Every subsystem keeps its state here,
// in the section that names it, and its routines (free functions taking a
// Game&) live in the subsystem's own folder. There are no globals: a test or
// a tool can make as many independent games as it likes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "assist/assist_state.h"
#include "game/grid.h"
#include "ports/ports.h"
#include "rules/pieces.h"

namespace velmora {

class Engine;

inline constexpr int MODE_MAN = 0;  // two people at the mouse
inline constexpr int MODE_COM = 1;  // the person (own side) against the computer (enemy side)

inline constexpr int MOUSE_LEFT = 1;
inline constexpr int MOUSE_RIGHT = 2;
inline constexpr int KEY_ESCAPE = 27;

// Palette colours used by name.
inline constexpr int COLOUR_BLACK = 0;
inline constexpr int COLOUR_GREEN = 2;
inline constexpr int COLOUR_LIGHT_RED = 12;
inline constexpr int COLOUR_YELLOW = 14;
inline constexpr int COLOUR_WHITE = 15;

inline constexpr int CHECKER_MARK = 9;  // check maps: square of a checking piece
inline constexpr int LINE_MARK = 1;     // check maps: square between a slider and the king

// Evaluation scores are kept as whole tenths so that equal scores compare
// equal whatever the order of the additions (0.1 -> 1, 9998 -> 99980).
using Tenths = int;

// The influence maps of the last survey and the king squares.
struct InfluenceMaps {
  Grid<int> own_influence;
  Grid<int> enemy_influence;
  Grid<int> own_defender_code;
  Grid<int> enemy_defender_code;
  Grid<int> enemy_defender_x, enemy_defender_y;  // not reset by a survey
  Grid<int> own_attacker_code;
  Grid<int> own_attacker_x, own_attacker_y;
  Grid<int> enemy_attacker_code;
  Grid<int> enemy_attacker_x, enemy_attacker_y;  // not reset by a survey
  Grid<int> own_check_map;
  Grid<int> enemy_check_map;
  int own_king_x = 0, own_king_y = 0;
  int enemy_king_x = 0, enemy_king_y = 0;
};

// One slot of the move list: the position after move n (slot 0: the start).
struct HistorySlot {
  Board board;
  Hand hand_own{};
  Hand hand_enemy{};
  int move_to_x = 0;
  int move_to_y = 0;
  int move_code = 0;
  double clock_own_before = 0, clock_own_after = 0;
  double clock_enemy_before = 0, clock_enemy_after = 0;
  bool operator==(const HistorySlot&) const = default;
};

// The move list. It grows as a match goes on: there is no fixed limit of
// slots, and a slot beyond the end reads as an all-zero slot.
struct MoveList {
  std::vector<HistorySlot> slots = std::vector<HistorySlot>(1);
  int record_length = 0;
  // The slots show the board turned round (the chess army at the bottom), as
  // the board flip left them; a new game turns them back.
  bool turned = false;

  HistorySlot& slot(int n) {
    if (n >= static_cast<int>(slots.size())) slots.resize(n + 1);
    return slots[n];
  }
  const HistorySlot& slot(int n) const {
    static const HistorySlot blank{};
    return (n >= 0 && n < static_cast<int>(slots.size())) ? slots[n] : blank;
  }
};

// The computer's per-turn state, its strength and the handicap ladder.
struct ComState {
  Tenths com_best_score = 0;
  int com_move_code = 0;
  int king_distance_before = 0;
  int own_king_escapes_before = 0;
  Board board_before_com;
  Grid<int> own_influence_before, enemy_influence_before;
  Grid<int> enemy_attacker_x_before, enemy_attacker_y_before;
  Grid<int> bishop_threat_mark;
  Grid<int> own_pinned;
  int enemy_pinned_any = 0;
  int move_counter = 0;
  int com_level = 3;  // 1-3 weigh one move ahead; 4 searches deep
  int handicap_grade = 0;
  int handicap_set = 0;
  // Level 4's search with what it learned in earlier turns; made at its first
  // turn (copies of the game share it). It thinks this long a move (seconds;
  // at most 3).
  std::shared_ptr<Engine> strong_engine;
  double strong_seconds = 1.0;
};

// The person's mouse selection.
struct Selection {
  int selection_state = 0;  // 0 nothing selected, 1 a piece is selected
  int sel_x = 0, sel_y = 0;
  int sel_code = 0;
  int dest_x = 0, dest_y = 0;
};

// Thinking-time clocks and the window timer Timer1.
struct Clocks {
  double turn_start_time = 0;
  double turn_elapsed = 0;
  int shown_second = 0;
  double clock_enemy_total = 0;
  double clock_own_total = 0;
  bool timer1_enabled = false;
};

// A side's last move as the window shows it (see 描画_移動結果).
struct ShownMove {
  bool shown = false;
  int x = 0, y = 0, code = 0, colour = 0;
};

// The header of a loaded record as the window shows it.
struct ShownHeader {
  bool shown = false;
  std::string title, top_name, bottom_name;
};

// The texts on show beside the board, kept so that a full redraw shows them
// again: the move count, each side's last move and a loaded record's header.
struct ShownTexts {
  int move_count = -1;   // -1 while none is shown
  ShownMove enemy_move;  // below the enemy side's hand
  ShownMove own_move;    // above the own side's hand
  ShownHeader header;
};

// Drawing state of the window.
struct ViewState {
  int current_background = 0;  // 32..36, 0 before one is chosen
  int back_colour = COLOUR_GREEN;
  int frame_colour = COLOUR_GREEN;
  int guidance_on = 0;
  int guidance_colour = COLOUR_GREEN;
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

struct Game {
  explicit Game(Ports p) : ports(p) {}

  Ports ports;

  // --- Board, pieces and armies ---
  Board board;
  Hand hand_own{};    // pieces the own side captured (entries by hand index)
  Hand hand_enemy{};  // pieces the enemy side captured
  int hand_own_total = 0;
  int hand_enemy_total = 0;
  int chess_sign = +1;  // sign of the chess army's pieces; = army id of the own side
  int main_sign = -1;   // always -chess_sign
  int turn = 0;         // army to move: +1 main army, -1 chess army, 0 no match
  int game_mode = MODE_MAN;
  int move_number = 0;
  int king_taken = 0;
  int record_mode = 0;
  int resume_pending = 0;
  int promotion_choice = 0;
  ColumnFlags hu_column_own{};
  ColumnFlags hu_column_enemy{};
  int board_flipped = 0;

  // --- Subsystems ---
  InfluenceMaps maps;
  MoveList history;
  ComState com;
  Selection sel;
  Clocks clock;
  ViewState view;
  MenuChecks menu;
  SoundHandles sound;
  AssistState assist;  // take-back, move list panel, hint, export, volume

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
