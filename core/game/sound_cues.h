// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// What the game asks of the sound: a cue at the frame it belongs to, and cues that sound nothing.
#pragma once

namespace suispo {

// Every effect the game can sound. The window plays them; the core only says when.
enum class Cue {
  kSlide,    // a slide's first step
  kStop,     // the slide rests against a wall, the edge or a built wall
  kTurn,     // a move press that moves nothing: the character only turns
  kWall,     // a wall built
  kKey,      // a key taken
  kWarp,     // the character sinks into a pad
  kClear,    // the door opens: the victory
  kFall,     // a miss: the fall into a hole
  kUndo,     // an operation taken back
  kRestart,  // the stage started again from its start
  kSelect,   // a choice on the stage select screen (the window's own cue)
};

inline constexpr int kCueCount = static_cast<int>(Cue::kSelect) + 1;

// Implemented by the window's sound player; tests plug in a recording fake. Play is announced as the
// frame it belongs to is drawn, so it must return at once: a sound never holds the animation.
class SoundCues {
 public:
  virtual ~SoundCues() = default;
  virtual void Play(Cue cue) = 0;
};

// For a game nobody hears (the stage tool, the tests that do not listen).
class SilentCues : public SoundCues {
 public:
  void Play(Cue) override {}
};

}  // namespace suispo
