// What outlives a run: the settings file beside the program, the stage list and its stage file.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/store/local_time.h"
#include "core/stage_line.h"

namespace suispo {

// The outer frame's top-left corner on the screen.
struct WindowPosition {
  int top = 0;
  int left = 0;
};

class StageStore {
 public:
  // programDir: the folder of the running program, ending in '/'. now: the local date and time.
  StageStore(std::string programDir, std::function<LocalTime()> now);

  // Reads the settings and fills dataList from the remembered stage file or the built-in stages.
  // Returns the window position. Throws GameError "ファイル %s は開けません" for a file that cannot be read.
  WindowPosition FormCreate();
  // Writes the settings; throws GameError "%s に書き込めません".
  void FormClose(WindowPosition position);
  // Game > Open after the dialog returned a path. On an error nothing changes.
  void LoadFile(const std::string& fullPath);
  // Sets the cleared flag of dataList[stageIndex] and saves the stage file;
  // throws GameError "ファイル %s を作成できません" and then leaves the old file whole.
  void MarkStageCleared(int stageIndex);

  std::vector<StageLine> dataList;
  std::string dataFileName;  // bare name, as the settings keep it
  // The position FormCreate read; set before the stage file is read, so it holds even when
  // FormCreate throws.
  WindowPosition position;

 private:
  std::string programDir_;
  std::string settingsPath_;
  std::function<LocalTime()> now_;
  // Where saves go: the program folder for the remembered or generated file, the chosen file's
  // folder after LoadFile. Never the current directory.
  std::string saveFolder_;
};

// The stage list's lines in UTF-8: "　 " (not cleared) or "☆ " (cleared), then the name.
std::vector<std::string> StageListLines(const std::vector<StageLine>& dataList);

// The folder of the running executable, ending in '/'.
std::string ProgramDirectory();

}  // namespace suispo
