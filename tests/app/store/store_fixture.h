// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A stage store over a temporary program folder, with a clock fixed at 9:30:15 on 21 January 2006.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/store/stage_store.h"
#include "tests/app/store/temp_folder.h"
#include "tests/support/stage_builder.h"

namespace suispo::test {

inline constexpr LocalTime kMorning{2006, 1, 21, 9, 30, 15};

// A stage line with the given cleared flag and name.
inline StageLine Line(char flag, const std::string& name = "name") {
  return Stage({"000000", "000000", "000000", "000000", "000000", "000000"}, kNoWalls, "01", name, flag);
}

class StoreTest : public ::testing::Test {
 protected:
  StageStore MakeStore(LocalTime now = kMorning) {
    return StageStore(PortablePlaces(program.path()), [now] { return now; });
  }
  void WriteSettings(const std::string& text) { WriteBytes(program / "suispo.ini", text); }

  TempFolder program;
};

}  // namespace suispo::test
