// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A top-level window's outer frame as the X window manager reports it, read and set on the X server.
#pragma once

#include <optional>

#include <QPoint>

class QWidget;

namespace suispo {

// The frame's top-left corner on the screen, from the window's place on the server and the frame
// extents the window manager reports; nothing on another window system or before the window
// manager has reported them.
std::optional<QPoint> X11FramePosition(QWidget* window);
// The client area's top-left corner on the screen, as the server has it; nothing on another window
// system.
std::optional<QPoint> X11ClientPosition(QWidget* window);

}  // namespace suispo
