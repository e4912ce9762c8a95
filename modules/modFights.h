#pragma once

#include "Game.h"

namespace ringvale {

void HoldBout(Game& game, int first, int second);  // the player's bout in the fight window
void LoadFight(Game& game);                        // the fight window's load sequence
void DoRound(Game& game);                          // Click of cmdNextRound
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
