// Export and import of a full field: 65 025 macro keys, 4 layers, ten key names
// per press sequence; in memory, and through a file as the program reads it.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "FullField.h"
#include "core/mtf/Convert.h"
#include "core/mtf/MtfReader.h"
#include "core/mtf/MtfWriter.h"
#include "core/common/Prompt.h"

namespace {

std::unique_ptr<vl::TVL2Document> FullField() {
  const std::string sequence = bench::TenKeyPresses();
  return bench::FullField<vl::TVL2Document>([&](vl::TMacros& layer) { layer.Macro[0] = sequence; });
}

void BM_ExportFullField(benchmark::State& state) {
  const auto document = FullField();
  const vl::SettingsStore settings;
  size_t bytes = 0;
  for (auto _ : state) {
    const std::string text = vl::MtfText(*document, settings);
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["text_MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_ExportFullField)->Unit(benchmark::kMillisecond);

void BM_ImportFullField(benchmark::State& state) {
  const std::string text = vl::MtfText(*FullField(), vl::SettingsStore());
  for (auto _ : state) {
    state.PauseTiming();
    auto document = std::make_unique<vl::TDocument>();
    vl::SettingsStore settings;
    state.ResumeTiming();
    vl::TConvert convert("bench.mtf", *document, settings, {});
    if (!vl::ConvertMtfText(convert, text)) state.SkipWithError("the text did not read");
    state.PauseTiming();
    document.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ImportFullField)->Unit(benchmark::kMillisecond);

class NoQuestions final : public vl::IPrompt {
 public:
  vl::Answer Ask(const std::string&, const std::string&, vl::MessageButtons, vl::MessageIcon) override {
    return vl::Answer::Ok;
  }
  std::optional<std::string> AskPassword(const std::string&, const std::string&) override { return std::nullopt; }
};

// The exported file read back the way the application and vlat-cli open it.
void BM_ReadFullFieldFile(benchmark::State& state) {
  const auto file = std::filesystem::temp_directory_path() / ("vlat-bench-" + std::to_string(::getpid()) + ".mtf");
  vl::NullReporter reporter;
  vl::ExportMtf(*FullField(), file.string(), vl::SettingsStore(), reporter);
  NoQuestions prompt;
  for (auto _ : state) {
    state.PauseTiming();
    auto document = std::make_unique<vl::TDocument>();
    vl::SettingsStore settings;
    state.ResumeTiming();
    vl::ReadMtf(*document, file.string(), settings, prompt, reporter);
    state.PauseTiming();
    document.reset();
    state.ResumeTiming();
  }
  const auto bytes = std::filesystem::file_size(file);
  std::filesystem::remove(file);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
  state.counters["file_MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_ReadFullFieldFile)->Unit(benchmark::kMillisecond);

}  // namespace
