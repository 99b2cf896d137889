// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The state store: flat arrays for the states and layouts, and a layout table that doubles at 70% load.
#include "core/solver/states.h"

#include <bit>

namespace suispo {

std::uint64_t Mix(std::uint64_t h) {
  h ^= h >> 30;
  h *= 0xbf58476d1ce4e5b9ull;
  h ^= h >> 27;
  h *= 0x94d049bb133111ebull;
  return h ^ (h >> 31);
}

SolverStates::SolverStates(std::size_t limit) {
  records_.reserve(limit);
  layouts_.reserve(limit);  // a layout comes only with a state of its own
  slots_.assign(1024, 0);
  mask_ = slots_.size() - 1;
}

std::size_t SolverStates::SlotOf(std::uint64_t walls, std::uint64_t keys, std::uint64_t hash) const {
  const std::uint64_t tag = hash >> 32 << 32;
  std::size_t i = hash & mask_;
  for (;; i = (i + 1) & mask_) {
    const std::uint64_t slot = slots_[i];
    if (slot == 0) return i;
    if ((slot & ~kSlotIndexMask) != tag) continue;
    const Layout& layout = layouts_[(slot & kSlotIndexMask) - 1];
    if (layout.walls == walls && layout.keys == keys) return i;
  }
}

std::uint32_t SolverStates::Find(std::uint64_t walls, std::uint64_t keys, std::uint64_t hash) const {
  const std::uint64_t slot = slots_[SlotOf(walls, keys, hash)];
  return slot == 0 ? kNone : static_cast<std::uint32_t>((slot & kSlotIndexMask) - 1);
}

std::uint32_t SolverStates::AddLayout(std::uint64_t walls, std::uint64_t keys, std::uint64_t hash) {
  const auto layout = static_cast<std::uint32_t>(layouts_.size());
  layouts_.push_back({walls, keys, 0, static_cast<std::uint64_t>(std::popcount(walls))});
  slots_[SlotOf(walls, keys, hash)] = (hash >> 32 << 32) | layouts_.size();
  if (layouts_.size() * 10 > slots_.size() * 7) Grow();
  return layout;
}

void SolverStates::Grow() {
  // Rebuilt from the layouts in order, so the old table can go first.
  const std::size_t size = slots_.size() * 2;
  slots_.clear();
  slots_.shrink_to_fit();
  slots_.assign(size, 0);
  mask_ = size - 1;
  for (std::size_t index = 0; index < layouts_.size(); ++index) {
    const std::uint64_t hash = Hash(layouts_[index].walls, layouts_[index].keys);
    std::size_t i = hash & mask_;
    while (slots_[i] != 0) i = (i + 1) & mask_;
    slots_[i] = (hash >> 32 << 32) | (index + 1);
  }
}

}  // namespace suispo
