#include "modBoxer.h"

#include <stdexcept>

namespace ringvale {

void TrainPlayer(Game& /*game*/) { throw std::logic_error("TrainPlayer is not built yet"); }

void TrainRival(Game& /*game*/, int /*index*/) { throw std::logic_error("TrainRival is not built yet"); }

void ClickPower(Game& /*game*/) { throw std::logic_error("ClickPower is not built yet"); }

void ClickSpeed(Game& /*game*/) { throw std::logic_error("ClickSpeed is not built yet"); }

void ClickRest(Game& /*game*/) { throw std::logic_error("ClickRest is not built yet"); }

void TickPunch(Game& /*game*/) { throw std::logic_error("TickPunch is not built yet"); }


}  // namespace ringvale
