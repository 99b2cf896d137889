// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The window's zoom: the layout's rectangles and the pictures at a zoom, and the largest zoom that fits.
#pragma once

#include <QPixmap>
#include <QRect>
#include <QSize>

#include "assets/pictures.h"
#include "assets/play_screen_layout.h"

namespace suispo {

// A rectangle of the layout table at a zoom (1 for 100 %), its edges rounded to whole pixels.
QRect Zoomed(layout::Rect r, double zoom);
// A pixel size at a zoom, at least 1.
int Zoomed(int pixels, double zoom);

// Whether the window at a zoom step (percent) fits in room; atHundred: its outer size at 100 %.
bool ZoomFits(int step, QSize room, QSize atHundred);
// The largest zoom step (percent, kZoomSteps) at most wanted whose window fits in room; 100 when none
// does. atHundred: the window's outer size at 100 %.
int FittingZoom(int wanted, QSize room, QSize atHundred);

// A picture for a control at a zoom on a screen of that device pixel ratio: painted at the nearest
// scale at or above zoom x ratio, brought smoothly to its exact size in device pixels, its silver
// ground transparent. Its size in the control's units is the picture's size times the zoom.
QPixmap ZoomedPicture(const assets::Picture& picture, double zoom, double deviceRatio);

}  // namespace suispo
