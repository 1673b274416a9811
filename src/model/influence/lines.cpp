// Straight-line influence of the orthogonal sliders.
#include "influence/book_influence.h"
#include "influence/reach.h"

namespace velmora {
namespace {

// A straight line passes over the OU and the KING of the other side; it stops
// at a SYOU like at any other piece.
void book_straight_line(const Position& pos, InfluenceMaps& maps, int code, int x, int y, int dx, int dy) {
  walk_line(pos, maps, {.code = code, .threshold = EVERY_PIECE, .passes_over = OU_AND_KING}, x, y, dx, dy);
}

}  // namespace

void 勢力確定上直進(const Position& pos, InfluenceMaps& maps, int code, int x, int y) {
  book_straight_line(pos, maps, code, x, y, 0, -1);
}
void 勢力確定下直進(const Position& pos, InfluenceMaps& maps, int code, int x, int y) {
  book_straight_line(pos, maps, code, x, y, 0, +1);
}
void 勢力確定右直進(const Position& pos, InfluenceMaps& maps, int code, int x, int y) {
  book_straight_line(pos, maps, code, x, y, +1, 0);
}
void 勢力確定左直進(const Position& pos, InfluenceMaps& maps, int code, int x, int y) {
  book_straight_line(pos, maps, code, x, y, -1, 0);
}

}  // namespace velmora
