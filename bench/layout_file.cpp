// Save and load of a full field: 65 025 keys, all different, each with press and
// release sequences, autorepeat, click and a layer note on all four layers, and a
// key note on every key. The resident memory the document takes is reported as
// the counter document_MB.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "core/document/LayoutFile.h"

namespace {

// Resident set size in bytes, from /proc/self/statm.
double ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

std::unique_ptr<vl::TVL2Document> FullField() {
  auto document = std::make_unique<vl::TVL2Document>();
  for (int column = 1; column <= vl::kFieldSize; ++column) {
    for (int row = 1; row <= vl::kFieldSize; ++row) {
      const auto c = static_cast<char>(column), r = static_cast<char>(row);
      auto key = std::make_unique<vl::TMacroButton>();
      key->Func = vl::kFuncMacro;
      for (int layer = 0; layer < vl::kLayerCount; ++layer) {
        auto& block = key->Layers[layer];
        const auto l = static_cast<char>(0x16 + layer);
        block.Macro[0] = std::string{'\x12', l, c, r, '\xE0', '\x75', '\xFF', '\x55'};
        block.Macro[1] = std::string{'\xF0', l, '\xF0', '\x12', '\xE0', '\xF0', '\x75'};
        block.AutoRepeat = 1;
        block.Click = static_cast<uint8_t>(1 + layer);
        block.Note = "\xD3\xF0. " + std::to_string(layer) + ": " + std::to_string(column) + "/" +
                     std::to_string(row);
      }
      document->SetKey(column, row, std::move(key));
      document->Notes(column, row) = std::make_unique<vl::TKeyNote>(vl::TKeyNote{
          "\xCA\xEB\xE0\xE2\xE8\xF8\xE0 " + std::to_string(column) + "," + std::to_string(row), ""});
    }
  }
  return document;
}

class FileBench : public benchmark::Fixture {
 public:
  void SetUp(const benchmark::State&) override {
    file_ = (std::filesystem::temp_directory_path() / ("vlat-bench-" + std::to_string(getpid()) + ".vld")).string();
  }
  void TearDown(const benchmark::State&) override { std::filesystem::remove(file_); }

 protected:
  std::string file_;
  vl::SettingsStore settings_;
  vl::NullReporter reporter_;
};

BENCHMARK_DEFINE_F(FileBench, SaveFullField)(benchmark::State& state) {
  // Measured on the first build only: later ones reuse memory the allocator kept.
  static const double before = ResidentBytes();
  auto document = FullField();
  static const double documentBytes = ResidentBytes() - before;
  state.counters["document_MB"] = documentBytes / 1e6;
  for (auto _ : state) vl::SaveLayout(*document, file_, settings_, reporter_);
  state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(file_)) / 1e6;
}
BENCHMARK_REGISTER_F(FileBench, SaveFullField)->Unit(benchmark::kMillisecond);

class NoPrompt final : public vl::IPrompt {
 public:
  vl::Answer Ask(const std::string&, const std::string&, vl::MessageButtons, vl::MessageIcon) override {
    return vl::Answer::No;
  }
  std::optional<std::string> AskPassword(const std::string&, const std::string&) override { return {}; }
};

BENCHMARK_DEFINE_F(FileBench, LoadFullField)(benchmark::State& state) {
  vl::SaveLayout(*FullField(), file_, settings_, reporter_);
  NoPrompt prompt;
  for (auto _ : state) {
    state.PauseTiming();
    auto document = std::make_unique<vl::TVL2Document>();
    state.ResumeTiming();
    vl::LoadLayout(*document, file_, prompt, reporter_);
    state.PauseTiming();
    document.reset();
    state.ResumeTiming();
  }
}
BENCHMARK_REGISTER_F(FileBench, LoadFullField)->Unit(benchmark::kMillisecond);

}  // namespace
