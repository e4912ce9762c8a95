// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DefaultHallOfFame.h"

namespace ringvale {

const HallTable DefaultHallOfFame = Exactly<HallOfFameSize, HallEntry>({
    {"Thaddeus Grell", 7, 2400000},
    {"Barnaby Quill", 6, 1950000},
    {"Ivo Stallard", 5, 1600000},
    {"Rufus Kettleby", 4, 1300000},
    {"Dario Fenwick", 4, 1050000},
    {"Eamon Roache", 3, 850000},
    {"Jubal Harrow", 2, 640000},
    {"Lucan Mereweather", 2, 480000},
    {"Otis Grimsby", 1, 320000},
    {"Sol Penhaligon", 1, 200000},
});

}  // namespace ringvale
