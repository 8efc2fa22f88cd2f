// vlat-kbdsim: the simulated keyboard on a pseudo-terminal, so the real port's
// file-descriptor code can talk to it. Its memory size and check kind are those
// the catalogue gives the type. Prints the terminal's path on the first line of
// standard output, then serves until SIGTERM, SIGINT, SIGHUP or SIGPIPE. Key commands come on
// standard input, one a line (sim/KeyCommands.h); each answer is one line on
// standard output, and what the keys send goes out on the terminal.

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <deque>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <thread>

#include "core/catalogue/DeviceCatalogue.h"
#include "core/catalogue/ProgramFile.h"
#include "core/common/StateFile.h"
#include "core/device/Clock.h"
#include "platform/ProgramFolder.h"
#include "sim/CatalogueConfig.h"
#include "sim/KeyCommands.h"
#include "sim/SimulatedPort.h"

namespace {

constexpr size_t kMaxCommandText = 4096;
// Lines waiting while a command (wait, tap) takes its time; beyond this the
// input is not read until the queue shrinks, so a flood waits in the pipe.
constexpr size_t kMaxQueuedLines = 256;
constexpr unsigned long kMaxMessageGapMs = 600000;

volatile std::sig_atomic_t gStop = 0;
void OnSignal(int) { gStop = 1; }

constexpr const char* kUsage =
    "usage: vlat-kbdsim --type TYPE [--serial N] [--controller MAJOR.MINOR] --state FILE\n"
    "                   [--data DIR] [--scan-set 1|2] [--message-gap MS]\n"
    "       vlat-kbdsim --help | --version\n"
    "--type 0000 to 03FF (hex), --serial 0 to 65535 (or 0x0 to 0xFFFF),\n"
    "--controller 0.0 to 15.15, --message-gap 1 to 600000 ms\n"
    "--scan-set 2: the host gets the keys' set-2 bytes untranslated (default: set 1)\n";

// A refused command line: the reason (when there is one) and the usage.
struct UsageRefusal {
  std::string reason;
};

int Usage(const std::string& reason = {}) {
  if (!reason.empty()) std::cerr << "vlat-kbdsim: " << reason << '\n';
  std::cerr << kUsage;
  return 64;
}

// A whole unsigned number in [0, max] (0x for hexadecimal when hexAllowed), else
// a refusal naming the option and the range.
unsigned long ParseRanged(const std::string& option, const std::string& text, unsigned long min, unsigned long max,
                          bool hexAllowed = false) {
  const bool hex = hexAllowed && (text.starts_with("0x") || text.starts_with("0X"));
  const std::string digits = hex ? text.substr(2) : text;
  unsigned long value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, hex ? 16 : 10);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || value < min || value > max) {
    throw UsageRefusal{option + " " + text + ": not a number from " + std::to_string(min) + " to " +
                       std::to_string(max)};
  }
  return value;
}

// Command lines from standard input: an over-long line is dropped to its end and
// told once; complete lines queue until the keyboard takes them.
class CommandInput {
 public:
  void Take(const char* bytes, size_t count) {
    for (size_t i = 0; i < count; ++i) {
      const char c = bytes[i];
      if (discarding_) {
        discarding_ = c != '\n';
        continue;
      }
      if (c == '\n') {
        if (!partial_.empty() && partial_.back() == '\r') partial_.pop_back();
        if (!partial_.empty()) lines_.push_back(std::move(partial_));
        partial_.clear();
      } else if (partial_.size() == kMaxCommandText) {
        partial_.clear();
        discarding_ = true;
        std::cout << "error: line too long" << std::endl;
      } else {
        partial_ += c;
      }
    }
  }
  bool Full() const { return lines_.size() >= kMaxQueuedLines; }
  std::optional<std::string> Next() {
    if (lines_.empty()) return std::nullopt;
    std::string line = std::move(lines_.front());
    lines_.pop_front();
    return line;
  }

 private:
  std::string partial_;
  bool discarding_ = false;
  std::deque<std::string> lines_;
};

}  // namespace

int main(int argc, char** argv) {
  vl::sim::SimConfig config;
  config.keepTranscript = false;
  std::optional<uint16_t> type;
  std::string statePath;
  std::string dataDir = vl::ProgramDataFolder(argv[0]);
  if (argc == 2 && std::string(argv[1]) == "--version") {
    std::cout << "vlat-kbdsim (Velmorando AT) " VLAT_PROGRAM_VERSION "\n";
    return 0;
  }
  try {
    for (int i = 1; i < argc; ++i) {
      const std::string arg = argv[i];
      if (arg == "--help" || arg == "-h") {
        std::cout << kUsage;
        return 0;
      }
      if (i + 1 >= argc) return Usage(arg + " needs a value");
      const std::string value = argv[++i];
      if (arg == "--type") {
        type = vl::ParseDeviceSectionName(value);
        if (!type || *type > 0x3FF) return Usage("--type " + value + ": not a device type from 0000 to 03FF");
      } else if (arg == "--serial") {
        config.identity.SerialNumber = static_cast<uint16_t>(ParseRanged(arg, value, 0, 0xFFFF, true));
      } else if (arg == "--controller") {
        // Each part is judged, but a refusal names the whole value as given.
        const auto dot = value.find('.');
        try {
          if (dot == std::string::npos) throw UsageRefusal{};
          config.controllerMajor = static_cast<uint8_t>(ParseRanged(arg, value.substr(0, dot), 0, 15));
          config.controllerMinor = static_cast<uint8_t>(ParseRanged(arg, value.substr(dot + 1), 0, 15));
        } catch (const UsageRefusal&) {
          return Usage("--controller " + value + ": MAJOR.MINOR, each 0 to 15");
        }
      } else if (arg == "--data") {
        dataDir = value;
      } else if (arg == "--scan-set") {
        if (value != "1" && value != "2") return Usage("--scan-set " + value + ": 1 or 2");
        config.rawSet2 = value == "2";
      } else if (arg == "--state") {
        statePath = value;
      } else if (arg == "--message-gap") {
        config.messageGap = std::chrono::milliseconds(ParseRanged(arg, value, 1, kMaxMessageGapMs));
      } else {
        return Usage("unknown option " + arg);
      }
    }
  } catch (const UsageRefusal& refusal) {
    return Usage(refusal.reason);
  }
  if (!type) return Usage("--type is needed");
  if (statePath.empty()) return Usage("--state is needed");
  try {
    const auto catalogue = vl::DeviceCatalogue::Open(vl::ProgramFilePath(dataDir, vl::kCatalogueFileName).string());
    config = vl::sim::CatalogueConfig(catalogue, *type, config);
  } catch (const std::exception& e) {
    std::cerr << "vlat-kbdsim: " << e.what() << '\n';
    return 1;
  }

  vl::RealClock clock;
  vl::sim::SimulatedPort keyboard(clock, config);
  // The state file is taken before the session, and held for it: one that could
  // not be saved at the end, that is not this keyboard's memory or that another
  // program plays is never taken.
  std::optional<vl::StateFile> state;
  try {
    state.emplace(statePath, keyboard.Memory().size());
  } catch (const vl::FileError& refused) {
    std::cerr << "vlat-kbdsim: --state: " << refused.what() << '\n';
    return 1;
  }
  if (const auto& kept = state->Kept()) std::copy(kept->begin(), kept->end(), keyboard.Memory().begin());

  const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
    std::perror("vlat-kbdsim: pseudo-terminal");
    return 1;
  }
  const std::string slavePath = ::ptsname(master);
  // Keep the slave open so the master never sees a hang-up, and make it raw:
  // the protocol's bytes must pass untouched.
  const int slave = ::open(slavePath.c_str(), O_RDWR | O_NOCTTY);
  termios raw{};
  ::tcgetattr(slave, &raw);
  ::cfmakeraw(&raw);
  ::tcsetattr(slave, TCSANOW, &raw);

  // Whatever ends the session saves the memory: a kill, Ctrl-C, the terminal
  // closing (SIGHUP) or the reader of the answers gone (SIGPIPE: ... | head).
  for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGPIPE}) std::signal(signal, OnSignal);
  // Started in the background of a terminal, reading it fails instead of stopping
  // the keyboard; the commands then simply end.
  std::signal(SIGTTIN, SIG_IGN);
  std::cout << slavePath << std::endl;

  keyboard.SetCapture(1);  // everything the keyboard sends goes out on the terminal
  vl::sim::KeyCommands commands(keyboard, clock);
  CommandInput input;
  bool inputOpen = true;
  pollfd watch[2] = {{master, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
  while (!gStop) {
    // A full queue leaves the input unread: the writer waits instead of the memory growing.
    watch[1].fd = inputOpen && !input.Full() ? STDIN_FILENO : -1;
    if (::poll(watch, 2, 1) > 0) {
      if (watch[0].revents & POLLIN) {
        uint8_t buffer[64];
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        for (ssize_t i = 0; i < n; ++i) keyboard.SendByte(buffer[i]);
      }
      if (watch[1].fd >= 0 && (watch[1].revents & (POLLIN | POLLHUP))) {
        char buffer[256];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n > 0) {
          input.Take(buffer, static_cast<size_t>(n));
        } else if (n == 0 || errno != EINTR) {
          inputOpen = false;  // end of input: the keyboard goes on serving the port
        }
      }
    }
    if (const auto answer = commands.Poll()) std::cout << *answer << std::endl;
    while (!commands.Busy()) {
      const auto line = input.Next();
      if (!line) break;
      if (const auto answer = commands.Run(*line)) std::cout << *answer << std::endl;
    }
    for (uint16_t taken = keyboard.TakeByte(); taken & 0xFF; taken = keyboard.TakeByte()) {
      const auto byte = static_cast<uint8_t>(taken >> 8);
      if (::write(master, &byte, 1) != 1) break;
    }
  }
  ::close(slave);
  ::close(master);
  const auto& memory = keyboard.Memory();
  if (!state->Save({reinterpret_cast<const char*>(memory.data()), memory.size()})) {
    std::cerr << "vlat-kbdsim: the memory could not be saved in \"" << statePath << "\"\n";
    return 1;
  }
  return 0;
}
