<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Talvenquist</source>
        <translation>O programu Talvenquist</translation>
    </message>
    <message>
        <source>Built with:</source>
        <translation>Sestaveno s:</translation>
    </message>
    <message>
        <source>Finds files and folders by name and contents.</source>
        <translation>Vyhledává soubory a složky podle názvu a obsahu.</translation>
    </message>
    <message>
        <source>Build time: %1</source>
        <translation>Čas sestavení: %1</translation>
    </message>
</context>
<context>
    <name>BackgroundTray</name>
    <message>
        <source>%1 is still running.</source>
        <translation>%1 stále běží.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>New search</source>
        <translation>Nové hledání</translation>
    </message>
    <message>
        <source>Index: ready</source>
        <translation>Index: připraven</translation>
    </message>
    <message>
        <source>Index: updating...</source>
        <translation>Index: aktualizuje se...</translation>
    </message>
    <message>
        <source>Index: disabled</source>
        <translation>Index: vypnut</translation>
    </message>
    <message>
        <source>Talvenquist v%1</source>
        <translation>Talvenquist v%1</translation>
    </message>
    <message>
        <source>Search Parameters</source>
        <translation>Parametry hledání</translation>
    </message>
    <message>
        <source>Instant Search</source>
        <translation>Okamžité hledání</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>Export výsledků</translation>
    </message>
    <message>
        <source>Comma separated</source>
        <translation>Oddělené čárkami</translation>
    </message>
</context>
<context>
    <name>MainWindowActions</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Ú&amp;pravy</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Nástroje</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Jazyk</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Nápo&amp;věda</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Zobrazit</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Panel nástrojů</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Možnosti...</translation>
    </message>
    <message>
        <source>&amp;New Search</source>
        <translation>&amp;Nové hledání</translation>
    </message>
    <message>
        <source>&amp;Close Tab</source>
        <translation>&amp;Zavřít kartu</translation>
    </message>
    <message>
        <source>&amp;Next Tab</source>
        <translation>&amp;Další karta</translation>
    </message>
    <message>
        <source>&amp;Previous Tab</source>
        <translation>&amp;Předchozí karta</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programu</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Příručka</translation>
    </message>
    <message>
        <source>&amp;Export Results...</source>
        <translation>&amp;Exportovat výsledky...</translation>
    </message>
    <message>
        <source>Duplicate search</source>
        <translation>Duplikovat hledání</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Obnovit</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizovat</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Vyj&amp;mout</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopírovat</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Smazat</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Vybrat &amp;vše</translation>
    </message>
    <message>
        <source>Copy &amp;Name</source>
        <translation>Kopírovat &amp;název</translation>
    </message>
    <message>
        <source>Copy &amp;Full Name</source>
        <translation>Kopírovat &amp;úplný název</translation>
    </message>
    <message>
        <source>Copy &amp;Path</source>
        <translation>Kopírovat &amp;cestu</translation>
    </message>
    <message>
        <source>&amp;Case sensitive</source>
        <translation>&amp;Rozlišovat velikost písmen</translation>
    </message>
    <message>
        <source>&amp;Substring</source>
        <translation>&amp;Podřetězec</translation>
    </message>
    <message>
        <source>&amp;Whole word</source>
        <translation>&amp;Celé slovo</translation>
    </message>
    <message>
        <source>&amp;Regex</source>
        <translation>&amp;Regulární výraz</translation>
    </message>
    <message>
        <source>&amp;Boolean</source>
        <translation>&amp;Logický výraz</translation>
    </message>
    <message>
        <source>&amp;Search Parameters</source>
        <translation>&amp;Parametry hledání</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Panel &amp;nástrojů</translation>
    </message>
    <message>
        <source>&amp;Instant Search</source>
        <translation>&amp;Okamžité hledání</translation>
    </message>
    <message>
        <source>&amp;Filter Bar</source>
        <translation>Panel &amp;filtrů</translation>
    </message>
</context>
<context>
    <name>PagesTabWidget</name>
    <message>
        <source>New tab</source>
        <translation>Nová karta</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplikovat</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Close other tabs</source>
        <translation>Zavřít ostatní karty</translation>
    </message>
</context>
<context>
    <name>TabPage</name>
    <message>
        <source>Found: %1 objects in %2s</source>
        <translation>Nalezeno: %1 objektů za %2 s</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Hledání...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledat</translation>
    </message>
</context>
</TS>
