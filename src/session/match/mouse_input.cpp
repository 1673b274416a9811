// The person's moves with the mouse: a click on a piece (a board square or a
// hand slot) selects it, a click on a square moves or drops it there. The
// move is handed to the match, which asks the next player once the click has
// ended.
#include <algorithm>
#include <cmath>

#include "match/match_start.h"
#include "match/promotion_input.h"
#include "match/turns.h"
#include "match/window.h"
#include "record/record_files.h"
#include "rules/move_check.h"
#include "rules/move_list.h"
#include "rules/moves.h"
#include "rules/turn_order.h"
#include "setup/new_game.h"
#include "text/shown.h"
#include "view/animation.h"
#include "view/board_view.h"
#include "view/sound_effects.h"
#include "view/texts.h"
#include "view/twips.h"

namespace velmora {
namespace {

constexpr PaletteColour SELECTED_FRAME_COLOUR = PaletteColour::LightRed;

// The window cell under a position in twips (cells left of or above the board
// are 0 or negative). Far-off positions are clamped to cells no rule knows.
int cell_of(double twips, int origin, int cell_size) {
  const double cell = std::floor((twips - origin) / cell_size);
  return static_cast<int>(std::clamp(cell, -100.0, 100.0));
}

// A selection made earlier may have lost its piece since (the leading nation
// was switched, exchanging the pieces on the board): it must not be moved.
bool selected_piece_still_there(const Game& g) {
  const Selection& s = g.sel;
  if (on_board(s.from)) return g.pos.board(s.from.x, s.from.y) == s.sel_code;
  const int index = hand_index_of_slot(s.from.x, s.from.y);
  const Hand& hand = s.sel_code < 0 ? g.pos.hand_own : g.pos.hand_enemy;
  return index != 0 && hand[index] > 0;
}

// --- Selecting ---------------------------------------------------------

// A piece on the board is picked up: its guidance is shown; it is selected
// when it belongs to the side to move, otherwise only shown.
void pick_from_board(Game& g, int x, int y) {
  Selection& s = g.sel;
  const int code = g.pos.board(x, y);
  if (code == EMPTY) return;
  s.from = {x, y};
  s.sel_code = code;
  描画_移動可能桝色(g, {x, y}, g.view.guidance_colour, code);
  if (is_side_to_move(g.pos, code)) {
    s.selection_state = true;
    描画_桝輪郭(g, SELECTED_FRAME_COLOUR, {x, y});
  } else {
    描画_桝輪郭(g, g.view.guidance_colour, {x, y});
  }
}

// With the option off, the main army's rook, knight, bishop or queen taken
// from the own hand keeps the selection against clicks on its own pieces.
bool chess_piece_in_hand_holds_selection(const Game& g) {
  const Selection& s = g.sel;
  return side_to_move(g.pos) == Side::Own && !g.menu.CHESS_MOCHIKOMA && s.from.x == 11 && s.from.y > 5;
}

void move_selection_to(Game& g, int x, int y) {
  描画_桝輪郭(g, g.view.frame_colour, g.sel.from);
  pick_from_board(g, x, y);
}

// With the option "ﾁｪｽ側持駒OK" off the chess army may not drop, and the main
// army's hand shows (and offers) only the chess pieces it has captured.
bool hand_column_usable(const Game& g, int x) {
  if (g.menu.CHESS_MOCHIKOMA) return true;
  const bool own_hand = x > 9;
  const bool hand_of_chess_army = own_hand ? g.pos.chess_sign == -1 : g.pos.chess_sign == +1;
  return !hand_of_chess_army && (x == 11 || x == -1);
}

// Takes the piece of a hand slot as the selection; false when the slot is
// barred or empty.
bool take_from_hand(Game& g, int x, int y) {
  Selection& s = g.sel;
  if (!hand_column_usable(g, x)) return false;
  const bool own_hand = x > 9;
  if (!own_hand && s.sel_code >= 1) {
    描画_移動可能桝色(g, s.from, g.view.frame_colour, s.sel_code);
    描画_桝輪郭(g, g.view.frame_colour, {x, y});
  }
  const int index = hand_index_of_slot(x, y);
  if ((own_hand ? g.pos.hand_own : g.pos.hand_enemy)[index] <= 0) return false;
  s.from = {x, y};
  s.sel_code = own_hand ? -HAND_KINDS[index] : HAND_KINDS[index];
  return true;
}

void hand_click(Game& g, int x, int y) {
  if (hand_index_of_slot(x, y) == 0) return;  // no slot of either hand
  if (!take_from_hand(g, x, y)) return;
  Selection& s = g.sel;
  調査_2歩フラグ設定(g.pos);
  if (is_side_to_move(g.pos, s.sel_code)) {
    s.selection_state = true;
    描画_桝輪郭(g, SELECTED_FRAME_COLOUR, {x, y});
  } else {
    s.selection_state = false;
    描画_桝輪郭(g, g.view.guidance_colour, {x, y});
  }
  描画_移動可能桝色(g, {x, y}, g.view.guidance_colour, s.sel_code);
}

// --- Moving ------------------------------------------------------------

void refuse_destination(Game& g) {
  play_refusal(g);
  g.sel.selection_state = false;
  描画_将棋盤桝(g);
  描画_桝輪郭(g, g.view.frame_colour, g.sel.from);
}

// The selected piece's move to the destination (a piece from a hand is named
// by its hand index).
Candidate selected_move(const Selection& s, int code_before) {
  if (on_board(s.from)) return {s.from, s.to, code_before, s.sel_code};
  return {Cell{}, s.to, code_before, s.sel_code, hand_index_of_slot(s.from.x, s.from.y)};
}

void board_click(Game& g, int button, int x, int y) {
  Selection& s = g.sel;
  if (s.selection_state && !selected_piece_still_there(g)) s.selection_state = false;
  if (!s.selection_state) {
    pick_from_board(g, x, y);
    return;
  }
  s.to = {x, y};
  if (is_side_to_move(g.pos, g.pos.board(x, y))) {
    if (!chess_piece_in_hand_holds_selection(g)) move_selection_to(g, x, y);
    return;
  }
  // The two-pawn flags are taken afresh: the board may have changed since the
  // hand piece was picked up (a switch of the leading nation exchanges the pawns).
  if (!on_board(s.from)) 調査_2歩フラグ設定(g.pos);
  if (!移動チェック(g.pos, s.from, {x, y}, s.sel_code)) {
    refuse_destination(g);
    return;
  }
  const int code_before = s.sel_code;
  if (settle_promotion(g, button)) play_persons_move(g, selected_move(s, code_before));
}

// --- Before the click is handled ------------------------------------------

// While a record is shown the board takes no moves; No leaves the record.
void answer_record_shown(Game& g) {
  const Answer a =
      g.ports.dialogs.message_box(SHOWN("棋譜を '進 'で進めて下さい"), SHOWN("棋譜"), Buttons::YesNo, Icon::None);
  if (a == Answer::No) {
    play_refusal(g);
    初期設定(g);
  }
}

// After stepping through the move list the match resumes: announce whose move
// it is and restart the clock, or, when it is the computer's turn, ask it
// once the click has ended (the click does nothing else). Returns false when
// the click ends here.
bool resume_match(Game& g) {
  if (g.game_mode == MODE_MAN) {
    if (g.resume_pending) {
      g.resume_pending = false;
      resume_turn_clock(g);
      announce_army_to_move(g, SHOWN("対局"));
    }
    return true;
  }
  if (side_to_move(g.pos) == Side::Enemy) {
    g.resume_pending = false;
    show_message(g, SHOWN("OKですか？"), SHOWN("再開(COM)"));
    ask_player_soon(g);
    return false;
  }
  if (side_to_move(g.pos) == Side::Own && g.resume_pending) {
    g.resume_pending = false;
    resume_turn_clock(g);
    show_message(g, SHOWN("MANの番です"), SHOWN("対局"));
  }
  return true;
}

}  // namespace

void on_mouse_down(Game& g, int button, int /*shift*/, double x_twips, double y_twips) {
  if (g.program_ended) return;
  if (button != MOUSE_RIGHT) button = MOUSE_LEFT;  // any other button acts as the left one
  close_record_panel(g);
  if (g.record_mode) {
    answer_record_shown(g);
    return;
  }
  const int x = cell_of(x_twips, BOARD_LEFT, SQUARE_WIDTH);
  const int y = cell_of(y_twips, BOARD_TOP, SQUARE_HEIGHT);
  if (g.pos.turn == 0) {
    play_refusal(g);
    show_message(g, SHOWN("「対局」で始めて下さい"), SHOWN("開始"));
    return;
  }
  take_turn_from_list(g.pos);
  // Over the network the other machine's side is moved there, never here.
  if (g.network && !g.network->moves_here_now(g)) return play_refusal(g);
  if (!resume_match(g)) return;
  if (on_board(x, y))
    board_click(g, button, x, y);
  else
    hand_click(g, x, y);
}

}  // namespace velmora
