// Moves typed on the keyboard, with either of the board's label sets: the
// file as a digit and the rank as a digit, a kanji numeral or a letter a..i
// ("8786", "8七8六", "8g8f": the piece on 8七 to 8六), "+" at the end to
// promote, and a drop as the piece's letter or name, "*" and the square
// ("P*55", "歩*5五", "P*5e"). A typed move is played as the mouse plays it,
// by a click on the piece and a click on its square (the right button for
// "+"), so every question, sound and message is the mouse's. While a match
// runs, a move the mouse would refuse without a word (an empty square, the
// other army's piece, a piece not in hand, a square the piece cannot reach,
// a promotion that is not there) is refused before it is played, with the
// refusal sound and the reason.
#pragma once

#include <string>

#include "game/game.h"
#include "text/shown.h"

namespace velmora {

// The part of a typed move that is wrong.
enum class TypedPart { None, From, To, Piece, Rest };

// The part's name as the move field tells it ("移動元" ...).
const char* typed_part_name(TypedPart part);

// What a typed text asks for, in window cells: a board move from the square
// `from`, or a drop from the hand slot `from`, to the square `to`.
struct TypedMove {
  Cell from;
  Cell to;
  bool promote = false;
  // When something is wrong: which part, and where it lies in the text
  // (bytes), so that the field can point at it.
  TypedPart wrong = TypedPart::None;
  std::size_t wrong_at = 0, wrong_length = 0;
  // Why it is wrong, to be shown (a SHOWN text or phrase), and whether the
  // match rather than the spelling refused it (the refusal sound played).
  std::string reason;
  bool refused = false;
  // Whether the move was played (play_typed_move).
  bool played = false;
};

// Reads `text` for the side to move: its piece must stand on the from-square,
// or lie in its hand for a drop; a letter that names more than one kind in
// that hand is wrong too (the piece's name then tells which). While a match
// runs, the move must also be one the rules allow.
TypedMove read_typed_move(const Game& g, const std::string& text);

// Reads and plays `text` through the mouse's routine; returns what was read
// (with nothing played when a part is wrong).
TypedMove play_typed_move(Game& g, const std::string& text);

}  // namespace velmora
