#include "core/mtf/MtfReader.h"

#include <array>
#include <filesystem>
#include <fstream>

#include "core/common/FileErrors.h"
#include "core/common/ReadFile.h"
#include "core/text/Cp1251.h"

namespace vl {
namespace {

// A regular file read one buffer at a time.
class FileIncludeSource final : public IIncludeSource {
 public:
  static std::unique_ptr<IIncludeSource> Open(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return nullptr;
    auto source = std::make_unique<FileIncludeSource>();
    source->in_.open(path, std::ios::binary);
    if (!source->in_) return nullptr;
    return source;
  }

  std::optional<std::string_view> NextChunk() override {
    if (in_.eof()) return std::string_view();
    in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    if (in_.bad() || (in_.fail() && !in_.eof())) return std::nullopt;
    return std::string_view(buffer_.data(), static_cast<size_t>(in_.gcount()));
  }

 private:
  std::ifstream in_;
  std::array<char, 64 * 1024> buffer_{};
};

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
  const auto text = ReadRegularFile(std::filesystem::path(fileName));
  if (!text) throw FileReadError(WithFileName("Ошибка чтения файла.", fileName));
  TConvert convert(fileName, document, settings, LoadIncludedFile);
  if (!ConvertMtfText(convert, *text, [&](int percent) { reporter.SetProgress(percent); })) {
    prompt.Message(convert.ErrorReport(), kCaptionError, MessageIcon::Error);
    throw OperationAbandoned();
  }
}

std::unique_ptr<IIncludeSource> LoadIncludedFile(const std::string& name) {
  if (auto source = FileIncludeSource::Open(std::filesystem::path(name))) return source;
  const auto cp = Utf8ToCp1251(name);
  if (!cp) return nullptr;
  const std::string upper = Cp1251ToUtf8(Cp1251ToUpper(*cp));
  if (upper == name) return nullptr;
  return FileIncludeSource::Open(std::filesystem::path(upper));
}

}  // namespace vl
