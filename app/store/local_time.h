// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The local date and time, as the store reads it from an injectable clock.
#pragma once

namespace suispo {

struct LocalTime {
  int year, month, day, hour, minute, second;
};

// The machine's clock, in local time.
LocalTime CurrentLocalTime();

}  // namespace suispo
