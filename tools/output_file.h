// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Writing the stage tool's output files: whole or not at all, and only over a regular file.
#pragma once

#include <string>
#include <string_view>

namespace suispo::tool {

// Replaces path with bytes in one step (temporary file, flush, rename), so a full disk leaves the
// old file as it was; the player's own link is written through, and no link of another user is
// followed (core/files/write_place.h). Throws std::runtime_error for a path that names something
// other than a regular file (a FIFO would hold the tool for good), passes another user's link, or
// cannot be written.
void WriteOutputFile(const std::string& path, std::string_view bytes);

}  // namespace suispo::tool
