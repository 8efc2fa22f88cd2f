#include "app/main/CommandLine.h"

#include <QCoreApplication>

namespace vl {

namespace {

// The texts in the language of the translations installed, if any.
std::string Text(const char* text) { return QCoreApplication::translate("vl::CommandLine", text).toStdString(); }

}  // namespace

EditorCommandLine ParseEditorCommandLine(const std::vector<std::string>& args) {
  EditorCommandLine line;
  const auto refuse = [&line](std::string why) {
    line.action = EditorCommandLine::Action::Refuse;
    line.error = std::move(why) + "\n" + Text(QT_TRANSLATE_NOOP("vl::CommandLine", "Справка: velmorando --help"));
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
      if (at + 1 >= args.size()) {
        return refuse("velmorando: " +
                      QCoreApplication::translate("vl::CommandLine", "после %1 нужно значение")
                          .arg(QString::fromStdString(arg))
                          .toStdString());
      }
      (arg == "--data" ? line.data : line.port) = args[++at];
    } else {
      return refuse("velmorando: " + QCoreApplication::translate("vl::CommandLine", "неизвестный параметр %1")
                                         .arg(QString::fromStdString(arg))
                                         .toStdString());
    }
  }
  return line;
}

std::string EditorUsage() {
  return Text(QT_TRANSLATE_NOOP("vl::CommandLine",
                                "Использование: velmorando [ПАРАМЕТРЫ] [ФАЙЛ...]\n"
                                "Редактор раскладок программируемых клавиатур TRV. Каждый ФАЙЛ (*.vld, *.mkb) "
                                "открывается при запуске.\n"
                                "\n"
                                "  --no-splash    без заставки при запуске\n"
                                "  --data DIR     каталог устройств, шаблоны и справка из папки DIR\n"
                                "  --port PORT    порт клавиатуры на этот запуск: none, путь к порту или sim[:ТИП]\n"
                                "  --help         эта справка\n"
                                "  --version      версия программы\n"
                                "  --             дальше только файлы\n"));
}

std::string EditorVersion() { return std::string("velmorando (Velmorando AT) ") + VLAT_PROGRAM_VERSION + "\n"; }

}  // namespace vl
