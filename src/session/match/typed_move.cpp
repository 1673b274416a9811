#include "match/typed_move.h"

#include <cctype>
#include <optional>

#include "match/window.h"
#include "rules/pieces.h"
#include "rules/turn_order.h"
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

// A square as file and rank labels, in window cells: the files run 9..1
// from left to right, the ranks 1..9 from the top.
std::optional<std::pair<int, int>> square_at(const std::string& text, std::size_t& at) {
  const std::size_t start = at;
  const auto file = label_digit(text, at);
  const auto rank = file ? label_digit(text, at) : std::nullopt;
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

// The kind a drop names by letter or by name among those in the hand of the
// side to move; 0 when none or more than one.
int dropped_kind(const Game& g, const std::string& name) {
  int found = 0, count = 0;
  for (const KindLetter& entry : KIND_LETTERS) {
    const bool named = name == PIECE_KINDS[entry.kind].record_name ||
                       (name.size() == 1 && std::toupper(static_cast<unsigned char>(name[0])) == entry.letter);
    if (named && in_hand(g, entry.kind) > 0) {
      found = entry.kind;
      ++count;
    }
  }
  return count == 1 ? found : 0;
}

bool piece_of_side_to_move(const Game& g, int x, int y) { return is_side_to_move(g.pos, g.pos.board(x, y)); }

TypedMove wrong(TypedMove move, TypedPart part, std::size_t at, std::size_t length) {
  move.wrong = part;
  move.wrong_at = at;
  move.wrong_length = length;
  return move;
}

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

TypedMove read_typed_move(const Game& g, const std::string& text) {
  TypedMove move;
  std::size_t at = 0;
  const std::size_t star = text.find('*');
  if (star != std::string::npos) {
    const int kind = dropped_kind(g, text.substr(0, star));
    if (kind == 0) return wrong(move, TypedPart::Piece, 0, star);
    const Cell slot = hand_slot(g, kind);
    move.from_x = slot.x;
    move.from_y = slot.y;
    at = star + 1;
  } else {
    const std::size_t start = at;
    const auto from = square_at(text, at);
    if (!from || !piece_of_side_to_move(g, from->first, from->second))
      return wrong(move, TypedPart::From, start, from ? at - start : 2);
    move.from_x = from->first;
    move.from_y = from->second;
  }
  const std::size_t to_start = at;
  const auto to = square_at(text, at);
  if (!to) return wrong(move, TypedPart::To, to_start, text.size() - to_start);
  move.to_x = to->first;
  move.to_y = to->second;
  if (at < text.size() && text[at] == '+') {
    move.promote = true;
    ++at;
  }
  if (at != text.size()) return wrong(move, TypedPart::Rest, at, text.size() - at);
  return move;
}

TypedMove play_typed_move(Game& g, const std::string& text) {
  const TypedMove move = read_typed_move(g, text);
  if (move.wrong != TypedPart::None) return move;
  on_mouse_down(g, MOUSE_LEFT, 0, centre_x(move.from_x), centre_y(move.from_y));
  // The mouse's routine may have answered the click on the piece itself (no
  // match running, a record on show): the move then goes no further.
  if (g.program_ended || g.sel.selection_state != 1 || g.sel.sel_x != move.from_x || g.sel.sel_y != move.from_y)
    return move;
  on_mouse_down(g, move.promote ? MOUSE_RIGHT : MOUSE_LEFT, 0, centre_x(move.to_x), centre_y(move.to_y));
  return move;
}

}  // namespace velmora
