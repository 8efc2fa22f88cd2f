#include <gtest/gtest.h>

#include "FakeSysfs.h"
#include "port-helper/PortControl.h"

namespace vl::port::test {
namespace {

TEST(PortControlTest, AttachHandsThePortToSerioRawAndReleaseGivesItBack) {
  FakeSysfsTree tree;
  FakeKernel kernel(tree);
  const PortOutcome attached = AttachPort(kernel, nullptr);
  EXPECT_TRUE(attached.ok) << attached.message;
  EXPECT_EQ(attached.message, "serio0: serio_raw /dev/serio_raw0");
  EXPECT_EQ(PortStatus(kernel).message, "serio0: serio_raw /dev/serio_raw0");
  // The AUX port is never touched.
  EXPECT_EQ(kernel.BoundDriver("serio1"), "psmouse");

  const PortOutcome released = ReleasePort(kernel);
  EXPECT_TRUE(released.ok) << released.message;
  EXPECT_EQ(kernel.BoundDriver("serio0"), "atkbd");
  EXPECT_EQ(PortStatus(kernel).message, "serio0: atkbd (the keyboard types)");
  EXPECT_EQ(kernel.requests, (std::vector<std::string>{"serio0:serio_raw", "serio0:atkbd"}));
}

TEST(PortControlTest, ReleaseUnloadsSerioRawOnlyWhenNoPortUsesIt) {
  FakeSysfsTree tree;
  FakeKernel kernel(tree);
  int unloads = 0;
  const auto unload = [&] { ++unloads; };
  ASSERT_TRUE(AttachPort(kernel, nullptr).ok);
  EXPECT_TRUE(ReleasePort(kernel, unload).ok);
  EXPECT_EQ(unloads, 1);
  EXPECT_TRUE(ReleasePort(kernel, unload).ok);  // already released: nothing to unload
  EXPECT_EQ(unloads, 1);

  // Another port still has serio_raw.
  tree.AddPort("serio2", "i8042 AUX2 port", "serio_raw");
  ASSERT_TRUE(AttachPort(kernel, nullptr).ok);
  EXPECT_TRUE(ReleasePort(kernel, unload).ok);
  EXPECT_EQ(unloads, 1);
}

TEST(PortControlTest, RepeatedRequestsChangeNothing) {
  FakeSysfsTree tree;
  FakeKernel kernel(tree);
  EXPECT_TRUE(ReleasePort(kernel).ok);
  ASSERT_TRUE(AttachPort(kernel, nullptr).ok);
  EXPECT_TRUE(AttachPort(kernel, nullptr).ok);
  EXPECT_EQ(kernel.requests, std::vector<std::string>{"serio0:serio_raw"});
}

TEST(PortControlTest, EveryVerbRefusesWhenThereIsNoKeyboardPort) {
  FakeSysfsTree tree(false);
  FakeKernel kernel(tree);
  for (const PortOutcome& outcome : {PortStatus(kernel), AttachPort(kernel, nullptr), ReleasePort(kernel)}) {
    EXPECT_FALSE(outcome.ok);
    EXPECT_NE(outcome.message.find("no i8042 keyboard port"), std::string::npos) << outcome.message;
  }
  EXPECT_TRUE(kernel.requests.empty());
}

TEST(PortControlTest, AttachLoadsAMissingRawDriverAndRefusesWhenItCannot) {
  FakeSysfsTree tree;
  fs::remove(tree.Bus() / "drivers" / "serio_raw");
  FakeKernel kernel(tree);
  const PortOutcome refused = AttachPort(kernel, [] { return false; });
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(refused.message, "the serio_raw driver is not available; the port stays with atkbd");
  EXPECT_TRUE(kernel.requests.empty());

  const PortOutcome attached = AttachPort(kernel, [&] {
    fs::create_directory(tree.Bus() / "drivers" / "serio_raw");
    return true;
  });
  EXPECT_TRUE(attached.ok) << attached.message;
}

// Half-way failures: the kernel lets atkbd go before serio_raw may refuse, and
// serio_raw may take the port without making its device. Either way the port
// must not stay without its keyboard driver.
TEST(PortControlTest, AttachFailingHalfWayGivesThePortBack) {
  struct Case {
    bool refuseRaw;
    bool makeRawDevice;
    const char* message;
  };
  for (const Case& failure : {Case{true, true, "writing to the port's drvctl failed; the port is back with atkbd"},
                              Case{false, false, "serio_raw made no device for the port; the port is back with atkbd"}}) {
    FakeSysfsTree tree;
    FakeKernel kernel(tree);
    if (failure.refuseRaw) kernel.refuse = {"serio_raw"};
    kernel.makeRawDevice = failure.makeRawDevice;
    const PortOutcome outcome = AttachPort(kernel, nullptr);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message, failure.message);
    EXPECT_EQ(kernel.BoundDriver("serio0"), "atkbd");
  }
}

TEST(PortControlTest, GivingBackFallsBackToARescanAndSaysWhenEvenThatFails) {
  FakeSysfsTree tree;
  FakeKernel kernel(tree);
  kernel.refuse = {"serio_raw", "atkbd"};
  EXPECT_FALSE(AttachPort(kernel, nullptr).ok);
  EXPECT_EQ(kernel.BoundDriver("serio0"), "atkbd");
  EXPECT_EQ(kernel.requests, (std::vector<std::string>{"serio0:serio_raw", "serio0:atkbd", "serio0:rescan"}));

  kernel.refuse = {"serio_raw", "atkbd", "rescan"};
  const PortOutcome outcome = AttachPort(kernel, nullptr);
  EXPECT_FALSE(outcome.ok);
  EXPECT_NE(outcome.message.find("the keyboard has no driver"), std::string::npos) << outcome.message;
}

TEST(PortControlTest, AttachRemembersAKeyboardDriverOtherThanAtkbd) {
  FakeSysfsTree tree;
  fs::remove(tree.Port("serio0") / "driver");
  fs::create_directory(tree.Bus() / "drivers" / "vendorkbd");
  fs::create_directory_symlink("../../drivers/vendorkbd", tree.Port("serio0") / "driver");
  FakeKernel kernel(tree);
  kernel.makeRawDevice = false;
  EXPECT_FALSE(AttachPort(kernel, nullptr).ok);
  EXPECT_EQ(kernel.BoundDriver("serio0"), "vendorkbd");
}

TEST(PortControlTest, ReleaseMendsAPortLeftWithoutDriver) {
  FakeSysfsTree tree;
  fs::remove(tree.Port("serio0") / "driver");
  FakeKernel kernel(tree);
  EXPECT_EQ(PortStatus(kernel).message, "serio0: no driver (the keyboard does not type)");
  const PortOutcome outcome = ReleasePort(kernel);
  EXPECT_TRUE(outcome.ok) << outcome.message;
  EXPECT_EQ(kernel.BoundDriver("serio0"), "atkbd");
}

}  // namespace
}  // namespace vl::port::test
