#pragma once
// A memory image kept in a file between runs, as a simulated keyboard keeps its
// programming. It is checked when the run starts, so a file that cannot be kept
// is told before the session's work, not lost at its end.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace vl {

struct StateFileCheck {
  enum class Problem {
    None,
    NotAFile,     // a folder, FIFO, device or socket stands at the name
    TooLarge,     // more bytes than the caller's bound
    Unreadable,   // opening or reading failed (error)
    NotWritable,  // its folder takes no new file (error): missing, read-only
  };
  Problem problem = Problem::None;
  int error = 0;                     // errno for Unreadable and NotWritable
  std::optional<std::string> bytes;  // the contents; nullopt when no file is there yet
};

// Reads the state file at path (links followed, as the save follows them) of at
// most maxBytes, and checks that a new version can be written beside it. Opening
// never blocks: a FIFO is refused, not waited on.
StateFileCheck CheckStateFile(const std::filesystem::path& path, std::uintmax_t maxBytes);

// The problem in a few English words ("is a folder, not a regular file").
std::string StateFileProblemText(const std::filesystem::path& path, const StateFileCheck& check);

}  // namespace vl
