// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Fuzzes the generator's options as the stage tool reads them: any arguments either are refused with
// std::invalid_argument (any other exception ends the run as a crash) or give options within every
// range, which the generator's own check accepts.
//
// Input: the arguments, apart by NUL bytes.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/design/generate_options.h"
#include "core/text/shift_jis_text.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace suispo;
  std::vector<std::string> args(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) args.emplace_back();
    else args.back() += static_cast<char>(data[i]);
  }
  GenerateOptions o;
  try {
    o = ReadOptions(args);
  } catch (const std::invalid_argument&) {
    return 0;
  }
  FUZZ_CHECK(o.count >= 1 && static_cast<std::size_t>(o.count) <= kMaxStageLines);
  FUZZ_CHECK(o.minPar >= 1 && o.minPar <= o.maxPar && o.maxPar <= static_cast<int>(kMaxParRange.most));
  FUZZ_CHECK(o.maxKeys >= 1 && o.maxKeys <= static_cast<int>(kKeysRange.most));
  FUZZ_CHECK(o.maxWallPoints >= 0 && o.maxWallPoints <= static_cast<int>(kWallPointsRange.most));
  FUZZ_CHECK(!o.mechanicSets.empty());
  for (unsigned set : o.mechanicSets) FUZZ_CHECK(set <= kAllMechanics && (o.freeKinds || std::popcount(set) <= kMostKinds));
  for (char c : o.namePrefix) FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7f);
  FUZZ_CHECK(ShiftJisText(o.namePrefix).size() + kBoardTextLength + 3 + kGeneratedNameBytes <= kMaxLineBytes);
  CheckOptions(o);
  return 0;
}
