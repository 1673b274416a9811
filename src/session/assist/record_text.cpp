#include "assist/record_text.h"

#include "assist/match_review.h"
#include "assist/move_list_panel.h"
#include "text/text_files.h"
#include "view/phrases.h"
#include "view/system_reasons.h"
#include "view/texts.h"

namespace velmora {
namespace {

constexpr const char* DEFAULT_TITLE = SHOWN("Velmora 棋譜");

// A name typed into the record fields wins; otherwise, against the computer,
// the side at the bottom is the person's and the other the computer's.
std::string player_name(const Game& g, const std::string& typed, int army_sign) {
  if (!typed.empty()) return typed;
  if (g.game_mode != MODE_COM) return "";
  return army_sign == g.pos.chess_sign ? SHOWN("あなた") : SHOWN("ｺﾝﾋﾟｭｰﾀ");
}

}  // namespace

std::string result_of_list(const Game& g) { return g.pos.history.match_ended ? g.assist.match_winner : ""; }

std::string record_text(const Game& g) {
  const RecordFields fields = g.ports.dialogs.record_fields();
  // The main army (+1) is 先手, the chess army (-1) 後手, on whichever side they sit.
  std::string text = (fields.title.empty() ? DEFAULT_TITLE : fields.title) + "\n";
  text += fill(PHRASE_FIRST_PLAYER, player_name(g, fields.first, +1)) + "\n";
  text += fill(PHRASE_SECOND_PLAYER, player_name(g, fields.second, -1)) + "\n";
  // A review that stands for the list adds each move's judgement and a
  // summary per army.
  const GameReview* review = current_review(g);
  for (int n = 1; n <= g.pos.history.record_length; ++n)
    text += numbered_move(g, n) + (review ? "  " + review_note(*review, n) : "") + "\n";
  const std::string winner = result_of_list(g);
  if (!winner.empty()) text += fill(PHRASE_RESULT, winner) + "\n";
  if (review)
    for (const bool main_army : {true, false})
      text += fill(PHRASE_REVIEW_SUMMARY, summary_row(*review, main_army)) + "\n";
  return text;
}

void save_record_text(Game& g, const std::string& path, const TextLookup& in_language) {
  const std::string text = record_text(g);
  const Result<void, std::error_code> written = replace_file(path, in_language ? in_language(text) : text);
  if (!written)
    show_message(g, SHOWN("書き込めません") "\n" + path + "\n" + reason_text(written.error()), SHOWN("表示"),
                 Icon::Exclamation);
}

}  // namespace velmora
