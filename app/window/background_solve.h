// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A search run on the thread pool whose answer comes back to the interface thread, unless a newer start
// or Cancel made it stale.
#pragma once

#include <atomic>
#include <functional>
#include <memory>

#include <QCoreApplication>
#include <QThreadPool>

#include "core/solver/solver.h"

namespace suispo {

class BackgroundSolve {
 public:
  BackgroundSolve() = default;
  BackgroundSolve(const BackgroundSolve&) = delete;
  BackgroundSolve& operator=(const BackgroundSolve&) = delete;
  ~BackgroundSolve() { Cancel(); }

  // Solves from `from` on a worker; `done` gets the answer on the interface thread, after the calls
  // that follow this one have returned. A search still running is stopped and its answer dropped.
  void Start(const PlayState& from, std::function<void(const SolveResult&)> done) {
    Cancel();
    auto ticket = std::make_shared<std::atomic<bool>>(false);
    ticket_ = ticket;
    QThreadPool::globalInstance()->start([ticket, from, done = std::move(done), this] {
      SolveOptions options;
      options.cancel = ticket.get();
      SolveResult answer = Solve(from, options);
      // The application object outlives every window: the answer is posted to it, and the ticket,
      // read on the interface thread, says whether anyone still waits for it.
      QCoreApplication* application = QCoreApplication::instance();
      if (application == nullptr) return;  // the program is ending
      QMetaObject::invokeMethod(
          application,
          [ticket, done, answer = std::move(answer), this] {
            if (*ticket) return;
            ticket_.reset();
            done(answer);
          },
          Qt::QueuedConnection);
    });
  }

  // Drops the answer of the search still running, and stops it.
  void Cancel() {
    if (ticket_) *ticket_ = true;
    ticket_.reset();
  }

  bool Running() const { return ticket_ != nullptr; }

 private:
  std::shared_ptr<std::atomic<bool>> ticket_;  // the newest search's; set when it was dropped
};

}  // namespace suispo
