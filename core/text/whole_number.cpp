// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Decimal digits read into a number, stopping before it passes the largest allowed.
#include "core/text/whole_number.h"

namespace suispo {

std::optional<std::uint64_t> WholeNumber(std::string_view text, std::uint64_t most) {
  if (text.empty() || text.size() > 20) return std::nullopt;
  std::uint64_t number = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    const std::uint64_t digit = static_cast<std::uint64_t>(c - '0');
    if (digit > most || number > (most - digit) / 10) return std::nullopt;
    number = number * 10 + digit;
  }
  return number;
}

}  // namespace suispo
