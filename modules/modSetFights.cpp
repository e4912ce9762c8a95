// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modSetFights.h"

#include <array>
#include <string>

#include "FightLog.h"
#include "Identity.h"
#include "modBoxer.h"
#include "modFights.h"
#include "modFile.h"
#include "modGraphics.h"

namespace ringvale {

namespace {

// A roster index from 0 to 9, 0 and 9 half as likely as the others.
Int16 DrawIndex(Game& game) {
  return RoundHalfEven((RosterSize - 1) * game.random.Next());
}

bool IsFree(const RosterEntry& boxer) {
  return boxer.Opponent == NoOpponent;
}

void ShowArranging(MainWindow& main) {
  main.cmbBoxersEnabled = true;
  main.frameAgreeEnabled = false;
  main.frameArrangeEnabled = true;
  main.cmdSignVisible = false;
  main.cmdRejectVisible = false;
}

void Book(Game& game, int first, int second) {
  auto& roster = game.career.Roster;
  roster.at(first).Opponent = second;
  roster.at(second).Opponent = first;
  roster.at(first).WeeksToBout = WeeksAhead;
  roster.at(second).WeeksToBout = WeeksAhead;
}

// Both boxers of the waiting challenge are still free neighbours: only then can it be answered.
bool ChallengeIsOpen(const Game& game) {
  const auto& roster = game.career.Roster;
  const int challenger = game.booking.MatchA;
  const int player = game.booking.MatchB;
  return player == PlayerIndex && challenger > PlayerIndex && challenger < RosterSize &&
         IsFree(roster[challenger]) && IsFree(roster[player]) &&
         AreAdjacent(roster[challenger].Rank, roster[player].Rank);
}

// An answer to a challenge that has gone stale books nothing.
bool RefusedAsStale(Game& game) {
  if (ChallengeIsOpen(game)) return false;
  ClearChallenge(game);
  game.screen.Message("That challenge is no longer open.", AppTitle);
  return true;
}

// The career is over: the week buttons say so rather than ignore the press.
void ShowRetired(Game& game) {
  game.screen.Message(
      game.career.Player().Name + " has retired. Start a new boxer or load another career.",
      AppTitle);
}

void ShowNotPossible(Game& game, const std::string& prompt) {
  game.screen.Message(prompt, "Not Possible");
}

}  // namespace

void NextWeek(Game& game) {
  FreezeWindow(game);
  try {
    if (game.career.Year == RetirementYear) {
      ShowRetired(game);
    } else if (!game.career.IsLoaded()) {
      game.screen.Message("No boxer loaded!!", "Uh-oh!");
    } else {
      game.main.lblNews.clear();
      LapseChallenge(game);
      game.career.Week += 1;
      DrawMatchup(game);
      AdvanceWeek(game);
    }
  } catch (...) {
    UnfreezeWindow(game);
    throw;
  }
  UnfreezeWindow(game);
}

// Next Week, pressed for the player until a week brings something to see or answer: a box, a
// challenge, his own bout, the end of the career. A bout of his due in a later week waits for a
// press of its own, so he always sees it coming.
void NextEvent(Game& game) {
  for (bool firstWeek = true;; firstWeek = false) {
    const RosterEntry& player = game.career.Player();
    const bool boutDue = !IsFree(player) && player.WeeksToBout == 1;
    if (boutDue && !firstWeek) return;
    const int boxes = game.screen.BoxesShown();
    NextWeek(game);
    const bool over = game.career.Year == RetirementYear || !game.career.IsLoaded();
    if (over || boutDue || game.booking.ChallengePending || game.screen.BoxesShown() != boxes) {
      return;
    }
  }
}

void ArrangeBout(Game& game, int selectedRank) {
  auto& career = game.career;
  if (career.Year == RetirementYear) {
    ShowRetired(game);
    return;
  }
  if (!career.IsLoaded()) {
    game.screen.Message("No boxer loaded!!", "Uh-oh!");
    return;
  }
  game.main.lblNews.clear();
  LapseChallenge(game);
  auto& player = career.Player();
  if (IsFree(player)) {
    for (int i = 0; i < RosterSize; ++i) {
      if (career.Roster[i].Rank == selectedRank) game.booking.MatchA = i;
    }
    // Nothing selected (-1) is never a neighbour, not even of the champion.
    const bool selected = selectedRank >= 0 && selectedRank < RosterSize;
    if (!selected || !AreAdjacent(selectedRank, player.Rank)) {
      ShowNotPossible(game, selectedRank == player.Rank ? "Don't play with yourself"
                                                        : "Too much of a skill difference");
    } else if (const int rival = game.booking.MatchA; !IsFree(career.Roster.at(rival))) {
      ShowNotPossible(game, "Boxer is busy");
    } else {
      Book(game, rival, PlayerIndex);
      game.main.lblChallenge = "You are fighting " + career.Roster.at(rival).Name;
      game.screen.Message("The fight has been arranged", "Fight is set!|");
    }
  }
  career.Week += 1;
  AdvanceWeek(game);
}

// An unanswered challenge does not outlive its week: the next draw reuses MatchA and MatchB, and
// an answer must never act on a boxer other than the one the player was shown.
void LapseChallenge(Game& game) {
  if (!game.booking.ChallengePending) return;
  ClearChallenge(game);
  AddNews(game, game.career.Roster.at(game.booking.MatchA).Name + "'s challenge has lapsed.");
}

void ClearChallenge(Game& game) {
  game.booking.ChallengePending = false;
  game.main.lblNews.clear();  // no longer asks for an answer
  ShowArranging(game.main);
  const RosterEntry& player = game.career.Player();
  game.main.lblChallenge = IsFree(player)
                               ? "No one wants to fight you."
                               : "You are fighting " + game.career.Roster.at(player.Opponent).Name;
}

void SignChallenge(Game& game) {
  if (!game.booking.ChallengePending || RefusedAsStale(game)) return;
  game.booking.ChallengePending = false;
  game.main.lblNews.clear();  // answered
  const int challenger = game.booking.MatchA;
  game.main.lblChallenge = "You are fighting " + game.career.Roster.at(challenger).Name + ".";
  Book(game, challenger, game.booking.MatchB);
  ShowArranging(game.main);
  ListUpcomingFights(game);
}

void RejectChallenge(Game& game) {
  if (!game.booking.ChallengePending || RefusedAsStale(game)) return;
  game.booking.ChallengePending = false;
  game.main.lblNews.clear();  // answered
  game.main.lblChallenge = "You are not fighting anyone";
  for (const int boxer : {int(game.booking.MatchA), int(game.booking.MatchB)}) {
    game.career.Roster.at(boxer).Opponent = NoOpponent;
    game.career.Roster.at(boxer).WeeksToBout = WeeksAfterBout;
  }
  ShowArranging(game.main);
  ListUpcomingFights(game);
}

void DrawMatchup(Game& game) {
  auto& booking = game.booking;
  const auto& roster = game.career.Roster;
  booking.MatchA = 0;
  booking.MatchB = 0;
  game.random.Reseed();
  booking.MatchA = DrawIndex(game);
  booking.MatchB = DrawIndex(game);
  while (booking.MatchA == booking.MatchB) {
    booking.MatchA = DrawIndex(game);
    booking.MatchB = DrawIndex(game);
  }
  while (booking.MatchA == PlayerIndex) booking.MatchA = DrawIndex(game);

  const auto& first = roster.at(booking.MatchA);
  const auto& second = roster.at(booking.MatchB);
  if (!IsFree(first) || !IsFree(second)) return;
  if (booking.MatchB != PlayerIndex) {
    if (AreAdjacent(second.Rank, first.Rank)) BookRivalBout(game);
  } else if (AreAdjacent(first.Rank, second.Rank)) {
    IssueChallenge(game);
  }
}

void BookRivalBout(Game& game) {
  Book(game, game.booking.MatchA, game.booking.MatchB);
  ListUpcomingFights(game);
}

void AdvanceWeek(Game& game) {
  auto& roster = game.career.Roster;
  for (int i = 0; i < RosterSize; ++i) {
    auto& boxer = roster[i];
    if (boxer.WeeksToBout <= 0) continue;
    boxer.WeeksToBout -= 1;
    if (boxer.WeeksToBout != 0) continue;
    if (IsFree(boxer)) {
      // Only a hand-edited file counts a free boxer down this far; there is no bout to hold.
      boxer.WeeksToBout = WeeksAfterBout;
      continue;
    }
    const int opponent = boxer.Opponent;
    game.booking.DueOpponent = opponent;
    boxer.Opponent = NoOpponent;
    boxer.WeeksToBout = WeeksAfterBout;
    roster.at(opponent).Opponent = NoOpponent;
    roster.at(opponent).WeeksToBout = WeeksAfterBout;
    HoldBout(game, i, opponent);
  }
  for (int i = 1; i < RosterSize; ++i) TrainRival(game, i);
  ListUpcomingFights(game);
  TrainPlayer(game);
  RefreshStatus(game);
  LogWeek(game);
}

void IssueChallenge(Game& game) {
  auto& main = game.main;
  const auto& challenger = game.career.Roster.at(game.booking.MatchA);
  main.tabMain = ArrangeBoutTab;
  main.cmbBoxersIndex = challenger.Rank;
  main.cmbBoxersEnabled = false;
  main.lblChallenge = challenger.Name + " challenges you to a fight";
  main.frameAgreeEnabled = true;
  main.frameArrangeEnabled = false;
  main.cmdSignVisible = true;
  main.cmdRejectVisible = true;
  game.booking.ChallengePending = true;
  AddNews(game, challenger.Name + " challenges you: answer on Arrange Bout.");
}

bool AreAdjacent(int rank, int otherRank) {
  return rank == otherRank - 1 || rank == otherRank + 1;
}

bool MayChallenge(const Career& career, int rank) {
  const RosterEntry& player = career.Player();
  for (const RosterEntry& boxer : career.Roster) {
    if (boxer.Rank == rank) {
      return career.IsLoaded() && IsFree(player) && IsFree(boxer) && AreAdjacent(rank, player.Rank);
    }
  }
  return false;
}

void ListUpcomingFights(Game& game) {
  const auto& roster = game.career.Roster;
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
