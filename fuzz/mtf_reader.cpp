// The Macro Text Format reader on arbitrary text: it must end with a result or an
// error, never crash, hang or write outside the field. Every included file holds
// the input itself, so nested and cyclic includes are exercised as well. The text
// is read once whole and once in pieces cut where the first byte says, as a file
// is read; both must end alike, with the same report.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "core/mtf/Convert.h"
#include "core/mtf/MtfReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const auto loader = [&text](const std::string& name) -> std::unique_ptr<vl::IIncludeSource> {
    if (name.empty() || name[0] == 'N') return nullptr;
    return std::make_unique<vl::TextIncludeSource>(text);
  };
  vl::TDocument document;
  vl::SettingsStore settings;
  vl::TConvert convert("fuzz.mtf", document, settings, loader);
  const bool ok = vl::ConvertMtfText(convert, text);
  if (ok == convert.Failed()) __builtin_trap();
  if (!ok && convert.ErrorReport().empty()) __builtin_trap();

  vl::TDocument piecesDocument;
  vl::SettingsStore piecesSettings;
  vl::TConvert pieces("fuzz.mtf", piecesDocument, piecesSettings, loader);
  vl::MtfLineFeed feed(pieces);
  const size_t step = size > 0 ? 1 + data[0] % 7 : 1;
  for (size_t at = 0; at < size; at += step) feed.Add(std::string_view(text).substr(at, step));
  if (feed.Finish() != ok || pieces.ErrorReport() != convert.ErrorReport()) __builtin_trap();
  for (const auto& block : document.CardReader.Layers) {
    if (block.Macro[0].size() > vl::kMaxSequenceLength || block.Macro[1].size() > vl::kMaxSequenceLength) {
      __builtin_trap();
    }
  }
  return 0;
}
