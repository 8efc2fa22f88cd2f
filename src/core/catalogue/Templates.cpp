#include "core/catalogue/Templates.h"

#include "core/catalogue/IniFile.h"
#include "core/catalogue/ProgramFile.h"
#include "core/common/FileErrors.h"
#include "core/document/LayoutFile.h"

namespace vl {

std::vector<TemplateEntry> LoadTemplates(const std::string& programFolder) {
  std::vector<TemplateEntry> entries;
  const IniFile list = IniFile::Load(ProgramFilePath(programFolder, kTemplateListFileName).string());
  for (auto& [name, file] : list.SectionValues(kTemplateSection)) entries.push_back({name, file});
  return entries;
}

std::vector<TemplateEntry> ReadTemplates(const std::string& programFolder) {
  try {
    return LoadTemplates(programFolder);
  } catch (const FileReadError&) {
    return {};
  }
}

std::string TemplatePath(const std::string& programFolder, const std::string& file) {
  return ProgramFilePath(programFolder, std::string(kTemplateFolder) + "\\" + file + ".VLD").string();
}

NewLayout NewLayoutFromTemplate(const std::string& programFolder, const std::string& file, IPrompt& prompt,
                                IReporter& reporter) {
  NewLayout layout{std::make_unique<TVL2Document>(), false};
  // A list entry naming a file outside the program folder is not a template.
  if (!StaysInProgramFolder(file)) return layout;
  try {
    LoadLayout(*layout.Document, TemplatePath(programFolder, file), prompt, reporter);
  } catch (const FileError&) {
    // Whatever kept the template from being read, the user still gets a layout.
    layout.Document = std::make_unique<TVL2Document>();
    return layout;
  }
  layout.Document->FileName.clear();
  layout.Document->Named = false;
  layout.Document->Modified = false;
  layout.FromTemplate = true;
  return layout;
}

}  // namespace vl
