// Hand indexes the computer player reads by name (hand_own / hand_enemy).
#pragma once

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

}  // namespace velmora
