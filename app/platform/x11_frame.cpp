// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The frame through the X protocol: the client's place and the _NET_FRAME_EXTENTS around it.
#include "app/platform/x11_frame.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include <QGuiApplication>
#include <QWidget>

namespace suispo {
namespace {

struct Server {
  xcb_connection_t* connection;
  xcb_window_t window;
  xcb_window_t root;
};

std::optional<Server> ServerOf(QWidget* window) {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || x11->connection() == nullptr || !window->testAttribute(Qt::WA_WState_Created)) {
    return std::nullopt;
  }
  xcb_connection_t* connection = x11->connection();
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  if (screen == nullptr) return std::nullopt;
  return Server{connection, static_cast<xcb_window_t>(window->winId()), screen->root};
}

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  const Reply<xcb_intern_atom_reply_t> reply(
      xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(strlen(name)), name), nullptr),
      &std::free);
  return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

}  // namespace

std::optional<QPoint> X11ClientPosition(QWidget* window);

std::optional<QPoint> X11FramePosition(QWidget* window) {
  const std::optional<Server> server = ServerOf(window);
  if (!server) return std::nullopt;
  xcb_connection_t* c = server->connection;
  const xcb_atom_t extentsAtom = Atom(c, "_NET_FRAME_EXTENTS");
  const Reply<xcb_get_property_reply_t> extents(
      xcb_get_property_reply(c, xcb_get_property(c, 0, server->window, extentsAtom, XCB_ATOM_CARDINAL, 0, 4), nullptr),
      &std::free);
  if (!extents || extents->format != 32 || xcb_get_property_value_length(extents.get()) != 16) return std::nullopt;
  const auto* sides = static_cast<const uint32_t*>(xcb_get_property_value(extents.get()));  // left right top bottom
  const std::optional<QPoint> client = X11ClientPosition(window);
  if (!client) return std::nullopt;
  return *client - QPoint(static_cast<int>(sides[0]), static_cast<int>(sides[2]));
}

std::optional<QPoint> X11ClientPosition(QWidget* window) {
  const std::optional<Server> server = ServerOf(window);
  if (!server) return std::nullopt;
  xcb_connection_t* c = server->connection;
  const Reply<xcb_translate_coordinates_reply_t> client(
      xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, server->window, server->root, 0, 0), nullptr),
      &std::free);
  if (!client) return std::nullopt;
  return QPoint(client->dst_x, client->dst_y);
}

}  // namespace suispo
