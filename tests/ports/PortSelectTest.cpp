#include <gtest/gtest.h>

#include <stdexcept>
#include <system_error>

#include "core/catalogue/DeviceCatalogue.h"
#include "core/device/Clock.h"
#include "platform/SerioRawPort.h"
#include "ports/PortSelect.h"

namespace vl {
namespace {

TEST(PortSelect, Choices) {
  EXPECT_EQ(ParsePortChoice("none").kind, PortChoice::Kind::None);
  EXPECT_EQ(ParsePortChoice("/dev/x").path, "/dev/x");
  EXPECT_EQ(ParsePortChoice("sim").kind, PortChoice::Kind::Sim);
  EXPECT_EQ(ParsePortChoice("sim:2a1").simType, 0x2A1);
  try {
    ParsePortChoice("sim:zz");
    ADD_FAILURE() << "sim:zz taken";
  } catch (const std::invalid_argument& error) {
    EXPECT_EQ(std::string(error.what()), FilledText(kBadSimulatedType, {"sim:zz"}));
  }
  EXPECT_THROW(ParsePortChoice("sim:400"), std::invalid_argument);
  EXPECT_THROW(SerioRawPort("/nonexistent/serio"), std::system_error);

  // A simulated type is the catalogue's: without an entry (or with an impossible
  // memory size) there is no keyboard to simulate.
  VirtualClock clock;
  const DeviceCatalogue catalogue(IniFile("[0101]\nMemory=2048\n[0102]\nMemory=32\n"));
  EXPECT_NE(OpenChosenPort(ParsePortChoice("sim:101"), clock, catalogue), nullptr);
  EXPECT_THROW(OpenChosenPort(ParsePortChoice("sim:2a1"), clock, catalogue), std::invalid_argument);
  EXPECT_THROW(OpenChosenPort(ParsePortChoice("sim:102"), clock, catalogue), std::invalid_argument);
}

}  // namespace
}  // namespace vl
