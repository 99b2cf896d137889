// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// EditorFeedback: the stage editor's live figures (最短, むずかしさ, the shortest clears, what is missing,
// the gates), asked of the solver, the effort and the gate table on workers anew at every edit; figures
// of an older edit stay greyed until the new ones come.
#pragma once

#include <functional>
#include <optional>

#include <QCoreApplication>
#include <QThreadPool>

#include "app/window/background_solve.h"
#include "app/window/control_places.h"
#include "core/design/edit_feedback.h"
#include "core/design/stage_edit.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace suispo {

class EditorFeedback {
  Q_DECLARE_TR_FUNCTIONS(EditorFeedback)

 public:
  // Its labels on parent, placed by places; `answered` is called when the par of the newest edit came.
  EditorFeedback(QWidget* parent, ControlPlaces& places, std::function<void()> answered);

  // The figures of this edit searched for; those still running for an older one are dropped.
  void Ask(const StageEdit& edit);
  // Stops the searches (the editor is left).
  void Stop();
  // The par answer of the newest edit, once it came.
  const std::optional<ParFeedback>& par() const { return par_; }
  // The gates of the newest edit, once they came.
  const std::optional<GateFeedback>& gates() const { return gates_; }

 private:
  void ShowPar(const ParFeedback& answer);
  void ShowGates(const GateFeedback& answer);
  void ShowMissing(const MissingPieces& missing);
  // Figures of an older edit greyed (stale) or black.
  void SetStale(QWidget* field, bool stale);

  QLineEdit* parText = nullptr;      // 最短
  QLabel* ratingText = nullptr;      // むずかしさ
  QLabel* clearsText = nullptr;      // the distinct shortest clears
  QLabel* missingText = nullptr;     // what the stage lacks
  QLabel* gatesText = nullptr;       // each gate passed or failed
  QLabel* revisionText = nullptr;    // the edit the figures belong to
  // The measures cannot stop halfway: they run one at a time on a thread of their own, so that an edit's
  // par never waits behind the gates of an older one.
  QThreadPool gatePool_;
  BackgroundWork<ParFeedback> parWork_;
  BackgroundWork<GateFeedback> gateWork_{&gatePool_};
  std::optional<StageDraft> draft_;  // the newest edit's, for its gates
  int revision_ = 0;
  std::optional<ParFeedback> par_;
  std::optional<GateFeedback> gates_;
  std::function<void()> answered_;
};

}  // namespace suispo
