// Initialisation files of unusual size: a catalogue of 20 000 device sections
// asked for every type's model, and a template list of 50 000 entries.

#include <benchmark/benchmark.h>

#include <string>

#include "core/catalogue/DeviceCatalogue.h"
#include "core/catalogue/IniFile.h"
#include "core/catalogue/Templates.h"

namespace {

constexpr int kSections = 20000;
constexpr int kTemplates = 50000;

std::string LargeCatalogue() {
  std::string text;
  for (int type = 0; type < kSections; ++type) {
    text += "[" + vl::DeviceSectionName(static_cast<uint16_t>(type)) +
            "]\r\nAbout=model\r\nKeys=12\r\nWidth=4\r\nHeight=3\r\nMemory=2048\r\nFile=K12.DEC\r\n"
            "Check=CS\r\nIsImage=1\r\nImageKeyWidth=1700\r\nImageKeyHeight=1700\r\n";
  }
  return text;
}

void BM_CatalogueOf20000Sections(benchmark::State& state) {
  const std::string text = LargeCatalogue();
  for (auto _ : state) {
    const vl::DeviceCatalogue catalogue{vl::IniFile(text)};
    int memory = 0;
    for (const uint16_t type : catalogue.Types()) memory += catalogue.Model(type).Memory;
    benchmark::DoNotOptimize(memory);
  }
}
BENCHMARK(BM_CatalogueOf20000Sections)->Unit(benchmark::kMillisecond);

void BM_TemplateListOf50000Entries(benchmark::State& state) {
  std::string text = "[Templates]\r\n";
  for (int i = 0; i < kTemplates; ++i) text += "Layout " + std::to_string(i) + "=FILE" + std::to_string(i) + "\r\n";
  for (auto _ : state) {
    const auto entries = vl::IniFile(text).SectionValues(vl::kTemplateSection);
    benchmark::DoNotOptimize(entries.data());
  }
}
BENCHMARK(BM_TemplateListOf50000Entries)->Unit(benchmark::kMillisecond);

}  // namespace
