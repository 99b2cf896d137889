// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Settings as table rows (place in the file, default, values taken, field) and the loops over them.
#pragma once

#include <algorithm>
#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "app/store/profile_file.h"

namespace suispo {

// Integers from least to most, read as ProfileInteger reads them ("0x…" too).
struct IntegerRange {
  int least;
  int most;
};
// Exactly one of these words. An enum field holds the word's place in the list, an int field the
// number the word spells.
struct Words {
  std::vector<std::string> words;
};
// Any text, cut to at most this many bytes.
struct AnyText {
  std::size_t maxBytes;
};
using AllowedValues = std::variant<IntegerRange, Words, AnyText>;

// The numbers as words, in decimal.
Words NumberWords(std::span<const int> numbers);

enum class Written {
  kAlways,
  // Only once the file held it or it differs from its default: a player who never changed it finds
  // the settings file as it always was.
  kOnceChanged,
};

// One setting of a settings file, bound to the field it fills at start and is written from at close.
struct Setting {
  // field: an int, a std::string or an enum (whose allowed values are Words).
  template <typename Field>
  Setting(std::string section, std::string key, std::string byDefault, AllowedValues allowed, Written written,
          Field& field);

  std::string section;
  std::string key;
  std::string byDefault;  // as the file holds it: taken for a value absent, empty or not allowed
  AllowedValues allowed;
  Written written;
  std::function<void(const std::string&)> set;  // fills the field from an allowed value
  std::function<std::string()> get;             // the field's value as the file holds it
};

// Fills every setting's field from the file at path: its value when allowed, else its default.
// Returns, row by row, whether the file held the setting (a value that is not empty).
std::vector<bool> ReadSettings(const std::string& path, const std::vector<Setting>& settings);
// The entries to write, in the table's order: every setting written always, and the others when
// heldInFile (as ReadSettings returned it) says so or their field differs from their default.
std::vector<ProfileEntry> SettingEntries(const std::vector<Setting>& settings, const std::vector<bool>& heldInFile);

template <typename Field>
Setting::Setting(std::string section, std::string key, std::string byDefault, AllowedValues allowed,
                 Written written, Field& field)
    : section(std::move(section)),
      key(std::move(key)),
      byDefault(std::move(byDefault)),
      allowed(std::move(allowed)),
      written(written) {
  if constexpr (std::is_same_v<Field, std::string>) {
    set = [&field](const std::string& value) { field = value; };
    get = [&field] { return field; };
  } else if constexpr (std::is_same_v<Field, int>) {
    set = [&field](const std::string& value) { field = ProfileInteger(value); };
    get = [&field] { return std::to_string(field); };
  } else {
    static_assert(std::is_enum_v<Field>, "a setting fills an int, a std::string or an enum");
    const std::vector<std::string> words = std::get<Words>(this->allowed).words;
    set = [&field, words](const std::string& value) {
      field = static_cast<Field>(std::find(words.begin(), words.end(), value) - words.begin());
    };
    get = [&field, words] { return words.at(static_cast<std::size_t>(field)); };
  }
}

}  // namespace suispo
