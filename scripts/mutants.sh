#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Ringvale developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Breaks the game's rules on purpose, one at a time, and records which tests notice: the direct
# tests of modules_tests, and the recorded soak (Shards/*). A breakage only the soak catches is
# a rule without a test of its own; one nobody catches is a rule without any.
# Usage: scripts/mutants.sh [name...]   (default: every breakage; RINGVALE_MUTANT_BUILD picks
# the build folder, default build/test). Results go to stdout and build/.../mutants.txt.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${RINGVALE_MUTANT_BUILD:-build/test}
backup=$build/mutant-backup  # the file under change, until it is put back

# name | area | file under modules/ | text | broken text. "\n" is a line end; an empty broken
# text drops the text. The text must occur exactly once in its file.
read -r -d '' BREAKAGES <<'EOF' || true
weeks-ahead | booking | GameNumbers.h | WeeksAhead = 6; | WeeksAhead = 5;
weeks-after | booking | GameNumbers.h | WeeksAfterBout = 1000; | WeeksAfterBout = 999;
sim-rounds | bout | GameNumbers.h | SimulatedRounds = 9; | SimulatedRounds = 8;
judges-round | bout | GameNumbers.h | JudgesRound = 9; | JudgesRound = 8;
knockdowns | bout | GameNumbers.h | KnockdownsToStop = 3; | KnockdownsToStop = 2;
fine | bribe | GameNumbers.h | CorruptionFine = 50000; | CorruptionFine = 40000;
caught-roll | bribe | GameNumbers.h | CaughtRoll = 3; | CaughtRoll = 2;
offer-rank4 | bribe | GameNumbers.h | 80000, 50000, 30000 | 80000, 40000, 30000
purse-rank6 | purse | GameNumbers.h | 22000, 22000, 15000 | 22000, 20000, 15000
starting-money | record | GameNumbers.h | StartingMoney = 20000; | StartingMoney = 25000;
score-sum | bout | modFights.cpp | boxer.Weight + boxer.Speed + boxer.Strength | boxer.Weight + boxer.Speed + boxer.Speed
punch-lands | bout | modFights.cpp | PunchRoll == 1 | PunchRoll == 0
punch-speed | bout | modFights.cpp | target.Strength -= PunchWear;\n      target.Speed -= PunchWear; | target.Strength -= PunchWear;
punches-a | bout | modFights.cpp | bout.PunchesA = RoundHalfEven(a.Speed / double(SpeedPerPunch)); | bout.PunchesA = RoundHalfEven(a.Speed / 9.0);
sim-order | bout | modFights.cpp | PunchesByB(game);\n    PunchesByA(game);\n  } | PunchesByA(game);\n    PunchesByB(game);\n  }
round-order | bout | modFights.cpp | PunchesByA(game);\n    PunchesByB(game);\n    // | PunchesByB(game);\n    PunchesByA(game);\n    //
ko-both | bout | modFights.cpp | game.bout.KnockdownsA == KnockdownsToStop; | game.bout.KnockdownsB != KnockdownsToStop;
ko-credit | bout | modFights.cpp | winner.KOs += 1; |
dive-loses | bout | modFights.cpp | StopBoutAgainstA(game);\n  game.screen.Message(game.career.Player().Name + " has just | StopBoutAgainstB(game);\n  game.screen.Message(game.career.Player().Name + " has just
no-bribe-last | bribe | modFights.cpp | Player().Rank < LastPlace | Player().Rank <= LastPlace
bribe-roll | bribe | modFights.cpp | bribeRoll == 1 | bribeRoll >= 1
take-rank-shift | result | modFights.cpp | boxer.Rank >= won && boxer.Rank < left | boxer.Rank > won && boxer.Rank < left
upset-a | result | modFights.cpp | if (a.Rank > b.Rank) TakeRankA | if (a.Rank < b.Rank) TakeRankA
upset-b | result | modFights.cpp | if (b.Rank > a.Rank) TakeRankB | if (b.Rank > a.Rank + 1) TakeRankB
draw-both | result | modFights.cpp | b.Draws += 1; |
loss-a | result | modFights.cpp | a.Losses += 1; |
purse-on-tie | purse | modFights.cpp | PlayerScore(game) > RivalScore(game) | PlayerScore(game) >= RivalScore(game)
bars-swapped | bout | modFights.cpp | std::clamp(PlayerScore(game), 0, FightBarTop) | std::clamp(RivalScore(game), 0, FightBarTop)
adjacent | booking | modSetFights.cpp | rank == otherRank - 1 \|\| rank == otherRank + 1 | rank == otherRank - 1 \|\| rank == otherRank + 2
both-free | booking | modSetFights.cpp | !IsFree(first) \|\| !IsFree(second) | !IsFree(first) && !IsFree(second)
never-player-a | booking | modSetFights.cpp | while (booking.MatchA == PlayerIndex) booking.MatchA = DrawIndex(game); |
challenge-below | booking | modSetFights.cpp | } else if (AreAdjacent(first.Rank, second.Rank)) { | } else if (first.Rank == second.Rank - 1) {
countdown-zero | booking | modSetFights.cpp | if (boxer.WeeksToBout <= 0) continue; | if (boxer.WeeksToBout < 0) continue;
free-opponent | booking | modSetFights.cpp | roster.at(opponent).WeeksToBout = WeeksAfterBout; |
rivals-train | training | modSetFights.cpp | for (int i = 1; i < RosterSize; ++i) TrainRival | for (int i = 2; i < RosterSize; ++i) TrainRival
busy-check | booking | modSetFights.cpp | !IsFree(career.Roster.at(rival)) | IsFree(career.Roster.at(rival)) && false
sign-books | booking | modSetFights.cpp | Book(game, challenger, game.booking.MatchB); |
reject-frees | booking | modSetFights.cpp | game.career.Roster.at(boxer).WeeksToBout = WeeksAfterBout; |
listed-once | booking | modSetFights.cpp | listed.at(j) = true; |
arrange-week | booking | modSetFights.cpp | "Fight is set!\|");\n    }\n  }\n  career.Week += 1; | "Fight is set!\|");\n    }\n  }
ceiling | training | modBoxer.cpp | quality >= ceiling | quality > ceiling
floor | training | modBoxer.cpp | quality <= floor | quality < floor
player-speed-cost | training | GameNumbers.h | PlayerSpeedWeightCost = 1 | PlayerSpeedWeightCost = 2
rival-rest-gain | training | GameNumbers.h | RivalRestWeightGain = 4 | RivalRestWeightGain = 3
weight-floor | training | modBoxer.cpp | AtLeast(player.Weight, WeightFloor); |
rival-focus | training | modBoxer.cpp | if (rivalFocus == 0) TrainPower | if (rivalFocus == 2) TrainPower
power-speed-cost | training | modBoxer.cpp | boxer.Strength += PowerStrengthGain;\n  boxer.Speed -= PowerSpeedCost; | boxer.Strength += PowerStrengthGain;
weight-ceiling | training | GameNumbers.h | WeightCeiling = 120 | WeightCeiling = 121
offer-flag | bribe | modEvents.cpp | game.bribe.BribeOffered = true; |
caught | bribe | modEvents.cpp | bustRoll == CaughtRoll | bustRoll != CaughtRoll
bribe-paid | bribe | modEvents.cpp | game.career.Money += game.bribe.BribeAmount; |
fined | bribe | modEvents.cpp | game.career.Money -= CorruptionFine; |
defence | purse | modEvents.cpp | ++game.career.TitleDefences; |
champion-msg | purse | modEvents.cpp | rank == 1 && game.career.Roster.at(game.bout.FighterB).Rank == 0 | rank == 1
purse-index | purse | modEvents.cpp | game.career.Money += Purses[rank]; | game.career.Money += Purses[rank > 0 ? rank - 1 : 0];
hall-defences | retirement | modEvents.cpp | retiring.Defences <= 0 | retiring.Defences < 0
hall-tenth | retirement | modEvents.cpp | retiring.Fortune <= table.back().Fortune | retiring.Fortune < table.back().Fortune
hall-ties | retirement | modEvents.cpp | retiring.Fortune > (place - 1)->Fortune | retiring.Fortune >= (place - 1)->Fortune
hall-numbers | retirement | modEvents.cpp | std::to_string(i + 1) + " - " | std::to_string(i) + " - "
retire-year | retirement | modFile.cpp | if (career.Year == RetirementYear) ForcedRetirement(game); |
comment-round9 | bout | modComment.cpp | round <= CommentedRounds | round < CommentedRounds
knockdowns-b | bout | modComment.cpp | game.bout.KnockdownsB += text.KnockdownsB; | game.bout.KnockdownsB += text.KnockdownsA;
intro-reset | bout | modComment.cpp | game.bout.KnockdownsA = 0; |
ko-either | bout | modComment.cpp | KnockdownsToStop \|\| game.bout.KnockdownsB | KnockdownsToStop && game.bout.KnockdownsB
five-way | bout | modComment.cpp | RoundHalfEven(CommentaryChoices * game.random.Next()) | RoundHalfEven(4 * game.random.Next())
name-b | bout | modComment.cpp | built += nameB; | built += nameA;
log-draw-order | record | FightLog.cpp | bout.ScoreB > bout.ScoreA; | bout.ScoreB >= bout.ScoreA;
log-rank | record | FightLog.cpp | record.WinnerRank = roster.at(record.Winner).Rank; | record.WinnerRank = roster.at(record.Loser).Rank;
log-money | record | FightLog.cpp | if (playersBout) record.Money = game.career.Money - log.MoneyAtBell; |
log-settlement | record | FightLog.cpp | log.Bouts.back().Money = game.career.Money - log.MoneyAtBell; |
log-week-fields | record | FightLog.cpp | player.Strength, player.Speed, game.career.Money | player.Speed, player.Strength, game.career.Money
log-order | record | FightLog.cpp | bout->Week <= week.Week | bout->Week < week.Week
log-round-check | record | FightLog.cpp | bout.Round > LastRound | bout.Round >= LastRound
place-text | record | FightLog.cpp | std::to_string(rank + 1) | std::to_string(rank)
week-text | record | FightLog.cpp | (careerWeeks - 1) % WeeksPerYear + 1 | careerWeeks % WeeksPerYear
new-speed | record | modFile.cpp | player.Speed = 86; | player.Speed = 85;
rival-stat | record | modFile.cpp | {"Ezra Kolade", 100, 105, 60, | {"Ezra Kolade", 100, 105, 61,
write-order | record | modFile.cpp | .Number(boxer.KOs).Number(boxer.Draws); | .Number(boxer.Draws).Number(boxer.KOs);
read-order | record | modFile.cpp | boxer.KOs = file.Number();\n  boxer.Draws = file.Number(); | boxer.Draws = file.Number();\n  boxer.KOs = file.Number();
last-week | record | modFile.cpp | RetirementYear * WeeksPerYear + WeeksPerYear; | RetirementYear * WeeksPerYear;
due-range | record | modFile.cpp | boxer.WeeksToBout < 1 \|\| | boxer.WeeksToBout < 0 \|\|
line-up | record | modFile.cpp | RoundHalfEven((LineUps - 1) * game.random.Next()) | int((LineUps - 1) * game.random.Next())
year-fold | record | modFile.cpp | while (career.Week > WeeksPerYear) | while (career.Week >= WeeksPerYear)
power-bar | record | modFile.cpp | (player.Weight * player.Strength) / double(PowerDivisor) | (player.Weight * player.Speed) / double(PowerDivisor)
EOF

restore() {
  for saved in "$backup"/*; do
    [ -f "$saved" ] && cp "$saved" modules/  # a fresh time stamp: the next build compiles it
  done
  rm -rf "$backup"
}
restore  # a run killed outright left its file here
trap restore EXIT
trap 'exit 130' INT TERM HUP

# Replaces the one occurrence of $2 by $3 in $1, or fails.
apply() {
  ORIG=$2 NEW=$3 perl -0pi -e '
    BEGIN { ($o, $n) = map { s/\\n/\n/g; s/\\\|/|/g; $_ } ($ENV{ORIG}, $ENV{NEW}); }
    $count = () = /\Q$o\E/g;
    die "found $count times\n" unless $count == 1;
    s/\Q$o\E/$n/;' "$1"
}

# The tests the run failed, "-" for none: gtest's summary lines, or how the run ended.
failures() {
  local out status=0
  out=$(timeout 600 "$build/modules_tests" --gtest_brief=1 "$@" 2>&1) || status=$?
  local failed
  failed=$(sed -n 's/^\[  FAILED  \] \([^ ,]*\).*/\1/p' <<<"$out" | sort -u | paste -sd' ' -)
  if [ -n "$failed" ]; then echo "$failed"
  elif [ "$status" -ne 0 ]; then echo "ended($status)"
  else echo "-"; fi
}

# Each breakage first on a copy, so a text that no longer matches stops the run before it starts.
breakages() { sed 's/ | /\x1f/g; s/ |$/\x1f/' <<<"$BREAKAGES"; }
scratch=$(mktemp)
while IFS=$'\x1f' read -r -u 3 name area file text broken; do
  cp "modules/$file" "$scratch"
  apply "$scratch" "$text" "$broken" || { echo "$name: $text" >&2; rm -f "$scratch"; exit 1; }
done 3< <(breakages)
rm -f "$scratch"

cmake --build "$build" --target modules_tests >/dev/null
[ "$(failures)" = "-" ] || { echo "modules_tests fails before any breakage" >&2; exit 1; }

results=$build/mutants.txt
: >"$results"
direct=0 soakOnly=0 missed=0 total=0
while IFS=$'\x1f' read -r -u 3 name area file text broken; do
  if [ $# -gt 0 ] && ! printf '%s\n' "$@" | grep -qx "$name"; then continue; fi
  mkdir -p "$backup"
  cp "modules/$file" "$backup/.copy" && mv "$backup/.copy" "$backup/$file"
  if ! apply "modules/$file" "$text" "$broken" ||
     ! cmake --build "$build" --target modules_tests >/dev/null 2>&1; then
    echo "$name: the breakage does not apply or build" >&2
    exit 1
  fi
  byDirect=$(failures --gtest_filter=-Shards/*)
  bySoak=$(failures --gtest_filter=Shards/*)
  restore
  total=$((total + 1))
  if [ "$byDirect" != "-" ]; then direct=$((direct + 1)); verdict=direct
  elif [ "$bySoak" != "-" ]; then soakOnly=$((soakOnly + 1)); verdict=soak-only
  else missed=$((missed + 1)); verdict=MISSED; fi
  printf '%-18s %-10s %-9s soak: %-5s direct: %s\n' "$name" "$area" "$verdict" \
    "$([ "$bySoak" = "-" ] && echo pass || echo fail)" "$byDirect" | tee -a "$results"
done 3< <(breakages)
cmake --build "$build" --target modules_tests >/dev/null
echo "$total breakages: $direct caught by the direct tests, $soakOnly only by the soak," \
  "$missed missed" | tee -a "$results"
