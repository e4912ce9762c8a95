// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modHelp.h"

#include "FightLog.h"
#include "modGraphics.h"
#include "modSetFights.h"

namespace ringvale {

namespace {

std::string N(int number) {
  return std::to_string(number);
}

std::string Dollars(double amount) {
  return "$" + ThousandsSeparated(amount);
}

// What a focus does for a week and what it costs, as the Training tab and How to Play say it.
std::string FocusWeek(Focus focus) {
  switch (focus) {
    case Focus::Power:
      return "+" + N(PowerStrengthGain) + " strength a week, up to about " + N(StrengthCeiling) +
             ", for " + N(PowerSpeedCost) + " speed";
    case Focus::Speed:
      return "+" + N(SpeedSpeedGain) + " speed a week, up to " + N(SpeedCeiling) + ", for " +
             N(PlayerSpeedWeightCost) + " weight";
    case Focus::Rest:
      return "+" + N(PlayerRestWeightGain) + " weight a week, up to about " + N(WeightCeiling) +
             ", for " + N(RestStrengthCost) + " strength and " + N(RestSpeedCost) + " speed";
  }
  return "";
}

std::string Lifted(const char* qualities, int floor) {
  return "each week's training lifts " + std::string(qualities) + " of " + N(floor) +
         " or less to " + N(floor + LimitMargin);
}

}  // namespace

std::string FocusTip(Focus focus) {
  switch (focus) {
    case Focus::Power:
      return "Power: " + FocusWeek(focus) + ". Strength adds to your score in every round.";
    case Focus::Speed:
      return "Speed: " + FocusWeek(focus) + ". Speed adds to your score and to your punches.";
    case Focus::Rest:
      return "Rest: " + FocusWeek(focus) + ". Weight adds to your score in every round.";
  }
  return "";
}

std::string PowerBarTip(const Game& game) {
  return "Power " + N(game.main.proPower) + " / " + N(PowerBarTop) + ": weight × strength / " +
         N(PowerDivisor) + ". Every punch that lands on you takes " + N(PunchWear) + " strength; " +
         Lifted("a strength or weight", StrengthFloor) + ".";
}

std::string SpeedBarTip(const Game& game) {
  return "Speed " + N(game.main.proSpeed) + " / " + N(SpeedBarTop) +
         ": a punch a round for every " + N(SpeedPerPunch) +
         " speed. Every punch that lands on you takes " + N(PunchWear) + " speed; " +
         Lifted("a speed", SpeedFloor) + ".";
}

std::string PlacedName(int rank, const std::string& name) {
  return "Place " + PlaceText(rank) + ": " + name;
}

std::string OpponentTip(const Game& game, int rank) {
  const Career& career = game.career;
  if (!career.IsLoaded()) return "";
  const RosterEntry& player = career.Player();
  std::string tip;
  for (const RosterEntry& boxer : career.Roster) {
    if (boxer.Rank == rank) tip = PlacedName(rank, boxer.Name) + ".";
  }
  if (rank == player.Rank) return tip + " That is you.";
  if (MayChallenge(career, rank)) return tip + " Ranked next to you: you may challenge him.";
  if (!AreAdjacent(rank, player.Rank)) {
    return tip + " You may challenge only the boxers ranked next to you.";
  }
  return tip + (player.Opponent == NoOpponent ? " Ranked next to you, but he has a bout booked."
                                              : " Ranked next to you, but you have a bout booked.");
}

std::string DiveTip(const Game& game) {
  return "Dive: lose this bout on purpose for the fixer's " + Dollars(game.bribe.BribeAmount) +
         ". 1 dive in " + N(BustRollTop) + " is found out: then there is no money and a fine of " +
         Dollars(CorruptionFine) + ".";
}

std::string HallOfFameTip() {
  return "TD: title defences, the bouts won on points as champion. A retired boxer with at least "
         "one title defence enters the hall of fame when he is richer than number " +
         N(HallOfFameSize) + ".";
}

std::string HowToPlayText() {
  const std::string last = PlaceText(LastPlace);
  return "Your heavyweight has " + N(RetirementYear) +
         " years to become champion of the world and retire rich. Each press of **Next Week** "
         "moves the career on one week: every boxer trains, booked bouts come a week nearer, and "
         "those that fall due are fought. Nothing is saved until you choose **File > Save "
         "Boxer**; the status bar counts the weeks played since the last save.\n\n"
         "## Training\n\n"
         "Choose on the Training tab what your boxer works on each week:\n\n"
         "- **Power**: " +
         FocusWeek(Focus::Power) + ".\n- **Speed**: " + FocusWeek(Focus::Speed) +
         ".\n- **Rest**: " + FocusWeek(Focus::Rest) +
         ".\n\n"
         "Bouts wear a boxer down: every punch that lands takes " +
         N(PunchWear) + " strength and " + N(PunchWear) + " speed. In return " +
         Lifted("a strength or weight", StrengthFloor) + ", and a speed of " + N(SpeedFloor) +
         " or less to " + N(SpeedFloor + LimitMargin) +
         ". The Power bar shows weight × strength / " + N(PowerDivisor) +
         ", the Speed bar your speed.\n\n"
         "## Arranging a bout\n\n"
         "The " +
         N(RosterSize) + " boxers are ranked: the champion, " + PlaceText(0) + ", then places " +
         PlaceText(1) + " to " + last + ". A new boxer starts at place " + last +
         ". On the Arrange Bout tab choose a boxer ranked next to you (his name is in bold) and "
         "press **Challenge / Next Week**: if neither of you has a bout booked, the bout is set " +
         N(WeeksAhead) +
         " weeks ahead. Either way the week moves on.\n\n"
         "## Challenges\n\n"
         "Now and then a rival ranked next to you challenges you, and the Arrange Bout tab comes "
         "to the front. **Agree to fight?** sets the bout " +
         N(WeeksAhead) +
         " weeks ahead; **Refuse to fight?** turns him down. A challenge not answered lapses when "
         "the week moves on.\n\n"
         "## The bout\n\n"
         "Your bouts are fought in the Fight Night window, a round for each press of **Next "
         "Round**, " +
         N(LastRound) +
         " rounds at most. In every round each boxer scores his weight, speed and strength "
         "together over " +
         N(ScoreDivisor) + ", and throws a punch for every " + N(SpeedPerPunch) +
         " speed; about half of them land. " + N(KnockdownsToStop) +
         " knock-downs end the bout. After the last round the judges give it to the higher "
         "score. **Retire** ends the bout at once as a loss. A boxer who beats one ranked above "
         "him takes his place.\n\n"
         "## Bribes\n\n"
         "Before some bouts a fixer offers money to lose: " +
         Dollars(BribeOffers.front()) + " to the champion, down to " + Dollars(BribeOffers.back()) +
         " at place " + PlaceText(LastPlace - 1) + ", nothing at place " + last +
         ". Press **Dive** during the bout to take it. 1 dive in " + N(BustRollTop) +
         " is found out: then there is no money and a fine of " + Dollars(CorruptionFine) +
         ".\n\n"
         "## Money\n\n"
         "You start with " +
         Dollars(StartingMoney) + ". A win on points after " + N(LastRound) +
         " rounds pays a purse by your place: " + Dollars(Purses.front()) +
         " as champion, which also counts as a title defence, down to " + Dollars(Purses.back()) +
         " at place " + last +
         ". Knock-outs, draws and losses pay nothing.\n\n"
         "## The hall of fame\n\n"
         "After " +
         N(RetirementYear) +
         " years your boxer has to retire. If he defended his title at least once and is richer "
         "than number " +
         N(HallOfFameSize) +
         " in the hall of fame (**Options > High Scores**), he takes his place among the greatest. "
         "TD in the hall of fame counts title defences.\n";
}

}  // namespace ringvale
