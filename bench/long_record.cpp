// Writes a game record of N moves for measuring what a long game costs: the
// main army's king steps up and back, the chess army's knight goes out and
// back, over and over (the game has no repetition rule).
//
//   build/release/bench/long_record MOVES OUT.棋譜
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "engine/search_position.h"
#include "notation/record_format.h"
#include "rules/setup.h"

namespace velmora {
namespace {

MoveList shuffled_game(int moves) {
  const SearchMove shuffles[4] = {
      SearchMove(square_of(5, 9), square_of(5, 8), -OU, -OU),
      SearchMove(square_of(3, 1), square_of(2, 3), +KNIG, +KNIG),
      SearchMove(square_of(5, 8), square_of(5, 9), -OU, -OU),
      SearchMove(square_of(2, 3), square_of(3, 1), +KNIG, +KNIG),
  };
  PositionSetup setup;
  setup.board = starting_board(true);
  setup.side_to_move = -1;
  SearchPosition p(setup);
  MoveList list;
  list.slot(0).board = setup.board;
  for (int n = 1; n <= moves; ++n) {
    const SearchMove m = shuffles[(n - 1) % 4];
    p.make(m);
    const PositionSetup after = p.setup();
    HistorySlot& slot = list.slot(n);
    slot.board = after.board;
    slot.hand_own = after.hand_own;
    slot.hand_enemy = after.hand_enemy;
  }
  list.set_length(moves);
  return list;
}

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
  if (argc != 3 || std::atoi(argv[1]) < 1) {
    std::cerr << "usage: long_record MOVES OUT.棋譜\n";
    return 2;
  }
  const int moves = std::atoi(argv[1]);
  velmora::SaveNotes notes;
  const velmora::MoveList list = velmora::shuffled_game(moves);
  std::ofstream(argv[2], std::ios::binary)
      << velmora::format_record("long game", "chess army", "main army", list, moves, notes);
  return 0;
}
