#pragma once

#include "Game.h"

namespace ringvale {

void NextWeek(Game& game);                       // Click of cmdNextWeek
void ArrangeBout(Game& game, int selectedRank);  // Click of Command1; -1: nothing selected
void SignChallenge(Game& game);                  // Click of cmdSign
void RejectChallenge(Game& game);                // Click of cmdReject

void DrawMatchup(Game& game);
void BookRivalBout(Game& game);
void AdvanceWeek(Game& game);
void IssueChallenge(Game& game);
void ListUpcomingFights(Game& game);

}  // namespace ringvale
