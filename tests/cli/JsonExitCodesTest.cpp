// vlat-cli for scripts: the JSON writer, one JSON object on standard output under
// --json, and the exit codes 0 done, 1 failed or different, 2 bad usage or an
// unreadable input, 3 no keyboard to talk to.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include <sys/stat.h>
#include <sys/wait.h>

#include "KbdSimProcess.h"
#include "TestCatalogue.h"
#include "cli/Json.h"
#include "core/common/StateFile.h"
#include "core/common/Reporter.h"
#include "core/document/LayoutFile.h"

namespace vl {
namespace {

using cli::Json;

TEST(Json, EscapesAndKeepsMemberOrder) {
  Json object = Json::Object().Set("b", 1).Set("a", "x\"\\\n\t\x01");
  object.Set("b", Json::Array().Push(true).Push(Json()).Push(int64_t{-7}));
  EXPECT_EQ(object.Dump(), R"({"b":[true,null,-7],"a":"x\"\\\n\t\u0001"})");
  // Cyrillic passes as it is; a stray byte of code page 1251 must not break the output.
  EXPECT_EQ(cli::JsonString("Серия \xC0!"), "\"Серия \xEF\xBF\xBD!\"");
  // Overlong and truncated sequences are not UTF-8 either.
  EXPECT_EQ(cli::JsonString("\xC0\xAF"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\"");
  EXPECT_EQ(cli::JsonString("\xD0"), "\"\xEF\xBF\xBD\"");
  EXPECT_EQ(Json().Dump(), "null");
  // Numbers with a point whatever the locale; JSON has no infinity.
  EXPECT_EQ(Json::Array().Push(3.2).Push(8.0).Push(1.0 / 0.0).Dump(), "[3.2,8,null]");
  EXPECT_EQ(Json::Object().Dump(), "{}");
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// A layout file with a key in row 1 of each column given, typing A.
void SaveKeysInRowOne(const std::string& path, std::initializer_list<int> columns) {
  TVL2Document document;
  for (const int column : columns) {
    auto& key = document.Keys(column, 1);
    key = std::make_unique<TMacroButton>();
    key->Func = kFuncMacro;
    key->Layers[0].Macro = {"\x1C", "\xF0\x1C"};
  }
  NullReporter reporter;
  SaveLayout(document, path, SettingsStore{}, reporter);
}

struct CliRun {
  int code;
  std::string out, err;
};

class JsonExitCodes : public ::testing::Test {
 protected:
  JsonExitCodes() : folder_("vlat-cli-json") {
    test::WriteCatalogue(folder_.Path(), {.more = "Check=CS\r\n"});
  }

  CliRun Cli(const std::string& arguments) {
    const std::string command = "XDG_CONFIG_HOME=" + folder_ / "config" + " XDG_DATA_HOME=" + folder_ / "data-home" + " " VLAT_CLI " --data " +
                                folder_.Path().string() + " " + arguments + " </dev/null >" + folder_ / "out" +
                                " 2>" + folder_ / "err";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadAll(folder_ / "out"), ReadAll(folder_ / "err")};
  }

  TempFolder folder_;
};

TEST_F(JsonExitCodes, DoneIsZeroWithTheDeviceFactsAsOneObject) {
  const CliRun identify = Cli("--port sim:101 --json identify");
  EXPECT_EQ(identify.code, 0) << identify.err;
  EXPECT_EQ(identify.out,
            R"({"command":"identify","type":"0101","serial":4660,"card_reader":true,"smart_card_reader":false,)"
            R"("external_keyboard":false,"controller":"1.2","programmer":"15.15","memory":2048,"exit":0,"ok":true,)"
            R"("reason":"ok"})"
            "\n");
  // The rows for people went to standard error.
  EXPECT_NE(identify.err.find("Серия: 0101"), std::string::npos);

  const CliRun clear = Cli("--port sim:101 clear --yes --json");
  EXPECT_EQ(clear.code, 0) << clear.err;
  EXPECT_EQ(clear.out.rfind(R"({"command":"clear","verdict":"Память устройства очищена.","exit":0,"ok":true,)", 0), 0u)
      << clear.out;
  EXPECT_EQ(Cli("--port sim:101 clear --yes").out, "Память устройства очищена.\n");
}

TEST_F(JsonExitCodes, FailedOperationIsOneAndCarriesItsMessage) {
  // A new simulated keyboard's memory is erased: its header names no layout.
  const CliRun upload = Cli("--port sim:101 --json upload " + folder_ / "out.vld");
  EXPECT_EQ(upload.code, 1);
  EXPECT_NE(upload.out.find(R"("exit":1,"ok":false,"reason":"data-size","message":")"), std::string::npos) << upload.out;
  EXPECT_NE(upload.out.find("Ошибка определения размера данных"), std::string::npos) << upload.out;
  EXPECT_NE(upload.out.find(R"("verdict":"Раскладка не прочитана из устройства.")"), std::string::npos);
  EXPECT_EQ(upload.out.find('\n'), upload.out.size() - 1);
}

TEST_F(JsonExitCodes, BadUsageAndUnreadableInputAreTwo) {
  const CliRun unknown = Cli("--port sim:101 --json frobnicate");
  EXPECT_EQ(unknown.code, 2);
  EXPECT_NE(unknown.out.find(R"({"command":"frobnicate","exit":2,"ok":false,"reason":"usage","message":"vlat-cli: unknown command)"),
            std::string::npos)
      << unknown.out;
  EXPECT_EQ(Cli("--port sim:101 interval 3.3").code, 2);
  EXPECT_EQ(Cli("--port sim:101 download").code, 2);
  EXPECT_EQ(Cli("--port").code, 2);
  EXPECT_EQ(Cli("--port sim:101 compare " + folder_ / "missing.vld").code, 2);
  EXPECT_EQ(Cli("check " + folder_ / "missing.vld").code, 2);
}

TEST_F(JsonExitCodes, NoPortOrNoAnswerIsThree) {
  // A port path that does not exist, no port at all, and a layout for either.
  const CliRun missing = Cli("--port " + folder_ / "serio_raw9" + " --json identify");
  EXPECT_EQ(missing.code, 3);
  EXPECT_NE(missing.out.find(R"("exit":3,"ok":false,"reason":"no-port","message":")"), std::string::npos) << missing.out;
  EXPECT_NE(missing.out.find("serio_raw9"), std::string::npos) << missing.out;
  EXPECT_EQ(Cli("--port " + folder_ / "serio_raw9" + " clear --yes").code, 3);
  EXPECT_EQ(Cli("--port none interval 3.2").code, 3);
  TVL2Document document;
  NullReporter reporter;
  SaveLayout(document, folder_ / "in.vld", SettingsStore{}, reporter);
  const CliRun download = Cli("--port none --json download --yes " + folder_ / "in.vld");
  EXPECT_EQ(download.code, 3);
  EXPECT_NE(download.out.find("Устройство не подключено."), std::string::npos) << download.out;
  EXPECT_EQ(Cli("--port " + folder_ / "serio_raw9" + " compare " + folder_ / "in.vld").code, 3);
  // A failure that is not about the port stays 1: the catalogue lacks the type.
  EXPECT_EQ(Cli("--port sim:2a1 clear --yes").code, 1);
}

// --port sim:TYPE keeps the keyboard's memory where the application keeps it, so
// what one run writes the next one reads; --sim-state names another file.
TEST_F(JsonExitCodes, SimulatedKeyboardKeepsItsMemoryWhereTheApplicationDoes) {
  SaveKeysInRowOne(folder_ / "in.vld", {1});

  const CliRun download = Cli("--port sim:101 download --yes " + folder_ / "in.vld");
  ASSERT_EQ(download.code, 0) << download.err;
  EXPECT_EQ(download.out, "Раскладка загружена в устройство.\n");
  const std::string kept = folder_ / "data-home/Ostrel Velmorando AT/keyboard-0101.mem";
  EXPECT_EQ(ReadAll(kept).size(), 2048u);
  EXPECT_EQ(Cli("--port sim:101 compare " + folder_ / "in.vld").code, 0);

  // Another file starts erased, and leaves the application's alone.
  EXPECT_EQ(Cli("--port sim:101 --sim-state " + folder_ / "other.mem" + " compare " + folder_ / "in.vld").code, 1);
  EXPECT_EQ(Cli("--port sim:101 --sim-state " + folder_ / "other.mem" + " clear --yes").code, 0);
  EXPECT_EQ(ReadAll(folder_ / "other.mem").size(), 2048u);
  EXPECT_EQ(Cli("--port sim:101 compare " + folder_ / "in.vld").code, 0);
}

// The memory file is taken before anything goes to the keyboard: one that is no
// memory (a FIFO would hang the reader, a folder or a layout would be lost), one
// another program plays, or one whose folder takes no file fails the command at once;
// memory that cannot be written at the end fails it too.
TEST_F(JsonExitCodes, SimulatedMemoryThatCannotBeKeptOrIsHeldFailsTheCommand) {
  SaveKeysInRowOne(folder_ / "in.vld", {1});
  const std::string download = " --json download --yes " + folder_ / "in.vld";

  ASSERT_EQ(::mkfifo((folder_ / "fifo").c_str(), 0600), 0);
  std::filesystem::create_directory(folder_ / "dir");
  const std::string layout = ReadAll(folder_ / "in.vld");
  for (const std::string name : {"fifo", "dir", "in.vld", "none/state"}) {
    const CliRun run = Cli("--port sim:101 --sim-state " + folder_ / name + download);
    EXPECT_EQ(run.code, 1) << name << run.err;
    EXPECT_EQ(run.out.find(R"("written":true)"), std::string::npos) << name;
    EXPECT_EQ(run.out.find(R"("ok":true)"), std::string::npos) << name;
  }
  EXPECT_TRUE(std::filesystem::is_fifo(folder_ / "fifo"));
  EXPECT_EQ(ReadAll(folder_ / "in.vld"), layout);

  // Held by another program (as the application holds it while it runs): exit 3
  // and the memory as it was.
  const std::string kept = folder_ / "data-home/Ostrel Velmorando AT/keyboard-0101.mem";
  ASSERT_EQ(Cli("--port sim:101 clear --yes").code, 0);
  const std::string cleared = ReadAll(kept);
  {
    const StateFile held(kept, 2048);
    const CliRun busy = Cli("--port sim:101" + download);
    EXPECT_EQ(busy.code, 3) << busy.err;
    EXPECT_NE(busy.out.find("Имитатор клавиатуры занят другой программой"), std::string::npos) << busy.out;
  }
  EXPECT_EQ(ReadAll(kept), cleared);

  // A file limit stands for a full disk: the memory is not kept, so neither is the layout.
  // The limit is the program's alone: what it tells passes through a pipe.
  const int status = std::system(("bash -c \"trap '' XFSZ; set -o pipefail; (ulimit -f 1; exec env XDG_CONFIG_HOME=" +
                                  folder_ / "config" + " XDG_DATA_HOME=" + folder_ / "data-home" + " " VLAT_CLI
                                  " --data " + folder_.Path().string() + " --port sim:101 download --yes " +
                                  folder_ / "in.vld" + ") 2>&1 >/dev/null </dev/null | cat >" + folder_ / "err" + "\"")
                                     .c_str());
  EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1) << ReadAll(folder_ / "err");
  EXPECT_NE(ReadAll(folder_ / "err").find("Память имитатора клавиатуры не сохранена."), std::string::npos)
      << ReadAll(folder_ / "err");
  EXPECT_EQ(ReadAll(kept), cleared);
}

// An upload writes a new file: one already there is replaced only when asked.
TEST_F(JsonExitCodes, UploadRefusesAnExistingFileUnlessForcedOrUpdated) {
  SaveKeysInRowOne(folder_ / "mine.vld", {1});
  const std::string mine = ReadAll(folder_ / "mine.vld");
  ASSERT_EQ(Cli("--port sim:101 download --yes " + folder_ / "mine.vld").code, 0);

  const CliRun refused = Cli("--port sim:101 --json upload " + folder_ / "mine.vld");
  EXPECT_EQ(refused.code, 2) << refused.err;
  EXPECT_NE(refused.out.find("exists; give --force to replace it"), std::string::npos) << refused.out;
  EXPECT_EQ(refused.err.find("чтение"), std::string::npos) << "the keyboard was read: " << refused.err;
  EXPECT_EQ(ReadAll(folder_ / "mine.vld"), mine);

  std::filesystem::create_hard_link(folder_ / "mine.vld", folder_ / "same.vld");
  EXPECT_EQ(Cli("--port sim:101 upload " + folder_ / "mine.vld" + " --into " + folder_ / "same.vld").code, 0);
  EXPECT_EQ(Cli("--port sim:101 upload " + folder_ / "other.vld").code, 0);
  EXPECT_EQ(Cli("--port sim:101 upload " + folder_ / "other.vld").code, 2);
  EXPECT_EQ(Cli("--port sim:101 upload --force " + folder_ / "other.vld").code, 0);
}

// Every result names its cause with a stable code, whatever the Russian message says.
TEST_F(JsonExitCodes, EveryResultCarriesAStableReason) {
  const auto reason = [](const CliRun& run) {
    const auto at = run.out.find(R"("reason":")");
    return at == std::string::npos ? std::string("none") : run.out.substr(at + 10, run.out.find('"', at + 10) - at - 10);
  };
  EXPECT_EQ(reason(Cli("--port sim:101 --json upload " + folder_ / "out.vld")), "data-size");
  EXPECT_EQ(reason(Cli("--port " + folder_ / "serio_raw9" + " --json identify")), "no-port");
  EXPECT_EQ(reason(Cli("--port none --json clear --yes")), "not-connected");
  EXPECT_EQ(reason(Cli("--json frobnicate")), "usage");
  const CliRun unreadable = Cli("--json check " + folder_ / "missing.vld");
  EXPECT_EQ(unreadable.code, 2);
  EXPECT_EQ(reason(unreadable), "unreadable");

  TVL2Document document;
  NullReporter reporter;
  SaveLayout(document, folder_ / "in.vld", SettingsStore{}, reporter);
  // Unreadable input is 2 for the device commands too.
  EXPECT_EQ(Cli("--port sim:101 download --yes " + folder_ / "missing.vld").code, 2);
  std::ofstream(folder_ / "kept.vld") << "x";
  const CliRun exists = Cli("--port sim:101 --json download --yes --backup " + folder_ / "kept.vld" + " " + folder_ / "in.vld");
  EXPECT_EQ(exists.code, 2);
  EXPECT_EQ(reason(exists), "backup-exists");
}

// A layout wider than the device: --yes alone does not drop the keys beyond its
// field, --allow-outside does; compare counts them.
TEST_F(JsonExitCodes, KeysBeyondTheFieldNeedTheirOwnConsent) {
  SaveKeysInRowOne(folder_ / "wide.vld", {1, 6});  // the device is 4 keys wide

  const CliRun different = Cli("--port sim:101 --json compare " + folder_ / "wide.vld");
  EXPECT_EQ(different.code, 1);
  EXPECT_NE(different.out.find(R"("outside":1,"equal":false,)"), std::string::npos) << different.out;
  EXPECT_NE(different.out.find(R"("reason":"different")"), std::string::npos) << different.out;

  const CliRun refused = Cli("--port sim:101 --json download --yes " + folder_ / "wide.vld");
  EXPECT_EQ(refused.code, 1);
  EXPECT_NE(refused.out.find(R"("outside":1,)"), std::string::npos) << refused.out;
  EXPECT_NE(refused.out.find(R"("written":false,)"), std::string::npos) << refused.out;
  EXPECT_NE(refused.out.find(R"("reason":"outside-field")"), std::string::npos) << refused.out;

  const CliRun allowed = Cli("--port sim:101 --json download --yes --allow-outside " + folder_ / "wide.vld");
  EXPECT_EQ(allowed.code, 0) << allowed.out;
  EXPECT_NE(allowed.out.find(R"("written":true,)"), std::string::npos) << allowed.out;
  const CliRun compared = Cli("--port sim:101 --json compare " + folder_ / "wide.vld");
  EXPECT_EQ(compared.code, 0) << compared.out;
  EXPECT_NE(compared.out.find(R"("outside":1,"equal":true)"), std::string::npos) << compared.out;
}

TEST_F(JsonExitCodes, DeviceInformationHasEnglishNamesAndNumbers) {
  TVL2Document document;
  NullReporter reporter;
  SaveLayout(document, folder_ / "in.vld", SettingsStore{}, reporter);
  ASSERT_EQ(Cli("--port sim:101 download --yes " + folder_ / "in.vld").code, 0);
  const CliRun info = Cli("--port sim:101 --json info");
  EXPECT_EQ(info.code, 0) << info.err;
  EXPECT_NE(info.out.find(R"({"command":"info","information":{"type":"0101",)"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find(R"("serial":4660,"number":"04660",)"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find(R"("memory_bytes":2048,"programmer":"Velmorando AT","programmer_version":"2.3",)"
                          R"("controller":"1.2"})"),
            std::string::npos)
      << info.out;
  EXPECT_NE(Cli("--port sim:101 --json interval 3,2").out.find(R"("interval":3.2,)"), std::string::npos);
}

TEST_F(JsonExitCodes, HelpListsTheCommandsAndEveryProgramTellsItsVersion) {
  const CliRun help = Cli("--json help");
  EXPECT_EQ(help.code, 0);
  EXPECT_EQ(help.out.rfind(R"({"command":"help","version":")", 0), 0u) << help.out;
  EXPECT_NE(help.out.find(R"({"name":"download","usage":")"), std::string::npos) << help.out;
  EXPECT_NE(help.out.find(R"("reason":"ok"})"), std::string::npos) << help.out;
  for (const std::string program : {VLAT_CLI, VLAT_KBDSIM, VLAT_PORT}) {
    const int status = std::system((program + " --version >" + folder_ / "out").c_str());
    EXPECT_EQ(WEXITSTATUS(status), 0) << program;
    EXPECT_NE(ReadAll(folder_ / "out").find("(Velmorando AT) "), std::string::npos) << program;
  }
}

}  // namespace
}  // namespace vl
