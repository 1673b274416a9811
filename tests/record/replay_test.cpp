#include "record/replay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "com/levels.h"
#include "notation/move_line.h"
#include "notation/notation.h"
#include "record/played_match.h"
#include "record/record_files.h"
#include "record/temp_folder.h"
#include "rules/setup.h"
#include "rules/turn_order.h"
#include "setup/new_game.h"
#include "shell/settings.h"
#include "view/piece_move.h"
#include "view/texts.h"

namespace velmora {
namespace {

using testing::SND_CHESS;
using testing::SND_PIECE;
using testing::SND_REFUSE;
using testing::SND_VANISH;
using testing::TestGame;

class Replay : public ::testing::Test {
 protected:
  Replay() { testing::give_sound_handles(g()); }
  Game& g() { return t.game; }
  std::vector<int> played() const { return t.fakes.sound.played(); }
  const std::vector<testing::ShownBox>& boxes() const { return t.fakes.dialogs.boxes; }
  void forget_output() {
    t.fakes.sound.calls.clear();
    t.fakes.dialogs.boxes.clear();
    t.fakes.dialogs.calls.clear();
    t.fakes.screen.clear();
  }
  // Three moves as a loaded record shows them: the list is full, the board
  // at the start, the main army to move.
  void show_record_of_three_moves() {
    testing::play_moves(g(), 3);
    const MoveList list = g().pos.history;
    初期設定(g());
    g().pos.history = list;
    g().record_mode = 1;
    g().pos.turn = +1;
    forget_output();
  }
  void save_and_load() {
    t.fakes.dialogs.folder = folder.path();
    t.fakes.dialogs.fields = RecordFields{"kyoku", "", "", ""};
    record_save_click(g());
    record_file_click(g(), folder.path(), "kyoku.棋譜");
    ASSERT_EQ(g().record_mode, 1);
  }
  bool texts_contain(const std::string& text) const {
    const auto texts = t.fakes.screen.texts();
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  }

  testing::TempFolder folder;
  TestGame t;
};

// ---- forward ----

TEST_F(Replay, ForwardShowsThePositionAndTheMoveAndPassesTheTurn) {
  show_record_of_three_moves();
  g().sel.selection_state = 1;
  g().clock.timer1_enabled = true;
  after_click(g());
  EXPECT_EQ(g().pos.move_number, 1);
  EXPECT_EQ(g().com.move_counter, 1);
  EXPECT_EQ(g().pos.board, g().pos.history.slot(1).board);
  EXPECT_EQ(g().pos.board(4, 6), -HU);
  EXPECT_EQ(g().pos.turn, -1);
  EXPECT_EQ(g().resume_pending, 1);
  EXPECT_EQ(g().sel.selection_state, 0);
  EXPECT_FALSE(g().clock.timer1_enabled);
  EXPECT_EQ(played(), std::vector<int>{SND_PIECE});
  // -HU on (4, 6): file "６", rank "六", "歩".
  EXPECT_TRUE(texts_contain("６"));
  EXPECT_TRUE(texts_contain("六"));
  EXPECT_TRUE(texts_contain("歩"));
  EXPECT_TRUE(boxes().empty());
  EXPECT_TRUE(std::find(t.fakes.dialogs.calls.begin(), t.fakes.dialogs.calls.end(), "set_record_lists_visible 000") !=
              t.fakes.dialogs.calls.end());
}

TEST_F(Replay, ForwardRestoresHandsAndClocksOfTheSlot) {
  testing::play_moves(g(), 6);
  const MoveList list = g().pos.history;
  初期設定(g());
  g().pos.history = list;
  g().pos.turn = +1;
  for (int n = 0; n < 5; ++n) after_click(g());
  EXPECT_EQ(g().pos.hand_own, list.slot(5).hand_own);
  EXPECT_EQ(g().pos.hand_own_total(), 1);
  EXPECT_EQ(g().clock.clock_own_total, list.slot(5).clock_own_after);
  EXPECT_EQ(g().clock.clock_enemy_total, list.slot(5).clock_enemy_after);
  forget_output();
  after_click(g());  // a chess pawn moves
  EXPECT_EQ(played(), std::vector<int>{SND_CHESS});
}

TEST_F(Replay, ForwardAtTheEndOfARecordSaysSoWithoutASound) {
  show_record_of_three_moves();
  for (int n = 0; n < 3; ++n) after_click(g());
  forget_output();
  after_click(g());
  ASSERT_EQ(boxes().size(), 1u);
  EXPECT_EQ(boxes()[0].text, "終わり");
  EXPECT_EQ(boxes()[0].title, "進む");
  EXPECT_TRUE(played().empty());
  EXPECT_EQ(g().pos.move_number, 3);
  EXPECT_EQ(g().pos.turn, -1);  // unchanged by the refused step
}

TEST_F(Replay, ForwardAtTheEndOfAMatchIsRefused) {
  testing::play_moves(g(), 2);
  forget_output();
  after_click(g());
  ASSERT_EQ(boxes().size(), 1u);
  EXPECT_EQ(boxes()[0].text, "できません");
  EXPECT_EQ(boxes()[0].title, "進む");
  EXPECT_EQ(played(), std::vector<int>{SND_REFUSE});
  EXPECT_EQ(g().resume_pending, 1);
}

TEST_F(Replay, ForwardBeforeAnyMatchAsksForOne) {
  testing::play_moves(g(), 2);
  cancel_click(g());
  forget_output();
  after_click(g());
  ASSERT_EQ(boxes().size(), 1u);
  EXPECT_EQ(boxes()[0].text, "「対局」で始めて下さい");
  EXPECT_EQ(boxes()[0].title, "開始");
  EXPECT_EQ(played(), std::vector<int>{SND_REFUSE});
  EXPECT_EQ(g().resume_pending, 0);
  EXPECT_EQ(g().pos.move_number, 0);
}

TEST_F(Replay, ASlotWhereNoPieceArrivedPlaysTheVanishingSound) {
  show_record_of_three_moves();
  g().pos.history.slot(1).board = g().pos.history.slot(0).board;
  after_click(g());
  EXPECT_EQ(played(), std::vector<int>{SND_VANISH});
  EXPECT_EQ(g().pos.turn, -1);
}

// ---- back ----

TEST_F(Replay, BackAtTheStartIsRefused) {
  show_record_of_three_moves();
  replay_click(g());
  ASSERT_EQ(boxes().size(), 1u);
  EXPECT_EQ(boxes()[0].text, "できません");
  EXPECT_EQ(boxes()[0].title, "戻る");
  EXPECT_EQ(played(), std::vector<int>{SND_REFUSE});
  EXPECT_EQ(g().resume_pending, 1);
  EXPECT_EQ(g().pos.move_number, 0);
}

TEST_F(Replay, BackRestoresTheSlotBeforeAndTakesTheMoveTextAway) {
  testing::play_moves(g(), 3);
  const Board after_two = g().pos.history.slot(2).board;
  g().clock.timer1_enabled = true;
  forget_output();
  replay_click(g());
  EXPECT_EQ(g().pos.move_number, 2);
  EXPECT_EQ(g().com.move_counter, 2);
  EXPECT_EQ(g().pos.board, after_two);
  EXPECT_EQ(g().pos.turn, +1);  // back to the own side, who made move 3
  EXPECT_FALSE(g().clock.timer1_enabled);
  EXPECT_EQ(played(), std::vector<int>{SND_PIECE});
  EXPECT_DOUBLE_EQ(g().clock.clock_own_total, 3.7);
  EXPECT_DOUBLE_EQ(g().clock.clock_enemy_total, 1.25);
}

TEST_F(Replay, BackToTheStartZeroesBothClocks) {
  testing::play_moves(g(), 1);
  replay_click(g());
  EXPECT_EQ(g().pos.move_number, 0);
  EXPECT_EQ(g().clock.clock_own_total, 0);
  EXPECT_EQ(g().clock.clock_enemy_total, 0);
  EXPECT_EQ(g().pos.board, g().pos.history.slot(0).board);
}

TEST_F(Replay, BackThenForwardGivesTheSamePosition) {
  testing::play_moves(g(), 6);
  const Board board = g().pos.board;
  const Hand own = g().pos.hand_own;
  for (int n = 0; n < 4; ++n) replay_click(g());
  for (int n = 0; n < 4; ++n) after_click(g());
  EXPECT_EQ(g().pos.board, board);
  EXPECT_EQ(g().pos.hand_own, own);
  EXPECT_EQ(g().pos.move_number, 6);
  EXPECT_EQ(g().pos.turn, +1);
}

// ---- back to the start ----

TEST_F(Replay, StartAgainKeepsTheListForLaterStepping) {
  show_record_of_three_moves();
  after_click(g());
  cancel_click(g());
  EXPECT_EQ(g().record_mode, 0);
  EXPECT_EQ(g().pos.move_number, 0);
  EXPECT_EQ(g().pos.turn, 0);
  EXPECT_EQ(g().pos.history.record_length, 3);
  EXPECT_EQ(played().back(), SND_PIECE);
}

// ---- flip ----

TEST_F(Replay, FlipTurnsTheBoardAndTheWholeMoveListAndKeepsTheArmyToMove) {
  testing::play_moves(g(), 6);
  const Position before = g().pos;
  const Clocks clocks_before = g().clock;
  forget_output();
  reverse_click(g());
  EXPECT_EQ(g().pos.board, turned_board(before.board));
  EXPECT_EQ(g().pos.board(10 - 4, 10 - 4), +HU) << "the main army's pawn on (4, 4) now stands on top";
  EXPECT_EQ(g().pos.hand_own, before.hand_enemy);
  EXPECT_EQ(g().pos.hand_enemy, before.hand_own);
  EXPECT_EQ(g().pos.hand_own_total(), before.hand_enemy_total());
  EXPECT_EQ(g().clock.clock_own_total, clocks_before.clock_enemy_total);
  EXPECT_EQ(g().pos.chess_sign, -1);
  EXPECT_EQ(g().pos.main_sign(), +1);
  EXPECT_EQ(g().pos.turn, before.turn);
  EXPECT_EQ(g().board_flipped, 1);
  EXPECT_EQ(played(), std::vector<int>{SND_PIECE});
  EXPECT_EQ(g().pos.history.slot(6).move_to.x, 10 - 3);  // the chess pawn's (3, 3)
  EXPECT_EQ(g().pos.history.slot(6).move_code, -PORN);
}

// The own side's last move, a pawn to 7六, goes with its army to the enemy
// side's place and names the pawn's new square, 3四; the names change places.
TEST_F(Replay, FlipShowsTheLastMoveBesideItsArmyAtItsNewSquare) {
  testing::play_moves(g(), 2);
  描画_移動結果(g(), Side::Own, {3, 6}, -HU, PaletteColour::White);
  描画_棋譜見出し(g(), "", "上", "下");
  reverse_click(g());
  const ShownTexts& shown = g().view.shown;
  EXPECT_TRUE(shown.enemy_move.shown && !shown.own_move.shown);
  EXPECT_EQ(文字列変換(110 - shown.enemy_move.at.x) + 文字列変換(110 + shown.enemy_move.at.y), "３四");
  EXPECT_EQ(shown.header.top_name, "下");
}

TEST_F(Replay, FlipTwiceGivesBackTheBoardHandsAndTurn) {
  testing::play_moves(g(), 6);
  const Position before = g().pos;
  reverse_click(g());
  reverse_click(g());
  EXPECT_EQ(g().pos.board, before.board);
  EXPECT_EQ(g().pos.hand_own, before.hand_own);
  EXPECT_EQ(g().pos.hand_enemy, before.hand_enemy);
  EXPECT_EQ(g().pos.turn, before.turn);
  EXPECT_EQ(g().pos.chess_sign, +1);
  EXPECT_EQ(g().board_flipped, 1);
}

TEST_F(Replay, SteppingAcrossAFlipShowsEveryPositionTheSameWayUp) {
  testing::play_moves(g(), 6);
  const MoveList unturned = g().pos.history;
  reverse_click(g());
  const Position flipped = g().pos;
  for (int n = 5; n >= 0; --n) {
    replay_click(g());
    EXPECT_EQ(g().pos.board, turned_board(unturned.slot(n).board)) << "after move " << n;
    EXPECT_EQ(g().pos.hand_own, unturned.slot(n).hand_enemy) << "after move " << n;
    EXPECT_EQ(g().clock.clock_own_total, unturned.slot(n).clock_enemy_after) << "after move " << n;
    // The turn the next click finds agrees with the one stepping handed on.
    EXPECT_EQ(調査_先番(g().pos, n), g().pos.turn) << "after move " << n;
  }
  for (int n = 0; n < 6; ++n) after_click(g());
  EXPECT_EQ(g().pos.board, flipped.board);
  EXPECT_EQ(g().pos.hand_own, flipped.hand_own);
}

TEST_F(Replay, ANewGameTurnsTheKeptMovesBackTheMainArmyBelow) {
  testing::play_moves(g(), 3);
  const MoveList unturned = g().pos.history;
  reverse_click(g());
  cancel_click(g());
  EXPECT_FALSE(g().pos.history.turned);
  for (int n = 1; n <= 3; ++n) EXPECT_EQ(g().pos.history.slot(n).board, unturned.slot(n).board) << "slot " << n;
}

// A record holds no start: it is set up the way the record's moves stand.
TEST_F(Replay, ARecordSavedAfterAFlipLoadsTurnedRound) {
  testing::play_moves(g(), 3);
  reverse_click(g());
  g().view.current_background = PICTURE_TATAMI;
  save_and_load();
  EXPECT_EQ(g().pos.board, turned_board(starting_board(g().menu.NIPPON)));
  EXPECT_EQ(g().pos.chess_sign, -1);
  EXPECT_EQ(t.fakes.screen.last_picture_at_cell(-1, 3)->picture, EMPTY) << "the main army's hand slots, on top";
  int x = 0, y = 0, code = 0;
  調査_移動結果(g().pos, 1, x, y, code);
  EXPECT_EQ(std::tie(x, y, code), std::make_tuple(6, 4, +HU)) << "move 1: the main army's pawn, now on top";
}

TEST_F(Replay, AHandicapRecordStartsWithoutThePiecesTakenOff) {
  初期設定(g());
  handicap_click(g(), true);
  handicap_click(g(), true);  // both chess rooks off
  const Board start = g().pos.board;
  const MoveReport played = 駒移動(g(), {4, 7}, {4, 6}, -HU);
  g().pos.move_number = 1;
  手順保存(g().pos, {played.move});
  save_and_load();
  EXPECT_EQ(g().pos.history.slot(0).board, start);
}

// A match played in the 韓国 line-up is shown and stepped as it was played
// whichever nation the menu marks, the mark stays, switching it leaves the
// record alone, and the record saved again is the same file.
TEST_F(Replay, AKoreanMatchLoadsAndStepsAsPlayedUnderEitherMark) {
  g().working_directory = folder.path();  // the switch writes the settings file
  g().menu.NIPPON = false;
  g().menu.KANKOKU = true;
  testing::play_moves(g(), 4);
  const Position played = g().pos;
  save_and_load();
  const std::string bytes = folder.read("kyoku.棋譜");
  for (const bool nippon : {true, false}) {
    g().menu.NIPPON = nippon;
    g().menu.KANKOKU = !nippon;
    record_file_click(g(), folder.path(), "kyoku.棋譜");
    EXPECT_EQ(g().pos.board, played.history.slot(0).board);
    for (int n = 1; n <= 4; ++n) {
      after_click(g());
      EXPECT_EQ(g().pos.board, played.history.slot(n).board) << n;
      int x = 0, y = 0, code = 0, px = 0, py = 0, pcode = 0;
      調査_移動結果(g().pos, n, x, y, code);
      調査_移動結果(played, n, px, py, pcode);
      EXPECT_EQ(std::tie(x, y, code), std::tie(px, py, pcode)) << "move " << n;
    }
    option_click(g(), nippon ? MenuItem::KANKOKU : MenuItem::NIPPON);
    EXPECT_EQ(g().pos.board, played.history.slot(4).board) << "the switch leaves the record as played";
    EXPECT_EQ(g().menu.NIPPON, !nippon);
  }
  t.fakes.dialogs.fields = RecordFields{"kyoku2", "", "", ""};
  record_save_click(g());
  EXPECT_EQ(folder.read("kyoku2.棋譜"), bytes);
}

// Only a first move line read whole tells the record's start; a cut one
// starts from the full line-up, and one that no start leads to is refused
// (tests/record/record_files_test.cpp), the board left as it was.
TEST_F(Replay, ACutOrKinglessFirstMoveKeepsTheFullLineUp) {
  Board first = starting_board(true);
  first(4, 7) = EMPTY;
  first(4, 6) = -HU;
  first(2, 1) = EMPTY;  // as after the ladder's first step
  Board kingless = first;
  kingless(6, 1) = EMPTY;
  const auto line_of = [](const Board& board) {
    HistorySlot slot;
    slot.board = board;
    SaveNotes notes;
    return format_move_line(slot, notes);
  };
  const struct {
    std::string line;
    const char* what;
  } rows[] = {{line_of(first).substr(0, 40), "cut short"}, {line_of(kingless), "without the chess king"}};
  for (const auto& row : rows) {
    folder.write("kyoku.棋譜", "t\r\na\r\nb\r\n" + row.line + "\r\n");
    record_file_click(g(), folder.path(), "kyoku.棋譜");
    EXPECT_EQ(g().pos.history.slot(0).board, starting_board(true)) << row.what;
    EXPECT_EQ(g().pos.board, starting_board(true)) << row.what;
  }
}

TEST_F(Replay, FlipIsRefusedWhileARecordIsShown) {
  show_record_of_three_moves();
  const Board board = g().pos.board;
  reverse_click(g());
  ASSERT_EQ(boxes().size(), 1u);
  EXPECT_EQ(boxes()[0].text, "棋譜ﾓｰﾄﾞではできません");
  EXPECT_EQ(boxes()[0].title, "反転");
  EXPECT_EQ(played(), std::vector<int>{SND_REFUSE});
  EXPECT_EQ(g().pos.board, board);
  EXPECT_EQ(g().board_flipped, 0);
}

TEST_F(Replay, FlipTurnsTheHandicapGradeToTheOtherSide) {
  初期設定(g());
  g().com.handicap_set = 1;
  g().com.handicap_grade = 3;
  reverse_click(g());
  EXPECT_EQ(g().com.handicap_grade, -3);
  g().com.handicap_set = 0;
  reverse_click(g());
  EXPECT_EQ(g().com.handicap_grade, -3);
}

}  // namespace
}  // namespace velmora
