#include "computer/evaluation.h"

#include <algorithm>
#include <cstdlib>

#include "computer/danger.h"
#include "computer/probes.h"
#include "influence/mate.h"
#include "rules/hand_index.h"
#include "rules/move_check.h"

namespace velmora {
namespace {

// One evaluation: the candidate, the position after it and the running score.
// Every method that may end the evaluation early returns true when it does.
class Evaluation {
 public:
  Evaluation(Position& pos, const InfluenceMaps& maps, const ComAnalysis& com, int captured, int code, int sx, int sy,
             int dx, int dy, EvalTrace* trace)
      : p_(pos),
        b_(pos.board),
        m_(maps),
        com_(com),
        captured_(captured),
        code_(code),
        sx_(sx),
        sy_(sy),
        dx_(dx),
        dy_(dy),
        kx_(maps.own_king_x),
        ky_(maps.own_king_y),
        s_(trace) {}

  Tenths run() {
    if (basic_terms()) return s_.total();
    if (com_.com_level < 2) return s_.total();
    safety_terms();
    if (com_.com_level < 3) return s_.total();
    kind_terms();
    return s_.total();
  }

 private:
  // --- reading the position ---
  int board(int x, int y) const { return b_.at(x, y); }
  int o(int x, int y) const { return m_.own_influence.at(x, y); }
  int e(int x, int y) const { return m_.enemy_influence.at(x, y); }
  int o_dst() const { return o(dx_, dy_); }
  int e_dst() const { return e(dx_, dy_); }
  int attacker_dst() const { return m_.own_attacker_code.at(dx_, dy_); }
  int defender_dst() const { return m_.enemy_defender_code.at(dx_, dy_); }
  bool is_drop() const { return sx_ < 0; }
  bool dst_is(int x, int y) const { return dx_ == x && dy_ == y; }
  bool gives_check() const { return e(kx_, ky_) > 0; }
  bool near_person_king(int reach) const { return std::abs(kx_ - dx_) < reach && std::abs(ky_ - dy_) < reach; }
  bool lined_up_with_person_king(int reach) const { return (dx_ == kx_ || dy_ == ky_) && near_person_king(reach); }
  // Not attacked, or attacked by the person's OU alone while guarded.
  bool safe_but_for_the_king() const { return o_dst() == 0 || (attacker_dst() == -OU && e_dst() > 0); }
  bool ends(Tenths amount, Term term) {
    s_.add(amount, term);
    return true;
  }

  // --- stage 0: kings, check and mate, drop and promotion, danger scan ---
  bool basic_terms() {
    if (is_own_king(captured_)) return ends(SCORE_KING_CAPTURED, Term::KingCaptured);
    if (o(m_.enemy_king_x, m_.enemy_king_y) >= 1) return ends(-SCORE_MATE, Term::OwnKingLeftAttacked);
    if (gives_check() && check_terms()) return true;
    if (is_drop()) {
      s_.add(points(-5), Term::Drop);
    } else if (code_ > com_.com_move_code) {
      s_.add(points(10), Term::Promotion);
    }
    s_.add(盤評価_COM危険座標(p_, m_, com_, code_, dx_, dy_, s_.trace()), Term::DangerScanTotal);
    return false;
  }

  bool check_terms() {
    if (詰めかMAN(p_, m_)) return code_ == +HU ? ends(-SCORE_MATE, Term::PawnMate) : ends(SCORE_MATE, Term::Mate);
    if (attacker_dst() == -OU && e_dst() > 0) s_.add(points(100), Term::CheckOnlyTheKingAttacksTheChecker);
    if (defender_dst() == +SYA_N && o_dst() <= 2 && dx_ != kx_ && dy_ != ky_ && near_person_king(2) &&
        (m_.enemy_defender_y.at(dx_, dy_) == ky_ || m_.enemy_defender_x.at(dx_, dy_) == kx_))
      s_.add(points(900), Term::CheckDiagonalContactBackedByADragon);
    if (o_dst() == 0) s_.add(points(10), Term::CheckCheckerNotAttacked);
    return false;
  }

  // --- stage 1: approach, pins, safety, exchanges, captures ---
  void safety_terms() {
    approach();
    pinned_attacker();
    moved_piece_safety();
    if (board(dx_, 9) == -KYOU && (dx_ == 1 || dx_ == 9) && code_ != +KYOU && code_ != +SYA && code_ != +SYA_N &&
        dx_ != sx_)
      s_.add(-1, Term::EdgeColumnWithALanceAtHome);
    if (captured_ != EMPTY) capture();
  }

  void approach() {
    const int d_col = std::abs(kx_ - dx_), d_row = std::abs(ky_ - dy_);
    if (d_col > d_row) {
      if (com_.king_distance_before > d_col) s_.add(points(1), Term::ApproachByColumn);
    } else if (com_.king_distance_before > d_row) {
      s_.add(1, Term::ApproachByRow);
    }
  }

  void pinned_attacker() {
    const int ax = m_.own_attacker_x.at(dx_, dy_), ay = m_.own_attacker_y.at(dx_, dy_);
    if (o(ax, ay) <= 0 || com_.own_pinned.at(ax, ay) != 1) return;
    const bool attacked_once = o_dst() == 1 || (o_dst() == 2 && e(kx_, ky_) > 0 && e_dst() > 0);
    const bool on_pin_line = (ax == kx_ && dx_ != kx_) || (ay == ky_ && dy_ != ky_) ||
                             ((dx_ == kx_ || dy_ == ky_) && ax != kx_ && ay != ky_);
    if (!attacked_once || !on_pin_line || !移動チェック(p_, {dx_, dy_}, {ax, ay}, com_.com_move_code)) return;
    if (!is_drop()) {
      // No bonus when the computer piece that attacked the pinned piece
      // before the move is the one that moved away.
      const int bx = com_.enemy_attacker_x_before.at(ax, ay), by = com_.enemy_attacker_y_before.at(ax, ay);
      if ((bx != 0 || by != 0) && board(bx, by) == EMPTY) return;
    }
    s_.add(points(std::abs(board(ax, ay))), Term::PinnedAttackerCanBeTaken);
  }

  void moved_piece_safety() {
    if (o_dst() == 0) {
      if (code_ != +KAKU && code_ != +KAKU_N && code_ != +OU && code_ != +HU) {
        const int caution = 盤評価_自角注意_COM(p_, com_, dx_, dy_, code_);
        if (caution != 0) s_.add(points(-caution), Term::BishopForkCaution);
      }
      if ((is_enemy_piece(code_) && is_shogi_major_kind(kind_of(code_))) || code_ == +KYOU || near_person_king(3)) {
        const int escapes = 調査_自王逃道(p_, m_);
        if (escapes > com_.own_king_escapes_before)
          s_.add(points(com_.own_king_escapes_before - escapes), Term::PersonsKingGainsEscapes);
      }
    } else if (e_dst() > 0) {
      const int a = attacker_dst();
      if ((p_.hand_own[HAND_BISH] > 0 || p_.hand_own[HAND_QEEN] > 0) && dx_ > 1 && dx_ < 9 &&
          ((is_person_rook(board(dx_ - 1, dy_)) && board(dx_ + 1, dy_) == +OU) ||
           (is_person_rook(board(dx_ + 1, dy_)) && board(dx_ - 1, dy_) == +OU)))
        s_.add(points(-code_), Term::ScreeningTheKingFromARook);
      if (code_ > std::abs(a)) s_.add(points(std::abs(a) - code_), Term::ExchangeLosesTheDifference);
      if (is_own_king(a) && dy_ < ky_ && gives_check()) s_.add(points(code_), Term::CheckerAttackedByTheKingAlone);
    } else {
      s_.add(points(-code_), Term::MovedPieceHangs);
      if (is_drop()) s_.add(points(-code_ - 50), Term::DroppedPieceHangs);
    }
  }
  static bool is_person_rook(int p) { return p == -SYA || p == -SYA_N; }

  void capture() {
    const int value = std::abs(captured_);
    if (o_dst() > 0 && e_dst() > 0) {
      if (board(dx_, dy_) < std::abs(attacker_dst())) s_.add(points(value), Term::CaptureCheaperThanEveryAttacker);
    } else if (o_dst() > 0) {
      if (com_.own_influence_before.at(sx_, sy_) > 0 && 調査_移動可場所数(p_, m_, sx_, sy_, code_) == 0)
        s_.add(points(value), Term::CaptureByATrappedPiece);
    } else {
      s_.add(points(value), Term::SafeCapture);
      if (captured_ == -HU_N || captured_ == -KYOU_N || captured_ == -KEI_N)
        s_.add(points(50), Term::SafeCaptureOfAPromotedMinorPiece);
    }
  }

  // --- stage 2: terms of the moved kind ---
  void kind_terms() {
    switch (code_) {
      case +PORN: chess_pawn(); break;
      case +HU: pawn(); break;
      case +HU_N:
        if (e_dst() >= o_dst()) ends(points(1), Term::TokinHeld);
        break;
      case +KYOU: lance(); break;
      case +KEI: knight(); break;
      case +GIN: silver(); break;
      case +KIN: gold(); break;
      case +KAKU: bishop(); break;
      case +KAKU_N: crowd(Term::HorseBigPiecesAround); break;
      case +SYA: rook(); break;
      case +SYA_N: dragon(); break;
      case +OU: king(); break;
      default: break;
    }
  }

  void crowd(Term term) { s_.add(points(調査_周辺状況(p_, dx_, dy_)), term); }

  void chess_pawn() {
    if (dst_is(4, 3) || dst_is(6, 3)) s_.add(points(5), Term::ChessPawnToACentreSquare);
    if (sy_ == 2 && dy_ == 4 && (dx_ == 2 || dx_ == 9)) ends(points(2), Term::EdgeChessPawnDoubleStep);
  }

  void pawn() {
    if (p_.hand_enemy[HAND_KYOU] > 0) s_.add(points(調査_香狙い(p_, m_, dx_, dy_)), Term::PawnLanceDropAim);
    if (p_.hand_enemy[HAND_KEI] > 0) s_.add(points(調査_桂狙い(p_, m_, dx_, dy_)), Term::PawnKnightDropAim);
    if (dy_ < 9) {
      const int front = board(dx_, dy_ + 1);
      if (front == +KIN) {
        s_.add(5, Term::PawnGoldBehind);
      } else if (front == +SYA) {
        s_.add(points(-1), Term::PawnRookBehind);
      }
      if (is_own_above(front, HU) && 調査_移動可場所数(p_, m_, dx_, dy_ + 1, front) == 0)
        s_.add(points(std::abs(front)), Term::PawnAttacksAPieceWithNoEscape);
    }
    if (e_dst() > 0 && dx_ > 1 && dx_ < 9 && (board(dx_ + 1, dy_) == +SYA || board(dx_ - 1, dy_) == +SYA))
      s_.add(points(-1), Term::PawnNextToTheRook);
    if (is_drop()) {
      dropped_pawn();
    } else {
      pawn_move();
    }
  }

  void dropped_pawn() {
    if (e_dst() > 0 && dy_ > 1 && is_enemy_at_least(board(dx_, dy_ - 1), GIN) &&
        (p_.hand_own[HAND_PORN] > 0 || p_.hand_own[HAND_ROOK] > 0))
      s_.add(points(6), Term::PawnDropGuardsAPiece);
    if (board(2, 8) == -KAKU && dst_is(2, 7) && (o(2, 7) == 0 || e(2, 7) > 0))
      s_.add(points(30), Term::PawnDropBlocksTheBishop);
    const int ax = m_.own_attacker_x.at(dx_, dy_), ay = m_.own_attacker_y.at(dx_, dy_);
    if (com_.enemy_influence_before.at(ax, ay) > 0 && o(ax, ay) == 0) return;
    const int a = attacker_dst();
    if (e_dst() > 0 && ax == dx_ && (a == -KYOU || a == -SYA) && dy_ < ay)
      ends(points(120), Term::PawnDropStopsALanceOrRook);
  }

  void pawn_move() {
    s_.add(-1, Term::PawnMove);
    if (defender_dst() == +KIN || defender_dst() == +GIN) s_.add(6, Term::PawnMoveGuardedByGoldOrSilver);
    if (dy_ >= 8) return;
    if (defender_dst() == +KYOU) {
      s_.add(points(1), Term::PawnMoveBackedByALance);
    } else if (defender_dst() == +SYA && m_.enemy_defender_x.at(dx_, dy_) == dx_ && e_dst() >= o_dst() &&
               m_.enemy_defender_y.at(dx_, dy_) < dy_) {
      s_.add(points(2), Term::PawnMoveBackedByARook);
    }
    if (o(dx_, dy_ + 1) == 0 && is_own_at_least(board(dx_, dy_ + 2), KEI))
      s_.add(points(1), Term::PawnMoveAimsAtAPiece);
    if (dy_ < 7) pawn_beside_bishop();
    if (is_own_piece(captured_) && e(sx_, sy_) == 1) {
      if (dy_ > 2 && attacker_dst() == -KYOU && board(dx_, dy_ - 2) == +KAKU) {
        s_.add(points(-5), Term::PawnCaptureOpensTheLanceOntoTheBishop);
      } else {
        s_.add(points(5), Term::PawnCapture);
      }
      if (captured_ == -HU && (attacker_dst() == -KYOU || attacker_dst() == -SYA))
        s_.add(points(50), Term::PawnCapturePawnBeforeALanceOrRook);
    }
    if (is_own_piece(board(dx_, dy_ + 1))) pawn_against_piece();
  }

  void pawn_beside_bishop() {
    if (board(dx_, dy_ + 1) == -HU && o(dx_, dy_ + 1) > 0) s_.add(points(-5), Term::PawnMoveMeetsAGuardedPawn);
    if (dx_ < 9) bishop_beside_pawn(dx_ + 1);
    if (dx_ > 1) {
      if (dst_is(7, 4) && board(8, 2) == +KAKU && o_dst() == 0) s_.add(points(10), Term::PawnMoveOpensTheBishop);
      bishop_beside_pawn(dx_ - 1);
    }
  }

  // A computer bishop on column bx beside the pushed pawn, and the person's
  // pawn it then aims at.
  void bishop_beside_pawn(int bx) {
    if (board(bx, dy_) != +KAKU) return;
    s_.add(5, Term::PawnMoveBesideTheBishop);
    if (board(bx, dy_ + 2) == -HU) s_.add(points(5), Term::PawnMoveBishopAimsAtAPawn);
  }

  void pawn_against_piece() {
    if (e_dst() > o_dst()) {
      ends(points(1), Term::PawnMoveContactOutnumbering);
    } else if (board(dx_, dy_ + 1) == -HU) {
      ends(points(-5), Term::PawnMoveContactWithAPawn);
    } else if (e_dst() == 0) {
      ends(o_dst() == 0 ? points(1) : 0, Term::PawnMoveContactUnguarded);
    } else if (com_.enemy_influence_before.at(dx_, dy_ + 1) > 0 && com_.own_influence_before.at(dx_, dy_ + 1) == 0) {
      ends(points(-1), Term::PawnMoveContactWithAPieceThatHungAlready);
    } else if (e_dst() >= o_dst()) {
      ends(points(5), Term::PawnMoveContactHeld);
    }
  }

  void lance() {
    if (p_.hand_enemy[HAND_KEI] > 0) s_.add(points(調査_桂狙い(p_, m_, dx_, dy_)), Term::LanceKnightDropAim);
    if (is_drop()) {
      if (dy_ < 8) dropped_lance();
    } else if (captured_ == EMPTY) {
      ends(-9, Term::LanceMoveWithoutCapture);
    }
  }

  void dropped_lance() {
    if (p_.hand_own[HAND_HU] > 0 && o(dx_, dy_ + 1) > 0 && o_dst() == 0)
      s_.add(points(-10), Term::LanceDropCanBeBlocked);
    if (is_own_at_least(board(dx_, dy_ + 1), KYOU) && (o_dst() == 0 || e_dst() >= o_dst())) {
      for (int r = dy_ + 2; r <= 9; ++r) {
        const int p = b_(dx_, r);
        if (p == EMPTY) continue;
        if (移動チェック(p_, {dx_, dy_ + 1}, {dx_, r}, +KYOU) && is_own_above(p, KYOU))
          ends(points(std::abs(p)), Term::LanceDropSkewersThePieceBehind);
        break;
      }
    }
  }

  void knight() {
    s_.add(-1, Term::Knight);
    if (o(dx_, dy_ + 1) > 0) s_.add(points(-1), Term::KnightSquareInFrontAttacked);
    if (dy_ < 8 && dx_ > 1 && dx_ < 9) {
      if (o(dx_ - 1, dy_ + 2) > 0 && o(dx_ + 1, dy_ + 2) > 0) s_.add(points(-1), Term::KnightBothJumpsCovered);
      if (dst_is(7, 3) && board(8, 4) == +KAKU) ends(points(-5), Term::KnightBlocksTheBishop);
    }
  }

  void silver() {
    if (dy_ <= 1) return;
    if (dy_ > sy_ && dx_ == sx_) s_.add(-1, Term::SilverStraightForward);
    if (board(dx_, dy_ - 1) == +KEI) s_.add(-5, Term::SilverInFrontOfTheKnight);
    if (dst_is(7, 3) && board(8, 3) == +HU && board(8, 5) == -HU) ends(points(115), Term::SilverGuardsTheBishopFile);
  }

  void gold() {
    if (dy_ > sy_ && dx_ != sx_) s_.add(-5, Term::GoldDiagonalForward);
    if (dy_ == 4 && board(6, 4) == +KAKU && o(6, 4) > 0) {
      ends(points(-5), Term::GoldLeavesTheBishopAttacked);
      return;
    }
    if (dy_ != 2) return;
    if (board(8, 3) == +HU && board(8, 6) == -HU && dx_ == 7 && m_.own_defender_code(8, 6) == -SYA)
      s_.add(points(10), Term::GoldGuardsAgainstTheRook);
    if (p_.hand_own[HAND_HU] > 0 && com_.enemy_influence_before.at(dx_, dy_ + 1) == 0 &&
        is_enemy_piece(board(dx_, dy_ + 1))) {
      s_.add(points(2), Term::GoldGuardsAnUnguardedPiece);
      if (com_.enemy_influence_before.at(dx_, dy_ + 2) == 1 && board(dx_, dy_ + 2) == +KAKU)
        ends(points(125), Term::GoldGuardsTheBishopsGuard);
    }
  }

  void bishop() {
    crowd(Term::BishopBigPiecesAround);
    if (dy_ < 9) {
      if (dy_ == 3 && dx_ == 9 && board(9, 4) == +HU && board(9, 6) == -HU && board(9, 9) == -KYOU)
        s_.add(points(-10), Term::BishopEdgeBeforeALance);
      if (dy_ == 3 && dx_ == 7 && board(8, 5) == -HU && m_.own_defender_code(8, 5) == -SYA)
        s_.add(points(9), Term::BishopAimsAtARookGuardedPawn);
      if (o(dx_, dy_ + 1) > 0) {
        if (調査_移動可場所数(p_, m_, dx_, dy_, +KAKU) == 0) s_.add(points(-100), Term::BishopNoWayOut);
        if (dy_ < 8 && board(dx_, dy_ + 2) == -HU) s_.add(points(-1), Term::BishopPawnCanBePushedAtIt);
      }
    }
    if (sy_ != 3) return;
    if (sx_ == 9 && board(9, 4) == +HU && board(9, 6) == -HU && m_.own_defender_code(9, 6) == -KYOU) {
      ends(points(10), Term::BishopLeavesTheEdgeBeforeALance);
    } else if (sx_ == 7 && board(8, 5) == -HU && m_.own_defender_code(8, 5) == -SYA &&
               e(8, 4) < com_.enemy_influence_before.at(8, 4)) {
      ends(points(-10), Term::BishopGivesUpTheRookGuardedPawn);
    }
  }

  void rook() {
    crowd(Term::RookBigPiecesAround);
    if (is_drop()) {
      if (dy_ == 9 && board(dx_, 8) == -GIN && dx_ > 1 && dx_ < 9 &&
          ((board(dx_ - 1, 9) != EMPTY && board(dx_ + 1, 8) == -KIN) ||
           (board(dx_ + 1, 9) != EMPTY && board(dx_ - 1, 8) == -KIN)))
        ends(points(-1), Term::RookDropBehindSilverAndGold);
      return;
    }
    if (o_dst() == 0 && dst_is(3, 4) && board(3, 7) == -KAKU && board(3, 6) == -HU && board(3, 5) == EMPTY)
      s_.add(points(7), Term::RookBeforeTheBishopsPawn);
    if (dy_ < 8) {
      if (o(dx_, dy_ + 1) > 0) {
        s_.add(points(-1), Term::RookSquareInFrontAttacked);
        if (board(dx_, dy_ + 2) == -HU && dy_ == sy_) s_.add(points(-5), Term::RookSidewaysBeforeAPawn);
      }
      if (sy_ < 9 && board(8, sy_ + 1) == -HU && m_.own_defender_code(8, sy_ + 1) == -SYA) {
        if (e(8, sy_) < com_.enemy_influence_before.at(8, sy_)) s_.add(points(-11), Term::RookLeavesThePawnsSquare);
        if (board(7, sy_) == +HU && dy_ != sy_) s_.add(points(-11), Term::RookLeavesItsRow);
      }
      if (o(sx_, sy_) == 0 && sx_ == 2 && sy_ == 2 && dst_is(2, 3)) s_.add(points(-1), Term::RookEarlyStep);
    }
    if (safe_but_for_the_king()) {
      if (調査_移動可場所数(p_, m_, dx_, dy_, +SYA) <= 1) {
        ends(points(-35), Term::RookHemmedIn);
      } else if (lined_up_with_person_king(3)) {
        ends(points(100), Term::RookLinedUpWithTheKing);
      }
    }
  }

  void dragon() {
    crowd(Term::DragonBigPiecesAround);
    if (board(dx_, dy_ - 1) == -GIN && dx_ > 1 && dx_ < 9 &&
        ((board(dx_ - 1, dy_) != EMPTY && board(dx_ + 1, dy_ - 1) == -KIN) ||
         (board(dx_ + 1, dy_) != EMPTY && board(dx_ - 1, dy_ - 1) == -KIN)))
      s_.add(points(-10), Term::DragonUnderSilverAndGold);
    if (sy_ == 9 && board(sx_, 8) == -GIN)
      for (int gx : {sx_ - 1, sx_ + 1})
        if (gx >= 1 && gx <= 9 && board(gx, 8) == -KIN) s_.add(points(2), Term::DragonLeavesSilverAndGold);
    if (dy_ == 9 && is_own_piece(board(dx_, 8)) &&
        ((dx_ == 3 && is_own_piece(board(2, 9)) && board(4, 8) == -KIN) ||
         (dx_ == 7 && is_own_piece(board(8, 9)) && board(6, 8) == -KIN)))
      s_.add(points(-150), Term::DragonTrappedOnTheBackRow);
    if (safe_but_for_the_king() && lined_up_with_person_king(3)) ends(points(100), Term::DragonLinedUpWithTheKing);
  }

  void king() {
    if (com_.enemy_pinned_any == 1) s_.add(points(10), Term::KingStepsOffAPin);
    if (e_dst() > com_.enemy_influence_before.at(dx_, dy_)) s_.add(points(1), Term::KingBetterGuarded);
    if (調査_移動可場所数(p_, m_, dx_, dy_, +OU) < 2) ends(points(-20), Term::KingNoRoom);
  }

  Position& p_;
  const Board& b_;
  const InfluenceMaps& m_;
  const ComAnalysis& com_;
  int captured_, code_, sx_, sy_, dx_, dy_;
  int kx_, ky_;
  ScoreSheet s_;
};

}  // namespace

Tenths 盤評価(Position& pos, const InfluenceMaps& maps, const ComAnalysis& com, int captured, int code, int sx, int sy,
              int dx, int dy, EvalTrace* trace) {
  return Evaluation(pos, maps, com, captured, code, sx, sy, dx, dy, trace).run();
}

}  // namespace velmora
