<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Talvenquist</source>
        <translation>À propos de Talvenquist</translation>
    </message>
    <message>
        <source>Built with:</source>
        <translation>Construit avec :</translation>
    </message>
    <message>
        <source>Finds files and folders by name and contents.</source>
        <translation>Trouve les fichiers et dossiers par nom et par contenu.</translation>
    </message>
    <message>
        <source>Build time: %1</source>
        <translation>Date de compilation : %1</translation>
    </message>
</context>
<context>
    <name>BackgroundTray</name>
    <message>
        <source>%1 is still running.</source>
        <translation>%1 est toujours en cours d'exécution.</translation>
    </message>
</context>
<context>
    <name>Bytes (short)</name>
    <message>
        <source>B</source>
        <translation>o</translation>
    </message>
</context>
<context>
    <name>EditCategoryDialog</name>
    <message>
        <source>Edit file category</source>
        <translation>Modifier la catégorie de fichiers</translation>
    </message>
    <message>
        <source>File category name</source>
        <translation>Nom de la catégorie</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Extensions de fichiers</translation>
    </message>
    <message>
        <source>Extensions without dots, separated by ";"</source>
        <translation>Extensions sans point, séparées par ";"</translation>
    </message>
    <message>
        <source>File attributes</source>
        <translation>Attributs de fichiers</translation>
    </message>
    <message>
        <source>File or Directory</source>
        <translation>Fichier ou dossier</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Caché</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Lecture seule</translation>
    </message>
</context>
<context>
    <name>FilePreviewPage</name>
    <message>
        <source>Reading %1...</source>
        <translation>Lecture de %1...</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened.</source>
        <translation>Impossible d'ouvrir le fichier %1.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB: only its first %1 MiB are shown.</source>
        <translation>Le fichier dépasse %1 Mio : seuls ses %1 premiers Mio sont affichés.</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>Retour à la ligne</translation>
    </message>
    <message>
        <source>File text</source>
        <translation>Texte du fichier</translation>
    </message>
    <message>
        <source>Lines longer than %1 characters are cut.</source>
        <translation>Les lignes de plus de %1 caractères sont coupées.</translation>
    </message>
</context>
<context>
    <name>FileTable</name>
    <message>
        <source>Reading file data and sorting...</source>
        <translation>Lecture des données des fichiers et tri...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Tri</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>A name cannot contain "/" or be "." or "..".</source>
        <translation>Un nom ne peut pas contenir "/" ni être "." ou "..".</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Cannot rename "%1" to "%2":
%3</source>
        <translation>Impossible de renommer "%1" en "%2" :
%3</translation>
    </message>
</context>
<context>
    <name>FileTableColumns</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Créé</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Last Accessed</source>
        <translation>Dernier accès</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Correspondances</translation>
    </message>
</context>
<context>
    <name>FileTableView</name>
    <message>
        <source>Do you really want to sort %1 items?
Gathering data and sorting could take several minutes.</source>
        <translation>Voulez-vous vraiment trier %1 éléments ?
La collecte des données et le tri peuvent prendre plusieurs minutes.</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Résultats de la recherche</translation>
    </message>
</context>
<context>
    <name>FilterBar</name>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>Executable</source>
        <translation>Exécutable</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Customize...</source>
        <translation>Personnaliser...</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>Catégories de fichiers</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Rechercher...</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Find the next occurrence (F3)</source>
        <translation>Rechercher l'occurrence suivante (F3)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Find the previous occurrence (Shift+F3)</source>
        <translation>Rechercher l'occurrence précédente (Maj+F3)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Fermer la barre de recherche (Échap)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>Texte à rechercher</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Respecter la casse</translation>
    </message>
</context>
<context>
    <name>InstantToolBar</name>
    <message>
        <source>Insert a keyword</source>
        <translation>Insérer un mot-clé</translation>
    </message>
    <message>
        <source>Edit the name list</source>
        <translation>Modifier la liste des noms</translation>
    </message>
    <message>
        <source>Instant Search</source>
        <translation>Recherche instantanée</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Expression type</source>
        <translation>Type d'expression</translation>
    </message>
</context>
<context>
    <name>LocationPane</name>
    <message>
        <source>Location of the matches in the file</source>
        <translation>Emplacement des correspondances dans le fichier</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>New search</source>
        <translation>Nouvelle recherche</translation>
    </message>
    <message>
        <source>Index: ready</source>
        <translation>Index : prêt</translation>
    </message>
    <message>
        <source>Index: updating...</source>
        <translation>Index : mise à jour...</translation>
    </message>
    <message>
        <source>Index: disabled</source>
        <translation>Index : désactivé</translation>
    </message>
    <message>
        <source>Talvenquist v%1</source>
        <translation>Talvenquist v%1</translation>
    </message>
    <message>
        <source>Search Parameters</source>
        <translation>Paramètres de recherche</translation>
    </message>
    <message>
        <source>Instant Search</source>
        <translation>Recherche instantanée</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>Exporter les résultats</translation>
    </message>
    <message>
        <source>Comma separated</source>
        <translation>Séparé par des virgules</translation>
    </message>
</context>
<context>
    <name>MainWindowActions</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d'outils</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>&amp;New Search</source>
        <translation>&amp;Nouvelle recherche</translation>
    </message>
    <message>
        <source>&amp;Close Tab</source>
        <translation>&amp;Fermer l'onglet</translation>
    </message>
    <message>
        <source>&amp;Next Tab</source>
        <translation>Onglet &amp;suivant</translation>
    </message>
    <message>
        <source>&amp;Previous Tab</source>
        <translation>Onglet &amp;précédent</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manuel</translation>
    </message>
    <message>
        <source>&amp;Export Results...</source>
        <translation>&amp;Exporter les résultats...</translation>
    </message>
    <message>
        <source>Duplicate search</source>
        <translation>Dupliquer la recherche</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Tout &amp;sélectionner</translation>
    </message>
    <message>
        <source>Copy &amp;Name</source>
        <translation>Copier le &amp;nom</translation>
    </message>
    <message>
        <source>Copy &amp;Full Name</source>
        <translation>Copier le nom &amp;complet</translation>
    </message>
    <message>
        <source>Copy &amp;Path</source>
        <translation>Copier le &amp;chemin</translation>
    </message>
    <message>
        <source>&amp;Case sensitive</source>
        <translation>Respecter la &amp;casse</translation>
    </message>
    <message>
        <source>&amp;Substring</source>
        <translation>&amp;Sous-chaîne</translation>
    </message>
    <message>
        <source>&amp;Whole word</source>
        <translation>&amp;Mot entier</translation>
    </message>
    <message>
        <source>&amp;Regex</source>
        <translation>Expression &amp;régulière</translation>
    </message>
    <message>
        <source>&amp;Boolean</source>
        <translation>Expression &amp;booléenne</translation>
    </message>
    <message>
        <source>&amp;Search Parameters</source>
        <translation>&amp;Paramètres de recherche</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d'outils</translation>
    </message>
    <message>
        <source>&amp;Instant Search</source>
        <translation>Recherche &amp;instantanée</translation>
    </message>
    <message>
        <source>&amp;Filter Bar</source>
        <translation>Barre de &amp;filtres</translation>
    </message>
</context>
<context>
    <name>MatchesTextView</name>
    <message>
        <source>Only the first %1 matches are shown.</source>
        <translation>Seules les %1 premières correspondances sont affichées.</translation>
    </message>
    <message>
        <source>Full line</source>
        <translation>Ligne entière</translation>
    </message>
    <message>
        <source>Matching lines</source>
        <translation>Lignes correspondantes</translation>
    </message>
</context>
<context>
    <name>PagesTabWidget</name>
    <message>
        <source>New tab</source>
        <translation>Nouvel onglet</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close other tabs</source>
        <translation>Fermer les autres onglets</translation>
    </message>
</context>
<context>
    <name>PreviewTabWidget</name>
    <message>
        <source>Matches</source>
        <translation>Correspondances</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
</context>
<context>
    <name>RichComboBox</name>
    <message>
        <source>And</source>
        <translation>Et</translation>
    </message>
    <message>
        <source>Or</source>
        <translation>Ou</translation>
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
        <translation>Paramètres de recherche</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Nom du fichier :</translation>
    </message>
    <message>
        <source>Expression type:</source>
        <translation>Type d'expression :</translation>
    </message>
    <message>
        <source>Scope:</source>
        <translation>Portée :</translation>
    </message>
    <message>
        <source>and</source>
        <translation>et</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Respecter la casse</translation>
    </message>
    <message>
        <source>In directory</source>
        <translation>Dans le dossier</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Inclure les sous-dossiers</translation>
    </message>
    <message>
        <source>In contents</source>
        <translation>Dans le contenu</translation>
    </message>
    <message>
        <source>Modified between</source>
        <translation>Modifié entre</translation>
    </message>
    <message>
        <source>Size range</source>
        <translation>Plage de taille</translation>
    </message>
    <message>
        <source>Show advanced options</source>
        <translation>Afficher les options avancées</translation>
    </message>
    <message>
        <source>Substring</source>
        <translation>Sous-chaîne</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>Mot entier</translation>
    </message>
    <message>
        <source>Regex</source>
        <translation>Expression régulière</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>Expression booléenne</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>B</source>
        <translation>o</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>File name expression type</source>
        <translation>Type d'expression du nom</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Contents text</source>
        <translation>Texte du contenu</translation>
    </message>
    <message>
        <source>Contents expression type</source>
        <translation>Type d'expression du contenu</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>Portée</translation>
    </message>
    <message>
        <source>Modified on or after</source>
        <translation>Modifié le ou après</translation>
    </message>
    <message>
        <source>Modified on or before</source>
        <translation>Modifié le ou avant</translation>
    </message>
    <message>
        <source>Minimum size</source>
        <translation>Taille minimale</translation>
    </message>
    <message>
        <source>Maximum size</source>
        <translation>Taille maximale</translation>
    </message>
    <message>
        <source>Size unit</source>
        <translation>Unité de taille</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Progression de la recherche</translation>
    </message>
    <message>
        <source>Edit the folder list</source>
        <translation>Modifier la liste des dossiers</translation>
    </message>
    <message>
        <source>Insert a keyword</source>
        <translation>Insérer un mot-clé</translation>
    </message>
    <message>
        <source>Edit the file name list</source>
        <translation>Modifier la liste des noms de fichiers</translation>
    </message>
    <message>
        <source>Edit the contents list</source>
        <translation>Modifier la liste du contenu</translation>
    </message>
</context>
<context>
    <name>SelectFileNamesDialog</name>
    <message>
        <source>Select contents text</source>
        <translation>Choisir le texte du contenu</translation>
    </message>
    <message>
        <source>Include text:</source>
        <translation>Texte inclus :</translation>
    </message>
    <message>
        <source>Exclude text:</source>
        <translation>Texte exclu :</translation>
    </message>
    <message>
        <source>Select file names</source>
        <translation>Choisir les noms de fichiers</translation>
    </message>
    <message>
        <source>Include file names:</source>
        <translation>Noms de fichiers inclus :</translation>
    </message>
    <message>
        <source>Exclude file names:</source>
        <translation>Noms de fichiers exclus :</translation>
    </message>
</context>
<context>
    <name>SelectPathsDialog</name>
    <message>
        <source>Select folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Select folders</source>
        <translation>Choisir les dossiers</translation>
    </message>
    <message>
        <source>Include folder list:</source>
        <translation>Dossiers inclus :</translation>
    </message>
    <message>
        <source>Exclude folder list:</source>
        <translation>Dossiers exclus :</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Add a folder to include</source>
        <translation>Ajouter un dossier à inclure</translation>
    </message>
    <message>
        <source>Add a folder to exclude</source>
        <translation>Ajouter un dossier à exclure</translation>
    </message>
</context>
<context>
    <name>TabPage</name>
    <message>
        <source>Found: %1 objects in %2s</source>
        <translation>Trouvé : %1 objets en %2 s</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Recherche...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Substring</source>
        <translation>Sous-chaîne</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>Mot entier</translation>
    </message>
    <message>
        <source>Regex</source>
        <translation>Expression régulière</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>Expression booléenne</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Respecter la casse</translation>
    </message>
</context>
</TS>
