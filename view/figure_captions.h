// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The play screen's captions (のこりの壁, 手数, 最短, 記録, むずかしさ) lettered over its background at
// run time, in the player's language: the painted background leaves their places empty.
#pragma once

#include <QImage>
#include <QString>

namespace suispo {

// Each figure's caption of layout::kFigures through Qt's translation (context "PlayScreen"); the
// Japanese caption without a translation.
QString FigureCaption(std::size_t figure);

// The background (the play screen at `scale`) with each figure's caption lettered in its caption box,
// as the art generator letters: orange, outlined in dark brown, centred.
QImage WithFigureCaptions(QImage background, int scale);

}  // namespace suispo
