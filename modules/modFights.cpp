#include "modFights.h"

#include <stdexcept>

namespace ringvale {

void HoldBout(Game& /*game*/, int /*first*/, int /*second*/) { throw std::logic_error("HoldBout is not built yet"); }

void LoadFight(Game& /*game*/) { throw std::logic_error("LoadFight is not built yet"); }

void DoRound(Game& /*game*/) { throw std::logic_error("DoRound is not built yet"); }

void PlayRound(Game& /*game*/, int /*first*/, int /*second*/) { throw std::logic_error("PlayRound is not built yet"); }

void ScoreRound(Game& /*game*/) { throw std::logic_error("ScoreRound is not built yet"); }

void PunchesByA(Game& /*game*/) { throw std::logic_error("PunchesByA is not built yet"); }

void PunchesByB(Game& /*game*/) { throw std::logic_error("PunchesByB is not built yet"); }

void KnockOut(Game& /*game*/) { throw std::logic_error("KnockOut is not built yet"); }

void TakeDive(Game& /*game*/) { throw std::logic_error("TakeDive is not built yet"); }

void RetireFromBout(Game& /*game*/) { throw std::logic_error("RetireFromBout is not built yet"); }

void FightResult(Game& /*game*/) { throw std::logic_error("FightResult is not built yet"); }

void TakeRankA(Game& /*game*/) { throw std::logic_error("TakeRankA is not built yet"); }

void TakeRankB(Game& /*game*/) { throw std::logic_error("TakeRankB is not built yet"); }


}  // namespace ringvale
