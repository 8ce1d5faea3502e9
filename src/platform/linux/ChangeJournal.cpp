#include "platform/linux/ChangeJournal.h"

#include "platform/linux/IChangeJournalReader.h"

ChangeJournal::ChangeJournal(QObject *parent)
    : QObject(parent)
{
}

ChangeJournal::~ChangeJournal()
{
    // Destroying a running QThread aborts the process. A reader that could
    // not be interrupted ends after its current read; that is waited for.
    if (m_thread.isRunning()) {
        stop();
        m_thread.wait();
    }
}

void ChangeJournal::setReader(QChar drive, IChangeJournalReader *reader)
{
    m_drive = drive;
    if (m_reader.get() != reader)
        m_reader.reset(reader);
}

void ChangeJournal::connectReader()
{
    auto *source = dynamic_cast<QObject *>(m_reader.get());
    Q_ASSERT(source);
    connect(source, SIGNAL(fileAdded(FRN, FRN, const QString &, bool, USN)), this,
            SLOT(onFileAdded(FRN, FRN, const QString &, bool, USN)), Qt::DirectConnection);
    connect(source, SIGNAL(fileRenamed(FRN, FRN, const QString &, bool, USN)), this,
            SLOT(onFileRenamed(FRN, FRN, const QString &, bool, USN)), Qt::DirectConnection);
    connect(source, SIGNAL(fileDeleted(FRN, bool, USN)), this, SLOT(onFileDeleted(FRN, bool, USN)),
            Qt::DirectConnection);
}

void ChangeJournal::disconnectReader()
{
    if (auto *source = dynamic_cast<QObject *>(m_reader.get()))
        source->disconnect(this);
}

void ChangeJournal::prepare(USN from)
{
    if (m_reader && !m_thread.isRunning() && !m_thread.isFinished())
        m_reader->prepare(from);
}

void ChangeJournal::start(USN from)
{
    // Without a reader there is nothing to follow; a stopped monitor is not restarted.
    if (!m_reader || m_thread.isRunning() || m_thread.isFinished())
        return;
    m_nextUsn = from;
    connectReader();
    // Catch up here, so that the caller's database reflects every change
    // made while the program was not running when start() returns.
    m_reader->read(m_nextUsn, /*wait=*/false);
    connect(&m_thread, &QThread::started, this, [this] {
        m_reader->read(m_nextUsn, /*wait=*/true);
        m_thread.exit(0);
    }, Qt::DirectConnection);
    m_thread.setObjectName(QStringLiteral("MONITOR_%1").arg(m_drive));
    m_thread.start(QThread::InheritPriority);
}

USN ChangeJournal::stop()
{
    if (!m_reader)
        return m_nextUsn;
    if (m_reader->cancel())
        m_thread.wait();
    else
        disconnectReader();
    return m_nextUsn;
}

void ChangeJournal::onFileAdded(FRN frn, FRN parentFRN, const QString &fileName, bool isFolder, USN nextUsn)
{
    emit fileAdded(frn, parentFRN, fileName, isFolder);
    m_nextUsn = nextUsn;
}

void ChangeJournal::onFileRenamed(FRN frn, FRN frnParent, const QString &fileName, bool isFolder, USN nextUsn)
{
    emit fileRenamed(frn, frnParent, fileName, isFolder);
    m_nextUsn = nextUsn;
}

void ChangeJournal::onFileDeleted(FRN frn, bool isFolder, USN nextUsn)
{
    emit fileDeleted(frn, isFolder);
    m_nextUsn = nextUsn;
}
