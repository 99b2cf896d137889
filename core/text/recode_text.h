// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Text from one character set to another through iconv, going on past what cannot be converted.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace suispo {

// `skip` says how many bytes a character that cannot be converted takes (given the rest of the text);
// `replacement` stands for it. Nothing when iconv knows neither character set.
std::optional<std::string> RecodeText(std::string_view text, const char* to, const char* from,
                                      std::string_view replacement, std::size_t (*skip)(std::string_view rest));

}  // namespace suispo
