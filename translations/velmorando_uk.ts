<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA" sourcelanguage="ru_RU">
<context>
    <name>commands</name>
    <message>
        <source>Созд&amp;ать</source>
        <translation>Ство&amp;рити</translation>
    </message>
    <message>
        <source>Создать</source>
        <translation>Створити</translation>
    </message>
    <message>
        <source>&amp;Oткрыть</source>
        <translation>&amp;Відкрити</translation>
    </message>
    <message>
        <source>&amp;Закрыть</source>
        <translation>&amp;Закрити</translation>
    </message>
    <message>
        <source>Зак&amp;рыть все</source>
        <translation>Закрити в&amp;сі</translation>
    </message>
    <message>
        <source>&amp;Cохранить</source>
        <translation>З&amp;берегти</translation>
    </message>
    <message>
        <source>Сохранить &amp;как...</source>
        <translation>Зберегти &amp;як...</translation>
    </message>
    <message>
        <source>Печать рисунка клавиш…</source>
        <translation>Друк малюнка клавіш…</translation>
    </message>
    <message>
        <source>&amp;Выход</source>
        <translation>Ви&amp;хід</translation>
    </message>
    <message>
        <source>&amp;Отменить</source>
        <translation>&amp;Скасувати</translation>
    </message>
    <message>
        <source>&amp;Повторить</source>
        <translation>&amp;Повторити</translation>
    </message>
    <message>
        <source>&amp;Вырезать</source>
        <translation>&amp;Вирізати</translation>
    </message>
    <message>
        <source>Вырезать</source>
        <translation>Вирізати</translation>
    </message>
    <message>
        <source>&amp;Копировать</source>
        <translation>&amp;Копіювати</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Вст&amp;авить</source>
        <translation>Вст&amp;авити</translation>
    </message>
    <message>
        <source>Вставить</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>Сп&amp;ециальная вставка...</source>
        <translation>Сп&amp;еціальна вставка...</translation>
    </message>
    <message>
        <source>Специальная вставка</source>
        <translation>Спеціальна вставка</translation>
    </message>
    <message>
        <source>Коп&amp;ировать на уровень...</source>
        <translation>Коп&amp;іювати на рівень...</translation>
    </message>
    <message>
        <source>К&amp;опировать на уровень...</source>
        <translation>К&amp;опіювати на рівень...</translation>
    </message>
    <message>
        <source>О&amp;чистить</source>
        <translation>О&amp;чистити</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>В&amp;ыделить все</source>
        <translation>Виді&amp;лити все</translation>
    </message>
    <message>
        <source>С&amp;группировать</source>
        <translation>З&amp;групувати</translation>
    </message>
    <message>
        <source>Сгруппировать</source>
        <translation>Згрупувати</translation>
    </message>
    <message>
        <source>&amp;Разгруппировать</source>
        <translation>&amp;Розгрупувати</translation>
    </message>
    <message>
        <source>Разгруппировать</source>
        <translation>Розгрупувати</translation>
    </message>
    <message>
        <source>&amp;Двойная горизонтальная клавиша</source>
        <translation>&amp;Подвійна горизонтальна клавіша</translation>
    </message>
    <message>
        <source>Двойная горизонтальная клавиша</source>
        <translation>Подвійна горизонтальна клавіша</translation>
    </message>
    <message>
        <source>Д&amp;войная вертикальная клавиша</source>
        <translation>П&amp;одвійна вертикальна клавіша</translation>
    </message>
    <message>
        <source>Двойная вертикальная клавиша</source>
        <translation>Подвійна вертикальна клавіша</translation>
    </message>
    <message>
        <source>&amp;Четверная клавиша</source>
        <translation>&amp;Четвірна клавіша</translation>
    </message>
    <message>
        <source>Четверная клавиша</source>
        <translation>Четвірна клавіша</translation>
    </message>
    <message>
        <source>&amp;Переместить мастер-клавишу</source>
        <translation>Пере&amp;містити майстер-клавішу</translation>
    </message>
    <message>
        <source>Переместить мастер-клавишу</source>
        <translation>Перемістити майстер-клавішу</translation>
    </message>
    <message>
        <source>Пе&amp;рейти к закладке...</source>
        <translation>Пе&amp;рейти до закладки...</translation>
    </message>
    <message>
        <source>Пе&amp;рейти к закладке</source>
        <translation>Пе&amp;рейти до закладки</translation>
    </message>
    <message>
        <source>&amp;Добавить/изменить</source>
        <translation>&amp;Додати/змінити</translation>
    </message>
    <message>
        <source>Добавить закладку</source>
        <translation>Додати закладку</translation>
    </message>
    <message>
        <source>&amp;Удалить</source>
        <translation>&amp;Видалити</translation>
    </message>
    <message>
        <source>Добавить примечание</source>
        <translation>Додати примітку</translation>
    </message>
    <message>
        <source>&amp;Все</source>
        <translation>&amp;Усі</translation>
    </message>
    <message>
        <source>Все уровни</source>
        <translation>Усі рівні</translation>
    </message>
    <message>
        <source>Уровень 0</source>
        <translation>Рівень 0</translation>
    </message>
    <message>
        <source>Уровень 1</source>
        <translation>Рівень 1</translation>
    </message>
    <message>
        <source>Уровень 2</source>
        <translation>Рівень 2</translation>
    </message>
    <message>
        <source>Уровень 3</source>
        <translation>Рівень 3</translation>
    </message>
    <message>
        <source>&amp;Нормальная</source>
        <translation>&amp;Звичайна</translation>
    </message>
    <message>
        <source>&amp;Высокая</source>
        <translation>&amp;Висока</translation>
    </message>
    <message>
        <source>&amp;Информация о ячейке</source>
        <translation>&amp;Інформація про комірку</translation>
    </message>
    <message>
        <source>И&amp;нформация о клавише</source>
        <translation>І&amp;нформація про клавішу</translation>
    </message>
    <message>
        <source>&amp;Добавить</source>
        <translation>&amp;Додати</translation>
    </message>
    <message>
        <source>Сво&amp;йства загружаемой раскладки</source>
        <translation>Вла&amp;стивості розкладки, що завантажується</translation>
    </message>
    <message>
        <source>&amp;Погасить</source>
        <translation>&amp;Погасити</translation>
    </message>
    <message>
        <source>Информ&amp;ация</source>
        <translation>Інформ&amp;ація</translation>
    </message>
    <message>
        <source>Информация об устройстве</source>
        <translation>Інформація про пристрій</translation>
    </message>
    <message>
        <source>&amp;Загрузка</source>
        <translation>&amp;Завантаження</translation>
    </message>
    <message>
        <source>Загрузка раскладки</source>
        <translation>Завантаження розкладки в пристрій</translation>
    </message>
    <message>
        <source>&amp;Чтение</source>
        <translation>&amp;Читання</translation>
    </message>
    <message>
        <source>Чтение раскладки</source>
        <translation>Читання розкладки з пристрою</translation>
    </message>
    <message>
        <source>&amp;Очистка памяти</source>
        <translation>&amp;Очищення пам&apos;яті</translation>
    </message>
    <message>
        <source>Очистка памяти устройства</source>
        <translation>Очищення пам&apos;яті пристрою</translation>
    </message>
    <message>
        <source>&amp;Интервал</source>
        <translation>&amp;Інтервал</translation>
    </message>
    <message>
        <source>Установка временного интервала</source>
        <translation>Встановлення часового інтервалу</translation>
    </message>
    <message>
        <source>&amp;Сравнить с устройством</source>
        <translation>&amp;Порівняти з пристроєм</translation>
    </message>
    <message>
        <source>Сравнение раскладки с раскладкой устройства</source>
        <translation>Порівняння розкладки з розкладкою пристрою</translation>
    </message>
    <message>
        <source>&amp;Рисунок клавиш</source>
        <translation>&amp;Малюнок клавіш</translation>
    </message>
    <message>
        <source>&amp;Тестирование</source>
        <translation>&amp;Тестування</translation>
    </message>
    <message>
        <source>&amp;Имитатор клавиатуры</source>
        <translation>І&amp;мітатор клавіатури</translation>
    </message>
    <message>
        <source>Клавиши имитатора клавиатуры</source>
        <translation>Клавіші імітатора клавіатури</translation>
    </message>
    <message>
        <source>П&amp;роверка раскладки</source>
        <translation>Пе&amp;ревірка розкладки</translation>
    </message>
    <message>
        <source>&amp;Установить пароль</source>
        <translation>&amp;Встановити пароль</translation>
    </message>
    <message>
        <source>У&amp;далить пароль</source>
        <translation>В&amp;идалити пароль</translation>
    </message>
    <message>
        <source>&amp;Параметры</source>
        <translation>&amp;Параметри</translation>
    </message>
    <message>
        <source>&amp;Программирование клавиши</source>
        <translation>&amp;Програмування клавіші</translation>
    </message>
    <message>
        <source>Про&amp;граммировать клавишу</source>
        <translation>Про&amp;грамувати клавішу</translation>
    </message>
    <message>
        <source>Пр&amp;ограммирование считывателя магнитных карт</source>
        <translation>Пр&amp;ограмування зчитувача магнітних карток</translation>
    </message>
    <message>
        <source>&amp;Расположить</source>
        <translation>&amp;Розташувати</translation>
    </message>
    <message>
        <source>&amp;Справочная система</source>
        <translation>&amp;Довідкова система</translation>
    </message>
    <message>
        <source>По&amp;ддерживаемые устройства</source>
        <translation>Під&amp;тримувані пристрої</translation>
    </message>
    <message>
        <source>Ostrel в &amp;Интернете</source>
        <translation>Ostrel в &amp;Інтернеті</translation>
    </message>
    <message>
        <source>Ostrel в Интернете (&amp;Украина)</source>
        <translation>Ostrel в Інтернеті (&amp;Україна)</translation>
    </message>
    <message>
        <source>&amp;О программе...</source>
        <translation>&amp;Про програму...</translation>
    </message>
</context>
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
        <source>Устройство не подключено.
На порту обычная клавиатура, не программируемая.</source>
        <translation>Пристрій не підключено.
На порту звичайна клавіатура, не програмована.</translation>
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
    <message>
        <source>записывать паузы</source>
        <translation>записувати паузи</translation>
    </message>
    <message>
        <source>Макрос</source>
        <translation>Макрос</translation>
    </message>
    <message>
        <source>Переход на уровень вверх</source>
        <translation>Перехід на рівень вгору</translation>
    </message>
    <message>
        <source>Переход на уровень вниз</source>
        <translation>Перехід на рівень вниз</translation>
    </message>
    <message>
        <source>Переход на 0 уровень</source>
        <translation>Перехід на 0 рівень</translation>
    </message>
    <message>
        <source>Переход на 1 уровень</source>
        <translation>Перехід на 1 рівень</translation>
    </message>
    <message>
        <source>Переход на 2 уровень</source>
        <translation>Перехід на 2 рівень</translation>
    </message>
    <message>
        <source>Переход на 3 уровень</source>
        <translation>Перехід на 3 рівень</translation>
    </message>
    <message>
        <source>Временный переход на 0 уровень</source>
        <translation>Тимчасовий перехід на 0 рівень</translation>
    </message>
    <message>
        <source>Временный переход на 1 уровень</source>
        <translation>Тимчасовий перехід на 1 рівень</translation>
    </message>
    <message>
        <source>Временный переход на 2 уровень</source>
        <translation>Тимчасовий перехід на 2 рівень</translation>
    </message>
    <message>
        <source>Временный переход на 3 уровень</source>
        <translation>Тимчасовий перехід на 3 рівень</translation>
    </message>
    <message>
        <source>Ошибка преобразования идентификатора устройства.</source>
        <translation>Помилка перетворення ідентифікатора пристрою.</translation>
    </message>
    <message>
        <source>Порт клавиатуры не найден. Использовать имитатор клавиатуры?</source>
        <translation>Порт клавіатури не знайдено. Використати імітатор клавіатури?</translation>
    </message>
    <message>
        <source>Изображение клавиш сохранено в файл %1, но программа для его просмотра не запущена: с этим типом файлов не связана ни одна программа.</source>
        <translation>Зображення клавіш збережено у файл %1, але програму для його перегляду не запущено: з цим типом файлів не пов&apos;язано жодної програми.</translation>
    </message>
    <message>
        <source>Копия раскладки устройства не сохранена, поэтому загрузка не начата. Копию можно отключить в параметрах (страница &quot;Устройство&quot;).</source>
        <translation>Копію розкладки пристрою не збережено, тому завантаження не розпочато. Копію можна вимкнути в параметрах (сторінка &quot;Пристрій&quot;).</translation>
    </message>
    <message>
        <source>Копия раскладки устройства</source>
        <translation>Копія розкладки пристрою</translation>
    </message>
    <message>
        <source>Очистка памяти</source>
        <translation>Очищення пам&apos;яті</translation>
    </message>
    <message>
        <source>Интервал</source>
        <translation>Інтервал</translation>
    </message>
    <message>
        <source>Определение устройства</source>
        <translation>Визначення пристрою</translation>
    </message>
    <message>
        <source>Сравнение с устройством</source>
        <translation>Порівняння з пристроєм</translation>
    </message>
    <message>
        <source>Подключение порта клавиатуры</source>
        <translation>Підключення порту клавіатури</translation>
    </message>
    <message>
        <source>Возврат порта клавиатуре</source>
        <translation>Повернення порту клавіатурі</translation>
    </message>
    <message>
        <source>Идёт работа с устройством. Прервать её и закрыть программу?
Прерванная загрузка оставляет память устройства очищенной.</source>
        <translation>Триває робота з пристроєм. Перервати її та закрити програму?
Перерване завантаження залишає пам&apos;ять пристрою очищеною.</translation>
    </message>
    <message>
        <source>Раскладка загружена в устройство.</source>
        <translation>Розкладку завантажено в пристрій.</translation>
    </message>
    <message>
        <source>Интервал между SCAN-кодами установлен.</source>
        <translation>Інтервал між SCAN-кодами встановлено.</translation>
    </message>
    <message>
        <source>удаление</source>
        <translation>видалення</translation>
    </message>
    <message>
        <source>вставку</source>
        <translation>вставку</translation>
    </message>
    <message>
        <source>специальную вставку</source>
        <translation>спеціальну вставку</translation>
    </message>
    <message>
        <source>перемещение</source>
        <translation>переміщення</translation>
    </message>
    <message>
        <source>добавление колонок</source>
        <translation>додавання колонок</translation>
    </message>
    <message>
        <source>добавление строк</source>
        <translation>додавання рядків</translation>
    </message>
    <message>
        <source>удаление колонок</source>
        <translation>видалення колонок</translation>
    </message>
    <message>
        <source>удаление строк</source>
        <translation>видалення рядків</translation>
    </message>
    <message>
        <source>копирование на уровни</source>
        <translation>копіювання на рівні</translation>
    </message>
    <message>
        <source>изменение данных</source>
        <translation>зміну даних</translation>
    </message>
    <message>
        <source>изменение считывателя</source>
        <translation>зміну зчитувача</translation>
    </message>
    <message>
        <source>чтение данных из устройства</source>
        <translation>читання даних із пристрою</translation>
    </message>
    <message>
        <source>изменение примечаний</source>
        <translation>зміну приміток</translation>
    </message>
    <message>
        <source>изменение закладок</source>
        <translation>зміну закладок</translation>
    </message>
    <message>
        <source>группирование</source>
        <translation>групування</translation>
    </message>
    <message>
        <source>разгруппирование</source>
        <translation>розгрупування</translation>
    </message>
    <message>
        <source>перенос главной клавиши</source>
        <translation>перенесення головної клавіші</translation>
    </message>
    <message>
        <source>изменение пароля</source>
        <translation>зміну пароля</translation>
    </message>
    <message>
        <source>Серия</source>
        <translation>Серія</translation>
    </message>
    <message>
        <source>Наименование</source>
        <translation>Найменування</translation>
    </message>
    <message>
        <source>Номер</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Количество клавиш</source>
        <translation>Кількість клавіш</translation>
    </message>
    <message>
        <source>Исполнение</source>
        <translation>Виконання</translation>
    </message>
    <message>
        <source>Наличие считывателя магнитных карт</source>
        <translation>Наявність зчитувача магнітних карток</translation>
    </message>
    <message>
        <source>Наличие считывателя Smart-карт</source>
        <translation>Наявність зчитувача Smart-карток</translation>
    </message>
    <message>
        <source>Наличие внешней клавиатуры</source>
        <translation>Наявність зовнішньої клавіатури</translation>
    </message>
    <message>
        <source>Объем памяти</source>
        <translation>Обсяг пам&apos;яті</translation>
    </message>
    <message>
        <source>Программатор</source>
        <translation>Програматор</translation>
    </message>
    <message>
        <source>Версия контроллера устройства</source>
        <translation>Версія контролера пристрою</translation>
    </message>
    <message>
        <source>да</source>
        <translation>так</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>ні</translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation>Примітка</translation>
    </message>
    <message>
        <source>Закладка</source>
        <translation>Закладка</translation>
    </message>
    <message>
        <source>Группа</source>
        <translation>Група</translation>
    </message>
    <message>
        <source>Мастер-клавиша</source>
        <translation>Головна клавіша</translation>
    </message>
    <message>
        <source>Действие</source>
        <translation>Дія</translation>
    </message>
    <message>
        <source>Уровень </source>
        <translation>Рівень </translation>
    </message>
    <message>
        <source>Нажатие</source>
        <translation>Натискання</translation>
    </message>
    <message>
        <source>Отжатие</source>
        <translation>Відпускання</translation>
    </message>
    <message>
        <source>Автоповтор</source>
        <translation>Автоповтор</translation>
    </message>
    <message>
        <source>Щелчок</source>
        <translation>Клацання</translation>
    </message>
    <message>
        <source>%1,%2c</source>
        <translation>%1,%2 с</translation>
    </message>
    <message>
        <source>Примечание уровня</source>
        <translation>Примітка рівня</translation>
    </message>
    <message>
        <source>СОДЕРЖАТСЯ НЕОТОБРАЖАЕМЫЕ СИМВОЛЫ</source>
        <translation>МІСТИТЬ СИМВОЛИ, ЩО НЕ ВІДОБРАЖАЮТЬСЯ</translation>
    </message>
    <message>
        <source>размер (%1,%2)</source>
        <translation>розмір (%1,%2)</translation>
    </message>
    <message>
        <source>Клавиша </source>
        <translation>Клавіша </translation>
    </message>
    <message>
        <source>Клавиши (%1,%2)-(%3,%4)</source>
        <translation>Клавіші (%1,%2)-(%3,%4)</translation>
    </message>
    <message>
        <source>(%1,%2) в (%3,%4)</source>
        <translation>(%1,%2) у (%3,%4)</translation>
    </message>
    <message>
        <source> в </source>
        <translation> у </translation>
    </message>
    <message>
        <source>Отжатие </source>
        <translation>Відпускання </translation>
    </message>
    <message>
        <source>байт</source>
        <translation>байт</translation>
    </message>
    <message>
        <source>%1-я попытка</source>
        <translation>%1-а спроба</translation>
    </message>
    <message>
        <source>%1-й повтор записи данных</source>
        <translation>%1-й повтор запису даних</translation>
    </message>
    <message>
        <source>%1-й повтор чтения данных</source>
        <translation>%1-й повтор читання даних</translation>
    </message>
    <message>
        <source>Ошибка проверки данных: память устройства отличается от раскладки с адреса %1.</source>
        <translation>Помилка перевірки даних: пам&apos;ять пристрою відрізняється від розкладки з адреси %1.</translation>
    </message>
    <message>
        <source>Ошибка записи данных в память устройства. Используйте настройки программирования устройств (пункт меню Сервис-Параметры-Устройство).</source>
        <translation>Помилка запису даних у пам&apos;ять пристрою. Скористайтеся налаштуваннями програмування пристроїв (пункт меню Сервіс-Параметри-Пристрій).</translation>
    </message>
    <message>
        <source>Проверка данных прервана: раскладка загружена в устройство, но не проверена.</source>
        <translation>Перевірку даних перервано: розкладку завантажено в пристрій, але не перевірено.</translation>
    </message>
    <message>
        <source>Ошибочная контрольная сумма. Закройте все программы и повторите попытку чтения.</source>
        <translation>Помилкова контрольна сума. Закрийте всі програми й повторіть спробу читання.</translation>
    </message>
    <message>
        <source>Размер выделенной области превосходит размер клавиатуры. Продолжить?</source>
        <translation>Розмір виділеної області перевищує розмір клавіатури. Продовжити?</translation>
    </message>
    <message>
        <source>При проверке загружаемого фрагмента обнаружены замечания. Продолжить загрузку?</source>
        <translation>Під час перевірки завантажуваного фрагмента виявлено зауваження. Продовжити завантаження?</translation>
    </message>
    <message>
        <source>После отмены загрузки память устройства будет очищена. Продолжить загрузку?</source>
        <translation>Після скасування завантаження пам&apos;ять пристрою буде очищено. Продовжити завантаження?</translation>
    </message>
    <message>
        <source>Клавиш с данными вне поля устройства (%1x%2): %3. Они не будут записаны в устройство. Продолжить загрузку?</source>
        <translation>Клавіш із даними поза полем пристрою (%1x%2): %3. Їх не буде записано в пристрій. Продовжити завантаження?</translation>
    </message>
    <message>
        <source>Свойства загружаемой раскладки:

  Количество уровней: %1
  Автокоррекция Num Lock и Caps Lock: %2
  Интервал между посылаемыми SCAN-кодами : %3 мс
  Язык раскладки : %4
  Буферизация нажатых клавиш : %5

Заменить раскладку в подключенном устройстве?</source>
        <translation>Властивості завантажуваної розкладки:

  Кількість рівнів: %1
  Автокорекція Num Lock і Caps Lock: %2
  Інтервал між надсилуваними SCAN-кодами : %3 мс
  Мова розкладки : %4
  Буферизація натиснутих клавіш : %5

Замінити розкладку в підключеному пристрої?</translation>
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
        <source>Файл %1 уже существует. Заменить его копией раскладки устройства?</source>
        <translation>Файл %1 уже існує. Замінити його копією розкладки пристрою?</translation>
    </message>
    <message>
        <source>Копия раскладки устройства не может быть записана в файл загружаемой раскладки %1.</source>
        <translation>Копію розкладки пристрою не можна записати у файл завантажуваної розкладки %1.</translation>
    </message>
    <message>
        <source>Копируемый фрагмент пуст.</source>
        <translation>Копійований фрагмент порожній.</translation>
    </message>
    <message>
        <source>Прямоугольник данных в буфере обмена превосходит выделенный. Вставить ячейки буфера в выделенный прямоугольник?<byte value="xd"/>[Да] - вставить ячейки буфера в выделенный прямоугольник;<byte value="xd"/>[Нет] - вставить все ячейки буфера;<byte value="xd"/>[Отмена] - отменить вставку;</source>
        <translation>Прямокутник даних у буфері обміну більший за виділений. Вставити комірки буфера у виділений прямокутник?<byte value="xd"/>[Так] - вставити комірки буфера у виділений прямокутник;<byte value="xd"/>[Ні] - вставити всі комірки буфера;<byte value="xd"/>[Скасувати] - скасувати вставлення;</translation>
    </message>
    <message>
        <source>Заменить содержимое конечных кнопок?</source>
        <translation>Замінити вміст кінцевих кнопок?</translation>
    </message>
    <message>
        <source>При добавлении столбцов значения правых столбцов будут удалены. Продолжить?</source>
        <translation>Під час додавання стовпців значення правих стовпців буде видалено. Продовжити?</translation>
    </message>
    <message>
        <source>При добавлении строк значения нижних строк будут удалены. Продолжить?</source>
        <translation>Під час додавання рядків значення нижніх рядків буде видалено. Продовжити?</translation>
    </message>
    <message>
        <source>Указан неверный пароль. Не удается открыть раскладку.</source>
        <translation>Вказано неправильний пароль. Не вдається відкрити розкладку.</translation>
    </message>
    <message>
        <source>Формат файла соответсвует формату программы Velmorando 1.5. Преобразовать файл в формат Velmorando 2.0?</source>
        <translation>Формат файлу відповідає формату програми Velmorando 1.5. Перетворити файл у формат Velmorando 2.0?</translation>
    </message>
    <message>
        <source>Чтение раскладки из файла</source>
        <translation>Читання розкладки з файлу</translation>
    </message>
    <message>
        <source>Сохранение функций кнопок</source>
        <translation>Збереження функцій кнопок</translation>
    </message>
    <message>
        <source>Сохр. примечаний и закладок</source>
        <translation>Збер. приміток і закладок</translation>
    </message>
    <message>
        <source>Сохр. групп клавиш</source>
        <translation>Збер. груп клавіш</translation>
    </message>
    <message>
        <source>Ошибка записи в файл.</source>
        <translation>Помилка запису у файл.</translation>
    </message>
    <message>
        <source>Запись возможна только в обычный файл.</source>
        <translation>Записати можна лише у звичайний файл.</translation>
    </message>
    <message>
        <source>Создание рисунка</source>
        <translation>Створення малюнка</translation>
    </message>
    <message>
        <source>Чтение раскладки в Macro Text Format</source>
        <translation>Читання розкладки в Macro Text Format</translation>
    </message>
    <message>
        <source>Ошибка чтения файла.</source>
        <translation>Помилка читання файлу.</translation>
    </message>
    <message>
        <source>Файл больше 2684354560 байт (2,5 ГиБ): такого текста программа не пишет и не читает.</source>
        <translation>Файл більший за 2684354560 байт (2,5 ГіБ): такого тексту програма не пише й не читає.</translation>
    </message>
    <message>
        <source>Вставка данных приведет к переполнению строки ввода.</source>
        <translation>Вставлення даних призведе до переповнення рядка введення.</translation>
    </message>
    <message>
        <source>Установка паузы перед нажатием приведет к превышению максимального объема строки ввода.</source>
        <translation>Встановлення паузи перед натисканням призведе до перевищення максимального обсягу рядка введення.</translation>
    </message>
    <message>
        <source>Установка паузы перед отжатием приведет к превышению максимального объема строки ввода.</source>
        <translation>Встановлення паузи перед відтисканням призведе до перевищення максимального обсягу рядка введення.</translation>
    </message>
    <message>
        <source>включение</source>
        <translation>увімкнення</translation>
    </message>
    <message>
        <source>заголовок</source>
        <translation>заголовок</translation>
    </message>
    <message>
        <source>разделитель</source>
        <translation>роздільник</translation>
    </message>
    <message>
        <source>старт-стоп символы и LRC</source>
        <translation>старт-стоп символи та LRC</translation>
    </message>
    <message>
        <source>функция</source>
        <translation>функція</translation>
    </message>
    <message>
        <source>нажатие</source>
        <translation>натискання</translation>
    </message>
    <message>
        <source>отпускание</source>
        <translation>відтискання</translation>
    </message>
    <message>
        <source>автоповтор</source>
        <translation>автоповтор</translation>
    </message>
    <message>
        <source>щелчок</source>
        <translation>клацання</translation>
    </message>
    <message>
        <source>столбец %1, строка %2</source>
        <translation>стовпець %1, рядок %2</translation>
    </message>
    <message>
        <source> (клавиша устройства %1,%2)</source>
        <translation> (клавіша пристрою %1,%2)</translation>
    </message>
    <message>
        <source>Содержится информация в незагружаемых уровнях (%1)</source>
        <translation>Містить інформацію на незавантажуваних рівнях (%1)</translation>
    </message>
    <message>
        <source>Ссылка на незагружаемые уровни (%1)</source>
        <translation>Посилання на незавантажувані рівні (%1)</translation>
    </message>
    <message>
        <source>Уровень %1 содержит данные, но раскладка не имеет клавиши перехода на этот уровень</source>
        <translation>Рівень %1 містить дані, але розкладка не має клавіші переходу на цей рівень</translation>
    </message>
    <message>
        <source>Раскладка содержит переход на уровень %1, но уровень не имеет запрограммированных макросов</source>
        <translation>Розкладка містить перехід на рівень %1, але рівень не має запрограмованих макросів</translation>
    </message>
    <message>
        <source>Ошибка %1. %2</source>
        <translation>Помилка %1. %2</translation>
    </message>
    <message>
        <source>Файл %1, строка %2, столбец %3</source>
        <translation>Файл %1, рядок %2, стовпець %3</translation>
    </message>
    <message>
        <source>Включён из файла %1, строка %2, столбец %3</source>
        <translation>Включено з файлу %1, рядок %2, стовпець %3</translation>
    </message>
    <message>
        <source>Ошибка чтения файла [%1]</source>
        <translation>Помилка читання файлу [%1]</translation>
    </message>
    <message>
        <source>Переполнения стека файлов</source>
        <translation>Переповнення стека файлів</translation>
    </message>
    <message>
        <source>Циклическая ссылка в файле [%1]</source>
        <translation>Циклічне посилання у файлі [%1]</translation>
    </message>
    <message>
        <source>Превышено число включаемых файлов (%1)</source>
        <translation>Перевищено кількість файлів, що включаються (%1)</translation>
    </message>
    <message>
        <source>Превышен объем включаемых файлов (%1 байт)</source>
        <translation>Перевищено обсяг файлів, що включаються (%1 байт)</translation>
    </message>
    <message>
        <source>Отсутствует }</source>
        <translation>Відсутня }</translation>
    </message>
    <message>
        <source>Ошибочная запись параметров команды</source>
        <translation>Помилковий запис параметрів команди</translation>
    </message>
    <message>
        <source>Неизвестная команда</source>
        <translation>Невідома команда</translation>
    </message>
    <message>
        <source>Ошибочное употребление модификаторов</source>
        <translation>Помилкове вживання модифікаторів</translation>
    </message>
    <message>
        <source>Ошибочное число параметров команды</source>
        <translation>Помилкова кількість параметрів команди</translation>
    </message>
    <message>
        <source>Команда употребляется вне окружения</source>
        <translation>Команда вживається поза оточенням</translation>
    </message>
    <message>
        <source>Ошибочный параметр</source>
        <translation>Помилковий параметр</translation>
    </message>
    <message>
        <source>Команда употребляется в окружении команды \KEY</source>
        <translation>Команда вживається в оточенні команди \KEY</translation>
    </message>
    <message>
        <source>Команда употребляется в окружении команды \MCREADER</source>
        <translation>Команда вживається в оточенні команди \MCREADER</translation>
    </message>
    <message>
        <source>Команда употребляется в окружении \DOWN, \UP, \HEADER или \TERMINATOR</source>
        <translation>Команда вживається в оточенні \DOWN, \UP, \HEADER або \TERMINATOR</translation>
    </message>
    <message>
        <source>Команда не имеет окружения</source>
        <translation>Команда не має оточення</translation>
    </message>
    <message>
        <source>Переполнение стека команд окружения</source>
        <translation>Переповнення стека команд оточення</translation>
    </message>
    <message>
        <source>Переполнение буфера команд окружения</source>
        <translation>Переповнення буфера команд оточення</translation>
    </message>
    <message>
        <source>Отсутствует закрытие комментария</source>
        <translation>Відсутнє закриття коментаря</translation>
    </message>
    <message>
        <source>Отсутствует параметр</source>
        <translation>Відсутній параметр</translation>
    </message>
    <message>
        <source>Отсутствует команда окружения</source>
        <translation>Відсутня команда оточення</translation>
    </message>
    <message>
        <source>Дублирование символа %1 (ASCII:%2)</source>
        <translation>Дублювання символу %1 (ASCII:%2)</translation>
    </message>
    <message>
        <source>Неизвестный символ %1 (ASCII:%2)</source>
        <translation>Невідомий символ %1 (ASCII:%2)</translation>
    </message>
    <message>
        <source>Дублирование команды</source>
        <translation>Дублювання команди</translation>
    </message>
    <message>
        <source>Правый Control</source>
        <translation>Правий Control</translation>
    </message>
    <message>
        <source>Левый Control</source>
        <translation>Лівий Control</translation>
    </message>
    <message>
        <source>Правый Alt</source>
        <translation>Правий Alt</translation>
    </message>
    <message>
        <source>Левый Alt</source>
        <translation>Лівий Alt</translation>
    </message>
    <message>
        <source>Правый Shift</source>
        <translation>Правий Shift</translation>
    </message>
    <message>
        <source>Левый Shift</source>
        <translation>Лівий Shift</translation>
    </message>
    <message>
        <source>Пробел</source>
        <translation>Пробіл</translation>
    </message>
    <message>
        <source>Стрелка Вверх</source>
        <translation>Стрілка вгору</translation>
    </message>
    <message>
        <source>Стрелка Вниз</source>
        <translation>Стрілка вниз</translation>
    </message>
    <message>
        <source>Стрелка Влево</source>
        <translation>Стрілка вліво</translation>
    </message>
    <message>
        <source>Стрелка Вправо</source>
        <translation>Стрілка вправо</translation>
    </message>
    <message>
        <source>Правая Start</source>
        <translation>Права Start</translation>
    </message>
    <message>
        <source>Левая Start</source>
        <translation>Ліва Start</translation>
    </message>
    <message>
        <source>Функциональное меню</source>
        <translation>Функціональне меню</translation>
    </message>
    <message>
        <source>[Идентификационные данные]</source>
        <translation>[Ідентифікаційні дані]</translation>
    </message>
    <message>
        <source>Серия: %1</source>
        <translation>Серія: %1</translation>
    </message>
    <message>
        <source>Модель: %1</source>
        <translation>Модель: %1</translation>
    </message>
    <message>
        <source>Дата создания серии: %1</source>
        <translation>Дата створення серії: %1</translation>
    </message>
    <message>
        <source>[Технические характеристики]</source>
        <translation>[Технічні характеристики]</translation>
    </message>
    <message>
        <source>Количество клавиш: %1</source>
        <translation>Кількість клавіш: %1</translation>
    </message>
    <message>
        <source>Ширина клавиатурного поля: %1 клавиш</source>
        <translation>Ширина клавіатурного поля: %1 клавіш</translation>
    </message>
    <message>
        <source>Высота клавиатурного поля: %1 клавиш</source>
        <translation>Висота клавіатурного поля: %1 клавіш</translation>
    </message>
    <message>
        <source>Объем памяти: %1 байт</source>
        <translation>Обсяг пам&apos;яті: %1 байт</translation>
    </message>
    <message>
        <source>Исполнение: %1</source>
        <translation>Виконання: %1</translation>
    </message>
    <message>
        <source>Файл декодирования: %1</source>
        <translation>Файл декодування: %1</translation>
    </message>
    <message>
        <source>Тип нумерации: %1</source>
        <translation>Тип нумерації: %1</translation>
    </message>
    <message>
        <source>[Рисунок клавиш]</source>
        <translation>[Малюнок клавіш]</translation>
    </message>
    <message>
        <source>Необходимость в создании рисунка: %1</source>
        <translation>Потрібен малюнок клавіш: %1</translation>
    </message>
    <message>
        <source>Ширина клавиши: %1мм</source>
        <translation>Ширина клавіші: %1 мм</translation>
    </message>
    <message>
        <source>Высота клавиши: %1мм</source>
        <translation>Висота клавіші: %1 мм</translation>
    </message>
    <message>
        <source>Горизонтальный шаг: %1мм</source>
        <translation>Горизонтальний крок: %1 мм</translation>
    </message>
    <message>
        <source>Вертикальный шаг: %1мм</source>
        <translation>Вертикальний крок: %1 мм</translation>
    </message>
    <message>
        <source>Горизонтальный отступ: %1мм</source>
        <translation>Горизонтальний відступ: %1 мм</translation>
    </message>
    <message>
        <source>Вертикальный отступ: %1мм</source>
        <translation>Вертикальний відступ: %1 мм</translation>
    </message>
    <message>
        <source>%1,%2 c</source>
        <translation>%1,%2 с</translation>
    </message>
    <message>
        <source>клавиша (%1,%2) уровень %3: %4</source>
        <translation>клавіша (%1,%2) рівень %3: %4</translation>
    </message>
    <message>
        <source>клавиша (%1,%2): %3</source>
        <translation>клавіша (%1,%2): %3</translation>
    </message>
    <message>
        <source>считыватель, дорожка %1: %2</source>
        <translation>зчитувач, доріжка %1: %2</translation>
    </message>
    <message>
        <source>считыватель: %1</source>
        <translation>зчитувач: %1</translation>
    </message>
    <message>
        <source>код %1 (%2) не имеет имени в Macro Text Format</source>
        <translation>код %1 (%2) не має імені в Macro Text Format</translation>
    </message>
    <message>
        <source>код %1 не имеет имени в Macro Text Format</source>
        <translation>код %1 не має імені в Macro Text Format</translation>
    </message>
    <message>
        <source>байты %1 не составляют ни кода клавиши, ни паузы</source>
        <translation>байти %1 не є ні кодом клавіші, ні паузою</translation>
    </message>
    <message>
        <source>примечание уровня не записывается</source>
        <translation>примітка рівня не записується</translation>
    </message>
    <message>
        <source>примечание клавиши не записывается</source>
        <translation>примітка клавіші не записується</translation>
    </message>
    <message>
        <source>закладка не записывается</source>
        <translation>закладка не записується</translation>
    </message>
    <message>
        <source>группа клавиш не записывается</source>
        <translation>група клавіш не записується</translation>
    </message>
    <message>
        <source>клавиша без функции не записывается</source>
        <translation>клавіша без функції не записується</translation>
    </message>
    <message>
        <source>содержимое уровня клавиши перехода не записывается</source>
        <translation>вміст рівня клавіші переходу не записується</translation>
    </message>
    <message>
        <source>клик %1 не записывается</source>
        <translation>клік %1 не записується</translation>
    </message>
    <message>
        <source>автоповтор %1 записывается как %2</source>
        <translation>автоповтор %1 записується як %2</translation>
    </message>
    <message>
        <source>ни одна дорожка не включена, при чтении включатся все четыре</source>
        <translation>жодну доріжку не ввімкнено, під час читання ввімкнуться всі чотири</translation>
    </message>
    <message>
        <source>флаги вывода %1 записываются как %2</source>
        <translation>прапорці виведення %1 записуються як %2</translation>
    </message>
    <message>
        <source>Экспорт в Macro Text Format выполнен. В файл не вошло:</source>
        <translation>Експорт у Macro Text Format виконано. До файлу не ввійшло:</translation>
    </message>
    <message>
        <source>и ещё %1</source>
        <translation>і ще %1</translation>
    </message>
    <message>
        <source>левая Windows</source>
        <translation>ліва Windows</translation>
    </message>
    <message>
        <source>правая Windows</source>
        <translation>права Windows</translation>
    </message>
    <message>
        <source>клавиша меню</source>
        <translation>клавіша меню</translation>
    </message>
    <message>
        <source>102-я клавиша</source>
        <translation>102-га клавіша</translation>
    </message>
    <message>
        <source>SysRq</source>
        <translation>SysRq</translation>
    </message>
    <message>
        <source>добавленный Shift</source>
        <translation>доданий Shift</translation>
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
        <translation>%1,%2</translation>
    </message>
    <message>
        <source>Память имитатора клавиатуры не сохранена в файл &quot;%1&quot;. Программа попробует сохранить её снова после следующей операции с устройством и при выходе.</source>
        <translation>Пам&apos;ять імітатора клавіатури не збережено у файл &quot;%1&quot;. Програма спробує зберегти її знову після наступної операції з пристроєм і під час виходу.</translation>
    </message>
    <message>
        <source>Имитатор клавиатуры занят другой программой: его память (&quot;%1&quot;) уже открыта.</source>
        <translation>Імітатор клавіатури зайнятий іншою програмою: його пам&apos;ять (&quot;%1&quot;) вже відкрито.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; — папка, а не файл памяти.</source>
        <translation>&quot;%1&quot; — тека, а не файл пам&apos;яті.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; — не обычный файл (FIFO, устройство или сокет), а не файл памяти.</source>
        <translation>&quot;%1&quot; — не звичайний файл (FIFO, пристрій або сокет), а не файл пам&apos;яті.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; содержит %2 байт, а память клавиатуры — %3 байт: это не файл памяти этой клавиатуры.</source>
        <translation>&quot;%1&quot; містить %2 байт, а пам&apos;ять клавіатури — %3 байт: це не файл пам&apos;яті цієї клавіатури.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; не читается: %2</source>
        <translation>&quot;%1&quot; не читається: %2</translation>
    </message>
    <message>
        <source>Память не может быть сохранена в папке файла &quot;%1&quot;: %2</source>
        <translation>Пам&apos;ять не може бути збережена в теці файлу &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Поле устройства %1×%2 с клавиши (%3,%4).</source>
        <translation>Поле пристрою %1×%2 з клавіші (%3,%4).</translation>
    </message>
    <message>
        <source>Сохранить рисунок клавиш этого поля?</source>
        <translation>Зберегти малюнок клавіш цього поля?</translation>
    </message>
    <message>
        <source>Ошибка записи данных в память устройства: порт клавиатуры закрыт (устройство отключено).</source>
        <translation>Помилка запису даних у пам&apos;ять пристрою: порт клавіатури закрито (пристрій від&apos;єднано).</translation>
    </message>
    <message>
        <source>Неверный тип имитатора клавиатуры в &quot;%1&quot;: нужно шестнадцатеричное число от 0 до 3FF.</source>
        <translation>Неправильний тип імітатора клавіатури в &quot;%1&quot;: потрібне шістнадцяткове число від 0 до 3FF.</translation>
    </message>
</context>
<context>
    <name>vl::AppDevice</name>
    <message>
        <source>Память имитатора клавиатуры не может храниться в файле: %1</source>
        <translation>Пам&apos;ять імітатора клавіатури не може зберігатися у файлі: %1</translation>
    </message>
    <message>
        <source>нет порта</source>
        <translation>немає порту</translation>
    </message>
    <message>
        <source>имитатор клавиатуры %1 (%2)</source>
        <translation>імітатор клавіатури %1 (%2)</translation>
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
    <name>vl::CommandLine</name>
    <message>
        <source>Справка: velmorando --help</source>
        <translation>Довідка: velmorando --help</translation>
    </message>
    <message>
        <source>после %1 нужно значение</source>
        <translation>після %1 потрібне значення</translation>
    </message>
    <message>
        <source>неизвестный параметр %1</source>
        <translation>невідомий параметр %1</translation>
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
        <translation>Використання: velmorando [ПАРАМЕТРИ] [ФАЙЛ...]
Редактор розкладок програмованих клавіатур TRV. Кожен ФАЙЛ (*.vld, *.mkb) відкривається під час запуску.

  --no-splash    без заставки під час запуску
  --data DIR     каталог пристроїв, шаблони й довідка з теки DIR
  --port PORT    порт клавіатури на цей запуск: none, шлях до порту або sim[:ТИП]
  --help         ця довідка
  --version      версія програми
  --             далі лише файли
</translation>
    </message>
</context>
<context>
    <name>vl::DeviceCommands</name>
    <message>
        <source>Печать рисунка клавиш</source>
        <translation>Друк малюнка клавіш</translation>
    </message>
    <message>
        <source>Печатать</source>
        <translation>Друкувати</translation>
    </message>
    <message>
        <source>Вся раскладка</source>
        <translation>Уся розкладка</translation>
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
    <name>vl::IntervalDialog</name>
    <message>
        <source>Интервал</source>
        <translation>Інтервал</translation>
    </message>
    <message>
        <source>Выберите интервал между посылаемыми устройством SCAN-кодами (мc)</source>
        <translation>Виберіть інтервал між SCAN-кодами, що надсилає пристрій (мс)</translation>
    </message>
    <message>
        <source>Значение временного интервала между SCAN-кодами (в миллисекундах)</source>
        <translation>Значення часового інтервалу між SCAN-кодами (у мілісекундах)</translation>
    </message>
    <message>
        <source>Отменa</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Довідка</translation>
    </message>
</context>
<context>
    <name>vl::LayoutDocuments</name>
    <message>
        <source>Файл %1 уже открыт. Вернуться к сохраненному файлу?</source>
        <translation>Файл %1 уже відкрито. Повернутися до збереженого файлу?</translation>
    </message>
    <message>
        <source>Ошибка чтения из файла.</source>
        <translation>Помилка читання з файлу.</translation>
    </message>
</context>
<context>
    <name>vl::PortAttachOption</name>
    <message>
        <source>Порт клавиатуры</source>
        <translation>Порт клавіатури</translation>
    </message>
    <message>
        <source>подключать порт на время загрузки и возвращать клавиатуре</source>
        <translation>підключати порт на час завантаження й повертати клавіатурі</translation>
    </message>
</context>
<context>
    <name>vl::PortHelper</name>
    <message>
        <source>Порт клавиатуры %1 не найден.
Подключить порт клавиатуры для программирования? Пока он подключён, клавиатура не печатает.</source>
        <translation>Порт клавіатури %1 не знайдено.
Підключити порт клавіатури для програмування? Поки його підключено, клавіатура не друкує.</translation>
    </message>
    <message>
        <source>Не удалось подключить порт клавиатуры %1.
%2</source>
        <translation>Не вдалося підключити порт клавіатури %1.
%2</translation>
    </message>
    <message>
        <source>Не удалось вернуть порт клавиатуре.
%1</source>
        <translation>Не вдалося повернути порт клавіатурі.
%1</translation>
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
    <name>vl::SimCaption</name>
    <message>
        <source> — имитатор клавиатуры</source>
        <translation> — імітатор клавіатури</translation>
    </message>
</context>
<context>
    <name>vl::SimKeyField</name>
    <message>
        <source>Клавиши</source>
        <translation>Клавіші</translation>
    </message>
    <message>
        <source>Щелчок правой кнопкой мыши фиксирует клавишу нажатой до следующего щелчка по ней</source>
        <translation>Клацання правою кнопкою миші фіксує клавішу натиснутою до наступного клацання по ній</translation>
    </message>
    <message>
        <source>клавиша %1, %2</source>
        <translation>клавіша %1, %2</translation>
    </message>
</context>
<context>
    <name>vl::SimKeyboardWindow</name>
    <message>
        <source>Имитатор клавиатуры</source>
        <translation>Імітатор клавіатури</translation>
    </message>
    <message>
        <source>Слой</source>
        <translation>Рівень</translation>
    </message>
    <message>
        <source>Щелчок</source>
        <translation>Клацання</translation>
    </message>
    <message>
        <source>Дорожка</source>
        <translation>Доріжка</translation>
    </message>
    <message>
        <source>Дорожка %1</source>
        <translation>Доріжка %1</translation>
    </message>
    <message>
        <source>Провести карту...</source>
        <translation>Провести картку...</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Слой: %1</source>
        <translation>Рівень: %1</translation>
    </message>
    <message>
        <source>Щелчок %1: %2 с</source>
        <translation>Клацання %1: %2 с</translation>
    </message>
    <message>
        <source>Провести карту</source>
        <translation>Провести картку</translation>
    </message>
    <message>
        <source>Данные дорожки %1:</source>
        <translation>Дані доріжки %1:</translation>
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
    <name>vl::SupportedDevicesDialog</name>
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
    <name>vl::TPortEdit</name>
    <message>
        <source>Пробел</source>
        <translation>Пробіл</translation>
    </message>
    <message>
        <source>клавиши записываются с порта клавиатуры, не с клавиатуры компьютера</source>
        <translation>клавіші записуються з порту клавіатури, не з клавіатури комп&apos;ютера</translation>
    </message>
    <message>
        <source>клавиши записываются с клавиатуры компьютера</source>
        <translation>клавіші записуються з клавіатури комп&apos;ютера</translation>
    </message>
</context>
<context>
    <name>vl::TVL2Grid</name>
    <message>
        <source>Выделенный блок перетащить невозможно.</source>
        <translation>Виділений блок перетягнути неможливо.</translation>
    </message>
    <message>
        <source>столбец %1, строка %2</source>
        <translation>стовпець %1, рядок %2</translation>
    </message>
    <message>
        <source>столбец %1</source>
        <translation>стовпець %1</translation>
    </message>
    <message>
        <source>строка %1</source>
        <translation>рядок %1</translation>
    </message>
</context>
<context>
    <name>vl::TemplateDialog</name>
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
</context>
<context>
    <name>vl::TfmCompare</name>
    <message>
        <source>Сравнение с устройством</source>
        <translation>Порівняння з пристроєм</translation>
    </message>
    <message>
        <source>Итог сравнения</source>
        <translation>Підсумок порівняння</translation>
    </message>
    <message>
        <source>Различия</source>
        <translation>Відмінності</translation>
    </message>
    <message>
        <source>Клавиша или дорожка</source>
        <translation>Клавіша або доріжка</translation>
    </message>
    <message>
        <source>Слой</source>
        <translation>Рівень</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Довідка</translation>
    </message>
    <message>
        <source>Сравнение с устройством: %1</source>
        <translation>Порівняння з пристроєм: %1</translation>
    </message>
    <message>
        <source>дорожка %1</source>
        <translation>доріжка %1</translation>
    </message>
    <message>
        <source>Раскладки совпадают.</source>
        <translation>Розкладки збігаються.</translation>
    </message>
    <message>
        <source>Различий: %1.</source>
        <translation>Відмінностей: %1.</translation>
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
    <name>vl::TfmDetect</name>
    <message>
        <source>Определение</source>
        <translation>Визначення</translation>
    </message>
    <message>
        <source>1-я попытка</source>
        <translation>1-а спроба</translation>
    </message>
    <message>
        <source>Попытка</source>
        <translation>Спроба</translation>
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
    <name>vl::TfmGrid</name>
    <message>
        <source>Раскладка</source>
        <translation>Розкладка</translation>
    </message>
    <message>
        <source>Результаты проверки</source>
        <translation>Результати перевірки</translation>
    </message>
    <message>
        <source>Группирование невозможно.</source>
        <translation>Групування неможливе.</translation>
    </message>
    <message>
        <source>Пересечение групп. Группирование невозможно.</source>
        <translation>Групи перетинаються. Групування неможливе.</translation>
    </message>
    <message>
        <source>Ото&amp;бражаемые уровни</source>
        <translation>Відо&amp;бражувані рівні</translation>
    </message>
    <message>
        <source>&amp;Группировать</source>
        <translation>&amp;Групувати</translation>
    </message>
    <message>
        <source>&amp;Примечание</source>
        <translation>&amp;Примітка</translation>
    </message>
    <message>
        <source>&amp;Закладка</source>
        <translation>&amp;Закладка</translation>
    </message>
    <message>
        <source>&amp;Отображаемые уровни</source>
        <translation>&amp;Відображувані рівні</translation>
    </message>
    <message>
        <source>Выделит&amp;ь поле</source>
        <translation>Виділ&amp;ити поле</translation>
    </message>
    <message>
        <source>&amp;Детализация</source>
        <translation>&amp;Деталізація</translation>
    </message>
    <message>
        <source>&amp;Спрятать</source>
        <translation>&amp;Сховати</translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation>Примітка</translation>
    </message>
    <message>
        <source>Текст примечания:</source>
        <translation>Текст примітки:</translation>
    </message>
    <message>
        <source>Закладка</source>
        <translation>Закладка</translation>
    </message>
    <message>
        <source>Имя закладки:</source>
        <translation>Ім&apos;я закладки:</translation>
    </message>
    <message>
        <source>Закладка [%1] в активном окне дублируется.</source>
        <translation>Закладка [%1] в активному вікні повторюється.</translation>
    </message>
    <message>
        <source>Активное окно не содержит закладок.</source>
        <translation>Активне вікно не містить закладок.</translation>
    </message>
    <message>
        <source>Раскладка [%1] была изменена. Сохранить?</source>
        <translation>Розкладку [%1] було змінено. Зберегти?</translation>
    </message>
</context>
<context>
    <name>vl::TfmInfo</name>
    <message>
        <source>Параметр</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Значення</translation>
    </message>
    <message>
        <source>Закрыть окно</source>
        <translation>Закрити вікно</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Довідка</translation>
    </message>
</context>
<context>
    <name>vl::TfmInputWnd</name>
    <message>
        <source>Header, дорожка %1</source>
        <translation>Header, доріжка %1</translation>
    </message>
    <message>
        <source>Terminator, дорожка %1</source>
        <translation>Terminator, доріжка %1</translation>
    </message>
    <message>
        <source>Дорожка %1</source>
        <translation>Доріжка %1</translation>
    </message>
    <message>
        <source>&amp;Вырезать</source>
        <translation>&amp;Вирізати</translation>
    </message>
    <message>
        <source>&amp;Копировать</source>
        <translation>&amp;Копіювати</translation>
    </message>
    <message>
        <source>Вст&amp;авить</source>
        <translation>Вст&amp;авити</translation>
    </message>
    <message>
        <source>Оч&amp;истить</source>
        <translation>Оч&amp;истити</translation>
    </message>
    <message>
        <source>Оч&amp;истить все</source>
        <translation>Очистити &amp;все</translation>
    </message>
    <message>
        <source>&amp;Паузы</source>
        <translation>&amp;Паузи</translation>
    </message>
    <message>
        <source>&amp;Добавить код нажатия</source>
        <translation>&amp;Додати код натискання</translation>
    </message>
    <message>
        <source>Д&amp;oбавить код отжатия</source>
        <translation>Д&amp;одати код відпускання</translation>
    </message>
    <message>
        <source>К&amp;лик</source>
        <translation>К&amp;лацання</translation>
    </message>
    <message>
        <source>Примечание</source>
        <translation>Примітка</translation>
    </message>
    <message>
        <source>Автоповтор кодов нажатия</source>
        <translation>Автоповтор кодів натискання</translation>
    </message>
    <message>
        <source>Автоповтор кодов нажатия, %1</source>
        <translation>Автоповтор кодів натискання, %1</translation>
    </message>
    <message>
        <source>Примечание, %1</source>
        <translation>Примітка, %1</translation>
    </message>
    <message>
        <source>Добавить код отжатия</source>
        <translation>Додати код відпускання</translation>
    </message>
    <message>
        <source>Добавить код нажатия</source>
        <translation>Додати код натискання</translation>
    </message>
    <message>
        <source>Нажатие и автоповтор</source>
        <translation>Натискання й автоповтор</translation>
    </message>
    <message>
        <source>Отжатие</source>
        <translation>Відпускання</translation>
    </message>
    <message>
        <source>Нажатие, уровень %1</source>
        <translation>Натискання, рівень %1</translation>
    </message>
    <message>
        <source>Отжатие, уровень %1</source>
        <translation>Відпускання, рівень %1</translation>
    </message>
    <message>
        <source>Уровень %1</source>
        <translation>Рівень %1</translation>
    </message>
    <message>
        <source>Вы&amp;йти из строки</source>
        <translation>Ви&amp;йти з рядка</translation>
    </message>
    <message>
        <source>Строки ввода</source>
        <translation>Рядки введення</translation>
    </message>
</context>
<context>
    <name>vl::TfmKeyInputWnd</name>
    <message>
        <source>Клавиша</source>
        <translation>Клавіша</translation>
    </message>
    <message>
        <source>Функция клавиши</source>
        <translation>Функція клавіші</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Довідка</translation>
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
    <message>
        <source>клавиша минус</source>
        <translation>клавіша мінус</translation>
    </message>
    <message>
        <source>клавиша равно</source>
        <translation>клавіша дорівнює</translation>
    </message>
    <message>
        <source>клавиша открывающая квадратная скобка</source>
        <translation>клавіша відкривна квадратна дужка</translation>
    </message>
    <message>
        <source>клавиша закрывающая квадратная скобка</source>
        <translation>клавіша закривна квадратна дужка</translation>
    </message>
    <message>
        <source>клавиша точка с запятой</source>
        <translation>клавіша крапка з комою</translation>
    </message>
    <message>
        <source>клавиша апостроф</source>
        <translation>клавіша апостроф</translation>
    </message>
    <message>
        <source>клавиша тильда</source>
        <translation>клавіша тильда</translation>
    </message>
    <message>
        <source>клавиша обратная косая черта</source>
        <translation>клавіша обернена скісна риска</translation>
    </message>
    <message>
        <source>клавиша запятая</source>
        <translation>клавіша кома</translation>
    </message>
    <message>
        <source>клавиша точка</source>
        <translation>клавіша крапка</translation>
    </message>
    <message>
        <source>клавиша косая черта</source>
        <translation>клавіша скісна риска</translation>
    </message>
    <message>
        <source>клавиша косая черта на цифровом блоке</source>
        <translation>клавіша скісна риска на цифровому блоці</translation>
    </message>
    <message>
        <source>клавиша звёздочка на цифровом блоке</source>
        <translation>клавіша зірочка на цифровому блоці</translation>
    </message>
    <message>
        <source>клавиша минус на цифровом блоке</source>
        <translation>клавіша мінус на цифровому блоці</translation>
    </message>
    <message>
        <source>клавиша плюс на цифровом блоке</source>
        <translation>клавіша плюс на цифровому блоці</translation>
    </message>
    <message>
        <source>клавиша точка на цифровом блоке</source>
        <translation>клавіша крапка на цифровому блоці</translation>
    </message>
    <message>
        <source>клавиша Enter на цифровом блоке</source>
        <translation>клавіша Enter на цифровому блоці</translation>
    </message>
    <message>
        <source>клавиша %1 на цифровом блоке</source>
        <translation>клавіша %1 на цифровому блоці</translation>
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
        <translation>Інформація про комірку</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>&lt;b&gt;Ostrel Velmorando AT&lt;/b&gt;&lt;br&gt;версия %1&lt;br&gt;&lt;br&gt;Программирование клавиатур TRV и их считывателей магнитных карт.</source>
        <translation>&lt;b&gt;Ostrel Velmorando AT&lt;/b&gt;&lt;br&gt;версія %1&lt;br&gt;&lt;br&gt;Програмування клавіатур TRV та їхніх зчитувачів магнітних карток.</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Импортировать</source>
        <translation>&amp;Імпортувати</translation>
    </message>
    <message>
        <source>&amp;Экспортировать</source>
        <translation>&amp;Експортувати</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Редагування</translation>
    </message>
    <message>
        <source>Выделит&amp;ь поле</source>
        <translation>Виділ&amp;ити поле</translation>
    </message>
    <message>
        <source>&amp;Группировать</source>
        <translation>&amp;Групувати</translation>
    </message>
    <message>
        <source>&amp;Закладка</source>
        <translation>&amp;Закладка</translation>
    </message>
    <message>
        <source>&amp;Примечание</source>
        <translation>&amp;Примітка</translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <translation>&amp;Вигляд</translation>
    </message>
    <message>
        <source>&amp;Отображаемые уровни</source>
        <translation>&amp;Відображувані рівні</translation>
    </message>
    <message>
        <source>&amp;Панели инструментов</source>
        <translation>&amp;Панелі інструментів</translation>
    </message>
    <message>
        <source>&amp;Детализация</source>
        <translation>&amp;Деталізація</translation>
    </message>
    <message>
        <source>&amp;Устройство</source>
        <translation>&amp;Пристрій</translation>
    </message>
    <message>
        <source>&amp;Сервис</source>
        <translation>С&amp;ервіс</translation>
    </message>
    <message>
        <source>&amp;Защита</source>
        <translation>&amp;Захист</translation>
    </message>
    <message>
        <source>&amp;Окно</source>
        <translation>&amp;Вікно</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>Стандартная</source>
        <translation>Стандартна</translation>
    </message>
    <message>
        <source>Раскладка</source>
        <translation>Розкладка</translation>
    </message>
    <message>
        <source>Устройство</source>
        <translation>Пристрій</translation>
    </message>
    <message>
        <source>Группирование</source>
        <translation>Групування</translation>
    </message>
    <message>
        <source>&amp;Окна программы</source>
        <translation>&amp;Вікна програми</translation>
    </message>
    <message>
        <source>&amp;Стандартная</source>
        <translation>&amp;Стандартна</translation>
    </message>
    <message>
        <source>&amp;Раскладка</source>
        <translation>&amp;Розкладка</translation>
    </message>
    <message>
        <source>&amp;Группирование</source>
        <translation>&amp;Групування</translation>
    </message>
    <message>
        <source>&amp;Oкна</source>
        <translation>&amp;Вікна</translation>
    </message>
    <message>
        <source>Порт: имитатор клавиатуры</source>
        <translation>Порт: імітатор клавіатури</translation>
    </message>
    <message>
        <source>&amp;Отменить</source>
        <translation>&amp;Скасувати</translation>
    </message>
    <message>
        <source>&amp;Повторить</source>
        <translation>&amp;Повторити</translation>
    </message>
    <message>
        <source>не сохранена (сохранение отложено)</source>
        <translation>не збережена (збереження відкладено)</translation>
    </message>
    <message>
        <source>не сохранена</source>
        <translation>не збережена</translation>
    </message>
    <message>
        <source>защищена паролем</source>
        <translation>захищена паролем</translation>
    </message>
    <message>
        <source>Не удалось запустить браузер, чтобы открыть %1.</source>
        <translation>Не вдалося запустити браузер, щоб відкрити %1.</translation>
    </message>
    <message>
        <source>Клавиша (%1,%2)</source>
        <translation>Клавіша (%1,%2)</translation>
    </message>
    <message>
        <source>Пустая раскладка</source>
        <translation>Порожня розкладка</translation>
    </message>
    <message>
        <source>Проверка окончена. Замечаний нет.</source>
        <translation>Перевірку закінчено. Зауважень немає.</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Повторити</translation>
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
    <message>
        <source>Выбрать папку раскладок</source>
        <translation>Вибрати теку розкладок</translation>
    </message>
    <message>
        <source>Выбрать звуковой файл</source>
        <translation>Вибрати звуковий файл</translation>
    </message>
    <message>
        <source>контрастные цвета</source>
        <translation>контрастні кольори</translation>
    </message>
    <message>
        <source>Сетка клавиш в цветах высокой контрастности; так же и при контрастной теме рабочего стола</source>
        <translation>Сітка клавіш у кольорах високої контрастності; так само й за контрастної теми робочого столу</translation>
    </message>
    <message>
        <source>порт по умолчанию (%1)</source>
        <translation>типовий порт (%1)</translation>
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
</context>
<context>
    <name>vl::TfmProgress</name>
    <message>
        <source>раскладка</source>
        <translation>розкладка</translation>
    </message>
    <message>
        <source>режим работы</source>
        <translation>режим роботи</translation>
    </message>
    <message>
        <source>операция</source>
        <translation>операція</translation>
    </message>
    <message>
        <source>Выполнено</source>
        <translation>Виконано</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>нормальный (для рабочих станций)</source>
        <translation>звичайний (для робочих станцій)</translation>
    </message>
    <message>
        <source>защищенный (для портативных компьютеров)</source>
        <translation>захищений (для портативних комп&apos;ютерів)</translation>
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
<context>
    <name>vl::TfmTest</name>
    <message>
        <source>Тестирование</source>
        <translation>Тестування</translation>
    </message>
    <message>
        <source>&amp;Копировать</source>
        <translation>&amp;Копіювати</translation>
    </message>
    <message>
        <source>&amp;Очистить</source>
        <translation>&amp;Очистити</translation>
    </message>
    <message>
        <source>&amp;Выделить все</source>
        <translation>Виді&amp;лити все</translation>
    </message>
    <message>
        <source>Порт клавиатуры</source>
        <translation>Порт клавіатури</translation>
    </message>
    <message>
        <source>Отображение</source>
        <translation>Відображення</translation>
    </message>
    <message>
        <source>коды клавиш в десятичная системе иcчисления</source>
        <translation>коди клавіш у десятковій системі числення</translation>
    </message>
    <message>
        <source>коды клавиш в шестнадцатиричная системе</source>
        <translation>коди клавіш у шістнадцятковій системі</translation>
    </message>
    <message>
        <source>наименования клавиш</source>
        <translation>назви клавіш</translation>
    </message>
    <message>
        <source>Блокнот</source>
        <translation>Блокнот</translation>
    </message>
    <message>
        <source>Tab выводит из поля кодов; клавиша меню или Shift+F10 открывает меню поля</source>
        <translation>Tab виводить із поля кодів; клавіша меню або Shift+F10 відкриває меню поля</translation>
    </message>
</context>
</TS>
