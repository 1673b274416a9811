#include "record/replay.h"

#include <utility>

#include "record/record_files.h"
#include "rules/move_list.h"
#include "rules/moves.h"
#include "rules/turn_order.h"
#include "setup/new_game.h"
#include "text/shown.h"
#include "view/board_view.h"
#include "view/clocks.h"
#include "view/sound_effects.h"
#include "view/texts.h"

namespace velmora {
namespace {

// Puts the position of slot n on the board: board, hands and both clock
// totals (drawn at once), then redraws hands and board.
void restore_slot(Game& g, int n) {
  const HistorySlot& slot = std::as_const(g.pos.history).slot(n);
  g.pos.board = slot.board;
  g.pos.hand_own = slot.hand_own;
  g.pos.hand_enemy = slot.hand_enemy;
  調査_2歩フラグ設定(g.pos);

  g.clock.clock_enemy_total = slot.clock_enemy_after;
  g.clock.clock_own_total = slot.clock_own_after;
  show_clocks(g);

  描画_自持盤(g);
  描画_敵持盤(g);
  描画_盤(g);
}

// The square and final code of move n, found by comparing slot n with the
// slot before it; EMPTY when no piece arrived anywhere.
struct MoveResult {
  int x = 0, y = 0, code = EMPTY;
};
MoveResult move_result(const Game& g, int n) {
  MoveResult r;
  調査_移動結果(g.pos, n, r.x, r.y, r.code);
  return r;
}

}  // namespace

void after_click(Game& g) {
  close_record_panel(g);
  if (g.pos.turn == 0) {
    play_refusal(g);
    return show_message(g, SHOWN("「対局」で始めて下さい"), SHOWN("開始"));
  }
  g.resume_pending = true;
  if (g.pos.move_number >= g.pos.history.record_length) {
    if (g.record_mode) return show_message(g, SHOWN("終わり"), SHOWN("進む"));
    play_refusal(g);
    return show_message(g, SHOWN("できません"), SHOWN("進む"));
  }
  g.sel.selection_state = false;
  g.clock.timer1_enabled = false;
  描画_将棋盤桝(g);

  g.pos.move_number += 1;
  g.com.move_counter += 1;
  描画_手数(g, g.com.move_counter, PaletteColour::White);
  restore_slot(g, g.pos.move_number);

  const MoveResult r = move_result(g, g.pos.move_number);
  駒移動音(g, r.code);
  描画_移動結果(g, side_of_code(r.code), {r.x, r.y}, r.code, PaletteColour::White);
  pass_turn(g.pos);
  描画_手数(g, g.com.move_counter, PaletteColour::White);
}

void replay_click(Game& g) {
  close_record_panel(g);
  // Leaving the last position while its turn runs keeps the turn's time, for
  // the match to go on with when it resumes there.
  const bool turn_running = g.pos.turn != 0 && !g.record_mode && !g.resume_pending;
  if (turn_running && g.pos.move_number >= 1 && g.pos.move_number == g.pos.history.record_length) {
    update_turn_elapsed(g);
    g.clock.left_turn_elapsed = g.clock.turn_elapsed;
  }
  g.resume_pending = true;
  if (g.pos.move_number < 1) {
    play_refusal(g);
    return show_message(g, SHOWN("できません"), SHOWN("戻る"));
  }
  g.sel.selection_state = false;
  g.clock.timer1_enabled = false;

  const int n = g.pos.move_number;
  restore_slot(g, n - 1);
  const MoveResult r = move_result(g, n);  // the move being taken back
  駒移動音(g, r.code);
  消去_移動結果(g, side_of_code(r.code));

  g.pos.move_number -= 1;
  g.com.move_counter -= 1;
  pass_turn(g.pos);
  描画_手数(g, g.com.move_counter, PaletteColour::White);
}

void set_record_start(Game& g, const RecordStart& start) {
  g.pos.board = start.start.board;
  g.pos.hand_own = start.start.hand_own;
  g.pos.hand_enemy = start.start.hand_enemy;
  if (start.chess_sign < 0) {
    g.pos.history.turned = true;
    g.board_flipped = true;
  }
  HistorySlot& slot = g.pos.history.slot(0);
  slot.board = g.pos.board;
  slot.hand_own = g.pos.hand_own;
  slot.hand_enemy = g.pos.hand_enemy;
  調査_2歩フラグ設定(g.pos);
  調査_先手後手(g.pos);
  画面_再描画(g);
}

void show_list_as_record(Game& g) {
  g.record_mode = true;
  g.pos.move_number = 0;
  g.com.move_counter = 0;
  g.sel.selection_state = false;
  restore_slot(g, 0);
  take_turn_of_record(g.pos);
  画面_再描画(g);
}

void show_last_move(Game& g) {
  if (g.pos.move_number < 1) return;
  const MoveResult r = move_result(g, g.pos.move_number);
  if (r.code != EMPTY) 描画_移動結果(g, side_of_code(r.code), {r.x, r.y}, r.code, PaletteColour::White);
}

void cancel_click(Game& g) {
  初期設定(g);
  play_piece(g);
}

// The board turns by 180 degrees and every piece changes side. The move list
// turns with it, so that stepping through it, saving it and telling whose
// move it is all see the board the same way up; each army keeps its hand and
// its thinking time.
void turn_board_round(Game& g) {
  g.pos.board = turned_board(g.pos.board);
  std::swap(g.pos.hand_own, g.pos.hand_enemy);
  std::swap(g.clock.clock_own_total, g.clock.clock_enemy_total);
  turn_move_list(g.pos.history);
  調査_2歩フラグ設定(g.pos);
  調査_先手後手(g.pos);
  flip_shown_texts(g);
}

void reverse_click(Game& g) {
  if (g.record_mode) {
    play_refusal(g);
    return show_message(g, SHOWN("棋譜ﾓｰﾄﾞではできません"), SHOWN("反転"));
  }
  g.board_flipped = true;
  g.sel.selection_state = false;
  turn_board_round(g);
  画面_再描画(g);
  描画_手数(g, g.com.move_counter, PaletteColour::White);
  if (g.com.handicap_set == 1) {
    g.com.handicap_grade = -g.com.handicap_grade;
    描画_ハンデレベル(g, g.com.handicap_grade);
  }
  play_piece(g);
  // `turn` names an army, so the same army moves next, from the other side.
}

}  // namespace velmora
