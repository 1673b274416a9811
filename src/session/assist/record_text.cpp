#include "assist/record_text.h"

#include "assist/match_review.h"
#include "assist/move_list_panel.h"
#include "assist/time_controls.h"
#include "text/text_files.h"
#include "view/phrases.h"
#include "view/system_reasons.h"
#include "view/texts.h"

namespace velmora {
namespace {

constexpr const char* DEFAULT_TITLE = SHOWN("Velmora 棋譜");

// The name of a player no name was typed for: against the computer, the side
// at the bottom is the person's and the other the computer's.
std::string player_name(const Game& g, int army_sign) {
  if (g.game_mode != MODE_COM) return "";
  return army_sign == g.pos.chess_sign ? SHOWN("あなた") : SHOWN("ｺﾝﾋﾟｭｰﾀ");
}

}  // namespace

std::string result_of_list(const Game& g) { return g.pos.history.match_ended ? g.assist.match_winner : ""; }

std::string record_text(const Game& g, const TextLookup& in_language) {
  const auto game_text = [&](const std::string& japanese) { return in_language ? in_language(japanese) : japanese; };
  // A name or title the players typed stays as typed; the game's own are put
  // into the language.
  const auto named = [&](const std::string& typed, const std::string& own) {
    return typed.empty() ? game_text(own) : typed;
  };
  const RecordFields fields = g.ports.dialogs.record_fields();
  // The main army (+1) is 先手, the chess army (-1) 後手, on whichever side they sit.
  std::string text = named(fields.title, DEFAULT_TITLE) + "\n";
  text += fill(game_text(PHRASE_FIRST_PLAYER), named(fields.first, player_name(g, +1))) + "\n";
  text += fill(game_text(PHRASE_SECOND_PLAYER), named(fields.second, player_name(g, -1))) + "\n";
  std::string moves = time_control_text(g);
  // A review that stands for the list adds each move's judgement and a
  // summary per army.
  const GameReview* review = current_review(g);
  for (int n = 1; n <= g.pos.history.record_length; ++n)
    moves += numbered_move(g, n) + (review ? "  " + review_note(*review, n) : "") + "\n";
  const std::string winner = result_of_list(g);
  if (!winner.empty()) moves += fill(PHRASE_RESULT, winner) + "\n" + time_out_text(g);
  if (review)
    for (const bool main_army : {true, false})
      moves += fill(PHRASE_REVIEW_SUMMARY, summary_row(*review, main_army)) + "\n";
  return text + game_text(moves);
}

void save_record_text(Game& g, const std::string& path, const TextLookup& in_language) {
  const Result<void, std::error_code> written = replace_file(path, record_text(g, in_language));
  if (!written)
    show_message(g, SHOWN("書き込めません") "\n" + path + "\n" + reason_text(written.error()), SHOWN("表示"),
                 Icon::Exclamation);
}

}  // namespace velmora
