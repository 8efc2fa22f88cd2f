#include "app/main/AutoSave.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QString>

namespace vl {
namespace {

constexpr const char* kReplacedQuestion =
    QT_TRANSLATE_NOOP("vl::AutoSave",
                      "Раскладка \"%1\" заменена данными, прочитанными из устройства. Записать её поверх файла? "
                      "Примечания и всё, чего нет в устройстве, в файле не сохранятся.");
constexpr const char* kNotSavedQuestion = QT_TRANSLATE_NOOP(
    "vl::AutoSave",
    "Раскладка не сохранена (параметр \"сохранять перед программированием\"). Загрузить её в устройство "
    "без сохранения?");

QString Translated(const char* text) { return QCoreApplication::translate("vl::AutoSave", text); }

}  // namespace

AutoSaveResult AutoSave(const TVL2Document& document, IPrompt& prompt, const std::function<bool()>& save) {
  if (document.ReadFromDevice && document.Named) {
    const QString name = QFileInfo(QString::fromStdString(document.FileName)).fileName();
    const std::string question = Translated(kReplacedQuestion).arg(name).toStdString();
    if (prompt.Ask(question, kCaptionAttention, MessageButtons::YesNo, MessageIcon::Question) != Answer::Yes)
      return AutoSaveResult::Declined;
  }
  return save() ? AutoSaveResult::Saved : AutoSaveResult::Failed;
}

bool SaveBeforeDownload(const TVL2Document& document, IPrompt& prompt, const std::function<bool()>& save) {
  if (AutoSave(document, prompt, save) != AutoSaveResult::Failed) return true;
  return prompt.Ask(Translated(kNotSavedQuestion).toStdString(), kCaptionAttention, MessageButtons::YesNo,
                    MessageIcon::Question) == Answer::Yes;
}

}  // namespace vl
