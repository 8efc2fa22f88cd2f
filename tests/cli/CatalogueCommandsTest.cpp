#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>

#include "../core/catalogue/CatalogueTestSupport.h"
#include "../core/formats/EmfWalker.h"
#include "../core/formats/KeyImageTestSupport.h"
#include "ScriptedPrompt.h"
#include "ShellRun.h"
#include "core/catalogue/DeviceCatalogue.h"
#include "core/common/ReadFile.h"
#include "core/document/LayoutFile.h"

namespace vl {
namespace {

const std::string kData = VLAT_SOURCE_DATA_DIR;

using CliRun = test::ShellRun;

class CatalogueCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    // The tool reads the user's settings; give it an empty home.
    setenv("HOME", scratch.Path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", scratch.Path().c_str(), 1);
  }

  // vlat-cli --data DATA ARGS, standard output captured, errors dropped.
  CliRun Cli(const std::string& arguments, const std::string& data = kData) {
    const std::string command = std::string(VLAT_CLI) + " --data '" + data + "' " + arguments + " 2>/dev/null";
    return test::RunShell(command);
  }

  std::unique_ptr<TVL2Document> Load(const std::string& file) {
    auto document = std::make_unique<TVL2Document>();
    test::ScriptedPrompt prompt;
    NullReporter reporter;
    LoadLayout(*document, file, prompt, reporter);
    return document;
  }

  std::string Output(const std::string& name) const { return scratch.Path() + "/" + name; }

  test::ScratchFolder scratch;
};

TEST_F(CatalogueCommands, DevicesListsTheCatalogueAndDescribesAType) {
  const CliRun list = Cli("devices");
  ASSERT_EQ(list.exitCode, 0);
  const DeviceCatalogue catalogue = DeviceCatalogue::Open(kData + "/DEVICES.TYP");
  for (const uint16_t type : catalogue.Types()) {
    EXPECT_NE(("\n" + list.output).find("\n" + DeviceSectionName(type) + "  "), std::string::npos) << type;
  }
  EXPECT_NE(list.output.find("0101  4x3     2048 байт  CS    TRV-12"), std::string::npos) << list.output;
  EXPECT_NE(list.output.find("0120  16x8   16384 байт  CRC-8 TRV-128"), std::string::npos) << list.output;

  const CliRun description = Cli("devices 105");
  ASSERT_EQ(description.exitCode, 0);
  EXPECT_EQ(test::CountOf(description.output, "\n"), 22u);
  EXPECT_EQ(description.output.rfind("[Идентификационные данные]\nСерия: 0105\n", 0), 0u);
  EXPECT_NE(description.output.find("Горизонтальный шаг: 19.00мм\n"), std::string::npos);

  EXPECT_EQ(Cli("devices 0999").exitCode, 1);
  EXPECT_EQ(Cli("devices 12x4").exitCode, 2);
  EXPECT_EQ(Cli("devices", scratch.Path()).exitCode, 1);  // no DEVICES.TYP there
}

TEST_F(CatalogueCommands, NewStartsFromATemplateOrEmpty) {
  ASSERT_EQ(Cli("new --template kassa '" + Output("a.vld") + "'").exitCode, 0);
  const auto fromTemplate = Load(Output("a.vld"));
  ASSERT_NE(fromTemplate->GetKey(1, 1), nullptr);
  EXPECT_EQ(fromTemplate->GetKey(1, 1)->Layers[0].Macro[0], "\x05\xF0\x05");  // F1

  // The display name finds it as well.
  ASSERT_EQ(Cli("new --template 'Цифровой блок (12 клавиш)' '" + Output("b.vld") + "'").exitCode, 0);
  EXPECT_NE(Load(Output("b.vld"))->GetKey(4, 3), nullptr);

  ASSERT_EQ(Cli("new '" + Output("c.vld") + "'").exitCode, 0);
  EXPECT_EQ(Load(Output("c.vld"))->GetKey(1, 1), nullptr);

  EXPECT_EQ(Cli("new --template nope '" + Output("d.vld") + "'").exitCode, 1);
  EXPECT_FALSE(std::filesystem::exists(Output("d.vld")));
  EXPECT_NE(Cli("new --list").output.find("KASSA\t"), std::string::npos);

  // A listed template whose file is gone gives an empty layout, and says so by the exit code.
  test::ScratchFolder data;
  data.Write("template.ini", "[Templates]\nGone=GONE\n");
  ASSERT_EQ(Cli("new --template gone '" + Output("e.vld") + "'", data.Path()).exitCode, 1);
  EXPECT_EQ(Load(Output("e.vld"))->GetKey(1, 1), nullptr);
}

TEST_F(CatalogueCommands, ImageWritesReadableMetafileAndRichText) {
  ASSERT_EQ(Cli("new --template general '" + Output("g.vld") + "'").exitCode, 0);

  ASSERT_EQ(Cli("image '" + Output("g.vld") + "' --device 0105 --create all -o '" + Output("g.emf") + "'").exitCode,
            0);
  const std::string emf = ReadRegularFile(Output("g.emf"), 1u << 20).value_or("");
  std::map<uint32_t, int> counts;
  for (const auto& record : test::Walk(emf)) ++counts[record.Type];
  EXPECT_EQ(counts[43], 1 + 64);  // border and keys of the 8 x 8 device

  // Two labelled layers and a field reaching past column 255: outlines for all,
  // two labels for each of the 3 x 8 keys inside the field.
  ASSERT_EQ(Cli("image '" + Output("g.vld") + "' --device 0105 --rect 253,1 --layers 0,1 --create all "
                "--form ellipse -o '" + Output("g.rtf") + "'")
                .exitCode,
            0);
  const std::string rtf = ReadRegularFile(Output("g.rtf"), 1u << 20).value_or("");
  EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1251", 0), 0u);
  EXPECT_EQ(test::CountOf(rtf, "{\\sv 3}}"), 64u);
  EXPECT_EQ(test::CountOf(rtf, "{\\sv 202}}"), 2u * 3 * 8);

  EXPECT_EQ(Cli("image '" + Output("g.vld") + "' --device 0102 -o '" + Output("none.emf") + "'").exitCode, 1);
  EXPECT_FALSE(std::filesystem::exists(Output("none.emf")));
  EXPECT_EQ(Cli("image '" + Output("g.vld") + "' --device 0105 --text sideways -o x.emf").exitCode, 2);
  // An input that cannot be read is 2, as for every command.
  EXPECT_EQ(Cli("image '" + Output("missing.vld") + "' --device 0105 -o '" + Output("m.emf") + "'").exitCode, 2);
}

TEST_F(CatalogueCommands, ImageFormatFollowsTheExtensionAndUnknownOnesAreRefused) {
  ASSERT_EQ(Cli("new --template kassa '" + Output("k.vld") + "'").exitCode, 0);
  const std::string image = std::string(VLAT_CLI) + " --data '" + kData + "' image '" + Output("k.vld") +
                            "' --device 0105 ";

  // Painted without a display: the tool brings its own offscreen platform.
  EXPECT_EQ(test::RunShell("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + image + "-o '" + Output("k.PDF") +
                  "' >/dev/null 2>&1")
                .exitCode,
            0);
  const std::string pdf = ReadRegularFile(Output("k.PDF"), 1u << 22).value_or("");
  EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
  EXPECT_EQ(test::RunShell(image + "-o '" + Output("k.svg") + "' >/dev/null 2>&1").exitCode, 0);
  const std::string svg = ReadRegularFile(Output("k.svg"), 1u << 22).value_or("");
  // 8 x 8 keys of 18 mm, 1 mm apart, 5 mm margins.
  EXPECT_NE(svg.find("<svg width=\"161mm\" height=\"161mm\""), std::string::npos);
  EXPECT_EQ(test::RunShell(image + "--format svg -o '" + Output("k.picture") + "' >/dev/null 2>&1").exitCode, 0);
  EXPECT_NE(ReadRegularFile(Output("k.picture"), 1u << 22).value_or("").find("<svg"), std::string::npos);

  // An extension it does not write is a usage error naming the formats, and no file.
  const auto [code, errors] = test::RunShell(image + "-o '" + Output("k.png") + "' 2>&1 >/dev/null");
  EXPECT_EQ(code, 2);
  EXPECT_NE(errors.find("emf, rtf, pdf, svg"), std::string::npos) << errors;
  EXPECT_FALSE(std::filesystem::exists(Output("k.png")));
}

TEST_F(CatalogueCommands, ImageThatCannotBeWrittenNamesTheFile) {
  ASSERT_EQ(Cli("new --template kassa '" + Output("k.vld") + "'").exitCode, 0);
  const std::string target = Output("missing-folder/k.emf");
  const auto [code, errors] = test::RunShell(std::string(VLAT_CLI) + " --data '" + kData + "' image '" + Output("k.vld") +
                                    "' --device 0105 -o '" + target + "' 2>&1 >/dev/null");
  EXPECT_EQ(code, 1);
  EXPECT_NE(errors.find("Ошибка записи в файл."), std::string::npos) << errors;
  EXPECT_NE(errors.find(target), std::string::npos) << errors;
}

// A template list that cannot be read is told with its name and reason, and the
// listing fails instead of printing nothing.
TEST_F(CatalogueCommands, NewListWithAnUnreadableTemplateListFails) {
  test::ScratchFolder data;
  const std::string list = std::string(VLAT_CLI) + " --data '" + data.Path() + "' new --list 2>&1";
  const auto [missingCode, missing] = test::RunShell(list);
  EXPECT_EQ(missingCode, 1);
  EXPECT_NE(missing.find("template.ini"), std::string::npos) << missing;
  EXPECT_NE(missing.find("нет такого файла"), std::string::npos) << missing;

  std::filesystem::create_directory(data.Path() + "/template.ini");
  const auto [folderCode, folder] = test::RunShell(list);
  EXPECT_EQ(folderCode, 1);
  EXPECT_NE(folder.find("это папка"), std::string::npos) << folder;
}


}  // namespace
}  // namespace vl
