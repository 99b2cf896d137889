// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The compiled-in sound effects are what the generator makes today, byte for byte, short and quiet.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "assets/generator/sound_effects.h"
#include "assets/sound_files.h"

namespace suispo {
namespace {

QByteArray Committed(Cue cue) {
  QFile file(QString(":/sounds/") + assets::SoundFile(cue));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Sounds, EveryEffectIsMadeAgainByteForByte) {
  for (int i = 0; i < kCueCount; ++i) {
    const auto cue = static_cast<Cue>(i);
    const std::string made = art::SoundEffectFile(cue);
    EXPECT_EQ(Committed(cue), QByteArray(made.data(), static_cast<qsizetype>(made.size()))) << assets::SoundFile(cue);
  }
}

// The victory and the fall may ring on; every other effect ends within 0.35 s. None is louder than
// half the full scale.
TEST(Sounds, EffectsAreShortQuietMonoPcm) {
  constexpr int kHeader = 44;
  for (int i = 0; i < kCueCount; ++i) {
    const auto cue = static_cast<Cue>(i);
    const std::string file = art::SoundEffectFile(cue);
    ASSERT_GT(file.size(), std::size_t{kHeader});
    EXPECT_EQ(file.substr(20, 16), std::string("\1\0\1\0\x44\xAC\0\0\x88\x58\x01\0\2\0\x10\0", 16)) << assets::SoundFile(cue);
    const std::size_t samples = (file.size() - kHeader) / 2;
    const bool longAllowed = cue == Cue::kClear || cue == Cue::kFall;
    EXPECT_LE(samples, longAllowed ? 44100u * 3 / 2 : 44100u * 35 / 100) << assets::SoundFile(cue);
    int peak = 0;
    for (std::size_t s = 0; s < samples; ++s) {
      std::int16_t value = 0;
      std::memcpy(&value, file.data() + kHeader + 2 * s, 2);
      peak = std::max(peak, std::abs(static_cast<int>(value)));
    }
    EXPECT_LE(peak, 32767 / 2) << assets::SoundFile(cue);
    EXPECT_GT(peak, 32767 / 10) << assets::SoundFile(cue);
  }
}

}  // namespace
}  // namespace suispo
