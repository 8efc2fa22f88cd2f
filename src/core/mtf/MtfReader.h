#pragma once
// Reading a Macro Text Format file into a layout (the import).

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/common/Prompt.h"
#include "core/common/Reporter.h"
#include "core/common/TranslatableText.h"
#include "core/document/Document.h"
#include "core/mtf/Convert.h"
#include "core/settings/SettingsStore.h"

namespace vl {

inline constexpr const char* kStatusReadMtf = VL_TEXT("core", "Чтение раскладки в Macro Text Format");
inline constexpr const char* kMtfReadError = VL_TEXT("core", "Ошибка чтения файла.");
inline constexpr const char* kMtfTooLarge = VL_TEXT("core", "Файл больше 2684354560 байт (2,5 ГиБ): такого текста программа не пишет и не читает.");
static_assert(kMaxMtfTextBytes == 2684354560ull, "kMtfTooLarge names the limit");

// Hands a main text to a converter as the program always has: line by line, every
// line closed by CR LF whatever break the text used (CR LF, a lone CR or a lone LF);
// a last line without its break still gets one. The text may come in pieces.
class MtfLineFeed {
 public:
  explicit MtfLineFeed(TConvert& convert) : convert_(convert) {}
  void Add(std::string_view piece);
  // Ends the text and the converter: true when no error occurred.
  bool Finish();

 private:
  // How many characters at the front of the piece are lines closed by CR LF and
  // the line that follows them, up to any other line break; notes whether a line
  // is left open.
  size_t ClosedLines(std::string_view piece);
  void EndLine();
  TConvert& convert_;
  bool lineOpen_ = false;
  bool afterCr_ = false;
};

// Reads the file into the document and the layout-property settings (which change
// at once, as the text sets them). The file is read a piece at a time, so even the
// export of a full field costs little memory; a file larger than kMaxMtfTextBytes
// is refused before it is read. On a reader error the report is shown through the
// prompt (caption "Ошибка") and OperationAbandoned is thrown; what was read before
// the error stays in the document and the settings. A main file that cannot be
// read throws FileReadError. Status text and progress go to the reporter.
void ReadMtf(TDocument& document, const std::string& fileName, SettingsStore& settings,
             IPrompt& prompt, IReporter& reporter);

// Feeds a whole main text to a converter the way ReadMtf does and finishes it.
bool ConvertMtfText(TConvert& convert, std::string_view text);

// The loader of included files from disk: the name as written, relative names
// against the current folder, then its upper-cased form (the language upper-cases
// file names, which only a case-insensitive file system ignores). Only regular
// files are opened; they are read in chunks as the reader needs them.
std::unique_ptr<IIncludeSource> LoadIncludedFile(const std::string& name);

}  // namespace vl
