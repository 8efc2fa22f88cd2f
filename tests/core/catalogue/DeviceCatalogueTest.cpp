#include <gtest/gtest.h>

#include "CatalogueTestSupport.h"
#include "core/catalogue/DeviceCatalogue.h"
#include "core/catalogue/DeviceDescription.h"

namespace vl {
namespace {

using test::Cp;

DeviceCatalogue Catalogue(std::string_view utf8) { return DeviceCatalogue(IniFile(Cp(utf8))); }

TEST(DeviceCatalogue, CheckKindIsTheSumOnlyForExactlyCS) {
  const auto catalogue = Catalogue("[0001]\nCheck=CS\n[0002]\nCheck=cs\n[0003]\nWidth=4\n[0004]\nCheck=CRC\n"
                                   "[0005]\nCheck= CS \n");
  EXPECT_FALSE(catalogue.UsesCrc(0x0001));
  EXPECT_TRUE(catalogue.UsesCrc(0x0002));
  EXPECT_TRUE(catalogue.UsesCrc(0x0003));
  EXPECT_TRUE(catalogue.UsesCrc(0x0004));
  EXPECT_FALSE(catalogue.UsesCrc(0x0005));  // blanks around a value are not part of it
  EXPECT_EQ(catalogue.Model(0x0001).Check, CheckKind::Sum);
  EXPECT_EQ(catalogue.Model(0x0002).Check, CheckKind::Crc);
}

TEST(DeviceCatalogue, SectionsAreFourLowerCaseHexDigits) {
  EXPECT_EQ(DeviceSectionName(0x0123), "0123");
  EXPECT_EQ(DeviceSectionName(0xABCD), "abcd");
  const auto catalogue = Catalogue("[ABCD]\nKeys=7\n[0010]\nKeys=8\n[notes]\nKeys=1\n[10]\nKeys=2\n");
  EXPECT_EQ(catalogue.Keys(0xabcd), 7);  // sections are found without regard to case
  EXPECT_EQ(catalogue.Types(), (std::vector<uint16_t>{0xabcd, 0x0010}));
  EXPECT_EQ(ParseDeviceSectionName("0a1F"), 0x0a1f);
  EXPECT_EQ(ParseDeviceSectionName("12345"), std::nullopt);
  EXPECT_EQ(ParseDeviceSectionName("12g4"), std::nullopt);
  EXPECT_EQ(ParseDeviceSectionName(""), std::nullopt);
}

TEST(DeviceCatalogue, ReadsAnEntry) {
  const auto catalogue = Catalogue(
      "[0105]\nAbout=TRV-64 Универсальная\nText=Со считывателем\nFile=K64.DEC\nKeys=64\nWidth=8\nHeight=$8\n"
      "Memory=0x2000\nNumeration=1\nIsImage=1\nImageKeyWidth=1800\nImageKeyHeight=1700\nImageHorKeySpace=100\n"
      "ImageVerKeySpace=90\nImageTopSpace=500\nImageLeftSpace=400\n");
  EXPECT_EQ(catalogue.About(0x0105), Cp("TRV-64 Универсальная"));
  EXPECT_EQ(catalogue.File(0x0105), "K64.DEC");
  EXPECT_EQ(catalogue.Size(0x0105), std::make_pair(7, 7));
  EXPECT_EQ(catalogue.Memory(0x0105), 8192);
  EXPECT_TRUE(catalogue.IsImage(0x0105));
  EXPECT_EQ(catalogue.Geometry(0x0105), (ImageGeometry{1800, 1700, 100, 90, 500, 400}));

  const DeviceModel model = catalogue.Model(0x0105);
  EXPECT_EQ(model.Width, 8);
  EXPECT_EQ(model.Height, 8);
  EXPECT_EQ(model.Memory, 8192);
  EXPECT_EQ(model.Keys, 64);
  EXPECT_EQ(model.Numeration, 1);
  EXPECT_EQ(model.About, "TRV-64 Универсальная");  // UTF-8 for the device procedures
  EXPECT_EQ(model.Text, "Со считывателем");
}

TEST(DeviceCatalogue, MissingSectionReadsEveryDefault) {
  const auto catalogue = Catalogue("[0105]\nWidth=8\n");
  EXPECT_FALSE(catalogue.Has(0x0999));
  EXPECT_EQ(catalogue.Size(0x0999), std::make_pair(-1, -1));
  EXPECT_EQ(catalogue.Memory(0x0999), 0);
  EXPECT_TRUE(catalogue.UsesCrc(0x0999));
  EXPECT_FALSE(catalogue.IsImage(0x0999));
  EXPECT_EQ(catalogue.Geometry(0x0999), ImageGeometry{});
  EXPECT_EQ(catalogue.About(0x0999), "");
  EXPECT_EQ(DeviceCatalogue().Size(0x0105), std::make_pair(-1, -1));
}

TEST(DeviceCatalogue, TextsAreCutTo255Characters) {
  const std::string longText(300, 'x');
  const auto catalogue = Catalogue("[0001]\nAbout=" + longText + "\nFile=" + longText + "\nText=short\n");
  EXPECT_EQ(catalogue.About(1), std::string(255, 'x'));
  EXPECT_EQ(catalogue.File(1), std::string(255, 'x'));
  EXPECT_EQ(catalogue.Text(1), "short");
}

TEST(DeviceCatalogue, FolderCatalogueGivesModelsOnlyForListedTypes) {
  test::ScratchFolder folder;
  folder.Write("DEVICES.TYP", "[0101]\nKeys=4\nWidth=2\nHeight=2\nMemory=2048\nCheck=CS\nFile=decode\\k2.dec\n"
                              "[0102]\nWidth=2\nHeight=2\nFile=MISSING.DEC\n");
  folder.Write("DECODE/K2.DEC", "1:1 0:1\r\n1:0 0:0\r\n");  // found without regard to case
  const FolderDeviceCatalogue catalogue(folder.Path());
  EXPECT_EQ(catalogue.Model(0x0202), std::nullopt);
  ASSERT_TRUE(catalogue.Model(0x0101));
  EXPECT_EQ(catalogue.Model(0x0101)->Check, CheckKind::Sum);
  const auto placement = catalogue.Decoding(0x0101);
  ASSERT_TRUE(placement);
  EXPECT_EQ(test::Pair((*placement)(0, 1)), std::make_pair(0, 1));
  EXPECT_EQ(test::Pair((*placement)(1, 0)), std::make_pair(1, 0));
  EXPECT_EQ(catalogue.Decoding(0x0102), std::nullopt);
  EXPECT_EQ(catalogue.Decoding(0x0202), std::nullopt);  // size -1 x -1 has no table
}

TEST(DeviceDescription, TwentyTwoLinesWithDefaultsAndMillimetres) {
  const IniFile ini(Cp("[0120]\nAbout=TRV-128\nKeys=0x80\nWidth=16\nMemory=16384\nFile=k128.dec\n"
                       "Numeration=abc\nIsImage=01\nImageKeyWidth=1550\nImageHorKeySpace=$14\nImageTopSpace=5\n"
                       "ImageLeftSpace=12345\n"
                       "[0101]\nIsImage=1\n"));
  const std::vector<std::string> expected = {
      "[Идентификационные данные]",
      "Серия: 0120",
      "Модель: TRV-128",
      "Дата создания серии: ?",
      "",
      "[Технические характеристики]",
      "Количество клавиш: 0x80",  // shown as written
      "Ширина клавиатурного поля: 16 клавиш",
      "Высота клавиатурного поля: ? клавиш",
      "Объем памяти: 16384 байт",
      "Исполнение: ?",
      "Файл декодирования: K128.DEC",
      "Тип нумерации: ABC",
      "",
      "[Рисунок клавиш]",
      "Необходимость в создании рисунка: нет",  // only the text "1" says yes
      "Ширина клавиши: 15.50мм",
      "Высота клавиши: 0.00мм",
      "Горизонтальный шаг: 15.70мм",
      "Вертикальный шаг: 0.00мм",
      "Горизонтальный отступ: 123.45мм",
      "Вертикальный отступ: 0.05мм",
  };
  EXPECT_EQ(DescribeDevice(ini, "0120"), expected);

  const auto bare = DescribeDevice(ini, "0101");
  ASSERT_EQ(bare.size(), 22u);
  EXPECT_EQ(bare[11], "Файл декодирования: ?");
  EXPECT_EQ(bare[12], "Тип нумерации: 0");
  EXPECT_EQ(bare[15], "Необходимость в создании рисунка: да");

  // Every line in the translator's language; a value holding a marker stays as it is.
  const TextTranslator english = [](const char* text) -> std::string {
    const std::string_view pattern(text);
    if (pattern == kDeviceModel) return "Model: %1";
    if (pattern == kDeviceKeyWidth) return "Key width: %1 mm";
    if (pattern == kDeviceImageNeeded) return "Picture needed: %1";
    if (pattern == kDeviceNo) return "no";
    return "";
  };
  const IniFile marked(Cp("[0120]\nAbout=TRV %1\nImageKeyWidth=1550\n"));
  const auto translated = DescribeDevice(marked, "0120", english);
  EXPECT_EQ(translated[2], "Model: TRV %1");
  EXPECT_EQ(translated[15], "Picture needed: no");
  EXPECT_EQ(translated[16], "Key width: 15.50 mm");

  const IniFile cyrillic(Cp("[0001]\nFile=ключ.dec\n"));
  EXPECT_EQ(DescribeDevice(cyrillic, "0001")[11], "Файл декодирования: КЛЮЧ.DEC");
  EXPECT_EQ(SortedDeviceSections(IniFile("[0120]\n[00ff]\n[00FE]\n[0101]\n")),
            (std::vector<std::string>{"00FE", "00ff", "0101", "0120"}));
}

}  // namespace
}  // namespace vl
