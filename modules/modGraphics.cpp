#include "modGraphics.h"

namespace ringvale {

void FreezeWindow(Game& game) {
  game.screen.FreezeWindow();
}

void UnfreezeWindow(Game& game) {
  game.screen.UnfreezeWindow();
}

}  // namespace ringvale
