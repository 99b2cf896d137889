// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Making a new stage file on a worker thread while the window shows a progress bar with a cancel button.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/store/local_time.h"
#include "core/design/generator.h"

#include <QString>

class QProgressDialog;
class QWidget;

namespace suispo {

// The preset's name as the new-stages dialog shows it, in the player's language.
QString PresetLabel(StagePreset preset);
// The progress dialog, hidden: its title, its cancel button, a bar over the ten stages, and a width that
// holds its title and every text it will tell.
std::unique_ptr<QProgressDialog> NewStagesDialog(QWidget* parent);
// Tells the stage being made (made: the stages done) of those wanted, the seconds so far and the
// candidates tried since the last stage was made.
void TellProgress(QProgressDialog& dialog, int made, int wanted, long long seconds, int candidates);

// The new file's path, or nothing when the player cancelled (no file is left then). The window stays
// responsive: events are handled while the worker runs. Rethrows the worker's GameError.
std::optional<std::string> MakeStagesWithProgress(QWidget* parent, StagePreset preset, std::uint32_t seed,
                                                  const std::string& folder, const LocalTime& time);

}  // namespace suispo
