// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The 297 x 21 stone plates of the banner slot: the blank name plate, STAGE CLEAR!! and MISS...
#pragma once

#include <QImage>

namespace suispo::art {

QImage NamePlate(int scale = 1);
QImage ClearBanner(int scale = 1);
QImage MissBanner(int scale = 1);

}  // namespace suispo::art
