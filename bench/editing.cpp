// Editing operations on a full field: 65 025 macro keys with content on all four
// layers, the whole field selected unless a case says otherwise. Each case
// builds a fresh document outside the timed part, so every run edits the same
// field. BM_Undo and BM_Redo take each edit back and again, BM_FirstUndo times
// the first undo of a fresh edit alone; BM_MemcpyFullField
// copies as many bytes as the field's records hold, the yardstick the others
// are read against.

#include <benchmark/benchmark.h>

#include <cstring>
#include <functional>
#include <vector>
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

// Every key differs from the others by its layer notes, which start with mark.
std::unique_ptr<TVL2Document> FullField(const std::string& mark = "n") {
  const std::string press = bench::TenKeyPresses();
  auto document = bench::FullField<TVL2Document>([&](vl::TMacros& layer) {
    layer.Macro[0] = press;
    layer.Macro[1] = "\xF0\x1C";
    layer.AutoRepeat = 1;
  });
  size_t index = 0;
  for (vl::KeyRef& key : document->Keys) {
    for (vl::TMacros& layer : key->Layers) layer.Note = mark + std::to_string(index);
    ++index;
  }
  return document;
}

// A field whose every key differs from FullField's, for pastes that change all.
std::unique_ptr<TVL2Document> OtherField() { return FullField("o"); }

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

size_t StringHeap(const std::string& text) {
  return text.capacity() > std::string().capacity() ? text.capacity() + 1 : 0;
}

// The bytes of the field's records: each record and the strings it points to.
size_t FieldBytes(const TVL2Document& document) {
  size_t bytes = 0;
  for (const vl::KeyRef& key : document.Keys) {
    if (!key) continue;
    bytes += sizeof(vl::TMacroButton);
    for (const vl::TMacros& layer : key->Layers) {
      bytes += StringHeap(layer.Macro[0]) + StringHeap(layer.Macro[1]) + StringHeap(layer.Note);
    }
  }
  return bytes;
}

void BM_MemcpyFullField(benchmark::State& state) {
  const size_t bytes = FieldBytes(*FullField());
  std::vector<char> from(bytes, 1);
  std::vector<char> to(bytes, 0);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  state.counters["field_MB"] = static_cast<double>(bytes) / 1e6;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_MemcpyFullField)->Unit(benchmark::kMillisecond);

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
  vl::Copy(*OtherField(), clipboard, kAll, Layer(state), prompt);
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

// Undo (undo = true) or redo of one edit of a fresh full field, each timed alone
// while the other runs untimed between them.
void TimeUndoOrRedo(benchmark::State& state, const std::function<void(TVL2Document&)>& edit, bool undo) {
  auto document = FullField();
  edit(*document);
  if (document->History.StepCount() != 1) state.SkipWithError("the edit kept no step");
  for (auto _ : state) {
    if (!undo) {
      state.PauseTiming();
      document->History.Undo();
      state.ResumeTiming();
    }
    if (undo) {
      document->History.Undo();
    } else {
      document->History.Redo();
    }
    if (undo) {
      state.PauseTiming();
      document->History.Redo();
      state.ResumeTiming();
    }
  }
}

// The first undo of an edit of a fresh full field: it makes records of the
// step's bytes, which the undos and redos after it (BM_Undo, BM_Redo) swap.
void TimeFirstUndo(benchmark::State& state, const std::function<void(TVL2Document&)>& edit) {
  for (auto _ : state) {
    state.PauseTiming();
    auto document = FullField();
    edit(*document);
    state.ResumeTiming();
    document->History.Undo();
    state.PauseTiming();
    document.reset();
    state.ResumeTiming();
  }
}

// BM_Undo/<edit>, BM_Redo/<edit> and BM_FirstUndo/<edit> for the edits above,
// whole field selected.
const bool kUndoRedoRegistered = [] {
  static vl::Clipboard clipboard;
  static YesPrompt prompt;
  Copy(*OtherField(), clipboard, kAll, vl::kAllLayers, prompt);
  const std::vector<std::pair<std::string, std::function<void(TVL2Document&)>>> edits = {
      {"Paste/4", [](TVL2Document& d) { vl::Paste(d, clipboard, kAll, vl::kAllLayers, prompt); }},
      {"Clear/0", [](TVL2Document& d) { vl::Clear(d, kAll, 0); }},
      {"Clear/4", [](TVL2Document& d) { vl::Clear(d, kAll, vl::kAllLayers); }},
      {"MoveOneColumn/0", [](TVL2Document& d) { vl::Move(d, kAll, 1, 0, 0, prompt); }},
      {"MoveOneColumn/4", [](TVL2Document& d) { vl::Move(d, kAll, 1, 0, vl::kAllLayers, prompt); }},
      {"InsertColumns/0", [](TVL2Document& d) { vl::InsertColumns(d, {1, 1, 1, vl::kFieldSize}, 0, prompt); }},
      {"InsertColumns/4",
       [](TVL2Document& d) { vl::InsertColumns(d, {1, 1, 1, vl::kFieldSize}, vl::kAllLayers, prompt); }},
      {"DeleteRows/0", [](TVL2Document& d) { vl::DeleteRows(d, {1, 1, vl::kFieldSize, 1}, 0); }},
      {"DeleteRows/4", [](TVL2Document& d) { vl::DeleteRows(d, {1, 1, vl::kFieldSize, 1}, vl::kAllLayers); }},
      {"CopyToLayers", [](TVL2Document& d) { vl::CopyToLayers(d, kAll, 0, {false, true, true, true}, true); }},
  };
  for (const auto& [name, edit] : edits) {
    for (const bool undo : {true, false}) {
      benchmark::RegisterBenchmark(((undo ? "BM_Undo/" : "BM_Redo/") + name).c_str(),
                                   [edit = edit, undo](benchmark::State& state) { TimeUndoOrRedo(state, edit, undo); })
          ->Iterations(kFreshRuns)
          ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark(("BM_FirstUndo/" + name).c_str(),
                                 [edit = edit](benchmark::State& state) { TimeFirstUndo(state, edit); })
        ->Iterations(kFreshRuns)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
