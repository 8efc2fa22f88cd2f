// A 2 KiB normal-mode download started from the application: the progress
// window's preparation on the UI thread, the worker thread with its reporter
// calls carried to the window, against the in-process simulated keyboard on the
// real clock. "overhead" is wall time over the protocol's own pauses (1.0 = none).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>

#include "CountingClock.h"
#include "app/device/DeviceCommands.h"
#include "app/editor/GridWindow.h"
#include "app/main/MainWindow.h"
#include "sim/SimulatedPort.h"

namespace {

class Yes final : public vl::IPrompt {
 public:
  vl::Answer Ask(const std::string&, const std::string&, vl::MessageButtons, vl::MessageIcon) override {
    return vl::Answer::Yes;
  }
  std::optional<std::string> AskPassword(const std::string&, const std::string&) override { return std::nullopt; }
};

QApplication& App() {
  static int argc = 1;
  static char name[] = "bench_app_download";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(argc, argv);
  return app;
}

// An 8 x 8 keyboard of 8 KiB whose positions lie straight on the grid.
void WriteCatalogue(const QTemporaryDir& folder) {
  QFile devices(folder.filePath("DEVICES.TYP"));
  devices.open(QIODevice::WriteOnly);
  devices.write("[0105]\r\nKeys=64\r\nWidth=8\r\nHeight=8\r\nMemory=8192\r\nFile=STRAIGHT.DEC\r\n");
  QFile decoding(folder.filePath("STRAIGHT.DEC"));
  decoding.open(QIODevice::WriteOnly);
  for (int x = 0; x < 8; ++x) {
    QByteArray line;
    for (int y = 0; y < 8; ++y) line += QByteArray::number(x) + ':' + QByteArray::number(y) + (y == 7 ? "\r\n" : " ");
    decoding.write(line);
  }
}

void BM_AppDownload2KiBRealClock(benchmark::State& state) {
  App();
  QTemporaryDir folder;
  WriteCatalogue(folder);
  vl::MemorySettingsBackend backend("/tmp");
  vl::SettingsStore settings;
  settings.Set(vl::Setting::IsShowDownloadParameters, 0);
  settings.Set(vl::Setting::IsTestAfterDownload, 0);
  settings.Set(vl::Setting::IsSaveBeforeDownload, 0);
  Yes prompt;
  vl::TfmMain main(settings, backend, folder.path(), {}, &prompt);
  main.show();
  vl::bench::CountingClock* clock = nullptr;
  main.SetDeviceOpener([&]() -> std::unique_ptr<vl::AppDevice> {
    auto counting = std::make_unique<vl::bench::CountingClock>();
    clock = counting.get();
    auto keyboard = std::make_unique<vl::sim::SimulatedPort>(*counting, vl::sim::SimConfig{});
    return std::make_unique<vl::AppDevice>(std::move(counting), std::move(keyboard),
                                           std::make_unique<vl::FolderDeviceCatalogue>(folder.path().toStdString()));
  });
  QApplication::processEvents();
  vl::TfmGrid* window = main.ActiveLayout();
  for (int column = 1; column <= 8; ++column) {
    for (int row = 1; row <= 8; ++row) {
      auto key = std::make_unique<vl::TMacroButton>();
      key->Func = vl::kFuncMacro;
      key->Layers[0].Macro[0] = std::string(25, '\x1C');  // 2062 bytes in all
      window->Document().SetKey(column, row, std::move(key));
    }
  }
  for (auto _ : state) {
    main.Device().ForgetDevice();
    main.Device().Device();
    const auto start = std::chrono::steady_clock::now();
    main.Device().Download(*window);
    while (main.Device().JobRunning()) QApplication::processEvents(QEventLoop::AllEvents, 5);
    const auto wall = std::chrono::steady_clock::now() - start;
    const double paused = std::chrono::duration<double>(clock->Paused()).count();
    state.counters["pauses_s"] = paused;
    state.counters["wall_s"] = std::chrono::duration<double>(wall).count();
    state.counters["overhead"] = std::chrono::duration<double>(wall).count() / paused;
  }
}
BENCHMARK(BM_AppDownload2KiBRealClock)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
