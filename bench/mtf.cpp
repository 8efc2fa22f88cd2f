// Export and import of a full field: 65 025 macro keys, 4 layers, ten key names
// per press sequence.

#include <benchmark/benchmark.h>

#include "FullField.h"
#include "core/mtf/Convert.h"
#include "core/mtf/MtfReader.h"
#include "core/mtf/MtfWriter.h"

namespace {

std::unique_ptr<vl::TDocument> FullField() {
  const std::string sequence = bench::TenKeyPresses();
  return bench::FullField<vl::TDocument>([&](vl::TMacros& layer) { layer.Macro[0] = sequence; });
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
