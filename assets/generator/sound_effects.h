// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The game's sound effects, one recipe per cue: soft glassy tones and icy noise.
#pragma once

#include <string>

#include "core/game/sound_cues.h"

namespace suispo::art {

// The effect's WAV file as the game plays it (16-bit PCM, mono, 44.1 kHz), the same bytes every run.
std::string SoundEffectFile(Cue cue);

}  // namespace suispo::art
