#include "synth.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>

namespace make_sounds {
namespace {

constexpr double TWO_PI = 2 * std::numbers::pi;
constexpr double END_FADE = 0.01;  // seconds

void put_le(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

int samples_in(double seconds) { return static_cast<int>(std::lround(seconds * RATE)); }

double midi_pitch(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

void add_struck(Signal& signal, int at, const std::vector<Partial>& partials, double attack, double length, bool wrap) {
  const int count = samples_in(length);
  const int size = static_cast<int>(signal.size());
  for (int i = 0; i < count; ++i) {
    int index = at + i;
    if (index >= size) {
      if (!wrap) break;
      index %= size;
    }
    const double t = static_cast<double>(i) / RATE;
    const double ramp = attack > 0 ? std::min(t / attack, 1.0) : 1.0;
    const double tail = std::min((length - t) / END_FADE, 1.0);
    double value = 0;
    for (const Partial& p : partials) value += p.amplitude * std::exp(-t / p.decay) * std::sin(TWO_PI * p.pitch * t);
    signal[index] += value * ramp * tail;
  }
}

double Noise::next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_ / 2147483647.5 - 1.0;
}

double BandPass::step(double in, double centre) {
  const double w = TWO_PI * centre / RATE;
  const double alpha = std::sin(w) / (2 * q_);
  const double a0 = 1 + alpha;
  const double out = (alpha * in - alpha * x2_ + 2 * std::cos(w) * y1_ - (1 - alpha) * y2_) / a0;
  x2_ = x1_;
  x1_ = in;
  y2_ = y1_;
  y1_ = out;
  return out;
}

LowPass::LowPass(double cutoff) : a_(1 - std::exp(-TWO_PI * cutoff / RATE)) {}

double LowPass::step(double in) {
  y_ += a_ * (in - y_);
  return y_;
}

void normalize(Signal& signal, double peak) {
  double largest = 0;
  for (double v : signal) largest = std::max(largest, std::fabs(v));
  if (largest == 0) return;
  for (double& v : signal) v *= peak / largest;
}

bool write_wave(const std::string& path, const Signal& signal) {
  constexpr int channels = 1, bytes_per_sample = 2;
  const auto data_size = static_cast<std::uint32_t>(signal.size() * bytes_per_sample);
  std::string out = "RIFF";
  put_le(out, 36 + data_size, 4);
  out += "WAVEfmt ";
  put_le(out, 16, 4);  // size of the format chunk
  put_le(out, 1, 2);   // PCM
  put_le(out, channels, 2);
  put_le(out, RATE, 4);
  put_le(out, RATE * channels * bytes_per_sample, 4);
  put_le(out, channels * bytes_per_sample, 2);
  put_le(out, 8 * bytes_per_sample, 2);
  out += "data";
  put_le(out, data_size, 4);
  for (double v : signal) {
    const long sample = std::lround(std::clamp(v, -1.0, 1.0) * 32767);
    put_le(out, static_cast<std::uint32_t>(sample), 2);
  }
  std::ofstream file(path, std::ios::binary);
  file.write(out.data(), static_cast<std::streamsize>(out.size()));
  return static_cast<bool>(file.flush());
}

}  // namespace make_sounds
