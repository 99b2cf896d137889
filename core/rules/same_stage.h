// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// What "the same stage" means, once for each question the game asks, and who asks it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/rules/rules.h"
#include "core/rules/stage_line.h"

namespace suispo {

// 1. The same puzzle: the key of a stage's record (app/store/play_records). Two plays share a record
//    exactly when they start on the same board (cells and edges as the rules read them, so codes that
//    read alike are alike), from the same cell, with the same number of wall points. The name, the
//    cleared flag and the spelling of the wall points ("5", "05", " 5") do not count. Nothing when the
//    wall points are no number (such a stage never starts).
//    The key is printable ASCII: the 72-character board text, "@", the start's column and row, "/"
//    and the wall points in decimal.
std::optional<std::string> PuzzleKey(std::string_view line, Cell start);
// The key of a line that names its own start (its last "C"); nothing for a line without one, whose
// start is where the previous stage left the character and so is known only in play.
std::optional<std::string> PuzzleKey(std::string_view line);
// The start a line names: its last "C" among the 36 cells.
std::optional<Cell> StartOfLine(std::string_view line);

// 2. The same line of a stage file (app/store/stage_store, saving a clear into the file as it is now):
//    the two lines are equal once both are marked cleared, so a line another game or an editor
//    marked cleared meanwhile is still found, and any other edit makes it another stage.
bool SameStageLine(const StageLine& a, const StageLine& b);

// 3. The same design: the generator's duplicate check (core/design/generator.cpp) keeps one stage of
//    those that are turns or mirrors of each other, whatever their wall points: CanonicalText in
//    core/design/draft.h (a floor above this one) is that meaning.

}  // namespace suispo
