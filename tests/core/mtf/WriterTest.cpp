#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/common/FileErrors.h"
#include "core/mtf/MtfWriter.h"
#include "core/text/Cp1251.h"
#include "MtfTestSupport.h"
#include "ScriptedPrompt.h"

namespace vl::test {
namespace {

const char* const kHeader =
    "%\r\n"
    "    Ostrel Velmorando AT\r\n"
    "    www.ostrel.example\r\n"
    "___________________________________________________\r\n"
    "%\r\n"
    "\r\n"
    "\\layout(1, %установка количества уровней раскладки%\r\n"
    "        FALSE, %автокоррекция Num и Caps Lock%\r\n"
    "        1, %интервал межу посылаемыми SCAN-кодами%\r\n"
    "        ENGLISH, %язык раскладки%\r\n"
    "        FALSE) %буферизация нажатых клавиш%\r\n";

class WriterTest : public ::testing::Test {
 protected:
  WriterTest() {
    for (Setting setting : {Setting::LayerCount, Setting::Ibd, Setting::CorrectLock,
                            Setting::Buffered, Setting::Layout}) {
      settings.Set(setting, 0);
    }
  }
  std::string Text() { return Cp1251ToUtf8(MtfText(document, settings)); }

  TDocument document;
  SettingsStore settings;
};

TEST_F(WriterTest, EmptyLayoutIsHeaderAndProperties) {
  EXPECT_EQ(Text(), kHeader);
  // A card reader with tracks but nothing else is not written.
  document.TrackMask = 0x0F;
  EXPECT_EQ(Text(), kHeader);
  settings.Set(Setting::LayerCount, 3);
  settings.Set(Setting::Ibd, 15);
  settings.Set(Setting::CorrectLock, 1);
  settings.Set(Setting::Buffered, 1);
  settings.Set(Setting::Layout, 1);
  EXPECT_EQ(Text().substr(std::string(kHeader).find("\\layout")),
            "\\layout(4, %установка количества уровней раскладки%\r\n"
            "        TRUE, %автокоррекция Num и Caps Lock%\r\n"
            "        16, %интервал межу посылаемыми SCAN-кодами%\r\n"
            "        RUSSIAN, %язык раскладки%\r\n"
            "        TRUE) %буферизация нажатых клавиш%\r\n");
}

TEST_F(WriterTest, SmallLayoutWithCardReader) {
  document.TrackMask = 0x0A;
  document.CardReader.Layers[1].Macro[0] = "\x1C\xF0\x1C";
  document.CardReader.Layers[3].Macro[1] = "\x5A\xF0\x5A";
  for (auto& block : document.CardReader.Layers) block.Click = kCardOutputStartStop | kCardOutputLrc;
  auto macro = std::make_unique<TMacroButton>();
  macro->Func = kFuncMacro;
  macro->Layers[0].Macro[0] = "\x1C\xF0\x1C\xFF\x52";
  macro->Layers[0].AutoRepeat = 1;
  macro->Layers[2].Macro[1] = "\xE0\x6C\xE0\xF0\x6C\x6C\xF0\x6C";
  macro->Layers[2].Click = 3;
  macro->Layers[3].Click = 1;  // 0 and 1 are both "no click" in the text
  document.SetKey(3, 2, std::move(macro));
  auto layerKey = std::make_unique<TMacroButton>();
  layerKey->Func = kFuncGoToLayer0 + 2;
  layerKey->Layers[0].Macro[0] = "\x1C";
  document.SetKey(3, 1, std::move(layerKey));
  auto noFunction = std::make_unique<TMacroButton>();
  noFunction->Layers[0].Macro[0] = "\x1C";
  document.SetKey(1, 1, std::move(noFunction));

  EXPECT_EQ(Text(), std::string(kHeader) +
                        "\r\n"
                        "\\mcreader(2, 4){ %включение дорожек номер 2, 4%\r\n"
                        "  \\header(2){ %заголовок 2-й дорожки%\r\n"
                        "   \\a  }\r\n"
                        "  \\terminator(4){ %разделитель 4-й дорожки%\r\n"
                        "   \\enter  }\r\n"
                        "  \\sssymbols %устанавка старт-стоп символов%\r\n"
                        "  \\lrc %устанавливка LRC%\r\n"
                        "}\r\n"
                        "\\key(3, 1, TOLAYER2) %клавиша перехода%\r\n"
                        "\\key(3, 2, MACROS){ %коды клавиши%\r\n"
                        "  \\down(0){ %последовательность нажатия 0-го уровня%\r\n"
                        "   \\a \\wait(2)\r\n"
                        "  }\r\n"
                        "  \\autorepeat(0) %автоповтор последовательности нажатия для 0-го уровня%\r\n"
                        "  \\up(2){ %последовательность отжатия 2-го уровня%\r\n"
                        "   \\home \\home  }\r\n"
                        "  \\beep(3, 2) %звуковой клик для 2-го уровня%\r\n"
                        "}\r\n");
}

TEST_F(WriterTest, SequenceText) {
  // Release codes dropped, E0 does not change the name.
  EXPECT_EQ(MtfSequenceText("\x1C\xF0\x1C"), "   \\a");
  EXPECT_EQ(MtfSequenceText("\xE0\x12\xE0\x7C\xF0\x7C\xE0\xF0\x12"), "   \\printscreen");
  // A Shift tap is one name; a Shift held around a key keeps its press and release.
  EXPECT_EQ(MtfSequenceText("\x12\xF0\x12\x1C\xF0\x1C"), "   \\leftshift \\a");
  EXPECT_EQ(MtfSequenceText("\x12\x1C\xF0\x1C\xF0\x12"), "   \\_leftshift \\a \\^leftshift");
  EXPECT_EQ(MtfSequenceText("\x59\x1C\xF0\x1C"), "   \\_rightshift \\a");
  // The space bar reads back; codes the reader has no name for are left out.
  EXPECT_EQ(MtfSequenceText("\x29\xF0\x29\x61\xF0\x61\x0F\xF0\x0F"), "   \\spacebar");
  EXPECT_EQ(MtfSequenceText(std::string("\xFF\x50\xFF\x5F", 4)), "   \\wait(0)\r\n \\wait(15)\r\n");
}

TEST_F(WriterTest, ExportWritesTheFileAndFailsAsTheLayoutSaveDoes) {
  NullReporter reporter;
  const auto folder = std::filesystem::temp_directory_path() / "vlat_mtf_writer_test";
  std::filesystem::create_directories(folder);
  const auto file = folder / "out.mtf";
  ExportMtf(document, file.string(), settings, reporter);
  std::ifstream in(file, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes, MtfText(document, settings));

  const std::string missing = (folder / "missing" / "out.mtf").string();
  try {
    ExportMtf(document, missing, settings, reporter);
    ADD_FAILURE() << "no error";
  } catch (const FileWriteError& error) {
    EXPECT_EQ(error.what(), WithFileName("Ошибка записи в файл.", missing));
  }
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace vl::test
