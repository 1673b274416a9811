// Fitting the curve that turns level 4's scores into winning chances: level 4
// plays itself, and the scale of the logistic curve is the one under which the
// scores it gave during the games best foretell how the games ended.
#pragma once

#include <ostream>
#include <vector>

#include "match.h"

namespace velmora {

// One score for the side to move and how the game ended for that side: 1 won,
// 0.5 drawn, 0 lost.
struct ScoreOutcome {
  int score = 0;
  double result = 0;
};

// The scores of the games as samples; scores of a king taken by force are
// left out, every curve gives them the same chances.
std::vector<ScoreOutcome> score_outcomes(const std::vector<ScoredGame>& games);

// The scale s of 1 / (1 + e^(-score / s)) that maximises the likelihood of
// the results (searched between 10 and 10000); 0 without samples.
double fit_chances_scale(const std::vector<ScoreOutcome>& samples);

// The average log loss of the samples under a scale.
double log_loss(const std::vector<ScoreOutcome>& samples, double scale);

// Plays the match of `options` (level 4 against itself), fits the scale and
// prints it with the numbers it came from on `out`. False when the match
// failed.
bool run_chances_fit(MatchOptions options, std::ostream& out, std::ostream& report);

}  // namespace velmora
