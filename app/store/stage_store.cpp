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

bool HoldsLineBreak(std::string_view name) { return name.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

StageStore::StageStore(StorePlaces places, std::function<LocalTime()> now)
    : records(RecordsFileBeside(places.settingsFile)),
      places_(std::move(places)),
      now_(std::move(now)),
      saveFolder_(places_.stageFolder) {}

WindowPosition StageStore::FormCreate() {
  // "xpos" keeps the top edge and "ypos" the left one; both ways use the same assignment.
  const std::string& settings = places_.settingsFile;
  records.Read();
  position.top = ProfileInteger(ReadProfileString(settings, "Position", "xpos", ""));
  position.left = ProfileInteger(ReadProfileString(settings, "Position", "ypos", ""));
  std::string remembered = ReadProfileString(settings, "FileName", "datafile", "");
  if (remembered.size() > kMaxSettingBytes) remembered.resize(kMaxSettingBytes);
  // A bare name lies in the stage folder; a file from elsewhere is remembered by absolute path.
  const bool absolute = !remembered.empty() && remembered.front() == '/';
  const std::string path = absolute ? remembered : places_.stageFolder + remembered;
  if (!remembered.empty() && !IsRegularFile(path)) {
    goneFile_ = path;
    remembered.clear();
  }
  startName_ = remembered;
  byteOrderMark_ = false;
  if (remembered.empty()) {
    dataList = BuiltinStages();
    dataFileName = GeneratedStageFileName(now_());
    saveFolder_ = places_.stageFolder;
    onDisk_ = false;
  } else {
    // Named before reading, so a file that cannot be read is still remembered at close.
    dataFileName = BareName(path);
    saveFolder_ = FolderOf(path);
    onDisk_ = true;
    ReadStages(path);
  }
  return position;
}

void StageStore::ReportGoneFile() {
  if (goneFile_.empty()) return;
  const std::string gone = std::exchange(goneFile_, std::string());
  throw GameError(FormatMessage("ファイル %s は開けません", {gone}));
}

std::string StageStore::RememberedName() const {
  if (!onDisk_) return "";
  const std::string name =
      SameFolder(saveFolder_, places_.stageFolder) ? dataFileName : saveFolder_ + dataFileName;
  return HoldsLineBreak(name) ? startName_ : name;
}

void StageStore::FormClose(WindowPosition closing) {
  const std::string& settings = places_.settingsFile;
  const bool written = MakeFolders(FolderOf(settings)) &&
                       WriteProfileStrings(settings, {
                           {"Position", "xpos", std::to_string(closing.top)},
                           {"Position", "ypos", std::to_string(closing.left)},
                           {"FileName", "datafile", RememberedName()},
                       });
  if (!written) throw GameError(FormatMessage("%s に書き込めません", {settings}));
}

void StageStore::LoadFile(const std::string& fullPath) {
  // A missing, unreadable or refused file throws here, before anything changes.
  ReadStages(fullPath);
  dataFileName = BareName(fullPath);
  saveFolder_ = AbsoluteFolder(FolderOf(fullPath));
  onDisk_ = true;
}

void StageStore::ReadStages(const std::string& path) {
  StageFileText file = ReadStageFileText(path);
  dataList = std::move(file.lines);
  byteOrderMark_ = file.byteOrderMark;
}

void StageStore::MarkStageCleared(int stageIndex) {
  if (stageIndex < 0 || static_cast<std::size_t>(stageIndex) >= dataList.size()) return;
  StageLine& line = dataList[static_cast<std::size_t>(stageIndex)];
  line = MarkedCleared(line);
  // The list keeps the flag even if the save fails; the next successful save writes it.
  if (!MakeFolders(saveFolder_) ||
      !ReplaceFileContents(saveFolder_ + dataFileName, StageText(dataList, byteOrderMark_))) {
    throw GameError(FormatMessage("ファイル %s を作成できません", {dataFileName}));
  }
  onDisk_ = true;
}

std::vector<std::string> StageListLines(const std::vector<StageLine>& dataList, const PlayRecords* records) {
  std::vector<std::string> lines;
  lines.reserve(dataList.size());
  for (const StageLine& line : dataList) {
    const std::optional<StageRecord> record = records != nullptr ? records->Find(line) : std::nullopt;
    const char* mark = record && record->star ? "★ " : IsCleared(line) ? "☆ " : "\u3000 ";
    lines.push_back(mark + DisplayText(StageName(line)));
  }
  return lines;
}

}  // namespace suispo
