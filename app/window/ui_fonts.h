// The two faces the window asks for, with the fallbacks installed on this system.
#pragma once

#include <QFont>

namespace suispo {

// The proportional Gothic face, by pixel height.
QFont ProportionalFont(int pixels, bool bold = false);
// The fixed-pitch Gothic face of the stage list, by pixel height.
QFont FixedFont(int pixels);

}  // namespace suispo
