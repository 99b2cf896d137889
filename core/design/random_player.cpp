// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The random player: seeded runs of button presses played through the rules layer.
#include "core/design/random_player.h"

#include <cstdint>
#include <vector>

#include "core/design/draft_search.h"

namespace suispo {

namespace {

// A small generator of our own (splitmix64), so the runs do not depend on a library's distributions.
std::uint64_t NextRandom(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9e3779b97f4a7c15ull);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
  return z ^ (z >> 31);
}

bool Changed(const PlayState& a, const PlayState& b) {
  return a.playerX != b.playerX || a.playerY != b.playerY || a.keysLeft != b.keysLeft;
}

// One run: true when it clears within `ops` presses.
bool RandomRun(const PlayState& start, std::uint64_t seed, int ops) {
  PlayState s = start;
  struct Choice {
    PlayState after;
    Landing landing;
  };
  std::vector<Choice> choices;
  for (int press = 0; press < ops; ++press) {
    choices.clear();
    for (int d = kNorth; d <= kWest; ++d) {
      PlayState t = s;
      const Landing landing = rules::Slide(t, d).landing;
      if (landing == Landing::kMissed || landing == Landing::kCleared || Changed(s, t)) choices.push_back({t, landing});
      PlayState w = s;
      if (rules::PlaceWall(w, d)) choices.push_back({w, Landing::kNone});
    }
    if (choices.empty()) return false;
    const Choice& c = choices[NextRandom(seed) % choices.size()];
    if (c.landing == Landing::kCleared) return true;
    s = c.landing == Landing::kMissed ? start : c.after;
  }
  return false;
}

}  // namespace

double RandomClearRate(const StageDraft& draft, int runs, int ops) {
  if (runs <= 0) return 0;
  const PlayState start = StartOf(draft);
  int cleared = 0;
  for (int run = 0; run < runs; ++run) cleared += RandomRun(start, static_cast<std::uint64_t>(run) + 1, ops);
  return static_cast<double>(cleared) / runs;
}

}  // namespace suispo
