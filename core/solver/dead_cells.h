// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The cells of a layout (placed walls, keys left) found to lead to no clear, remembered for the layouts
// met lately, so that a search over moves alone is not made again from any of them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace suispo {

class DeadCells {
 public:
  // A table of 24-byte slots that starts small and grows, emptied, while it fills, to 2^16 slots
  // (1.5 MiB); a slot holds the last layout that wanted it.
  static constexpr int kFirstBits = 8;
  static constexpr int kMostBits = 16;

  // Makes the table, or grows it when it is due; called before a search's first look, so that what
  // it learns is written to the table it read.
  void Prepare() {
    if (!slots_.empty() && (bits_ == kMostBits || written_ <= slots_.size() * 2)) return;
    bits_ = slots_.empty() ? kFirstBits : std::min(bits_ + 2, kMostBits);
    slots_.assign(std::size_t{1} << bits_, Slot{});
    written_ = 0;
  }
  // The cells known to lead nowhere (none when the layout's slot holds another).
  std::uint64_t Known(std::uint64_t walls, std::uint64_t keys) const {
    const Slot& slot = SlotOf(walls, keys);
    return slot.walls == walls && slot.keys == keys ? slot.cells : 0;
  }
  void Note(std::uint64_t walls, std::uint64_t keys, std::uint64_t cells) {
    Slot& slot = SlotOf(walls, keys);
    if (slot.walls != walls || slot.keys != keys) {
      slot = {walls, keys, 0};
      ++written_;
    }
    slot.cells |= cells;
  }

 private:
  struct Slot {
    std::uint64_t walls = 0;
    std::uint64_t keys = 0;
    std::uint64_t cells = 0;  // none in an empty slot
  };
  Slot& SlotOf(std::uint64_t walls, std::uint64_t keys) {
    return const_cast<Slot&>(std::as_const(*this).SlotOf(walls, keys));
  }
  const Slot& SlotOf(std::uint64_t walls, std::uint64_t keys) const {
    const std::uint64_t hash = ((walls ^ keys * 0x9e3779b97f4a7c15ull) * 0xbf58476d1ce4e5b9ull) >> (64 - bits_);
    return slots_[static_cast<std::size_t>(hash)];
  }

  std::vector<Slot> slots_;
  int bits_ = 0;
  std::size_t written_ = 0;  // layouts written since the table was made
};

}  // namespace suispo
