#include "app/main/CommandLine.h"

namespace vl {

EditorCommandLine ParseEditorCommandLine(const std::vector<std::string>& args) {
  EditorCommandLine line;
  const auto refuse = [&line](std::string why) {
    line.action = EditorCommandLine::Action::Refuse;
    line.error = std::move(why) + "\nСправка: velmorando --help";
    return line;
  };
  bool optionsEnd = false;
  for (size_t at = 0; at < args.size(); ++at) {
    const std::string& arg = args[at];
    if (optionsEnd || arg.empty() || arg[0] != '-' || arg == "-") {
      line.files.push_back(arg);
    } else if (arg == "--") {
      optionsEnd = true;
    } else if (arg == "--help" || arg == "-h") {
      line.action = EditorCommandLine::Action::Help;
      return line;
    } else if (arg == "--version") {
      line.action = EditorCommandLine::Action::Version;
      return line;
    } else if (arg == "--no-splash") {
      line.splash = false;
    } else if (arg == "--data" || arg == "--port") {
      if (at + 1 >= args.size()) return refuse("velmorando: после " + arg + " нужно значение");
      (arg == "--data" ? line.data : line.port) = args[++at];
    } else {
      return refuse("velmorando: неизвестный параметр " + arg);
    }
  }
  return line;
}

std::string EditorUsage() {
  return "Использование: velmorando [ПАРАМЕТРЫ] [ФАЙЛ...]\n"
         "Редактор раскладок программируемых клавиатур TRV. Каждый ФАЙЛ (*.vld, *.mkb) открывается при запуске.\n"
         "\n"
         "  --no-splash    без заставки при запуске\n"
         "  --data DIR     каталог устройств, шаблоны и справка из папки DIR\n"
         "  --port PORT    порт клавиатуры на этот запуск: none, путь к порту или sim[:ТИП]\n"
         "  --help         эта справка\n"
         "  --version      версия программы\n"
         "  --             дальше только файлы\n";
}

std::string EditorVersion() { return std::string("velmorando (Velmorando AT) ") + VLAT_PROGRAM_VERSION + "\n"; }

}  // namespace vl
