#include "engine/hashing.h"

#include "engine/search_position.h"

namespace velmora {
namespace {

// The keys drawn from a SplitMix64 sequence in a fixed order: pieces by code
// and square, hand counts by side, index and count, the en-passant columns,
// the side to move.
constexpr ZobristKeys make_keys() {
  ZobristKeys keys;
  std::uint64_t state = 0x9e3779b97f4a7c15ULL;
  auto next = [&state] { return split_mix(state += 0x9e3779b97f4a7c15ULL); };
  for (auto& per_code : keys.piece)
    for (auto& key : per_code) key = next();
  for (auto& per_side : keys.hand)
    for (auto& per_index : per_side) {
      per_index[0] = 0;
      for (int count = 1; count <= MAX_HAND_COUNT; ++count) per_index[count] = next();
    }
  for (auto& key : keys.en_passant) key = next();
  keys.enemy_to_move = next();
  return keys;
}

}  // namespace

constinit const ZobristKeys ZOBRIST_KEYS = make_keys();

std::uint64_t SearchPosition::computed_hash() const {
  std::uint64_t h = 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (const int code = cells_[square_of(x, y)]; code != EMPTY) h ^= piece_key(code, square_of(x, y));
  for (int side : {-1, +1})
    for (int i = 1; i < HAND_SIZE; ++i) h ^= hand_key(side, i, hands_[side_index(side)][i]);
  h ^= en_passant_key(last_to_, last_code_);
  if (side_ > 0) h ^= enemy_to_move_key();
  return h;
}

}  // namespace velmora
