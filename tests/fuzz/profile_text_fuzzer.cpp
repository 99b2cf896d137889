// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Fuzzes the settings-file text: a value written reads back, every other key reads as before, and
// writing the same value twice gives the same text.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/store/profile_text.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

// The settings' own names, a case variant of each, and strangers.
constexpr std::array<const char*, 4> kSections = {"Position", "FileName", "position", "Other"};
constexpr std::array<const char*, 5> kKeys = {"xpos", "ypos", "datafile", "XPOS", "k"};

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const char* section = input.PickValueInArray(kSections);
  const char* key = input.PickValueInArray(kKeys);
  std::string value = input.ConsumeRandomLengthString(64);
  // The game never writes a line break into a value.
  std::erase_if(value, [](char c) { return c == '\r' || c == '\n'; });
  const std::string text = input.ConsumeRemainingBytesAsString();

  const std::string written = suispo::WithProfileValue(text, section, key, value);
  FUZZ_CHECK(suispo::FindProfileValue(written, section, key) == value);
  FUZZ_CHECK(suispo::WithProfileValue(written, section, key, value) == written);
  for (const char* otherSection : kSections) {
    for (const char* otherKey : kKeys) {
      if (SameName(otherSection, section) && SameName(otherKey, key)) continue;
      FUZZ_CHECK(suispo::FindProfileValue(written, otherSection, otherKey) ==
                 suispo::FindProfileValue(text, otherSection, otherKey));
    }
  }
  return 0;
}
