// The influence survey: one pass over the board that books, for every square,
// which pieces of each side reach it, the telling defender and attacker, the
// check lines and the king squares.
#include "influence/survey.h"

#include "influence/book_influence.h"
#include "influence/reach.h"
#include "rules/move_check.h"

namespace velmora {
namespace {

struct Offset {
  int dx, dy;
};
constexpr Offset NEIGHBOURS[8] = {{-1, -1}, {-1, 0}, {-1, 1}, {0, -1}, {0, 1}, {1, -1}, {1, 0}, {1, 1}};
// The leaps of the chess knight, which the janggi horse shares.
constexpr Offset KNIGHT_LEAPS[8] = {{-2, -1}, {-2, 1}, {-1, -2}, {-1, 2}, {1, -2}, {1, 2}, {2, -1}, {2, 1}};
constexpr Offset ORTHOGONAL[4] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
constexpr Offset DIAGONAL[4] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};

Grid<int> filled(int value) {
  Grid<int> grid;
  grid.fill_squares(value);
  return grid;
}

// Every survey starts from these; copying a whole grid is much cheaper than
// filling it square by square.
const Grid<int> ZEROS = filled(0);
const Grid<int> NO_DEFENDER = filled(999);
const Grid<int> NO_OWN_ATTACKER = filled(-999);
const Grid<int> NO_ENEMY_ATTACKER = filled(999);

void reset_maps(InfluenceMaps& m) {
  m.own_influence = ZEROS;
  m.enemy_influence = ZEROS;
  m.own_check_map = ZEROS;
  m.enemy_check_map = ZEROS;
  m.own_attacker_x = ZEROS;
  m.own_attacker_y = ZEROS;
  m.enemy_attacker_x = ZEROS;
  m.enemy_attacker_y = ZEROS;
  m.enemy_defender_x = ZEROS;
  m.enemy_defender_y = ZEROS;
  m.own_attacker_code = NO_OWN_ATTACKER;
  m.own_defender_code = NO_DEFENDER;
  m.enemy_defender_code = NO_DEFENDER;
  m.enemy_attacker_code = NO_ENEMY_ATTACKER;
}

template <size_t N>
void own_steps(const Position& pos, InfluenceMaps& maps, int code, int x, int y, const Offset (&steps)[N],
               const OwnBooking& o = {}) {
  for (const Offset& s : steps) own_step(pos, maps, code, x, y, x + s.dx, y + s.dy, o);
}

template <size_t N>
void enemy_steps(const Position& pos, InfluenceMaps& maps, int code, int x, int y, const Offset (&steps)[N],
                 const EnemyBooking& o = {}) {
  for (const Offset& s : steps) enemy_step(pos, maps, code, x, y, x + s.dx, y + s.dy, o);
}

// The four lines of a rook-moving piece, in the order down, up, right, left.
void four_lines(const Position& pos, InfluenceMaps& maps, int code, int x, int y) {
  勢力確定下直進(pos, maps, code, x, y);
  勢力確定上直進(pos, maps, code, x, y);
  勢力確定右直進(pos, maps, code, x, y);
  勢力確定左直進(pos, maps, code, x, y);
}

// The janggi pieces bound to the palace, a leg or a screen are measured by
// asking the move check: a square of the piece's region counts when the piece
// could legally move there. Only the squares of the piece's own pattern can
// pass the check, so only those are asked.
struct Region {
  int x0, x1, y0, y1;
  bool holds(int x, int y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
};
constexpr Region OWN_PALACE{4, 6, 7, 9};
constexpr Region ENEMY_PALACE{4, 6, 1, 3};
constexpr Region WHOLE_BOARD{1, 9, 1, 9};
constexpr Offset ELEPHANT_LEAPS[4] = {{-2, -2}, {-2, 2}, {2, -2}, {2, 2}};

template <size_t N>
void count_legal_moves(const Position& pos, Grid<int>& influence, int code, int x, int y, const Offset (&pattern)[N],
                       const Region& region) {
  for (const Offset& s : pattern) {
    const int tx = x + s.dx, ty = y + s.dy;
    if (region.holds(tx, ty) && 移動チェック(pos, {x, y}, {tx, ty}, code)) influence(tx, ty) += 1;
  }
}

// A cannon moves along its row and column only.
void count_cannon_moves(const Position& pos, InfluenceMaps& maps, int code, int x, int y) {
  for (int tx = 1; tx <= 9; ++tx)
    if (tx != x && 移動チェック(pos, {x, y}, {tx, y}, code)) maps.own_influence(tx, y) += 1;
  for (int ty = 1; ty <= 9; ++ty)
    if (ty != y && 移動チェック(pos, {x, y}, {x, ty}, code)) maps.own_influence(x, ty) += 1;
}

// The survey keeps its own walk of the pieces rather than the table of
// patterns (rules/piece_moves.h), which the move check and level 4 read:
// levels 1-3 score from what it books, and what it books is not the plain
// pattern of a kind. Each side books other maps and codes (an enemy gold-moving
// piece as +KIN, a promoted bishop as KAKU, no codes for the promoted bishop's
// steps), some kinds with their own thresholds and check marks (the pawns, the
// chess king, the shogi knight), an enemy silver on row 9 nothing at all (its
// backward steps included), and the enemy horse, elephant, guard and cannon not at all; which
// piece's code a square keeps as its telling attacker or defender also depends
// on the order of the lines and steps, when codes tie. The janggi pieces it
// does measure ask the move check, so their patterns are those of the table.
void survey_own_piece(const Position& pos, InfluenceMaps& maps, int code, int x, int y) {
  switch (-code) {
    case HU:
    case HEISI: own_step(pos, maps, code, x, y, x, y - 1); break;
    case KEI:
      own_step(pos, maps, code, x, y, x - 1, y - 2, {.mark_target = true});
      own_step(pos, maps, code, x, y, x + 1, y - 2, {.mark_target = true});
      break;
    case GIN:
      if (y >= 2) {
        own_step(pos, maps, code, x, y, x, y - 1);
        own_step(pos, maps, code, x, y, x - 1, y - 1);
        own_step(pos, maps, code, x, y, x + 1, y - 1);
      }
      if (y <= 8) {
        own_step(pos, maps, code, x, y, x - 1, y + 1);
        own_step(pos, maps, code, x, y, x + 1, y + 1);
      }
      break;
    case KAKU_N:
      own_steps(pos, maps, code, x, y, ORTHOGONAL);
      勢力確定自角(pos, maps, x, y);
      break;
    case SYA_N:
      four_lines(pos, maps, code, x, y);
      own_steps(pos, maps, code, x, y, DIAGONAL);
      break;
    case OU:
      maps.own_king_x = x;
      maps.own_king_y = y;
      own_steps(pos, maps, code, x, y, NEIGHBOURS, {.check_kings = NO_KINGS});
      break;
    case PORN:
      own_step(pos, maps, code, x, y, x - 1, y - 1, {.attack_threshold = ABOVE_FOOT_SOLDIERS});
      own_step(pos, maps, code, x, y, x + 1, y - 1, {.attack_threshold = ABOVE_FOOT_SOLDIERS});
      break;
    case KNIG: own_steps(pos, maps, code, x, y, KNIGHT_LEAPS); break;
    case KING:
      maps.own_king_x = x;
      maps.own_king_y = y;
      own_steps(pos, maps, code, x, y, NEIGHBOURS, {.attack_threshold = ABOVE_FOOT_SOLDIERS, .check_kings = NO_KINGS});
      break;
    case KYOU: 勢力確定上直進(pos, maps, code, x, y); break;
    case SYA:
    case KURUMA:
    case ROOK: four_lines(pos, maps, code, x, y); break;
    case QEEN:
      four_lines(pos, maps, code, x, y);
      勢力確定自クイーン(pos, maps, x, y);
      break;
    case BISH: 勢力確定自ビショ(pos, maps, x, y); break;
    case KAKU: 勢力確定自角(pos, maps, x, y); break;
    case HU_N:
    case KYOU_N:
    case KEI_N:
    case GIN_N:
    case KIN: 勢力確定自金(pos, maps, code, x, y); break;
    case SYOU:
      maps.own_king_x = x;
      maps.own_king_y = y;
      count_legal_moves(pos, maps.own_influence, code, x, y, ORTHOGONAL, OWN_PALACE);
      break;
    case TUKAE: count_legal_moves(pos, maps.own_influence, code, x, y, DIAGONAL, OWN_PALACE); break;
    case UMA: count_legal_moves(pos, maps.own_influence, code, x, y, KNIGHT_LEAPS, WHOLE_BOARD); break;
    case ZOU: count_legal_moves(pos, maps.own_influence, code, x, y, ELEPHANT_LEAPS, WHOLE_BOARD); break;
    case HOU: count_cannon_moves(pos, maps, code, x, y); break;
    default: break;
  }
}

// Enemy UMA, ZOU, TUKAE and HOU are not measured: they add nothing.
void survey_enemy_piece(const Position& pos, InfluenceMaps& maps, int code, int x, int y) {
  switch (code) {
    case HU:
    case HEISI: enemy_step(pos, maps, code, x, y, x, y + 1, {.attack = EnemyAttack::Code}); break;
    case KEI:
      enemy_step(pos, maps, code, x, y, x - 1, y + 2, {.defender_position = true, .mark_target = true});
      enemy_step(pos, maps, code, x, y, x + 1, y + 2, {.defender_position = true, .mark_target = true});
      break;
    case GIN:
      if (y == 9) break;
      enemy_step(pos, maps, code, x, y, x, y + 1, {.defender_position = true});
      enemy_step(pos, maps, code, x, y, x - 1, y + 1, {.defender_position = true});
      enemy_step(pos, maps, code, x, y, x + 1, y + 1, {.defender_position = true});
      if (y >= 2) {
        enemy_step(pos, maps, code, x, y, x - 1, y - 1, {.defender_position = true});
        enemy_step(pos, maps, code, x, y, x + 1, y - 1, {.defender_position = true});
      }
      break;
    case KAKU_N:
      enemy_steps(pos, maps, code, x, y, ORTHOGONAL, {.records_codes = false});
      勢力確定敵角(pos, maps, code, x, y);
      break;
    case SYA_N:
      four_lines(pos, maps, code, x, y);
      enemy_steps(pos, maps, code, x, y, DIAGONAL, {.defender_position = true, .attack = EnemyAttack::CodeAndPosition});
      break;
    case OU:
      maps.enemy_king_x = x;
      maps.enemy_king_y = y;
      enemy_steps(pos, maps, code, x, y, NEIGHBOURS, {.check_kings = NO_KINGS});
      break;
    case PORN: {
      const EnemyBooking pawn{.defence_threshold = ABOVE_FOOT_SOLDIERS,
                              .attack = EnemyAttack::Code,
                              .attack_threshold = ABOVE_FOOT_SOLDIERS};
      enemy_step(pos, maps, code, x, y, x - 1, y + 1, pawn);
      enemy_step(pos, maps, code, x, y, x + 1, y + 1, pawn);
      break;
    }
    case KNIG:
      enemy_steps(pos, maps, code, x, y, KNIGHT_LEAPS,
                  {.defence_threshold = ABOVE_FOOT_SOLDIERS, .defender_position = true});
      break;
    case KING:
      maps.enemy_king_x = x;
      maps.enemy_king_y = y;
      enemy_steps(pos, maps, code, x, y, NEIGHBOURS,
                  {.defence_threshold = ABOVE_FOOT_SOLDIERS, .check_kings = NO_KINGS});
      break;
    case KYOU: 勢力確定下直進(pos, maps, code, x, y); break;
    case SYA:
    case KURUMA:
    case ROOK: four_lines(pos, maps, code, x, y); break;
    case QEEN:
      four_lines(pos, maps, code, x, y);
      勢力確定敵クイーン(pos, maps, x, y);
      break;
    case BISH: 勢力確定敵ビショ(pos, maps, code, x, y); break;
    case KAKU: 勢力確定敵角(pos, maps, code, x, y); break;
    case HU_N:
    case KYOU_N:
    case KEI_N:
    case GIN_N:
    case KIN: 勢力確定敵金(pos, maps, x, y); break;
    case SYOU:
      maps.enemy_king_x = x;
      maps.enemy_king_y = y;
      count_legal_moves(pos, maps.enemy_influence, code, x, y, ORTHOGONAL, ENEMY_PALACE);
      break;
    default: break;
  }
}

}  // namespace

void 勢力調査(const Position& pos, InfluenceMaps& maps) {
  reset_maps(maps);
  for (int x = 1; x <= 9; ++x) {
    for (int y = 1; y <= 9; ++y) {
      const int code = pos.board(x, y);
      if (code < 0) {
        survey_own_piece(pos, maps, code, x, y);
      } else if (code > 0) {
        survey_enemy_piece(pos, maps, code, x, y);
      }
    }
  }
}

}  // namespace velmora
