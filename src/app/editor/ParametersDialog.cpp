#include "app/editor/ParametersDialog.h"

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

#include "app/editor/DialogButtons.h"

namespace vl {

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

QGroupBox* Group(const char* title, QLayout* layout) {
  auto* box = new QGroupBox(U(title));
  box->setLayout(layout);
  return box;
}

}  // namespace

TfmParameters::TfmParameters(SettingsStore& store, std::string documentsFolder, QWidget* parent)
    : QDialog(parent), store_(store), documentsFolder_(std::move(documentsFolder)) {
  setWindowTitle(U("Параметры"));
  pages_ = new QTabWidget;
  pages_->addTab(BuildGeneralPage(), U("Общее"));
  pages_->addTab(BuildDevicePage(), U("Устройство"));
  pages_->addTab(BuildLayoutPage(), U("Раскладка"));
  pages_->addTab(BuildImagePage(), U("Рисунок клавиш"));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                       QDialogButtonBox::RestoreDefaults);
  buttons->button(QDialogButtonBox::Cancel)->setText(U("Отмена"));
  buttons->button(QDialogButtonBox::RestoreDefaults)->setText(U("По умолчанию"));
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
    QFileDialog dialog(this, U("Расположение"), QString::fromStdString(store_.LayoutsPath()));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
  };
  ChooseSound = [this]() -> std::optional<QString> {
    QFileDialog dialog(this, QString(), QString(), U("Файл аудио (*.wav)"));
    dialog.setDefaultSuffix(QStringLiteral("wav"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
  };
}

QCheckBox* TfmParameters::Check(Setting setting, const char* caption) {
  auto* box = new QCheckBox(U(caption));
  checks_.emplace_back(setting, box);
  return box;
}

QComboBox* TfmParameters::Combo(Setting setting, std::initializer_list<const char*> items) {
  auto* combo = new QComboBox;
  for (const char* item : items) combo->addItem(U(item));
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
  layout->addWidget(new QLabel(U("Kлaвиша выхода из строки ввода кодовых последовательностей")));
  layout->addWidget(Combo(Setting::TabKey, {"Esc", "Tab", "F11", "Пробел", "Левый Control", "Нет"}));
  auto* start = new QVBoxLayout;
  start->addWidget(Check(Setting::IsStartInfo, "выводить информацию о подключенном устройстве"));
  layout->addWidget(Group("Действия пpи запуске программы", start));
  auto* path = new QHBoxLayout;
  edLayoutsPath_ = new QLineEdit;
  edLayoutsPath_->setReadOnly(true);
  auto* browse = new QToolButton;
  browse->setText(QStringLiteral("..."));
  connect(browse, &QToolButton::clicked, this, &TfmParameters::BrowseFolder);
  path->addWidget(edLayoutsPath_);
  path->addWidget(browse);
  layout->addWidget(Group("Расположение файлов раскладок", path));
  layout->addStretch();
  return page;
}

QWidget* TfmParameters::BuildDevicePage() {
  auto* page = new QWidget;
  auto* layout = new QHBoxLayout(page);
  auto* left = new QVBoxLayout;
  auto* mode = new QVBoxLayout;
  mode->addWidget(Combo(Setting::LoadReadWriteMode,
                        {"нормальный (рабочие станции)", "защищенный (портативные компьютеры)"}));
  left->addWidget(Group("Режим загрузки/чтения данных", mode));
  auto* writing = new QVBoxLayout;
  writing->addWidget(Check(Setting::IsSaveBeforeDownload, "сохранять перед программированием"));
  cbBackup_ = new QCheckBox(U("сохранять копию раскладки устройства перед загрузкой"));
  cbBackup_->setAccessibleName(cbBackup_->text());
  writing->addWidget(cbBackup_);
  writing->addWidget(Check(Setting::IsDownloadFromSelection, "загружать выделенный фрагмент"));
  writing->addWidget(Check(Setting::IsCheckLayout, "проверять раскладку"));
  writing->addWidget(Check(Setting::IsTestAfterDownload, "открывать окно тестирования после загрузки"));
  writing->addWidget(Check(Setting::IsShowDownloadParameters, "показывать свойства раскладки перед загрузкой"));
  writing->addWidget(new QLabel(U("группы ячеек")));
  writing->addWidget(Combo(Setting::GroupDownloadMode,
                           {"загружать значение только для мастер-клавиши",
                            "присваивать каждой клавише сожержимое мастер-клавиши", "не учитывать"}));
  left->addWidget(Group("Загрузка", writing));
  auto* reading = new QVBoxLayout;
  reading->addWidget(Check(Setting::DownloadIgnoreEmptyKeys, "игнорировать пустые клавиши"));
  reading->addWidget(Check(Setting::IsUploadInSelection, "читать в выделенный фрагмент"));
  reading->addWidget(Check(Setting::IsUploadInCard, "заменять содержимое считывателя магных карт"));
  left->addWidget(Group("Чтение", reading));

  auto* right = new QVBoxLayout;
  auto* properties = new QFormLayout;
  properties->addRow(U("количество уровней"), Combo(Setting::LayerCount, {"1", "2", "3", "4"}));
  QComboBox* interval = Combo(Setting::Ibd, {"1,6", "3,2", "4,8", "6,4", "8", "9,6", "11,2", "12,8",
                                             "14,4", "16", "17,6", "19,2", "20,8", "22,4", "24", "25,6"});
  interval->setToolTip(U("Задержка между SCAN-кодами посылаемыми клавиатурой"));
  properties->addRow(U("задержка между SCAN-кодами (мс)"), interval);
  properties->addRow(Check(Setting::CorrectLock, "автокоррекция Num Lock и Caps Lock"));
  properties->addRow(Check(Setting::Buffered, "буферизация нажатых клавиш"));
  right->addWidget(Group("Свойства загружаемой раскладки", properties));
  auto* sound = new QHBoxLayout;
  edAudio_ = new QLineEdit;
  edAudio_->setReadOnly(true);
  auto* browse = new QToolButton;
  browse->setText(QStringLiteral("..."));
  connect(browse, &QToolButton::clicked, this, &TfmParameters::BrowseSound);
  sound->addWidget(edAudio_);
  sound->addWidget(browse);
  right->addWidget(Group("звуковой сигнал", sound));
  cbPort_ = new QComboBox;
  cbPort_->setObjectName(QStringLiteral("cbPort"));
  cbPort_->setAccessibleName(U("порт клавиатуры"));
  auto* port = new QVBoxLayout;
  port->addWidget(cbPort_);
  right->addWidget(Group("порт клавиатуры", port));
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
    cbPort_->addItem(current, current);
    index = cbPort_->count() - 1;
  }
  cbPort_->setCurrentIndex(index);
}

QString TfmParameters::PortChoice() const { return cbPort_->currentData().toString(); }

QWidget* TfmParameters::BuildLayoutPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* autosave = new QHBoxLayout;
  cbAutosave_ = new QCheckBox(U("сохраненять активную раскладку каждые"));
  seAutosave_ = new QSpinBox;
  seAutosave_->setRange(5, 60);
  seAutosave_->setAccessibleName(U("минут"));
  connect(cbAutosave_, &QCheckBox::toggled, seAutosave_, &QSpinBox::setEnabled);
  autosave->addWidget(cbAutosave_);
  autosave->addWidget(seAutosave_);
  autosave->addWidget(new QLabel(U("минут")));
  autosave->addStretch();
  layout->addLayout(autosave);
  auto* language = new QFormLayout;
  QComboBox* combo = Combo(Setting::Layout, {"английский", "русский", "украинский"});
  combo->setToolTip(U("Установка языка, которым будет отображаться  текст при наборе макроса"));
  language->addRow(U("язык"), combo);
  layout->addLayout(language);
  layout->addStretch();
  return page;
}

QWidget* TfmParameters::BuildImagePage() {
  auto* page = new QWidget;
  auto* layout = new QFormLayout(page);
  layout->addRow(U("Форма изображения клавиши"),
                 Combo(Setting::ImageKeyForm, {"прямоугольник", "скругленный прямоугольник", "круг"}));
  QCheckBox* group = Check(Setting::IsImageGroup, "учитывать группирование клавиш");
  group->setEnabled(false);
  layout->addRow(group);
  layout->addRow(U("создавать текстовую надпись"),
                 Combo(Setting::ImageCreate, {"для всех клавиш", "для непустых", "не создавать"}));
  layout->addRow(U("текст надписи"),
                 Combo(Setting::ImageText, {"макропоследов. нажатия", "макропоследов. отжатия",
                                            "примечание уровня", "примечание клавиши"}));
  clImageLayers_ = new QListWidget;
  for (int layer = 0; layer < 4; ++layer) {
    auto* item = new QListWidgetItem(QString::number(layer), clImageLayers_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  clImageLayers_->setMaximumHeight(80);
  clImageLayers_->setAccessibleName(U("содержимое уровней"));
  layout->addRow(U("содержимое уровней"), clImageLayers_);
  layout->addRow(Check(Setting::ImageAddFunctionKeys, "включать наименования управляющих клавиш"));
  layout->addRow(U("тип клавиатуры"),
                 Combo(Setting::ImageDevice, {"подключенная клавиатура",
                                              "предлагать список поддерживаемых клавиатур"}));
  layout->addRow(Check(Setting::ImageRun, "запускать редактор после создания раскладки"));
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
  const uint8_t mask = source.Get(Setting::ImageLayers);
  for (int layer = 0; layer < 4; ++layer) {
    clImageLayers_->item(layer)->setCheckState(mask & (1 << layer) ? Qt::Checked : Qt::Unchecked);
  }
  // Paths are shown as they are: upper-casing them would break them on a
  // case-sensitive file system.
  edLayoutsPath_->setText(QString::fromStdString(source.LayoutsPath()));
  edAudio_->setText(QString::fromStdString(source.AudioFile()));
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
}

void TfmParameters::BrowseFolder() {
  const std::optional<QString> folder = ChooseFolder();
  if (!folder) return;
  if (folder->isEmpty()) {
    QMessageBox::critical(this, U("Ошибка"), U("Ошибка выбора папки."));
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
}

}  // namespace vl
