// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The name given to a new stage file: the date, the time unless it is midnight, then ".ssp".
#pragma once

#include <string>

#include "app/store/local_time.h"

namespace suispo {

// "yyyymmdd hhmmss.ssp", or "yyyymmdd.ssp" at 0:00:00.
std::string GeneratedStageFileName(const LocalTime& time);

}  // namespace suispo
