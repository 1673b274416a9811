#include "com/com_turn.h"

#include <algorithm>
#include <cstdlib>

#include "com/evaluation.h"
#include "com/probes.h"
#include "com/strong_player.h"
#include "influence/mate.h"
#include "influence/survey.h"
#include "match/game_over.h"
#include "record/move_list.h"
#include "rules/move_check.h"
#include "rules/moves.h"
#include "rules/promotion.h"
#include "shell/sound_effects.h"
#include "view/animation.h"
#include "view/board_view.h"
#include "view/clocks.h"
#include "view/texts.h"

namespace velmora {
namespace {

// The search over the candidates of one turn.
class Search {
 public:
  Search(Game& g, SearchTrace* trace, ScoreLog* scores) : g_(g), com_(g.com), trace_(trace), scores_(scores) {}

  bool run(Candidate& best) {
    prepare();
    if (!board_moves() && drops_allowed_) drops();
    best = best_;
    return found_;
  }

 private:
  void prepare() {
    com_.com_best_score = SCORE_NO_CANDIDATE;
    com_.board_before_com = g_.board;
    調査_2歩フラグ設定(g_);
    com_.own_king_escapes_before = 調査_自王逃道(g_);
    勢力調査(g_);
    調査_持角狙座標(g_);
    調査_移動不可駒(g_);
    com_.own_influence_before = g_.maps.own_influence;
    com_.enemy_influence_before = g_.maps.enemy_influence;
    com_.enemy_attacker_x_before = g_.maps.enemy_attacker_x;
    com_.enemy_attacker_y_before = g_.maps.enemy_attacker_y;
    drops_allowed_ = (g_.menu.CHESS_MOCHIKOMA || g_.chess_sign == -1) && g_.hand_enemy_total > 0;
    g_.ports.screen.refresh();
  }

  // Returns true when the search must stop (the person's OU was taken).
  bool board_moves() {
    for (int x = 1; x <= 9; ++x) {
      timer1_tick(g_);
      for (int y = 1; y <= 9; ++y) {
        const int code = g_.board(x, y);
        if (code < 1) continue;
        for (int tx = 1; tx <= 9; ++tx)
          for (int ty = 1; ty <= 9; ++ty)
            if (移動チェック(g_, x, y, tx, ty, code) == 1 && try_board_move(x, y, tx, ty, code)) return true;
      }
    }
    return false;
  }

  bool try_board_move(int x, int y, int tx, int ty, int code) {
    com_.com_move_code = code;
    com_.king_distance_before = std::max(std::abs(x - g_.maps.own_king_x), std::abs(y - g_.maps.own_king_y));
    const int captured = g_.board(tx, ty);
    g_.board(x, y) = EMPTY;
    g_.board(tx, ty) = code;
    Tenths score = 0;
    int final_code = code;
    if (調査_駒成(g_, x, y, tx, ty, code) == 0) {
      score = score_placed(captured, code, x, y, tx, ty);
    } else {
      const int promoted = g_.promotion_choice;
      if (移動後チェック(ty, code) == 0) {
        final_code = promoted;
        score = score_placed(captured, promoted, x, y, tx, ty);
      } else {
        score = score_placed(captured, code, x, y, tx, ty);
        const Tenths promoted_score = score_placed(captured, promoted, x, y, tx, ty);
        if (promoted_score > score) {
          score = promoted_score;
          final_code = promoted;
        }
        // A pawn, bishop or rook gives nothing up by promoting.
        if (code == +HU || code == +KAKU || code == +SYA) final_code = promoted;
      }
    }
    g_.board(tx, ty) = captured;
    g_.board(x, y) = code;
    if (score <= com_.com_best_score) return false;
    keep(score, {x, y, tx, ty, code, final_code});
    return captured == -OU;
  }

  void drops() {
    for (int i = 1; i <= 18; ++i) {
      timer1_tick(g_);
      if (g_.hand_enemy[i] <= 0) continue;
      const int code = HAND_KINDS[i];
      const int hc = enemy_hand_slot(i).x;
      for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty) {
          if (移動チェック(g_, hc, i, tx, ty, code) != 1) continue;
          com_.com_move_code = code;
          g_.board(tx, ty) = code;
          const Tenths score = score_placed(EMPTY, code, hc, i, tx, ty);
          g_.board(tx, ty) = EMPTY;
          if (score <= com_.com_best_score) continue;
          keep(score, {hc, i, tx, ty, code, code});
          if (com_.com_best_score >= SCORE_MATE) return;
        }
    }
  }

  // Surveys the position with `code` on (tx, ty) and scores it.
  Tenths score_placed(int captured, int code, int sx, int sy, int tx, int ty) {
    g_.board(tx, ty) = code;
    勢力調査(g_);
    const Tenths score = evaluate(captured, code, sx, sy, tx, ty);
    if (scores_) scores_->push_back({sx, sy, tx, ty, code, score});
    return score;
  }

  Tenths evaluate(int captured, int code, int sx, int sy, int tx, int ty) {
    if (trace_ && trace_->sx == sx && trace_->sy == sy && trace_->tx == tx && trace_->ty == ty) {
      SearchTrace::Evaluation& ev = trace_->evaluations.emplace_back();
      ev.code = code;
      ev.score = 盤評価(g_, captured, code, sx, sy, tx, ty, &ev.terms);
      return ev.score;
    }
    return 盤評価(g_, captured, code, sx, sy, tx, ty);
  }

  void keep(Tenths score, const Candidate& c) {
    com_.com_best_score = score;
    best_ = c;
    found_ = true;
  }

  Game& g_;
  ComState& com_;
  SearchTrace* trace_;
  ScoreLog* scores_;
  bool drops_allowed_ = false;
  bool found_ = false;
  Candidate best_;
};

bool is_chess_code(int code) { return code > 0 && is_chess_kind(code); }

// Removes the thinking message (cells left of and above the board).
void clear_thinking_message(Game& g) {
  for (int x = -5; x <= -3; ++x) 描画_絵(g, g.view.current_background, x, -1);
}

// Level 4's move. A move the rules would refuse is never played: the search
// of the other levels answers instead.
ComAnswer strong_move(Game& g, Candidate& best) {
  g.com.board_before_com = g.board;
  g.ports.screen.refresh();
  const ComAnswer answer = strong_turn(g, best);
  if (answer != ComAnswer::Move || rules_allow(g, best, +1)) return answer;
  return com_search(g, best) ? ComAnswer::Move : ComAnswer::NoMove;
}

// The move of the computer's level.
ComAnswer computer_move(Game& g, Candidate& best) {
  if (g.com.com_level == STRONG_LEVEL) return strong_move(g, best);
  return com_search(g, best) ? ComAnswer::Move : ComAnswer::NoMove;
}

void announce_check_or_mate(Game& g, int final_code) {
  if (詰めかMAN(g) == 1) {
    show_message(g, "よし！!", "詰め ?");
  } else if (g.maps.enemy_influence.at(g.maps.own_king_x, g.maps.own_king_y) > 0) {
    const char* text = is_chess_code(final_code) ? "   ** チェック **" : "   ** 王手 **";
    show_message(g, text, "");
  }
}

}  // namespace

bool com_search(Game& g, Candidate& best, SearchTrace* trace, ScoreLog* scores) {
  return Search(g, trace, scores).run(best);
}

void com_play(Game& g, const Candidate& best) {
  const bool drop = best.sx < 0;
  const int source_row = drop ? enemy_hand_slot(best.sy).y : best.sy;
  描画_駒点滅(g, best.starting, best.sx, source_row, 3);
  if (best.starting == +PORN && !drop && best.final_code != best.starting) 描画_桝駒成アニメ(g, best.final_code);
  駒移動(g, best.sx, source_row, best.tx, best.ty, best.final_code);
  駒移動音(g, best.final_code);

  g.move_number += 1;
  update_turn_elapsed(g);
  Clocks& clock = g.clock;
  手順保存(g, best.sx, best.sy, best.tx, best.ty, best.starting, best.final_code,
           g.com.board_before_com(best.tx, best.ty), clock.clock_own_total, clock.clock_own_total,
           clock.clock_enemy_total, clock.turn_elapsed + clock.clock_enemy_total);

  g.com.move_counter += 1;
  描画_手数(g, g.com.move_counter, COLOUR_WHITE);
  clock.timer1_enabled = false;
  勢力調査(g);
  clear_thinking_message(g);

  if (g.king_taken == g.main_sign) {
    終了(g, "ｺﾝﾋﾟｭｰﾀ");
    return;
  }
  announce_check_or_mate(g, best.final_code);
  描画_移動結果(g, g.main_sign, best.tx, best.ty, best.final_code, COLOUR_WHITE);
  描画_桝輪郭(g, COLOUR_WHITE, best.tx, best.ty);
  clock.clock_enemy_total += clock.turn_elapsed;
  clock.turn_start_time = g.ports.clock.time_of_day();
  g.turn = g.chess_sign;
  if (g.menu.KEIKA) clock.timer1_enabled = true;
}

void com_ban(Game& g) {
  // Clicks made while the computer moves would act on a board the person has not seen.
  g.ports.screen.drop_clicks_meanwhile();
  g.clock.turn_start_time = g.ports.clock.time_of_day();
  if (g.menu.KEIKA) g.clock.timer1_enabled = true;
  描画_数値(g, -4.7, -0.5, "思考中", COLOUR_BLACK, 0, 12);
  描画_数値(g, -4.8, -0.6, "思考中", COLOUR_WHITE, 0, 12);
  描画_桝輪郭(g, g.view.back_colour, 1, 8);

  Candidate best;
  const ComAnswer answer = computer_move(g, best);
  if (answer == ComAnswer::Move) {
    com_play(g, best);
    return;
  }
  g.clock.timer1_enabled = false;
  clear_thinking_message(g);
  // Stopped: the program is ending. No move and no drop: the computer resigns.
  if (answer == ComAnswer::NoMove) 終了(g, "あなた");
}

}  // namespace velmora
