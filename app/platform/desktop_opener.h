// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The desktop's open-document action, which also says when the desktop could not open a document.
#pragma once

#include <functional>

#include <QUrl>

namespace suispo {

// Opens `url` in the desktop's viewer. `whenFailed` (may be empty) runs on the user-interface
// thread when there is no viewer or the desktop's opener ends with a failure, which may be some
// time after this returns.
using OpenDocument = std::function<void(const QUrl& url, std::function<void()> whenFailed)>;

// The real action: xdg-open, watched to its end; Qt's own launcher search where xdg-open is missing.
void OpenWithDesktop(const QUrl& url, std::function<void()> whenFailed);

}  // namespace suispo
