#include "core/mtf/MtfReader.h"

#include <filesystem>

#include "core/common/FileErrors.h"
#include "core/common/ReadFile.h"
#include "core/text/Cp1251.h"

namespace vl {
namespace {

// The text of a file and of each included one is read whole. A full field with
// long sequences exports to some ten megabytes; larger texts are not layouts.
constexpr std::uintmax_t kMaxMtfFileBytes = 64u << 20;

}  // namespace

bool ConvertMtfText(TConvert& convert, std::string_view text,
                    const std::function<void(int)>& onProgress) {
  int shown = -1;
  bool lineOpen = false;
  auto endLine = [&](size_t position) {
    convert.Process('\r');
    convert.Process('\n');
    lineOpen = false;
    if (onProgress && !text.empty()) {
      const int percent = static_cast<int>(position * 100 / text.size());
      if (percent != shown) onProgress(shown = percent);
    }
  };
  // A line ends at CR LF, at a lone CR or at a lone LF; a last line without its
  // break still gets one.
  for (size_t i = 0; i < text.size() && !convert.Failed(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      endLine(i);
    } else {
      convert.Process(c);
      lineOpen = true;
    }
  }
  if (lineOpen && !convert.Failed()) endLine(text.size());
  return convert.Finish();
}

void ReadMtf(TDocument& document, const std::string& fileName, SettingsStore& settings,
             IPrompt& prompt, IReporter& reporter) {
  ReportScope scope(reporter, "Чтение раскладки в Macro Text Format");
  const auto text = ReadRegularFile(std::filesystem::path(fileName), kMaxMtfFileBytes);
  if (!text) throw FileReadError(WithFileName("Ошибка чтения файла.", fileName));
  TConvert convert(fileName, document, settings, LoadIncludedFile);
  if (!ConvertMtfText(convert, *text, [&](int percent) { reporter.SetProgress(percent); })) {
    prompt.Message(convert.ErrorReport(), kCaptionError, MessageIcon::Error);
    throw OperationAbandoned();
  }
}

std::optional<std::string> LoadIncludedFile(const std::string& name) {
  if (auto bytes = ReadRegularFile(std::filesystem::path(name), kMaxMtfFileBytes)) return bytes;
  const auto cp = Utf8ToCp1251(name);
  if (!cp) return std::nullopt;
  const std::string upper = Cp1251ToUtf8(Cp1251ToUpper(*cp));
  if (upper == name) return std::nullopt;
  return ReadRegularFile(std::filesystem::path(upper), kMaxMtfFileBytes);
}

}  // namespace vl
