#pragma once

namespace ringvale {

inline constexpr const char* AppTitle = "Ringvale";
// The one home of the version: CMakeLists.txt reads it from this line.
inline constexpr const char* Version = "1.0.3";

}  // namespace ringvale
