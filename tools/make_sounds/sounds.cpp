#include "sounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace make_sounds {
namespace {

constexpr double TWO_PI = 2 * std::numbers::pi;
constexpr double EFFECT_PEAK = 0.7;  // about -3 dB
constexpr double SOFT_PEAK = 0.5;    // about -6 dB
constexpr double MUSIC_PEAK = 0.45;  // the music stays under the effects

std::vector<Partial> bell(double pitch) {
  return {{pitch, 1.0, 0.35}, {2 * pitch, 0.25, 0.15}, {2.76 * pitch, 0.08, 0.08}, {5.4 * pitch, 0.03, 0.03}};
}

// A knock: the resonances of the struck wood and a short burst of contact
// noise, darker or brighter by its low-pass cutoff.
Signal knock(const std::vector<Partial>& modes, double contact_seconds, double contact_cutoff, double length) {
  Signal signal(samples_in(length));
  add_struck(signal, 0, modes, 0.0005, length);
  Noise noise;
  LowPass contact(contact_cutoff);
  const int count = samples_in(contact_seconds);
  for (int i = 0; i < count; ++i) {
    const double fall = 1.0 - static_cast<double>(i) / count;
    signal[i] += 0.6 * contact.step(noise.next()) * fall * fall;
  }
  normalize(signal, EFFECT_PEAK);
  return signal;
}

}  // namespace

Signal soft_chime() {
  Signal signal(samples_in(1.1));
  add_struck(signal, 0, bell(midi_pitch(81)), 0.003, 1.1);
  add_struck(signal, samples_in(0.1), bell(midi_pitch(88)), 0.003, 1.0);
  normalize(signal, SOFT_PEAK);
  return signal;
}

Signal low_buzz() {
  constexpr double length = 0.3, pitch = 98.0, attack = 0.01, release = 0.06;
  constexpr double wobble_rate = 30.0, wobble_depth = 0.15;
  Signal signal(samples_in(length));
  LowPass tone(900.0);
  for (std::size_t i = 0; i < signal.size(); ++i) {
    const double t = static_cast<double>(i) / RATE;
    double saw = 0;
    for (int n = 1; n * pitch < 4000.0; ++n) saw += std::sin(TWO_PI * n * pitch * t) / n;
    const double envelope = std::min({t / attack, 1.0, (length - t) / release});
    const double wobble = 1.0 - wobble_depth * (0.5 + 0.5 * std::sin(TWO_PI * wobble_rate * t));
    signal[i] = tone.step(saw) * envelope * wobble;
  }
  normalize(signal, SOFT_PEAK);
  return signal;
}

Signal wooden_click() {
  return knock({{190, 0.6, 0.03}, {720, 1.0, 0.028}, {1650, 0.5, 0.016}, {2900, 0.25, 0.008}}, 0.004, 3000.0, 0.2);
}

Signal felt_tap() {
  return knock({{150, 0.35, 0.018}, {1250, 0.8, 0.014}, {2650, 0.6, 0.008}, {4200, 0.35, 0.004}}, 0.003, 6000.0, 0.12);
}

Signal descending_whoosh() {
  constexpr double length = 0.75, rise = 0.08;
  constexpr double air_from = 3500.0, air_to = 250.0, tone_from = 1400.0, tone_to = 300.0;
  Signal signal(samples_in(length));
  Noise noise;
  BandPass air(2.5);
  double phase = 0;
  for (std::size_t i = 0; i < signal.size(); ++i) {
    const double t = static_cast<double>(i) / RATE;
    const double progress = t / length;
    const double envelope = std::min(t / rise, 1.0) * std::pow(1.0 - progress, 1.5);
    phase += TWO_PI * tone_from * std::pow(tone_to / tone_from, progress) / RATE;
    const double hiss = air.step(noise.next(), air_from * std::pow(air_to / air_from, progress));
    signal[i] = (hiss + 0.15 * std::sin(phase)) * envelope;
  }
  normalize(signal, SOFT_PEAK);
  return signal;
}

namespace {

constexpr double BEAT = 0.625;  // 96 beats a minute
constexpr int BEATS_PER_BAR = 4;
constexpr int BARS = 8;  // 32 beats: 20 seconds

struct Note {
  double beat;
  double beats;
  int pitch;  // MIDI note number, always of C D E G A
};

// The tune, over the chords C, Am, D, G twice.
constexpr Note MELODY[] = {
    {0, 1, 76},  {1, 1, 79},  {2, 1, 81},  {3, 1, 79},    {4, 2, 76},      {6, 1, 74},  {7, 1, 72},
    {8, 1, 74},  {9, 1, 76},  {10, 1, 79}, {11, 0.5, 81}, {11.5, 0.5, 79}, {12, 3, 74}, {16, 1, 76},
    {17, 1, 79}, {18, 1, 84}, {19, 1, 81}, {20, 1, 79},   {21, 1, 76},     {22, 2, 81}, {24, 1, 79},
    {25, 1, 76}, {26, 1, 74}, {27, 1, 76}, {28, 1, 74},   {29, 1, 72},     {30, 2, 74},
};

struct Chord {
  int root;      // bass note
  int fifth;     // bass note on the third beat
  int tones[3];  // broken-chord and pad notes
};

constexpr Chord CHORDS[] = {
    {48, 43, {60, 64, 67}},  // C
    {45, 40, {57, 60, 64}},  // A minor
    {50, 45, {62, 67, 69}},  // D with G and A
    {43, 50, {55, 62, 69}},  // G with D and A
};

constexpr int BROKEN_CHORD[] = {0, 1, 2, 1, 0, 1, 2, 1};  // eighth notes over one bar

int at_beat(double beat) { return samples_in(beat * BEAT); }

void add_melody(Signal& loop) {
  for (const Note& note : MELODY) {
    const double pitch = midi_pitch(note.pitch);
    add_struck(loop, at_beat(note.beat), {{pitch, 0.35, 0.5}, {2 * pitch, 0.1, 0.2}, {3 * pitch, 0.03, 0.1}}, 0.008,
               note.beats * BEAT + 0.6, true);
  }
}

void add_accompaniment(Signal& loop) {
  for (int bar = 0; bar < BARS; ++bar) {
    const Chord& chord = CHORDS[bar % std::size(CHORDS)];
    const double first = bar * BEATS_PER_BAR;
    for (int bass = 0; bass < 2; ++bass) {
      const double pitch = midi_pitch(bass == 0 ? chord.root : chord.fifth);
      add_struck(loop, at_beat(first + 2 * bass), {{pitch, 0.3, 0.8}, {2 * pitch, 0.08, 0.4}}, 0.02, 2 * BEAT + 0.3,
                 true);
    }
    for (int step = 0; step < 8; ++step) {
      const double pitch = midi_pitch(chord.tones[BROKEN_CHORD[step]]);
      add_struck(loop, at_beat(first + 0.5 * step), {{pitch, 0.14, 0.25}, {2 * pitch, 0.03, 0.1}}, 0.005, 0.7, true);
    }
    for (int tone : chord.tones) {
      const double pitch = midi_pitch(tone);
      add_struck(loop, at_beat(first), {{pitch, 0.05, 2.5}, {pitch * 1.003, 0.05, 2.5}}, 0.3,
                 BEATS_PER_BAR * BEAT + 0.4, true);
    }
  }
}

}  // namespace

Signal music_loop() {
  // Every note that rings past the end carries on at the start, so the loop
  // has no seam.
  Signal loop(at_beat(BARS * BEATS_PER_BAR));
  add_melody(loop);
  add_accompaniment(loop);
  normalize(loop, MUSIC_PEAK);
  return loop;
}

}  // namespace make_sounds
