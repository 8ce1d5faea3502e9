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
</context>
</TS>
