#pragma once

#include "platform/linux/IChangeJournalReader.h"

#include <QObject>
#include <QSemaphore>

// A change reader for databases that are fed through their slots: it knows no changes, and a waiting read
// blocks until cancel(), as a kernel read does.
class QuietJournalReader : public QObject, public IChangeJournalReader
{
    Q_OBJECT
public:
    USN read(USN startUsn, bool wait) override
    {
        if (wait) {
            m_canceled.acquire();
            m_canceled.release();
        }
        return startUsn;
    }

    bool cancel() override
    {
        m_canceled.release();
        return true;
    }

signals:
    void fileAdded(FRN frn, FRN parentFRN, const QString &fileName, bool isFolder, USN nextUsn) override;
    void fileRenamed(FRN frn, FRN frnParent, const QString &fileName, bool isFolder, USN nextUsn) override;
    void fileDeleted(FRN frn, bool isFolder, USN nextUsn) override;

private:
    QSemaphore m_canceled;
};
