#pragma once

#include "platform/linux/IChangeJournalReader.h"

#include <QObject>

#include <condition_variable>
#include <mutex>

// A change reader for databases that are fed through their slots: it knows
// no changes, and a waiting read blocks until cancel(), as a kernel read does.
class QuietJournalReader : public QObject, public IChangeJournalReader
{
    Q_OBJECT
public:
    USN read(USN startUsn, bool wait) override
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (wait)
            m_wake.wait(lock, [this] { return m_canceled; });
        return startUsn;
    }

    bool cancel() override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_canceled = true;
        m_wake.notify_all();
        return true;
    }

signals:
    void fileAdded(FRN frn, FRN parentFRN, const QString &fileName, bool isFolder, USN nextUsn) override;
    void fileRenamed(FRN frn, FRN frnParent, const QString &fileName, bool isFolder, USN nextUsn) override;
    void fileDeleted(FRN frn, bool isFolder, USN nextUsn) override;

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_canceled = false;
};
