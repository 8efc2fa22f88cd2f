// The longest stall of the user-interface thread while the device commands run
// on the simulated keyboard with the real clock: a 10 ms timer on that thread,
// and the largest gap between its ticks during each job (download with the
// backup before it, upload into a new layout, clear, information). The layout
// is the shipped example on the catalogue's type 0105. Each counter is in
// milliseconds, the wall time of each in the *_s counters; idle_ms is the
// longest gap with nothing running, what the machine's load alone causes.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/device/AppDevice.h"
#include "app/device/DeviceCommands.h"
#include "app/device/InfoDialog.h"
#include "app/editor/GridWindow.h"
#include "app/main/MainWindow.h"
#include "core/device/LayoutBackups.h"
#include "sim/CatalogueConfig.h"

namespace {

class Yes final : public vl::IPrompt {
 public:
  std::vector<std::string> told;
  vl::Answer Ask(const std::string& text, const std::string&, vl::MessageButtons, vl::MessageIcon) override {
    told.push_back(text);
    return vl::Answer::Yes;
  }
  std::optional<std::string> AskPassword(const std::string&, const std::string&) override { return std::nullopt; }
};

QApplication& App() {
  static int argc = 1;
  static char name[] = "bench_app_stall";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Never destroyed: Qt's clean-up at exit would run after the statics it needs.
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

// How long the timer runs at least: with no command, what the machine's load
// alone makes of its ticks (the idle counter).
constexpr qint64 kIdleMs = 3000;

// Runs command and waits for its jobs; the longest gap between the ticks of a
// 10 ms timer meanwhile, in milliseconds, and the wall time in seconds.
std::pair<double, double> Stall(vl::TfmMain& main, const std::function<void()>& command) {
  QElapsedTimer sinceTick;
  qint64 longest = 0;
  QTimer ticks;
  ticks.setTimerType(Qt::PreciseTimer);
  QObject::connect(&ticks, &QTimer::timeout, [&] {
    longest = std::max(longest, sinceTick.restart());
  });
  QElapsedTimer wall;
  wall.start();
  sinceTick.start();
  ticks.start(10);
  command();
  longest = std::max(longest, sinceTick.restart());  // the command's own part on this thread
  // An event loop that sleeps between events, as the program's own does (a loop of
  // processEvents would spin and compete with the worker for the processor).
  QEventLoop loop;
  QTimer check;
  QObject::connect(&check, &QTimer::timeout, [&] {
    if (!main.Device().JobRunning() && wall.elapsed() >= kIdleMs) loop.quit();
  });
  check.start(20);
  loop.exec();
  ticks.stop();
  return {static_cast<double>(longest), wall.elapsed() / 1000.0};
}

void BM_AppJobsUiStallRealClock(benchmark::State& state) {
  App();
  QStandardPaths::setTestModeEnabled(true);  // the backups go to a test folder
  const QString data = QStringLiteral(VLAT_SOURCE_DATA_DIR);
  vl::MemorySettingsBackend backend("/tmp");
  vl::SetBackupBeforeDownload(backend, true);
  vl::SettingsStore settings;
  settings.Set(vl::Setting::IsShowDownloadParameters, 0);
  settings.Set(vl::Setting::IsTestAfterDownload, 0);
  settings.Set(vl::Setting::IsSaveBeforeDownload, 0);
  settings.Set(vl::Setting::IsStartInfo, 0);
  Yes prompt;
  vl::TfmMain main(settings, backend, data, {data + QStringLiteral("/examples/cash-register.vld")}, &prompt);
  main.show();
  main.SetDeviceOpener([data]() -> std::unique_ptr<vl::AppDevice> {
    auto catalogue = std::make_unique<vl::FolderDeviceCatalogue>(data.toStdString());
    auto clock = std::make_unique<vl::RealClock>();
    auto keyboard =
        std::make_unique<vl::SimulatedKeyboard>(*clock, vl::sim::CatalogueConfig(catalogue->Catalogue(), 0x105));
    return std::make_unique<vl::AppDevice>(std::move(clock), std::move(keyboard), std::move(catalogue));
  });
  QApplication::processEvents();
  vl::TfmGrid* layout = main.ActiveLayout();
  vl::DeviceCommands& device = main.Device();
  for (auto _ : state) {
    const auto idle = Stall(main, [] {});
    // A fresh simulated keyboard's memory is erased, not cleared: its header names no layout.
    const auto clear = Stall(main, [&] { device.Clear(); });
    const auto info = Stall(main, [&] { device.Information(); });
    device.Info().reject();
    // The keyboard holds the layout first, so that the backup reads all of it.
    const auto first = Stall(main, [&] { device.Download(*layout); });
    const auto download = Stall(main, [&] { device.Download(*layout); });
    vl::TfmGrid* target = main.NewLayout();
    const auto upload = Stall(main, [&] { device.Upload(*target); });
    if (!target->Document().GetKey(1, 1)) state.SkipWithError("the upload read nothing");
    state.counters["download_empty_backup_ms"] = first.first;
    state.counters["download_backup_ms"] = download.first;
    state.counters["download_backup_s"] = download.second;
    state.counters["upload_ms"] = upload.first;
    state.counters["upload_s"] = upload.second;
    state.counters["idle_ms"] = idle.first;
    state.counters["clear_ms"] = clear.first;
    state.counters["clear_s"] = clear.second;
    state.counters["info_ms"] = info.first;
    state.counters["info_s"] = info.second;
  }
  for (const std::string& text : prompt.told) std::fprintf(stderr, "told: %s\n", text.c_str());
}
BENCHMARK(BM_AppJobsUiStallRealClock)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
