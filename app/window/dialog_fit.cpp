// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A dialog's width from its title.
#include "app/window/dialog_fit.h"

#include <algorithm>

#include <QFontMetrics>
#include <QWidget>

namespace suispo {

int TitleWidthNeeded(const QWidget& window) {
  const QFontMetrics metrics(window.font());
  // The frame's icon and its buttons take about eight lines' height beside the title.
  return metrics.horizontalAdvance(window.windowTitle()) + 8 * metrics.height();
}

void WideEnoughForTitle(QWidget& window) {
  window.setMinimumWidth(std::max(window.minimumWidth(), TitleWidthNeeded(window)));
}

}  // namespace suispo
