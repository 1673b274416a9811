// The terms of level 4's evaluation. Each has a name that the trace of an
// evaluation prints, and each amount it adds is a named constant of the file
// that adds it (piece_values.h, engine_eval.cpp).
#pragma once

#include <cstdint>
#include <vector>

namespace velmora {

enum class EngineTerm : std::uint8_t {
  // Material, kept up to date by make and unmake (piece_values.h).
  PieceValue,     // a piece on the board: its value
  HandPiece,      // a piece in hand its side may drop: a little more than on the board
  HuAdvance,      // a shogi pawn: for each row it has advanced
  HeisiAdvance,   // a soldier: for each row it has advanced
  HeisiSideways,  // a soldier far enough forward to step sideways
  PornAdvance,    // a chess pawn: more the nearer it is to promotion
  LeaperCentre,   // a knight or a horse: less for each step from the centre
  GoldAdvance,    // a gold, a silver or a promoted minor piece: for each row it has advanced
  KingAdvance,    // a king: less for each row it has left its back row
  // Read from the attacks of every piece (engine_eval.cpp).
  Mobility,           // the squares a piece other than a pawn or king attacks, own pieces' squares aside
  KingDanger,         // attacks on the squares around the king and drops that threaten it
  KingWithoutEscape,  // no square around the king that is free and unattacked
  Tempo,              // the side to move
  Count               // not a term: the number of terms
};

inline constexpr int ENGINE_TERM_COUNT = static_cast<int>(EngineTerm::Count);

// The name the trace prints: "piece values", "king danger", ...
const char* engine_term_name(EngineTerm term);

// One term of an evaluation: the side it concerns (its pieces, its king; for
// the tempo the side to move), the king's square for the king's terms (0
// otherwise), and the amount it adds to the score of the side to move, summed
// over the side's pieces.
struct EngineTraceTerm {
  EngineTerm term;
  int side;
  int square;
  int amount;
};
using EngineTrace = std::vector<EngineTraceTerm>;

}  // namespace velmora
