// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// An error that reaches the player: its what() is the exact message text (UTF-8).
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace suispo {

class GameError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Replaces each "%s" and "%d" of pattern, in order, by the next argument.
std::string FormatMessage(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace suispo
