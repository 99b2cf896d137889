// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Mixing tones and noise into a clip, and the WAV file's bytes.
#include "assets/generator/sound_synth.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace suispo::art {

namespace {

constexpr double kFadeOut = 0.005;  // no click where a part ends

std::size_t SampleAt(double seconds) { return static_cast<std::size_t>(std::lround(seconds * kSampleRate)); }

double EnvelopeAt(const Envelope& envelope, double t, double length) {
  double level = t < envelope.attack ? t / envelope.attack : std::exp(-(t - envelope.attack) / envelope.decay);
  if (t > length - kFadeOut) level *= std::max(0.0, (length - t) / kFadeOut);
  return level;
}

// The clip's samples from `at` for `length` seconds, made room for.
double* Room(Clip& clip, double at, double length, std::size_t& count) {
  const std::size_t first = SampleAt(at);
  count = SampleAt(length);
  if (clip.samples.size() < first + count) clip.samples.resize(first + count, 0.0);
  return clip.samples.data() + first;
}

void PutLittleEndian(std::string& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

double NoiseDice::Next() {
  state_ = state_ * 1664525u + 1013904223u;
  return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 23) - 1.0;
}

void AddTone(Clip& clip, double at, double length, double level, Tone tone, Envelope envelope) {
  std::size_t count = 0;
  double* out = Room(clip, at, length, count);
  const double glide = std::log(tone.to / tone.from) / length;
  double phase = 0.0;
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    double value = 0.0;
    double weight = 1.0;
    for (int p = 1; p <= tone.partials + 1; ++p) {
      value += weight * std::sin(phase * p);
      weight *= 0.5;
    }
    out[i] += level * EnvelopeAt(envelope, t, length) * value;
    phase += 2.0 * std::numbers::pi * tone.from * std::exp(glide * t) / kSampleRate;
  }
}

void AddNoise(Clip& clip, double at, double length, double level, Band band, Envelope envelope, NoiseDice& dice) {
  std::size_t count = 0;
  double* out = Room(clip, at, length, count);
  // One-pole filters: y += a (x - y) for the low-pass; the high-pass is the input less its own low-pass.
  const double lowPass = 1.0 - std::exp(-2.0 * std::numbers::pi * band.high / kSampleRate);
  const double highPass = 1.0 - std::exp(-2.0 * std::numbers::pi * band.low / kSampleRate);
  double below = 0.0;
  double smooth = 0.0;
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double x = dice.Next();
    below += highPass * (x - below);
    smooth += lowPass * ((x - below) - smooth);
    out[i] += level * EnvelopeAt(envelope, t, length) * smooth;
  }
}

std::string WaveFile(const Clip& clip, int leadMs) {
  const std::size_t lead = static_cast<std::size_t>(kSampleRate) * static_cast<std::size_t>(leadMs) / 1000;
  const auto dataBytes = static_cast<std::uint32_t>(2 * (lead + clip.samples.size()));
  std::string bytes = "RIFF";
  PutLittleEndian(bytes, 36 + dataBytes, 4);
  bytes += "WAVEfmt ";
  PutLittleEndian(bytes, 16, 4);              // the format chunk's size
  PutLittleEndian(bytes, 1, 2);               // PCM
  PutLittleEndian(bytes, 1, 2);               // mono
  PutLittleEndian(bytes, kSampleRate, 4);
  PutLittleEndian(bytes, kSampleRate * 2, 4);  // bytes per second
  PutLittleEndian(bytes, 2, 2);               // bytes per sample frame
  PutLittleEndian(bytes, 16, 2);              // bits per sample
  bytes += "data";
  PutLittleEndian(bytes, dataBytes, 4);
  bytes.append(2 * lead, '\0');
  for (const double sample : clip.samples) {
    const long value = std::lround(std::clamp(sample, -1.0, 1.0) * 32767.0);
    PutLittleEndian(bytes, static_cast<std::uint32_t>(static_cast<std::int16_t>(value)) & 0xFFFF, 2);
  }
  return bytes;
}

}  // namespace suispo::art
