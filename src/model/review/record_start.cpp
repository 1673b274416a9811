#include "review/record_start.h"

#include <array>
#include <vector>

#include "review/played_move.h"
#include "rules/handicap.h"
#include "rules/setup.h"

namespace velmora {
namespace {

constexpr int LOWEST_GRADE = -static_cast<int>(std::size(PERSON_STEPS));
constexpr int HIGHEST_GRADE = static_cast<int>(std::size(COMPUTER_STEPS));

// The board of the start at `grade` of the ladder: the squares of the steps
// from 0 to the grade emptied.
Board with_handicap(Board board, int grade) {
  for (int i = 0; i < -grade; ++i) board(PERSON_STEPS[i].square.x, PERSON_STEPS[i].square.y) = EMPTY;
  for (int i = 0; i < grade; ++i) board(COMPUTER_STEPS[i].square.x, COMPUTER_STEPS[i].square.y) = EMPTY;
  return board;
}

// The grades from the even game outwards: 0, -1, 1, -2, 2, ...
std::vector<int> grades_from_even() {
  std::vector<int> grades{0};
  for (int step = 1; step <= -LOWEST_GRADE || step <= HIGHEST_GRADE; ++step) {
    if (-step >= LOWEST_GRADE) grades.push_back(-step);
    if (step <= HIGHEST_GRADE) grades.push_back(step);
  }
  return grades;
}

// The first move from `start` to `first`, the main army moving.
std::optional<SearchMove> first_move(const Board& start, int chess_sign, const HistorySlot& first) {
  PositionSetup setup;
  setup.board = start;
  setup.chess_sign = chess_sign;
  setup.side_to_move = -chess_sign;
  SearchPosition p(setup);
  return find_played(p, first);
}

}  // namespace

RecordStartResult record_start(const HistorySlot& first) {
  for (const int chess_sign : {+1, -1})
    for (const bool switched : {false, true})
      for (const bool nippon : {true, false}) {
        Board line_up = starting_board(switched ? !nippon : nippon);
        if (switched) exchange_main_army(line_up, nippon);
        for (const int grade : grades_from_even()) {
          const Board upright = with_handicap(line_up, grade);
          const Board start = chess_sign > 0 ? upright : turned_board(upright);
          const std::optional<SearchMove> move = first_move(start, chess_sign, first);
          if (!move) continue;
          RecordStart found;
          found.start.board = start;
          found.start.move_code = HU;  // as a new game leaves the start
          found.chess_sign = chess_sign;
          found.nippon = nippon;
          found.switched = switched;
          found.handicap_grade = grade;
          found.first = *move;
          return found;
        }
      }
  return Failure{NoRecordStart{1}};
}

}  // namespace velmora
