// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The profile-text rules: line splitting, section and key matching, in-place edits.
#include "app/store/profile_text.h"

#include <vector>

namespace suispo {
namespace {

struct Line {
  std::size_t begin;  // first byte of the line
  std::size_t end;    // first byte of its line end
  std::size_t next;   // first byte after its line end
};

enum class LineKind { kOther, kSection, kKey };

struct ParsedLine {
  LineKind kind = LineKind::kOther;
  std::string_view name;   // section or key name, trimmed
  std::size_t valueBegin = 0;  // key lines: where the value starts in the text, blanks skipped
  std::string_view value;  // key lines: trimmed value, quotes still on
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

bool HasOuterQuotes(std::string_view s) {
  return s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front();
}

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  // A UTF-8 byte-order mark (as some editors save) is no part of the first line; edits keep it.
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  std::size_t begin = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    const std::size_t next = (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? i + 2 : i + 1;
    lines.push_back({begin, i, next});
    begin = next;
    i = next - 1;
  }
  if (begin < text.size()) lines.push_back({begin, text.size(), text.size()});
  return lines;
}

ParsedLine Parse(std::string_view text, const Line& line) {
  ParsedLine parsed;
  const std::string_view content = text.substr(line.begin, line.end - line.begin);
  const std::string_view trimmed = Trim(content);
  if (trimmed.empty() || trimmed.front() == ';') return parsed;
  if (trimmed.front() == '[') {
    const auto close = trimmed.find(']');
    parsed.kind = LineKind::kSection;
    parsed.name = Trim(trimmed.substr(1, close == std::string_view::npos ? close : close - 1));
    return parsed;
  }
  const auto equals = content.find('=');
  if (equals == std::string_view::npos) return parsed;
  parsed.kind = LineKind::kKey;
  parsed.name = Trim(content.substr(0, equals));
  std::size_t valueBegin = equals + 1;
  while (valueBegin < content.size() && IsBlank(content[valueBegin])) ++valueBegin;
  parsed.valueBegin = line.begin + valueBegin;
  parsed.value = Trim(content.substr(valueBegin));
  return parsed;
}

// Where a key sits in the text: the index of its section's header line, of the key's line
// (npos if absent), and of the section's last key line (the header if it has none).
struct Place {
  std::size_t section = std::string_view::npos;
  std::size_t key = std::string_view::npos;
  std::size_t lastKey = std::string_view::npos;
};

Place Locate(std::string_view text, const std::vector<Line>& lines, std::string_view section,
             std::string_view key) {
  Place place;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const ParsedLine parsed = Parse(text, lines[i]);
    if (parsed.kind == LineKind::kSection) {
      if (place.section != std::string_view::npos) break;  // the first section of a name ends
      if (SameName(parsed.name, section)) place.section = place.lastKey = i;
    } else if (parsed.kind == LineKind::kKey && place.section != std::string_view::npos) {
      place.lastKey = i;
      if (place.key == std::string_view::npos && SameName(parsed.name, key)) place.key = i;
    }
  }
  return place;
}

std::string_view LineEndOf(std::string_view text, const std::vector<Line>& lines) {
  for (const Line& line : lines) {
    if (line.next > line.end) return text.substr(line.end, line.next - line.end);
  }
  return "\r\n";
}

std::string Encoded(std::string_view value) {
  const bool changedByReading =
      !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) || HasOuterQuotes(value));
  return changedByReading ? "\"" + std::string(value) + "\"" : std::string(value);
}

}  // namespace

std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key) {
  const std::vector<Line> lines = SplitLines(text);
  const Place place = Locate(text, lines, section, key);
  if (place.key == std::string_view::npos) return std::nullopt;
  std::string_view value = Parse(text, lines[place.key]).value;
  if (HasOuterQuotes(value)) value = value.substr(1, value.size() - 2);
  return std::string(value);
}

std::string WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value) {
  const std::vector<Line> lines = SplitLines(text);
  const std::string eol(LineEndOf(text, lines));
  const Place place = Locate(text, lines, section, key);
  const std::string entry = std::string(key) + "=" + Encoded(value);
  std::string result;
  if (place.key != std::string_view::npos) {
    const Line& line = lines[place.key];
    const std::size_t valueBegin = Parse(text, line).valueBegin;
    result.append(text.substr(0, valueBegin));
    result.append(Encoded(value));
    result.append(text.substr(line.end));
  } else if (place.section != std::string_view::npos) {
    const Line& after = lines[place.lastKey];
    result.append(text.substr(0, after.next));
    if (after.next == after.end) result.append(eol);  // the text ended without a line end
    result.append(entry + eol);
    result.append(text.substr(after.next));
  } else {
    result.append(text);
    if (!lines.empty() && lines.back().next == lines.back().end) result.append(eol);
    result.append("[" + std::string(section) + "]" + eol + entry + eol);
  }
  return result;
}

}  // namespace suispo
