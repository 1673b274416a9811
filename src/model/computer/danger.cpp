#include "computer/danger.h"

#include <algorithm>
#include <cstdlib>

#include "computer/probes.h"
#include "rules/hand_index.h"
#include "rules/move_check.h"

namespace velmora {
namespace {

// The board after the candidate, seen from the computer's side.
class DangerScan {
 public:
  DangerScan(Position& pos, const InfluenceMaps& maps, const ComAnalysis& com, int code, int dx, int dy,
             EvalTrace* trace)
      : p_(pos),
        b_(pos.board),
        m_(maps),
        com_(com),
        code_(code),
        dx_(dx),
        dy_(dy),
        person_holds_pieces_(pos.hand_own_total() > 0),
        s_(trace) {}

  Tenths run() {
    for (int c = 1; c <= 9; ++c)
      for (int r = 1; r <= 9; ++r) {
        const int v = b_(c, r);
        if (v == EMPTY) {
          empty_square(c, r);
        } else if (v > 0) {
          computer_piece(c, r, v);
        } else {
          person_piece(c, r, v);
        }
      }
    if (fork_count_ > 1) s_.add(points(fork_minimum_), Term::DangerForkOfTwoOrMoreCheaperPiece);
    return s_.total();
  }

 private:
  int o(int x, int y) const { return m_.own_influence.at(x, y); }
  int e(int x, int y) const { return m_.enemy_influence.at(x, y); }
  bool near_computer_king(int c, int r, int reach) const {
    return std::abs(c - m_.enemy_king_x) < reach && std::abs(r - m_.enemy_king_y) < reach;
  }
  bool person_holds_bishop_or_queen() const { return p_.hand_own[HAND_BISH] > 0 || p_.hand_own[HAND_QEEN] > 0; }

  void empty_square(int c, int r) {
    if (o(c, r) > 0) attacked_empty_square(c, r);
    if (person_holds_pieces_) drop_threats(c, r);
  }

  void attacked_empty_square(int c, int r) {
    if (near_computer_king(c, r, 2)) {
      s_.add(-5 * o(c, r), Term::DangerAttackedSquareNextToTheKing, c, r);
      if (e(c, r) == 1 && o(c, r) > 1) s_.add(points(-10), Term::DangerKingSquareOutnumbered, c, r);
      if (person_holds_bishop_or_queen()) s_.add(points(-10), Term::DangerKingSquareBishopOrQueenInHand, c, r);
    }
    if (e(c, r) == 0 && r < 4) {
      s_.add(-1, Term::DangerUnguardedSquareInTheCamp, c, r);
      if (調査_自守駒MAN_直進駒(p_, c, r)) s_.add(points(-10), Term::DangerCampSquareUnderAStraightLine, c, r);
    }
    if (r < 4 && b_.at(c, r + 1) == -HU && o(c, r) >= e(c, r)) {
      s_.add(points(-30), Term::DangerPawnAboutToEnterTheCamp, c, r);
      if (調査_自守駒MAN_直進駒(p_, c, r + 1)) s_.add(points(-70), Term::DangerEnteringPawnBackedByAStraightLine, c, r);
    }
  }

  void drop_threats(int c, int r) {
    if (p_.hand_own[HAND_ROOK] > 0 && r > 2 && is_enemy_above(b_.at(c, r - 1), KYOU) && (o(c, r) > 0 || e(c, r) == 0)) {
      for (int q = r - 2; q >= 1; --q) {
        const int p = b_(c, q);
        if (p == EMPTY) continue;
        if (is_enemy_above(p, KYOU)) s_.add(points(-100) - 5 * p, Term::DangerRookDropSkewersTwoPieces, c, r);
        break;
      }
    }
    if (p_.hand_own[HAND_KNIG] > 0 &&
        (e(c, r) == 0 || (o(c, r) > 0 && is_enemy_above(m_.enemy_attacker_code(c, r), KEI))) && r > 2 && c > 1 &&
        c < 9 && is_enemy_above(b_(c - 1, r - 2), HU) && is_enemy_above(b_(c + 1, r - 2), HU))
      s_.add(points(-20), Term::DangerKnightDropForksTwoPieces, c, r);
    if (person_holds_bishop_or_queen() && e(c, r) <= 1) {
      const int crowd = 調査_周辺状況(p_, c, r);
      if (crowd < -1) s_.add(points(-5), Term::DangerBishopOrQueenDropAmongBigPieces, c, r);
      if (e(c, r) == 0 && crowd < 0) {
        s_.add(points(-1), Term::DangerBishopOrQueenDropNextToABigPiece, c, r);
        if (r < 4) s_.add(points(-10), Term::DangerBishopOrQueenDropInTheCamp, c, r);
      }
    }
    if (e(c, r) == 0) unguarded_empty_square(c, r);
  }

  void unguarded_empty_square(int c, int r) {
    if (r == 2 && b_(c, 1) == +KEI) s_.add(points(-5), Term::DangerHoleInFrontOfTheKnight, c, r);
    if (r < 4) s_.add(-1, Term::DangerUnguardedEmptySquareInTheCamp, c, r);
    if (p_.hand_own[HAND_BISH] > 0 && c > 1 && c < 9 && r >= 2 && r <= 8) {
      if (unguarded_computer_piece(c - 1, r - 1) && unguarded_computer_piece(c + 1, r + 1))
        s_.add(points(-20), Term::DangerChessBishopDropForksADiagonal, c, r);
      if (unguarded_computer_piece(c - 1, r + 1) && unguarded_computer_piece(c + 1, r - 1))
        s_.add(points(-20), Term::DangerChessBishopDropForksAnAntidiagonal, c, r);
    }
  }
  bool unguarded_computer_piece(int x, int y) const { return is_enemy_piece(b_(x, y)) && e(x, y) == 0; }

  void computer_piece(int c, int r, int v) {
    if (v == +OU && r == 1 && o(c, 2) > 0) {
      s_.add(points(-50), Term::DangerKingOnTheBackRowSquareInFrontAttacked, c, r);
      if (o(c, 2) >= e(c, 2)) s_.add(points(-250), Term::DangerKingOnTheBackRowFrontNotHeld, c, r);
      if (person_holds_bishop_or_queen()) s_.add(points(-700), Term::DangerKingOnTheBackRowBishopOrQueenInHand, c, r);
    }
    if (v == +HU && m_.own_attacker_code(c, r) == -SYA && p_.hand_own[HAND_PORN] > 0 && o(c, r) >= e(c, r) && r < 9 &&
        e(c, r + 1) == 1)
      s_.add(points(-5), Term::DangerPawnBeforeARook, c, r);
    if (o(c, r) > 0) attacked_computer_piece(c, r, v);
  }

  void attacked_computer_piece(int c, int r, int v) {
    const int a = m_.own_attacker_code(c, r);
    const int worth = std::abs(a);
    const bool attacker_free = com_.own_pinned.at(m_.own_attacker_x(c, r), m_.own_attacker_y(c, r)) == 0;
    if (m_.enemy_defender_code(c, r) == +OU && (v > worth || o(c, r) > 1))
      s_.add(points(-100), Term::DangerPieceGuardedOnlyByTheKing, c, r);
    if (attacker_free && v > worth) s_.add(points(worth - v), Term::DangerCheaperAttacker, c, r);
    if (e(c, r) == 0) {
      s_.add(points(-v), Term::DangerHangingPiece, c, r);
      if (r <= 3) s_.add(points(-10), Term::DangerHangingPieceInTheCamp, c, r);
      const int before = com_.board_before_com(c, r);
      if (is_own_piece(before)) s_.add(points(std::abs(before)), Term::DangerHangingPieceJustCapturedThere, c, r);
      if (r < 4 && (a == -HU || a == -KYOU)) s_.add(points(-20), Term::DangerCampPieceHitByPawnOrLance, c, r);
      return;
    }
    if (!attacker_free) return;
    if (o(c, r) > e(c, r) && m_.enemy_defender_code(c, r) >= worth)
      s_.add(points(-v), Term::DangerOutnumberedPiece, c, r);
    if (r <= 3 && e(c, r) == o(c, r) && b_.at(c, r + 1) != EMPTY && 調査_自守駒MAN_直進駒(p_, c, r + 1))
      s_.add(points(-v - std::abs(m_.own_attacker_code.at(c, r + 1))), Term::DangerCampPieceUnderAStraightLine, c, r);
  }

  void person_piece(int c, int r, int v) {
    if (e(c, r) > 0 && com_.enemy_influence_before(c, r) == 0) {
      const int above = b_.at(c, r - 1);
      if (r > 2 && v == -KEI && o(c, r - 1) == 0 && (above == +GIN || above == +SYA_N || above == +KAKU_N))
        s_.add(points(1), Term::DangerKnightNewlyAttacked, c, r);
      if (near_computer_king(c, r, 3)) s_.add(points(15), Term::DangerPieceNearTheKingNewlyAttacked, c, r);
    }
    if (v == -KEI && r > 4 && is_enemy_at_least(b_(c, r - 4), GIN)) {
      for (int jx : {c - 1, c + 1})
        if (jx >= 1 && jx <= 9 && b_(jx, r - 2) >= 0 && e(jx, r - 2) == 0)
          s_.add(points(-1), Term::DangerKnightJumpFree, c, r);
    } else if ((v == -SYA || v == -SYA_N || v == -KYOU) && c == m_.enemy_king_x) {
      s_.add(points(-1), Term::DangerStraightPieceOnTheKingsColumn, c, r);
    }
    const bool own_king = c == m_.own_king_x && r == m_.own_king_y;
    if (o(dx_, dy_) == 0 && (o(c, r) == 0 || own_king) && 移動チェック(p_, {dx_, dy_}, {c, r}, code_)) {
      s_.add(1, Term::DangerCandidateThreatensAPiece, c, r);
      ++fork_count_;
      fork_minimum_ = std::min(fork_minimum_, std::abs(v));
    }
  }

  Position& p_;
  const Board& b_;
  const InfluenceMaps& m_;
  const ComAnalysis& com_;
  int code_, dx_, dy_;
  bool person_holds_pieces_;  // the hand does not change while the board is scanned
  ScoreSheet s_;
  int fork_count_ = 0;
  int fork_minimum_ = 9999;
};

}  // namespace

Tenths 盤評価_COM危険座標(Position& pos, const InfluenceMaps& maps, const ComAnalysis& com, int code, int dx, int dy,
                          EvalTrace* trace) {
  return DangerScan(pos, maps, com, code, dx, dy, trace).run();
}

int 盤評価_自角注意_COM(const Position& pos, const ComAnalysis& com, int dx, int dy, int code) {
  for (int c = 1; c <= 9; ++c)
    for (int r = 1; r <= 9; ++r) {
      if (com.bishop_threat_mark(c, r) != 1) continue;
      if (!移動チェック(pos, {dx, dy}, {c, r}, -KAKU) && !移動チェック(pos, {dx, dy}, {c, r}, -KAKU_N)) continue;
      // The first such square decides: can a person's bishop get there?
      for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
          const int p = pos.board(x, y);
          if ((p == -KAKU || p == -KAKU_N) && 移動チェック(pos, {x, y}, {c, r}, p)) return code;
        }
      const Cell bishop_slot = own_hand_slot(HAND_KAKU);
      if (pos.hand_own[HAND_KAKU] > 0 && 移動チェック(pos, bishop_slot, {c, r}, -KAKU)) return code;
      return 0;
    }
  return 0;
}

}  // namespace velmora
