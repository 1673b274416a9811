#include "fit_chances.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "engine/search.h"
#include "review/game_review.h"

namespace velmora {
namespace {

// Scores this close to a taken king mean one can be taken by force.
constexpr int FORCED_WIN_MARGIN = 1000;
constexpr double LEAST_SCALE = 10, LARGEST_SCALE = 10000;
constexpr int GOLDEN_STEPS = 80;

}  // namespace

std::vector<ScoreOutcome> score_outcomes(const std::vector<ScoredGame>& games) {
  std::vector<ScoreOutcome> samples;
  for (const ScoredGame& game : games)
    for (const ScoredGame::Score& s : game.scores) {
      if (std::abs(s.score) >= SCORE_WIN - FORCED_WIN_MARGIN) continue;
      const double result = game.winner == 0 ? 0.5 : game.winner == s.side ? 1.0 : 0.0;
      samples.push_back({s.score, result});
    }
  return samples;
}

double log_loss(const std::vector<ScoreOutcome>& samples, double scale) {
  if (samples.empty()) return 0;
  double loss = 0;
  for (const ScoreOutcome& s : samples) {
    // log(1 + e^-x) without overflow: the log of the chances is -log1p(e^-x).
    const double x = s.score / scale;
    const double log_p = x >= 0 ? -std::log1p(std::exp(-x)) : x - std::log1p(std::exp(x));
    const double log_q = log_p - x;  // log(1 - p)
    loss -= s.result * log_p + (1 - s.result) * log_q;
  }
  return loss / static_cast<double>(samples.size());
}

double fit_chances_scale(const std::vector<ScoreOutcome>& samples) {
  if (samples.empty()) return 0;
  // A golden-section search on the logarithm of the scale: the log loss has a
  // single minimum along it.
  const double ratio = (std::sqrt(5.0) - 1) / 2;
  double low = std::log(LEAST_SCALE), high = std::log(LARGEST_SCALE);
  auto loss_at = [&](double log_scale) { return log_loss(samples, std::exp(log_scale)); };
  for (int step = 0; step < GOLDEN_STEPS; ++step) {
    const double a = high - ratio * (high - low), b = low + ratio * (high - low);
    if (loss_at(a) < loss_at(b)) {
      high = b;
    } else {
      low = a;
    }
  }
  return std::exp((low + high) / 2);
}

bool run_chances_fit(MatchOptions options, std::ostream& out, std::ostream& report) {
  std::vector<ScoredGame> games;
  options.scored = &games;
  std::ostringstream match_lines;
  if (!run_match(options, match_lines, report)) return false;
  out << match_lines.str();
  const std::vector<ScoreOutcome> samples = score_outcomes(games);
  const double scale = fit_chances_scale(samples);
  char line[240];
  std::snprintf(line, sizeof line,
                "chances fit: %zu scores from %zu games at %d ms a move; scale %.0f (log loss %.4f; %.4f at the "
                "scale in use, %.0f)\n",
                samples.size(), games.size(), options.movetime_ms, scale, log_loss(samples, scale),
                log_loss(samples, CHANCES_SCALE), CHANCES_SCALE);
  out << line;
  return true;
}

}  // namespace velmora
