// Text written into the tool's JSON: a string with quotes, backslashes and control characters escaped.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace suispo::tool {

inline std::string JsonString(std::string_view text) {
  std::string json = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      json += escaped;
    } else {
      json += c;
    }
  }
  return json + "\"";
}

}  // namespace suispo::tool
