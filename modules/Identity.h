#pragma once

namespace ringvale {

inline constexpr const char* AppTitle = "Ringvale";
inline constexpr int VersionMajor = 1;
inline constexpr int VersionMinor = 0;
inline constexpr int VersionRevision = 3;

}  // namespace ringvale
