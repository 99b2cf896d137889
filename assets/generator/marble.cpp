// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Marble from seeded value noise: turbulence bent through a sine gives the veins.
#include "assets/generator/marble.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace suispo::art {

namespace {

// A repeatable pseudo-random value in [0, 1) for a lattice point.
double Lattice(int x, int y, uint32_t seed) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / double(0x1000000);
}

double Smooth(double t) { return t * t * (3 - 2 * t); }

double ValueNoise(double x, double y, uint32_t seed) {
  const int x0 = static_cast<int>(std::floor(x));
  const int y0 = static_cast<int>(std::floor(y));
  const double fx = Smooth(x - x0);
  const double fy = Smooth(y - y0);
  const double a = Lattice(x0, y0, seed), b = Lattice(x0 + 1, y0, seed);
  const double c = Lattice(x0, y0 + 1, seed), d = Lattice(x0 + 1, y0 + 1, seed);
  return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}

double Turbulence(double x, double y, uint32_t seed) {
  double sum = 0, amp = 1, norm = 0;
  for (int octave = 0; octave < 5; ++octave) {
    sum += amp * ValueNoise(x, y, seed + octave);
    norm += amp;
    x *= 2;
    y *= 2;
    amp /= 2;
  }
  return sum / norm;
}

}  // namespace

QImage Marble(int w, int h, int scale) {
  QImage image(w * scale, h * scale, QImage::Format_RGB32);
  for (int py = 0; py < image.height(); ++py) {
    for (int px = 0; px < image.width(); ++px) {
      // The veins and clouds follow units; the grain stays one speck per pixel.
      const double x = double(px) / scale;
      const double y = double(py) / scale;
      const double t = Turbulence(x / 90.0, y / 90.0, 7);
      // Veins run diagonally and wander with the turbulence.
      const double wave = std::sin(x * 0.018 + y * 0.011 + t * 9.0);
      const double vein = std::pow(1.0 - std::abs(wave), 10.0);
      const double fine = std::pow(1.0 - std::abs(std::sin(x * 0.05 - y * 0.03 + t * 14.0)), 24.0);
      const double cloud = Turbulence(x / 40.0, y / 40.0, 31);
      const double grain = Lattice(px, py, 99) - 0.5;
      double v = 236 - 18 * cloud - 58 * vein - 26 * fine + 6 * grain;
      v = std::clamp(v, 0.0, 255.0);
      const int g = static_cast<int>(v);
      image.setPixel(px, py, qRgb(std::min(255, g + 1), g, std::min(255, g + 4)));
    }
  }
  return image;
}

}  // namespace suispo::art
