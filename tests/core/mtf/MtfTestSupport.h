#pragma once
// Reading Macro Text Format from strings, with included files kept in memory.

#include <map>
#include <memory>
#include <string>

#include "core/document/Document.h"
#include "core/mtf/Convert.h"
#include "core/mtf/MtfLoss.h"
#include "core/mtf/MtfReader.h"
#include "core/settings/SettingsStore.h"

namespace vl::test {

inline MtfLoss Loss(int column, int row, int layer, MtfLossKind kind, std::string codes = {}, int value = 0,
                    int written = 0) {
  return MtfLoss{column, row, layer, kind, std::move(codes), value, written};
}

struct ReadResult {
  bool ok = false;
  int error = 0;
  std::string report;  // the message box text
};

class MtfReaderFixture {
 public:
  std::map<std::string, std::string> files;  // included files by name as written
  TDocument document;
  SettingsStore settings;

  ReadResult Read(const std::string& text, const std::string& fileName = "main.mtf",
                  IncludeLimits limits = {}) {
    TConvert convert(
        fileName, document, settings,
        [this](const std::string& name) -> std::unique_ptr<IIncludeSource> {
          auto it = files.find(name);
          if (it == files.end()) return nullptr;
          return std::make_unique<TextIncludeSource>(it->second);
        },
        limits);
    ReadResult result;
    result.ok = ConvertMtfText(convert, text);
    result.error = convert.ErrorNumber();
    result.report = convert.ErrorReport();
    return result;
  }

  // The key at (column, row) or a null pointer.
  const TMacroButton* Key(int column, int row) const { return document.GetKey(column, row); }
};

}  // namespace vl::test
