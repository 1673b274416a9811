// Strengths measured from games: one Elo number for each player of a ladder,
// fitted to the results of the pairs that played, and the sequential test of
// a match.
#pragma once

#include <array>
#include <vector>

namespace velmora {

// The games of two players (by their place in the ladder) and how they went
// for the first.
struct PairResult {
  int first = 0, second = 0;
  int wins = 0, draws = 0, losses = 0;
};

struct FittedElo {
  double elo = 0;
  double margin = 0;  // half the 95 % interval; 0 for the first player, which all others are measured from
};

// The Elo of every one of `players` (the first at 0) under which the results
// are most likely (Bradley-Terry with the logistic Elo curve, a draw half a
// win), with 95 % intervals from the curvature of the likelihood. Each pair
// counts one drawn game more than it played, so that a pair won every time
// still gives a finite number. A player no pair links to the first stays at 0.
std::vector<FittedElo> fit_ladder(int players, const std::vector<PairResult>& pairs);

// The sequential probability ratio test of a match played in pairs of games
// with the armies swapped: the pentanomial model (a pair scores 0, 1/4, 1/2,
// 3/4 or 1), the generalised log-likelihood ratio of "A is ELO1 better"
// against "A is ELO0 better" on the logistic Elo scale, every outcome
// counted at least 1/1000 of a pair.
struct SequentialTest {
  double elo0 = 0, elo1 = 5;
  static constexpr double ALPHA = 0.05, BETA = 0.05;
  std::array<int, 5> pairs{};  // by the pair's points for A, in half points: 0..4

  double llr() const;
  static double lower_bound();  // ln(beta / (1 - alpha)): H0 is accepted at or below it
  static double upper_bound();  // ln((1 - beta) / alpha): H1 is accepted at or above it
};

}  // namespace velmora
