#include "rules/piece_kinds.h"

#include <gtest/gtest.h>

#include "rules/pieces.h"

namespace velmora {
namespace {

// A shogi piece promotes to the next kind, which keeps its hand index and
// never promotes again; the chess pawn becomes a queen.
constexpr bool promotions_agree() {
  for (int kind = 1; kind <= KIND_COUNT; ++kind) {
    const PieceKind& row = PIECE_KINDS[kind];
    if (row.promotion == PromotionRule::Never) {
      if (row.promoted_kind != EMPTY || row.stuck_far_rows != 0) return false;
      continue;
    }
    const PieceKind& promoted = PIECE_KINDS[row.promoted_kind];
    if (promoted.promotion != PromotionRule::Never) return false;
    if (row.promotion == PromotionRule::ChessPawn) {
      if (row.promoted_kind != QEEN) return false;
    } else if (row.promoted_kind != kind + 1 || promoted.hand_index != row.hand_index) {
      return false;
    }
  }
  return true;
}
static_assert(promotions_agree());

// The exchange of nations turns a shogi kind of the line-up into a janggi one
// and back; promoted kinds and chess kinds stay.
constexpr bool exchange_changes_army() {
  for (int kind = 1; kind <= KIND_COUNT; ++kind) {
    const PieceKind& row = PIECE_KINDS[kind];
    for (int other : {row.under_nippon, row.under_korea}) {
      const bool stays = row.army == Army::Chess || PIECE_KINDS[kind - 1].promoted_kind == kind;
      if (stays != (other == kind)) return false;
      if (!stays && PIECE_KINDS[other].army == row.army) return false;
    }
  }
  return true;
}
static_assert(exchange_changes_army());

// The classes read by the order of the kinds.
constexpr bool kings_are_the_strongest() {
  for (int kind = 1; kind <= KIND_COUNT; ++kind)
    if (is_king_kind(kind) == is_non_king_kind(kind)) return false;
  return true;
}
static_assert(kings_are_the_strongest());
static_assert(!is_king_kind(0) && !is_king_kind(28) && !is_king_kind(-OU) && is_own_king(-SYOU) && !is_own_king(OU));

TEST(PieceKinds, EveryHandIndexHoldsOneUnpromotedKind) {
  const std::array<int, HAND_SIZE> expected = {EMPTY, PORN, ROOK, KNIG,  BISH,   QEEN, HU,  KYOU,  KEI, GIN,
                                               KIN,   KAKU, SYA,  HEISI, KURUMA, UMA,  ZOU, TUKAE, HOU};
  EXPECT_EQ(HAND_KINDS, expected);
  for (int index = 1; index < HAND_SIZE; ++index) EXPECT_EQ(hand_index_of(-HAND_KINDS[index]), index);
  for (int code : {0, 28, -99, OU, -KING}) EXPECT_EQ(hand_index_of(code), 0) << code;
}

}  // namespace
}  // namespace velmora
