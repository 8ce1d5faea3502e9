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
</context>
</TS>
