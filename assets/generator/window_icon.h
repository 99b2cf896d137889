// The 32 x 32 window icon: the character's face on a slab of ice.
#pragma once

#include <QImage>

namespace suispo::art {

QImage WindowIcon();

}  // namespace suispo::art
