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
    <name>Bytes (short)</name>
    <message>
        <source>B</source>
        <translation>Б</translation>
    </message>
</context>
<context>
    <name>EditCategoryDialog</name>
    <message>
        <source>Edit file category</source>
        <translation>Изменить категорию файлов</translation>
    </message>
    <message>
        <source>File category name</source>
        <translation>Название категории</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Расширения файлов</translation>
    </message>
    <message>
        <source>Extensions without dots, separated by ";"</source>
        <translation>Расширения без точек, через ";"</translation>
    </message>
    <message>
        <source>File attributes</source>
        <translation>Атрибуты файлов</translation>
    </message>
    <message>
        <source>File or Directory</source>
        <translation>Файл или папка</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Скрытый</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Только чтение</translation>
    </message>
</context>
<context>
    <name>FileOperation</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>FilePreviewPage</name>
    <message>
        <source>Reading %1...</source>
        <translation>Чтение %1...</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened.</source>
        <translation>Не удаётся открыть файл %1.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB: only its first %1 MiB are shown.</source>
        <translation>Файл больше %1 МиБ: показаны только первые %1 МиБ.</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>Перенос слов</translation>
    </message>
    <message>
        <source>File text</source>
        <translation>Текст файла</translation>
    </message>
    <message>
        <source>Lines longer than %1 characters are cut.</source>
        <translation>Строки длиннее %1 символов обрезаются.</translation>
    </message>
</context>
<context>
    <name>FilePropertiesDialog</name>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n элемент</numerusform>
            <numerusform>%n элемента</numerusform>
            <numerusform>%n элементов</numerusform>
        </translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Папка:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Created:</source>
        <translation>Создан:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Изменён:</translation>
    </message>
    <message>
        <source>Accessed:</source>
        <translation>Открыт:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Владелец:</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>Разрешения:</translation>
    </message>
    <message>
        <source>Properties of %1</source>
        <translation>Свойства: %1</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
</context>
<context>
    <name>FileTable</name>
    <message>
        <source>Reading file data and sorting...</source>
        <translation>Чтение данных файлов и сортировка...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Сортировка</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>КБ</translation>
    </message>
    <message>
        <source>A name cannot contain "/" or be "." or "..".</source>
        <translation>Имя не может содержать "/" или быть "." или "..".</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>Cannot rename "%1" to "%2":
%3</source>
        <translation>Не удаётся переименовать "%1" в "%2":
%3</translation>
    </message>
</context>
<context>
    <name>FileTableColumns</name>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Путь</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Создан</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Изменён</translation>
    </message>
    <message>
        <source>Last Accessed</source>
        <translation>Последний доступ</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Совпадения</translation>
    </message>
</context>
<context>
    <name>FileTableView</name>
    <message>
        <source>Do you really want to sort %1 items?
Gathering data and sorting could take several minutes.</source>
        <translation>Действительно отсортировать %1 элементов?
Сбор данных и сортировка могут занять несколько минут.</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Результаты поиска</translation>
    </message>
</context>
<context>
    <name>FilterBar</name>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Документ</translation>
    </message>
    <message>
        <source>Executable</source>
        <translation>Исполняемый</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Изображение</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Музыка</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Customize...</source>
        <translation>Настроить...</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>Категории файлов</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Not found</source>
        <translation>Не найдено</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Найти...</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Find the next occurrence (F3)</source>
        <translation>Найти следующее вхождение (F3)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Find the previous occurrence (Shift+F3)</source>
        <translation>Найти предыдущее вхождение (Shift+F3)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Закрыть панель поиска (Esc)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>Искомый текст</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>С учётом регистра</translation>
    </message>
</context>
<context>
    <name>InstantToolBar</name>
    <message>
        <source>Insert a keyword</source>
        <translation>Вставить ключевое слово</translation>
    </message>
    <message>
        <source>Edit the name list</source>
        <translation>Изменить список имён</translation>
    </message>
    <message>
        <source>Instant Search</source>
        <translation>Быстрый поиск</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Expression type</source>
        <translation>Тип выражения</translation>
    </message>
</context>
<context>
    <name>LocationPane</name>
    <message>
        <source>Location of the matches in the file</source>
        <translation>Расположение совпадений в файле</translation>
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
    <message>
        <source>The results were exported to %1.</source>
        <translation>Результаты экспортированы в %1.</translation>
    </message>
    <message>
        <source>The results could not be exported to %1.</source>
        <translation>Не удалось экспортировать результаты в %1.</translation>
    </message>
    <message>
        <source>Index: service not running</source>
        <translation>Индекс: служба не запущена</translation>
    </message>
    <message>
        <source>The index service is not running: searches walk folders. Turn it on in Options, Indexing.</source>
        <translation>Служба индекса не запущена: поиск обходит папки. Включите её в Параметры, Индексирование.</translation>
    </message>
    <message>
        <source>The index service took the change.</source>
        <translation>Служба индекса приняла изменение.</translation>
    </message>
    <message>
        <source>The index service is not running: this window keeps an index of its own. Turn the service on in Options, Indexing.</source>
        <translation>Служба индекса не запущена: это окно ведёт собственный индекс. Включите службу в Параметры, Индексирование.</translation>
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
    <message>
        <source>Move to T&amp;rash</source>
        <translation>Переместить в ко&amp;рзину</translation>
    </message>
</context>
<context>
    <name>MatchesTextView</name>
    <message>
        <source>Only the first %1 matches are shown.</source>
        <translation>Показаны только первые %1 совпадений.</translation>
    </message>
    <message>
        <source>Full line</source>
        <translation>Строка целиком</translation>
    </message>
    <message>
        <source>Matching lines</source>
        <translation>Совпадающие строки</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Do you really want to clear search history?</source>
        <translation>Действительно очистить историю поиска?</translation>
    </message>
    <message>
        <source>File database path:</source>
        <translation>Путь к базе данных файлов:</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Страницы</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Indexing</source>
        <translation>Индексирование</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>Категории файлов</translation>
    </message>
    <message>
        <source>File handlers</source>
        <translation>Обработчики файлов</translation>
    </message>
    <message>
        <source>Indexing is unavailable when %1 is running without administrator permissions.</source>
        <translation>Индексирование недоступно, когда %1 запущен без прав администратора.</translation>
    </message>
</context>
<context>
    <name>OptionsGeneral</name>
    <message>
        <source>Launch at system startup</source>
        <translation>Запускать при старте системы</translation>
    </message>
    <message>
        <source>Run in background</source>
        <translation>Работать в фоновом режиме</translation>
    </message>
    <message>
        <source>Integrate in a folder's context menu</source>
        <translation>Встроить в контекстное меню папок</translation>
    </message>
    <message>
        <source>Start without asking for the administrator password</source>
        <translation>Запускать без запроса пароля администратора</translation>
    </message>
    <message>
        <source>Save searches in all tabs on exit</source>
        <translation>Сохранять поиски во всех вкладках при выходе</translation>
    </message>
    <message>
        <source>Clear search history</source>
        <translation>Очистить историю поиска</translation>
    </message>
</context>
<context>
    <name>OptionsIndexing</name>
    <message>
        <source>File database path:</source>
        <translation>Путь к базе данных файлов:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Обзор...</translation>
    </message>
    <message>
        <source>Rebuild</source>
        <translation>Перестроить</translation>
    </message>
    <message>
        <source>Automatically index new fixed drives</source>
        <translation>Автоматически индексировать новые несъёмные диски</translation>
    </message>
    <message>
        <source>Automatically index new removable drives</source>
        <translation>Автоматически индексировать новые съёмные диски</translation>
    </message>
    <message>
        <source>Index the following volumes:</source>
        <translation>Индексировать следующие тома:</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>Точка монтирования</translation>
    </message>
    <message>
        <source>Objects count</source>
        <translation>Количество объектов</translation>
    </message>
    <message>
        <source>Exclude paths:</source>
        <translation>Исключить пути:</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Путь</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>Файловая система</translation>
    </message>
    <message>
        <source>Keep an index of all volumes for all users (system service)</source>
        <translation>Вести индекс всех томов для всех пользователей (системная служба)</translation>
    </message>
</context>
<context>
    <name>OptionsPageCategories</name>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Расширения</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Атрибуты</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>Категории файлов</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
</context>
<context>
    <name>OptionsPageFilters</name>
    <message>
        <source>This filter is disabled</source>
        <translation>Этот фильтр отключён</translation>
    </message>
    <message>
        <source>Disable filter</source>
        <translation>Отключить фильтр</translation>
    </message>
    <message>
        <source>Enable filters</source>
        <translation>Включить фильтры</translation>
    </message>
    <message>
        <source>Document filters available on this computer.</source>
        <translation>Фильтры документов, доступные на этом компьютере.</translation>
    </message>
    <message>
        <source>32-bit</source>
        <translation>32-битный</translation>
    </message>
    <message>
        <source>64-bit</source>
        <translation>64-битный</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Расширение</translation>
    </message>
    <message>
        <source>Handler name</source>
        <translation>Имя обработчика</translation>
    </message>
</context>
<context>
    <name>OptionsSearch</name>
    <message>
        <source>Content search</source>
        <translation>Поиск по содержимому</translation>
    </message>
    <message>
        <source>Auto-detect encoding of files without BOM</source>
        <translation>Автоматически определять кодировку файлов без BOM</translation>
    </message>
    <message>
        <source>Auto-detect and skip binary files from content searches</source>
        <translation>Автоматически определять и пропускать двоичные файлы при поиске по содержимому</translation>
    </message>
    <message>
        <source>Use built-in PDF converter</source>
        <translation>Использовать встроенный конвертер PDF</translation>
    </message>
    <message>
        <source>Search as you type</source>
        <translation>Искать по мере ввода</translation>
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
    <name>PreviewTabWidget</name>
    <message>
        <source>Matches</source>
        <translation>Совпадения</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
</context>
<context>
    <name>RichComboBox</name>
    <message>
        <source>And</source>
        <translation>И</translation>
    </message>
    <message>
        <source>Or</source>
        <translation>Или</translation>
    </message>
    <message>
        <source>Not</source>
        <translation>Не</translation>
    </message>
</context>
<context>
    <name>SearchWindow</name>
    <message>
        <source>Search Parameters</source>
        <translation>Параметры поиска</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Имя файла:</translation>
    </message>
    <message>
        <source>Expression type:</source>
        <translation>Тип выражения:</translation>
    </message>
    <message>
        <source>Scope:</source>
        <translation>Область:</translation>
    </message>
    <message>
        <source>and</source>
        <translation>и</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Учитывать регистр</translation>
    </message>
    <message>
        <source>In directory</source>
        <translation>В папке</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Включая вложенные папки</translation>
    </message>
    <message>
        <source>In contents</source>
        <translation>В содержимом</translation>
    </message>
    <message>
        <source>Modified between</source>
        <translation>Изменён между</translation>
    </message>
    <message>
        <source>Size range</source>
        <translation>Диапазон размеров</translation>
    </message>
    <message>
        <source>Show advanced options</source>
        <translation>Показать дополнительные параметры</translation>
    </message>
    <message>
        <source>Substring</source>
        <translation>Подстрока</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>Слово целиком</translation>
    </message>
    <message>
        <source>Regex</source>
        <translation>Регулярное выражение</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>Логическое выражение</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Строка</translation>
    </message>
    <message>
        <source>B</source>
        <translation>Б</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>КБ</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>ГБ</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>File name expression type</source>
        <translation>Тип выражения имени файла</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Папки</translation>
    </message>
    <message>
        <source>Contents text</source>
        <translation>Текст содержимого</translation>
    </message>
    <message>
        <source>Contents expression type</source>
        <translation>Тип выражения содержимого</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>Область</translation>
    </message>
    <message>
        <source>Modified on or after</source>
        <translation>Изменён не ранее</translation>
    </message>
    <message>
        <source>Modified on or before</source>
        <translation>Изменён не позднее</translation>
    </message>
    <message>
        <source>Minimum size</source>
        <translation>Минимальный размер</translation>
    </message>
    <message>
        <source>Maximum size</source>
        <translation>Максимальный размер</translation>
    </message>
    <message>
        <source>Size unit</source>
        <translation>Единица размера</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Ход поиска</translation>
    </message>
    <message>
        <source>Edit the folder list</source>
        <translation>Изменить список папок</translation>
    </message>
    <message>
        <source>Insert a keyword</source>
        <translation>Вставить ключевое слово</translation>
    </message>
    <message>
        <source>Edit the file name list</source>
        <translation>Изменить список имён файлов</translation>
    </message>
    <message>
        <source>Edit the contents list</source>
        <translation>Изменить список содержимого</translation>
    </message>
</context>
<context>
    <name>SelectFileNamesDialog</name>
    <message>
        <source>Select contents text</source>
        <translation>Выбор текста содержимого</translation>
    </message>
    <message>
        <source>Include text:</source>
        <translation>Включить текст:</translation>
    </message>
    <message>
        <source>Exclude text:</source>
        <translation>Исключить текст:</translation>
    </message>
    <message>
        <source>Select file names</source>
        <translation>Выбор имён файлов</translation>
    </message>
    <message>
        <source>Include file names:</source>
        <translation>Включить имена файлов:</translation>
    </message>
    <message>
        <source>Exclude file names:</source>
        <translation>Исключить имена файлов:</translation>
    </message>
</context>
<context>
    <name>SelectPathsDialog</name>
    <message>
        <source>Select folder</source>
        <translation>Выбор папки</translation>
    </message>
    <message>
        <source>Select folders</source>
        <translation>Выбор папок</translation>
    </message>
    <message>
        <source>Include folder list:</source>
        <translation>Включить папки:</translation>
    </message>
    <message>
        <source>Exclude folder list:</source>
        <translation>Исключить папки:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Обзор...</translation>
    </message>
    <message>
        <source>Add a folder to include</source>
        <translation>Добавить включаемую папку</translation>
    </message>
    <message>
        <source>Add a folder to exclude</source>
        <translation>Добавить исключаемую папку</translation>
    </message>
</context>
<context>
    <name>ShellContextMenu</name>
    <message>
        <source>Open file location</source>
        <translation>Открыть расположение файла</translation>
    </message>
    <message>
        <source>Copy full name</source>
        <translation>Копировать полное имя</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Вырезать</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Переименовать...</translation>
    </message>
    <message>
        <source>Move to T&amp;rash</source>
        <translation>Переместить в ко&amp;рзину</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Свойства</translation>
    </message>
    <message>
        <source>Open &amp;With</source>
        <translation>Открыть с по&amp;мощью</translation>
    </message>
</context>
<context>
    <name>ShellUtils</name>
    <message numerus="yes">
        <source>Do you really want to delete %n item(s) permanently? This cannot be undone.</source>
        <translation>
            <numerusform>Действительно удалить %n элемент навсегда? Это действие нельзя отменить.</numerusform>
            <numerusform>Действительно удалить %n элемента навсегда? Это действие нельзя отменить.</numerusform>
            <numerusform>Действительно удалить %n элементов навсегда? Это действие нельзя отменить.</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>Удаление...</translation>
    </message>
    <message>
        <source>These items could not be deleted:</source>
        <translation>Не удалось удалить эти элементы:</translation>
    </message>
    <message>
        <source>Moving to the trash...</source>
        <translation>Перемещение в корзину...</translation>
    </message>
    <message>
        <source>The desktop session could not be reached.</source>
        <translation>Не удалось связаться с сеансом рабочего стола.</translation>
    </message>
    <message>
        <source>It is still there.</source>
        <translation>Он всё ещё на месте.</translation>
    </message>
    <message>
        <source>These items could not be moved to the trash:</source>
        <translation>Не удалось переместить эти элементы в корзину:</translation>
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
    <message>
        <source>Substring</source>
        <translation>Подстрока</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>Слово целиком</translation>
    </message>
    <message>
        <source>Regex</source>
        <translation>Регулярное выражение</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>Логическое выражение</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Учитывать регистр</translation>
    </message>
    <message>
        <source>(incomplete: the search could not look everywhere)</source>
        <translation>(неполно: поиск не смог просмотреть все места)</translation>
    </message>
</context>
<context>
    <name>TaskScheduler</name>
    <message>
        <source>Search with %1...</source>
        <translation>Найти с помощью %1...</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>There is no trash for it on its file system.</source>
        <translation>В его файловой системе нет корзины.</translation>
    </message>
    <message>
        <source>Its owner (user %1) has no home folder to keep a trash in.</source>
        <translation>У его владельца (пользователь %1) нет домашней папки для корзины.</translation>
    </message>
    <message>
        <source>Only an administrator may use another user's trash.</source>
        <translation>Только администратор может использовать корзину другого пользователя.</translation>
    </message>
</context>
<context>
    <name>IndexServiceAdmin</name>
    <message>
        <source>This computer does not run systemd, so the index service cannot be turned on here.</source>
        <translation>На этом компьютере не работает systemd, поэтому службу индекса здесь включить нельзя.</translation>
    </message>
    <message>
        <source>pkexec could not be started.</source>
        <translation>Не удалось запустить pkexec.</translation>
    </message>
    <message>
        <source>The task run with administrator rights ended unexpectedly.</source>
        <translation>Задача, запущенная с правами администратора, неожиданно завершилась.</translation>
    </message>
    <message>
        <source>The administrator password was not given.</source>
        <translation>Пароль администратора не был введён.</translation>
    </message>
    <message>
        <source>The index service refused the change; the log says why.</source>
        <translation>Служба индекса отклонила изменение; причина указана в журнале.</translation>
    </message>
</context>
</TS>
