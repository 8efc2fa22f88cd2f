#pragma once
// vlat-cli's exit codes. Scripts and fleet playbooks branch on them, so they stay
// as they are: documented in vlat-cli(1).

namespace vl::cli {

inline constexpr int kExitOk = 0;         // done; compare: the layouts are equal
inline constexpr int kExitFailure = 1;    // the operation failed; compare: the layouts differ
inline constexpr int kExitDifferent = 1;
inline constexpr int kExitUsage = 2;      // a malformed command line
inline constexpr int kExitUnreadable = 2; // an input file that cannot be read
inline constexpr int kExitNoDevice = 3;   // no keyboard port, the port busy, or no device answering

}  // namespace vl::cli
