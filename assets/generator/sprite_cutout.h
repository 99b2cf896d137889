// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Cuts a painted figure into the sprite and mask pair that the board draws with AND and OR copies.
#pragma once

#include <QColor>
#include <QImage>

namespace suispo::art {

struct Cutout {
  QImage sprite;  // the figure's colours, pure black around it
  QImage mask;    // pure black on the figure, pure white around it
};

// figure: transparent ground. Pixels at least half covered belong to the figure; their soft edge
// is blended toward edgeGround, the ground the figure usually stands on.
Cutout CutOut(const QImage& figure, const QColor& edgeGround);

}  // namespace suispo::art
