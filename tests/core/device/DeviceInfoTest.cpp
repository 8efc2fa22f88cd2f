// Device information rows and the preparation's questions.

#include "core/device/DeviceInfo.h"

#include <gtest/gtest.h>

#include "core/common/DecimalText.h"
#include "core/device/OperationDriver.h"

namespace vl {
namespace {

TEST(DeviceInfo, SerialNumberStyles) {
  EXPECT_EQ(FormatSerialNumber(7, 0), "00007");
  EXPECT_EQ(FormatSerialNumber(7, 1), "AA0007");
  EXPECT_EQ(FormatSerialNumber(1234, 1), "BC0034");
  EXPECT_EQ(FormatSerialNumber(25999, 1), "ZJ0099");
  EXPECT_EQ(FormatSerialNumber(26000, 1), "?");  // no letter after Z
  EXPECT_EQ(FormatSerialNumber(7, 2), "?");
}

TEST(DeviceInfo, RowsInWindowOrder) {
  DeviceInfoSource source;
  source.DeviceType = 0x0a1;
  source.Serial = 42;
  source.MagneticReader = true;
  source.About = "Модель";
  source.Keys = 64;
  source.Memory = 8192;
  source.ProgrammerMajor = 2;
  source.ProgrammerMinor = 3;
  source.ControllerMajor = 1;
  source.ControllerMinor = 7;
  const auto rows = DeviceInfoRows(source);
  ASSERT_EQ(rows.size(), static_cast<size_t>(kDeviceInfoRowCount));
  EXPECT_EQ(rows[0], (std::pair<std::string, std::string>{"Серия", "00a1"}));
  EXPECT_EQ(rows[1].second, "Модель");
  EXPECT_EQ(rows[2].second, "00042");
  EXPECT_EQ(rows[3].second, "64");
  EXPECT_EQ(rows[5].second, "да");
  EXPECT_EQ(rows[6].second, "нет");
  EXPECT_EQ(rows[8].second, "8192  байт");
  EXPECT_EQ(rows[9], (std::pair<std::string, std::string>{"Программатор", "Velmorando AT 2,3"}));
  EXPECT_EQ(rows[10].second, "1,7");

  source.Programmer = 3;
  EXPECT_EQ(DeviceInfoRows(source)[9].second, "? 2,3");
  // Versions take the decimal sign of the language shown.
  const TextTranslator point = [](const char* text) {
    return std::string_view(text) == kDecimalPattern ? std::string("%1.%2") : std::string(text);
  };
  EXPECT_EQ(DeviceInfoRows(source, point)[9].second, "? 2.3");
  EXPECT_EQ(DeviceInfoRows(source, point)[10].second, "1.7");
  source.ProgrammerMinor = 10;
  source.ControllerMajor = 15;
  EXPECT_EQ(DeviceInfoRows(source)[9].second, "?");
  EXPECT_EQ(DeviceInfoRows(source)[10].second, "?");
}

TEST(OperationDriver, FragmentFollowsTheDeviceSize) {
  EXPECT_FALSE(SelectionExceedsDevice(TRect{3, 3, 10, 10}, 8, 8));
  EXPECT_TRUE(SelectionExceedsDevice(TRect{3, 3, 11, 10}, 8, 8));
  EXPECT_TRUE(SelectionExceedsDevice(TRect{3, 3, 10, 11}, 8, 8));
  EXPECT_EQ(DeviceBlock(TRect{250, 2, 250, 2}, 16, 8), (TRect{250, 2, 255, 9}));
}

TEST(OperationDriver, PropertiesQuestionFromTheSettings) {
  SettingsStore settings;
  settings.Set(Setting::LayerCount, 3);
  settings.Set(Setting::CorrectLock, 1);
  settings.Set(Setting::Ibd, 2);
  settings.Set(Setting::Layout, 1);
  settings.Set(Setting::Buffered, 0);
  EXPECT_EQ(DownloadPropertiesText(settings),
            "Свойства загружаемой раскладки:\n\n  Количество уровней: 4\n"
            "  Автокоррекция Num Lock и Caps Lock: да\n"
            "  Интервал между посылаемыми SCAN-кодами : 4.8 мс\n"
            "  Язык раскладки : русский\n  Буферизация нажатых клавиш : нет\n\n"
            "Заменить раскладку в подключенном устройстве?");
  settings.Set(Setting::Ibd, 15);
  EXPECT_NE(DownloadPropertiesText(settings).find(": 25.6 мс"), std::string::npos);
}

}  // namespace
}  // namespace vl
