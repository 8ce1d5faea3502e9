#pragma once

#include "base/IndexTypes.h"

#include <QChar>
#include <QObject>
#include <QString>
#include <QThread>

#include <atomic>
#include <memory>

class IChangeJournalReader;

// Keeps a drive database current: runs a reader on a thread named
// "MONITOR_<drive>" and relays each change, then remembers the position that
// follows it, so that the database (connected directly, on the monitor
// thread) has applied a change before its position counts as done.
//
// States: idle (reader set) -> running (start) -> stopped (stop). A stopped
// monitor is not restarted. Owns the reader.
class ChangeJournal : public QObject
{
    Q_OBJECT
public:
    explicit ChangeJournal(QObject *parent = nullptr);
    ~ChangeJournal() override;

    // Takes ownership of `reader` (a QObject with the reader's signals),
    // deleting the previous one.
    void setReader(QChar drive, IChangeJournalReader *reader);

    // The reader's prepare(): start() with the same position follows.
    void prepare(USN from);
    // Reports on the calling thread the changes from `from` up to now (the
    // replay of what happened while the program was not running included),
    // then follows further changes on the monitor thread.
    void start(USN from);
    // Interrupts the reader and waits for the thread; returns the position
    // after the last change relayed. Safe to call again.
    USN stop();
    // The position after the last change relayed and applied; every change
    // before it is in the database. Any thread.
    USN position() const { return m_nextUsn; }

signals:
    void fileAdded(FRN frn, FRN parentFRN, const QString &fileName, bool isFolder);
    void fileRenamed(FRN frn, FRN frnParent, const QString &fileName, bool isFolder);
    void fileDeleted(FRN frn, bool isFolder);

public slots:
    void onFileAdded(FRN frn, FRN parentFRN, const QString &fileName, bool isFolder, USN nextUsn);
    void onFileRenamed(FRN frn, FRN frnParent, const QString &fileName, bool isFolder, USN nextUsn);
    void onFileDeleted(FRN frn, bool isFolder, USN nextUsn);

private:
    void connectReader();
    void disconnectReader();

    QChar m_drive;
    std::unique_ptr<IChangeJournalReader> m_reader;
    // Written on the monitor thread, read by stop() after the thread ended.
    std::atomic<USN> m_nextUsn{0};
    QThread m_thread;
};
