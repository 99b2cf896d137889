// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Reads one field back out of a stage-tool JSON object, so tests can state what they expect by name.
#pragma once

#include <string>

namespace suispo::model {

// The raw text of a field's value, quotes removed; empty when the key is missing.
inline std::string Field(const std::string& json, const std::string& key) {
  const std::string head = "\"" + key + "\":";
  const std::size_t at = json.find(head);
  if (at == std::string::npos) return "";
  std::size_t from = at + head.size();
  const bool quoted = json[from] == '"';
  if (quoted) ++from;
  const std::size_t to = json.find_first_of(quoted ? "\"" : ",}", from);
  return json.substr(from, to - from);
}

inline int IntField(const std::string& json, const std::string& key) { return std::stoi(Field(json, key)); }

}  // namespace suispo::model
