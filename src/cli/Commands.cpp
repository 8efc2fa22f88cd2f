#include "cli/Commands.h"

#include <array>

namespace vl::cli {

// Defined in the command's own source file.
int RunInfo(CliContext& context);
int RunConvert(CliContext& context);
int RunCheck(CliContext& context);
int RunIdentify(CliContext& context);
int RunDownload(CliContext& context);
int RunUpload(CliContext& context);
int RunClear(CliContext& context);
int RunInterval(CliContext& context);
int RunDevices(CliContext& context);
int RunNew(CliContext& context);
int RunImage(CliContext& context);
int RunMonitor(CliContext& context);
int RunCompare(CliContext& context);

std::span<const CommandInfo> AllCommands() {
  static const std::array commands = {
      CommandInfo{"info", "[FILE [--password TEXT]]",
                  "summary of a layout file (.vld, .mkb, .mtf); without FILE the attached keyboard's information",
                  RunInfo},
      CommandInfo{"convert", "IN OUT [--password TEXT] [--no-password] [--save-settings]",
                  "rewrite a layout: .mkb or .vld into .vld, .vld or .mkb into .mtf (what .mtf cannot carry is listed on "
                  "standard error), .mtf into .vld",
                  RunConvert},
      CommandInfo{"check", "FILE [--layers N] [--rect C1,R1,C2,R2] [--password TEXT]",
                  "the layout check of a layout file or a Macro Text Format file", RunCheck},
      CommandInfo{"identify", "",
                  "identify the keyboard on the port and read its controller version", RunIdentify},
      CommandInfo{"download",
                  "FILE.vld|FILE.mtf [--rect C1,R1,C2,R2] [--verify] [--backup OUT.vld [--force]] [--allow-outside] "
                  "[--yes]",
                  "write a layout into the keyboard; --backup saves the keyboard's layout once the download "
                  "is agreed; keys beyond the device's field are dropped only with --allow-outside",
                  RunDownload},
      CommandInfo{"upload", "OUT.vld|OUT.mtf [--into FILE] [--card] [--force] [--yes]",
                  "read the layout out of the keyboard; --card reads the card reader too", RunUpload},
      CommandInfo{"compare", "FILE.vld|FILE.mtf [OTHER.vld|OTHER.mtf] [--no-card] [--yes]",
                  "what differs between a layout and the keyboard's (or OTHER's), per key and layer and per "
                  "card reader track; exit 1 when anything differs",
                  RunCompare},
      CommandInfo{"monitor", "[--show dec|hex|names] [--seconds N]",
                  "print what the keyboard sends, as the test window shows it", RunMonitor},
      CommandInfo{"clear", "[--yes]",
                  "empty the keyboard's memory", RunClear},
      CommandInfo{"interval", "MS",
                  "set the keyboard's interval between scan codes (1.6 to 25.6 ms)", RunInterval},
      CommandInfo{"devices", "[TYPE]", "the device catalogue; with TYPE the description of that device type",
                  RunDevices},
      CommandInfo{"new", "[--template NAME] OUT.vld | --list",
                  "a new layout file, empty or from a template; --list shows the templates", RunNew},
      CommandInfo{"image",
                  "FILE.vld --device TYPE -o OUT.emf|.rtf|.pdf|.svg [--rect C1,R1] [--format emf|rtf|pdf|svg] "
                  "[--form rect|round|ellipse] "
                  "[--text press|release|layer-note|key-note] [--create all|non-empty|none] [--layers 0,1,..] "
                  "[--function-keys yes|no] [--language en|ru|uk]",
                  "the key image of a layout for a catalogue device (drawing options default to the settings)",
                  RunImage},
  };
  return commands;
}

}  // namespace vl::cli
