<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Talvenquist</source>
        <translation>About Talvenquist</translation>
    </message>
    <message>
        <source>Built with:</source>
        <translation>Built with:</translation>
    </message>
    <message>
        <source>Finds files and folders by name and contents.</source>
        <translation>Finds files and folders by name and contents.</translation>
    </message>
    <message>
        <source>Build time: %1</source>
        <translation>Build time: %1</translation>
    </message>
</context>
<context>
    <name>BackgroundTray</name>
    <message>
        <source>%1 is still running.</source>
        <translation>%1 is still running.</translation>
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
        <translation>Edit file category</translation>
    </message>
    <message>
        <source>File category name</source>
        <translation>File category name</translation>
    </message>
    <message>
        <source>File extensions</source>
        <translation>File extensions</translation>
    </message>
    <message>
        <source>Extensions without dots, separated by ";"</source>
        <translation>Extensions without dots, separated by ";"</translation>
    </message>
    <message>
        <source>File attributes</source>
        <translation>File attributes</translation>
    </message>
    <message>
        <source>File or Directory</source>
        <translation>File or Directory</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Directory</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Hidden</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Read-only</translation>
    </message>
</context>
<context>
    <name>FileOperation</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>FilePreviewPage</name>
    <message>
        <source>Reading %1...</source>
        <translation>Reading %1...</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened.</source>
        <translation>The file %1 cannot be opened.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB: only its first %1 MiB are shown.</source>
        <translation>The file is larger than %1 MiB: only its first %1 MiB are shown.</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>Word Wrap</translation>
    </message>
    <message>
        <source>File text</source>
        <translation>File text</translation>
    </message>
    <message>
        <source>Lines longer than %1 characters are cut.</source>
        <translation>Lines longer than %1 characters are cut.</translation>
    </message>
</context>
<context>
    <name>FilePropertiesDialog</name>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Created:</source>
        <translation>Created:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Modified:</translation>
    </message>
    <message>
        <source>Accessed:</source>
        <translation>Accessed:</translation>
    </message>
    <message>
        <source>Owner:</source>
        <translation>Owner:</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>Permissions:</translation>
    </message>
    <message>
        <source>Properties of %1</source>
        <translation>Properties of %1</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Properties</translation>
    </message>
</context>
<context>
    <name>FileTable</name>
    <message>
        <source>Reading file data and sorting...</source>
        <translation>Reading file data and sorting...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Sorting</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>A name cannot contain "/" or be "." or "..".</source>
        <translation>A name cannot contain "/" or be "." or "..".</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Cannot rename "%1" to "%2":
%3</source>
        <translation>Cannot rename "%1" to "%2":
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
        <translation>Path</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Created</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>Last Accessed</source>
        <translation>Last Accessed</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Matches</translation>
    </message>
</context>
<context>
    <name>FileTableView</name>
    <message>
        <source>Do you really want to sort %1 items?
Gathering data and sorting could take several minutes.</source>
        <translation>Do you really want to sort %1 items?
Gathering data and sorting could take several minutes.</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Search results</translation>
    </message>
</context>
<context>
    <name>FilterBar</name>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Directory</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>Executable</source>
        <translation>Executable</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Customize...</source>
        <translation>Customize...</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>File categories</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Not found</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Find...</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Find the next occurrence (F3)</source>
        <translation>Find the next occurrence (F3)</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Find the previous occurrence (Shift+F3)</source>
        <translation>Find the previous occurrence (Shift+F3)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Close the find bar (Esc)</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>Text to find</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Match case</translation>
    </message>
</context>
<context>
    <name>InstantToolBar</name>
    <message>
        <source>Insert a keyword</source>
        <translation>Insert a keyword</translation>
    </message>
    <message>
        <source>Edit the name list</source>
        <translation>Edit the name list</translation>
    </message>
    <message>
        <source>Instant Search</source>
        <translation>Instant Search</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Expression type</source>
        <translation>Expression type</translation>
    </message>
</context>
<context>
    <name>LocationPane</name>
    <message>
        <source>Location of the matches in the file</source>
        <translation>Location of the matches in the file</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>New search</source>
        <translation>New search</translation>
    </message>
    <message>
        <source>Index: ready</source>
        <translation>Index: ready</translation>
    </message>
    <message>
        <source>Index: updating...</source>
        <translation>Index: updating...</translation>
    </message>
    <message>
        <source>Index: disabled</source>
        <translation>Index: disabled</translation>
    </message>
    <message>
        <source>Talvenquist v%1</source>
        <translation>Talvenquist v%1</translation>
    </message>
    <message>
        <source>Search Parameters</source>
        <translation>Search Parameters</translation>
    </message>
    <message>
        <source>Instant Search</source>
        <translation>Instant Search</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>Export Results</translation>
    </message>
    <message>
        <source>Comma separated</source>
        <translation>Comma separated</translation>
    </message>
    <message>
        <source>The results were exported to %1.</source>
        <translation>The results were exported to %1.</translation>
    </message>
    <message>
        <source>The results could not be exported to %1.</source>
        <translation>The results could not be exported to %1.</translation>
    </message>
    <message>
        <source>Index: service not running</source>
        <translation>Index: service not running</translation>
    </message>
    <message>
        <source>The index service is of another version of Talvenquist: searches walk folders. Restart it (systemctl restart talvenquist-indexd).</source>
        <translation>The index service is of another version of Talvenquist: searches walk folders. Restart it (systemctl restart talvenquist-indexd).</translation>
    </message>
    <message>
        <source>The index service is not running: searches walk folders. Turn it on in Options, Indexing.</source>
        <translation>The index service is not running: searches walk folders. Turn it on in Options, Indexing.</translation>
    </message>
    <message>
        <source>The index service took the change.</source>
        <translation>The index service took the change.</translation>
    </message>
    <message>
        <source>The index service is not running: this window keeps an index of its own. Turn the service on in Options, Indexing.</source>
        <translation>The index service is not running: this window keeps an index of its own. Turn the service on in Options, Indexing.</translation>
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
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>&amp;New Search</source>
        <translation>&amp;New Search</translation>
    </message>
    <message>
        <source>&amp;Close Tab</source>
        <translation>&amp;Close Tab</translation>
    </message>
    <message>
        <source>&amp;Next Tab</source>
        <translation>&amp;Next Tab</translation>
    </message>
    <message>
        <source>&amp;Previous Tab</source>
        <translation>&amp;Previous Tab</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>&amp;Export Results...</source>
        <translation>&amp;Export Results...</translation>
    </message>
    <message>
        <source>Duplicate search</source>
        <translation>Duplicate search</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>Copy &amp;Name</source>
        <translation>Copy &amp;Name</translation>
    </message>
    <message>
        <source>Copy &amp;Full Name</source>
        <translation>Copy &amp;Full Name</translation>
    </message>
    <message>
        <source>Copy &amp;Path</source>
        <translation>Copy &amp;Path</translation>
    </message>
    <message>
        <source>&amp;Case sensitive</source>
        <translation>&amp;Case sensitive</translation>
    </message>
    <message>
        <source>&amp;Substring</source>
        <translation>&amp;Substring</translation>
    </message>
    <message>
        <source>&amp;Whole word</source>
        <translation>&amp;Whole word</translation>
    </message>
    <message>
        <source>&amp;Regex</source>
        <translation>&amp;Regex</translation>
    </message>
    <message>
        <source>&amp;Boolean</source>
        <translation>&amp;Boolean</translation>
    </message>
    <message>
        <source>&amp;Search Parameters</source>
        <translation>&amp;Search Parameters</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>&amp;Instant Search</source>
        <translation>&amp;Instant Search</translation>
    </message>
    <message>
        <source>&amp;Filter Bar</source>
        <translation>&amp;Filter Bar</translation>
    </message>
    <message>
        <source>Move to T&amp;rash</source>
        <translation>Move to T&amp;rash</translation>
    </message>
</context>
<context>
    <name>MatchesTextView</name>
    <message>
        <source>Only the first %1 matches are shown.</source>
        <translation>Only the first %1 matches are shown.</translation>
    </message>
    <message>
        <source>Full line</source>
        <translation>Full line</translation>
    </message>
    <message>
        <source>Matching lines</source>
        <translation>Matching lines</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Do you really want to clear search history?</source>
        <translation>Do you really want to clear search history?</translation>
    </message>
    <message>
        <source>File database path:</source>
        <translation>File database path:</translation>
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
        <translation>General</translation>
    </message>
    <message>
        <source>Indexing</source>
        <translation>Indexing</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>File categories</translation>
    </message>
    <message>
        <source>File handlers</source>
        <translation>File handlers</translation>
    </message>
    <message>
        <source>Indexing is unavailable when %1 is running without administrator permissions.</source>
        <translation>Indexing is unavailable when %1 is running without administrator permissions.</translation>
    </message>
</context>
<context>
    <name>OptionsGeneral</name>
    <message>
        <source>Launch at system startup</source>
        <translation>Launch at system startup</translation>
    </message>
    <message>
        <source>Run in background</source>
        <translation>Run in background</translation>
    </message>
    <message>
        <source>Integrate in a folder's context menu</source>
        <translation>Integrate in a folder's context menu</translation>
    </message>
    <message>
        <source>Start without asking for the administrator password</source>
        <translation>Start without asking for the administrator password</translation>
    </message>
    <message>
        <source>Save searches in all tabs on exit</source>
        <translation>Save searches in all tabs on exit</translation>
    </message>
    <message>
        <source>Clear search history</source>
        <translation>Clear search history</translation>
    </message>
</context>
<context>
    <name>OptionsIndexing</name>
    <message>
        <source>File database path:</source>
        <translation>File database path:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>Rebuild</source>
        <translation>Rebuild</translation>
    </message>
    <message>
        <source>Automatically index new fixed drives</source>
        <translation>Automatically index new fixed drives</translation>
    </message>
    <message>
        <source>Automatically index new removable drives</source>
        <translation>Automatically index new removable drives</translation>
    </message>
    <message>
        <source>Index the following volumes:</source>
        <translation>Index the following volumes:</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>Mount point</translation>
    </message>
    <message>
        <source>Objects count</source>
        <translation>Objects count</translation>
    </message>
    <message>
        <source>Exclude paths:</source>
        <translation>Exclude paths:</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>File system</translation>
    </message>
    <message>
        <source>Keep an index of all volumes for all users (system service)</source>
        <translation>Keep an index of all volumes for all users (system service)</translation>
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
        <translation>Extensions</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Attributes</translation>
    </message>
    <message>
        <source>File categories</source>
        <translation>File categories</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
</context>
<context>
    <name>OptionsPageFilters</name>
    <message>
        <source>This filter is disabled</source>
        <translation>This filter is disabled</translation>
    </message>
    <message>
        <source>Disable filter</source>
        <translation>Disable filter</translation>
    </message>
    <message>
        <source>Enable filters</source>
        <translation>Enable filters</translation>
    </message>
    <message>
        <source>Document filters available on this computer.</source>
        <translation>Document filters available on this computer.</translation>
    </message>
    <message>
        <source>32-bit</source>
        <translation>32-bit</translation>
    </message>
    <message>
        <source>64-bit</source>
        <translation>64-bit</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Extension</translation>
    </message>
    <message>
        <source>Handler name</source>
        <translation>Handler name</translation>
    </message>
</context>
<context>
    <name>OptionsSearch</name>
    <message>
        <source>Content search</source>
        <translation>Content search</translation>
    </message>
    <message>
        <source>Auto-detect encoding of files without BOM</source>
        <translation>Auto-detect encoding of files without BOM</translation>
    </message>
    <message>
        <source>Auto-detect and skip binary files from content searches</source>
        <translation>Auto-detect and skip binary files from content searches</translation>
    </message>
    <message>
        <source>Use built-in PDF converter</source>
        <translation>Use built-in PDF converter</translation>
    </message>
    <message>
        <source>Search as you type</source>
        <translation>Search as you type</translation>
    </message>
</context>
<context>
    <name>PagesTabWidget</name>
    <message>
        <source>New tab</source>
        <translation>New tab</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Close other tabs</source>
        <translation>Close other tabs</translation>
    </message>
</context>
<context>
    <name>PreviewTabWidget</name>
    <message>
        <source>Matches</source>
        <translation>Matches</translation>
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
        <translation>And</translation>
    </message>
    <message>
        <source>Or</source>
        <translation>Or</translation>
    </message>
    <message>
        <source>Not</source>
        <translation>Not</translation>
    </message>
</context>
<context>
    <name>SearchWindow</name>
    <message>
        <source>Search Parameters</source>
        <translation>Search Parameters</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Expression type:</source>
        <translation>Expression type:</translation>
    </message>
    <message>
        <source>Scope:</source>
        <translation>Scope:</translation>
    </message>
    <message>
        <source>and</source>
        <translation>and</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Case sensitive</translation>
    </message>
    <message>
        <source>In directory</source>
        <translation>In directory</translation>
    </message>
    <message>
        <source>Include subfolders</source>
        <translation>Include subfolders</translation>
    </message>
    <message>
        <source>In contents</source>
        <translation>In contents</translation>
    </message>
    <message>
        <source>Modified between</source>
        <translation>Modified between</translation>
    </message>
    <message>
        <source>Size range</source>
        <translation>Size range</translation>
    </message>
    <message>
        <source>Show advanced options</source>
        <translation>Show advanced options</translation>
    </message>
    <message>
        <source>Substring</source>
        <translation>Substring</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>Whole word</translation>
    </message>
    <message>
        <source>Regex</source>
        <translation>Regex</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>Boolean</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Line</translation>
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
        <translation>Search</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>File name expression type</source>
        <translation>File name expression type</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>Contents text</source>
        <translation>Contents text</translation>
    </message>
    <message>
        <source>Contents expression type</source>
        <translation>Contents expression type</translation>
    </message>
    <message>
        <source>Scope</source>
        <translation>Scope</translation>
    </message>
    <message>
        <source>Modified on or after</source>
        <translation>Modified on or after</translation>
    </message>
    <message>
        <source>Modified on or before</source>
        <translation>Modified on or before</translation>
    </message>
    <message>
        <source>Minimum size</source>
        <translation>Minimum size</translation>
    </message>
    <message>
        <source>Maximum size</source>
        <translation>Maximum size</translation>
    </message>
    <message>
        <source>Size unit</source>
        <translation>Size unit</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Search progress</translation>
    </message>
    <message>
        <source>Edit the folder list</source>
        <translation>Edit the folder list</translation>
    </message>
    <message>
        <source>Insert a keyword</source>
        <translation>Insert a keyword</translation>
    </message>
    <message>
        <source>Edit the file name list</source>
        <translation>Edit the file name list</translation>
    </message>
    <message>
        <source>Edit the contents list</source>
        <translation>Edit the contents list</translation>
    </message>
</context>
<context>
    <name>SelectFileNamesDialog</name>
    <message>
        <source>Select contents text</source>
        <translation>Select contents text</translation>
    </message>
    <message>
        <source>Include text:</source>
        <translation>Include text:</translation>
    </message>
    <message>
        <source>Exclude text:</source>
        <translation>Exclude text:</translation>
    </message>
    <message>
        <source>Select file names</source>
        <translation>Select file names</translation>
    </message>
    <message>
        <source>Include file names:</source>
        <translation>Include file names:</translation>
    </message>
    <message>
        <source>Exclude file names:</source>
        <translation>Exclude file names:</translation>
    </message>
</context>
<context>
    <name>SelectPathsDialog</name>
    <message>
        <source>Select folder</source>
        <translation>Select folder</translation>
    </message>
    <message>
        <source>Select folders</source>
        <translation>Select folders</translation>
    </message>
    <message>
        <source>Include folder list:</source>
        <translation>Include folder list:</translation>
    </message>
    <message>
        <source>Exclude folder list:</source>
        <translation>Exclude folder list:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>Add a folder to include</source>
        <translation>Add a folder to include</translation>
    </message>
    <message>
        <source>Add a folder to exclude</source>
        <translation>Add a folder to exclude</translation>
    </message>
</context>
<context>
    <name>ShellContextMenu</name>
    <message>
        <source>Open file location</source>
        <translation>Open file location</translation>
    </message>
    <message>
        <source>Copy full name</source>
        <translation>Copy full name</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Rename...</translation>
    </message>
    <message>
        <source>Move to T&amp;rash</source>
        <translation>Move to T&amp;rash</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Properties</translation>
    </message>
    <message>
        <source>Open &amp;With</source>
        <translation>Open &amp;With</translation>
    </message>
</context>
<context>
    <name>ShellUtils</name>
    <message numerus="yes">
        <source>Do you really want to delete %n item(s) permanently? This cannot be undone.</source>
        <translation>
            <numerusform>Do you really want to delete %n item permanently? This cannot be undone.</numerusform>
            <numerusform>Do you really want to delete %n items permanently? This cannot be undone.</numerusform>
        </translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>Deleting...</translation>
    </message>
    <message>
        <source>These items could not be deleted:</source>
        <translation>These items could not be deleted:</translation>
    </message>
    <message>
        <source>Moving to the trash...</source>
        <translation>Moving to the trash...</translation>
    </message>
    <message>
        <source>The desktop session could not be reached.</source>
        <translation>The desktop session could not be reached.</translation>
    </message>
    <message>
        <source>It is still there.</source>
        <translation>It is still there.</translation>
    </message>
    <message>
        <source>These items could not be moved to the trash:</source>
        <translation>These items could not be moved to the trash:</translation>
    </message>
</context>
<context>
    <name>TabPage</name>
    <message>
        <source>Found: %1 objects in %2s</source>
        <translation>Found: %1 objects in %2s</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Searching...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Substring</source>
        <translation>Substring</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>Whole word</translation>
    </message>
    <message>
        <source>Regex</source>
        <translation>Regex</translation>
    </message>
    <message>
        <source>Boolean</source>
        <translation>Boolean</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Case sensitive</translation>
    </message>
    <message>
        <source>(incomplete: the search could not look everywhere)</source>
        <translation>(incomplete: the search could not look everywhere)</translation>
    </message>
</context>
<context>
    <name>TaskScheduler</name>
    <message>
        <source>Search with %1...</source>
        <translation>Search with %1...</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>There is no trash for it on its file system.</source>
        <translation>There is no trash for it on its file system.</translation>
    </message>
    <message>
        <source>Its owner (user %1) has no home folder to keep a trash in.</source>
        <translation>Its owner (user %1) has no home folder to keep a trash in.</translation>
    </message>
    <message>
        <source>Only an administrator may use another user's trash.</source>
        <translation>Only an administrator may use another user's trash.</translation>
    </message>
</context>
<context>
    <name>IndexServiceAdmin</name>
    <message>
        <source>This computer does not run systemd, so the index service cannot be turned on here.</source>
        <translation>This computer does not run systemd, so the index service cannot be turned on here.</translation>
    </message>
    <message>
        <source>pkexec could not be started.</source>
        <translation>pkexec could not be started.</translation>
    </message>
    <message>
        <source>The task run with administrator rights ended unexpectedly.</source>
        <translation>The task run with administrator rights ended unexpectedly.</translation>
    </message>
    <message>
        <source>The administrator password was not given.</source>
        <translation>The administrator password was not given.</translation>
    </message>
    <message>
        <source>The index service refused the change; the log says why.</source>
        <translation>The index service refused the change; the log says why.</translation>
    </message>
</context>
</TS>
