// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "modEvents.h"

namespace ringvale {

// The hall of fame before anyone has retired into it: ten champions of years gone by, richest
// first.
extern const HallTable DefaultHallOfFame;

}  // namespace ringvale
