// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Fuzzes check on one stage line: its report as JSON is one well-formed JSON object on one line, and
// the generator's acceptance (PassesGates) says yes exactly when every gate of the table passes.
//
// Input: the stage line's bytes (the first 200).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/design/gates.h"
#include "core/text/display_text.h"
#include "tests/fuzz/fuzz_check.h"
#include "tools/check_report.h"

namespace suispo {
namespace {

// Small searches: a stage needing more is reported as not decided, which is fine to fuzz too.
constexpr std::size_t kStateLimit = 20'000;

// A reader of JSON that says whether the text from `at` is one value, moving `at` past it.
class JsonReader {
 public:
  explicit JsonReader(std::string_view text) : text_(text) {}
  bool WholeObject() { return Peek() == '{' && Value() && at_ == text_.size(); }

 private:
  char Peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
  bool Take(char c) { return Peek() == c && (++at_, true); }
  bool Word(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }
  bool String() {
    if (!Take('"')) return false;
    while (at_ < text_.size()) {
      const unsigned char c = static_cast<unsigned char>(text_[at_++]);
      if (c < 0x20) return false;
      if (c == '"') return true;
      if (c == '\\' && !(Take('"') || Take('\\') || Take('/') || Take('b') || Take('f') || Take('n') || Take('r') ||
                         Take('t') || (Take('u') && Hex4()))) {
        return false;
      }
    }
    return false;
  }
  bool Hex4() {
    for (int i = 0; i < 4; ++i) {
      const char c = Peek();
      if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))) return false;
      ++at_;
    }
    return true;
  }
  bool Number() {
    const std::size_t from = at_;
    Take('-');
    while ((Peek() >= '0' && Peek() <= '9') || Peek() == '.') ++at_;
    return at_ > from && text_[at_ - 1] != '-';
  }
  template <class Item>
  bool Sequence(char close, Item item) {
    if (Take(close)) return true;
    do {
      if (!item()) return false;
    } while (Take(','));
    return Take(close);
  }
  bool Value() {
    if (Take('{')) return Sequence('}', [this] { return String() && Take(':') && Value(); });
    if (Take('[')) return Sequence(']', [this] { return Value(); });
    if (Peek() == '"') return String();
    return Word("true") || Word("false") || Number();
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

}  // namespace
}  // namespace suispo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace suispo;
  const StageLine line(reinterpret_cast<const char*>(data), std::min<std::size_t>(size, 200));
  const tool::StageCheck check = tool::CheckStage(line, kStateLimit);
  const std::string json = tool::CheckReport(true, 1, DisplayText(StageName(line)), line, check, kStateLimit);
  FUZZ_CHECK(json.ends_with("}\n"));
  FUZZ_CHECK(JsonReader(std::string_view(json).substr(0, json.size() - 1)).WholeObject());
  if (check.Cleared()) {
    const StageDraft draft = DraftOfLine(line);
    const StageMeasures m = Measure(draft, kStateLimit);
    FUZZ_CHECK(PassesGates(draft, m.par, false, kStateLimit) == GatesOf(m).All());
  }
  return 0;
}
