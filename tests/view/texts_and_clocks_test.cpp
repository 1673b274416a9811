#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <set>

#include "fakes/fake_ports.h"
#include "setup/new_game.h"
#include "text/text_files.h"
#include "view/board_view.h"
#include "view/board_words.h"
#include "view/clocks.h"
#include "view/system_reasons.h"
#include "view/texts.h"

namespace velmora {
namespace {

using testing::DrawOp;
using testing::TestGame;

double twip_x(double cell) { return 2700 + 495 * cell; }
double twip_y(double cell) { return 700 + 615 * cell; }

TEST(MoveDisplay, OwnPawnToSevenSixPrintsFileRankAndName) {
  TestGame t;
  描画_移動結果(t.game, Side::Own, {3, 6}, -HU, PaletteColour::White);
  const auto texts = t.fakes.screen.ops_of(DrawOp::Text);
  ASSERT_EQ(texts.size(), 6u);
  EXPECT_EQ(texts[1].text, "７");
  EXPECT_EQ(texts[3].text, "六");
  EXPECT_EQ(texts[5].text, "歩");
  EXPECT_NEAR(texts[1].left, twip_x(11.4), 1e-6);
  EXPECT_NEAR(texts[1].top, twip_y(2.4), 1e-6);
  EXPECT_EQ(texts[0].colour, PaletteColour::Black);
  EXPECT_EQ(texts[1].colour, PaletteColour::White);
}

TEST(MoveDisplay, EnemyMoveStandsBottomLeftAndIsClearedFirst) {
  TestGame t;
  t.game.view.current_background = PICTURE_TAKE;
  描画_移動結果(t.game, Side::Enemy, {9, 9}, +QEEN, PaletteColour::White);
  ASSERT_EQ(t.fakes.screen.ops[0].kind, DrawOp::Picture);
  EXPECT_EQ(t.fakes.screen.last_picture_at_cell(-3, 8)->picture, PICTURE_TAKE);
  EXPECT_EQ(t.fakes.screen.last_picture_at_cell(0, 8)->picture, PICTURE_TAKE);
  const auto texts = t.fakes.screen.ops_of(DrawOp::Text);
  ASSERT_EQ(texts.size(), 6u);
  EXPECT_EQ(texts[1].text, "１");
  EXPECT_EQ(texts[3].text, "九");
  EXPECT_EQ(texts[5].text, "ｸｲｰﾝ");
  EXPECT_NEAR(texts[5].left, twip_x(-1.2), 1e-6);
}

// A name wider than the Japanese ones (as English prints them) is cleared
// whole before the next move is shown, but no square of the board is.
TEST(MoveDisplay, TheClearedRoomCoversTheWidestNameInTheWindowsLanguage) {
  TestGame t;
  const auto cleared = [&](Side side, int x, int y) {
    t.fakes.screen.clear();
    消去_移動結果(t.game, side);
    return t.fakes.screen.last_picture_at_cell(x, y).has_value();
  };
  EXPECT_FALSE(cleared(Side::Own, 15, 2)) << "the Japanese names keep their room";
  t.fakes.screen.measure = [](const std::string& text, int) {
    return text == "ﾋﾞｼｮｯﾌﾟ" ? 1800.0 : text == "手目" ? 1200.0 : 300.0;
  };
  EXPECT_TRUE(cleared(Side::Own, 15, 2));
  EXPECT_TRUE(cleared(Side::Own, 16, 2));
  EXPECT_TRUE(cleared(Side::Enemy, 0, 8));
  EXPECT_FALSE(cleared(Side::Enemy, 1, 8));
  EXPECT_TRUE(cleared(Side::Enemy, -5, 8)) << "the room of the move moved left of the board";
  t.fakes.screen.clear();
  描画_手数(t.game, 1, PaletteColour::White);
  EXPECT_TRUE(t.fakes.screen.last_picture_at_cell(14, 3)) << "the wider label of a count is cleared too";
  EXPECT_FALSE(t.fakes.screen.last_picture_at_cell(15, 3)) << "but not the hand";
}

// Where the widest name of the window's language would come near the board,
// the enemy's last move stands further left: that name ends a little before
// the board, whichever piece moved.
TEST(MoveDisplay, TheEnemysMoveEndsBeforeTheBoardInAnyLanguage) {
  TestGame t;
  t.fakes.screen.measure = [](const std::string& text, int) { return text == "ﾋﾞｼｮｯﾌﾟ" ? 1800.0 : 300.0; };
  描画_移動結果(t.game, Side::Enemy, {9, 9}, +QEEN, PaletteColour::White);
  const auto texts = t.fakes.screen.ops_of(DrawOp::Text);
  ASSERT_EQ(texts.size(), 6u);
  const double shift = twip_x(-1.2) - texts[5].left;
  EXPECT_NEAR(texts[5].left + 1800 + TEXT_SHADOW_OFFSET, twip_x(1) - 60, 1e-6);
  EXPECT_NEAR(texts[1].left, twip_x(-2.6) - shift, 1e-6) << "file, rank and name move together";
}

TEST(MoveCount, NumbersEndNearTheSamePlace) {
  const std::pair<int, double> cases[] = {{9, 11.2}, {10, 11.1}, {100, 11.0}};
  for (auto [n, x] : cases) {
    TestGame t;
    描画_手数(t.game, n, PaletteColour::Black);
    const auto texts = t.fakes.screen.ops_of(DrawOp::Text);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[1].text, std::to_string(n));
    EXPECT_EQ(texts[1].colour, PaletteColour::White);  // always bright white
    EXPECT_NEAR(texts[1].left, twip_x(x), 1e-6);
    EXPECT_EQ(texts[3].text, "手目");
    EXPECT_NEAR(texts[3].left, twip_x(11.8) + 120, 1e-6);
  }
}

// The move count, both last moves and a loaded record's header come back
// when the whole window is painted over, until a new game.
TEST(ShownTexts, AFullRedrawPrintsThemAgainUntilANewGame) {
  TestGame t;
  描画_手数(t.game, 12, PaletteColour::White);
  描画_移動結果(t.game, Side::Own, {3, 6}, -HU, PaletteColour::White);
  描画_移動結果(t.game, Side::Enemy, {9, 9}, +QEEN, PaletteColour::White);
  描画_棋譜見出し(t.game, "名人戦", "山田", "佐藤");
  消去_移動結果(t.game, Side::Enemy);
  const auto count_after = [&](void (*event)(Game&), const std::string& text) {
    t.fakes.screen.clear();
    event(t.game);
    const auto texts = t.fakes.screen.texts();
    return std::count(texts.begin(), texts.end(), text);
  };
  for (const char* text : {"12", "手目", "７", "歩"}) EXPECT_EQ(count_after(画面_再描画, text), 2) << text;
  for (const char* text : {"山田", "佐藤"}) EXPECT_EQ(count_after(画面_再描画, text), 1) << text;
  EXPECT_EQ(count_after(画面_再描画, "名人戦"), 9) << "the title with its edge";
  EXPECT_EQ(count_after(画面_再描画, "ｸｲｰﾝ"), 0) << "an erased move stays erased";
  for (const char* text : {"12", "歩", "名人戦"}) EXPECT_EQ(count_after(初期設定, text), 0) << text;
}

TEST(Numbers, KanjiModePrintsOnlyOneToNine) {
  TestGame t;
  描画_数値(t.game, 0, 0, 3, PaletteColour::Black, 1, 12);
  描画_数値(t.game, 0, 0, 0, PaletteColour::Black, 1, 12);
  描画_数値(t.game, 0, 0, 10, PaletteColour::Black, 1, 12);
  const auto texts = t.fakes.screen.texts();
  EXPECT_EQ(texts, (std::vector<std::string>{"三", "三"})) << "shadow and numeral; nothing for 0 and 10";
}

TEST(Labels, ColumnsCountFromTheRightAndMakeTheFontBold) {
  TestGame t;
  描画_桝_数値(t.game);
  const auto texts = t.fakes.screen.ops_of(DrawOp::Text);
  ASSERT_EQ(texts.size(), 36u);
  EXPECT_EQ(texts[1].text, "9");
  EXPECT_NEAR(texts[1].left, twip_x(1.1), 1e-6);
  EXPECT_EQ(texts[3].text, "一");
  EXPECT_EQ(texts[35].text, "九");
  EXPECT_TRUE(texts[0].bold);
  EXPECT_TRUE(t.game.view.font_bold);
}

TEST(HandicapLabels, EveryGradeHasItsText) {
  EXPECT_EQ(handicap_label(-10), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人");
  EXPECT_EQ(handicap_label(-2), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段");
  EXPECT_EQ(handicap_label(0), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級");
  EXPECT_EQ(handicap_label(7), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級");
  EXPECT_EQ(handicap_label(10), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級");
  EXPECT_EQ(handicap_label(11), "");
}

TEST(HandicapLabels, RefusedStepMessageHasReasonTwoBreaksAndAdvice) {
  TestGame t;
  描画_メッセージ(t.game, 2);
  ASSERT_EQ(t.fakes.dialogs.boxes.size(), 1u);
  EXPECT_EQ(t.fakes.dialogs.boxes[0].text, "対局途中ではできません\n\n局面→最初にして下さい");
  EXPECT_EQ(t.fakes.dialogs.boxes[0].title, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定");
}

TEST(ClockTexts, HoursMinutesSeconds) {
  EXPECT_EQ(調査_時間秒追加結果(307.4), "00:05:07");
  EXPECT_EQ(調査_時間秒追加結果(3725), "01:02:05");
  EXPECT_EQ(調査_時間秒追加結果(100 * 3600 + 61), ":01:01");  // three-digit hours do not fit
  EXPECT_EQ(変換_数字から文字(7), "07");
  EXPECT_EQ(変換_数字から文字(123), "");
}

TEST(ClockTexts, ATurnPastMidnightCountsOn) {
  EXPECT_DOUBLE_EQ(調査_経過秒(23 * 3600 + 59 * 60 + 50, 5), 15);
  EXPECT_DOUBLE_EQ(調査_経過秒(10, 12.5), 2.5);
}

TEST(ClockDrawing, OnlyWhileElapsedTimeIsShown) {
  TestGame t;
  描画_所有時間(t.game, Side::Own, 65);
  EXPECT_TRUE(t.fakes.screen.ops.empty());
  t.game.menu.KEIKA = true;
  描画_所有時間(t.game, Side::Own, 65);
  const auto texts = t.fakes.screen.ops_of(DrawOp::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1].text, "00:01:05");
  EXPECT_NEAR(texts[1].left, twip_x(13), 1e-6);
  EXPECT_NEAR(texts[1].top, twip_y(10.2), 1e-6);
  EXPECT_TRUE(t.fakes.screen.last_picture_at_cell(15, 10).has_value());
}

TEST(TimerTick, DisabledTimerDoesNothing) {
  TestGame t;
  t.game.menu.KEIKA = true;
  t.game.pos.turn = t.game.pos.chess_sign;
  t.fakes.clock.now = 100;
  timer1_tick(t.game);
  EXPECT_EQ(t.game.clock.turn_elapsed, 0);
  EXPECT_TRUE(t.fakes.screen.ops.empty());
}

TEST(TimerTick, RedrawsTheMoverClockOncePerSecond) {
  TestGame t;
  t.game.menu.KEIKA = true;
  t.game.clock.timer1_enabled = true;
  t.game.pos.turn = t.game.pos.main_sign();
  t.game.clock.clock_enemy_total = 60;
  t.game.clock.turn_start_time = 1000;
  t.fakes.clock.now = 1002.4;
  timer1_tick(t.game);
  EXPECT_NEAR(t.game.clock.turn_elapsed, 2.4, 1e-9);
  EXPECT_EQ(t.game.clock.shown_second, 62);
  auto texts = t.fakes.screen.ops_of(testing::DrawOp::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1].text, "00:01:02");
  EXPECT_NEAR(texts[1].left, twip_x(-1.6), 1e-6);

  t.fakes.screen.clear();
  t.fakes.clock.now = 1002.9;  // same second: nothing new
  timer1_tick(t.game);
  EXPECT_TRUE(t.fakes.screen.ops.empty());
}

TEST(TimerTick, HiddenClocksStillMeasure) {
  TestGame t;
  t.game.clock.timer1_enabled = true;
  t.game.pos.turn = t.game.pos.chess_sign;
  t.fakes.clock.now = 7.5;
  timer1_tick(t.game);
  EXPECT_NEAR(t.game.clock.turn_elapsed, 7.5, 1e-9);
  EXPECT_TRUE(t.fakes.screen.texts().empty());
}

// Every text of the window lies over its black shadow a pixel (15 twips)
// right of and below it: a shadow at every scale, never a second copy.
TEST(Shadows, EveryTextCastsItsShadowAPixelBelowRight) {
  TestGame t;
  Game& g = t.game;
  g.menu.KEIKA = true;
  g.game_mode = MODE_COM;
  g.com.handicap_set = 1;
  g.pos.hand_own[1] = 2;
  描画_手数(g, 12, PaletteColour::White);
  描画_移動結果(g, Side::Own, {3, 6}, -HU, PaletteColour::White);
  画面_再描画(g);
  const auto texts = t.fakes.screen.ops_of(DrawOp::Text);
  ASSERT_EQ(texts.size() % 2, 0u);
  ASSERT_GT(texts.size(), 50u);
  for (std::size_t i = 0; i < texts.size(); i += 2) {
    const DrawOp &shadow = texts[i], &text = texts[i + 1];
    EXPECT_EQ(shadow.colour, PaletteColour::Black) << text.text;
    EXPECT_NE(text.colour, PaletteColour::Black) << text.text;
    EXPECT_EQ(shadow.text, text.text);
    EXPECT_DOUBLE_EQ(shadow.left - text.left, 15) << text.text;
    EXPECT_DOUBLE_EQ(shadow.top - text.top, 15) << text.text;
  }
}

// The light red record title is edged all round, a pixel wide, in a colour
// that stands out from the background.
TEST(RecordHeader, TheTitleIsEdgedToReadOnEveryBackground) {
  const std::pair<int, PaletteColour> rows[] = {{PICTURE_UCHU, PaletteColour::White},
                                                {PICTURE_RENGA, PaletteColour::White},
                                                {PICTURE_TATAMI, PaletteColour::Black},
                                                {PICTURE_MIDORI, PaletteColour::Black},
                                                {PICTURE_TAKE, PaletteColour::Black}};
  for (const auto& [background, edge] : rows) {
    TestGame t;
    t.game.view.current_background = background;
    描画_棋譜見出し(t.game, "名人戦", "山田", "佐藤");
    std::vector<DrawOp> title;
    for (const DrawOp& op : t.fakes.screen.ops_of(DrawOp::Text))
      if (op.text == "名人戦") title.push_back(op);
    ASSERT_EQ(title.size(), 9u);
    const DrawOp& red = title.back();
    EXPECT_EQ(red.colour, PaletteColour::LightRed);
    std::set<std::pair<double, double>> around;
    for (std::size_t i = 0; i + 1 < title.size(); ++i) {
      EXPECT_EQ(title[i].colour, edge) << background;
      around.insert({title[i].left - red.left, title[i].top - red.top});
    }
    EXPECT_EQ(around, (std::set<std::pair<double, double>>{
                          {-15, -15}, {-15, 0}, {-15, 15}, {0, -15}, {0, 15}, {15, -15}, {15, 0}, {15, 15}}));
  }
}

TEST(SystemReasons, TheCommonOnesInTheGamesWordsAnyOtherAsTheSystemSaysIt) {
  const std::pair<std::error_code, std::string> rows[] = {
      {{ENOSPC, std::system_category()}, "ﾃﾞｨｽｸに空きがありません"},
      {{EDQUOT, std::generic_category()}, "ﾃﾞｨｽｸの使用量が上限に達しています"},
      {{EACCES, std::generic_category()}, "ｱｸｾｽが許可されていません"},
      {std::make_error_code(std::errc::file_too_large), "ﾌｧｲﾙが大きすぎます"},
      {make_error_code(FileError::NotRegularFile), "通常のﾌｧｲﾙではありません"},
      {{ECONNREFUSED, std::generic_category()}, std::generic_category().message(ECONNREFUSED)},
  };
  for (const auto& [error, text] : rows) EXPECT_EQ(reason_text(error), text) << error.message();
}

// Check is told for the army to move, never for the other one: the main army
// moves first and its pieces carry the own side's sign while the board is
// the right way up.
TEST(BoardWords, CheckIsToldForTheArmyToMoveOnly) {
  TestGame t;
  Position& pos = t.game.pos;
  pos.board = Board{};
  pos.board(5, 9) = -OU;
  pos.board(6, 1) = KING;
  pos.turn = +1;           // the main army, at the bottom
  pos.board(5, 2) = ROOK;  // the chess army's rook on the main king's file
  EXPECT_TRUE(side_to_move_in_check(pos));
  pos.turn = -1;
  EXPECT_FALSE(side_to_move_in_check(pos));
}

}  // namespace
}  // namespace velmora
