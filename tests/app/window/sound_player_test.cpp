// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The sound player: muted, at its volume, and the cues of one operation spaced when nothing waits.
#include "app/platform/sound_player.h"

#include <gtest/gtest.h>

#include <QTest>
#include <memory>
#include <vector>

namespace suispo {
namespace {

// An output that writes down what it was asked to sound.
struct HeardSounds {
  std::vector<Cue> cues;
  std::vector<float> volumes;
  int stops = 0;
};

class RecordingOutput : public SoundOutput {
 public:
  explicit RecordingOutput(HeardSounds& heard) : heard_(heard) {}
  void Play(Cue cue, float volume) override {
    heard_.cues.push_back(cue);
    heard_.volumes.push_back(volume);
  }
  void StopAll() override { ++heard_.stops; }

 private:
  HeardSounds& heard_;
};

struct Player {
  HeardSounds heard;
  SoundPlayer player{{}};
  Player() {
    player.UseOutput(std::make_unique<RecordingOutput>(heard));
    player.Load();
  }
};

TEST(SoundPlayer, PlaysAtItsVolumeAndNothingWhileOff) {
  Player p;
  p.player.SetVolume(40);
  p.player.Play(Cue::kKey);
  p.player.SetOn(false);
  p.player.Play(Cue::kWall);
  EXPECT_EQ(p.heard.cues, std::vector<Cue>{Cue::kKey});
  EXPECT_EQ(p.heard.volumes, std::vector<float>{0.4F});
}

// The frames pace the cues at the usual speeds; without waits, the player spaces them itself.
TEST(SoundPlayer, WithoutWaitsTheCuesOfAnOperationFollowOneAnotherEachCuttingTheLastShort) {
  Player p;
  p.player.SetSpaced(true);
  for (Cue cue : {Cue::kSlide, Cue::kStop, Cue::kKey}) p.player.Play(cue);
  EXPECT_EQ(p.heard.cues, std::vector<Cue>{Cue::kSlide});
  EXPECT_TRUE(QTest::qWaitFor([&] { return p.heard.cues.size() == 3; }, 2000));
  EXPECT_EQ(p.heard.cues, (std::vector<Cue>{Cue::kSlide, Cue::kStop, Cue::kKey}));
  EXPECT_EQ(p.heard.stops, 3);
}

}  // namespace
}  // namespace suispo
