// Level 4 reads the table of patterns twice: forwards, from the piece (what it
// attacks and where it moves), and backwards, from the attacked square (its
// attack test). Both readings must agree for every kind, side and square.
#include <gtest/gtest.h>

#include "engine/search_position.h"

namespace velmora {
namespace {

// Sources on both palaces, both halves and the middle row; two pieces of
// the other side stand in the way of lines, legs and cannons.
constexpr Cell SOURCES[] = {{5, 5}, {5, 8}, {5, 2}, {4, 3}, {6, 7}, {1, 9}};
constexpr Cell IN_THE_WAY[] = {{5, 3}, {3, 5}};

// A board with the piece on `from`, the pieces in the way and a piece of the
// other side on the square attacked (as the attack test asks of a king).
SearchPosition position(int code, Cell from, Cell target) {
  PositionSetup setup;
  for (Cell c : IN_THE_WAY) setup.board(c.x, c.y) = -sign_of(code) * HU;
  setup.board(target.x, target.y) = -sign_of(code) * HU;
  setup.board(from.x, from.y) = code;
  return SearchPosition(setup);
}

TEST(PiecePatterns, TheAttackTestSeesWhatTheAttackWalkVisits) {
  for (int kind = 1; kind <= KIND_COUNT; ++kind)
    for (int side : {-1, +1})
      for (Cell from : SOURCES)
        for (int x = 1; x <= 9; ++x)
          for (int y = 1; y <= 9; ++y) {
            if (x == from.x && y == from.y) continue;
            const SearchPosition p = position(side * kind, from, {x, y});
            const int square = square_of(x, y);
            bool visited = false;
            p.for_each_attack(square_of(from.x, from.y), [&](int to) { visited = visited || to == square; });
            EXPECT_EQ(p.attacked(square, side), visited)
                << "kind " << kind << " side " << side << " from " << from.x << from.y << " onto " << x << y;
          }
}

}  // namespace
}  // namespace velmora
