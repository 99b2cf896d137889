// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Painting at four times the size and averaging down, for smooth edges on small pictures.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <functional>

namespace suispo::art {

using PaintFn = std::function<void(QPainter&)>;

// A w x h picture with a transparent ground; paint draws in w x h units with antialiasing on. At scale
// 2 or 3 the same drawing is painted at that many pixels per unit.
QImage Supersample(int w, int h, const PaintFn& paint, int scale = 1);

// The picture laid over an opaque ground colour, as a 32-bit RGB image.
QImage OverGround(const QImage& picture, const QColor& ground);

// The picture laid over an opaque image of the same size.
QImage OverImage(const QImage& picture, const QImage& ground);

}  // namespace suispo::art
