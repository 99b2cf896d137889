// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The 384 x 255 sprite atlas: every board picture in the place the drawing code copies it from.
#pragma once

#include <QImage>

namespace suispo::art {

QImage AtlasSheet();

}  // namespace suispo::art
