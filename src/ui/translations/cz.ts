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
        <translation>Upravit kategorii souborů</translation>
    </message>
    <message>
        <source>File category name</source>
        <translation>Název kategorie souborů</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Přípony souborů</translation>
    </message>
    <message>
        <source>Extensions without dots, separated by ";"</source>
        <translation>Přípony bez teček, oddělené ";"</translation>
    </message>
    <message>
        <source>File attributes</source>
        <translation>Atributy souborů</translation>
    </message>
    <message>
        <source>File or Directory</source>
        <translation>Soubor nebo složka</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Soubor</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Složka</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Skrytý</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Jen pro čtení</translation>
    </message>
</context>
<context>
    <name>FileOperation</name>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>FilePreviewPage</name>
    <message>
        <source>Reading %1...</source>
        <translation>Čtení %1...</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened.</source>
        <translation>Soubor %1 nelze otevřít.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB: only its first %1 MiB are shown.</source>
        <translation>Soubor je větší než %1 MiB: zobrazeno je jen prvních %1 MiB.</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>Zalamovat řádky</translation>
    </message>
    <message>
        <source>File text</source>
        <translation>Text souboru</translation>
    </message>
    <message>
        <source>Lines longer than %1 characters are cut.</source>
        <translation>Řádky delší než %1 znaků jsou zkráceny.</translation>
    </message>
</context>
<context>
    <name>FilePropertiesDialog</name>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n položka</numerusform>
            <numerusform>%n položky</numerusform>
            <numerusform>%n položek</numerusform>
        </translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Název:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Složka:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Velikost:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Created:</source>
        <translation>Vytvořeno:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Změněno:</translation>
    </message>
    <message>
        <source>Accessed:</source>
        <translation>Poslední přístup:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Vlastník:</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>Oprávnění:</translation>
    </message>
    <message>
        <source>Properties of %1</source>
        <translation>Vlastnosti: %1</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Vlastnosti</translation>
    </message>
</context>
<context>
    <name>FileTable</name>
    <message>
        <source>Reading file data and sorting...</source>
        <translation>Čtení údajů o souborech a řazení...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Řazení</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>A name cannot contain "/" or be "." or "..".</source>
        <translation>Název nesmí obsahovat "/" ani být "." nebo "..".</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Přejmenovat</translation>
    </message>
    <message>
        <source>Cannot rename "%1" to "%2":
%3</source>
        <translation>Nelze přejmenovat "%1" na "%2":
%3</translation>
    </message>
</context>
<context>
    <name>FileTableColumns</name>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Cesta</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Velikost</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Vytvořeno</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Změněno</translation>
    </message>
    <message>
        <source>Last Accessed</source>
        <translation>Poslední přístup</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Shody</translation>
    </message>
</context>
<context>
    <name>FileTableView</name>
    <message>
        <source>Do you really want to sort %1 items?
Gathering data and sorting could take several minutes.</source>
        <translation>Opravdu chcete seřadit %1 položek?
Shromáždění dat a řazení může trvat několik minut.</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Výsledky hledání</translation>
    </message>
</context>
<context>
    <name>FilterBar</name>
    <message>
        <source>All</source>
        <translation>Vše</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Složka</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Executable</source>
        <translation>Spustitelný</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obrázek</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Hudba</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Customize...</source>
        <translation>Přizpůsobit...</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>Kategorie souborů</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Not found</source>
        <translation>Nenalezeno</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Najít...</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Další</translation>
    </message>
    <message>
        <source>Find the next occurrence (F3)</source>
        <translation>Najít další výskyt (F3)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Předchozí</translation>
    </message>
    <message>
        <source>Find the previous occurrence (Shift+F3)</source>
        <translation>Najít předchozí výskyt (Shift+F3)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Zavřít panel hledání (Esc)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Najít</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>Hledaný text</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Rozlišovat velikost písmen</translation>
    </message>
</context>
<context>
    <name>InstantToolBar</name>
    <message>
        <source>Insert a keyword</source>
        <translation>Vložit klíčové slovo</translation>
    </message>
    <message>
        <source>Edit the name list</source>
        <translation>Upravit seznam názvů</translation>
    </message>
    <message>
        <source>Instant Search</source>
        <translation>Okamžité hledání</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Název souboru</translation>
    </message>
    <message>
        <source>Expression type</source>
        <translation>Typ výrazu</translation>
    </message>
</context>
<context>
    <name>LocationPane</name>
    <message>
        <source>Location of the matches in the file</source>
        <translation>Umístění shod v souboru</translation>
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
    <message>
        <source>The results were exported to %1.</source>
        <translation>Výsledky byly exportovány do %1.</translation>
    </message>
    <message>
        <source>The results could not be exported to %1.</source>
        <translation>Výsledky nelze exportovat do %1.</translation>
    </message>
    <message>
        <source>Index: service not running</source>
        <translation>Index: služba neběží</translation>
    </message>
    <message>
        <source>The index service is not running: searches walk folders. Turn it on in Options, Indexing.</source>
        <translation>Služba indexu neběží: hledání prochází složky. Zapněte ji v Možnosti, Indexování.</translation>
    </message>
    <message>
        <source>The index service took the change.</source>
        <translation>Služba indexu změnu přijala.</translation>
    </message>
    <message>
        <source>The index service is not running: this window keeps an index of its own. Turn the service on in Options, Indexing.</source>
        <translation>Služba indexu neběží: toto okno si vede vlastní index. Zapněte službu v Možnosti, Indexování.</translation>
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
    <message>
        <source>Move to T&amp;rash</source>
        <translation>Př&amp;esunout do koše</translation>
    </message>
</context>
<context>
    <name>MatchesTextView</name>
    <message>
        <source>Only the first %1 matches are shown.</source>
        <translation>Zobrazeno je jen prvních %1 shod.</translation>
    </message>
    <message>
        <source>Full line</source>
        <translation>Celý řádek</translation>
    </message>
    <message>
        <source>Matching lines</source>
        <translation>Odpovídající řádky</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Do you really want to clear search history?</source>
        <translation>Opravdu chcete vymazat historii hledání?</translation>
    </message>
    <message>
        <source>File database path:</source>
        <translation>Cesta k databázi souborů:</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Stránky</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>Indexing</source>
        <translation>Indexování</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledání</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>Kategorie souborů</translation>
    </message>
    <message>
        <source>File handlers</source>
        <translation>Obslužné programy souborů</translation>
    </message>
    <message>
        <source>Indexing is unavailable when %1 is running without administrator permissions.</source>
        <translation>Indexování není dostupné, pokud %1 běží bez oprávnění správce.</translation>
    </message>
</context>
<context>
    <name>OptionsGeneral</name>
    <message>
        <source>Launch at system startup</source>
        <translation>Spouštět při startu systému</translation>
    </message>
    <message>
        <source>Run in background</source>
        <translation>Běžet na pozadí</translation>
    </message>
    <message>
        <source>Integrate in a folder's context menu</source>
        <translation>Začlenit do místní nabídky složek</translation>
    </message>
    <message>
        <source>Start without asking for the administrator password</source>
        <translation>Spouštět bez dotazu na heslo správce</translation>
    </message>
    <message>
        <source>Save searches in all tabs on exit</source>
        <translation>Při ukončení uložit hledání ve všech kartách</translation>
    </message>
    <message>
        <source>Clear search history</source>
        <translation>Vymazat historii hledání</translation>
    </message>
</context>
<context>
    <name>OptionsIndexing</name>
    <message>
        <source>File database path:</source>
        <translation>Cesta k databázi souborů:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procházet...</translation>
    </message>
    <message>
        <source>Rebuild</source>
        <translation>Znovu sestavit</translation>
    </message>
    <message>
        <source>Automatically index new fixed drives</source>
        <translation>Automaticky indexovat nové pevné disky</translation>
    </message>
    <message>
        <source>Automatically index new removable drives</source>
        <translation>Automaticky indexovat nové vyměnitelné disky</translation>
    </message>
    <message>
        <source>Index the following volumes:</source>
        <translation>Indexovat následující svazky:</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>Přípojný bod</translation>
    </message>
    <message>
        <source>Objects count</source>
        <translation>Počet objektů</translation>
    </message>
    <message>
        <source>Exclude paths:</source>
        <translation>Vyloučené cesty:</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Cesta</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Odebrat</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>Souborový systém</translation>
    </message>
    <message>
        <source>Keep an index of all volumes for all users (system service)</source>
        <translation>Udržovat index všech svazků pro všechny uživatele (systémová služba)</translation>
    </message>
</context>
<context>
    <name>OptionsPageCategories</name>
    <message>
        <source>Name</source>
        <translation>Název</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Přípony</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Atributy</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>Kategorie souborů</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Upravit</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Odebrat</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nahoru</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Dolů</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Obnovit výchozí</translation>
    </message>
</context>
<context>
    <name>OptionsPageFilters</name>
    <message>
        <source>This filter is disabled</source>
        <translation>Tento filtr je vypnut</translation>
    </message>
    <message>
        <source>Disable filter</source>
        <translation>Vypnout filtr</translation>
    </message>
    <message>
        <source>Enable filters</source>
        <translation>Zapnout filtry</translation>
    </message>
    <message>
        <source>Document filters available on this computer.</source>
        <translation>Filtry dokumentů dostupné v tomto počítači.</translation>
    </message>
    <message>
        <source>32-bit</source>
        <translation>32bitový</translation>
    </message>
    <message>
        <source>64-bit</source>
        <translation>64bitový</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Přípona</translation>
    </message>
    <message>
        <source>Handler name</source>
        <translation>Název obslužného programu</translation>
    </message>
</context>
<context>
    <name>OptionsSearch</name>
    <message>
        <source>Content search</source>
        <translation>Hledání v obsahu</translation>
    </message>
    <message>
        <source>Auto-detect encoding of files without BOM</source>
        <translation>Automaticky rozpoznat kódování souborů bez BOM</translation>
    </message>
    <message>
        <source>Auto-detect and skip binary files from content searches</source>
        <translation>Automaticky rozpoznat a přeskočit binární soubory při hledání v obsahu</translation>
    </message>
    <message>
        <source>Use built-in PDF converter</source>
        <translation>Použít vestavěný převodník PDF</translation>
    </message>
    <message>
        <source>Search as you type</source>
        <translation>Hledat při psaní</translation>
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
    <name>PreviewTabWidget</name>
    <message>
        <source>Matches</source>
        <translation>Shody</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Soubor</translation>
    </message>
</context>
<context>
    <name>RichComboBox</name>
    <message>
        <source>And</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Or</source>
        <translation>Nebo</translation>
    </message>
    <message>
        <source>Not</source>
        <translation>Ne</translation>
    </message>
</context>
<context>
    <name>SearchWindow</name>
    <message>
        <source>Search Parameters</source>
        <translation>Parametry hledání</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Název souboru:</translation>
    </message>
    <message>
        <source>Expression type:</source>
        <translation>Typ výrazu:</translation>
    </message>
    <message>
        <source>Scope:</source>
        <translation>Rozsah:</translation>
    </message>
    <message>
        <source>and</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Rozlišovat velikost písmen</translation>
    </message>
    <message>
        <source>In directory</source>
        <translation>Ve složce</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Včetně podsložek</translation>
    </message>
    <message>
        <source>In contents</source>
        <translation>V obsahu</translation>
    </message>
    <message>
        <source>Modified between</source>
        <translation>Změněno mezi</translation>
    </message>
    <message>
        <source>Size range</source>
        <translation>Rozsah velikosti</translation>
    </message>
    <message>
        <source>Show advanced options</source>
        <translation>Zobrazit rozšířené možnosti</translation>
    </message>
    <message>
        <source>Substring</source>
        <translation>Podřetězec</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>Celé slovo</translation>
    </message>
    <message>
        <source>Regex</source>
        <translation>Regulární výraz</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>Logický výraz</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Soubor</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Řádek</translation>
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
        <translation>Hledat</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Název souboru</translation>
    </message>
    <message>
        <source>File name expression type</source>
        <translation>Typ výrazu názvu souboru</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Složky</translation>
    </message>
    <message>
        <source>Contents text</source>
        <translation>Text obsahu</translation>
    </message>
    <message>
        <source>Contents expression type</source>
        <translation>Typ výrazu obsahu</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>Rozsah</translation>
    </message>
    <message>
        <source>Modified on or after</source>
        <translation>Změněno dne nebo později</translation>
    </message>
    <message>
        <source>Modified on or before</source>
        <translation>Změněno dne nebo dříve</translation>
    </message>
    <message>
        <source>Minimum size</source>
        <translation>Nejmenší velikost</translation>
    </message>
    <message>
        <source>Maximum size</source>
        <translation>Největší velikost</translation>
    </message>
    <message>
        <source>Size unit</source>
        <translation>Jednotka velikosti</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Průběh hledání</translation>
    </message>
    <message>
        <source>Edit the folder list</source>
        <translation>Upravit seznam složek</translation>
    </message>
    <message>
        <source>Insert a keyword</source>
        <translation>Vložit klíčové slovo</translation>
    </message>
    <message>
        <source>Edit the file name list</source>
        <translation>Upravit seznam názvů souborů</translation>
    </message>
    <message>
        <source>Edit the contents list</source>
        <translation>Upravit seznam obsahu</translation>
    </message>
</context>
<context>
    <name>SelectFileNamesDialog</name>
    <message>
        <source>Select contents text</source>
        <translation>Vybrat text obsahu</translation>
    </message>
    <message>
        <source>Include text:</source>
        <translation>Zahrnout text:</translation>
    </message>
    <message>
        <source>Exclude text:</source>
        <translation>Vyloučit text:</translation>
    </message>
    <message>
        <source>Select file names</source>
        <translation>Vybrat názvy souborů</translation>
    </message>
    <message>
        <source>Include file names:</source>
        <translation>Zahrnout názvy souborů:</translation>
    </message>
    <message>
        <source>Exclude file names:</source>
        <translation>Vyloučit názvy souborů:</translation>
    </message>
</context>
<context>
    <name>SelectPathsDialog</name>
    <message>
        <source>Select folder</source>
        <translation>Vybrat složku</translation>
    </message>
    <message>
        <source>Select folders</source>
        <translation>Vybrat složky</translation>
    </message>
    <message>
        <source>Include folder list:</source>
        <translation>Zahrnout složky:</translation>
    </message>
    <message>
        <source>Exclude folder list:</source>
        <translation>Vyloučit složky:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procházet...</translation>
    </message>
    <message>
        <source>Add a folder to include</source>
        <translation>Přidat zahrnutou složku</translation>
    </message>
    <message>
        <source>Add a folder to exclude</source>
        <translation>Přidat vylučovanou složku</translation>
    </message>
</context>
<context>
    <name>ShellContextMenu</name>
    <message>
        <source>Open file location</source>
        <translation>Otevřít umístění souboru</translation>
    </message>
    <message>
        <source>Copy full name</source>
        <translation>Kopírovat úplný název</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otevřít</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Vyjmout</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopírovat</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Přejmenovat...</translation>
    </message>
    <message>
        <source>Move to T&amp;rash</source>
        <translation>Př&amp;esunout do koše</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Smazat</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>V&amp;lastnosti</translation>
    </message>
    <message>
        <source>Open &amp;With</source>
        <translation>Otevřít po&amp;mocí</translation>
    </message>
</context>
<context>
    <name>ShellUtils</name>
    <message numerus="yes">
        <source>Do you really want to delete %n item(s) permanently? This cannot be undone.</source>
        <translation>
            <numerusform>Opravdu chcete trvale smazat %n položku? Tuto akci nelze vrátit zpět.</numerusform>
            <numerusform>Opravdu chcete trvale smazat %n položky? Tuto akci nelze vrátit zpět.</numerusform>
            <numerusform>Opravdu chcete trvale smazat %n položek? Tuto akci nelze vrátit zpět.</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>Mazání...</translation>
    </message>
    <message>
        <source>These items could not be deleted:</source>
        <translation>Tyto položky nelze smazat:</translation>
    </message>
    <message>
        <source>Moving to the trash...</source>
        <translation>Přesouvání do koše...</translation>
    </message>
    <message>
        <source>The desktop session could not be reached.</source>
        <translation>Nelze se spojit s relací plochy.</translation>
    </message>
    <message>
        <source>It is still there.</source>
        <translation>Stále tam je.</translation>
    </message>
    <message>
        <source>These items could not be moved to the trash:</source>
        <translation>Tyto položky nelze přesunout do koše:</translation>
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
    <message>
        <source>Substring</source>
        <translation>Podřetězec</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>Celé slovo</translation>
    </message>
    <message>
        <source>Regex</source>
        <translation>Regulární výraz</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>Logický výraz</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Rozlišovat velikost písmen</translation>
    </message>
    <message>
        <source>(incomplete: the search could not look everywhere)</source>
        <translation>(neúplné: hledání nemohlo prohledat všechna místa)</translation>
    </message>
</context>
<context>
    <name>TaskScheduler</name>
    <message>
        <source>Search with %1...</source>
        <translation>Hledat pomocí %1...</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>There is no trash for it on its file system.</source>
        <translation>Na jeho souborovém systému pro něj není koš.</translation>
    </message>
    <message>
        <source>Its owner (user %1) has no home folder to keep a trash in.</source>
        <translation>Jeho vlastník (uživatel %1) nemá domovskou složku pro koš.</translation>
    </message>
    <message>
        <source>Only an administrator may use another user's trash.</source>
        <translation>Koš jiného uživatele smí používat jen správce.</translation>
    </message>
</context>
<context>
    <name>IndexServiceAdmin</name>
    <message>
        <source>This computer does not run systemd, so the index service cannot be turned on here.</source>
        <translation>Tento počítač nepoužívá systemd, proto zde službu indexu nelze zapnout.</translation>
    </message>
    <message>
        <source>pkexec could not be started.</source>
        <translation>Program pkexec nelze spustit.</translation>
    </message>
    <message>
        <source>The task run with administrator rights ended unexpectedly.</source>
        <translation>Úloha spuštěná s právy správce neočekávaně skončila.</translation>
    </message>
    <message>
        <source>The administrator password was not given.</source>
        <translation>Heslo správce nebylo zadáno.</translation>
    </message>
    <message>
        <source>The index service refused the change; the log says why.</source>
        <translation>Služba indexu změnu odmítla; důvod je v protokolu.</translation>
    </message>
</context>
</TS>
