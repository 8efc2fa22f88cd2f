// Macro Text Format files as large as the export can make them: the reader takes
// whatever the writer produces, reads the main file a piece at a time, and refuses
// a larger file by its size before reading it, naming the bound.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "MtfTestSupport.h"
#include "RecordingReporter.h"
#include "ScriptedPrompt.h"
#include "core/common/FileErrors.h"
#include "core/mtf/MtfWriter.h"
#include "core/text/ScanCode.h"

namespace vl::test {
namespace {

class TempFile {
 public:
  explicit TempFile(const std::string& name)
      : path_(std::filesystem::temp_directory_path() / ("vlat-" + std::to_string(::getpid()) + "-" + name)) {}
  ~TempFile() { std::filesystem::remove(path_); }
  std::string Name() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

// The wordiest 255-byte sequence: each code alone, after an E0 prefix, and pauses.
std::string WordiestSequence() {
  std::string wordiest;
  auto consider = [&](const std::string& sequence) {
    if (MtfSequenceText(sequence).size() > MtfSequenceText(wordiest).size()) wordiest = sequence;
  };
  for (int code = 0; code < 256; ++code) {
    consider(std::string(kMaxSequenceLength, static_cast<char>(code)));
    std::string extended;
    while (extended.size() + 2 <= kMaxSequenceLength) extended += {static_cast<char>(kScanExtended), static_cast<char>(code)};
    consider(extended);
  }
  for (int pause = 0; pause <= 100; ++pause) {
    std::string pauses;
    while (pauses.size() + 2 <= kMaxSequenceLength) pauses += {static_cast<char>(kScanWait), static_cast<char>(kWaitBase + pause)};
    consider(pauses);
  }
  return wordiest;
}

TEST(LargeMtfText, TheExportOfAFullFieldStaysWithinWhatTheReaderTakes) {
  const std::string sequence = WordiestSequence();
  TDocument oneKey;
  auto key = std::make_unique<TMacroButton>();
  key->Func = kFuncMacro;
  for (TMacros& layer : key->Layers) {
    layer.Macro[0] = layer.Macro[1] = sequence;
    layer.AutoRepeat = 1;
    layer.Click = 255;
  }
  oneKey.SetKey(kFieldSize, kFieldSize, std::move(key));
  TDocument cardOnly;
  TMacroButton reader;
  for (TMacros& track : reader.Layers) track.Macro[0] = track.Macro[1] = sequence;
  reader.Layers[0].Click = 0xFF;
  cardOnly.SetCardReader(reader);
  cardOnly.SetTrackMask(0x0F);

  const SettingsStore settings;
  const uint64_t empty = MtfText(TDocument(), settings).size();
  const uint64_t perKey = MtfText(oneKey, settings).size() - empty;
  const uint64_t card = MtfText(cardOnly, settings).size() - empty;
  const uint64_t largest = empty + card + perKey * kFieldCells;
  EXPECT_LE(largest, kMaxMtfTextBytes);
  EXPECT_GT(largest, 64ull << 20);  // what the reader once refused
}

TEST(LargeMtfText, AMainFileIsReadInPiecesBeyondTheOldLimitAndRefusedBeyondTheWritersBound) {
  SettingsStore settings;
  TDocument document;
  ScriptedPrompt prompt;
  RecordingReporter reporter;

  // 65 MiB of a comment (a hole in the file reads as zero bytes), then a command.
  const TempFile big("big.mtf");
  {
    std::ofstream out(big.Name(), std::ios::binary);
    out << "%";
    out.seekp((65 << 20) - 1);
    out << "%\r\n\\layers(2)\r\n";
  }
  ReadMtf(document, big.Name(), settings, prompt, reporter);
  EXPECT_EQ(settings.Get(Setting::LayerCount), 1);
  EXPECT_EQ(reporter.positions.back(), 100);

  const TempFile huge("huge.mtf");
  std::ofstream(huge.Name()).close();
  std::filesystem::resize_file(huge.Name(), kMaxMtfTextBytes + 1);
  try {
    ReadMtf(document, huge.Name(), settings, prompt, reporter);
    ADD_FAILURE() << "a file beyond the bound was read";
  } catch (const FileReadError& error) {
    EXPECT_NE(std::string(error.what()).find(std::to_string(kMaxMtfTextBytes) + " байт"), std::string::npos)
        << error.what();
    EXPECT_NE(std::string(error.what()).find(huge.Name()), std::string::npos);
  }
}

TEST(LargeMtfText, AFifoOrFolderAsTheMainFileIsRefusedWithoutWaiting) {
  SettingsStore settings;
  TDocument document;
  ScriptedPrompt prompt;
  RecordingReporter reporter;
  const TempFile fifo("fifo.mtf");
  ASSERT_EQ(::mkfifo(fifo.Name().c_str(), 0600), 0);
  EXPECT_THROW(ReadMtf(document, fifo.Name(), settings, prompt, reporter), FileReadError);
  EXPECT_THROW(ReadMtf(document, std::filesystem::temp_directory_path().string(), settings, prompt, reporter),
               FileReadError);
}

// The main text split at every byte reads as it does whole: a CR LF cut between
// two pieces is still one line break, and an error has the same place.
TEST(LargeMtfText, PiecesReadAsTheWholeText) {
  const std::string text = "\\layers(3)\r\n\r\n\\key(1,1,0){\\down{\\a}}\r\n\\oops";
  MtfReaderFixture whole;
  const ReadResult expected = whole.Read(text);
  ASSERT_FALSE(expected.ok);
  for (size_t cut = 0; cut <= text.size(); ++cut) {
    TDocument document;
    SettingsStore settings;
    TConvert convert("main.mtf", document, settings, {});
    MtfLineFeed feed(convert);
    feed.Add(std::string_view(text).substr(0, cut));
    feed.Add(std::string_view(text).substr(cut));
    EXPECT_FALSE(feed.Finish());
    EXPECT_EQ(convert.ErrorReport(), expected.report) << "cut at " << cut;
  }
}

}  // namespace
}  // namespace vl::test
