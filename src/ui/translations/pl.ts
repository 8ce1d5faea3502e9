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
    <name>FileOperation</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
    <name>FilePropertiesDialog</name>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n element</numerusform>
            <numerusform>%n elementy</numerusform>
            <numerusform>%n elementów</numerusform>
        </translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Rozmiar:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Created:</source>
        <translation>Utworzono:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Zmodyfikowano:</translation>
    </message>
    <message>
        <source>Accessed:</source>
        <translation>Ostatni dostęp:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Właściciel:</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>Uprawnienia:</translation>
    </message>
    <message>
        <source>Properties of %1</source>
        <translation>Właściwości: %1</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Właściwości</translation>
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
    <message>
        <source>The results were exported to %1.</source>
        <translation>Wyniki wyeksportowano do %1.</translation>
    </message>
    <message>
        <source>The results could not be exported to %1.</source>
        <translation>Nie udało się wyeksportować wyników do %1.</translation>
    </message>
    <message>
        <source>Index: service not running</source>
        <translation>Indeks: usługa nie działa</translation>
    </message>
    <message>
        <source>The index service is not running: searches walk folders. Turn it on in Options, Indexing.</source>
        <translation>Usługa indeksu nie działa: wyszukiwanie przegląda foldery. Włącz ją w Opcje, Indeksowanie.</translation>
    </message>
    <message>
        <source>The index service took the change.</source>
        <translation>Usługa indeksu przyjęła zmianę.</translation>
    </message>
    <message>
        <source>The index service is not running: this window keeps an index of its own. Turn the service on in Options, Indexing.</source>
        <translation>Usługa indeksu nie działa: to okno utrzymuje własny indeks. Włącz usługę w Opcje, Indeksowanie.</translation>
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
    <message>
        <source>Move to T&amp;rash</source>
        <translation>Przenieś do ko&amp;sza</translation>
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
    <name>OptionsDialog</name>
    <message>
        <source>Do you really want to clear search history?</source>
        <translation>Czy na pewno wyczyścić historię wyszukiwania?</translation>
    </message>
    <message>
        <source>File database path:</source>
        <translation>Ścieżka bazy danych plików:</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Strony</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Indexing</source>
        <translation>Indeksowanie</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Wyszukiwanie</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>Kategorie plików</translation>
    </message>
    <message>
        <source>File handlers</source>
        <translation>Programy obsługi plików</translation>
    </message>
    <message>
        <source>Indexing is unavailable when %1 is running without administrator permissions.</source>
        <translation>Indeksowanie jest niedostępne, gdy %1 działa bez uprawnień administratora.</translation>
    </message>
</context>
<context>
    <name>OptionsGeneral</name>
    <message>
        <source>Launch at system startup</source>
        <translation>Uruchamiaj przy starcie systemu</translation>
    </message>
    <message>
        <source>Run in background</source>
        <translation>Działaj w tle</translation>
    </message>
    <message>
        <source>Integrate in a folder's context menu</source>
        <translation>Zintegruj z menu kontekstowym folderów</translation>
    </message>
    <message>
        <source>Start without asking for the administrator password</source>
        <translation>Uruchamiaj bez pytania o hasło administratora</translation>
    </message>
    <message>
        <source>Save searches in all tabs on exit</source>
        <translation>Zapisuj wyszukiwania ze wszystkich kart przy zamykaniu</translation>
    </message>
    <message>
        <source>Clear search history</source>
        <translation>Wyczyść historię wyszukiwania</translation>
    </message>
</context>
<context>
    <name>OptionsIndexing</name>
    <message>
        <source>File database path:</source>
        <translation>Ścieżka bazy danych plików:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Przeglądaj...</translation>
    </message>
    <message>
        <source>Rebuild</source>
        <translation>Przebuduj</translation>
    </message>
    <message>
        <source>Automatically index new fixed drives</source>
        <translation>Automatycznie indeksuj nowe dyski stałe</translation>
    </message>
    <message>
        <source>Automatically index new removable drives</source>
        <translation>Automatycznie indeksuj nowe dyski wymienne</translation>
    </message>
    <message>
        <source>Index the following volumes:</source>
        <translation>Indeksuj następujące woluminy:</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>Punkt montowania</translation>
    </message>
    <message>
        <source>Objects count</source>
        <translation>Liczba obiektów</translation>
    </message>
    <message>
        <source>Exclude paths:</source>
        <translation>Wykluczone ścieżki:</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ścieżka</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>System plików</translation>
    </message>
    <message>
        <source>Keep an index of all volumes for all users (system service)</source>
        <translation>Utrzymuj indeks wszystkich woluminów dla wszystkich użytkowników (usługa systemowa)</translation>
    </message>
</context>
<context>
    <name>OptionsPageCategories</name>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Rozszerzenia</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Atrybuty</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>Kategorie plików</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetuj</translation>
    </message>
</context>
<context>
    <name>OptionsPageFilters</name>
    <message>
        <source>This filter is disabled</source>
        <translation>Ten filtr jest wyłączony</translation>
    </message>
    <message>
        <source>Disable filter</source>
        <translation>Wyłącz filtr</translation>
    </message>
    <message>
        <source>Enable filters</source>
        <translation>Włącz filtry</translation>
    </message>
    <message>
        <source>Document filters available on this computer.</source>
        <translation>Filtry dokumentów dostępne na tym komputerze.</translation>
    </message>
    <message>
        <source>32-bit</source>
        <translation>32-bitowy</translation>
    </message>
    <message>
        <source>64-bit</source>
        <translation>64-bitowy</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Rozszerzenie</translation>
    </message>
    <message>
        <source>Handler name</source>
        <translation>Nazwa programu obsługi</translation>
    </message>
</context>
<context>
    <name>OptionsSearch</name>
    <message>
        <source>Content search</source>
        <translation>Wyszukiwanie w zawartości</translation>
    </message>
    <message>
        <source>Auto-detect encoding of files without BOM</source>
        <translation>Automatycznie wykrywaj kodowanie plików bez BOM</translation>
    </message>
    <message>
        <source>Auto-detect and skip binary files from content searches</source>
        <translation>Automatycznie wykrywaj i pomijaj pliki binarne przy wyszukiwaniu w zawartości</translation>
    </message>
    <message>
        <source>Use built-in PDF converter</source>
        <translation>Używaj wbudowanego konwertera PDF</translation>
    </message>
    <message>
        <source>Search as you type</source>
        <translation>Szukaj podczas pisania</translation>
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
    <name>ShellContextMenu</name>
    <message>
        <source>Open file location</source>
        <translation>Otwórz lokalizację pliku</translation>
    </message>
    <message>
        <source>Copy full name</source>
        <translation>Kopiuj pełną nazwę</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Wytnij</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>Zmień &amp;nazwę...</translation>
    </message>
    <message>
        <source>Move to T&amp;rash</source>
        <translation>Przenieś do ko&amp;sza</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>Właś&amp;ciwości</translation>
    </message>
    <message>
        <source>Open &amp;With</source>
        <translation>Otwórz &amp;za pomocą</translation>
    </message>
</context>
<context>
    <name>ShellUtils</name>
    <message numerus="yes">
        <source>Do you really want to delete %n item(s) permanently? This cannot be undone.</source>
        <translation>
            <numerusform>Czy na pewno trwale usunąć %n element? Tej operacji nie można cofnąć.</numerusform>
            <numerusform>Czy na pewno trwale usunąć %n elementy? Tej operacji nie można cofnąć.</numerusform>
            <numerusform>Czy na pewno trwale usunąć %n elementów? Tej operacji nie można cofnąć.</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>Usuwanie...</translation>
    </message>
    <message>
        <source>These items could not be deleted:</source>
        <translation>Nie można usunąć tych elementów:</translation>
    </message>
    <message>
        <source>Moving to the trash...</source>
        <translation>Przenoszenie do kosza...</translation>
    </message>
    <message>
        <source>The desktop session could not be reached.</source>
        <translation>Nie można połączyć się z sesją pulpitu.</translation>
    </message>
    <message>
        <source>It is still there.</source>
        <translation>Nadal tam jest.</translation>
    </message>
    <message>
        <source>These items could not be moved to the trash:</source>
        <translation>Nie można przenieść tych elementów do kosza:</translation>
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
    <message>
        <source>(incomplete: the search could not look everywhere)</source>
        <translation>(niepełne: wyszukiwanie nie mogło sprawdzić wszystkich miejsc)</translation>
    </message>
</context>
<context>
    <name>TaskScheduler</name>
    <message>
        <source>Search with %1...</source>
        <translation>Szukaj za pomocą %1...</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>There is no trash for it on its file system.</source>
        <translation>W jego systemie plików nie ma kosza.</translation>
    </message>
    <message>
        <source>Its owner (user %1) has no home folder to keep a trash in.</source>
        <translation>Jego właściciel (użytkownik %1) nie ma folderu domowego na kosz.</translation>
    </message>
    <message>
        <source>Only an administrator may use another user's trash.</source>
        <translation>Tylko administrator może używać kosza innego użytkownika.</translation>
    </message>
</context>
<context>
    <name>IndexServiceAdmin</name>
    <message>
        <source>This computer does not run systemd, so the index service cannot be turned on here.</source>
        <translation>Ten komputer nie używa systemd, więc nie można tu włączyć usługi indeksu.</translation>
    </message>
    <message>
        <source>pkexec could not be started.</source>
        <translation>Nie można uruchomić pkexec.</translation>
    </message>
    <message>
        <source>The task run with administrator rights ended unexpectedly.</source>
        <translation>Zadanie uruchomione z uprawnieniami administratora nieoczekiwanie się zakończyło.</translation>
    </message>
    <message>
        <source>The administrator password was not given.</source>
        <translation>Nie podano hasła administratora.</translation>
    </message>
    <message>
        <source>The index service refused the change; the log says why.</source>
        <translation>Usługa indeksu odrzuciła zmianę; przyczyna jest w dzienniku.</translation>
    </message>
</context>
</TS>
