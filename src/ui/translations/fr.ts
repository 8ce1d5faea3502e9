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
    <name>FileOperation</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
    <name>FilePropertiesDialog</name>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n élément</numerusform>
            <numerusform>%n éléments</numerusform>
        </translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Dossier :</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Created:</source>
        <translation>Créé :</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Modifié :</translation>
    </message>
    <message>
        <source>Accessed:</source>
        <translation>Dernier accès :</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Propriétaire :</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>Autorisations :</translation>
    </message>
    <message>
        <source>Properties of %1</source>
        <translation>Propriétés de %1</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
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
    <message>
        <source>The results were exported to %1.</source>
        <translation>Les résultats ont été exportés vers %1.</translation>
    </message>
    <message>
        <source>The results could not be exported to %1.</source>
        <translation>Impossible d'exporter les résultats vers %1.</translation>
    </message>
    <message>
        <source>Index: service not running</source>
        <translation>Index : service arrêté</translation>
    </message>
    <message>
        <source>The index service is not running: searches walk folders. Turn it on in Options, Indexing.</source>
        <translation>Le service d'index est arrêté : les recherches parcourent les dossiers. Activez-le dans Options, Indexation.</translation>
    </message>
    <message>
        <source>The index service took the change.</source>
        <translation>Le service d'index a pris en compte la modification.</translation>
    </message>
    <message>
        <source>The index service is not running: this window keeps an index of its own. Turn the service on in Options, Indexing.</source>
        <translation>Le service d'index est arrêté : cette fenêtre tient son propre index. Activez le service dans Options, Indexation.</translation>
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
    <message>
        <source>Move to T&amp;rash</source>
        <translation>&amp;Mettre à la corbeille</translation>
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
    <name>OptionsDialog</name>
    <message>
        <source>Do you really want to clear search history?</source>
        <translation>Voulez-vous vraiment effacer l'historique des recherches ?</translation>
    </message>
    <message>
        <source>File database path:</source>
        <translation>Chemin de la base de données des fichiers :</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Indexing</source>
        <translation>Indexation</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>Catégories de fichiers</translation>
    </message>
    <message>
        <source>File handlers</source>
        <translation>Gestionnaires de fichiers</translation>
    </message>
    <message>
        <source>Indexing is unavailable when %1 is running without administrator permissions.</source>
        <translation>L'indexation n'est pas disponible lorsque %1 s'exécute sans droits d'administrateur.</translation>
    </message>
</context>
<context>
    <name>OptionsGeneral</name>
    <message>
        <source>Launch at system startup</source>
        <translation>Lancer au démarrage du système</translation>
    </message>
    <message>
        <source>Run in background</source>
        <translation>Exécuter en arrière-plan</translation>
    </message>
    <message>
        <source>Integrate in a folder's context menu</source>
        <translation>Intégrer au menu contextuel des dossiers</translation>
    </message>
    <message>
        <source>Start without asking for the administrator password</source>
        <translation>Démarrer sans demander le mot de passe administrateur</translation>
    </message>
    <message>
        <source>Save searches in all tabs on exit</source>
        <translation>Enregistrer les recherches de tous les onglets à la fermeture</translation>
    </message>
    <message>
        <source>Clear search history</source>
        <translation>Effacer l'historique des recherches</translation>
    </message>
</context>
<context>
    <name>OptionsIndexing</name>
    <message>
        <source>File database path:</source>
        <translation>Chemin de la base de données des fichiers :</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Rebuild</source>
        <translation>Reconstruire</translation>
    </message>
    <message>
        <source>Automatically index new fixed drives</source>
        <translation>Indexer automatiquement les nouveaux disques fixes</translation>
    </message>
    <message>
        <source>Automatically index new removable drives</source>
        <translation>Indexer automatiquement les nouveaux disques amovibles</translation>
    </message>
    <message>
        <source>Index the following volumes:</source>
        <translation>Indexer les volumes suivants :</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>Point de montage</translation>
    </message>
    <message>
        <source>Objects count</source>
        <translation>Nombre d'objets</translation>
    </message>
    <message>
        <source>Exclude paths:</source>
        <translation>Chemins exclus :</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>Système de fichiers</translation>
    </message>
    <message>
        <source>Keep an index of all volumes for all users (system service)</source>
        <translation>Tenir un index de tous les volumes pour tous les utilisateurs (service système)</translation>
    </message>
</context>
<context>
    <name>OptionsPageCategories</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Extensions</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Attributs</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>Catégories de fichiers</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
</context>
<context>
    <name>OptionsPageFilters</name>
    <message>
        <source>This filter is disabled</source>
        <translation>Ce filtre est désactivé</translation>
    </message>
    <message>
        <source>Disable filter</source>
        <translation>Désactiver le filtre</translation>
    </message>
    <message>
        <source>Enable filters</source>
        <translation>Activer les filtres</translation>
    </message>
    <message>
        <source>Document filters available on this computer.</source>
        <translation>Filtres de documents disponibles sur cet ordinateur.</translation>
    </message>
    <message>
        <source>32-bit</source>
        <translation>32 bits</translation>
    </message>
    <message>
        <source>64-bit</source>
        <translation>64 bits</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Extension</translation>
    </message>
    <message>
        <source>Handler name</source>
        <translation>Nom du gestionnaire</translation>
    </message>
</context>
<context>
    <name>OptionsSearch</name>
    <message>
        <source>Content search</source>
        <translation>Recherche dans le contenu</translation>
    </message>
    <message>
        <source>Auto-detect encoding of files without BOM</source>
        <translation>Détecter automatiquement l'encodage des fichiers sans BOM</translation>
    </message>
    <message>
        <source>Auto-detect and skip binary files from content searches</source>
        <translation>Détecter et ignorer automatiquement les fichiers binaires lors des recherches dans le contenu</translation>
    </message>
    <message>
        <source>Use built-in PDF converter</source>
        <translation>Utiliser le convertisseur PDF intégré</translation>
    </message>
    <message>
        <source>Search as you type</source>
        <translation>Rechercher pendant la saisie</translation>
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
    <name>ShellContextMenu</name>
    <message>
        <source>Open file location</source>
        <translation>Ouvrir l'emplacement du fichier</translation>
    </message>
    <message>
        <source>Copy full name</source>
        <translation>Copier le nom complet</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
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
        <source>&amp;Rename...</source>
        <translation>&amp;Renommer...</translation>
    </message>
    <message>
        <source>Move to T&amp;rash</source>
        <translation>&amp;Mettre à la corbeille</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propriétés</translation>
    </message>
    <message>
        <source>Open &amp;With</source>
        <translation>Ouvrir &amp;avec</translation>
    </message>
</context>
<context>
    <name>ShellUtils</name>
    <message numerus="yes">
        <source>Do you really want to delete %n item(s) permanently? This cannot be undone.</source>
        <translation>
            <numerusform>Voulez-vous vraiment supprimer définitivement %n élément ? Cette action est irréversible.</numerusform>
            <numerusform>Voulez-vous vraiment supprimer définitivement %n éléments ? Cette action est irréversible.</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>Suppression...</translation>
    </message>
    <message>
        <source>These items could not be deleted:</source>
        <translation>Ces éléments n'ont pas pu être supprimés :</translation>
    </message>
    <message>
        <source>Moving to the trash...</source>
        <translation>Déplacement vers la corbeille...</translation>
    </message>
    <message>
        <source>The desktop session could not be reached.</source>
        <translation>La session du bureau n'a pas pu être jointe.</translation>
    </message>
    <message>
        <source>It is still there.</source>
        <translation>Il est toujours présent.</translation>
    </message>
    <message>
        <source>These items could not be moved to the trash:</source>
        <translation>Ces éléments n'ont pas pu être déplacés vers la corbeille :</translation>
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
    <message>
        <source>(incomplete: the search could not look everywhere)</source>
        <translation>(incomplet : la recherche n'a pas pu regarder partout)</translation>
    </message>
</context>
<context>
    <name>TaskScheduler</name>
    <message>
        <source>Search with %1...</source>
        <translation>Rechercher avec %1...</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>There is no trash for it on its file system.</source>
        <translation>Son système de fichiers n'a pas de corbeille pour lui.</translation>
    </message>
    <message>
        <source>Its owner (user %1) has no home folder to keep a trash in.</source>
        <translation>Son propriétaire (utilisateur %1) n'a pas de dossier personnel pour une corbeille.</translation>
    </message>
    <message>
        <source>Only an administrator may use another user's trash.</source>
        <translation>Seul un administrateur peut utiliser la corbeille d'un autre utilisateur.</translation>
    </message>
</context>
<context>
    <name>IndexServiceAdmin</name>
    <message>
        <source>This computer does not run systemd, so the index service cannot be turned on here.</source>
        <translation>Cet ordinateur n'utilise pas systemd : le service d'index ne peut pas être activé ici.</translation>
    </message>
    <message>
        <source>pkexec could not be started.</source>
        <translation>pkexec n'a pas pu être lancé.</translation>
    </message>
    <message>
        <source>The task run with administrator rights ended unexpectedly.</source>
        <translation>La tâche lancée avec les droits d'administrateur s'est terminée de façon inattendue.</translation>
    </message>
    <message>
        <source>The administrator password was not given.</source>
        <translation>Le mot de passe administrateur n'a pas été fourni.</translation>
    </message>
    <message>
        <source>The index service refused the change; the log says why.</source>
        <translation>Le service d'index a refusé la modification ; le journal en donne la raison.</translation>
    </message>
</context>
</TS>
