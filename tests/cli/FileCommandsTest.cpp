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

  // result, when given, gets the command's context (its --json facts).
  Outcome Run(const std::string& name, std::vector<std::string> args, CliContext* result = nullptr) {
    std::ostringstream out, err, progress;
    CliContext context;
    context.args = std::move(args);
    context.progress = &progress;
    context.settings = settings;
    context.settingsBackend = &backend;
    context.out = &out;
    context.err = &err;
    for (const auto& command : AllCommands()) {
      if (name == command.name) {
        Outcome outcome{command.run(context), out.str(), err.str()};
        settingsAfter = context.settings;
        if (result) *result = context;
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
  // What the text has no place for is told after the file is written.
  EXPECT_TRUE(exported.err.starts_with("Экспорт в Macro Text Format выполнен. В файл не вошло:\n"
                                       "клавиша (1,1) уровень 0: примечание уровня не записывается\n"))
      << exported.err;
  EXPECT_NE(exported.err.find("\nклавиша (1,5): группа клавиш не записывается\n"), std::string::npos);
  EXPECT_NE(exported.err.find("\nклавиша (3,1): примечание клавиши не записывается\n"), std::string::npos);
  const Outcome again = Run("info", {Path("out.mtf")});
  EXPECT_NE(again.out.find("format: Macro Text Format\nkeys with content: 37"), std::string::npos) << again.out;

  EXPECT_THROW(Run("convert", {Path("new.vld"), Path("back.mkb")}), UsageError);
}

// Every layout shipped in data/ goes to Macro Text Format and back as the same
// layout: compare finds no difference, and nothing but notes, bookmarks and groups
// is told as left out.
TEST_F(FileCommands, ShippedLayoutsGoToMacroTextAndBackUnchanged) {
  const std::string data = VLAT_SOURCE_DATA_DIR;
  std::vector<std::string> layouts = {kExamples + "cash-register.vld", kExamples + "cash-register.mtf"};
  for (const auto& folder : {data + "/TEMPLATE", data + "/template-src"}) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) layouts.push_back(entry.path().string());
  }
  ASSERT_GE(layouts.size(), 10u);
  for (const std::string& layout : layouts) {
    SCOPED_TRACE(layout);
    const Outcome exported = Run("convert", {layout, Path("out.mtf")});
    ASSERT_EQ(exported.code, 0) << exported.err;
    std::istringstream told(exported.err);
    std::string line;
    std::getline(told, line);
    while (std::getline(told, line)) {
      EXPECT_TRUE(line.ends_with("примечание уровня не записывается") || line.ends_with("закладка не записывается") ||
                  line.ends_with("примечание клавиши не записывается") || line.ends_with("группа клавиш не записывается"))
          << line;
    }
    const Outcome compared = Run("compare", {layout, Path("out.mtf")});
    EXPECT_EQ(compared.code, 0) << compared.out;
    EXPECT_EQ(compared.out, "Раскладки совпадают.\n");
  }
}

// Scripts get the losses as a list; the conversion still succeeds.
TEST_F(FileCommands, ConvertListsWhatMacroTextCannotCarry) {
  std::ofstream(Path("in.mtf"), std::ios::binary) << "\\key(3,1,MACROS){\\down(0){\\a}}";
  ASSERT_EQ(Run("convert", {Path("in.mtf"), Path("in.vld")}).code, 0);
  // The Windows key (1F) into layer 0 of the key at (3, 1), through the layout file.
  std::string bytes = Bytes(Path("in.vld"));
  const size_t at = bytes.find("\x1C\xF0\x1C");
  ASSERT_NE(at, std::string::npos);
  bytes.replace(at, 3, "\x1F\xF0\x1F");
  std::ofstream(Path("win.vld"), std::ios::binary) << bytes;

  CliContext context;
  const Outcome exported = Run("convert", {Path("win.vld"), Path("out.mtf")}, &context);
  EXPECT_EQ(exported.code, 0);
  EXPECT_EQ(exported.err, "Экспорт в Macro Text Format выполнен. В файл не вошло:\n"
                          "клавиша (3,1) уровень 0: код 1F (левая Windows) не имеет имени в Macro Text Format\n");
  EXPECT_EQ(context.result.Dump(),
            "{\"losses\":[{\"column\":3,\"row\":1,\"layer\":0,\"what\":\"unnamed-code\",\"codes\":\"1F\","
            "\"text\":\"клавиша (3,1) уровень 0: код 1F (левая Windows) не имеет имени в Macro Text Format\"}]}");
  EXPECT_EQ(Run("convert", {Path("in.vld"), Path("out.mtf")}, &context).err, "");
  EXPECT_EQ(context.result.Dump(), "{\"losses\":[]}");
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
