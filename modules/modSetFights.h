// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Game.h"

namespace ringvale {

void NextWeek(Game& game);                       // Click of cmdNextWeek
void NextEvent(Game& game);                      // Click of cmdNextEvent: weeks until news
void ArrangeBout(Game& game, int selectedRank);  // Click of Command1; -1: nothing selected
void SignChallenge(Game& game);                  // Click of cmdSign
void RejectChallenge(Game& game);                // Click of cmdReject

// A waiting challenge belongs to its career. It lapses when the week advances and at the forced
// retirement; a career newly in memory starts without one, the tab showing the player's bout.
void LapseChallenge(Game& game);
void ClearChallenge(Game& game);

void DrawMatchup(Game& game);
void BookRivalBout(Game& game);
void AdvanceWeek(Game& game);
void IssueChallenge(Game& game);
void ListUpcomingFights(Game& game);

// Only boxers next to each other in the ranking meet.
bool AreAdjacent(int rank, int otherRank);
// Whether Challenge / Next Week would book the boxer ranked `rank` now: he and the player are
// free and next to each other in the ranking.
bool MayChallenge(const Career& career, int rank);

}  // namespace ringvale
