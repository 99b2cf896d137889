// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Counting the stage files' progress on a worker, and keeping it by each file's identity.
#include "app/window/shelf_progress.h"

#include <sys/stat.h>

#include <utility>

#include "app/store/stage_store.h"
#include "core/files/stage_file.h"
#include "core/text/game_error.h"

namespace suispo {

ShelfProgress::ShelfProgress(StageFileReader read, std::string stageFolder)
    : read_(read ? std::move(read) : StageFileReader(ReadStageFile)), stageFolder_(std::move(stageFolder)) {}

void ShelfProgress::Count(const std::vector<std::optional<std::string>>& files, const PlayRecords& records,
                          std::function<void(std::size_t, const StageProgress&)> shown) {
  work_.Cancel();
  queue_.clear();
  shown_ = std::move(shown);
  for (std::size_t i = 0; i < files.size(); ++i) {
    if (!files[i]) continue;
    const std::string& path = *files[i];
    const auto known = known_.find(path);
    // What was counted last is shown meanwhile: a label does not lose its count while it is read again.
    if (known != known_.end()) shown_(i, known->second.progress);
    const bool asNow = known != known_.end() && known->second.generation == generation_ && known->second.stamp &&
                       !path.empty() && known->second.stamp == StampOf(path);
    if (!asNow) queue_.push_back({i, path});
  }
  // The worker counts stars against a copy: the records may change while it reads.
  records_ = queue_.empty() ? nullptr : std::make_shared<const PlayRecords>(records);
  CountNext();
}

void ShelfProgress::CountNext() {
  if (queue_.empty()) {
    records_.reset();
    return;
  }
  const Request request = queue_.front();
  queue_.pop_front();
  work_.Start(
      [request, records = records_, read = read_, folder = stageFolder_](const std::atomic<bool>*) {
        Counted counted;
        counted.stamp = request.path.empty() ? std::nullopt : StampOf(request.path);
        try {
          counted.progress = ProgressOf(request.path.empty() ? BuiltinStagesSavedIn(folder) : read(request.path), *records);
        } catch (const GameError&) {
          // a file that does not read shows no progress
        }
        // A file changed while it was read is not kept as that version's count.
        if (counted.stamp && counted.stamp != StampOf(request.path)) counted.stamp.reset();
        return counted;
      },
      [this, request](const Counted& counted) {
        known_[request.path] = {counted.stamp, counted.progress, generation_};
        shown_(request.index, counted.progress);
        CountNext();
      });
}

}  // namespace suispo
