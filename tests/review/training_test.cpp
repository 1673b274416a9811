// Training positions and their collection: a planted mistake becomes one
// position with the review's better move as its answer, a position with two
// answers is left out, the collection reads back what it wrote, survives a
// kill while it is written, and asks by the Leitner boxes.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "../record/temp_folder.h"
#include "planted_game.h"
#include "review/played_move.h"
#include "text/text_files.h"
#include "training/training_collection.h"

namespace velmora {
namespace {

using testing::game_of;
using testing::slot_of;

constexpr long long REVIEW_NODES = 3000;

struct Trained {
  GameReview review;
  std::vector<TrainingPosition> positions;
};

Trained trained(const ReviewGame& game, TrainingArmy army = TrainingArmy::Both) {
  const ReplayedGame replayed = replay_game(game).value();
  ReviewProgress progress;
  const ReviewLimits limits{0, REVIEW_NODES};
  const GameReview review = judge_moves(replayed, search_positions(replayed.positions, limits, 1, progress));
  return {review, training_positions(replayed, review, army, check_nodes(review, limits))};
}

// The main army's pawn steps on while its gold could take the queen that
// stands in front of it.
const SearchMove PAWN_ON(square_of(1, 7), square_of(1, 6), -HU, -HU);
const SearchMove GOLD_TAKES(square_of(5, 7), square_of(5, 6), -KIN, -KIN);

TEST(TrainingPositions, APlantedMistakeGivesOnePositionWhoseAnswerIsTheReviewsBetterMove) {
  const HistorySlot start = slot_of({{5, 9, -OU}, {5, 7, -KIN}, {5, 6, +QEEN}, {9, 1, +KING}, {1, 7, -HU}});
  const Trained t = trained(game_of(start, {PAWN_ON}));
  ASSERT_EQ(t.review.moves.size(), 1u);
  ASSERT_GE(t.review.moves[0].mark, Mark::Mistake);
  ASSERT_EQ(t.positions.size(), 1u);
  const TrainingPosition& p = t.positions[0];
  EXPECT_EQ(p.answer, t.review.moves[0].best);
  EXPECT_EQ(p.answer, GOLD_TAKES);
  EXPECT_EQ(p.played, PAWN_ON);
  EXPECT_EQ(p.number, 1);
  EXPECT_GE(p.margin, CLEAR_MARGIN);
  EXPECT_TRUE(p.main_army);
  EXPECT_TRUE(p.nippon);
  EXPECT_FALSE(p.drop);
  EXPECT_EQ(p.setup.side_to_move, -1);
  EXPECT_TRUE(same_position(p.setup, start));
  ASSERT_FALSE(p.line.empty());
  EXPECT_EQ(p.line[0], GOLD_TAKES);
  EXPECT_LE(p.line.size(), static_cast<std::size_t>(LINE_MOVES));
  EXPECT_TRUE(trained(game_of(start, {PAWN_ON}), TrainingArmy::Chess).positions.empty()) << "only the chess army's";
}

TEST(TrainingPositions, APositionWithTwoEquallyGoodAnswersIsLeftOut) {
  // Two golds can take the queen, and either wins it.
  const HistorySlot start =
      slot_of({{5, 9, -OU}, {4, 7, -KIN}, {6, 7, -KIN}, {5, 6, +QEEN}, {9, 1, +KING}, {1, 7, -HU}});
  const Trained t = trained(game_of(start, {PAWN_ON}));
  ASSERT_EQ(t.review.moves.size(), 1u);
  ASSERT_GE(t.review.moves[0].mark, Mark::Mistake) << "the review still marks the move";
  EXPECT_TRUE(t.positions.empty());
}

TrainingEntry entry_of(int box, std::int64_t due, bool main_army, bool drop, int number) {
  TrainingEntry e;
  e.box = box;
  e.due = due;
  e.position.main_army = main_army;
  e.position.drop = drop;
  e.position.number = number;
  e.position.setup.board(5, 9) = -OU;
  e.position.setup.board(number % 9 + 1, 1) = +KING;  // a position of its own
  e.position.answer = drop ? SearchMove::drop(1, square_of(5, 5), -HU) : GOLD_TAKES;
  e.position.played = PAWN_ON;
  e.position.line = {e.position.answer, PAWN_ON};
  e.position.margin = 0.25;
  return e;
}

TEST(TrainingCollection, AsksTheDuePositionOfTheLowestBoxFirstAndMovesAnswersBetweenBoxes) {
  const std::int64_t now = 1'000'000;
  TrainingCollection c;
  c.entries = {entry_of(3, now - 10, true, false, 1), entry_of(1, now + 60, true, false, 2),
               entry_of(2, now - 5, false, true, 3), entry_of(2, now - 50, true, true, 4),
               entry_of(1, now, false, false, 5)};
  struct Row {
    TrainingFilter filter;
    std::vector<int> asked;  // the numbers in the order asked, each solved at once
  };
  using Drops = TrainingFilter::Drops;
  for (const Row& row : {Row{{}, {5, 4, 3, 1}}, Row{{TrainingArmy::Main, Drops::Any}, {4, 1}},
                         Row{{TrainingArmy::Chess, Drops::Any}, {5, 3}}, Row{{TrainingArmy::Both, Drops::Only}, {4, 3}},
                         Row{{TrainingArmy::Both, Drops::Without}, {5, 1}}}) {
    TrainingCollection asked = c;
    std::vector<int> numbers;
    while (const auto next = next_due(asked, row.filter, now)) {
      numbers.push_back(asked.entries[*next].position.number);
      record_answer(asked.entries[*next], true, now);
    }
    EXPECT_EQ(numbers, row.asked);
  }
  TrainingEntry e = entry_of(1, 0, true, false, 1);
  for (const int box : {2, 3, 4, 5, 5}) {
    record_answer(e, true, now);
    EXPECT_EQ(e.box, box);
    EXPECT_EQ(e.due, now + BOX_WAIT_SECONDS[box - 1]);
  }
  record_answer(e, false, now);
  EXPECT_EQ(e.box, 1);
  EXPECT_EQ(e.due, now + BOX_WAIT_SECONDS[0]) << "a missed one comes back soon";
  EXPECT_EQ(e.solved, 5);
  EXPECT_EQ(e.missed, 1);
  const TrainingCounts counts = training_counts(c, {}, now);
  EXPECT_EQ(counts.positions, 5);
  EXPECT_EQ(counts.due, 4);
}

TEST(TrainingCollection, ReadsBackWhatItWroteSkipsADamagedLineAndAddsAPositionOnce) {
  TrainingCollection c;
  c.entries = {entry_of(2, 1234, true, false, 7), entry_of(5, 0, false, true, 8)};
  c.entries[1].position.setup.hand_own[1] = 2;
  c.entries[1].position.setup.side_to_move = +1;
  c.entries[1].position.nippon = false;
  c.entries[1].solved = 3;
  const std::string text = format_collection(c);
  EXPECT_EQ(text.rfind("velmora-training 1\n", 0), 0u);
  const auto read = parse_collection(text);
  ASSERT_TRUE(read);
  EXPECT_EQ(format_collection(*read), text);
  ASSERT_EQ(read->entries.size(), 2u);
  EXPECT_EQ(read->entries[1].position.line, c.entries[1].position.line);
  EXPECT_FALSE(read->entries[1].position.nippon);

  std::string damaged = text;
  damaged.insert(damaged.find("box=5"), "box=2 due=x board=1\n");
  damaged.erase(damaged.size() - 40);  // the last line cut short
  ASSERT_TRUE(parse_collection(damaged));
  EXPECT_EQ(parse_collection(damaged)->entries.size(), 1u);
  EXPECT_FALSE(parse_collection("velmora-training 2\n")) << "a later version";
  EXPECT_FALSE(parse_collection("")) << "no collection";

  TrainingCollection added = *read;
  EXPECT_EQ(add_positions(added, {c.entries[0].position, entry_of(1, 0, true, false, 9).position}), 1);
  EXPECT_EQ(added.entries.size(), 3u);
  EXPECT_EQ(added.entries[2].box, 1);
  EXPECT_EQ(added.entries[2].due, 0);
}

TEST(TrainingCollection, SurvivesAKillWhileItIsWritten) {
  const testing::TempFolder folder;
  const std::string path = folder.file(TRAINING_FILE_NAME);
  TrainingCollection small, large;
  small.entries = {entry_of(1, 0, true, false, 1)};
  for (int n = 0; n < 2000; ++n) large.entries.push_back(entry_of(1, n, n % 2 == 0, n % 3 == 0, n));
  const std::string small_text = format_collection(small), large_text = format_collection(large);
  ASSERT_TRUE(replace_file(path, small_text));
  for (const int delay_ms : {1, 3, 7, 15}) {
    const pid_t writer = fork();
    if (writer == 0) {
      for (int i = 0;; ++i) (void)replace_file(path, i % 2 ? small_text : large_text);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(delay_ms));
    kill(writer, SIGKILL);
    waitpid(writer, nullptr, 0);
    const auto text = read_whole_file(path, 64 << 20);
    ASSERT_TRUE(text);
    EXPECT_TRUE(*text == small_text || *text == large_text) << "killed after " << delay_ms << " ms";
    const auto read = parse_collection(*text);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->entries.size() == 1 || read->entries.size() == 2000);
    (void)remove_stale_temporaries(folder.path());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1)
        << "the killed writer's temporary file is cleared";
  }
}

}  // namespace
}  // namespace velmora
