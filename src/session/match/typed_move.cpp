#include "match/typed_move.h"

#include <cctype>
#include <optional>

#include "match/window.h"
#include "notation/notation.h"
#include "rules/move_check.h"
#include "rules/moves.h"
#include "rules/pieces.h"
#include "rules/promotion.h"
#include "rules/turn_order.h"
#include "view/board_words.h"
#include "view/phrases.h"
#include "view/sound_effects.h"
#include "view/twips.h"

namespace velmora {
namespace {

// The letters of the kinds a hand can hold, as English shogi and chess texts
// write them; the same letter may name a shogi and a chess kind.
struct KindLetter {
  int kind;
  char letter;
};
constexpr KindLetter KIND_LETTERS[] = {
    {HU, 'P'},    {PORN, 'P'},   {KYOU, 'L'}, {KEI, 'N'}, {KNIG, 'N'},  {GIN, 'S'},
    {KIN, 'G'},   {KAKU, 'B'},   {BISH, 'B'}, {SYA, 'R'}, {ROOK, 'R'},  {QEEN, 'Q'},
    {HEISI, 'J'}, {KURUMA, 'C'}, {UMA, 'H'},  {ZOU, 'E'}, {TUKAE, 'A'}, {HOU, 'K'},
};

// A board label digit 1..9 (ASCII or full-width), or nothing.
std::optional<int> label_digit(const std::string& text, std::size_t& at) {
  if (at < text.size() && text[at] >= '1' && text[at] <= '9') return text[at++] - '0';
  // Full-width digits are EF BC 91..99.
  if (at + 2 < text.size() && text.compare(at, 2, "\xEF\xBC") == 0) {
    const unsigned char last = static_cast<unsigned char>(text[at + 2]);
    if (last >= 0x91 && last <= 0x99) {
      at += 3;
      return last - 0x90;
    }
  }
  return std::nullopt;
}

// A rank label in either of the board's label sets: a digit, a kanji numeral
// 一..九 (the Japanese board) or a letter a..i (the English board).
std::optional<int> rank_label(const std::string& text, std::size_t& at) {
  if (const auto digit = label_digit(text, at)) return digit;
  if (at < text.size()) {
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(text[at])));
    if (letter >= 'a' && letter <= 'i') {
      ++at;
      return letter - 'a' + 1;
    }
  }
  for (int rank = 1; rank <= 9; ++rank) {
    const std::string kanji = 文字列変換(110 + rank);  // the board's own rank labels, 一 to 九
    if (text.compare(at, kanji.size(), kanji) == 0) {
      at += kanji.size();
      return rank;
    }
  }
  return std::nullopt;
}

// A square as file and rank labels, in window cells: the files run 9..1
// from left to right, the ranks 1..9 from the top.
std::optional<std::pair<int, int>> square_at(const std::string& text, std::size_t& at) {
  const std::size_t start = at;
  const auto file = label_digit(text, at);
  const auto rank = file ? rank_label(text, at) : std::nullopt;
  if (!rank) {
    at = start;
    return std::nullopt;
  }
  return std::pair{10 - *file, *rank};
}

int in_hand(const Game& g, int kind) {
  const int index = hand_index_of(kind);
  return index == 0 ? 0 : (side_to_move(g.pos) == Side::Own ? g.pos.hand_own : g.pos.hand_enemy)[index];
}

bool names_kind(const std::string& name, const KindLetter& entry) {
  return name == PIECE_KINDS[entry.kind].record_name ||
         (name.size() == 1 && std::toupper(static_cast<unsigned char>(name[0])) == entry.letter);
}

// The kind a drop names by letter or by name among those in the hand of the
// side to move; 0 when none or more than one. `named` is then a kind the
// text names, in hand or not (0 for a text that names no kind).
int dropped_kind(const Game& g, const std::string& name, int& named) {
  int found = 0, count = 0;
  named = 0;
  for (const KindLetter& entry : KIND_LETTERS) {
    if (!names_kind(name, entry)) continue;
    if (named == 0) named = entry.kind;
    if (in_hand(g, entry.kind) > 0) {
      found = entry.kind;
      ++count;
    }
  }
  return count == 1 ? found : 0;
}

TypedMove wrong(TypedMove move, TypedPart part, std::size_t at, std::size_t length) {
  move.wrong = part;
  move.wrong_at = at;
  move.wrong_length = length;
  move.reason = fill(PHRASE_WRONG_PART, typed_part_name(part));
  return move;
}

// The same part, wrong by the state of the match rather than by its spelling.
TypedMove refused(TypedMove move, TypedPart part, std::size_t at, std::size_t length, std::string reason) {
  move = wrong(move, part, at, length);
  move.reason = std::move(reason);
  move.refused = true;
  return move;
}

// A square as the move list writes it ("７六").
std::string square_words(int x, int y) { return 文字列変換(110 - x) + 文字列変換(110 + y); }

// Where the slot of a kind in the hand of the side to move lies.
Cell hand_slot(const Game& g, int kind) {
  const int index = hand_index_of(kind);
  return side_to_move(g.pos) == Side::Own ? own_hand_slot(index) : enemy_hand_slot(index);
}

double centre_x(int x) { return cell_left(x) + SQUARE_WIDTH / 2.0; }
double centre_y(int y) { return cell_top(y) + SQUARE_HEIGHT / 2.0; }

}  // namespace

const char* typed_part_name(TypedPart part) {
  switch (part) {
    case TypedPart::From: return SHOWN("移動元");
    case TypedPart::To: return SHOWN("移動先");
    case TypedPart::Piece: return SHOWN("駒");
    case TypedPart::Rest: return SHOWN("成り指定");
    case TypedPart::None: break;
  }
  return "";
}

namespace {

// Why the rules refuse the move that was read, or "" when they allow it. The
// hand's two-pawn flags are refreshed on a copy of the position, as a click
// on the hand refreshes them before a drop.
std::string rules_refusal(const Game& g, const TypedMove& move, int code) {
  const Cell from = move.from, to = move.to;
  Position pos = g.pos;
  調査_2歩フラグ設定(pos);
  if (!移動チェック(pos, from, to, code)) {
    const std::string square = square_words(to.x, to.y);
    return is_side_to_move(g.pos, pos.board(to.x, to.y)) ? fill(PHRASE_OWN_PIECE_ON, square)
                                                         : fill(PHRASE_CANNOT_GO_TO, square);
  }
  return "";
}

// Whether the move that was read asks for a promotion the rules give, or
// leaves out one they demand; "" when it does neither.
std::string promotion_refusal(const TypedMove& move, int code) {
  const Cell from = move.from, to = move.to;
  if (move.promote && 調査_駒成(from, to, code) == EMPTY) return SHOWN("この手では成れません");
  if (!move.promote && !移動後チェック(to.y, code)) return SHOWN("この手は成らなければなりません（+）");
  return "";
}

}  // namespace

TypedMove read_typed_move(const Game& g, const std::string& text) {
  TypedMove move;
  // Before a match and while a record is shown the mouse's routine answers.
  const bool match_running = g.pos.turn != 0 && !g.record_mode;
  std::size_t at = 0;
  int code = EMPTY;  // the piece that moves, as it stands or lies in hand
  const std::size_t star = text.find('*');
  if (star != std::string::npos) {
    int named = 0;
    const int kind = dropped_kind(g, text.substr(0, star), named);
    if (kind == 0 && (named == 0 || !match_running)) return wrong(move, TypedPart::Piece, 0, star);
    if (kind == 0)
      return refused(move, TypedPart::Piece, 0, star, fill(PHRASE_NOT_IN_HAND, PIECE_KINDS[named].record_name));
    move.from = hand_slot(g, kind);
    code = side_to_move(g.pos) == Side::Own ? -kind : kind;
    at = star + 1;
  } else {
    const auto from = square_at(text, at);
    if (!from) return wrong(move, TypedPart::From, 0, 2);
    move.from = {from->first, from->second};
    code = g.pos.board(move.from.x, move.from.y);
    if (match_running && code == EMPTY)
      return refused(move, TypedPart::From, 0, at, fill(PHRASE_EMPTY_SQUARE, square_words(move.from.x, move.from.y)));
    if (match_running && !is_side_to_move(g.pos, code)) return refused(move, TypedPart::From, 0, at, turn_words(g.pos));
  }
  const std::size_t to_start = at;
  const auto to = square_at(text, at);
  if (!to) return wrong(move, TypedPart::To, to_start, text.size() - to_start);
  move.to = {to->first, to->second};
  const std::size_t to_length = at - to_start;
  if (at < text.size() && text[at] == '+') {
    move.promote = true;
    ++at;
  }
  if (at != text.size()) return wrong(move, TypedPart::Rest, at, text.size() - at);
  if (!match_running) return move;
  if (std::string reason = rules_refusal(g, move, code); !reason.empty())
    return refused(move, TypedPart::To, to_start, to_length, std::move(reason));
  if (std::string reason = promotion_refusal(move, code); !reason.empty())
    return refused(move, TypedPart::Rest, to_start + to_length, text.size() - to_start - to_length, std::move(reason));
  return move;
}

TypedMove play_typed_move(Game& g, const std::string& text) {
  TypedMove move = read_typed_move(g, text);
  if (move.wrong != TypedPart::None) {
    if (move.refused) play_refusal(g);
    return move;
  }
  on_mouse_down(g, MOUSE_LEFT, 0, centre_x(move.from.x), centre_y(move.from.y));
  // The mouse's routine may have answered the click on the piece itself (no
  // match running, a record on show): the move then goes no further. A hand
  // slot it leaves unselected is barred (chess drops are off).
  if (g.program_ended || g.sel.selection_state != 1 || g.sel.from != move.from) {
    if (!on_board(move.from) && g.pos.turn != 0 && !g.record_mode) {
      play_refusal(g);
      return refused(move, TypedPart::Piece, 0, text.find('*'), SHOWN("ﾁｪｽ側持駒OKが入っていません"));
    }
    return move;
  }
  on_mouse_down(g, move.promote ? MOUSE_RIGHT : MOUSE_LEFT, 0, centre_x(move.to.x), centre_y(move.to.y));
  // A move the mouse's routine refuses at the promotion (a king chosen, a
  // pawn left on its last row) leaves the piece selected.
  move.played = g.program_ended || !g.sel.selection_state;
  return move;
}

}  // namespace velmora
