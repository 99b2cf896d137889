// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The link label's look and its click on mouse release.
#include "app/window/link_label.h"

#include <QMouseEvent>

namespace suispo {

LinkLabel::LinkLabel(const QString& text, QWidget* parent, std::function<void()> onClick)
    : QLabel(text, parent), onClick_(std::move(onClick)) {
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, Qt::blue);
  setPalette(palette);
  QFont font = this->font();
  font.setUnderline(true);
  setFont(font);
  setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) onClick_();
  QLabel::mouseReleaseEvent(event);
}

}  // namespace suispo
