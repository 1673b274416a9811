#include "rules/promotion.h"

namespace velmora {

int 調査_駒成(Cell from, Cell to, int code) {
  if (from.x < 1 || from.x > 9) return 0;  // a drop never promotes
  const PieceKind& kind = piece_kind(kind_of(code));
  if (!may_promote(kind.promotion, sign_of(code), from.y, to.y)) return EMPTY;
  return sign_of(code) * kind.promoted_kind;
}

bool 調査_駒成人選(int ty, int code) {
  const int side = sign_of(code);
  const PromotionRule rule = piece_kind(kind_of(code)).promotion;
  return rule == PromotionRule::ChessPawn && may_promote(rule, side, ty, ty);
}

bool 移動後チェック(int ty, int code) { return !stuck_on_row(code, ty); }

}  // namespace velmora
