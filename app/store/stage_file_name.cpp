// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage file name made from a date and time.
#include "app/store/stage_file_name.h"

#include <cstdio>

namespace suispo {

std::string GeneratedStageFileName(const LocalTime& t) {
  char text[64];
  if (t.hour == 0 && t.minute == 0 && t.second == 0) {
    std::snprintf(text, sizeof text, "%04d%02d%02d.ssp", t.year, t.month, t.day);
  } else {
    std::snprintf(text, sizeof text, "%04d%02d%02d %02d%02d%02d.ssp", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
  }
  return text;
}

}  // namespace suispo
