// vlat-cli check FILE [--layers N] [--rect C1,R1,C2,R2] [--password TEXT]: the
// layout check of a layout file (.vld, .mkb) or a Macro Text Format file, one
// remark a line; exit 1 when there are remarks, 2 when the file cannot be read.

#include "cli/LayoutFiles.h"
#include "cli/Reason.h"
#include "core/formats/CheckLayout.h"

namespace vl::cli {

int RunCheck(CliContext& context) {
  auto& args = context.args;
  const auto layersOption = TakeOption(args, "--layers");
  const auto rectOption = TakeOption(args, "--rect");
  const auto password = TakeOption(args, "--password");
  if (args.size() != 1) throw UsageError{"one file expected"};
  const TRect area = rectOption ? ParseRect(*rectOption) : TRect{1, 1, kFieldSize, kFieldSize};

  TVL2Document document;
  LayoutPrompt prompt(*context.err, password);
  if (ReadLayoutInput(document, args[0], context.settings, prompt, *context.err) != kExitOk) return UnreadableInput(context);
  int layers = context.settings.LayerCountValue();
  if (layersOption) {
    layers = ParseInt(*layersOption, "--layers");
    if (layers < 1 || layers > kLayerCount) throw UsageError{"--layers needs 1..4"};
  }
  const auto remarks = CheckLayout(document, area, layers);
  Json lines = Json::Array();
  for (const auto& remark : remarks) {
    *context.out << remark.Line() << '\n';
    lines.Push(remark.Line());
  }
  context.result.Set("file", args[0]).Set("remarks", lines);
  if (remarks.empty()) *context.out << "Проверка окончена. Замечаний нет.\n";
  return remarks.empty() ? kExitOk : kExitFailure;
}

}  // namespace vl::cli
