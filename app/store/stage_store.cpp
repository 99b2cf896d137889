// Start-up, Game > Open, saving a clear and closing: the settings file and the stage file.
#include "app/store/stage_store.h"

#include <string>
#include <utility>

#include "app/store/file_paths.h"
#include "app/store/profile_file.h"
#include "app/store/stage_file_name.h"
#include "app/store/whole_file.h"
#include "core/builtin_stages.h"
#include "core/display_text.h"
#include "core/game_error.h"
#include "core/stage_file.h"

namespace suispo {
namespace {

constexpr std::size_t kMaxSettingBytes = 2047;

}  // namespace

StageStore::StageStore(std::string programDir, std::function<LocalTime()> now)
    : programDir_(std::move(programDir)),
      settingsPath_(programDir_ + "suispo.ini"),
      now_(std::move(now)),
      saveFolder_(programDir_) {}

WindowPosition StageStore::FormCreate() {
  // "xpos" keeps the top edge and "ypos" the left one; both ways use the same assignment.
  position.top = ProfileInteger(ReadProfileString(settingsPath_, "Position", "xpos", ""));
  position.left = ProfileInteger(ReadProfileString(settingsPath_, "Position", "ypos", ""));
  dataFileName = ReadProfileString(settingsPath_, "FileName", "datafile", "");
  if (dataFileName.size() > kMaxSettingBytes) dataFileName.resize(kMaxSettingBytes);
  saveFolder_ = programDir_;
  if (!IsRegularFile(programDir_ + dataFileName)) dataFileName.clear();
  if (dataFileName.empty()) {
    dataList = BuiltinStages();
    dataFileName = GeneratedStageFileName(now_());
  } else {
    dataList = ReadStageFile(programDir_ + dataFileName);
  }
  return position;
}

void StageStore::FormClose(WindowPosition closing) {
  const bool written = WriteProfileStrings(settingsPath_, {
      {"Position", "xpos", std::to_string(closing.top)},
      {"Position", "ypos", std::to_string(closing.left)},
      {"FileName", "datafile", dataFileName},
  });
  if (!written) throw GameError(FormatMessage("%s に書き込めません", {settingsPath_}));
}

void StageStore::LoadFile(const std::string& fullPath) {
  // A missing, unreadable or refused file throws here, before anything changes.
  std::vector<StageLine> lines = ReadStageFile(fullPath);
  dataList = std::move(lines);
  dataFileName = BareName(fullPath);
  saveFolder_ = AbsoluteFolder(FolderOf(fullPath));
}

void StageStore::MarkStageCleared(int stageIndex) {
  if (stageIndex < 0 || static_cast<std::size_t>(stageIndex) >= dataList.size()) return;
  StageLine& line = dataList[static_cast<std::size_t>(stageIndex)];
  line = MarkedCleared(line);
  // The list keeps the flag even if the save fails; the next successful save writes it.
  if (!ReplaceFileContents(saveFolder_ + dataFileName, StageText(dataList))) {
    throw GameError(FormatMessage("ファイル %s を作成できません", {dataFileName}));
  }
}

std::vector<std::string> StageListLines(const std::vector<StageLine>& dataList) {
  std::vector<std::string> lines;
  lines.reserve(dataList.size());
  for (const StageLine& line : dataList) {
    lines.push_back((IsCleared(line) ? "☆ " : "\u3000 ") + DisplayText(StageName(line)));
  }
  return lines;
}

}  // namespace suispo
