// The names of the layouts kept before downloads and which of them are dropped.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ScriptedPrompt.h"
#include "core/device/LayoutBackups.h"

namespace vl {
namespace {

std::tm Time(int year, int month, int day, int hour, int minute, int second) {
  std::tm time{};
  time.tm_year = year - 1900;
  time.tm_mon = month - 1;
  time.tm_mday = day;
  time.tm_hour = hour;
  time.tm_min = minute;
  time.tm_sec = second;
  return time;
}

TEST(LayoutBackups, NamesCarrySerialAndTimeAndNeverRepeat) {
  const std::tm time = Time(2026, 12, 7, 20, 41, 5);
  EXPECT_EQ(BackupFileName(4660, time, {}), "04660_2026-12-07_20-41-05.vld");
  EXPECT_EQ(BackupFileName(65535, Time(2027, 1, 1, 0, 0, 0), {}), "65535_2027-01-01_00-00-00.vld");
  std::vector<std::string> existing = {"04660_2026-12-07_20-41-05.vld"};
  EXPECT_EQ(BackupFileName(4660, time, existing), "04660_2026-12-07_20-41-05-1.vld");
  existing.push_back("04660_2026-12-07_20-41-05-1.vld");
  EXPECT_EQ(BackupFileName(4660, time, existing), "04660_2026-12-07_20-41-05-2.vld");
  for (const auto& name : existing) EXPECT_TRUE(IsBackupFileName(name)) << name;

  for (const char* other : {"layout.vld", "04660_2026-12-07_20-41-05.vld.tmp", "4660_2026-12-07_20-41-05.vld",
                            "04660_2026-12-07_20-41-05.mtf", "04660_2026-12-07_20-41-05-.vld", ""})
    EXPECT_FALSE(IsBackupFileName(other)) << other;
}

TEST(LayoutBackups, SurplusIsTheOldestByTimeWhateverKeyboardTheyCameFrom) {
  std::vector<std::string> names = {"mine.vld", "notes.txt"};
  // Serials falling as time rises, so the serial cannot decide the order.
  for (int minute = 0; minute < 22; ++minute)
    names.push_back(BackupFileName(static_cast<uint16_t>(100 - minute), Time(2026, 12, 7, 20, minute, 0), {}));
  EXPECT_EQ(SurplusBackups(names), (std::vector<std::string>{"00100_2026-12-07_20-00-00.vld",
                                                              "00099_2026-12-07_20-01-00.vld"}));
  EXPECT_TRUE(SurplusBackups(names, 22).empty());

  // Within one second the counter counts as a number, and the first has none.
  const std::vector<std::string> sameSecond = {"00001_2026-12-07_20-00-00-10.vld", "00001_2026-12-07_20-00-00-2.vld",
                                               "00001_2026-12-07_20-00-00.vld"};
  EXPECT_EQ(SurplusBackups(sameSecond, 1),
            (std::vector<std::string>{"00001_2026-12-07_20-00-00.vld", "00001_2026-12-07_20-00-00-2.vld"}));
}

TEST(LayoutBackups, PruneDeletesOnlySurplusBackups) {
  const auto folder = std::filesystem::temp_directory_path() /
                      ("vlat-backups-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder / "04660_2000-01-01_00-00-00.vld");  // a folder, not a backup
  std::vector<std::string> names;
  for (int second = 0; second < 23; ++second) {
    names.push_back(BackupFileName(4660, Time(2026, 12, 7, 20, 0, second), {}));
    std::ofstream(folder / names.back()) << "x";
  }
  std::ofstream(folder / "mine.vld") << "x";

  EXPECT_EQ(PruneBackups(folder), 3u);
  EXPECT_FALSE(std::filesystem::exists(folder / names[2]));
  EXPECT_TRUE(std::filesystem::exists(folder / names[3]));
  EXPECT_TRUE(std::filesystem::exists(folder / "mine.vld"));
  EXPECT_TRUE(std::filesystem::is_directory(folder / "04660_2000-01-01_00-00-00.vld"));
  EXPECT_EQ(FolderFileNames(folder).size(), 21u);
  EXPECT_EQ(PruneBackups(folder), 0u);
  std::filesystem::remove_all(folder);

  EXPECT_EQ(PruneBackups(folder), 0u);  // a folder that is not there
}

// A backup is never written over the layout being downloaded (by whatever
// name), and over another file only when the user says yes.
TEST(LayoutBackups, TargetIsNeverTheLayoutAndReplacesOnlyWhenAllowed) {
  const auto folder = std::filesystem::temp_directory_path() /
                      ("vlat-backup-target-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const auto layout = folder / "till.vld";
  std::ofstream(layout) << "layout";
  std::filesystem::create_symlink(layout, folder / "link.vld");
  test::ScriptedPrompt prompt(Answer::Yes);

  EXPECT_TRUE(BackupTargetAllowed(folder / "new.vld", layout.string(), prompt));
  EXPECT_TRUE(prompt.Texts().empty());
  EXPECT_FALSE(BackupTargetAllowed(layout, layout.string(), prompt));
  EXPECT_FALSE(BackupTargetAllowed(folder / "link.vld", layout.string(), prompt));
  ASSERT_EQ(prompt.Messages().size(), 2u);
  EXPECT_NE(prompt.Messages()[0].find("till.vld"), std::string::npos);

  std::ofstream(folder / "other.vld") << "other";
  EXPECT_TRUE(BackupTargetAllowed(folder / "other.vld", layout.string(), prompt));
  prompt.fallback = Answer::No;
  EXPECT_FALSE(BackupTargetAllowed(folder / "other.vld", layout.string(), prompt));
  EXPECT_EQ(prompt.Texts().size(), 4u);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace vl
