// One program per keyboard port: a second opener is told the port is busy before
// it sends anything, and the first goes on undisturbed.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "KbdSimProcess.h"
#include "TestCatalogue.h"
#include "ScriptedPrompt.h"
#include "core/device/Detect.h"
#include "core/device/Transport.h"
#include "platform/SerioRawPort.h"

namespace vl {
namespace {

TEST(PortBusy, SecondOpenOfThePortIsRefusedAndTheFirstCompletes) {
  const TempFolder folder("vlat-port-busy");
  test::WriteCatalogue(folder.Path(), {.more = "Check=CS\r\n"});
  KbdSim sim({"--type", "101", "--state", folder / "state", "--data", folder.Path().string()});
  ASSERT_FALSE(sim.Path().empty());
  RealClock clock;
  FixedLockState locks;
  NullReporter reporter;
  test::ScriptedPrompt prompt(Answer::Ok);
  {
    SerioRawPort first(sim.Path());
    try {
      SerioRawPort second(sim.Path());
      ADD_FAILURE() << "opened twice";
    } catch (const PortBusyError& error) {
      EXPECT_EQ(std::string(error.what()), "Порт клавиатуры \"" + sim.Path() + "\" занят другой программой.");
    }

    // Another program (vlat-cli) is refused before it says a word to the keyboard.
    folder.Write("in.mtf", "");
    const std::string command = "XDG_CONFIG_HOME=" + folder / "config" + " " VLAT_CLI " --data " +
                                folder.Path().string() + " --port " + sim.Path() + " download --yes " +
                                folder / "in.mtf" + " </dev/null >/dev/null 2>" + folder / "err";
    const int status = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 3);
    std::ifstream err(folder / "err");
    const std::string told{std::istreambuf_iterator<char>(err), {}};
    EXPECT_NE(told.find("занят другой программой"), std::string::npos) << told;

    Link link{first, clock, locks, TransferMode::Normal, 0};
    const auto id = DetectDevice(link, reporter, prompt);
    ASSERT_TRUE(id);
    EXPECT_EQ(id->DeviceType, 0x101);
    StopCapture(link);
  }
  // Closed, the port is free again.
  EXPECT_NO_THROW(SerioRawPort(sim.Path()));
}

}  // namespace
}  // namespace vl
