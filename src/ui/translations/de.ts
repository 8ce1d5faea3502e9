<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Talvenquist</source>
        <translation>Über Talvenquist</translation>
    </message>
    <message>
        <source>Built with:</source>
        <translation>Erstellt mit:</translation>
    </message>
    <message>
        <source>Finds files and folders by name and contents.</source>
        <translation>Findet Dateien und Ordner nach Name und Inhalt.</translation>
    </message>
    <message>
        <source>Build time: %1</source>
        <translation>Erstellungszeit: %1</translation>
    </message>
</context>
<context>
    <name>BackgroundTray</name>
    <message>
        <source>%1 is still running.</source>
        <translation>%1 läuft weiter.</translation>
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
        <translation>Dateikategorie bearbeiten</translation>
    </message>
    <message>
        <source>File category name</source>
        <translation>Name der Dateikategorie</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Dateiendungen</translation>
    </message>
    <message>
        <source>Extensions without dots, separated by ";"</source>
        <translation>Endungen ohne Punkt, getrennt durch ";"</translation>
    </message>
    <message>
        <source>File attributes</source>
        <translation>Dateiattribute</translation>
    </message>
    <message>
        <source>File or Directory</source>
        <translation>Datei oder Ordner</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Versteckt</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Schreibgeschützt</translation>
    </message>
</context>
<context>
    <name>FileOperation</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>FilePreviewPage</name>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened.</source>
        <translation>Die Datei %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB: only its first %1 MiB are shown.</source>
        <translation>Die Datei ist größer als %1 MiB: nur die ersten %1 MiB werden angezeigt.</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>Zeilenumbruch</translation>
    </message>
    <message>
        <source>File text</source>
        <translation>Dateitext</translation>
    </message>
    <message>
        <source>Lines longer than %1 characters are cut.</source>
        <translation>Zeilen mit mehr als %1 Zeichen werden gekürzt.</translation>
    </message>
</context>
<context>
    <name>FilePropertiesDialog</name>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n Element</numerusform>
            <numerusform>%n Elemente</numerusform>
        </translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Created:</source>
        <translation>Erstellt:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Geändert:</translation>
    </message>
    <message>
        <source>Accessed:</source>
        <translation>Letzter Zugriff:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Besitzer:</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>Berechtigungen:</translation>
    </message>
    <message>
        <source>Properties of %1</source>
        <translation>Eigenschaften von %1</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
</context>
<context>
    <name>FileTable</name>
    <message>
        <source>Reading file data and sorting...</source>
        <translation>Dateidaten werden gelesen und sortiert...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>A name cannot contain "/" or be "." or "..".</source>
        <translation>Ein Name darf kein "/" enthalten und nicht "." oder ".." sein.</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Cannot rename "%1" to "%2":
%3</source>
        <translation>"%1" kann nicht in "%2" umbenannt werden:
%3</translation>
    </message>
</context>
<context>
    <name>FileTableColumns</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Last Accessed</source>
        <translation>Letzter Zugriff</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Treffer</translation>
    </message>
</context>
<context>
    <name>FileTableView</name>
    <message>
        <source>Do you really want to sort %1 items?
Gathering data and sorting could take several minutes.</source>
        <translation>Wollen Sie wirklich %1 Einträge sortieren?
Das Sammeln der Daten und das Sortieren können mehrere Minuten dauern.</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Suchergebnisse</translation>
    </message>
</context>
<context>
    <name>FilterBar</name>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Executable</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Customize...</source>
        <translation>Anpassen...</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>Dateikategorien</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Find the next occurrence (F3)</source>
        <translation>Nächstes Vorkommen suchen (F3)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Find the previous occurrence (Shift+F3)</source>
        <translation>Vorheriges Vorkommen suchen (Umschalt+F3)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Suchleiste schließen (Esc)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>Zu suchender Text</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
</context>
<context>
    <name>InstantToolBar</name>
    <message>
        <source>Insert a keyword</source>
        <translation>Schlüsselwort einfügen</translation>
    </message>
    <message>
        <source>Edit the name list</source>
        <translation>Namensliste bearbeiten</translation>
    </message>
    <message>
        <source>Instant Search</source>
        <translation>Sofortsuche</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Expression type</source>
        <translation>Ausdruckstyp</translation>
    </message>
</context>
<context>
    <name>LocationPane</name>
    <message>
        <source>Location of the matches in the file</source>
        <translation>Lage der Treffer in der Datei</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>New search</source>
        <translation>Neue Suche</translation>
    </message>
    <message>
        <source>Index: ready</source>
        <translation>Index: bereit</translation>
    </message>
    <message>
        <source>Index: updating...</source>
        <translation>Index: wird aktualisiert...</translation>
    </message>
    <message>
        <source>Index: disabled</source>
        <translation>Index: deaktiviert</translation>
    </message>
    <message>
        <source>Talvenquist v%1</source>
        <translation>Talvenquist v%1</translation>
    </message>
    <message>
        <source>Search Parameters</source>
        <translation>Suchparameter</translation>
    </message>
    <message>
        <source>Instant Search</source>
        <translation>Sofortsuche</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>Ergebnisse exportieren</translation>
    </message>
    <message>
        <source>Comma separated</source>
        <translation>Kommagetrennt</translation>
    </message>
    <message>
        <source>The results were exported to %1.</source>
        <translation>Die Ergebnisse wurden nach %1 exportiert.</translation>
    </message>
    <message>
        <source>The results could not be exported to %1.</source>
        <translation>Die Ergebnisse konnten nicht nach %1 exportiert werden.</translation>
    </message>
    <message>
        <source>Index: service not running</source>
        <translation>Index: Dienst läuft nicht</translation>
    </message>
    <message>
        <source>The index service is of another version of Talvenquist: searches walk folders. Restart it (systemctl restart talvenquist-indexd).</source>
        <translation>Der Indexdienst gehört zu einer anderen Version von Talvenquist: Suchen durchlaufen die Ordner. Starten Sie ihn neu (systemctl restart talvenquist-indexd).</translation>
    </message>
    <message>
        <source>The index service is not running: searches walk folders. Turn it on in Options, Indexing.</source>
        <translation>Der Indexdienst läuft nicht: Suchen durchlaufen die Ordner. Schalten Sie ihn unter Einstellungen, Indizierung ein.</translation>
    </message>
    <message>
        <source>The index service took the change.</source>
        <translation>Der Indexdienst hat die Änderung übernommen.</translation>
    </message>
    <message>
        <source>The index service is not running: this window keeps an index of its own. Turn the service on in Options, Indexing.</source>
        <translation>Der Indexdienst läuft nicht: Dieses Fenster führt einen eigenen Index. Schalten Sie den Dienst unter Einstellungen, Indizierung ein.</translation>
    </message>
</context>
<context>
    <name>MainWindowActions</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;New Search</source>
        <translation>&amp;Neue Suche</translation>
    </message>
    <message>
        <source>&amp;Close Tab</source>
        <translation>Registerkarte &amp;schließen</translation>
    </message>
    <message>
        <source>&amp;Next Tab</source>
        <translation>&amp;Nächste Registerkarte</translation>
    </message>
    <message>
        <source>&amp;Previous Tab</source>
        <translation>&amp;Vorherige Registerkarte</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <source>&amp;Export Results...</source>
        <translation>Ergebnisse &amp;exportieren...</translation>
    </message>
    <message>
        <source>Duplicate search</source>
        <translation>Suche duplizieren</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>Copy &amp;Name</source>
        <translation>&amp;Namen kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;Full Name</source>
        <translation>&amp;Vollen Namen kopieren</translation>
    </message>
    <message>
        <source>Copy &amp;Path</source>
        <translation>&amp;Pfad kopieren</translation>
    </message>
    <message>
        <source>&amp;Case sensitive</source>
        <translation>&amp;Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>&amp;Substring</source>
        <translation>&amp;Teilzeichenfolge</translation>
    </message>
    <message>
        <source>&amp;Whole word</source>
        <translation>&amp;Ganzes Wort</translation>
    </message>
    <message>
        <source>&amp;Regex</source>
        <translation>&amp;Regulärer Ausdruck</translation>
    </message>
    <message>
        <source>&amp;Boolean</source>
        <translation>&amp;Boolesch</translation>
    </message>
    <message>
        <source>&amp;Search Parameters</source>
        <translation>&amp;Suchparameter</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Instant Search</source>
        <translation>&amp;Sofortsuche</translation>
    </message>
    <message>
        <source>&amp;Filter Bar</source>
        <translation>&amp;Filterleiste</translation>
    </message>
    <message>
        <source>Move to T&amp;rash</source>
        <translation>In den &amp;Papierkorb verschieben</translation>
    </message>
</context>
<context>
    <name>MatchesTextView</name>
    <message>
        <source>Only the first %1 matches are shown.</source>
        <translation>Nur die ersten %1 Treffer werden angezeigt.</translation>
    </message>
    <message>
        <source>Full line</source>
        <translation>Ganze Zeile</translation>
    </message>
    <message>
        <source>Matching lines</source>
        <translation>Passende Zeilen</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Do you really want to clear search history?</source>
        <translation>Möchten Sie den Suchverlauf wirklich löschen?</translation>
    </message>
    <message>
        <source>File database path:</source>
        <translation>Pfad der Dateidatenbank:</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Indexing</source>
        <translation>Indizierung</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>Dateikategorien</translation>
    </message>
    <message>
        <source>File handlers</source>
        <translation>Dateihandler</translation>
    </message>
    <message>
        <source>Indexing is unavailable when %1 is running without administrator permissions.</source>
        <translation>Die Indizierung ist nicht verfügbar, wenn %1 ohne Administratorrechte läuft.</translation>
    </message>
</context>
<context>
    <name>OptionsGeneral</name>
    <message>
        <source>Launch at system startup</source>
        <translation>Beim Systemstart ausführen</translation>
    </message>
    <message>
        <source>Run in background</source>
        <translation>Im Hintergrund ausführen</translation>
    </message>
    <message>
        <source>Integrate in a folder's context menu</source>
        <translation>In das Kontextmenü von Ordnern einbinden</translation>
    </message>
    <message>
        <source>Start without asking for the administrator password</source>
        <translation>Ohne Abfrage des Administratorpassworts starten</translation>
    </message>
    <message>
        <source>Save searches in all tabs on exit</source>
        <translation>Suchen aller Registerkarten beim Beenden speichern</translation>
    </message>
    <message>
        <source>Clear search history</source>
        <translation>Suchverlauf löschen</translation>
    </message>
</context>
<context>
    <name>OptionsIndexing</name>
    <message>
        <source>File database path:</source>
        <translation>Pfad der Dateidatenbank:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Rebuild</source>
        <translation>Neu aufbauen</translation>
    </message>
    <message>
        <source>Automatically index new fixed drives</source>
        <translation>Neue feste Laufwerke automatisch indizieren</translation>
    </message>
    <message>
        <source>Automatically index new removable drives</source>
        <translation>Neue Wechsellaufwerke automatisch indizieren</translation>
    </message>
    <message>
        <source>Index the following volumes:</source>
        <translation>Folgende Datenträger indizieren:</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>Einhängepunkt</translation>
    </message>
    <message>
        <source>Objects count</source>
        <translation>Anzahl der Objekte</translation>
    </message>
    <message>
        <source>Exclude paths:</source>
        <translation>Ausgeschlossene Pfade:</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>Dateisystem</translation>
    </message>
    <message>
        <source>Keep an index of all volumes for all users (system service)</source>
        <translation>Einen Index aller Datenträger für alle Benutzer führen (Systemdienst)</translation>
    </message>
</context>
<context>
    <name>OptionsPageCategories</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Erweiterungen</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Attribute</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>Dateikategorien</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
</context>
<context>
    <name>OptionsPageFilters</name>
    <message>
        <source>This filter is disabled</source>
        <translation>Dieser Filter ist deaktiviert</translation>
    </message>
    <message>
        <source>Disable filter</source>
        <translation>Filter deaktivieren</translation>
    </message>
    <message>
        <source>Enable filters</source>
        <translation>Filter aktivieren</translation>
    </message>
    <message>
        <source>Document filters available on this computer.</source>
        <translation>Auf diesem Computer verfügbare Dokumentfilter.</translation>
    </message>
    <message>
        <source>32-bit</source>
        <translation>32-Bit</translation>
    </message>
    <message>
        <source>64-bit</source>
        <translation>64-Bit</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Erweiterung</translation>
    </message>
    <message>
        <source>Handler name</source>
        <translation>Name des Handlers</translation>
    </message>
</context>
<context>
    <name>OptionsSearch</name>
    <message>
        <source>Content search</source>
        <translation>Inhaltssuche</translation>
    </message>
    <message>
        <source>Auto-detect encoding of files without BOM</source>
        <translation>Kodierung von Dateien ohne BOM automatisch erkennen</translation>
    </message>
    <message>
        <source>Auto-detect and skip binary files from content searches</source>
        <translation>Binärdateien automatisch erkennen und bei der Inhaltssuche überspringen</translation>
    </message>
    <message>
        <source>Use built-in PDF converter</source>
        <translation>Eingebauten PDF-Konverter verwenden</translation>
    </message>
    <message>
        <source>Search as you type</source>
        <translation>Suchen während der Eingabe</translation>
    </message>
</context>
<context>
    <name>PagesTabWidget</name>
    <message>
        <source>New tab</source>
        <translation>Neue Registerkarte</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close other tabs</source>
        <translation>Andere Registerkarten schließen</translation>
    </message>
</context>
<context>
    <name>PreviewTabWidget</name>
    <message>
        <source>Matches</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
</context>
<context>
    <name>RichComboBox</name>
    <message>
        <source>And</source>
        <translation>Und</translation>
    </message>
    <message>
        <source>Or</source>
        <translation>Oder</translation>
    </message>
    <message>
        <source>Not</source>
        <translation>Nicht</translation>
    </message>
</context>
<context>
    <name>SearchWindow</name>
    <message>
        <source>Search Parameters</source>
        <translation>Suchparameter</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Expression type:</source>
        <translation>Ausdruckstyp:</translation>
    </message>
    <message>
        <source>Scope:</source>
        <translation>Bereich:</translation>
    </message>
    <message>
        <source>and</source>
        <translation>und</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>In directory</source>
        <translation>Im Ordner</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Unterordner einbeziehen</translation>
    </message>
    <message>
        <source>In contents</source>
        <translation>Im Inhalt</translation>
    </message>
    <message>
        <source>Modified between</source>
        <translation>Geändert zwischen</translation>
    </message>
    <message>
        <source>Size range</source>
        <translation>Größenbereich</translation>
    </message>
    <message>
        <source>Show advanced options</source>
        <translation>Erweiterte Optionen anzeigen</translation>
    </message>
    <message>
        <source>Substring</source>
        <translation>Teilzeichenfolge</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>Ganzes Wort</translation>
    </message>
    <message>
        <source>Regex</source>
        <translation>Regulärer Ausdruck</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>Boolesch</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
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
        <translation>Suchen</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>File name expression type</source>
        <translation>Ausdruckstyp des Dateinamens</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Contents text</source>
        <translation>Inhaltstext</translation>
    </message>
    <message>
        <source>Contents expression type</source>
        <translation>Ausdruckstyp des Inhalts</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Modified on or after</source>
        <translation>Geändert am oder nach</translation>
    </message>
    <message>
        <source>Modified on or before</source>
        <translation>Geändert am oder vor</translation>
    </message>
    <message>
        <source>Minimum size</source>
        <translation>Minimale Größe</translation>
    </message>
    <message>
        <source>Maximum size</source>
        <translation>Maximale Größe</translation>
    </message>
    <message>
        <source>Size unit</source>
        <translation>Größeneinheit</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Suchfortschritt</translation>
    </message>
    <message>
        <source>Edit the folder list</source>
        <translation>Ordnerliste bearbeiten</translation>
    </message>
    <message>
        <source>Insert a keyword</source>
        <translation>Schlüsselwort einfügen</translation>
    </message>
    <message>
        <source>Edit the file name list</source>
        <translation>Dateinamenliste bearbeiten</translation>
    </message>
    <message>
        <source>Edit the contents list</source>
        <translation>Inhaltsliste bearbeiten</translation>
    </message>
</context>
<context>
    <name>SelectFileNamesDialog</name>
    <message>
        <source>Select contents text</source>
        <translation>Inhaltstext auswählen</translation>
    </message>
    <message>
        <source>Include text:</source>
        <translation>Einzuschließender Text:</translation>
    </message>
    <message>
        <source>Exclude text:</source>
        <translation>Auszuschließender Text:</translation>
    </message>
    <message>
        <source>Select file names</source>
        <translation>Dateinamen auswählen</translation>
    </message>
    <message>
        <source>Include file names:</source>
        <translation>Einzuschließende Dateinamen:</translation>
    </message>
    <message>
        <source>Exclude file names:</source>
        <translation>Auszuschließende Dateinamen:</translation>
    </message>
</context>
<context>
    <name>SelectPathsDialog</name>
    <message>
        <source>Select folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Select folders</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Include folder list:</source>
        <translation>Einzuschließende Ordner:</translation>
    </message>
    <message>
        <source>Exclude folder list:</source>
        <translation>Auszuschließende Ordner:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Add a folder to include</source>
        <translation>Einzuschließenden Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Add a folder to exclude</source>
        <translation>Auszuschließenden Ordner hinzufügen</translation>
    </message>
</context>
<context>
    <name>ShellContextMenu</name>
    <message>
        <source>Open file location</source>
        <translation>Dateispeicherort öffnen</translation>
    </message>
    <message>
        <source>Copy full name</source>
        <translation>Vollen Namen kopieren</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Umbenennen...</translation>
    </message>
    <message>
        <source>Move to T&amp;rash</source>
        <translation>In den &amp;Papierkorb verschieben</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>Open &amp;With</source>
        <translation>Öffnen &amp;mit</translation>
    </message>
</context>
<context>
    <name>ShellUtils</name>
    <message numerus="yes">
        <source>Do you really want to delete %n item(s) permanently? This cannot be undone.</source>
        <translation>
            <numerusform>Möchten Sie %n Element wirklich endgültig löschen? Dies kann nicht rückgängig gemacht werden.</numerusform>
            <numerusform>Möchten Sie %n Elemente wirklich endgültig löschen? Dies kann nicht rückgängig gemacht werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>Wird gelöscht...</translation>
    </message>
    <message>
        <source>These items could not be deleted:</source>
        <translation>Diese Elemente konnten nicht gelöscht werden:</translation>
    </message>
    <message>
        <source>Moving to the trash...</source>
        <translation>Wird in den Papierkorb verschoben...</translation>
    </message>
    <message>
        <source>The desktop session could not be reached.</source>
        <translation>Die Desktop-Sitzung war nicht erreichbar.</translation>
    </message>
    <message>
        <source>It is still there.</source>
        <translation>Es ist noch vorhanden.</translation>
    </message>
    <message>
        <source>These items could not be moved to the trash:</source>
        <translation>Diese Elemente konnten nicht in den Papierkorb verschoben werden:</translation>
    </message>
</context>
<context>
    <name>TabPage</name>
    <message>
        <source>Found: %1 objects in %2s</source>
        <translation>Gefunden: %1 Objekte in %2s</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Suche läuft...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Substring</source>
        <translation>Teilzeichenfolge</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>Ganzes Wort</translation>
    </message>
    <message>
        <source>Regex</source>
        <translation>Regulärer Ausdruck</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>Boolesch</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>(incomplete: the search could not look everywhere)</source>
        <translation>(unvollständig: die Suche konnte nicht überall nachsehen)</translation>
    </message>
</context>
<context>
    <name>TaskScheduler</name>
    <message>
        <source>Search with %1...</source>
        <translation>Mit %1 suchen...</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>There is no trash for it on its file system.</source>
        <translation>Auf seinem Dateisystem gibt es dafür keinen Papierkorb.</translation>
    </message>
    <message>
        <source>Its owner (user %1) has no home folder to keep a trash in.</source>
        <translation>Sein Besitzer (Benutzer %1) hat keinen persönlichen Ordner für einen Papierkorb.</translation>
    </message>
    <message>
        <source>Only an administrator may use another user's trash.</source>
        <translation>Nur ein Administrator darf den Papierkorb eines anderen Benutzers verwenden.</translation>
    </message>
</context>
<context>
    <name>IndexServiceAdmin</name>
    <message>
        <source>This computer does not run systemd, so the index service cannot be turned on here.</source>
        <translation>Dieser Rechner läuft nicht mit systemd, daher kann der Indexdienst hier nicht eingeschaltet werden.</translation>
    </message>
    <message>
        <source>pkexec could not be started.</source>
        <translation>pkexec konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The task run with administrator rights ended unexpectedly.</source>
        <translation>Die mit Administratorrechten ausgeführte Aufgabe wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>The administrator password was not given.</source>
        <translation>Das Administratorpasswort wurde nicht eingegeben.</translation>
    </message>
    <message>
        <source>The index service refused the change; the log says why.</source>
        <translation>Der Indexdienst hat die Änderung abgelehnt; das Protokoll nennt den Grund.</translation>
    </message>
</context>
</TS>
