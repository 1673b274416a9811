// The text interface of velmora-com: reading position lines, refusing bad
// ones, the answers of both modes and the trace.
#include <gtest/gtest.h>

#include <string>

#include "com_protocol.h"

namespace velmora {
namespace {

// A position line built from a board, with options appended.
std::string line_of(const AnalysisPosition& p, const std::string& options = "") {
  std::string line = format_position_line(p);
  return options.empty() ? line : line + " " + options;
}

AnalysisPosition kings_only() {
  AnalysisPosition p;
  p.board(5, 1) = +KING;
  p.board(5, 9) = -OU;
  return p;
}

TEST(PositionLines, AnEmptyLineGetsAnEmptyAnswer) { EXPECT_EQ(answer_position_line(""), ""); }

TEST(PositionLines, MalformedLinesGetAnErrorLine) {
  const std::string good = format_position_line(kings_only()).substr(0, MOVE_LINE_LENGTH);
  EXPECT_EQ(answer_position_line("  5  0"), "error: the move line has 6 characters, not 299");
  std::string bad_field = good;
  bad_field.replace(3, 3, " x1");
  EXPECT_EQ(answer_position_line(bad_field), "error: column 4: board field 1,2 is not a piece code");
  std::string bad_code = good;
  bad_code.replace(0, 3, " 28");
  EXPECT_EQ(answer_position_line(bad_code), "error: column 1: board field 1,1 is not a piece code");
  std::string bad_hand = good;
  bad_hand[243 + 3] = '-';
  EXPECT_EQ(answer_position_line(bad_hand), "error: column 247: enemy hand field 2 is not a digit");
  EXPECT_EQ(answer_position_line(good + "x"), "error: the move line is longer than 299 characters");
  EXPECT_EQ(answer_position_line(good + " level=5"), "error: level must be 1, 2, 3 or 4");
  EXPECT_EQ(answer_position_line(good + " movetime=0"), "error: movetime must be 1 to 3000 milliseconds");
  EXPECT_EQ(answer_position_line(good + " level=4 mode=scores"), "error: level 4 has no scores");
  EXPECT_EQ(answer_position_line(good + " drops=yes"), "error: drops must be 0 or 1");
  EXPECT_EQ(answer_position_line(good + " last=1,2"), "error: last must be X,Y,CODE");
  EXPECT_EQ(answer_position_line(good + " mode=fast"), "error: mode must be com, moves or scores");
  EXPECT_EQ(answer_position_line(good + " trace=1,2,3"), "error: trace must be SX,SY,TX,TY");
  EXPECT_EQ(answer_position_line(good + " colour=red"), "error: unknown option 'colour'");
  EXPECT_EQ(answer_position_line(good + " level"), "error: option 'level' has no value");
  EXPECT_EQ(answer_position_line(good + "  level=1"), "error: option '' has no value");
}

TEST(PositionLines, OptionsDefaultAndRoundTrip) {
  const std::string bare = format_position_line(kings_only()).substr(0, MOVE_LINE_LENGTH);
  AnalysisPosition read = parse_position_line(bare).value();
  EXPECT_EQ(read.level, 3);
  EXPECT_FALSE(read.drops);
  EXPECT_EQ(read.last.x, 0);
  EXPECT_EQ(read.last_code, 1);
  EXPECT_EQ(read.mode, AnalysisPosition::Mode::Com);

  AnalysisPosition p = kings_only();
  p.board(3, 7) = -HU;
  p.hand_own[6] = 9;
  p.hand_enemy[18] = 2;
  p.level = 1;
  p.drops = true;
  p.last = {3, 7}, p.last_code = -HU;
  read = parse_position_line(line_of(p, "mode=moves")).value();
  EXPECT_EQ(read.board, p.board);
  EXPECT_EQ(read.hand_own, p.hand_own);
  EXPECT_EQ(read.hand_enemy, p.hand_enemy);
  EXPECT_EQ(read.level, 1);
  EXPECT_TRUE(read.drops);
  EXPECT_EQ(read.last_code, -HU);
  EXPECT_EQ(read.mode, AnalysisPosition::Mode::Moves);
  EXPECT_EQ(format_position_line(read), format_position_line(p));
}

TEST(PositionLines, ScoresPrintWithFourDecimals) {
  EXPECT_EQ(format_score(0), "0.0000");
  EXPECT_EQ(format_score(-5), "-0.5000");
  EXPECT_EQ(format_score(-155), "-15.5000");
  EXPECT_EQ(format_score(points(9999)), "9999.0000");
  EXPECT_EQ(format_score(points(-99999)), "-99999.0000");
}

TEST(PositionLines, NoCandidateAnswersNone) {
  AnalysisPosition p;
  p.board(5, 9) = +HU;
  p.board(1, 9) = -OU;
  EXPECT_EQ(answer_position_line(line_of(p)), "none");
}

TEST(MovesMode, TheLastMoveOptionDecidesEnPassant) {
  AnalysisPosition p = kings_only();
  p.board(3, 4) = -PORN;
  p.board(4, 4) = +PORN;
  const std::string without = answer_position_line(line_of(p, "mode=moves"));
  EXPECT_EQ(without.find("3,4,4,3,-4"), std::string::npos);
  const std::string with = answer_position_line(line_of(p, "last=4,4,4 mode=moves"));
  EXPECT_NE(with.find("3,4,4,3,-4"), std::string::npos);
}

TEST(MovesMode, DropsOfBothHandsFollowTheBoardMoves) {
  AnalysisPosition p;
  p.board(1, 1) = +KING;
  p.hand_own[17] = 1;   // a guard: only the five palace points
  p.hand_enemy[1] = 1;  // a chess pawn: anywhere but rows 8 and 9
  const std::string moves = answer_position_line(line_of(p, "mode=moves"));
  EXPECT_EQ(moves.substr(0, moves.find(" 13,8,")), "1,1,1,2,25 1,1,2,1,25 1,1,2,2,25");
  EXPECT_NE(moves.find("13,8,4,7,-18 13,8,4,9,-18 13,8,5,8,-18 13,8,6,7,-18 13,8,6,9,-18 -1,5,1,2,4"),
            std::string::npos);
  EXPECT_EQ(moves.find("-1,5,2,8,4"), std::string::npos);
}

TEST(MovesMode, AnEmptyBoardHasNoMoves) {
  EXPECT_EQ(answer_position_line(line_of(AnalysisPosition{}, "mode=moves")), "");
}

TEST(Setup, ArmySignsComeFromTheBoard) {
  Position pos;
  InfluenceMaps maps;
  AnalysisPosition p;
  p.board(5, 1) = +OU;
  p.board(4, 9) = -KING;
  p.hand_enemy[1] = 2;
  p.hand_enemy[6] = 1;
  set_up_position(pos, maps, p);
  EXPECT_EQ(pos.chess_sign, -1);
  EXPECT_EQ(pos.main_sign(), +1);
  EXPECT_EQ(pos.hand_enemy_total(), 3);
  EXPECT_EQ(maps.enemy_king_x, 5);  // the position is surveyed
  EXPECT_EQ(maps.own_king_y, 9);
}

TEST(Trace, ListsTheTermsAndChangesNoAnswer) {
  AnalysisPosition p = kings_only();
  p.board(3, 3) = +PORN;
  const std::string plain = answer_position_line(line_of(p));
  std::string trace;
  EXPECT_EQ(answer_position_line(line_of(p, "trace=3,3,3,4"), &trace), plain);
  EXPECT_EQ(trace.rfind("candidate 3,3 -> 3,4\n  as code 4: ", 0), 0u) << trace;
  EXPECT_NE(trace.find("= danger scan total"), std::string::npos);

  trace.clear();
  answer_position_line(line_of(p, "trace=3,3,3,6"), &trace);
  EXPECT_EQ(trace, "candidate 3,3 -> 3,6: not a candidate of the search\n");
}

TEST(Trace, AtLevel4ListsTheTermsOfItsOwnEvaluation) {
  AnalysisPosition p = kings_only();
  p.board(3, 3) = +PORN;
  std::string trace;
  answer_position_line(line_of(p, "level=4 movetime=10 trace=3,3,3,4"), &trace);
  EXPECT_EQ(trace.rfind("candidate 3,3 -> 3,4\n  as code 4: ", 0), 0u) << trace;
  EXPECT_NE(trace.find("  chess pawn advance: computer\n"), std::string::npos) << trace;
  EXPECT_NE(trace.find("  side to move: person\n"), std::string::npos) << trace;

  trace.clear();
  answer_position_line(line_of(p, "level=4 movetime=10 trace=3,3,3,6"), &trace);
  EXPECT_EQ(trace, "candidate 3,3 -> 3,6: not a candidate of the search\n");
}

}  // namespace
}  // namespace velmora
