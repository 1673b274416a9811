// The review as lines of text: what velmora-com --review prints and what the
// text export of a reviewed match adds.
#pragma once

#include <string>

#include "review/game_review.h"

namespace velmora {

// "７六 歩" as the move list writes a move; a drop ends in "打" ("５五 角打").
std::string move_text(SearchMove move);

// A score from the mover's side: "+35", "-120", "0"; a king that can be taken
// by force reads "+win" or "-win".
std::string score_text(int score);

// "５五 角(６六)": the move with the square it left, so that two pieces
// that can reach one square are told apart; a drop as move_text writes it.
std::string move_text_from(SearchMove move);

// "  5 ５五 角(６六) +35 -210 best ４四 歩打 ??": the number, the move, the
// scores before and after, the best move, the mark ("-" for none).
std::string review_line(const ReviewedMove& move);

// "main army: 40 moves, ?? 1, ? 2, ?! 3, missed drops 1, average loss 4.2 %, accuracy 87.3 %"
std::string summary_line(const char* army, const ArmySummary& summary);

}  // namespace velmora
