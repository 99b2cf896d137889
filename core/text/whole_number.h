// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The number an option or argument takes: decimal digits alone, read without overflow.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace suispo {

// The number written in `text` when it is digits alone and at most `most`; none for anything else
// (a sign, a space, an empty text, a number too large).
std::optional<std::uint64_t> WholeNumber(std::string_view text, std::uint64_t most);

}  // namespace suispo
