// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Reading a table of settings at start and writing it back at close.
#include "app/store/setting_table.h"

#include <optional>

#include "app/store/profile_text.h"

namespace suispo {
namespace {

// The value a field takes for text from the file (the number in decimal for a range), or nothing
// when the text is not among the allowed values.
std::optional<std::string> AllowedValue(const AllowedValues& allowed, const std::string& text) {
  if (const auto* range = std::get_if<IntegerRange>(&allowed)) {
    const std::optional<int> number = ParseProfileInteger(text);
    if (!number || *number < range->least || *number > range->most) return std::nullopt;
    return std::to_string(*number);
  }
  if (const auto* words = std::get_if<Words>(&allowed)) {
    if (std::find(words->words.begin(), words->words.end(), text) == words->words.end()) return std::nullopt;
    return text;
  }
  return text.substr(0, std::get<AnyText>(allowed).maxBytes);
}

}  // namespace

Words NumberWords(std::span<const int> numbers) {
  Words words;
  for (const int number : numbers) words.words.push_back(std::to_string(number));
  return words;
}

std::vector<bool> ReadSettings(const std::string& path, const std::vector<Setting>& settings) {
  // Read once for every row: a large file costs one reading, not one a row.
  const std::string file = ReadProfileText(path).value_or(std::string());
  std::vector<bool> heldInFile;
  for (const Setting& setting : settings) {
    const std::string text = FindProfileValue(file, setting.section, setting.key).value_or(std::string());
    heldInFile.push_back(!text.empty());
    setting.set(text.empty() ? setting.byDefault : AllowedValue(setting.allowed, text).value_or(setting.byDefault));
  }
  return heldInFile;
}

std::vector<ProfileEntry> SettingEntries(const std::vector<Setting>& settings, const std::vector<bool>& heldInFile) {
  std::vector<ProfileEntry> entries;
  for (std::size_t i = 0; i < settings.size(); ++i) {
    const Setting& setting = settings[i];
    std::string value = setting.get();
    const bool held = i < heldInFile.size() && heldInFile[i];
    if (setting.written == Written::kAlways || held || value != setting.byDefault) {
      entries.push_back({setting.section, setting.key, std::move(value)});
    }
  }
  return entries;
}

}  // namespace suispo
