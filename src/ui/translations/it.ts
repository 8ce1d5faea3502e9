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
        <translation>Modifica categoria di file</translation>
    </message>
    <message>
        <source>File category name</source>
        <translation>Nome della categoria</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Estensioni dei file</translation>
    </message>
    <message>
        <source>Extensions without dots, separated by ";"</source>
        <translation>Estensioni senza punto, separate da ";"</translation>
    </message>
    <message>
        <source>File attributes</source>
        <translation>Attributi dei file</translation>
    </message>
    <message>
        <source>File or Directory</source>
        <translation>File o cartella</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Nascosto</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Sola lettura</translation>
    </message>
</context>
<context>
    <name>FileOperation</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>FilePreviewPage</name>
    <message>
        <source>Reading %1...</source>
        <translation>Lettura di %1...</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened.</source>
        <translation>Impossibile aprire il file %1.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB: only its first %1 MiB are shown.</source>
        <translation>Il file supera %1 MiB: sono mostrati solo i primi %1 MiB.</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>A capo automatico</translation>
    </message>
    <message>
        <source>File text</source>
        <translation>Testo del file</translation>
    </message>
    <message>
        <source>Lines longer than %1 characters are cut.</source>
        <translation>Le righe più lunghe di %1 caratteri vengono troncate.</translation>
    </message>
</context>
<context>
    <name>FilePropertiesDialog</name>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n elemento</numerusform>
            <numerusform>%n elementi</numerusform>
        </translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Cartella:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Dimensione:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Created:</source>
        <translation>Creato:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Modificato:</translation>
    </message>
    <message>
        <source>Accessed:</source>
        <translation>Ultimo accesso:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Proprietario:</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>Permessi:</translation>
    </message>
    <message>
        <source>Properties of %1</source>
        <translation>Proprietà di %1</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Proprietà</translation>
    </message>
</context>
<context>
    <name>FileTable</name>
    <message>
        <source>Reading file data and sorting...</source>
        <translation>Lettura dei dati dei file e ordinamento...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Ordinamento</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>A name cannot contain "/" or be "." or "..".</source>
        <translation>Un nome non può contenere "/" né essere "." o "..".</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Cannot rename "%1" to "%2":
%3</source>
        <translation>Impossibile rinominare "%1" in "%2":
%3</translation>
    </message>
</context>
<context>
    <name>FileTableColumns</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Creato</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificato</translation>
    </message>
    <message>
        <source>Last Accessed</source>
        <translation>Ultimo accesso</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Corrispondenze</translation>
    </message>
</context>
<context>
    <name>FileTableView</name>
    <message>
        <source>Do you really want to sort %1 items?
Gathering data and sorting could take several minutes.</source>
        <translation>Ordinare davvero %1 elementi?
La raccolta dei dati e l'ordinamento potrebbero richiedere alcuni minuti.</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Risultati della ricerca</translation>
    </message>
</context>
<context>
    <name>FilterBar</name>
    <message>
        <source>All</source>
        <translation>Tutto</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Documento</translation>
    </message>
    <message>
        <source>Executable</source>
        <translation>Eseguibile</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musica</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Customize...</source>
        <translation>Personalizza...</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>Categorie di file</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Not found</source>
        <translation>Non trovato</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Trova...</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Successivo</translation>
    </message>
    <message>
        <source>Find the next occurrence (F3)</source>
        <translation>Trova l'occorrenza successiva (F3)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Precedente</translation>
    </message>
    <message>
        <source>Find the previous occurrence (Shift+F3)</source>
        <translation>Trova l'occorrenza precedente (Maiusc+F3)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Chiudi la barra di ricerca (Esc)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>Testo da cercare</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Maiuscole/minuscole</translation>
    </message>
</context>
<context>
    <name>InstantToolBar</name>
    <message>
        <source>Insert a keyword</source>
        <translation>Inserisci una parola chiave</translation>
    </message>
    <message>
        <source>Edit the name list</source>
        <translation>Modifica l'elenco dei nomi</translation>
    </message>
    <message>
        <source>Instant Search</source>
        <translation>Ricerca istantanea</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Expression type</source>
        <translation>Tipo di espressione</translation>
    </message>
</context>
<context>
    <name>LocationPane</name>
    <message>
        <source>Location of the matches in the file</source>
        <translation>Posizione delle corrispondenze nel file</translation>
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
    <message>
        <source>The results were exported to %1.</source>
        <translation>I risultati sono stati esportati in %1.</translation>
    </message>
    <message>
        <source>The results could not be exported to %1.</source>
        <translation>Impossibile esportare i risultati in %1.</translation>
    </message>
    <message>
        <source>Index: service not running</source>
        <translation>Indice: servizio non in esecuzione</translation>
    </message>
    <message>
        <source>The index service is not running: searches walk folders. Turn it on in Options, Indexing.</source>
        <translation>Il servizio di indice non è in esecuzione: le ricerche scorrono le cartelle. Attivarlo in Opzioni, Indicizzazione.</translation>
    </message>
    <message>
        <source>The index service took the change.</source>
        <translation>Il servizio di indice ha accettato la modifica.</translation>
    </message>
    <message>
        <source>The index service is not running: this window keeps an index of its own. Turn the service on in Options, Indexing.</source>
        <translation>Il servizio di indice non è in esecuzione: questa finestra mantiene un indice proprio. Attivare il servizio in Opzioni, Indicizzazione.</translation>
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
    <message>
        <source>Move to T&amp;rash</source>
        <translation>Sposta nel ce&amp;stino</translation>
    </message>
</context>
<context>
    <name>MatchesTextView</name>
    <message>
        <source>Only the first %1 matches are shown.</source>
        <translation>Sono mostrate solo le prime %1 corrispondenze.</translation>
    </message>
    <message>
        <source>Full line</source>
        <translation>Riga intera</translation>
    </message>
    <message>
        <source>Matching lines</source>
        <translation>Righe corrispondenti</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Do you really want to clear search history?</source>
        <translation>Cancellare davvero la cronologia delle ricerche?</translation>
    </message>
    <message>
        <source>File database path:</source>
        <translation>Percorso del database dei file:</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Indexing</source>
        <translation>Indicizzazione</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Ricerca</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>Categorie di file</translation>
    </message>
    <message>
        <source>File handlers</source>
        <translation>Gestori di file</translation>
    </message>
    <message>
        <source>Indexing is unavailable when %1 is running without administrator permissions.</source>
        <translation>L'indicizzazione non è disponibile quando %1 è in esecuzione senza permessi di amministratore.</translation>
    </message>
</context>
<context>
    <name>OptionsGeneral</name>
    <message>
        <source>Launch at system startup</source>
        <translation>Avvia all'avvio del sistema</translation>
    </message>
    <message>
        <source>Run in background</source>
        <translation>Esegui in background</translation>
    </message>
    <message>
        <source>Integrate in a folder's context menu</source>
        <translation>Integra nel menu contestuale delle cartelle</translation>
    </message>
    <message>
        <source>Start without asking for the administrator password</source>
        <translation>Avvia senza chiedere la password di amministratore</translation>
    </message>
    <message>
        <source>Save searches in all tabs on exit</source>
        <translation>Salva le ricerche di tutte le schede all'uscita</translation>
    </message>
    <message>
        <source>Clear search history</source>
        <translation>Cancella cronologia delle ricerche</translation>
    </message>
</context>
<context>
    <name>OptionsIndexing</name>
    <message>
        <source>File database path:</source>
        <translation>Percorso del database dei file:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Rebuild</source>
        <translation>Ricostruisci</translation>
    </message>
    <message>
        <source>Automatically index new fixed drives</source>
        <translation>Indicizza automaticamente le nuove unità fisse</translation>
    </message>
    <message>
        <source>Automatically index new removable drives</source>
        <translation>Indicizza automaticamente le nuove unità rimovibili</translation>
    </message>
    <message>
        <source>Index the following volumes:</source>
        <translation>Indicizza i seguenti volumi:</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>Punto di montaggio</translation>
    </message>
    <message>
        <source>Objects count</source>
        <translation>Numero di oggetti</translation>
    </message>
    <message>
        <source>Exclude paths:</source>
        <translation>Percorsi esclusi:</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>File system</translation>
    </message>
    <message>
        <source>Keep an index of all volumes for all users (system service)</source>
        <translation>Mantenere un indice di tutti i volumi per tutti gli utenti (servizio di sistema)</translation>
    </message>
</context>
<context>
    <name>OptionsPageCategories</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Estensioni</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Attributi</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>Categorie di file</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
</context>
<context>
    <name>OptionsPageFilters</name>
    <message>
        <source>This filter is disabled</source>
        <translation>Questo filtro è disattivato</translation>
    </message>
    <message>
        <source>Disable filter</source>
        <translation>Disattiva filtro</translation>
    </message>
    <message>
        <source>Enable filters</source>
        <translation>Attiva filtri</translation>
    </message>
    <message>
        <source>Document filters available on this computer.</source>
        <translation>Filtri per documenti disponibili su questo computer.</translation>
    </message>
    <message>
        <source>32-bit</source>
        <translation>32 bit</translation>
    </message>
    <message>
        <source>64-bit</source>
        <translation>64 bit</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Estensione</translation>
    </message>
    <message>
        <source>Handler name</source>
        <translation>Nome del gestore</translation>
    </message>
</context>
<context>
    <name>OptionsSearch</name>
    <message>
        <source>Content search</source>
        <translation>Ricerca nel contenuto</translation>
    </message>
    <message>
        <source>Auto-detect encoding of files without BOM</source>
        <translation>Rileva automaticamente la codifica dei file senza BOM</translation>
    </message>
    <message>
        <source>Auto-detect and skip binary files from content searches</source>
        <translation>Rileva e salta automaticamente i file binari nelle ricerche nel contenuto</translation>
    </message>
    <message>
        <source>Use built-in PDF converter</source>
        <translation>Usa il convertitore PDF integrato</translation>
    </message>
    <message>
        <source>Search as you type</source>
        <translation>Cerca durante la digitazione</translation>
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
    <name>PreviewTabWidget</name>
    <message>
        <source>Matches</source>
        <translation>Corrispondenze</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
</context>
<context>
    <name>RichComboBox</name>
    <message>
        <source>And</source>
        <translation>E</translation>
    </message>
    <message>
        <source>Or</source>
        <translation>O</translation>
    </message>
    <message>
        <source>Not</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>SearchWindow</name>
    <message>
        <source>Search Parameters</source>
        <translation>Parametri di ricerca</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Nome file:</translation>
    </message>
    <message>
        <source>Expression type:</source>
        <translation>Tipo di espressione:</translation>
    </message>
    <message>
        <source>Scope:</source>
        <translation>Ambito:</translation>
    </message>
    <message>
        <source>and</source>
        <translation>e</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Maiuscole/minuscole</translation>
    </message>
    <message>
        <source>In directory</source>
        <translation>Nella cartella</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Includi sottocartelle</translation>
    </message>
    <message>
        <source>In contents</source>
        <translation>Nel contenuto</translation>
    </message>
    <message>
        <source>Modified between</source>
        <translation>Modificato tra</translation>
    </message>
    <message>
        <source>Size range</source>
        <translation>Intervallo di dimensioni</translation>
    </message>
    <message>
        <source>Show advanced options</source>
        <translation>Mostra opzioni avanzate</translation>
    </message>
    <message>
        <source>Substring</source>
        <translation>Sottostringa</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>Parola intera</translation>
    </message>
    <message>
        <source>Regex</source>
        <translation>Espressione regolare</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>Espressione booleana</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Riga</translation>
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
        <translation>Cerca</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>File name expression type</source>
        <translation>Tipo di espressione del nome</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Cartelle</translation>
    </message>
    <message>
        <source>Contents text</source>
        <translation>Testo del contenuto</translation>
    </message>
    <message>
        <source>Contents expression type</source>
        <translation>Tipo di espressione del contenuto</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>Ambito</translation>
    </message>
    <message>
        <source>Modified on or after</source>
        <translation>Modificato dal</translation>
    </message>
    <message>
        <source>Modified on or before</source>
        <translation>Modificato fino al</translation>
    </message>
    <message>
        <source>Minimum size</source>
        <translation>Dimensione minima</translation>
    </message>
    <message>
        <source>Maximum size</source>
        <translation>Dimensione massima</translation>
    </message>
    <message>
        <source>Size unit</source>
        <translation>Unità di dimensione</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Avanzamento della ricerca</translation>
    </message>
    <message>
        <source>Edit the folder list</source>
        <translation>Modifica l'elenco delle cartelle</translation>
    </message>
    <message>
        <source>Insert a keyword</source>
        <translation>Inserisci una parola chiave</translation>
    </message>
    <message>
        <source>Edit the file name list</source>
        <translation>Modifica l'elenco dei nomi di file</translation>
    </message>
    <message>
        <source>Edit the contents list</source>
        <translation>Modifica l'elenco dei contenuti</translation>
    </message>
</context>
<context>
    <name>SelectFileNamesDialog</name>
    <message>
        <source>Select contents text</source>
        <translation>Seleziona testo del contenuto</translation>
    </message>
    <message>
        <source>Include text:</source>
        <translation>Testo da includere:</translation>
    </message>
    <message>
        <source>Exclude text:</source>
        <translation>Testo da escludere:</translation>
    </message>
    <message>
        <source>Select file names</source>
        <translation>Seleziona nomi di file</translation>
    </message>
    <message>
        <source>Include file names:</source>
        <translation>Nomi di file da includere:</translation>
    </message>
    <message>
        <source>Exclude file names:</source>
        <translation>Nomi di file da escludere:</translation>
    </message>
</context>
<context>
    <name>SelectPathsDialog</name>
    <message>
        <source>Select folder</source>
        <translation>Seleziona cartella</translation>
    </message>
    <message>
        <source>Select folders</source>
        <translation>Seleziona cartelle</translation>
    </message>
    <message>
        <source>Include folder list:</source>
        <translation>Cartelle da includere:</translation>
    </message>
    <message>
        <source>Exclude folder list:</source>
        <translation>Cartelle da escludere:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Add a folder to include</source>
        <translation>Aggiungi una cartella da includere</translation>
    </message>
    <message>
        <source>Add a folder to exclude</source>
        <translation>Aggiungi una cartella da escludere</translation>
    </message>
</context>
<context>
    <name>ShellContextMenu</name>
    <message>
        <source>Open file location</source>
        <translation>Apri percorso file</translation>
    </message>
    <message>
        <source>Copy full name</source>
        <translation>Copia nome completo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
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
        <source>&amp;Rename...</source>
        <translation>&amp;Rinomina...</translation>
    </message>
    <message>
        <source>Move to T&amp;rash</source>
        <translation>Sposta nel ce&amp;stino</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Proprietà</translation>
    </message>
    <message>
        <source>Open &amp;With</source>
        <translation>Apri c&amp;on</translation>
    </message>
</context>
<context>
    <name>ShellUtils</name>
    <message numerus="yes">
        <source>Do you really want to delete %n item(s) permanently? This cannot be undone.</source>
        <translation>
            <numerusform>Eliminare definitivamente %n elemento? L'operazione non può essere annullata.</numerusform>
            <numerusform>Eliminare definitivamente %n elementi? L'operazione non può essere annullata.</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>Eliminazione...</translation>
    </message>
    <message>
        <source>These items could not be deleted:</source>
        <translation>Non è stato possibile eliminare questi elementi:</translation>
    </message>
    <message>
        <source>Moving to the trash...</source>
        <translation>Spostamento nel cestino...</translation>
    </message>
    <message>
        <source>The desktop session could not be reached.</source>
        <translation>Impossibile raggiungere la sessione desktop.</translation>
    </message>
    <message>
        <source>It is still there.</source>
        <translation>È ancora presente.</translation>
    </message>
    <message>
        <source>These items could not be moved to the trash:</source>
        <translation>Non è stato possibile spostare questi elementi nel cestino:</translation>
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
    <message>
        <source>Substring</source>
        <translation>Sottostringa</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>Parola intera</translation>
    </message>
    <message>
        <source>Regex</source>
        <translation>Espressione regolare</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>Espressione booleana</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Maiuscole/minuscole</translation>
    </message>
    <message>
        <source>(incomplete: the search could not look everywhere)</source>
        <translation>(incompleto: la ricerca non ha potuto guardare ovunque)</translation>
    </message>
</context>
<context>
    <name>TaskScheduler</name>
    <message>
        <source>Search with %1...</source>
        <translation>Cerca con %1...</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>There is no trash for it on its file system.</source>
        <translation>Non c'è un cestino per esso nel suo file system.</translation>
    </message>
    <message>
        <source>Its owner (user %1) has no home folder to keep a trash in.</source>
        <translation>Il suo proprietario (utente %1) non ha una cartella home per il cestino.</translation>
    </message>
    <message>
        <source>Only an administrator may use another user's trash.</source>
        <translation>Solo un amministratore può usare il cestino di un altro utente.</translation>
    </message>
</context>
<context>
    <name>IndexServiceAdmin</name>
    <message>
        <source>This computer does not run systemd, so the index service cannot be turned on here.</source>
        <translation>Questo computer non usa systemd, quindi qui il servizio di indice non può essere attivato.</translation>
    </message>
    <message>
        <source>pkexec could not be started.</source>
        <translation>Impossibile avviare pkexec.</translation>
    </message>
    <message>
        <source>The task run with administrator rights ended unexpectedly.</source>
        <translation>L'attività eseguita con diritti di amministratore è terminata in modo imprevisto.</translation>
    </message>
    <message>
        <source>The administrator password was not given.</source>
        <translation>La password di amministratore non è stata fornita.</translation>
    </message>
    <message>
        <source>The index service refused the change; the log says why.</source>
        <translation>Il servizio di indice ha rifiutato la modifica; il registro ne indica il motivo.</translation>
    </message>
</context>
</TS>
