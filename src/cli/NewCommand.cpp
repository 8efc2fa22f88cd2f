// vlat-cli new [--template NAME] OUT.vld: a new layout file, started from one of
// the templates of template.ini (NAME is its display name or its file name) or
// empty. vlat-cli new --list shows the templates, and fails when template.ini
// cannot be read. A template that cannot be read still gives the empty layout,
// but the exit code is then a failure.

#include "cli/CliContext.h"
#include "cli/DeviceCommandSupport.h"
#include "cli/LayoutFiles.h"
#include "core/catalogue/Templates.h"
#include "core/common/FileErrors.h"
#include "core/document/LayoutFile.h"
#include "core/text/Cp1251.h"

namespace vl::cli {
namespace {

const TemplateEntry* FindTemplate(const std::vector<TemplateEntry>& templates, const std::string& name) {
  const std::string wanted = Cp1251ToUpper(Utf8ToCp1251Lossy(name));
  for (const auto& entry : templates) {
    if (Cp1251ToUpper(entry.Name) == wanted || Cp1251ToUpper(entry.File) == wanted) return &entry;
  }
  return nullptr;
}

}  // namespace

int RunNew(CliContext& context) {
  auto& args = context.args;
  if (TakeFlag(args, "--list")) {
    ExpectNoMoreArguments(args);
    std::vector<TemplateEntry> templates;
    try {
      templates = LoadTemplates(context.dataDir);
    } catch (const FileReadError& error) {
      PrintMessage(*context.err, error.what());
      return kExitFailure;
    }
    for (const auto& entry : templates) {
      *context.out << Cp1251ToUtf8(entry.File) << '\t' << Cp1251ToUtf8(entry.Name) << '\n';
    }
    return kExitOk;
  }
  const auto name = TakeOption(args, "--template");
  const auto templates = ReadTemplates(context.dataDir);
  const std::string out = TakeOnlyArgument(args, "the output file");

  TerminalSide terminal(context, false);
  NewLayout layout{std::make_unique<TVL2Document>(), false};
  if (name) {
    const TemplateEntry* entry = FindTemplate(templates, *name);
    if (!entry) {
      *context.err << "Шаблон \"" << *name << "\" не найден; vlat-cli new --list показывает шаблоны.\n";
      return kExitFailure;
    }
    layout = NewLayoutFromTemplate(context.dataDir, entry->File, terminal.prompt, terminal.reporter);
    // The program then starts an empty layout without a word; here the user is told.
    if (!layout.FromTemplate) {
      *context.err << "Файл шаблона " << TemplatePath(context.dataDir, entry->File)
                   << " не прочитан; создана пустая раскладка.\n";
    }
  }
  try {
    SaveLayout(*layout.Document, out, context.settings, terminal.reporter);
  } catch (const FileError& error) {
    *context.err << error.what() << '\n';
    return kExitFailure;
  }
  // The empty layout is written, but a script must learn that the template was not used.
  return !name || layout.FromTemplate ? kExitOk : kExitFailure;
}

}  // namespace vl::cli
