// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The stage name, or a clear's verdict, drawn over the name plate in the banner slot of the surface.
#include "view/name_plate.h"

#include <algorithm>

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

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

QStringList PlateLines(const QString& shown, bool twoLines) {
  const QFontMetrics metrics(NameFont());
  if (!twoLines || metrics.horizontalAdvance(shown) <= kNameRoom) {
    return {metrics.elidedText(shown, Qt::ElideRight, kNameRoom)};
  }
  qsizetype split = -1;
  int widest = kNameRoom + 1;
  for (qsizetype i = 1; i < shown.size(); ++i) {
    if (!shown[i].isSpace()) continue;
    const int wider = std::max(metrics.horizontalAdvance(shown.left(i).trimmed()),
                               metrics.horizontalAdvance(shown.mid(i).trimmed()));
    if (wider < widest) {
      widest = wider;
      split = i;
    }
  }
  if (split < 0) {
    QTextLayout layout(shown, NameFont());
    QTextOption wrap;
    wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(wrap);
    layout.beginLayout();
    QTextLine first = layout.createLine();
    first.setLineWidth(kNameRoom);
    layout.endLayout();
    split = first.textLength();
  }
  return {shown.left(split).trimmed(), metrics.elidedText(shown.mid(split).trimmed(), Qt::ElideRight, kNameRoom)};
}

void BoardView::DrawPlateText(const QString& shown, bool twoLines) {
  const QFont font = NameFont();
  const QFontMetrics metrics(font);
  const QStringList lines = PlateLines(shown, twoLines);
  QRect slot = ToQRect(atlas::kBannerSlot);
  // The plate also wipes a banner or a name drawn before.
  const QRect plate = ToQRect(atlas::kNamePlate);
  Copy(mainImage_, slot.topLeft(), atlas_, plate, RasterOp::kCopy);
  if (lines.size() > 1) {
    // Grown down to the board's top: its lower half again lower, its middle row drawn out between.
    const int half = plate.height() / 2;
    const int grown = atlas::kBoardSlot.top - slot.top();
    const QRect lower(plate.left(), plate.top() + half, plate.width(), plate.height() - half);
    const QRect middle(plate.left(), plate.top() + half, plate.width(), 1);
    for (int y = slot.top() + half; y < slot.top() + grown - lower.height(); ++y) {
      Copy(mainImage_, {slot.left(), y}, atlas_, middle, RasterOp::kCopy);
    }
    Copy(mainImage_, {slot.left(), slot.top() + grown - lower.height()}, atlas_, lower, RasterOp::kCopy);
    slot.setHeight(grown);
  }

  QPainter painter(&mainImage_);
  // Only the plate is ever redrawn: nothing may spill onto the rest of the surface.
  painter.setClipRect(slot);
  painter.setFont(font);
  const int lineStep = lines.size() > 1 ? 14 : 0;
  int top = lines.size() > 1 ? 16 : 18;
  for (const QString& text : lines) {
    if (!text.isEmpty()) {
      const int x0 = NameLeft(metrics.horizontalAdvance(text));
      const int ascent = metrics.ascent();  // the positions below are the text's top-left corner
      painter.setPen(QColor(192, 192, 192));
      painter.drawText(QPoint(x0 + 1, top + 1 + ascent), text);
      painter.setPen(QColor(0, 255, 0));
      painter.drawText(QPoint(x0, top + ascent), text);
    }
    top += lineStep;
  }
  sink_.Update(slot);
}

}  // namespace suispo
