#pragma once

#include <QList>
#include <QMap>
#include <QString>

class QXmlStreamReader;
class QXmlStreamWriter;

// What one tab remembers of the search panel: widget object name -> value.
// Ordered by plain string comparison of the names, which is the order the
// entries are written in.
using TabParameters = QMap<QString, QString>;

// "Tabs.xml": the open search tabs, kept across runs.
//
//   <?xml version="1.0" encoding="UTF-8"?>
//   <tabs current_tab="1" version="1.0">
//       <tab>
//           <fileNameComboBox value="*.txt"/>
//       </tab>
//   </tabs>
//
// Written to a temporary file beside the old one and renamed over it, so an
// interrupted save never leaves half a file.
class TabsFile
{
public:
    struct Contents
    {
        int currentTab = 0;
        QList<TabParameters> tabs;
    };

    // False when the file cannot be written; the old file is then untouched.
    static bool write(const QString &path, const Contents &contents);
    // False when the file cannot be opened. A file whose first element is not
    // "tabs" still counts as read: no tabs, current tab 0.
    static bool read(const QString &path, Contents *contents);

    // One "tab" element with an empty child per entry.
    static void writeTab(QXmlStreamWriter &writer, const TabParameters &parameters);
    // Called with the reader on a "tab" start element; reads up to its end.
    static TabParameters readTab(QXmlStreamReader &reader);
};
