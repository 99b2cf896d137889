// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A fake for the game's sounds: every cue written down with the drawing call it came before.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/game/sound_cues.h"

namespace suispo::test {

class RecordingCues : public SoundCues {
 public:
  // drawing: the painter's record of calls, so a cue can be placed among the frames.
  explicit RecordingCues(const std::vector<std::string>& drawing) : drawing_(drawing) {}

  std::vector<Cue> cues;
  // Per cue: how many drawing calls had been made when it was announced.
  std::vector<std::size_t> drawnBefore;

  void Play(Cue cue) override {
    cues.push_back(cue);
    drawnBefore.push_back(drawing_.size());
  }
  void Clear() {
    cues.clear();
    drawnBefore.clear();
  }

 private:
  const std::vector<std::string>& drawing_;
};

}  // namespace suispo::test
