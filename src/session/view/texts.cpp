#include "view/texts.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "notation/notation.h"
#include "rules/piece_kinds.h"
#include "text/shown.h"
#include "view/board_view.h"
#include "view/twips.h"

namespace velmora {
namespace {

const char* const KANJI_NUMERALS[10] = {"",          SHOWN("一"), SHOWN("二"), SHOWN("三"), SHOWN("四"),
                                        SHOWN("五"), SHOWN("六"), SHOWN("七"), SHOWN("八"), SHOWN("九")};

void print_plain(Game& g, double left, double top, const std::string& text, PaletteColour colour, int size) {
  g.ports.screen.print_text(text, left, top, size, colour, g.view.font_bold);
}

// A record's title and names, as the players wrote them.
void print_as_typed(Game& g, double left, double top, const std::string& text, PaletteColour colour, int size) {
  g.ports.screen.print_players_text(text, left, top, size, colour, g.view.font_bold);
}

// The text over its black shadow.
void print_at(Game& g, double left, double top, const std::string& text, PaletteColour colour, int size) {
  if (text.empty()) return;
  print_plain(g, left + TEXT_SHADOW_OFFSET, top + TEXT_SHADOW_OFFSET, text, PaletteColour::Black, size);
  print_plain(g, left, top, text, colour, size);
}

// The words after a count of `count`, white over their shadow.
void print_counted_at(Game& g, double left, double top, const char* text, int count, int size) {
  g.ports.screen.print_counted_text(text, count, left + TEXT_SHADOW_OFFSET, top + TEXT_SHADOW_OFFSET, size,
                                    PaletteColour::Black, g.view.font_bold);
  g.ports.screen.print_counted_text(text, count, left, top, size, PaletteColour::White, g.view.font_bold);
}

// The record title keeps its light red and is edged all round in a colour
// that stands out from the background: white on the dark ones, black on the
// light ones.
PaletteColour title_edge_colour(const Game& g) {
  const int background = g.view.current_background;
  return background == PICTURE_UCHU || background == PICTURE_RENGA ? PaletteColour::White : PaletteColour::Black;
}

void print_edged(Game& g, double left, double top, const std::string& text, PaletteColour colour, int size) {
  const PaletteColour edge = title_edge_colour(g);
  for (const int dx : {-1, 0, 1})
    for (const int dy : {-1, 0, 1})
      if (dx != 0 || dy != 0)
        print_as_typed(g, left + dx * TEXT_SHADOW_OFFSET, top + dy * TEXT_SHADOW_OFFSET, text, edge, size);
  print_as_typed(g, left, top, text, colour, size);
}

void clear_cells(Game& g, int first_x, int last_x, int y) {
  for (int x = first_x; x <= last_x; ++x) 描画_絵(g, g.view.current_background, x, y);
}

// Where each side's last move is printed: file, rank and piece.
struct MovePlaces {
  double text_x[3];
  double text_y;
  int first_cleared, last_cleared, cleared_row;
};
constexpr MovePlaces ENEMY_MOVE_PLACES{{-2.6, -2.1, -1.2}, 8.4, -3, 0, 8};
constexpr MovePlaces OWN_MOVE_PLACES{{11.4, 11.8, 12.4}, 2.4, 11, 14, 2};

constexpr int MOVE_TEXT_SIZE = 12;
constexpr int MOVE_COUNT_LABEL_SIZE = 10;
// The least room between the enemy's last move and the board.
constexpr double MOVE_TEXT_GAP = 60;

// The last cell of its row a text printed from `left` (twips) `width` wide
// reaches, its shadow included.
int last_cell_reached(double left, double width) {
  return static_cast<int>(std::ceil((left + width + TEXT_SHADOW_OFFSET - BOARD_LEFT) / SQUARE_WIDTH)) - 1;
}

// The widest piece name a last move can print in the window's language.
double widest_piece_name(const Game& g) {
  double widest = 0;
  for (int kind = 1; kind <= KIND_COUNT; ++kind)
    widest =
        std::max(widest, g.ports.screen.text_width(PIECE_KINDS[kind].record_name, MOVE_TEXT_SIZE, g.view.font_bold));
  return widest;
}

// How far (twips) a side's last move stands left of its place. The enemy's
// stands left of the board: where the widest piece name of the window's
// language would come nearer the board than MOVE_TEXT_GAP, shadow included,
// file, rank and name move left together. The Japanese names fit.
double move_shift(const Game& g, Side side) {
  if (side == Side::Own) return 0;
  const double name_end = cell_left(ENEMY_MOVE_PLACES.text_x[2]) + widest_piece_name(g) + TEXT_SHADOW_OFFSET;
  return std::max(0.0, name_end - (cell_left(1) - MOVE_TEXT_GAP));
}

// The first and last cells of its row a last move printed at `places`,
// `shift` twips left, can reach in the window's language, its shadow
// included: at least the cells laid out for the Japanese names, and never a
// square of the board.
std::pair<int, int> move_cells(const Game& g, const MovePlaces& places, double shift) {
  const double left = cell_left(places.text_x[0]) - shift;
  const int first = std::min(places.first_cleared, static_cast<int>(std::floor((left - BOARD_LEFT) / SQUARE_WIDTH)));
  const int last =
      std::max(places.last_cleared, last_cell_reached(cell_left(places.text_x[2]) - shift, widest_piece_name(g)));
  return {first, places.last_cleared < 1 ? std::min(last, 0) : last};
}

const MovePlaces& move_places(Side side) { return side == Side::Own ? OWN_MOVE_PLACES : ENEMY_MOVE_PLACES; }

ShownMove& shown_move(Game& g, Side side) {
  return side == Side::Own ? g.view.shown.own_move : g.view.shown.enemy_move;
}

// A loaded record's header: the title at the bottom left, the top player's
// name above the board and the bottom player's name below it.
constexpr int HEADER_FONT_SIZE = 12;
constexpr double HEADER_BOTTOM_Y = 7450;
constexpr double HEADER_TOP_Y = 250;
constexpr double TITLE_SHIFT_LEFT = 3000;

double header_left(const std::string& text, double shift_left) { return 取得_棋譜のX座標(text) - shift_left; }

}  // namespace

std::string handicap_label(int grade) {
  static const char* const LABELS[21] = {SHOWN("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人"), SHOWN("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段"), SHOWN("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段"),
                                         SHOWN("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段"), SHOWN("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段"), SHOWN("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段"),
                                         SHOWN("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段"), SHOWN("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段"), SHOWN("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段"),
                                         SHOWN("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級"), SHOWN("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級"), SHOWN("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級"),
                                         SHOWN("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級"), SHOWN("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級"), SHOWN("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級"),
                                         SHOWN("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級"), SHOWN("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級"), SHOWN("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級"),
                                         SHOWN("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級"), SHOWN("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級"), SHOWN("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級")};
  return (grade >= -10 && grade <= 10) ? LABELS[grade + 10] : "";
}

void 描画_数値(Game& g, double x, double y, const std::string& text, PaletteColour colour, int /*mode*/, int size) {
  print_at(g, cell_left(x), cell_top(y), text, colour, size);
}

void 描画_数値(Game& g, double x, double y, int value, PaletteColour colour, int mode, int size) {
  std::string text;
  if (mode == 0) {
    text = std::to_string(value);
  } else if (value >= 1 && value <= 9) {
    text = KANJI_NUMERALS[value];
  }
  print_at(g, cell_left(x), cell_top(y), text, colour, size);
}

void 描画_文字列(Game& g, double x, double y, int code, PaletteColour colour, int size) {
  const std::string text = handicap_label(code);
  print_at(g, cell_left(x) + 120, cell_top(y) + 160, text, colour, size);
}

void 描画_移動駒種類(Game& g, double x, double y, const std::string& text, PaletteColour colour) {
  print_at(g, cell_left(x), cell_top(y), text, colour, MOVE_TEXT_SIZE);
}

void 描画_桝_数値(Game& g) {
  g.view.font_bold = true;
  for (int i = 1; i <= 9; ++i) {
    描画_絵(g, g.view.current_background, i, 0);
    描画_数値(g, i + 0.1, 0.4, 10 - i, PaletteColour::Yellow, 0, 16);
    描画_絵(g, g.view.current_background, 10, i);
    描画_数値(g, 10.1, i + 0.3, i, PaletteColour::Yellow, 1, 12);
    描画_桝輪郭(g, g.view.back_colour, {9, i});
  }
}

void 描画_手数(Game& g, int n, PaletteColour /*colour: the count is always bright white*/) {
  g.view.shown.move_count = n;
  const char* const label = SHOWN("手目");
  const double label_left = cell_left(11.8) + 120;
  // The label for many moves is the wider where a language tells them apart;
  // the cleared cells stop short of the hand's slot in cell 15.
  const double widest = g.ports.screen.counted_text_width(label, 2, MOVE_COUNT_LABEL_SIZE, g.view.font_bold);
  clear_cells(g, 11, std::clamp(last_cell_reached(label_left, widest), 12, 14), 3);
  const double x = n < 10 ? 11.2 : n < 100 ? 11.1 : 11.0;
  描画_数値(g, x, 3.3, n, PaletteColour::White, 0, 12);
  print_counted_at(g, label_left, cell_top(3.1) + 160, label, n, MOVE_COUNT_LABEL_SIZE);
}

void 描画_移動結果(Game& g, Side side, Cell to, int code, PaletteColour colour) {
  消去_移動結果(g, side);
  const MovePlaces& places = move_places(side);
  shown_move(g, side) = ShownMove{true, to, code, colour};
  const std::string texts[3] = {文字列変換(110 - to.x), 文字列変換(110 + to.y), 文字列変換(code)};
  const double shift = move_shift(g, side) / SQUARE_WIDTH;
  for (int i = 0; i < 3; ++i) 描画_移動駒種類(g, places.text_x[i] - shift, places.text_y, texts[i], colour);
}

void 消去_移動結果(Game& g, Side side) {
  const MovePlaces& places = move_places(side);
  shown_move(g, side) = ShownMove{};
  const auto [first, last] = move_cells(g, places, move_shift(g, side));
  clear_cells(g, first, last, places.cleared_row);
}

void 描画_棋譜見出し(Game& g, const std::string& title, const std::string& top_name, const std::string& bottom_name) {
  g.view.shown.header = ShownHeader{true, title, top_name, bottom_name};
  print_edged(g, header_left(title, TITLE_SHIFT_LEFT), HEADER_BOTTOM_Y, title, PaletteColour::LightRed,
              HEADER_FONT_SIZE);
  print_as_typed(g, header_left(top_name, 0), HEADER_TOP_Y, top_name, PaletteColour::White, HEADER_FONT_SIZE);
  print_as_typed(g, header_left(bottom_name, 0), HEADER_BOTTOM_Y, bottom_name, PaletteColour::White, HEADER_FONT_SIZE);
}

void redraw_shown_moves(Game& g) {
  const ShownTexts shown = g.view.shown;
  if (shown.move_count >= 0) 描画_手数(g, shown.move_count, PaletteColour::White);
  for (const auto& [side, move] : {std::pair{Side::Enemy, shown.enemy_move}, std::pair{Side::Own, shown.own_move}}) {
    if (move.shown) 描画_移動結果(g, side, move.at, move.code, move.colour);
  }
}

void redraw_shown_texts(Game& g) {
  redraw_shown_moves(g);
  const ShownHeader header = g.view.shown.header;
  if (header.shown) 描画_棋譜見出し(g, header.title, header.top_name, header.bottom_name);
}

// The board turns by 180 degrees and every piece changes side: each last move
// now names the square where its piece stands, and stays beside the hand of
// the army that made it, which has gone over to the other side; the players'
// names change places too.
void flip_shown_texts(Game& g) {
  ShownTexts& shown = g.view.shown;
  std::swap(shown.enemy_move, shown.own_move);
  // A move no longer on show (taken back) keeps no square to turn.
  for (ShownMove* move : {&shown.enemy_move, &shown.own_move}) {
    if (!move->shown) continue;
    move->at = turned_cell(move->at);
    move->code = -move->code;
  }
  std::swap(shown.header.top_name, shown.header.bottom_name);
}

void 描画_レベル(Game& g, int level) {
  描画_数値(g, 1, -0.8, std::string("LEVEL"), PaletteColour::White, 0, 10);
  描画_数値(g, 2.3, -0.8, level, PaletteColour::White, 0, 12);
}

void 描画_ハンデレベル(Game& g, int grade) {
  clear_cells(g, 12, 15, 1);
  描画_文字列(g, 12, 1, grade, PaletteColour::White, 10);
}

void show_message(Game& g, const std::string& text, const std::string& title, Icon icon) {
  g.ports.dialogs.message_box(text, title, Buttons::Ok, icon);
}

void 描画_メッセージ(Game& g, int n) {
  static const char* const REASONS[4] = {"", SHOWN("棋譜ﾓｰﾄﾞではできません"), SHOWN("対局途中ではできません"),
                                         SHOWN("反転後ではできません")};
  const std::string reason = (n >= 1 && n <= 3) ? REASONS[n] : "";
  g.ports.dialogs.message_box(reason + "\n\n" + SHOWN("局面→最初にして下さい"), SHOWN("ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定"), Buttons::Ok,
                              Icon::None);
}

}  // namespace velmora
