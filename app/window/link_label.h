// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// A label that reads as a web link: blue, underlined, a pointing hand, and a click action.
#pragma once

#include <functional>

#include <QLabel>

namespace suispo {

class LinkLabel : public QLabel {
 public:
  LinkLabel(const QString& text, QWidget* parent, std::function<void()> onClick);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::function<void()> onClick_;
};

}  // namespace suispo
