// vlat-port as a program on a plain file tree: nothing answers the drvctl
// writes, so an attach always fails after its first request.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "FakeSysfs.h"
#include "ShellRun.h"

namespace vl::port::test {
namespace {

using ProgramRun = vl::test::ShellRun;

ProgramRun RunPort(const std::string& arguments, const std::string& environment = "") {
  return vl::test::RunShell(environment + " " VLAT_PORT " " + arguments + " 2>&1");
}

TEST(PortProgramTest, AttachThatTheKernelIgnoresLeavesTheKeyboardDriverRequested) {
  FakeSysfsTree tree;
  const ProgramRun run = RunPort("--root " + tree.Root().string() + " attach");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.output, "vlat-port: serio_raw did not take the port; the port is back with atkbd\n");
  EXPECT_EQ(tree.Drvctl("serio0"), "atkbd");
  EXPECT_EQ(tree.Drvctl("serio1"), "");
}

// Whatever stands in the tree, the program ends and says what it found: a FIFO
// is neither read nor written, a link is not written through, a looping link
// names no driver, and a name cannot break the output's lines.
TEST(PortProgramTest, OddSysfsTreesNeitherHangNorMislead) {
  {
    FakeSysfsTree tree;
    fs::remove(tree.Port("serio0") / "description");
    ASSERT_EQ(::mkfifo((tree.Port("serio0") / "description").c_str(), 0600), 0);
    const ProgramRun run = RunPort("--root " + tree.Root().string() + " status", "timeout 10");
    EXPECT_EQ(run.exitCode, 1) << run.output;
  }
  {
    FakeSysfsTree tree;
    fs::remove(tree.Port("serio0") / "drvctl");
    ASSERT_EQ(::mkfifo((tree.Port("serio0") / "drvctl").c_str(), 0600), 0);
    const ProgramRun run = RunPort("--root " + tree.Root().string() + " attach", "timeout 10");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output, "vlat-port: serio0: writing to the port's drvctl failed; nothing was changed, the port "
                          "stays with atkbd\n");
  }
  {
    FakeSysfsTree tree;
    std::ofstream(tree.Root() / "elsewhere");
    fs::remove(tree.Port("serio0") / "drvctl");
    fs::create_symlink(tree.Root() / "elsewhere", tree.Port("serio0") / "drvctl");
    EXPECT_EQ(RunPort("--root " + tree.Root().string() + " attach").exitCode, 1);
    EXPECT_EQ(fs::file_size(tree.Root() / "elsewhere"), 0u);
  }
  {
    FakeSysfsTree tree;
    fs::remove(tree.Port("serio0") / "driver");
    fs::create_symlink("driver", tree.Port("serio0") / "driver");
    EXPECT_EQ(RunPort("--root " + tree.Root().string() + " status").output,
              "serio0: no driver (the keyboard does not type)\n");
    fs::remove(tree.Port("serio0") / "driver");
    fs::create_directories(tree.Bus() / "drivers" / "evil\nserio0: serio_raw");
    fs::create_directory_symlink("../../drivers/evil\nserio0: serio_raw", tree.Port("serio0") / "driver");
    EXPECT_EQ(RunPort("--root " + tree.Root().string() + " status").output,
              "serio0: evil?serio0: serio_raw (the keyboard types)\n");
  }
}

TEST(PortProgramTest, StatusAndRefusals) {
  FakeSysfsTree tree;
  const std::string root = "--root " + tree.Root().string();
  EXPECT_EQ(RunPort(root + " status").output, "serio0: atkbd (the keyboard types)\n");
  EXPECT_EQ(RunPort(root + " status").exitCode, 0);
  EXPECT_EQ(RunPort(root + " bind").exitCode, 64);
  EXPECT_EQ(RunPort("").exitCode, 64);

  const ProgramRun elevated = RunPort(root + " attach", "PKEXEC_UID=1000");
  EXPECT_EQ(elevated.exitCode, 64);
  EXPECT_EQ(tree.Drvctl("serio0"), "");

  FakeSysfsTree withoutPort(false);
  const ProgramRun missing = RunPort("--root " + withoutPort.Root().string() + " attach");
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.output.find("no i8042 keyboard port"), std::string::npos) << missing.output;
}

}  // namespace
}  // namespace vl::port::test
