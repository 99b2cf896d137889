// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The sound generator's instruments: tones and noise under envelopes, mixed into a clip, written as WAV.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace suispo::art {

inline constexpr int kSampleRate = 44100;

// A clip being mixed: samples from -1 to 1, longer as parts are added.
struct Clip {
  std::vector<double> samples;
};

// How a part swells and fades: a linear rise over attack seconds, then an exponential fall that
// loses two thirds every decay seconds, cut to nothing over the last 5 ms of its length.
struct Envelope {
  double attack;
  double decay;
};

// A sine whose pitch glides exponentially from `from` to `to` Hz over its length, with `partials`
// (overtones at 2x, 3x, ... each at half the level of the one before) for a glassier ring.
struct Tone {
  double from;
  double to;
  int partials = 0;
};

// Noise through a band: a one-pole high-pass at low Hz, then a one-pole low-pass at high Hz.
struct Band {
  double low;
  double high;
};

// The noise's dice: a 32-bit linear congruential generator with a fixed seed, so every run writes
// the same bytes (no <random> distribution, whose draws differ between libraries).
class NoiseDice {
 public:
  explicit NoiseDice(std::uint32_t seed) : state_(seed) {}
  double Next();  // uniform in [-1, 1)

 private:
  std::uint32_t state_;
};

// Adds a tone at `at` seconds lasting `length` seconds at `level` (peak, before the envelope).
void AddTone(Clip& clip, double at, double length, double level, Tone tone, Envelope envelope);
// Adds filtered noise the same way.
void AddNoise(Clip& clip, double at, double length, double level, Band band, Envelope envelope, NoiseDice& dice);
// The clip as a 16-bit PCM mono WAV file, after `leadMs` of silence (a device waking up may swallow
// the first milliseconds of a clip).
std::string WaveFile(const Clip& clip, int leadMs);

}  // namespace suispo::art
