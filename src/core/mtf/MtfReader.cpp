#include "core/mtf/MtfReader.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "core/common/FileErrors.h"
#include "core/common/ReadFile.h"
#include "core/text/Cp1251.h"

namespace vl {
namespace {

constexpr size_t kChunkBytes = 64 * 1024;

// A regular file read one buffer at a time.
class FileIncludeSource final : public IIncludeSource {
 public:
  static std::unique_ptr<FileIncludeSource> Open(const std::filesystem::path& path) {
    auto file = RegularFile::Open(path);
    if (!file) return nullptr;
    return std::make_unique<FileIncludeSource>(std::move(*file));
  }
  explicit FileIncludeSource(RegularFile file) : file_(std::move(file)) {}

  std::uintmax_t Size() const { return file_.Size(); }

  std::optional<std::string_view> NextChunk() override {
    const auto got = file_.Read(buffer_);
    if (!got) return std::nullopt;
    return std::string_view(buffer_.data(), *got);
  }

 private:
  RegularFile file_;
  std::array<char, kChunkBytes> buffer_{};
};

FileReadError TooLarge(const std::string& fileName) {
  return FileReadError(WithFileName(kMtfTooLarge, fileName));
}

}  // namespace

void MtfLineFeed::Add(std::string_view piece) {
  while (!piece.empty() && !convert_.Failed()) {
    // Lines already closed by CR LF go to the converter as they are, as many as
    // follow each other, with the open line after them.
    const size_t run = ClosedLines(piece);
    if (run > 0) {
      convert_.Process(piece.substr(0, run));
      afterCr_ = false;
      piece.remove_prefix(run);
      continue;
    }
    const char c = piece.front();
    piece.remove_prefix(1);
    const bool lfOfCrLf = c == '\n' && afterCr_;
    afterCr_ = c == '\r';
    if (!lfOfCrLf) EndLine();
  }
}

size_t MtfLineFeed::ClosedLines(std::string_view piece) {
  size_t end = 0;
  while (true) {
    const std::string_view rest = piece.substr(end);
    const size_t cr = std::min(rest.find('\r'), rest.size());
    const size_t lf = std::min(rest.substr(0, cr).find('\n'), cr);
    if (lf > 0) lineOpen_ = true;
    // A line break other than a whole CR LF ends the run; the caller adds its own.
    if (lf < cr || cr + 1 >= rest.size() || rest[cr + 1] != '\n') return end + lf;
    end += cr + 2;
    lineOpen_ = false;
  }
}

bool MtfLineFeed::Finish() {
  if (lineOpen_ && !convert_.Failed()) EndLine();
  return convert_.Finish();
}

void MtfLineFeed::EndLine() {
  convert_.Process('\r');
  convert_.Process('\n');
  lineOpen_ = false;
}

bool ConvertMtfText(TConvert& convert, std::string_view text) {
  MtfLineFeed feed(convert);
  feed.Add(text);
  return feed.Finish();
}

void ReadMtf(TDocument& document, const std::string& fileName, SettingsStore& settings,
             IPrompt& prompt, IReporter& reporter) {
  ReportScope scope(reporter, kStatusReadMtf);
  const auto source = FileIncludeSource::Open(std::filesystem::path(fileName));
  if (!source) throw FileReadError(WithFileName(kMtfReadError, fileName));
  if (source->Size() > kMaxMtfTextBytes) throw TooLarge(fileName);
  TConvert convert(fileName, document, settings, LoadIncludedFile);
  MtfLineFeed feed(convert);
  uint64_t read = 0;
  while (!convert.Failed()) {
    const auto chunk = source->NextChunk();
    if (!chunk) throw FileReadError(WithFileName(kMtfReadError, fileName));
    if (chunk->empty()) break;
    read += chunk->size();
    // A file that grows while it is read stops at the same bound.
    if (read > kMaxMtfTextBytes) throw TooLarge(fileName);
    feed.Add(*chunk);
    reporter.SetProgress(static_cast<int>(std::min<uint64_t>(100, read * 100 / std::max<uint64_t>(source->Size(), 1))));
  }
  if (!feed.Finish()) {
    prompt.Message(convert.ErrorReport(prompt.Translator()), kCaptionError, MessageIcon::Error);
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
