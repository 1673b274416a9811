#include "view/piece_move.h"

#include "influence/match_move.h"
#include "rules/move_list.h"
#include "view/board_view.h"
#include "view/clocks.h"
#include "view/sound_effects.h"
#include "view/texts.h"

namespace velmora {
namespace {

void redraw_square(Game& g, Cell c) {
  描画_絵(g, g.pos.board(c.x, c.y), c.x, c.y);
  描画_桝輪郭(g, g.view.back_colour, c);
}

void redraw_hand(Game& g, int hand) {
  if (hand > 0) 描画_敵持盤(g);
  if (hand < 0) 描画_自持盤(g);
}

// Redraws in the order the move happens: the hand that took a piece, the pawn
// taken en passant, the square left, the castling rook, the hand a dropped
// piece left, and the destination.
void show(Game& g, const MoveReport& r) {
  redraw_hand(g, r.hand_gained);
  if (r.en_passant) redraw_square(g, r.passed);
  if (!r.move.is_drop()) {
    描画_絵(g, EMPTY, r.move.from.x, r.move.from.y);
    描画_桝輪郭(g, g.view.back_colour, r.move.from);
  }
  if (r.castled) {
    redraw_square(g, r.rook_to);
    redraw_square(g, r.rook_from);
  }
  redraw_hand(g, r.hand_spent);
  redraw_square(g, r.move.to);
}

// Keeps the move in the move list; the thinking time of the turn goes to the
// clock of the side that moved.
void save_move(Game& g, const Candidate& move) {
  const Clocks& c = g.clock;
  const bool own_side_moved = is_own_piece(move.final_code);
  const double own_after = c.clock_own_total + (own_side_moved ? c.turn_elapsed : 0);
  const double enemy_after = c.clock_enemy_total + (own_side_moved ? 0 : c.turn_elapsed);
  手順保存(g.pos, {move, c.clock_own_total, own_after, c.clock_enemy_total, enemy_after});
}

// The first move of a match writes the position it starts from as move 0:
// a new game keeps the start of the moves it kept for stepping through them.
void keep_start(Game& g) {
  HistorySlot& start = g.pos.history.slot(0);
  start.board = g.pos.board;
  start.hand_own = g.pos.hand_own;
  start.hand_enemy = g.pos.hand_enemy;
}

}  // namespace

MoveReport 駒移動(Game& g, Cell from, Cell to, int code) {
  const MoveReport report = 駒移動(g.pos, g.maps, from, to, code);
  if (report.played) show(g, report);
  return report;
}

MoveReport play_move(Game& g, const Candidate& move) {
  const bool first_move = g.pos.move_number == 0;
  if (first_move) keep_start(g);
  const MoveReport report = play_move(g.pos, g.maps, move);
  if (!report.played) return report;
  if (first_move) g.list_from_network = g.network != nullptr;
  g.assist.list_chess_drops = g.menu.CHESS_MOCHIKOMA || (!first_move && g.assist.list_chess_drops);
  g.resume.move_played = true;
  show(g, report);
  駒移動音(g, move.final_code);
  update_turn_elapsed(g);
  save_move(g, move);
  g.com.move_counter += 1;
  描画_手数(g, g.com.move_counter, PaletteColour::White);
  return report;
}

bool play_players_move(Game& g, const Player& player, const Candidate& move) {
  player.before_move(g, move);
  if (!play_move(g, move).played) {
    player.refused(g);
    return false;
  }
  if (g.network) g.network->move_played(g, move);
  player.after_move(g, move);
  return true;
}

bool take_turn(Game& g, const Player& player) {
  const PlayerAnswer answer = player.choose_move(g);
  return answer && play_players_move(g, player, *answer);
}

}  // namespace velmora
