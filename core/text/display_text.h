// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Text from stage files made readable: code page 932 (or UTF-8 when the bytes are UTF-8) to UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace suispo {

// Never throws: a byte that cannot be decoded becomes U+FFFD. Bytes that are valid UTF-8 and hold a
// multi-byte character are taken as UTF-8; plain ASCII is itself.
std::string DisplayText(std::string_view bytes);
// The length of the well-formed UTF-8 character at text[i] (shortest form, no surrogates, nothing
// above U+10FFFF), or 0 when the byte there starts none.
std::size_t Utf8CharacterLength(std::string_view text, std::size_t i);

}  // namespace suispo
