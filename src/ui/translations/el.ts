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
</context>
</TS>
