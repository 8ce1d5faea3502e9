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
</context>
</TS>
