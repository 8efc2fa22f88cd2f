#include <gtest/gtest.h>

#include "CatalogueTestSupport.h"
#include "ScriptedPrompt.h"
#include "core/catalogue/Templates.h"
#include "core/document/LayoutFile.h"

namespace vl {
namespace {

using test::Cp;
using test::ScriptedPrompt;

class TemplatesTest : public ::testing::Test {
 protected:
  // A layout file under TEMPLATE/ holding one macro key at (3, 4).
  void WriteTemplate(const std::string& fileName, const std::string& password = {}) {
    TVL2Document document;
    auto key = std::make_unique<TMacroButton>();
    key->Layers[0].Macro[0] = "\x1C\xF0\x1C";
    document.SetKey(3, 4, std::move(key));
    document.Password = password;
    std::filesystem::create_directories(folder.Path() + "/TEMPLATE");
    SaveLayout(document, folder.Path() + "/TEMPLATE/" + fileName, SettingsStore(), reporter);
  }
  NewLayout Open(const std::string& file) { return NewLayoutFromTemplate(folder.Path(), file, prompt, reporter); }

  test::ScratchFolder folder;
  ScriptedPrompt prompt{Answer::No};  // every question No, every password cancelled
  NullReporter reporter;
};

TEST_F(TemplatesTest, ListsTheTemplatesSectionInFileOrder) {
  folder.Write("TEMPLATE.INI", Cp("[Other]\nx=y\n[templates]\n"
                                  "Касса=kassa\n Цифровой блок = NUMPAD \nПусто=\nБез знака\n"));
  const std::vector<TemplateEntry> expected = {
      {Cp("Касса"), "kassa"}, {Cp("Цифровой блок"), "NUMPAD"}, {Cp("Пусто"), ""}, {Cp("Без знака"), ""}};
  EXPECT_EQ(ReadTemplates(folder.Path()), expected);
}

TEST_F(TemplatesTest, NoListGivesNoTemplates) {
  EXPECT_TRUE(ReadTemplates(folder.Path()).empty());
  folder.Write("template.ini", "[Other]\na=b\n");
  EXPECT_TRUE(ReadTemplates(folder.Path()).empty());
}

TEST_F(TemplatesTest, OpensTheTemplateAsANewUnnamedLayout) {
  WriteTemplate("KASSA.VLD");
  // The list names it in lower case; the folder is matched without regard to case.
  const NewLayout layout = Open("kassa");
  ASSERT_TRUE(layout.FromTemplate);
  EXPECT_FALSE(layout.Document->Named);
  EXPECT_TRUE(layout.Document->FileName.empty()) << "a save must never overwrite the template";
  EXPECT_FALSE(layout.Document->Modified);
  ASSERT_NE(layout.Document->GetKey(3, 4), nullptr);
  EXPECT_EQ(layout.Document->GetKey(3, 4)->Layers[0].Macro[0], "\x1C\xF0\x1C");
}

TEST_F(TemplatesTest, FallsBackToAnEmptyLayout) {
  folder.Write("TEMPLATE/BROKEN.VLD", "not a layout file");
  WriteTemplate("LOCKED.VLD", "secret");
  for (const char* file : {"MISSING", "BROKEN", "LOCKED", ""}) {
    const NewLayout layout = Open(file);
    EXPECT_FALSE(layout.FromTemplate) << file;
    ASSERT_NE(layout.Document, nullptr);
    EXPECT_EQ(layout.Document->GetKey(3, 4), nullptr) << file;
    EXPECT_FALSE(layout.Document->Named);
  }
}

}  // namespace
}  // namespace vl
