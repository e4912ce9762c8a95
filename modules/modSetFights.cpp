#include "modSetFights.h"

#include <stdexcept>

namespace ringvale {

void NextWeek(Game& /*game*/) { throw std::logic_error("NextWeek is not built yet"); }

void ArrangeBout(Game& /*game*/, int /*selectedRank*/) { throw std::logic_error("ArrangeBout is not built yet"); }

void SignChallenge(Game& /*game*/) { throw std::logic_error("SignChallenge is not built yet"); }

void RejectChallenge(Game& /*game*/) { throw std::logic_error("RejectChallenge is not built yet"); }

void DrawMatchup(Game& /*game*/) { throw std::logic_error("DrawMatchup is not built yet"); }

void BookRivalBout(Game& /*game*/) { throw std::logic_error("BookRivalBout is not built yet"); }

void AdvanceWeek(Game& /*game*/) { throw std::logic_error("AdvanceWeek is not built yet"); }

void IssueChallenge(Game& /*game*/) { throw std::logic_error("IssueChallenge is not built yet"); }

void ListUpcomingFights(Game& /*game*/) { throw std::logic_error("ListUpcomingFights is not built yet"); }


}  // namespace ringvale
