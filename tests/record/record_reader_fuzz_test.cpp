// Seeded random input for the record reader and writer: whatever the bytes,
// reading never fails on content, never crashes, and every value it gives is
// one the game can use; whatever the position, a written line has its width.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "notation/record_format.h"

namespace velmora {
namespace {

bool is_valid_utf8(const std::string& s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const unsigned char c = s[i];
    const std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (std::size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += n;
  }
  return true;
}

class Fuzzer {
 public:
  explicit Fuzzer(unsigned seed) : rng_(seed) {}

  int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

  // A plausible move line, then mutated: bytes changed, cut or extended.
  std::string move_line() {
    HistorySlot slot;
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) slot.board(x, y) = pick(0, 3) ? 0 : pick(-40, 40);
    for (int k = 1; k < HAND_SIZE; ++k) {
      slot.hand_own[k] = pick(0, 12);
      slot.hand_enemy[k] = pick(0, 12);
    }
    slot.clock_own_after = pick(0, 200000);
    SaveNotes notes;
    std::string line = format_move_line(slot, notes);
    for (int n = pick(0, 6); n > 0; --n) line[pick(0, static_cast<int>(line.size()) - 1)] = byte();
    if (pick(0, 3) == 0) line.resize(pick(0, 400), static_cast<char>(byte()));
    return line;
  }

  char byte() { return static_cast<char>(pick(0, 255)); }

  std::string line_end() {
    static const char* ends[] = {"\r\n", "\n", "\r", "\r\n\r\n", ""};
    return ends[pick(0, 4)];
  }

  std::string file() {
    std::string text;
    switch (pick(0, 2)) {
      case 0:  // random bytes
        for (int n = pick(0, 3000); n > 0; --n) text += byte();
        break;
      default:  // header lines and mutated move lines
        for (int n = pick(0, 3); n > 0; --n) text += "対局\xFF\x81" + line_end();
        for (int n = pick(0, 12); n > 0; --n) text += move_line() + line_end();
    }
    return text;
  }

 private:
  std::mt19937 rng_;
};

TEST(RecordReaderFuzz, AnyBytesGiveAUsableRecord) {
  Fuzzer fuzz(20240611);
  for (int round = 0; round < 3000; ++round) {
    std::istringstream in(fuzz.file());
    const RecordResult result = read_record(in);
    ASSERT_TRUE(result) << "round " << round;
    const Record& r = *result;
    for (const std::string* text : {&r.title, &r.top_name, &r.bottom_name}) ASSERT_TRUE(is_valid_utf8(*text));
    for (const RecordPosition& p : r.moves) {
      for (int x = 0; x <= 9; ++x)
        for (int y = 0; y <= 9; ++y) {
          ASSERT_GE(p.board(x, y), -KIND_COUNT);
          ASSERT_LE(p.board(x, y), KIND_COUNT);
        }
      for (int k = 0; k < HAND_SIZE; ++k) {
        ASSERT_TRUE(p.hand_own[k] >= 0 && p.hand_own[k] <= 9);
        ASSERT_TRUE(p.hand_enemy[k] >= 0 && p.hand_enemy[k] <= 9);
      }
      for (int clock : {p.clock_own_before, p.clock_own_after, p.clock_enemy_before, p.clock_enemy_after})
        ASSERT_TRUE(clock >= 0 && clock <= 99999);
    }
  }
}

TEST(RecordReaderFuzz, WrittenLinesKeepTheirWidthAndReadBackFitted) {
  Fuzzer fuzz(77);
  std::uniform_real_distribution<double> seconds(-10.0, 2e6);
  std::mt19937 rng(5);
  for (int round = 0; round < 2000; ++round) {
    HistorySlot slot;
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) slot.board(x, y) = fuzz.pick(-KIND_COUNT, KIND_COUNT);
    for (int k = 1; k < HAND_SIZE; ++k) {
      slot.hand_own[k] = fuzz.pick(-2, 20);
      slot.hand_enemy[k] = fuzz.pick(-2, 20);
    }
    slot.clock_own_before = seconds(rng);
    slot.clock_enemy_after = seconds(rng);
    SaveNotes notes;
    const std::string line = format_move_line(slot, notes);
    ASSERT_EQ(line.size(), 299u);

    std::istringstream in("t\r\na\r\nb\r\n" + line + "\r\n");
    const Record r = read_record(in).value();
    ASSERT_EQ(r.moves.size(), 1u);
    EXPECT_EQ(r.moves[0].board, slot.board);
    for (int k = 1; k < HAND_SIZE; ++k) EXPECT_EQ(r.moves[0].hand_own[k], std::clamp(slot.hand_own[k], 0, 9));
    const int expected_clock = static_cast<int>(std::clamp(std::floor(slot.clock_own_before), 0.0, 99999.0));
    EXPECT_EQ(r.moves[0].clock_own_before, expected_clock);
  }
}

}  // namespace
}  // namespace velmora
