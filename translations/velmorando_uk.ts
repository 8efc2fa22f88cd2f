<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="ru_RU">
<context>
    <name>core</name>
    <message>
        <source>Ошибка</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Внимание</source>
        <translation>Увага</translation>
    </message>
    <message>
        <source>Информация</source>
        <translation>Інформація</translation>
    </message>
    <message>
        <source>Достигнут предел заполнения строки ввода.</source>
        <translation>Досягнуто межі заповнення рядка введення.</translation>
    </message>
    <message>
        <source>Все файлы (*.*)</source>
        <translation>Усі файли (*.*)</translation>
    </message>
    <message>
        <source>Память устройства будет очищена. Продолжить?</source>
        <translation>Пам&apos;ять пристрою буде очищено. Продовжити?</translation>
    </message>
    <message>
        <source>Память устройства очищена.</source>
        <translation>Пам&apos;ять пристрою очищено.</translation>
    </message>
    <message>
        <source>Ошибка очистки.</source>
        <translation>Помилка очищення.</translation>
    </message>
    <message>
        <source>Автоопределение</source>
        <translation>Автовизначення</translation>
    </message>
    <message>
        <source>автоматическое определение типа подключенного устройства</source>
        <translation>автоматичне визначення типу підключеного пристрою</translation>
    </message>
    <message>
        <source>Контроллер</source>
        <translation>Контролер</translation>
    </message>
    <message>
        <source>чтение версии контроллера подключенного устройства</source>
        <translation>читання версії контролера підключеного пристрою</translation>
    </message>
    <message>
        <source>Устройство не подключено.</source>
        <translation>Пристрій не підключено.</translation>
    </message>
    <message>
        <source>Информация об устройстве</source>
        <translation>Інформація про пристрій</translation>
    </message>
    <message>
        <source>Ошибка чтения версии контроллера устройства.</source>
        <translation>Помилка читання версії контролера пристрою.</translation>
    </message>
    <message>
        <source>сброс устройства</source>
        <translation>скидання пристрою</translation>
    </message>
    <message>
        <source>очистка памяти устройства</source>
        <translation>очищення пам&apos;яті пристрою</translation>
    </message>
    <message>
        <source>создание протокола данных</source>
        <translation>створення протоколу даних</translation>
    </message>
    <message>
        <source>загрузка данных в память устройства</source>
        <translation>завантаження даних у пам&apos;ять пристрою</translation>
    </message>
    <message>
        <source>загрузка дополнительной информации</source>
        <translation>завантаження додаткової інформації</translation>
    </message>
    <message>
        <source>установка задержки между SCAN-кодами</source>
        <translation>установлення затримки між SCAN-кодами</translation>
    </message>
    <message>
        <source>проверка данных в памяти устройства</source>
        <translation>перевірка даних у пам&apos;яті пристрою</translation>
    </message>
    <message>
        <source>Объем раскладки превосходит память устройства.</source>
        <translation>Обсяг розкладки перевищує пам&apos;ять пристрою.</translation>
    </message>
    <message>
        <source>Ошибка записи данных в память устройства.</source>
        <translation>Помилка запису даних у пам&apos;ять пристрою.</translation>
    </message>
    <message>
        <source>Ошибка подготовки устройства.</source>
        <translation>Помилка підготовки пристрою.</translation>
    </message>
    <message>
        <source>Ошибка проверки данных: память устройства не читается.</source>
        <translation>Помилка перевірки даних: пам&apos;ять пристрою не читається.</translation>
    </message>
    <message>
        <source>Устройство Ostrel не подключено.</source>
        <translation>Пристрій Ostrel не підключено.</translation>
    </message>
    <message>
        <source>определение подключенного устройства</source>
        <translation>визначення підключеного пристрою</translation>
    </message>
    <message>
        <source>определение версии контроллера устройства</source>
        <translation>визначення версії контролера пристрою</translation>
    </message>
    <message>
        <source>сброс клавиатуры</source>
        <translation>скидання клавіатури</translation>
    </message>
    <message>
        <source>Загрузка</source>
        <translation>Завантаження</translation>
    </message>
    <message>
        <source>Чтение</source>
        <translation>Читання</translation>
    </message>
    <message>
        <source>определение объема данных</source>
        <translation>визначення обсягу даних</translation>
    </message>
    <message>
        <source>чтение данных из памяти устройства</source>
        <translation>читання даних із пам&apos;яті пристрою</translation>
    </message>
    <message>
        <source>обработка раскладки</source>
        <translation>обробка розкладки</translation>
    </message>
    <message>
        <source>Память устройства пуста.</source>
        <translation>Пам&apos;ять пристрою порожня.</translation>
    </message>
    <message>
        <source>Ошибка определения размера данных в памяти устройства.</source>
        <translation>Помилка визначення розміру даних у пам&apos;яті пристрою.</translation>
    </message>
    <message>
        <source>Ошибка чтения раскладки.</source>
        <translation>Помилка читання розкладки.</translation>
    </message>
    <message>
        <source>Ошибка обработки раскладки.</source>
        <translation>Помилка обробки розкладки.</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Подтверждение пароля</source>
        <translation>Підтвердження пароля</translation>
    </message>
    <message>
        <source>Введите пароль для открытия раскладки</source>
        <translation>Введіть пароль для відкриття розкладки</translation>
    </message>
    <message>
        <source>Введите пароль еще раз:</source>
        <translation>Введіть пароль ще раз:</translation>
    </message>
    <message>
        <source>Внимание! Забытый пароль восстановить невозможно. Список паролей рекомендуется хранить в надежном месте. Следует также помнить, что при вводе пароля учитывается регистр букв.</source>
        <translation>Увага! Забутий пароль відновити неможливо. Список паролів рекомендується зберігати в надійному місці. Слід також пам&apos;ятати, що під час введення пароля враховується регістр літер.</translation>
    </message>
    <message>
        <source>При подтверждении введен неверный пароль.</source>
        <translation>Під час підтвердження введено неправильний пароль.</translation>
    </message>
    <message>
        <source>Пароль не установлен.</source>
        <translation>Пароль не встановлено.</translation>
    </message>
    <message>
        <source>Пароль для чтения удален.</source>
        <translation>Пароль для читання видалено.</translation>
    </message>
    <message>
        <source>Раскладка Velmorando 2 (*.vld)</source>
        <translation>Розкладка Velmorando 2 (*.vld)</translation>
    </message>
    <message>
        <source>Раскладка Velmorando 2  (*.vld)</source>
        <translation>Розкладка Velmorando 2 (*.vld)</translation>
    </message>
    <message>
        <source>Раскладка Velmorando 1.5 (*.mkb)</source>
        <translation>Розкладка Velmorando 1.5 (*.mkb)</translation>
    </message>
</context>
<context>
    <name>vl::Application</name>
    <message>
        <source>Недостаточно памяти для выполнения операции.</source>
        <translation>Недостатньо пам&apos;яті для виконання операції.</translation>
    </message>
</context>
<context>
    <name>vl::AutoSave</name>
    <message>
        <source>Раскладка &quot;%1&quot; заменена данными, прочитанными из устройства. Записать её поверх файла? Примечания и всё, чего нет в устройстве, в файле не сохранятся.</source>
        <translation>Розкладку &quot;%1&quot; замінено даними, прочитаними з пристрою. Записати її поверх файлу? Примітки та все, чого немає в пристрої, у файлі не збережуться.</translation>
    </message>
    <message>
        <source>Раскладка не сохранена (параметр &quot;сохранять перед программированием&quot;). Загрузить её в устройство без сохранения?</source>
        <translation>Розкладку не збережено (параметр &quot;зберігати перед програмуванням&quot;). Завантажити її в пристрій без збереження?</translation>
    </message>
</context>
<context>
    <name>vl::DialogButtons</name>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Довідка</translation>
    </message>
</context>
<context>
    <name>vl::DisplaySession</name>
    <message>
        <source>Рабочий стол Wayland оставляет некоторые клавиши себе (Alt+Tab, клавиша Super): их нельзя записать в макропоследовательность.</source>
        <translation>Стільниця Wayland залишає деякі клавіші собі (Alt+Tab, клавіша Super): їх не можна записати в макропослідовність.</translation>
    </message>
</context>
<context>
    <name>vl::HelpViewer</name>
    <message>
        <source>Справочная система</source>
        <translation>Довідкова система</translation>
    </message>
</context>
<context>
    <name>vl::QtPrompt</name>
    <message>
        <source>Пароль</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>vl::Splash</name>
    <message>
        <source>Ostrel · программирование клавиатур TRV</source>
        <translation>Ostrel · програмування клавіатур TRV</translation>
    </message>
</context>
<context>
    <name>vl::TfmArrange</name>
    <message>
        <source>Расположение окон</source>
        <translation>Розташування вікон</translation>
    </message>
    <message>
        <source>cверху вниз</source>
        <translation>згори донизу</translation>
    </message>
    <message>
        <source>cлева направо</source>
        <translation>зліва направо</translation>
    </message>
    <message>
        <source>каскадом</source>
        <translation>каскадом</translation>
    </message>
</context>
<context>
    <name>vl::TfmCardInputWnd</name>
    <message>
        <source>Считыватель магнитных карт</source>
        <translation>Зчитувач магнітних карток</translation>
    </message>
    <message>
        <source>Дорожка %1</source>
        <translation>Доріжка %1</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>выводить старт-стоп символы</source>
        <translation>виводити старт-стоп символи</translation>
    </message>
    <message>
        <source>выводить LRC</source>
        <translation>виводити LRC</translation>
    </message>
</context>
<context>
    <name>vl::TfmClick</name>
    <message>
        <source>Клик</source>
        <translation>Клацання</translation>
    </message>
    <message>
        <source>Выберите длительность клика для каждого уровня</source>
        <translation>Виберіть тривалість клацання для кожного рівня</translation>
    </message>
    <message>
        <source>Длительность клика для %1-го уровня</source>
        <translation>Тривалість клацання для %1-го рівня</translation>
    </message>
    <message>
        <source>%1, значение</source>
        <translation>%1, значення</translation>
    </message>
</context>
<context>
    <name>vl::TfmCopyToLayers</name>
    <message>
        <source>Копировать на уровень</source>
        <translation>Копіювати на рівень</translation>
    </message>
    <message>
        <source> копировать  на уровень  </source>
        <translation> копіювати на рівень </translation>
    </message>
    <message>
        <source>удалить с активного уровня</source>
        <translation>видалити з активного рівня</translation>
    </message>
</context>
<context>
    <name>vl::TfmExAbout</name>
    <message>
        <source>Поддерживаемые устройства</source>
        <translation>Підтримувані пристрої</translation>
    </message>
    <message>
        <source>Серия</source>
        <translation>Серія</translation>
    </message>
    <message>
        <source>Описание</source>
        <translation>Опис</translation>
    </message>
</context>
<context>
    <name>vl::TfmGotoBookmark</name>
    <message>
        <source>Перейти к закладке</source>
        <translation>Перейти до закладки</translation>
    </message>
    <message>
        <source>Закладки</source>
        <translation>Закладки</translation>
    </message>
</context>
<context>
    <name>vl::TfmKeyList</name>
    <message>
        <source>Список клавиш</source>
        <translation>Список клавіш</translation>
    </message>
    <message>
        <source>Клавиши стандартной клавиатуры</source>
        <translation>Клавіші стандартної клавіатури</translation>
    </message>
</context>
<context>
    <name>vl::TfmNew</name>
    <message>
        <source>Создать</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>Выберите раскладку</source>
        <translation>Виберіть розкладку</translation>
    </message>
</context>
<context>
    <name>vl::TfmParameters</name>
    <message>
        <source>Параметры</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>Общее</source>
        <translation>Загальне</translation>
    </message>
    <message>
        <source>Устройство</source>
        <translation>Пристрій</translation>
    </message>
    <message>
        <source>Раскладка</source>
        <translation>Розкладка</translation>
    </message>
    <message>
        <source>Рисунок клавиш</source>
        <translation>Малюнок клавіш</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>По умолчанию</source>
        <translation>За замовчуванням</translation>
    </message>
    <message>
        <source>Расположение</source>
        <translation>Розташування</translation>
    </message>
    <message>
        <source>Файл аудио (*.wav)</source>
        <translation>Аудіофайл (*.wav)</translation>
    </message>
    <message>
        <source>Kлaвиша выхода из строки ввода кодовых последовательностей</source>
        <translation>Клавіша виходу з рядка введення кодових послідовностей</translation>
    </message>
    <message>
        <source>Пробел</source>
        <translation>Пробіл</translation>
    </message>
    <message>
        <source>Левый Control</source>
        <translation>Лівий Control</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>Немає</translation>
    </message>
    <message>
        <source>выводить информацию о подключенном устройстве</source>
        <translation>показувати інформацію про підключений пристрій</translation>
    </message>
    <message>
        <source>Действия пpи запуске программы</source>
        <translation>Дії під час запуску програми</translation>
    </message>
    <message>
        <source>Расположение файлов раскладок</source>
        <translation>Розташування файлів розкладок</translation>
    </message>
    <message>
        <source>автоматически</source>
        <translation>автоматично</translation>
    </message>
    <message>
        <source>язык интерфейса</source>
        <translation>мова інтерфейсу</translation>
    </message>
    <message>
        <source>Действует со следующего запуска программы</source>
        <translation>Діє з наступного запуску програми</translation>
    </message>
    <message>
        <source>нормальный (рабочие станции)</source>
        <translation>звичайний (робочі станції)</translation>
    </message>
    <message>
        <source>защищенный (портативные компьютеры)</source>
        <translation>захищений (портативні комп&apos;ютери)</translation>
    </message>
    <message>
        <source>Режим загрузки/чтения данных</source>
        <translation>Режим завантаження/читання даних</translation>
    </message>
    <message>
        <source>сохранять перед программированием</source>
        <translation>зберігати перед програмуванням</translation>
    </message>
    <message>
        <source>сохранять копию раскладки устройства перед загрузкой</source>
        <translation>зберігати копію розкладки пристрою перед завантаженням</translation>
    </message>
    <message>
        <source>загружать выделенный фрагмент</source>
        <translation>завантажувати виділений фрагмент</translation>
    </message>
    <message>
        <source>проверять раскладку</source>
        <translation>перевіряти розкладку</translation>
    </message>
    <message>
        <source>открывать окно тестирования после загрузки</source>
        <translation>відкривати вікно тестування після завантаження</translation>
    </message>
    <message>
        <source>показывать свойства раскладки перед загрузкой</source>
        <translation>показувати властивості розкладки перед завантаженням</translation>
    </message>
    <message>
        <source>группы ячеек</source>
        <translation>групи комірок</translation>
    </message>
    <message>
        <source>загружать значение только для мастер-клавиши</source>
        <translation>завантажувати значення тільки для майстер-клавіші</translation>
    </message>
    <message>
        <source>присваивать каждой клавише сожержимое мастер-клавиши</source>
        <translation>надавати кожній клавіші вміст майстер-клавіші</translation>
    </message>
    <message>
        <source>не учитывать</source>
        <translation>не враховувати</translation>
    </message>
    <message>
        <source>Загрузка</source>
        <translation>Завантаження</translation>
    </message>
    <message>
        <source>игнорировать пустые клавиши</source>
        <translation>ігнорувати порожні клавіші</translation>
    </message>
    <message>
        <source>читать в выделенный фрагмент</source>
        <translation>читати у виділений фрагмент</translation>
    </message>
    <message>
        <source>заменять содержимое считывателя магных карт</source>
        <translation>замінювати вміст зчитувача магнітних карток</translation>
    </message>
    <message>
        <source>Чтение</source>
        <translation>Читання</translation>
    </message>
    <message>
        <source>количество уровней</source>
        <translation>кількість рівнів</translation>
    </message>
    <message>
        <source>Задержка между SCAN-кодами посылаемыми клавиатурой</source>
        <translation>Затримка між SCAN-кодами, які надсилає клавіатура</translation>
    </message>
    <message>
        <source>задержка между SCAN-кодами (мс)</source>
        <translation>затримка між SCAN-кодами (мс)</translation>
    </message>
    <message>
        <source>автокоррекция Num Lock и Caps Lock</source>
        <translation>автокорекція Num Lock і Caps Lock</translation>
    </message>
    <message>
        <source>буферизация нажатых клавиш</source>
        <translation>буферизація натиснутих клавіш</translation>
    </message>
    <message>
        <source>Свойства загружаемой раскладки</source>
        <translation>Властивості розкладки, що завантажується</translation>
    </message>
    <message>
        <source>звуковой сигнал</source>
        <translation>звуковий сигнал</translation>
    </message>
    <message>
        <source>порт клавиатуры</source>
        <translation>порт клавіатури</translation>
    </message>
    <message>
        <source>сохраненять активную раскладку каждые</source>
        <translation>зберігати активну розкладку кожні</translation>
    </message>
    <message>
        <source>минут</source>
        <translation>хвилин</translation>
    </message>
    <message>
        <source>английский</source>
        <translation>англійська</translation>
    </message>
    <message>
        <source>русский</source>
        <translation>російська</translation>
    </message>
    <message>
        <source>украинский</source>
        <translation>українська</translation>
    </message>
    <message>
        <source>Установка языка, которым будет отображаться  текст при наборе макроса</source>
        <translation>Мова, якою відображатиметься текст під час набору макросу</translation>
    </message>
    <message>
        <source>язык</source>
        <translation>мова тексту клавіш</translation>
    </message>
    <message>
        <source>Форма изображения клавиши</source>
        <translation>Форма зображення клавіші</translation>
    </message>
    <message>
        <source>прямоугольник</source>
        <translation>прямокутник</translation>
    </message>
    <message>
        <source>скругленный прямоугольник</source>
        <translation>заокруглений прямокутник</translation>
    </message>
    <message>
        <source>круг</source>
        <translation>коло</translation>
    </message>
    <message>
        <source>учитывать группирование клавиш</source>
        <translation>враховувати групування клавіш</translation>
    </message>
    <message>
        <source>создавать текстовую надпись</source>
        <translation>створювати текстовий напис</translation>
    </message>
    <message>
        <source>для всех клавиш</source>
        <translation>для всіх клавіш</translation>
    </message>
    <message>
        <source>для непустых</source>
        <translation>для непорожніх</translation>
    </message>
    <message>
        <source>не создавать</source>
        <translation>не створювати</translation>
    </message>
    <message>
        <source>текст надписи</source>
        <translation>текст напису</translation>
    </message>
    <message>
        <source>макропоследов. нажатия</source>
        <translation>макропослід. натискання</translation>
    </message>
    <message>
        <source>макропоследов. отжатия</source>
        <translation>макропослід. відпускання</translation>
    </message>
    <message>
        <source>примечание уровня</source>
        <translation>примітка рівня</translation>
    </message>
    <message>
        <source>примечание клавиши</source>
        <translation>примітка клавіші</translation>
    </message>
    <message>
        <source>содержимое уровней</source>
        <translation>вміст рівнів</translation>
    </message>
    <message>
        <source>включать наименования управляющих клавиш</source>
        <translation>включати назви керуючих клавіш</translation>
    </message>
    <message>
        <source>тип клавиатуры</source>
        <translation>тип клавіатури</translation>
    </message>
    <message>
        <source>подключенная клавиатура</source>
        <translation>підключена клавіатура</translation>
    </message>
    <message>
        <source>предлагать список поддерживаемых клавиатур</source>
        <translation>пропонувати список підтримуваних клавіатур</translation>
    </message>
    <message>
        <source>запускать редактор после создания раскладки</source>
        <translation>запускати редактор після створення розкладки</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Ошибка выбора папки.</source>
        <translation>Помилка вибору теки.</translation>
    </message>
</context>
<context>
    <name>vl::TfmPause</name>
    <message>
        <source>Паузы</source>
        <translation>Паузи</translation>
    </message>
    <message>
        <source>Клавиши строки ввода</source>
        <translation>Клавіші рядка введення</translation>
    </message>
    <message>
        <source>Список нажатых клавиш</source>
        <translation>Список натиснутих клавіш</translation>
    </message>
    <message>
        <source>Перед</source>
        <translation>Перед</translation>
    </message>
    <message>
        <source>Значение паузы перед нажатием</source>
        <translation>Значення паузи перед натисканням</translation>
    </message>
    <message>
        <source>После</source>
        <translation>Після</translation>
    </message>
    <message>
        <source>Значение паузы перед отжатием</source>
        <translation>Значення паузи перед відпусканням</translation>
    </message>
    <message>
        <source>Перед, значение</source>
        <translation>Перед, значення</translation>
    </message>
    <message>
        <source>После, значение</source>
        <translation>Після, значення</translation>
    </message>
</context>
<context>
    <name>vl::TfmSpecialPaste</name>
    <message>
        <source>Специальная вставка</source>
        <translation>Спеціальна вставка</translation>
    </message>
    <message>
        <source>Категория</source>
        <translation>Категорія</translation>
    </message>
    <message>
        <source>Действие</source>
        <translation>Дія</translation>
    </message>
</context>
</TS>
