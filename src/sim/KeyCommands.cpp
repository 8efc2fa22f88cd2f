#include "sim/KeyCommands.h"

#include <sstream>

namespace vl::sim {

namespace {

constexpr const char* kOk = "ok";
constexpr long kMaxWaitMs = 3'600'000;

// Whole decimal numbers only; nullopt for anything else.
std::optional<long> Number(std::istringstream& in) {
  std::string word;
  if (!(in >> word) || word.empty() || word.size() > 9) return std::nullopt;
  size_t start = word[0] == '-' ? 1 : 0;
  if (start == word.size()) return std::nullopt;
  for (size_t i = start; i < word.size(); ++i)
    if (word[i] < '0' || word[i] > '9') return std::nullopt;
  return std::stol(word);
}

// The valid key positions, counted from 0 unlike the application's columns and rows.
std::string KeyRanges(const SimConfig& config) {
  return "X 0.." + std::to_string(config.keyColumns - 1) + ", Y 0.." + std::to_string(config.keyRows - 1) +
         ", counted from 0 (the application's column X+1, row Y+1)";
}

bool AtEnd(std::istringstream& in) {
  std::string rest;
  return !(in >> rest);
}

}  // namespace

std::optional<std::string> KeyCommands::Run(const std::string& line) {
  if (Busy()) return "error: busy";
  std::istringstream in(line);
  std::string command;
  in >> command;
  if (command == "press" || command == "release" || command == "tap") {
    const auto x = Number(in);
    const auto y = Number(in);
    if (!x || !y || !AtEnd(in)) return "error: " + command + " takes X Y";
    const int kx = static_cast<int>(*x), ky = static_cast<int>(*y);
    const bool isKey = command == "release" ? keyboard_.ReleaseKey(kx, ky) : keyboard_.PressKey(kx, ky);
    if (!isKey)
      return "error: no key at " + std::to_string(*x) + " " + std::to_string(*y) + " (" +
             KeyRanges(keyboard_.Config()) + ")";
    if (command != "tap") return kOk;
    release_ = {kx, ky};
    due_ = clock_.Now() + kTapHold;
    return std::nullopt;
  }
  if (command == "swipe") {
    const auto track = Number(in);
    // The text is the rest of the line after one blank.
    std::string text;
    if (track && in.get() == ' ') std::getline(in, text);
    if (!track || text.empty()) return "error: swipe takes T TEXT";
    if (!keyboard_.SwipeCard(static_cast<int>(*track), text)) return "error: no track " + std::to_string(*track);
    return kOk;
  }
  if (command == "layer" && AtEnd(in)) return std::to_string(keyboard_.Keys().Layer());
  if (command == "help" && AtEnd(in))
    return "press X Y, release X Y, tap X Y with " + KeyRanges(keyboard_.Config()) +
           "; swipe T TEXT; layer; wait MS; help";
  if (command == "wait") {
    const auto ms = Number(in);
    if (!ms || *ms < 0 || *ms > kMaxWaitMs || !AtEnd(in)) return "error: wait takes MS (0 to 3600000)";
    due_ = clock_.Now() + std::chrono::milliseconds{*ms};
    return std::nullopt;
  }
  return "error: unknown command \"" + line + "\"";
}

std::optional<std::string> KeyCommands::Poll() {
  if (!due_ || clock_.Now() < *due_) return std::nullopt;
  due_.reset();
  if (release_) keyboard_.ReleaseKey(release_->first, release_->second);
  release_.reset();
  return kOk;
}

}  // namespace vl::sim
