#pragma once
// TfmParameters: the "Параметры" dialog over the settings store. Controls take the
// store's values on every show; OK writes them back, Cancel keeps the store, except
// that a browsed layouts folder or sound file is stored at once.

#include <QDialog>
#include <functional>
#include <utility>
#include <vector>

#include "core/settings/SettingsBackend.h"
#include "core/settings/SettingsStore.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QSpinBox;
class QTabWidget;

namespace vl {

class TfmParameters : public QDialog {
  Q_OBJECT

 public:
  enum Page { kPageGeneral = 0, kPageDevice = 1, kPageLayout = 2, kPageImage = 3 };

  // documentsFolder is what Defaults gives "layouts path".
  TfmParameters(SettingsStore& store, std::string documentsFolder, QWidget* parent = nullptr);

  // Shows the dialog modally on the page given (or the page last used).
  int Exec(int page = -1);

  // The folder and sound pickers; replaceable so that tests need no file dialog.
  // An empty optional means cancelled.
  std::function<std::optional<QString>()> ChooseFolder;
  std::function<std::optional<QString>()> ChooseSound;

  // The keyboard port list of the "Устройство" page: (stored value, caption)
  // pairs and the stored value to show; an unlisted value is added as it is.
  void SetPortChoices(const std::vector<std::pair<QString, QString>>& choices, const QString& current);
  // The stored value of the port chosen.
  QString PortChoice() const;
  // "сохранять копию раскладки устройства перед загрузкой", kept beside the settings.
  QCheckBox* BackupCheck() const { return cbBackup_; }
  QCheckBox* HighContrastCheck() const { return cbHighContrast_; }
  // "язык интерфейса" on the general page, kept in backend (the language it names
  // is taken at the next start).
  void KeepUiLanguageIn(ISettingsBackend& backend) { languageBackend_ = &backend; }
  QComboBox* UiLanguageCombo() const { return cbUiLanguage_; }

  QTabWidget* Pages() const { return pages_; }
  QCheckBox* CheckBoxFor(Setting setting) const;
  QComboBox* ComboFor(Setting setting) const;
  QSpinBox* AutosaveSpin() const { return seAutosave_; }
  QListWidget* ImageLayers() const { return clImageLayers_; }

  void BrowseFolder();
  void BrowseSound();
  void LoadDefaults();

 private:
  QWidget* BuildGeneralPage();
  QWidget* BuildDevicePage();
  QWidget* BuildLayoutPage();
  QWidget* BuildImagePage();
  QCheckBox* Check(Setting setting, const char* caption);
  QComboBox* Combo(Setting setting, std::initializer_list<const char*> items);
  void LoadControls(const SettingsStore& source);
  void StoreControls();

  SettingsStore& store_;
  std::string documentsFolder_;
  QTabWidget* pages_;
  std::vector<std::pair<Setting, QCheckBox*>> checks_;
  std::vector<std::pair<Setting, QComboBox*>> combos_;
  QComboBox* cbPort_ = nullptr;
  QCheckBox* cbBackup_ = nullptr;
  QCheckBox* cbHighContrast_ = nullptr;
  QComboBox* cbUiLanguage_ = nullptr;
  ISettingsBackend* languageBackend_ = nullptr;
  QCheckBox* cbAutosave_ = nullptr;
  QSpinBox* seAutosave_ = nullptr;
  QListWidget* clImageLayers_ = nullptr;
  QLineEdit* edLayoutsPath_ = nullptr;
  QLineEdit* edAudio_ = nullptr;
};

}  // namespace vl
