// Files that are too large to be what they claim, and outputs that are not files.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "LayoutFileSupport.h"
#include "core/catalogue/DecodingTable.h"
#include "core/catalogue/IniFile.h"
#include "core/common/ReadFile.h"
#include "core/common/SafeWrite.h"
#include "core/common/StateFile.h"
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

  // Whatever already has the old temporary name is left alone and never written
  // through: a folder, a FIFO (opening it would block), or a hard link to another file.
  Write("old", "layout.vld");
  std::filesystem::create_directory(Path("layout.vld.tmp"));
  EXPECT_TRUE(WriteFileSafely(Path("layout.vld"), "one"));
  EXPECT_TRUE(std::filesystem::is_directory(Path("layout.vld.tmp")));
  std::filesystem::remove(Path("layout.vld.tmp"));
  ASSERT_EQ(::mkfifo(Path("layout.vld.tmp").c_str(), 0600), 0);
  EXPECT_TRUE(WriteFileSafely(Path("layout.vld"), "two"));
  EXPECT_TRUE(std::filesystem::is_fifo(Path("layout.vld.tmp")));
  std::filesystem::remove(Path("layout.vld.tmp"));
  Write("other", "other.vld");
  std::filesystem::create_hard_link(Path("other.vld"), Path("layout.vld.tmp"));
  EXPECT_TRUE(WriteFileSafely(Path("layout.vld"), "three"));
  EXPECT_EQ(Bytes(), "three");
  EXPECT_EQ(Bytes("other.vld"), "other");
  EXPECT_EQ(FolderEntries(), (std::set<std::string>{"layout.vld", "layout.vld.tmp", "other.vld", "pipe.vld", "folder.vld"}));
}

TEST_F(BadFiles, SaveKeepsPermissionsAndWritesThroughLinks) {
  // A layout kept private stays private.
  Write("old", "layout.vld");
  ::chmod(Path("layout.vld").c_str(), 0600);
  ASSERT_TRUE(WriteFileSafely(Path("layout.vld"), "new"));
  struct stat saved {};
  ASSERT_EQ(::stat(Path("layout.vld").c_str(), &saved), 0);
  EXPECT_EQ(saved.st_mode & 07777, 0600u);
  EXPECT_EQ(Bytes(), "new");

  // A link (relative, through a second link) stays a link; the file it names gets the bytes.
  std::filesystem::create_directory(Path("real"));
  Write("old", "real/target.vld");
  std::filesystem::create_symlink("real/target.vld", Path("hop.vld"));
  std::filesystem::create_symlink(Path("hop.vld"), Path("link.vld"));
  ASSERT_TRUE(WriteFileSafely(Path("link.vld"), "through"));
  EXPECT_TRUE(std::filesystem::is_symlink(Path("link.vld")));
  EXPECT_TRUE(std::filesystem::is_symlink(Path("hop.vld")));
  EXPECT_EQ(Bytes("real/target.vld"), "through");
  // A link to a file not yet there creates that file.
  std::filesystem::create_symlink("real/new.vld", Path("dangling.vld"));
  ASSERT_TRUE(WriteFileSafely(Path("dangling.vld"), "created"));
  EXPECT_TRUE(std::filesystem::is_symlink(Path("dangling.vld")));
  EXPECT_EQ(Bytes("real/new.vld"), "created");
  EXPECT_EQ(FolderEntries(), (std::set<std::string>{"dangling.vld", "hop.vld", "layout.vld", "link.vld", "real"}));
}

// A simulated keyboard's memory file: checked without blocking and before use.
TEST_F(BadFiles, StateFilesAreCheckedWithoutBlocking) {
  using Problem = StateFileCheck::Problem;
  ASSERT_EQ(::mkfifo(Path("fifo.mem").c_str(), 0600), 0);
  const auto fifo = CheckStateFile(Path("fifo.mem"), 64);
  EXPECT_EQ(fifo.problem, Problem::NotAFile);
  EXPECT_NE(StateFileProblemText(Path("fifo.mem"), fifo).find("is a FIFO"), std::string::npos);
  std::filesystem::create_directory(Path("dir.mem"));
  const auto folder = CheckStateFile(Path("dir.mem"), 64);
  EXPECT_EQ(folder.problem, Problem::NotAFile);
  EXPECT_NE(StateFileProblemText(Path("dir.mem"), folder).find("is a folder"), std::string::npos);
  EXPECT_EQ(CheckStateFile(Path("none/x.mem"), 64).problem, Problem::NotWritable);
  Write(std::string(65, 'x'), "big.mem");
  EXPECT_EQ(CheckStateFile(Path("big.mem"), 64).problem, Problem::TooLarge);

  const auto missing = CheckStateFile(Path("new.mem"), 64);
  EXPECT_EQ(missing.problem, Problem::None);
  EXPECT_FALSE(missing.bytes);
  Write("memory", "kept.mem");
  std::filesystem::create_symlink(Path("kept.mem"), Path("link.mem"));
  EXPECT_EQ(CheckStateFile(Path("link.mem"), 64).bytes, "memory");
}

}  // namespace
}  // namespace vl::test
