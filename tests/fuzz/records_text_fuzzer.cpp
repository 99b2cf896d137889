// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Fuzzes the records file's reader: whatever the bytes, what is read, written and read again is the
// same records and the same unread lines, and writing it again gives the same bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/store/records_text.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const suispo::RecordsText read = suispo::ReadRecordsText(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string written = suispo::WriteRecordsText(read);
  const suispo::RecordsText again = suispo::ReadRecordsText(written);
  FUZZ_CHECK(again == read);
  FUZZ_CHECK(suispo::WriteRecordsText(again) == written);
  for (const auto& [key, record] : read.records) FUZZ_CHECK(record.best >= 1);
  return 0;
}
