// Outputs of the device commands that are not files: refused at once, never
// opened (a FIFO without a reader would hold the command for ever).

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "cli/DeviceCommandSupport.h"

namespace vl::cli {
namespace {

TEST(OutputSpecialFile, BackupTargetThatIsAFifoOrFolderIsRefusedWithoutBlocking) {
  const auto folder = std::filesystem::temp_directory_path() / ("vlat-output-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(folder / "folder.vld");
  ASSERT_EQ(::mkfifo((folder / "pipe.vld").c_str(), 0600), 0);
  std::ofstream(folder / "old.vld") << "old";
  EXPECT_FALSE(CanWriteFile((folder / "pipe.vld").string()));
  EXPECT_FALSE(CanWriteFile((folder / "folder.vld").string()));
  EXPECT_TRUE(CanWriteFile((folder / "old.vld").string()));
  EXPECT_TRUE(CanWriteFile((folder / "new.vld").string()));
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace vl::cli
