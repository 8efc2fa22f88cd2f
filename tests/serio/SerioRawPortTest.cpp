#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "core/device/Detect.h"
#include "core/device/Transport.h"
#include "platform/PortSelect.h"
#include "platform/SerioRawPort.h"

namespace vl {
namespace {

// vlat-kbdsim as a child process; its first output line is the terminal path.
class KbdSim {
 public:
  explicit KbdSim(const std::vector<std::string>& args) {
    int out[2];
    if (::pipe(out) != 0) throw std::runtime_error("pipe");
    pid_ = ::fork();
    if (pid_ == 0) {
      ::dup2(out[1], 1);
      ::close(out[0]);
      std::vector<char*> argv{const_cast<char*>(VLAT_KBDSIM)};
      for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      ::execv(VLAT_KBDSIM, argv.data());
      ::_exit(127);
    }
    ::close(out[1]);
    char c;
    while (::read(out[0], &c, 1) == 1 && c != '\n') path_ += c;
    ::close(out[0]);
  }
  ~KbdSim() { Stop(); }
  int Stop() {
    if (pid_ <= 0) return 0;
    ::kill(pid_, SIGTERM);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  const std::string& Path() const { return path_; }

 private:
  pid_t pid_ = -1;
  std::string path_;
};

class NoPrompt final : public IPrompt {
 public:
  Answer Ask(const std::string&, const std::string&, MessageButtons, MessageIcon) override { return Answer::Ok; }
  std::optional<std::string> AskPassword(const std::string&, const std::string&) override { return {}; }
};

TEST(SerioRawPort, TalksToTheSimulatorAndTheStateSurvives) {
  const auto state = std::filesystem::temp_directory_path() / ("vlat-kbdsim-" + std::to_string(::getpid()));
  std::filesystem::remove(state);
  const std::vector<std::string> args{"--type", "2a1", "--serial", "4660", "--controller", "1.7",
                                      "--memory", "4096", "--state", state.string()};
  RealClock clock;
  FixedLockState locks;
  NullReporter reporter;
  NoPrompt prompt;
  {
    KbdSim sim(args);
    ASSERT_FALSE(sim.Path().empty());
    SerioRawPort port(sim.Path());
    Link link{port, clock, locks, TransferMode::Normal, 1};
    const auto id = DetectDevice(link, reporter, prompt);
    ASSERT_TRUE(id);
    EXPECT_EQ(id->DeviceType, 0x2A1);
    EXPECT_EQ(id->SerialNumber, 4660);
    const auto header = ReadControllerVersion(link, id->SerialNumber, 4096 - 32, reporter);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->ControllerMajor, 1);
    EXPECT_EQ(header->ControllerMinor, 7);
    ASSERT_TRUE(WritePacketAck(link, WriteBlockPacket(1, 0, 0x10, "programmed-bytes")));
    EXPECT_EQ(sim.Stop(), 0);
  }
  EXPECT_EQ(std::filesystem::file_size(state), 4096u);
  {
    KbdSim sim(args);
    SerioRawPort port(sim.Path());
    Link link{port, clock, locks, TransferMode::Normal, 1};
    const std::string answer = ReadBlock(link, 0, 0x1C);
    ASSERT_EQ(answer.size(), 13u);
    EXPECT_EQ(answer.substr(3, 8), "ytes\xFF\xFF\xFF\xFF");  // the rest of memory is still erased
  }
  std::filesystem::remove(state);
}

TEST(PortSelect, Choices) {
  EXPECT_EQ(ParsePortChoice("none").kind, PortChoice::Kind::None);
  EXPECT_EQ(ParsePortChoice("/dev/x").path, "/dev/x");
  EXPECT_EQ(ParsePortChoice("sim").kind, PortChoice::Kind::Sim);
  EXPECT_EQ(ParsePortChoice("sim:2a1").simType, 0x2A1);
  EXPECT_THROW(ParsePortChoice("sim:zz"), std::invalid_argument);
  EXPECT_THROW(ParsePortChoice("sim:400"), std::invalid_argument);
  EXPECT_THROW(SerioRawPort("/nonexistent/serio"), std::system_error);
}

}  // namespace
}  // namespace vl
