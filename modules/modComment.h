// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Game.h"

namespace ringvale {

Int16 FiveWayDraw(Game& game);  // 1 to 4 each 2/9, 5 with 1/9; stored in CommentDraw
void CommentIntro(Game& game);
void CommentAfterRound(Game& game);

}  // namespace ringvale
