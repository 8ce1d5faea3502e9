<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Talvenquist</source>
        <translation>A Talvenquist névjegye</translation>
    </message>
    <message>
        <source>Built with:</source>
        <translation>Felhasznált összetevők:</translation>
    </message>
    <message>
        <source>Finds files and folders by name and contents.</source>
        <translation>Fájlokat és mappákat keres név és tartalom alapján.</translation>
    </message>
    <message>
        <source>Build time: %1</source>
        <translation>Fordítás ideje: %1</translation>
    </message>
</context>
<context>
    <name>BackgroundTray</name>
    <message>
        <source>%1 is still running.</source>
        <translation>A(z) %1 továbbra is fut.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>New search</source>
        <translation>Új keresés</translation>
    </message>
    <message>
        <source>Index: ready</source>
        <translation>Index: kész</translation>
    </message>
    <message>
        <source>Index: updating...</source>
        <translation>Index: frissítés...</translation>
    </message>
    <message>
        <source>Index: disabled</source>
        <translation>Index: kikapcsolva</translation>
    </message>
    <message>
        <source>Talvenquist v%1</source>
        <translation>Talvenquist v%1</translation>
    </message>
    <message>
        <source>Search Parameters</source>
        <translation>Keresési feltételek</translation>
    </message>
    <message>
        <source>Instant Search</source>
        <translation>Azonnali keresés</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>Találatok exportálása</translation>
    </message>
    <message>
        <source>Comma separated</source>
        <translation>Vesszővel tagolt</translation>
    </message>
</context>
<context>
    <name>MainWindowActions</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fájl</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>S&amp;zerkesztés</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Eszközök</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Nyelv</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Súgó</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Nézet</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Eszköztár</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Beállítások...</translation>
    </message>
    <message>
        <source>&amp;New Search</source>
        <translation>Ú&amp;j keresés</translation>
    </message>
    <message>
        <source>&amp;Close Tab</source>
        <translation>&amp;Lap bezárása</translation>
    </message>
    <message>
        <source>&amp;Next Tab</source>
        <translation>&amp;Következő lap</translation>
    </message>
    <message>
        <source>&amp;Previous Tab</source>
        <translation>&amp;Előző lap</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Kilépés</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Névjegy</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Kézikönyv</translation>
    </message>
    <message>
        <source>&amp;Export Results...</source>
        <translation>Találatok &amp;exportálása...</translation>
    </message>
    <message>
        <source>Duplicate search</source>
        <translation>Keresés megkettőzése</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Visszaállítás</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Kis méret</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Kivágás</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Másolás</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Törlés</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Összes kijelölése</translation>
    </message>
    <message>
        <source>Copy &amp;Name</source>
        <translation>&amp;Név másolása</translation>
    </message>
    <message>
        <source>Copy &amp;Full Name</source>
        <translation>&amp;Teljes név másolása</translation>
    </message>
    <message>
        <source>Copy &amp;Path</source>
        <translation>Ú&amp;tvonal másolása</translation>
    </message>
    <message>
        <source>&amp;Case sensitive</source>
        <translation>&amp;Kis- és nagybetű</translation>
    </message>
    <message>
        <source>&amp;Substring</source>
        <translation>&amp;Részlet</translation>
    </message>
    <message>
        <source>&amp;Whole word</source>
        <translation>&amp;Teljes szó</translation>
    </message>
    <message>
        <source>&amp;Regex</source>
        <translation>&amp;Reguláris kifejezés</translation>
    </message>
    <message>
        <source>&amp;Boolean</source>
        <translation>&amp;Logikai kifejezés</translation>
    </message>
    <message>
        <source>&amp;Search Parameters</source>
        <translation>&amp;Keresési feltételek</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Eszköztár</translation>
    </message>
    <message>
        <source>&amp;Instant Search</source>
        <translation>&amp;Azonnali keresés</translation>
    </message>
    <message>
        <source>&amp;Filter Bar</source>
        <translation>&amp;Szűrősáv</translation>
    </message>
</context>
<context>
    <name>PagesTabWidget</name>
    <message>
        <source>New tab</source>
        <translation>Új lap</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Megkettőzés</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Close other tabs</source>
        <translation>A többi lap bezárása</translation>
    </message>
</context>
<context>
    <name>TabPage</name>
    <message>
        <source>Found: %1 objects in %2s</source>
        <translation>Találat: %1 objektum %2 mp alatt</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Keresés...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Kész</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Keresés</translation>
    </message>
</context>
</TS>
