<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Talvenquist</source>
        <translation>O programie Talvenquist</translation>
    </message>
    <message>
        <source>Built with:</source>
        <translation>Zbudowano z użyciem:</translation>
    </message>
    <message>
        <source>Finds files and folders by name and contents.</source>
        <translation>Wyszukuje pliki i foldery według nazwy i zawartości.</translation>
    </message>
    <message>
        <source>Build time: %1</source>
        <translation>Czas kompilacji: %1</translation>
    </message>
</context>
<context>
    <name>BackgroundTray</name>
    <message>
        <source>%1 is still running.</source>
        <translation>%1 nadal działa.</translation>
    </message>
</context>
<context>
    <name>Bytes (short)</name>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
</context>
<context>
    <name>EditCategoryDialog</name>
    <message>
        <source>Edit file category</source>
        <translation>Edytuj kategorię plików</translation>
    </message>
    <message>
        <source>File category name</source>
        <translation>Nazwa kategorii plików</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Rozszerzenia plików</translation>
    </message>
    <message>
        <source>Extensions without dots, separated by ";"</source>
        <translation>Rozszerzenia bez kropek, oddzielone ";"</translation>
    </message>
    <message>
        <source>File attributes</source>
        <translation>Atrybuty plików</translation>
    </message>
    <message>
        <source>File or Directory</source>
        <translation>Plik lub folder</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Ukryty</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Tylko do odczytu</translation>
    </message>
</context>
<context>
    <name>FilePreviewPage</name>
    <message>
        <source>Reading %1...</source>
        <translation>Odczyt %1...</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened.</source>
        <translation>Nie można otworzyć pliku %1.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB: only its first %1 MiB are shown.</source>
        <translation>Plik jest większy niż %1 MiB: pokazano tylko pierwsze %1 MiB.</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>Zawijanie wierszy</translation>
    </message>
    <message>
        <source>File text</source>
        <translation>Tekst pliku</translation>
    </message>
    <message>
        <source>Lines longer than %1 characters are cut.</source>
        <translation>Wiersze dłuższe niż %1 znaków są obcinane.</translation>
    </message>
</context>
<context>
    <name>FileTable</name>
    <message>
        <source>Reading file data and sorting...</source>
        <translation>Odczyt danych plików i sortowanie...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Sortowanie</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>A name cannot contain "/" or be "." or "..".</source>
        <translation>Nazwa nie może zawierać "/" ani być "." lub "..".</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>Cannot rename "%1" to "%2":
%3</source>
        <translation>Nie można zmienić nazwy "%1" na "%2":
%3</translation>
    </message>
</context>
<context>
    <name>FileTableColumns</name>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ścieżka</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Utworzono</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Zmodyfikowano</translation>
    </message>
    <message>
        <source>Last Accessed</source>
        <translation>Ostatni dostęp</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Dopasowania</translation>
    </message>
</context>
<context>
    <name>FileTableView</name>
    <message>
        <source>Do you really want to sort %1 items?
Gathering data and sorting could take several minutes.</source>
        <translation>Czy na pewno posortować %1 elementów?
Zbieranie danych i sortowanie może potrwać kilka minut.</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Wyniki wyszukiwania</translation>
    </message>
</context>
<context>
    <name>FilterBar</name>
    <message>
        <source>All</source>
        <translation>Wszystko</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Executable</source>
        <translation>Wykonywalny</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Muzyka</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Wideo</translation>
    </message>
    <message>
        <source>Customize...</source>
        <translation>Dostosuj...</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>Kategorie plików</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Not found</source>
        <translation>Nie znaleziono</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Znajdź...</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Następne</translation>
    </message>
    <message>
        <source>Find the next occurrence (F3)</source>
        <translation>Znajdź następne wystąpienie (F3)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Poprzednie</translation>
    </message>
    <message>
        <source>Find the previous occurrence (Shift+F3)</source>
        <translation>Znajdź poprzednie wystąpienie (Shift+F3)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Zamknij pasek wyszukiwania (Esc)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>Szukany tekst</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Uwzględniaj wielkość liter</translation>
    </message>
</context>
<context>
    <name>InstantToolBar</name>
    <message>
        <source>Insert a keyword</source>
        <translation>Wstaw słowo kluczowe</translation>
    </message>
    <message>
        <source>Edit the name list</source>
        <translation>Edytuj listę nazw</translation>
    </message>
    <message>
        <source>Instant Search</source>
        <translation>Szybkie wyszukiwanie</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Expression type</source>
        <translation>Typ wyrażenia</translation>
    </message>
</context>
<context>
    <name>LocationPane</name>
    <message>
        <source>Location of the matches in the file</source>
        <translation>Położenie dopasowań w pliku</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>New search</source>
        <translation>Nowe wyszukiwanie</translation>
    </message>
    <message>
        <source>Index: ready</source>
        <translation>Indeks: gotowy</translation>
    </message>
    <message>
        <source>Index: updating...</source>
        <translation>Indeks: aktualizacja...</translation>
    </message>
    <message>
        <source>Index: disabled</source>
        <translation>Indeks: wyłączony</translation>
    </message>
    <message>
        <source>Talvenquist v%1</source>
        <translation>Talvenquist v%1</translation>
    </message>
    <message>
        <source>Search Parameters</source>
        <translation>Parametry wyszukiwania</translation>
    </message>
    <message>
        <source>Instant Search</source>
        <translation>Szybkie wyszukiwanie</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>Eksport wyników</translation>
    </message>
    <message>
        <source>Comma separated</source>
        <translation>Rozdzielane przecinkami</translation>
    </message>
</context>
<context>
    <name>MainWindowActions</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Narzędzia</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opcje...</translation>
    </message>
    <message>
        <source>&amp;New Search</source>
        <translation>&amp;Nowe wyszukiwanie</translation>
    </message>
    <message>
        <source>&amp;Close Tab</source>
        <translation>&amp;Zamknij kartę</translation>
    </message>
    <message>
        <source>&amp;Next Tab</source>
        <translation>&amp;Następna karta</translation>
    </message>
    <message>
        <source>&amp;Previous Tab</source>
        <translation>&amp;Poprzednia karta</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Podręcznik</translation>
    </message>
    <message>
        <source>&amp;Export Results...</source>
        <translation>&amp;Eksportuj wyniki...</translation>
    </message>
    <message>
        <source>Duplicate search</source>
        <translation>Powiel wyszukiwanie</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Przywróć</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Wy&amp;tnij</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Zaznacz &amp;wszystko</translation>
    </message>
    <message>
        <source>Copy &amp;Name</source>
        <translation>Kopiuj &amp;nazwę</translation>
    </message>
    <message>
        <source>Copy &amp;Full Name</source>
        <translation>Kopiuj &amp;pełną nazwę</translation>
    </message>
    <message>
        <source>Copy &amp;Path</source>
        <translation>Kopiuj ści&amp;eżkę</translation>
    </message>
    <message>
        <source>&amp;Case sensitive</source>
        <translation>&amp;Uwzględniaj wielkość liter</translation>
    </message>
    <message>
        <source>&amp;Substring</source>
        <translation>&amp;Podciąg</translation>
    </message>
    <message>
        <source>&amp;Whole word</source>
        <translation>&amp;Całe słowo</translation>
    </message>
    <message>
        <source>&amp;Regex</source>
        <translation>&amp;Wyrażenie regularne</translation>
    </message>
    <message>
        <source>&amp;Boolean</source>
        <translation>&amp;Wyrażenie logiczne</translation>
    </message>
    <message>
        <source>&amp;Search Parameters</source>
        <translation>&amp;Parametry wyszukiwania</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Pasek &amp;narzędzi</translation>
    </message>
    <message>
        <source>&amp;Instant Search</source>
        <translation>&amp;Szybkie wyszukiwanie</translation>
    </message>
    <message>
        <source>&amp;Filter Bar</source>
        <translation>Pasek &amp;filtrów</translation>
    </message>
</context>
<context>
    <name>MatchesTextView</name>
    <message>
        <source>Only the first %1 matches are shown.</source>
        <translation>Pokazano tylko pierwsze %1 dopasowań.</translation>
    </message>
    <message>
        <source>Full line</source>
        <translation>Cały wiersz</translation>
    </message>
    <message>
        <source>Matching lines</source>
        <translation>Pasujące wiersze</translation>
    </message>
</context>
<context>
    <name>PagesTabWidget</name>
    <message>
        <source>New tab</source>
        <translation>Nowa karta</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Powiel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Close other tabs</source>
        <translation>Zamknij pozostałe karty</translation>
    </message>
</context>
<context>
    <name>PreviewTabWidget</name>
    <message>
        <source>Matches</source>
        <translation>Dopasowania</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
</context>
<context>
    <name>RichComboBox</name>
    <message>
        <source>And</source>
        <translation>I</translation>
    </message>
    <message>
        <source>Or</source>
        <translation>Lub</translation>
    </message>
    <message>
        <source>Not</source>
        <translation>Nie</translation>
    </message>
</context>
<context>
    <name>SearchWindow</name>
    <message>
        <source>Search Parameters</source>
        <translation>Parametry wyszukiwania</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Nazwa pliku:</translation>
    </message>
    <message>
        <source>Expression type:</source>
        <translation>Typ wyrażenia:</translation>
    </message>
    <message>
        <source>Scope:</source>
        <translation>Zakres:</translation>
    </message>
    <message>
        <source>and</source>
        <translation>i</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Uwzględniaj wielkość liter</translation>
    </message>
    <message>
        <source>In directory</source>
        <translation>W folderze</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Uwzględnij podfoldery</translation>
    </message>
    <message>
        <source>In contents</source>
        <translation>W zawartości</translation>
    </message>
    <message>
        <source>Modified between</source>
        <translation>Zmodyfikowany między</translation>
    </message>
    <message>
        <source>Size range</source>
        <translation>Zakres rozmiaru</translation>
    </message>
    <message>
        <source>Show advanced options</source>
        <translation>Pokaż opcje zaawansowane</translation>
    </message>
    <message>
        <source>Substring</source>
        <translation>Podciąg</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>Całe słowo</translation>
    </message>
    <message>
        <source>Regex</source>
        <translation>Wyrażenie regularne</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>Wyrażenie logiczne</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Wiersz</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>File name expression type</source>
        <translation>Typ wyrażenia nazwy pliku</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Foldery</translation>
    </message>
    <message>
        <source>Contents text</source>
        <translation>Tekst zawartości</translation>
    </message>
    <message>
        <source>Contents expression type</source>
        <translation>Typ wyrażenia zawartości</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>Zakres</translation>
    </message>
    <message>
        <source>Modified on or after</source>
        <translation>Zmodyfikowany od</translation>
    </message>
    <message>
        <source>Modified on or before</source>
        <translation>Zmodyfikowany do</translation>
    </message>
    <message>
        <source>Minimum size</source>
        <translation>Minimalny rozmiar</translation>
    </message>
    <message>
        <source>Maximum size</source>
        <translation>Maksymalny rozmiar</translation>
    </message>
    <message>
        <source>Size unit</source>
        <translation>Jednostka rozmiaru</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Postęp wyszukiwania</translation>
    </message>
    <message>
        <source>Edit the folder list</source>
        <translation>Edytuj listę folderów</translation>
    </message>
    <message>
        <source>Insert a keyword</source>
        <translation>Wstaw słowo kluczowe</translation>
    </message>
    <message>
        <source>Edit the file name list</source>
        <translation>Edytuj listę nazw plików</translation>
    </message>
    <message>
        <source>Edit the contents list</source>
        <translation>Edytuj listę zawartości</translation>
    </message>
</context>
<context>
    <name>SelectFileNamesDialog</name>
    <message>
        <source>Select contents text</source>
        <translation>Wybierz tekst zawartości</translation>
    </message>
    <message>
        <source>Include text:</source>
        <translation>Uwzględnij tekst:</translation>
    </message>
    <message>
        <source>Exclude text:</source>
        <translation>Wyklucz tekst:</translation>
    </message>
    <message>
        <source>Select file names</source>
        <translation>Wybierz nazwy plików</translation>
    </message>
    <message>
        <source>Include file names:</source>
        <translation>Uwzględnij nazwy plików:</translation>
    </message>
    <message>
        <source>Exclude file names:</source>
        <translation>Wyklucz nazwy plików:</translation>
    </message>
</context>
<context>
    <name>SelectPathsDialog</name>
    <message>
        <source>Select folder</source>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <source>Select folders</source>
        <translation>Wybierz foldery</translation>
    </message>
    <message>
        <source>Include folder list:</source>
        <translation>Uwzględnij foldery:</translation>
    </message>
    <message>
        <source>Exclude folder list:</source>
        <translation>Wyklucz foldery:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Przeglądaj...</translation>
    </message>
    <message>
        <source>Add a folder to include</source>
        <translation>Dodaj folder do uwzględnienia</translation>
    </message>
    <message>
        <source>Add a folder to exclude</source>
        <translation>Dodaj folder do wykluczenia</translation>
    </message>
</context>
<context>
    <name>TabPage</name>
    <message>
        <source>Found: %1 objects in %2s</source>
        <translation>Znaleziono: %1 obiektów w %2 s</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Wyszukiwanie...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Substring</source>
        <translation>Podciąg</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>Całe słowo</translation>
    </message>
    <message>
        <source>Regex</source>
        <translation>Wyrażenie regularne</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>Wyrażenie logiczne</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Uwzględniaj wielkość liter</translation>
    </message>
</context>
</TS>
