// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A stage file's bytes as the game writes one, for the tests to write and to expect: every line ended by CR LF.
#pragma once

#include <string>
#include <vector>

namespace suispo::test {

inline std::string StageFileText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace suispo::test
