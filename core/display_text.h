// Text from stage files made readable: code page 932 (or UTF-8 when the bytes are UTF-8) to UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace suispo {

// Never throws: a byte that cannot be decoded becomes U+FFFD. Bytes that are valid UTF-8 and hold a
// multi-byte character are taken as UTF-8; plain ASCII is itself.
std::string DisplayText(std::string_view bytes);

}  // namespace suispo
