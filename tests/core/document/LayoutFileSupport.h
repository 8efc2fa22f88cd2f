#pragma once
// Saving and loading layouts in a temporary folder, with scripted answers.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "RecordingReporter.h"
#include "ScriptedPrompt.h"
#include "core/common/FileErrors.h"
#include "core/document/LayoutFile.h"
#include "core/document/VL2Document.h"

namespace vl::test {

class LayoutFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("vlat-files-" + std::to_string(std::random_device{}()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string Path(const std::string& name) const { return (folder_ / name).string(); }

  std::string Save(TVL2Document& document, const std::string& name = "layout.vld") {
    SaveLayout(document, Path(name), settings, reporter);
    return Bytes(name);
  }
  std::string Bytes(const std::string& name = "layout.vld") const {
    std::ifstream in(Path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  void Write(const std::string& bytes, const std::string& name = "layout.vld") const {
    std::ofstream(Path(name), std::ios::binary) << bytes;
  }
  std::unique_ptr<TVL2Document> Load(const std::string& name = "layout.vld") {
    auto document = std::make_unique<TVL2Document>();
    LoadLayout(*document, Path(name), prompt, reporter);
    return document;
  }
  // The read error's text for a file of this folder.
  std::string ReadErrorText(const std::string& name = "layout.vld") const {
    return WithFileName("Ошибка чтения раскладки.", Path(name));
  }

  // The names in the folder: a failed or finished save leaves no temporary file.
  std::set<std::string> FolderEntries() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) names.insert(entry.path().filename());
    return names;
  }

  std::filesystem::path folder_;
  SettingsStore settings;
  ScriptedPrompt prompt{Answer::Yes};
  RecordingReporter reporter;
};

// While it lives, no file of this process grows beyond the bytes given: writes
// past it fail (the signal that would end the process is ignored meanwhile).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
};

inline TMacroButton MacroKey(const std::string& press, const std::string& release = {}) {
  TMacroButton key;
  key.Func = kFuncMacro;
  key.Layers[0].Macro[0] = press;
  key.Layers[0].Macro[1] = release;
  return key;
}

inline void PutKey(TDocument& document, int column, int row, const TMacroButton& key) {
  document.SetKey(column, row, std::make_unique<TMacroButton>(key));
}

inline void PutNote(TVL2Document& document, int column, int row, const std::string& note,
                    const std::string& mark = {}) {
  document.Notes(column, row) = std::make_unique<TKeyNote>(TKeyNote{note, mark});
}

// A random key record drawn from a small pool of texts, so equal records repeat.
inline TMacroButton RandomKey(std::mt19937& random, int variety) {
  std::uniform_int_distribution<int> pick(0, variety - 1);
  TMacroButton key;
  key.Func = static_cast<uint8_t>(pick(random) % 12);
  for (auto& layer : key.Layers) {
    if (pick(random) % 3 == 0) continue;
    layer.Macro[0] = std::string(static_cast<size_t>(pick(random)), static_cast<char>(0x1C + pick(random)));
    layer.Macro[1] = pick(random) % 2 ? "\xF0\x1C" : "";
    layer.AutoRepeat = static_cast<uint8_t>(pick(random) % 2);
    layer.Click = static_cast<uint8_t>(pick(random) % 3);
    layer.Note = pick(random) % 2 ? "\xCD\xEE\xF2\xE0" : "";
  }
  if (key.IsEmpty()) key.Func = kFuncMacro;
  return key;
}

// Keys equal to the document's (both absent, or equal records; empty counts as absent).
inline void ExpectSameContent(const TVL2Document& expected, const TVL2Document& actual) {
  for (int column = 1; column <= kFieldSize; ++column) {
    for (int row = 1; row <= kFieldSize; ++row) {
      const TMacroButton* a = expected.GetKey(column, row);
      const TMacroButton* b = actual.GetKey(column, row);
      const bool aEmpty = !a || a->IsEmpty();
      const bool bEmpty = !b || b->IsEmpty();
      ASSERT_EQ(aEmpty, bEmpty) << column << "," << row;
      if (!aEmpty) {
        ASSERT_EQ(*a, *b) << column << "," << row;
      }
      const TKeyNote* na = expected.GetNote(column, row);
      const TKeyNote* nb = actual.GetNote(column, row);
      ASSERT_EQ(na == nullptr, nb == nullptr) << column << "," << row;
      if (na) {
        ASSERT_EQ(*na, *nb) << column << "," << row;
      }
      ASSERT_EQ(expected.GetGroup(column, row), actual.GetGroup(column, row)) << column << "," << row;
    }
  }
  EXPECT_EQ(expected.CardReader, actual.CardReader);
  EXPECT_EQ(expected.TrackMask, actual.TrackMask);
  EXPECT_EQ(expected.Password, actual.Password);
}

}  // namespace vl::test
