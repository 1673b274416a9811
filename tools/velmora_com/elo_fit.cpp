#include "elo_fit.h"

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

const double ELO_SCALE = std::log(10.0) / 400.0;  // the logistic curve's slope per Elo
constexpr int NEWTON_STEPS = 100;
constexpr double Z95 = 1.959964;

double expected_score(double elo_difference) { return 1.0 / (1.0 + std::exp(-ELO_SCALE * elo_difference)); }

using Matrix = std::vector<std::vector<double>>;

// The inverse of a small positive-definite matrix (Gauss-Jordan with the
// largest pivot of each column).
Matrix inverse(Matrix a) {
  const std::size_t n = a.size();
  Matrix inv(n, std::vector<double>(n, 0.0));
  for (std::size_t i = 0; i < n; ++i) inv[i][i] = 1;
  for (std::size_t col = 0; col < n; ++col) {
    std::size_t pivot = col;
    for (std::size_t r = col + 1; r < n; ++r)
      if (std::abs(a[r][col]) > std::abs(a[pivot][col])) pivot = r;
    std::swap(a[col], a[pivot]);
    std::swap(inv[col], inv[pivot]);
    const double d = a[col][col];
    if (d == 0) continue;
    for (std::size_t k = 0; k < n; ++k) a[col][k] /= d, inv[col][k] /= d;
    for (std::size_t r = 0; r < n; ++r) {
      if (r == col || a[r][col] == 0) continue;
      const double f = a[r][col];
      for (std::size_t k = 0; k < n; ++k) a[r][k] -= f * a[col][k], inv[r][k] -= f * inv[col][k];
    }
  }
  return inv;
}

// The information (minus the likelihood's second derivatives) and the
// gradient at `elo`, for the players after the first.
void curvature(const std::vector<double>& elo, const std::vector<PairResult>& pairs, Matrix& info,
               std::vector<double>& gradient) {
  const std::size_t free = elo.size() - 1;
  info.assign(free, std::vector<double>(free, 0.0));
  gradient.assign(free, 0.0);
  for (const PairResult& r : pairs) {
    const double games = r.wins + r.draws + r.losses + 1.0;  // and the drawn game every pair counts
    const double points = r.wins + 0.5 * r.draws + 0.5;
    const double p = expected_score(elo[r.first] - elo[r.second]);
    const double g = ELO_SCALE * (points - games * p);
    const double h = ELO_SCALE * ELO_SCALE * games * p * (1 - p);
    const int a = r.first - 1, b = r.second - 1;  // -1: the first player, held at 0
    if (a >= 0) gradient[a] += g, info[a][a] += h;
    if (b >= 0) gradient[b] -= g, info[b][b] += h;
    if (a >= 0 && b >= 0) info[a][b] -= h, info[b][a] -= h;
  }
  for (std::size_t i = 0; i < free; ++i)
    if (info[i][i] == 0) info[i][i] = 1;  // a player no game links: it stays where it is
}

// The points of a pair's outcome and the probabilities that, for the
// observed frequencies, are the most likely ones with the expected score `s`.
std::array<double, 5> likeliest_with_mean(const std::array<double, 5>& observed, double s) {
  std::array<double, 5> v{};
  for (int i = 0; i < 5; ++i) v[i] = i / 4.0 - s;
  // The multiplier lambda solves sum observed * v / (1 + lambda v) = 0; it
  // lies where every 1 + lambda v stays positive.
  double low = -1.0 / v[4], high = -1.0 / v[0];
  const auto f = [&](double lambda) {
    double sum = 0;
    for (int i = 0; i < 5; ++i) sum += observed[i] * v[i] / (1 + lambda * v[i]);
    return sum;
  };
  for (int step = 0; step < 200; ++step) {
    const double mid = 0.5 * (low + high);
    (f(mid) > 0 ? low : high) = mid;
  }
  const double lambda = 0.5 * (low + high);
  std::array<double, 5> p{};
  for (int i = 0; i < 5; ++i) p[i] = observed[i] / (1 + lambda * v[i]);
  return p;
}

}  // namespace

std::vector<FittedElo> fit_ladder(int players, const std::vector<PairResult>& pairs) {
  std::vector<double> elo(players, 0.0);
  Matrix info;
  std::vector<double> gradient;
  for (int step = 0; step < NEWTON_STEPS && players > 1; ++step) {
    curvature(elo, pairs, info, gradient);
    const Matrix cov = inverse(info);
    double largest = 0;
    for (int i = 1; i < players; ++i) {
      double change = 0;
      for (int k = 1; k < players; ++k) change += cov[i - 1][k - 1] * gradient[k - 1];
      elo[i] += std::clamp(change, -400.0, 400.0);
      largest = std::max(largest, std::abs(change));
    }
    if (largest < 1e-9) break;
  }
  std::vector<FittedElo> fitted(players);
  if (players > 1) {
    curvature(elo, pairs, info, gradient);
    const Matrix cov = inverse(info);
    for (int i = 1; i < players; ++i) fitted[i] = {elo[i], Z95 * std::sqrt(cov[i - 1][i - 1])};
  }
  return fitted;
}

double SequentialTest::llr() const {
  int n = 0;
  for (const int count : pairs) n += count;
  if (n == 0) return 0;
  std::array<double, 5> observed{};
  double total = 0;
  for (int i = 0; i < 5; ++i) total += observed[i] = std::max(static_cast<double>(pairs[i]), 1e-3);
  for (double& o : observed) o /= total;
  const std::array<double, 5> p0 = likeliest_with_mean(observed, expected_score(elo0));
  const std::array<double, 5> p1 = likeliest_with_mean(observed, expected_score(elo1));
  double sum = 0;
  for (int i = 0; i < 5; ++i) sum += observed[i] * std::log(p1[i] / p0[i]);
  return n * sum;
}

double SequentialTest::lower_bound() { return std::log(BETA / (1 - ALPHA)); }
double SequentialTest::upper_bound() { return std::log((1 - BETA) / ALPHA); }

}  // namespace velmora
