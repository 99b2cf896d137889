// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A signal handler may only write to a pipe; the pipe's reader ends the program in the event loop.
#include "app/program/termination_signal.h"

#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

#include <QSocketNotifier>

#include "app/window/main_form.h"

namespace suispo {
namespace {

// The writing end for the handler: a signal handler can reach nothing but static data.
int signalWriter = -1;

void OnSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const auto written = ::write(signalWriter, &byte, 1);
}

}  // namespace

void CloseOnTerminationSignal(MainForm* window) {
  int ends[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) return;  // the default then ends the program
  signalWriter = ends[0];
  auto* notifier = new QSocketNotifier(ends[1], QSocketNotifier::Read, window);
  QObject::connect(notifier, &QSocketNotifier::activated, window, [window, reader = ends[1]] {
    char byte;
    [[maybe_unused]] const auto read = ::read(reader, &byte, 1);
    window->EndOnSignal();
  });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

}  // namespace suispo
