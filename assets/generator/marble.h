// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A white-grey marble texture: soft grey veins over a pale, slightly grainy stone.
#pragma once

#include <QImage>

namespace suispo::art {

// w x h units at scale pixels per unit; opaque; the same for the same size on every run.
QImage Marble(int w, int h, int scale = 1);

}  // namespace suispo::art
