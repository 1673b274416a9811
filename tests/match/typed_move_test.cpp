// Moves typed on the keyboard go through the mouse's routine: a whole match
// with a capture, a promotion and a drop; a wrong part is pointed at and
// nothing is played.
#include "match/typed_move.h"

#include "match_fixture.h"

namespace velmora {
namespace {

using testing::MatchTest;
using TypedMoves = MatchTest;

TEST_F(TypedMoves, AWholeMatchIsPlayedByTypedMoves) {
  set_position({{5, 9, -OU}, {5, 1, +KING}, {3, 5, -SYA}, {3, 2, +QEEN}});
  start_two_people();
  t.fakes.dialogs.yes_no_answers = {Answer::No};  // no new game: the last position stays
  const struct {
    const char* text;
    int x, y, code;  // what then stands on the square moved to
  } rows[] = {
      {"7572+", 3, 2, -SYA_N},                             // takes the queen and promotes
      {"5161", 4, 1, +KING},   {"Q*55", 5, 5, -QEEN},      // the queen taken is dropped
      {"6151", 5, 1, +KING},   {"５５５１", 5, 1, -QEEN},  // full-width digits; takes the king
  };
  for (const auto& row : rows) {
    EXPECT_EQ(play_typed_move(g, row.text).wrong, TypedPart::None) << row.text;
    EXPECT_EQ(g.pos.board(row.x, row.y), row.code) << row.text;
  }
  EXPECT_EQ(g.pos.history.record_length, 5);
  EXPECT_EQ(g.pos.hand_own_total(), 0);
  EXPECT_EQ(box_texts(), (std::vector<std::string>{"先手の勝ちです", "続けますか？"}));
}

TEST_F(TypedMoves, AWrongPartIsPointedAtAndTheRulesRefuseAsForTheMouse) {
  give_own(PORN);
  start_two_people();
  const struct {
    const char* text;
    TypedPart wrong;
    std::size_t at, length;
  } rows[] = {
      {"", TypedPart::From, 0, 2},      {"5", TypedPart::From, 0, 2},     {"5556", TypedPart::From, 0, 2},
      {"8281", TypedPart::From, 0, 2},  {"87", TypedPart::To, 2, 0},      {"870", TypedPart::To, 2, 1},
      {"8786x", TypedPart::Rest, 4, 1}, {"X*55", TypedPart::Piece, 0, 1}, {"Q*55", TypedPart::Piece, 0, 1},
      {"G*55", TypedPart::Piece, 0, 1},
  };
  for (const auto& row : rows) {
    const TypedMove read = play_typed_move(g, row.text);
    EXPECT_EQ(read.wrong, row.wrong) << row.text;
    EXPECT_EQ(read.wrong_at, row.at) << row.text;
    EXPECT_EQ(read.wrong_length, row.length) << row.text;
  }
  EXPECT_EQ(g.pos.move_number, 0);
  EXPECT_EQ(refusals(), 0);
  // A move the rules refuse is refused with the mouse's sound.
  EXPECT_EQ(play_typed_move(g, "8785").wrong, TypedPart::None);
  EXPECT_EQ(refusals(), 1);
  EXPECT_EQ(play_typed_move(g, "ポーン*55").wrong, TypedPart::None);
  EXPECT_EQ(g.pos.board(5, 5), -PORN);
}

}  // namespace
}  // namespace velmora
