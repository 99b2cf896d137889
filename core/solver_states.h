// The solver's store of states: each state once, in the order found (so it is also the search's queue),
// with the state it was reached from and the operation that reached it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace suispo {

// A state in 128 bits: the walls built (a bit per inner edge) and the keys still on the board (a bit
// per key of the starting board) with the character's cell in the top bits.
struct PackedState {
  std::uint64_t walls = 0;
  std::uint64_t keysAndCell = 0;
  friend bool operator==(const PackedState&, const PackedState&) = default;
};

class SolverStates {
 public:
  static constexpr std::uint32_t kNone = 0xffffffffu;

  // Room is reserved for `limit` states up front; memory is only used as states come.
  explicit SolverStates(std::size_t limit);

  // Adds the state unless it is already stored; false when it was.
  bool Add(const PackedState& state, std::uint32_t parent, std::uint8_t op);
  bool Contains(const PackedState& state) const;

  std::size_t size() const { return states_.size(); }
  const PackedState& state(std::size_t i) const { return states_[i]; }
  std::uint32_t parent(std::size_t i) const { return parents_[i]; }
  std::uint8_t op(std::size_t i) const { return ops_[i]; }

 private:
  // The slot that holds the state, or the empty slot where it would go.
  std::size_t SlotOf(const PackedState& state, std::uint64_t hash) const;
  static constexpr std::uint64_t kIndexBits = 0xffffffffu;
  void Grow();

  std::vector<PackedState> states_;
  std::vector<std::uint32_t> parents_;
  std::vector<std::uint8_t> ops_;
  // Open addressing: the state's index + 1 in the low half, the top of its hash in the high half (so most
  // misses never touch the states); 0 for an empty slot.
  std::vector<std::uint64_t> slots_;
  std::size_t mask_ = 0;
};

}  // namespace suispo
