// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Escaping control characters for the terminal and for JSON.
#include "tools/shown_text.h"

#include <cstdio>

#include "core/text/display_text.h"

namespace suispo::tool {
namespace {

// The code point of a control character at text[i] of the given length, or -1 for any other.
int ControlAt(std::string_view text, std::size_t i, std::size_t length) {
  const auto lead = static_cast<unsigned char>(text[i]);
  if (length == 1 && (lead < 0x20 || lead == 0x7F)) return lead;
  if (length == 2 && lead == 0xC2 && static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
    return static_cast<unsigned char>(text[i + 1]);  // U+0080 to U+009F
  }
  return -1;
}

std::string Escape(const char* format, int value) {
  char escaped[8];
  std::snprintf(escaped, sizeof escaped, format, value);
  return escaped;
}

}  // namespace

std::string VisibleText(std::string_view text) {
  std::string shown;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8CharacterLength(text, i);
    if (length == 0) {
      shown += Escape("\\x%02x", static_cast<unsigned char>(text[i++]));
      continue;
    }
    const int control = ControlAt(text, i, length);
    if (control < 0) {
      shown.append(text.substr(i, length));
    } else {
      shown += Escape(control < 0x80 ? "\\x%02x" : "\\u%04x", control);
    }
    i += length;
  }
  return shown;
}

std::string JsonString(std::string_view text) {
  std::string json = "\"";
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8CharacterLength(text, i);
    if (length == 0) {
      json += "\xEF\xBF\xBD";
      ++i;
      continue;
    }
    const char c = text[i];
    const int control = ControlAt(text, i, length);
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (c == '\n') {
      json += "\\n";
    } else if (c == '\r') {
      json += "\\r";
    } else if (c == '\t') {
      json += "\\t";
    } else if (control >= 0) {
      json += Escape("\\u%04x", control);
    } else {
      json.append(text.substr(i, length));
    }
    i += length;
  }
  return json + "\"";
}

}  // namespace suispo::tool
