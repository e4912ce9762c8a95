#include "modEvents.h"

#include <stdexcept>

namespace ringvale {

void OfferBribe(Game& /*game*/) { throw std::logic_error("OfferBribe is not built yet"); }

void Dive(Game& /*game*/) { throw std::logic_error("Dive is not built yet"); }

void Busted(Game& /*game*/) { throw std::logic_error("Busted is not built yet"); }

void TitlePurse(Game& /*game*/) { throw std::logic_error("TitlePurse is not built yet"); }

void ForcedRetirement(Game& /*game*/) { throw std::logic_error("ForcedRetirement is not built yet"); }

void LoadHallOfFame(Game& /*game*/) { throw std::logic_error("LoadHallOfFame is not built yet"); }


}  // namespace ringvale
