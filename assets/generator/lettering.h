// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The game's title lettering "すいすいぽ。": blue-violet rounded letters.
#pragma once

#include <QImage>
#include <QPainter>

namespace suispo::art {

// Paints the lettering as large as fits, centred in box, on a transparent ground.
void PaintLettering(QPainter& p, const QRectF& box);

QImage TitleLettering(int scale = 1);  // 350 x 135 on silver
QImage Logotype(int scale = 1);      // 138 x 53 on silver

}  // namespace suispo::art
