// The state store: flat arrays for the states, and a visited table that doubles at 70% load.
#include "core/solver_states.h"

namespace suispo {

namespace {

std::uint64_t Mix(std::uint64_t h) {
  h ^= h >> 30;
  h *= 0xbf58476d1ce4e5b9ull;
  h ^= h >> 27;
  h *= 0x94d049bb133111ebull;
  return h ^ (h >> 31);
}

std::uint64_t Hash(const PackedState& s) { return (Mix(s.walls ^ Mix(s.keysAndCell))); }

}  // namespace

SolverStates::SolverStates(std::size_t limit) {
  states_.reserve(limit);
  parents_.reserve(limit);
  ops_.reserve(limit);
  slots_.assign(1024, 0);
  mask_ = slots_.size() - 1;
}

std::size_t SolverStates::SlotOf(const PackedState& state, std::uint64_t hash) const {
  const std::uint64_t tag = hash >> 32 << 32;
  std::size_t i = hash & mask_;
  for (;; i = (i + 1) & mask_) {
    const std::uint64_t slot = slots_[i];
    if (slot == 0) return i;
    if ((slot & ~kIndexBits) == tag && states_[(slot & kIndexBits) - 1] == state) return i;
  }
}

bool SolverStates::Contains(const PackedState& state) const { return slots_[SlotOf(state, Hash(state))] != 0; }

bool SolverStates::Add(const PackedState& state, std::uint32_t parent, std::uint8_t op) {
  const std::uint64_t hash = Hash(state);
  const std::size_t i = SlotOf(state, hash);
  if (slots_[i] != 0) return false;
  states_.push_back(state);
  parents_.push_back(parent);
  ops_.push_back(op);
  slots_[i] = (hash >> 32 << 32) | states_.size();
  if (states_.size() * 10 > slots_.size() * 7) Grow();
  return true;
}

void SolverStates::Grow() {
  // Rebuilt from the states in order, so the old table can go first.
  const std::size_t size = slots_.size() * 2;
  slots_.clear();
  slots_.shrink_to_fit();
  slots_.assign(size, 0);
  mask_ = size - 1;
  for (std::size_t index = 0; index < states_.size(); ++index) {
    const std::uint64_t hash = Hash(states_[index]);
    std::size_t i = hash & mask_;
    while (slots_[i] != 0) i = (i + 1) & mask_;
    slots_[i] = (hash >> 32 << 32) | (index + 1);
  }
}

}  // namespace suispo
