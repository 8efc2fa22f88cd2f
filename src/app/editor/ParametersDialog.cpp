#include "app/editor/ParametersDialog.h"

#include "app/editor/VL2Grid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/common/CoreTexts.h"
#include "app/common/DialogButtons.h"
#include "app/common/UiLanguage.h"
#include "core/device/Interval.h"
#include "ports/PortSelect.h"

namespace vl {

namespace {

QGroupBox* Group(const QString& title, QLayout* layout) {
  auto* box = new QGroupBox(title);
  box->setLayout(layout);
  return box;
}

}  // namespace

TfmParameters::TfmParameters(SettingsStore& store, std::string documentsFolder, QWidget* parent)
    : QDialog(parent), store_(store), documentsFolder_(std::move(documentsFolder)) {
  setWindowTitle(tr("Параметры"));
  pages_ = new QTabWidget;
  pages_->setAccessibleName(windowTitle());
  pages_->addTab(BuildGeneralPage(), tr("Общее"));
  pages_->addTab(BuildDevicePage(), tr("Устройство"));
  pages_->addTab(BuildLayoutPage(), tr("Раскладка"));
  pages_->addTab(BuildImagePage(), tr("Рисунок клавиш"));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                       QDialogButtonBox::RestoreDefaults);
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
  buttons->button(QDialogButtonBox::RestoreDefaults)->setText(tr("По умолчанию"));
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    StoreControls();
    accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  AddHelpButton(buttons, this, QStringLiteral("parameters.html"));
  connect(buttons->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, this,
          &TfmParameters::LoadDefaults);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addWidget(buttons);

  ChooseFolder = [this]() -> std::optional<QString> {
    QFileDialog dialog(this, tr("Расположение"), QString::fromStdString(store_.LayoutsPath()));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
  };
  ChooseSound = [this]() -> std::optional<QString> {
    QFileDialog dialog(this, QString(), QString(), tr("Файл аудио (*.wav)"));
    dialog.setDefaultSuffix(QStringLiteral("wav"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
  };
}

QCheckBox* TfmParameters::Check(Setting setting, const char* caption) {
  auto* box = new QCheckBox(tr(caption));
  checks_.emplace_back(setting, box);
  return box;
}

QComboBox* TfmParameters::Combo(Setting setting, std::initializer_list<const char*> items) {
  auto* combo = new QComboBox;
  for (const char* item : items) combo->addItem(tr(item));
  combos_.emplace_back(setting, combo);
  return combo;
}

QCheckBox* TfmParameters::CheckBoxFor(Setting setting) const {
  for (const auto& [s, box] : checks_) {
    if (s == setting) return box;
  }
  return setting == Setting::IsAutosave ? cbAutosave_ : nullptr;
}

QComboBox* TfmParameters::ComboFor(Setting setting) const {
  for (const auto& [s, combo] : combos_) {
    if (s == setting) return combo;
  }
  return nullptr;
}

QWidget* TfmParameters::BuildGeneralPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* exitKeyLabel = new QLabel(tr("Kлaвиша выхода из строки ввода кодовых последовательностей"));
  layout->addWidget(exitKeyLabel);
  QComboBox* exitKey =
      Combo(Setting::TabKey, {"Esc", "Tab", "F11", QT_TR_NOOP("Пробел"), QT_TR_NOOP("Левый Control"), QT_TR_NOOP("Нет")});
  exitKeyLabel->setBuddy(exitKey);
  exitKey->setAccessibleName(exitKeyLabel->text());
  layout->addWidget(exitKey);
  auto* start = new QVBoxLayout;
  start->addWidget(Check(Setting::IsStartInfo, QT_TR_NOOP("выводить информацию о подключенном устройстве")));
  layout->addWidget(Group(tr("Действия пpи запуске программы"), start));
  auto* path = new QHBoxLayout;
  edLayoutsPath_ = new QLineEdit;
  edLayoutsPath_->setReadOnly(true);
  auto* browse = new QToolButton;
  browse->setText(QStringLiteral("..."));
  browse->setAccessibleName(tr("Выбрать папку раскладок"));
  edLayoutsPath_->setAccessibleName(tr("Расположение файлов раскладок"));
  connect(browse, &QToolButton::clicked, this, &TfmParameters::BrowseFolder);
  path->addWidget(edLayoutsPath_);
  path->addWidget(browse);
  layout->addWidget(Group(tr("Расположение файлов раскладок"), path));
  // The languages are named in their own language, as desktops list them.
  cbUiLanguage_ = new QComboBox;
  cbUiLanguage_->addItems(
      {tr("автоматически"), QString::fromUtf8("русский"), QString::fromUtf8("українська"), QStringLiteral("English")});
  cbUiLanguage_->setAccessibleName(tr("язык интерфейса"));
  cbUiLanguage_->setToolTip(tr("Действует со следующего запуска программы"));
  auto* language = new QFormLayout;
  language->addRow(tr("язык интерфейса"), cbUiLanguage_);
  layout->addLayout(language);
  layout->addStretch();
  return page;
}

QWidget* TfmParameters::BuildDevicePage() {
  auto* page = new QWidget;
  auto* layout = new QHBoxLayout(page);
  auto* left = new QVBoxLayout;
  auto* mode = new QVBoxLayout;
  mode->addWidget(Combo(Setting::LoadReadWriteMode, {QT_TR_NOOP("нормальный (рабочие станции)"),
                                                     QT_TR_NOOP("защищенный (портативные компьютеры)")}));
  left->addWidget(Group(tr("Режим загрузки/чтения данных"), mode));
  auto* writing = new QVBoxLayout;
  writing->addWidget(Check(Setting::IsSaveBeforeDownload, QT_TR_NOOP("сохранять перед программированием")));
  cbBackup_ = new QCheckBox(tr("сохранять копию раскладки устройства перед загрузкой"));
  cbBackup_->setAccessibleName(cbBackup_->text());
  writing->addWidget(cbBackup_);
  writing->addWidget(Check(Setting::IsDownloadFromSelection, QT_TR_NOOP("загружать выделенный фрагмент")));
  writing->addWidget(Check(Setting::IsCheckLayout, QT_TR_NOOP("проверять раскладку")));
  writing->addWidget(Check(Setting::IsTestAfterDownload, QT_TR_NOOP("открывать окно тестирования после загрузки")));
  writing->addWidget(
      Check(Setting::IsShowDownloadParameters, QT_TR_NOOP("показывать свойства раскладки перед загрузкой")));
  writing->addWidget(new QLabel(tr("группы ячеек")));
  writing->addWidget(
      Combo(Setting::GroupDownloadMode,
            {QT_TR_NOOP("загружать значение только для мастер-клавиши"),
             QT_TR_NOOP("присваивать каждой клавише сожержимое мастер-клавиши"), QT_TR_NOOP("не учитывать")}));
  left->addWidget(Group(tr("Загрузка"), writing));
  auto* reading = new QVBoxLayout;
  reading->addWidget(Check(Setting::DownloadIgnoreEmptyKeys, QT_TR_NOOP("игнорировать пустые клавиши")));
  reading->addWidget(Check(Setting::IsUploadInSelection, QT_TR_NOOP("читать в выделенный фрагмент")));
  reading->addWidget(Check(Setting::IsUploadInCard, QT_TR_NOOP("заменять содержимое считывателя магных карт")));
  left->addWidget(Group(tr("Чтение"), reading));

  auto* right = new QVBoxLayout;
  auto* properties = new QFormLayout;
  properties->addRow(tr("количество уровней"), Combo(Setting::LayerCount, {"1", "2", "3", "4"}));
  // The same steps as the interval dialog's list, in the interface language's decimal sign.
  QComboBox* interval = Combo(Setting::Ibd, {});
  for (int item = 0; item < kIntervalItems; ++item)
    interval->addItem(QString::fromStdString(IntervalItemText(item, CoreTranslator())));
  interval->setToolTip(tr("Задержка между SCAN-кодами посылаемыми клавиатурой"));
  interval->setAccessibleName(tr("задержка между SCAN-кодами (мс)"));
  properties->addRow(tr("задержка между SCAN-кодами (мс)"), interval);
  properties->addRow(Check(Setting::CorrectLock, QT_TR_NOOP("автокоррекция Num Lock и Caps Lock")));
  properties->addRow(Check(Setting::Buffered, QT_TR_NOOP("буферизация нажатых клавиш")));
  right->addWidget(Group(tr("Свойства загружаемой раскладки"), properties));
  auto* sound = new QHBoxLayout;
  edAudio_ = new QLineEdit;
  edAudio_->setReadOnly(true);
  auto* browse = new QToolButton;
  browse->setText(QStringLiteral("..."));
  browse->setAccessibleName(tr("Выбрать звуковой файл"));
  edAudio_->setAccessibleName(tr("звуковой сигнал"));
  connect(browse, &QToolButton::clicked, this, &TfmParameters::BrowseSound);
  sound->addWidget(edAudio_);
  sound->addWidget(browse);
  right->addWidget(Group(tr("звуковой сигнал"), sound));
  cbPort_ = new QComboBox;
  cbPort_->setObjectName(QStringLiteral("cbPort"));
  cbPort_->setAccessibleName(tr("порт клавиатуры"));
  auto* port = new QVBoxLayout;
  port->addWidget(cbPort_);
  right->addWidget(Group(tr("порт клавиатуры"), port));
  right->addStretch();
  layout->addLayout(left);
  layout->addLayout(right);
  return page;
}

void TfmParameters::SetPortChoices(const std::vector<std::pair<QString, QString>>& choices,
                                   const QString& current) {
  cbPort_->clear();
  for (const auto& [value, caption] : choices) cbPort_->addItem(caption, value);
  int index = cbPort_->findData(current);
  if (index < 0) {
    // Nothing chosen yet means the default port when it is there: say so rather than
    // show (and read out) an empty line.
    cbPort_->addItem(current.isEmpty() ? tr("порт по умолчанию (%1)").arg(QLatin1String(kDefaultSerioRawPath)) : current,
                     current);
    index = cbPort_->count() - 1;
  }
  cbPort_->setCurrentIndex(index);
}

QString TfmParameters::PortChoice() const { return cbPort_->currentData().toString(); }

QWidget* TfmParameters::BuildLayoutPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* autosave = new QHBoxLayout;
  cbAutosave_ = new QCheckBox(tr("сохраненять активную раскладку каждые"));
  seAutosave_ = new QSpinBox;
  seAutosave_->setRange(5, 60);
  seAutosave_->setAccessibleName(tr("минут"));
  connect(cbAutosave_, &QCheckBox::toggled, seAutosave_, &QSpinBox::setEnabled);
  autosave->addWidget(cbAutosave_);
  autosave->addWidget(seAutosave_);
  autosave->addWidget(new QLabel(tr("минут")));
  autosave->addStretch();
  layout->addLayout(autosave);
  auto* language = new QFormLayout;
  QComboBox* combo =
      Combo(Setting::Layout, {QT_TR_NOOP("английский"), QT_TR_NOOP("русский"), QT_TR_NOOP("украинский")});
  combo->setToolTip(tr("Установка языка, которым будет отображаться  текст при наборе макроса"));
  language->addRow(tr("язык"), combo);
  layout->addLayout(language);
  cbHighContrast_ = new QCheckBox(tr("контрастные цвета"));
  cbHighContrast_->setObjectName(QStringLiteral("cbHighContrast"));
  cbHighContrast_->setAccessibleName(cbHighContrast_->text());
  cbHighContrast_->setToolTip(tr("Сетка клавиш в цветах высокой контрастности; так же и при контрастной теме рабочего стола"));
  layout->addWidget(cbHighContrast_);
  layout->addStretch();
  return page;
}

QWidget* TfmParameters::BuildImagePage() {
  auto* page = new QWidget;
  auto* layout = new QFormLayout(page);
  layout->addRow(tr("Форма изображения клавиши"),
                 Combo(Setting::ImageKeyForm,
                       {QT_TR_NOOP("прямоугольник"), QT_TR_NOOP("скругленный прямоугольник"), QT_TR_NOOP("круг")}));
  QCheckBox* group = Check(Setting::IsImageGroup, QT_TR_NOOP("учитывать группирование клавиш"));
  group->setEnabled(false);
  layout->addRow(group);
  layout->addRow(tr("создавать текстовую надпись"),
                 Combo(Setting::ImageCreate,
                       {QT_TR_NOOP("для всех клавиш"), QT_TR_NOOP("для непустых"), QT_TR_NOOP("не создавать")}));
  layout->addRow(tr("текст надписи"),
                 Combo(Setting::ImageText, {QT_TR_NOOP("макропоследов. нажатия"), QT_TR_NOOP("макропоследов. отжатия"),
                                            QT_TR_NOOP("примечание уровня"), QT_TR_NOOP("примечание клавиши")}));
  clImageLayers_ = new QListWidget;
  for (int layer = 0; layer < 4; ++layer) {
    auto* item = new QListWidgetItem(QString::number(layer), clImageLayers_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  clImageLayers_->setMaximumHeight(80);
  clImageLayers_->setAccessibleName(tr("содержимое уровней"));
  layout->addRow(tr("содержимое уровней"), clImageLayers_);
  layout->addRow(Check(Setting::ImageAddFunctionKeys, QT_TR_NOOP("включать наименования управляющих клавиш")));
  layout->addRow(tr("тип клавиатуры"),
                 Combo(Setting::ImageDevice, {QT_TR_NOOP("подключенная клавиатура"),
                                              QT_TR_NOOP("предлагать список поддерживаемых клавиатур")}));
  layout->addRow(Check(Setting::ImageRun, QT_TR_NOOP("запускать редактор после создания раскладки")));
  return page;
}

int TfmParameters::Exec(int page) {
  if (page >= 0) pages_->setCurrentIndex(page);
  LoadControls(store_);
  if (auto* ok = findChild<QDialogButtonBox*>()) ok->button(QDialogButtonBox::Ok)->setFocus();
  return exec();
}

void TfmParameters::LoadControls(const SettingsStore& source) {
  for (const auto& [setting, box] : checks_) box->setChecked(source.IsOn(setting));
  for (const auto& [setting, combo] : combos_) {
    combo->setCurrentIndex(std::min<int>(source.Get(setting), combo->count() - 1));
  }
  cbAutosave_->setChecked(source.IsOn(Setting::IsAutosave));
  seAutosave_->setValue(source.Get(Setting::AutosaveValue));
  seAutosave_->setEnabled(cbAutosave_->isChecked());
  cbHighContrast_->setChecked(source.HighContrast());
  const uint8_t mask = source.Get(Setting::ImageLayers);
  for (int layer = 0; layer < 4; ++layer) {
    clImageLayers_->item(layer)->setCheckState(mask & (1 << layer) ? Qt::Checked : Qt::Unchecked);
  }
  // Paths are shown as they are: upper-casing them would break them on a
  // case-sensitive file system.
  edLayoutsPath_->setText(QString::fromStdString(source.LayoutsPath()));
  edAudio_->setText(QString::fromStdString(source.AudioFile()));
  const UiLanguageChoice language =
      languageBackend_ ? StoredUiLanguage(*languageBackend_) : UiLanguageChoice::Automatic;
  cbUiLanguage_->setCurrentIndex(static_cast<int>(language));
}

void TfmParameters::StoreControls() {
  for (const auto& [setting, box] : checks_) store_.Set(setting, box->isChecked() ? 1 : 0);
  for (const auto& [setting, combo] : combos_) {
    store_.Set(setting, static_cast<uint8_t>(std::max(0, combo->currentIndex())));
  }
  store_.Set(Setting::IsAutosave, cbAutosave_->isChecked() ? 1 : 0);
  store_.Set(Setting::AutosaveValue, static_cast<uint8_t>(seAutosave_->value()));
  uint8_t mask = 0;
  for (int layer = 0; layer < 4; ++layer) {
    if (clImageLayers_->item(layer)->checkState() == Qt::Checked) mask |= 1 << layer;
  }
  store_.Set(Setting::ImageLayers, mask);
  store_.SetLayoutsPath(edLayoutsPath_->text().toStdString());
  store_.SetAudioFile(edAudio_->text().toStdString());
  if (store_.HighContrast() != cbHighContrast_->isChecked()) {
    store_.SetHighContrast(cbHighContrast_->isChecked());
    if (parentWidget()) {
      for (TVL2Grid* grid : parentWidget()->window()->findChildren<TVL2Grid*>()) grid->viewport()->update();
    }
  }
  if (languageBackend_)
    StoreUiLanguage(*languageBackend_, static_cast<UiLanguageChoice>(cbUiLanguage_->currentIndex()));
}

void TfmParameters::BrowseFolder() {
  const std::optional<QString> folder = ChooseFolder();
  if (!folder) return;
  if (folder->isEmpty()) {
    QMessageBox::critical(this, tr("Ошибка"), tr("Ошибка выбора папки."));
    return;
  }
  store_.SetLayoutsPath(folder->toStdString());
  edLayoutsPath_->setText(*folder);
}

void TfmParameters::BrowseSound() {
  const std::optional<QString> file = ChooseSound();
  if (!file) return;
  store_.SetAudioFile(file->toStdString());
  edAudio_->setText(*file);
}

void TfmParameters::LoadDefaults() {
  SettingsStore defaults = store_;
  defaults.Defaults(documentsFolder_);
  LoadControls(defaults);
  cbUiLanguage_->setCurrentIndex(static_cast<int>(UiLanguageChoice::Automatic));
}

}  // namespace vl
