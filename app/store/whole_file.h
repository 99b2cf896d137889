// Whether a file is missing, and replacing a file whole so that a failure never leaves it damaged.
#pragma once

#include <string>
#include <string_view>

namespace suispo {

// True when nothing (not even a link) exists at path.
bool IsMissing(const std::string& path);
// Writes bytes to a temporary file beside path, flushes it to disk and renames it over path.
// On failure returns false, removes the temporary file and leaves path byte for byte as it was.
// Temporaries that an interrupted save of the same file left beside it are removed first.
bool ReplaceFileContents(const std::string& path, std::string_view bytes);

}  // namespace suispo
