// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The game's own faces, compiled into the program from Debian's fonts-liberation2 and metric-
// compatible with those the windows were laid out in: Liberation Sans for MS Sans Serif and
// Arial, Liberation Serif for Times New Roman, Liberation Mono for Courier New. No window relies
// on the machine's fonts or its generic aliases ("Sans Serif" can be a monospaced face).
enum class Face { Sans, Serif, Mono };

// The family name of `face`. Its upright or italic styles are registered with Qt the first time
// they are asked for, so the splash pays only for what it shows.
QString Family(Face face, bool italic = false);
