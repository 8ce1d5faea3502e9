#pragma once

#include "base/IndexTypes.h"
#include "base/IndexingSettings.h"
#include "indexd/IndexdOptions.h"
#include "indexproto/ServiceState.h"
#include "platform/linux/StreamServer.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QObject>
#include <QSettings>
#include <QThreadPool>
#include <QTimer>
#include <QWaitCondition>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

class ClientSessions;
class FileSearchRequest;
class FileSearchResults;
class FileSearcherWorker;
class NTFSFileSearcher;
class TerminationSignals;

// The index service: holds the index of every local volume as the root
// window does (loaded with replay at start, kept current by the change
// monitors, volumes added and dropped as they come), answers clients on a
// local socket, saves at SIGTERM/SIGINT and once changes have waited
// 30 minutes, re-reads its settings on SIGHUP.
//
// Lives on the main thread (the index manager's notifications need its
// event loop). The socket loop runs on a thread of its own and searches on
// a small pool; they reach the index through the thread-safe functions.
class IndexService : public QObject
{
    Q_OBJECT
public:
    explicit IndexService(const IndexdOptions &options, QObject *parent = nullptr);
    ~IndexService() override;

    // Makes the folders, starts loading and listens; false (logged) when
    // the service cannot run.
    bool start();
    // 0 after a clean stop, 1 when a database could not be saved.
    int exitCode() const { return m_exitCode; }

    // Any thread.
    ServiceState state() const;
    // Waits until the index is loaded; false when `canceled` turned true.
    bool waitReady(const std::atomic<bool> *canceled);
    // The index part of one search. Searches take turns here, so a change
    // from a volume waits behind one search at most.
    void searchIndex(FileSearchRequest &request, FileSearchResults &results);
    // Root's requests, carried out on the main thread.
    void requestRebuild();
    // False when they could not be stored; then nothing changes.
    bool requestSettings(const IndexingSettings &settings);
    StreamServer &server() { return *m_server; }
    QThreadPool &searchPool() { return m_searchPool; }

signals:
    void stateChanged();

private:
    void onSignal(int signalNumber);
    void onInitFinished();
    void onCheckpointTick();
    void setPhase(ServiceState::Phase phase);
    bool makeFolders();
    bool startServer();
    bool startUpdate(std::function<void()> task);
    void applySettings(const IndexingSettings &settings);
    void applyWaitingSettings();
    void shutdown();

    const IndexdOptions m_options;
    std::unique_ptr<QSettings> m_volumeKeys;
    std::unique_ptr<NTFSFileSearcher> m_index;
    std::unique_ptr<ClientSessions> m_sessions;
    std::unique_ptr<StreamServer> m_server;
    std::thread m_serverThread;
    std::unique_ptr<TerminationSignals> m_signals;
    std::unique_ptr<FileSearcherWorker> m_initThread;
    std::unique_ptr<FileSearcherWorker> m_updateThread;
    CancelFlag m_stopInit{false};
    CancelFlag m_stopUpdate{false};
    QThreadPool m_searchPool;
    QMutex m_indexTurn;
    QTimer m_checkpointTimer;
    QElapsedTimer m_unsavedSince;
    quint64 m_savedChanges = 0;
    int m_exitCode = 0;
    bool m_stopped = false;

    mutable QMutex m_stateMutex;
    QWaitCondition m_readyChanged;
    ServiceState::Phase m_phase = ServiceState::Loading;
    IndexingSettings m_settings;
    std::optional<IndexingSettings> m_waitingSettings; // for the index to be free
};
