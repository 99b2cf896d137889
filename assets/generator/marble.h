// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A white-grey marble texture: soft grey veins over a pale, slightly grainy stone.
#pragma once

#include <QImage>

namespace suispo::art {

QImage Marble(int w, int h);  // opaque; the same for the same size on every run

}  // namespace suispo::art
