// Editing operations on a full field: 65 025 macro keys with content on all four
// layers, the whole field selected unless a case says otherwise. Each case
// builds a fresh document outside the timed part, so every run edits the same
// field.

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

#include "FullField.h"
#include "core/document/ApplyRecord.h"
#include "core/document/BlockOps.h"
#include "core/document/ColumnRowOps.h"
#include "core/document/LayerOps.h"

namespace {

using vl::TRect;
using vl::TVL2Document;

constexpr TRect kAll{1, 1, vl::kFieldSize, vl::kFieldSize};

// Says Yes to every question.
class YesPrompt final : public vl::IPrompt {
 public:
  vl::Answer Ask(const std::string&, const std::string&, vl::MessageButtons,
                 vl::MessageIcon) override {
    return vl::Answer::Yes;
  }
  std::optional<std::string> AskPassword(const std::string&, const std::string&) override {
    return std::nullopt;
  }
};

std::unique_ptr<TVL2Document> FullField() {
  const std::string press = bench::TenKeyPresses();
  return bench::FullField<TVL2Document>([&](vl::TMacros& layer) {
    layer.Macro[0] = press;
    layer.Macro[1] = "\xF0\x1C";
    layer.AutoRepeat = 1;
    layer.Note = "layer note";
  });
}

// Runs of the cases that edit a fresh field each time. Building the field is not
// timed but takes far longer than the fast cases, so the count is fixed.
constexpr int kFreshRuns = 10;

// Times edit on a fresh full field per iteration; prepare runs untimed first.
void TimeEdit(benchmark::State& state, const std::function<void(TVL2Document&)>& edit,
              const std::function<void(TVL2Document&)>& prepare = {}) {
  for (auto _ : state) {
    state.PauseTiming();
    auto document = FullField();
    if (prepare) prepare(*document);
    state.ResumeTiming();
    edit(*document);
    state.PauseTiming();
    document.reset();
    state.ResumeTiming();
  }
}

int Layer(const benchmark::State& state) { return static_cast<int>(state.range(0)); }

void BM_Copy(benchmark::State& state) {
  const auto document = FullField();
  vl::Clipboard clipboard;
  YesPrompt prompt;
  for (auto _ : state) vl::Copy(*document, clipboard, kAll, Layer(state), prompt);
}
BENCHMARK(BM_Copy)->Arg(0)->Arg(vl::kAllLayers)->Unit(benchmark::kMillisecond);

void BM_Paste(benchmark::State& state) {
  vl::Clipboard clipboard;
  YesPrompt prompt;
  vl::Copy(*FullField(), clipboard, kAll, Layer(state), prompt);
  TimeEdit(state, [&](TVL2Document& document) {
    vl::Paste(document, clipboard, kAll, Layer(state), prompt);
  });
}
BENCHMARK(BM_Paste)
    ->Arg(0)
    ->Arg(vl::kAllLayers)
    ->Iterations(kFreshRuns)
    ->Unit(benchmark::kMillisecond);

void BM_Clear(benchmark::State& state) {
  TimeEdit(state, [&](TVL2Document& document) { vl::Clear(document, kAll, Layer(state)); });
}
BENCHMARK(BM_Clear)
    ->Arg(0)
    ->Arg(vl::kAllLayers)
    ->Iterations(kFreshRuns)
    ->Unit(benchmark::kMillisecond);

void BM_MoveOneColumn(benchmark::State& state) {
  YesPrompt prompt;
  TimeEdit(state, [&](TVL2Document& document) {
    vl::Move(document, kAll, 1, 0, Layer(state), prompt);
  });
}
BENCHMARK(BM_MoveOneColumn)
    ->Arg(0)
    ->Arg(vl::kAllLayers)
    ->Iterations(kFreshRuns)
    ->Unit(benchmark::kMillisecond);

// The second argument 1 selects the whole field, which clears it; 0 selects the
// first column or row alone, so that every other one moves.
TRect LineBlock(const benchmark::State& state, const TRect& firstLine) {
  return state.range(1) != 0 ? kAll : firstLine;
}

void BM_InsertColumns(benchmark::State& state) {
  YesPrompt prompt;
  const TRect block = LineBlock(state, {1, 1, 1, vl::kFieldSize});
  TimeEdit(state, [&](TVL2Document& document) {
    vl::InsertColumns(document, block, Layer(state), prompt);
  });
}
BENCHMARK(BM_InsertColumns)
    ->ArgsProduct({{0, vl::kAllLayers}, {0, 1}})
    ->Iterations(kFreshRuns)
    ->Unit(benchmark::kMillisecond);

void BM_DeleteRows(benchmark::State& state) {
  const TRect block = LineBlock(state, {1, 1, vl::kFieldSize, 1});
  TimeEdit(state, [&](TVL2Document& document) {
    vl::DeleteRows(document, block, Layer(state));
  });
}
BENCHMARK(BM_DeleteRows)
    ->ArgsProduct({{0, vl::kAllLayers}, {0, 1}})
    ->Iterations(kFreshRuns)
    ->Unit(benchmark::kMillisecond);

void BM_CopyToLayers(benchmark::State& state) {
  TimeEdit(state, [&](TVL2Document& document) {
    vl::CopyToLayers(document, kAll, 0, {false, true, true, true}, true);
  });
}
BENCHMARK(BM_CopyToLayers)->Iterations(kFreshRuns)->Unit(benchmark::kMillisecond);

// Press sequences of all layers and the key function changed; includes the
// undo snapshot the operation takes.
void BM_ApplyRecord(benchmark::State& state) {
  vl::TMacroButton record;
  record.Func = vl::kFuncMacro;
  vl::ChangedFlags changed;
  for (int layer = 0; layer < vl::kLayerCount; ++layer) {
    record.Layers[layer].Macro[0] = "\x1C\xF0\x1C";
    changed.set(vl::ChangedFlag(vl::LayerField::Press, layer));
  }
  changed.set(vl::kChangedFunction);
  TimeEdit(state, [&](TVL2Document& document) {
    vl::ApplyRecord(document, kAll, record, changed);
  });
}
BENCHMARK(BM_ApplyRecord)->Iterations(kFreshRuns)->Unit(benchmark::kMillisecond);

}  // namespace
