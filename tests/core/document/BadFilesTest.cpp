// Files that are too large to be what they claim, and outputs that are not files.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "LayoutFileSupport.h"
#include "core/catalogue/DecodingTable.h"
#include "core/catalogue/IniFile.h"
#include "core/common/ReadFile.h"
#include "core/common/SafeWrite.h"
#include "core/mtf/MtfWriter.h"

namespace vl::test {
namespace {

using BadFiles = LayoutFileTest;

TEST_F(BadFiles, HugeFilesAreRefusedBeforeAnythingIsRead) {
  // Sparse: they cost no disk, but a reader that took them whole would take the size in memory.
  const auto sparse = [&](const std::string& name, std::uintmax_t size) {
    std::ofstream(Path(name)).close();
    std::filesystem::resize_file(Path(name), size);
    return Path(name);
  };
  sparse("huge.vld", 8ull << 30);
  EXPECT_THROW(Load("huge.vld"), FileReadError);
  EXPECT_THROW(IniFile::Load(sparse("HUGE.TYP", 1ull << 30)), FileReadError);
  DecodingTable table;
  EXPECT_FALSE(table.Load(sparse("HUGE.DEC", 1u << 20), 3, 2));

  // The bound itself is still read.
  const std::string bytes = "0:0 0:1";
  Write(bytes, "edge");
  EXPECT_EQ(ReadRegularFile(Path("edge"), bytes.size()), bytes);
  EXPECT_EQ(ReadRegularFile(Path("edge"), bytes.size() - 1), std::nullopt);
}

TEST_F(BadFiles, SaveNeverReplacesAFifoOrFolderAndLeavesALeftoverTemporaryFolder) {
  TVL2Document document;
  PutKey(document, 1, 1, MacroKey("\x1C"));
  ASSERT_EQ(::mkfifo(Path("pipe.vld").c_str(), 0600), 0);
  std::filesystem::create_directory(Path("folder.vld"));
  for (const char* name : {"pipe.vld", "folder.vld"}) {
    try {
      SaveLayout(document, Path(name), settings, reporter);
      ADD_FAILURE() << name << " saved";
    } catch (const FileWriteError& error) {
      EXPECT_EQ(error.what(), WithFileName("Запись возможна только в обычный файл.", Path(name)));
    }
    EXPECT_FALSE(std::filesystem::exists(Path(std::string(name) + ".tmp"))) << name;
  }
  EXPECT_TRUE(std::filesystem::is_fifo(Path("pipe.vld")));
  EXPECT_TRUE(std::filesystem::is_directory(Path("folder.vld")));

  // Macro Text Format export says the same.
  try {
    ExportMtf(document, Path("pipe.vld"), settings, reporter);
    ADD_FAILURE() << "exported";
  } catch (const FileWriteError& error) {
    EXPECT_EQ(error.what(), WithFileName("Запись возможна только в обычный файл.", Path("pipe.vld")));
  }

  // A leftover temporary name that is not a regular file is neither deleted nor
  // opened (a FIFO would block the save for ever); the target stays as it was.
  Write("old", "layout.vld");
  std::filesystem::create_directory(Path("layout.vld.tmp"));
  EXPECT_FALSE(WriteFileSafely(Path("layout.vld"), "new"));
  EXPECT_TRUE(std::filesystem::is_directory(Path("layout.vld.tmp")));
  std::filesystem::remove(Path("layout.vld.tmp"));
  ASSERT_EQ(::mkfifo(Path("layout.vld.tmp").c_str(), 0600), 0);
  EXPECT_FALSE(WriteFileSafely(Path("layout.vld"), "new"));
  EXPECT_TRUE(std::filesystem::is_fifo(Path("layout.vld.tmp")));
  EXPECT_EQ(Bytes(), "old");

  // A leftover regular temporary file is simply overwritten.
  std::filesystem::remove(Path("layout.vld.tmp"));
  Write("stale", "layout.vld.tmp");
  EXPECT_TRUE(WriteFileSafely(Path("layout.vld"), "new"));
  EXPECT_EQ(Bytes(), "new");
}

}  // namespace
}  // namespace vl::test
