// Texts printed on the window: labels, move count, last moves, level, grade.
// Positions are in cells (fractions allowed). Each text is printed over its
// black shadow, which lies TEXT_SHADOW_OFFSET right of and below it.
#pragma once

#include <string>

#include "game/game.h"
#include "rules/side.h"

namespace velmora {

// A pixel of the window at 15 twips: the shadow grows with the window's
// rendering as a shadow does, and never reads as a second copy of the text.
inline constexpr double TEXT_SHADOW_OFFSET = 15;

// Prints `value` at cell (x, y); with mode != 0 as the kanji numeral 一..九
// (nothing for values outside 1..9). An empty text prints nothing.
void 描画_数値(Game& g, double x, double y, int value, PaletteColour colour, int mode, int size);
void 描画_数値(Game& g, double x, double y, const std::string& text, PaletteColour colour, int mode, int size);
// Prints the handicap-grade label of code -10..10.
void 描画_文字列(Game& g, double x, double y, int code, PaletteColour colour, int size);
void 描画_移動駒種類(Game& g, double x, double y, const std::string& text, PaletteColour colour);
void 描画_桝_数値(Game& g);
void 描画_手数(Game& g, int n, PaletteColour colour);
// Shows the last move of `side`.
void 描画_移動結果(Game& g, Side side, Cell to, int code, PaletteColour colour);
void 消去_移動結果(Game& g, Side side);
// Shows a loaded record's header: its title (light red, edged in a colour that
// stands out from the background), the top and the bottom player's name.
void 描画_棋譜見出し(Game& g, const std::string& title, const std::string& top_name, const std::string& bottom_name);
// Prints again the move count, the last moves and the record header on show,
// after the window has been painted over.
void redraw_shown_texts(Game& g);
// The same without the record header.
void redraw_shown_moves(Game& g);
// Keeps the texts on show true to the board after it has been turned round.
void flip_shown_texts(Game& g);
void 描画_レベル(Game& g, int level);
void 描画_ハンデレベル(Game& g, int grade);
// A modal message box with an OK button.
void show_message(Game& g, const std::string& text, const std::string& title, Icon icon = Icon::None);
// The message box of a refused handicap-ladder step (n = 1, 2, 3).
void 描画_メッセージ(Game& g, int n);

// The label text of a handicap grade -10..10 ("" outside).
std::string handicap_label(int grade);

}  // namespace velmora
