// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// What the sound player asks of the sound module (Qt Multimedia, loaded only after the window shows).
#pragma once

#include "core/game/sound_cues.h"

namespace suispo {

// Made by the module's kMakeSoundOutput; lives on the interface thread, returns at once from every call.
class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  // volume: 0 to 1, linear in amplitude.
  virtual void Play(Cue cue, float volume) = 0;
  // Silences every effect still sounding.
  virtual void StopAll() = 0;
};

// The module's one exported function: a new output with every effect loading, or null when the
// sound cannot start.
using MakeSoundOutputFunction = SoundOutput* (*)();
inline constexpr char kMakeSoundOutput[] = "suispo_make_sound_output";
// The module's file name, beside the program in the build tree and in SUISPO_INSTALL_MODULEDIR installed.
inline constexpr char kSoundModuleFile[] = "suispo-sound.so";

}  // namespace suispo
