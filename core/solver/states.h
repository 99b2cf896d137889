// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The solver's store of states: each state once, in the order found (so it is also the search's queue),
// with the state it was reached from and the operation that reached it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace suispo {

// Spreads a key's bits over the whole word, for the solver's hash tables.
std::uint64_t Mix(std::uint64_t h);

// What the character's moves do not change: the walls placed so far (a bit per inner edge) and the keys
// still on the board (a bit per key of the starting board). A state is a layout and the character's
// cell; each layout is stored once with the cells reached in it, so a move that takes no key is checked
// against one word that the search has at hand.
struct Layout {
  std::uint64_t walls = 0;
  std::uint64_t keys = 0;
  std::uint64_t cellsReached = 0;  // a bit per cell index
  std::uint64_t wallCount = 0;     // also keeps a layout within one cache line
};

// A stored state in one 64-bit word, so the whole store is a flat array the search walks as its queue:
// the layout it is in, the state it was reached from, the character's cell and the operation that
// reached it. Layout and parent indices share one width, which sets the most states a store can hold.
struct StateRecord {
  static constexpr int kIndexBits = 27;                     // layout and parent: up to 2^27 - 1
  static constexpr int kCellBits = 6;                       // a cell index, 0 to 35
  static constexpr int kOpBits = 4;                         // a SolverOp index, 0 to 7, or kStartOp
  static constexpr int kParentShift = kIndexBits;           // bits 27-53
  static constexpr int kCellShift = 2 * kIndexBits;         // bits 54-59
  static constexpr int kOpShift = kCellShift + kCellBits;   // bits 60-63
  static_assert(kOpShift + kOpBits == 64, "a record fills its word exactly");

  static constexpr std::uint64_t kIndexMask = (std::uint64_t{1} << kIndexBits) - 1;
  static constexpr std::uint64_t kCellMask = (std::uint64_t{1} << kCellBits) - 1;
  // The operation of the start state, which no operation reached.
  static constexpr int kStartOp = (1 << kOpBits) - 1;

  static std::uint64_t Pack(std::uint32_t layout, std::uint32_t parent, int cell, int op) {
    return layout | std::uint64_t{parent} << kParentShift | static_cast<std::uint64_t>(cell) << kCellShift |
           static_cast<std::uint64_t>(op) << kOpShift;
  }
  static std::uint32_t Layout(std::uint64_t r) { return static_cast<std::uint32_t>(r & kIndexMask); }
  static std::uint32_t Parent(std::uint64_t r) { return static_cast<std::uint32_t>(r >> kParentShift & kIndexMask); }
  static int Cell(std::uint64_t r) { return static_cast<int>(r >> kCellShift & kCellMask); }
  static int Op(std::uint64_t r) { return static_cast<int>(r >> kOpShift); }
};

class SolverStates {
 public:
  // No state or layout; also one more than the most states a store can hold.
  static constexpr std::uint32_t kNone = StateRecord::kIndexMask;
  static constexpr std::size_t kMostStates = kNone;

  // Room is reserved for `limit` states (at most kMostStates) up front; memory is only used as states come.
  explicit SolverStates(std::size_t limit);

  static std::uint64_t Hash(std::uint64_t walls, std::uint64_t keys) { return Mix(walls ^ Mix(keys)); }
  // The layout's index, or kNone while no state of it is stored.
  std::uint32_t Find(std::uint64_t walls, std::uint64_t keys, std::uint64_t hash) const;
  // Stores a layout not stored yet, for the state about to be added to it.
  std::uint32_t AddLayout(std::uint64_t walls, std::uint64_t keys, std::uint64_t hash);
  bool Reached(std::uint32_t layout, int cell) const { return layouts_[layout].cellsReached >> cell & 1; }
  // Stores a state not stored yet.
  void Add(std::uint32_t layout, int cell, std::uint32_t parent, int op) {
    layouts_[layout].cellsReached |= std::uint64_t{1} << cell;
    records_.push_back(StateRecord::Pack(layout, parent, cell, op));
  }
  // Asks the memory for what Find(…, hash) and then Reached will read, so that several can be on their way.
  void PrefetchSlot(std::uint64_t hash) const { __builtin_prefetch(&slots_[hash & mask_]); }
  void PrefetchLayout(std::uint32_t layout) const { __builtin_prefetch(&layouts_[layout]); }

  std::size_t size() const { return records_.size(); }
  const Layout& layout(std::uint32_t i) const { return layouts_[i]; }
  std::uint32_t layoutOf(std::size_t i) const { return StateRecord::Layout(records_[i]); }
  std::uint32_t parent(std::size_t i) const { return StateRecord::Parent(records_[i]); }
  int cell(std::size_t i) const { return StateRecord::Cell(records_[i]); }
  int op(std::size_t i) const { return StateRecord::Op(records_[i]); }

 private:
  static constexpr std::uint64_t kSlotIndexMask = 0xffffffffu;  // the low half of a slot
  // The slot that holds the layout, or the empty slot where it would go.
  std::size_t SlotOf(std::uint64_t walls, std::uint64_t keys, std::uint64_t hash) const;
  void Grow();

  std::vector<std::uint64_t> records_;  // StateRecord words, in the order found
  std::vector<Layout> layouts_;
  // Open addressing over the layouts: the index + 1 in the low half, the top of the hash in the high half
  // (so most misses never touch the layouts); 0 for an empty slot.
  std::vector<std::uint64_t> slots_;
  std::size_t mask_ = 0;
};

}  // namespace suispo
