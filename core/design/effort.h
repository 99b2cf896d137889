// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// How hard a stage is to see through, not how long it is: the positions a person looking for the clear
// tries before finding it, and a rating of one to five from that count.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>

#include "core/design/draft.h"
#include "core/rules/play_state.h"

namespace suispo {

// A person heads for what is left to take: first for fewer keys on the board, then for the cell
// nearest (in steps over the grid) to the next key, or to the door once every key is taken. The search
// tries the most promising position first (the one found first among equals) and counts the positions
// it tries, walls included, until an operation clears the stage. Unlike the par, this grows when the
// way runs against what the board suggests: away from the key, round a loop, through a warp.
// -1 when no clear is found among `limit` positions, or when `cancel` is set (read every few hundred).
inline constexpr std::size_t kEffortLimit = 2'000'000;
long SearchEffort(const StageDraft& draft, std::size_t limit = kEffortLimit, const std::atomic<bool>* cancel = nullptr);

// The rating 1 to 5: the effort's place among these thresholds, read from the spread of the shipped
// collection (its fifths); a stage whose effort is not found rates 5.
inline constexpr std::array<long, 4> kEffortThresholds = {78, 164, 507, 885};
int EffortRating(long effort);
// The rating of a stage from a play at its start (walls and keys as they stand, the character's cell as
// the start), for the window's worker.
int RatingAt(const PlayState& start, const std::atomic<bool>* cancel = nullptr);

}  // namespace suispo
