<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>core</name>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Внимание</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Информация</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Достигнут предел заполнения строки ввода.</source>
        <translation>The entry line is full.</translation>
    </message>
    <message>
        <source>Все файлы (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>Память устройства будет очищена. Продолжить?</source>
        <translation>The device&apos;s memory will be cleared. Continue?</translation>
    </message>
    <message>
        <source>Память устройства очищена.</source>
        <translation>The device&apos;s memory has been cleared.</translation>
    </message>
    <message>
        <source>Ошибка очистки.</source>
        <translation>Clearing failed.</translation>
    </message>
    <message>
        <source>Автоопределение</source>
        <translation>Autodetection</translation>
    </message>
    <message>
        <source>автоматическое определение типа подключенного устройства</source>
        <translation>detecting the type of the connected device</translation>
    </message>
    <message>
        <source>Контроллер</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>чтение версии контроллера подключенного устройства</source>
        <translation>reading the controller version of the connected device</translation>
    </message>
    <message>
        <source>Устройство не подключено.</source>
        <translation>The device is not connected.</translation>
    </message>
    <message>
        <source>Информация об устройстве</source>
        <translation>Device Information</translation>
    </message>
    <message>
        <source>Ошибка чтения версии контроллера устройства.</source>
        <translation>Could not read the device&apos;s controller version.</translation>
    </message>
    <message>
        <source>сброс устройства</source>
        <translation>resetting the device</translation>
    </message>
    <message>
        <source>очистка памяти устройства</source>
        <translation>clearing the device&apos;s memory</translation>
    </message>
    <message>
        <source>создание протокола данных</source>
        <translation>building the data image</translation>
    </message>
    <message>
        <source>загрузка данных в память устройства</source>
        <translation>writing data to the device&apos;s memory</translation>
    </message>
    <message>
        <source>загрузка дополнительной информации</source>
        <translation>writing additional information</translation>
    </message>
    <message>
        <source>установка задержки между SCAN-кодами</source>
        <translation>setting the delay between SCAN codes</translation>
    </message>
    <message>
        <source>проверка данных в памяти устройства</source>
        <translation>verifying the data in the device&apos;s memory</translation>
    </message>
    <message>
        <source>Объем раскладки превосходит память устройства.</source>
        <translation>The layout is larger than the device&apos;s memory.</translation>
    </message>
    <message>
        <source>Ошибка записи данных в память устройства.</source>
        <translation>Could not write data to the device&apos;s memory.</translation>
    </message>
    <message>
        <source>Ошибка подготовки устройства.</source>
        <translation>Could not prepare the device.</translation>
    </message>
    <message>
        <source>Ошибка проверки данных: память устройства не читается.</source>
        <translation>Verification failed: the device&apos;s memory cannot be read.</translation>
    </message>
    <message>
        <source>Устройство Ostrel не подключено.</source>
        <translation>The Ostrel device is not connected.</translation>
    </message>
    <message>
        <source>определение подключенного устройства</source>
        <translation>detecting the connected device</translation>
    </message>
    <message>
        <source>определение версии контроллера устройства</source>
        <translation>finding out the device&apos;s controller version</translation>
    </message>
    <message>
        <source>сброс клавиатуры</source>
        <translation>resetting the keyboard</translation>
    </message>
    <message>
        <source>Загрузка</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Чтение</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>определение объема данных</source>
        <translation>finding out the data size</translation>
    </message>
    <message>
        <source>чтение данных из памяти устройства</source>
        <translation>reading data from the device&apos;s memory</translation>
    </message>
    <message>
        <source>обработка раскладки</source>
        <translation>processing the layout</translation>
    </message>
    <message>
        <source>Память устройства пуста.</source>
        <translation>The device&apos;s memory is empty.</translation>
    </message>
    <message>
        <source>Ошибка определения размера данных в памяти устройства.</source>
        <translation>Could not find out the size of the data in the device&apos;s memory.</translation>
    </message>
    <message>
        <source>Ошибка чтения раскладки.</source>
        <translation>Could not read the layout.</translation>
    </message>
    <message>
        <source>Ошибка обработки раскладки.</source>
        <translation>Could not process the layout.</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Подтверждение пароля</source>
        <translation>Confirm Password</translation>
    </message>
    <message>
        <source>Введите пароль для открытия раскладки</source>
        <translation>Enter the password for opening the layout</translation>
    </message>
    <message>
        <source>Введите пароль еще раз:</source>
        <translation>Enter the password again:</translation>
    </message>
    <message>
        <source>Внимание! Забытый пароль восстановить невозможно. Список паролей рекомендуется хранить в надежном месте. Следует также помнить, что при вводе пароля учитывается регистр букв.</source>
        <translation>Attention! A forgotten password cannot be recovered. Keep your list of passwords in a safe place. Remember also that passwords are case-sensitive.</translation>
    </message>
    <message>
        <source>При подтверждении введен неверный пароль.</source>
        <translation>The confirmation does not match the password.</translation>
    </message>
    <message>
        <source>Пароль не установлен.</source>
        <translation>No password is set.</translation>
    </message>
    <message>
        <source>Пароль для чтения удален.</source>
        <translation>The password for reading has been removed.</translation>
    </message>
    <message>
        <source>Раскладка Velmorando 2 (*.vld)</source>
        <translation>Velmorando 2 layout (*.vld)</translation>
    </message>
    <message>
        <source>Раскладка Velmorando 2  (*.vld)</source>
        <translation>Velmorando 2 layout (*.vld)</translation>
    </message>
    <message>
        <source>Раскладка Velmorando 1.5 (*.mkb)</source>
        <translation>Velmorando 1.5 layout (*.mkb)</translation>
    </message>
</context>
<context>
    <name>vl::Application</name>
    <message>
        <source>Недостаточно памяти для выполнения операции.</source>
        <translation>Not enough memory to carry out the operation.</translation>
    </message>
</context>
<context>
    <name>vl::AutoSave</name>
    <message>
        <source>Раскладка &quot;%1&quot; заменена данными, прочитанными из устройства. Записать её поверх файла? Примечания и всё, чего нет в устройстве, в файле не сохранятся.</source>
        <translation>The layout &quot;%1&quot; has been replaced with the data read from the device. Write it over the file? Notes and everything else the device does not hold will not be kept in the file.</translation>
    </message>
    <message>
        <source>Раскладка не сохранена (параметр &quot;сохранять перед программированием&quot;). Загрузить её в устройство без сохранения?</source>
        <translation>The layout has not been saved (setting &quot;save before programming&quot;). Download it to the device without saving?</translation>
    </message>
</context>
<context>
    <name>vl::DialogButtons</name>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>vl::DisplaySession</name>
    <message>
        <source>Рабочий стол Wayland оставляет некоторые клавиши себе (Alt+Tab, клавиша Super): их нельзя записать в макропоследовательность.</source>
        <translation>The Wayland desktop keeps some keys for itself (Alt+Tab, the Super key): they cannot be recorded in a macro sequence.</translation>
    </message>
</context>
<context>
    <name>vl::HelpViewer</name>
    <message>
        <source>Справочная система</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>vl::QtPrompt</name>
    <message>
        <source>Пароль</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>vl::Splash</name>
    <message>
        <source>Ostrel · программирование клавиатур TRV</source>
        <translation>Ostrel · TRV keyboard programming</translation>
    </message>
</context>
<context>
    <name>vl::TfmArrange</name>
    <message>
        <source>Расположение окон</source>
        <translation>Arrange Windows</translation>
    </message>
    <message>
        <source>cверху вниз</source>
        <translation>top to bottom</translation>
    </message>
    <message>
        <source>cлева направо</source>
        <translation>left to right</translation>
    </message>
    <message>
        <source>каскадом</source>
        <translation>cascade</translation>
    </message>
</context>
<context>
    <name>vl::TfmCardInputWnd</name>
    <message>
        <source>Считыватель магнитных карт</source>
        <translation>Magnetic Card Reader</translation>
    </message>
    <message>
        <source>Дорожка %1</source>
        <translation>Track %1</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>выводить старт-стоп символы</source>
        <translation>send start and stop sentinels</translation>
    </message>
    <message>
        <source>выводить LRC</source>
        <translation>send LRC</translation>
    </message>
</context>
<context>
    <name>vl::TfmClick</name>
    <message>
        <source>Клик</source>
        <translation>Click</translation>
    </message>
    <message>
        <source>Выберите длительность клика для каждого уровня</source>
        <translation>Choose the click length for each layer</translation>
    </message>
    <message>
        <source>Длительность клика для %1-го уровня</source>
        <translation>Click length for layer %1</translation>
    </message>
    <message>
        <source>%1, значение</source>
        <translation>%1, value</translation>
    </message>
</context>
<context>
    <name>vl::TfmCopyToLayers</name>
    <message>
        <source>Копировать на уровень</source>
        <translation>Copy to Layers</translation>
    </message>
    <message>
        <source> копировать  на уровень  </source>
        <translation> copy to layer </translation>
    </message>
    <message>
        <source>удалить с активного уровня</source>
        <translation>remove from the active layer</translation>
    </message>
</context>
<context>
    <name>vl::TfmExAbout</name>
    <message>
        <source>Поддерживаемые устройства</source>
        <translation>Supported Devices</translation>
    </message>
    <message>
        <source>Серия</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>vl::TfmGotoBookmark</name>
    <message>
        <source>Перейти к закладке</source>
        <translation>Go to Bookmark</translation>
    </message>
    <message>
        <source>Закладки</source>
        <translation>Bookmarks</translation>
    </message>
</context>
<context>
    <name>vl::TfmKeyList</name>
    <message>
        <source>Список клавиш</source>
        <translation>List of keys</translation>
    </message>
    <message>
        <source>Клавиши стандартной клавиатуры</source>
        <translation>Keys of the standard keyboard</translation>
    </message>
</context>
<context>
    <name>vl::TfmNew</name>
    <message>
        <source>Создать</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Выберите раскладку</source>
        <translation>Choose a layout</translation>
    </message>
</context>
<context>
    <name>vl::TfmParameters</name>
    <message>
        <source>Параметры</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Общее</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Устройство</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Раскладка</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Рисунок клавиш</source>
        <translation>Key Image</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>По умолчанию</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>Расположение</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Файл аудио (*.wav)</source>
        <translation>Audio file (*.wav)</translation>
    </message>
    <message>
        <source>Kлaвиша выхода из строки ввода кодовых последовательностей</source>
        <translation>Key that leaves the code sequence entry line</translation>
    </message>
    <message>
        <source>Пробел</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Левый Control</source>
        <translation>Left Control</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>None</translation>
    </message>
    <message>
        <source>выводить информацию о подключенном устройстве</source>
        <translation>show information about the connected device</translation>
    </message>
    <message>
        <source>Действия пpи запуске программы</source>
        <translation>At program start</translation>
    </message>
    <message>
        <source>Расположение файлов раскладок</source>
        <translation>Layout files location</translation>
    </message>
    <message>
        <source>автоматически</source>
        <translation>automatic</translation>
    </message>
    <message>
        <source>язык интерфейса</source>
        <translation>interface language</translation>
    </message>
    <message>
        <source>Действует со следующего запуска программы</source>
        <translation>Takes effect the next time the program starts</translation>
    </message>
    <message>
        <source>нормальный (рабочие станции)</source>
        <translation>normal (workstations)</translation>
    </message>
    <message>
        <source>защищенный (портативные компьютеры)</source>
        <translation>protected (laptops)</translation>
    </message>
    <message>
        <source>Режим загрузки/чтения данных</source>
        <translation>Download/read mode</translation>
    </message>
    <message>
        <source>сохранять перед программированием</source>
        <translation>save before programming</translation>
    </message>
    <message>
        <source>сохранять копию раскладки устройства перед загрузкой</source>
        <translation>keep a copy of the device&apos;s layout before downloading</translation>
    </message>
    <message>
        <source>загружать выделенный фрагмент</source>
        <translation>download the selection</translation>
    </message>
    <message>
        <source>проверять раскладку</source>
        <translation>check the layout</translation>
    </message>
    <message>
        <source>открывать окно тестирования после загрузки</source>
        <translation>open the test window after downloading</translation>
    </message>
    <message>
        <source>показывать свойства раскладки перед загрузкой</source>
        <translation>show the layout properties before downloading</translation>
    </message>
    <message>
        <source>группы ячеек</source>
        <translation>cell groups</translation>
    </message>
    <message>
        <source>загружать значение только для мастер-клавиши</source>
        <translation>download the master key&apos;s value only</translation>
    </message>
    <message>
        <source>присваивать каждой клавише сожержимое мастер-клавиши</source>
        <translation>give every key the master key&apos;s content</translation>
    </message>
    <message>
        <source>не учитывать</source>
        <translation>ignore</translation>
    </message>
    <message>
        <source>Загрузка</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>игнорировать пустые клавиши</source>
        <translation>ignore empty keys</translation>
    </message>
    <message>
        <source>читать в выделенный фрагмент</source>
        <translation>read into the selection</translation>
    </message>
    <message>
        <source>заменять содержимое считывателя магных карт</source>
        <translation>replace the magnetic card reader&apos;s content</translation>
    </message>
    <message>
        <source>Чтение</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>количество уровней</source>
        <translation>number of layers</translation>
    </message>
    <message>
        <source>Задержка между SCAN-кодами посылаемыми клавиатурой</source>
        <translation>Delay between the SCAN codes the keyboard sends</translation>
    </message>
    <message>
        <source>задержка между SCAN-кодами (мс)</source>
        <translation>delay between SCAN codes (ms)</translation>
    </message>
    <message>
        <source>автокоррекция Num Lock и Caps Lock</source>
        <translation>Num Lock and Caps Lock autocorrection</translation>
    </message>
    <message>
        <source>буферизация нажатых клавиш</source>
        <translation>buffer pressed keys</translation>
    </message>
    <message>
        <source>Свойства загружаемой раскладки</source>
        <translation>Properties of the downloaded layout</translation>
    </message>
    <message>
        <source>звуковой сигнал</source>
        <translation>sound signal</translation>
    </message>
    <message>
        <source>порт клавиатуры</source>
        <translation>keyboard port</translation>
    </message>
    <message>
        <source>сохраненять активную раскладку каждые</source>
        <translation>save the active layout every</translation>
    </message>
    <message>
        <source>минут</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>английский</source>
        <translation>English</translation>
    </message>
    <message>
        <source>русский</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>украинский</source>
        <translation>Ukrainian</translation>
    </message>
    <message>
        <source>Установка языка, которым будет отображаться  текст при наборе макроса</source>
        <translation>The language in which text is shown while typing a macro</translation>
    </message>
    <message>
        <source>язык</source>
        <translation>key text language</translation>
    </message>
    <message>
        <source>Форма изображения клавиши</source>
        <translation>Key shape</translation>
    </message>
    <message>
        <source>прямоугольник</source>
        <translation>rectangle</translation>
    </message>
    <message>
        <source>скругленный прямоугольник</source>
        <translation>rounded rectangle</translation>
    </message>
    <message>
        <source>круг</source>
        <translation>circle</translation>
    </message>
    <message>
        <source>учитывать группирование клавиш</source>
        <translation>take key groups into account</translation>
    </message>
    <message>
        <source>создавать текстовую надпись</source>
        <translation>create a text label</translation>
    </message>
    <message>
        <source>для всех клавиш</source>
        <translation>for all keys</translation>
    </message>
    <message>
        <source>для непустых</source>
        <translation>for non-empty keys</translation>
    </message>
    <message>
        <source>не создавать</source>
        <translation>do not create</translation>
    </message>
    <message>
        <source>текст надписи</source>
        <translation>label text</translation>
    </message>
    <message>
        <source>макропоследов. нажатия</source>
        <translation>press macro</translation>
    </message>
    <message>
        <source>макропоследов. отжатия</source>
        <translation>release macro</translation>
    </message>
    <message>
        <source>примечание уровня</source>
        <translation>layer note</translation>
    </message>
    <message>
        <source>примечание клавиши</source>
        <translation>key note</translation>
    </message>
    <message>
        <source>содержимое уровней</source>
        <translation>layer contents</translation>
    </message>
    <message>
        <source>включать наименования управляющих клавиш</source>
        <translation>include control key names</translation>
    </message>
    <message>
        <source>тип клавиатуры</source>
        <translation>keyboard type</translation>
    </message>
    <message>
        <source>подключенная клавиатура</source>
        <translation>connected keyboard</translation>
    </message>
    <message>
        <source>предлагать список поддерживаемых клавиатур</source>
        <translation>offer the list of supported keyboards</translation>
    </message>
    <message>
        <source>запускать редактор после создания раскладки</source>
        <translation>open the editor after creating the layout</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Ошибка выбора папки.</source>
        <translation>Could not choose the folder.</translation>
    </message>
</context>
<context>
    <name>vl::TfmPause</name>
    <message>
        <source>Паузы</source>
        <translation>Pauses</translation>
    </message>
    <message>
        <source>Клавиши строки ввода</source>
        <translation>Keys of the entry line</translation>
    </message>
    <message>
        <source>Список нажатых клавиш</source>
        <translation>List of pressed keys</translation>
    </message>
    <message>
        <source>Перед</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>Значение паузы перед нажатием</source>
        <translation>Pause before the press</translation>
    </message>
    <message>
        <source>После</source>
        <translation>After</translation>
    </message>
    <message>
        <source>Значение паузы перед отжатием</source>
        <translation>Pause before the release</translation>
    </message>
    <message>
        <source>Перед, значение</source>
        <translation>Before, value</translation>
    </message>
    <message>
        <source>После, значение</source>
        <translation>After, value</translation>
    </message>
</context>
<context>
    <name>vl::TfmSpecialPaste</name>
    <message>
        <source>Специальная вставка</source>
        <translation>Special Paste</translation>
    </message>
    <message>
        <source>Категория</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Действие</source>
        <translation>Action</translation>
    </message>
</context>
</TS>
