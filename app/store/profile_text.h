// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Profile (INI) text as bytes: looking a value up and setting one while every other byte stays.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace suispo {

// Section and key names match without regard to ASCII case; blanks around names and values are
// ignored; one pair of matching outer quotes is removed from a value; lines starting with ';' are
// comments; CR LF, CR and LF end lines. Only the first section of a name counts, and in it the
// first of duplicate keys.
std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key);

// The text with key set to value: replaced in place, or added after the section's last key, or
// added with its section at the end. New lines end as the text's first line does (CR LF if none).
// A value that reading would change (outer blanks or quotes) is written inside double quotes.
std::string WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value);

}  // namespace suispo
