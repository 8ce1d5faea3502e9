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
        <translation>Fájlkategória szerkesztése</translation>
    </message>
    <message>
        <source>File category name</source>
        <translation>Kategória neve</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Fájlkiterjesztések</translation>
    </message>
    <message>
        <source>Extensions without dots, separated by ";"</source>
        <translation>Kiterjesztések pont nélkül, ";" jellel elválasztva</translation>
    </message>
    <message>
        <source>File attributes</source>
        <translation>Fájlattribútumok</translation>
    </message>
    <message>
        <source>File or Directory</source>
        <translation>Fájl vagy mappa</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fájl</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Mappa</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Rejtett</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Csak olvasható</translation>
    </message>
</context>
<context>
    <name>FileOperation</name>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>FilePreviewPage</name>
    <message>
        <source>Reading %1...</source>
        <translation>%1 olvasása...</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened.</source>
        <translation>A(z) %1 fájl nem nyitható meg.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB: only its first %1 MiB are shown.</source>
        <translation>A fájl nagyobb %1 MiB-nál: csak az első %1 MiB látható.</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>Sortörés</translation>
    </message>
    <message>
        <source>File text</source>
        <translation>Fájl szövege</translation>
    </message>
    <message>
        <source>Lines longer than %1 characters are cut.</source>
        <translation>A %1 karakternél hosszabb sorok le vannak vágva.</translation>
    </message>
</context>
<context>
    <name>FilePropertiesDialog</name>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n elem</numerusform>
        </translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Név:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Mappa:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Méret:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Típus:</translation>
    </message>
    <message>
        <source>Created:</source>
        <translation>Létrehozva:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Módosítva:</translation>
    </message>
    <message>
        <source>Accessed:</source>
        <translation>Utolsó hozzáférés:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Tulajdonos:</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>Engedélyek:</translation>
    </message>
    <message>
        <source>Properties of %1</source>
        <translation>%1 tulajdonságai</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Tulajdonságok</translation>
    </message>
</context>
<context>
    <name>FileTable</name>
    <message>
        <source>Reading file data and sorting...</source>
        <translation>Fájladatok olvasása és rendezés...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Rendezés</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>A name cannot contain "/" or be "." or "..".</source>
        <translation>A név nem tartalmazhat "/" jelet, és nem lehet "." vagy "..".</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Átnevezés</translation>
    </message>
    <message>
        <source>Cannot rename "%1" to "%2":
%3</source>
        <translation>"%1" nem nevezhető át erre: "%2":
%3</translation>
    </message>
</context>
<context>
    <name>FileTableColumns</name>
    <message>
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Útvonal</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Méret</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Létrehozva</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Módosítva</translation>
    </message>
    <message>
        <source>Last Accessed</source>
        <translation>Utolsó hozzáférés</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Típus</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Találatok</translation>
    </message>
</context>
<context>
    <name>FileTableView</name>
    <message>
        <source>Do you really want to sort %1 items?
Gathering data and sorting could take several minutes.</source>
        <translation>Valóban rendezni szeretne %1 elemet?
Az adatok gyűjtése és a rendezés több percig is eltarthat.</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Keresési eredmények</translation>
    </message>
</context>
<context>
    <name>FilterBar</name>
    <message>
        <source>All</source>
        <translation>Mind</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Mappa</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Dokumentum</translation>
    </message>
    <message>
        <source>Executable</source>
        <translation>Futtatható</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Kép</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Zene</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Videó</translation>
    </message>
    <message>
        <source>Customize...</source>
        <translation>Testreszabás...</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>Fájlkategóriák</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Not found</source>
        <translation>Nem található</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Keresés...</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Következő</translation>
    </message>
    <message>
        <source>Find the next occurrence (F3)</source>
        <translation>Következő előfordulás (F3)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Előző</translation>
    </message>
    <message>
        <source>Find the previous occurrence (Shift+F3)</source>
        <translation>Előző előfordulás (Shift+F3)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Keresősáv bezárása (Esc)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Keresés</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>Keresendő szöveg</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Kis- és nagybetű</translation>
    </message>
</context>
<context>
    <name>InstantToolBar</name>
    <message>
        <source>Insert a keyword</source>
        <translation>Kulcsszó beszúrása</translation>
    </message>
    <message>
        <source>Edit the name list</source>
        <translation>Névlista szerkesztése</translation>
    </message>
    <message>
        <source>Instant Search</source>
        <translation>Azonnali keresés</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Fájlnév</translation>
    </message>
    <message>
        <source>Expression type</source>
        <translation>Kifejezés típusa</translation>
    </message>
</context>
<context>
    <name>LocationPane</name>
    <message>
        <source>Location of the matches in the file</source>
        <translation>A találatok helye a fájlban</translation>
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
    <message>
        <source>The results were exported to %1.</source>
        <translation>Az eredmények exportálva ide: %1.</translation>
    </message>
    <message>
        <source>The results could not be exported to %1.</source>
        <translation>Az eredményeket nem sikerült exportálni ide: %1.</translation>
    </message>
    <message>
        <source>Index: service not running</source>
        <translation>Index: a szolgáltatás nem fut</translation>
    </message>
    <message>
        <source>The index service is not running: searches walk folders. Turn it on in Options, Indexing.</source>
        <translation>Az indexszolgáltatás nem fut: a keresések bejárják a mappákat. Kapcsolja be a Beállítások, Indexelés lapon.</translation>
    </message>
    <message>
        <source>The index service took the change.</source>
        <translation>Az indexszolgáltatás átvette a módosítást.</translation>
    </message>
    <message>
        <source>The index service is not running: this window keeps an index of its own. Turn the service on in Options, Indexing.</source>
        <translation>Az indexszolgáltatás nem fut: ez az ablak saját indexet tart fenn. Kapcsolja be a szolgáltatást a Beállítások, Indexelés lapon.</translation>
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
    <message>
        <source>Move to T&amp;rash</source>
        <translation>Áthelyezés a &amp;Lomtárba</translation>
    </message>
</context>
<context>
    <name>MatchesTextView</name>
    <message>
        <source>Only the first %1 matches are shown.</source>
        <translation>Csak az első %1 találat látható.</translation>
    </message>
    <message>
        <source>Full line</source>
        <translation>Teljes sor</translation>
    </message>
    <message>
        <source>Matching lines</source>
        <translation>Egyező sorok</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Do you really want to clear search history?</source>
        <translation>Biztosan törli a keresési előzményeket?</translation>
    </message>
    <message>
        <source>File database path:</source>
        <translation>Fájladatbázis elérési útja:</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Oldalak</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Általános</translation>
    </message>
    <message>
        <source>Indexing</source>
        <translation>Indexelés</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Keresés</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>Fájlkategóriák</translation>
    </message>
    <message>
        <source>File handlers</source>
        <translation>Fájlkezelők</translation>
    </message>
    <message>
        <source>Indexing is unavailable when %1 is running without administrator permissions.</source>
        <translation>Az indexelés nem érhető el, ha a(z) %1 rendszergazdai jogosultságok nélkül fut.</translation>
    </message>
</context>
<context>
    <name>OptionsGeneral</name>
    <message>
        <source>Launch at system startup</source>
        <translation>Indítás a rendszer indulásakor</translation>
    </message>
    <message>
        <source>Run in background</source>
        <translation>Futás a háttérben</translation>
    </message>
    <message>
        <source>Integrate in a folder's context menu</source>
        <translation>Beépülés a mappák helyi menüjébe</translation>
    </message>
    <message>
        <source>Start without asking for the administrator password</source>
        <translation>Indítás a rendszergazdai jelszó kérése nélkül</translation>
    </message>
    <message>
        <source>Save searches in all tabs on exit</source>
        <translation>Az összes lap keresésének mentése kilépéskor</translation>
    </message>
    <message>
        <source>Clear search history</source>
        <translation>Keresési előzmények törlése</translation>
    </message>
</context>
<context>
    <name>OptionsIndexing</name>
    <message>
        <source>File database path:</source>
        <translation>Fájladatbázis elérési útja:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Tallózás...</translation>
    </message>
    <message>
        <source>Rebuild</source>
        <translation>Újraépítés</translation>
    </message>
    <message>
        <source>Automatically index new fixed drives</source>
        <translation>Új rögzített meghajtók automatikus indexelése</translation>
    </message>
    <message>
        <source>Automatically index new removable drives</source>
        <translation>Új cserélhető meghajtók automatikus indexelése</translation>
    </message>
    <message>
        <source>Index the following volumes:</source>
        <translation>A következő kötetek indexelése:</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>Csatolási pont</translation>
    </message>
    <message>
        <source>Objects count</source>
        <translation>Objektumok száma</translation>
    </message>
    <message>
        <source>Exclude paths:</source>
        <translation>Kizárt útvonalak:</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Útvonal</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hozzáadás</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eltávolítás</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>Fájlrendszer</translation>
    </message>
    <message>
        <source>Keep an index of all volumes for all users (system service)</source>
        <translation>Minden kötet indexének fenntartása minden felhasználónak (rendszerszolgáltatás)</translation>
    </message>
</context>
<context>
    <name>OptionsPageCategories</name>
    <message>
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Kiterjesztések</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Attribútumok</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>Fájlkategóriák</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hozzáadás</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Szerkesztés</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eltávolítás</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Fel</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Le</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Visszaállítás</translation>
    </message>
</context>
<context>
    <name>OptionsPageFilters</name>
    <message>
        <source>This filter is disabled</source>
        <translation>Ez a szűrő le van tiltva</translation>
    </message>
    <message>
        <source>Disable filter</source>
        <translation>Szűrő letiltása</translation>
    </message>
    <message>
        <source>Enable filters</source>
        <translation>Szűrők engedélyezése</translation>
    </message>
    <message>
        <source>Document filters available on this computer.</source>
        <translation>A számítógépen elérhető dokumentumszűrők.</translation>
    </message>
    <message>
        <source>32-bit</source>
        <translation>32 bites</translation>
    </message>
    <message>
        <source>64-bit</source>
        <translation>64 bites</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Kiterjesztés</translation>
    </message>
    <message>
        <source>Handler name</source>
        <translation>Kezelő neve</translation>
    </message>
</context>
<context>
    <name>OptionsSearch</name>
    <message>
        <source>Content search</source>
        <translation>Keresés a tartalomban</translation>
    </message>
    <message>
        <source>Auto-detect encoding of files without BOM</source>
        <translation>BOM nélküli fájlok kódolásának automatikus felismerése</translation>
    </message>
    <message>
        <source>Auto-detect and skip binary files from content searches</source>
        <translation>Bináris fájlok automatikus felismerése és kihagyása a tartalomkeresésből</translation>
    </message>
    <message>
        <source>Use built-in PDF converter</source>
        <translation>Beépített PDF-átalakító használata</translation>
    </message>
    <message>
        <source>Search as you type</source>
        <translation>Keresés gépelés közben</translation>
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
    <name>PreviewTabWidget</name>
    <message>
        <source>Matches</source>
        <translation>Találatok</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fájl</translation>
    </message>
</context>
<context>
    <name>RichComboBox</name>
    <message>
        <source>And</source>
        <translation>És</translation>
    </message>
    <message>
        <source>Or</source>
        <translation>Vagy</translation>
    </message>
    <message>
        <source>Not</source>
        <translation>Nem</translation>
    </message>
</context>
<context>
    <name>SearchWindow</name>
    <message>
        <source>Search Parameters</source>
        <translation>Keresési feltételek</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Fájlnév:</translation>
    </message>
    <message>
        <source>Expression type:</source>
        <translation>Kifejezés típusa:</translation>
    </message>
    <message>
        <source>Scope:</source>
        <translation>Hatókör:</translation>
    </message>
    <message>
        <source>and</source>
        <translation>és</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Kis- és nagybetű</translation>
    </message>
    <message>
        <source>In directory</source>
        <translation>Mappában</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Almappákkal együtt</translation>
    </message>
    <message>
        <source>In contents</source>
        <translation>Tartalomban</translation>
    </message>
    <message>
        <source>Modified between</source>
        <translation>Módosítva ekkor:</translation>
    </message>
    <message>
        <source>Size range</source>
        <translation>Méret tartomány</translation>
    </message>
    <message>
        <source>Show advanced options</source>
        <translation>Speciális beállítások</translation>
    </message>
    <message>
        <source>Substring</source>
        <translation>Részlet</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>Teljes szó</translation>
    </message>
    <message>
        <source>Regex</source>
        <translation>Reguláris kifejezés</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>Logikai kifejezés</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fájl</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Sor</translation>
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
        <translation>Keresés</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Fájlnév</translation>
    </message>
    <message>
        <source>File name expression type</source>
        <translation>Fájlnév-kifejezés típusa</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Mappák</translation>
    </message>
    <message>
        <source>Contents text</source>
        <translation>Tartalom szövege</translation>
    </message>
    <message>
        <source>Contents expression type</source>
        <translation>Tartalomkifejezés típusa</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>Hatókör</translation>
    </message>
    <message>
        <source>Modified on or after</source>
        <translation>Módosítva ekkor vagy később</translation>
    </message>
    <message>
        <source>Modified on or before</source>
        <translation>Módosítva ekkor vagy korábban</translation>
    </message>
    <message>
        <source>Minimum size</source>
        <translation>Legkisebb méret</translation>
    </message>
    <message>
        <source>Maximum size</source>
        <translation>Legnagyobb méret</translation>
    </message>
    <message>
        <source>Size unit</source>
        <translation>Méret mértékegysége</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Keresés állapota</translation>
    </message>
    <message>
        <source>Edit the folder list</source>
        <translation>Mappalista szerkesztése</translation>
    </message>
    <message>
        <source>Insert a keyword</source>
        <translation>Kulcsszó beszúrása</translation>
    </message>
    <message>
        <source>Edit the file name list</source>
        <translation>Fájlnévlista szerkesztése</translation>
    </message>
    <message>
        <source>Edit the contents list</source>
        <translation>Tartalomlista szerkesztése</translation>
    </message>
</context>
<context>
    <name>SelectFileNamesDialog</name>
    <message>
        <source>Select contents text</source>
        <translation>Tartalomszöveg kiválasztása</translation>
    </message>
    <message>
        <source>Include text:</source>
        <translation>Bevont szöveg:</translation>
    </message>
    <message>
        <source>Exclude text:</source>
        <translation>Kizárt szöveg:</translation>
    </message>
    <message>
        <source>Select file names</source>
        <translation>Fájlnevek kiválasztása</translation>
    </message>
    <message>
        <source>Include file names:</source>
        <translation>Bevont fájlnevek:</translation>
    </message>
    <message>
        <source>Exclude file names:</source>
        <translation>Kizárt fájlnevek:</translation>
    </message>
</context>
<context>
    <name>SelectPathsDialog</name>
    <message>
        <source>Select folder</source>
        <translation>Mappa kiválasztása</translation>
    </message>
    <message>
        <source>Select folders</source>
        <translation>Mappák kiválasztása</translation>
    </message>
    <message>
        <source>Include folder list:</source>
        <translation>Bevont mappák:</translation>
    </message>
    <message>
        <source>Exclude folder list:</source>
        <translation>Kizárt mappák:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Tallózás...</translation>
    </message>
    <message>
        <source>Add a folder to include</source>
        <translation>Bevonandó mappa hozzáadása</translation>
    </message>
    <message>
        <source>Add a folder to exclude</source>
        <translation>Kizárandó mappa hozzáadása</translation>
    </message>
</context>
<context>
    <name>ShellContextMenu</name>
    <message>
        <source>Open file location</source>
        <translation>Fájl helyének megnyitása</translation>
    </message>
    <message>
        <source>Copy full name</source>
        <translation>Teljes név másolása</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Megnyitás</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Kivágás</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Má&amp;solás</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>Átneve&amp;zés...</translation>
    </message>
    <message>
        <source>Move to T&amp;rash</source>
        <translation>Áthelyezés a &amp;Lomtárba</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Törlés</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>T&amp;ulajdonságok</translation>
    </message>
    <message>
        <source>Open &amp;With</source>
        <translation>Megnyitás &amp;ezzel</translation>
    </message>
</context>
<context>
    <name>ShellUtils</name>
    <message numerus="yes">
        <source>Do you really want to delete %n item(s) permanently? This cannot be undone.</source>
        <translation>
            <numerusform>Biztosan véglegesen törli a(z) %n elemet? Ez a művelet nem vonható vissza.</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>Törlés...</translation>
    </message>
    <message>
        <source>These items could not be deleted:</source>
        <translation>Ezeket az elemeket nem sikerült törölni:</translation>
    </message>
    <message>
        <source>Moving to the trash...</source>
        <translation>Áthelyezés a Lomtárba...</translation>
    </message>
    <message>
        <source>The desktop session could not be reached.</source>
        <translation>Az asztali munkamenet nem érhető el.</translation>
    </message>
    <message>
        <source>It is still there.</source>
        <translation>Még mindig ott van.</translation>
    </message>
    <message>
        <source>These items could not be moved to the trash:</source>
        <translation>Ezeket az elemeket nem sikerült a Lomtárba helyezni:</translation>
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
    <message>
        <source>Substring</source>
        <translation>Részlet</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>Teljes szó</translation>
    </message>
    <message>
        <source>Regex</source>
        <translation>Reguláris kifejezés</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>Logikai kifejezés</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Kis- és nagybetű</translation>
    </message>
    <message>
        <source>(incomplete: the search could not look everywhere)</source>
        <translation>(hiányos: a keresés nem tudott mindenhol keresni)</translation>
    </message>
</context>
<context>
    <name>TaskScheduler</name>
    <message>
        <source>Search with %1...</source>
        <translation>Keresés ezzel: %1...</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>There is no trash for it on its file system.</source>
        <translation>A fájlrendszerén nincs hozzá Lomtár.</translation>
    </message>
    <message>
        <source>Its owner (user %1) has no home folder to keep a trash in.</source>
        <translation>A tulajdonosának (%1 felhasználó) nincs saját mappája a Lomtárhoz.</translation>
    </message>
    <message>
        <source>Only an administrator may use another user's trash.</source>
        <translation>Más felhasználó Lomtárát csak rendszergazda használhatja.</translation>
    </message>
</context>
<context>
    <name>IndexServiceAdmin</name>
    <message>
        <source>This computer does not run systemd, so the index service cannot be turned on here.</source>
        <translation>Ez a számítógép nem systemd-vel fut, ezért itt az indexszolgáltatás nem kapcsolható be.</translation>
    </message>
    <message>
        <source>pkexec could not be started.</source>
        <translation>A pkexec nem indítható el.</translation>
    </message>
    <message>
        <source>The task run with administrator rights ended unexpectedly.</source>
        <translation>A rendszergazdai jogokkal futtatott feladat váratlanul véget ért.</translation>
    </message>
    <message>
        <source>The administrator password was not given.</source>
        <translation>A rendszergazdai jelszó nem lett megadva.</translation>
    </message>
    <message>
        <source>The index service refused the change; the log says why.</source>
        <translation>Az indexszolgáltatás elutasította a módosítást; az ok a naplóban olvasható.</translation>
    </message>
</context>
</TS>
