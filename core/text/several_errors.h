// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// Errors told together: a step that tries several things whatever became of the others (a clear's
// two saves) throws every failure, not only the first.
#pragma once

#include <exception>
#include <stdexcept>
#include <utility>
#include <vector>

namespace suispo {

class SeveralErrors : public std::runtime_error {
 public:
  explicit SeveralErrors(std::vector<std::exception_ptr> errors)
      : std::runtime_error("several errors"), errors(std::move(errors)) {}
  std::vector<std::exception_ptr> errors;  // in the order they happened
};

// Throws the one error there is, or all of them as SeveralErrors; nothing when there is none.
inline void ThrowErrors(std::vector<std::exception_ptr> errors) {
  if (errors.size() == 1) std::rethrow_exception(errors.front());
  if (errors.size() > 1) throw SeveralErrors(std::move(errors));
}

}  // namespace suispo
