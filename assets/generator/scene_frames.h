// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The opaque 40 x 40 frames of the victory on the door and the fall into a hole.
#pragma once

#include <QImage>

namespace suispo::art {

QImage VictoryFrame(bool armsRaised, int scale = 1);
QImage FallFrame(int step, int scale = 1);  // 0 standing in the hole .. 3 only the head left

}  // namespace suispo::art
