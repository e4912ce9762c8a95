// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modFights.h"

#include <algorithm>
#include <string>
#include <utility>

#include "FightLog.h"
#include "Identity.h"
#include "modComment.h"
#include "modEvents.h"

namespace ringvale {

namespace {

RosterEntry& FighterA(Game& game) {
  return game.career.Roster.at(game.bout.FighterA);
}
RosterEntry& FighterB(Game& game) {
  return game.career.Roster.at(game.bout.FighterB);
}

Int16 Score(const RosterEntry& boxer) {
  return RoundHalfEven((boxer.Weight + boxer.Speed + boxer.Strength) / double(ScoreDivisor));
}

void ThrowPunches(Game& game, Int16& punches, RosterEntry& target) {
  while (punches > 0) {
    game.bout.PunchRoll = RoundHalfEven(game.random.Next());
    if (game.bout.PunchRoll == 1) {
      target.Strength -= PunchWear;
      target.Speed -= PunchWear;
    }
    punches -= 1;
  }
}

// Stoppages: the named fighter loses 0 to 1.
void StopBoutAgainstA(Game& game) {
  game.bout.ScoreA = 0;
  game.bout.ScoreB = 1;
}
void StopBoutAgainstB(Game& game) {
  game.bout.ScoreA = 1;
  game.bout.ScoreB = 0;
}

// The winner takes the loser's place; the loser and everyone between move one place down. For
// the adjacent places every booking joins, that is a plain swap.
void TakeRank(Game& game, RosterEntry& winner, RosterEntry& loser) {
  const int won = loser.Rank, left = winner.Rank;
  for (auto& boxer : game.career.Roster) {
    if (boxer.Rank >= won && boxer.Rank < left) boxer.Rank += 1;
  }
  winner.Rank = won;
}

// The bars show the player on the left whichever side he fights on.
int PlayerScore(const Game& game) {
  return game.bout.FighterA == PlayerIndex ? game.bout.ScoreA : game.bout.ScoreB;
}
int RivalScore(const Game& game) {
  return game.bout.FighterA == PlayerIndex ? game.bout.ScoreB : game.bout.ScoreA;
}

void PlayerBoutEnded(Game& game) {
  game.bout.Fighting = false;
  game.screen.CloseFight();
  game.main.lblChallenge = "You are not fighting anyone";
}

}  // namespace

void HoldBout(Game& game, int first, int second) {
  if (second == PlayerIndex) std::swap(first, second);  // the player is always fighter A
  game.bout.FighterA = first;
  game.bout.FighterB = second;
  if (first == PlayerIndex) {
    LoadFight(game);
    game.screen.ShowFight();
    return;
  }
  game.random.Reseed();
  game.random.Next();
  for (game.bout.FightRound = SimulatedRounds; game.bout.FightRound > 0;
       game.bout.FightRound -= 1) {
    ScoreRound(game);
    PunchesByB(game);
    PunchesByA(game);
  }
  FightResult(game);
}

void LoadFight(Game& game) {
  game.fight = FightWindow{};
  game.bout.Fighting = true;
  game.log.MoneyAtBell = game.career.Money;
  if (game.career.Player().Rank < LastPlace) {
    game.random.Reseed();
    const int bribeRoll = RoundHalfEven(2 * game.random.Next());
    if (bribeRoll == 1) OfferBribe(game);
  }
  game.fight.lblPlayer = FighterA(game).Name;
  game.fight.lblRival = FighterB(game).Name;
  CommentIntro(game);
  game.screen.Message("Let's get ready to rumble!!!", AppTitle);
}

void DoRound(Game& game) {
  if (!game.bout.Fighting) return;
  PlayRound(game, game.bout.FighterA, game.bout.FighterB);
  CommentAfterRound(game);
}

bool FightOn(Game& game) {
  const int boxes = game.screen.BoxesShown();
  DoRound(game);
  return game.bout.Fighting && game.screen.BoxesShown() == boxes;
}

void PlayRound(Game& game, int first, int second) {
  auto& bout = game.bout;
  auto& fight = game.fight;
  game.random.Reseed();
  game.random.Next();
  bout.FightRound += 1;
  fight.cmdNextRound = bout.FightRound == JudgesRound ? "Judges Decision" : "Next Round";
  bout.FighterA = first;
  bout.FighterB = second;
  if (bout.FightRound <= LastRound) {
    fight.fraFight = "Round " + std::to_string(int(bout.FightRound));
    ScoreRound(game);
    PunchesByA(game);
    PunchesByB(game);
    // A score outside the bars' range shows as a full or empty bar.
    fight.proStamina = std::clamp(PlayerScore(game), 0, FightBarTop);
    fight.proRivStamina = std::clamp(RivalScore(game), 0, FightBarTop);
  }
  if (bout.FightRound == LastRound) {
    // The purse goes with the judges' verdict, so it compares the scores, not the clamped bars.
    if (PlayerScore(game) > RivalScore(game)) TitlePurse(game);
    FightResult(game);
  }
}

void ScoreRound(Game& game) {
  auto& bout = game.bout;
  const auto& a = FighterA(game);
  const auto& b = FighterB(game);
  bout.ScoreA = Score(a);
  bout.ScoreB = Score(b);
  bout.PunchesA = RoundHalfEven(a.Speed / double(SpeedPerPunch));
  bout.PunchesB = RoundHalfEven(b.Speed / double(SpeedPerPunch));
}

void PunchesByA(Game& game) {
  ThrowPunches(game, game.bout.PunchesA, FighterB(game));
}

void PunchesByB(Game& game) {
  ThrowPunches(game, game.bout.PunchesB, FighterA(game));
}

void KnockOut(Game& game) {
  // With both counts at the stop fighter A is the one down.
  const bool aIsOut = game.bout.KnockdownsA == KnockdownsToStop;
  auto& loser = aIsOut ? FighterA(game) : FighterB(game);
  auto& winner = aIsOut ? FighterB(game) : FighterA(game);
  game.screen.Message(loser.Name + " has been knocked out!!!", "KO KO KO");
  winner.KOs += 1;
  if (aIsOut) {
    StopBoutAgainstA(game);
  } else {
    StopBoutAgainstB(game);
  }
  game.log.Stoppage = Ending::KnockOut;
  FightResult(game);
}

void TakeDive(Game& game) {
  game.fight.fraFight = "Took a dive";
  StopBoutAgainstA(game);
  game.screen.Message(game.career.Player().Name + " has just fallen down!", AppTitle);
  game.log.Stoppage = Ending::Dive;
  FightResult(game);
}

void RetireFromBout(Game& game) {
  game.fight.fraFight = "Retired";
  StopBoutAgainstA(game);
  game.screen.Message(game.career.Player().Name + " has retired.", AppTitle);
  game.log.Stoppage = Ending::Retirement;
  FightResult(game);
}

void AskToRetire(Game& game) {
  if (!game.bout.Fighting) return;
  if (game.screen.Confirm("Retire from this bout? It counts as a loss.", AppTitle)) {
    RetireFromBout(game);
  }
}

void FightResult(Game& game) {
  auto& bout = game.bout;
  auto& a = FighterA(game);
  auto& b = FighterB(game);
  LogBout(game);
  bout.FightRound = 0;
  if (bout.ScoreA == bout.ScoreB) {
    game.screen.Message(a.Name + " has drawn with " + b.Name, "Latest Boxing Results");
    a.Draws += 1;
    b.Draws += 1;
  } else if (bout.ScoreA > bout.ScoreB) {
    game.screen.Message(a.Name + " has beaten " + b.Name, "Latest Boxing Results");
    a.Wins += 1;
    b.Losses += 1;
    if (a.Rank > b.Rank) TakeRankA(game);
  } else {
    game.screen.Message(b.Name + " has beaten " + a.Name, "Latest Boxing Results");
    b.Wins += 1;
    a.Losses += 1;
    if (b.Rank > a.Rank) TakeRankB(game);
  }
  if (bout.FighterA == PlayerIndex || bout.FighterB == PlayerIndex) PlayerBoutEnded(game);
}

void TakeRankA(Game& game) {
  TakeRank(game, FighterA(game), FighterB(game));
}

void TakeRankB(Game& game) {
  TakeRank(game, FighterB(game), FighterA(game));
}

}  // namespace ringvale
