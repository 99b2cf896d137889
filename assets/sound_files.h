// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The sound effect of each cue: its file in assets/sounds/, compiled in under ":/sounds/".
#pragma once

#include <array>
#include <cstddef>

#include "core/game/sound_cues.h"

namespace suispo::assets {

// In the order of Cue.
inline constexpr std::array<const char*, kCueCount> kSoundFiles = {
    "slide.wav", "stop.wav", "turn.wav",  "wall.wav",    "key.wav",    "warp.wav",
    "clear.wav", "fall.wav", "undo.wav",  "restart.wav", "select.wav",
};

inline const char* SoundFile(Cue cue) { return kSoundFiles[static_cast<std::size_t>(cue)]; }

}  // namespace suispo::assets
