// A move as the strong computer player (level 4) searches it, and a list of
// them.
#pragma once

#include <array>
#include <cstdint>

namespace velmora {

// A move packed into 32 bits: source, destination, the code before and the
// code after (they differ when the piece promotes). A drop's source is
// DROP_BASE + its hand index. 0 is no move.
class SearchMove {
 public:
  static constexpr int DROP_BASE = 200;
  constexpr SearchMove() = default;
  constexpr SearchMove(int from, int to, int code, int final_code)
      : bits_(static_cast<std::uint32_t>(from) | static_cast<std::uint32_t>(to) << 8 |
              static_cast<std::uint32_t>(code & 0xff) << 16 | static_cast<std::uint32_t>(final_code & 0xff) << 24) {}
  static constexpr SearchMove drop(int hand_index, int to, int code) {
    return SearchMove(DROP_BASE + hand_index, to, code, code);
  }
  static constexpr SearchMove from_bits(std::uint32_t bits) {
    SearchMove m;
    m.bits_ = bits;
    return m;
  }

  constexpr int from() const { return static_cast<int>(bits_ & 0xff); }
  constexpr int to() const { return static_cast<int>(bits_ >> 8 & 0xff); }
  constexpr int code() const { return static_cast<std::int8_t>(bits_ >> 16 & 0xff); }
  constexpr int final_code() const { return static_cast<std::int8_t>(bits_ >> 24); }
  constexpr bool is_drop() const { return from() >= DROP_BASE; }
  constexpr int hand_index() const { return from() - DROP_BASE; }
  constexpr bool promotes() const { return code() != final_code(); }
  constexpr bool is_none() const { return bits_ == 0; }
  constexpr std::uint32_t bits() const { return bits_; }
  constexpr bool operator==(const SearchMove&) const = default;

 private:
  std::uint32_t bits_ = 0;
};

// More moves than any position has: drops of all 18 kinds on every empty
// square are at most 1422, and a board that leaves that many squares empty
// holds few pieces. A list that were full would keep its first moves.
inline constexpr int MAX_MOVES = 2048;
struct SearchMoveList {
  std::array<SearchMove, MAX_MOVES> moves;
  int size = 0;
  void add(SearchMove m) {
    if (size < MAX_MOVES) moves[size++] = m;
  }
};

}  // namespace velmora
