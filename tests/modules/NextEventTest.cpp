// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Next Event and Fight On: the weeks and rounds of Next Week and Next Round, pressed for the
// player until something happens.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "CareerFiles.h"
#include "WeekSetup.h"

namespace ringvale::test {
namespace {

// A career of four presses: two weeks to a rival bout's result, a week that leaves the player's
// bout due, the bout, and two weeks to a challenge (the end of a career is played below). Each
// press is given the draws of its weeks only: a week too many would run out of them.
TEST(NextEvent, StopsAfterTheFirstWeekThatBringsABoxAChallengeOrThePlayersBout) {
  TestGame t;
  SetUpCareer(t.game);
  Book(t.game, 2, 3, 2);
  Book(t.game, 0, 1, 4);
  const auto week = [&](int drawnA, int drawnB, const std::function<void()>& bouts = {}) {
    return [&, drawnA, drawnB, bouts] {
      PushDraw(t.random, drawnA, drawnB);
      if (bouts) bouts();
      PushRivalTraining(t.random);
    };
  };
  const auto quiet = week(1, 9);
  const auto rivalsBout = week(1, 9, [&] {
    t.random.Push({0.0});  // no punch lands
    PushMissedRounds(t.random, SimulatedRounds);
  });
  const auto playersBout = week(1, 9, [&] {
    t.random.Push({0.0, QuietComment});  // no bribe; the introduction
    for (int round = 1; round <= LastRound; ++round) {
      t.random.Push({0.0});
      PushMissedRounds(t.random, 1);
      if (round < LastRound) t.random.Push({QuietComment});
    }
  });
  const std::pair<std::vector<std::function<void()>>, std::vector<Shown>> presses[] = {
      {{quiet, rivalsBout},
       {{"Deacon Flint has drawn with Bram Kestovic", "Latest Boxing Results"}}},
      {{quiet}, {}},
      {{playersBout},
       {{"Let's get ready to rumble!!!", "Ringvale"},
        {"Sam retains the World HeavyWeight Championship!!", "The Greatest of All Time!"},
        {"Sam has beaten Ivo Marchetti", "Latest Boxing Results"}}},
      {{quiet, week(1, 0)}, {}},
  };
  for (const auto& [weeks, shown] : presses) {
    for (const auto& draws : weeks) draws();
    t.screen.messages.clear();
    const int before = TotalWeeks(t.game.career);
    ASSERT_NO_THROW(NextEvent(t.game));
    EXPECT_EQ(TotalWeeks(t.game.career) - before, int(weeks.size()));
    EXPECT_EQ(t.screen.messages, shown);
  }
}

// A whole career of Next Event and Fight On, against as many presses of Next Week and Next
// Round; between them the player agrees to every challenge and arranges bouts. The last press
// ends at the retirement: one more would show that the career is over.
TEST(NextEvent, PlaysDrawForDrawTheCareerOfNextWeekAndNextRound) {
  struct Player {
    Player() {
      screen.game = &game;
      screen.inputs = {"Sam"};
      NewBoxer(game);
    }
    TempFolder folder;
    SeededRandom random{21};
    RecordingScreen screen;
    Game game{screen, random, folder.Path()};
  };
  Player byEvent, byWeek;
  int fightOnPresses = 0;
  byEvent.screen.playFight = [&](Game& fighting) {
    while (byEvent.screen.fightOpen) {
      ++fightOnPresses;
      while (FightOn(fighting)) {
      }
    }
  };
  while (byEvent.game.career.Year < RetirementYear) {
    const int before = TotalWeeks(byEvent.game.career);
    NextEvent(byEvent.game);
    for (int week = before; week < TotalWeeks(byEvent.game.career); ++week) NextWeek(byWeek.game);
    for (Player* player : {&byEvent, &byWeek}) {
      Game& game = player->game;
      if (game.booking.ChallengePending) SignChallenge(game);
      // Free, he books the boxer above him (the champion the one below), which plays a week.
      const RosterEntry& sam = game.career.Player();
      if (sam.Opponent == NoOpponent && game.career.Year < RetirementYear)
        ArrangeBout(game, sam.Rank == 0 ? 1 : int(sam.Rank) - 1);
    }
  }
  EXPECT_EQ(byEvent.screen.messages, byWeek.screen.messages);
  for (Player* player : {&byEvent, &byWeek}) SaveCareer(player->game);
  EXPECT_EQ(Snapshot(byEvent.folder.Path()), Snapshot(byWeek.folder.Path()));  // career and log
  EXPECT_EQ(fightOnPresses, byWeek.screen.fightsShown);                        // one press a bout
}

}  // namespace
}  // namespace ringvale::test
