// Export and import of a full field: 65 025 macro keys, 4 layers, ten key names
// per press sequence.

#include <benchmark/benchmark.h>

#include "core/mtf/Convert.h"
#include "core/mtf/MtfReader.h"
#include "core/mtf/MtfWriter.h"

namespace {

std::unique_ptr<vl::TDocument> FullField() {
  auto document = std::make_unique<vl::TDocument>();
  const std::string keys = "\x1C\x1B\x23\x2B\x34\x33\x3B\x42\x4B\x15";
  std::string sequence;
  for (char key : keys) sequence += std::string{key, '\xF0', key};
  for (int column = 1; column <= vl::kFieldSize; ++column) {
    for (int row = 1; row <= vl::kFieldSize; ++row) {
      auto key = std::make_unique<vl::TMacroButton>();
      key->Func = vl::kFuncMacro;
      for (auto& layer : key->Layers) layer.Macro[0] = sequence;
      document->SetKey(column, row, std::move(key));
    }
  }
  return document;
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

}  // namespace
