// Influence of the gold-moving kinds and the diagonal half of the queens.
#include "influence/book_influence.h"
#include "influence/reach.h"

namespace velmora {

// Forward is towards row 1. Only the chess KING counts as checked by a gold.
void 勢力確定自金(const Position& pos, InfluenceMaps& maps, int code, int x, int y) {
  const OwnBooking gold{.check_kings = KING_ONLY};
  if (y >= 2) {
    own_step(pos, maps, code, x, y, x, y - 1, gold);
    own_step(pos, maps, code, x, y, x - 1, y - 1, gold);
    own_step(pos, maps, code, x, y, x + 1, y - 1, gold);
  }
  if (y <= 8) own_step(pos, maps, code, x, y, x, y + 1, gold);
  own_step(pos, maps, code, x, y, x - 1, y, gold);
  own_step(pos, maps, code, x, y, x + 1, y, gold);
}

// Forward is towards row 9. Every enemy gold books as +KIN, protects but
// records no attack, and checks only an OU straight behind it.
void 勢力確定敵金(const Position& pos, InfluenceMaps& maps, int x, int y) {
  const EnemyBooking gold{.check_kings = OU_AND_KING};
  if (y >= 2) enemy_step(pos, maps, KIN, x, y, x, y - 1, {.check_kings = OU_ONLY});
  if (y <= 8) {
    enemy_step(pos, maps, KIN, x, y, x, y + 1, gold);
    enemy_step(pos, maps, KIN, x, y, x - 1, y + 1, gold);
    enemy_step(pos, maps, KIN, x, y, x + 1, y + 1, gold);
  }
  enemy_step(pos, maps, KIN, x, y, x - 1, y, gold);
  enemy_step(pos, maps, KIN, x, y, x + 1, y, gold);
}

void 勢力確定自クイーン(const Position& pos, InfluenceMaps& maps, int x, int y) {
  walk_diagonals(pos, maps, {.code = -QEEN, .threshold = EVERY_PIECE, .passes_over = OU_AND_KING}, x, y);
}

void 勢力確定敵クイーン(const Position& pos, InfluenceMaps& maps, int x, int y) {
  walk_diagonals(pos, maps, {.code = QEEN, .threshold = ABOVE_FOOT_SOLDIERS, .passes_over = OU_AND_KING}, x, y);
}

}  // namespace velmora
