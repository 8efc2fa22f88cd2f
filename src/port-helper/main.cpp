// vlat-port: hands the i8042 keyboard port to serio_raw for the device commands
// and back to the keyboard driver. Run as root, or through pkexec by the
// application. --root DIR works on a copy of the sysfs tree (tests); it is
// refused when pkexec started the program, so a user cannot aim it elsewhere.

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "port-helper/PortControl.h"

extern char** environ;

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 64;

int Usage() {
  std::cerr << "usage: vlat-port [--root DIR] status|attach|release\n";
  return kExitUsage;
}

// Names come from the sysfs tree: a control character in one (a line break)
// must not pass for a line of this program's own.
std::string Printable(std::string text) {
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  }
  return text;
}

// modprobe -q [-r] serio_raw; true when it succeeded.
bool Modprobe(bool remove) {
  const char* load[] = {"/sbin/modprobe", "-q", vl::port::kRawDriver, nullptr};
  const char* unload[] = {"/sbin/modprobe", "-q", "-r", vl::port::kRawDriver, nullptr};
  const char** argv = remove ? unload : load;
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, const_cast<char**>(argv), environ) != 0) return false;
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return false;
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string root = "/";
  if (args.size() >= 2 && args[0] == "--root") {
    if (std::getenv("PKEXEC_UID") != nullptr) {
      std::cerr << "vlat-port: --root is not allowed through pkexec\n";
      return kExitUsage;
    }
    root = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.size() != 1) return Usage();
  const std::string& verb = args[0];
  if (verb == "--help" || verb == "help") {
    std::cout << "usage: vlat-port [--root DIR] status|attach|release\n";
    return 0;
  }
  if (verb == "--version") {
    std::cout << "vlat-port (Velmorando AT) " VLAT_PROGRAM_VERSION "\n";
    return 0;
  }
  vl::port::SerioSysfs sysfs(root);
  // A signal between two driver requests must not leave the port without a
  // driver: attach and release hold the signals until they are done (every sysfs
  // access is non-blocking, so they cannot hang meanwhile); status stays
  // interruptible.
  sigset_t blocked;
  sigemptyset(&blocked);
  for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) sigaddset(&blocked, signal);
  if (verb == "attach" || verb == "release") sigprocmask(SIG_BLOCK, &blocked, nullptr);

  vl::port::PortOutcome outcome;
  if (verb == "status") {
    outcome = vl::port::PortStatus(sysfs);
  } else if (verb == "attach") {
    // Loading a module only makes sense for the running system's own tree.
    outcome = vl::port::AttachPort(sysfs, root == "/" ? [] { return Modprobe(false); } : std::function<bool()>());
  } else if (verb == "release") {
    // A module built into the kernel, or one in use, stays: nothing to tell.
    outcome = vl::port::ReleasePort(sysfs, root == "/" ? [] { Modprobe(true); } : std::function<void()>());
  } else {
    return Usage();
  }
  (outcome.ok ? std::cout : std::cerr) << (outcome.ok ? "" : "vlat-port: ") << Printable(outcome.message) << '\n';
  return outcome.ok ? 0 : kExitFailed;
}
