// Two game windows in one process play over a link that hands each line to
// the other side once the running event is over, as a connection does.
#include "network/network_match.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>

#include "com/com_turn.h"
#include "com/levels.h"
#include "match/match_fixture.h"
#include "match/turns.h"
#include "network/wire_move.h"
#include "record/record_files.h"

namespace velmora::testing {
namespace {

// One end of a connection: lines sent wait in the other end's queue.
class PipeEnd final : public Link {
 public:
  std::deque<std::string> inbox;
  PipeEnd* other = nullptr;
  bool open = true;
  void send(const std::string& line) override {
    if (open && other != nullptr && other->open) other->inbox.push_back(line + "\n");
  }
  void close() override { open = false; }
};

struct Window {
  TestGame t;
  Game& g = t.game;
  std::filesystem::path dir = fresh_working_directory();
  std::unique_ptr<NetworkMatch> match;
  PipeEnd end;

  Window() {
    g.working_directory = dir.string();
    on_window_load(g, 7);
  }
  ~Window() {
    match.reset();
    std::filesystem::remove_all(dir);
  }
  // Delivers what arrived, asking the player due after each line (or not);
  // the link closed by either side is lost here too.
  bool deliver(bool ask = true) {
    bool any = false;
    while (!end.inbox.empty() && end.open) {
      const std::string line = end.inbox.front();
      end.inbox.pop_front();
      match->received(line, t.fakes.clock.now);
      any = true;
      if (ask && turn_due(g)) on_turn_due(g);
    }
    if (match->linked() && (!end.open || !end.other->open)) match->link_lost();
    return any;
  }
  void click(int x, int y) {
    on_mouse_down(g, MOUSE_LEFT, 0, BOARD_LEFT + SQUARE_WIDTH * x + SQUARE_WIDTH / 2.0,
                  BOARD_TOP + SQUARE_HEIGHT * y + SQUARE_HEIGHT / 2.0);
    if (turn_due(g)) on_turn_due(g);
  }
  void move(int fx, int fy, int tx, int ty) {
    click(fx, fy);
    click(tx, ty);
  }
};

class NetworkMatchTest : public ::testing::Test {
 protected:
  Window host, joiner;

  // The host's settings: the host plays the main army, the joiner the chess army.
  void open(const Player* host_player = nullptr, const Player* joiner_player = nullptr) {
    host_new_match(host.g, MatchSettings{}, host_player ? Side::Enemy : Side::Own);
    host.match = std::make_unique<NetworkMatch>(host.g, NetworkRole::Host, "host", host_player);
    joiner.match = std::make_unique<NetworkMatch>(joiner.g, NetworkRole::Joiner, "joiner", joiner_player);
    connect(host_player == nullptr);
  }
  // Connects the two; two computers are left to take their turns one by one.
  void connect(bool settle_now = true) {
    host.end = PipeEnd{};
    joiner.end = PipeEnd{};
    host.end.other = &joiner.end;
    joiner.end.other = &host.end;
    host.match->connected(host.end, 0);
    joiner.match->connected(joiner.end, 0);
    if (settle_now) settle();
  }
  void settle() {
    while (host.deliver() | joiner.deliver()) {
    }
  }
  void cut() {
    host.end.close();
    joiner.end.close();
    settle();
  }
  // Each board seen from the main army's side.
  static Board main_view(const Game& g) {
    HistorySlot now;
    now.board = g.pos.board;
    return own_side_is_main(g.pos) ? now.board : turned_slot(now).board;
  }
  void expect_same_match() {
    EXPECT_EQ(main_view(host.g), main_view(joiner.g));
    EXPECT_EQ(host.g.pos.move_number, joiner.g.pos.move_number);
    for (int n = 0; n <= host.g.pos.move_number; ++n) {
      HistorySlot seen_there = turned_slot(joiner.g.pos.history.slot(n));
      if (n == 0) seen_there.move_code = host.g.pos.history.slot(0).move_code;  // the start's mark, not a move
      EXPECT_EQ(host.g.pos.history.slot(n), seen_there) << "slot " << n;
    }
  }
};

TEST_F(NetworkMatchTest, EachWindowShowsItsOwnArmyAtTheBottomAndMovesCrossTheLink) {
  open();
  ASSERT_EQ(host.match->stage(), NetworkStage::Playing);
  ASSERT_EQ(joiner.match->stage(), NetworkStage::Playing);
  EXPECT_TRUE(own_side_is_main(host.g.pos));
  EXPECT_FALSE(own_side_is_main(joiner.g.pos));

  joiner.move(4, 8, 4, 7);  // not the chess army's turn: refused, nothing sent
  settle();
  EXPECT_EQ(joiner.g.pos.move_number, 0);

  host.move(7, 7, 7, 6);
  settle();
  joiner.move(5, 8, 5, 7);  // the chess pawn of host's 5二 to 5三
  settle();
  EXPECT_EQ(host.g.pos.move_number, 2);
  expect_same_match();
}

// Computers of levels 1-3 may repeat moves for ever: after 60 moves the host resigns.
TEST_F(NetworkMatchTest, TwoComputersPlayUntilOneResignsAndWriteTheSameRecord) {
  レベル_設定(host.g, 3);
  レベル_設定(joiner.g, 1);
  host.t.fakes.dialogs.yes_no_answers = {Answer::No};  // no new game after the match
  joiner.t.fakes.dialogs.yes_no_answers = {Answer::No};
  open(&computer_player(host.g), &computer_player(joiner.g));
  while (host.match->stage() != NetworkStage::Ended) {
    host.deliver(false);
    if (host.g.pos.move_number >= 60 && host.match->moves_here_now(host.g))
      host.match->resign();  // on its own turn, so that no move is on its way
    else if (turn_due(host.g))
      on_turn_due(host.g);
    joiner.deliver();
  }
  settle();
  EXPECT_EQ(host.match->stage(), NetworkStage::Ended);
  EXPECT_EQ(joiner.match->stage(), NetworkStage::Ended);
  ASSERT_GE(joiner.g.pos.history.record_length, 60);
  SaveNotes notes;
  const RecordFields fields{"net", "title", "main", "chess"};
  EXPECT_EQ(record_bytes(host.g, fields, notes), record_bytes(joiner.g, fields, notes));
}

// Lines of a stranger: each ends the connection and leaves the board as it was.
TEST_F(NetworkMatchTest, AFaultyLineIsRefusedWithoutAChange) {
  const std::string too_long(MAX_PROTOCOL_LINE + 10, 'A');
  for (const std::string& line : std::vector<std::string>{"MOVE 1 77 74 -3 -3 0 0", "MOVE 1 52 53 4 4 0 0", "HELLO?",
                                                          too_long, "VELMORA 2 9.9"}) {
    SCOPED_TRACE(line.substr(0, 30));
    Window h, j;
    host_new_match(h.g, MatchSettings{}, Side::Own);
    h.match = std::make_unique<NetworkMatch>(h.g, NetworkRole::Host, "host");
    j.match = std::make_unique<NetworkMatch>(j.g, NetworkRole::Joiner, "joiner");
    h.end.other = &j.end;
    j.end.other = &h.end;
    h.match->connected(h.end, 0);
    j.match->connected(j.end, 0);
    while (h.deliver() | j.deliver()) {
    }
    ASSERT_EQ(j.match->stage(), NetworkStage::Playing);
    const Position before = j.g.pos;
    j.t.fakes.dialogs.boxes.clear();
    j.match->received(line + "\n", 1);
    EXPECT_EQ(j.g.pos.board, before.board);
    EXPECT_EQ(j.g.pos.move_number, before.move_number);
    EXPECT_FALSE(j.match->linked());
    EXPECT_EQ(j.t.fakes.dialogs.boxes.size(), 1u);
  }
}

TEST_F(NetworkMatchTest, ACutLinkStopsTheClocksAndAJoinContinuesTheSameMatch) {
  open();
  host.t.fakes.clock.now = 5;
  host.move(7, 7, 7, 6);
  settle();
  joiner.t.fakes.clock.now = 9;
  joiner.move(5, 8, 5, 7);
  settle();
  cut();
  EXPECT_EQ(host.match->stage(), NetworkStage::Dropped);
  host.move(3, 7, 3, 6);  // nobody moves while the line is down
  EXPECT_EQ(host.g.pos.move_number, 2);

  connect();
  ASSERT_EQ(joiner.match->stage(), NetworkStage::Playing);
  expect_same_match();
  EXPECT_EQ(joiner.g.pos.history.slot(2).clock_own_after, 9);  // the chess army's 9 s, as its machine booked them
  host.move(3, 7, 3, 6);
  settle();
  EXPECT_EQ(joiner.g.pos.move_number, 3);
  expect_same_match();
}

TEST_F(NetworkMatchTest, AnAgreedTakeBackReturnsBothBoardsAndARefusedOneChangesNothing) {
  open();
  host.move(7, 7, 7, 6);
  settle();
  joiner.move(5, 8, 5, 7);
  settle();
  host.t.fakes.dialogs.yes_no_answers = {Answer::No};
  joiner.g.network->take_back_asked(joiner.g);
  settle();
  EXPECT_EQ(joiner.g.pos.move_number, 2);

  joiner.g.network->take_back_asked(joiner.g);
  settle();
  EXPECT_EQ(host.g.pos.move_number, 1);
  expect_same_match();
}

// Each machine judges the flag of its own side and tells the other.
TEST_F(NetworkMatchTest, TheFlagFallsOnTheMachineWhoseClockRanOut) {
  MatchSettings timed;
  timed.main_control = TimeControl{TimeKind::Sudden, 5};
  timed.chess_control = TimeControl{TimeKind::Sudden, 5};
  host_new_match(host.g, timed, Side::Own);
  host.match = std::make_unique<NetworkMatch>(host.g, NetworkRole::Host, "host");
  joiner.match = std::make_unique<NetworkMatch>(joiner.g, NetworkRole::Joiner, "joiner");
  connect();
  joiner.t.fakes.clock.now += 60;  // the joiner's view of the host's clock runs out first
  on_timer(joiner.g);
  if (turn_due(joiner.g)) on_turn_due(joiner.g);
  EXPECT_EQ(joiner.match->stage(), NetworkStage::Playing);

  host.t.fakes.clock.now += 6;
  on_timer(host.g);
  if (turn_due(host.g)) on_turn_due(host.g);
  settle();
  EXPECT_EQ(host.match->stage(), NetworkStage::Ended);
  EXPECT_EQ(joiner.match->stage(), NetworkStage::Ended);
  EXPECT_EQ(joiner.g.timing.lost_on_time, "先手");
}

TEST_F(NetworkMatchTest, CommandsThatWouldPartTheBoardsAreRefused) {
  open();
  for (MenuItem item : {MenuItem::REVERSE, MenuItem::REPLAY, MenuItem::CANCEL, MenuItem::NIPPON}) {
    host.t.fakes.dialogs.boxes.clear();
    on_menu(host.g, item);
    EXPECT_EQ(host.t.fakes.dialogs.box_texts(), std::vector<std::string>{"ネット対局中はできません"});
  }
  EXPECT_TRUE(own_side_is_main(host.g.pos));
}

}  // namespace
}  // namespace velmora::testing
