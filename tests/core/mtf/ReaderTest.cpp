#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "MtfTestSupport.h"

namespace vl::test {
namespace {

class ReaderTest : public ::testing::Test, public MtfReaderFixture {
 protected:
  // The press sequence of layer 0 of the key at (1, 1) after reading a \down body.
  std::string Press(const std::string& body, int layer = 0) {
    auto result = Read("\\key(1,1,MACROS){\\down(" + std::to_string(layer) + "){" + body + "}}");
    EXPECT_TRUE(result.ok) << result.report;
    const TMacroButton* key = Key(1, 1);
    return key ? key->Layers[layer].Macro[0] : "<no key>";
  }
};

TEST_F(ReaderTest, EmptyTextChangesNothing) {
  const SettingsStore before = settings;
  EXPECT_TRUE(Read("").ok);
  EXPECT_TRUE(Read("  % only a comment %\r\n\r\n").ok);
  for (int column = 1; column <= kFieldSize; ++column) {
    for (int row = 1; row <= kFieldSize; ++row) ASSERT_EQ(Key(column, row), nullptr);
  }
  EXPECT_EQ(settings.Get(Setting::LayerCount), before.Get(Setting::LayerCount));
  EXPECT_FALSE(document.Modified);
}

TEST_F(ReaderTest, TextOutsideCommandsShowsTheLetterAsWrittenAndItsCode) {
  auto result = Read("\r\n  abc");
  EXPECT_EQ(result.error, 73);
  EXPECT_EQ(result.report,
            "Файл MAIN.MTF, строка 2, столбец 3\r\nОшибка 73. Неизвестный символ a (ASCII:97)");
}

TEST_F(ReaderTest, ErrorsAtTheEndOfTheText) {
  auto comment = Read("\\layers(2) % never closed");
  EXPECT_EQ(comment.error, 69);
  EXPECT_EQ(comment.report,
            "Файл MAIN.MTF, строка 2, столбец 0\r\nОшибка 69. Отсутствует закрытие комментария");
  EXPECT_EQ(Read("\\layers(2").error, 59);
  EXPECT_EQ(Read("\\key(1,1,0){\\down{\\a}").error, 53);
}

TEST_F(ReaderTest, EnvironmentOpeningRules) {
  // "{" on the line after the parameter list still belongs to \down.
  EXPECT_EQ(Press("}\\down(0)\r\n  % c %\r\n{\\b"), "\x32\xF0\x32");
  EXPECT_EQ(Read("{").error, 71);
  EXPECT_EQ(Read("\\key(1,1,0){}{").error, 71);
  EXPECT_EQ(Read("\\layers(2){").error, 64);
  EXPECT_EQ(Read("}").error, 73);
  EXPECT_EQ(Read("\\key(1,1,0){\\key(2,2,0)").error, 58);
  EXPECT_EQ(Read("\\down(0)").error, 60);
  EXPECT_EQ(Read("\\key(1,1,0){\\lrc}").error, 61);
  EXPECT_EQ(Read("\\key(1,1,0){\\a}").error, 63);
}

TEST_F(ReaderTest, NestingIsLimitedToThirtyEnvironments) {
  std::string deep = "\\key(1,1,0){";
  for (int i = 1; i < 30; ++i) deep += "\\down{";
  EXPECT_EQ(Read(deep).error, 60);  // \down inside \down: placement first
  std::string tooDeep = "\\mcreader{";
  for (int i = 1; i < 31; ++i) tooDeep += "\\include(x){";
  EXPECT_EQ(Read(tooDeep).error, 2);
}

TEST_F(ReaderTest, ModifiersAndRepeatCounts) {
  EXPECT_EQ(Press("\\a(0)"), "");
  EXPECT_EQ(Press("\\^a"), "\xF0\x1C");
  EXPECT_EQ(Press("\\_a"), "\x1C");
  EXPECT_EQ(Press("\\^_a \\_^a"), "\x1C\xF0\x1C\x1C\xF0\x1C");
  EXPECT_EQ(Press("\\a(3)"), "\x1C\xF0\x1C\x1C\xF0\x1C\x1C\xF0\x1C");
  EXPECT_EQ(Press("\\_rightalt,a"), "\xE0\x11\x1C\xF0\x1C");
  EXPECT_EQ(Read("\\key(1,1,0){\\down{\\^^a").error, 72);
  EXPECT_EQ(Read("\\key(1,1,0){\\down{\\^^a").report,
            "Файл MAIN.MTF, строка 1, столбец 21\r\nОшибка 72. Дублирование символа ^ (ASCII:94)");
  EXPECT_EQ(Read("\\^key(1,1,0)").error, 56);
  EXPECT_EQ(Read("\\key(1,1,0){\\down{\\a(256)").error, 66);
}

TEST_F(ReaderTest, WaitTextAndSequenceLimit) {
  EXPECT_EQ(Press("\\wait"), "\xFF\x52");
  EXPECT_EQ(Press("\\wait(15)"), "\xFF\x5F");
  EXPECT_EQ(Press("\\text(a b)"), "\x1C\xF0\x1C\x29\xF0\x29\x32\xF0\x32");
  EXPECT_EQ(Press("\\_text(`[)"), "\x0E\x54");
  EXPECT_EQ(Read("\\key(1,1,0){\\down{\\text(a!)}}").error, 55);
  // 85 pairs of three bytes fill 255 bytes; one more is refused.
  EXPECT_EQ(Press("\\a(85)").size(), 255u);
  EXPECT_EQ(Read("\\key(1,1,0){\\down{\\a(85) \\wait}}").error, 67);
}

TEST_F(ReaderTest, NumbersConstantsAndParameterLists) {
  ASSERT_TRUE(Read("\\key($1F, 0x1F, macros){} \\key(x20, 2, MACROS){}").ok);
  EXPECT_NE(Key(31, 31), nullptr);
  EXPECT_NE(Key(32, 2), nullptr);
  EXPECT_EQ(Read("\\layers()").error, 70);
  EXPECT_EQ(Read("\\layers(,2)").error, 54);
  EXPECT_EQ(Read("\\layers(two)").error, 59);
  EXPECT_EQ(Read("\\layers(5)").error, 66);
  EXPECT_EQ(Read("\\layers(99999999999)").error, 59);
  EXPECT_EQ(Read("\\layers(1,2)").error, 57);
  std::string many = "\\label(";
  for (int i = 0; i < 100; ++i) many += "x,";
  EXPECT_EQ(Read(many + "x)").error, 57);
  EXPECT_EQ(Read("\\nosuch").error, 55);
  EXPECT_EQ(Read("\\layers(2 % comment %)").error, 0);
  EXPECT_EQ(Read("\\layers(2\r\n)").error, 0);
}

TEST_F(ReaderTest, KeyFunctionsBeepAndAutorepeat) {
  ASSERT_TRUE(Read("\\key(2,3,INCLAYER){\\down(0){\\a}\\autorepeat(1)\\beep(4)}"
                   "\\key(4,4,MACROS){\\beep(3,1,2)\\autorepeat}"
                   "\\key(5,5,0){\\beep}")
                  .ok);
  TMacroButton incLayer;
  incLayer.Func = kFuncLayerUp;
  incLayer.Layers[1].AutoRepeat = 1;
  EXPECT_EQ(*Key(2, 3), incLayer);
  const TMacroButton& beeps = *Key(4, 4);
  EXPECT_EQ(beeps.Layers[0].Click, 0);
  EXPECT_EQ(beeps.Layers[1].Click, 3);
  EXPECT_EQ(beeps.Layers[2].Click, 3);
  EXPECT_EQ(beeps.Layers[3].Click, 0);
  for (const auto& layer : beeps.Layers) EXPECT_EQ(layer.AutoRepeat, 1);
  for (const auto& layer : Key(5, 5)->Layers) EXPECT_EQ(layer.Click, 2);
}

TEST_F(ReaderTest, MoveRectAndTheFieldEdge) {
  ASSERT_TRUE(Read("\\moverect(2, 3)\\key(1,1,MACROS){}").ok);
  ASSERT_NE(Key(3, 4), nullptr);
  EXPECT_EQ(Key(3, 4)->Func, kFuncMacro);
  auto outside = Read("\\moverect(1,1)\\key(255,1,MACROS){}");
  EXPECT_EQ(outside.error, 66);
  EXPECT_EQ(Read("\\moverect(250,1)\\standardkey(6,1,A)").error, 66);
}

TEST_F(ReaderTest, StandardKey) {
  ASSERT_TRUE(Read("\\standardkey(7, 8, home)").ok);
  const TMacroButton& key = *Key(7, 8);
  EXPECT_EQ(key.Func, kFuncMacro);
  for (const auto& layer : key.Layers) {
    EXPECT_EQ(layer.Macro[0], "\xE0\x6C");
    EXPECT_EQ(layer.Macro[1], "\xE0\xF0\x6C");
    EXPECT_EQ(layer.AutoRepeat, 1);
    EXPECT_EQ(layer.Click, 0);
  }
  EXPECT_EQ(Read("\\standardkey(1,1,key)").error, 59);
}

TEST_F(ReaderTest, CardReaderAndLayoutProperties) {
  ASSERT_TRUE(Read("\\layout(3, TRUE, 16, UKRAINIAN, FALSE)"
                   "\\mcreader(2,4){\\header(2){\\a}\\terminator{\\enter}\\lrc}")
                  .ok);
  EXPECT_EQ(settings.Get(Setting::LayerCount), 2);
  EXPECT_EQ(settings.Get(Setting::CorrectLock), 1);
  EXPECT_EQ(settings.Get(Setting::Ibd), 15);
  EXPECT_EQ(settings.Get(Setting::Layout), 2);
  EXPECT_EQ(settings.Get(Setting::Buffered), 0);
  EXPECT_EQ(document.TrackMask, 0x0A);
  EXPECT_TRUE(document.Modified);
  EXPECT_EQ(document.CardReader.Func, kFuncNone);
  EXPECT_EQ(document.CardReader.Layers[1].Macro[0], "\x1C\xF0\x1C");
  EXPECT_EQ(document.CardReader.Layers[0].Macro[0], "");
  for (const auto& block : document.CardReader.Layers) {
    EXPECT_EQ(block.Macro[1], "\x5A\xF0\x5A");
    EXPECT_EQ(block.Click, kCardOutputLrc);
  }
  // The settings change at once and stay when a later error abandons the text.
  EXPECT_EQ(Read("\\layers(1)\\keybuff\\autocorrectlock\\ibd(2) \\oops").error, 55);
  EXPECT_EQ(settings.Get(Setting::LayerCount), 0);
  EXPECT_EQ(settings.Get(Setting::Buffered), 1);
  EXPECT_EQ(settings.Get(Setting::Ibd), 1);
}

TEST_F(ReaderTest, WhatWasReadBeforeAnErrorStays) {
  EXPECT_EQ(Read("\\key(1,1,DECLAYER)\\key(2,1,0){\\down{\\a}\\oops}").error, 55);
  ASSERT_NE(Key(1, 1), nullptr);
  EXPECT_EQ(Key(2, 1), nullptr);
}

TEST_F(ReaderTest, SecondLayoutAlsoAcrossAnInclude) {
  files["props.mtf"] = "\\layout(1,0,1,0,0)\r\n";
  EXPECT_EQ(Read("\\layout(1,0,1,0,0) \\layout(1,0,1,0,0)").error, 74);
  auto result = Read("\\include(props.mtf)\r\n\\layout(2,0,1,0,0)");
  EXPECT_EQ(result.error, 74);
  EXPECT_EQ(result.report, "Файл MAIN.MTF, строка 2, столбец 18\r\nОшибка 74. Дублирование команды");
}

// An error in an included file names that file with its own line and column, then
// every file that includes it with the place of its \include.
TEST_F(ReaderTest, IncludedFiles) {
  files["keys.mtf"] = "\\key(1,1,0){\\down{\\a}}\r\n\\include(more.mtf)\r\n";
  files["more.mtf"] = "\r\n\r\n  \\key(2,1,0){\\down{\\b}}\\oops \r\n";
  auto result = Read("% main %\r\n   \\include(keys.mtf)\r\n");
  EXPECT_EQ(result.error, 55);
  EXPECT_EQ(result.report,
            "Файл MORE.MTF, строка 3, столбец 30\r\n"
            "Включён из файла KEYS.MTF, строка 2, столбец 18\r\n"
            "Включён из файла MAIN.MTF, строка 2, столбец 21\r\n"
            "Ошибка 55. Неизвестная команда");
  EXPECT_NE(Key(1, 1), nullptr);
  EXPECT_NE(Key(2, 1), nullptr);

  // Columns start again on every line of an included file too.
  files["more.mtf"] = "\\layers(2)\r\nx";
  EXPECT_EQ(Read("\\include(more.mtf)").report,
            "Файл MORE.MTF, строка 2, столбец 1\r\n"
            "Включён из файла MAIN.MTF, строка 1, столбец 18\r\n"
            "Ошибка 73. Неизвестный символ x (ASCII:120)");

  files["self.mtf"] = "\\include(self.mtf)";
  result = Read("\\include(self.mtf)");
  EXPECT_EQ(result.error, 4);
  EXPECT_NE(result.report.find("Циклическая ссылка в файле [SELF.MTF]"), std::string::npos);

  EXPECT_EQ(Read("\\include(missing.mtf)").report,
            "Файл MAIN.MTF, строка 1, столбец 21\r\nОшибка 2. Ошибка чтения файла [MISSING.MTF]");
}

TEST_F(ReaderTest, TwentyFirstNestedIncludeOverflowsTheFileStack) {
  for (int i = 1; i <= 21; ++i) {
    files["f" + std::to_string(i)] = "\\include(f" + std::to_string(i + 1) + ")";
  }
  files["f21"] = "";
  auto result = Read("\\include(f1)");
  EXPECT_EQ(result.error, 3);  // f20 is the 21st open file and may not include f21
  EXPECT_NE(result.report.find("Переполнения стека файлов"), std::string::npos);
  files["f20"] = "\\layers(2)";
  EXPECT_TRUE(Read("\\include(f1)").ok);
}

// 18 files of four \include lines each would make 4^17 openings of the last one.
TEST_F(ReaderTest, IncludeBombStopsAtTheFileLimit) {
  for (int i = 1; i < 18; ++i) {
    const std::string line = "\\include(b" + std::to_string(i + 1) + ")\r\n";
    files["b" + std::to_string(i)] = line + line + line + line;
  }
  files["b18"] = "\\layers(2)\r\n";
  auto result = Read("\r\n\\include(b1)\r\n");
  EXPECT_EQ(result.error, 5);
  EXPECT_TRUE(result.report.ends_with("Ошибка 5. Превышено число включаемых файлов (1000)")) << result.report;
  EXPECT_EQ(Read("\\include(b16)", "main.mtf", {.Files = 21}).error, 0);  // 1 + 4 + 16 files
  EXPECT_EQ(Read("\\include(b16)", "main.mtf", {.Files = 20}).error, 5);
}

TEST_F(ReaderTest, DeepLevelsOfLargeFilesStopAtTheByteLimit) {
  const std::string filler = "%" + std::string(998, 'x') + "%";
  for (int i = 1; i <= 19; ++i) {
    files["d" + std::to_string(i)] = "\\include(d" + std::to_string(i + 1) + ")\r\n" + filler;
  }
  files["d20"] = filler;
  uint64_t total = 0;
  for (const auto& [name, text] : files) total += text.size();
  EXPECT_TRUE(Read("\\include(d1)", "main.mtf", {.Bytes = total}).ok);
  auto result = Read("\\include(d1)", "main.mtf", {.Bytes = total - 1});
  EXPECT_EQ(result.error, 6);
  // The byte refused is the last one of d1, after its line of filler.
  EXPECT_EQ(result.report,
            "Файл D1, строка 2, столбец 999\r\n"
            "Включён из файла MAIN.MTF, строка 1, столбец 12\r\n"
            "Ошибка 6. Превышен объем включаемых файлов (" + std::to_string(total - 1) +
                " байт)");
}

// A file whose reading fails after its first chunk.
class FailingSource final : public IIncludeSource {
 public:
  std::optional<std::string_view> NextChunk() override {
    if (served_) return std::nullopt;
    served_ = true;
    return std::string_view("\\layers(2)\r\n\\lay");
  }

 private:
  bool served_ = false;
};

TEST_F(ReaderTest, IncludedFileFailingMidwayIsAReadError) {
  TConvert convert("main.mtf", document, settings,
                   [](const std::string&) { return std::make_unique<FailingSource>(); });
  EXPECT_FALSE(ConvertMtfText(convert, "\\include(part.mtf)"));
  EXPECT_EQ(convert.ErrorReport(),
            "Файл PART.MTF, строка 2, столбец 4\r\n"
            "Включён из файла MAIN.MTF, строка 1, столбец 18\r\n"
            "Ошибка 2. Ошибка чтения файла [PART.MTF]");
  EXPECT_EQ(settings.Get(Setting::LayerCount), 1);  // what came before the failure stays
}

// Included files come from disk a buffer at a time; a command may span two buffers.
TEST_F(ReaderTest, IncludedFileFromDiskReadsAcrossItsBuffers) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("vlat-include-" + std::to_string(::getpid()) + ".mtf");
  std::string text = "%" + std::string(65536 - 8, ' ') + "% \\key(3,4,1)\r\n";
  text += "\\key(5,6,2)";
  std::ofstream(path, std::ios::binary) << text;
  TConvert convert("main.mtf", document, settings, LoadIncludedFile);
  EXPECT_TRUE(ConvertMtfText(convert, "\\include(" + path.string() + ")")) << convert.ErrorReport();
  std::filesystem::remove(path);
  ASSERT_NE(Key(3, 4), nullptr);
  EXPECT_EQ(Key(3, 4)->Func, 1);
  ASSERT_NE(Key(5, 6), nullptr);
  EXPECT_EQ(Key(5, 6)->Func, 2);
}

}  // namespace
}  // namespace vl::test

namespace vl::test {
namespace {

// Texts that reach every way the reader takes a command whole (each character
// that ends a name, parameter lists, comments) and every way it leaves the text
// to the character steps (names and lists cut by a line break, a comment or the
// end of a piece, modifiers inside a name), with errors among them.
const std::vector<std::string>& PieceTexts() {
  static const std::vector<std::string> texts = {
      "\\layers(3)  % one %\r\n\\key(1, 2, MACROS){ %two\rlines% \\down(0, 2){\\a \\^shift _b\\wait(3)}\n"
      "\\up{\\text(Ab1)}\\autorepeat(1)}\r\n\\key(3,4,tolayer2)",
      "\\key(1,1,0){\\down{\\a \\bb}}",
      "\\key(1,1,0){\\down{\\a\\b  }} % open",
      "  \\layout(2, FALSE,\r\n 3, RUSSIAN, 1)\r\n\\layout(1,0,1,0,0)",
      "\\key(1,1,0){\\down{\\a^^}}",
      "\\key(1,1,0){\\down(1,3){\\A,b%c%\\_C\\^c\\Q(2)\\w(%two%2)\\e(\r\n3)}\\up{\\r}}\\key(2,2,0){}",
      "\\key(1,1,0){\\down{\\a\t\\b\r\n\\c\n\\d\r\\e\n\r\\f}}\\KEY(4,4,TOLAYER1)",
      "\\key(1,1,0){\\down{\\a_b \\_^c \\^_d \\__e}}",
      "\\key(1,1,0){\\down{\\a \\b \\nosuch \\c}}",
      "\\key(1,1,0){\\down{\\a}}\r\n\\key(2,1,0){\\down{\\a(0)}",
      "\\layers(2)\\IBD(3)\\KeyBuff\\autocorrectlock\\ibd(4)\n\\layers(1)\r\\layers(2)\\Layers()",
      "\\key(1,1,0){\\down{\\Sqbracketclose \\autocorrectlockxy}}",
      "\\key(1,1,0){\\down{\\a{}}}",
      "\\ ",
      "\\(1)",
      "\\key(1,1,0){\\down{\\a}\\up{\\b}}}",
      "\\mcreader(1,2){\\header(1){\\a}\\terminator(2){\\b}\\lrc}\\key(5,5,0){\\down{\\a(3)}}",
      // Runs of plain names, ended every way, and one that outgrows its sequence.
      "\\key(1,1,0){\\up(1,3){\\a \\b\t\\c\r\\d %x% \\e \\wait \\f \\_g \\h}\\down{ \\a \\b}}",
      "\\key(1,1,0){\\down(0,2){" + [] {
        std::string names;
        for (int i = 0; i < 86; ++i) names += "\\a ";
        return names;
      }() + "}}",
  };
  return texts;
}

void ExpectSameKeys(const TDocument& expected, const TDocument& actual, const std::string& text) {
  for (size_t index = 0; index < kFieldCells; ++index) {
    const TMacroButton* a = expected.Keys.At(index).get();
    const TMacroButton* b = actual.Keys.At(index).get();
    ASSERT_EQ(a == nullptr, b == nullptr) << text;
    if (a) {
      EXPECT_EQ(*a, *b) << text;
    }
  }
  EXPECT_EQ(expected.CardReader, actual.CardReader) << text;
}

// The reader takes a line's plain stretches (names, blanks, comments, parameter
// lists) whole; a text given a character at a time must read the same, to the
// line and column of an error.
TEST(ReaderPieces, ACharacterAtATimeReadsAsTheWholeText) {
  for (const std::string& text : PieceTexts()) {
    MtfReaderFixture whole;
    const ReadResult expected = whole.Read(text);
    MtfReaderFixture pieces;
    TConvert convert("main.mtf", pieces.document, pieces.settings, {});
    MtfLineFeed feed(convert);
    for (const char c : text) feed.Add(std::string_view(&c, 1));
    EXPECT_EQ(feed.Finish(), expected.ok) << text;
    EXPECT_EQ(convert.ErrorReport(), expected.report) << text;
    ExpectSameKeys(whole.document, pieces.document, text);
  }
}

// An included file that comes a byte at a time.
class ByteSource final : public IIncludeSource {
 public:
  explicit ByteSource(std::string_view text) : rest_(text) {}
  std::optional<std::string_view> NextChunk() override {
    const std::string_view chunk = rest_.substr(0, 1);
    rest_.remove_prefix(chunk.size());
    return chunk;
  }

 private:
  std::string_view rest_;
};

// Included files are read chunk by chunk as they come, their line breaks as they
// are: any chunking reads alike, and an error names the same place.
TEST(ReaderPieces, AnIncludedFileReadAByteAtATimeReadsAsTheWholeFile) {
  const std::string main = "\\key(9,9,0){}\\include(inc)\r\n\\layers(2)";
  for (const std::string& text : PieceTexts()) {
    MtfReaderFixture whole;
    whole.files["inc"] = text;
    const ReadResult expected = whole.Read(main);
    MtfReaderFixture pieces;
    TConvert convert("main.mtf", pieces.document, pieces.settings,
                     [&text](const std::string&) { return std::make_unique<ByteSource>(text); });
    EXPECT_EQ(ConvertMtfText(convert, main), expected.ok) << text;
    EXPECT_EQ(convert.ErrorReport(), expected.report) << text;
    ExpectSameKeys(whole.document, pieces.document, text);
  }
}

}  // namespace
}  // namespace vl::test
