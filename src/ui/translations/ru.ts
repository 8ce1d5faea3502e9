<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Talvenquist</source>
        <translation>О программе Talvenquist</translation>
    </message>
    <message>
        <source>Built with:</source>
        <translation>Используемые компоненты:</translation>
    </message>
    <message>
        <source>Finds files and folders by name and contents.</source>
        <translation>Находит файлы и папки по имени и содержимому.</translation>
    </message>
    <message>
        <source>Build time: %1</source>
        <translation>Время сборки: %1</translation>
    </message>
</context>
<context>
    <name>BackgroundTray</name>
    <message>
        <source>%1 is still running.</source>
        <translation>%1 всё ещё работает.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>New search</source>
        <translation>Новый поиск</translation>
    </message>
    <message>
        <source>Index: ready</source>
        <translation>Индекс: готов</translation>
    </message>
    <message>
        <source>Index: updating...</source>
        <translation>Индекс: обновление...</translation>
    </message>
    <message>
        <source>Index: disabled</source>
        <translation>Индекс: отключён</translation>
    </message>
    <message>
        <source>Talvenquist v%1</source>
        <translation>Talvenquist v%1</translation>
    </message>
    <message>
        <source>Search Parameters</source>
        <translation>Параметры поиска</translation>
    </message>
    <message>
        <source>Instant Search</source>
        <translation>Быстрый поиск</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>Экспорт результатов</translation>
    </message>
    <message>
        <source>Comma separated</source>
        <translation>Значения, разделённые запятыми</translation>
    </message>
</context>
<context>
    <name>MainWindowActions</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Сервис</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Параметры...</translation>
    </message>
    <message>
        <source>&amp;New Search</source>
        <translation>&amp;Новый поиск</translation>
    </message>
    <message>
        <source>&amp;Close Tab</source>
        <translation>&amp;Закрыть вкладку</translation>
    </message>
    <message>
        <source>&amp;Next Tab</source>
        <translation>С&amp;ледующая вкладка</translation>
    </message>
    <message>
        <source>&amp;Previous Tab</source>
        <translation>&amp;Предыдущая вкладка</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Руководство</translation>
    </message>
    <message>
        <source>&amp;Export Results...</source>
        <translation>&amp;Экспорт результатов...</translation>
    </message>
    <message>
        <source>Duplicate search</source>
        <translation>Дублировать поиск</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Восстановить</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Вы&amp;резать</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Выделить &amp;всё</translation>
    </message>
    <message>
        <source>Copy &amp;Name</source>
        <translation>Копировать &amp;имя</translation>
    </message>
    <message>
        <source>Copy &amp;Full Name</source>
        <translation>Копировать &amp;полное имя</translation>
    </message>
    <message>
        <source>Copy &amp;Path</source>
        <translation>Копировать п&amp;уть</translation>
    </message>
    <message>
        <source>&amp;Case sensitive</source>
        <translation>&amp;Учитывать регистр</translation>
    </message>
    <message>
        <source>&amp;Substring</source>
        <translation>&amp;Подстрока</translation>
    </message>
    <message>
        <source>&amp;Whole word</source>
        <translation>&amp;Слово целиком</translation>
    </message>
    <message>
        <source>&amp;Regex</source>
        <translation>&amp;Регулярное выражение</translation>
    </message>
    <message>
        <source>&amp;Boolean</source>
        <translation>&amp;Логическое выражение</translation>
    </message>
    <message>
        <source>&amp;Search Parameters</source>
        <translation>&amp;Параметры поиска</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Панель &amp;инструментов</translation>
    </message>
    <message>
        <source>&amp;Instant Search</source>
        <translation>&amp;Быстрый поиск</translation>
    </message>
    <message>
        <source>&amp;Filter Bar</source>
        <translation>Панель &amp;фильтров</translation>
    </message>
</context>
<context>
    <name>PagesTabWidget</name>
    <message>
        <source>New tab</source>
        <translation>Новая вкладка</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Дублировать</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Close other tabs</source>
        <translation>Закрыть другие вкладки</translation>
    </message>
</context>
<context>
    <name>TabPage</name>
    <message>
        <source>Found: %1 objects in %2s</source>
        <translation>Найдено: %1 объектов за %2 с</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Поиск...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Найти</translation>
    </message>
</context>
</TS>
