#include <gtest/gtest.h>
#include <unistd.h>

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

  TVL2Document document;
  SettingsStore settings;
};

TEST_F(WriterTest, EmptyLayoutIsHeaderAndProperties) {
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

// Enabled tracks are written with nothing else on the card reader, so that the
// selection reads back (it was once left out).
TEST_F(WriterTest, TrackSelectionAloneIsWrittenAndReadsBack) {
  document.TrackMask = 0x05;
  EXPECT_EQ(Text(), std::string(kHeader) +
                        "\r\n"
                        "\\mcreader(1, 3){ %включение дорожек номер 1, 3%\r\n"
                        "}\r\n");
  MtfReaderFixture reader;
  ASSERT_TRUE(reader.Read(MtfText(document, settings)).ok);
  EXPECT_EQ(reader.document.TrackMask, 0x05);
  EXPECT_TRUE(reader.document.CardReader.IsEmpty());
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
  macro->Layers[3].Click = 1;  // the device tells it from no click
  macro->Layers[3].AutoRepeat = 3;
  macro->Layers[3].Note = "\xEC";
  document.SetKey(3, 2, std::move(macro));
  auto layerKey = std::make_unique<TMacroButton>();
  layerKey->Func = kFuncGoToLayer0 + 2;
  layerKey->Layers[0].Macro[0] = "\x1C";
  document.SetKey(3, 1, std::move(layerKey));
  auto noFunction = std::make_unique<TMacroButton>();
  noFunction->Layers[0].Macro[0] = "\x1C";
  document.SetKey(1, 1, std::move(noFunction));

  std::vector<MtfLoss> losses;
  EXPECT_EQ(Cp1251ToUtf8(MtfText(document, settings, {}, &losses)),
            std::string(kHeader) +
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
                "   \\home \\grey7  }\r\n"
                "  \\beep(3, 2) %звуковой клик для 2-го уровня%\r\n"
                "  \\autorepeat(3) %автоповтор последовательности нажатия для 3-го уровня%\r\n"
                "  \\beep(1, 3) %звуковой клик для 3-го уровня%\r\n"
                "}\r\n");
  const std::vector<MtfLoss> expected = {
      Loss(1, 1, kMtfWholeKey, MtfLossKind::NoFunction),
      Loss(3, 1, 0, MtfLossKind::SwitchKeyContent),
      Loss(3, 2, 3, MtfLossKind::AutoRepeat, "", 3, 1),
      Loss(3, 2, 3, MtfLossKind::LayerNote),
  };
  EXPECT_EQ(losses, expected);
}

// Each code by the reader's name for exactly that code, split presses and
// releases with their modifiers, and what has no name reported instead.
TEST_F(WriterTest, SequenceText) {
  EXPECT_EQ(MtfSequenceText("\x1C\xF0\x1C"), "   \\a");
  // A Shift tap is one name; a key held around another keeps its press and release.
  EXPECT_EQ(MtfSequenceText("\x12\xF0\x12\x1C\xF0\x1C"), "   \\leftshift \\a");
  EXPECT_EQ(MtfSequenceText("\x12\x1C\xF0\x1C\xF0\x12"), "   \\_leftshift \\a \\^leftshift");
  EXPECT_EQ(MtfSequenceText("\x14\x11\x71\xF0\x71\xF0\x11\xF0\x14"),
            "   \\_leftcontrol \\_leftalt \\greydt \\^leftalt \\^leftcontrol");
  EXPECT_EQ(MtfSequenceText("\x1C"), "   \\_a");
  EXPECT_EQ(MtfSequenceText("\xF0\x1C\x1C\x1C\xF0\x1C"), "   \\^a \\_a \\a");
  // The E0 prefix makes another key.
  EXPECT_EQ(MtfSequenceText("\xE0\x14\xE0\xF0\x14\xE0\x11\xE0\xF0\x11"), "   \\rightcontrol \\rightalt");
  EXPECT_EQ(MtfSequenceText("\x7C\xF0\x7C\xE0\x4A\xE0\xF0\x4A\xE0\x5A\xE0\xF0\x5A\x4A\xF0\x4A\x5A\xF0\x5A"),
            "   \\greymult \\greyslash \\greyenter \\slash \\enter");
  EXPECT_EQ(MtfSequenceText("\x75\xF0\x75\xE0\x75\xE0\xF0\x75\x7E\xF0\x7E\x29\xF0\x29"),
            "   \\grey8 \\arrowup \\scroll \\spacebar");
  // Print Screen and Pause are whole sequences; Pause has no release.
  EXPECT_EQ(MtfSequenceText("\xE0\x12\xE0\x7C\xE0\xF0\x7C\xE0\xF0\x12"), "   \\printscreen");
  EXPECT_EQ(MtfSequenceText("\xE0\x12\xE0\x7C\x1C\xF0\x1C\xE0\xF0\x7C\xE0\xF0\x12"),
            "   \\_printscreen \\a \\^printscreen");
  EXPECT_EQ(MtfSequenceText("\xE1\x14\x77\xE1\xF0\x14\xF0\x77\x1C\xF0\x1C"), "   \\pause \\a");
  EXPECT_EQ(MtfSequenceText(std::string("\xFF\x50\xFF\x5F", 4)), "   \\wait(0)\r\n \\wait(15)\r\n");
  // The longest sequences, of the longest words, come out whole.
  std::string held = "  ";
  std::string waits = "  ";
  for (int i = 0; i < 255; ++i) held += " \\_sqbracketclose";
  for (int i = 0; i < 127; ++i) waits += " \\wait(15)\r\n";
  EXPECT_EQ(MtfSequenceText(std::string(255, '\x5B')), held);
  std::string pauses;
  for (int i = 0; i < 127; ++i) pauses += "\xFF\x5F";
  EXPECT_EQ(MtfSequenceText(pauses), waits);

  std::vector<MtfLoss> losses;
  EXPECT_EQ(MtfSequenceText("\x29\xF0\x29\x61\xF0\x61\xE0\x1F\xE0\xF0\x1F\x1F\x0F\xF0\x0F", &losses), "   \\spacebar");
  EXPECT_EQ(losses, (std::vector<MtfLoss>{Loss(0, 0, kMtfWholeKey, MtfLossKind::UnnamedCode, "\x61"),
                                          Loss(0, 0, kMtfWholeKey, MtfLossKind::UnnamedCode, "\xE0\x1F"),
                                          Loss(0, 0, kMtfWholeKey, MtfLossKind::UnnamedCode, "\x1F"),
                                          Loss(0, 0, kMtfWholeKey, MtfLossKind::UnnamedCode, "\x0F")}));
  // Bytes that make no code: a pause out of range, a lone E1, a prefix at the end.
  losses.clear();
  EXPECT_EQ(MtfSequenceText(std::string("\xFF\x20\xE1\x1C\xF0\x1C\xF0\xE0\xE0", 9), &losses), "   \\a");
  EXPECT_EQ(losses, (std::vector<MtfLoss>{Loss(0, 0, kMtfWholeKey, MtfLossKind::NoKeyCode, std::string("\xFF\x20", 2)),
                                          Loss(0, 0, kMtfWholeKey, MtfLossKind::NoKeyCode, "\xE1"),
                                          Loss(0, 0, kMtfWholeKey, MtfLossKind::NoKeyCode, "\xF0"),
                                          Loss(0, 0, kMtfWholeKey, MtfLossKind::NoKeyCode, "\xE0")}));
}

TEST_F(WriterTest, LossesReadAsTheUserIsTold) {
  EXPECT_EQ(MtfLossText(Loss(3, 1, 0, MtfLossKind::UnnamedCode, "\x1F")),
            "клавиша (3,1) уровень 0: код 1F (левая Windows) не имеет имени в Macro Text Format");
  EXPECT_EQ(MtfLossText(Loss(3, 1, 2, MtfLossKind::UnnamedCode, "\xE0\x12")),
            "клавиша (3,1) уровень 2: код E0 12 (добавленный Shift) не имеет имени в Macro Text Format");
  EXPECT_EQ(MtfLossText(Loss(4, 7, kMtfWholeKey, MtfLossKind::Group)), "клавиша (4,7): группа клавиш не записывается");
  EXPECT_EQ(MtfLossText(Loss(0, 0, 2, MtfLossKind::OutputFlags, "", 1, 3)),
            "считыватель, дорожка 2: флаги вывода 01 записываются как 03");
  EXPECT_EQ(MtfLossText(Loss(0, 0, kMtfWholeKey, MtfLossKind::NoTrack)),
            "считыватель: ни одна дорожка не включена, при чтении включатся все четыре");
  // The translator gets each piece, the values are filled in afterwards.
  const TextTranslator upper = [](const char* text) { return std::string(text) == kMtfLossAtKey ? "key %1/%2: %3" : text; };
  EXPECT_EQ(MtfLossText(Loss(5, 6, kMtfWholeKey, MtfLossKind::KeyNote), upper), "key 5/6: примечание клавиши не записывается");

  const std::vector<MtfLoss> many(5, Loss(1, 1, 0, MtfLossKind::LayerNote));
  EXPECT_EQ(MtfLossesMessage(many, {}, 3),
            "Экспорт в Macro Text Format выполнен. В файл не вошло:\n"
            "клавиша (1,1) уровень 0: примечание уровня не записывается\n"
            "клавиша (1,1) уровень 0: примечание уровня не записывается\n"
            "клавиша (1,1) уровень 0: примечание уровня не записывается\n"
            "и ещё 2");
}

TEST_F(WriterTest, ExportWritesTheFileReturnsTheLossesByKeyAndFailsAsTheLayoutSaveDoes) {
  NullReporter reporter;
  const auto folder = std::filesystem::temp_directory_path() / ("vlat_mtf_writer_test" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const auto file = folder / "out.mtf";
  auto key = std::make_unique<TMacroButton>();
  key->Func = kFuncMacro;
  key->Layers[1].Macro[0] = "\x27";
  document.SetKey(2, 2, std::move(key));
  document.Notes(2, 1) = std::make_unique<TKeyNote>(TKeyNote{"note", "mark"});
  document.Notes(1, 5) = std::make_unique<TKeyNote>(TKeyNote{"", "mark"});
  document.MakeGroup({2, 2, 3, 3});
  const auto losses = ExportMtf(document, file.string(), settings, reporter);
  std::ifstream in(file, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes, MtfText(document, settings));
  const std::vector<MtfLoss> expected = {
      Loss(1, 5, kMtfWholeKey, MtfLossKind::Bookmark),
      Loss(2, 1, kMtfWholeKey, MtfLossKind::KeyNote),
      Loss(2, 1, kMtfWholeKey, MtfLossKind::Bookmark),
      Loss(2, 2, 1, MtfLossKind::UnnamedCode, "\x27"),
      Loss(2, 2, kMtfWholeKey, MtfLossKind::Group),
  };
  EXPECT_EQ(losses, expected);

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
