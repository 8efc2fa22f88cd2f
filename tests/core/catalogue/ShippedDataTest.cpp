// The files that lie beside the program: every one loads and they agree with
// each other.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <unistd.h>

#include "ScriptedPrompt.h"
#include "core/catalogue/DecodingTable.h"
#include "core/catalogue/DeviceCatalogue.h"
#include "core/catalogue/IniFile.h"
#include "core/catalogue/NameTranslations.h"
#include "core/catalogue/ProgramFile.h"
#include "core/catalogue/SpecialPaste.h"
#include "core/catalogue/StandardFields.h"
#include "core/catalogue/Templates.h"
#include "core/common/Reporter.h"
#include "core/formats/LayoutFormats.h"
#include "core/document/LayoutFile.h"
#include "core/mtf/MtfReader.h"
#include "core/mtf/MtfWriter.h"
#include "core/text/Cp1251.h"

namespace vl {
namespace {

const std::string kData = VLAT_SOURCE_DATA_DIR;

TEST(ShippedData, CatalogueCoversTheStandardFieldsAndBothCheckKinds) {
  const DeviceCatalogue catalogue = DeviceCatalogue::Open(kData + "/DEVICES.TYP");
  const auto types = catalogue.Types();
  EXPECT_GE(types.size(), 6u);
  std::set<std::pair<int, int>> sizes;
  std::set<bool> crc;
  std::set<int> numerations;
  for (const uint16_t type : types) {
    SCOPED_TRACE(DeviceSectionName(type));
    const auto [highestColumn, highestRow] = catalogue.Size(type);
    sizes.emplace(highestColumn + 1, highestRow + 1);
    crc.insert(catalogue.UsesCrc(type));
    numerations.insert(catalogue.Numeration(type));
    EXPECT_EQ(catalogue.Keys(type), (highestColumn + 1) * (highestRow + 1));
    EXPECT_GE(catalogue.Memory(type), 2048);
    EXPECT_LE(catalogue.Memory(type), 16384);
    EXPECT_FALSE(catalogue.About(type).empty());
    EXPECT_FALSE(catalogue.Text(type).empty());
    EXPECT_TRUE(catalogue.Ini().HasKey(DeviceSectionName(type), "Date"));
    if (catalogue.IsImage(type)) {
      const ImageGeometry geometry = catalogue.Geometry(type);
      EXPECT_GT(geometry.KeyWidth, 0);
      EXPECT_GT(geometry.KeyHeight, 0);
      EXPECT_GE(highestColumn, 1);  // the image refuses fields narrower than 2 keys
      EXPECT_GE(highestRow, 1);
    }
  }
  for (const StandardField& field : StandardFields()) {
    EXPECT_TRUE(sizes.count({field.Columns, field.Rows})) << field.Caption;
  }
  EXPECT_EQ(crc, (std::set<bool>{false, true}));
  EXPECT_EQ(numerations, (std::set<int>{0, 1}));
}

TEST(ShippedData, EveryDecodingFilePlacesEachKeyInItsOwnCell) {
  const DeviceCatalogue catalogue = DeviceCatalogue::Open(kData + "/DEVICES.TYP");
  for (const uint16_t type : catalogue.Types()) {
    SCOPED_TRACE(DeviceSectionName(type));
    const auto [highestColumn, highestRow] = catalogue.Size(type);
    DecodingTable table;
    ASSERT_TRUE(table.Load(ProgramFilePath(kData, catalogue.File(type)).string(), highestColumn, highestRow));
    EXPECT_EQ(table.EntryCount(), (highestColumn + 1) * (highestRow + 1));
    std::set<std::pair<int, int>> cells;
    for (int x = 0; x <= highestColumn; ++x) {
      for (int y = 0; y <= highestRow; ++y) {
        const GridOffset offset = table.At(x, y);
        EXPECT_TRUE(offset.Dx >= 0 && offset.Dx <= highestColumn && offset.Dy >= 0 && offset.Dy <= highestRow)
            << x << ',' << y;
        EXPECT_TRUE(cells.emplace(offset.Dx, offset.Dy).second) << "cell used twice: " << x << ',' << y;
      }
    }
  }
}

TEST(ShippedData, EveryTemplateOpensAndMatchesItsSource) {
  const auto templates = ReadTemplates(kData);
  EXPECT_GE(templates.size(), 4u);
  test::ScriptedPrompt prompt;
  NullReporter reporter;
  for (const auto& entry : templates) {
    SCOPED_TRACE(entry.File);
    const NewLayout layout = NewLayoutFromTemplate(kData, entry.File, prompt, reporter);
    ASSERT_TRUE(layout.FromTemplate);
    // The shipped file is what vlat-make-templates makes of its source.
    const auto source = ProgramFilePath(kData, "template-src/" + entry.File + ".mtf");
    ASSERT_TRUE(std::filesystem::exists(source));
    TVL2Document fromSource;
    SettingsStore sourceSettings;
    ReadMtf(fromSource, source.string(), sourceSettings, prompt, reporter);
    const SettingsStore settings;
    EXPECT_EQ(MtfText(*layout.Document, settings), MtfText(fromSource, settings));
  }
  EXPECT_EQ(prompt.Labelled(), std::vector<std::string>{}) << "a shipped template asks or tells something";
}

// Every shipped layout, exported to Macro Text Format and read back, has the same
// keys, card reader and properties; the export tells only what the text has no
// place for (the example's notes, bookmarks and groups), and those are all it lacks.
TEST(ShippedData, EveryShippedLayoutGoesToMacroTextAndBackUnchanged) {
  std::vector<std::filesystem::path> layouts = {kData + "/examples/cash-register.vld",
                                                kData + "/examples/cash-register.mtf"};
  for (const auto& folder : {kData + "/TEMPLATE", kData + "/template-src"}) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) layouts.push_back(entry.path());
  }
  const auto exported = std::filesystem::temp_directory_path() / ("vlat-shipped-" + std::to_string(::getpid()) + ".mtf");
  test::ScriptedPrompt prompt;
  NullReporter reporter;
  for (const auto& layout : layouts) {
    SCOPED_TRACE(layout.string());
    TVL2Document original;
    SettingsStore settings;
    if (HasExtension(layout.string(), ".mtf")) {
      ReadMtf(original, layout.string(), settings, prompt, reporter);
    } else {
      LoadLayout(original, layout.string(), prompt, reporter);
    }
    const auto losses = ExportMtf(original, exported.string(), settings, reporter);
    for (const MtfLoss& loss : losses) {
      EXPECT_TRUE(loss.Kind == MtfLossKind::LayerNote || loss.Kind == MtfLossKind::KeyNote ||
                  loss.Kind == MtfLossKind::Bookmark || loss.Kind == MtfLossKind::Group)
          << MtfLossText(loss);
    }
    TVL2Document back;
    SettingsStore backSettings;
    ReadMtf(back, exported.string(), backSettings, prompt, reporter);
    EXPECT_EQ(back.TrackMask, original.TrackMask);
    EXPECT_EQ(back.CardReader, original.CardReader);
    for (Setting setting : {Setting::LayerCount, Setting::Ibd, Setting::CorrectLock, Setting::Buffered, Setting::Layout}) {
      EXPECT_EQ(backSettings.Get(setting), settings.Get(setting));
    }
    for (int column = 1; column <= kFieldSize; ++column) {
      for (int row = 1; row <= kFieldSize; ++row) {
        const TMacroButton* key = original.GetKey(column, row);
        ASSERT_EQ(key == nullptr, back.GetKey(column, row) == nullptr) << column << ":" << row;
        if (!key) continue;
        TMacroButton withoutNotes = *key;
        for (auto& layer : withoutNotes.Layers) layer.Note.clear();
        EXPECT_EQ(*back.GetKey(column, row), withoutNotes) << column << ":" << row;
      }
    }
  }
  std::filesystem::remove(exported);
  EXPECT_EQ(prompt.Labelled(), std::vector<std::string>{});
}

TEST(ShippedData, EverySpecialPasteValueParses) {
  const auto categories = ReadSpecialPaste(kData + "/spaste.ini");
  EXPECT_GE(categories.size(), 6u);
  for (const auto& category : categories) {
    EXPECT_FALSE(category.Actions.empty());
    for (const auto& action : category.Actions) {
      const auto parse = ParseSpecialPaste(action.Name, action.Value);
      EXPECT_TRUE(parse.Result) << parse.Error;
      // A byte FFh (the letter я) would end the note there: "Копия чека" became "Копи".
      EXPECT_EQ(action.Value.find('\xFF'), std::string::npos) << Cp1251ToUtf8(action.Name);
    }
  }
}

// Every Russian name of the file's readers has its English and Ukrainian, unless it
// has no Cyrillic to translate; every translation belongs to a name that exists.
void ExpectTranslated(const std::string& translations, const std::set<std::string>& names) {
  const IniFile file = IniFile::Load(translations);
  for (const char* language : {"en", "uk"}) {
    for (const std::string& name : names) {
      const bool cyrillic = std::any_of(name.begin(), name.end(), [](char c) { return (c & 0x80) != 0; });
      if (cyrillic) {
        EXPECT_TRUE(file.HasKey(language, name)) << language << ": " << Cp1251ToUtf8(name);
      }
    }
    for (const auto& entry : file.SectionValues(language)) {
      EXPECT_TRUE(names.contains(entry.first)) << language << ": " << Cp1251ToUtf8(entry.first) << " names nothing";
    }
  }
}

TEST(ShippedData, TemplateAndSpecialPasteNamesHaveTheirTranslations) {
  std::set<std::string> templates;
  for (const TemplateEntry& entry : LoadTemplates(kData)) templates.insert(entry.Name);
  ExpectTranslated(kData + "/template.ini", templates);

  std::set<std::string> paste;
  std::set<std::string> notes;
  for (const auto& category : ReadSpecialPaste(kData + "/spaste.ini")) {
    paste.insert(category.Name);
    for (const auto& action : category.Actions) {
      paste.insert(action.Name);
      const auto parse = ParseSpecialPaste(action.Name, action.Value);
      if (parse.Result && !parse.Result->Note.empty()) notes.insert(parse.Result->Note);
    }
  }
  paste.insert(notes.begin(), notes.end());
  ExpectTranslated(kData + "/" + kSpecialPasteNamesFileName, paste);
  // Translated notes must not hold a byte FFh either.
  for (const char* language : {"en", "uk"}) {
    const NameTranslations names = NameTranslations::Read(kData + "/" + kSpecialPasteNamesFileName, language);
    for (const std::string& note : notes) {
      EXPECT_EQ(names(note).find('\xFF'), std::string::npos) << language << ": " << Cp1251ToUtf8(note);
    }
  }
}

}  // namespace
}  // namespace vl
