<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Talvenquist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built with:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finds files and folders by name and contents.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build time: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackgroundTray</name>
    <message>
        <source>%1 is still running.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindowActions</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export Results...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy &amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy &amp;Full Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy &amp;Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Case sensitive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Substring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Whole word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Regex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Boolean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Instant Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Filter Bar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PagesTabWidget</name>
    <message>
        <source>New tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close other tabs</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
