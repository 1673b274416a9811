// Diagonal influence of the bishops.
#include "influence/book_influence.h"
#include "influence/reach.h"

namespace velmora {

void 勢力確定自ビショ(const Position& pos, InfluenceMaps& maps, int x, int y) {
  walk_diagonals(pos, maps, {.code = -BISH, .threshold = EVERY_PIECE, .passes_over = OU_AND_KING}, x, y);
}

// The shogi bishop passes over the chess KING only: an enemy OU stops it
// without a check mark.
void 勢力確定自角(const Position& pos, InfluenceMaps& maps, int x, int y) {
  walk_diagonals(pos, maps, {.code = -KAKU, .threshold = EVERY_PIECE, .passes_over = KING_ONLY}, x, y);
}

// The chess bishop neither protects nor attacks the pawns HU, HU_N and HEISI.
void 勢力確定敵ビショ(const Position& pos, InfluenceMaps& maps, int code, int x, int y) {
  walk_diagonals(pos, maps, {.code = code, .threshold = ABOVE_FOOT_SOLDIERS, .passes_over = OU_AND_KING}, x, y);
}

void 勢力確定敵角(const Position& pos, InfluenceMaps& maps, int code, int x, int y) {
  walk_diagonals(pos, maps, {.code = code, .threshold = EVERY_PIECE, .passes_over = OU_AND_KING}, x, y);
}

}  // namespace velmora
