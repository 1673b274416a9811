#include "assist/move_list_panel.h"

#include <algorithm>
#include <cstdio>

#include "notation/notation.h"
#include "record/replay.h"
#include "rules/moves.h"

namespace velmora {

std::string move_notation(const Game& g, int n) {
  int x = 0, y = 0, code = EMPTY;
  if (!調査_移動結果(g, n, x, y, code)) return "――";
  return 文字列変換(110 - x) + 文字列変換(110 + y) + " " + 文字列変換(code);
}

std::string numbered_move(const Game& g, int n) {
  char number[16];
  std::snprintf(number, sizeof number, "%3d ", n);
  return number + move_notation(g, n);
}

std::vector<std::string> move_list_rows(const Game& g) {
  std::vector<std::string> rows{START_ROW_TEXT};
  for (int n = 1; n <= g.history.record_length; ++n) rows.push_back(numbered_move(g, n));
  return rows;
}

int current_move_row(const Game& g) { return std::clamp(g.move_number, 0, g.history.record_length); }

void go_to_move(Game& g, int n) {
  n = std::clamp(n, 0, g.history.record_length);
  while (g.move_number != n && !g.program_ended) {
    const int before = g.move_number;
    if (n < before) {
      replay_click(g);
    } else {
      after_click(g);
    }
    if (g.move_number == before) return;
  }
}

}  // namespace velmora
