// vlat-cli check FILE [--layers N] [--rect C1,R1,C2,R2]: the layout check of a
// Macro Text Format file, one remark a line; exit 1 when there are remarks, 2 when
// the file cannot be read.

#include <filesystem>
#include <sstream>

#include "cli/CliContext.h"
#include "core/common/FileErrors.h"
#include "core/mtf/CheckLayout.h"
#include "core/mtf/MtfReader.h"

namespace vl::cli {
namespace {

constexpr int kExitUnreadable = 2;

// The reader's messages go to the error stream; it asks nothing.
class ErrorStreamPrompt final : public IPrompt {
 public:
  explicit ErrorStreamPrompt(std::ostream& err) : err_(err) {}
  Answer Ask(const std::string& text, const std::string&, MessageButtons, MessageIcon) override {
    err_ << text << '\n';
    return Answer::No;
  }
  std::optional<std::string> AskPassword(const std::string&, const std::string&) override {
    return std::nullopt;
  }

 private:
  std::ostream& err_;
};

}  // namespace

int RunCheck(CliContext& context) {
  auto& args = context.args;
  const auto layersOption = TakeOption(args, "--layers");
  const auto rectOption = TakeOption(args, "--rect");
  if (args.size() != 1) throw UsageError{"one file expected"};
  const TRect area = rectOption ? ParseRect(*rectOption) : TRect{1, 1, kFieldSize, kFieldSize};

  TDocument document;
  ErrorStreamPrompt prompt(*context.err);
  NullReporter reporter;
  try {
    ReadMtf(document, args[0], context.settings, prompt, reporter);
  } catch (const OperationAbandoned&) {
    return kExitUnreadable;
  } catch (const FileError& error) {
    *context.err << error.what() << '\n';
    return kExitUnreadable;
  }
  int layers = context.settings.LayerCountValue();
  if (layersOption) {
    layers = ParseInt(*layersOption, "--layers");
    if (layers < 1 || layers > kLayerCount) throw UsageError{"--layers needs 1..4"};
  }
  const auto remarks = CheckLayout(document, area, layers);
  for (const auto& remark : remarks) *context.out << remark.Line() << '\n';
  if (remarks.empty()) *context.out << "Проверка окончена. Замечаний нет.\n";
  return remarks.empty() ? kExitOk : kExitFailure;
}

}  // namespace vl::cli
