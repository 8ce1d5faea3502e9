<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Talvenquist</source>
        <translation>Informazioni su Talvenquist</translation>
    </message>
    <message>
        <source>Built with:</source>
        <translation>Realizzato con:</translation>
    </message>
    <message>
        <source>Finds files and folders by name and contents.</source>
        <translation>Trova file e cartelle per nome e contenuto.</translation>
    </message>
    <message>
        <source>Build time: %1</source>
        <translation>Data di compilazione: %1</translation>
    </message>
</context>
<context>
    <name>BackgroundTray</name>
    <message>
        <source>%1 is still running.</source>
        <translation>%1 è ancora in esecuzione.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>New search</source>
        <translation>Nuova ricerca</translation>
    </message>
    <message>
        <source>Index: ready</source>
        <translation>Indice: pronto</translation>
    </message>
    <message>
        <source>Index: updating...</source>
        <translation>Indice: aggiornamento...</translation>
    </message>
    <message>
        <source>Index: disabled</source>
        <translation>Indice: disattivato</translation>
    </message>
    <message>
        <source>Talvenquist v%1</source>
        <translation>Talvenquist v%1</translation>
    </message>
    <message>
        <source>Search Parameters</source>
        <translation>Parametri di ricerca</translation>
    </message>
    <message>
        <source>Instant Search</source>
        <translation>Ricerca istantanea</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>Esporta risultati</translation>
    </message>
    <message>
        <source>Comma separated</source>
        <translation>Separato da virgole</translation>
    </message>
</context>
<context>
    <name>MainWindowActions</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>S&amp;trumenti</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opzioni...</translation>
    </message>
    <message>
        <source>&amp;New Search</source>
        <translation>&amp;Nuova ricerca</translation>
    </message>
    <message>
        <source>&amp;Close Tab</source>
        <translation>&amp;Chiudi scheda</translation>
    </message>
    <message>
        <source>&amp;Next Tab</source>
        <translation>Scheda &amp;successiva</translation>
    </message>
    <message>
        <source>&amp;Previous Tab</source>
        <translation>Scheda &amp;precedente</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuale</translation>
    </message>
    <message>
        <source>&amp;Export Results...</source>
        <translation>&amp;Esporta risultati...</translation>
    </message>
    <message>
        <source>Duplicate search</source>
        <translation>Duplica ricerca</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleziona &amp;tutto</translation>
    </message>
    <message>
        <source>Copy &amp;Name</source>
        <translation>Copia &amp;nome</translation>
    </message>
    <message>
        <source>Copy &amp;Full Name</source>
        <translation>Copia nome &amp;completo</translation>
    </message>
    <message>
        <source>Copy &amp;Path</source>
        <translation>Copia &amp;percorso</translation>
    </message>
    <message>
        <source>&amp;Case sensitive</source>
        <translation>&amp;Maiuscole/minuscole</translation>
    </message>
    <message>
        <source>&amp;Substring</source>
        <translation>&amp;Sottostringa</translation>
    </message>
    <message>
        <source>&amp;Whole word</source>
        <translation>Parola &amp;intera</translation>
    </message>
    <message>
        <source>&amp;Regex</source>
        <translation>Espressione &amp;regolare</translation>
    </message>
    <message>
        <source>&amp;Boolean</source>
        <translation>Espressione &amp;booleana</translation>
    </message>
    <message>
        <source>&amp;Search Parameters</source>
        <translation>&amp;Parametri di ricerca</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra degli strumenti</translation>
    </message>
    <message>
        <source>&amp;Instant Search</source>
        <translation>Ricerca &amp;istantanea</translation>
    </message>
    <message>
        <source>&amp;Filter Bar</source>
        <translation>Barra dei &amp;filtri</translation>
    </message>
</context>
<context>
    <name>PagesTabWidget</name>
    <message>
        <source>New tab</source>
        <translation>Nuova scheda</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplica</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Close other tabs</source>
        <translation>Chiudi le altre schede</translation>
    </message>
</context>
<context>
    <name>TabPage</name>
    <message>
        <source>Found: %1 objects in %2s</source>
        <translation>Trovati: %1 oggetti in %2 s</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Ricerca in corso...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
</context>
</TS>
