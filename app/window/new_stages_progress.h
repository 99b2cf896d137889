// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Making a new stage file on a worker thread while the window shows a progress bar with a cancel button.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/store/local_time.h"
#include "core/design/generator.h"

#include <QString>

class QWidget;

namespace suispo {

// The preset's name as the new-stages dialog shows it, in the player's language.
QString PresetLabel(StagePreset preset);

// The new file's path, or nothing when the player cancelled (no file is left then). The window stays
// responsive: events are handled while the worker runs. Rethrows the worker's GameError.
std::optional<std::string> MakeStagesWithProgress(QWidget* parent, StagePreset preset, std::uint32_t seed,
                                                  const std::string& folder, const LocalTime& time);

}  // namespace suispo
