#pragma once

#include "Game.h"

namespace ringvale {

// The main window shows no intermediate state between these two calls.
void FreezeWindow(Game& game);
void UnfreezeWindow(Game& game);

}  // namespace ringvale
