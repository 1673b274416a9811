#include "com/levels.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "base/result.h"
#include "computer/strong_player.h"
#include "record/record_files.h"
#include "rules/handicap.h"
#include "rules/setup.h"
#include "view/board_view.h"
#include "view/sound_effects.h"
#include "view/texts.h"

namespace velmora {
namespace {

inline constexpr int LOWEST_GRADE = -10;  // ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人
inline constexpr int HIGHEST_GRADE = 7;   // ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級

// The square of the step between `from` and `to` (adjacent grades) and what
// it holds after the step. The person's pieces come back as the chosen
// nation lines them up. The step is written into move 0 as well, the start
// that stepping back and saving go back to.
void take_step(Game& g, int from, int to) {
  const bool away_from_even = std::abs(to) > std::abs(from);
  const int outer = away_from_even ? to : from;  // the grade of the two farther from 0
  const LadderStep& step = outer < 0 ? PERSON_STEPS[-outer - 1] : COMPUTER_STEPS[outer - 1];
  int piece = EMPTY;
  const Cell square = step.square;
  if (!away_from_even) piece = outer < 0 ? starting_board(g.menu.NIPPON)(square.x, square.y) : step.piece;
  g.pos.board(square.x, square.y) = piece;
  g.pos.history.slot(0).board = g.pos.board;
  描画_絵(g, piece, square.x, square.y);
  描画_桝輪郭(g, g.view.back_colour, square);
  駒移動音(g, piece);
}

// Why the handicap ladder cannot be used now; each is the number of the
// message that tells it.
enum class LadderRefusal { RecordShown = 1, MatchStarted = 2, BoardFlipped = 3 };

Result<void, LadderRefusal> ladder_usable(const Game& g) {
  if (g.record_mode) return Failure{LadderRefusal::RecordShown};
  if (g.pos.move_number > 0) return Failure{LadderRefusal::MatchStarted};
  if (g.board_flipped) return Failure{LadderRefusal::BoardFlipped};
  return {};
}

}  // namespace

void レベル_設定(Game& g, int level) {
  g.menu.LEVEL1 = level == 1;
  g.menu.LEVEL2 = level == 2;
  g.menu.LEVEL3 = level == 3;
  g.menu.LEVEL4 = level == STRONG_LEVEL;
  if (level >= 1 && level <= STRONG_LEVEL) g.com.com_level = level;
  if (g.game_mode == MODE_COM) 描画_レベル(g, g.com.com_level);
}

void level_click(Game& g, int level) {
  // The cells left of the board's top row, and the three cells above the
  // board where "LEVEL" and the number stand, so no number prints over another.
  for (int x = -2; x <= 0; ++x) 描画_絵(g, g.view.current_background, x, 0);
  for (int x = 1; x <= 3; ++x) 描画_絵(g, g.view.current_background, x, -1);
  レベル_設定(g, level);
  g.com.ladder_rung = 0;  // a rung chosen beside LEVEL4 gives way
}

void handicap_click(Game& g, bool up) {
  close_record_panel(g);
  if (const Result<void, LadderRefusal> usable = ladder_usable(g); !usable) {
    play_refusal(g);
    描画_メッセージ(g, static_cast<int>(usable.error()));
    return;
  }
  g.pos.history.set_length(0);
  const int from = g.com.handicap_grade;
  const int to = up ? from + 1 : from - 1;
  const auto on_ladder = [](int grade) { return grade >= LOWEST_GRADE && grade <= HIGHEST_GRADE; };
  if (on_ladder(from) && on_ladder(to)) {
    g.com.handicap_grade = to;
    描画_ハンデレベル(g, to);
    take_step(g, from, to);
  }
  g.com.handicap_set = 1;
}

}  // namespace velmora
