<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>commands</name>
    <message>
        <source>Созд&amp;ать</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Создать</source>
        <translation>New</translation>
    </message>
    <message>
        <source>&amp;Oткрыть</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Закрыть</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Зак&amp;рыть все</source>
        <translation>Close A&amp;ll</translation>
    </message>
    <message>
        <source>&amp;Cохранить</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Сохранить &amp;как...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Печать рисунка клавиш…</source>
        <translation>Print Key Image…</translation>
    </message>
    <message>
        <source>&amp;Выход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Отменить</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Повторить</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Вырезать</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>Вырезать</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>&amp;Копировать</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Вст&amp;авить</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>Вставить</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Сп&amp;ециальная вставка...</source>
        <translation>Paste &amp;Special...</translation>
    </message>
    <message>
        <source>Специальная вставка</source>
        <translation>Paste Special</translation>
    </message>
    <message>
        <source>Коп&amp;ировать на уровень...</source>
        <translation>Copy to &amp;Layer...</translation>
    </message>
    <message>
        <source>К&amp;опировать на уровень...</source>
        <translation>C&amp;opy to Layer...</translation>
    </message>
    <message>
        <source>О&amp;чистить</source>
        <translation>Cl&amp;ear</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>В&amp;ыделить все</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>С&amp;группировать</source>
        <translation>&amp;Group</translation>
    </message>
    <message>
        <source>Сгруппировать</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>&amp;Разгруппировать</source>
        <translation>&amp;Ungroup</translation>
    </message>
    <message>
        <source>Разгруппировать</source>
        <translation>Ungroup</translation>
    </message>
    <message>
        <source>&amp;Двойная горизонтальная клавиша</source>
        <translation>&amp;Double Horizontal Key</translation>
    </message>
    <message>
        <source>Двойная горизонтальная клавиша</source>
        <translation>Double horizontal key</translation>
    </message>
    <message>
        <source>Д&amp;войная вертикальная клавиша</source>
        <translation>Double &amp;Vertical Key</translation>
    </message>
    <message>
        <source>Двойная вертикальная клавиша</source>
        <translation>Double vertical key</translation>
    </message>
    <message>
        <source>&amp;Четверная клавиша</source>
        <translation>&amp;Quadruple Key</translation>
    </message>
    <message>
        <source>Четверная клавиша</source>
        <translation>Quadruple key</translation>
    </message>
    <message>
        <source>&amp;Переместить мастер-клавишу</source>
        <translation>&amp;Move Master Key</translation>
    </message>
    <message>
        <source>Переместить мастер-клавишу</source>
        <translation>Move the master key</translation>
    </message>
    <message>
        <source>Пе&amp;рейти к закладке...</source>
        <translation>Go to &amp;Bookmark...</translation>
    </message>
    <message>
        <source>Пе&amp;рейти к закладке</source>
        <translation>Go to &amp;Bookmark</translation>
    </message>
    <message>
        <source>&amp;Добавить/изменить</source>
        <translation>&amp;Add/Edit</translation>
    </message>
    <message>
        <source>Добавить закладку</source>
        <translation>Add a bookmark</translation>
    </message>
    <message>
        <source>&amp;Удалить</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Добавить примечание</source>
        <translation>Add a note</translation>
    </message>
    <message>
        <source>&amp;Все</source>
        <translation>&amp;All</translation>
    </message>
    <message>
        <source>Все уровни</source>
        <translation>All layers</translation>
    </message>
    <message>
        <source>Уровень 0</source>
        <translation>Layer 0</translation>
    </message>
    <message>
        <source>Уровень 1</source>
        <translation>Layer 1</translation>
    </message>
    <message>
        <source>Уровень 2</source>
        <translation>Layer 2</translation>
    </message>
    <message>
        <source>Уровень 3</source>
        <translation>Layer 3</translation>
    </message>
    <message>
        <source>&amp;Нормальная</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Высокая</source>
        <translation>&amp;High</translation>
    </message>
    <message>
        <source>&amp;Информация о ячейке</source>
        <translation>&amp;Cell Information</translation>
    </message>
    <message>
        <source>И&amp;нформация о клавише</source>
        <translation>Key &amp;Information</translation>
    </message>
    <message>
        <source>&amp;Добавить</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>Сво&amp;йства загружаемой раскладки</source>
        <translation>P&amp;roperties of the Downloaded Layout</translation>
    </message>
    <message>
        <source>&amp;Погасить</source>
        <translation>&amp;Dim</translation>
    </message>
    <message>
        <source>Информ&amp;ация</source>
        <translation>&amp;Information</translation>
    </message>
    <message>
        <source>Информация об устройстве</source>
        <translation>Device information</translation>
    </message>
    <message>
        <source>&amp;Загрузка</source>
        <translation>&amp;Download</translation>
    </message>
    <message>
        <source>Загрузка раскладки</source>
        <translation>Download the layout to the device</translation>
    </message>
    <message>
        <source>&amp;Чтение</source>
        <translation>&amp;Read</translation>
    </message>
    <message>
        <source>Чтение раскладки</source>
        <translation>Read the layout from the device</translation>
    </message>
    <message>
        <source>&amp;Очистка памяти</source>
        <translation>&amp;Clear Memory</translation>
    </message>
    <message>
        <source>Очистка памяти устройства</source>
        <translation>Clear the device&apos;s memory</translation>
    </message>
    <message>
        <source>&amp;Интервал</source>
        <translation>&amp;Interval</translation>
    </message>
    <message>
        <source>Установка временного интервала</source>
        <translation>Set the time interval</translation>
    </message>
    <message>
        <source>&amp;Сравнить с устройством</source>
        <translation>&amp;Compare with Device</translation>
    </message>
    <message>
        <source>Сравнение раскладки с раскладкой устройства</source>
        <translation>Compare the layout with the device&apos;s layout</translation>
    </message>
    <message>
        <source>&amp;Рисунок клавиш</source>
        <translation>&amp;Key Image</translation>
    </message>
    <message>
        <source>&amp;Тестирование</source>
        <translation>&amp;Testing</translation>
    </message>
    <message>
        <source>&amp;Имитатор клавиатуры</source>
        <translation>Keyboard &amp;Simulator</translation>
    </message>
    <message>
        <source>Клавиши имитатора клавиатуры</source>
        <translation>Keys of the keyboard simulator</translation>
    </message>
    <message>
        <source>П&amp;роверка раскладки</source>
        <translation>&amp;Check Layout</translation>
    </message>
    <message>
        <source>&amp;Установить пароль</source>
        <translation>&amp;Set Password</translation>
    </message>
    <message>
        <source>У&amp;далить пароль</source>
        <translation>&amp;Remove Password</translation>
    </message>
    <message>
        <source>&amp;Параметры</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Программирование клавиши</source>
        <translation>&amp;Program Key</translation>
    </message>
    <message>
        <source>Про&amp;граммировать клавишу</source>
        <translation>&amp;Program Key</translation>
    </message>
    <message>
        <source>Пр&amp;ограммирование считывателя магнитных карт</source>
        <translation>Program &amp;Magnetic Card Reader</translation>
    </message>
    <message>
        <source>&amp;Расположить</source>
        <translation>&amp;Arrange</translation>
    </message>
    <message>
        <source>&amp;Справочная система</source>
        <translation>&amp;Help Contents</translation>
    </message>
    <message>
        <source>По&amp;ддерживаемые устройства</source>
        <translation>S&amp;upported Devices</translation>
    </message>
    <message>
        <source>Ostrel в &amp;Интернете</source>
        <translation>Ostrel on the &amp;Web</translation>
    </message>
    <message>
        <source>Ostrel в Интернете (&amp;Украина)</source>
        <translation>Ostrel on the Web (U&amp;kraine)</translation>
    </message>
    <message>
        <source>&amp;О программе...</source>
        <translation>&amp;About...</translation>
    </message>
</context>
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
        <source>Устройство не подключено.
На порту обычная клавиатура, не программируемая.</source>
        <translation>The device is not connected.
The port has a plain keyboard, not a programmable one.</translation>
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
    <message>
        <source>записывать паузы</source>
        <translation>record pauses</translation>
    </message>
    <message>
        <source>Макрос</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Переход на уровень вверх</source>
        <translation>Layer up</translation>
    </message>
    <message>
        <source>Переход на уровень вниз</source>
        <translation>Layer down</translation>
    </message>
    <message>
        <source>Переход на 0 уровень</source>
        <translation>Switch to layer 0</translation>
    </message>
    <message>
        <source>Переход на 1 уровень</source>
        <translation>Switch to layer 1</translation>
    </message>
    <message>
        <source>Переход на 2 уровень</source>
        <translation>Switch to layer 2</translation>
    </message>
    <message>
        <source>Переход на 3 уровень</source>
        <translation>Switch to layer 3</translation>
    </message>
    <message>
        <source>Временный переход на 0 уровень</source>
        <translation>Temporary switch to layer 0</translation>
    </message>
    <message>
        <source>Временный переход на 1 уровень</source>
        <translation>Temporary switch to layer 1</translation>
    </message>
    <message>
        <source>Временный переход на 2 уровень</source>
        <translation>Temporary switch to layer 2</translation>
    </message>
    <message>
        <source>Временный переход на 3 уровень</source>
        <translation>Temporary switch to layer 3</translation>
    </message>
    <message>
        <source>Ошибка преобразования идентификатора устройства.</source>
        <translation>Could not convert the device identifier.</translation>
    </message>
    <message>
        <source>Порт клавиатуры не найден. Использовать имитатор клавиатуры?</source>
        <translation>The keyboard port was not found. Use the keyboard simulator?</translation>
    </message>
    <message>
        <source>Изображение клавиш сохранено в файл %1, но программа для его просмотра не запущена: с этим типом файлов не связана ни одна программа.</source>
        <translation>The key image has been saved to the file %1, but no program was started to show it: no program is associated with this type of file.</translation>
    </message>
    <message>
        <source>Копия раскладки устройства не сохранена, поэтому загрузка не начата. Копию можно отключить в параметрах (страница &quot;Устройство&quot;).</source>
        <translation>The copy of the device&apos;s layout was not saved, so the download has not started. The copy can be turned off in the settings (page &quot;Device&quot;).</translation>
    </message>
    <message>
        <source>Копия раскладки устройства</source>
        <translation>Copy of the Device&apos;s Layout</translation>
    </message>
    <message>
        <source>Очистка памяти</source>
        <translation>Clearing the Memory</translation>
    </message>
    <message>
        <source>Интервал</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Определение устройства</source>
        <translation>Identifying the Device</translation>
    </message>
    <message>
        <source>Сравнение с устройством</source>
        <translation>Compare with Device</translation>
    </message>
    <message>
        <source>Подключение порта клавиатуры</source>
        <translation>Attaching the Keyboard Port</translation>
    </message>
    <message>
        <source>Возврат порта клавиатуре</source>
        <translation>Returning the Port to the Keyboard</translation>
    </message>
    <message>
        <source>Идёт работа с устройством. Прервать её и закрыть программу?
Прерванная загрузка оставляет память устройства очищенной.</source>
        <translation>The device is being worked with. Stop it and close the program?
An interrupted download leaves the device&apos;s memory cleared.</translation>
    </message>
    <message>
        <source>Раскладка загружена в устройство.</source>
        <translation>The layout has been downloaded to the device.</translation>
    </message>
    <message>
        <source>Интервал между SCAN-кодами установлен.</source>
        <translation>The interval between SCAN codes has been set.</translation>
    </message>
    <message>
        <source>удаление</source>
        <translation>Deletion</translation>
    </message>
    <message>
        <source>вставку</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>специальную вставку</source>
        <translation>Paste Special</translation>
    </message>
    <message>
        <source>перемещение</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>добавление колонок</source>
        <translation>Insert Columns</translation>
    </message>
    <message>
        <source>добавление строк</source>
        <translation>Insert Rows</translation>
    </message>
    <message>
        <source>удаление колонок</source>
        <translation>Delete Columns</translation>
    </message>
    <message>
        <source>удаление строк</source>
        <translation>Delete Rows</translation>
    </message>
    <message>
        <source>копирование на уровни</source>
        <translation>Copy to Layers</translation>
    </message>
    <message>
        <source>изменение данных</source>
        <translation>Data Change</translation>
    </message>
    <message>
        <source>изменение считывателя</source>
        <translation>Card Reader Change</translation>
    </message>
    <message>
        <source>чтение данных из устройства</source>
        <translation>Read from Device</translation>
    </message>
    <message>
        <source>изменение примечаний</source>
        <translation>Note Change</translation>
    </message>
    <message>
        <source>изменение закладок</source>
        <translation>Bookmark Change</translation>
    </message>
    <message>
        <source>группирование</source>
        <translation>Grouping</translation>
    </message>
    <message>
        <source>разгруппирование</source>
        <translation>Ungrouping</translation>
    </message>
    <message>
        <source>перенос главной клавиши</source>
        <translation>Master Key Move</translation>
    </message>
    <message>
        <source>изменение пароля</source>
        <translation>Password Change</translation>
    </message>
    <message>
        <source>Серия</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>Наименование</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Номер</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Количество клавиш</source>
        <translation>Number of keys</translation>
    </message>
    <message>
        <source>Исполнение</source>
        <translation>Variant</translation>
    </message>
    <message>
        <source>Наличие считывателя магнитных карт</source>
        <translation>Magnetic card reader</translation>
    </message>
    <message>
        <source>Наличие считывателя Smart-карт</source>
        <translation>Smart card reader</translation>
    </message>
    <message>
        <source>Наличие внешней клавиатуры</source>
        <translation>External keyboard</translation>
    </message>
    <message>
        <source>Объем памяти</source>
        <translation>Memory size</translation>
    </message>
    <message>
        <source>Программатор</source>
        <translation>Programmer</translation>
    </message>
    <message>
        <source>Версия контроллера устройства</source>
        <translation>Device controller version</translation>
    </message>
    <message>
        <source>да</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Закладка</source>
        <translation>Bookmark</translation>
    </message>
    <message>
        <source>Группа</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Мастер-клавиша</source>
        <translation>Master key</translation>
    </message>
    <message>
        <source>Действие</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>Уровень </source>
        <translation>Layer </translation>
    </message>
    <message>
        <source>Нажатие</source>
        <translation>Press</translation>
    </message>
    <message>
        <source>Отжатие</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>Автоповтор</source>
        <translation>Auto-repeat</translation>
    </message>
    <message>
        <source>Щелчок</source>
        <translation>Click</translation>
    </message>
    <message>
        <source>%1,%2c</source>
        <translation>%1.%2 s</translation>
    </message>
    <message>
        <source>Примечание уровня</source>
        <translation>Layer note</translation>
    </message>
    <message>
        <source>СОДЕРЖАТСЯ НЕОТОБРАЖАЕМЫЕ СИМВОЛЫ</source>
        <translation>CONTAINS CHARACTERS THAT ARE NOT SHOWN</translation>
    </message>
    <message>
        <source>размер (%1,%2)</source>
        <translation>size (%1,%2)</translation>
    </message>
    <message>
        <source>Клавиша </source>
        <translation>Key </translation>
    </message>
    <message>
        <source>Клавиши (%1,%2)-(%3,%4)</source>
        <translation>Keys (%1,%2)-(%3,%4)</translation>
    </message>
    <message>
        <source>(%1,%2) в (%3,%4)</source>
        <translation>(%1,%2) to (%3,%4)</translation>
    </message>
    <message>
        <source> в </source>
        <translation> to </translation>
    </message>
    <message>
        <source>Отжатие </source>
        <translation>Release </translation>
    </message>
    <message>
        <source>байт</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>%1-я попытка</source>
        <translation>attempt %1</translation>
    </message>
    <message>
        <source>%1-й повтор записи данных</source>
        <translation>write retry %1</translation>
    </message>
    <message>
        <source>%1-й повтор чтения данных</source>
        <translation>read retry %1</translation>
    </message>
    <message>
        <source>Ошибка проверки данных: память устройства отличается от раскладки с адреса %1.</source>
        <translation>Verification failed: the device&apos;s memory differs from the layout from address %1.</translation>
    </message>
    <message>
        <source>Ошибка записи данных в память устройства. Используйте настройки программирования устройств (пункт меню Сервис-Параметры-Устройство).</source>
        <translation>Could not write data to the device&apos;s memory. Use the device programming settings (menu Service-Settings-Device).</translation>
    </message>
    <message>
        <source>Проверка данных прервана: раскладка загружена в устройство, но не проверена.</source>
        <translation>Verification stopped: the layout has been downloaded to the device but not verified.</translation>
    </message>
    <message>
        <source>Ошибочная контрольная сумма. Закройте все программы и повторите попытку чтения.</source>
        <translation>Wrong checksum. Close all programs and try reading again.</translation>
    </message>
    <message>
        <source>Размер выделенной области превосходит размер клавиатуры. Продолжить?</source>
        <translation>The selected area is larger than the keyboard. Continue?</translation>
    </message>
    <message>
        <source>При проверке загружаемого фрагмента обнаружены замечания. Продолжить загрузку?</source>
        <translation>The check of the fragment to download found remarks. Continue the download?</translation>
    </message>
    <message>
        <source>После отмены загрузки память устройства будет очищена. Продолжить загрузку?</source>
        <translation>Cancelling the download will leave the device&apos;s memory cleared. Continue the download?</translation>
    </message>
    <message>
        <source>Клавиш с данными вне поля устройства (%1x%2): %3. Они не будут записаны в устройство. Продолжить загрузку?</source>
        <translation>Keys with data outside the device&apos;s field (%1x%2): %3. They will not be written to the device. Continue the download?</translation>
    </message>
    <message>
        <source>Свойства загружаемой раскладки:

  Количество уровней: %1
  Автокоррекция Num Lock и Caps Lock: %2
  Интервал между посылаемыми SCAN-кодами : %3 мс
  Язык раскладки : %4
  Буферизация нажатых клавиш : %5

Заменить раскладку в подключенном устройстве?</source>
        <translation>Properties of the downloaded layout:

  Number of layers: %1
  Num Lock and Caps Lock correction: %2
  Interval between SCAN codes sent: %3 ms
  Layout language: %4
  Buffering of pressed keys: %5

Replace the layout in the connected device?</translation>
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
        <source>Файл %1 уже существует. Заменить его копией раскладки устройства?</source>
        <translation>The file %1 already exists. Replace it with the copy of the device&apos;s layout?</translation>
    </message>
    <message>
        <source>Копия раскладки устройства не может быть записана в файл загружаемой раскладки %1.</source>
        <translation>The copy of the device&apos;s layout cannot be written to the file of the layout being downloaded, %1.</translation>
    </message>
    <message>
        <source>Копируемый фрагмент пуст.</source>
        <translation>The fragment to copy is empty.</translation>
    </message>
    <message>
        <source>Прямоугольник данных в буфере обмена превосходит выделенный. Вставить ячейки буфера в выделенный прямоугольник?<byte value="xd"/>[Да] - вставить ячейки буфера в выделенный прямоугольник;<byte value="xd"/>[Нет] - вставить все ячейки буфера;<byte value="xd"/>[Отмена] - отменить вставку;</source>
        <translation>The data in the clipboard is larger than the selection. Paste the clipboard cells into the selection?<byte value="xd"/>[Yes] - paste the clipboard cells into the selection;<byte value="xd"/>[No] - paste all clipboard cells;<byte value="xd"/>[Cancel] - cancel the paste;</translation>
    </message>
    <message>
        <source>Заменить содержимое конечных кнопок?</source>
        <translation>Replace the contents of the target keys?</translation>
    </message>
    <message>
        <source>При добавлении столбцов значения правых столбцов будут удалены. Продолжить?</source>
        <translation>Inserting columns will delete the values of the rightmost columns. Continue?</translation>
    </message>
    <message>
        <source>При добавлении строк значения нижних строк будут удалены. Продолжить?</source>
        <translation>Inserting rows will delete the values of the bottom rows. Continue?</translation>
    </message>
    <message>
        <source>Указан неверный пароль. Не удается открыть раскладку.</source>
        <translation>Wrong password. The layout cannot be opened.</translation>
    </message>
    <message>
        <source>Формат файла соответсвует формату программы Velmorando 1.5. Преобразовать файл в формат Velmorando 2.0?</source>
        <translation>The file is in the format of Velmorando 1.5. Convert the file to the Velmorando 2.0 format?</translation>
    </message>
    <message>
        <source>Чтение раскладки из файла</source>
        <translation>Reading the layout from the file</translation>
    </message>
    <message>
        <source>Сохранение функций кнопок</source>
        <translation>Saving key functions</translation>
    </message>
    <message>
        <source>Сохр. примечаний и закладок</source>
        <translation>Saving notes and bookmarks</translation>
    </message>
    <message>
        <source>Сохр. групп клавиш</source>
        <translation>Saving key groups</translation>
    </message>
    <message>
        <source>Ошибка записи в файл.</source>
        <translation>Could not write to the file.</translation>
    </message>
    <message>
        <source>Запись возможна только в обычный файл.</source>
        <translation>Only a regular file can be written.</translation>
    </message>
    <message>
        <source>Создание рисунка</source>
        <translation>Building the picture</translation>
    </message>
    <message>
        <source>Чтение раскладки в Macro Text Format</source>
        <translation>Reading the layout in Macro Text Format</translation>
    </message>
    <message>
        <source>Ошибка чтения файла.</source>
        <translation>Could not read the file.</translation>
    </message>
    <message>
        <source>Файл больше 2684354560 байт (2,5 ГиБ): такого текста программа не пишет и не читает.</source>
        <translation>The file is larger than 2684354560 bytes (2.5 GiB): the program neither writes nor reads such a text.</translation>
    </message>
    <message>
        <source>Вставка данных приведет к переполнению строки ввода.</source>
        <translation>Pasting the data would overflow the entry line.</translation>
    </message>
    <message>
        <source>Установка паузы перед нажатием приведет к превышению максимального объема строки ввода.</source>
        <translation>A pause before the press would exceed the maximum size of the entry line.</translation>
    </message>
    <message>
        <source>Установка паузы перед отжатием приведет к превышению максимального объема строки ввода.</source>
        <translation>A pause before the release would exceed the maximum size of the entry line.</translation>
    </message>
    <message>
        <source>включение</source>
        <translation>enabling</translation>
    </message>
    <message>
        <source>заголовок</source>
        <translation>header</translation>
    </message>
    <message>
        <source>разделитель</source>
        <translation>terminator</translation>
    </message>
    <message>
        <source>старт-стоп символы и LRC</source>
        <translation>start and stop characters and LRC</translation>
    </message>
    <message>
        <source>функция</source>
        <translation>function</translation>
    </message>
    <message>
        <source>нажатие</source>
        <translation>press</translation>
    </message>
    <message>
        <source>отпускание</source>
        <translation>release</translation>
    </message>
    <message>
        <source>автоповтор</source>
        <translation>auto-repeat</translation>
    </message>
    <message>
        <source>щелчок</source>
        <translation>click</translation>
    </message>
    <message>
        <source>столбец %1, строка %2</source>
        <translation>column %1, row %2</translation>
    </message>
    <message>
        <source> (клавиша устройства %1,%2)</source>
        <translation> (device key %1,%2)</translation>
    </message>
    <message>
        <source>Содержится информация в незагружаемых уровнях (%1)</source>
        <translation>Data on layers that are not downloaded (%1)</translation>
    </message>
    <message>
        <source>Ссылка на незагружаемые уровни (%1)</source>
        <translation>Switch to layers that are not downloaded (%1)</translation>
    </message>
    <message>
        <source>Уровень %1 содержит данные, но раскладка не имеет клавиши перехода на этот уровень</source>
        <translation>Layer %1 holds data, but the layout has no key switching to this layer</translation>
    </message>
    <message>
        <source>Раскладка содержит переход на уровень %1, но уровень не имеет запрограммированных макросов</source>
        <translation>The layout switches to layer %1, but the layer has no programmed macros</translation>
    </message>
    <message>
        <source>Ошибка %1. %2</source>
        <translation>Error %1. %2</translation>
    </message>
    <message>
        <source>Файл %1, строка %2, столбец %3</source>
        <translation>File %1, line %2, column %3</translation>
    </message>
    <message>
        <source>Включён из файла %1, строка %2, столбец %3</source>
        <translation>Included from file %1, line %2, column %3</translation>
    </message>
    <message>
        <source>Ошибка чтения файла [%1]</source>
        <translation>Error reading file [%1]</translation>
    </message>
    <message>
        <source>Переполнения стека файлов</source>
        <translation>File stack overflow</translation>
    </message>
    <message>
        <source>Циклическая ссылка в файле [%1]</source>
        <translation>Circular reference in file [%1]</translation>
    </message>
    <message>
        <source>Превышено число включаемых файлов (%1)</source>
        <translation>Too many included files (%1)</translation>
    </message>
    <message>
        <source>Превышен объем включаемых файлов (%1 байт)</source>
        <translation>Included files too large (%1 bytes)</translation>
    </message>
    <message>
        <source>Отсутствует }</source>
        <translation>Missing }</translation>
    </message>
    <message>
        <source>Ошибочная запись параметров команды</source>
        <translation>Malformed command parameters</translation>
    </message>
    <message>
        <source>Неизвестная команда</source>
        <translation>Unknown command</translation>
    </message>
    <message>
        <source>Ошибочное употребление модификаторов</source>
        <translation>Modifiers used wrongly</translation>
    </message>
    <message>
        <source>Ошибочное число параметров команды</source>
        <translation>Wrong number of command parameters</translation>
    </message>
    <message>
        <source>Команда употребляется вне окружения</source>
        <translation>Command used outside an environment</translation>
    </message>
    <message>
        <source>Ошибочный параметр</source>
        <translation>Invalid parameter</translation>
    </message>
    <message>
        <source>Команда употребляется в окружении команды \KEY</source>
        <translation>Command is used in the environment of \KEY</translation>
    </message>
    <message>
        <source>Команда употребляется в окружении команды \MCREADER</source>
        <translation>Command is used in the environment of \MCREADER</translation>
    </message>
    <message>
        <source>Команда употребляется в окружении \DOWN, \UP, \HEADER или \TERMINATOR</source>
        <translation>Command is used in the environment of \DOWN, \UP, \HEADER or \TERMINATOR</translation>
    </message>
    <message>
        <source>Команда не имеет окружения</source>
        <translation>Command has no environment</translation>
    </message>
    <message>
        <source>Переполнение стека команд окружения</source>
        <translation>Environment command stack overflow</translation>
    </message>
    <message>
        <source>Переполнение буфера команд окружения</source>
        <translation>Environment command buffer overflow</translation>
    </message>
    <message>
        <source>Отсутствует закрытие комментария</source>
        <translation>Unclosed comment</translation>
    </message>
    <message>
        <source>Отсутствует параметр</source>
        <translation>Missing parameter</translation>
    </message>
    <message>
        <source>Отсутствует команда окружения</source>
        <translation>Missing environment command</translation>
    </message>
    <message>
        <source>Дублирование символа %1 (ASCII:%2)</source>
        <translation>Repeated character %1 (ASCII:%2)</translation>
    </message>
    <message>
        <source>Неизвестный символ %1 (ASCII:%2)</source>
        <translation>Unknown character %1 (ASCII:%2)</translation>
    </message>
    <message>
        <source>Дублирование команды</source>
        <translation>Repeated command</translation>
    </message>
    <message>
        <source>Правый Control</source>
        <translation>Right Control</translation>
    </message>
    <message>
        <source>Левый Control</source>
        <translation>Left Control</translation>
    </message>
    <message>
        <source>Правый Alt</source>
        <translation>Right Alt</translation>
    </message>
    <message>
        <source>Левый Alt</source>
        <translation>Left Alt</translation>
    </message>
    <message>
        <source>Правый Shift</source>
        <translation>Right Shift</translation>
    </message>
    <message>
        <source>Левый Shift</source>
        <translation>Left Shift</translation>
    </message>
    <message>
        <source>Пробел</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Стрелка Вверх</source>
        <translation>Up Arrow</translation>
    </message>
    <message>
        <source>Стрелка Вниз</source>
        <translation>Down Arrow</translation>
    </message>
    <message>
        <source>Стрелка Влево</source>
        <translation>Left Arrow</translation>
    </message>
    <message>
        <source>Стрелка Вправо</source>
        <translation>Right Arrow</translation>
    </message>
    <message>
        <source>Правая Start</source>
        <translation>Right Start</translation>
    </message>
    <message>
        <source>Левая Start</source>
        <translation>Left Start</translation>
    </message>
    <message>
        <source>Функциональное меню</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>[Идентификационные данные]</source>
        <translation>[Identification]</translation>
    </message>
    <message>
        <source>Серия: %1</source>
        <translation>Series: %1</translation>
    </message>
    <message>
        <source>Модель: %1</source>
        <translation>Model: %1</translation>
    </message>
    <message>
        <source>Дата создания серии: %1</source>
        <translation>Series created: %1</translation>
    </message>
    <message>
        <source>[Технические характеристики]</source>
        <translation>[Technical data]</translation>
    </message>
    <message>
        <source>Количество клавиш: %1</source>
        <translation>Number of keys: %1</translation>
    </message>
    <message>
        <source>Ширина клавиатурного поля: %1 клавиш</source>
        <translation>Width of the key field: %1 keys</translation>
    </message>
    <message>
        <source>Высота клавиатурного поля: %1 клавиш</source>
        <translation>Height of the key field: %1 keys</translation>
    </message>
    <message>
        <source>Объем памяти: %1 байт</source>
        <translation>Memory size: %1 bytes</translation>
    </message>
    <message>
        <source>Исполнение: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Файл декодирования: %1</source>
        <translation>Decoding file: %1</translation>
    </message>
    <message>
        <source>Тип нумерации: %1</source>
        <translation>Numbering: %1</translation>
    </message>
    <message>
        <source>[Рисунок клавиш]</source>
        <translation>[Key image]</translation>
    </message>
    <message>
        <source>Необходимость в создании рисунка: %1</source>
        <translation>Key image needed: %1</translation>
    </message>
    <message>
        <source>Ширина клавиши: %1мм</source>
        <translation>Key width: %1 mm</translation>
    </message>
    <message>
        <source>Высота клавиши: %1мм</source>
        <translation>Key height: %1 mm</translation>
    </message>
    <message>
        <source>Горизонтальный шаг: %1мм</source>
        <translation>Horizontal pitch: %1 mm</translation>
    </message>
    <message>
        <source>Вертикальный шаг: %1мм</source>
        <translation>Vertical pitch: %1 mm</translation>
    </message>
    <message>
        <source>Горизонтальный отступ: %1мм</source>
        <translation>Left margin: %1 mm</translation>
    </message>
    <message>
        <source>Вертикальный отступ: %1мм</source>
        <translation>Top margin: %1 mm</translation>
    </message>
    <message>
        <source>%1,%2 c</source>
        <translation>%1.%2 s</translation>
    </message>
    <message>
        <source>клавиша (%1,%2) уровень %3: %4</source>
        <translation>key (%1,%2) layer %3: %4</translation>
    </message>
    <message>
        <source>клавиша (%1,%2): %3</source>
        <translation>key (%1,%2): %3</translation>
    </message>
    <message>
        <source>считыватель, дорожка %1: %2</source>
        <translation>card reader, track %1: %2</translation>
    </message>
    <message>
        <source>считыватель: %1</source>
        <translation>card reader: %1</translation>
    </message>
    <message>
        <source>код %1 (%2) не имеет имени в Macro Text Format</source>
        <translation>code %1 (%2) has no name in Macro Text Format</translation>
    </message>
    <message>
        <source>код %1 не имеет имени в Macro Text Format</source>
        <translation>code %1 has no name in Macro Text Format</translation>
    </message>
    <message>
        <source>байты %1 не составляют ни кода клавиши, ни паузы</source>
        <translation>bytes %1 are neither a key code nor a pause</translation>
    </message>
    <message>
        <source>примечание уровня не записывается</source>
        <translation>the layer note is not written</translation>
    </message>
    <message>
        <source>примечание клавиши не записывается</source>
        <translation>the key note is not written</translation>
    </message>
    <message>
        <source>закладка не записывается</source>
        <translation>the bookmark is not written</translation>
    </message>
    <message>
        <source>группа клавиш не записывается</source>
        <translation>the key group is not written</translation>
    </message>
    <message>
        <source>клавиша без функции не записывается</source>
        <translation>a key without a function is not written</translation>
    </message>
    <message>
        <source>содержимое уровня клавиши перехода не записывается</source>
        <translation>the layer of a layer key is not written</translation>
    </message>
    <message>
        <source>клик %1 не записывается</source>
        <translation>click %1 is not written</translation>
    </message>
    <message>
        <source>автоповтор %1 записывается как %2</source>
        <translation>autorepeat %1 is written as %2</translation>
    </message>
    <message>
        <source>ни одна дорожка не включена, при чтении включатся все четыре</source>
        <translation>no track is enabled; reading it back enables all four</translation>
    </message>
    <message>
        <source>флаги вывода %1 записываются как %2</source>
        <translation>output flags %1 are written as %2</translation>
    </message>
    <message>
        <source>Экспорт в Macro Text Format выполнен. В файл не вошло:</source>
        <translation>Exported to Macro Text Format. Not in the file:</translation>
    </message>
    <message>
        <source>и ещё %1</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>левая Windows</source>
        <translation>left Windows</translation>
    </message>
    <message>
        <source>правая Windows</source>
        <translation>right Windows</translation>
    </message>
    <message>
        <source>клавиша меню</source>
        <translation>menu key</translation>
    </message>
    <message>
        <source>102-я клавиша</source>
        <translation>102nd key</translation>
    </message>
    <message>
        <source>SysRq</source>
        <translation>SysRq</translation>
    </message>
    <message>
        <source>добавленный Shift</source>
        <translation>added Shift</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Break</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Print Screen</translation>
    </message>
    <message>
        <source>%1,%2</source>
        <translation>%1.%2</translation>
    </message>
    <message>
        <source>Память имитатора клавиатуры не сохранена в файл &quot;%1&quot;. Программа попробует сохранить её снова после следующей операции с устройством и при выходе.</source>
        <translation>The simulated keyboard&apos;s memory was not saved to the file &quot;%1&quot;. The program will try to save it again after the next operation with the device and on exit.</translation>
    </message>
    <message>
        <source>Имитатор клавиатуры занят другой программой: его память (&quot;%1&quot;) уже открыта.</source>
        <translation>The simulated keyboard is in use by another program: its memory (&quot;%1&quot;) is already open.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; — папка, а не файл памяти.</source>
        <translation>&quot;%1&quot; is a folder, not a memory file.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; — не обычный файл (FIFO, устройство или сокет), а не файл памяти.</source>
        <translation>&quot;%1&quot; is not a regular file (a FIFO, device or socket), not a memory file.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; содержит %2 байт, а память клавиатуры — %3 байт: это не файл памяти этой клавиатуры.</source>
        <translation>&quot;%1&quot; holds %2 bytes, but the keyboard&apos;s memory is %3 bytes: it is not this keyboard&apos;s memory file.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; не читается: %2</source>
        <translation>&quot;%1&quot; cannot be read: %2</translation>
    </message>
    <message>
        <source>Память не может быть сохранена в папке файла &quot;%1&quot;: %2</source>
        <translation>The memory cannot be saved in the folder of &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Поле устройства %1×%2 с клавиши (%3,%4).</source>
        <translation>Device field %1×%2 from key (%3,%4).</translation>
    </message>
    <message>
        <source>Сохранить рисунок клавиш этого поля?</source>
        <translation>Save the key image of this field?</translation>
    </message>
    <message>
        <source>Ошибка записи данных в память устройства: порт клавиатуры закрыт (устройство отключено).</source>
        <translation>Could not write data to the device&apos;s memory: the keyboard port has closed (the device is gone).</translation>
    </message>
    <message>
        <source>Неверный тип имитатора клавиатуры в &quot;%1&quot;: нужно шестнадцатеричное число от 0 до 3FF.</source>
        <translation>Wrong simulated keyboard type in &quot;%1&quot;: a hexadecimal number from 0 to 3FF is needed.</translation>
    </message>
</context>
<context>
    <name>vl::AppDevice</name>
    <message>
        <source>Память имитатора клавиатуры не может храниться в файле: %1</source>
        <translation>The keyboard simulator&apos;s memory cannot be kept in the file: %1</translation>
    </message>
    <message>
        <source>нет порта</source>
        <translation>no port</translation>
    </message>
    <message>
        <source>имитатор клавиатуры %1 (%2)</source>
        <translation>keyboard simulator %1 (%2)</translation>
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
    <name>vl::CommandLine</name>
    <message>
        <source>Справка: velmorando --help</source>
        <translation>Help: velmorando --help</translation>
    </message>
    <message>
        <source>после %1 нужно значение</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>неизвестный параметр %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>Использование: velmorando [ПАРАМЕТРЫ] [ФАЙЛ...]
Редактор раскладок программируемых клавиатур TRV. Каждый ФАЙЛ (*.vld, *.mkb) открывается при запуске.

  --no-splash    без заставки при запуске
  --data DIR     каталог устройств, шаблоны и справка из папки DIR
  --port PORT    порт клавиатуры на этот запуск: none, путь к порту или sim[:ТИП]
  --help         эта справка
  --version      версия программы
  --             дальше только файлы
</source>
        <translation>Usage: velmorando [OPTIONS] [FILE...]
Layout editor for TRV programmable keyboards. Each FILE (*.vld, *.mkb) is opened at start.

  --no-splash    no splash screen at start
  --data DIR     device catalogue, templates and help from the folder DIR
  --port PORT    keyboard port for this run: none, a port path or sim[:TYPE]
  --help         this help
  --version      the program&apos;s version
  --             only files follow
</translation>
    </message>
</context>
<context>
    <name>vl::DeviceCommands</name>
    <message>
        <source>Печать рисунка клавиш</source>
        <translation>Print Key Image</translation>
    </message>
    <message>
        <source>Печатать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Вся раскладка</source>
        <translation>Whole layout</translation>
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
    <name>vl::IntervalDialog</name>
    <message>
        <source>Интервал</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Выберите интервал между посылаемыми устройством SCAN-кодами (мc)</source>
        <translation>Choose the interval between the SCAN codes the device sends (ms)</translation>
    </message>
    <message>
        <source>Значение временного интервала между SCAN-кодами (в миллисекундах)</source>
        <translation>The time interval between SCAN codes (in milliseconds)</translation>
    </message>
    <message>
        <source>Отменa</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>vl::LayoutDocuments</name>
    <message>
        <source>Файл %1 уже открыт. Вернуться к сохраненному файлу?</source>
        <translation>The file %1 is already open. Go back to the saved file?</translation>
    </message>
    <message>
        <source>Ошибка чтения из файла.</source>
        <translation>Could not read from the file.</translation>
    </message>
</context>
<context>
    <name>vl::PortAttachOption</name>
    <message>
        <source>Порт клавиатуры</source>
        <translation>Keyboard port</translation>
    </message>
    <message>
        <source>подключать порт на время загрузки и возвращать клавиатуре</source>
        <translation>attach the port for the download and give it back to the keyboard</translation>
    </message>
</context>
<context>
    <name>vl::PortHelper</name>
    <message>
        <source>Порт клавиатуры %1 не найден.
Подключить порт клавиатуры для программирования? Пока он подключён, клавиатура не печатает.</source>
        <translation>The keyboard port %1 was not found.
Attach the keyboard port for programming? While it is attached, the keyboard does not type.</translation>
    </message>
    <message>
        <source>Не удалось подключить порт клавиатуры %1.
%2</source>
        <translation>Could not attach the keyboard port %1.
%2</translation>
    </message>
    <message>
        <source>Не удалось вернуть порт клавиатуре.
%1</source>
        <translation>Could not give the port back to the keyboard.
%1</translation>
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
    <name>vl::SimCaption</name>
    <message>
        <source> — имитатор клавиатуры</source>
        <translation> — keyboard simulator</translation>
    </message>
</context>
<context>
    <name>vl::SimKeyField</name>
    <message>
        <source>Клавиши</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Щелчок правой кнопкой мыши фиксирует клавишу нажатой до следующего щелчка по ней</source>
        <translation>A right click holds the key down until the next click on it</translation>
    </message>
    <message>
        <source>клавиша %1, %2</source>
        <translation>key %1, %2</translation>
    </message>
</context>
<context>
    <name>vl::SimKeyboardWindow</name>
    <message>
        <source>Имитатор клавиатуры</source>
        <translation>Keyboard Simulator</translation>
    </message>
    <message>
        <source>Слой</source>
        <translation>Layer</translation>
    </message>
    <message>
        <source>Щелчок</source>
        <translation>Click</translation>
    </message>
    <message>
        <source>Дорожка</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>Дорожка %1</source>
        <translation>Track %1</translation>
    </message>
    <message>
        <source>Провести карту...</source>
        <translation>Swipe Card...</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Слой: %1</source>
        <translation>Layer: %1</translation>
    </message>
    <message>
        <source>Щелчок %1: %2 с</source>
        <translation>Click %1: %2 s</translation>
    </message>
    <message>
        <source>Провести карту</source>
        <translation>Swipe Card</translation>
    </message>
    <message>
        <source>Данные дорожки %1:</source>
        <translation>Track %1 data:</translation>
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
    <name>vl::SupportedDevicesDialog</name>
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
    <name>vl::TPortEdit</name>
    <message>
        <source>Пробел</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>клавиши записываются с порта клавиатуры, не с клавиатуры компьютера</source>
        <translation>keys are recorded from the keyboard port, not from the computer&apos;s keyboard</translation>
    </message>
    <message>
        <source>клавиши записываются с клавиатуры компьютера</source>
        <translation>keys are recorded from the computer&apos;s keyboard</translation>
    </message>
</context>
<context>
    <name>vl::TVL2Grid</name>
    <message>
        <source>Выделенный блок перетащить невозможно.</source>
        <translation>The selected block cannot be moved.</translation>
    </message>
    <message>
        <source>столбец %1, строка %2</source>
        <translation>column %1, row %2</translation>
    </message>
    <message>
        <source>столбец %1</source>
        <translation>column %1</translation>
    </message>
    <message>
        <source>строка %1</source>
        <translation>row %1</translation>
    </message>
</context>
<context>
    <name>vl::TemplateDialog</name>
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
</context>
<context>
    <name>vl::TfmCompare</name>
    <message>
        <source>Сравнение с устройством</source>
        <translation>Compare with Device</translation>
    </message>
    <message>
        <source>Итог сравнения</source>
        <translation>Comparison result</translation>
    </message>
    <message>
        <source>Различия</source>
        <translation>Differences</translation>
    </message>
    <message>
        <source>Клавиша или дорожка</source>
        <translation>Key or track</translation>
    </message>
    <message>
        <source>Слой</source>
        <translation>Layer</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Сравнение с устройством: %1</source>
        <translation>Compare with Device: %1</translation>
    </message>
    <message>
        <source>дорожка %1</source>
        <translation>track %1</translation>
    </message>
    <message>
        <source>Раскладки совпадают.</source>
        <translation>The layouts are the same.</translation>
    </message>
    <message>
        <source>Различий: %1.</source>
        <translation>Differences: %1.</translation>
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
    <name>vl::TfmDetect</name>
    <message>
        <source>Определение</source>
        <translation>Detection</translation>
    </message>
    <message>
        <source>1-я попытка</source>
        <translation>1st attempt</translation>
    </message>
    <message>
        <source>Попытка</source>
        <translation>Attempt</translation>
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
    <name>vl::TfmGrid</name>
    <message>
        <source>Раскладка</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Результаты проверки</source>
        <translation>Check results</translation>
    </message>
    <message>
        <source>Группирование невозможно.</source>
        <translation>The keys cannot be grouped.</translation>
    </message>
    <message>
        <source>Пересечение групп. Группирование невозможно.</source>
        <translation>The groups overlap. The keys cannot be grouped.</translation>
    </message>
    <message>
        <source>Ото&amp;бражаемые уровни</source>
        <translation>Shown &amp;Layers</translation>
    </message>
    <message>
        <source>&amp;Группировать</source>
        <translation>&amp;Group</translation>
    </message>
    <message>
        <source>&amp;Примечание</source>
        <translation>&amp;Note</translation>
    </message>
    <message>
        <source>&amp;Закладка</source>
        <translation>&amp;Bookmark</translation>
    </message>
    <message>
        <source>&amp;Отображаемые уровни</source>
        <translation>Shown &amp;Layers</translation>
    </message>
    <message>
        <source>Выделит&amp;ь поле</source>
        <translation>Select &amp;Field</translation>
    </message>
    <message>
        <source>&amp;Детализация</source>
        <translation>&amp;Detail</translation>
    </message>
    <message>
        <source>&amp;Спрятать</source>
        <translation>&amp;Hide</translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Текст примечания:</source>
        <translation>Note text:</translation>
    </message>
    <message>
        <source>Закладка</source>
        <translation>Bookmark</translation>
    </message>
    <message>
        <source>Имя закладки:</source>
        <translation>Bookmark name:</translation>
    </message>
    <message>
        <source>Закладка [%1] в активном окне дублируется.</source>
        <translation>The bookmark [%1] already exists in the active window.</translation>
    </message>
    <message>
        <source>Активное окно не содержит закладок.</source>
        <translation>The active window has no bookmarks.</translation>
    </message>
    <message>
        <source>Раскладка [%1] была изменена. Сохранить?</source>
        <translation>The layout [%1] has been changed. Save it?</translation>
    </message>
</context>
<context>
    <name>vl::TfmInfo</name>
    <message>
        <source>Параметр</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Закрыть окно</source>
        <translation>Close the window</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>vl::TfmInputWnd</name>
    <message>
        <source>Header, дорожка %1</source>
        <translation>Header, track %1</translation>
    </message>
    <message>
        <source>Terminator, дорожка %1</source>
        <translation>Terminator, track %1</translation>
    </message>
    <message>
        <source>Дорожка %1</source>
        <translation>Track %1</translation>
    </message>
    <message>
        <source>&amp;Вырезать</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Копировать</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Вст&amp;авить</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>Оч&amp;истить</source>
        <translation>Cl&amp;ear</translation>
    </message>
    <message>
        <source>Оч&amp;истить все</source>
        <translation>Clear A&amp;ll</translation>
    </message>
    <message>
        <source>&amp;Паузы</source>
        <translation>Pa&amp;uses</translation>
    </message>
    <message>
        <source>&amp;Добавить код нажатия</source>
        <translation>Add &amp;Press Code</translation>
    </message>
    <message>
        <source>Д&amp;oбавить код отжатия</source>
        <translation>Add &amp;Release Code</translation>
    </message>
    <message>
        <source>К&amp;лик</source>
        <translation>C&amp;lick</translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Автоповтор кодов нажатия</source>
        <translation>Repeat the press codes</translation>
    </message>
    <message>
        <source>Автоповтор кодов нажатия, %1</source>
        <translation>Repeat the press codes, %1</translation>
    </message>
    <message>
        <source>Примечание, %1</source>
        <translation>Note, %1</translation>
    </message>
    <message>
        <source>Добавить код отжатия</source>
        <translation>Add Release Code</translation>
    </message>
    <message>
        <source>Добавить код нажатия</source>
        <translation>Add Press Code</translation>
    </message>
    <message>
        <source>Нажатие и автоповтор</source>
        <translation>Press and Repeat</translation>
    </message>
    <message>
        <source>Отжатие</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>Нажатие, уровень %1</source>
        <translation>Press, layer %1</translation>
    </message>
    <message>
        <source>Отжатие, уровень %1</source>
        <translation>Release, layer %1</translation>
    </message>
    <message>
        <source>Уровень %1</source>
        <translation>Layer %1</translation>
    </message>
    <message>
        <source>Вы&amp;йти из строки</source>
        <translation>Lea&amp;ve the Line</translation>
    </message>
    <message>
        <source>Строки ввода</source>
        <translation>Input lines</translation>
    </message>
</context>
<context>
    <name>vl::TfmKeyInputWnd</name>
    <message>
        <source>Клавиша</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Функция клавиши</source>
        <translation>Key function</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
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
    <message>
        <source>клавиша минус</source>
        <translation>minus key</translation>
    </message>
    <message>
        <source>клавиша равно</source>
        <translation>equals key</translation>
    </message>
    <message>
        <source>клавиша открывающая квадратная скобка</source>
        <translation>left square bracket key</translation>
    </message>
    <message>
        <source>клавиша закрывающая квадратная скобка</source>
        <translation>right square bracket key</translation>
    </message>
    <message>
        <source>клавиша точка с запятой</source>
        <translation>semicolon key</translation>
    </message>
    <message>
        <source>клавиша апостроф</source>
        <translation>apostrophe key</translation>
    </message>
    <message>
        <source>клавиша тильда</source>
        <translation>tilde key</translation>
    </message>
    <message>
        <source>клавиша обратная косая черта</source>
        <translation>backslash key</translation>
    </message>
    <message>
        <source>клавиша запятая</source>
        <translation>comma key</translation>
    </message>
    <message>
        <source>клавиша точка</source>
        <translation>full stop key</translation>
    </message>
    <message>
        <source>клавиша косая черта</source>
        <translation>slash key</translation>
    </message>
    <message>
        <source>клавиша косая черта на цифровом блоке</source>
        <translation>keypad slash key</translation>
    </message>
    <message>
        <source>клавиша звёздочка на цифровом блоке</source>
        <translation>keypad asterisk key</translation>
    </message>
    <message>
        <source>клавиша минус на цифровом блоке</source>
        <translation>keypad minus key</translation>
    </message>
    <message>
        <source>клавиша плюс на цифровом блоке</source>
        <translation>keypad plus key</translation>
    </message>
    <message>
        <source>клавиша точка на цифровом блоке</source>
        <translation>keypad full stop key</translation>
    </message>
    <message>
        <source>клавиша Enter на цифровом блоке</source>
        <translation>keypad Enter key</translation>
    </message>
    <message>
        <source>клавиша %1 на цифровом блоке</source>
        <translation>keypad %1 key</translation>
    </message>
</context>
<context>
    <name>vl::TfmMain</name>
    <message>
        <source>Ostrel Velmorando AT</source>
        <translation>Ostrel Velmorando AT</translation>
    </message>
    <message>
        <source>Информация о ячейке</source>
        <translation>Cell Information</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ostrel Velmorando AT&lt;/b&gt;&lt;br&gt;версия %1&lt;br&gt;&lt;br&gt;Программирование клавиатур TRV и их считывателей магнитных карт.</source>
        <translation>&lt;b&gt;Ostrel Velmorando AT&lt;/b&gt;&lt;br&gt;version %1&lt;br&gt;&lt;br&gt;Programming TRV keyboards and their magnetic card readers.</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Импортировать</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>&amp;Экспортировать</source>
        <translation>&amp;Export</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Выделит&amp;ь поле</source>
        <translation>Select &amp;Field</translation>
    </message>
    <message>
        <source>&amp;Группировать</source>
        <translation>&amp;Group</translation>
    </message>
    <message>
        <source>&amp;Закладка</source>
        <translation>&amp;Bookmark</translation>
    </message>
    <message>
        <source>&amp;Примечание</source>
        <translation>&amp;Note</translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Отображаемые уровни</source>
        <translation>Shown &amp;Layers</translation>
    </message>
    <message>
        <source>&amp;Панели инструментов</source>
        <translation>&amp;Toolbars</translation>
    </message>
    <message>
        <source>&amp;Детализация</source>
        <translation>&amp;Detail</translation>
    </message>
    <message>
        <source>&amp;Устройство</source>
        <translation>&amp;Device</translation>
    </message>
    <message>
        <source>&amp;Сервис</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>&amp;Защита</source>
        <translation>&amp;Protection</translation>
    </message>
    <message>
        <source>&amp;Окно</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>Стандартная</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Раскладка</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Устройство</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Группирование</source>
        <translation>Grouping</translation>
    </message>
    <message>
        <source>&amp;Окна программы</source>
        <translation>Program &amp;Windows</translation>
    </message>
    <message>
        <source>&amp;Стандартная</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>&amp;Раскладка</source>
        <translation>&amp;Layout</translation>
    </message>
    <message>
        <source>&amp;Группирование</source>
        <translation>&amp;Grouping</translation>
    </message>
    <message>
        <source>&amp;Oкна</source>
        <translation>&amp;Windows</translation>
    </message>
    <message>
        <source>Порт: имитатор клавиатуры</source>
        <translation>Port: keyboard simulator</translation>
    </message>
    <message>
        <source>&amp;Отменить</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Повторить</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>не сохранена (сохранение отложено)</source>
        <translation>not saved (saving postponed)</translation>
    </message>
    <message>
        <source>не сохранена</source>
        <translation>not saved</translation>
    </message>
    <message>
        <source>защищена паролем</source>
        <translation>password protected</translation>
    </message>
    <message>
        <source>Не удалось запустить браузер, чтобы открыть %1.</source>
        <translation>Could not start a browser to open %1.</translation>
    </message>
    <message>
        <source>Клавиша (%1,%2)</source>
        <translation>Key (%1,%2)</translation>
    </message>
    <message>
        <source>Пустая раскладка</source>
        <translation>Empty layout</translation>
    </message>
    <message>
        <source>Проверка окончена. Замечаний нет.</source>
        <translation>The check is finished. No remarks.</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Redo</translation>
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
    <message>
        <source>Выбрать папку раскладок</source>
        <translation>Choose the layouts folder</translation>
    </message>
    <message>
        <source>Выбрать звуковой файл</source>
        <translation>Choose the sound file</translation>
    </message>
    <message>
        <source>контрастные цвета</source>
        <translation>high-contrast colours</translation>
    </message>
    <message>
        <source>Сетка клавиш в цветах высокой контрастности; так же и при контрастной теме рабочего стола</source>
        <translation>The key grid in high-contrast colours; so too under a high-contrast desktop theme</translation>
    </message>
    <message>
        <source>порт по умолчанию (%1)</source>
        <translation>default port (%1)</translation>
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
</context>
<context>
    <name>vl::TfmProgress</name>
    <message>
        <source>раскладка</source>
        <translation>layout</translation>
    </message>
    <message>
        <source>режим работы</source>
        <translation>mode</translation>
    </message>
    <message>
        <source>операция</source>
        <translation>operation</translation>
    </message>
    <message>
        <source>Выполнено</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>нормальный (для рабочих станций)</source>
        <translation>normal (for workstations)</translation>
    </message>
    <message>
        <source>защищенный (для портативных компьютеров)</source>
        <translation>protected (for laptops)</translation>
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
<context>
    <name>vl::TfmTest</name>
    <message>
        <source>Тестирование</source>
        <translation>Testing</translation>
    </message>
    <message>
        <source>&amp;Копировать</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Очистить</source>
        <translation>C&amp;lear</translation>
    </message>
    <message>
        <source>&amp;Выделить все</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>Порт клавиатуры</source>
        <translation>Keyboard port</translation>
    </message>
    <message>
        <source>Отображение</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>коды клавиш в десятичная системе иcчисления</source>
        <translation>key codes in decimal</translation>
    </message>
    <message>
        <source>коды клавиш в шестнадцатиричная системе</source>
        <translation>key codes in hexadecimal</translation>
    </message>
    <message>
        <source>наименования клавиш</source>
        <translation>key names</translation>
    </message>
    <message>
        <source>Блокнот</source>
        <translation>Notepad</translation>
    </message>
    <message>
        <source>Tab выводит из поля кодов; клавиша меню или Shift+F10 открывает меню поля</source>
        <translation>Tab leaves the codes field; the menu key or Shift+F10 opens the field&apos;s menu</translation>
    </message>
</context>
</TS>
