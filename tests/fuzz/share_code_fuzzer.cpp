// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Fuzzes the share code reader: any text is refused with a GameError or gives an uncleared stage line
// that fits a stage file, and that line's own code reads back to it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/files/share_code.h"
#include "core/files/stage_file.h"
#include "core/text/game_error.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  suispo::StageLine line;
  try {
    line = suispo::DecodeShareCode(text);
  } catch (const suispo::GameError&) {
    return 0;  // refused, as it may be: anything else thrown escapes and counts as a crash
  }
  FUZZ_CHECK(line.size() >= suispo::kClearedFlagPosition && line.size() <= suispo::kMaxLineBytes);
  FUZZ_CHECK(!suispo::IsCleared(line));
  FUZZ_CHECK(line.find_first_of(std::string_view("\0\r\n", 3)) == std::string::npos);
  FUZZ_CHECK(suispo::DecodeShareCode(suispo::ShareCode(line)) == line);
  return 0;
}
