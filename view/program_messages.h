// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Qt's own warnings on standard error, named by the program that prints them.
#pragma once

namespace suispo {

// From now on every message Qt prints (its warnings, a library's it passes on) starts with
// prefix, e.g. "suispo-stage: ", as the program's own errors do. prefix must outlive the program.
void PrefixQtMessages(const char* prefix);

}  // namespace suispo
