#include "match/promotion_input.h"

#include "match/match_start.h"
#include "rules/promotion.h"
#include "rules/turn_order.h"
#include "text/shown.h"
#include "view/sound_effects.h"
#include "view/texts.h"

namespace velmora {
namespace {

// Where the promotion dialog opens, relative to the main window (twips).
constexpr int DIALOG_BELOW_TOP = 1400;
constexpr int DIALOG_RIGHT_OWN_TURN = 7820;
constexpr int DIALOG_RIGHT_ENEMY_TURN = 1550;

void refuse(Game& g, const char* text, const char* title) {
  play_refusal(g);
  show_message(g, text, title);
}

// Asks the person which piece the pawn becomes. Returns the chosen signed code,
// or 0 when the dialog was closed without a choice.
int ask_pawn_promotion(Game& g) {
  const bool own_side_to_move = side_to_move(g.pos) == Side::Own;
  const TwipRect main = g.ports.screen.window_rect();
  const int left = main.left + (own_side_to_move ? DIALOG_RIGHT_OWN_TURN : DIALOG_RIGHT_ENEMY_TURN);
  return g.ports.dialogs.promotion_dialog(own_side_to_move ? Side::Own : Side::Enemy, left,
                                          main.top + DIALOG_BELOW_TOP);
}

bool settle_pawn_promotion(Game& g) {
  Selection& s = g.sel;
  const int pawn = s.sel_code;
  if (!調査_駒成人選(s.to.y, pawn)) return true;
  const int choice = ask_pawn_promotion(g);
  switch (kind_of(choice)) {
    case QEEN:
    case ROOK:
    case BISH:
    case KNIG:
      // The new piece keeps the pawn's side.
      s.sel_code = sign_of(pawn) * kind_of(choice);
      g.promotion_choice = s.sel_code;
      return true;
    case KING:
      g.promotion_choice = choice;
      refuse(g, SHOWN("キングには成れません"), SHOWN("エラー"));
      return false;
    default:  // the pawn itself, or no choice at all: it stays a pawn where it may
      g.promotion_choice = pawn;
      if (!移動後チェック(s.to.y, pawn)) {
        refuse(g, SHOWN("別の駒に成って下さい"), SHOWN("エラー"));
        return false;
      }
      return true;
  }
}

}  // namespace

bool settle_promotion(Game& g, int button) {
  Selection& s = g.sel;
  const int code = s.sel_code;
  if (button == MOUSE_LEFT && !移動後チェック(s.to.y, code)) {
    refuse(g, SHOWN("マウスの右をクリックして下さい"), SHOWN("成り"));
    return false;
  }
  if (button != MOUSE_RIGHT) return true;
  if (kind_of(code) == PORN) return settle_pawn_promotion(g);
  // The rules' own promotion routine answers for every other kind: EMPTY for
  // one that never promotes.
  if (const int promoted = 調査_駒成(s.from, s.to, code); promoted != EMPTY) s.sel_code = promoted;
  return true;
}

}  // namespace velmora
