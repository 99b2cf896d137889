// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Pictures whose ground is not drawn: the colour of the bottom-left pixel becomes transparent.
#pragma once

#include <QImage>
#include <QPixmap>

namespace suispo {

QPixmap WithTransparentGround(const QImage& picture);

}  // namespace suispo
