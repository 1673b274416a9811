// Hand indexes read by name (hand_own / hand_enemy), tied to the hand table.
#pragma once

#include "rules/pieces.h"

namespace velmora {

inline constexpr int HAND_PORN = 1;
inline constexpr int HAND_ROOK = 2;
inline constexpr int HAND_KNIG = 3;
inline constexpr int HAND_BISH = 4;
inline constexpr int HAND_QEEN = 5;
inline constexpr int HAND_HU = 6;
inline constexpr int HAND_KYOU = 7;
inline constexpr int HAND_KEI = 8;
inline constexpr int HAND_KAKU = 11;

static_assert(HAND_KINDS[HAND_PORN] == PORN && HAND_KINDS[HAND_ROOK] == ROOK && HAND_KINDS[HAND_KNIG] == KNIG &&
                  HAND_KINDS[HAND_BISH] == BISH && HAND_KINDS[HAND_QEEN] == QEEN && HAND_KINDS[HAND_HU] == HU &&
                  HAND_KINDS[HAND_KYOU] == KYOU && HAND_KINDS[HAND_KEI] == KEI && HAND_KINDS[HAND_KAKU] == KAKU,
              "the named hand indexes follow the hand table");

}  // namespace velmora
