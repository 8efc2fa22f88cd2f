// Every way a load or a save can fail: the kind raised, its text, and what is
// left of the file and the document afterwards; files too large to be what they
// claim, and outputs that are not files.

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

using LayoutFileFailure = LayoutFileTest;

const std::string kHeader = "\xFF\x32";

TEST_F(LayoutFileFailure, BadOrCutOffContentIsAReadErrorWithTheFileName) {
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"empty file", ""},
      {"header cut off", "\xFF"},
      {"unknown tag", kHeader + "\x50"},
      {"function above 11", kHeader + std::string("\x40\x01\x01\x27\x0C\x01", 6)},
      {"layer above 3", kHeader + std::string("\x40\x01\x01\x24\x04\x01", 6)},
      {"key in column 0", kHeader + std::string("\x40\x00\x01\x27\x00\x01", 6)},
      {"same key in row 0", kHeader + std::string("\x40\x01\x01\x27\x00\x01\x41\x02\x00", 9)},
      {"note in row 0", kHeader + std::string("\x42\x01\x00\x93\x01n\x02", 7)},
      {"same note in column 0", kHeader + std::string("\x42\x01\x01\x93\x01n\x02\x43\x00\x01", 10)},
      {"group right of its left", kHeader + std::string("\x96\x06\x05\x01\x05\x01\x04\x01", 8)},
      {"group in column 0", kHeader + std::string("\x96\x06\x00\x01\x00\x01\x01\x01", 8)},
      {"group cut off", kHeader + std::string("\x96\x06\x01\x01\x01", 5)},
      {"record cut off after its tag", kHeader + "\x21"},
      {"key position cut off", kHeader + "\x40\x01"},
      {"length past the end", kHeader + std::string("\x40\x01\x01\x90\x05\x1C\x1C", 7)},
      {"password length 0", kHeader + std::string("\x95\x00", 2)},
      {"password length 21", kHeader + std::string("\x95\x15", 2) + std::string(21, 'a')},
      {"password cut off", kHeader + std::string("\x95\x05", 2) + "ab"},
  };
  for (const auto& [what, bytes] : cases) {
    Write(bytes);
    try {
      Load();
      ADD_FAILURE() << what << ": loaded";
    } catch (const FileReadError& error) {
      EXPECT_EQ(error.what(), ReadErrorText()) << what;
    }
  }
  EXPECT_FALSE(reporter.Visible());
}

TEST_F(LayoutFileFailure, MissingFileOrFolderIsAReadError) {
  EXPECT_THROW(Load("missing.vld"), FileReadError);
  std::filesystem::create_directory(Path("folder.vld"));
  EXPECT_THROW(Load("folder.vld"), FileReadError);
}

TEST_F(LayoutFileFailure, PasswordWindowDecidesTheLoad) {
  TVL2Document document;
  document.Password = "Secret";
  PutKey(document, 1, 1, MacroKey("\x1C"));
  Save(document);

  prompt.passwords = {std::nullopt};  // cancelled
  EXPECT_THROW(Load(), OperationAbandoned);
  prompt.passwords = {""};
  EXPECT_THROW(Load(), OperationAbandoned);
  prompt.passwords = {"secret"};  // letter case counts
  try {
    Load();
    ADD_FAILURE() << "loaded with a wrong password";
  } catch (const WrongPasswordError& error) {
    EXPECT_EQ(error.what(), WithFileName("Указан неверный пароль. Не удается открыть раскладку.", Path("layout.vld")));
  }

  // A character the code page cannot hold is no stand-in for one it can.
  document.Password = "a?";
  Save(document);
  prompt.passwords = {"a\xE2\x9C\x93"};
  EXPECT_THROW(Load(), WrongPasswordError);

  // Cyrillic passwords are compared in the code page.
  document.Password = "\xCF\xE0\xF0\xEE\xEB\xFC";  // "Пароль"
  Save(document);
  prompt.passwords = {"Пароль"};
  EXPECT_EQ(Load()->Password, document.Password);
}

TEST_F(LayoutFileFailure, FailedSaveKeepsTheOldFileAndTheDocument) {
  TVL2Document old;
  PutKey(old, 1, 1, MacroKey("\x1C"));
  const std::string oldBytes = Save(old);

  TVL2Document document;
  PutKey(document, 2, 2, MacroKey("\x32"));
  document.Modified = true;
  document.FileName = "earlier.vld";
  // The temporary file cannot be written whole (a file size limit works for root too).
  {
    const FileSizeLimit limit(16);
    try {
      SaveLayout(document, Path("layout.vld"), settings, reporter);
      ADD_FAILURE() << "saved";
    } catch (const FileWriteError& error) {
      EXPECT_EQ(error.what(), WithFileName("Ошибка записи в файл.", Path("layout.vld")));
    }
  }
  EXPECT_EQ(Bytes(), oldBytes);
  EXPECT_TRUE(document.Modified);
  EXPECT_FALSE(document.Named);
  EXPECT_EQ(document.FileName, "earlier.vld");
  EXPECT_FALSE(reporter.Visible());

  // A folder that does not exist.
  EXPECT_THROW(SaveLayout(document, Path("none/layout.vld"), settings, reporter), FileWriteError);
  EXPECT_EQ(FolderEntries(), (std::set<std::string>{"layout.vld"}));
}

// An old file: keyboard type 7 (a 4 x 3 key-type table), version 1.5.
std::string LegacyFile(const std::string& records, uint8_t tracksAndLayers = (5 << 2) | 1) {
  std::string bytes = "\x07\x51";
  bytes += static_cast<char>(tracksAndLayers);
  bytes += std::string("\x01\x0F", 2);
  bytes += std::string(12, '\x04');
  return bytes + records;
}

// column, row, Func, then per layer: press, release, flags, unused, note.
std::string LegacyLayer(const std::string& press, uint8_t flags, const std::string& note = "") {
  std::string bytes;
  bytes += static_cast<char>(press.size());
  bytes += press;
  bytes += '\0';  // no release sequence
  bytes += static_cast<char>(flags);
  bytes += '\0';
  bytes += static_cast<char>(note.size());
  return bytes + note;
}

TEST_F(LayoutFileFailure, LegacyFileIsConvertedOnlyWhenTheUserAgrees) {
  const std::string key = std::string("\x00\x02\x00", 3) + LegacyLayer("\x1C", 0x05, "ab") + LegacyLayer("", 0);
  std::string cardReader = std::string("\xFF\x00\x0B", 3);
  for (int track = 0; track < 4; ++track) cardReader += LegacyLayer(track == 1 ? "\x3B" : "", 0);
  Write(LegacyFile(key + cardReader), "old.mkb");

  prompt.fallback = Answer::No;
  EXPECT_THROW(Load("old.mkb"), OperationAbandoned);
  ASSERT_EQ(prompt.shown.size(), 1u);
  EXPECT_EQ(prompt.Labelled()[0],
            "Внимание: Формат файла соответсвует формату программы Velmorando 1.5. Преобразовать файл в "
            "формат Velmorando 2.0?");

  prompt.fallback = Answer::Yes;
  const auto document = Load("old.mkb");
  const TMacroButton* converted = document->GetKey(1, 3);
  ASSERT_NE(converted, nullptr);
  EXPECT_EQ(converted->Func, 0);
  EXPECT_EQ(converted->Layers[0].Macro[0], "\x1C");
  EXPECT_EQ(converted->Layers[0].AutoRepeat, 1);
  EXPECT_EQ(converted->Layers[0].Click, 2);
  EXPECT_EQ(converted->Layers[0].Note, "ab");
  EXPECT_EQ(document->CardReader.Layers[1].Macro[0], "\x3B");
  EXPECT_EQ(document->TrackMask, 5);
  EXPECT_TRUE(document->Modified);
  EXPECT_FALSE(document->Named);
  EXPECT_TRUE(document->FileName.empty());
}

TEST_F(LayoutFileFailure, BadLegacyFilesAreReadErrors) {
  const std::vector<std::pair<const char*, std::string>> cases = {
      {"key-type table larger than the file", LegacyFile("").substr(0, 10)},
      {"key type above 4", LegacyFile("").replace(6, 1, "\x05")},
      {"interval above 15", LegacyFile("").replace(4, 1, "\x10")},
      {"record cut off", LegacyFile(std::string("\x00\x00\x00\x05\x1C", 5))},
      {"row 255 outside the field", LegacyFile(std::string("\x00\xFF\x00", 3) + LegacyLayer("", 0) + LegacyLayer("", 0))},
      {"function above 11", LegacyFile(std::string("\x00\x00\x0C", 3) + LegacyLayer("", 0) + LegacyLayer("", 0))},
  };
  for (const auto& [what, bytes] : cases) {
    Write(bytes, "old.mkb");
    try {
      Load("old.mkb");
      ADD_FAILURE() << what << ": loaded";
    } catch (const FileReadError& error) {
      EXPECT_EQ(error.what(), ReadErrorText("old.mkb")) << what;
    }
  }

  // A keyboard type the old program did not know is refused before the question.
  prompt.shown.clear();
  Write(LegacyFile("").replace(0, 1, "\x08"), "old.mkb");
  EXPECT_THROW(Load("old.mkb"), FileReadError);
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(LayoutFileFailure, HugeFilesAreRefusedBeforeAnythingIsRead) {
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

TEST_F(LayoutFileFailure, SaveNeverReplacesAFifoOrFolderAndLeavesALeftoverTemporaryFolder) {
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

// A folder allows 255 bytes a name, the temporary file's included: 120 Cyrillic
// letters take 240 of them.
TEST_F(LayoutFileFailure, ALongNameIsSavedThroughAShortTemporaryName) {
  std::string name;
  for (int i = 0; i < 120; ++i) name += "ж";
  name += ".vld";
  TVL2Document document;
  PutKey(document, 1, 1, MacroKey("\x1C"));
  SaveLayout(document, Path(name), settings, reporter);
  EXPECT_EQ(FolderEntries(), (std::set<std::string>{name}));
}

TEST_F(LayoutFileFailure, SaveKeepsPermissionsAndWritesThroughLinks) {
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

// A simulated keyboard's memory file: checked without blocking and before use,
// never taken when it is not this keyboard's memory, and held by one at a time.
TEST_F(LayoutFileFailure, StateFilesAreCheckedWithoutBlockingAndHeldByOne) {
  const auto refusal = [&](const std::string& name) -> std::string {
    try {
      StateFile state(Path(name), 64);
    } catch (const StateFileRefused& refused) {
      return refused.what();
    }
    return "taken";
  };
  ASSERT_EQ(::mkfifo(Path("fifo.mem").c_str(), 0600), 0);
  EXPECT_EQ(refusal("fifo.mem"), FilledText(kStateFileSpecial, {Path("fifo.mem")}));
  std::filesystem::create_directory(Path("dir.mem"));
  EXPECT_EQ(refusal("dir.mem"), FilledText(kStateFileFolder, {Path("dir.mem")}));
  EXPECT_NE(refusal("none/x.mem").find("Память не может быть сохранена в папке"), std::string::npos);
  const std::string layout(65, 'L');
  Write(layout, "layout.vld");
  EXPECT_EQ(refusal("layout.vld"), FilledText(kStateFileWrongSize, {Path("layout.vld"), "65", "64"}));
  EXPECT_EQ(Bytes("layout.vld"), layout);

  EXPECT_FALSE(StateFile(Path("new.mem"), 64).Kept());
  const std::string memory(64, 'm');
  Write(memory, "kept.mem");
  std::filesystem::create_symlink(Path("kept.mem"), Path("link.mem"));
  {
    StateFile held(Path("link.mem"), 64);
    EXPECT_EQ(held.Kept(), memory);
    // Another taker, by any name, is told it is in use and reads nothing.
    for (const char* name : {"kept.mem", "link.mem"}) {
      try {
        StateFile second(Path(name), 64);
        ADD_FAILURE() << name << " taken twice";
      } catch (const StateFileBusy& busy) {
        EXPECT_EQ(busy.what(), FilledText(kStateFileBusy, {Path(name)}));
      }
    }
    EXPECT_TRUE(held.Save(std::string(64, 'n')));
  }
  EXPECT_EQ(StateFile(Path("kept.mem"), 64).Kept(), std::string(64, 'n'));
  EXPECT_EQ(FolderEntries(), (std::set<std::string>{"dir.mem", "fifo.mem", "kept.mem", "layout.vld", "link.mem"}));
}

}  // namespace
}  // namespace vl::test
