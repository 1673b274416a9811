// The Zobrist keys of level 4's positions: a fixed pseudo-random key for each
// piece on each square, each count of each kind in each hand, the column of a
// pawn that may be taken en passant and the enemy side to move. The hash of a
// position is the exclusive or of the keys of what it holds, so that make and
// unmake keep it up to date one piece at a time.
#pragma once

#include <cstdint>

#include "engine/squares.h"

namespace velmora {

// SplitMix64's mixing of one number into a well-spread other: the step of
// the sequence the keys are drawn from, and a die drawn from a position.
constexpr std::uint64_t split_mix(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

// More of one kind than a hand can hold: counts beyond it are not kept.
inline constexpr int MAX_HAND_COUNT = 48;

struct ZobristKeys {
  std::uint64_t piece[2 * KIND_COUNT + 1][PADDED_CELLS]{};
  std::uint64_t hand[2][HAND_SIZE][MAX_HAND_COUNT + 1]{};  // 0 for an empty hand
  std::uint64_t en_passant[10]{};
  std::uint64_t enemy_to_move = 0;
};

// The same keys in every run, made when the program is built.
extern const ZobristKeys ZOBRIST_KEYS;

inline std::uint64_t piece_key(int code, int square) { return ZOBRIST_KEYS.piece[code + KIND_COUNT][square]; }

// The key of `count` pieces of the kind of `hand_index` in the hand of side `side`.
inline std::uint64_t hand_key(int side, int hand_index, int count) {
  return ZOBRIST_KEYS.hand[side_index(side)][hand_index][count];
}

// A pawn that has just arrived beside an opposing pawn's en-passant row may
// be taken en passant on the next move: then the last move (its destination
// and final code) is part of the position.
inline std::uint64_t en_passant_key(int last_to, int last_code) {
  if (last_to == 0) return 0;
  const int row = row_of(last_to);
  const bool takeable = (last_code == +PORN && row == 4) || (last_code == -PORN && row == 6);
  return takeable ? ZOBRIST_KEYS.en_passant[column_of(last_to)] : 0;
}

inline std::uint64_t enemy_to_move_key() { return ZOBRIST_KEYS.enemy_to_move; }

}  // namespace velmora
