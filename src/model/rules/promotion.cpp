#include "rules/promotion.h"

namespace velmora {

int 調査_駒成(int fx, int fy, int tx, int ty, int code) {
  (void)tx;
  if (fx < 1 || fx > 9) return 0;  // a drop never promotes
  const bool own = code < 0;
  const bool arrives_in_zone = own ? ty <= 3 : ty >= 7;
  const bool starts_in_zone = own ? fy <= 3 : fy >= 7;
  bool may = false;
  int promoted = code + (own ? -1 : +1);
  switch (kind_of(code)) {
    case HU:
    case KYOU:
    case KEI: may = arrives_in_zone; break;
    case GIN:
    case KAKU:
    case SYA: may = arrives_in_zone || starts_in_zone; break;
    case PORN:
      may = own ? ty <= 2 : ty >= 8;
      promoted = own ? -QEEN : +QEEN;
      break;
    default: return 0;
  }
  return may ? promoted : EMPTY;
}

int 調査_駒成人選(int ty, int code) {
  if (code == -PORN) return ty <= 2 ? 1 : 0;
  if (code == +PORN) return ty >= 8 ? 1 : 0;
  return 0;
}

int 移動後チェック(int ty, int code) {
  switch (code) {
    case +HU:
    case +KYOU:
    case +PORN: return ty == 9 ? 0 : 1;
    case +KEI: return ty >= 8 ? 0 : 1;
    case -HU:
    case -KYOU:
    case -PORN: return ty == 1 ? 0 : 1;
    case -KEI: return ty <= 2 ? 0 : 1;
    default: return 1;
  }
}

}  // namespace velmora
