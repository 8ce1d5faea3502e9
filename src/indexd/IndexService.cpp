#include "indexd/IndexService.h"

#include "base/Logger.h"
#include "indexd/ClientSessions.h"
#include "indexd/IndexdConfig.h"
#include "platform/linux/NTFSUtils.h"
#include "platform/linux/SystemInfo.h"
#include "platform/linux/SystemdNotifier.h"
#include "platform/linux/TerminationSignals.h"
#include "search/FileSearcherWorker.h"
#include "search/NTFSFileSearcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>

namespace {

const char kComponent[] = "IndexService";
// Changes wait at most this long for a save, which bounds the replay after a crash.
constexpr qint64 kCheckpointAfterMs = 30 * 60 * 1000;
constexpr int kCheckpointTickMs = 60 * 1000;
constexpr int kRunningSearches = 4;

void log(int level, const QString &message)
{
    Logger::instance()->log(level, kComponent, message);
}

StreamServer::Limits serverLimits()
{
    StreamServer::Limits limits;
    limits.maxClients = 256;
    limits.maxOutputBytes = 4 << 20;
    limits.idleMs = 30000;
    limits.writeMs = 15000;
    return limits;
}

} // namespace

IndexService::IndexService(const IndexdOptions &options, QObject *parent)
    : QObject(parent)
    , m_options(options)
{
    m_searchPool.setMaxThreadCount(kRunningSearches);
    m_checkpointTimer.setInterval(kCheckpointTickMs);
    connect(&m_checkpointTimer, &QTimer::timeout, this, &IndexService::onCheckpointTick);
}

IndexService::~IndexService()
{
    shutdown();
}

bool IndexService::makeFolders()
{
    // The state is root's alone; the socket's folder lets everyone reach it.
    const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    const QFile::Permissions everyoneEnters = ownerOnly | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
                                              | QFile::ExeOther;
    const QString socketFolder = QFileInfo(m_options.socketPath).absolutePath();
    if (!QDir().mkpath(m_options.stateDir) || !QFile::setPermissions(m_options.stateDir, ownerOnly)) {
        log(ERROR, QStringLiteral("The state folder %1 cannot be made").arg(m_options.stateDir));
        return false;
    }
    if (!QDir().mkpath(socketFolder) || !QFile::setPermissions(socketFolder, everyoneEnters)) {
        log(ERROR, QStringLiteral("The socket folder %1 cannot be made").arg(socketFolder));
        return false;
    }
    return true;
}

bool IndexService::start()
{
    if (!makeFolders())
        return false;
    m_volumeKeys = std::make_unique<QSettings>(m_options.volumesFile(), QSettings::IniFormat);
    setVolumeSettings(m_volumeKeys.get());
    m_signals = std::make_unique<TerminationSignals>();
    connect(m_signals.get(), &TerminationSignals::arrived, this, &IndexService::onSignal);
    IndexingSettings settings = IndexdConfig::read(m_options.configFile);
    settings.dbPath = m_options.stateDir;
    {
        QMutexLocker lock(&m_stateMutex);
        m_settings = settings;
    }
    m_index = std::make_unique<NTFSFileSearcher>();
    // Volumes that come and go update the index outside any update thread.
    connect(m_index.get(), &NTFSFileSearcher::updateStarted, this, [this] {
        if (m_phase == ServiceState::Ready)
            setPhase(ServiceState::Updating);
    });
    connect(m_index.get(), &NTFSFileSearcher::updateFinished, this, [this] {
        if (m_phase == ServiceState::Updating && !m_updateThread)
            setPhase(ServiceState::Ready);
        else
            emit stateChanged();
    });
    if (!startServer())
        return false;
    NTFSFileSearcher *index = m_index.get();
    m_initThread = std::make_unique<FileSearcherWorker>([this, index, settings] { index->init(&m_stopInit, settings); });
    m_initThread->setObjectName(QStringLiteral("INIT"));
    connect(m_initThread.get(), &QThread::finished, this, &IndexService::onInitFinished);
    m_initThread->start();
    SystemdNotifier::status(QStringLiteral("Loading the index"));
    return true;
}

bool IndexService::startServer()
{
    m_sessions = std::make_unique<ClientSessions>(*this);
    m_server = std::make_unique<StreamServer>(serverLimits(), m_sessions.get());
    if (!m_server->listen(m_options.socketPath)) {
        log(ERROR, QStringLiteral("Listening at %1 failed, error = %2").arg(m_options.socketPath).arg(errno));
        return false;
    }
    connect(this, &IndexService::stateChanged, this, [this] { m_sessions->broadcast(state()); });
    m_serverThread = std::thread([this] { m_server->run(); });
    log(INFO, QStringLiteral("Listening at %1").arg(m_options.socketPath));
    // Requests are taken from now on; searches wait for the loading.
    SystemdNotifier::ready();
    return true;
}

void IndexService::onInitFinished()
{
    m_initThread.reset();
    if (m_stopped)
        return;
    m_savedChanges = m_index->changeCount();
    m_checkpointTimer.start();
    // What loading the databases and replaying the changes used for a while
    // is not kept resident for the life of the service.
    releaseFreedMemory();
    setPhase(ServiceState::Ready);
    SystemdNotifier::status(QStringLiteral("Ready"));
    log(INFO, QStringLiteral("Index ready"));
    applyWaitingSettings();
}

void IndexService::setPhase(ServiceState::Phase phase)
{
    {
        QMutexLocker lock(&m_stateMutex);
        m_phase = phase;
        m_readyChanged.wakeAll();
    }
    emit stateChanged();
}

ServiceState IndexService::state() const
{
    ServiceState state;
    {
        QMutexLocker lock(&m_stateMutex);
        state.phase = m_phase;
        state.settings = m_settings;
    }
    state.settings.dbPath.clear();
    QMap<QChar, int> counts;
    if (m_index)
        m_index->objectCounts(counts);
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const VolumeInfo volume = volumeInfo(it.key());
        state.volumes.append({it.key(), QFile::encodeName(volume.mountPoint), quint64(it.value())});
    }
    // Read from the mount table and /sys, which the kernel answers from memory.
    try {
        for (QChar key : localNtfsDrives())
            state.available.append({key, QFile::encodeName(volumeInfo(key).mountPoint), 0});
    } catch (const std::exception &e) {
        Logger::instance()->log(WARNING, "IndexService",
                                QStringLiteral("Volumes can't be listed: %1").arg(QString::fromUtf8(e.what())));
    }
    return state;
}

bool IndexService::waitReady(const std::atomic<bool> *canceled)
{
    QMutexLocker lock(&m_stateMutex);
    while (m_phase == ServiceState::Loading) {
        if (*canceled)
            return false;
        m_readyChanged.wait(&m_stateMutex, 100);
    }
    return !*canceled;
}

void IndexService::searchIndex(FileSearchRequest &request, FileSearchResults &results)
{
    QMutexLocker turn(&m_indexTurn);
    m_index->search(request, results);
}

bool IndexService::startUpdate(std::function<void()> task)
{
    if (m_updateThread || m_initThread || m_stopped)
        return false;
    m_stopUpdate = false;
    m_updateThread = std::make_unique<FileSearcherWorker>(std::move(task));
    m_updateThread->setObjectName(QStringLiteral("UPDATE"));
    connect(m_updateThread.get(), &QThread::finished, this, [this] {
        m_updateThread.reset();
        releaseFreedMemory();
        if (!m_stopped)
            setPhase(ServiceState::Ready);
        applyWaitingSettings();
    });
    setPhase(ServiceState::Updating);
    m_updateThread->start();
    return true;
}

// The update threads are the main thread's to start and end: the requests
// are handed over there and carried out unless an update runs already
// (logged). Their progress shows in the state notifications.
void IndexService::requestRebuild()
{
    QMetaObject::invokeMethod(this, [this] {
        NTFSFileSearcher *index = m_index.get();
        if (startUpdate([this, index] { index->update(&m_stopUpdate); }))
            log(INFO, QStringLiteral("Rebuilding the index"));
        else
            log(WARNING, QStringLiteral("Rebuild not started: the index is busy loading or updating"));
    }, Qt::QueuedConnection);
}

// Stored before they are accepted, so that what the client is told holds
// after a restart too; taken up on the main thread.
bool IndexService::requestSettings(const IndexingSettings &settings)
{
    if (!IndexdConfig::write(m_options.configFile, settings)) {
        log(WARNING, QStringLiteral("The settings could not be written to %1").arg(m_options.configFile));
        return false;
    }
    QMetaObject::invokeMethod(this, [this, settings] { applySettings(settings); }, Qt::QueuedConnection);
    return true;
}

// While the index is loading or updating, the newest settings wait for it
// and are taken up as soon as it is free.
void IndexService::applySettings(const IndexingSettings &read)
{
    IndexingSettings settings = read;
    settings.dbPath = m_options.stateDir;
    NTFSFileSearcher *index = m_index.get();
    if (!startUpdate([this, index, settings] { index->update(&m_stopUpdate, settings); })) {
        log(INFO, QStringLiteral("New settings wait for the index to finish loading or updating"));
        m_waitingSettings = settings;
        return;
    }
    m_waitingSettings.reset();
    QMutexLocker lock(&m_stateMutex);
    m_settings = settings;
}

void IndexService::applyWaitingSettings()
{
    if (m_waitingSettings && !m_stopped)
        applySettings(*m_waitingSettings);
}

void IndexService::onCheckpointTick()
{
    const quint64 changes = m_index->changeCount();
    if (changes == m_savedChanges) {
        m_unsavedSince.invalidate();
        return;
    }
    if (!m_unsavedSince.isValid())
        m_unsavedSince.start();
    if (m_unsavedSince.elapsed() < kCheckpointAfterMs || m_updateThread)
        return;
    log(INFO, QStringLiteral("Saving the index: changes have waited 30 minutes"));
    m_index->checkpointIndex();
    m_savedChanges = changes;
    m_unsavedSince.invalidate();
}

void IndexService::onSignal(int signalNumber)
{
    if (signalNumber == SIGHUP) {
        log(INFO, QStringLiteral("Reading %1 again").arg(m_options.configFile));
        SystemdNotifier::reloading();
        applySettings(IndexdConfig::read(m_options.configFile));
        SystemdNotifier::ready();
        return;
    }
    log(INFO, QStringLiteral("Stopping on signal %1").arg(signalNumber));
    SystemdNotifier::stopping();
    shutdown();
    QCoreApplication::exit(m_exitCode);
}

void IndexService::shutdown()
{
    if (m_stopped)
        return;
    m_stopped = true;
    m_checkpointTimer.stop();
    if (m_server) {
        m_server->stop();
        if (m_serverThread.joinable())
            m_serverThread.join();
    }
    if (m_sessions)
        m_sessions->cancelAll();
    m_searchPool.waitForDone();
    for (auto *thread : {&m_updateThread, &m_initThread}) {
        if (*thread) {
            (thread == &m_updateThread ? m_stopUpdate : m_stopInit) = true;
            (*thread)->disconnect();
            (*thread)->wait();
            thread->reset();
        }
    }
    if (m_index) {
        connect(m_index.get(), &NTFSFileSearcher::saveFailed, this, [this] { m_exitCode = 1; });
        m_index->saveIndex();
        m_index.reset();
    }
    m_server.reset();
    setVolumeSettings(nullptr);
    log(INFO, QStringLiteral("Stopped"));
}
