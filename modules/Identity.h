// SPDX-FileCopyrightText: 2026 The Ringvale developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace ringvale {

inline constexpr const char* AppTitle = "Ringvale";
// The one home of the version: CMakeLists.txt reads it from this line.
inline constexpr const char* Version = "1.0.3";

}  // namespace ringvale
