// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The recipes: each effect is a few tones and noise bursts, quiet, most under 0.3 s.
#include "assets/generator/sound_effects.h"

#include "assets/generator/sound_synth.h"

namespace suispo::art {

namespace {

// Pitches of a major chord high up, where the ice's bells ring.
constexpr double kC6 = 1046.5;
constexpr double kE6 = 1318.5;
constexpr double kG6 = 1568.0;
constexpr double kC7 = 2093.0;
constexpr double kD7 = 2349.3;
constexpr double kG5 = 784.0;
constexpr double kE5 = 659.3;
constexpr double kC5 = 523.3;

constexpr int kLeadMs = 10;  // silence before each clip

// A small bell: a quick strike and a ring with two overtones.
void Bell(Clip& clip, double at, double pitch, double level, double ring) {
  AddTone(clip, at, ring * 4, level, {pitch, pitch, 2}, {0.003, ring});
}

Clip Slide(NoiseDice& dice) {
  // Skates on ice: a hiss that swells and fades, with a faint falling whistle.
  Clip clip;
  AddNoise(clip, 0, 0.22, 0.5, {2500, 7000}, {0.04, 0.06}, dice);
  AddTone(clip, 0, 0.2, 0.04, {1900, 1500}, {0.03, 0.06});
  return clip;
}

Clip Stop(NoiseDice& dice) {
  // A soft bump: a short falling low tone with a crunch of snow.
  Clip clip;
  AddTone(clip, 0, 0.12, 0.4, {190, 110}, {0.002, 0.03});
  AddNoise(clip, 0, 0.06, 0.3, {600, 3000}, {0.001, 0.015}, dice);
  return clip;
}

Clip Turn() {
  // A tiny tick of the boots.
  Clip clip;
  AddTone(clip, 0, 0.05, 0.18, {1200, 900}, {0.001, 0.012});
  return clip;
}

Clip Wall(NoiseDice& dice) {
  // Ice growing into a wall: a crackle rising into a glassy clink.
  Clip clip;
  AddNoise(clip, 0, 0.1, 0.3, {1500, 6000}, {0.05, 0.02}, dice);
  AddTone(clip, 0.02, 0.1, 0.15, {300, 600}, {0.06, 0.02});
  Bell(clip, 0.08, kG6, 0.16, 0.05);
  Bell(clip, 0.08, kD7, 0.07, 0.04);
  return clip;
}

Clip Key() {
  // Two bright bells, up a fourth.
  Clip clip;
  Bell(clip, 0, kG6, 0.16, 0.05);
  Bell(clip, 0.07, kC7, 0.16, 0.06);
  return clip;
}

Clip Warp() {
  // A shimmer sliding up: the pad swallows the character and lets it out elsewhere.
  Clip clip;
  AddTone(clip, 0, 0.32, 0.16, {500, 1600, 1}, {0.08, 0.15});
  AddTone(clip, 0, 0.32, 0.06, {755, 2410}, {0.1, 0.15});
  return clip;
}

Clip Clear() {
  // The door opens: an arpeggio up the chord and a held chord of bells.
  Clip clip;
  const double notes[] = {kC6, kE6, kG6, kC7};
  for (int i = 0; i < 4; ++i) Bell(clip, 0.1 * i, notes[i], 0.14, 0.12);
  for (const double pitch : {kC6, kE6, kG6, kC7}) Bell(clip, 0.45, pitch, 0.07, 0.25);
  return clip;
}

Clip Fall() {
  // A miss: a soft descending two-note sigh, then the drop into the hole.
  Clip clip;
  AddTone(clip, 0, 0.25, 0.18, {kG5, kG5, 1}, {0.01, 0.1});
  AddTone(clip, 0.18, 0.3, 0.18, {kE5, kC5, 1}, {0.01, 0.12});
  AddTone(clip, 0.4, 0.35, 0.12, {600, 150}, {0.02, 0.12});
  return clip;
}

Clip Undo() {
  // A short step back: two quick notes falling.
  Clip clip;
  AddTone(clip, 0, 0.06, 0.14, {kG6, kG6}, {0.002, 0.02});
  AddTone(clip, 0.05, 0.08, 0.14, {kE6, kE6}, {0.002, 0.025});
  return clip;
}

Clip Restart(NoiseDice& dice) {
  // The board swept clean: a brush of noise and a rising pair.
  Clip clip;
  AddNoise(clip, 0, 0.18, 0.3, {1500, 5000}, {0.08, 0.05}, dice);
  AddTone(clip, 0.06, 0.08, 0.12, {kC6, kC6}, {0.002, 0.03});
  AddTone(clip, 0.12, 0.12, 0.12, {kG6, kG6}, {0.002, 0.04});
  return clip;
}

Clip Select() {
  // A soft click for the stage select screen's choices.
  Clip clip;
  AddTone(clip, 0, 0.04, 0.12, {kC7, kC7}, {0.001, 0.008});
  return clip;
}

}  // namespace

std::string SoundEffectFile(Cue cue) {
  // Each effect has its own seed, so changing one recipe leaves the others' bytes as they were.
  NoiseDice dice(0x5EED0000u + static_cast<unsigned>(cue));
  Clip clip;
  switch (cue) {
    case Cue::kSlide: clip = Slide(dice); break;
    case Cue::kStop: clip = Stop(dice); break;
    case Cue::kTurn: clip = Turn(); break;
    case Cue::kWall: clip = Wall(dice); break;
    case Cue::kKey: clip = Key(); break;
    case Cue::kWarp: clip = Warp(); break;
    case Cue::kClear: clip = Clear(); break;
    case Cue::kFall: clip = Fall(); break;
    case Cue::kUndo: clip = Undo(); break;
    case Cue::kRestart: clip = Restart(dice); break;
    case Cue::kSelect: clip = Select(); break;
  }
  return WaveFile(clip, kLeadMs);
}

}  // namespace suispo::art
