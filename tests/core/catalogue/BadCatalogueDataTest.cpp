// Catalogue entries, decoding files and template lists that are wrong or hostile:
// refused where they are read, never taken into arithmetic or out of the folder.

#include <gtest/gtest.h>

#include "CatalogueTestSupport.h"
#include "ScriptedPrompt.h"
#include "core/catalogue/DecodingTable.h"
#include "core/catalogue/DeviceCatalogue.h"
#include "core/catalogue/IniFile.h"
#include "ScriptedPrompt.h"
#include "core/catalogue/ProgramFile.h"
#include "core/catalogue/Templates.h"
#include "core/document/LayoutFile.h"
#include "core/formats/KeyImageDevice.h"

namespace vl {
namespace {

DeviceCatalogue OneType(const std::string& values) {
  return DeviceCatalogue(IniFile("[0101]\nKeys=12\nWidth=4\nHeight=3\nMemory=2048\n" + values));
}

TEST(CatalogueValuesOutOfRange, AreNamedWithTheirWrittenValueAndRangeAndNeverReachTheProcedures) {
  EXPECT_EQ(OneType("").ModelProblem(0x0101), "");
  // The value under test comes first, so it wins over the sound one after it.
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Width=-2147483648", "Width=-2147483648, а число столбцов клавиш должно быть от 1 до 16"},
      {"Width=17", "Width=17, а число столбцов клавиш должно быть от 1 до 16"},
      {"Width=0", "Width=0, а число столбцов клавиш должно быть от 1 до 16"},
      {"Height=0", "Height=0, а число рядов клавиш должно быть от 1 до 18"},
      {"Height=19", "Height=19, а число рядов клавиш должно быть от 1 до 18"},
      {"Memory=0", "Memory=0, а число байт памяти должно быть от 64 до 65536"},
      {"Memory=63", "Memory=63, а число байт памяти должно быть от 64 до 65536"},
      {"Memory=-1", "Memory=-1, а число байт памяти должно быть от 64 до 65536"},
      {"Memory=65537", "Memory=65537, а число байт памяти должно быть от 64 до 65536"},
      // beyond int: read as 0, shown as written
      {"Memory=99999999999", "Memory=99999999999, а число байт памяти должно быть от 64 до 65536"},
      {"Keys=-1", "Keys=-1, а число клавиш (не больше Width x Height) должно быть от 1 до 12"},
      {"Keys=13", "Keys=13, а число клавиш (не больше Width x Height) должно быть от 1 до 12"},
      {"Keys=2147483648", "Keys=2147483648, а число клавиш (не больше Width x Height) должно быть от 1 до 12"},
  };
  for (const auto& [value, fault] : cases) {
    SCOPED_TRACE(value);
    const DeviceCatalogue catalogue(IniFile("[0101]\n" + value + "\nKeys=12\nWidth=4\nHeight=3\nMemory=2048\n"));
    const std::string problem = "Устройство 0101 в каталоге DEVICES.TYP: " + fault + ".";
    EXPECT_EQ(catalogue.ModelProblem(0x0101), problem);
    const FolderDeviceCatalogue folder("/nonexistent", catalogue);
    EXPECT_EQ(folder.Model(0x0101), std::nullopt);
    EXPECT_EQ(folder.Problem(0x0101), problem);
  }
  for (const char* edge : {"Memory=64", "Memory=65536", "Memory=0x10000", "Keys=1"}) {
    const DeviceCatalogue catalogue(IniFile(std::string("[0101]\n") + edge + "\nKeys=12\nWidth=4\nHeight=3\nMemory=2048\n"));
    EXPECT_EQ(catalogue.ModelProblem(0x0101), "") << edge;
  }
  EXPECT_EQ(OneType("").ModelProblem(0x0304), "Устройство 0304 не описано в каталоге DEVICES.TYP.");

  // The layout image counts a device's keys in one byte: 15 x 17 is the largest
  // field, and a larger one is refused for that, not for its memory.
  const DeviceCatalogue largest(IniFile("[0101]\nKeys=255\nWidth=15\nHeight=17\nMemory=65536\n"));
  EXPECT_EQ(largest.ModelProblem(0x0101), "");
  const DeviceCatalogue square(IniFile("[0101]\nKeys=256\nWidth=16\nHeight=16\nMemory=65536\n"));
  EXPECT_EQ(square.ModelProblem(0x0101),
            "Устройство 0101 в каталоге DEVICES.TYP: поле 16x16 — 256 клавиш, а раскладка в памяти устройства "
            "описывает не более 255.");

  // No overflow in the size for the smallest int; a count below 1 is no field.
  const DeviceCatalogue smallest(IniFile("[0101]\nWidth=-2147483648\nHeight=-5\n"));
  EXPECT_EQ(smallest.Size(0x0101), std::make_pair(-1, -1));
  EXPECT_EQ(smallest.Model(0x0101).Width, 0);
}

TEST(CatalogueValuesOutOfRange, KeyImageGeometryNearTheIntLimitIsRefusedWithTheValue) {
  const std::string image = "IsImage=1\nWidth=4\nHeight=3\nImageKeyWidth=1700\nImageKeyHeight=1700\n";
  TVL2Document document;
  for (const std::string& value : {std::string("ImageKeyWidth=2147483647"), std::string("ImageHorKeySpace=100001"),
                                   std::string("ImageLeftSpace=-1"), std::string("ImageTopSpace=0x7FFFFFFF")}) {
    SCOPED_TRACE(value);
    const DeviceCatalogue catalogue(IniFile("[0101]\n" + value + "\n" + image));
    test::ScriptedPrompt prompt(Answer::Ok);
    EXPECT_FALSE(DeviceImageRequest(catalogue, 0x0101, document, 1, 1, KeyImageFormat::Metafile, {}, prompt));
    ASSERT_EQ(prompt.Texts().size(), 1u);
    EXPECT_EQ(prompt.Texts()[0], "Ошибочное значение в описании устройства 0101: " + value);
  }
  // The largest values on the largest field still draw within int (the sanitizer run checks).
  const DeviceCatalogue largest(IniFile("[0101]\nIsImage=1\nWidth=254\nHeight=254\nImageKeyWidth=100000\n"
                                        "ImageKeyHeight=100000\nImageHorKeySpace=100000\nImageVerKeySpace=100000\n"
                                        "ImageTopSpace=100000\nImageLeftSpace=100000\n"));
  test::ScriptedPrompt prompt(Answer::Ok);
  const auto request = DeviceImageRequest(largest, 0x0101, document, 1, 1, KeyImageFormat::RichText, {}, prompt);
  ASSERT_TRUE(request);
  EXPECT_TRUE(prompt.Texts().empty());
  const KeyBox corner = KeyOutline(*request, 253, 253);
  EXPECT_GT(corner.Right, corner.Left);
  EXPECT_GT(corner.Bottom, corner.Top);
}

TEST(DecodingFile, MustPlaceEveryKeyOfTheDeviceOnceInItsOwnCell) {
  DecodingTable table;
  const auto places = [&](std::string_view text, int highestColumn, int highestRow) {
    return table.LoadText(text, highestRow) && table.PlacementProblem(highestColumn, highestRow).empty();
  };
  EXPECT_TRUE(places("0:0 0:1 1:0 1:1", 1, 1));
  EXPECT_TRUE(places("-3:7 0:1 1:0 1:1", 1, 1));  // offsets need not lie in the block
  EXPECT_FALSE(places("", 1, 1));
  EXPECT_FALSE(places("0:0 0:1 1:0", 1, 1));
  EXPECT_FALSE(places("0:0 0:1 1:0 1:1 2:2", 1, 1));
  EXPECT_FALSE(places("0:0 0:0 0:0 0:0", 1, 1));
  EXPECT_FALSE(places("0:0 0:1 1:0 0:1", 1, 1));
  EXPECT_FALSE(places("0:0", -1, -1));
}

TEST(ProgramFileNames, LeavingTheProgramFolderIsRefused) {
  for (const char* name : {"K12.DEC", "decode\\k2.dec", "a/b.c", "..x", "x..", ".\\K.DEC", ""})
    EXPECT_TRUE(StaysInProgramFolder(name)) << name;
  for (const char* name : {"..", "..\\DEVICES.TYP", "a/../../etc/passwd", "decode\\..\\..\\x", "/etc/passwd",
                           "\\etc\\passwd", "C:\\WINDOWS\\K.DEC", "c:K.DEC"})
    EXPECT_FALSE(StaysInProgramFolder(name)) << name;

  // A decoding file beside the program folder that would do is still not read.
  test::ScratchFolder outer;
  const std::string program = outer.Path() + "/program";
  outer.Write("K4.DEC", "0:0 0:1 1:0 1:1");
  outer.Write("program/K4.DEC", "0:0 0:1 1:0 1:1");
  for (const std::string& file : {std::string("..\\K4.DEC"), outer.Path() + "/K4.DEC", std::string("K4.DEC")}) {
    const FolderDeviceCatalogue catalogue(
        program, DeviceCatalogue(IniFile("[0101]\nKeys=4\nWidth=2\nHeight=2\nMemory=2048\nFile=" + file + "\n")));
    EXPECT_EQ(catalogue.Decoding(0x0101).has_value(), file == "K4.DEC") << file;
  }

  // A template outside the folder gives the empty layout, as a missing one does.
  TVL2Document layout;
  layout.SetKey(3, 4, std::make_unique<TMacroButton>());
  layout.GetKey(3, 4)->Layers[0].Macro[0] = "\x1C";
  NullReporter reporter;
  SaveLayout(layout, outer.Path() + "/OUTSIDE.VLD", SettingsStore(), reporter);
  std::filesystem::create_directories(program + "/TEMPLATE");
  SaveLayout(layout, program + "/TEMPLATE/INSIDE.VLD", SettingsStore(), reporter);
  test::ScriptedPrompt prompt(Answer::Ok);
  for (const std::string& file : {std::string("..\\..\\OUTSIDE"), outer.Path() + "/OUTSIDE", std::string("INSIDE")}) {
    const NewLayout made = NewLayoutFromTemplate(program, file, prompt, reporter);
    EXPECT_EQ(made.FromTemplate, file == "INSIDE") << file;
    EXPECT_EQ(made.Document->GetKey(3, 4) != nullptr, file == "INSIDE") << file;
  }
}

TEST(IniFileIndex, FirstOccurrenceWinsWithoutRegardToCaseLatinAndCyrillic) {
  const IniFile ini(test::Cp("[Шаблоны]\nКлюч=1\nключ=2\nKey=a\n[шаблоны]\nключ=3\n[ШАБЛОНЫ]\nНовый=4\n"
                             "[templates]\nkey=x\nKEY=y\n"));
  EXPECT_EQ(ini.Sections().size(), 2u);
  EXPECT_EQ(ini.ReadString(test::Cp("шаблоны"), test::Cp("КЛЮЧ")), "1");
  EXPECT_EQ(ini.ReadString(test::Cp("ШаБлОнЫ"), "kEy"), "a");
  EXPECT_FALSE(ini.HasKey(test::Cp("шаблоны"), test::Cp("Новый")));  // in the hidden repeat
  EXPECT_EQ(ini.SectionValues("TEMPLATES"),
            (std::vector<std::pair<std::string, std::string>>{{"key", "x"}, {"KEY", "x"}}));
}

}  // namespace
}  // namespace vl
