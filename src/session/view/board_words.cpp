#include "view/board_words.h"

#include <algorithm>

#include "notation/notation.h"
#include "rules/move_check.h"
#include "rules/moves.h"
#include "rules/turn_order.h"
#include "view/clocks.h"
#include "view/phrases.h"

namespace velmora {
namespace {

// The piece on (x, y) with its army: "５九 王、主戦軍".
std::string piece_words(const Position& pos, int x, int y) {
  const int code = pos.board(x, y);
  const std::string piece = 文字列変換(110 - x) + 文字列変換(110 + y) + " " + 文字列変換(code);
  return fill(sign_of(code) == pos.chess_sign ? PHRASE_CHESS_ARMY_PIECE : PHRASE_MAIN_ARMY_PIECE, piece);
}

// The pieces in a hand as "歩 x2 金"; "なし" for an empty hand.
std::string hand_words(const Hand& hand) {
  std::string words;
  for (int index = 1; index < HAND_SIZE; ++index) {
    if (hand[index] <= 0) continue;
    if (!words.empty()) words += " ";
    words += 文字列変換(HAND_KINDS[index]);
    if (hand[index] > 1) words += " x" + std::to_string(hand[index]);
  }
  return words.empty() ? SHOWN("なし") : words;
}

}  // namespace

std::string move_notation(const Game& g, int n) {
  int x = 0, y = 0, code = EMPTY;
  if (!調査_移動結果(g.pos, n, x, y, code)) return SHOWN("――");
  return 文字列変換(110 - x) + 文字列変換(110 + y) + " " + 文字列変換(code);
}

int current_move_row(const Game& g) { return std::clamp(g.pos.move_number, 0, g.pos.history.record_length); }

std::string turn_words(const Position& pos) {
  return pos.turn == MAIN_ARMY ? SHOWN("主戦軍の番です") : pos.turn == CHESS_ARMY ? SHOWN("チェス軍の番です") : "";
}

bool side_to_move_in_check(const Position& pos) {
  for (int kx = 1; kx <= 9; ++kx)
    for (int ky = 1; ky <= 9; ++ky) {
      const int king = pos.board(kx, ky);
      if (!is_king_kind(kind_of(king)) || !is_side_to_move(pos, king)) continue;
      for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
          const int attacker = pos.board(x, y);
          if (attacker != EMPTY && !is_side_to_move(pos, attacker) && 移動チェック(pos, {x, y}, {kx, ky}, attacker))
            return true;
        }
    }
  return false;
}

std::string board_description(const Game& g) {
  const Position& pos = g.pos;
  std::string text = turn_words(pos);
  const auto add_line = [&text](const std::string& line) {
    if (!text.empty()) text += "\n";
    text += line;
  };
  if (pos.turn != 0 && side_to_move_in_check(pos)) add_line(SHOWN("王手"));
  const int shown_move = current_move_row(g);
  if (shown_move > 0) add_line(fill(PHRASE_LAST_MOVE, move_notation(g, shown_move)));
  for (int y = 1; y <= 9; ++y)
    for (int x = 1; x <= 9; ++x)
      if (pos.board(x, y) != EMPTY) add_line(piece_words(pos, x, y));
  // The own side's pieces are negative: its army is the chess army when chess_sign is -1.
  const bool own_is_chess = pos.chess_sign == -1;
  add_line(fill(PHRASE_MAIN_ARMY_HAND, hand_words(own_is_chess ? pos.hand_enemy : pos.hand_own)));
  add_line(fill(PHRASE_CHESS_ARMY_HAND, hand_words(own_is_chess ? pos.hand_own : pos.hand_enemy)));
  return text;
}

std::string clock_words(const Game& g) {
  // The own side is the main army unless the board was turned (chess_sign -1).
  const bool own_is_chess = g.pos.chess_sign == -1;
  const auto army_clock = [&g](Side side) { return 調査_時間秒追加結果(clock_time(g, side)); };
  return fill(PHRASE_MAIN_ARMY_CLOCK, army_clock(own_is_chess ? Side::Enemy : Side::Own)) + "\n" +
         fill(PHRASE_CHESS_ARMY_CLOCK, army_clock(own_is_chess ? Side::Own : Side::Enemy));
}

}  // namespace velmora
