// vlat-kbdsim: the simulated keyboard on a pseudo-terminal, so the real port's
// file-descriptor code can talk to it. Its memory size and check kind are those
// the catalogue gives the type. Prints the terminal's path on the first line of
// standard output, then serves until SIGTERM or SIGINT. Key commands come on
// standard input, one a line (sim/KeyCommands.h); each answer is one line on
// standard output, and what the keys send goes out on the terminal.

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <thread>

#include "core/catalogue/DeviceCatalogue.h"
#include "core/catalogue/ProgramFile.h"
#include "core/common/SafeWrite.h"
#include "core/device/Clock.h"
#include "platform/ProgramFolder.h"
#include "sim/CatalogueConfig.h"
#include "sim/KeyCommands.h"
#include "sim/SimKeyboard.h"

namespace {

constexpr size_t kMaxCommandText = 4096;

volatile std::sig_atomic_t gStop = 0;
void OnSignal(int) { gStop = 1; }

int Usage() {
  std::cerr << "usage: vlat-kbdsim --type TYPE [--serial N] [--controller MAJOR.MINOR] --state FILE\n"
               "                   [--data DIR] [--scan-set 1|2] [--message-gap MS]\n"
               "--scan-set 2: the host gets the keys' set-2 bytes untranslated (default: set 1)\n";
  return 64;
}

void LoadState(const std::string& path, std::vector<uint8_t>& memory) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return;  // a new keyboard: memory stays erased
  in.read(reinterpret_cast<char*>(memory.data()), static_cast<std::streamsize>(memory.size()));
}

// Through a temporary file, so a failed write keeps the previous programming.
bool SaveState(const std::string& path, const std::vector<uint8_t>& memory) {
  return vl::WriteFileSafely(path, {reinterpret_cast<const char*>(memory.data()), memory.size()});
}

}  // namespace

int main(int argc, char** argv) {
  vl::sim::SimConfig config;
  config.keepTranscript = false;
  std::optional<uint16_t> type;
  std::string statePath;
  std::string dataDir = vl::ProgramDataFolder(argv[0]);
  try {
    for (int i = 1; i < argc; ++i) {
      const std::string arg = argv[i];
      if (i + 1 >= argc) return Usage();
      const std::string value = argv[++i];
      if (arg == "--type") {
        type = vl::ParseDeviceSectionName(value);
        if (!type || *type > 0x3FF) return Usage();
      } else if (arg == "--serial") {
        config.identity.SerialNumber = static_cast<uint16_t>(std::stoul(value, nullptr, 0));
      } else if (arg == "--controller") {
        const auto dot = value.find('.');
        if (dot == std::string::npos) return Usage();
        config.controllerMajor = static_cast<uint8_t>(std::stoul(value.substr(0, dot)) & 0x0F);
        config.controllerMinor = static_cast<uint8_t>(std::stoul(value.substr(dot + 1)) & 0x0F);
      } else if (arg == "--data") {
        dataDir = value;
      } else if (arg == "--scan-set") {
        if (value != "1" && value != "2") return Usage();
        config.rawSet2 = value == "2";
      } else if (arg == "--state") {
        statePath = value;
      } else if (arg == "--message-gap") {
        config.messageGap = std::chrono::milliseconds(std::stoul(value));
      } else {
        return Usage();
      }
    }
  } catch (const std::exception&) {
    return Usage();
  }
  if (!type || statePath.empty()) return Usage();
  try {
    const auto catalogue = vl::DeviceCatalogue::Open(vl::ProgramFilePath(dataDir, vl::kCatalogueFileName).string());
    config = vl::sim::CatalogueConfig(catalogue, *type, config);
  } catch (const std::exception& e) {
    std::cerr << "vlat-kbdsim: " << e.what() << '\n';
    return 1;
  }

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

  vl::RealClock clock;
  vl::sim::SimKeyboard keyboard(clock, config);
  LoadState(statePath, keyboard.Memory());

  std::signal(SIGTERM, OnSignal);
  std::signal(SIGINT, OnSignal);
  // Started in the background of a terminal, reading it fails instead of stopping
  // the keyboard; the commands then simply end.
  std::signal(SIGTTIN, SIG_IGN);
  std::cout << slavePath << std::endl;

  keyboard.SetCapture(1);  // everything the keyboard sends goes out on the terminal
  vl::sim::KeyCommands commands(keyboard, clock);
  std::string input;  // command text not yet run
  pollfd watch[2] = {{master, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
  while (!gStop) {
    if (::poll(watch, 2, 1) > 0) {
      if (watch[0].revents & POLLIN) {
        uint8_t buffer[64];
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        for (ssize_t i = 0; i < n; ++i) keyboard.SendByte(buffer[i]);
      }
      if (watch[1].revents & (POLLIN | POLLHUP)) {
        char buffer[256];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n > 0) {
          input.append(buffer, static_cast<size_t>(n));
          // No command is that long: a line without end is dropped, not kept growing.
          if (input.size() > kMaxCommandText && input.find('\n') == std::string::npos) {
            input.clear();
            std::cout << "error: line too long" << std::endl;
          }
        } else {
          watch[1].fd = -1;  // end of input: the keyboard goes on serving the port
        }
      }
    }
    if (const auto answer = commands.Poll()) std::cout << *answer << std::endl;
    for (size_t end; !commands.Busy() && (end = input.find('\n')) != std::string::npos;) {
      std::string line = input.substr(0, end);
      input.erase(0, end + 1);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.empty()) continue;
      if (const auto answer = commands.Run(line)) std::cout << *answer << std::endl;
    }
    for (uint16_t taken = keyboard.TakeByte(); taken & 0xFF; taken = keyboard.TakeByte()) {
      const auto byte = static_cast<uint8_t>(taken >> 8);
      if (::write(master, &byte, 1) != 1) break;
    }
  }
  ::close(slave);
  ::close(master);
  if (!SaveState(statePath, keyboard.Memory())) {
    std::perror("vlat-kbdsim: state file");
    return 1;
  }
  return 0;
}
