// vlat-cli info, convert and check on layout files and Macro Text Format, called in
// process with the example layout.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include "cli/Commands.h"

namespace vl::cli {
namespace {

const std::string kExamples = std::string(VLAT_SOURCE_DATA_DIR) + "/examples/";

struct Outcome {
  int code = -1;
  std::string out, err;
};

class FileCommands : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // No terminal to ask a password on, wherever the tests run.
    ASSERT_NE(std::freopen("/dev/null", "r", stdin), nullptr);
  }
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("vlat-cli-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
  std::string Bytes(const std::string& path) const {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  Outcome Run(const std::string& name, std::vector<std::string> args) {
    std::ostringstream out, err;
    CliContext context;
    context.args = std::move(args);
    context.settings = settings;
    context.settingsBackend = &backend;
    context.out = &out;
    context.err = &err;
    for (const auto& command : AllCommands()) {
      if (name == command.name) {
        Outcome outcome{command.run(context), out.str(), err.str()};
        settingsAfter = context.settings;
        return outcome;
      }
    }
    ADD_FAILURE() << "no command " << name;
    return {};
  }

  std::filesystem::path folder_;
  SettingsStore settings;
  SettingsStore settingsAfter;
  MemorySettingsBackend backend;
};

TEST_F(FileCommands, ExampleLayoutIsWhatItsGeneratorWritesAndInfoDescribesIt) {
  const std::string command = std::string(VLAT_EXAMPLE_GENERATOR) + " " + kExamples + "cash-register.mtf " +
                              Path("generated.vld");
  ASSERT_EQ(std::system(command.c_str()), 0);
  EXPECT_TRUE(Bytes(Path("generated.vld")) == Bytes(kExamples + "cash-register.vld"))
      << "build the target example";

  const Outcome info = Run("info", {kExamples + "cash-register.vld"});
  EXPECT_EQ(info.code, 0) << info.err;
  EXPECT_EQ(info.out, "file: " + kExamples + "cash-register.vld\n"
                      "format: layout file\n"
                      "keys with content: 37 (macro 34, layer switching 3)\n"
                      "layers in use: 0 1 2\n"
                      "key notes: 7\n"
                      "bookmarks: 4 (Цифры, Итог, Оплата, Сервис)\n"
                      "groups: 2\n"
                      "card reader: tracks read 1 2; header or terminator on 1 2; start/stop symbols yes, LRC no\n"
                      "password: no\n");
}

TEST_F(FileCommands, PropertiesOfAnImportHoldForTheRunUnlessSaved) {
  Outcome convert = Run("convert", {kExamples + "cash-register.mtf", Path("a.vld")});
  ASSERT_EQ(convert.code, 0) << convert.err;
  // \layout(3, TRUE, 2, RUSSIAN, TRUE) and tracks 1 and 2, as the file's property records.
  EXPECT_EQ(Bytes(Path("a.vld")).substr(2, 8), std::string("\x21\x0E\x22\x81\x23\x01\x28\x01", 8));
  EXPECT_EQ(settingsAfter.Get(Setting::LayerCount), 3);
  EXPECT_EQ(backend.Size(), 0u);

  convert = Run("convert", {kExamples + "cash-register.mtf", Path("a.vld"), "--save-settings"});
  ASSERT_EQ(convert.code, 0) << convert.err;
  EXPECT_EQ(backend.ReadInt("", "layer count"), 2u);
  EXPECT_EQ(backend.ReadInt("", "buffered"), 1u);
  EXPECT_EQ(backend.ReadInt("", "layout"), 1u);
}

// An input that is no layout file says which file and why.
TEST_F(FileCommands, UnreadableInputsAreNamedWithTheReason) {
  std::filesystem::create_directory(Path("folder.vld"));
  ASSERT_EQ(::mkfifo(Path("fifo.vld").c_str(), 0600), 0);
  for (const auto& [name, why] : {std::pair<std::string, std::string>{"missing.vld", "no such file"},
                                  {"folder.vld", "a folder"},
                                  {"fifo.vld", "not a regular file"}}) {
    const Outcome info = Run("info", {Path(name)});
    EXPECT_EQ(info.code, 2) << name;
    EXPECT_NE(info.err.find(Path(name) + ": " + why), std::string::npos) << info.err;
  }
}

TEST_F(FileCommands, PasswordIsAddedAskedForAndTakenOff) {
  const std::string example = kExamples + "cash-register.vld";
  ASSERT_EQ(Run("convert", {example, Path("locked.vld"), "--password", "Тайна"}).code, 0);
  EXPECT_NE(Bytes(Path("locked.vld"))[0], '\xFF');

  Outcome info = Run("info", {Path("locked.vld")});
  EXPECT_EQ(info.code, 2);
  EXPECT_NE(info.err.find("protected by a password"), std::string::npos) << info.err;

  info = Run("info", {Path("locked.vld"), "--password", "тайна"});
  EXPECT_EQ(info.code, 2);
  EXPECT_EQ(info.err, "Указан неверный пароль. Не удается открыть раскладку.\n(" + Path("locked.vld") + ")\n");

  info = Run("info", {Path("locked.vld"), "--password", ""});
  EXPECT_EQ(info.code, 2);
  EXPECT_NE(info.err.find("protected by a password"), std::string::npos) << info.err;

  info = Run("info", {"--password", "Тайна", Path("locked.vld")});
  EXPECT_EQ(info.code, 0) << info.err;
  EXPECT_NE(info.out.find("password: yes"), std::string::npos);

  ASSERT_EQ(Run("convert", {Path("locked.vld"), Path("open.vld"), "--password", "Тайна", "--no-password"}).code, 0);
  // The same layout as the example; the property records come from this run's settings.
  EXPECT_TRUE(Bytes(Path("open.vld")).substr(10) == Bytes(example).substr(10));

  EXPECT_THROW(Run("convert", {example, Path("x.vld"), "--password", std::string(21, 'a')}), UsageError);
  EXPECT_THROW(Run("convert", {example, Path("x.vld"), "--password", "✓"}), UsageError);
}

TEST_F(FileCommands, OldLayoutConvertsToCurrentAndLayoutExportsToMacroText) {
  // Keyboard type 5 (no key-type table), one layer, a key at (1, 1).
  std::ofstream(Path("old.mkb"), std::ios::binary)
      << std::string("\x05\x51\x00\x00\x01" "\x00\x00\x00" "\x01\x1C\x00\x00\x00\x00", 14);
  ASSERT_EQ(Run("convert", {Path("old.mkb"), Path("new.vld")}).code, 0);
  const Outcome info = Run("info", {Path("new.vld")});
  EXPECT_NE(info.out.find("format: layout file\nkeys with content: 1 (macro 1"), std::string::npos) << info.out;

  const Outcome exported = Run("convert", {kExamples + "cash-register.vld", Path("out.mtf")});
  ASSERT_EQ(exported.code, 0);
  EXPECT_NE(exported.err.find("notes, bookmarks and groups"), std::string::npos);
  const Outcome again = Run("info", {Path("out.mtf")});
  EXPECT_NE(again.out.find("format: Macro Text Format\nkeys with content: 37"), std::string::npos) << again.out;

  EXPECT_THROW(Run("convert", {Path("new.vld"), Path("back.mkb")}), UsageError);
}

TEST_F(FileCommands, UnreadableInputExitsTwoAndUnwritableOutputOne) {
  Outcome outcome = Run("convert", {Path("missing.vld"), Path("x.vld")});
  EXPECT_EQ(outcome.code, 2);
  EXPECT_EQ(outcome.err, "Ошибка чтения раскладки.\n(" + Path("missing.vld") + ")\n" + Path("missing.vld") +
                             ": no such file\n");

  std::ofstream(Path("bad.mtf"), std::ios::binary) << "\\key(1,1,MACROS){\\nosuchkey}";
  outcome = Run("check", {Path("bad.mtf")});
  EXPECT_EQ(outcome.code, 2);
  EXPECT_FALSE(outcome.err.empty());

  outcome = Run("convert", {kExamples + "cash-register.vld", Path("no/such/folder/x.vld")});
  EXPECT_EQ(outcome.code, 1);
  EXPECT_EQ(outcome.err, "Ошибка записи в файл.\n(" + Path("no/such/folder/x.vld") + ")\n");
  outcome = Run("convert", {kExamples + "cash-register.vld", Path("no/such/folder/x.mtf")});
  EXPECT_EQ(outcome.code, 1);
  EXPECT_NE(outcome.err.find("Ошибка записи в файл.\n(" + Path("no/such/folder/x.mtf") + ")\n"),
            std::string::npos);
}

TEST_F(FileCommands, CheckReadsLayoutFiles) {
  Outcome check = Run("check", {kExamples + "cash-register.vld"});
  EXPECT_EQ(check.code, 0);
  EXPECT_EQ(check.out, "Проверка окончена. Замечаний нет.\n");
  // With two layers downloaded, keys holding layer 2 are reported.
  check = Run("check", {kExamples + "cash-register.vld", "--layers", "2"});
  EXPECT_EQ(check.code, 1);
  EXPECT_NE(check.out.find("(1:1)"), std::string::npos) << check.out;
}

}  // namespace
}  // namespace vl::cli
