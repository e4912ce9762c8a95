#include "modSetFights.h"

#include <array>
#include <stdexcept>
#include <string>

namespace ringvale {

void NextWeek(Game& /*game*/) {
  throw std::logic_error("NextWeek is not built yet");
}
void ArrangeBout(Game& /*game*/, int /*selectedRank*/) {
  throw std::logic_error("ArrangeBout is not built yet");
}
void SignChallenge(Game& /*game*/) {
  throw std::logic_error("SignChallenge is not built yet");
}
void RejectChallenge(Game& /*game*/) {
  throw std::logic_error("RejectChallenge is not built yet");
}
void DrawMatchup(Game& /*game*/) {
  throw std::logic_error("DrawMatchup is not built yet");
}
void BookRivalBout(Game& /*game*/) {
  throw std::logic_error("BookRivalBout is not built yet");
}
void AdvanceWeek(Game& /*game*/) {
  throw std::logic_error("AdvanceWeek is not built yet");
}
void IssueChallenge(Game& /*game*/) {
  throw std::logic_error("IssueChallenge is not built yet");
}

void ListUpcomingFights(Game& game) {
  auto& roster = game.career.Roster;
  std::array<bool, RosterSize> listed{};  // second boxer of a bout already listed
  game.main.comUpcoming.clear();
  for (int i = 0; i < RosterSize; ++i) {
    const int j = roster[i].Opponent;
    if (listed[i] || j == NoOpponent) continue;
    game.main.comUpcoming.push_back(roster[i].Name + " vs " + roster.at(j).Name + " in " +
                                    std::to_string(int(roster[i].WeeksToBout)) + " week(s)");
    listed.at(j) = true;
  }
}

}  // namespace ringvale
