// The key grid's costs on a full field: painting a 1920 x 1080 view in high view
// with every key holding text on four layers, the selection summary of the whole
// field, and opening such a layout file up to its first painted grid.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "FullField.h"
#include "core/document/GridTexts.h"
#include "app/editor/VL2Grid.h"
#include "core/common/Prompt.h"
#include "core/common/Reporter.h"
#include "core/document/LayoutFile.h"

namespace {

class SilentPrompt final : public vl::IPrompt {
 public:
  vl::Answer Ask(const std::string&, const std::string&, vl::MessageButtons, vl::MessageIcon) override {
    return vl::Answer::Ok;
  }
  std::optional<std::string> AskPassword(const std::string&, const std::string&) override {
    return std::nullopt;
  }
};

QApplication& App() {
  static int argc = 1;
  static char name[] = "bench_app_grid";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(argc, argv);
  return app;
}

std::unique_ptr<vl::TVL2Document> FullDocument() {
  const std::string press = "\x1c\xf0\x1c\x32\xf0\x32\x21\xf0\x21\x5a\xf0\x5a";
  return bench::FullField<vl::TVL2Document>([&](vl::TMacros& layer) {
    layer.Macro[0] = press;
    layer.Macro[1] = "\x12\xf0\x12";
  });
}

void BM_PaintHighViewAllLayers(benchmark::State& state) {
  App();
  vl::SettingsStore settings;
  settings.SetViewMode(1);
  SilentPrompt prompt;
  vl::TVL2Grid grid(FullDocument(), settings, prompt);
  grid.resize(1920, 1080);
  grid.show();
  QImage image(grid.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    grid.viewport()->render(&image);
    benchmark::DoNotOptimize(image.bits());
  }
}
BENCHMARK(BM_PaintHighViewAllLayers)->Unit(benchmark::kMillisecond);

void BM_SelectionSummaryOfTheWholeField(benchmark::State& state) {
  const auto document = FullDocument();
  for (auto _ : state) {
    auto summary = vl::SummarizeSelection(*document, {1, 1, vl::kFieldSize, vl::kFieldSize});
    benchmark::DoNotOptimize(summary);
  }
}
BENCHMARK(BM_SelectionSummaryOfTheWholeField)->Unit(benchmark::kMillisecond);

void BM_OpenFullLayoutToFirstPaint(benchmark::State& state) {
  App();
  vl::SettingsStore settings;
  settings.SetViewMode(1);
  SilentPrompt prompt;
  vl::NullReporter reporter;
  QTemporaryDir folder;
  const std::string file = QDir(folder.path()).filePath("full.vld").toStdString();
  vl::SaveLayout(*FullDocument(), file, settings, reporter);
  QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    auto document = std::make_unique<vl::TVL2Document>();
    vl::LoadLayout(*document, file, prompt, reporter);
    vl::TVL2Grid grid(std::move(document), settings, prompt);
    grid.resize(image.size());
    grid.show();
    grid.viewport()->render(&image);
    benchmark::DoNotOptimize(image.bits());
  }
}
BENCHMARK(BM_OpenFullLayoutToFirstPaint)->Unit(benchmark::kMillisecond);

}  // namespace
