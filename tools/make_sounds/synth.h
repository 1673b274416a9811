// Small building blocks for making the game's sounds: tones with envelopes,
// noise, filters, and a 16-bit mono PCM wave-file writer. Everything is
// deterministic, so the same program always writes the same bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace make_sounds {

inline constexpr int RATE = 22050;  // samples per second
using Signal = std::vector<double>;

int samples_in(double seconds);
double midi_pitch(int note);  // Hz; 69 is A4 = 440 Hz

// A partial of a struck or plucked sound: attack, then exponential decay.
struct Partial {
  double pitch = 0;      // Hz
  double amplitude = 0;  // of the sine, before the envelope
  double decay = 0;      // seconds for the level to fall to 1/e
};

// Adds the partials, starting at sample `at`. Samples past the end of
// `signal` wrap round to its start when `wrap` is set (a seamless loop) and
// are dropped otherwise. Each partial starts with an `attack`-second ramp
// and is faded out over the last 10 ms of `length` seconds.
void add_struck(Signal& signal, int at, const std::vector<Partial>& partials, double attack, double length,
                bool wrap = false);

// A pseudo-random sequence in -1..1 with a fixed seed.
class Noise {
 public:
  double next();

 private:
  std::uint32_t state_ = 0x2545F491u;
};

// A two-pole resonant band-pass filter whose centre may move per sample.
class BandPass {
 public:
  explicit BandPass(double q) : q_(q) {}
  double step(double in, double centre);

 private:
  double q_;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// A one-pole low-pass filter.
class LowPass {
 public:
  explicit LowPass(double cutoff);
  double step(double in);

 private:
  double a_;
  double y_ = 0;
};

// Scales the signal so that its largest magnitude is `peak` (0..1).
void normalize(Signal& signal, double peak);

// Writes the signal as a 16-bit mono PCM RIFF/WAVE file at RATE. Answers
// false when the file cannot be written.
bool write_wave(const std::string& path, const Signal& signal);

}  // namespace make_sounds
