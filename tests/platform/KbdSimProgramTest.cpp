// vlat-kbdsim's command line, state file and command input as a user meets them,
// and the port refusing what is no keyboard.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "KbdSimProcess.h"
#include "TestCatalogue.h"
#include "platform/SerioRawPort.h"

namespace vl {
namespace {

constexpr size_t kMemory = 2048;

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void WriteCatalogue(const TempFolder& folder) {
  test::WriteCatalogue(folder.Path(), {.more = "Check=CS\r\n"});
}

// Runs vlat-kbdsim to its refusal (a started one is ended after 10 s); the exit
// code, its error output in folder/err.
int Refusal(const TempFolder& folder, const std::string& arguments) {
  const std::string command = "timeout 10 " VLAT_KBDSIM " --data " + folder.Path().string() + " " + arguments +
                              " </dev/null >/dev/null 2>" + folder / "err";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(KbdSimProgram, OutOfRangeOptionsAreRefusedWithTheRange) {
  const TempFolder folder("vlat-kbdsim-options");
  WriteCatalogue(folder);
  const std::string state = " --state " + folder / "state";
  for (const auto& [option, range] :
       {std::pair<std::string, std::string>{"--message-gap 0", "1 to 600000"},
        {"--message-gap -1", "1 to 600000"},
        {"--message-gap 18446744073709551615", "1 to 600000"},
        {"--serial 99999999", "0 to 65535"},
        {"--serial -1", "0 to 65535"},
        {"--serial 0x", "0 to 65535"},
        {"--controller 99.99", "0 to 15"},
        {"--type 0400", "0000 to 03FF"}}) {
    const std::string arguments = (option.starts_with("--type") ? "" : "--type 0101 ") + option + state;
    EXPECT_EQ(Refusal(folder, arguments), 64) << option;
    const std::string err = ReadAll(folder / "err");
    EXPECT_NE(err.find(range), std::string::npos) << option << ": " << err;
  }
  EXPECT_FALSE(std::filesystem::exists(folder / "state"));
}

TEST(KbdSimProgram, StateFilesThatCannotBeKeptAreRefusedAtStart) {
  const TempFolder folder("vlat-kbdsim-state");
  WriteCatalogue(folder);
  const std::string head = "--type 0101 --state ";
  // Someone's layout given by mistake: neither read as memory nor cut down.
  const std::string layout(1500, 'L');
  folder.Write("layout.vld", layout);
  EXPECT_EQ(Refusal(folder, head + folder / "layout.vld"), 1);
  EXPECT_NE(ReadAll(folder / "err").find("1500 байт"), std::string::npos) << ReadAll(folder / "err");
  EXPECT_EQ(ReadAll(folder / "layout.vld"), layout);

  ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
  EXPECT_EQ(Refusal(folder, head + folder / "fifo"), 1);
  EXPECT_NE(ReadAll(folder / "err").find("FIFO"), std::string::npos) << ReadAll(folder / "err");
  std::filesystem::create_directory(folder / "dir");
  EXPECT_EQ(Refusal(folder, head + folder / "dir"), 1);
  EXPECT_NE(ReadAll(folder / "err").find("папка"), std::string::npos) << ReadAll(folder / "err");
  EXPECT_EQ(Refusal(folder, head + folder / "none/state"), 1);
  EXPECT_NE(ReadAll(folder / "err").find("не может быть сохранена в папке"), std::string::npos)
      << ReadAll(folder / "err");
}

// One keyboard, one player: a second simulator, or vlat-cli, on the memory of a
// running one is refused and changes nothing.
TEST(KbdSimProgram, ARunningSimulatorHoldsItsMemory) {
  const TempFolder folder("vlat-kbdsim-held");
  WriteCatalogue(folder);
  KbdSim sim({"--type", "0101", "--state", folder / "state", "--data", folder.Path().string()});
  ASSERT_FALSE(sim.Path().empty());
  EXPECT_EQ(Refusal(folder, "--type 0101 --state " + folder / "state"), 1);
  EXPECT_NE(ReadAll(folder / "err").find("занят другой программой"), std::string::npos) << ReadAll(folder / "err");
  folder.Write("in.mtf", "");
  const std::string command = "XDG_CONFIG_HOME=" + folder / "config" + " " VLAT_CLI " --data " +
                              folder.Path().string() + " --port sim:101 --sim-state " + folder / "state" +
                              " clear --yes </dev/null >/dev/null 2>" + folder / "err";
  const int status = std::system(command.c_str());
  EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 3);
  EXPECT_FALSE(std::filesystem::exists(folder / "state"));  // written only when the simulator ends
}

// Its terminal closing (SIGHUP) or the reader of its answers going away (SIGPIPE)
// ends a session as SIGTERM does: with the memory saved.
TEST(KbdSimProgram, HangUpAndBrokenPipeSaveTheMemory) {
  const TempFolder folder("vlat-kbdsim-hangup");
  WriteCatalogue(folder);
  for (const int signal : {SIGHUP, SIGPIPE}) {
    std::filesystem::remove(folder / "state");
    KbdSim sim({"--type", "0101", "--state", folder / "state", "--data", folder.Path().string()});
    ASSERT_FALSE(sim.Path().empty());
    EXPECT_EQ(sim.Stop(signal), 0) << signal;
    EXPECT_EQ(ReadAll(folder / "state").size(), kMemory) << signal;
  }
}

TEST(KbdSimProgram, HelpIsAnsweredAndARefusedValueIsNamedWhole) {
  const TempFolder folder("vlat-kbdsim-help");
  const std::string command = VLAT_KBDSIM " --help >" + folder / "out" + " 2>&1";
  const int status = std::system(command.c_str());
  EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0);
  EXPECT_EQ(ReadAll(folder / "out").rfind("usage: vlat-kbdsim", 0), 0u) << ReadAll(folder / "out");
  EXPECT_EQ(Refusal(folder, "--type 0101 --controller 1.2.3 --state " + folder / "state"), 64);
  EXPECT_NE(ReadAll(folder / "err").find("--controller 1.2.3:"), std::string::npos) << ReadAll(folder / "err");
}

TEST(KbdSimProgram, StateIsWrittenThroughALinkAndKeepsItsPermissions) {
  const TempFolder folder("vlat-kbdsim-link");
  WriteCatalogue(folder);
  std::string memory(kMemory, '\xFF');
  memory[0] = 0x42;
  folder.Write("memory", memory);
  ::chmod((folder / "memory").c_str(), 0600);
  std::filesystem::create_symlink(folder / "memory", folder / "link");
  {
    KbdSim sim({"--type", "0101", "--state", folder / "link", "--data", folder.Path().string()});
    ASSERT_FALSE(sim.Path().empty());
    EXPECT_EQ(sim.Stop(), 0);
  }
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "link"));
  EXPECT_EQ(ReadAll(folder / "memory"), memory);
  struct stat info {};
  ASSERT_EQ(::stat((folder / "memory").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0600u);
}

TEST(KbdSimProgram, TheTailOfAnOverlongLineIsNeverRun) {
  const TempFolder folder("vlat-kbdsim-lines");
  WriteCatalogue(folder);
  KbdSim sim({"--type", "0101", "--state", folder / "state", "--data", folder.Path().string()});
  ASSERT_FALSE(sim.Path().empty());
  // The tail alone would be a valid command.
  EXPECT_EQ(sim.Command(std::string(5000, ' ') + "wait 1"), "error: line too long");
  const std::string layer = sim.Command("layer");
  EXPECT_TRUE(layer.size() == 1 && std::isdigit(static_cast<unsigned char>(layer[0]))) << layer;
}

TEST(KbdSimProgram, APortPathThatIsNoDeviceIsRefusedUntouched) {
  const TempFolder folder("vlat-port-file");
  const std::string layout = "a layout that must survive";
  folder.Write("till.vld", layout);
  ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
  for (const std::string name : {"till.vld", "fifo"}) {
    try {
      SerioRawPort port(folder / name);
      ADD_FAILURE() << name << " opened";
    } catch (const NotAPortError& error) {
      // One sentence, without a system reason tacked on.
      EXPECT_EQ(std::string(error.what()),
                "\"" + folder / name + "\" — не порт клавиатуры (не символьное устройство); в него ничего не записано.");
    }
  }
  EXPECT_EQ(ReadAll(folder / "till.vld"), layout);
}

}  // namespace
}  // namespace vl
