// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The desktop's style, but with scrolling menus: a style that does not scroll fills the screen with
// columns of items.
#include "app/window/scrolling_menu.h"

#include <QMenu>
#include <QProxyStyle>

namespace suispo {
namespace {

class ScrollingMenuStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returned) const override {
    if (hint == SH_Menu_Scrollable) return 1;
    return QProxyStyle::styleHint(hint, option, widget, returned);
  }
};

}  // namespace

void MakeScrolling(QMenu& menu) {
  auto* style = new ScrollingMenuStyle;
  style->setParent(&menu);  // a widget does not own its style
  menu.setStyle(style);
}

}  // namespace suispo
