// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage name drawn over the name plate in the banner slot of the surface.
#include "view/name_plate.h"

#include <QFontMetrics>
#include <QPainter>

#include "core/text/display_text.h"
#include "view/board_view.h"
#include "view/font_faces.h"
#include "view/literal_text.h"
#include "view/raster_copy.h"

namespace suispo {

QFont NameFont() {
  QFont font;
  font.setFamilies(ProportionalGothic());
  font.setPixelSize(13);
  font.setBold(true);
  return font;
}

void BoardView::DrawStageName(const std::string& name) {
  Load();
  DrawPlateText(LiteralText(QString::fromUtf8(DisplayText(name))));
}

void BoardView::DrawPlateText(const QString& shown) {
  const QRect slot = ToQRect(atlas::kBannerSlot);
  // The plate also wipes a banner or a name drawn before.
  Copy(mainImage_, slot.topLeft(), atlas_, ToQRect(atlas::kNamePlate), RasterOp::kCopy);

  const QFont font = NameFont();
  const QFontMetrics metrics(font);
  // As the stage list does: a name too wide for the plate ends in "…", cut between characters.
  const QString text = metrics.elidedText(shown, Qt::ElideRight, kNameRoom);
  if (!text.isEmpty()) {
    const int x0 = NameLeft(metrics.horizontalAdvance(text));
    const int ascent = metrics.ascent();  // the positions below are the text's top-left corner
    QPainter painter(&mainImage_);
    // Only the slot is ever redrawn: nothing may spill onto the rest of the surface.
    painter.setClipRect(slot);
    painter.setFont(font);
    painter.setPen(QColor(192, 192, 192));
    painter.drawText(QPoint(x0 + 1, 19 + ascent), text);
    painter.setPen(QColor(0, 255, 0));
    painter.drawText(QPoint(x0, 18 + ascent), text);
  }
  sink_.Update(slot);
}

}  // namespace suispo
