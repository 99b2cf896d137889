// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The progress ステージ集 shows for each stage file: counted on a worker, one file after another,
// and kept by the file's identity, so that the window never waits on a large file and a return to
// the stage select screen reads only the files that changed.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <ctime>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/store/play_records.h"
#include "app/store/stage_progress.h"
#include "app/window/background_solve.h"
#include "core/files/file_replacement.h"  // FileStamp: a file's version
#include "core/rules/stage_line.h"

namespace suispo {

// Reads a stage file's lines, as ReadStageFile does; called on a worker thread.
using StageFileReader = std::function<std::vector<StageLine>(const std::string& path)>;

class ShelfProgress {
 public:
  // read: how a worker reads a stage file (ReadStageFile when empty). stageFolder: where an earlier
  // run saved the built-in stages.
  ShelfProgress(StageFileReader read, std::string stageFolder);

  // Counts files[i] for shown(i, progress), which runs on the interface thread: at once with what
  // is known, then from a worker for each file not known as it is now. "" is the built-in stages
  // as saved; nothing, a file not to count. A new Count drops what the one before still had to do.
  void Count(const std::vector<std::optional<std::string>>& files, const PlayRecords& records,
             std::function<void(std::size_t, const StageProgress&)> shown);
  // The records changed: the stars of every file are counted again.
  void RecordsChanged() { ++generation_; }
  // Files still to count.
  bool Counting() const { return work_.Running() || !queue_.empty(); }

 private:
  struct Known {
    std::optional<FileStamp> stamp;  // the version counted; nothing when it changed while it was read
    StageProgress progress;
    int generation = 0;              // the records' when counted
  };
  struct Request {
    std::size_t index = 0;
    std::string path;
  };
  // Starts the worker on the next file to count.
  void CountNext();

  StageFileReader read_;
  std::string stageFolder_;
  std::map<std::string, Known> known_;  // by path
  int generation_ = 0;
  std::deque<Request> queue_;
  std::shared_ptr<const PlayRecords> records_;  // the worker's copy
  std::function<void(std::size_t, const StageProgress&)> shown_;
  struct Counted {
    std::optional<FileStamp> stamp;
    StageProgress progress;
  };
  BackgroundWork<Counted> work_;
};

}  // namespace suispo
