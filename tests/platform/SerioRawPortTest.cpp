#include <gtest/gtest.h>

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/device/Detect.h"
#include "core/device/Transport.h"
#include "platform/SerioRawPort.h"
#include "KbdSimProcess.h"
#include "ScriptedPrompt.h"

namespace vl {
namespace {

TEST(SerioRawPort, TalksToTheSimulatorAndTheStateSurvives) {
  // The simulator takes memory size and check kind from the catalogue.
  const TempFolder folder("vlat-serio");
  folder.Write("DEVICES.TYP", "[02a1]\r\nMemory=4096\r\nCheck=CRC\r\n");
  const std::string state = folder / "state";
  const std::vector<std::string> args{"--type", "2a1", "--serial", "4660", "--controller", "1.7",
                                      "--state", state, "--data", folder.Path().string()};
  RealClock clock;
  FixedLockState locks;
  NullReporter reporter;
  test::ScriptedPrompt prompt{Answer::Ok};
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
}

// The simulator's terminal closing under an open port: the port says it is gone,
// costs no processor time from then on, and a download tells that the port went
// away rather than pointing at the transfer settings.
TEST(SerioRawPort, AFarEndThatClosesEndsThePortQuietly) {
  const TempFolder folder("vlat-serio-gone");
  folder.Write("DEVICES.TYP", "[0101]\r\nMemory=2048\r\nCheck=CS\r\n");
  KbdSim sim({"--type", "101", "--state", folder / "state", "--data", folder.Path().string()});
  ASSERT_FALSE(sim.Path().empty());
  SerioRawPort port(sim.Path());
  EXPECT_FALSE(port.Lost());
  EXPECT_EQ(sim.Stop(), 0);
  for (int waited = 0; !port.Lost() && waited < 5000; waited += 10) ::usleep(10000);
  EXPECT_TRUE(port.Lost());

  const auto cpu = [] {
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1000 + now.tv_nsec / 1000000;
  };
  const auto before = cpu();
  ::usleep(300000);
  EXPECT_LT(cpu() - before, 100) << "the read loop spins on the hang-up";
  EXPECT_FALSE(port.SendByte(0xEE));

  RealClock clock;
  FixedLockState locks;
  test::ScriptedPrompt prompt{Answer::Ok};
  NullReporter reporter;
  Link link{port, clock, locks, TransferMode::Normal, 0};
  EXPECT_FALSE(WritePacketAck(link, WriteBlockPacket(1, 0, 0x10, "bytes")));
}

}  // namespace
}  // namespace vl
