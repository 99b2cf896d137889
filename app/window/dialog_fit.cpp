// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A dialog's width from its title.
#include "app/window/dialog_fit.h"

#include <algorithm>

#include <QFontMetrics>
#include <QWidget>

namespace suispo {

int TitleWidthNeeded(const QWidget& window) {
  // The frame letters the title in a face of its own, commonly bold and a third larger than the
  // window's; its icon and buttons take about eight lines' height beside it.
  QFont frameFont = window.font();
  frameFont.setBold(true);
  if (frameFont.pixelSize() > 0) frameFont.setPixelSize(frameFont.pixelSize() * 4 / 3);
  const QFontMetrics metrics(frameFont);
  return metrics.horizontalAdvance(window.windowTitle()) + 8 * metrics.height();
}

void WideEnoughForTitle(QWidget& window) {
  window.setMinimumWidth(std::max(window.minimumWidth(), TitleWidthNeeded(window)));
}

}  // namespace suispo
