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
</context>
</TS>
