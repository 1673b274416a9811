#include "computer/candidate_search.h"

#include <algorithm>
#include <cstdlib>

#include "computer/evaluation.h"
#include "computer/probes.h"
#include "influence/mate.h"
#include "influence/survey.h"
#include "rules/move_check.h"
#include "rules/moves.h"
#include "rules/promotion.h"
#include "rules/trial_move.h"

namespace velmora {
namespace {

// The search over the candidates of one turn.
class Search {
 public:
  Search(Position& pos, InfluenceMaps& maps, ComAnalysis& com, const SearchOptions& options)
      : p_(pos), maps_(maps), com_(com), options_(options) {}

  std::optional<Candidate> run() {
    prepare();
    if (!board_moves() && drops_allowed_) drops();
    if (!found_) return std::nullopt;
    return best_;
  }

 private:
  void prepare() {
    com_.com_best_score = SCORE_NO_CANDIDATE;
    com_.board_before_com = p_.board;
    調査_2歩フラグ設定(p_);
    com_.own_king_escapes_before = 調査_自王逃道(p_, maps_);
    勢力調査(p_, maps_);
    調査_持角狙座標(p_, maps_, com_);
    調査_移動不可駒(p_, maps_, com_);
    com_.own_influence_before = maps_.own_influence;
    com_.enemy_influence_before = maps_.enemy_influence;
    com_.enemy_attacker_x_before = maps_.enemy_attacker_x;
    com_.enemy_attacker_y_before = maps_.enemy_attacker_y;
    drops_allowed_ = (options_.chess_drops || p_.chess_sign == -1) && p_.hand_enemy_total() > 0;
    if (options_.analysed) options_.analysed();
  }

  // Returns true when the search must stop (the person's OU was taken).
  bool board_moves() {
    for (int x = 1; x <= 9; ++x) {
      if (options_.next_line) options_.next_line();
      for (int y = 1; y <= 9; ++y) {
        const int code = p_.board(x, y);
        if (code < 1) continue;
        for (int tx = 1; tx <= 9; ++tx)
          for (int ty = 1; ty <= 9; ++ty)
            if (移動チェック(p_, {x, y}, {tx, ty}, code) && try_board_move(x, y, tx, ty, code)) return true;
      }
    }
    return false;
  }

  bool try_board_move(int x, int y, int tx, int ty, int code) {
    com_.com_move_code = code;
    com_.king_distance_before = std::max(std::abs(x - maps_.own_king_x), std::abs(y - maps_.own_king_y));
    const int captured = p_.board(tx, ty);
    Tenths score = 0;
    Candidate move{{x, y}, {tx, ty}, code, code};
    {
      TrialSquares trial(p_.board);
      trial.move(x, y, tx, ty);
      score = score_trial(captured, move);
    }
    if (score <= com_.com_best_score) return false;
    keep(score, move);
    return captured == -OU;
  }

  // Scores the board move on the board (its code on the destination): once,
  // or once for each code when promoting is optional; the move's final code
  // becomes the code chosen.
  Tenths score_trial(int captured, Candidate& move) {
    const int code = move.starting;
    const int promoted = 調査_駒成(move.from, move.to, code);
    if (promoted == EMPTY) return score_placed(captured, move);
    if (!移動後チェック(move.to.y, code)) {
      move.final_code = promoted;
      return score_placed(captured, move);
    }
    Tenths score = score_placed(captured, move);
    const Candidate promoting{move.from, move.to, code, promoted};
    const Tenths promoted_score = score_placed(captured, promoting);
    if (promoted_score > score) {
      score = promoted_score;
      move.final_code = promoted;
    }
    // A pawn, bishop or rook gives nothing up by promoting.
    if (code == +HU || code == +KAKU || code == +SYA) move.final_code = promoted;
    return score;
  }

  void drops() {
    for (int i = 1; i <= 18; ++i) {
      if (options_.next_line) options_.next_line();
      if (p_.hand_enemy[i] <= 0) continue;
      const int code = HAND_KINDS[i];
      const Cell slot = enemy_hand_slot(i);
      for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty) {
          if (!移動チェック(p_, slot, {tx, ty}, code)) continue;
          com_.com_move_code = code;
          const Candidate drop{Cell{}, {tx, ty}, code, code, i};
          Tenths score = 0;
          {
            TrialSquares trial(p_.board);
            trial.place(tx, ty, code);
            score = score_placed(EMPTY, drop);
          }
          if (score <= com_.com_best_score) continue;
          keep(score, drop);
          if (com_.com_best_score >= SCORE_MATE) return;
        }
    }
  }

  // Surveys the position with the move's final code on its destination and
  // scores it.
  Tenths score_placed(int captured, const Candidate& move) {
    p_.board(move.to.x, move.to.y) = move.final_code;
    勢力調査(p_, maps_);
    const Cell source = move.named_source();
    const Tenths score = evaluate(captured, move.final_code, source.x, source.y, move.to.x, move.to.y);
    if (options_.scores) options_.scores->push_back({move, score});
    return score;
  }

  // The evaluation names a drop's source by the hand column and the hand
  // index, as the traces do.
  Tenths evaluate(int captured, int code, int sx, int sy, int tx, int ty) {
    if (options_.trace && options_.trace->source == Cell{sx, sy} && options_.trace->to == Cell{tx, ty}) {
      SearchTrace::Evaluation& ev = options_.trace->evaluations.emplace_back();
      ev.code = code;
      ev.score = 盤評価(p_, maps_, com_, captured, code, sx, sy, tx, ty, &ev.terms);
      return ev.score;
    }
    return 盤評価(p_, maps_, com_, captured, code, sx, sy, tx, ty);
  }

  void keep(Tenths score, const Candidate& c) {
    com_.com_best_score = score;
    best_ = c;
    found_ = true;
  }

  Position& p_;
  InfluenceMaps& maps_;
  ComAnalysis& com_;
  const SearchOptions& options_;
  bool drops_allowed_ = false;
  bool found_ = false;
  Candidate best_;
};

}  // namespace

std::optional<Candidate> search_candidates(Position& pos, InfluenceMaps& maps, ComAnalysis& com,
                                           const SearchOptions& options) {
  return Search(pos, maps, com, options).run();
}

}  // namespace velmora
