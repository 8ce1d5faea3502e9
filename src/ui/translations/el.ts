<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Talvenquist</source>
        <translation>Σχετικά με το Talvenquist</translation>
    </message>
    <message>
        <source>Built with:</source>
        <translation>Κατασκευάστηκε με:</translation>
    </message>
    <message>
        <source>Finds files and folders by name and contents.</source>
        <translation>Βρίσκει αρχεία και φακέλους με βάση το όνομα και το περιεχόμενο.</translation>
    </message>
    <message>
        <source>Build time: %1</source>
        <translation>Χρόνος κατασκευής: %1</translation>
    </message>
</context>
<context>
    <name>BackgroundTray</name>
    <message>
        <source>%1 is still running.</source>
        <translation>Το %1 εξακολουθεί να εκτελείται.</translation>
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
        <translation>Επεξεργασία κατηγορίας αρχείων</translation>
    </message>
    <message>
        <source>File category name</source>
        <translation>Όνομα κατηγορίας αρχείων</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>Επεκτάσεις αρχείων</translation>
    </message>
    <message>
        <source>Extensions without dots, separated by ";"</source>
        <translation>Επεκτάσεις χωρίς τελεία, χωρισμένες με ";"</translation>
    </message>
    <message>
        <source>File attributes</source>
        <translation>Χαρακτηριστικά αρχείων</translation>
    </message>
    <message>
        <source>File or Directory</source>
        <translation>Αρχείο ή φάκελος</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Αρχείο</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Φάκελος</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Κρυφό</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Μόνο για ανάγνωση</translation>
    </message>
</context>
<context>
    <name>FileOperation</name>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
</context>
<context>
    <name>FilePreviewPage</name>
    <message>
        <source>Reading %1...</source>
        <translation>Ανάγνωση %1...</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened.</source>
        <translation>Δεν είναι δυνατό το άνοιγμα του αρχείου %1.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB: only its first %1 MiB are shown.</source>
        <translation>Το αρχείο είναι μεγαλύτερο από %1 MiB: εμφανίζονται μόνο τα πρώτα %1 MiB.</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>Αναδίπλωση λέξεων</translation>
    </message>
    <message>
        <source>File text</source>
        <translation>Κείμενο αρχείου</translation>
    </message>
    <message>
        <source>Lines longer than %1 characters are cut.</source>
        <translation>Οι γραμμές μεγαλύτερες από %1 χαρακτήρες περικόπτονται.</translation>
    </message>
</context>
<context>
    <name>FilePropertiesDialog</name>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n στοιχείο</numerusform>
            <numerusform>%n στοιχεία</numerusform>
        </translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Όνομα:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Φάκελος:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Μέγεθος:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Τύπος:</translation>
    </message>
    <message>
        <source>Created:</source>
        <translation>Δημιουργήθηκε:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Τροποποιήθηκε:</translation>
    </message>
    <message>
        <source>Accessed:</source>
        <translation>Τελευταία πρόσβαση:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Κάτοχος:</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>Δικαιώματα:</translation>
    </message>
    <message>
        <source>Properties of %1</source>
        <translation>Ιδιότητες του %1</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Ιδιότητες</translation>
    </message>
</context>
<context>
    <name>FileTable</name>
    <message>
        <source>Reading file data and sorting...</source>
        <translation>Ανάγνωση δεδομένων αρχείων και ταξινόμηση...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Ταξινόμηση</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>A name cannot contain "/" or be "." or "..".</source>
        <translation>Ένα όνομα δεν μπορεί να περιέχει "/" ή να είναι "." ή "..".</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Μετονομασία</translation>
    </message>
    <message>
        <source>Cannot rename "%1" to "%2":
%3</source>
        <translation>Αδύνατη η μετονομασία του "%1" σε "%2":
%3</translation>
    </message>
</context>
<context>
    <name>FileTableColumns</name>
    <message>
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Διαδρομή</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Μέγεθος</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Δημιουργήθηκε</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Τροποποιήθηκε</translation>
    </message>
    <message>
        <source>Last Accessed</source>
        <translation>Τελευταία πρόσβαση</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Τύπος</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Αντιστοιχίες</translation>
    </message>
</context>
<context>
    <name>FileTableView</name>
    <message>
        <source>Do you really want to sort %1 items?
Gathering data and sorting could take several minutes.</source>
        <translation>Θέλετε πράγματι να ταξινομήσετε %1 στοιχεία;
Η συλλογή δεδομένων και η ταξινόμηση μπορεί να διαρκέσουν αρκετά λεπτά.</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Αποτελέσματα αναζήτησης</translation>
    </message>
</context>
<context>
    <name>FilterBar</name>
    <message>
        <source>All</source>
        <translation>Όλα</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Φάκελος</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Έγγραφο</translation>
    </message>
    <message>
        <source>Executable</source>
        <translation>Εκτελέσιμο</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Εικόνα</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Μουσική</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Βίντεο</translation>
    </message>
    <message>
        <source>Customize...</source>
        <translation>Προσαρμογή...</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>Κατηγορίες αρχείων</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Not found</source>
        <translation>Δεν βρέθηκε</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Εύρεση...</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Επόμενο</translation>
    </message>
    <message>
        <source>Find the next occurrence (F3)</source>
        <translation>Εύρεση επόμενης εμφάνισης (F3)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Προηγούμενο</translation>
    </message>
    <message>
        <source>Find the previous occurrence (Shift+F3)</source>
        <translation>Εύρεση προηγούμενης εμφάνισης (Shift+F3)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Κλείσιμο της γραμμής εύρεσης (Esc)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Εύρεση</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>Κείμενο προς εύρεση</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Ταίριασμα πεζών-κεφαλαίων</translation>
    </message>
</context>
<context>
    <name>InstantToolBar</name>
    <message>
        <source>Insert a keyword</source>
        <translation>Εισαγωγή λέξης-κλειδιού</translation>
    </message>
    <message>
        <source>Edit the name list</source>
        <translation>Επεξεργασία λίστας ονομάτων</translation>
    </message>
    <message>
        <source>Instant Search</source>
        <translation>Άμεση αναζήτηση</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Όνομα αρχείου</translation>
    </message>
    <message>
        <source>Expression type</source>
        <translation>Τύπος έκφρασης</translation>
    </message>
</context>
<context>
    <name>LocationPane</name>
    <message>
        <source>Location of the matches in the file</source>
        <translation>Θέση των αντιστοιχιών στο αρχείο</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>New search</source>
        <translation>Νέα αναζήτηση</translation>
    </message>
    <message>
        <source>Index: ready</source>
        <translation>Ευρετήριο: έτοιμο</translation>
    </message>
    <message>
        <source>Index: updating...</source>
        <translation>Ευρετήριο: ενημέρωση...</translation>
    </message>
    <message>
        <source>Index: disabled</source>
        <translation>Ευρετήριο: ανενεργό</translation>
    </message>
    <message>
        <source>Talvenquist v%1</source>
        <translation>Talvenquist v%1</translation>
    </message>
    <message>
        <source>Search Parameters</source>
        <translation>Παράμετροι αναζήτησης</translation>
    </message>
    <message>
        <source>Instant Search</source>
        <translation>Άμεση αναζήτηση</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>Εξαγωγή αποτελεσμάτων</translation>
    </message>
    <message>
        <source>Comma separated</source>
        <translation>Διαχωρισμένα με κόμμα</translation>
    </message>
    <message>
        <source>The results were exported to %1.</source>
        <translation>Τα αποτελέσματα εξήχθησαν στο %1.</translation>
    </message>
    <message>
        <source>The results could not be exported to %1.</source>
        <translation>Δεν ήταν δυνατή η εξαγωγή των αποτελεσμάτων στο %1.</translation>
    </message>
    <message>
        <source>Index: service not running</source>
        <translation>Ευρετήριο: η υπηρεσία δεν εκτελείται</translation>
    </message>
    <message>
        <source>The index service is not running: searches walk folders. Turn it on in Options, Indexing.</source>
        <translation>Η υπηρεσία ευρετηρίου δεν εκτελείται: οι αναζητήσεις διατρέχουν τους φακέλους. Ενεργοποιήστε την στις Επιλογές, Ευρετηρίαση.</translation>
    </message>
    <message>
        <source>The index service took the change.</source>
        <translation>Η υπηρεσία ευρετηρίου δέχτηκε την αλλαγή.</translation>
    </message>
    <message>
        <source>The index service is not running: this window keeps an index of its own. Turn the service on in Options, Indexing.</source>
        <translation>Η υπηρεσία ευρετηρίου δεν εκτελείται: αυτό το παράθυρο διατηρεί δικό του ευρετήριο. Ενεργοποιήστε την υπηρεσία στις Επιλογές, Ευρετηρίαση.</translation>
    </message>
</context>
<context>
    <name>MainWindowActions</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Αρχείο</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Επεξεργασία</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Εργαλεία</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Γλώσσα</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Βοήθεια</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Π&amp;ροβολή</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Γραμμή εργαλείων</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Επιλογές...</translation>
    </message>
    <message>
        <source>&amp;New Search</source>
        <translation>&amp;Νέα αναζήτηση</translation>
    </message>
    <message>
        <source>&amp;Close Tab</source>
        <translation>&amp;Κλείσιμο καρτέλας</translation>
    </message>
    <message>
        <source>&amp;Next Tab</source>
        <translation>&amp;Επόμενη καρτέλα</translation>
    </message>
    <message>
        <source>&amp;Previous Tab</source>
        <translation>&amp;Προηγούμενη καρτέλα</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Σχετικά</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Εγχειρίδιο</translation>
    </message>
    <message>
        <source>&amp;Export Results...</source>
        <translation>&amp;Εξαγωγή αποτελεσμάτων...</translation>
    </message>
    <message>
        <source>Duplicate search</source>
        <translation>Αντιγραφή αναζήτησης</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Επαναφορά</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Ελαχιστοποίηση</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Απο&amp;κοπή</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Αντι&amp;γραφή</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Διαγραφή</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Επι&amp;λογή όλων</translation>
    </message>
    <message>
        <source>Copy &amp;Name</source>
        <translation>Αντιγραφή &amp;ονόματος</translation>
    </message>
    <message>
        <source>Copy &amp;Full Name</source>
        <translation>Αντιγραφή &amp;πλήρους ονόματος</translation>
    </message>
    <message>
        <source>Copy &amp;Path</source>
        <translation>Αντιγραφή &amp;διαδρομής</translation>
    </message>
    <message>
        <source>&amp;Case sensitive</source>
        <translation>&amp;Διάκριση πεζών-κεφαλαίων</translation>
    </message>
    <message>
        <source>&amp;Substring</source>
        <translation>&amp;Υποσυμβολοσειρά</translation>
    </message>
    <message>
        <source>&amp;Whole word</source>
        <translation>&amp;Ολόκληρη λέξη</translation>
    </message>
    <message>
        <source>&amp;Regex</source>
        <translation>&amp;Κανονική έκφραση</translation>
    </message>
    <message>
        <source>&amp;Boolean</source>
        <translation>&amp;Λογική έκφραση</translation>
    </message>
    <message>
        <source>&amp;Search Parameters</source>
        <translation>&amp;Παράμετροι αναζήτησης</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Γραμμή ερ&amp;γαλείων</translation>
    </message>
    <message>
        <source>&amp;Instant Search</source>
        <translation>Ά&amp;μεση αναζήτηση</translation>
    </message>
    <message>
        <source>&amp;Filter Bar</source>
        <translation>Γραμμή &amp;φίλτρων</translation>
    </message>
    <message>
        <source>Move to T&amp;rash</source>
        <translation>Μεταφορά στον &amp;κάδο</translation>
    </message>
</context>
<context>
    <name>MatchesTextView</name>
    <message>
        <source>Only the first %1 matches are shown.</source>
        <translation>Εμφανίζονται μόνο οι πρώτες %1 αντιστοιχίες.</translation>
    </message>
    <message>
        <source>Full line</source>
        <translation>Ολόκληρη γραμμή</translation>
    </message>
    <message>
        <source>Matching lines</source>
        <translation>Γραμμές που ταιριάζουν</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Do you really want to clear search history?</source>
        <translation>Θέλετε σίγουρα να διαγράψετε το ιστορικό αναζήτησης;</translation>
    </message>
    <message>
        <source>File database path:</source>
        <translation>Διαδρομή βάσης δεδομένων αρχείων:</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Επιλογές</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Σελίδες</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Γενικά</translation>
    </message>
    <message>
        <source>Indexing</source>
        <translation>Ευρετηρίαση</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Αναζήτηση</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>Κατηγορίες αρχείων</translation>
    </message>
    <message>
        <source>File handlers</source>
        <translation>Χειριστές αρχείων</translation>
    </message>
    <message>
        <source>Indexing is unavailable when %1 is running without administrator permissions.</source>
        <translation>Η ευρετηρίαση δεν είναι διαθέσιμη όταν το %1 εκτελείται χωρίς δικαιώματα διαχειριστή.</translation>
    </message>
</context>
<context>
    <name>OptionsGeneral</name>
    <message>
        <source>Launch at system startup</source>
        <translation>Εκκίνηση μαζί με το σύστημα</translation>
    </message>
    <message>
        <source>Run in background</source>
        <translation>Εκτέλεση στο παρασκήνιο</translation>
    </message>
    <message>
        <source>Integrate in a folder's context menu</source>
        <translation>Ενσωμάτωση στο μενού περιβάλλοντος των φακέλων</translation>
    </message>
    <message>
        <source>Start without asking for the administrator password</source>
        <translation>Εκκίνηση χωρίς ερώτηση για τον κωδικό διαχειριστή</translation>
    </message>
    <message>
        <source>Save searches in all tabs on exit</source>
        <translation>Αποθήκευση των αναζητήσεων όλων των καρτελών κατά την έξοδο</translation>
    </message>
    <message>
        <source>Clear search history</source>
        <translation>Διαγραφή ιστορικού αναζήτησης</translation>
    </message>
</context>
<context>
    <name>OptionsIndexing</name>
    <message>
        <source>File database path:</source>
        <translation>Διαδρομή βάσης δεδομένων αρχείων:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Περιήγηση...</translation>
    </message>
    <message>
        <source>Rebuild</source>
        <translation>Αναδόμηση</translation>
    </message>
    <message>
        <source>Automatically index new fixed drives</source>
        <translation>Αυτόματη ευρετηρίαση νέων σταθερών μονάδων δίσκου</translation>
    </message>
    <message>
        <source>Automatically index new removable drives</source>
        <translation>Αυτόματη ευρετηρίαση νέων αφαιρούμενων μονάδων δίσκου</translation>
    </message>
    <message>
        <source>Index the following volumes:</source>
        <translation>Ευρετηρίαση των εξής τόμων:</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>Σημείο προσάρτησης</translation>
    </message>
    <message>
        <source>Objects count</source>
        <translation>Πλήθος αντικειμένων</translation>
    </message>
    <message>
        <source>Exclude paths:</source>
        <translation>Εξαίρεση διαδρομών:</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Διαδρομή</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Προσθήκη</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Αφαίρεση</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>Σύστημα αρχείων</translation>
    </message>
    <message>
        <source>Keep an index of all volumes for all users (system service)</source>
        <translation>Διατήρηση ευρετηρίου όλων των τόμων για όλους τους χρήστες (υπηρεσία συστήματος)</translation>
    </message>
</context>
<context>
    <name>OptionsPageCategories</name>
    <message>
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <source>Extensions</source>
        <translation>Επεκτάσεις</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Χαρακτηριστικά</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>Κατηγορίες αρχείων</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Προσθήκη</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Επεξεργασία</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Αφαίρεση</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Πάνω</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Κάτω</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Επαναφορά</translation>
    </message>
</context>
<context>
    <name>OptionsPageFilters</name>
    <message>
        <source>This filter is disabled</source>
        <translation>Αυτό το φίλτρο είναι απενεργοποιημένο</translation>
    </message>
    <message>
        <source>Disable filter</source>
        <translation>Απενεργοποίηση φίλτρου</translation>
    </message>
    <message>
        <source>Enable filters</source>
        <translation>Ενεργοποίηση φίλτρων</translation>
    </message>
    <message>
        <source>Document filters available on this computer.</source>
        <translation>Φίλτρα εγγράφων διαθέσιμα σε αυτόν τον υπολογιστή.</translation>
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
        <translation>Επέκταση</translation>
    </message>
    <message>
        <source>Handler name</source>
        <translation>Όνομα χειριστή</translation>
    </message>
</context>
<context>
    <name>OptionsSearch</name>
    <message>
        <source>Content search</source>
        <translation>Αναζήτηση περιεχομένου</translation>
    </message>
    <message>
        <source>Auto-detect encoding of files without BOM</source>
        <translation>Αυτόματος εντοπισμός κωδικοποίησης αρχείων χωρίς BOM</translation>
    </message>
    <message>
        <source>Auto-detect and skip binary files from content searches</source>
        <translation>Αυτόματος εντοπισμός και παράλειψη δυαδικών αρχείων στις αναζητήσεις περιεχομένου</translation>
    </message>
    <message>
        <source>Use built-in PDF converter</source>
        <translation>Χρήση του ενσωματωμένου μετατροπέα PDF</translation>
    </message>
    <message>
        <source>Search as you type</source>
        <translation>Αναζήτηση κατά την πληκτρολόγηση</translation>
    </message>
</context>
<context>
    <name>PagesTabWidget</name>
    <message>
        <source>New tab</source>
        <translation>Νέα καρτέλα</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Αντιγραφή</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Close other tabs</source>
        <translation>Κλείσιμο των άλλων καρτελών</translation>
    </message>
</context>
<context>
    <name>PreviewTabWidget</name>
    <message>
        <source>Matches</source>
        <translation>Αντιστοιχίες</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Αρχείο</translation>
    </message>
</context>
<context>
    <name>RichComboBox</name>
    <message>
        <source>And</source>
        <translation>Και</translation>
    </message>
    <message>
        <source>Or</source>
        <translation>Ή</translation>
    </message>
    <message>
        <source>Not</source>
        <translation>Όχι</translation>
    </message>
</context>
<context>
    <name>SearchWindow</name>
    <message>
        <source>Search Parameters</source>
        <translation>Παράμετροι αναζήτησης</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Όνομα αρχείου:</translation>
    </message>
    <message>
        <source>Expression type:</source>
        <translation>Τύπος έκφρασης:</translation>
    </message>
    <message>
        <source>Scope:</source>
        <translation>Εμβέλεια:</translation>
    </message>
    <message>
        <source>and</source>
        <translation>και</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Διάκριση πεζών-κεφαλαίων</translation>
    </message>
    <message>
        <source>In directory</source>
        <translation>Στον φάκελο</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Συμπερίληψη υποφακέλων</translation>
    </message>
    <message>
        <source>In contents</source>
        <translation>Στο περιεχόμενο</translation>
    </message>
    <message>
        <source>Modified between</source>
        <translation>Τροποποιήθηκε μεταξύ</translation>
    </message>
    <message>
        <source>Size range</source>
        <translation>Εύρος μεγέθους</translation>
    </message>
    <message>
        <source>Show advanced options</source>
        <translation>Εμφάνιση προχωρημένων επιλογών</translation>
    </message>
    <message>
        <source>Substring</source>
        <translation>Υποσυμβολοσειρά</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>Ολόκληρη λέξη</translation>
    </message>
    <message>
        <source>Regex</source>
        <translation>Κανονική έκφραση</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>Λογική έκφραση</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Αρχείο</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Γραμμή</translation>
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
        <translation>Αναζήτηση</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Όνομα αρχείου</translation>
    </message>
    <message>
        <source>File name expression type</source>
        <translation>Τύπος έκφρασης ονόματος αρχείου</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Φάκελοι</translation>
    </message>
    <message>
        <source>Contents text</source>
        <translation>Κείμενο περιεχομένου</translation>
    </message>
    <message>
        <source>Contents expression type</source>
        <translation>Τύπος έκφρασης περιεχομένου</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>Εμβέλεια</translation>
    </message>
    <message>
        <source>Modified on or after</source>
        <translation>Τροποποιήθηκε από</translation>
    </message>
    <message>
        <source>Modified on or before</source>
        <translation>Τροποποιήθηκε έως</translation>
    </message>
    <message>
        <source>Minimum size</source>
        <translation>Ελάχιστο μέγεθος</translation>
    </message>
    <message>
        <source>Maximum size</source>
        <translation>Μέγιστο μέγεθος</translation>
    </message>
    <message>
        <source>Size unit</source>
        <translation>Μονάδα μεγέθους</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Πρόοδος αναζήτησης</translation>
    </message>
    <message>
        <source>Edit the folder list</source>
        <translation>Επεξεργασία λίστας φακέλων</translation>
    </message>
    <message>
        <source>Insert a keyword</source>
        <translation>Εισαγωγή λέξης-κλειδιού</translation>
    </message>
    <message>
        <source>Edit the file name list</source>
        <translation>Επεξεργασία λίστας ονομάτων αρχείων</translation>
    </message>
    <message>
        <source>Edit the contents list</source>
        <translation>Επεξεργασία λίστας περιεχομένου</translation>
    </message>
</context>
<context>
    <name>SelectFileNamesDialog</name>
    <message>
        <source>Select contents text</source>
        <translation>Επιλογή κειμένου περιεχομένου</translation>
    </message>
    <message>
        <source>Include text:</source>
        <translation>Συμπερίληψη κειμένου:</translation>
    </message>
    <message>
        <source>Exclude text:</source>
        <translation>Εξαίρεση κειμένου:</translation>
    </message>
    <message>
        <source>Select file names</source>
        <translation>Επιλογή ονομάτων αρχείων</translation>
    </message>
    <message>
        <source>Include file names:</source>
        <translation>Συμπερίληψη ονομάτων αρχείων:</translation>
    </message>
    <message>
        <source>Exclude file names:</source>
        <translation>Εξαίρεση ονομάτων αρχείων:</translation>
    </message>
</context>
<context>
    <name>SelectPathsDialog</name>
    <message>
        <source>Select folder</source>
        <translation>Επιλογή φακέλου</translation>
    </message>
    <message>
        <source>Select folders</source>
        <translation>Επιλογή φακέλων</translation>
    </message>
    <message>
        <source>Include folder list:</source>
        <translation>Φάκελοι προς συμπερίληψη:</translation>
    </message>
    <message>
        <source>Exclude folder list:</source>
        <translation>Φάκελοι προς εξαίρεση:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Αναζήτηση...</translation>
    </message>
    <message>
        <source>Add a folder to include</source>
        <translation>Προσθήκη φακέλου προς συμπερίληψη</translation>
    </message>
    <message>
        <source>Add a folder to exclude</source>
        <translation>Προσθήκη φακέλου προς εξαίρεση</translation>
    </message>
</context>
<context>
    <name>ShellContextMenu</name>
    <message>
        <source>Open file location</source>
        <translation>Άνοιγμα θέσης αρχείου</translation>
    </message>
    <message>
        <source>Copy full name</source>
        <translation>Αντιγραφή πλήρους ονόματος</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ά&amp;νοιγμα</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Α&amp;ποκοπή</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Αντι&amp;γραφή</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Μετονομασία...</translation>
    </message>
    <message>
        <source>Move to T&amp;rash</source>
        <translation>Μεταφορά στον &amp;κάδο</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Διαγραφή</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Ιδιότητες</translation>
    </message>
    <message>
        <source>Open &amp;With</source>
        <translation>Άνοιγμα μ&amp;ε</translation>
    </message>
</context>
<context>
    <name>ShellUtils</name>
    <message numerus="yes">
        <source>Do you really want to delete %n item(s) permanently? This cannot be undone.</source>
        <translation>
            <numerusform>Θέλετε σίγουρα να διαγράψετε οριστικά %n στοιχείο; Αυτή η ενέργεια δεν μπορεί να αναιρεθεί.</numerusform>
            <numerusform>Θέλετε σίγουρα να διαγράψετε οριστικά %n στοιχεία; Αυτή η ενέργεια δεν μπορεί να αναιρεθεί.</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>Διαγραφή...</translation>
    </message>
    <message>
        <source>These items could not be deleted:</source>
        <translation>Δεν ήταν δυνατή η διαγραφή αυτών των στοιχείων:</translation>
    </message>
    <message>
        <source>Moving to the trash...</source>
        <translation>Μεταφορά στον κάδο...</translation>
    </message>
    <message>
        <source>The desktop session could not be reached.</source>
        <translation>Δεν ήταν δυνατή η επικοινωνία με την περίοδο λειτουργίας της επιφάνειας εργασίας.</translation>
    </message>
    <message>
        <source>It is still there.</source>
        <translation>Εξακολουθεί να υπάρχει.</translation>
    </message>
    <message>
        <source>These items could not be moved to the trash:</source>
        <translation>Δεν ήταν δυνατή η μεταφορά αυτών των στοιχείων στον κάδο:</translation>
    </message>
</context>
<context>
    <name>TabPage</name>
    <message>
        <source>Found: %1 objects in %2s</source>
        <translation>Βρέθηκαν: %1 αντικείμενα σε %2 δ</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Αναζήτηση...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Ολοκληρώθηκε</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Αναζήτηση</translation>
    </message>
    <message>
        <source>Substring</source>
        <translation>Υποσυμβολοσειρά</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>Ολόκληρη λέξη</translation>
    </message>
    <message>
        <source>Regex</source>
        <translation>Κανονική έκφραση</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>Λογική έκφραση</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Διάκριση πεζών-κεφαλαίων</translation>
    </message>
    <message>
        <source>(incomplete: the search could not look everywhere)</source>
        <translation>(ελλιπές: η αναζήτηση δεν μπόρεσε να ψάξει παντού)</translation>
    </message>
</context>
<context>
    <name>TaskScheduler</name>
    <message>
        <source>Search with %1...</source>
        <translation>Αναζήτηση με το %1...</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>There is no trash for it on its file system.</source>
        <translation>Δεν υπάρχει κάδος για αυτό στο σύστημα αρχείων του.</translation>
    </message>
    <message>
        <source>Its owner (user %1) has no home folder to keep a trash in.</source>
        <translation>Ο κάτοχός του (χρήστης %1) δεν έχει προσωπικό φάκελο για κάδο.</translation>
    </message>
    <message>
        <source>Only an administrator may use another user's trash.</source>
        <translation>Μόνο ένας διαχειριστής μπορεί να χρησιμοποιήσει τον κάδο άλλου χρήστη.</translation>
    </message>
</context>
<context>
    <name>IndexServiceAdmin</name>
    <message>
        <source>This computer does not run systemd, so the index service cannot be turned on here.</source>
        <translation>Αυτός ο υπολογιστής δεν εκτελεί systemd, οπότε η υπηρεσία ευρετηρίου δεν μπορεί να ενεργοποιηθεί εδώ.</translation>
    </message>
    <message>
        <source>pkexec could not be started.</source>
        <translation>Δεν ήταν δυνατή η εκκίνηση του pkexec.</translation>
    </message>
    <message>
        <source>The task run with administrator rights ended unexpectedly.</source>
        <translation>Η εργασία που εκτελέστηκε με δικαιώματα διαχειριστή τερματίστηκε απροσδόκητα.</translation>
    </message>
    <message>
        <source>The administrator password was not given.</source>
        <translation>Δεν δόθηκε ο κωδικός πρόσβασης του διαχειριστή.</translation>
    </message>
    <message>
        <source>The index service refused the change; the log says why.</source>
        <translation>Η υπηρεσία ευρετηρίου απέρριψε την αλλαγή· το αρχείο καταγραφής αναφέρει τον λόγο.</translation>
    </message>
</context>
</TS>
