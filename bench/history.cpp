// The edit history over a full field (65 025 macro keys, four layers each):
// undoing and redoing a paste of the whole field, and what the history holds for
// a hundred one-key edits and for one clear of the whole field. Memory is both
// the history's own count (the one its byte bound uses) and the heap the program
// really holds, counted by this executable's operator new.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "FullField.h"
#include "core/document/ApplyRecord.h"
#include "core/document/BlockOps.h"

namespace {

std::atomic<long long> liveBytes{0};

}  // namespace

// Out of line, so the compiler never pairs this new with the free below.
[[gnu::noinline]] void* operator new(size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (!block) throw std::bad_alloc();
  liveBytes += static_cast<long long>(malloc_usable_size(block));
  return block;
}
[[gnu::noinline]] void operator delete(void* block) noexcept {
  if (!block) return;
  liveBytes -= static_cast<long long>(malloc_usable_size(block));
  std::free(block);
}
void operator delete(void* block, size_t) noexcept { operator delete(block); }

namespace {

using vl::TRect;
using vl::TVL2Document;

constexpr TRect kAll{1, 1, vl::kFieldSize, vl::kFieldSize};

class NoPrompt final : public vl::IPrompt {
 public:
  vl::Answer Ask(const std::string&, const std::string&, vl::MessageButtons, vl::MessageIcon) override {
    return vl::Answer::Yes;
  }
  std::optional<std::string> AskPassword(const std::string&, const std::string&) override {
    return std::nullopt;
  }
};

std::unique_ptr<TVL2Document> FullField(const std::string& note) {
  const std::string press = bench::TenKeyPresses();
  return bench::FullField<TVL2Document>([&](vl::TMacros& layer) {
    layer.Macro[0] = press;
    layer.Macro[1] = "\xF0\x1C";
    layer.AutoRepeat = 1;
    layer.Note = note;
  });
}

// A full field with the whole of another full field pasted over it, as one step.
std::unique_ptr<TVL2Document> PastedField() {
  vl::Clipboard clipboard;
  NoPrompt prompt;
  vl::Copy(*FullField("pasted note of the other field"), clipboard, kAll, vl::kAllLayers, prompt);
  auto document = FullField("layer note");
  vl::Paste(*document, clipboard, kAll, vl::kAllLayers, prompt);
  return document;
}

void BM_UndoSelectAllPaste(benchmark::State& state) {
  auto document = PastedField();
  for (auto _ : state) {
    document->History.Undo();
    state.PauseTiming();
    document->History.Redo();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_UndoSelectAllPaste)->Unit(benchmark::kMillisecond);

void BM_RedoSelectAllPaste(benchmark::State& state) {
  auto document = PastedField();
  for (auto _ : state) {
    state.PauseTiming();
    document->History.Undo();
    state.ResumeTiming();
    document->History.Redo();
  }
}
BENCHMARK(BM_RedoSelectAllPaste)->Unit(benchmark::kMillisecond);

// A hundred edits of one key each, as the key function window writes them.
void BM_HundredKeyEdits(benchmark::State& state) {
  for (auto _ : state) {
    auto document = FullField("layer note");
    const long long before = liveBytes;
    vl::TMacroButton record;
    vl::ChangedFlags changed;
    changed.set(vl::ChangedFlag(vl::LayerField::Press, 1));
    for (int edit = 0; edit < 100; ++edit) {
      record.Layers[1].Macro[0] = std::string(1 + edit % 20, static_cast<char>(0x1C + edit % 8));
      vl::ApplyRecord(*document, {1 + edit, 1 + edit / 3, 1 + edit, 1 + edit / 3}, record, changed);
    }
    state.counters["history_kB"] = static_cast<double>(document->History.Bytes()) / 1024;
    state.counters["heap_kB"] = static_cast<double>(liveBytes - before) / 1024;
    state.counters["steps"] = static_cast<double>(document->History.StepCount());
  }
}
BENCHMARK(BM_HundredKeyEdits)->Iterations(1)->Unit(benchmark::kMillisecond);

// What one clear of the whole field keeps, against what it cleared: the heap
// the field's records took (the document's own cell tables are left out on
// both sides).
void BM_SelectAllClear(benchmark::State& state) {
  for (auto _ : state) {
    const long long empty = liveBytes;
    long long tables = 0;
    {
      TVL2Document probe;
      probe.Keys(1, 1);
      probe.Notes(1, 1);
      tables = liveBytes - empty;
    }
    const long long keysTable = tables / 2;
    auto document = FullField("layer note");
    const long long records = liveBytes - empty - keysTable;
    vl::Clear(*document, kAll, vl::kAllLayers);
    const long long history = liveBytes - empty - tables;
    state.counters["cleared_kB"] = static_cast<double>(records) / 1024;
    state.counters["history_heap_kB"] = static_cast<double>(history) / 1024;
    state.counters["history_kB"] = static_cast<double>(document->History.Bytes()) / 1024;
    state.counters["over_cleared_pct"] = 100.0 * static_cast<double>(history - records) / static_cast<double>(records);
  }
}
BENCHMARK(BM_SelectAllClear)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
