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
</context>
</TS>
