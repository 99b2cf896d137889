// SPDX-FileCopyrightText: 2026 The suispo developers
// SPDX-License-Identifier: MIT
// The two faces the window asks for, with the fallbacks installed on this system.
#pragma once

#include <QFont>
#include <QStringList>

namespace suispo {

class UiFonts {
 public:
  // Looks the named faces up once. A name the font database lacks is left out of the requests:
  // Qt would pass it over for the fallback anyway, but only after asking fontconfig for
  // substitutes again for every script of every text, which doubles the window's start-up.
  UiFonts();

  // The proportional Gothic face, by pixel height.
  QFont Proportional(int pixels, bool bold = false) const;
  // The fixed-pitch Gothic face of the stage list, by pixel height.
  QFont Fixed(int pixels) const;

 private:
  QStringList proportional_;
  QStringList fixed_;
};

}  // namespace suispo
