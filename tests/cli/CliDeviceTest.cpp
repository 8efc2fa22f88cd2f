// vlat-cli's device commands as a user runs them: the device type from the
// catalogue of the data folder, layout files in and out, the keyboard on a
// pseudo-terminal.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

#include <sys/wait.h>

#include "KbdSimProcess.h"
#include "ScriptedPrompt.h"
#include "TestCatalogue.h"
#include "core/common/Reporter.h"
#include "core/device/Download.h"
#include "core/document/LayoutFile.h"
#include "ports/PortSelect.h"
#include "platform/QtSettingsBackend.h"

namespace vl {
namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// A 4 x 3 sum-check keyboard whose decoding file mirrors the columns.
void WriteCatalogue(const TempFolder& folder, const std::string& decodingFile) {
  test::WriteCatalogue(folder.Path(), {.mirrored = true, .decodingFile = "MIRROR.DEC", .namedFile = decodingFile,
                                       .more = "Check=CS\r\n"});
}

// The user's settings as vlat-cli finds them under the folder (XDG_CONFIG_HOME).
void WriteUserSettings(const TempFolder& folder, const SettingsStore& settings, const std::string& port) {
  QtSettingsBackend backend(QString::fromStdString(folder / "config/Ostrel/VelmorandoAT.conf"));
  settings.Save(backend);
  backend.WriteString("", kPortSettingName, port);
  backend.Sync();
}

// Runs vlat-cli with the folder as program folder and its own settings (the
// stored port unless one is given); the exit code.
int RunCli(const TempFolder& folder, const std::string& port, const std::string& arguments) {
  const std::string command = "XDG_CONFIG_HOME=" + folder / "config" + " XDG_DATA_HOME=" + folder / "data-home" + " " VLAT_CLI " --data " +
                              folder.Path().string() + (port.empty() ? "" : " --port " + port) + " " + arguments +
                              " </dev/null >" + folder / "out" + " 2>" + folder / "err";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

uint16_t Word(const std::string& bytes, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8);
}

TEST(CliDevice, LayoutFilesGoInAndComeBackByTheCatalogue) {
  const TempFolder folder("vlat-cli-device");
  WriteCatalogue(folder, "MIRROR.DEC");
  TVL2Document document;
  auto& key = document.Keys(1, 1);
  key = std::make_unique<TMacroButton>();
  key->Func = kFuncMacro;
  key->Layers[0].Macro = {"\x1C", "\xF0\x1C"};
  auto& switching = document.Keys(4, 3);
  switching = std::make_unique<TMacroButton>();
  switching->Func = 9;
  NullReporter reporter;
  SaveLayout(document, folder / "in.vld", SettingsStore{}, reporter);

  const std::string state = folder / "state";
  {
    KbdSim sim({"--type", "0101", "--controller", "1.7", "--state", state, "--data", folder.Path().string()});
    ASSERT_FALSE(sim.Path().empty());
    // The port is the stored one. The command line has no grid selection: stored
    // "from selection" settings must not shrink the fragment to one cell.
    SettingsStore settings;
    settings.Set(Setting::IsDownloadFromSelection, 1);
    settings.Set(Setting::IsUploadInSelection, 1);
    WriteUserSettings(folder, settings, sim.Path());
    ASSERT_EQ(RunCli(folder, "", "download " + folder / "in.vld" + " --yes --verify"), 0) << ReadAll(folder / "err");
    ASSERT_EQ(RunCli(folder, "", "upload " + folder / "out.vld" + " --yes"), 0) << ReadAll(folder / "err");
    ASSERT_EQ(sim.Stop(), 0);
  }

  // The device holds an image for the catalogue's 12 keys, with the key of cell
  // (1, 1) at the device column the decoding file gives it, and the header names
  // the image at Memory - 32.
  const std::string memory = ReadAll(state);
  ASSERT_EQ(memory.size(), 2048u);
  ASSERT_EQ(static_cast<uint8_t>(memory[2]), 12);
  const int layers = (static_cast<uint8_t>(memory[3]) >> 4 & 3) + 1;
  const uint16_t emptyRecord = static_cast<uint16_t>(14 + 2 * 12 * layers);
  EXPECT_NE(Word(memory, 4 + 2 * 9), emptyRecord);  // device column 3, row 0
  EXPECT_EQ(Word(memory, 4 + 2 * 0), emptyRecord);
  const size_t dataSize = static_cast<uint8_t>(memory[2048 - 32]) << 8 | static_cast<uint8_t>(memory[2048 - 31]);
  EXPECT_GT(dataSize, static_cast<size_t>(emptyRecord));

  TVL2Document uploaded;
  test::ScriptedPrompt prompt{Answer::Ok};
  LoadLayout(uploaded, folder / "out.vld", prompt, reporter);
  ASSERT_NE(uploaded.GetKey(1, 1), nullptr);
  EXPECT_EQ(uploaded.GetKey(1, 1)->Layers[0].Macro, key->Layers[0].Macro);
  ASSERT_NE(uploaded.GetKey(4, 3), nullptr);
  EXPECT_EQ(uploaded.GetKey(4, 3)->Func, 9);
  EXPECT_EQ(uploaded.GetKey(2, 2), nullptr);
}

// The header block is found at the catalogue's Memory - 32 and read under its
// check kind, so the controller version comes out.
TEST(CliDevice, IdentifyReadsTheHeaderWhereTheCatalogueSaysIt) {
  const TempFolder folder("vlat-cli-identify");
  WriteCatalogue(folder, "MIRROR.DEC");
  ASSERT_EQ(RunCli(folder, "sim:101", "identify"), 0) << ReadAll(folder / "err");
  const std::string out = ReadAll(folder / "out");
  EXPECT_NE(out.find("Серия: 0101\n"), std::string::npos) << out;
  EXPECT_NE(out.find("Номер: 04660\n"), std::string::npos) << out;
  EXPECT_NE(out.find("Версия контроллера устройства: 1,2\n"), std::string::npos) << out;
}

TEST(CliDevice, MissingCatalogueFilesAndUnknownFormatsStopBeforeTheDevice) {
  const TempFolder folder("vlat-cli-refusals");
  TVL2Document document;
  NullReporter reporter;
  SaveLayout(document, folder / "in.vld", SettingsStore{}, reporter);

  // No catalogue at all.
  EXPECT_EQ(RunCli(folder, "sim:101", "download " + folder / "in.vld" + " --yes"), 1);
  EXPECT_NE(ReadAll(folder / "err").find("DEVICES.TYP"), std::string::npos);

  // The type's decoding file is missing: the file is named with the reason.
  WriteCatalogue(folder, "GONE.DEC");
  EXPECT_EQ(RunCli(folder, "sim:101", "download " + folder / "in.vld" + " --yes"), 1);
  EXPECT_NE(ReadAll(folder / "err").find("Ошибка чтения файла декодирующей таблицы устройства 0101 " +
                                         folder / "GONE.DEC" + ": нет такого файла."),
            std::string::npos)
      << ReadAll(folder / "err");

  // A simulated type the catalogue does not list, and files of no layout format.
  EXPECT_EQ(RunCli(folder, "sim:2a1", "clear --yes"), 1);
  EXPECT_EQ(RunCli(folder, "sim:101", "download " + folder / "in.txt"), 2);
  EXPECT_EQ(RunCli(folder, "sim:101", "upload " + folder / "out.mkb"), 2);
}

// vlat-cli started in the background; its process id.
pid_t StartCli(const TempFolder& folder, const std::string& arguments) {
  const std::string command = "exec env XDG_CONFIG_HOME=" + folder / "config" + " XDG_DATA_HOME=" + folder / "data-home" + " " VLAT_CLI " --data " +
                              folder.Path().string() + " " + arguments + " </dev/null >" + folder / "out" +
                              " 2>" + folder / "err";
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  return pid;
}

// Waits (at most 30 s) until the file holds the text.
bool WaitForText(const std::string& path, const std::string& text) {
  for (int i = 0; i < 3000; ++i) {
    if (ReadAll(path).find(text) != std::string::npos) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

int WaitExit(pid_t pid) {
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A layout filling the 4 x 3 keyboard, long enough for a signal to land mid-way.
void WriteLongLayout(const TempFolder& folder, const std::string& name) {
  TVL2Document document;
  for (int column = 1; column <= 4; ++column) {
    for (int row = 1; row <= 3; ++row) {
      auto& key = document.Keys(column, row);
      key = std::make_unique<TMacroButton>();
      key->Func = kFuncMacro;
      key->Layers[0].Macro = {std::string(24, '\x1C'), std::string(24, '\x1E')};
    }
  }
  NullReporter reporter;
  SaveLayout(document, folder / name, SettingsStore{}, reporter);
}

TEST(CliDevice, InterruptedDownloadClearsTheDeviceAndInterruptedUploadLeavesIt) {
  const TempFolder folder("vlat-cli-interrupt");
  WriteCatalogue(folder, "MIRROR.DEC");
  WriteLongLayout(folder, "in.vld");
  const std::string state = folder / "state";
  KbdSim sim({"--type", "0101", "--state", state, "--data", folder.Path().string()});
  ASSERT_FALSE(sim.Path().empty());
  WriteUserSettings(folder, SettingsStore{}, sim.Path());
  ASSERT_EQ(RunCli(folder, "", "download " + folder / "in.vld" + " --yes"), 0) << ReadAll(folder / "err");

  // An upload stopped half way leaves the layout in the device.
  pid_t cli = StartCli(folder, "upload " + folder / "out.vld" + " --yes");
  ASSERT_TRUE(WaitForText(folder / "err", "чтение данных из памяти устройства"));
  ::kill(cli, SIGINT);
  EXPECT_EQ(WaitExit(cli), 1);
  EXPECT_EQ(ReadAll(folder / "err").find("очистка памяти устройства"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder / "out.vld"));
  ASSERT_EQ(RunCli(folder, "", "upload " + folder / "out.vld" + " --yes"), 0) << ReadAll(folder / "err");

  // A download stopped half way clears it; the second signal waits for that.
  cli = StartCli(folder, "download " + folder / "in.vld" + " --yes");
  ASSERT_TRUE(WaitForText(folder / "err", "загрузка данных в память устройства"));
  ::kill(cli, SIGINT);
  ::kill(cli, SIGTERM);
  EXPECT_EQ(WaitExit(cli), 1);
  EXPECT_NE(ReadAll(folder / "err").find("очистка памяти устройства"), std::string::npos);
  EXPECT_EQ(RunCli(folder, "", "upload " + folder / "out2.vld" + " --yes"), 1);
  EXPECT_NE(ReadAll(folder / "err").find("Память устройства пуста."), std::string::npos) << ReadAll(folder / "err");
}

// A closed terminal stops a download as Ctrl-C does; a reader that went away does
// not stop it at all.
TEST(CliDevice, HangUpClearsAHalfWrittenLayoutAndABrokenPipeIsIgnored) {
  const TempFolder folder("vlat-cli-hangup");
  WriteCatalogue(folder, "MIRROR.DEC");
  WriteLongLayout(folder, "in.vld");
  KbdSim sim({"--type", "0101", "--state", folder / "state", "--data", folder.Path().string()});
  ASSERT_FALSE(sim.Path().empty());
  WriteUserSettings(folder, SettingsStore{}, sim.Path());

  pid_t cli = StartCli(folder, "download " + folder / "in.vld" + " --yes");
  ASSERT_TRUE(WaitForText(folder / "err", "загрузка данных в память устройства"));
  ::kill(cli, SIGHUP);
  EXPECT_EQ(WaitExit(cli), 1);
  EXPECT_NE(ReadAll(folder / "err").find("очистка памяти устройства"), std::string::npos);
  EXPECT_NE(ReadAll(folder / "err").find("прервано по сигналу"), std::string::npos) << ReadAll(folder / "err");

  std::filesystem::remove(folder / "err");
  cli = StartCli(folder, "download " + folder / "in.vld" + " --yes");
  ASSERT_TRUE(WaitForText(folder / "err", "загрузка данных в память устройства"));
  ::kill(cli, SIGPIPE);
  EXPECT_EQ(WaitExit(cli), 0) << ReadAll(folder / "err");
  EXPECT_EQ(RunCli(folder, "", "upload " + folder / "out.vld" + " --yes"), 0) << ReadAll(folder / "err");
}

TEST(CliDevice, BackupNeverReplacesTheInputOrAnotherFileUnasked) {
  const TempFolder folder("vlat-cli-backup");
  WriteCatalogue(folder, "MIRROR.DEC");
  WriteLongLayout(folder, "in.vld");
  const std::string input = ReadAll(folder / "in.vld");
  KbdSim sim({"--type", "0101", "--state", folder / "state", "--data", folder.Path().string()});
  ASSERT_FALSE(sim.Path().empty());
  WriteUserSettings(folder, SettingsStore{}, sim.Path());
  ASSERT_EQ(RunCli(folder, "", "download " + folder / "in.vld" + " --yes"), 0) << ReadAll(folder / "err");

  // The input itself, also under another name.
  std::filesystem::create_hard_link(folder / "in.vld", folder / "same.vld");
  for (const char* name : {"in.vld", "same.vld"}) {
    EXPECT_NE(RunCli(folder, "", "download " + folder / "in.vld" + " --yes --force --backup " + folder / name), 0);
    EXPECT_NE(ReadAll(folder / "err").find("is the layout file being downloaded"), std::string::npos)
        << ReadAll(folder / "err");
    EXPECT_EQ(ReadAll(folder / "in.vld"), input);
  }

  // Another file stays unless --force says otherwise.
  folder.Write("old.vld", "precious");
  EXPECT_NE(RunCli(folder, "", "download " + folder / "in.vld" + " --yes --backup " + folder / "old.vld"), 0);
  EXPECT_EQ(ReadAll(folder / "old.vld"), "precious");

  // Declined: no backup is written.
  EXPECT_EQ(RunCli(folder, "", "download " + folder / "in.vld" + " --backup " + folder / "new.vld"), 1);
  EXPECT_FALSE(std::filesystem::exists(folder / "new.vld"));
  EXPECT_EQ(RunCli(folder, "", "download " + folder / "in.vld" + " --yes --force --backup " + folder / "old.vld"),
            0)
      << ReadAll(folder / "err");
  EXPECT_NE(ReadAll(folder / "old.vld"), "precious");
}

TEST(CliDevice, CompareOfALayoutTooLargeForTheDeviceSaysSo) {
  const TempFolder folder("vlat-cli-compare-large");
  WriteCatalogue(folder, "MIRROR.DEC");
  TVL2Document small;
  TVL2Document large;
  for (int column = 1; column <= 4; ++column) {
    for (int row = 1; row <= 3; ++row) {
      auto& key = large.Keys(column, row);
      key = std::make_unique<TMacroButton>();
      key->Func = kFuncMacro;
      for (auto& layer : key->Layers) layer.Macro = {std::string(60, '\x1C'), std::string(60, '\x1E')};
    }
  }
  NullReporter reporter;
  SaveLayout(small, folder / "small.vld", SettingsStore{}, reporter);
  SaveLayout(large, folder / "large.vld", SettingsStore{}, reporter);
  KbdSim sim({"--type", "0101", "--state", folder / "state", "--data", folder.Path().string()});
  ASSERT_FALSE(sim.Path().empty());
  WriteUserSettings(folder, SettingsStore{}, sim.Path());
  ASSERT_EQ(RunCli(folder, "", "download " + folder / "small.vld" + " --yes"), 0) << ReadAll(folder / "err");
  EXPECT_EQ(RunCli(folder, "", "compare " + folder / "large.vld" + " --yes"), 2);
  EXPECT_NE(ReadAll(folder / "err").find("Объем раскладки превосходит память устройства."), std::string::npos)
      << ReadAll(folder / "err");
  EXPECT_EQ(ReadAll(folder / "out"), "");
}

TEST(CliDevice, AFileGivenAsThePortIsRefusedUntouched) {
  const TempFolder folder("vlat-cli-file-port");
  WriteCatalogue(folder, "MIRROR.DEC");
  WriteLongLayout(folder, "in.vld");
  WriteLongLayout(folder, "till.vld");
  const std::string till = ReadAll(folder / "till.vld");
  // Given on the command line, and stored in the settings.
  EXPECT_EQ(RunCli(folder, folder / "till.vld", "download " + folder / "in.vld" + " --yes"), 3);
  EXPECT_NE(ReadAll(folder / "err").find(folder / "till.vld"), std::string::npos) << ReadAll(folder / "err");
  WriteUserSettings(folder, SettingsStore{}, folder / "till.vld");
  EXPECT_EQ(RunCli(folder, "", "download " + folder / "in.vld" + " --yes"), 3);
  EXPECT_EQ(ReadAll(folder / "till.vld"), till);
}

// A catalogue value the device procedures cannot take is named with its range,
// not taken for a type the catalogue does not list.
TEST(CliDevice, AWrongCatalogueValueIsNamed) {
  const TempFolder folder("vlat-cli-catalogue-value");
  WriteCatalogue(folder, "MIRROR.DEC");
  KbdSim sim({"--type", "0101", "--state", folder / "state", "--data", folder.Path().string()});
  ASSERT_FALSE(sim.Path().empty());
  folder.Write("DEVICES.TYP", "[0101]\r\nKeys=12\r\nWidth=0\r\nHeight=3\r\nMemory=2048\r\nFile=MIRROR.DEC\r\n");
  RunCli(folder, sim.Path(), "identify");
  const std::string err = ReadAll(folder / "err");
  EXPECT_NE(err.find("Устройство 0101 в каталоге DEVICES.TYP: Width=0, а число столбцов клавиш должно быть от 1 до 16."),
            std::string::npos)
      << err;
  EXPECT_EQ(err.find("not in the catalogue"), std::string::npos) << err;
}

// A keyboard that goes away during a download: the message says the port went
// away, not what the application's menu or the transfer settings could change.
TEST(CliDevice, ALostPortIsToldWithoutTheApplicationsMenu) {
  const TempFolder folder("vlat-cli-lost-port");
  WriteCatalogue(folder, "MIRROR.DEC");
  WriteLongLayout(folder, "in.vld");
  KbdSim sim({"--type", "0101", "--state", folder / "state", "--data", folder.Path().string()});
  ASSERT_FALSE(sim.Path().empty());
  WriteUserSettings(folder, SettingsStore{}, sim.Path());
  const pid_t cli = StartCli(folder, "download " + folder / "in.vld" + " --yes");
  ASSERT_TRUE(WaitForText(folder / "err", "загрузка данных в память устройства"));
  sim.Stop();
  EXPECT_EQ(WaitExit(cli), 1);
  const std::string err = ReadAll(folder / "err");
  EXPECT_EQ(err.find("Сервис-Параметры"), std::string::npos) << err;
  EXPECT_NE(err.find(kPortLost), std::string::npos) << err;
}

}  // namespace
}  // namespace vl
