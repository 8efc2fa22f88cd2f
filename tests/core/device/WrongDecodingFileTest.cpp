// A download whose decoding file does not place every key of the device once
// stops before the layout goes out, as an unreadable file does, and the message
// names the file and what is wrong in it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "DeviceRig.h"
#include "core/catalogue/DeviceCatalogue.h"
#include "core/catalogue/ProgramFile.h"
#include "core/device/OperationDriver.h"

namespace vl {
namespace {

using test::DeviceRig;

class ProgramFolder {
 public:
  ProgramFolder() : path_(std::filesystem::temp_directory_path() / ("vlat-decoding-" + std::to_string(std::random_device{}()))) {
    std::filesystem::create_directories(path_);
  }
  ~ProgramFolder() { std::filesystem::remove_all(path_); }
  void Write(const std::string& name, const std::string& contents) const {
    std::ofstream(path_ / name, std::ios::binary) << contents;
  }
  std::string Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

// What the host sent in a download of a one-key layout, and whether it went through.
struct Attempt {
  OperationResult result;
  std::vector<uint8_t> hostBytes;
  std::vector<std::string> messages;
};

Attempt Download(DeviceRig& rig, const IDeviceCatalogue& catalogue) {
  TVL2Document document;
  TMacroButton key;
  key.Func = kFuncMacro;
  key.Layers[0].Macro[0] = "\x1C";
  document.SetKey(1, 1, std::make_unique<TMacroButton>(key));
  CancelGate gate;
  const OperationRequest request{OperationKind::Download, document, TRect{1, 1, 1, 1}, false, {}, {}};
  const OperationResult result =
      RunDeviceOperation(rig.Access(), rig.settings, catalogue, request, rig.reporter, rig.prompt, gate);
  return {result, rig.keyboard.HostBytes(), rig.prompt.Texts()};
}

TEST(WrongDecodingFile, ShortOrRepeatedEntriesStopTheDownloadBeforeAnyByteOfTheLayout) {
  // What an unreadable decoding file lets through: detection only.
  DeviceRig unreadableRig(test::RigOptions{.width = 4, .height = 3});
  unreadableRig.catalogue.decodingReadable = false;
  const Attempt unreadable = Download(unreadableRig, unreadableRig.catalogue);
  ASSERT_EQ(unreadable.result, OperationResult::Failed);

  ProgramFolder folder;
  folder.Write(kCatalogueFileName, "[" + DeviceSectionName(sim::SimConfig{}.identity.DeviceType) +
                                       "]\nKeys=12\nWidth=4\nHeight=3\nMemory=8192\nFile=K12.DEC\n");
  const FolderDeviceCatalogue catalogue(folder.Path());
  const std::string twelve = "0:0 0:1 0:2 1:0 1:1 1:2 2:0 2:1 2:2 3:0 3:1 3:2";
  std::string allInOneCell;
  for (int key = 0; key < 12; ++key) allInOneCell += "0:0 ";
  const std::string shortOf = ", а клавиш у устройства 4x3 — 12";
  const std::vector<std::pair<std::string, std::string>> wrongFiles = {
      {"", "записей 0" + shortOf},
      {"0:0 1:0", "записей 2" + shortOf},
      {twelve.substr(0, twelve.size() - 4), "записей 11" + shortOf},
      {twelve + " 3:3", "записей 13" + shortOf},
      {"0:0 0:1 0:2 1:0 1:1 1:2 2:0 2:1 2:2 3:0 3:1 0:0", "клавиши (1, 1) и (4, 3) попадают в одну клетку 0:0"},
      {allInOneCell, "клавиши (1, 1) и (1, 2) попадают в одну клетку 0:0"},
      {"0:0 0:1 x:2", "запись 3 «x:2» не пара чисел от -254 до 254 через двоеточие"},
  };
  const std::string path = ProgramFilePath(folder.Path(), "K12.DEC").string();
  const std::string device = DeviceSectionName(sim::SimConfig{}.identity.DeviceType);
  for (const auto& [file, fault] : wrongFiles) {
    SCOPED_TRACE("decoding file: \"" + file + "\"");
    folder.Write("K12.DEC", file);
    DeviceRig rig(test::RigOptions{.width = 4, .height = 3});
    const std::vector<uint8_t> memory = rig.keyboard.Memory();
    const Attempt attempt = Download(rig, catalogue);
    EXPECT_EQ(attempt.result, OperationResult::Failed);
    EXPECT_EQ(attempt.hostBytes, unreadable.hostBytes);
    EXPECT_EQ(attempt.messages, std::vector<std::string>{"Ошибка чтения файла декодирующей таблицы устройства " +
                                                         device + " " + path + ": " + fault + "."});
    EXPECT_EQ(rig.keyboard.Memory(), memory);
  }
  // A file that is not there or not a file is named with the reason.
  std::filesystem::remove(path);
  EXPECT_EQ(catalogue.Problem(sim::SimConfig{}.identity.DeviceType),
            "Ошибка чтения файла декодирующей таблицы устройства " + device + " " + path + ": нет такого файла.");
  std::filesystem::create_directory(path);
  EXPECT_EQ(catalogue.Problem(sim::SimConfig{}.identity.DeviceType),
            "Ошибка чтения файла декодирующей таблицы устройства " + device + " " + path + ": это папка.");
  std::filesystem::remove(path);

  folder.Write("K12.DEC", twelve);
  DeviceRig rig(test::RigOptions{.width = 4, .height = 3});
  EXPECT_EQ(Download(rig, catalogue).result, OperationResult::Done);
}

}  // namespace
}  // namespace vl
