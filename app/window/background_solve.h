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

// Any work that reads a copy of what it needs and checks the cancel flag now and then.
template <typename Answer>
class BackgroundWork {
 public:
  BackgroundWork() = default;
  // Work run on a pool of its own (a slow search kept from holding up the quick ones); it must outlive this.
  explicit BackgroundWork(QThreadPool* pool) : pool_(pool) {}
  BackgroundWork(const BackgroundWork&) = delete;
  BackgroundWork& operator=(const BackgroundWork&) = delete;
  ~BackgroundWork() { Cancel(); }

  // Runs `work` on a worker; `done` gets the answer on the interface thread, after the calls that follow
  // this one have returned. Work still running is stopped and its answer dropped.
  void Start(std::function<Answer(const std::atomic<bool>* cancel)> work, std::function<void(const Answer&)> done) {
    Cancel();
    auto ticket = std::make_shared<std::atomic<bool>>(false);
    ticket_ = ticket;
    pool_->start([ticket, work = std::move(work), done = std::move(done), this] {
      Answer answer = work(ticket.get());
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

  // Drops the answer of the work still running, and stops it.
  void Cancel() {
    if (ticket_) *ticket_ = true;
    ticket_.reset();
  }

  bool Running() const { return ticket_ != nullptr; }

 private:
  QThreadPool* pool_ = QThreadPool::globalInstance();
  std::shared_ptr<std::atomic<bool>> ticket_;  // the newest work's; set when it was dropped
};

class BackgroundSolve : public BackgroundWork<SolveResult> {
 public:
  // Solves from `from` (a copy) on a worker.
  void Start(const PlayState& from, std::function<void(const SolveResult&)> done) {
    BackgroundWork::Start(
        [from](const std::atomic<bool>* cancel) {
          SolveOptions options;
          options.cancel = cancel;
          return Solve(from, options);
        },
        std::move(done));
  }
};

}  // namespace suispo
