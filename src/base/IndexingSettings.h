#pragma once

#include <QChar>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

// What the index covers and where its databases live. Built by Settings on
// the GUI thread and handed to the index by value, so the index never reads
// the settings file.
struct IndexingSettings
{
    QList<QChar> indexDrives;   // upper-case drive letters to index
    QList<QChar> noIndexDrives; // upper-case drive letters never to index
    bool autoAddFixed = true;
    bool autoAddRemovable = false;
    QString dbPath;             // the databases live below it
    QStringList excludePaths;   // paths of the active exclude entries, in stored order
};

Q_DECLARE_METATYPE(IndexingSettings)
