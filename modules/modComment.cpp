// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modComment.h"

#include <string_view>

#include "CommentaryTexts.h"
#include "modFights.h"

namespace ringvale {

namespace {

// Splices the boxers' names into the slots in one pass, so a name that itself reads "[B]"
// stays as typed.
std::string Assemble(std::string_view text, const std::string& nameA, const std::string& nameB) {
  std::string built;
  built.reserve(text.size() + 2 * (nameA.size() + nameB.size()));
  for (std::size_t pos = 0; pos < text.size();) {
    if (text.substr(pos, 3) == "[A]") {
      built += nameA;
      pos += 3;
    } else if (text.substr(pos, 3) == "[B]") {
      built += nameB;
      pos += 3;
    } else {
      built += text[pos++];
    }
  }
  return built;
}

void Build(Game& game, const CommentaryText& text) {
  const auto& roster = game.career.Roster;
  game.commentary.CommentText =
      Assemble(text.Text, roster.at(game.bout.FighterA).Name, roster.at(game.bout.FighterB).Name);
}

void Show(Game& game) {
  game.fight.txtComments = game.commentary.CommentText;
}

}  // namespace

Int16 FiveWayDraw(Game& game) {
  // 5 * r up to 0.5 rounds to 0 and is drawn again, which makes text 5 half as likely as the
  // others.
  Int16 draw;
  do {
    draw = RoundHalfEven(CommentaryChoices * game.random.Next());
  } while (draw == 0);
  game.commentary.CommentDraw = draw;
  return draw;
}

void CommentIntro(Game& game) {
  game.bout.KnockdownsA = 0;
  game.bout.KnockdownsB = 0;
  game.random.Reseed();
  Build(game, Introductions[FiveWayDraw(game) - 1]);
  Show(game);
}

void CommentAfterRound(Game& game) {
  const int round = game.bout.FightRound;
  if (round >= 1 && round <= CommentedRounds) {
    const CommentaryText& text = RoundCommentary[round - 1][FiveWayDraw(game) - 1];
    Build(game, text);
    game.bout.KnockdownsA += text.KnockdownsA;
    game.bout.KnockdownsB += text.KnockdownsB;
    Show(game);
  }
  if (game.bout.KnockdownsA == KnockdownsToStop || game.bout.KnockdownsB == KnockdownsToStop) {
    KnockOut(game);
  }
}

}  // namespace ringvale
