// The generated stage file name and the machine's local clock.
#include "app/store/stage_file_name.h"

#include <cstdio>
#include <ctime>

namespace suispo {

std::string GeneratedStageFileName(const LocalTime& t) {
  char text[64];
  if (t.hour == 0 && t.minute == 0 && t.second == 0) {
    std::snprintf(text, sizeof text, "%04d%02d%02d.ssp", t.year, t.month, t.day);
  } else {
    std::snprintf(text, sizeof text, "%04d%02d%02d %02d%02d%02d.ssp", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
  }
  return text;
}

LocalTime CurrentLocalTime() {
  const std::time_t now = std::time(nullptr);
  std::tm parts{};
  localtime_r(&now, &parts);
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
          parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

}  // namespace suispo
