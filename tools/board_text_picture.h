// The board drawn in plain text for a person: cells, walls (| and --- solid, : and ... marked), the character.
#pragma once

#include <string>

#include "core/game.h"

namespace suispo::tool {

std::string BoardPicture(const Game& game);

}  // namespace suispo::tool
