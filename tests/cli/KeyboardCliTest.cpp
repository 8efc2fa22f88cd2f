// The programmed simulated keyboard as a user drives it: key commands to
// vlat-kbdsim, and vlat-cli monitor, download --backup and compare on its
// pseudo-terminal.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "KbdSimProcess.h"
#include "ScriptedPrompt.h"
#include "TestCatalogue.h"
#include "core/common/Reporter.h"
#include "core/device/DeviceHeader.h"
#include "core/device/DeviceImage.h"
#include "core/document/LayoutFile.h"
#include "platform/QtSettingsBackend.h"

namespace vl {
namespace {

using namespace std::chrono_literals;

constexpr int kWidth = 4, kHeight = 3, kMemory = 2048;

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// A 4 x 3 CRC keyboard whose device positions lie straight on the grid.
void WriteCatalogue(const TempFolder& folder) {
  test::WriteCatalogue(folder.Path(), {.width = kWidth, .height = kHeight, .memory = kMemory});
}

// Key (0, 0) types a on layer 0 and b on layer 1; (1, 0) holds layer 1, (2, 0) goes there.
void FillLayout(TVL2Document& document) {
  auto& letter = document.Keys(1, 1);
  letter = std::make_unique<TMacroButton>();
  letter->Func = kFuncMacro;
  letter->Layers[0].Macro = {"\x1C", "\xF0\x1C"};
  letter->Layers[1].Macro = {"\x32", "\xF0\x32"};
  for (const auto& [column, func] : {std::pair{2, kFuncShiftToLayer0 + 1}, std::pair{3, kFuncGoToLayer0 + 1}}) {
    auto& key = document.Keys(column, 1);
    key = std::make_unique<TMacroButton>();
    key->Func = static_cast<uint8_t>(func);
  }
}

// The keyboard's memory holding the layout on two layers, as a download to the
// simulated keyboard's controller 1.7 leaves it.
void WriteState(const std::string& path, const TVL2Document& document) {
  SettingsStore settings;
  settings.Set(Setting::LayerCount, 1);
  const auto image = BuildDeviceImage(document, settings, ImageDevice{0x1234, kWidth, kHeight, true, 1, 7},
                                      TRect{1, 1, kWidth, kHeight}, [](int x, int y) { return GridOffset{x, y}; });
  ASSERT_TRUE(image);
  std::string memory(kMemory, '\xFF');
  std::copy(image->begin(), image->end(), memory.begin());
  const auto header = PackHeader(DeviceHeader{.DataSize = static_cast<uint16_t>(image->size()), .Language = 0,
                                              .CorrectLock = 0, .ScanInterval = 0, .ProgrammerMinor = 3,
                                              .ProgrammerMajor = 2},
                                 true);
  std::copy(header.begin(), header.end(), memory.begin() + kMemory - 32);
  memory[kMemory - 32 + 4] = '\x17';  // the controller version the keyboard keeps there
  std::ofstream(path, std::ios::binary) << memory;
}

// The user's settings under the folder (XDG_CONFIG_HOME): downloads of two layers.
void WriteUserSettings(const TempFolder& folder) {
  QtSettingsBackend backend(QString::fromStdString(folder / "config/Ostrel/VelmorandoAT.conf"));
  SettingsStore settings;
  settings.Set(Setting::LayerCount, 1);
  settings.Save(backend);
  backend.Sync();
}

// vlat-cli on the terminal with the folder as program folder and settings home.
int RunCli(const TempFolder& folder, const std::string& port, const std::string& arguments,
           const std::string& runner = "") {
  const std::string command = "XDG_CONFIG_HOME=" + folder / "config" + " XDG_DATA_HOME=" + folder / "data-home" + " " + runner + VLAT_CLI " --data " +
                              folder.Path().string() + " --port " + port + " " + arguments + " </dev/null >" +
                              folder / "out" + " 2>" + folder / "err";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// How many processes hold the file open.
int Holders(const std::string& path) {
  namespace fs = std::filesystem;
  // Processes come and go while this looks: every step reports instead of throwing.
  int holders = 0;
  std::error_code error;
  for (fs::directory_iterator process("/proc", error), end; !error && process != end; process.increment(error)) {
    std::error_code fdError;
    for (fs::directory_iterator fd(process->path() / "fd", fdError); !fdError && fd != end; fd.increment(fdError)) {
      std::error_code linkError;
      if (fs::read_symlink(fd->path(), linkError) == path) {
        ++holders;
        break;
      }
    }
  }
  return holders;
}

// Waits (at most 30 s) until a process besides the simulated keyboard, which keeps
// its own end open, has opened the terminal.
bool WaitForSecondHolder(const std::string& terminal) {
  for (int i = 0; i < 3000; ++i) {
    if (Holders(terminal) >= 2) return true;
    std::this_thread::sleep_for(10ms);
  }
  return false;
}

struct Keyboard {
  explicit Keyboard(const TempFolder& folder)
      : sim({"--type", "0101", "--controller", "1.7", "--state", folder / "state", "--data",
             folder.Path().string()}) {}
  KbdSim sim;
};

TEST(KeyboardCli, KeyCommandsReachTheMonitorThroughTheTerminal) {
  const TempFolder folder("vlat-keyboard-monitor");
  WriteCatalogue(folder);
  TVL2Document document;
  FillLayout(document);
  WriteState(folder / "state", document);
  Keyboard keyboard(folder);
  auto& sim = keyboard.sim;
  ASSERT_FALSE(sim.Path().empty());

  EXPECT_EQ(sim.Command("layer"), "0");
  int exit = -1;
  std::thread monitor([&] { exit = RunCli(folder, sim.Path(), "monitor --show hex --seconds 3"); });
  ASSERT_TRUE(WaitForSecondHolder(sim.Path())) << "the monitor did not open the port";
  EXPECT_EQ(sim.Command("tap 0 0"), "ok");
  EXPECT_EQ(sim.Command("press 1 0"), "ok");
  EXPECT_EQ(sim.Command("layer"), "1");
  EXPECT_EQ(sim.Command("tap 0 0"), "ok");
  EXPECT_EQ(sim.Command("release 1 0"), "ok");
  EXPECT_EQ(sim.Command("layer"), "0");
  EXPECT_EQ(sim.Command("wait 20"), "ok");
  EXPECT_EQ(sim.Command("jump"), "error: unknown command \"jump\"");
  monitor.join();
  EXPECT_EQ(exit, 0) << Contents(folder / "err");
  EXPECT_EQ(Contents(folder / "out"), "0x1e 0x9e 0x30 0xb0 \n");

  // Without --seconds it runs until interrupted, and an interrupt is a normal end.
  EXPECT_EQ(RunCli(folder, sim.Path(), "monitor --show names", "timeout --preserve-status -s INT 2 "), 0)
      << Contents(folder / "err");
  EXPECT_EQ(Contents(folder / "out"), "\n");
}

TEST(KeyboardCli, BackupBeforeDownloadAndCompareWithTheKeyboard) {
  const TempFolder folder("vlat-keyboard-backup");
  WriteCatalogue(folder);
  WriteUserSettings(folder);
  TVL2Document held, next;
  FillLayout(held);
  WriteState(folder / "state", held);
  auto& changed = next.Keys(4, 3);
  changed = std::make_unique<TMacroButton>();
  changed->Func = kFuncMacro;
  changed->Layers[0].Macro = {"\x21", "\xF0\x21"};
  NullReporter reporter;
  SaveLayout(next, folder / "next.vld", SettingsStore{}, reporter);
  SaveLayout(held, folder / "held.vld", SettingsStore{}, reporter);
  Keyboard keyboard(folder);
  auto& sim = keyboard.sim;

  // An unwritable backup stops the download before any byte: a reset would have
  // brought the keyboard back to layer 0.
  ASSERT_EQ(sim.Command("tap 2 0"), "ok");
  ASSERT_EQ(sim.Command("layer"), "1");
  const std::string nowhere = folder / "missing/backup.vld";
  EXPECT_EQ(RunCli(folder, sim.Path(), "download " + folder / "next.vld" + " --backup " + nowhere + " --yes"), 1);
  EXPECT_NE(Contents(folder / "err").find("cannot be written"), std::string::npos) << Contents(folder / "err");
  std::filesystem::create_directory(folder.Path() / "taken.vld");
  EXPECT_EQ(RunCli(folder, sim.Path(), "download " + folder / "next.vld" + " --backup " + folder / "taken.vld" +
                                           " --yes"),
            1);
  EXPECT_EQ(sim.Command("layer"), "1");

  EXPECT_EQ(RunCli(folder, sim.Path(), "compare " + folder / "held.vld"), 0) << Contents(folder / "err");
  EXPECT_EQ(Contents(folder / "out"), "Раскладки совпадают.\n");

  ASSERT_EQ(RunCli(folder, sim.Path(),
                   "download " + folder / "next.vld" + " --backup " + folder / "backup.vld" + " --yes"),
            0)
      << Contents(folder / "err");
  TVL2Document backup;
  test::ScriptedPrompt prompt(Answer::Ok);
  LoadLayout(backup, folder / "backup.vld", prompt, reporter);
  ASSERT_NE(backup.GetKey(1, 1), nullptr);
  EXPECT_EQ(backup.GetKey(1, 1)->Layers[1].Macro, held.GetKey(1, 1)->Layers[1].Macro);
  ASSERT_NE(backup.GetKey(2, 1), nullptr);
  EXPECT_EQ(backup.GetKey(2, 1)->Func, kFuncShiftToLayer0 + 1);

  EXPECT_EQ(RunCli(folder, sim.Path(), "compare " + folder / "next.vld"), 0) << Contents(folder / "err");
  EXPECT_EQ(RunCli(folder, sim.Path(), "compare " + folder / "held.vld"), 1) << Contents(folder / "err");
  EXPECT_EQ(Contents(folder / "out"),
            "столбец 1, строка 1 (клавиша устройства 0,0) слой 0: нажатие, отпускание\n"
            "столбец 1, строка 1 (клавиша устройства 0,0) слой 1: нажатие, отпускание\n"
            "столбец 2, строка 1 (клавиша устройства 1,0): функция\n"
            "столбец 3, строка 1 (клавиша устройства 2,0): функция\n"
            "столбец 4, строка 3 (клавиша устройства 3,2) слой 0: нажатие, отпускание\n"
            "Различий: 5.\n");
  EXPECT_EQ(RunCli(folder, sim.Path(), "compare " + folder / "missing.vld"), 2);
}

TEST(KeyboardCli, CardReaderIsComparedAndReadOnlyWhenAskedFor) {
  const TempFolder folder("vlat-keyboard-card");
  WriteCatalogue(folder);
  WriteUserSettings(folder);
  TVL2Document held, keysOnly;
  FillLayout(held);
  FillLayout(keysOnly);
  held.CardReader.Layers[1].Macro = {"\x1C", "\x5A"};
  held.TrackMask = 0b0010;
  WriteState(folder / "state", held);
  NullReporter reporter;
  SaveLayout(held, folder / "held.vld", SettingsStore{}, reporter);
  SaveLayout(keysOnly, folder / "keys.vld", SettingsStore{}, reporter);
  Keyboard keyboard(folder);
  auto& sim = keyboard.sim;

  // The keys are equal, the keyboard reads track 2 the file leaves off.
  EXPECT_EQ(RunCli(folder, sim.Path(), "compare " + folder / "keys.vld"), 1) << Contents(folder / "err");
  EXPECT_EQ(Contents(folder / "out"), "дорожка 2: включение, заголовок, разделитель\nРазличий: 1.\n");
  EXPECT_EQ(RunCli(folder, sim.Path(), "compare --no-card " + folder / "keys.vld"), 0) << Contents(folder / "err");
  EXPECT_EQ(RunCli(folder, sim.Path(), "compare " + folder / "held.vld"), 0) << Contents(folder / "err");

  // Two files, no device.
  EXPECT_EQ(RunCli(folder, "none", "compare " + folder / "held.vld" + " " + folder / "keys.vld"), 1);
  EXPECT_EQ(Contents(folder / "out"), "дорожка 2: включение, заголовок, разделитель\nРазличий: 1.\n");
  EXPECT_EQ(RunCli(folder, "none", "compare " + folder / "held.vld" + " " + folder / "held.vld"), 0);
  EXPECT_EQ(Contents(folder / "out"), "Раскладки совпадают.\n");

  // The upload leaves the card reader out unless asked for, and says so.
  test::ScriptedPrompt prompt(Answer::Ok);
  ASSERT_EQ(RunCli(folder, sim.Path(), "upload " + folder / "plain.vld"), 0) << Contents(folder / "err");
  EXPECT_NE(Contents(folder / "out").find("Считыватель магнитных карт не прочитан"), std::string::npos);
  TVL2Document plain, withCard;
  LoadLayout(plain, folder / "plain.vld", prompt, reporter);
  EXPECT_EQ(plain.TrackMask, 0);
  EXPECT_TRUE(plain.CardReader.Layers[1].Macro[0].empty());
  ASSERT_EQ(RunCli(folder, sim.Path(), "upload --card " + folder / "card.vld"), 0) << Contents(folder / "err");
  EXPECT_EQ(Contents(folder / "out").find("не прочитан"), std::string::npos);
  LoadLayout(withCard, folder / "card.vld", prompt, reporter);
  EXPECT_EQ(withCard.TrackMask, 0b0010);
  EXPECT_EQ(withCard.CardReader.Layers[1].Macro, held.CardReader.Layers[1].Macro);
}

}  // namespace
}  // namespace vl
