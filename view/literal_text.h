// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A file's or a stage's name shown as it is written: nothing in it may cut it, hide part of it or
// turn it around.
#pragma once

#include <QString>

namespace suispo {

// The replacement shown for a character that would not show as itself (also for bytes of a file
// name that are no UTF-8).
inline constexpr char16_t kShownReplacement = u'\uFFFD';

// name with every control character (TAB, line breaks, …), line and paragraph separator and mark
// of writing direction (U+202E and its kin) replaced by kShownReplacement.
QString LiteralText(const QString& name);
// The same for the caption of a menu item or a button, where "&" marks a shortcut: each "&" doubled,
// so that "a&b&&c" reads a&b&&c.
QString LiteralCaption(const QString& name);

}  // namespace suispo
