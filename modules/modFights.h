// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Game.h"

namespace ringvale {

void HoldBout(Game& game, int first, int second);  // the player's bout in the fight window
void LoadFight(Game& game);                        // the fight window's load sequence
void DoRound(Game& game);                          // Click of cmdNextRound
// One round of Fight On, as Next Round plays it: true while the bout goes on and no box came up,
// so the next round may follow without the player.
bool FightOn(Game& game);
void PlayRound(Game& game, int first, int second);
void ScoreRound(Game& game);
void PunchesByA(Game& game);
void PunchesByB(Game& game);
void KnockOut(Game& game);
void TakeDive(Game& game);
void RetireFromBout(Game& game);  // Click of cmdRetire
void AskToRetire(Game& game);     // Escape or the close box: retires only if the player says Yes
void FightResult(Game& game);
void TakeRankA(Game& game);
void TakeRankB(Game& game);

}  // namespace ringvale
