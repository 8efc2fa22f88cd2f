#pragma once
// Layout templates: template.ini's "Templates" section names layout files under
// TEMPLATE/ in the program folder; a new layout can start as a copy of one.

#include <memory>
#include <string>
#include <vector>

#include "core/common/Prompt.h"
#include "core/common/Reporter.h"
#include "core/document/VL2Document.h"

namespace vl {

inline constexpr const char* kTemplateListFileName = "template.ini";
inline constexpr const char* kTemplateSection = "Templates";
inline constexpr const char* kTemplateFolder = "TEMPLATE";

struct TemplateEntry {
  std::string Name;  // display name, code page 1251
  std::string File;  // file name without folder and ".VLD"
  bool operator==(const TemplateEntry&) const = default;
};

// The entries in file order. Throws FileReadError, naming the file and why, when
// template.ini cannot be read.
std::vector<TemplateEntry> LoadTemplates(const std::string& programFolder);
// The same, but empty when template.ini is missing or unreadable: the new-layout
// command then makes an empty layout.
std::vector<TemplateEntry> ReadTemplates(const std::string& programFolder);

// programFolder/TEMPLATE/<file>.VLD (UTF-8 path; file taken from 1251).
std::string TemplatePath(const std::string& programFolder, const std::string& file);

// A new layout started from the template: the file read as an ordinary layout,
// then unnamed (FileName empty, Named false, not modified), so saving never
// overwrites the template. When the file is missing or cannot be read, its name
// leaves the program folder, or the user declines a question while it is read, an
// empty new layout instead.
// FromTemplate tells which.
struct NewLayout {
  std::unique_ptr<TVL2Document> Document;
  bool FromTemplate = false;
};
NewLayout NewLayoutFromTemplate(const std::string& programFolder, const std::string& file,
                                IPrompt& prompt, IReporter& reporter);

}  // namespace vl
